#include "qtdoublepropertymanager.h"

#include "qtrangedvalues.h"

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

class QtDoublePropertyManagerPrivate : public QtRangedValues<QtDoublePropertyManager, DoubleData>
{
public:
    using QtRangedValues::QtRangedValues;
};

QtDoublePropertyManager::QtDoublePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtDoublePropertyManagerPrivate(this))
{ }

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
    d_ptr->setValue(property, val);
}

void QtDoublePropertyManager::setMinimum(QtProperty *property, double minVal)
{
    d_ptr->setMinimum(property, minVal);
}

void QtDoublePropertyManager::setMaximum(QtProperty *property, double maxVal)
{
    d_ptr->setMaximum(property, maxVal);
}

void QtDoublePropertyManager::setRange(QtProperty *property, double minVal, double maxVal)
{
    d_ptr->setRange(property, minVal, maxVal);
}

void QtDoublePropertyManager::setSingleStep(QtProperty *property, double step)
{
    d_ptr->setSingleStep(property, step);
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
