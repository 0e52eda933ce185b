#ifndef EVENTINFO_H
#define EVENTINFO_H

#include <QString>
#include <QStringList>

// One event of a page, a timer or a widget: which event type fires it, which module
// function it calls and that function's twenty text parameters.
class EventInfo
{
public:
    static constexpr int ParamCount = 20;

    EventInfo();

    int type() const { return m_eventType; }
    void setType(int type) { m_eventType = type; }
    int userType() const { return m_userType; }
    void setUserType(int userType) { m_userType = userType; }

    QString param(int i) const;
    void setParam(int i, const QString &value);

    int ownerType() const { return m_ownerType; }
    void setOwnerType(int kind);

    QStringList typeNames() const { return m_typeNameList; }

private:
    int m_eventType = 0;
    int m_userType = -1;
    QString m_eventParam[ParamCount];
    int m_ownerType = -4;
    QStringList m_typeNameList;
};

#endif // EVENTINFO_H
