#include "qtsizepropertymanager.h"

#include "qtintpropertymanager.h"
#include "qtsizevalues.h"

class QtSizePropertyManagerPrivate
    : public QtSizeValues<QtSizePropertyManager, QtIntPropertyManager, QSize>
{
public:
    using QtSizeValues::QtSizeValues;
};

QtSizePropertyManager::QtSizePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtSizePropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtIntPropertyManager::valueChanged, this,
            &QtSizePropertyManager::slotIntChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtSizePropertyManager::slotPropertyDestroyed);
}

QtSizePropertyManager::~QtSizePropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtSizePropertyManager::subIntPropertyManager() const
{
    return d_ptr->subManager;
}

QSize QtSizePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QSize QtSizePropertyManager::minimum(const QtProperty *property) const
{
    return d_ptr->minimum(property);
}

QSize QtSizePropertyManager::maximum(const QtProperty *property) const
{
    return d_ptr->maximum(property);
}

void QtSizePropertyManager::setMinimum(QtProperty *property, const QSize &minVal)
{
    d_ptr->setMinimum(property, minVal);
}

void QtSizePropertyManager::setMaximum(QtProperty *property, const QSize &maxVal)
{
    d_ptr->setMaximum(property, maxVal);
}

void QtSizePropertyManager::setRange(QtProperty *property, const QSize &minVal, const QSize &maxVal)
{
    d_ptr->setRange(property, minVal, maxVal);
}

QString QtSizePropertyManager::valueText(const QtProperty *property) const
{
    return d_ptr->valueText(property, tr("%1 x %2"));
}

void QtSizePropertyManager::setValue(QtProperty *property, const QSize &val)
{
    d_ptr->setValue(property, val);
}

void QtSizePropertyManager::slotIntChanged(QtProperty *property, int value)
{
    d_ptr->componentChanged(property, value);
}

void QtSizePropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtSizePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->initialize(property, {tr("Width"), tr("Height")});
}

void QtSizePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
