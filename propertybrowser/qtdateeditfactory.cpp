#include "qtdateeditfactory.h"

#include "editorfactoryprivate.h"
#include "qtpropertybrowserutils.h"

#include <QDateEdit>

QtDateEditFactory::QtDateEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtDatePropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QDateEdit>)
{ }

QtDateEditFactory::~QtDateEditFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtDateEditFactory::connectPropertyManager(QtDatePropertyManager *manager)
{
    connect(manager, &QtDatePropertyManager::valueChanged, this,
            &QtDateEditFactory::slotPropertyChanged);
    connect(manager, &QtDatePropertyManager::rangeChanged, this,
            &QtDateEditFactory::slotRangeChanged);
}

void QtDateEditFactory::disconnectPropertyManager(QtDatePropertyManager *manager)
{
    disconnect(manager, &QtDatePropertyManager::valueChanged, this,
               &QtDateEditFactory::slotPropertyChanged);
    disconnect(manager, &QtDatePropertyManager::rangeChanged, this,
               &QtDateEditFactory::slotRangeChanged);
}

QWidget *QtDateEditFactory::createEditor(QtDatePropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QDateEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setDisplayFormat(QtPropertyBrowserUtils::dateFormat());
    editor->setCalendarPopup(true);
    editor->setDateRange(manager->minimum(property), manager->maximum(property));
    editor->setDate(manager->value(property));
    connect(editor, &QDateEdit::dateChanged, this,
            [this, editor](const QDate &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtDateEditFactory::slotEditorDestroyed);
    return editor;
}

void QtDateEditFactory::slotPropertyChanged(QtProperty *property, const QDate &)
{
    // The manager's value: a receiver before this one may have changed it again.
    QtDatePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QDate value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QDateEdit *editor) { editor->setDate(value); });
}

void QtDateEditFactory::slotRangeChanged(QtProperty *property, const QDate &, const QDate &)
{
    // The manager's range and value: a receiver before this one may have changed them.
    QtDatePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QDate minimum = manager->minimum(property);
    const QDate maximum = manager->maximum(property);
    const QDate value = manager->value(property);
    d_ptr->updateEditors(property, [&](QDateEdit *editor) {
        editor->setDateRange(minimum, maximum);
        editor->setDate(value);
    });
}

void QtDateEditFactory::setValue(QDateEdit *editor, const QDate &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtDatePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDateEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
