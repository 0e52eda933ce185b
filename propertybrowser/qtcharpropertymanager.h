#ifndef QTCHARPROPERTYMANAGER_H
#define QTCHARPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QChar>

class QtCharPropertyManagerPrivate;

// One character per property; the null character for none.
class QtCharPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtCharPropertyManager(QObject *parent = nullptr);
    ~QtCharPropertyManager() override;

    QChar value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QChar &value);

signals:
    void valueChanged(QtProperty *property, const QChar &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtCharPropertyManagerPrivate *d_ptr;
};

#endif // QTCHARPROPERTYMANAGER_H
