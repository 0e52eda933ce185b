#ifndef QTPOINTPROPERTYMANAGER_H
#define QTPOINTPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QPoint>

class QtIntPropertyManager;
class QtPointPropertyManagerPrivate;

// A point per property, with its X and Y rows.
class QtPointPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtPointPropertyManager(QObject *parent = nullptr);
    ~QtPointPropertyManager() override;

    QPoint value(const QtProperty *property) const;
    QtIntPropertyManager *subIntPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QPoint &value);

signals:
    void valueChanged(QtProperty *property, const QPoint &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtPointPropertyManagerPrivate *d_ptr;
};

#endif // QTPOINTPROPERTYMANAGER_H
