#include "projectfile.h"

#include "bootparam.h"
#include "checkedsavefile.h"
#include "designdocument.h"
#include "drawgeometry.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "projectmarkupscanner.h"
#include "projectxmlwriter.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "timerparam.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextCodec>

namespace {

constexpr int TimerCount = DesignDocument::TimerCount;
constexpr int SlotCount = EventHolder::SlotCount;
constexpr int SleepTimer = DesignDocument::SleepTimer;

struct PageKey
{
    const char *name;
    int (PageParam::*get)() const;
    void (PageParam::*set)(int);
};

// The page's look, written as attribute-only elements.
const PageKey pageLookKeys[] = {
    {"pageImageNum", &PageParam::pageImageNum, &PageParam::setPageImageNum},
    {"pageGradDir", &PageParam::pageGradDir, &PageParam::setPageGradDir},
    {"pageColorGrad1R", &PageParam::pageColorGrad1R, &PageParam::setPageColorGrad1R},
    {"pageColorGrad1G", &PageParam::pageColorGrad1G, &PageParam::setPageColorGrad1G},
    {"pageColorGrad1B", &PageParam::pageColorGrad1B, &PageParam::setPageColorGrad1B},
    {"pageColorGrad1A", &PageParam::pageColorGrad1A, &PageParam::setPageColorGrad1A},
    {"pageColorGrad2R", &PageParam::pageColorGrad2R, &PageParam::setPageColorGrad2R},
    {"pageColorGrad2G", &PageParam::pageColorGrad2G, &PageParam::setPageColorGrad2G},
    {"pageColorGrad2B", &PageParam::pageColorGrad2B, &PageParam::setPageColorGrad2B},
    {"pageColorGrad2A", &PageParam::pageColorGrad2A, &PageParam::setPageColorGrad2A},
    {"pageOpa", &PageParam::pageOpa, &PageParam::setPageOpa},
    {"pageRadius", &PageParam::pageRadius, &PageParam::setPageRadius},
    {"pageFlag", &PageParam::pageFlag, &PageParam::setPageFlag},
    {"pageState", &PageParam::pageState, &PageParam::setPageState},
    {"pageHelpLineType", &PageParam::pageHelpLineType, &PageParam::setPageHelpLineType},
    {"pageHelpLineLeft", &PageParam::pageHelpLineLeft, &PageParam::setPageHelpLineLeft},
    {"pageHelpLineRight", &PageParam::pageHelpLineRight, &PageParam::setPageHelpLineRight},
    {"pageHelpLineTop", &PageParam::pageHelpLineTop, &PageParam::setPageHelpLineTop},
    {"pageHelpLineBottom", &PageParam::pageHelpLineBottom, &PageParam::setPageHelpLineBottom},
};

// The page's load animation, written as text elements before the name.
const PageKey pageAnimKeys[] = {
    {"pageAnimEnabled", &PageParam::pageAnimEnabled, &PageParam::setPageAnimEnabled},
    {"pageAnimMode", &PageParam::pageAnimMode, &PageParam::setPageAnimMode},
    {"pageAnimDir", &PageParam::pageAnimDir, &PageParam::setPageAnimDir},
    {"pageAnimTime", &PageParam::pageAnimTime, &PageParam::setPageAnimTime},
    {"pageAnimX", &PageParam::pageAnimX, &PageParam::setPageAnimX},
    {"pageAnimY", &PageParam::pageAnimY, &PageParam::setPageAnimY},
};

struct TimerKey
{
    const char *name;
    int (TimerParam::*get)() const;
    void (TimerParam::*set)(int);
};

// In file order, which is not the record's order.
const TimerKey timerKeys[] = {
    {"timerID", &TimerParam::timerID, &TimerParam::setTimerID},
    {"timerEnable", &TimerParam::timerEnable, &TimerParam::setTimerEnable},
    {"timerOneTime", &TimerParam::timerOneTime, &TimerParam::setTimerOneTime},
    {"timerTime", &TimerParam::timerTime, &TimerParam::setTimerTime},
    {"timerVal", &TimerParam::timerVal, &TimerParam::setTimerVal},
};

struct BootKey
{
    const char *name;
    int (*get)(const BootParam &);
    void (*set)(BootParam &, int);
};

#define BOOT_INT(key, Name)                                                                        \
    {                                                                                              \
        key, [](const BootParam &b) { return b.get##Name(); },                                     \
            [](BootParam &b, int v) { b.set##Name(v); }                                            \
    }
// Flags are written as 0 or 1 and read as true above 0.
#define BOOT_FLAG(key, Name)                                                                       \
    {                                                                                              \
        key, [](const BootParam &b) { return b.get##Name() ? 1 : 0; },                             \
            [](BootParam &b, int v) { b.set##Name(v > 0); }                                        \
    }

// The boot settings in the record's order, which is also the file's.
const BootKey bootKeys[] = {
    BOOT_FLAG("bootAnimFlag", AnimFlag),
    BOOT_INT("bootJumpPage", JumpPage),
    BOOT_INT("bootJumpTime", JumpTime),
    BOOT_INT("bootAnimImgID", AnimImgID),
    BOOT_INT("bootAnimStartID", AnimStartID),
    BOOT_INT("bootAnimEndID", AnimEndID),
    BOOT_INT("bootAnimTime", AnimTime),
    BOOT_FLAG("bootAnimCycleFlag", AnimCycleFlag),
    BOOT_INT("bootAnimCount", AnimCount),
    BOOT_INT("bootAnimCurrentPage", AnimCurrentPage),
    BOOT_INT("bootAnimJumpPage", AnimJumpPage),
    BOOT_INT("bootSleepTime", SleepTime),
    BOOT_INT("bootSleepBl", SleepBl),
    BOOT_FLAG("boot485Flag", 485Flag),
    BOOT_INT("boot485Addr", 485Addr),
    BOOT_FLAG("bootCRC16Flag", CRC16Flag),
    BOOT_FLAG("bootPosFlag", PosFlag),
    BOOT_INT("bootBaud", Baud),
    BOOT_INT("bootBl", Bl),
    BOOT_INT("bootBuzzerTime", BuzzerTime),
};

#undef BOOT_INT
#undef BOOT_FLAG

// Opacity keys whose value is also the alpha of their colours when a file is read.
struct OpacityKey
{
    const char *name;
    const char *alpha1;
    const char *alpha2;
};

const OpacityKey opacityKeys[] = {
    {"fontOpa", "fontColorA", nullptr},
    {"ybexItemProgImageColorOpa", "ybexItemProgImageColorA", nullptr},
    {"ybexItemProgOpa", "ybexItemProgBackgroundA1", "ybexItemProgBackgroundA2"},
    {"ybexItemProgBorderOpa", "ybexItemProgBorderColorA", nullptr},
    {"ybexItemArcOpa", "ybexItemArcBackgroundA1", nullptr},
    {"ybexItemArcSelectOpa", "ybexItemArcSelectBackgroundA1", nullptr},
    {"ybexItemHandleImageColorOpa", "ybexItemHandleImageColorA", nullptr},
    {"ybexItemHandleOpa", "ybexItemHandleBackgroundA1", "ybexItemHandleBackgroundA2"},
    {"ybexItemHandleBorderOpa", "ybexItemHandleBorderColorA", nullptr},
    {"ybexItemImageColorOpa", "ybexItemImageColorA", nullptr},
    {"ybexItemOpa", "ybexItemBackgroundA1", "ybexItemBackgroundA2"},
    {"ybexItemBorderOpa", "ybexItemBorderColorA", nullptr},
    {"ybexItemSelectImageColorOpa", "ybexItemSelectImageColorA", nullptr},
    {"ybexItemSelectOpa", "ybexItemSelectBackgroundA1", "ybexItemSelectBackgroundA2"},
    {"ybexItemSelectBorderOpa", "ybexItemSelectBorderColorA", nullptr},
    {"ybexItemPressImageColorOpa", "ybexItemPressImageColorA", nullptr},
    {"ybexItemPressOpa", "ybexItemPressBackgroundA1", "ybexItemPressBackgroundA2"},
    {"ybexItemPressBorderOpa", "ybexItemPressBorderColorA", nullptr},
    {"ybexItemCurrorOpa", "ybexItemCurrorColorA", nullptr},
    {"ybexItemCurrorTextOpa", "ybexItemCurrorTextColorA", nullptr},
};

// How the reader treats one widget key.
struct WidgetKeyRule
{
    // Size: w and h, bounded like positions.
    enum Kind { Plain, Text, Id, X, Y, Size, Opacity };
    Kind kind = Plain;
    QString key;
    QString alpha1;
    QString alpha2;
};

const QHash<QString, WidgetKeyRule> &widgetKeyRules()
{
    static const QHash<QString, WidgetKeyRule> rules = [] {
        QHash<QString, WidgetKeyRule> r;
        for (const QString &key : QMyWidget::fileKeys()) {
            WidgetKeyRule rule;
            rule.key = key;
            if (QMyWidget::isTextKey(key))
                rule.kind = WidgetKeyRule::Text;
            r.insert(key, rule);
        }
        r[QStringLiteral("id")].kind = WidgetKeyRule::Id;
        r[QStringLiteral("x")].kind = WidgetKeyRule::X;
        r[QStringLiteral("y")].kind = WidgetKeyRule::Y;
        r[QStringLiteral("w")].kind = WidgetKeyRule::Size;
        r[QStringLiteral("h")].kind = WidgetKeyRule::Size;
        for (const OpacityKey &o : opacityKeys) {
            WidgetKeyRule &rule = r[QLatin1String(o.name)];
            rule.kind = WidgetKeyRule::Opacity;
            rule.alpha1 = QLatin1String(o.alpha1);
            if (o.alpha2)
                rule.alpha2 = QLatin1String(o.alpha2);
        }
        return r;
    }();
    return rules;
}

int toInt(const QStringRef &text)
{
    return ProjectDocument::toInt(text);
}

// The index of an indexed key: the base followed by a decimal number without leading
// zeros in first..last; -1 for any other name.
int suffixIndex(const QString &name, QLatin1String base, int first, int last)
{
    if (!name.startsWith(base))
        return -1;
    const QStringRef digits = name.midRef(base.size());
    if (digits.isEmpty() || digits.size() > 9 || (digits.size() > 1 && digits.at(0) == '0'))
        return -1;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value >= first && value <= last ? value : -1;
}

// Iterates over the child elements of a node of the document.
struct Children
{
    const ProjectDocument &d;
    int parent;

    struct Iterator
    {
        const ProjectDocument &d;
        int node;
        int operator*() const { return node; }
        Iterator &operator++()
        {
            node = d.nextSibling(node);
            return *this;
        }
        bool operator!=(const Iterator &o) const { return node != o.node; }
    };
    Iterator begin() const { return {d, d.firstChild(parent)}; }
    Iterator end() const { return {d, -1}; }
};

EventInfo readEvent(const ProjectDocument &d, int element, int ownerKind)
{
    EventInfo event;
    // A hand-edited file may lack either; the writer always writes both.
    event.setType(0);
    event.setUserType(-1);
    for (int n : Children {d, element}) {
        const QString &name = d.name(n);
        int i;
        if (name == QLatin1String("EventType"))
            event.setType(toInt(d.text(n)));
        else if (name == QLatin1String("UserType"))
            event.setUserType(toInt(d.text(n)));
        else if ((i = suffixIndex(name, QLatin1String("EventParam"), 0, EventInfo::ParamCount - 1))
                 >= 0)
            event.setParam(i, d.text(n).toString());
    }
    event.setOwnerType(ownerKind);
    return event;
}

void readEventSlots(const ProjectDocument &d, int element, EventHolder &holder)
{
    for (int n : Children {d, element}) {
        const QString &name = d.name(n);
        int i;
        if ((i = suffixIndex(name, QLatin1String("EventStatus"), 0, SlotCount - 1)) >= 0)
            holder.setStatus(i, toInt(d.text(n)));
        else if ((i = suffixIndex(name, QLatin1String("EventText"), 0, SlotCount - 1)) >= 0)
            holder.setText(i, d.text(n).toString());
    }
}

// An event or the slot block of any holder; false for every other element.
bool readEventElement(const ProjectDocument &d, int element, EventHolder &holder, int ownerKind)
{
    const QString &name = d.name(element);
    if (name == QLatin1String("EventName")) {
        holder.append(readEvent(d, element, ownerKind));
        return true;
    }
    if (name == QLatin1String("EventContent")) {
        readEventSlots(d, element, holder);
        return true;
    }
    return false;
}

// The width and height a frame block gives the canvas: the last of each counts.
QSize frameSize(const ProjectDocument &d, int frame)
{
    QSize size(0, 0);
    for (int n : Children {d, frame}) {
        const QString &name = d.name(n);
        if (name == QLatin1String("frameW"))
            size.setWidth(toInt(d.text(n)));
        else if (name == QLatin1String("frameH"))
            size.setHeight(toInt(d.text(n)));
    }
    return size;
}

class Loader
{
public:
    Loader(const ProjectDocument &document, DesignDocument &design, QWidget *widgetParent)
        : d(document)
        , t(design)
        , widgetParent(widgetParent)
        , rules(d.nameCount(), nullptr)
        , ruleKnown(d.nameCount(), false)
    { }

    void run()
    {
        // What the file does not say is what a new design has, never what the design
        // before it had.
        t.resetTimers();
        t.boot().reset();
        const int root = d.root();
        if (root >= 0) {
            for (int n : Children {d, root}) {
                const QString &name = d.name(n);
                if (name == QLatin1String("frame"))
                    readFrame(n);
                else if (name == QLatin1String("timer"))
                    readTimer(n);
                else if (name == QLatin1String("page"))
                    readPage(n);
            }
        }
        // A hand-edited page number is brought into the pages there are.
        const int pages = t.pageCount();
        t.setCurrentPage(pages == 0 ? 0 : qBound(0, savedPage, pages - 1));
    }

private:
    void readFrame(int frame)
    {
        int width = 0;
        int height = 0;
        int screenType = 0;
        int series = 0;
        for (int n : Children {d, frame}) {
            const QString &name = d.name(n);
            if (name == QLatin1String("frameW")) {
                width = toInt(d.text(n));
            } else if (name == QLatin1String("frameH")) {
                height = toInt(d.text(n));
            } else if (name == QLatin1String("screenType")) {
                screenType = toInt(d.text(n));
            } else if (name == QLatin1String("modelType")) {
                series = toInt(d.text(n));
                t.setModelType(series);
            } else if (name == QLatin1String("dpi")) {
                t.setResolution(d.text(n).toString());
            } else if (name == QLatin1String("baud")) {
                t.setBaud(d.text(n).toString());
            } else if (name == QLatin1String("blValue")) {
                t.setBacklight(toInt(d.text(n)));
            } else if (name == QLatin1String("currentPageNum")) {
                savedPage = toInt(d.text(n));
            } else {
                readBootKey(n);
            }
        }
        if (width > 0 && height > 0) {
            t.setScreenType(screenType);
            t.setModelType(series);
            t.setFrameSize(QSize(width, height));
        }
    }

    void readTimer(int element)
    {
        const int index = toInt(d.attribute(element, QLatin1String("timer")));
        TimerParam *timer = index >= 0 && index < TimerCount ? t.timer(index) : nullptr;
        if (!timer)
            return;
        const int ownerKind =
            index == SleepTimer ? EventInfo::SleepTimerOwner : EventInfo::TimerOwner;
        for (int n : Children {d, element}) {
            if (readEventElement(d, n, timer->eventHolder(), ownerKind))
                continue;
            const QString &name = d.name(n);
            // A timer is the one at its place: a differing number in the file is not its id.
            if (name == QLatin1String("timerID"))
                continue;
            for (const TimerKey &key : timerKeys) {
                if (name == QLatin1String(key.name)) {
                    (timer->*key.set)(toInt(d.text(n)));
                    break;
                }
            }
        }
    }

    void readPage(int element)
    {
        const int pageId = toInt(d.attribute(element, QLatin1String("pageid")));
        const int added = t.addPage();
        // A page number that names no page so far applies to the page just added.
        const qint64 named = qint64(pageId) - 1;
        const int index = named >= 0 && named < t.pageCount() ? int(named) : added;
        PageParam *page = t.page(index);
        if (!page)
            return;
        for (int n : Children {d, element}) {
            const QString &name = d.name(n);
            if (name == QLatin1String("ClassName")) {
                readWidget(index, n);
                continue;
            }
            if (readEventElement(d, n, page->eventHolder(), EventInfo::PageOwner))
                continue;
            if (name == QLatin1String("pageName")) {
                t.setPageName(index, d.text(n).toString());
                continue;
            }
            readPageKey(page, n);
        }
    }

    void readPageKey(PageParam *page, int element)
    {
        const QString &name = d.name(element);
        for (const PageKey &key : pageLookKeys) {
            if (name != QLatin1String(key.name))
                continue;
            const int value = toInt(d.attribute(element, QLatin1String(key.name)));
            if (key.set == &PageParam::setPageOpa) {
                page->setPageColorGrad1A(value);
                page->setPageColorGrad2A(value);
            }
            (page->*key.set)(value);
            return;
        }
        for (const PageKey &key : pageAnimKeys) {
            if (name == QLatin1String(key.name)) {
                (page->*key.set)(toInt(d.text(element)));
                return;
            }
        }
    }

    // The rule of a widget key by the element's name, looked up once per name.
    const WidgetKeyRule *ruleOf(int element)
    {
        const int id = d.nameId(element);
        if (!ruleKnown.at(id)) {
            const QHash<QString, WidgetKeyRule> &all = widgetKeyRules();
            const auto found = all.constFind(d.name(element));
            rules[id] = found == all.constEnd() ? nullptr : &found.value();
            ruleKnown[id] = true;
        }
        return rules.at(id);
    }

    void readWidget(int page, int element)
    {
        const std::optional<WidgetType> type =
            widgetTypeFromCode(toInt(d.attribute(element, QLatin1String("ClassName"))));
        if (!type)
            return;
        QMyWidget *widget =
            QMyWidgetFactory::create(*type, t.widgets(page).size() + 1, widgetParent);
        if (!widget)
            return;
        QPoint pos(0, 0);
        for (int n : Children {d, element}) {
            if (readEventElement(d, n, widget->eventHolder(), widgetTypeCode(*type)))
                continue;
            const WidgetKeyRule *rule = ruleOf(n);
            if (!rule)
                continue;
            const QStringRef text = d.text(n);
            switch (rule->kind) {
            case WidgetKeyRule::Plain:
                widget->setIntValue(rule->key, toInt(text));
                break;
            case WidgetKeyRule::Text:
                widget->setFileValue(rule->key, text.toString());
                break;
            case WidgetKeyRule::Id:
                widget->setId(toInt(text));
                break;
            case WidgetKeyRule::X:
                pos.setX(DrawGeometry::clampCoord(toInt(text)));
                break;
            case WidgetKeyRule::Y:
                pos.setY(DrawGeometry::clampCoord(toInt(text)));
                break;
            case WidgetKeyRule::Size:
                widget->setIntValue(rule->key, DrawGeometry::clampCoord(toInt(text)));
                break;
            case WidgetKeyRule::Opacity: {
                const int value = toInt(text);
                widget->setIntValue(rule->alpha1, value);
                if (!rule->alpha2.isEmpty())
                    widget->setIntValue(rule->alpha2, value);
                widget->setIntValue(rule->key, value);
                break;
            }
            }
        }
        widget->setPos(pos.x(), pos.y());
        t.addWidget(page, widget);
    }

    void readBootKey(int element)
    {
        const QString &name = d.name(element);
        for (const BootKey &key : bootKeys) {
            if (name == QLatin1String(key.name)) {
                key.set(t.boot(), toInt(d.text(element)));
                return;
            }
        }
    }

    const ProjectDocument &d;
    DesignDocument &t;
    QWidget *widgetParent;
    QVector<const WidgetKeyRule *> rules;
    QVector<bool> ruleKnown;
    int savedPage = 0;
};

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

bool readWholeFile(const QString &path, QByteArray *content, QString *error)
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
    const auto tooLarge = [&]() {
        if (error)
            *error = ProjectFile::tr("%1：文件超过%2MB，项目文件最大%2MB")
                         .arg(path, QString::number(ProjectFile::MaxFileSize >> 20));
        return false;
    };
    if (info.size() > ProjectFile::MaxFileSize)
        return tooLarge();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    *content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    // The file may have grown since it was looked at.
    if (content->size() > ProjectFile::MaxFileSize) {
        content->clear();
        return tooLarge();
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
        for (const QMyWidget *widget : design.widgets(i))
            writeWidget(xml, widget);
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

bool ProjectFile::save(const QString &path, const DesignDocument &design, QString *error)
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
    writeDesign(xml, design);
    if (!xml.finish())
        file.cancelWriting();
    if (!file.commitWhole()) {
        if (error)
            *error = file.failure();
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

bool ProjectFile::writeFile(const QString &path, const QByteArray &content, QString *error)
{
    if (!isWritable(path, error))
        return false;
    return CheckedSaveFile::writeWhole(path, content, error);
}

bool ProjectFile::read(const QString &path)
{
    m_valid = false;
    m_document.clear();
    QByteArray content;
    if (!readWholeFile(path, &content, &m_error))
        return false;
    if (!setContent(content)) {
        m_error = QStringLiteral("%1: %2").arg(path, m_error);
        return false;
    }
    return true;
}

bool ProjectFile::readProject(const QString &path)
{
    if (!read(path))
        return false;
    if (!hasUsableFrame()) {
        m_valid = false;
        m_document.clear();
        m_error = tr("%1：这不是项目文件，没有宽和高都大于0的frame").arg(path);
        return false;
    }
    return true;
}

bool ProjectFile::setContent(const QByteArray &content)
{
    m_error.clear();
    m_valid = m_document.parse(content);
    if (!m_valid)
        m_error = m_document.errorString();
    return m_valid;
}

bool ProjectFile::modelType(int *series) const
{
    const int root = m_valid ? m_document.root() : -1;
    if (root < 0)
        return false;
    bool found = false;
    for (int frame : Children {m_document, root}) {
        if (m_document.name(frame) != QLatin1String("frame"))
            continue;
        for (int n : Children {m_document, frame}) {
            if (m_document.name(n) == QLatin1String("modelType")) {
                *series = toInt(m_document.text(n));
                found = true;
            }
        }
    }
    return found;
}

bool ProjectFile::hasUsableFrame() const
{
    const int root = m_valid ? m_document.root() : -1;
    if (root < 0)
        return false;
    for (int frame : Children {m_document, root}) {
        if (m_document.name(frame) != QLatin1String("frame"))
            continue;
        const QSize size = frameSize(m_document, frame);
        if (size.width() > 0 && size.height() > 0)
            return true;
    }
    return false;
}

void ProjectFile::load(DesignDocument &design, QWidget *widgetParent) const
{
    if (!m_valid)
        return;
    Loader(m_document, design, widgetParent).run();
}

bool ProjectFile::rewriteFrameElements(const QString &path, const Elements &values, QString *error)
{
    QByteArray content;
    if (!readWholeFile(path, &content, error))
        return false;
    if (!isWritable(path, error))
        return false;
    {
        ProjectDocument check;
        if (!check.parse(content)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(path, check.errorString());
            return false;
        }
    }
    // The file is changed where its values stand and kept byte for byte everywhere else,
    // which takes an encoding in which markup is plain ASCII and nothing the tags do not
    // show can add elements.
    const QByteArray encoding = declaredEncoding(content);
    const bool utf8 = encoding.compare("UTF-8", Qt::CaseInsensitive) == 0
        || encoding.compare("UTF8", Qt::CaseInsensitive) == 0;
    const QTextCodec *codec = QTextCodec::codecForName(encoding);
    const bool asciiMarkup =
        utf8 || (codec && codec->fromUnicode(QStringLiteral("<a/>")) == "<a/>");
    const bool wide = content.startsWith("\xFE\xFF") || content.startsWith("\xFF\xFE")
        || content.left(4).contains('\0');
    bool subset = false;
    ProjectMarkupScanner scanner(content);
    for (auto t = scanner.next(); t.kind != ProjectMarkupScanner::End && !subset;
         t = scanner.next())
        subset = t.hasInternalSubset || t.kind == ProjectMarkupScanner::Malformed;
    if (wide || subset || !asciiMarkup) {
        if (error)
            *error = tr("%1：无法在保留文件其余内容的情况下改写这个文件").arg(path);
        return false;
    }

    QHash<QByteArray, QByteArray> byName;
    for (const auto &value : values) {
        const QString text = ProjectXmlWriter::escaped(value.second, false);
        QByteArray bytes;
        if (utf8) {
            bytes = text.toUtf8();
        } else {
            // Characters beyond ASCII as references, which any such encoding can hold.
            for (const uint c : text.toUcs4()) {
                if (c < 0x80)
                    bytes += char(c);
                else
                    bytes += "&#" + QByteArray::number(c) + ';';
            }
        }
        byName.insert(value.first.toUtf8(), bytes);
    }

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
    return writeFile(path, out, error);
}

ProjectFile::Elements ProjectFile::bootElements(const BootParam &boot)
{
    Elements elements;
    for (const BootKey &key : bootKeys)
        elements.append(qMakePair(QString::fromLatin1(key.name), QString::number(key.get(boot))));
    return elements;
}
