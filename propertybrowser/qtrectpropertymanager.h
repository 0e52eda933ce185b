#ifndef QTRECTPROPERTYMANAGER_H
#define QTRECTPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QRect>

class QtIntPropertyManager;
class QtRectPropertyManagerPrivate;

// A rectangle per property, with its X, Y, Width and Height rows and an optional constraint it must
// lie in.
class QtRectPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtRectPropertyManager(QObject *parent = nullptr);
    ~QtRectPropertyManager() override;

    QRect value(const QtProperty *property) const;
    QRect constraint(const QtProperty *property) const;
    QtIntPropertyManager *subIntPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QRect &value);
    void setConstraint(QtProperty *property, const QRect &constraint);

signals:
    void valueChanged(QtProperty *property, const QRect &value);
    void constraintChanged(QtProperty *property, const QRect &constraint);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtRectPropertyManagerPrivate *d_ptr;
};

#endif // QTRECTPROPERTYMANAGER_H
