#ifndef QTSIMPLEVALUES_H
#define QTSIMPLEVALUES_H

#include "qtproperty.h"

#include <QMap>

template<class T> struct QtSameValue
{
    bool operator()(const T &a, const T &b) const { return a == b; }
};

// The values of a manager that keeps one value per property with one setter and one signal;
// Manager has the signal valueChanged(QtProperty *, const T &). Same tells equal values,
// whose setting changes nothing.
template<class Manager, class T, class Same = QtSameValue<T>> class QtSimpleValues
{
public:
    explicit QtSimpleValues(Manager *manager)
        : q(manager)
    { }

    T value(const QtProperty *property) const { return values.value(property, T()); }

    void setValue(QtProperty *property, const T &val)
    {
        auto it = values.find(property);
        if (it == values.end() || Same()(it.value(), val))
            return;
        const T stored = val;
        it.value() = stored;
        emit q->propertyChanged(property);
        if (q->ownsProperty(property))
            emit q->valueChanged(property, stored);
    }

    QMap<const QtProperty *, T> values;

private:
    Manager *const q;
};

#endif // QTSIMPLEVALUES_H
