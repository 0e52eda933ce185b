#ifndef QTRECTFPROPERTYMANAGER_H
#define QTRECTFPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QRectF>

class QtDoublePropertyManager;
class QtRectFPropertyManagerPrivate;

// A rectangle of real numbers per property, with its X, Y, Width and Height rows, an optional
// constraint it must lie in and the decimals they show.
class QtRectFPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtRectFPropertyManager(QObject *parent = nullptr);
    ~QtRectFPropertyManager() override;

    QRectF value(const QtProperty *property) const;
    QRectF constraint(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;
    QtDoublePropertyManager *subDoublePropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QRectF &value);
    void setConstraint(QtProperty *property, const QRectF &constraint);
    void setDecimals(QtProperty *property, int decimals);

signals:
    void valueChanged(QtProperty *property, const QRectF &value);
    void constraintChanged(QtProperty *property, const QRectF &constraint);
    void decimalsChanged(QtProperty *property, int decimals);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotDoubleChanged(QtProperty *property, double value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtRectFPropertyManagerPrivate *d_ptr;
};

#endif // QTRECTFPROPERTYMANAGER_H
