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
    connect(manager, SIGNAL(valueChanged(QtProperty *, QDateTime)), this,
            SLOT(slotPropertyChanged(QtProperty *, QDateTime)));
}

void QtDateTimeEditFactory::disconnectPropertyManager(QtDateTimePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QDateTime)), this,
               SLOT(slotPropertyChanged(QtProperty *, QDateTime)));
}

QWidget *QtDateTimeEditFactory::createEditor(QtDateTimePropertyManager *manager,
                                             QtProperty *property, QWidget *parent)
{
    auto *editor = new QDateTimeEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setDisplayFormat(QtPropertyBrowserUtils::dateTimeFormat());
    editor->setDateTime(manager->value(property));
    connect(editor, SIGNAL(dateTimeChanged(QDateTime)), this, SLOT(slotSetValue(QDateTime)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtDateTimeEditFactory::slotPropertyChanged(QtProperty *property, const QDateTime &)
{
    // The manager's value: a receiver before this one may have changed it again.
    auto *manager = qobject_cast<QtDateTimePropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QDateTime value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QDateTimeEdit *editor) { editor->setDateTime(value); });
}

void QtDateTimeEditFactory::slotSetValue(const QDateTime &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtDateTimePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDateTimeEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
