#include "qtchareditorfactory.h"

#include "editorfactoryprivate.h"

#include "qtcharedit.h"

QtCharEditorFactory::QtCharEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtCharPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QtCharEdit>)
{ }

QtCharEditorFactory::~QtCharEditorFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtCharEditorFactory::connectPropertyManager(QtCharPropertyManager *manager)
{
    connect(manager, &QtCharPropertyManager::valueChanged, this,
            &QtCharEditorFactory::slotPropertyChanged);
}

void QtCharEditorFactory::disconnectPropertyManager(QtCharPropertyManager *manager)
{
    disconnect(manager, &QtCharPropertyManager::valueChanged, this,
               &QtCharEditorFactory::slotPropertyChanged);
}

QWidget *QtCharEditorFactory::createEditor(QtCharPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QtCharEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, &QtCharEdit::valueChanged, this,
            [this, editor](const QChar &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtCharEditorFactory::slotEditorDestroyed);
    return editor;
}

void QtCharEditorFactory::slotPropertyChanged(QtProperty *property, const QChar &)
{
    // The manager's value: a receiver before this one may have changed it again.
    QtCharPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QChar value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QtCharEdit *editor) { editor->setValue(value); });
}

void QtCharEditorFactory::setValue(QtCharEdit *editor, const QChar &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtCharPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtCharEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
