#ifndef QTCURSORPROPERTYMANAGER_H
#define QTCURSORPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QCursor>

class QtCursorPropertyManagerPrivate;

// A mouse cursor per property, named and drawn after its shape.
class QtCursorPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtCursorPropertyManager(QObject *parent = nullptr);
    ~QtCursorPropertyManager() override;

    QCursor value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QCursor &value);

signals:
    void valueChanged(QtProperty *property, const QCursor &value);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtCursorPropertyManagerPrivate *d_ptr;
};

#endif // QTCURSORPROPERTYMANAGER_H
