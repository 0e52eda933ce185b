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
    connect(manager, SIGNAL(valueChanged(QtProperty *, QColor)), this,
            SLOT(slotPropertyChanged(QtProperty *, QColor)));
}

void QtColorEditorFactory::disconnectPropertyManager(QtColorPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QColor)), this,
               SLOT(slotPropertyChanged(QtProperty *, QColor)));
}

QWidget *QtColorEditorFactory::createEditor(QtColorPropertyManager *manager, QtProperty *property,
                                            QWidget *parent)
{
    auto *editor = new QtColorEditWidget(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, SIGNAL(valueChanged(QColor)), this, SLOT(slotSetValue(QColor)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtColorEditorFactory::slotPropertyChanged(QtProperty *property, const QColor &)
{
    auto *manager = qobject_cast<QtColorPropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
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

void QtColorEditorFactory::slotSetValue(const QColor &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtColorPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}
