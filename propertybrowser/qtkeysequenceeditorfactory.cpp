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
    connect(manager, SIGNAL(valueChanged(QtProperty *, QKeySequence)), this,
            SLOT(slotPropertyChanged(QtProperty *, QKeySequence)));
}

void QtKeySequenceEditorFactory::disconnectPropertyManager(QtKeySequencePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QKeySequence)), this,
               SLOT(slotPropertyChanged(QtProperty *, QKeySequence)));
}

QWidget *QtKeySequenceEditorFactory::createEditor(QtKeySequencePropertyManager *manager,
                                                  QtProperty *property, QWidget *parent)
{
    auto *editor = new QKeySequenceEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setKeySequence(manager->value(property));
    connect(editor, SIGNAL(keySequenceChanged(QKeySequence)), this,
            SLOT(slotSetValue(QKeySequence)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtKeySequenceEditorFactory::slotPropertyChanged(QtProperty *property, const QKeySequence &)
{
    // The manager's value: a receiver before this one may have changed it again.
    auto *manager = qobject_cast<QtKeySequencePropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QKeySequence value = manager->value(property);
    d_ptr->updateEditors(property,
                         [&value](QKeySequenceEdit *editor) { editor->setKeySequence(value); });
}

void QtKeySequenceEditorFactory::slotSetValue(const QKeySequence &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtKeySequencePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtKeySequenceEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
