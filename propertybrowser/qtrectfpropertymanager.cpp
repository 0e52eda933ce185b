#include "qtrectfpropertymanager.h"

#include "qtdoublepropertymanager.h"
#include "qtrectvalues.h"

class QtRectFPropertyManagerPrivate
    : public QtRectValues<QtRectFPropertyManager, QtDoublePropertyManager, QRectF>
{
public:
    using QtRectValues::QtRectValues;
};

QtRectFPropertyManager::QtRectFPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtRectFPropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtDoublePropertyManager::valueChanged, this,
            &QtRectFPropertyManager::slotDoubleChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtRectFPropertyManager::slotPropertyDestroyed);
}

QtRectFPropertyManager::~QtRectFPropertyManager()
{
    clear();
    delete d_ptr;
}

QtDoublePropertyManager *QtRectFPropertyManager::subDoublePropertyManager() const
{
    return d_ptr->subManager;
}

QRectF QtRectFPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QRectF QtRectFPropertyManager::constraint(const QtProperty *property) const
{
    return d_ptr->constraint(property);
}

void QtRectFPropertyManager::setConstraint(QtProperty *property, const QRectF &constraint)
{
    d_ptr->setConstraint(property, constraint);
}

int QtRectFPropertyManager::decimals(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it.value().decimals;
}

void QtRectFPropertyManager::setDecimals(QtProperty *property, int prec)
{
    d_ptr->setDecimals(property, prec);
}

QString QtRectFPropertyManager::valueText(const QtProperty *property) const
{
    return d_ptr->valueText(property, tr("[(%1, %2), %3 x %4]"));
}

void QtRectFPropertyManager::setValue(QtProperty *property, const QRectF &val)
{
    d_ptr->setValue(property, val);
}

void QtRectFPropertyManager::slotDoubleChanged(QtProperty *property, double value)
{
    d_ptr->componentChanged(property, value);
}

void QtRectFPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtRectFPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->initialize(property, {tr("X"), tr("Y"), tr("Width"), tr("Height")});
}

void QtRectFPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
