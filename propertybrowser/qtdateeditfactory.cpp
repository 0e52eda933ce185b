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
    connect(manager, SIGNAL(valueChanged(QtProperty *, QDate)), this,
            SLOT(slotPropertyChanged(QtProperty *, QDate)));
    connect(manager, SIGNAL(rangeChanged(QtProperty *, QDate, QDate)), this,
            SLOT(slotRangeChanged(QtProperty *, QDate, QDate)));
}

void QtDateEditFactory::disconnectPropertyManager(QtDatePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QDate)), this,
               SLOT(slotPropertyChanged(QtProperty *, QDate)));
    disconnect(manager, SIGNAL(rangeChanged(QtProperty *, QDate, QDate)), this,
               SLOT(slotRangeChanged(QtProperty *, QDate, QDate)));
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
    connect(editor, SIGNAL(dateChanged(QDate)), this, SLOT(slotSetValue(QDate)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtDateEditFactory::slotPropertyChanged(QtProperty *property, const QDate &)
{
    // The manager's value: a receiver before this one may have changed it again.
    auto *manager = qobject_cast<QtDatePropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
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

void QtDateEditFactory::slotSetValue(const QDate &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtDatePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDateEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
