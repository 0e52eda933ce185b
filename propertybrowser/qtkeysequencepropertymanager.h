#ifndef QTKEYSEQUENCEPROPERTYMANAGER_H
#define QTKEYSEQUENCEPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QKeySequence>

class QtKeySequencePropertyManagerPrivate;

// A key sequence per property.
class QtKeySequencePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtKeySequencePropertyManager(QObject *parent = nullptr);
    ~QtKeySequencePropertyManager() override;

    QKeySequence value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QKeySequence &value);

signals:
    void valueChanged(QtProperty *property, const QKeySequence &value);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtKeySequencePropertyManagerPrivate *d_ptr;
};

#endif // QTKEYSEQUENCEPROPERTYMANAGER_H
