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
    connect(manager, &QtIntPropertyManager::valueChanged, this,
            &QtSpinBoxFactory::slotPropertyChanged);
    connect(manager, &QtIntPropertyManager::rangeChanged, this,
            &QtSpinBoxFactory::slotRangeChanged);
    connect(manager, &QtIntPropertyManager::singleStepChanged, this,
            &QtSpinBoxFactory::slotSingleStepChanged);
}

void QtSpinBoxFactory::disconnectPropertyManager(QtIntPropertyManager *manager)
{
    disconnect(manager, &QtIntPropertyManager::valueChanged, this,
               &QtSpinBoxFactory::slotPropertyChanged);
    disconnect(manager, &QtIntPropertyManager::rangeChanged, this,
               &QtSpinBoxFactory::slotRangeChanged);
    disconnect(manager, &QtIntPropertyManager::singleStepChanged, this,
               &QtSpinBoxFactory::slotSingleStepChanged);
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
    connect(editor, qOverload<int>(&QSpinBox::valueChanged), this,
            [this, editor](int value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtSpinBoxFactory::slotEditorDestroyed);
    return editor;
}

void QtSpinBoxFactory::slotPropertyChanged(QtProperty *property, int)
{
    // Show the manager's value: a slot before this one may have changed it again.
    QtIntPropertyManager *manager = propertyManager(property);
    if (!manager)
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

void QtSpinBoxFactory::setValue(QSpinBox *editor, int value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtIntPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtSpinBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
