#ifndef QTCOMPOUNDVALUES_H
#define QTCOMPOUNDVALUES_H

#include "qtproperty.h"
#include "qtsubpropertymaps.h"

#include <QMap>

// The values of a compound manager, whose properties have component rows: Data has val and
// revision, Manager has the signal valueChanged(QtProperty *, const Value &). Every stored
// change counts up the revision, so that a change pushed down into the components stops
// once a slot reached from them made another change or deleted the row.
template<class Manager, class Data> class QtCompoundValues
{
public:
    QtCompoundValues(Manager *manager, int roleCount)
        : q(manager)
        , components(roleCount)
    { }

    using Value = decltype(Data::val);

    Value value(const QtProperty *property, const Value &fallback = Value()) const
    {
        const auto it = values.constFind(property);
        return it == values.constEnd() ? fallback : it.value().val;
    }

    int revision(const QtProperty *property) const
    {
        const auto it = values.constFind(property);
        return it == values.constEnd() ? -1 : it.value().revision;
    }

    // Whether the property still holds the stored state of the given revision.
    bool current(const QtProperty *property, int revision) const
    {
        return q->ownsProperty(property) && this->revision(property) == revision;
    }

    // Stores a new value and returns its revision.
    int store(QtProperty *property, const Value &val)
    {
        Data &data = values[property];
        data.val = val;
        return ++data.revision;
    }

    // Reports a changed value unless a slot reached on the way changed it again.
    void report(QtProperty *property, int revision)
    {
        if (!current(property, revision))
            return;
        const Value val = value(property);
        emit q->propertyChanged(property);
        if (current(property, revision))
            emit q->valueChanged(property, val);
    }

    void remove(const QtProperty *property)
    {
        // The record goes first, so that slots reached from the deletions find the row gone.
        values.remove(property);
        components.removeProperty(property);
    }

    Manager *const q;
    QMap<const QtProperty *, Data> values;
    QtSubPropertyMaps components;
};

#endif // QTCOMPOUNDVALUES_H
