#include "allcfg.h"

#include "bootparam.h"
#include "designglobals.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "qmyframe.h"
#include "qmywidget.h"
#include "timerparam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>
#include <iterator>
#include <tuple>

// Off unless asked for (QT_LOGGING_RULES="ybex.allcfg.debug=true"): one line per section.
Q_LOGGING_CATEGORY(lcAllCfg, "ybex.allcfg", QtInfoMsg)

namespace {

const char InitBin[] = "init.bin";
const char XvarBin[] = "xvar.bin";
const char KeyboardPy[] = "keyboard.py";
const char AllCfgName[] = "all.cfg";

// Event-script sections by widget type, in the order they follow each other in a page.
struct WidgetSection
{
    int typeCode;
    int sectionId;
};
const WidgetSection widgetSections[] = {{0, 14}, {3, 15}, {8, 19}, {6, 21}, {7, 30}};

enum class WriteResult { Ok, OpenFailed, WriteFailed };

WriteResult writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteResult::OpenFailed;
    // A short write can pass the buffered write and the close unnoticed: flush and
    // compare the size the file really has.
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && file.size() == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError ? WriteResult::Ok
                                                           : WriteResult::WriteFailed;
}

bool readWhole(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError && bytes->size() == file.size();
}

// Removes a file, a link or a whole folder; a link is removed itself, never followed.
bool removeEntry(const QFileInfo &entry)
{
    if (entry.isSymLink() || !entry.isDir())
        return QFile::remove(entry.absoluteFilePath());
    bool removed = true;
    const QFileInfoList children =
        QDir(entry.absoluteFilePath())
            .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &child : children)
        removed = removeEntry(child) && removed;
    return QDir().rmdir(entry.absoluteFilePath()) && removed;
}

bool exists(const QFileInfo &entry)
{
    return entry.exists() || entry.isSymLink();
}

// The container under construction; it replaces all.cfg only once it is complete.
class Container
{
public:
    explicit Container(const QString &path)
        : m_file(path)
    { }

    bool open() { return m_file.open(QIODevice::WriteOnly); }
    bool add(int id, int page, int widgetId, int eventType, const QByteArray &bytes)
    {
        qCDebug(lcAllCfg) << "section" << id << page << widgetId << eventType << bytes.size();
        const QByteArray header =
            AllCfg::sectionHeader(id, page, widgetId, eventType, quint32(bytes.size()));
        m_size += header.size() + bytes.size();
        return m_file.write(header) == header.size() && m_file.write(bytes) == bytes.size();
    }
    // QSaveFile commits a file whose last buffered bytes did not reach the disk, so the
    // flush and the size are checked first; an uncommitted file is discarded.
    bool commit()
    {
        if (!m_file.flush() || m_file.size() != m_size) {
            m_file.cancelWriting();
            return false;
        }
        return m_file.commit();
    }

private:
    QSaveFile m_file;
    qint64 m_size = 0;
};

struct ScriptFile
{
    int order; // position of the widget's section group; -1 for a page script
    int sectionId;
    int widgetId;
    int eventType;
    QString path;
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

int AllCfg::fail(int code, int page, const QMyWidget *w, const QString &file)
{
    m_failure = Failure();
    m_failure.code = code;
    m_failure.page = page;
    if (w) {
        m_failure.widgetId = w->getId();
        m_failure.widget = QStringLiteral("%1-%2").arg(w->getTypeName()).arg(w->getId());
    }
    m_failure.file = file;
    return code;
}

QString AllCfg::failureDetail() const
{
    const Failure &f = m_failure;
    const QString page = QStringLiteral("Page-%1").arg(f.page);
    switch (f.code) {
    case ReadTimerScriptFailed:
        return tr("定时器%1的脚本无法读取").arg(f.timer);
    case WriteAllCfgFailed:
        return tr("all.cfg无法写入");
    case WritePageFileFailed:
        return tr("%1的页面文件无法写入").arg(page);
    case WriteScriptFailed:
        return tr("%1：脚本%2无法写入").arg(page, f.file);
    case RecordOffsetTooLarge:
        return tr("%1 %2：记录位置超过65535").arg(page, f.widget);
    case TextTooLong:
        return tr("%1 %2：文本长度超过65535").arg(page, f.widget);
    case SeriesTooLong:
        return tr("%1 %2：曲线数据超过65535字节").arg(page, f.widget);
    case DuplicateWidgetId:
        return tr("%1 %2：多个控件的ID都是%3").arg(page, f.widget).arg(f.widgetId);
    case MissingFont:
        return tr("%1 %2：字体%3不存在，请先生成该字体或选择已有的字体")
            .arg(page, f.widget)
            .arg(f.font);
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
    if (w.getTypeCode() != 0 && w.getTypeCode() != 1)
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

bool AllCfg::createBootScripts(BootParam *boot, int direction, TimerParam *timers[TimerCount])
{
    const QString out = outputFolder();
    if (writeWhole(out + QStringLiteral("/boot.py"), bootScript(*boot, direction, timers))
        != WriteResult::Ok)
        return false;
    for (int t = 0; t < SleepTimer; ++t) {
        if (writeWhole(QStringLiteral("%1/timer%2.py").arg(out).arg(t),
                       timerScript(timers[t]->eventHolder()))
            != WriteResult::Ok)
            return false;
    }
    const EventHolder &sleep = timers[SleepTimer]->eventHolder();
    return writeWhole(out + QStringLiteral("/sleepin.py"), sleepScript(sleep, 1)) == WriteResult::Ok
        && writeWhole(out + QStringLiteral("/sleepout.py"), sleepScript(sleep, 0))
        == WriteResult::Ok;
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

int AllCfg::run(BootParam *boot, int direction, TimerParam *timers[TimerCount])
{
    const int pages = pageWidgets.size();
    const QString out = outputFolder();
    const QString templates = templateFolder();
    qCDebug(lcAllCfg) << "output" << out << "templates" << templates;
    QDir().mkpath(out);
    const QString allCfgPath = out + QLatin1Char('/') + QLatin1String(AllCfgName);
    // A failed run must not leave the container of an earlier one to be sent.
    if (exists(QFileInfo(allCfgPath)))
        removeEntry(QFileInfo(allCfgPath));

    // Every page is checked before anything is written.
    QList<QByteArray> pageFiles;
    for (int k = 0; k < pages; ++k) {
        QByteArray bytes;
        const QMyWidget *culprit = nullptr;
        const int code = pageFile(*pageRecords.at(k), *pageWidgets.at(k), pageWidth, pageHeight,
                                  &bytes, &culprit);
        if (code == DuplicateWidgetId) {
            // Every widget that has the id is named.
            fail(code, k, culprit);
            QStringList named;
            for (const QMyWidget *w : qAsConst(*pageWidgets.at(k))) {
                if (w->getId() == culprit->getId())
                    named.append(QStringLiteral("%1-%2").arg(w->getTypeName()).arg(w->getId()));
            }
            m_failure.widget = named.join(tr("、"));
            return code;
        }
        if (code != Success)
            return fail(code, k, culprit);
        for (const QMyWidget *w : qAsConst(*pageWidgets.at(k))) {
            if (fontMissing(*w, fontIdList)) {
                fail(MissingFont, k, w);
                m_failure.font = w->getFontID();
                return MissingFont;
            }
        }
        pageFiles.append(bytes);
    }
    const int unsafe = checkEventCode(timers);
    if (unsafe != Success)
        return unsafe;

    const struct
    {
        const char *name;
        int copyFailed;
    } templateFiles[] = {
        {InitBin, CopyInitFailed}, {XvarBin, CopyXvarFailed}, {KeyboardPy, CopyKeyboardFailed}};
    for (const auto &t : templateFiles) {
        const QFileInfo target(out + QLatin1Char('/') + QLatin1String(t.name));
        if (exists(target))
            removeEntry(target);
    }
    for (const auto &t : templateFiles) {
        if (!QFile::copy(templates + QLatin1Char('/') + QLatin1String(t.name),
                         out + QLatin1Char('/') + QLatin1String(t.name)))
            return fail(t.copyFailed, -1, nullptr, QLatin1String(t.name));
    }

    if (!createBootScripts(boot, direction, timers))
        return fail(BootScriptsFailed);

    QByteArray init, xvar;
    if (!readWhole(out + QLatin1Char('/') + QLatin1String(InitBin), &init))
        return fail(OpenInitFailed);
    if (!readWhole(out + QLatin1Char('/') + QLatin1String(XvarBin), &xvar))
        return fail(OpenXvarFailed);
    Container container(allCfgPath);
    if (!container.open())
        return fail(CreateAllCfgFailed);
    if (!container.add(1, 0, 0, 0, init) || !container.add(2, 0, 0, 0, xvar))
        return fail(WriteAllCfgFailed);

    // Page files and the event scripts of each page.
    QList<QList<ScriptFile>> scripts;
    for (int k = 0; k < pages; ++k) {
        const QString pagePath = QStringLiteral("%1/guicfg%2.bin").arg(out).arg(k);
        switch (writeWhole(pagePath, pageFiles.at(k))) {
        case WriteResult::OpenFailed:
            return fail(CreatePageFileFailed, k);
        case WriteResult::WriteFailed:
            return fail(WritePageFileFailed, k);
        case WriteResult::Ok:
            break;
        }

        const QString folder = QStringLiteral("%1/page%2").arg(out).arg(k);
        const QFileInfo folderInfo(folder);
        if (exists(folderInfo))
            removeEntry(folderInfo);
        QDir().mkdir(folder);

        QList<ScriptFile> pageScripts;
        const auto writeScripts = [&](const EventHolder &holder, const QMyWidget *w, int order,
                                      int codeOpenFailed, int eventsOpenFailed) {
            const int types = eventTypeCount(holder);
            for (int n = 0; n < types; ++n) {
                QByteArray script;
                if (!appendEventCode(script, holder, n))
                    continue;
                const QString name = w
                    ? QStringLiteral("%1%2_%3.py").arg(w->getTypeName()).arg(w->getId()).arg(n)
                    : QStringLiteral("page0_%1.py").arg(n);
                const QString path = folder + QLatin1Char('/') + name;
                switch (writeWhole(path, script)) {
                case WriteResult::OpenFailed:
                    return fail(holder.status(n) != 0 ? codeOpenFailed : eventsOpenFailed, k, w,
                                name);
                case WriteResult::WriteFailed:
                    return fail(WriteScriptFailed, k, w, name);
                case WriteResult::Ok:
                    break;
                }
                const int section = w ? widgetSectionId(w->getTypeCode()) : 9;
                pageScripts.append({order, section, w ? w->getId() : 0, n, path});
            }
            return int(Success);
        };

        int code = writeScripts(pageRecords.at(k)->eventHolder(), nullptr, -1,
                                OpenPageCodeScriptFailed, OpenPageEventScriptFailed);
        if (code != Success)
            return code;
        for (const QMyWidget *w : qAsConst(*pageWidgets.at(k))) {
            int order = -1;
            for (int g = 0; g < int(std::size(widgetSections)); ++g) {
                if (widgetSections[g].typeCode == w->getTypeCode())
                    order = g;
            }
            // Only these types hold events; others add no section.
            if (order < 0)
                continue;
            code = writeScripts(w->eventHolder(), w, order, OpenWidgetCodeScriptFailed,
                                OpenWidgetEventScriptFailed);
            if (code != Success)
                return code;
        }
        // Page scripts first, then by section group, widget id and event type.
        std::stable_sort(pageScripts.begin(), pageScripts.end(),
                         [](const ScriptFile &a, const ScriptFile &b) {
                             return std::tie(a.order, a.widgetId, a.eventType)
                                 < std::tie(b.order, b.widgetId, b.eventType);
                         });
        scripts.append(pageScripts);
    }

    guicfgSizes.clear();
    for (int k = 0; k < pages; ++k) {
        QByteArray bytes;
        if (!readWhole(QStringLiteral("%1/guicfg%2.bin").arg(out).arg(k), &bytes))
            return fail(ReadPageFileFailed, k);
        guicfgSizes.append(bytes.size());
        if (!container.add(3, k, 0, 0, bytes))
            return fail(WriteAllCfgFailed);
    }

    const struct
    {
        const char *name;
        int id;
        int readFailed;
    } bootFiles[] = {{"boot.py", 4, ReadBootFailed},
                     {"sleepin.py", 5, ReadSleepInFailed},
                     {"sleepout.py", 6, ReadSleepOutFailed}};
    for (const auto &f : bootFiles) {
        QByteArray bytes;
        if (!readWhole(out + QLatin1Char('/') + QLatin1String(f.name), &bytes))
            return fail(f.readFailed, -1, nullptr, QLatin1String(f.name));
        if (!container.add(f.id, 0, 0, 0, bytes))
            return fail(WriteAllCfgFailed);
    }
    for (int t = 0; t < SleepTimer; ++t) {
        QByteArray bytes;
        if (!readWhole(QStringLiteral("%1/timer%2.py").arg(out).arg(t), &bytes)) {
            fail(ReadTimerScriptFailed);
            m_failure.timer = t;
            return ReadTimerScriptFailed;
        }
        if (!container.add(7, t, 0, 0, bytes))
            return fail(WriteAllCfgFailed);
    }
    QByteArray keyboard;
    if (!readWhole(out + QLatin1Char('/') + QLatin1String(KeyboardPy), &keyboard))
        return fail(ReadKeyboardFailed);
    if (!container.add(8, 0, 0, 0, keyboard))
        return fail(WriteAllCfgFailed);

    for (int k = 0; k < pages; ++k) {
        for (const ScriptFile &s : qAsConst(scripts.at(k))) {
            QByteArray bytes;
            if (!readWhole(s.path, &bytes))
                return fail(s.order < 0 ? ReadPageScriptFailed : ReadWidgetScriptFailed, k, nullptr,
                            QFileInfo(s.path).fileName());
            if (!container.add(s.sectionId, k, s.widgetId, s.eventType, bytes))
                return fail(WriteAllCfgFailed);
        }
    }

    if (!container.commit())
        return fail(WriteAllCfgFailed);

    // Only the container stays; links in the folder go, their targets stay untouched.
    const QFileInfoList entries = QDir(out).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                          | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() != QLatin1String(AllCfgName))
            removeEntry(entry);
    }
    return Success;
}
