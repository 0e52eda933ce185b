#include "eventtable.h"

namespace {
const QString none = QStringLiteral("-");
}

QList<EventTable::Row> EventTable::rows(const QList<EventInfo> &events)
{
    QList<Row> result;
    if (events.isEmpty())
        return result;
    const int typeCount = events.first().typeNames().size();
    for (int type = 0; type < typeCount; ++type) {
        for (int i = 0; i < events.size(); ++i) {
            if (events.at(i).type() == type)
                result.append({i, cells(events.at(i))});
        }
    }
    return result;
}

QStringList EventTable::cells(EventInfo event)
{
    // A function the catalogue does not know (only a project file can hold one) shows
    // like a missing parameter.
    const QString function = event.funcCaption();
    QStringList result {event.typeName(), function.isEmpty() ? none : function};
    const int count = event.paramDescriptors().size();
    for (int i = 0; i < qMax(count, int(ShownParams)); ++i)
        result.append(i < count ? event.param(i) : none);
    return result;
}

void EventTable::removeRow(QList<int> *positions, int row)
{
    if (row < 0 || row >= positions->size())
        return;
    const int removed = positions->takeAt(row);
    for (int &position : *positions) {
        if (position > removed)
            --position;
    }
}
