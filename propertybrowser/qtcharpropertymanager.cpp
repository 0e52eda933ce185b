#include "qtcharpropertymanager.h"

#include "qtsimplevalues.h"

class QtCharPropertyManagerPrivate : public QtSimpleValues<QtCharPropertyManager, QChar>
{
public:
    using QtSimpleValues::QtSimpleValues;
};

QtCharPropertyManager::QtCharPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtCharPropertyManagerPrivate(this))
{ }

QtCharPropertyManager::~QtCharPropertyManager()
{
    clear();
    delete d_ptr;
}

QChar QtCharPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

void QtCharPropertyManager::setValue(QtProperty *property, const QChar &val)
{
    d_ptr->setValue(property, val);
}

QString QtCharPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it.value().isNull())
        return QString();
    return QString(it.value());
}

void QtCharPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QChar();
}

void QtCharPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
