#include "qtdatetimeeditfactory.h"

#include "editorfactoryprivate.h"
#include "qtpropertybrowserutils.h"

#include <QDateTimeEdit>

QtDateTimeEditFactory::QtDateTimeEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtDateTimePropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QDateTimeEdit>)
{ }

QtDateTimeEditFactory::~QtDateTimeEditFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtDateTimeEditFactory::connectPropertyManager(QtDateTimePropertyManager *manager)
{
    connect(manager, &QtDateTimePropertyManager::valueChanged, this,
            &QtDateTimeEditFactory::slotPropertyChanged);
}

void QtDateTimeEditFactory::disconnectPropertyManager(QtDateTimePropertyManager *manager)
{
    disconnect(manager, &QtDateTimePropertyManager::valueChanged, this,
               &QtDateTimeEditFactory::slotPropertyChanged);
}

QWidget *QtDateTimeEditFactory::createEditor(QtDateTimePropertyManager *manager,
                                             QtProperty *property, QWidget *parent)
{
    auto *editor = new QDateTimeEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setDisplayFormat(QtPropertyBrowserUtils::dateTimeFormat());
    editor->setDateTime(manager->value(property));
    connect(editor, &QDateTimeEdit::dateTimeChanged, this,
            [this, editor](const QDateTime &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtDateTimeEditFactory::slotEditorDestroyed);
    return editor;
}

void QtDateTimeEditFactory::slotPropertyChanged(QtProperty *property, const QDateTime &)
{
    // The manager's value: a receiver before this one may have changed it again.
    QtDateTimePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QDateTime value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QDateTimeEdit *editor) { editor->setDateTime(value); });
}

void QtDateTimeEditFactory::setValue(QDateTimeEdit *editor, const QDateTime &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtDateTimePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDateTimeEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
