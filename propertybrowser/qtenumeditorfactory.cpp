#include "qtenumeditorfactory.h"

#include "editorfactoryprivate.h"

#include <QAbstractItemView>
#include <QComboBox>

QtEnumEditorFactory::QtEnumEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtEnumPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QComboBox>)
{ }

QtEnumEditorFactory::~QtEnumEditorFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtEnumEditorFactory::connectPropertyManager(QtEnumPropertyManager *manager)
{
    // Icons are taken when an editor is made; nothing changes them while one is open.
    connect(manager, &QtEnumPropertyManager::valueChanged, this,
            &QtEnumEditorFactory::slotPropertyChanged);
    connect(manager, &QtEnumPropertyManager::enumNamesChanged, this,
            &QtEnumEditorFactory::slotEnumNamesChanged);
}

void QtEnumEditorFactory::disconnectPropertyManager(QtEnumPropertyManager *manager)
{
    disconnect(manager, &QtEnumPropertyManager::valueChanged, this,
               &QtEnumEditorFactory::slotPropertyChanged);
    disconnect(manager, &QtEnumPropertyManager::enumNamesChanged, this,
               &QtEnumEditorFactory::slotEnumNamesChanged);
}

QWidget *QtEnumEditorFactory::createEditor(QtEnumPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QComboBox(parent);
    d_ptr->initializeEditor(property, editor);
    editor->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    editor->view()->setTextElideMode(Qt::ElideRight);
    const QStringList names = manager->enumNames(property);
    editor->addItems(names);
    const QMap<int, QIcon> icons = manager->enumIcons(property);
    for (int i = 0; i < names.size(); ++i)
        editor->setItemIcon(i, icons.value(i));
    editor->setCurrentIndex(manager->value(property));
    connect(editor, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, editor](int value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtEnumEditorFactory::slotEditorDestroyed);
    return editor;
}

void QtEnumEditorFactory::slotPropertyChanged(QtProperty *property, int)
{
    QtEnumPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const int value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QComboBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->setCurrentIndex(value);
        editor->blockSignals(blocked);
    }
}

void QtEnumEditorFactory::slotEnumNamesChanged(QtProperty *property, const QStringList &)
{
    // The manager's names and icons: a receiver before this one may have set others since.
    QtEnumPropertyManager *manager = propertyManager(property);
    if (!manager || !d_ptr->editorsOfProperty.contains(property))
        return;
    const QStringList names = manager->enumNames(property);
    const QMap<int, QIcon> icons = manager->enumIcons(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QComboBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        editor->clear();
        editor->addItems(names);
        for (int i = 0; i < names.size(); ++i)
            editor->setItemIcon(i, icons.value(i));
        editor->setCurrentIndex(manager->value(property));
        editor->blockSignals(blocked);
    }
}

void QtEnumEditorFactory::slotEnumIconsChanged(QtProperty *property, const QMap<int, QIcon> &)
{
    QtEnumPropertyManager *manager = propertyManager(property);
    if (!manager || !d_ptr->editorsOfProperty.contains(property))
        return;
    const QMap<int, QIcon> icons = manager->enumIcons(property);
    const QStringList names = manager->enumNames(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QComboBox *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        for (int i = 0; i < names.size(); ++i)
            editor->setItemIcon(i, icons.value(i));
        editor->setCurrentIndex(manager->value(property));
        editor->blockSignals(blocked);
    }
}

void QtEnumEditorFactory::setValue(QComboBox *editor, int value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtEnumPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtEnumEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
