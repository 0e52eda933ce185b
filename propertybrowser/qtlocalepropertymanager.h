#ifndef QTLOCALEPROPERTYMANAGER_H
#define QTLOCALEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QLocale>

class QtEnumPropertyManager;
class QtLocalePropertyManagerPrivate;

// A locale per property, chosen as a language and one of its countries.
class QtLocalePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtLocalePropertyManager(QObject *parent = nullptr);
    ~QtLocalePropertyManager() override;

    QLocale value(const QtProperty *property) const;
    QtEnumPropertyManager *subEnumPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QLocale &value);

signals:
    void valueChanged(QtProperty *property, const QLocale &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotEnumChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtLocalePropertyManagerPrivate *d_ptr;
};

#endif // QTLOCALEPROPERTYMANAGER_H
