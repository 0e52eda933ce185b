#ifndef QTTEXTVALUES_H
#define QTTEXTVALUES_H

#include "qtproperty.h"

#include <QMap>

// The texts of a manager that shows each as it is; Manager has the signal
// valueChanged(QtProperty *, const QString &).
template<class Manager> class QtTextValues
{
public:
    explicit QtTextValues(Manager *manager)
        : q(manager)
    { }

    QString value(const QtProperty *property) const { return values.value(property, QString()); }

    void setValue(QtProperty *property, const QString &val)
    {
        auto it = values.find(property);
        if (it == values.end() || it.value() == val)
            return;
        const QString stored = val;
        it.value() = stored;
        emit q->propertyChanged(property);
        if (q->ownsProperty(property))
            emit q->valueChanged(property, stored);
    }

    QMap<const QtProperty *, QString> values;

private:
    Manager *const q;
};

#endif // QTTEXTVALUES_H
