#include "projectcontent.h"

#include "designdocument.h"
#include "drawgeometry.h"
#include "eventholder.h"
#include "projectkeys.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QHash>
#include <QXmlStreamReader>

#include <cstring>

using namespace ProjectKeys;

namespace {

constexpr int TimerCount = DesignDocument::TimerCount;
constexpr int SlotCount = EventHolder::SlotCount;

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
    // Places in QMyWidget::fileKeys(); -1 for none.
    int key = -1;
    int alpha1 = -1;
    int alpha2 = -1;
};

// The rules in the order the writer writes the keys, and their index by element name.
struct WidgetKeyRules
{
    QVector<WidgetKeyRule> rules;
    QStringList names;
    QHash<QStringRef, int> byName;
};

const WidgetKeyRules &widgetKeyRules()
{
    static const WidgetKeyRules all = [] {
        WidgetKeyRules r;
        const QStringList &keys = QMyWidget::fileKeys();
        for (const QString &key : keys) {
            WidgetKeyRule rule;
            rule.key = r.rules.size();
            if (QMyWidget::isTextKey(key))
                rule.kind = WidgetKeyRule::Text;
            r.rules.append(rule);
            r.names.append(key);
        }
        const auto rule = [&r](const QString &name) -> WidgetKeyRule & {
            const int at = r.names.indexOf(name);
            if (at >= 0)
                return r.rules[at];
            // A key no widget has: its value changes nothing.
            r.rules.append(WidgetKeyRule());
            r.names.append(name);
            return r.rules.last();
        };
        rule(QStringLiteral("id")).kind = WidgetKeyRule::Id;
        rule(QStringLiteral("x")).kind = WidgetKeyRule::X;
        rule(QStringLiteral("y")).kind = WidgetKeyRule::Y;
        rule(QStringLiteral("w")).kind = WidgetKeyRule::Size;
        rule(QStringLiteral("h")).kind = WidgetKeyRule::Size;
        for (const OpacityKey &o : opacityKeys) {
            WidgetKeyRule &opacity = rule(QLatin1String(o.name));
            opacity.kind = WidgetKeyRule::Opacity;
            opacity.alpha1 = keys.indexOf(QLatin1String(o.alpha1));
            if (o.alpha2)
                opacity.alpha2 = keys.indexOf(QLatin1String(o.alpha2));
        }
        for (int i = 0; i < r.names.size(); ++i)
            r.byName.insert(QStringRef(&r.names.at(i)), i);
        return r;
    }();
    return all;
}

// The reader's integer rule, without the general conversion for plain short numbers.
int toInt(const QChar *c, int size)
{
    if (size > 0 && size <= 9) {
        const bool sign = c[0] == QLatin1Char('-') || c[0] == QLatin1Char('+');
        int value = 0;
        int i = sign ? 1 : 0;
        for (; i < size; ++i) {
            const ushort digit = c[i].unicode() - '0';
            if (digit > 9)
                break;
            value = value * 10 + digit;
        }
        if (i == size && size > (sign ? 1 : 0))
            return c[0] == QLatin1Char('-') ? -value : value;
    }
    const QString text = QString::fromRawData(c, size);
    return ProjectDocument::toInt(QStringRef(&text));
}

int toInt(const QString &text)
{
    return toInt(text.unicode(), text.size());
}

int toInt(const QStringRef &text)
{
    return ProjectDocument::toInt(text);
}

bool sameName(const QStringRef &name, const QString &key)
{
    return name.size() == key.size()
        && std::memcmp(name.unicode(), key.unicode(), size_t(key.size()) * sizeof(QChar)) == 0;
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

// Which field of an event an element names: -1 the type, -2 the catalogue index, 0 and up
// a parameter; -3 none.
int eventField(const QStringRef &name)
{
    if (name == QLatin1String("EventType"))
        return -1;
    if (name == QLatin1String("UserType"))
        return -2;
    const int param = suffixIndex(name, QLatin1String("EventParam"), 0, EventInfo::ParamCount - 1);
    return param >= 0 ? param : -3;
}

// Which code slot an element names: 0 and up a status, SlotCount and up a text; -1 none.
int slotField(const QStringRef &name)
{
    const int status = suffixIndex(name, QLatin1String("EventStatus"), 0, SlotCount - 1);
    if (status >= 0)
        return status;
    const int text = suffixIndex(name, QLatin1String("EventText"), 0, SlotCount - 1);
    return text >= 0 ? SlotCount + text : -1;
}

} // namespace

ProjectContent::ProjectContent() = default;

ProjectContent::~ProjectContent() = default;

void ProjectContent::clear()
{
    m_frames.clear();
    m_timers.clear();
    m_pages.clear();
    m_open.clear();
    m_valueOf = ValueOf::None;
    m_valueDepth = -1;
    m_value = std::u16string();
    m_events = nullptr;
}

void ProjectContent::Events::applyTo(EventHolder &holder) const
{
    for (const EventInfo &event : events)
        holder.append(event);
    for (const Slot &slot : slotChanges) {
        if (slot.isText)
            holder.setText(slot.key, slot.text);
        else
            holder.setStatus(slot.key, slot.status);
    }
}

// ---- reading ----

void ProjectContent::startElement(int depth, const QStringRef &name, const QXmlStreamReader &reader)
{
    // The root has no parent; below it an element belongs to what its parent is.
    const Context parent = depth == 0 ? Context::Skip : m_open.back();
    Context context = depth == 0 ? Context::Root : Context::Skip;
    switch (parent) {
    case Context::Root:
        if (name == QLatin1String("frame")) {
            m_frames.emplace_back();
            context = Context::Frame;
        } else if (name == QLatin1String("timer")) {
            Timer timer;
            timer.index = toInt(reader.attributes().value(QLatin1String("timer")));
            m_timers.push_back(timer);
            context = Context::Timer;
        } else if (name == QLatin1String("page")) {
            Page page;
            page.pageId = toInt(reader.attributes().value(QLatin1String("pageid")));
            m_pages.push_back(std::move(page));
            context = Context::Page;
        }
        break;
    case Context::Frame:
        context = beginValue(ValueOf::Frame, depth, 0, name);
        break;
    case Context::Timer: {
        Timer &timer = m_timers.back();
        const int owner = timer.index == DesignDocument::SleepTimer ? EventInfo::SleepTimerOwner
                                                                    : EventInfo::TimerOwner;
        context = eventsChild(name, &timer.events, owner);
        if (context == Context::Skip)
            context = beginValue(ValueOf::Timer, depth, 0, name);
        break;
    }
    case Context::Page:
        context = pageChild(depth, name, reader);
        break;
    case Context::Widget:
        context = widgetChild(depth, name);
        break;
    case Context::Event: {
        const int field = eventField(name);
        if (field > -3)
            context = beginValue(ValueOf::EventKey, depth, field);
        break;
    }
    case Context::Slots: {
        const int field = slotField(name);
        if (field >= 0)
            context = beginValue(ValueOf::SlotKey, depth, field);
        break;
    }
    case Context::Skip:
    case Context::Value:
        // Inside a value only the text counts.
        break;
    }
    m_open.append(context);
}

ProjectContent::Context ProjectContent::eventsChild(const QStringRef &name, Events *events,
                                                    int ownerKind)
{
    if (name.size() == 9 && name == QLatin1String("EventName")) {
        // A hand-edited file may lack either; the writer always writes both.
        m_event = EventInfo();
        m_event.setType(0);
        m_event.setUserType(-1);
        m_eventOwner = ownerKind;
        m_events = events;
        return Context::Event;
    }
    if (name.size() == 12 && name == QLatin1String("EventContent")) {
        m_events = events;
        return Context::Slots;
    }
    return Context::Skip;
}

ProjectContent::Context ProjectContent::pageChild(int depth, const QStringRef &name,
                                                  const QXmlStreamReader &reader)
{
    Page &page = m_pages.back();
    if (name == QLatin1String("ClassName")) {
        const std::optional<WidgetType> type =
            widgetTypeFromCode(toInt(reader.attributes().value(QLatin1String("ClassName"))));
        if (!type)
            return Context::Skip;
        const size_t hint = page.widgets.empty() ? 0 : page.widgets.back().values.size();
        page.widgets.emplace_back();
        page.widgets.back().type = *type;
        page.widgets.back().values.reserve(hint);
        m_nextRule = 0;
        return Context::Widget;
    }
    const Context events = eventsChild(name, &page.events, EventInfo::PageOwner);
    if (events != Context::Skip)
        return events;
    if (name == QLatin1String("pageName"))
        return beginValue(ValueOf::PageName, depth);
    // The look is kept in an attribute of the element's own name, whatever its text.
    for (const PageKey &key : pageLookKeys) {
        if (name == QLatin1String(key.name)) {
            page.keys.append(
                {&key, true, toInt(reader.attributes().value(QLatin1String(key.name)))});
            return Context::Skip;
        }
    }
    for (const PageKey &key : pageAnimKeys) {
        if (name == QLatin1String(key.name))
            return beginValue(ValueOf::PageAnim, depth, int(&key - pageAnimKeys));
    }
    return Context::Skip;
}

ProjectContent::Context ProjectContent::widgetChild(int depth, const QStringRef &name)
{
    // Keys come in the writer's order: the one after the last is tried first. No key is
    // named like an event block.
    const WidgetKeyRules &all = widgetKeyRules();
    int rule = m_nextRule;
    if (rule >= all.names.size() || !sameName(name, all.names.at(rule))) {
        Widget &widget = m_pages.back().widgets.back();
        const Context events = eventsChild(name, &widget.events, widgetTypeCode(widget.type));
        if (events != Context::Skip)
            return events;
        rule = all.byName.value(name, -1);
        if (rule < 0)
            return Context::Skip;
    }
    m_nextRule = rule + 1;
    const bool text = all.rules.at(rule).kind == WidgetKeyRule::Text;
    return beginValue(text ? ValueOf::WidgetText : ValueOf::WidgetNumber, depth, rule);
}

ProjectContent::Context ProjectContent::beginValue(ValueOf what, int depth, int index,
                                                   const QStringRef &name)
{
    m_valueOf = what;
    m_valueDepth = depth;
    m_valueIndex = index;
    m_value.clear();
    if (what == ValueOf::Frame || what == ValueOf::Timer)
        m_valueName = name.toString();
    return Context::Value;
}

void ProjectContent::characters(const QStringRef &text)
{
    if (m_valueOf != ValueOf::None)
        m_value.append(reinterpret_cast<const char16_t *>(text.unicode()), size_t(text.size()));
}

void ProjectContent::endElement(int depth)
{
    const Context closed = m_open.back();
    m_open.removeLast();
    if (closed == Context::Value && depth == m_valueDepth) {
        endValue();
    } else if (closed == Context::Event) {
        m_event.setOwnerType(m_eventOwner);
        m_events->events.append(m_event);
    }
}

void ProjectContent::endValue()
{
    const ValueOf what = m_valueOf;
    m_valueOf = ValueOf::None;
    m_valueDepth = -1;
    const QChar *chars = reinterpret_cast<const QChar *>(m_value.data());
    const int size = int(m_value.size());
    const auto text = [chars, size] { return QString(chars, size); };
    const auto number = [chars, size] { return toInt(chars, size); };
    switch (what) {
    case ValueOf::None:
        break;
    case ValueOf::Frame:
        m_frames.back().values.append({m_valueName, text()});
        break;
    case ValueOf::Timer:
        m_timers.back().values.append({m_valueName, text()});
        break;
    case ValueOf::PageName:
        m_pages.back().names.append(text());
        break;
    case ValueOf::PageAnim:
        m_pages.back().keys.append({&pageAnimKeys[m_valueIndex], false, number()});
        break;
    case ValueOf::WidgetText: {
        Widget &widget = m_pages.back().widgets.back();
        widget.texts.push_back(text());
        widget.values.push_back({m_valueIndex, int(widget.texts.size()) - 1});
        break;
    }
    case ValueOf::WidgetNumber:
        m_pages.back().widgets.back().values.push_back({m_valueIndex, number()});
        break;
    case ValueOf::EventKey:
        if (m_valueIndex == -1)
            m_event.setType(number());
        else if (m_valueIndex == -2)
            m_event.setUserType(number());
        else
            m_event.setParam(m_valueIndex, text());
        break;
    case ValueOf::SlotKey:
        if (m_valueIndex < SlotCount)
            m_events->slotChanges.append({m_valueIndex, false, number(), QString()});
        else
            m_events->slotChanges.append({m_valueIndex - SlotCount, true, 0, text()});
        break;
    }
    // A long text is not kept around for the short ones that follow.
    if (m_value.capacity() > (1 << 16))
        m_value = std::u16string();
}

// ---- what the frames say ----

bool ProjectContent::modelType(int *series) const
{
    bool found = false;
    for (const Frame &frame : m_frames) {
        for (const Value &value : frame.values) {
            if (value.name == QLatin1String("modelType")) {
                *series = toInt(value.text);
                found = true;
            }
        }
    }
    return found;
}

bool ProjectContent::hasUsableFrame() const
{
    for (const Frame &frame : m_frames) {
        // The last of each counts.
        int width = 0;
        int height = 0;
        for (const Value &value : frame.values) {
            if (value.name == QLatin1String("frameW"))
                width = toInt(value.text);
            else if (value.name == QLatin1String("frameH"))
                height = toInt(value.text);
        }
        if (width > 0 && height > 0)
            return true;
    }
    return false;
}

// ---- giving it to the design ----

void ProjectContent::apply(DesignDocument &design, QWidget *widgetParent)
{
    // What the file does not say is what a new design has, never what the design before
    // it had.
    design.resetTimers();
    design.boot().reset();
    int savedPage = 0;
    for (const Frame &frame : m_frames)
        applyFrame(design, frame, &savedPage);
    for (const Timer &timer : m_timers)
        applyTimer(design, timer);
    // A hand-edited page number is brought into the pages there will be. The page is the
    // current one before its widgets come, so that those of the other pages are never shown.
    const int pages = design.pageCount() + int(m_pages.size());
    design.setCurrentPage(pages == 0 ? 0 : qBound(0, savedPage, pages - 1));
    for (Page &page : m_pages)
        applyPage(design, page, widgetParent);
    m_pages.clear();
}

void ProjectContent::applyFrame(DesignDocument &design, const Frame &frame, int *savedPage) const
{
    int width = 0;
    int height = 0;
    int screenType = 0;
    int series = 0;
    for (const Value &value : frame.values) {
        const QString &name = value.name;
        if (name == QLatin1String("frameW")) {
            width = toInt(value.text);
        } else if (name == QLatin1String("frameH")) {
            height = toInt(value.text);
        } else if (name == QLatin1String("screenType")) {
            screenType = toInt(value.text);
        } else if (name == QLatin1String("modelType")) {
            series = toInt(value.text);
            design.setModelType(series);
        } else if (name == QLatin1String("dpi")) {
            design.setResolution(value.text);
        } else if (name == QLatin1String("baud")) {
            design.setBaud(value.text);
        } else if (name == QLatin1String("blValue")) {
            design.setBacklight(toInt(value.text));
        } else if (name == QLatin1String("currentPageNum")) {
            *savedPage = toInt(value.text);
        } else {
            for (const BootKey &key : bootKeys) {
                if (name == QLatin1String(key.name)) {
                    key.set(design.boot(), toInt(value.text));
                    break;
                }
            }
        }
    }
    if (width > 0 && height > 0) {
        design.setScreenType(screenType);
        design.setModelType(series);
        design.setFrameSize(QSize(width, height));
    }
}

void ProjectContent::applyTimer(DesignDocument &design, const Timer &record) const
{
    TimerParam *timer =
        record.index >= 0 && record.index < TimerCount ? design.timer(record.index) : nullptr;
    if (!timer)
        return;
    for (const Value &value : record.values) {
        // A timer is the one at its place: a differing number in the file is not its id.
        if (value.name == QLatin1String("timerID"))
            continue;
        for (const TimerKey &key : timerKeys) {
            if (value.name == QLatin1String(key.name)) {
                (timer->*key.set)(toInt(value.text));
                break;
            }
        }
    }
    record.events.applyTo(timer->eventHolder());
}

void ProjectContent::applyPage(DesignDocument &design, Page &page, QWidget *widgetParent) const
{
    const int added = design.addPage();
    // A page number that names no page so far applies to the page just added.
    const qint64 named = qint64(page.pageId) - 1;
    const int index = named >= 0 && named < design.pageCount() ? int(named) : added;
    PageParam *record = design.page(index);
    if (!record)
        return;
    for (const PageValue &value : qAsConst(page.keys)) {
        if (value.look && value.key->set == &PageParam::setPageOpa) {
            record->setPageColorGrad1A(value.value);
            record->setPageColorGrad2A(value.value);
        }
        (record->*value.key->set)(value.value);
    }
    for (const QString &name : qAsConst(page.names))
        design.setPageName(index, name);
    page.events.applyTo(record->eventHolder());
    for (const Widget &widget : page.widgets)
        applyWidget(design, index, widget, widgetParent);
    // The records have done their part.
    page.widgets = {};
}

void ProjectContent::applyWidget(DesignDocument &design, int page, const Widget &record,
                                 QWidget *widgetParent) const
{
    QMyWidget *widget =
        QMyWidgetFactory::create(record.type, design.widgets(page).size() + 1, widgetParent);
    if (!widget)
        return;
    const QVector<WidgetKeyRule> &rules = widgetKeyRules().rules;
    QPoint pos(0, 0);
    for (const WidgetValue &value : record.values) {
        const WidgetKeyRule &rule = rules.at(value.rule);
        switch (rule.kind) {
        case WidgetKeyRule::Plain:
            widget->setIntValueAt(rule.key, value.value);
            break;
        case WidgetKeyRule::Text:
            widget->setFileValueAt(rule.key, record.texts[size_t(value.value)]);
            break;
        case WidgetKeyRule::Id:
            widget->setId(value.value);
            break;
        case WidgetKeyRule::X:
            pos.setX(DrawGeometry::clampCoord(value.value));
            break;
        case WidgetKeyRule::Y:
            pos.setY(DrawGeometry::clampCoord(value.value));
            break;
        case WidgetKeyRule::Size:
            widget->setIntValueAt(rule.key, DrawGeometry::clampCoord(value.value));
            break;
        case WidgetKeyRule::Opacity:
            widget->setIntValueAt(rule.alpha1, value.value);
            widget->setIntValueAt(rule.alpha2, value.value);
            widget->setIntValueAt(rule.key, value.value);
            break;
        }
    }
    record.events.applyTo(widget->eventHolder());
    widget->setPos(pos.x(), pos.y());
    design.addWidget(page, widget);
}
