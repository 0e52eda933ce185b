#ifndef QTUSERTYPETWO_COLORMANAGER_H
#define QTUSERTYPETWO_COLORMANAGER_H

#include "qtabstractpropertymanager.h"

class QtUserTypeTwo_ColorManagerPrivate;

// A text value per property, shown as it is in the value column.
class QtUserTypeTwo_ColorManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtUserTypeTwo_ColorManager(QObject *parent = nullptr);
    ~QtUserTypeTwo_ColorManager() override;

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
    QtUserTypeTwo_ColorManagerPrivate *d_ptr;
};

#endif // QTUSERTYPETWO_COLORMANAGER_H
