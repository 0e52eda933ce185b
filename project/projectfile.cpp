#include "projectfile.h"

#include "bootparam.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "projectloadtarget.h"
#include "projectxmlwriter.h"
#include "qmywidget.h"
#include "timerparam.h"

#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>

namespace {

constexpr int TimerCount = 9;
constexpr int SlotCount = EventHolder::SlotCount;
constexpr int SleepTimer = 8;

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

// Image numbers of a widget that must name an image of the library.
const char *const widgetImageKeys[] = {"imageNum", "ybexItemSelectImageNum", "pressImageNum"};

// How the reader treats one widget key.
struct WidgetKeyRule
{
    enum Kind { Plain, Id, X, Y, Image, Opacity };
    Kind kind = Plain;
    QString alpha1;
    QString alpha2;
};

const QHash<QString, WidgetKeyRule> &widgetKeyRules()
{
    static const QHash<QString, WidgetKeyRule> rules = [] {
        QHash<QString, WidgetKeyRule> r;
        for (const QString &key : QMyWidget::fileKeys())
            r.insert(key, WidgetKeyRule());
        r[QStringLiteral("id")].kind = WidgetKeyRule::Id;
        r[QStringLiteral("x")].kind = WidgetKeyRule::X;
        r[QStringLiteral("y")].kind = WidgetKeyRule::Y;
        for (const char *key : widgetImageKeys)
            r[QLatin1String(key)].kind = WidgetKeyRule::Image;
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
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

int toInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

// The index of an indexed key: the base followed by a decimal number without leading
// zeros in first..last; -1 for any other name.
int suffixIndex(const QStringRef &name, QLatin1String base, int first, int last)
{
    if (!name.startsWith(base))
        return -1;
    const QStringRef digits = name.mid(base.size());
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

QString readText(QXmlStreamReader &reader)
{
    return reader.readElementText(QXmlStreamReader::IncludeChildElements);
}

int readInt(QXmlStreamReader &reader)
{
    return toInt(readText(reader));
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
                     QString::number(widget->getTypeCode()));
    for (const WidgetFileKey &key : widgetFileKeys(widget)) {
        if (key.isText)
            xml.textElement(key.name, widget->fileValue(key.key));
        else
            xml.textElement(key.name, widget->intValue(key.key));
    }
    writeEventBlock(xml, widget->eventHolder());
    xml.endElement();
}

// ---- reading ----

EventInfo readEvent(QXmlStreamReader &reader, int ownerKind)
{
    EventInfo event;
    // A hand-edited file may lack either; the writer always writes both.
    event.setType(0);
    event.setUserType(-1);
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        int i;
        if (name == QLatin1String("EventType"))
            event.setType(readInt(reader));
        else if (name == QLatin1String("UserType"))
            event.setUserType(readInt(reader));
        else if ((i = suffixIndex(name, QLatin1String("EventParam"), 0, EventInfo::ParamCount - 1))
                 >= 0)
            event.setParam(i, readText(reader));
        else
            reader.skipCurrentElement();
    }
    event.setOwnerType(ownerKind);
    return event;
}

void readEventSlots(QXmlStreamReader &reader, EventHolder &holder)
{
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        int i;
        if ((i = suffixIndex(name, QLatin1String("EventStatus"), 0, SlotCount - 1)) >= 0)
            holder.setStatus(i, readInt(reader));
        else if ((i = suffixIndex(name, QLatin1String("EventText"), 0, SlotCount - 1)) >= 0)
            holder.setText(i, readText(reader));
        else
            reader.skipCurrentElement();
    }
}

// An event or the slot block of any holder; false for every other element.
bool readEventElement(QXmlStreamReader &reader, EventHolder &holder, int ownerKind)
{
    const QStringRef name = reader.name();
    if (name == QLatin1String("EventName")) {
        holder.append(readEvent(reader, ownerKind));
        return true;
    }
    if (name == QLatin1String("EventContent")) {
        readEventSlots(reader, holder);
        return true;
    }
    return false;
}

class Loader
{
public:
    Loader(QXmlStreamReader &reader, ProjectLoadTarget &target)
        : r(reader)
        , t(target)
        , imageCount(target.imageCount())
    { }

    void run()
    {
        for (int i = 0; i < TimerCount; ++i) {
            if (TimerParam *timer = t.timer(i)) {
                timer->reset();
                timer->setTimerID(i);
            }
        }
        if (r.readNextStartElement()) {
            while (r.readNextStartElement()) {
                const QStringRef name = r.name();
                if (name == QLatin1String("frame"))
                    readFrame();
                else if (name == QLatin1String("timer"))
                    readTimer();
                else if (name == QLatin1String("page"))
                    readPage();
                else
                    r.skipCurrentElement();
            }
        }
        // A hand-edited page number is brought into the pages there are.
        const int pages = t.pageCount();
        t.finish(pages == 0 ? -1 : qBound(0, savedPage, pages - 1));
    }

private:
    void readFrame()
    {
        int width = 0;
        int height = 0;
        int screenType = 0;
        int series = 0;
        BootParam *boot = t.bootParam();
        while (r.readNextStartElement()) {
            const QStringRef name = r.name();
            if (name == QLatin1String("frameW")) {
                width = readInt(r);
            } else if (name == QLatin1String("frameH")) {
                height = readInt(r);
            } else if (name == QLatin1String("screenType")) {
                screenType = readInt(r);
            } else if (name == QLatin1String("modelType")) {
                series = readInt(r);
                t.setModelTypeNow(series);
            } else if (name == QLatin1String("dpi")) {
                t.setResolutionText(readText(r));
            } else if (name == QLatin1String("baud")) {
                t.setBaud(readText(r));
            } else if (name == QLatin1String("blValue")) {
                t.setBacklight(readInt(r));
            } else if (name == QLatin1String("currentPageNum")) {
                savedPage = readInt(r);
            } else if (!readBootKey(boot, name)) {
                r.skipCurrentElement();
            }
        }
        if (width > 0 && height > 0)
            t.setCanvas(screenType, series, width, height);
        t.bootParamLoaded();
    }

    void readTimer()
    {
        const int index = toInt(r.attributes().value(QLatin1String("timer")));
        TimerParam *timer = index >= 0 && index < TimerCount ? t.timer(index) : nullptr;
        if (!timer) {
            r.skipCurrentElement();
            return;
        }
        const int ownerKind = index == SleepTimer ? -3 : -2;
        while (r.readNextStartElement()) {
            const QStringRef name = r.name();
            if (readEventElement(r, timer->eventHolder(), ownerKind))
                continue;
            bool known = false;
            for (const TimerKey &key : timerKeys) {
                if (name == QLatin1String(key.name)) {
                    (timer->*key.set)(readInt(r));
                    known = true;
                    break;
                }
            }
            if (!known)
                r.skipCurrentElement();
        }
    }

    void readPage()
    {
        const int pageId = toInt(r.attributes().value(QLatin1String("pageid")));
        const int added = t.addPage();
        // A page number that names no page so far applies to the page just added.
        const qint64 named = qint64(pageId) - 1;
        const int index = named >= 0 && named < t.pageCount() ? int(named) : added;
        PageParam *page = t.page(index);
        if (!page) {
            r.skipCurrentElement();
            return;
        }
        while (r.readNextStartElement()) {
            const QStringRef name = r.name();
            if (name == QLatin1String("ClassName")) {
                readWidget(index);
                continue;
            }
            if (readEventElement(r, page->eventHolder(), -1))
                continue;
            if (name == QLatin1String("pageName")) {
                page->setPageName(readText(r));
                if (!page->pageName().isEmpty())
                    t.pageNamed(index);
                continue;
            }
            if (readPageKey(page, name))
                continue;
            r.skipCurrentElement();
        }
    }

    bool readPageKey(PageParam *page, const QStringRef &name)
    {
        for (const PageKey &key : pageLookKeys) {
            if (name != QLatin1String(key.name))
                continue;
            int value = toInt(r.attributes().value(name.toString()));
            r.skipCurrentElement();
            if (key.set == &PageParam::setPageImageNum && value >= imageCount)
                value = -1;
            if (key.set == &PageParam::setPageOpa) {
                page->setPageColorGrad1A(value);
                page->setPageColorGrad2A(value);
            }
            (page->*key.set)(value);
            return true;
        }
        for (const PageKey &key : pageAnimKeys) {
            if (name == QLatin1String(key.name)) {
                (page->*key.set)(readInt(r));
                return true;
            }
        }
        return false;
    }

    void readWidget(int page)
    {
        const QStringRef typeText = r.attributes().value(QLatin1String("ClassName"));
        const int type = toInt(typeText);
        if (type < 0 || type > 9) {
            r.skipCurrentElement();
            return;
        }
        QMyWidget *widget = t.createWidget(type, t.widgetCount(page) + 1);
        if (!widget) {
            r.skipCurrentElement();
            return;
        }
        const QHash<QString, WidgetKeyRule> &rules = widgetKeyRules();
        QPoint pos(0, 0);
        while (r.readNextStartElement()) {
            const QStringRef name = r.name();
            if (readEventElement(r, widget->eventHolder(), type))
                continue;
            const QString key = name.toString();
            const auto rule = rules.constFind(key);
            if (rule == rules.constEnd()) {
                r.skipCurrentElement();
                continue;
            }
            const QString text = readText(r);
            switch (rule->kind) {
            case WidgetKeyRule::Plain:
                widget->setFileValue(key, text);
                break;
            case WidgetKeyRule::Id:
                widget->setId(toInt(text));
                break;
            case WidgetKeyRule::X:
                pos.setX(toInt(text));
                break;
            case WidgetKeyRule::Y:
                pos.setY(toInt(text));
                break;
            case WidgetKeyRule::Image: {
                const int value = toInt(text);
                widget->setIntValue(key, value >= imageCount ? -1 : value);
                break;
            }
            case WidgetKeyRule::Opacity: {
                const int value = toInt(text);
                widget->setIntValue(rule->alpha1, value);
                if (!rule->alpha2.isEmpty())
                    widget->setIntValue(rule->alpha2, value);
                widget->setIntValue(key, value);
                break;
            }
            }
        }
        t.addWidget(page, widget, pos);
    }

    bool readBootKey(BootParam *boot, const QStringRef &name)
    {
        for (const BootKey &key : bootKeys) {
            if (name == QLatin1String(key.name)) {
                const int value = readInt(r);
                if (boot)
                    key.set(*boot, value);
                return true;
            }
        }
        return false;
    }

    QXmlStreamReader &r;
    ProjectLoadTarget &t;
    const int imageCount;
    int savedPage = 0;
};

// Reads the file's bytes through a device, so that the reader decodes them piece by piece
// instead of holding the whole text decoded at once.
struct ContentReader
{
    explicit ContentReader(const QByteArray &content)
    {
        buffer.setData(content);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    }
    QBuffer buffer;
    QXmlStreamReader reader;
};

// ---- rewriting ----

void appendText(QDomDocument &doc, QDomNode &parent, const QString &text, bool cdata)
{
    if (!cdata) {
        QDomNode last = parent.lastChild();
        if (last.isText() && !last.isCDATASection()) {
            last.setNodeValue(last.nodeValue() + text);
            return;
        }
        parent.appendChild(doc.createTextNode(text));
    } else {
        parent.appendChild(doc.createCDATASection(text));
    }
}

bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')
            && c != QLatin1Char('\r'))
            return false;
    }
    return true;
}

// Line breaks and indentation between child elements are layout, not content; a value
// made of white space alone is content.
void dropLayoutText(QDomElement &element)
{
    bool hasElements = false;
    for (QDomNode n = element.firstChild(); !n.isNull(); n = n.nextSibling())
        hasElements = hasElements || n.isElement();
    if (!hasElements)
        return;
    QDomNode n = element.firstChild();
    while (!n.isNull()) {
        QDomNode next = n.nextSibling();
        if (n.isText() && !n.isCDATASection() && isBlank(n.nodeValue()))
            element.removeChild(n);
        n = next;
    }
}

// A document built from the file with the value white space the DOM parser would drop.
bool parseDocument(const QByteArray &content, QDomDocument *doc, QString *error)
{
    QXmlStreamReader reader(content);
    reader.setNamespaceProcessing(false);
    *doc = QDomDocument();
    doc->createComment(QString()); // gives the empty document its node
    QDomNode current = *doc;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!reader.documentVersion().isEmpty()) {
                QString data = QStringLiteral("version=\"%1\"").arg(reader.documentVersion());
                if (!reader.documentEncoding().isEmpty())
                    data += QStringLiteral(" encoding=\"%1\"").arg(reader.documentEncoding());
                if (reader.isStandaloneDocument())
                    data += QStringLiteral(" standalone=\"yes\"");
                doc->appendChild(doc->createProcessingInstruction(QStringLiteral("xml"), data));
            }
            break;
        case QXmlStreamReader::StartElement: {
            QDomElement element = doc->createElement(reader.qualifiedName().toString());
            for (const QXmlStreamAttribute &a : reader.attributes())
                element.setAttribute(a.qualifiedName().toString(), a.value().toString());
            current.appendChild(element);
            current = element;
            break;
        }
        case QXmlStreamReader::EndElement: {
            QDomElement element = current.toElement();
            dropLayoutText(element);
            current = current.parentNode();
            break;
        }
        case QXmlStreamReader::Characters:
            if (!current.isDocument())
                appendText(*doc, current, reader.text().toString(), reader.isCDATA());
            break;
        case QXmlStreamReader::Comment:
            current.appendChild(doc->createComment(reader.text().toString()));
            break;
        case QXmlStreamReader::ProcessingInstruction:
            current.appendChild(
                doc->createProcessingInstruction(reader.processingInstructionTarget().toString(),
                                                 reader.processingInstructionData().toString()));
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        if (error)
            *error = QStringLiteral("line %1, column %2: %3")
                         .arg(reader.lineNumber())
                         .arg(reader.columnNumber())
                         .arg(reader.errorString());
        return false;
    }
    return true;
}

// Gives empty elements without attributes an empty text, so that they are written as
// <name></name> like every text element of the writer.
void restoreEmptyTexts(QDomDocument &doc, QDomNode node)
{
    for (QDomNode n = node.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (!n.isElement())
            continue;
        if (!n.hasChildNodes() && !n.hasAttributes())
            n.appendChild(doc.createTextNode(QString()));
        else
            restoreEmptyTexts(doc, n);
    }
}

bool readWholeFile(const QString &path, QByteArray *content, QString *error)
{
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        if (error)
            *error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    if (info.isDir()) {
        if (error)
            *error = QStringLiteral("%1: is a folder").arg(path);
        return false;
    }
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
    return true;
}

} // namespace

void ProjectFile::writeDesign(ProjectXmlWriter &xml, const Frame &frame, const BootParam &boot,
                              const QList<TimerParam *> &timers, const QList<PageParam *> &pages,
                              const QList<QList<QMyWidget *> *> &widgets)
{
    xml.beginElement(QStringLiteral("ui"));

    xml.beginElement(QStringLiteral("frame"), QStringLiteral("frame"), QStringLiteral("frame"));
    xml.textElement(QStringLiteral("frameW"), frame.frameW);
    xml.textElement(QStringLiteral("frameH"), frame.frameH);
    xml.textElement(QStringLiteral("screenType"), frame.screenType);
    xml.textElement(QStringLiteral("modelType"), frame.modelType);
    xml.textElement(QStringLiteral("dpi"), frame.dpi);
    xml.textElement(QStringLiteral("baud"), frame.baud);
    xml.textElement(QStringLiteral("blValue"), frame.blValue);
    xml.textElement(QStringLiteral("currentPageNum"), frame.currentPageNum);
    for (const auto &element : bootElements(boot))
        xml.textElement(element.first, element.second);
    xml.endElement();

    for (int i = 0; i < TimerCount && i < timers.size(); ++i) {
        const TimerParam *timer = timers.at(i);
        xml.beginElement(QStringLiteral("timer"), QStringLiteral("timer"),
                         QString::number(timer->timerID()));
        for (const TimerKey &key : timerKeys)
            xml.textElement(QLatin1String(key.name), (timer->*key.get)());
        writeEventBlock(xml, timer->eventHolder());
        xml.endElement();
    }

    for (int i = 0; i < pages.size() && i < widgets.size(); ++i) {
        const PageParam *page = pages.at(i);
        xml.beginElement(QStringLiteral("page"), QStringLiteral("pageid"), QString::number(i + 1));
        for (const PageKey &key : pageLookKeys)
            xml.attributeElement(QLatin1String(key.name), (page->*key.get)());
        for (const PageKey &key : pageAnimKeys)
            xml.textElement(QLatin1String(key.name), (page->*key.get)());
        xml.textElement(QStringLiteral("pageName"), page->pageName());
        writeEventBlock(xml, page->eventHolder());
        if (const QList<QMyWidget *> *list = widgets.at(i)) {
            for (const QMyWidget *widget : *list)
                writeWidget(xml, widget);
        }
        xml.endElement();
    }

    xml.endElement();
}

QByteArray ProjectFile::serialize(const Frame &frame, const BootParam &boot,
                                  const QList<TimerParam *> &timers,
                                  const QList<PageParam *> &pages,
                                  const QList<QList<QMyWidget *> *> &widgets)
{
    ProjectXmlWriter xml;
    int widgetCount = 0;
    for (const QList<QMyWidget *> *list : widgets)
        widgetCount += list ? list->size() : 0;
    // About 20 KB per widget; one allocation instead of many regrowths.
    xml.reserve(int(qMin<qint64>((64 << 10) + qint64(widgetCount) * 21000, 1 << 30)));
    writeDesign(xml, frame, boot, timers, pages, widgets);
    return xml.data();
}

bool ProjectFile::save(const QString &path, const Frame &frame, const BootParam &boot,
                       const QList<TimerParam *> &timers, const QList<PageParam *> &pages,
                       const QList<QList<QMyWidget *> *> &widgets, QString *error)
{
    if (!isWritable(path, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    // Written in pieces into the new file, which replaces the old one only when complete.
    ProjectXmlWriter xml(&file);
    writeDesign(xml, frame, boot, timers, pages, widgets);
    if (!xml.finish()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ProjectFile::isWritable(const QString &path, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no project file");
        return false;
    }
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        if (error)
            *error = QStringLiteral("%1: the folder does not exist").arg(path);
        return false;
    }
    if (info.isDir()) {
        if (error)
            *error = QStringLiteral("%1: is a folder").arg(path);
        return false;
    }
    // A file without write permission is protected, also from a user who could
    // override the permission.
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & writeBits))) {
        if (error)
            *error = QStringLiteral("%1: the file is write-protected").arg(path);
        return false;
    }
    return true;
}

bool ProjectFile::writeFile(const QString &path, const QByteArray &content, QString *error)
{
    if (!isWritable(path, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(content) != content.size()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ProjectFile::read(const QString &path)
{
    m_valid = false;
    m_content.clear();
    QByteArray content;
    if (!readWholeFile(path, &content, &m_error))
        return false;
    return setContent(content);
}

bool ProjectFile::setContent(const QByteArray &content)
{
    m_valid = false;
    m_error.clear();
    ContentReader source(content);
    QXmlStreamReader &reader = source.reader;
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        m_error = QStringLiteral("line %1, column %2: %3")
                      .arg(reader.lineNumber())
                      .arg(reader.columnNumber())
                      .arg(reader.errorString());
        m_content.clear();
        return false;
    }
    m_content = content;
    m_valid = true;
    return true;
}

bool ProjectFile::modelType(int *series) const
{
    if (!m_valid)
        return false;
    ContentReader source(m_content);
    QXmlStreamReader &reader = source.reader;
    bool found = false;
    if (!reader.readNextStartElement())
        return false;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("frame")) {
            reader.skipCurrentElement();
            continue;
        }
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("modelType")) {
                *series = readInt(reader);
                found = true;
            } else {
                reader.skipCurrentElement();
            }
        }
    }
    return found;
}

void ProjectFile::load(ProjectLoadTarget &target) const
{
    if (!m_valid)
        return;
    ContentReader source(m_content);
    Loader(source.reader, target).run();
}

bool ProjectFile::rewriteFrameElements(const QString &path, const Elements &values, QString *error)
{
    QByteArray content;
    if (!readWholeFile(path, &content, error))
        return false;
    if (!isWritable(path, error))
        return false;
    QDomDocument doc;
    if (!parseDocument(content, &doc, error))
        return false;

    QHash<QString, QString> byName;
    for (const auto &value : values)
        byName.insert(value.first, ProjectXmlWriter::cleanText(value.second));
    const QDomElement root = doc.documentElement();
    for (QDomNode frame = root.firstChild(); !frame.isNull(); frame = frame.nextSibling()) {
        if (!frame.isElement() || frame.toElement().tagName() != QLatin1String("frame"))
            continue;
        for (QDomNode child = frame.firstChild(); !child.isNull(); child = child.nextSibling()) {
            if (!child.isElement())
                continue;
            const auto value = byName.constFind(child.toElement().tagName());
            // Only an element's first child is rewritten; an empty element stays empty.
            if (value != byName.constEnd() && child.hasChildNodes())
                child.firstChild().setNodeValue(*value);
        }
    }

    restoreEmptyTexts(doc, doc);
    QByteArray out;
    {
        QTextStream stream(&out);
        doc.save(stream, 4, QDomNode::EncodingFromDocument);
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
