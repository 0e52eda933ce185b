#include "qtfonteditorfactory.h"

#include "editorfactoryprivate.h"

#include "qtfonteditwidget.h"

QtFontEditorFactory::QtFontEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtFontPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QtFontEditWidget>)
{ }

QtFontEditorFactory::~QtFontEditorFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtFontEditorFactory::connectPropertyManager(QtFontPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QFont)), this,
            SLOT(slotPropertyChanged(QtProperty *, QFont)));
}

void QtFontEditorFactory::disconnectPropertyManager(QtFontPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QFont)), this,
               SLOT(slotPropertyChanged(QtProperty *, QFont)));
}

QWidget *QtFontEditorFactory::createEditor(QtFontPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QtFontEditWidget(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, SIGNAL(valueChanged(QFont)), this, SLOT(slotSetValue(QFont)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtFontEditorFactory::slotPropertyChanged(QtProperty *property, const QFont &)
{
    // The manager's value: a receiver before this one may have changed it again.
    auto *manager = qobject_cast<QtFontPropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QFont value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtFontEditWidget *editor : editors)
        editor->setValue(value);
}

void QtFontEditorFactory::slotSetValue(const QFont &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtFontPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtFontEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
