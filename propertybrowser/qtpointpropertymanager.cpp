#include "qtpointpropertymanager.h"

#include "qtintpropertymanager.h"
#include "qtpointvalues.h"

class QtPointPropertyManagerPrivate
    : public QtPointValues<QtPointPropertyManager, QtIntPropertyManager, QPoint>
{
public:
    using QtPointValues::QtPointValues;
};

QtPointPropertyManager::QtPointPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtPointPropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtIntPropertyManager::valueChanged, this,
            &QtPointPropertyManager::slotIntChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtPointPropertyManager::slotPropertyDestroyed);
}

QtPointPropertyManager::~QtPointPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtPointPropertyManager::subIntPropertyManager() const
{
    return d_ptr->subManager;
}

QPoint QtPointPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QString QtPointPropertyManager::valueText(const QtProperty *property) const
{
    return d_ptr->valueText(property, tr("(%1, %2)"));
}

void QtPointPropertyManager::setValue(QtProperty *property, const QPoint &val)
{
    d_ptr->setValue(property, val);
}

void QtPointPropertyManager::slotIntChanged(QtProperty *property, int value)
{
    d_ptr->componentChanged(property, value);
}

void QtPointPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtPointPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->initialize(property, {tr("X"), tr("Y")});
}

void QtPointPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
