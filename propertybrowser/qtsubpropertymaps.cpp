#include "qtsubpropertymaps.h"

#include "qtproperty.h"

QtSubPropertyMaps::QtSubPropertyMaps(int roleCount)
    : m_components(roleCount)
    , m_owners(roleCount)
{ }

void QtSubPropertyMaps::add(int role, QtProperty *property, QtProperty *component)
{
    m_components[role][property] = component;
    m_owners[role][component] = property;
    property->addSubProperty(component);
}

QtProperty *QtSubPropertyMaps::component(int role, const QtProperty *property) const
{
    return m_components.at(role).value(property, nullptr);
}

QtProperty *QtSubPropertyMaps::owner(const QtProperty *component, int *role) const
{
    for (int r = 0; r < m_owners.size(); ++r) {
        const auto it = m_owners.at(r).constFind(component);
        if (it == m_owners.at(r).constEnd())
            continue;
        if (role)
            *role = r;
        return it.value();
    }
    return nullptr;
}

void QtSubPropertyMaps::forgetComponent(const QtProperty *component)
{
    for (int r = 0; r < m_owners.size(); ++r) {
        const auto it = m_owners[r].find(component);
        if (it == m_owners[r].end())
            continue;
        m_components[r][it.value()] = nullptr;
        m_owners[r].erase(it);
        return;
    }
}

void QtSubPropertyMaps::removeProperty(const QtProperty *property)
{
    // Deleting a component runs other slots: each step takes what is left at that moment.
    for (int r = 0; r < m_components.size(); ++r) {
        QtProperty *component = m_components[r].take(property);
        if (!component)
            continue;
        m_owners[r].remove(component);
        delete component;
    }
}
