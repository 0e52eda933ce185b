#ifndef QTFONTPROPERTYMANAGER_H
#define QTFONTPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QFont>

class QtIntPropertyManager;
class QtEnumPropertyManager;
class QtBoolPropertyManager;
class QtFontPropertyManagerPrivate;

// A font per property, with rows for its family, point size and five switches; the family
// list follows the fonts installed.
class QtFontPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtFontPropertyManager(QObject *parent = nullptr);
    ~QtFontPropertyManager() override;

    QFont value(const QtProperty *property) const;
    QtIntPropertyManager *subIntPropertyManager() const;
    QtEnumPropertyManager *subEnumPropertyManager() const;
    QtBoolPropertyManager *subBoolPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QFont &value);

signals:
    void valueChanged(QtProperty *property, const QFont &value);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotEnumChanged(QtProperty *property, int value);
    void slotBoolChanged(QtProperty *property, bool value);
    void slotPropertyDestroyed(QtProperty *property);
    void slotFontDatabaseChanged();
    void slotFontDatabaseDelayedChange();

private:
    QtFontPropertyManagerPrivate *d_ptr;
};

#endif // QTFONTPROPERTYMANAGER_H
