#ifndef QTDATEPROPERTYMANAGER_H
#define QTDATEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QDate>

class QtDatePropertyManagerPrivate;

// A date per property, kept within a range.
class QtDatePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtDatePropertyManager(QObject *parent = nullptr);
    ~QtDatePropertyManager() override;

    QDate value(const QtProperty *property) const;
    QDate minimum(const QtProperty *property) const;
    QDate maximum(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QDate &value);
    void setMinimum(QtProperty *property, const QDate &minimum);
    void setMaximum(QtProperty *property, const QDate &maximum);
    void setRange(QtProperty *property, const QDate &minimum, const QDate &maximum);

signals:
    void valueChanged(QtProperty *property, const QDate &value);
    void rangeChanged(QtProperty *property, const QDate &minimum, const QDate &maximum);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtDatePropertyManagerPrivate *d_ptr;
};

#endif // QTDATEPROPERTYMANAGER_H
