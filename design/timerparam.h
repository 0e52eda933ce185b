#ifndef TIMERPARAM_H
#define TIMERPARAM_H

#include "eventholder.h"

// One of the nine design timers of a project (8 is the sleep timer): its settings,
// events and event slots.
class TimerParam
{
public:
    TimerParam();

    void reset();

    int timerID() const { return m_timerID; }
    void setTimerID(int value) { m_timerID = value; }
    int timerOneTime() const { return m_timerOneTime; }
    void setTimerOneTime(int value) { m_timerOneTime = value; }
    int timerTime() const { return m_timerTime; }
    void setTimerTime(int value) { m_timerTime = value; }
    int timerEnable() const { return m_timerEnable; }
    void setTimerEnable(int value) { m_timerEnable = value; }
    int timerVal() const { return m_timerVal; }
    void setTimerVal(int value) { m_timerVal = value; }

    // The events and event slots, handled alike for every kind of holder.
    EventHolder &eventHolder() { return m_events; }
    const EventHolder &eventHolder() const { return m_events; }
    QList<EventInfo> events() const { return m_events.events(); }
    void appendEvent(const EventInfo &event) { m_events.append(event); }
    void removeEvent(int index) { m_events.remove(index); }
    void replaceEvent(int index, int param, const QString &value);
    int eventStatus(int key) const { return m_events.status(key); }
    QString eventText(int key) const { return m_events.text(key); }
    void setEventStatus(int key, int status) { m_events.setStatus(key, status); }
    void setEventText(int key, const QString &text) { m_events.setText(key, text); }
    bool setEventContent(int key, int status, const QString &text);

private:
    int m_timerID;
    int m_timerOneTime;
    int m_timerTime;
    int m_timerEnable;
    int m_timerVal;
    EventHolder m_events;
};

#endif // TIMERPARAM_H
