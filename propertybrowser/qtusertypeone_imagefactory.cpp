#include "qtusertypeone_imagefactory.h"

#include "editorfactoryprivate.h"
#include "qtusertypeone_imagewidget.h"

QtUserTypeOne_ImageFactory::QtUserTypeOne_ImageFactory(QObject *parent)
    : QtAbstractEditorFactory<QtUserTypeOne_ImageManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QtUserTypeOne_ImageWidget>)
{ }

QtUserTypeOne_ImageFactory::~QtUserTypeOne_ImageFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtUserTypeOne_ImageFactory::connectPropertyManager(QtUserTypeOne_ImageManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QString)), this,
            SLOT(slotPropertyChanged(QtProperty *, QString)));
}

void QtUserTypeOne_ImageFactory::disconnectPropertyManager(QtUserTypeOne_ImageManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QString)), this,
               SLOT(slotPropertyChanged(QtProperty *, QString)));
}

QWidget *QtUserTypeOne_ImageFactory::createEditor(QtUserTypeOne_ImageManager *manager,
                                                  QtProperty *property, QWidget *parent)
{
    auto *editor = new QtUserTypeOne_ImageWidget(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setValue(manager->value(property));
    connect(editor, SIGNAL(valueChanged(QString)), this, SLOT(slotSetValue(QString)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtUserTypeOne_ImageFactory::slotPropertyChanged(QtProperty *property, const QString &)
{
    // Show the manager's value: a slot before this one may have changed it again.
    auto *manager = qobject_cast<QtUserTypeOne_ImageManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const QString value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QtUserTypeOne_ImageWidget *editor : editors)
        editor->setValue(value);
}

void QtUserTypeOne_ImageFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}

void QtUserTypeOne_ImageFactory::slotSetValue(const QString &value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtUserTypeOne_ImageManager *manager = propertyManager(property))
        manager->setValue(property, value);
}
