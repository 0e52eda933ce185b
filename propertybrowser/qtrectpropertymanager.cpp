#include "qtrectpropertymanager.h"

#include "qtintpropertymanager.h"
#include "qtrectvalues.h"

class QtRectPropertyManagerPrivate
    : public QtRectValues<QtRectPropertyManager, QtIntPropertyManager, QRect>
{
public:
    using QtRectValues::QtRectValues;
};

QtRectPropertyManager::QtRectPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtRectPropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtIntPropertyManager::valueChanged, this,
            &QtRectPropertyManager::slotIntChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtRectPropertyManager::slotPropertyDestroyed);
}

QtRectPropertyManager::~QtRectPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtRectPropertyManager::subIntPropertyManager() const
{
    return d_ptr->subManager;
}

QRect QtRectPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QRect QtRectPropertyManager::constraint(const QtProperty *property) const
{
    return d_ptr->constraint(property);
}

void QtRectPropertyManager::setConstraint(QtProperty *property, const QRect &constraint)
{
    d_ptr->setConstraint(property, constraint);
}

QString QtRectPropertyManager::valueText(const QtProperty *property) const
{
    return d_ptr->valueText(property, tr("[(%1, %2), %3 x %4]"));
}

void QtRectPropertyManager::setValue(QtProperty *property, const QRect &val)
{
    d_ptr->setValue(property, val);
}

void QtRectPropertyManager::slotIntChanged(QtProperty *property, int value)
{
    d_ptr->componentChanged(property, value);
}

void QtRectPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtRectPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->initialize(property, {tr("X"), tr("Y"), tr("Width"), tr("Height")});
}

void QtRectPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
