#ifndef RECORDEVENTOWNER_H
#define RECORDEVENTOWNER_H

#include "eventowner.h"

// The event accessors that the page and the timer records share by name.
class RecordEventOwner : public EventOwner
{
public:
    QList<EventInfo> events() const { return m_events.events(); }
    void appendEvent(const EventInfo &event) { m_events.append(event); }
    void removeEvent(int index) { m_events.remove(index); }
    void replaceEvent(int index, int param, const QString &value)
    {
        m_events.replace(index, param, value);
    }
    int eventStatus(int key) const { return m_events.status(key); }
    QString eventText(int key) const { return m_events.text(key); }
    void setEventStatus(int key, int status) { m_events.setStatus(key, status); }
    void setEventText(int key, const QString &text) { m_events.setText(key, text); }
    bool setEventContent(int key, int status, const QString &text)
    {
        return m_events.setContent(key, status, text);
    }

protected:
    RecordEventOwner() = default;
    ~RecordEventOwner() = default;
};

#endif // RECORDEVENTOWNER_H
