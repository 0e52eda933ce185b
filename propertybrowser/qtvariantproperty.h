#ifndef QTVARIANTPROPERTY_H
#define QTVARIANTPROPERTY_H

#include "qtproperty.h"

#include <QVariant>

class QtVariantPropertyManager;
class QtVariantPropertyPrivate;

// A row of the variant manager: its value is a QVariant of the row's value type.
class QtVariantProperty : public QtProperty
{
public:
    ~QtVariantProperty() override;

    QVariant value() const;
    int valueType() const;
    int propertyType() const;
    QVariant attributeValue(const QString &attribute) const;
    void setValue(const QVariant &value);

protected:
    explicit QtVariantProperty(QtVariantPropertyManager *manager);

private:
    friend class QtVariantPropertyManager;
    QtVariantPropertyPrivate *d_ptr;
};

#endif // QTVARIANTPROPERTY_H
