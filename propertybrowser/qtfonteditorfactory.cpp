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
    connect(manager, &QtFontPropertyManager::valueChanged, this,
            &QtFontEditorFactory::slotPropertyChanged);
}

void QtFontEditorFactory::disconnectPropertyManager(QtFontPropertyManager *manager)
{
    disconnect(manager, &QtFontPropertyManager::valueChanged, this,
               &QtFontEditorFactory::slotPropertyChanged);
}

QWidget *QtFontEditorFactory::createEditor(QtFontPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QtFontEditWidget(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, &QtFontEditWidget::valueChanged, this,
            [this, editor](const QFont &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtFontEditorFactory::slotEditorDestroyed);
    return editor;
}

void QtFontEditorFactory::slotPropertyChanged(QtProperty *property, const QFont &)
{
    // The manager's value: a receiver before this one may have changed it again.
    QtFontPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QFont value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtFontEditWidget *editor : editors)
        editor->setValue(value);
}

void QtFontEditorFactory::setValue(QtFontEditWidget *editor, const QFont &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtFontPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtFontEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
