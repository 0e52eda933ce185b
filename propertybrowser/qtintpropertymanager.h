#ifndef QTINTPROPERTYMANAGER_H
#define QTINTPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

class QtIntPropertyManagerPrivate;

// An int per property, kept within a range, with the step of its editor.
class QtIntPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtIntPropertyManager(QObject *parent = nullptr);
    ~QtIntPropertyManager() override;

    int value(const QtProperty *property) const;
    int minimum(const QtProperty *property) const;
    int maximum(const QtProperty *property) const;
    int singleStep(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, int value);
    void setMinimum(QtProperty *property, int minimum);
    void setMaximum(QtProperty *property, int maximum);
    void setRange(QtProperty *property, int minimum, int maximum);
    void setSingleStep(QtProperty *property, int step);

signals:
    void valueChanged(QtProperty *property, int value);
    void rangeChanged(QtProperty *property, int minimum, int maximum);
    void singleStepChanged(QtProperty *property, int step);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtIntPropertyManagerPrivate *d_ptr;
};

#endif // QTINTPROPERTYMANAGER_H
