#include "allcfg.h"

#include "bootparam.h"
#include "checkedsavefile.h"
#include "designdocument.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "qmywidget.h"
#include "timerparam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <tuple>

// Off unless asked for (QT_LOGGING_RULES="ybex.allcfg.debug=true"): one line per section.
Q_LOGGING_CATEGORY(lcAllCfg, "ybex.allcfg", QtInfoMsg)

namespace {

const char InitBin[] = "init.bin";
const char XvarBin[] = "xvar.bin";
const char KeyboardPy[] = "keyboard.py";
const char AllCfgName[] = "all.cfg";

// The module's own files are a few kilobytes; anything near this is no template.
constexpr qint64 TemplateLimit = 16 << 20;

// Event-script sections by widget type, in the order they follow each other in a page.
struct WidgetSection
{
    WidgetType type;
    int sectionId;
};
const WidgetSection widgetSections[] = {{WidgetType::Btn, 14},
                                        {WidgetType::Prog, 15},
                                        {WidgetType::Meter, 19},
                                        {WidgetType::Slider, 21},
                                        {WidgetType::Arc, 30}};

bool isLink(const QFileInfo &entry)
{
    return entry.isSymLink() || entry.isJunction();
}

bool exists(const QFileInfo &entry)
{
    return entry.exists() || isLink(entry);
}

// Removes a file, a link or a whole folder; a link is removed itself, never followed, so
// nothing outside the folder being cleaned is touched. errorNumber gets the system's
// reason of a failure.
bool removeEntry(const QFileInfo &entry, int *errorNumber = nullptr)
{
    const QString path = entry.absoluteFilePath();
    const auto noted = [errorNumber](bool done) {
        if (!done && errorNumber && *errorNumber == 0)
            *errorNumber = errno;
        return done;
    };
    errno = 0;
    if (isLink(entry)) {
        // A link to a folder on some systems goes as a folder entry; rmdir never follows.
        return noted(QFile::remove(path) || QDir().rmdir(path));
    }
    if (!entry.isDir())
        return noted(QFile::remove(path));
    bool removed = true;
    const QFileInfoList children = QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                            | QDir::Hidden | QDir::System);
    for (const QFileInfo &child : children)
        removed = removeEntry(child, errorNumber) && removed;
    errno = 0;
    return noted(QDir().rmdir(path)) && removed;
}

// The container, put together in memory; it reaches the disk as one file.
class Container
{
public:
    void add(int id, int page, int widgetId, int eventType, const QByteArray &bytes)
    {
        qCDebug(lcAllCfg) << "section" << id << page << widgetId << eventType << bytes.size();
        m_bytes += AllCfg::sectionHeader(id, page, widgetId, eventType, quint32(bytes.size()));
        m_bytes += bytes;
    }
    void reserve(qint64 bytes) { m_bytes.reserve(int(qMin<qint64>(bytes, 1 << 30))); }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct Script
{
    int order; // position of the widget's section group; -1 for a page script
    int sectionId;
    int widgetId;
    int eventType;
    QByteArray bytes;
};

} // namespace

AllCfg::AllCfg(QObject *parent)
    : QObject(parent)
{ }

QString AllCfg::templateFolder() const
{
    if (!m_templateFolder.isEmpty())
        return m_templateFolder;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/file");
}

QString AllCfg::outputFolder(const QString &projectPath)
{
    return QFileInfo(projectPath).absolutePath() + QStringLiteral("/allFile");
}

QByteArray AllCfg::sectionHeader(int id, int page, int widgetId, int eventType, quint32 length)
{
    QByteArray b = shortBlock(id, page, widgetId, eventType);
    for (int shift = 0; shift < 32; shift += 8)
        b.append(char((length >> shift) & 0xFF));
    b.append(4, '\0');
    return b;
}

int AllCfg::widgetSectionId(WidgetType type)
{
    for (const WidgetSection &s : widgetSections) {
        if (s.type == type)
            return s.sectionId;
    }
    return 0;
}

int AllCfg::fail(int code, int page, const QMyWidget *w, const QString &detail)
{
    m_failure = Failure();
    m_failure.code = code;
    m_failure.page = page;
    if (w) {
        m_failure.widgetId = w->getId();
        m_failure.widget = w->getTypeName() + QLatin1Char('-') + QString::number(w->getId());
    }
    m_failure.detail = detail;
    return code;
}

QString AllCfg::failureDetail() const
{
    const Failure &f = m_failure;
    if (!f.detail.isEmpty())
        return f.detail;
    const QString page = QStringLiteral("Page-") + QString::number(f.page);
    switch (f.code) {
    case RecordOffsetTooLarge:
        return tr("%1 %2：记录位置超过65535").arg(page, f.widget);
    case TextTooLong:
        return tr("%1 %2：文本长度超过65535").arg(page, f.widget);
    case SeriesTooLong:
        return tr("%1 %2：曲线数据超过65535字节").arg(page, f.widget);
    case DuplicateWidgetId:
        return tr("%1 %2：多个控件的ID都是%3").arg(page, f.widget, QString::number(f.widgetId));
    case MissingFont:
        return tr("%1 %2：字体%3不存在，请先生成该字体或选择已有的字体")
            .arg(page, f.widget, QString::number(f.font));
    case WidgetIdOutOfRange:
        return tr("%1 %2：控件ID不在0-65535之内").arg(page, f.widget);
    case UnsafeEventParameter: {
        QString place = f.timer == SleepTimer ? tr("休眠定时器")
            : f.timer >= 0                    ? tr("定时器%1").arg(f.timer)
                                              : page;
        if (!f.widget.isEmpty())
            place += QLatin1Char(' ') + f.widget;
        if (f.problem == int(EventInfo::CodeProblem::ResultNotAName))
            return tr("%1：%2的结果变量“%3”不是变量名").arg(place, f.event, f.param);
        return tr("%1：%2的参数“%3”含有换行、;、#或不成对的括号、引号")
            .arg(place, f.event, f.param);
    }
    }
    return QString();
}

bool AllCfg::fontMissing(const QMyWidget &w, const QStringList &fontIds)
{
    if (w.getType() != WidgetType::Btn && w.getType() != WidgetType::Lab)
        return false;
    for (const QString &id : fontIds) {
        if (id.toInt() == w.getFontID())
            return false;
    }
    return true;
}

int AllCfg::failUnsafeEvent(const EventHolder &holder, int index, int page, const QMyWidget *w,
                            int timer)
{
    fail(UnsafeEventParameter, page, w);
    const EventInfo event = holder.events().at(index);
    int param = -1;
    const EventInfo::CodeProblem problem = event.codeProblem(&param);
    const QString type =
        event.typeName().isEmpty() ? QString::number(event.type()) : event.typeName();
    m_failure.timer = timer;
    m_failure.problem = int(problem);
    m_failure.event = tr("%1事件“%2”").arg(type, event.funcCaption());
    // A result variable is named by what it holds; an argument by its place in the call.
    m_failure.param = problem == EventInfo::CodeProblem::ResultNotAName ? event.param(param)
                                                                        : event.paramCaption(param);
    return UnsafeEventParameter;
}

int AllCfg::checkEventCode(const DesignDocument &design)
{
    for (int t = 0; t < TimerCount; ++t) {
        const EventHolder &holder = design.timer(t)->eventHolder();
        const int event = unsafeEvent(holder);
        if (event >= 0)
            return failUnsafeEvent(holder, event, -1, nullptr, t);
    }
    for (int k = 0; k < design.pageCount(); ++k) {
        const EventHolder &page = design.page(k)->eventHolder();
        int event = unsafeEvent(page);
        if (event >= 0)
            return failUnsafeEvent(page, event, k, nullptr, -1);
        for (const QMyWidget *w : design.widgets(k)) {
            // Only the types with event scripts reach the module.
            if (widgetSectionId(w->getType()) == 0)
                continue;
            event = unsafeEvent(w->eventHolder());
            if (event >= 0)
                return failUnsafeEvent(w->eventHolder(), event, k, w, -1);
        }
    }
    return Success;
}

int AllCfg::createAllCfg(const DesignDocument &design)
{
    m_failure = Failure();
    // What a paint would have written back, for pages that were not shown since a change.
    for (int k = 0; k < design.pageCount(); ++k) {
        for (QMyWidget *w : design.widgets(k))
            w->refreshComputedValues();
    }
    return run(design);
}

// A real folder of the project's own, without the container of an earlier run: a run that
// fails then leaves none behind to be sent.
int AllCfg::prepareOutputFolder(const QString &out)
{
    const QFileInfo folder(out);
    if (isLink(folder)) {
        // Not the project's folder but a way to another: the link goes, its target stays.
        int errorNumber = 0;
        if (!removeEntry(folder, &errorNumber))
            return fail(
                CreateAllCfgFailed, -1, nullptr,
                tr("%1是一个链接，无法删除：%2")
                    .arg(QDir::toNativeSeparators(out),
                         CheckedSaveFile::cause(errorNumber, folder.absolutePath(), 0, QString())));
    } else if (folder.exists() && !folder.isDir()) {
        return fail(CreateAllCfgFailed, -1, nullptr,
                    tr("%1是一个文件，不是文件夹").arg(QDir::toNativeSeparators(out)));
    }
    errno = 0;
    if (!QDir().mkpath(out)) {
        const int errorNumber = errno;
        return fail(
            CreateAllCfgFailed, -1, nullptr,
            tr("无法创建文件夹%1：%2")
                .arg(QDir::toNativeSeparators(out),
                     CheckedSaveFile::cause(errorNumber, folder.absolutePath(), 0, QString())));
    }
    const QFileInfo old(out + QLatin1Char('/') + QLatin1String(AllCfgName));
    int errorNumber = 0;
    if (exists(old) && !removeEntry(old, &errorNumber))
        return fail(CreateAllCfgFailed, -1, nullptr,
                    tr("%1无法删除：%2")
                        .arg(QDir::toNativeSeparators(old.filePath()),
                             CheckedSaveFile::cause(errorNumber, out, 0, QString())));
    return Success;
}

// A template file read whole: a regular file (never a pipe or a device, which could
// block the run or read as nothing), neither empty nor far larger than any template.
int AllCfg::readTemplate(const QString &folder, const char *name, int code, QByteArray *bytes)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!exists(info))
        return fail(code, -1, nullptr, tr("模板文件%1不存在").arg(shown));
    if (!info.isFile())
        return fail(code, -1, nullptr, tr("模板文件%1不是普通文件").arg(shown));
    if (info.size() == 0)
        return fail(code, -1, nullptr, tr("模板文件%1是空的").arg(shown));
    if (info.size() > TemplateLimit)
        return fail(code, -1, nullptr,
                    tr("模板文件%1大于%2 MB").arg(shown, QString::number(TemplateLimit >> 20)));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) {
        const int errorNumber = errno;
        return fail(
            code, -1, nullptr,
            tr("模板文件%1无法读取：%2")
                .arg(shown, errorNumber != 0 ? qt_error_string(errorNumber) : file.errorString()));
    }
    *bytes = file.read(TemplateLimit + 1);
    if (file.error() != QFileDevice::NoError || bytes->size() != info.size()
        || bytes->size() > TemplateLimit)
        return fail(code, -1, nullptr, tr("模板文件%1无法读取：%2").arg(shown, file.errorString()));
    return Success;
}

int AllCfg::run(const DesignDocument &design)
{
    const int pages = design.pageCount();
    // The page size the design asks for, which the module's screen has.
    const QSize pageSize = design.frameSize();
    TimerParam *timers[TimerCount];
    for (int t = 0; t < TimerCount; ++t)
        timers[t] = design.timer(t);
    const QString out = outputFolder(design.projectPath());
    const QString templates = templateFolder();
    qCDebug(lcAllCfg) << "output" << out << "templates" << templates;
    int code = prepareOutputFolder(out);
    if (code != Success)
        return code;

    // Every page is checked before anything is written.
    QList<QByteArray> pageFiles;
    qint64 total = 0;
    for (int k = 0; k < pages; ++k) {
        QByteArray bytes;
        const QMyWidget *culprit = nullptr;
        code = pageFile(*design.page(k), design.widgets(k), pageSize.width(), pageSize.height(),
                        &bytes, &culprit);
        if (code == DuplicateWidgetId) {
            // Every widget that has the id is named.
            fail(code, k, culprit);
            QStringList named;
            for (const QMyWidget *w : design.widgets(k)) {
                if (w->getId() == culprit->getId())
                    named.append(w->getTypeName() + QLatin1Char('-') + QString::number(w->getId()));
            }
            m_failure.widget = named.join(tr("、"));
            return code;
        }
        if (code != Success)
            return fail(code, k, culprit);
        for (const QMyWidget *w : design.widgets(k)) {
            if (fontMissing(*w, design.fontIds())) {
                fail(MissingFont, k, w);
                m_failure.font = w->getFontID();
                return MissingFont;
            }
        }
        total += bytes.size();
        pageFiles.append(bytes);
    }
    const int unsafe = checkEventCode(design);
    if (unsafe != Success)
        return unsafe;

    if (!QFileInfo(templates).isDir())
        return fail(CopyInitFailed, -1, nullptr,
                    tr("模板文件夹%1不存在").arg(QDir::toNativeSeparators(templates)));
    QByteArray init, xvar, keyboard;
    if ((code = readTemplate(templates, InitBin, CopyInitFailed, &init)) != Success
        || (code = readTemplate(templates, XvarBin, CopyXvarFailed, &xvar)) != Success
        || (code = readTemplate(templates, KeyboardPy, CopyKeyboardFailed, &keyboard)) != Success)
        return code;

    // Sections in the order the module reads them: templates, page files, boot, sleep and
    // timer scripts, the keyboard, then each page's event scripts.
    Container container;
    container.reserve(total + init.size() + xvar.size() + keyboard.size() + (64 << 10));
    container.add(1, 0, 0, 0, init);
    container.add(2, 0, 0, 0, xvar);
    QList<int> sizes;
    for (int k = 0; k < pages; ++k) {
        sizes.append(pageFiles.at(k).size());
        container.add(3, k, 0, 0, pageFiles.at(k));
    }
    pageFiles.clear();
    const EventHolder &sleep = timers[SleepTimer]->eventHolder();
    container.add(4, 0, 0, 0, bootScript(design.boot(), design.screenType(), timers));
    container.add(5, 0, 0, 0, sleepScript(sleep, 1));
    container.add(6, 0, 0, 0, sleepScript(sleep, 0));
    for (int t = 0; t < SleepTimer; ++t)
        container.add(7, t, 0, 0, timerScript(timers[t]->eventHolder()));
    container.add(8, 0, 0, 0, keyboard);

    for (int k = 0; k < pages; ++k) {
        QList<Script> scripts;
        const auto collect = [&scripts](const EventHolder &holder, int order, int sectionId,
                                        int widgetId) {
            const int types = eventTypeCount(holder);
            for (int n = 0; n < types; ++n) {
                QByteArray script;
                if (appendEventCode(script, holder, n))
                    scripts.append({order, sectionId, widgetId, n, script});
            }
        };
        collect(design.page(k)->eventHolder(), -1, 9, 0);
        for (const QMyWidget *w : design.widgets(k)) {
            // Only these types hold events; others add no section.
            for (int g = 0; g < int(std::size(widgetSections)); ++g) {
                if (widgetSections[g].type == w->getType())
                    collect(w->eventHolder(), g, widgetSections[g].sectionId, w->getId());
            }
        }
        // Page scripts first, then by section group, widget id and event type.
        std::stable_sort(scripts.begin(), scripts.end(), [](const Script &a, const Script &b) {
            return std::tie(a.order, a.widgetId, a.eventType)
                < std::tie(b.order, b.widgetId, b.eventType);
        });
        for (const Script &s : qAsConst(scripts))
            container.add(s.sectionId, k, s.widgetId, s.eventType, s.bytes);
    }

    // The one file of the run. Any entry of that name went above, so the save cannot
    // write through a link into a file elsewhere.
    CheckedSaveFile file(out + QLatin1Char('/') + QLatin1String(AllCfgName));
    if (!file.open(QIODevice::WriteOnly))
        return fail(CreateAllCfgFailed, -1, nullptr, file.failure());
    file.write(container.bytes());
    if (!file.commitWhole())
        return fail(WriteAllCfgFailed, -1, nullptr, file.failure());
    m_pageFileSizes = sizes;

    // Only the container stays: files of older versions or of the user's go; links go
    // themselves, their targets stay untouched.
    const QFileInfoList entries = QDir(out).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                          | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() != QLatin1String(AllCfgName))
            removeEntry(entry);
    }
    return Success;
}
