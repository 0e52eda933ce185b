#include "projectfile.h"

#include "bootparam.h"
#include "checkedsavefile.h"
#include "designdocument.h"
#include "eventinfo.h"
#include "markupbounddevice.h"
#include "pageparam.h"
#include "projectfolder.h"
#include "projectkeys.h"
#include "projectmarkupscanner.h"
#include "projectxmlwriter.h"
#include "qmywidget.h"
#include "timerparam.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <limits>

using namespace ProjectKeys;

namespace {

constexpr int TimerCount = DesignDocument::TimerCount;
constexpr int SlotCount = EventHolder::SlotCount;

// ---- rewriting ----

bool isBlank(const QByteArray &bytes, int begin, int end)
{
    for (int i = begin; i < end; ++i) {
        const char c = bytes.at(i);
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return false;
    }
    return true;
}

// The encoding the declaration names; UTF-8 when it names none.
QByteArray declaredEncoding(const QByteArray &content)
{
    if (!content.startsWith("<?xml"))
        return QByteArrayLiteral("UTF-8");
    const int close = content.indexOf("?>");
    const QByteArray declaration = content.left(close < 0 ? 0 : close);
    int at = declaration.indexOf("encoding");
    if (at < 0)
        return QByteArrayLiteral("UTF-8");
    at = declaration.indexOf('=', at);
    int quote = at;
    while (quote >= 0 && quote < declaration.size() && declaration.at(quote) != '"'
           && declaration.at(quote) != '\'')
        ++quote;
    if (at < 0 || quote >= declaration.size())
        return QByteArrayLiteral("UTF-8");
    const int end = declaration.indexOf(declaration.at(quote), quote + 1);
    return end < 0 ? QByteArrayLiteral("UTF-8") : declaration.mid(quote + 1, end - quote - 1);
}

struct Splice
{
    int begin;
    int end;
    QByteArray bytes;
};

// Where each named element directly under a root `frame` has its text: the character
// data right after the start tag. An element whose first content is markup, or that
// holds only layout white space around child elements, has no text to replace.
QVector<Splice> frameTextSplices(const QByteArray &content,
                                 const QHash<QByteArray, QByteArray> &values)
{
    QVector<Splice> splices;
    ProjectMarkupScanner scanner(content);
    QVector<QByteArray> open;
    int targetDepth = -1;
    QByteArray targetValue;
    int runBegin = -1;
    int runEnd = -1;
    bool firstToken = false;
    bool childElements = false;
    for (ProjectMarkupScanner::Token t = scanner.next();
         t.kind != ProjectMarkupScanner::End && t.kind != ProjectMarkupScanner::Malformed;
         t = scanner.next()) {
        const bool atTargetStart = firstToken;
        firstToken = false;
        switch (t.kind) {
        case ProjectMarkupScanner::Text:
            if (atTargetStart) {
                runBegin = t.begin;
                runEnd = t.end;
            }
            break;
        case ProjectMarkupScanner::StartTag:
        case ProjectMarkupScanner::EmptyTag: {
            const int depth = open.size();
            if (targetDepth >= 0 && depth == targetDepth + 1)
                childElements = true;
            if (t.kind == ProjectMarkupScanner::EmptyTag)
                break;
            const QByteArray name = scanner.name(t);
            if (targetDepth < 0 && depth == 2 && open.at(1) == "frame") {
                const auto value = values.constFind(name);
                if (value != values.constEnd()) {
                    targetDepth = depth;
                    targetValue = value.value();
                    runBegin = runEnd = -1;
                    firstToken = true;
                    childElements = false;
                }
            }
            open.append(name);
            break;
        }
        case ProjectMarkupScanner::EndTag:
            if (!open.isEmpty())
                open.removeLast();
            if (targetDepth >= 0 && open.size() == targetDepth) {
                if (runBegin >= 0 && !(childElements && isBlank(content, runBegin, runEnd)))
                    splices.append({runBegin, runEnd, targetValue});
                targetDepth = -1;
            }
            break;
        default:
            break;
        }
    }
    return splices;
}

QString tooLargeMessage(const QString &path, qint64 maxBytes = ProjectFile::MaxFileSize)
{
    return ProjectFile::tr("%1：文件超过%2MB，项目文件最大%2MB")
        .arg(path, QString::number(maxBytes >> 20));
}

// A file that may be read as a project: a regular file of at most the largest size.
bool isReadable(const QString &path, QString *error)
{
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        if (error)
            *error = ProjectFile::tr("%1：文件不存在").arg(path);
        return false;
    }
    if (info.isDir()) {
        if (error)
            *error = ProjectFile::tr("%1：这是一个文件夹").arg(path);
        return false;
    }
    // A pipe would wait for a writer and a device never ends.
    if (!info.isFile()) {
        if (error)
            *error = ProjectFile::tr("%1：这不是普通文件").arg(path);
        return false;
    }
    if (info.size() > ProjectFile::MaxFileSize) {
        if (error)
            *error = tooLargeMessage(path);
        return false;
    }
    return true;
}

bool readWholeFile(const QString &path, QByteArray *content, QString *error)
{
    if (!isReadable(path, error))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = CheckedSaveFile::failureLine(path, file.errorString());
        return false;
    }
    *content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = CheckedSaveFile::failureLine(path, file.errorString());
        return false;
    }
    // The file may have grown since it was looked at.
    if (content->size() > ProjectFile::MaxFileSize) {
        content->clear();
        if (error)
            *error = tooLargeMessage(path);
        return false;
    }
    return true;
}

// ---- writing ----

void writeEventBlock(ProjectXmlWriter &xml, const EventHolder &holder)
{
    static const QString paramKeys[EventInfo::ParamCount] = {
        QStringLiteral("EventParam0"),  QStringLiteral("EventParam1"),
        QStringLiteral("EventParam2"),  QStringLiteral("EventParam3"),
        QStringLiteral("EventParam4"),  QStringLiteral("EventParam5"),
        QStringLiteral("EventParam6"),  QStringLiteral("EventParam7"),
        QStringLiteral("EventParam8"),  QStringLiteral("EventParam9"),
        QStringLiteral("EventParam10"), QStringLiteral("EventParam11"),
        QStringLiteral("EventParam12"), QStringLiteral("EventParam13"),
        QStringLiteral("EventParam14"), QStringLiteral("EventParam15"),
        QStringLiteral("EventParam16"), QStringLiteral("EventParam17"),
        QStringLiteral("EventParam18"), QStringLiteral("EventParam19"),
    };
    const QList<EventInfo> events = holder.events();
    for (const EventInfo &event : events) {
        if (xml.failed())
            return;
        xml.beginElement(QStringLiteral("EventName"), QStringLiteral("EventName"),
                         QString::number(event.type()));
        xml.textElement(QStringLiteral("EventType"), event.type());
        xml.textElement(QStringLiteral("UserType"), event.userType());
        for (int i = 0; i < EventInfo::ParamCount; ++i)
            xml.textElement(paramKeys[i], event.param(i));
        xml.endElement();
    }
    // Hand-written code is kept even by a holder without events.
    bool slotsUsed = !events.isEmpty();
    for (int key = 0; key < SlotCount && !slotsUsed; ++key)
        slotsUsed = holder.status(key) != 0 || !holder.text(key).isEmpty();
    if (!slotsUsed)
        return;
    xml.beginElement(QStringLiteral("EventContent"), QStringLiteral("EventContent"),
                     QStringLiteral("EventContent"));
    for (int key = 0; key < SlotCount; ++key) {
        xml.textElement(QStringLiteral("EventStatus%1").arg(key), holder.status(key));
        xml.textElement(QStringLiteral("EventText%1").arg(key), holder.text(key));
    }
    xml.endElement();
}

struct WidgetFileKey
{
    QString key;
    QByteArray name;
    bool isText;
};

// The widget keys with their names in UTF-8; which are texts is the same for every widget.
const QVector<WidgetFileKey> &widgetFileKeys(const QMyWidget *sample)
{
    static const QVector<WidgetFileKey> keys = [sample] {
        QVector<WidgetFileKey> k;
        for (const QString &key : QMyWidget::fileKeys()) {
            bool isInt = false;
            sample->intValue(key, &isInt);
            k.append({key, key.toUtf8(), !isInt});
        }
        return k;
    }();
    return keys;
}

void writeWidget(ProjectXmlWriter &xml, const QMyWidget *widget)
{
    xml.beginElement(QStringLiteral("ClassName"), QStringLiteral("ClassName"),
                     QString::number(widgetTypeCode(widget->getType())));
    for (const WidgetFileKey &key : widgetFileKeys(widget)) {
        if (key.isText)
            xml.textElement(key.name, widget->fileValue(key.key));
        else
            xml.textElement(key.name, widget->intValue(key.key));
    }
    writeEventBlock(xml, widget->eventHolder());
    xml.endElement();
}

} // namespace

void ProjectFile::writeDesign(ProjectXmlWriter &xml, const DesignDocument &design)
{
    xml.beginElement(QStringLiteral("ui"));

    xml.beginElement(QStringLiteral("frame"), QStringLiteral("frame"), QStringLiteral("frame"));
    xml.textElement(QStringLiteral("frameW"), design.frameSize().width());
    xml.textElement(QStringLiteral("frameH"), design.frameSize().height());
    xml.textElement(QStringLiteral("screenType"), design.screenType());
    xml.textElement(QStringLiteral("modelType"), design.modelType());
    xml.textElement(QStringLiteral("dpi"), design.resolution());
    xml.textElement(QStringLiteral("baud"), design.baud());
    xml.textElement(QStringLiteral("blValue"), design.backlight());
    xml.textElement(QStringLiteral("currentPageNum"), design.currentPage());
    for (const auto &element : bootElements(design.boot()))
        xml.textElement(element.first, element.second);
    xml.endElement();

    for (int i = 0; i < TimerCount; ++i) {
        const TimerParam *timer = design.timer(i);
        // A timer is the one at its place, whatever number its record holds.
        xml.beginElement(QStringLiteral("timer"), QStringLiteral("timer"), QString::number(i));
        for (const TimerKey &key : timerKeys)
            xml.textElement(QLatin1String(key.name),
                            key.get == &TimerParam::timerID ? i : (timer->*key.get)());
        writeEventBlock(xml, timer->eventHolder());
        xml.endElement();
    }

    for (int i = 0; i < design.pageCount(); ++i) {
        const PageParam *page = design.page(i);
        xml.beginElement(QStringLiteral("page"), QStringLiteral("pageid"), QString::number(i + 1));
        for (const PageKey &key : pageLookKeys)
            xml.attributeElement(QLatin1String(key.name), (page->*key.get)());
        for (const PageKey &key : pageAnimKeys)
            xml.textElement(QLatin1String(key.name), (page->*key.get)());
        xml.textElement(QStringLiteral("pageName"), page->pageName());
        writeEventBlock(xml, page->eventHolder());
        for (const QMyWidget *widget : design.widgets(i)) {
            // What cannot be written whole is not written on.
            if (xml.failed())
                return;
            writeWidget(xml, widget);
        }
        xml.endElement();
    }

    xml.endElement();
}

QByteArray ProjectFile::serialize(const DesignDocument &design)
{
    ProjectXmlWriter xml;
    int widgetCount = 0;
    for (int i = 0; i < design.pageCount(); ++i)
        widgetCount += design.widgets(i).size();
    // About 20 KB per widget; one allocation instead of many regrowths.
    xml.reserve(int(qMin<qint64>((64 << 10) + qint64(widgetCount) * 21000, 1 << 30)));
    writeDesign(xml, design);
    return xml.data();
}

bool ProjectFile::save(const QString &path, const DesignDocument &design, QString *error,
                       qint64 maxBytes)
{
    if (!isWritable(path, error))
        return false;
    CheckedSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.failure();
        return false;
    }
    // Written in pieces into the new file, which replaces the old one only when complete.
    ProjectXmlWriter xml(&file);
    xml.setLimit(maxBytes);
    writeDesign(xml, design);
    if (!xml.finish())
        file.cancelWriting();
    if (!file.commitWhole()) {
        if (error)
            *error = xml.overLimit() ? tooLargeMessage(path, maxBytes) : file.failure();
        return false;
    }
    return true;
}

bool ProjectFile::isWritable(const QString &path, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = tr("没有项目文件");
        return false;
    }
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        if (error)
            *error = tr("%1：文件夹不存在").arg(path);
        return false;
    }
    if (info.isDir()) {
        if (error)
            *error = tr("%1：这是一个文件夹").arg(path);
        return false;
    }
    // A file without write permission is protected, also from a user who could
    // override the permission.
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & writeBits))) {
        if (error)
            *error = tr("%1：文件写保护").arg(path);
        return false;
    }
    return true;
}

bool ProjectFile::isPathError(const QString &path, bool inPlace)
{
    if (path.isEmpty())
        return true;
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir() || info.isDir())
        return true;
    if (inPlace && !info.isFile())
        return true;
    return ProjectFolder::isNameTooLong(info.fileName());
}

bool ProjectFile::writeFile(const QString &path, const QByteArray &content, QString *error)
{
    if (!isWritable(path, error))
        return false;
    return CheckedSaveFile::writeWhole(path, content, error);
}

bool ProjectFile::read(const QString &path)
{
    m_valid = false;
    m_content.clear();
    if (!isReadable(path, &m_error))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = CheckedSaveFile::failureLine(path, file.errorString());
        return false;
    }
    return readFrom(&file, path, MaxFileSize);
}

bool ProjectFile::readProject(const QString &path)
{
    if (!read(path))
        return false;
    if (!hasUsableFrame()) {
        m_valid = false;
        m_content.clear();
        m_error = tr("%1：这不是项目文件，没有宽和高都大于0的frame").arg(path);
        return false;
    }
    return true;
}

bool ProjectFile::setContent(const QByteArray &content)
{
    m_content.clear();
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    return readFrom(&buffer, QString(), std::numeric_limits<qint64>::max());
}

bool ProjectFile::readFrom(QIODevice *device, const QString &path, qint64 maxBytes)
{
    ProjectDocument document;
    m_valid = document.read(device, m_content, maxBytes);
    if (m_valid) {
        m_error.clear();
        return true;
    }
    m_content.clear();
    if (document.tooLarge())
        m_error = tooLargeMessage(path);
    else if (path.isEmpty())
        m_error = document.errorString();
    else
        m_error = CheckedSaveFile::failureLine(path, document.errorString());
    return false;
}

bool ProjectFile::modelType(int *series) const
{
    return m_valid && m_content.modelType(series);
}

bool ProjectFile::hasUsableFrame() const
{
    return m_valid && m_content.hasUsableFrame();
}

void ProjectFile::load(DesignDocument &design, QWidget *widgetParent)
{
    if (m_valid)
        m_content.apply(design, widgetParent);
}

bool ProjectFile::rewriteFrameElements(const QString &path, const Elements &values, QString *error,
                                       qint64 maxBytes)
{
    QByteArray content;
    if (!readWholeFile(path, &content, error))
        return false;
    if (!isWritable(path, error))
        return false;
    {
        QBuffer buffer;
        buffer.setData(content);
        buffer.open(QIODevice::ReadOnly);
        ProjectDocument check;
        ProjectDocument::Handler nothing;
        if (!check.read(&buffer, nothing, MaxFileSize)) {
            if (error)
                *error = CheckedSaveFile::failureLine(path, check.errorString());
            return false;
        }
    }
    // The file is changed where its values stand and kept byte for byte everywhere else,
    // which takes a file in UTF-8 that says so; the read above refused document types,
    // whose entities could add elements the tags do not show.
    const bool utf8 =
        MarkupBoundDevice::unicodeUnit(QString::fromLatin1(declaredEncoding(content))) == 1;
    const bool wide = MarkupBoundDevice::wideEncoding(content).unit != 0;
    bool malformed = false;
    ProjectMarkupScanner scanner(content);
    for (auto t = scanner.next(); t.kind != ProjectMarkupScanner::End && !malformed;
         t = scanner.next())
        malformed = t.kind == ProjectMarkupScanner::Malformed;
    if (wide || malformed || !utf8) {
        if (error)
            *error = tr("%1：无法在保留文件其余内容的情况下改写这个文件").arg(path);
        return false;
    }

    QHash<QByteArray, QByteArray> byName;
    for (const auto &value : values)
        byName.insert(value.first.toUtf8(),
                      ProjectXmlWriter::escaped(value.second, false).toUtf8());

    const QVector<Splice> splices = frameTextSplices(content, byName);
    QByteArray out;
    out.reserve(content.size() + 64);
    int at = 0;
    for (const Splice &s : splices) {
        out.append(content.constData() + at, s.begin - at);
        out += s.bytes;
        at = s.end;
    }
    out.append(content.constData() + at, content.size() - at);
    if (out == content)
        return true;
    // A longer value could take the file past what may be read.
    if (out.size() > maxBytes) {
        if (error)
            *error = tooLargeMessage(path, maxBytes);
        return false;
    }
    return writeFile(path, out, error);
}

ProjectFile::Elements ProjectFile::bootElements(const BootParam &boot)
{
    Elements elements;
    for (const BootKey &key : bootKeys)
        elements.append(qMakePair(QString::fromLatin1(key.name), QString::number(key.get(boot))));
    return elements;
}
