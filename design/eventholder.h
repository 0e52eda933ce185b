#ifndef EVENTHOLDER_H
#define EVENTHOLDER_H

#include "eventinfo.h"

#include <QList>
#include <QMap>
#include <QString>

// The events of a page, a timer or a widget together with its five hand-written code
// slots. The three owners forward to one holder so that they behave alike.
class EventHolder
{
public:
    static constexpr int SlotCount = 5;

    EventHolder();

    QList<EventInfo> events() const { return m_events; }
    int eventCount() const { return m_events.size(); }
    void append(const EventInfo &event);
    void remove(int index);
    void replace(int index, int param, const QString &value);

    int status(int key) const;
    QString text(int key) const;
    void setStatus(int key, int status);
    void setText(int key, const QString &text);
    bool setContent(int key, int status, const QString &text);

    // Appends copies of the source's events and takes over its five slots.
    void copyFrom(const EventHolder &source);

    // Drops every event and gives back the five empty slots.
    void reset();

private:
    QList<EventInfo> m_events;
    QMap<int, int> m_status;
    QMap<int, QString> m_text;
};

#endif // EVENTHOLDER_H
