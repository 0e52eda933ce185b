#ifndef QTUSERTYPEMANAGER_H
#define QTUSERTYPEMANAGER_H

#include "qtabstractpropertymanager.h"

template<class Manager> class QtTextValues;

// A text value per property, shown as it is in the value column: what the image-number
// and the colour-table managers have in common.
class QtUserTypeManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtUserTypeManager(QObject *parent = nullptr);
    ~QtUserTypeManager() override;

signals:
    void valueChanged(QtProperty *property, const QString &value);

public slots:
    void setValue(QtProperty *property, const QString &value);
    QString value(const QtProperty *property) const;

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtTextValues<QtUserTypeManager> *d_ptr;
};

#endif // QTUSERTYPEMANAGER_H
