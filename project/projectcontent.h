#ifndef PROJECTCONTENT_H
#define PROJECTCONTENT_H

#include "eventinfo.h"
#include "projectdocument.h"
#include "widgettype.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

#include <string>
#include <vector>

class DesignDocument;
class EventHolder;
class QWidget;

namespace ProjectKeys {
struct PageKey;
}

// What a project file holds for a design, taken from the file while it is read and kept
// until the design takes it: the frame and timer blocks as they came, the pages with their
// widgets as records of the values to give them. Nothing of the design changes while a
// file is read, so a file that turns out to be unreadable leaves the design as it was.
class ProjectContent : public ProjectDocument::Handler
{
public:
    ProjectContent();
    ~ProjectContent() override;

    void clear();

    // The module series of the frame blocks: every `modelType` of one counts, the last
    // one wins. False when they name none.
    bool modelType(int *series) const;
    // Whether a frame block gives the canvas a width and a height above 0.
    bool hasUsableFrame() const;
    // Adds what was read to the design, in file order: its timers and boot settings
    // replace the design's, its frame settings are taken as they come, its pages are
    // appended (widgets made as children of widgetParent) and the page the file saved as
    // shown becomes the current one. The pages are handed over: a second call adds none.
    void apply(DesignDocument &design, QWidget *widgetParent);

    void startElement(int depth, const QStringRef &name, const QXmlStreamReader &reader) override;
    void characters(const QStringRef &text) override;
    void endElement(int depth) override;

private:
    // A key of a frame or timer block with its text.
    struct Value
    {
        QString name;
        QString text;
    };
    struct Slot
    {
        int key;
        bool isText;
        int status;
        QString text;
    };
    // The events of a holder and the changes of its five code slots, in file order.
    struct Events
    {
        QList<EventInfo> events;
        QVector<Slot> slotChanges;
        void applyTo(EventHolder &holder) const;
    };
    struct Frame
    {
        QVector<Value> values;
    };
    struct Timer
    {
        int index = 0;
        QVector<Value> values;
        Events events;
    };
    // One widget key: the index of its rule and its number, or for a text the index of
    // the text.
    struct WidgetValue
    {
        int rule;
        int value;
    };
    struct Widget
    {
        WidgetType type;
        std::vector<WidgetValue> values;
        std::vector<QString> texts;
        Events events;
    };
    struct PageValue
    {
        const ProjectKeys::PageKey *key;
        bool look;
        int value;
    };
    struct Page
    {
        int pageId = 0;
        QVector<PageValue> keys;
        QStringList names;
        Events events;
        std::vector<Widget> widgets;
    };

    // What the element being read belongs to.
    enum class Context { Skip, Root, Frame, Timer, Page, Widget, Event, Slots, Value };
    // What the value being read is.
    enum class ValueOf {
        None,
        Frame,
        Timer,
        PageName,
        PageAnim,
        WidgetText,
        WidgetNumber,
        EventKey,
        SlotKey
    };

    Context pageChild(int depth, const QStringRef &name, const QXmlStreamReader &reader);
    Context widgetChild(int depth, const QStringRef &name);
    Context eventsChild(const QStringRef &name, Events *events, int ownerKind);
    Context beginValue(ValueOf what, int depth, int index = 0, const QStringRef &name = {});
    void endValue();

    void applyFrame(DesignDocument &design, const Frame &frame, int *savedPage) const;
    void applyTimer(DesignDocument &design, const Timer &timer) const;
    void applyPage(DesignDocument &design, Page &page, QWidget *widgetParent) const;
    void applyWidget(DesignDocument &design, int page, const Widget &record,
                     QWidget *widgetParent) const;

    std::vector<Frame> m_frames;
    std::vector<Timer> m_timers;
    std::vector<Page> m_pages;

    // The reading: what each open element belongs to, the value being read with its text,
    // and the event being read with the holder it goes to.
    QVarLengthArray<Context, ProjectDocument::MaxDepth> m_open;
    ValueOf m_valueOf = ValueOf::None;
    int m_valueDepth = -1;
    int m_valueIndex = 0;
    QString m_valueName;
    std::u16string m_value;
    EventInfo m_event;
    int m_eventOwner = 0;
    Events *m_events = nullptr;
    // The widget key expected next.
    int m_nextRule = 0;
};

#endif // PROJECTCONTENT_H
