#ifndef TIMERPARAM_H
#define TIMERPARAM_H

#include "recordeventowner.h"

// One of the nine design timers of a project (8 is the sleep timer): its settings,
// events and event slots.
class TimerParam : public RecordEventOwner
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

private:
    int m_timerID;
    int m_timerOneTime;
    int m_timerTime;
    int m_timerEnable;
    int m_timerVal;
};

#endif // TIMERPARAM_H
