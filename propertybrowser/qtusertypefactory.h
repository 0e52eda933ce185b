#ifndef QTUSERTYPEFACTORY_H
#define QTUSERTYPEFACTORY_H

#include "editorfactoryprivate.h"
#include "qtabstracteditorfactory.h"
#include "qtusertypeservices.h"

// Editors of one program-specific row type: every open editor of a row shows the manager's
// value, and an editor's change goes to the manager. Each editor gets the services the
// panel handed in.
template<class Manager, class Editor>
class QtUserTypeFactory : public QtAbstractEditorFactory<Manager>
{
public:
    explicit QtUserTypeFactory(QObject *parent = nullptr)
        : QtAbstractEditorFactory<Manager>(parent)
    { }

    ~QtUserTypeFactory() override
    {
        const auto editors = m_editors.propertyOfEditor.keys();
        qDeleteAll(editors);
    }

    void setServices(const QtUserTypeServices &services) { m_services = services; }
    QtUserTypeServices services() const { return m_services; }

protected:
    void connectPropertyManager(Manager *manager) override
    {
        QObject::connect(manager, &Manager::valueChanged, this,
                         [this, manager](QtProperty *property, const QString &) {
                             showValue(manager, property);
                         });
    }

    void disconnectPropertyManager(Manager *manager) override
    {
        QObject::disconnect(manager, &Manager::valueChanged, this, nullptr);
    }

    QWidget *createEditor(Manager *manager, QtProperty *property, QWidget *parent) override
    {
        auto *editor = new Editor(parent);
        editor->setServices(m_services);
        m_editors.initializeEditor(property, editor);
        editor->setValue(manager->value(property));
        QObject::connect(editor, &Editor::valueChanged, this,
                         [this, editor](const QString &value) { setValue(editor, value); });
        QObject::connect(editor, &QObject::destroyed, this,
                         [this](QObject *object) { m_editors.slotEditorDestroyed(object); });
        return editor;
    }

private:
    void showValue(Manager *manager, QtProperty *property)
    {
        // The manager's value now: a receiver before this one may have changed it again.
        if (!manager->ownsProperty(property))
            return;
        const QString value = manager->value(property);
        const auto editors = m_editors.editorsOfProperty.value(property);
        for (Editor *editor : editors)
            editor->setValue(value);
    }

    void setValue(Editor *editor, const QString &value)
    {
        QtProperty *property = m_editors.propertyOfSender(editor);
        if (Manager *manager = this->propertyManager(property))
            manager->setValue(property, value);
    }

    EditorFactoryPrivate<Editor> m_editors;
    QtUserTypeServices m_services;
};

#endif // QTUSERTYPEFACTORY_H
