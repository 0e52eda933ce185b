#ifndef QTFLAGPROPERTYMANAGER_H
#define QTFLAGPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QStringList>

class QtBoolPropertyManager;
class QtFlagPropertyManagerPrivate;

// A set of named switches packed into the bits of an int, one bool row per name.
class QtFlagPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    // The most names a row takes: each needs a bit of a non-negative int.
    static const int maximumFlagCount = 31;

    explicit QtFlagPropertyManager(QObject *parent = nullptr);
    ~QtFlagPropertyManager() override;

    int value(const QtProperty *property) const;
    QStringList flagNames(const QtProperty *property) const;
    QtBoolPropertyManager *subBoolPropertyManager() const;

public slots:
    void setValue(QtProperty *property, int value);
    void setFlagNames(QtProperty *property, const QStringList &names);

signals:
    void valueChanged(QtProperty *property, int value);
    void flagNamesChanged(QtProperty *property, const QStringList &names);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotBoolChanged(QtProperty *property, bool value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtFlagPropertyManagerPrivate *d_ptr;
};

#endif // QTFLAGPROPERTYMANAGER_H
