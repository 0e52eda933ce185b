#include "qtsizefpropertymanager.h"

#include "qtdoublepropertymanager.h"
#include "qtsizevalues.h"

class QtSizeFPropertyManagerPrivate
    : public QtSizeValues<QtSizeFPropertyManager, QtDoublePropertyManager, QSizeF>
{
public:
    using QtSizeValues::QtSizeValues;
};

QtSizeFPropertyManager::QtSizeFPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtSizeFPropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtDoublePropertyManager::valueChanged, this,
            &QtSizeFPropertyManager::slotDoubleChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtSizeFPropertyManager::slotPropertyDestroyed);
}

QtSizeFPropertyManager::~QtSizeFPropertyManager()
{
    clear();
    delete d_ptr;
}

QtDoublePropertyManager *QtSizeFPropertyManager::subDoublePropertyManager() const
{
    return d_ptr->subManager;
}

QSizeF QtSizeFPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QSizeF QtSizeFPropertyManager::minimum(const QtProperty *property) const
{
    return d_ptr->minimum(property);
}

QSizeF QtSizeFPropertyManager::maximum(const QtProperty *property) const
{
    return d_ptr->maximum(property);
}

void QtSizeFPropertyManager::setMinimum(QtProperty *property, const QSizeF &minVal)
{
    d_ptr->setMinimum(property, minVal);
}

void QtSizeFPropertyManager::setMaximum(QtProperty *property, const QSizeF &maxVal)
{
    d_ptr->setMaximum(property, maxVal);
}

void QtSizeFPropertyManager::setRange(QtProperty *property, const QSizeF &minVal,
                                      const QSizeF &maxVal)
{
    d_ptr->setRange(property, minVal, maxVal);
}

int QtSizeFPropertyManager::decimals(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it.value().decimals;
}

void QtSizeFPropertyManager::setDecimals(QtProperty *property, int prec)
{
    d_ptr->setDecimals(property, prec);
}

QString QtSizeFPropertyManager::valueText(const QtProperty *property) const
{
    return d_ptr->valueText(property, tr("%1 x %2"));
}

void QtSizeFPropertyManager::setValue(QtProperty *property, const QSizeF &val)
{
    d_ptr->setValue(property, val);
}

void QtSizeFPropertyManager::slotDoubleChanged(QtProperty *property, double value)
{
    d_ptr->componentChanged(property, value);
}

void QtSizeFPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtSizeFPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->initialize(property, {tr("Width"), tr("Height")});
}

void QtSizeFPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
