#ifndef QTENUMPROPERTYMANAGER_H
#define QTENUMPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QIcon>
#include <QMap>
#include <QStringList>

class QtEnumPropertyManagerPrivate;

// A choice among named entries; the value is the index of the chosen name, -1 for none.
class QtEnumPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtEnumPropertyManager(QObject *parent = nullptr);
    ~QtEnumPropertyManager() override;

    int value(const QtProperty *property) const;
    QStringList enumNames(const QtProperty *property) const;
    QMap<int, QIcon> enumIcons(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, int value);
    void setEnumNames(QtProperty *property, const QStringList &names);
    void setEnumIcons(QtProperty *property, const QMap<int, QIcon> &icons);

signals:
    void valueChanged(QtProperty *property, int value);
    void enumNamesChanged(QtProperty *property, const QStringList &names);
    void enumIconsChanged(QtProperty *property, const QMap<int, QIcon> &icons);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtEnumPropertyManagerPrivate *d_ptr;
};

#endif // QTENUMPROPERTYMANAGER_H
