#include "qtcheckboxfactory.h"

#include "editorfactoryprivate.h"
#include "qtbooledit.h"

QtCheckBoxFactory::QtCheckBoxFactory(QObject *parent)
    : QtAbstractEditorFactory<QtBoolPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QtBoolEdit>)
{ }

QtCheckBoxFactory::~QtCheckBoxFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtCheckBoxFactory::connectPropertyManager(QtBoolPropertyManager *manager)
{
    connect(manager, &QtBoolPropertyManager::valueChanged, this,
            &QtCheckBoxFactory::slotPropertyChanged);
}

void QtCheckBoxFactory::disconnectPropertyManager(QtBoolPropertyManager *manager)
{
    disconnect(manager, &QtBoolPropertyManager::valueChanged, this,
               &QtCheckBoxFactory::slotPropertyChanged);
}

QWidget *QtCheckBoxFactory::createEditor(QtBoolPropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QtBoolEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setChecked(manager->value(property));
    connect(editor, &QtBoolEdit::toggled, this,
            [this, editor](bool value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtCheckBoxFactory::slotEditorDestroyed);
    return editor;
}

void QtCheckBoxFactory::slotPropertyChanged(QtProperty *property, bool)
{
    QtBoolPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const bool value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtBoolEdit *editor : editors) {
        const bool blocked = editor->blockCheckBoxSignals(true);
        editor->setChecked(value);
        editor->blockCheckBoxSignals(blocked);
    }
}

void QtCheckBoxFactory::setValue(QtBoolEdit *editor, bool value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtBoolPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtCheckBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
