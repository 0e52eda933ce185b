#ifndef QTUSERTYPEONE_IMAGEMANAGER_H
#define QTUSERTYPEONE_IMAGEMANAGER_H

#include "qtabstractpropertymanager.h"

class QtUserTypeOne_ImageManagerPrivate;

// A text value per property, shown as it is in the value column.
class QtUserTypeOne_ImageManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtUserTypeOne_ImageManager(QObject *parent = nullptr);
    ~QtUserTypeOne_ImageManager() override;

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
    QtUserTypeOne_ImageManagerPrivate *d_ptr;
};

#endif // QTUSERTYPEONE_IMAGEMANAGER_H
