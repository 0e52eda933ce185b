#include "qtusertypeone_imagemanager.h"

#include "qttextvalues.h"

class QtUserTypeOne_ImageManagerPrivate : public QtTextValues<QtUserTypeOne_ImageManager>
{
public:
    using QtTextValues::QtTextValues;
};

QtUserTypeOne_ImageManager::QtUserTypeOne_ImageManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtUserTypeOne_ImageManagerPrivate(this))
{ }

QtUserTypeOne_ImageManager::~QtUserTypeOne_ImageManager()
{
    clear();
    delete d_ptr;
}

QString QtUserTypeOne_ImageManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QString QtUserTypeOne_ImageManager::valueText(const QtProperty *property) const
{
    return value(property);
}

void QtUserTypeOne_ImageManager::setValue(QtProperty *property, const QString &val)
{
    d_ptr->setValue(property, val);
}

void QtUserTypeOne_ImageManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QString();
}

void QtUserTypeOne_ImageManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
