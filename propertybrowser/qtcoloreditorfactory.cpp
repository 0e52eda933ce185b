#include "qtcoloreditorfactory.h"

#include "editorfactoryprivate.h"
#include "qtcoloreditwidget.h"

QtColorEditorFactory::QtColorEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtColorPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QtColorEditWidget>)
{ }

QtColorEditorFactory::~QtColorEditorFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtColorEditorFactory::connectPropertyManager(QtColorPropertyManager *manager)
{
    connect(manager, &QtColorPropertyManager::valueChanged, this,
            &QtColorEditorFactory::slotPropertyChanged);
}

void QtColorEditorFactory::disconnectPropertyManager(QtColorPropertyManager *manager)
{
    disconnect(manager, &QtColorPropertyManager::valueChanged, this,
               &QtColorEditorFactory::slotPropertyChanged);
}

QWidget *QtColorEditorFactory::createEditor(QtColorPropertyManager *manager, QtProperty *property,
                                            QWidget *parent)
{
    auto *editor = new QtColorEditWidget(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, &QtColorEditWidget::valueChanged, this,
            [this, editor](const QColor &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtColorEditorFactory::slotEditorDestroyed);
    return editor;
}

void QtColorEditorFactory::slotPropertyChanged(QtProperty *property, const QColor &)
{
    QtColorPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QColor value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtColorEditWidget *editor : editors)
        editor->setValue(value);
}

void QtColorEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}

void QtColorEditorFactory::setValue(QtColorEditWidget *editor, const QColor &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtColorPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}
