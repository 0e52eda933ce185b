#ifndef QTPOINTFPROPERTYMANAGER_H
#define QTPOINTFPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QPointF>

class QtDoublePropertyManager;
class QtPointFPropertyManagerPrivate;

// A point of real numbers per property, with its X and Y rows and the decimals they show.
class QtPointFPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtPointFPropertyManager(QObject *parent = nullptr);
    ~QtPointFPropertyManager() override;

    QPointF value(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;
    QtDoublePropertyManager *subDoublePropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QPointF &value);
    void setDecimals(QtProperty *property, int decimals);

signals:
    void valueChanged(QtProperty *property, const QPointF &value);
    void decimalsChanged(QtProperty *property, int decimals);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotDoubleChanged(QtProperty *property, double value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtPointFPropertyManagerPrivate *d_ptr;
};

#endif // QTPOINTFPROPERTYMANAGER_H
