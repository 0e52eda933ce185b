#ifndef QTTIMEPROPERTYMANAGER_H
#define QTTIMEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QTime>

class QtTimePropertyManagerPrivate;

// A time per property.
class QtTimePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtTimePropertyManager(QObject *parent = nullptr);
    ~QtTimePropertyManager() override;

    QTime value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QTime &value);

signals:
    void valueChanged(QtProperty *property, const QTime &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtTimePropertyManagerPrivate *d_ptr;
};

#endif // QTTIMEPROPERTYMANAGER_H
