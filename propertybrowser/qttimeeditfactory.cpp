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
    connect(manager, SIGNAL(valueChanged(QtProperty *, QTime)), this,
            SLOT(slotPropertyChanged(QtProperty *, QTime)));
}

void QtTimeEditFactory::disconnectPropertyManager(QtTimePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QTime)), this,
               SLOT(slotPropertyChanged(QtProperty *, QTime)));
}

QWidget *QtTimeEditFactory::createEditor(QtTimePropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QTimeEdit(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setDisplayFormat(QtPropertyBrowserUtils::timeFormat());
    editor->setTime(manager->value(property));
    connect(editor, SIGNAL(timeChanged(QTime)), this, SLOT(slotSetValue(QTime)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtTimeEditFactory::slotPropertyChanged(QtProperty *property, const QTime &)
{
    // The manager's value: a receiver before this one may have changed it again.
    auto *manager = qobject_cast<QtTimePropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QTime value = manager->value(property);
    d_ptr->updateEditors(property, [&value](QTimeEdit *editor) { editor->setTime(value); });
}

void QtTimeEditFactory::slotSetValue(const QTime &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtTimePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtTimeEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
