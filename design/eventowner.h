#ifndef EVENTOWNER_H
#define EVENTOWNER_H

#include "eventholder.h"

// A page, a timer or a widget: something that keeps events and event slots. Code that
// treats every kind alike (the project file, the generator, the event dialogs) reaches
// them through eventHolder().
class EventOwner
{
public:
    EventHolder &eventHolder() { return m_events; }
    const EventHolder &eventHolder() const { return m_events; }

protected:
    EventOwner() = default;
    ~EventOwner() = default;

    EventHolder m_events;
};

#endif // EVENTOWNER_H
