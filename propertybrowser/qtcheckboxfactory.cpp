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
    connect(manager, SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotPropertyChanged(QtProperty *, bool)));
}

void QtCheckBoxFactory::disconnectPropertyManager(QtBoolPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, bool)), this,
               SLOT(slotPropertyChanged(QtProperty *, bool)));
}

QWidget *QtCheckBoxFactory::createEditor(QtBoolPropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QtBoolEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setChecked(manager->value(property));
    connect(editor, SIGNAL(toggled(bool)), this, SLOT(slotSetValue(bool)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtCheckBoxFactory::slotPropertyChanged(QtProperty *property, bool)
{
    auto *manager = qobject_cast<QtBoolPropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const bool value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtBoolEdit *editor : editors) {
        const bool blocked = editor->blockCheckBoxSignals(true);
        editor->setChecked(value);
        editor->blockCheckBoxSignals(blocked);
    }
}

void QtCheckBoxFactory::slotSetValue(bool value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtBoolPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtCheckBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
