#ifndef QTCOMPOUNDVALUES_H
#define QTCOMPOUNDVALUES_H

#include "qtproperty.h"
#include "qtsubpropertymaps.h"

#include <QMap>
#include <QStringList>

// The values of a compound manager whose component rows belong to one sub-manager: Data
// has val and revision, Manager has the signal valueChanged(QtProperty *, const Value &).
// Every stored change counts up the revision, so that a change pushed down into the
// components stops once a slot reached from them made another change or deleted the row.
template<class Manager, class SubManager, class Data> class QtCompoundValues
{
public:
    QtCompoundValues(Manager *manager, int roleCount)
        : q(manager)
        , subManager(new SubManager(manager))
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

    // Gives each component row its number, in role order, while the state lasts.
    template<class Number>
    bool pushDown(QtProperty *property, int revision, std::initializer_list<Number> numbers)
    {
        int role = 0;
        for (const Number &number : numbers) {
            if (!current(property, revision))
                return false;
            if (QtProperty *component = components.component(role, property))
                subManager->setValue(component, number);
            ++role;
        }
        return current(property, revision);
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

    // Makes the component rows of a new property, each set up before it is entered.
    template<class SetUp>
    void addComponents(QtProperty *property, const QStringList &names, SetUp setUp)
    {
        for (int role = 0; role < names.size(); ++role) {
            QtProperty *component = subManager->addProperty();
            component->setPropertyName(names.at(role));
            setUp(role, component);
            components.add(role, property, component);
        }
    }

    // The digits after the point of the real-number components, 0 to 13.
    void setDecimals(QtProperty *property, int decimals)
    {
        const auto it = values.find(property);
        if (it == values.end())
            return;
        decimals = qBound(0, decimals, 13);
        if (it.value().decimals == decimals)
            return;
        it.value().decimals = decimals;
        for (int role = 0; role < components.roleCount(); ++role) {
            if (!q->ownsProperty(property) || values.value(property).decimals != decimals)
                return;
            if (QtProperty *component = components.component(role, property))
                subManager->setDecimals(component, decimals);
        }
        if (q->ownsProperty(property))
            emit q->decimalsChanged(property, decimals);
    }

    void remove(const QtProperty *property)
    {
        // The record goes first, so that slots reached from the deletions find the row gone.
        values.remove(property);
        components.removeProperty(property);
    }

    Manager *const q;
    SubManager *const subManager;
    QMap<const QtProperty *, Data> values;
    QtSubPropertyMaps components;
};

#endif // QTCOMPOUNDVALUES_H
