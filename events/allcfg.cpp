#include "allcfg.h"

#include "bootparam.h"
#include "checkedsavefile.h"
#include "designglobals.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "projectfolder.h"
#include "qmyframe.h"
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
    int typeCode;
    int sectionId;
};
const WidgetSection widgetSections[] = {{0, 14}, {3, 15}, {8, 19}, {6, 21}, {7, 30}};

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

QString AllCfg::outputFolder()
{
    return QFileInfo(currentProjectPath).absolutePath() + QStringLiteral("/allFile");
}

QByteArray AllCfg::sectionHeader(int id, int page, int widgetId, int eventType, quint32 length)
{
    QByteArray b = shortBlock(id, page, widgetId, eventType);
    for (int shift = 0; shift < 32; shift += 8)
        b.append(char((length >> shift) & 0xFF));
    b.append(4, '\0');
    return b;
}

int AllCfg::widgetSectionId(int typeCode)
{
    for (const WidgetSection &s : widgetSections) {
        if (s.typeCode == typeCode)
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

int AllCfg::checkEventCode(TimerParam *timers[TimerCount])
{
    for (int t = 0; t < TimerCount; ++t) {
        const EventHolder &holder = timers[t]->eventHolder();
        const int event = unsafeEvent(holder);
        if (event >= 0)
            return failUnsafeEvent(holder, event, -1, nullptr, t);
    }
    for (int k = 0; k < pageWidgets.size(); ++k) {
        const EventHolder &page = pageRecords.at(k)->eventHolder();
        int event = unsafeEvent(page);
        if (event >= 0)
            return failUnsafeEvent(page, event, k, nullptr, -1);
        for (const QMyWidget *w : qAsConst(*pageWidgets.at(k))) {
            // Only the types with event scripts reach the module.
            if (widgetSectionId(w->getTypeCode()) == 0)
                continue;
            event = unsafeEvent(w->eventHolder());
            if (event >= 0)
                return failUnsafeEvent(w->eventHolder(), event, k, w, -1);
        }
    }
    return Success;
}

int AllCfg::createAllCfg(QMyFrame *canvas, BootParam *boot, int direction,
                         TimerParam *timers[TimerCount])
{
    m_failure = Failure();
    // What a paint would have written back, for pages that were not shown since a change.
    if (canvas)
        canvas->refreshPageSize();
    for (const QList<QMyWidget *> *widgets : qAsConst(pageWidgets)) {
        for (QMyWidget *w : *widgets)
            w->refreshComputedValues();
    }
    return run(boot, direction, timers);
}

// A real folder of the project's own, without the container of an earlier run: a run that
// fails then leaves none behind to be sent.
int AllCfg::prepareOutputFolder(const QString &out)
{
    QString error;
    if (!ProjectFolder::makeRealFolder(out, &error))
        return fail(CreateAllCfgFailed, -1, nullptr, error);
    const QString old = out + QLatin1Char('/') + QLatin1String(AllCfgName);
    int errorNumber = 0;
    if ((QFileInfo::exists(old) || ProjectFolder::isLink(old))
        && !ProjectFolder::removeEntry(old, &errorNumber))
        return fail(CreateAllCfgFailed, -1, nullptr,
                    tr("%1无法删除：%2")
                        .arg(QDir::toNativeSeparators(old),
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
    if (!info.exists())
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

int AllCfg::run(BootParam *boot, int direction, TimerParam *timers[TimerCount])
{
    const int pages = pageWidgets.size();
    const QString out = outputFolder();
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
        code = pageFile(*pageRecords.at(k), *pageWidgets.at(k), pageWidth, pageHeight, &bytes,
                        &culprit);
        if (code == DuplicateWidgetId) {
            // Every widget that has the id is named.
            fail(code, k, culprit);
            QStringList named;
            for (const QMyWidget *w : qAsConst(*pageWidgets.at(k))) {
                if (w->getId() == culprit->getId())
                    named.append(w->getTypeName() + QLatin1Char('-') + QString::number(w->getId()));
            }
            m_failure.widget = named.join(tr("、"));
            return code;
        }
        if (code != Success)
            return fail(code, k, culprit);
        total += bytes.size();
        pageFiles.append(bytes);
    }
    const int unsafe = checkEventCode(timers);
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
    container.add(4, 0, 0, 0, bootScript(*boot, direction, timers));
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
        collect(pageRecords.at(k)->eventHolder(), -1, 9, 0);
        for (const QMyWidget *w : qAsConst(*pageWidgets.at(k))) {
            // Only these types hold events; others add no section.
            for (int g = 0; g < int(std::size(widgetSections)); ++g) {
                if (widgetSections[g].typeCode == w->getTypeCode())
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
    guicfgSizes = sizes;

    // Only the container stays: files of older versions or of the user's go; links go
    // themselves, their targets stay untouched.
    const QFileInfoList entries = QDir(out).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                          | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() != QLatin1String(AllCfgName))
            ProjectFolder::removeEntry(entry.absoluteFilePath());
    }
    return Success;
}
