#include "qtkeysequenceeditorfactory.h"

#include "editorfactoryprivate.h"

#include <QKeySequenceEdit>

QtKeySequenceEditorFactory::QtKeySequenceEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtKeySequencePropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QKeySequenceEdit>)
{ }

QtKeySequenceEditorFactory::~QtKeySequenceEditorFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtKeySequenceEditorFactory::connectPropertyManager(QtKeySequencePropertyManager *manager)
{
    connect(manager, &QtKeySequencePropertyManager::valueChanged, this,
            &QtKeySequenceEditorFactory::slotPropertyChanged);
}

void QtKeySequenceEditorFactory::disconnectPropertyManager(QtKeySequencePropertyManager *manager)
{
    disconnect(manager, &QtKeySequencePropertyManager::valueChanged, this,
               &QtKeySequenceEditorFactory::slotPropertyChanged);
}

QWidget *QtKeySequenceEditorFactory::createEditor(QtKeySequencePropertyManager *manager,
                                                  QtProperty *property, QWidget *parent)
{
    auto *editor = new QKeySequenceEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setKeySequence(manager->value(property));
    connect(editor, &QKeySequenceEdit::keySequenceChanged, this,
            [this, editor](const QKeySequence &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtKeySequenceEditorFactory::slotEditorDestroyed);
    return editor;
}

void QtKeySequenceEditorFactory::slotPropertyChanged(QtProperty *property, const QKeySequence &)
{
    // The manager's value: a receiver before this one may have changed it again.
    QtKeySequencePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QKeySequence value = manager->value(property);
    d_ptr->updateEditors(property,
                         [&value](QKeySequenceEdit *editor) { editor->setKeySequence(value); });
}

void QtKeySequenceEditorFactory::setValue(QKeySequenceEdit *editor, const QKeySequence &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtKeySequencePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtKeySequenceEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
