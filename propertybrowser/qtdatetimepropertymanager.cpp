#include "qtdatetimepropertymanager.h"

#include "qtpropertybrowserutils.h"
#include "qtsimplevalues.h"

class QtDateTimePropertyManagerPrivate : public QtSimpleValues<QtDateTimePropertyManager, QDateTime>
{
public:
    using QtSimpleValues::QtSimpleValues;
    // Taken once: a later change of the default locale does not reach it.
    QString format = QtPropertyBrowserUtils::dateTimeFormat();
};

QtDateTimePropertyManager::QtDateTimePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtDateTimePropertyManagerPrivate(this))
{ }

QtDateTimePropertyManager::~QtDateTimePropertyManager()
{
    clear();
    delete d_ptr;
}

QDateTime QtDateTimePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

void QtDateTimePropertyManager::setValue(QtProperty *property, const QDateTime &val)
{
    d_ptr->setValue(property, val);
}

QString QtDateTimePropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it.value().toString(d_ptr->format);
}

void QtDateTimePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QDateTime::currentDateTime();
}

void QtDateTimePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
