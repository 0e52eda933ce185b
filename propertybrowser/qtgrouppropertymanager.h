#ifndef QTGROUPPROPERTYMANAGER_H
#define QTGROUPPROPERTYMANAGER_H

#include "qtabstractpropertymanager.h"

// Heading rows without a value that only hold sub-properties.
class QtGroupPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtGroupPropertyManager(QObject *parent = nullptr);
    ~QtGroupPropertyManager() override;

protected:
    bool hasValue(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;
};

#endif // QTGROUPPROPERTYMANAGER_H
