#ifndef QTCOLORPROPERTYMANAGER_H
#define QTCOLORPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QColor>

class QtIntPropertyManager;
class QtColorPropertyManagerPrivate;

// A colour per property, edited as a whole or through its Red, Green, Blue and Alpha rows.
class QtColorPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtColorPropertyManager(QObject *parent = nullptr);
    ~QtColorPropertyManager() override;

    QColor value(const QtProperty *property) const;
    QtIntPropertyManager *subIntPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QColor &value);

signals:
    void valueChanged(QtProperty *property, const QColor &value);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtColorPropertyManagerPrivate *d_ptr;
};

#endif // QTCOLORPROPERTYMANAGER_H
