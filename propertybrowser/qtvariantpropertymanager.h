#ifndef QTVARIANTPROPERTYMANAGER_H
#define QTVARIANTPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"
#include "qtvariantproperty.h"

#include <QIcon>
#include <QMap>
#include <QVariant>

class QtVariantPropertyManagerPrivate;

// The value of the "enumIcons" attribute.
using QtIconMap = QMap<int, QIcon>;

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

    // Named settings of a row's typed manager (limits, step, decimals, pattern, names ...).
    virtual QStringList attributes(int propertyType) const;
    virtual int attributeType(int propertyType, const QString &attribute) const;
    virtual QVariant attributeValue(const QtProperty *property, const QString &attribute) const;

    static int enumTypeId();
    static int flagTypeId();
    static int groupTypeId();
    static int iconMapTypeId();

    // The internal property a row of any variant manager shows, or null.
    static QtProperty *wrappedProperty(const QtProperty *property);

public slots:
    virtual void setValue(QtProperty *property, const QVariant &value);
    virtual void setAttribute(QtProperty *property, const QString &attribute,
                              const QVariant &value);

signals:
    void valueChanged(QtProperty *property, const QVariant &value);
    void attributeChanged(QtProperty *property, const QString &attribute, const QVariant &value);

protected:
    bool hasValue(const QtProperty *property) const override;
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;
    QtProperty *createProperty() override;

private:
    friend class QtVariantPropertyManagerPrivate;

    // The value of the "enumIcons" attribute.
    using QtIconMap = QMap<int, QIcon>;
    QtVariantPropertyManagerPrivate *d_ptr;
};

#endif // QTVARIANTPROPERTYMANAGER_H
