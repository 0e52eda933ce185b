#include "qtspinboxfactory.h"

#include "editorfactoryprivate.h"

#include <QSpinBox>

QtSpinBoxFactory::QtSpinBoxFactory(QObject *parent)
    : QtAbstractEditorFactory<QtIntPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QSpinBox>)
{ }

QtSpinBoxFactory::~QtSpinBoxFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtSpinBoxFactory::connectPropertyManager(QtIntPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotPropertyChanged(QtProperty *, int)));
    connect(manager, SIGNAL(rangeChanged(QtProperty *, int, int)), this,
            SLOT(slotRangeChanged(QtProperty *, int, int)));
    connect(manager, SIGNAL(singleStepChanged(QtProperty *, int)), this,
            SLOT(slotSingleStepChanged(QtProperty *, int)));
}

void QtSpinBoxFactory::disconnectPropertyManager(QtIntPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
               SLOT(slotPropertyChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(rangeChanged(QtProperty *, int, int)), this,
               SLOT(slotRangeChanged(QtProperty *, int, int)));
    disconnect(manager, SIGNAL(singleStepChanged(QtProperty *, int)), this,
               SLOT(slotSingleStepChanged(QtProperty *, int)));
}

QWidget *QtSpinBoxFactory::createEditor(QtIntPropertyManager *manager, QtProperty *property,
                                        QWidget *parent)
{
    auto *editor = new QSpinBox(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setSingleStep(manager->singleStep(property));
    editor->setRange(manager->minimum(property), manager->maximum(property));
    editor->setValue(manager->value(property));
    // Typing is written back only when committed, not at every keystroke.
    editor->setKeyboardTracking(false);
    connect(editor, SIGNAL(valueChanged(int)), this, SLOT(slotSetValue(int)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtSpinBoxFactory::slotPropertyChanged(QtProperty *property, int)
{
    // Show the manager's value: a slot before this one may have changed it again.
    auto *manager = qobject_cast<QtIntPropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
        return;
    const int value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QSpinBox *editor : editors) {
        if (editor->value() != value) {
            const bool blocked = editor->blockSignals(true);
            editor->setValue(value);
            editor->blockSignals(blocked);
        }
    }
}

void QtSpinBoxFactory::slotRangeChanged(QtProperty *property, int, int)
{
    // The manager's range, not the signal's: a receiver before this one may have set
    // another range since.
    QtIntPropertyManager *manager = propertyManager(property);
    if (!manager || !d_ptr->editorsOfProperty.contains(property))
        return;
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QSpinBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->setRange(manager->minimum(property), manager->maximum(property));
        editor->setValue(manager->value(property));
        editor->blockSignals(blocked);
    }
}

void QtSpinBoxFactory::slotSingleStepChanged(QtProperty *property, int)
{
    QtIntPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QSpinBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->setSingleStep(manager->singleStep(property));
        editor->blockSignals(blocked);
    }
}

void QtSpinBoxFactory::slotSetValue(int value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtIntPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtSpinBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
