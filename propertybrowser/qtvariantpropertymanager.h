#ifndef QTVARIANTPROPERTYMANAGER_H
#define QTVARIANTPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"
#include "qtvariantproperty.h"

#include <QVariant>

class QtVariantPropertyManagerPrivate;

// All typed managers behind one interface: a property type is a type id and a value a
// QVariant. Each row wraps an internal property of the typed manager of its type.
class QtVariantPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtVariantPropertyManager(QObject *parent = nullptr);
    ~QtVariantPropertyManager() override;

    using QtAbstractPropertyManager::addProperty;
    virtual QtVariantProperty *addProperty(int propertyType, const QString &name = QString());

    int propertyType(const QtProperty *property) const;
    QtVariantProperty *variantProperty(const QtProperty *property) const;

    virtual int valueType(int propertyType) const;
    virtual bool isPropertyTypeSupported(int propertyType) const;
    virtual QVariant value(const QtProperty *property) const;

    static int enumTypeId();
    static int flagTypeId();
    static int groupTypeId();
    static int iconMapTypeId();

    // The internal property a row of any variant manager shows, or null.
    static QtProperty *wrappedProperty(const QtProperty *property);

public slots:
    virtual void setValue(QtProperty *property, const QVariant &value);

signals:
    void valueChanged(QtProperty *property, const QVariant &value);

protected:
    bool hasValue(const QtProperty *property) const override;
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;
    QtProperty *createProperty() override;

private:
    friend class QtVariantPropertyManagerPrivate;
    QtVariantPropertyManagerPrivate *d_ptr;
};

#endif // QTVARIANTPROPERTYMANAGER_H
