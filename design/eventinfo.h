#ifndef EVENTINFO_H
#define EVENTINFO_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One event of a page, a timer or a widget: which event type fires it, which module
// function it calls and that function's twenty text parameters. Its names (event types,
// function captions, the picker's list) are those of the language current when they are
// asked for, whichever language the record was made in; the lists are shared by every
// record, so copies stay cheap.
class EventInfo
{
public:
    static constexpr int ParamCount = 20;
    static constexpr int FunctionCount = 81;
    static constexpr int PickerCount = 74;

    EventInfo();

    int type() const { return m_eventType; }
    void setType(int type) { m_eventType = type; }
    int userType() const { return m_userType; }
    void setUserType(int userType) { m_userType = userType; }

    QString param(int i) const;
    void setParam(int i, const QString &value);

    // Owner kinds of the events that are no widget's; a widget's events have the number of
    // its type.
    static constexpr int PageOwner = -1;
    static constexpr int TimerOwner = -2;
    static constexpr int SleepTimerOwner = -3;

    int ownerType() const { return m_ownerType; }
    void setOwnerType(int kind);
    // Whether an owner kind has event types at all: pages, timers and the widget types
    // button, progress bar, slider and arc.
    static bool ownerHasEvents(int kind);

    QStringList typeNames() const;
    // Their number, known without translating them.
    int typeCount() const;
    QString typeName() const;
    QString funcCaption() const;

    QStringList pickerCaptions() const;
    QList<int> pickerIndices() const;

    QStringList paramDescriptors();
    QString paramLabel(int i) const;

    void setDefaultParams();
    QByteArray toCode() const;

    // What keeps the line of toCode from doing only what it says.
    enum class CodeProblem {
        None,
        UnsafeArgument, // an argument written as typed is not exactly one expression
        ResultNotAName // the result variable cannot be assigned to
    };
    // The first problem of the parameters that reach the line, with that parameter's index.
    CodeProblem codeProblem(int *param = nullptr) const;
    // The translated label of parameter i of the event's function.
    QString paramCaption(int i) const;

private:
    int m_eventType = 0;
    int m_userType = -1;
    QString m_eventParam[ParamCount];
    int m_ownerType = -4;
    // The owner kind whose event types the record names; a kind without event types keeps
    // the one set before.
    int m_typeNamesKind = -1;
    QStringList m_paramLabelList;
};

#endif // EVENTINFO_H
