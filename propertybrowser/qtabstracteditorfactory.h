#ifndef QTABSTRACTEDITORFACTORY_H
#define QTABSTRACTEDITORFACTORY_H

#include "qtabstracteditorfactorybase.h"
#include "qtproperty.h"

#include <QList>

// An editor factory for the managers of one type; keeps the set of managers it serves.
template<class PropertyManager> class QtAbstractEditorFactory : public QtAbstractEditorFactoryBase
{
public:
    explicit QtAbstractEditorFactory(QObject *parent = nullptr)
        : QtAbstractEditorFactoryBase(parent)
    { }

    QWidget *createEditor(QtProperty *property, QWidget *parent) override
    {
        PropertyManager *manager = propertyManager(property);
        return manager ? createEditor(manager, property, parent) : nullptr;
    }

    void addPropertyManager(PropertyManager *manager)
    {
        if (!manager || m_managers.contains(manager))
            return;
        m_managers.append(manager);
        connectPropertyManager(manager);
        connect(manager, &QObject::destroyed, this, &QtAbstractEditorFactory::managerDestroyed);
    }

    PropertyManager *propertyManager(QtProperty *property) const
    {
        // Asks the managers rather than the property, which may already be gone.
        if (!property)
            return nullptr;
        for (PropertyManager *manager : m_managers) {
            if (manager->ownsProperty(property))
                return manager;
        }
        return nullptr;
    }

    QList<PropertyManager *> propertyManagers() const { return m_managers; }

    void breakConnection(QtAbstractPropertyManager *manager) override
    {
        for (PropertyManager *served : m_managers) {
            if (served == manager) {
                disconnect(served, &QObject::destroyed, this,
                           &QtAbstractEditorFactory::managerDestroyed);
                disconnectPropertyManager(served);
                m_managers.removeAll(served);
                return;
            }
        }
    }

protected:
    virtual void connectPropertyManager(PropertyManager *manager) = 0;
    virtual QWidget *createEditor(PropertyManager *manager, QtProperty *property,
                                  QWidget *parent) = 0;
    virtual void disconnectPropertyManager(PropertyManager *manager) = 0;

    void managerDestroyed(QObject *manager) override
    {
        // The manager is half destroyed: compare addresses only.
        for (int i = 0; i < m_managers.size(); ++i) {
            if (static_cast<const void *>(m_managers.at(i)) == static_cast<const void *>(manager)) {
                m_managers.removeAt(i);
                return;
            }
        }
    }

private:
    QList<PropertyManager *> m_managers;
};

#endif // QTABSTRACTEDITORFACTORY_H
