#ifndef QTRANGEDVALUES_H
#define QTRANGEDVALUES_H

#include "qtproperty.h"

#include <QMap>

// The values of a numeric manager, each kept within its range, and the signals their changes
// send; Data holds val, minVal, maxVal and singleStep, Manager has the matching signals.
template<class Manager, class Data> class QtRangedValues
{
public:
    using Value = decltype(Data::val);

    explicit QtRangedValues(Manager *manager)
        : q(manager)
    { }

    template<class T> T getData(const QtProperty *property, T Data::*field, T fallback) const
    {
        const auto it = values.constFind(property);
        return it == values.constEnd() ? fallback : it.value().*field;
    }

    void setValue(QtProperty *property, Value val)
    {
        auto it = values.find(property);
        if (it == values.end() || it.value().val == val)
            return;
        const Value bounded = qMax(it.value().minVal, qMin(val, it.value().maxVal));
        if (bounded == it.value().val)
            return;
        it.value().val = bounded;
        emit q->propertyChanged(property);
        // A slot of propertyChanged may have deleted the property.
        if (q->ownsProperty(property))
            emit q->valueChanged(property, bounded);
    }

    void setMinimum(QtProperty *property, Value minVal)
    {
        const auto it = values.constFind(property);
        if (it == values.constEnd() || it.value().minVal == minVal)
            return;
        applyRange(property, minVal, qMax(minVal, it.value().maxVal));
    }

    void setMaximum(QtProperty *property, Value maxVal)
    {
        const auto it = values.constFind(property);
        if (it == values.constEnd() || it.value().maxVal == maxVal)
            return;
        applyRange(property, qMin(maxVal, it.value().minVal), maxVal);
    }

    void setRange(QtProperty *property, Value minVal, Value maxVal)
    {
        const auto it = values.constFind(property);
        if (it == values.constEnd())
            return;
        if (minVal > maxVal)
            qSwap(minVal, maxVal);
        if (it.value().minVal == minVal && it.value().maxVal == maxVal)
            return;
        applyRange(property, minVal, maxVal);
    }

    void setSingleStep(QtProperty *property, Value step)
    {
        auto it = values.find(property);
        if (it == values.end())
            return;
        if (step < 0)
            step = 0;
        if (it.value().singleStep == step)
            return;
        it.value().singleStep = step;
        emit q->singleStepChanged(property, step);
    }

    QMap<const QtProperty *, Data> values;

private:
    void applyRange(QtProperty *property, Value minVal, Value maxVal)
    {
        Data &data = values[property];
        const Value oldVal = data.val;
        data.minVal = minVal;
        data.maxVal = maxVal;
        data.val = qMax(minVal, qMin(data.val, maxVal));
        const Value newVal = data.val;
        emit q->rangeChanged(property, minVal, maxVal);
        if (newVal == oldVal || !q->ownsProperty(property))
            return;
        emit q->propertyChanged(property);
        if (q->ownsProperty(property))
            emit q->valueChanged(property, newVal);
    }

    Manager *const q;
};

#endif // QTRANGEDVALUES_H
