#include "qtusertypetwo_colorfactory.h"

#include "editorfactoryprivate.h"
#include "qtusertypetwo_colorwidget.h"

QtUserTypeTwo_ColorFactory::QtUserTypeTwo_ColorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtUserTypeTwo_ColorManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QtUserTypeTwo_ColorWidget>)
{ }

QtUserTypeTwo_ColorFactory::~QtUserTypeTwo_ColorFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtUserTypeTwo_ColorFactory::connectPropertyManager(QtUserTypeTwo_ColorManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QString)), this,
            SLOT(slotPropertyChanged(QtProperty *, QString)));
}

void QtUserTypeTwo_ColorFactory::disconnectPropertyManager(QtUserTypeTwo_ColorManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QString)), this,
               SLOT(slotPropertyChanged(QtProperty *, QString)));
}

QWidget *QtUserTypeTwo_ColorFactory::createEditor(QtUserTypeTwo_ColorManager *manager,
                                                  QtProperty *property, QWidget *parent)
{
    auto *editor = new QtUserTypeTwo_ColorWidget(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, SIGNAL(valueChanged(QString)), this, SLOT(slotSetValue(QString)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtUserTypeTwo_ColorFactory::slotPropertyChanged(QtProperty *property, const QString &)
{
    // Show the manager's value: a slot before this one may have changed it again.
    auto *manager = qobject_cast<QtUserTypeTwo_ColorManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QString value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtUserTypeTwo_ColorWidget *editor : editors)
        editor->setValue(value);
}

void QtUserTypeTwo_ColorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}

void QtUserTypeTwo_ColorFactory::slotSetValue(const QString &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtUserTypeTwo_ColorManager *manager = propertyManager(property))
        manager->setValue(property, value);
}
