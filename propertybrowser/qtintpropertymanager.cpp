#include "qtintpropertymanager.h"

#include "qtrangedvalues.h"

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

class QtIntPropertyManagerPrivate : public QtRangedValues<QtIntPropertyManager, IntData>
{
public:
    using QtRangedValues::QtRangedValues;
};

QtIntPropertyManager::QtIntPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtIntPropertyManagerPrivate(this))
{ }

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
    d_ptr->setValue(property, val);
}

void QtIntPropertyManager::setMinimum(QtProperty *property, int minVal)
{
    d_ptr->setMinimum(property, minVal);
}

void QtIntPropertyManager::setMaximum(QtProperty *property, int maxVal)
{
    d_ptr->setMaximum(property, maxVal);
}

void QtIntPropertyManager::setRange(QtProperty *property, int minVal, int maxVal)
{
    d_ptr->setRange(property, minVal, maxVal);
}

void QtIntPropertyManager::setSingleStep(QtProperty *property, int step)
{
    d_ptr->setSingleStep(property, step);
}

void QtIntPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = IntData();
}

void QtIntPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
