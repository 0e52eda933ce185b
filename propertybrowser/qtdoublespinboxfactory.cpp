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
    connect(manager, SIGNAL(valueChanged(QtProperty *, double)), this,
            SLOT(slotPropertyChanged(QtProperty *, double)));
    connect(manager, SIGNAL(rangeChanged(QtProperty *, double, double)), this,
            SLOT(slotRangeChanged(QtProperty *, double, double)));
    connect(manager, SIGNAL(singleStepChanged(QtProperty *, double)), this,
            SLOT(slotSingleStepChanged(QtProperty *, double)));
    connect(manager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
            SLOT(slotDecimalsChanged(QtProperty *, int)));
}

void QtDoubleSpinBoxFactory::disconnectPropertyManager(QtDoublePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, double)), this,
               SLOT(slotPropertyChanged(QtProperty *, double)));
    disconnect(manager, SIGNAL(rangeChanged(QtProperty *, double, double)), this,
               SLOT(slotRangeChanged(QtProperty *, double, double)));
    disconnect(manager, SIGNAL(singleStepChanged(QtProperty *, double)), this,
               SLOT(slotSingleStepChanged(QtProperty *, double)));
    disconnect(manager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
               SLOT(slotDecimalsChanged(QtProperty *, int)));
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
    connect(editor, SIGNAL(valueChanged(double)), this, SLOT(slotSetValue(double)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtDoubleSpinBoxFactory::slotPropertyChanged(QtProperty *property, double)
{
    auto *manager = qobject_cast<QtDoublePropertyManager *>(sender());
    if (!manager || !manager->ownsProperty(property))
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

void QtDoubleSpinBoxFactory::slotSetValue(double value)
{
    QtProperty *property = d_ptr->propertyOfSender(sender());
    if (QtDoublePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDoubleSpinBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
