#ifndef EVENTTABLE_H
#define EVENTTABLE_H

#include "eventinfo.h"

#include <QList>
#include <QStringList>

// The rows of the delete-events table: a holder's events grouped by event type, in list
// order within a type, each row knowing the position of its event in the holder's list.
class EventTable
{
public:
    // Parameter columns with a header; a function with more fills columns without one.
    static constexpr int ShownParams = 5;

    struct Row
    {
        int position;
        // Event type, function, then the parameters, "-" where the function has none.
        QStringList cells;
    };

    // The type names of the first event give the types; an event whose type is not one of
    // them gets no row.
    static QList<Row> rows(const QList<EventInfo> &events);
    static QStringList cells(EventInfo event);

    // After the event at positions[row] left the holder's list: drops that entry and moves
    // every later position up by one.
    static void removeRow(QList<int> *positions, int row);
};

#endif // EVENTTABLE_H
