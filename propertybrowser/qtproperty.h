#ifndef QTPROPERTY_H
#define QTPROPERTY_H

#include <QIcon>
#include <QList>
#include <QString>

class QtAbstractPropertyManager;
class QtPropertyPrivate;

// One row of a property sheet; made and owned by its manager. Parents do not own their
// sub-properties, which may belong to other managers.
class QtProperty
{
public:
    virtual ~QtProperty();

    QList<QtProperty *> subProperties() const;
    QtAbstractPropertyManager *propertyManager() const;

    QString propertyName() const;
    QString valueToolTip() const;
    QString statusTip() const;
    QString whatsThis() const;
    void setPropertyName(const QString &text);
    void setValueToolTip(const QString &text);
    void setStatusTip(const QString &text);
    void setWhatsThis(const QString &text);

    bool hasValue() const;
    QIcon valueIcon() const;
    QString valueText() const;

    void addSubProperty(QtProperty *property);
    void insertSubProperty(QtProperty *property, QtProperty *afterProperty);

protected:
    explicit QtProperty(QtAbstractPropertyManager *manager);
    void propertyChanged();

private:
    friend class QtAbstractPropertyManager;
    QtPropertyPrivate *d_ptr;
};

#endif // QTPROPERTY_H
