#include "qtdoublespinboxfactory.h"

#include "editorfactoryprivate.h"

#include <QDoubleSpinBox>

QtDoubleSpinBoxFactory::QtDoubleSpinBoxFactory(QObject *parent)
    : QtAbstractEditorFactory<QtDoublePropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QDoubleSpinBox>)
{ }

QtDoubleSpinBoxFactory::~QtDoubleSpinBoxFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtDoubleSpinBoxFactory::connectPropertyManager(QtDoublePropertyManager *manager)
{
    connect(manager, &QtDoublePropertyManager::valueChanged, this,
            &QtDoubleSpinBoxFactory::slotPropertyChanged);
    connect(manager, &QtDoublePropertyManager::rangeChanged, this,
            &QtDoubleSpinBoxFactory::slotRangeChanged);
    connect(manager, &QtDoublePropertyManager::singleStepChanged, this,
            &QtDoubleSpinBoxFactory::slotSingleStepChanged);
    connect(manager, &QtDoublePropertyManager::decimalsChanged, this,
            &QtDoubleSpinBoxFactory::slotDecimalsChanged);
}

void QtDoubleSpinBoxFactory::disconnectPropertyManager(QtDoublePropertyManager *manager)
{
    disconnect(manager, &QtDoublePropertyManager::valueChanged, this,
               &QtDoubleSpinBoxFactory::slotPropertyChanged);
    disconnect(manager, &QtDoublePropertyManager::rangeChanged, this,
               &QtDoubleSpinBoxFactory::slotRangeChanged);
    disconnect(manager, &QtDoublePropertyManager::singleStepChanged, this,
               &QtDoubleSpinBoxFactory::slotSingleStepChanged);
    disconnect(manager, &QtDoublePropertyManager::decimalsChanged, this,
               &QtDoubleSpinBoxFactory::slotDecimalsChanged);
}

QWidget *QtDoubleSpinBoxFactory::createEditor(QtDoublePropertyManager *manager,
                                              QtProperty *property, QWidget *parent)
{
    auto *editor = new QDoubleSpinBox(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setSingleStep(manager->singleStep(property));
    editor->setDecimals(manager->decimals(property));
    editor->setRange(manager->minimum(property), manager->maximum(property));
    editor->setValue(manager->value(property));
    editor->setKeyboardTracking(false);
    connect(editor, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this, editor](double value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtDoubleSpinBoxFactory::slotEditorDestroyed);
    return editor;
}

void QtDoubleSpinBoxFactory::slotPropertyChanged(QtProperty *property, double)
{
    QtDoublePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const double value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QDoubleSpinBox *editor : editors) {
        if (editor->value() != value) {
            const bool blocked = editor->blockSignals(true);
            editor->setValue(value);
            editor->blockSignals(blocked);
        }
    }
}

void QtDoubleSpinBoxFactory::slotRangeChanged(QtProperty *property, double, double)
{
    // The manager's settings, not the signal's: a receiver before this one may have
    // changed them again.
    QtDoublePropertyManager *manager = propertyManager(property);
    if (!manager || !d_ptr->editorsOfProperty.contains(property))
        return;
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QDoubleSpinBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->setRange(manager->minimum(property), manager->maximum(property));
        editor->setValue(manager->value(property));
        editor->blockSignals(blocked);
    }
}

void QtDoubleSpinBoxFactory::slotSingleStepChanged(QtProperty *property, double)
{
    QtDoublePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QDoubleSpinBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->setSingleStep(manager->singleStep(property));
        editor->blockSignals(blocked);
    }
}

void QtDoubleSpinBoxFactory::slotDecimalsChanged(QtProperty *property, int)
{
    QtDoublePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QDoubleSpinBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->setDecimals(manager->decimals(property));
        editor->setValue(manager->value(property));
        editor->blockSignals(blocked);
    }
}

void QtDoubleSpinBoxFactory::setValue(QDoubleSpinBox *editor, double value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtDoublePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDoubleSpinBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
