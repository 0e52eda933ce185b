#include "qttimepropertymanager.h"

#include "qtpropertybrowserutils.h"
#include "qtsimplevalues.h"

class QtTimePropertyManagerPrivate : public QtSimpleValues<QtTimePropertyManager, QTime>
{
public:
    using QtSimpleValues::QtSimpleValues;
    // Taken once: a later change of the default locale does not reach it.
    QString format = QtPropertyBrowserUtils::timeFormat();
};

QtTimePropertyManager::QtTimePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtTimePropertyManagerPrivate(this))
{ }

QtTimePropertyManager::~QtTimePropertyManager()
{
    clear();
    delete d_ptr;
}

QTime QtTimePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

void QtTimePropertyManager::setValue(QtProperty *property, const QTime &val)
{
    d_ptr->setValue(property, val);
}

QString QtTimePropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it.value().toString(d_ptr->format);
}

void QtTimePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QTime::currentTime();
}

void QtTimePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
