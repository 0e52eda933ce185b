#include "allcfg.h"

#include "attributelimits.h"
#include "bootparam.h"
#include "checkedsavefile.h"
#include "designdocument.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "messagetext.h"
#include "pageparam.h"
#include "projectfolder.h"
#include "qmywidget.h"
#include "sheettables.h"
#include "timerparam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <functional>
#include <iterator>
#include <thread>
#include <tuple>
#include <vector>

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

// Sections as all.cfg holds them: a header, then the file's bytes.
void appendSection(QByteArray &out, int id, int page, int widgetId, int eventType,
                   const QByteArray &bytes)
{
    char header[AllCfg::SectionHeaderSize];
    AllCfg::writeSectionHeader(header, id, page, widgetId, eventType, quint32(bytes.size()));
    out.append(header, AllCfg::SectionHeaderSize);
    out.append(bytes);
}

struct Script
{
    int order; // position of the widget's section group; -1 for a page script
    int sectionId;
    int widgetId;
    int eventType;
    QByteArray bytes;
};

// work(k) for k = 0 .. count - 1, spread over the processor's cores. The GUI thread waits
// here, so nothing changes the design meanwhile.
void forEachIndex(int count, const std::function<void(int)> &work)
{
    const int threads = qBound(1, QThread::idealThreadCount(), 8);
    std::atomic<int> next {0};
    const auto worker = [&] {
        for (int k = next++; k < count; k = next++)
            work(k);
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads && i < count; ++i)
        helpers.emplace_back(worker);
    worker();
    for (std::thread &helper : helpers)
        helper.join();
}

// A widget's values as the project file holds them, in the order of its keys.
QStringList fileValues(const QMyWidget &w)
{
    QStringList values;
    values.reserve(QMyWidget::fileKeys().size());
    for (const QString &key : QMyWidget::fileKeys())
        values.append(w.fileValue(key));
    return values;
}

struct SettledWidget
{
    QMyWidget *widget;
    QStringList values;
};

// The keys of the font rows of a widget's sheet, made once per type and switch.
const QStringList &fontKeysOf(WidgetType type, bool checkable)
{
    static const auto table = [] {
        std::array<std::array<QStringList, 2>, WidgetTypeCount> t;
        for (int code = 0; code < WidgetTypeCount; ++code) {
            for (int c = 0; c < 2; ++c)
                t[code][c] = SheetTables::keysOf(SheetTables::widgetSheet(WidgetType(code), c != 0),
                                                 SheetRow::FontChoice);
        }
        return t;
    }();
    static const QStringList none;
    if (!isKnownWidgetType(type))
        return none;
    return table[widgetTypeCode(type)][checkable ? 1 : 0];
}

} // namespace

AllCfg::AllCfg(QObject *parent)
    : QObject(parent)
{ }

struct AllCfg::PageOutput
{
    int code = Success;
    const QMyWidget *culprit = nullptr;
    // The font or picture number that is missing.
    int missing = -1;
    int fileSize = 0;
    // The page file's section and the page's event-script sections, as all.cfg holds them.
    QByteArray fileSection;
    QByteArray scriptSections;
    // The first event whose line its parameters would break.
    const EventHolder *unsafeHolder = nullptr;
    int unsafeIndex = -1;
    const QMyWidget *unsafeWidget = nullptr;
};

// One visit of a page's widgets. Reads the design and writes only into out, so pages can
// be made side by side. The page size is the one the design asks for, the module's screen.
void AllCfg::makePage(const DesignDocument &design, int k, PageOutput *out)
{
    QByteArray file;
    const QSize screen = design.frameSize();
    out->code = pageFile(*design.page(k), design.widgets(k), screen.width(), screen.height(), &file,
                         &out->culprit);
    if (out->code != Success)
        return;
    const int pictureCount = design.pictures().size();
    if (backgroundMissing(*design.page(k), pictureCount, &out->missing)) {
        out->code = MissingPicture;
        return;
    }
    for (const QMyWidget *w : design.widgets(k)) {
        if (fontMissing(*w, design.fontIds(), &out->missing))
            out->code = MissingFont;
        else if (pictureMissing(*w, pictureCount, &out->missing))
            out->code = MissingPicture;
        if (out->code != Success) {
            out->culprit = w;
            return;
        }
    }
    out->fileSize = file.size();
    out->fileSection.reserve(SectionHeaderSize + file.size());
    appendSection(out->fileSection, 3, k, 0, 0, file);

    QList<Script> scripts;
    const auto collect = [out, &scripts](const EventHolder &holder, const QMyWidget *w, int order,
                                         int sectionId) {
        int index = -1;
        const QVector<QByteArray> byType = eventScripts(holder, &index);
        if (index >= 0) {
            out->unsafeHolder = &holder;
            out->unsafeIndex = index;
            out->unsafeWidget = w;
            return;
        }
        for (int n = 0; n < byType.size(); ++n) {
            if (!byType.at(n).isEmpty())
                scripts.append({order, sectionId, w ? w->getId() : 0, n, byType.at(n)});
        }
    };
    collect(design.page(k)->eventHolder(), nullptr, -1, 9);
    for (const QMyWidget *w : design.widgets(k)) {
        // Only these types hold events; others add no section.
        for (int g = 0; g < int(std::size(widgetSections)) && out->unsafeIndex < 0; ++g) {
            if (widgetSections[g].type == w->getType())
                collect(w->eventHolder(), w, g, widgetSections[g].sectionId);
        }
    }
    if (out->unsafeIndex >= 0)
        return;
    // Page scripts first, then by section group, widget id and event type.
    std::stable_sort(scripts.begin(), scripts.end(), [](const Script &a, const Script &b) {
        return std::tie(a.order, a.widgetId, a.eventType)
            < std::tie(b.order, b.widgetId, b.eventType);
    });
    int size = 0;
    for (const Script &s : qAsConst(scripts))
        size += SectionHeaderSize + s.bytes.size();
    out->scriptSections.reserve(size);
    for (const Script &s : qAsConst(scripts))
        appendSection(out->scriptSections, s.sectionId, k, s.widgetId, s.eventType, s.bytes);
}

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
    QByteArray b(SectionHeaderSize, Qt::Uninitialized);
    writeSectionHeader(b.data(), id, page, widgetId, eventType, length);
    return b;
}

void AllCfg::writeSectionHeader(char *out, int id, int page, int widgetId, int eventType,
                                quint32 length)
{
    const quint32 fields[] = {quint32(id), quint32(page), quint32(widgetId), quint32(eventType)};
    for (int i = 0; i < 4; ++i) {
        out[2 * i] = char(fields[i] & 0xFF);
        out[2 * i + 1] = char((fields[i] >> 8) & 0xFF);
    }
    for (int i = 0; i < 4; ++i)
        out[8 + i] = char((length >> (8 * i)) & 0xFF);
    std::fill(out + 12, out + SectionHeaderSize, '\0');
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
    case MissingPicture:
        if (f.boot)
            return tr("开机动画：图片%1不在图库中，请先把该图片加入图库或修改动画的图片范围")
                .arg(f.picture);
        if (f.widget.isEmpty())
            return tr("%1：背景图片%2不在图库中，请先把该图片加入图库或选择图库中的图片")
                .arg(page, QString::number(f.picture));
        return tr("%1 %2：图片%3不在图库中，请先把该图片加入图库或选择图库中的图片")
            .arg(page, f.widget, QString::number(f.picture));
    case WidgetIdOutOfRange:
        return tr("%1 %2：控件ID不在0-65535之内").arg(page, f.widget);
    case UnsafeEventParameter: {
        QString place = f.timer == SleepTimer ? tr("休眠定时器")
            : f.timer >= 0                    ? tr("定时器%1").arg(f.timer)
                                              : page;
        if (!f.widget.isEmpty())
            place += QLatin1Char(' ') + f.widget;
        if (f.problem == int(EventInfo::CodeProblem::ResultNotAName))
            return tr("%1：%2的结果变量“%3”不是变量名")
                .arg(place, f.event, MessageText::quotedStart(f.param));
        return tr("%1：%2的参数“%3”的值“%4”不是单个Python表达式")
            .arg(place, f.event, f.param, MessageText::quotedStart(f.value));
    }
    }
    return QString();
}

bool AllCfg::fontMissing(const QMyWidget &w, const QStringList &fontIds, int *font)
{
    for (const QString &key : fontKeysOf(w.getType(), w.getCheckabled())) {
        const int number = w.intValue(key);
        if (std::none_of(fontIds.cbegin(), fontIds.cend(),
                         [number](const QString &id) { return id.toInt() == number; })) {
            if (font)
                *font = number;
            return true;
        }
    }
    return false;
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
    m_failure.value = event.param(param);
    return UnsafeEventParameter;
}

int AllCfg::createAllCfg(const DesignDocument &design)
{
    m_failure = Failure();
    // A widget goes out as its sheet would leave it; the design keeps what it holds, so
    // the project file does not change by a run. Few widgets need it: they are looked for
    // side by side.
    QVector<QList<QMyWidget *>> unsettled(design.pageCount());
    forEachIndex(design.pageCount(), [&design, &unsettled](int k) {
        for (QMyWidget *w : design.widgets(k)) {
            if (AttributeLimits::needsSettling(*w))
                unsettled[k].append(w);
        }
    });
    QList<SettledWidget> settled;
    for (const QList<QMyWidget *> &page : qAsConst(unsettled)) {
        for (QMyWidget *w : page) {
            settled.append({w, fileValues(*w)});
            AttributeLimits::settle(*w);
        }
    }
    // What a paint would have written back, for pages that were not shown since a change.
    for (int k = 0; k < design.pageCount(); ++k) {
        for (QMyWidget *w : design.widgets(k))
            w->refreshComputedValues();
    }
    const int result = run(design);
    for (const SettledWidget &s : qAsConst(settled)) {
        const QStringList now = fileValues(*s.widget);
        for (int i = 0; i < now.size(); ++i) {
            if (now.at(i) != s.values.at(i))
                s.widget->setFileValue(QMyWidget::fileKeys().at(i), s.values.at(i));
        }
        s.widget->refreshComputedValues();
    }
    return result;
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

int AllCfg::run(const DesignDocument &design)
{
    TimerParam *timers[TimerCount];
    for (int t = 0; t < TimerCount; ++t)
        timers[t] = design.timer(t);
    const QString out = outputFolder(design.projectPath());
    const QString templates = templateFolder();
    qCDebug(lcAllCfg) << "output" << out << "templates" << templates;
    int code = prepareOutputFolder(out);
    if (code != Success)
        return code;
    // Every page is checked before anything is written, and a page that cannot be written
    // stops the run before any event does.
    QVector<PageOutput> pages = makePages(design);
    if ((code = checkPages(design, pages)) != Success || (code = checkBoot(design)) != Success
        || (code = checkEvents(pages, timers)) != Success)
        return code;
    Templates files;
    if ((code = readTemplates(templates, &files)) != Success)
        return code;
    if ((code = writeContainer(out, files, pages, design.boot(), design.screenType(), timers))
        != Success)
        return code;
    keepOnlyContainer(out);
    return Success;
}

// One visit of each page's widgets gives its page file and its event scripts, held until
// all.cfg is written; pages are made side by side.
QVector<AllCfg::PageOutput> AllCfg::makePages(const DesignDocument &design)
{
    QVector<PageOutput> pages(design.pageCount());
    forEachIndex(pages.size(), [&design, &pages](int k) { makePage(design, k, &pages[k]); });
    return pages;
}

int AllCfg::checkPages(const DesignDocument &design, const QVector<PageOutput> &pages)
{
    for (int k = 0; k < pages.size(); ++k) {
        const PageOutput &page = pages.at(k);
        if (page.code == DuplicateWidgetId) {
            // Every widget that has the id is named.
            fail(page.code, k, page.culprit);
            QStringList named;
            for (const QMyWidget *w : design.widgets(k)) {
                if (w->getId() == page.culprit->getId())
                    named.append(w->getTypeName() + QLatin1Char('-') + QString::number(w->getId()));
            }
            m_failure.widget = named.join(tr("、"));
            return page.code;
        }
        if (page.code == MissingFont || page.code == MissingPicture) {
            fail(page.code, k, page.culprit);
            (page.code == MissingFont ? m_failure.font : m_failure.picture) = page.missing;
            return page.code;
        }
        if (page.code != Success)
            return fail(page.code, k, page.culprit);
    }
    return Success;
}

// The pictures of the boot animation, which plays them from the library.
int AllCfg::checkBoot(const DesignDocument &design)
{
    int picture = -1;
    if (!animationPictureMissing(design.boot(), design.pictures().size(), &picture))
        return Success;
    fail(MissingPicture);
    m_failure.boot = true;
    m_failure.picture = picture;
    return MissingPicture;
}

// Timers come first, then the pages in order.
int AllCfg::checkEvents(const QVector<PageOutput> &pages, TimerParam *timers[TimerCount])
{
    for (int t = 0; t < TimerCount; ++t) {
        const int index = unsafeEvent(timers[t]->eventHolder());
        if (index >= 0)
            return failUnsafeEvent(timers[t]->eventHolder(), index, -1, nullptr, t);
    }
    for (int k = 0; k < pages.size(); ++k) {
        const PageOutput &page = pages.at(k);
        if (page.unsafeIndex >= 0)
            return failUnsafeEvent(*page.unsafeHolder, page.unsafeIndex, k, page.unsafeWidget, -1);
    }
    return Success;
}

int AllCfg::readTemplates(const QString &folder, Templates *templates)
{
    if (!QFileInfo(folder).isDir())
        return fail(CopyInitFailed, -1, nullptr,
                    tr("模板文件夹%1不存在").arg(QDir::toNativeSeparators(folder)));
    int code = readTemplate(folder, InitBin, CopyInitFailed, &templates->init);
    if (code == Success)
        code = readTemplate(folder, XvarBin, CopyXvarFailed, &templates->xvar);
    if (code == Success)
        code = readTemplate(folder, KeyboardPy, CopyKeyboardFailed, &templates->keyboard);
    return code;
}

// The one file of the run. Any entry of that name went before, so the save cannot write
// through a link into a file elsewhere. Sections go in the order the module reads them:
// templates, page files, boot, sleep and timer scripts, the keyboard, then each page's
// event scripts. The pages' sections are let go before the file is committed.
int AllCfg::writeContainer(const QString &out, const Templates &templates,
                           QVector<PageOutput> &pages, const BootParam &boot, int direction,
                           TimerParam *timers[TimerCount])
{
    CheckedSaveFile file(out + QLatin1Char('/') + QLatin1String(AllCfgName));
    if (!file.open(QIODevice::WriteOnly))
        return fail(CreateAllCfgFailed, -1, nullptr, file.failure());
    const EventHolder &sleep = timers[SleepTimer]->eventHolder();
    QByteArray head;
    appendSection(head, 1, 0, 0, 0, templates.init);
    appendSection(head, 2, 0, 0, 0, templates.xvar);
    file.write(head);
    QList<int> sizes;
    for (int k = 0; k < pages.size(); ++k) {
        qCDebug(lcAllCfg) << "page" << k << "file" << pages.at(k).fileSize << "scripts"
                          << pages.at(k).scriptSections.size();
        sizes.append(pages.at(k).fileSize);
        file.write(pages.at(k).fileSection);
    }
    QByteArray middle;
    appendSection(middle, 4, 0, 0, 0, bootScript(boot, direction, timers));
    appendSection(middle, 5, 0, 0, 0, sleepScript(sleep, 1));
    appendSection(middle, 6, 0, 0, 0, sleepScript(sleep, 0));
    for (int t = 0; t < SleepTimer; ++t)
        appendSection(middle, 7, t, 0, 0, timerScript(timers[t]->eventHolder()));
    appendSection(middle, 8, 0, 0, 0, templates.keyboard);
    file.write(middle);
    for (const PageOutput &page : qAsConst(pages))
        file.write(page.scriptSections);
    pages.clear();
    if (!file.commitWhole())
        return fail(WriteAllCfgFailed, -1, nullptr, file.failure());
    m_pageFileSizes = sizes;
    return Success;
}

// Only the container stays: files of older versions or of the user's go; links go
// themselves, their targets stay untouched.
void AllCfg::keepOnlyContainer(const QString &out)
{
    const QFileInfoList entries = QDir(out).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                          | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() != QLatin1String(AllCfgName))
            ProjectFolder::removeEntry(entry.absoluteFilePath());
    }
}
