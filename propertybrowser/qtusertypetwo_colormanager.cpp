#include "qtusertypetwo_colormanager.h"

#include "qtproperty.h"

#include <QMap>

class QtUserTypeTwo_ColorManagerPrivate
{
public:
    QtUserTypeTwo_ColorManager *q_ptr = nullptr;
    QMap<const QtProperty *, QString> values;
};

QtUserTypeTwo_ColorManager::QtUserTypeTwo_ColorManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtUserTypeTwo_ColorManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtUserTypeTwo_ColorManager::~QtUserTypeTwo_ColorManager()
{
    clear();
    delete d_ptr;
}

QString QtUserTypeTwo_ColorManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QString());
}

QString QtUserTypeTwo_ColorManager::valueText(const QtProperty *property) const
{
    return value(property);
}

void QtUserTypeTwo_ColorManager::setValue(QtProperty *property, const QString &val)
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

void QtUserTypeTwo_ColorManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QString();
}

void QtUserTypeTwo_ColorManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
