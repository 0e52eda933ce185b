#ifndef QTSIZEPROPERTYMANAGER_H
#define QTSIZEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QSize>

class QtIntPropertyManager;
class QtSizePropertyManagerPrivate;

// A size per property, with its Width and Height rows, kept within a range.
class QtSizePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtSizePropertyManager(QObject *parent = nullptr);
    ~QtSizePropertyManager() override;

    QSize value(const QtProperty *property) const;
    QSize minimum(const QtProperty *property) const;
    QSize maximum(const QtProperty *property) const;
    QtIntPropertyManager *subIntPropertyManager() const;

public slots:
    void setValue(QtProperty *property, const QSize &value);
    void setMinimum(QtProperty *property, const QSize &minimum);
    void setMaximum(QtProperty *property, const QSize &maximum);
    void setRange(QtProperty *property, const QSize &minimum, const QSize &maximum);

signals:
    void valueChanged(QtProperty *property, const QSize &value);
    void rangeChanged(QtProperty *property, const QSize &minimum, const QSize &maximum);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtSizePropertyManagerPrivate *d_ptr;
};

#endif // QTSIZEPROPERTYMANAGER_H
