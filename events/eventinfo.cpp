#include "eventinfo.h"

EventInfo::EventInfo()
{
    for (QString &p : m_eventParam)
        p = QStringLiteral("0");
}

QString EventInfo::param(int i) const
{
    if (i < 0 || i >= ParamCount)
        return QString();
    return m_eventParam[i];
}

void EventInfo::setParam(int i, const QString &value)
{
    // Indexes come from project files too; one outside the record is ignored.
    if (i < 0 || i >= ParamCount)
        return;
    m_eventParam[i] = value;
}

void EventInfo::setOwnerType(int kind)
{
    m_ownerType = kind;
}
