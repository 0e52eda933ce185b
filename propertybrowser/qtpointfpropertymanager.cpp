#include "qtpointfpropertymanager.h"

#include "qtdoublepropertymanager.h"
#include "qtpointvalues.h"

class QtPointFPropertyManagerPrivate
    : public QtPointValues<QtPointFPropertyManager, QtDoublePropertyManager, QPointF>
{
public:
    using QtPointValues::QtPointValues;
};

QtPointFPropertyManager::QtPointFPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtPointFPropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtDoublePropertyManager::valueChanged, this,
            &QtPointFPropertyManager::slotDoubleChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtPointFPropertyManager::slotPropertyDestroyed);
}

QtPointFPropertyManager::~QtPointFPropertyManager()
{
    clear();
    delete d_ptr;
}

QtDoublePropertyManager *QtPointFPropertyManager::subDoublePropertyManager() const
{
    return d_ptr->subManager;
}

QPointF QtPointFPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

int QtPointFPropertyManager::decimals(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it.value().decimals;
}

void QtPointFPropertyManager::setDecimals(QtProperty *property, int prec)
{
    d_ptr->setDecimals(property, prec);
}

QString QtPointFPropertyManager::valueText(const QtProperty *property) const
{
    return d_ptr->valueText(property, tr("(%1, %2)"));
}

void QtPointFPropertyManager::setValue(QtProperty *property, const QPointF &val)
{
    d_ptr->setValue(property, val);
}

void QtPointFPropertyManager::slotDoubleChanged(QtProperty *property, double value)
{
    d_ptr->componentChanged(property, value);
}

void QtPointFPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtPointFPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->initialize(property, {tr("X"), tr("Y")});
}

void QtPointFPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
