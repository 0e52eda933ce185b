#include "qtintpropertymanager.h"

#include "qtproperty.h"

#include <QMap>
#include <limits>

namespace {
struct IntData
{
    int val = 0;
    int minVal = -std::numeric_limits<int>::max();
    int maxVal = std::numeric_limits<int>::max();
    int singleStep = 1;
};
} // namespace

class QtIntPropertyManagerPrivate
{
public:
    QtIntPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, IntData> values;

    template<class T> T getData(const QtProperty *property, T IntData::*field, T fallback) const
    {
        const auto it = values.constFind(property);
        return it == values.constEnd() ? fallback : it.value().*field;
    }
};

QtIntPropertyManager::QtIntPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtIntPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtIntPropertyManager::~QtIntPropertyManager()
{
    clear();
    delete d_ptr;
}

int QtIntPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->getData(property, &IntData::val, 0);
}

int QtIntPropertyManager::minimum(const QtProperty *property) const
{
    return d_ptr->getData(property, &IntData::minVal, 0);
}

int QtIntPropertyManager::maximum(const QtProperty *property) const
{
    return d_ptr->getData(property, &IntData::maxVal, 0);
}

int QtIntPropertyManager::singleStep(const QtProperty *property) const
{
    return d_ptr->getData(property, &IntData::singleStep, 0);
}

QString QtIntPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : QString::number(it.value().val);
}

void QtIntPropertyManager::setValue(QtProperty *property, int val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().val == val)
        return;
    const int bounded = qMax(it.value().minVal, qMin(val, it.value().maxVal));
    if (bounded == it.value().val)
        return;
    it.value().val = bounded;
    emit propertyChanged(property);
    // A slot of propertyChanged may have deleted the property.
    if (ownsProperty(property))
        emit valueChanged(property, bounded);
}

void QtIntPropertyManager::setMinimum(QtProperty *property, int minVal)
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it.value().minVal == minVal)
        return;
    applyRange(property, minVal, qMax(minVal, it.value().maxVal));
}

void QtIntPropertyManager::setMaximum(QtProperty *property, int maxVal)
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it.value().maxVal == maxVal)
        return;
    applyRange(property, qMin(maxVal, it.value().minVal), maxVal);
}

void QtIntPropertyManager::setRange(QtProperty *property, int minVal, int maxVal)
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return;
    if (minVal > maxVal)
        qSwap(minVal, maxVal);
    if (it.value().minVal == minVal && it.value().maxVal == maxVal)
        return;
    applyRange(property, minVal, maxVal);
}

void QtIntPropertyManager::applyRange(QtProperty *property, int minVal, int maxVal)
{
    IntData &data = d_ptr->values[property];
    const int oldVal = data.val;
    data.minVal = minVal;
    data.maxVal = maxVal;
    data.val = qMax(minVal, qMin(data.val, maxVal));
    const int newVal = data.val;
    emit rangeChanged(property, minVal, maxVal);
    if (newVal == oldVal || !ownsProperty(property))
        return;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, newVal);
}

void QtIntPropertyManager::setSingleStep(QtProperty *property, int step)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    if (step < 0)
        step = 0;
    if (it.value().singleStep == step)
        return;
    it.value().singleStep = step;
    emit singleStepChanged(property, step);
}

void QtIntPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = IntData();
}

void QtIntPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
