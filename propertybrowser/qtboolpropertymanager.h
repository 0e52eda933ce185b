#ifndef QTBOOLPROPERTYMANAGER_H
#define QTBOOLPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

class QtBoolPropertyManagerPrivate;

// A bool per property, shown as "True"/"False" with a check-box picture.
class QtBoolPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtBoolPropertyManager(QObject *parent = nullptr);
    ~QtBoolPropertyManager() override;

    bool value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, bool value);

signals:
    void valueChanged(QtProperty *property, bool value);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtBoolPropertyManagerPrivate *d_ptr;
};

#endif // QTBOOLPROPERTYMANAGER_H
