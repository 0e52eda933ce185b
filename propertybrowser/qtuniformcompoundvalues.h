#ifndef QTUNIFORMCOMPOUNDVALUES_H
#define QTUNIFORMCOMPOUNDVALUES_H

#include "qtcompoundvalues.h"

#include <QStringList>

// The values of a compound manager whose component rows all belong to one sub-manager, an
// int or a double manager, and hold one number each.
template<class Manager, class SubManager, class Data>
class QtUniformCompoundValues : public QtCompoundValues<Manager, Data>
{
public:
    QtUniformCompoundValues(Manager *manager, int roleCount)
        : QtCompoundValues<Manager, Data>(manager, roleCount)
        , subManager(new SubManager(manager))
    { }

    // Gives each component row its number, in role order, while the state lasts.
    template<class Number>
    bool pushDown(QtProperty *property, int revision, std::initializer_list<Number> numbers)
    {
        int role = 0;
        for (const Number &number : numbers) {
            if (!this->current(property, revision))
                return false;
            if (QtProperty *component = this->components.component(role, property))
                subManager->setValue(component, number);
            ++role;
        }
        return this->current(property, revision);
    }

    // Makes the component rows of a new property, each set up before it is entered.
    template<class SetUp>
    void addComponents(QtProperty *property, const QStringList &names, SetUp setUp)
    {
        for (int role = 0; role < names.size(); ++role) {
            QtProperty *component = subManager->addProperty();
            component->setPropertyName(names.at(role));
            setUp(role, component);
            this->components.add(role, property, component);
        }
    }

    // The digits after the point of the real-number components, 0 to 13.
    void setDecimals(QtProperty *property, int decimals)
    {
        const auto it = this->values.find(property);
        if (it == this->values.end())
            return;
        decimals = qBound(0, decimals, 13);
        if (it.value().decimals == decimals)
            return;
        it.value().decimals = decimals;
        for (int role = 0; role < this->components.roleCount(); ++role) {
            if (!this->q->ownsProperty(property)
                || this->values.value(property).decimals != decimals)
                return;
            if (QtProperty *component = this->components.component(role, property))
                subManager->setDecimals(component, decimals);
        }
        if (this->q->ownsProperty(property))
            emit this->q->decimalsChanged(property, decimals);
    }

    SubManager *const subManager;
};

#endif // QTUNIFORMCOMPOUNDVALUES_H
