#include "qtdoublepropertymanager.h"

#include "qtproperty.h"

#include <QMap>
#include <limits>

namespace {
struct DoubleData
{
    double val = 0.0;
    double minVal = -std::numeric_limits<double>::max();
    double maxVal = std::numeric_limits<double>::max();
    double singleStep = 1.0;
    int decimals = 2;
};
} // namespace

class QtDoublePropertyManagerPrivate
{
public:
    QtDoublePropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, DoubleData> values;

    template<class T> T getData(const QtProperty *property, T DoubleData::*field, T fallback) const
    {
        const auto it = values.constFind(property);
        return it == values.constEnd() ? fallback : it.value().*field;
    }
};

QtDoublePropertyManager::QtDoublePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtDoublePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtDoublePropertyManager::~QtDoublePropertyManager()
{
    clear();
    delete d_ptr;
}

double QtDoublePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->getData(property, &DoubleData::val, 0.0);
}

double QtDoublePropertyManager::minimum(const QtProperty *property) const
{
    return d_ptr->getData(property, &DoubleData::minVal, 0.0);
}

double QtDoublePropertyManager::maximum(const QtProperty *property) const
{
    return d_ptr->getData(property, &DoubleData::maxVal, 0.0);
}

double QtDoublePropertyManager::singleStep(const QtProperty *property) const
{
    return d_ptr->getData(property, &DoubleData::singleStep, 0.0);
}

int QtDoublePropertyManager::decimals(const QtProperty *property) const
{
    return d_ptr->getData(property, &DoubleData::decimals, 0);
}

QString QtDoublePropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return QString::number(it.value().val, 'f', it.value().decimals);
}

void QtDoublePropertyManager::setValue(QtProperty *property, double val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().val == val)
        return;
    const double bounded = qMax(it.value().minVal, qMin(val, it.value().maxVal));
    if (bounded == it.value().val)
        return;
    it.value().val = bounded;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, bounded);
}

void QtDoublePropertyManager::setMinimum(QtProperty *property, double minVal)
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it.value().minVal == minVal)
        return;
    applyRange(property, minVal, qMax(minVal, it.value().maxVal));
}

void QtDoublePropertyManager::setMaximum(QtProperty *property, double maxVal)
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it.value().maxVal == maxVal)
        return;
    applyRange(property, qMin(maxVal, it.value().minVal), maxVal);
}

void QtDoublePropertyManager::setRange(QtProperty *property, double minVal, double maxVal)
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

void QtDoublePropertyManager::applyRange(QtProperty *property, double minVal, double maxVal)
{
    DoubleData &data = d_ptr->values[property];
    const double oldVal = data.val;
    data.minVal = minVal;
    data.maxVal = maxVal;
    data.val = qMax(minVal, qMin(data.val, maxVal));
    const double newVal = data.val;
    emit rangeChanged(property, minVal, maxVal);
    if (newVal == oldVal || !ownsProperty(property))
        return;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, newVal);
}

void QtDoublePropertyManager::setSingleStep(QtProperty *property, double step)
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

void QtDoublePropertyManager::setDecimals(QtProperty *property, int prec)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    prec = qBound(0, prec, 13);
    if (it.value().decimals == prec)
        return;
    it.value().decimals = prec;
    emit decimalsChanged(property, prec);
}

void QtDoublePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = DoubleData();
}

void QtDoublePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
