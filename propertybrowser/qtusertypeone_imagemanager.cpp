#include "qtusertypeone_imagemanager.h"

#include "qtproperty.h"

#include <QMap>

class QtUserTypeOne_ImageManagerPrivate
{
public:
    QtUserTypeOne_ImageManager *q_ptr = nullptr;
    QMap<const QtProperty *, QString> values;
};

QtUserTypeOne_ImageManager::QtUserTypeOne_ImageManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtUserTypeOne_ImageManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtUserTypeOne_ImageManager::~QtUserTypeOne_ImageManager()
{
    clear();
    delete d_ptr;
}

QString QtUserTypeOne_ImageManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QString());
}

QString QtUserTypeOne_ImageManager::valueText(const QtProperty *property) const
{
    return value(property);
}

void QtUserTypeOne_ImageManager::setValue(QtProperty *property, const QString &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value() == val)
        return;
    const QString stored = val;
    it.value() = stored;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, stored);
}

void QtUserTypeOne_ImageManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QString();
}

void QtUserTypeOne_ImageManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
