#include "qttimeeditfactory.h"

#include "editorfactoryprivate.h"
#include "qtpropertybrowserutils.h"

#include <QTimeEdit>

QtTimeEditFactory::QtTimeEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtTimePropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QTimeEdit>)
{ }

QtTimeEditFactory::~QtTimeEditFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtTimeEditFactory::connectPropertyManager(QtTimePropertyManager *manager)
{
    connect(manager, &QtTimePropertyManager::valueChanged, this,
            &QtTimeEditFactory::slotPropertyChanged);
}

void QtTimeEditFactory::disconnectPropertyManager(QtTimePropertyManager *manager)
{
    disconnect(manager, &QtTimePropertyManager::valueChanged, this,
               &QtTimeEditFactory::slotPropertyChanged);
}

QWidget *QtTimeEditFactory::createEditor(QtTimePropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QTimeEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setDisplayFormat(QtPropertyBrowserUtils::timeFormat());
    editor->setTime(manager->value(property));
    connect(editor, &QTimeEdit::timeChanged, this,
            [this, editor](const QTime &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtTimeEditFactory::slotEditorDestroyed);
    return editor;
}

void QtTimeEditFactory::slotPropertyChanged(QtProperty *property, const QTime &)
{
    // The manager's value: a receiver before this one may have changed it again.
    QtTimePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QTime value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QTimeEdit *editor) { editor->setTime(value); });
}

void QtTimeEditFactory::setValue(QTimeEdit *editor, const QTime &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtTimePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtTimeEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
