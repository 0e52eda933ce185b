#include "qtusertypemanager.h"

#include "qttextvalues.h"

QtUserTypeManager::QtUserTypeManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtTextValues<QtUserTypeManager>(this))
{ }

QtUserTypeManager::~QtUserTypeManager()
{
    clear();
    delete d_ptr;
}

QString QtUserTypeManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QString QtUserTypeManager::valueText(const QtProperty *property) const
{
    return value(property);
}

void QtUserTypeManager::setValue(QtProperty *property, const QString &val)
{
    d_ptr->setValue(property, val);
}

void QtUserTypeManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QString();
}

void QtUserTypeManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
