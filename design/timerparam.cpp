#include "timerparam.h"

TimerParam::TimerParam()
{
    reset();
}

void TimerParam::reset()
{
    m_timerID = -1;
    m_timerOneTime = 0;
    m_timerTime = 0;
    m_timerEnable = 0;
    m_timerVal = 51;
    m_events.reset();
}
