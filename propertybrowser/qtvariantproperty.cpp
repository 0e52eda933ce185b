#include "qtvariantproperty.h"

#include "qtvariantpropertymanager.h"

class QtVariantPropertyPrivate
{
public:
    QtVariantPropertyManager *manager = nullptr;
};

QtVariantProperty::QtVariantProperty(QtVariantPropertyManager *manager)
    : QtProperty(manager)
    , d_ptr(new QtVariantPropertyPrivate)
{
    d_ptr->manager = manager;
}

QtVariantProperty::~QtVariantProperty()
{
    delete d_ptr;
}

QVariant QtVariantProperty::value() const
{
    return d_ptr->manager->value(this);
}

int QtVariantProperty::valueType() const
{
    return d_ptr->manager->valueType(propertyType());
}

int QtVariantProperty::propertyType() const
{
    return d_ptr->manager->propertyType(this);
}

void QtVariantProperty::setValue(const QVariant &value)
{
    d_ptr->manager->setValue(this, value);
}

QVariant QtVariantProperty::attributeValue(const QString &attribute) const
{
    return d_ptr->manager->attributeValue(this, attribute);
}
