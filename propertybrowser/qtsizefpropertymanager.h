#ifndef QTSIZEFPROPERTYMANAGER_H
#define QTSIZEFPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QSizeF>

class QtDoublePropertyManager;
class QtSizeFPropertyManagerPrivate;

// A size of real numbers per property, with its Width and Height rows, a range and the decimals
// they show.
class QtSizeFPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtSizeFPropertyManager(QObject *parent = nullptr);
    ~QtSizeFPropertyManager() override;

    QSizeF value(const QtProperty *property) const;
    QSizeF minimum(const QtProperty *property) const;
    QSizeF maximum(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;
    QtDoublePropertyManager *subDoublePropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QSizeF &value);
    void setMinimum(QtProperty *property, const QSizeF &minimum);
    void setMaximum(QtProperty *property, const QSizeF &maximum);
    void setRange(QtProperty *property, const QSizeF &minimum, const QSizeF &maximum);
    void setDecimals(QtProperty *property, int decimals);

signals:
    void valueChanged(QtProperty *property, const QSizeF &value);
    void rangeChanged(QtProperty *property, const QSizeF &minimum, const QSizeF &maximum);
    void decimalsChanged(QtProperty *property, int decimals);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotDoubleChanged(QtProperty *property, double value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtSizeFPropertyManagerPrivate *d_ptr;
};

#endif // QTSIZEFPROPERTYMANAGER_H
