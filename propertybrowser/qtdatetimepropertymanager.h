#ifndef QTDATETIMEPROPERTYMANAGER_H
#define QTDATETIMEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QDateTime>

class QtDateTimePropertyManagerPrivate;

// A date and time per property.
class QtDateTimePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtDateTimePropertyManager(QObject *parent = nullptr);
    ~QtDateTimePropertyManager() override;

    QDateTime value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QDateTime &value);

signals:
    void valueChanged(QtProperty *property, const QDateTime &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtDateTimePropertyManagerPrivate *d_ptr;
};

#endif // QTDATETIMEPROPERTYMANAGER_H
