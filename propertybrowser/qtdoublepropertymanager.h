#ifndef QTDOUBLEPROPERTYMANAGER_H
#define QTDOUBLEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

class QtDoublePropertyManagerPrivate;

// A double per property with a range, a step and the decimals shown.
class QtDoublePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtDoublePropertyManager(QObject *parent = nullptr);
    ~QtDoublePropertyManager() override;

    double value(const QtProperty *property) const;
    double minimum(const QtProperty *property) const;
    double maximum(const QtProperty *property) const;
    double singleStep(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, double value);
    void setMinimum(QtProperty *property, double minimum);
    void setMaximum(QtProperty *property, double maximum);
    void setRange(QtProperty *property, double minimum, double maximum);
    void setSingleStep(QtProperty *property, double step);
    void setDecimals(QtProperty *property, int decimals);

signals:
    void valueChanged(QtProperty *property, double value);
    void rangeChanged(QtProperty *property, double minimum, double maximum);
    void singleStepChanged(QtProperty *property, double step);
    void decimalsChanged(QtProperty *property, int decimals);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtDoublePropertyManagerPrivate *d_ptr;
};

#endif // QTDOUBLEPROPERTYMANAGER_H
