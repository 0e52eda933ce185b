#include "eventholder.h"

EventHolder::EventHolder()
{
    reset();
}

void EventHolder::append(const EventInfo &event)
{
    m_events.append(event);
}

void EventHolder::remove(int index)
{
    if (index < 0 || index >= m_events.size())
        return;
    m_events.removeAt(index);
}

void EventHolder::replace(int index, int param, const QString &value)
{
    if (index < 0 || index >= m_events.size())
        return;
    // Assigning a changed copy detaches the list, so copies handed out before keep the
    // old record.
    EventInfo changed = m_events.at(index);
    changed.setParam(param, value);
    m_events[index] = changed;
}

int EventHolder::status(int key) const
{
    return m_status.value(key, 0);
}

QString EventHolder::text(int key) const
{
    return m_text.value(key);
}

void EventHolder::setStatus(int key, int status)
{
    auto it = m_status.find(key);
    if (it != m_status.end())
        *it = status;
}

void EventHolder::setText(int key, const QString &text)
{
    auto it = m_text.find(key);
    if (it != m_text.end())
        *it = text;
}

bool EventHolder::setContent(int key, int status, const QString &text)
{
    if (!m_status.contains(key))
        return false;
    m_status[key] = status;
    m_text[key] = text;
    return true;
}

void EventHolder::copyFrom(const EventHolder &source)
{
    m_events.append(source.m_events);
    for (int key = 0; key < SlotCount; ++key)
        setContent(key, source.status(key), source.text(key));
}

void EventHolder::reset()
{
    m_events.clear();
    m_status.clear();
    m_text.clear();
    for (int key = 0; key < SlotCount; ++key) {
        m_status.insert(key, 0);
        m_text.insert(key, QString());
    }
}
