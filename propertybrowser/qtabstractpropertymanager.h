#ifndef QTABSTRACTPROPERTYMANAGER_H
#define QTABSTRACTPROPERTYMANAGER_H

#include <QIcon>
#include <QObject>
#include <QSet>

class QtProperty;
class QtAbstractPropertyManagerPrivate;

// Creates, owns and deletes properties and announces every change of them.
class QtAbstractPropertyManager : public QObject
{
    Q_OBJECT
public:
    explicit QtAbstractPropertyManager(QObject *parent = nullptr);
    ~QtAbstractPropertyManager() override;

    QtProperty *addProperty(const QString &name = QString());
    void clear() const;

    // Whether the property is still alive and owned here; slots that may run after a
    // property was deleted by an earlier receiver check this before using it.
    bool ownsProperty(const QtProperty *property) const;

signals:
    void propertyInserted(QtProperty *property, QtProperty *parent, QtProperty *after);
    void propertyChanged(QtProperty *property);
    void propertyRemoved(QtProperty *property, QtProperty *parent);
    void propertyDestroyed(QtProperty *property);

protected:
    virtual bool hasValue(const QtProperty *property) const;
    virtual QIcon valueIcon(const QtProperty *property) const;
    virtual QString valueText(const QtProperty *property) const;
    virtual void initializeProperty(QtProperty *property) = 0;
    virtual void uninitializeProperty(QtProperty *property);
    virtual QtProperty *createProperty();

private:
    friend class QtProperty;
    void forgetProperty(QtProperty *property);
    QtAbstractPropertyManagerPrivate *d_ptr;
};

#endif // QTABSTRACTPROPERTYMANAGER_H
