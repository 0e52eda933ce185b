#include "qtusertypetwo_colormanager.h"

#include "qttextvalues.h"

class QtUserTypeTwo_ColorManagerPrivate : public QtTextValues<QtUserTypeTwo_ColorManager>
{
public:
    using QtTextValues::QtTextValues;
};

QtUserTypeTwo_ColorManager::QtUserTypeTwo_ColorManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtUserTypeTwo_ColorManagerPrivate(this))
{ }

QtUserTypeTwo_ColorManager::~QtUserTypeTwo_ColorManager()
{
    clear();
    delete d_ptr;
}

QString QtUserTypeTwo_ColorManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QString QtUserTypeTwo_ColorManager::valueText(const QtProperty *property) const
{
    return value(property);
}

void QtUserTypeTwo_ColorManager::setValue(QtProperty *property, const QString &val)
{
    d_ptr->setValue(property, val);
}

void QtUserTypeTwo_ColorManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QString();
}

void QtUserTypeTwo_ColorManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
