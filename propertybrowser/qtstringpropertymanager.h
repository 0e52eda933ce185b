#ifndef QTSTRINGPROPERTYMANAGER_H
#define QTSTRINGPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

#include <QRegExp>

class QtStringPropertyManagerPrivate;

// A text per property, guarded by a pattern that a new text must match as a whole.
class QtStringPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtStringPropertyManager(QObject *parent = nullptr);
    ~QtStringPropertyManager() override;

    QString value(const QtProperty *property) const;
    QRegExp regExp(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QString &value);
    void setRegExp(QtProperty *property, const QRegExp &regExp);

signals:
    void valueChanged(QtProperty *property, const QString &value);
    void regExpChanged(QtProperty *property, const QRegExp &regExp);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtStringPropertyManagerPrivate *d_ptr;
};

#endif // QTSTRINGPROPERTYMANAGER_H
