#ifndef QTSUBPROPERTYMAPS_H
#define QTSUBPROPERTYMAPS_H

#include <QMap>
#include <QVector>

class QtProperty;

// The component rows of a compound manager's properties, per role: property -> component
// (null once the component was deleted from outside) and component -> property.
class QtSubPropertyMaps
{
public:
    explicit QtSubPropertyMaps(int roleCount);

    int roleCount() const { return m_components.size(); }

    // Enters a set-up component and appends it to the property's sub-properties; entered
    // only now, so that the set-up's own signals are not folded back.
    void add(int role, QtProperty *property, QtProperty *component);
    QtProperty *component(int role, const QtProperty *property) const;
    // The property a component belongs to and the component's role; null for none.
    QtProperty *owner(const QtProperty *component, int *role = nullptr) const;
    // A component deleted from outside: its property keeps an empty place for it.
    void forgetComponent(const QtProperty *component);
    // Deletes the property's components, in role order.
    void removeProperty(const QtProperty *property);

private:
    QVector<QMap<const QtProperty *, QtProperty *>> m_components;
    QVector<QMap<const QtProperty *, QtProperty *>> m_owners;
};

#endif // QTSUBPROPERTYMAPS_H
