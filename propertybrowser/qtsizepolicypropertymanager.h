#ifndef QTSIZEPOLICYPROPERTYMANAGER_H
#define QTSIZEPOLICYPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QSizePolicy>

class QtIntPropertyManager;
class QtEnumPropertyManager;
class QtSizePolicyPropertyManagerPrivate;

// A size policy per property: two policy choices and two stretch numbers as its rows.
class QtSizePolicyPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtSizePolicyPropertyManager(QObject *parent = nullptr);
    ~QtSizePolicyPropertyManager() override;

    QSizePolicy value(const QtProperty *property) const;
    QtIntPropertyManager *subIntPropertyManager() const;
    QtEnumPropertyManager *subEnumPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QSizePolicy &value);

signals:
    void valueChanged(QtProperty *property, const QSizePolicy &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotEnumChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtSizePolicyPropertyManagerPrivate *d_ptr;
};

#endif // QTSIZEPOLICYPROPERTYMANAGER_H
