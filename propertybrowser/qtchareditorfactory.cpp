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
    connect(manager, SIGNAL(valueChanged(QtProperty *, QChar)), this,
            SLOT(slotPropertyChanged(QtProperty *, QChar)));
}

void QtCharEditorFactory::disconnectPropertyManager(QtCharPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QChar)), this,
               SLOT(slotPropertyChanged(QtProperty *, QChar)));
}

QWidget *QtCharEditorFactory::createEditor(QtCharPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QtCharEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, SIGNAL(valueChanged(QChar)), this, SLOT(slotSetValue(QChar)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtCharEditorFactory::slotPropertyChanged(QtProperty *property, const QChar &)
{
    // The manager's value: a receiver before this one may have changed it again.
    auto *manager = qobject_cast<QtCharPropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QChar value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QtCharEdit *editor) { editor->setValue(value); });
}

void QtCharEditorFactory::slotSetValue(const QChar &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtCharPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtCharEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
