#include "qtlineeditfactory.h"

#include "editorfactoryprivate.h"

#include <QLineEdit>
#include <QRegExpValidator>

QtLineEditFactory::QtLineEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtStringPropertyManager>(parent)
    , d_ptr(new EditorFactoryPrivate<QLineEdit>)
{ }

QtLineEditFactory::~QtLineEditFactory()
{
    const auto editors = d_ptr->propertyOfEditor.keys();
    qDeleteAll(editors);
    delete d_ptr;
}

void QtLineEditFactory::connectPropertyManager(QtStringPropertyManager *manager)
{
    connect(manager, &QtStringPropertyManager::valueChanged, this,
            &QtLineEditFactory::slotPropertyChanged);
    connect(manager, &QtStringPropertyManager::regExpChanged, this,
            &QtLineEditFactory::slotRegExpChanged);
}

void QtLineEditFactory::disconnectPropertyManager(QtStringPropertyManager *manager)
{
    disconnect(manager, &QtStringPropertyManager::valueChanged, this,
               &QtLineEditFactory::slotPropertyChanged);
    disconnect(manager, &QtStringPropertyManager::regExpChanged, this,
               &QtLineEditFactory::slotRegExpChanged);
}

QWidget *QtLineEditFactory::createEditor(QtStringPropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QLineEdit(parent);
    d_ptr->initializeEditor(property, editor);
    const QRegExp regExp = manager->regExp(property);
    if (regExp.isValid())
        editor->setValidator(new QRegExpValidator(regExp, editor));
    editor->setText(manager->value(property));
    connect(editor, &QLineEdit::textEdited, this,
            [this, editor](const QString &value) { setValue(editor, value); });
    connect(editor, &QObject::destroyed, this, &QtLineEditFactory::slotEditorDestroyed);
    return editor;
}

void QtLineEditFactory::slotPropertyChanged(QtProperty *property, const QString &)
{
    QtStringPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QString value = manager->value(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QLineEdit *editor : editors) {
        if (editor->text() != value)
            editor->setText(value);
    }
}

void QtLineEditFactory::slotRegExpChanged(QtProperty *property, const QRegExp &)
{
    // The manager's pattern: a receiver before this one may have set another since.
    QtStringPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QRegExp regExp = manager->regExp(property);
    const auto editors = d_ptr->editorsOfProperty.value(property);
    for (QLineEdit *editor : editors) {
        const bool blocked = editor->blockSignals(true);
        const QValidator *oldValidator = editor->validator();
        QValidator *newValidator = nullptr;
        if (regExp.isValid())
            newValidator = new QRegExpValidator(regExp, editor);
        editor->setValidator(newValidator);
        delete oldValidator;
        editor->blockSignals(blocked);
    }
}

void QtLineEditFactory::setValue(QLineEdit *editor, const QString &value)
{
    QtProperty *property = d_ptr->propertyOfSender(editor);
    if (QtStringPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtLineEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->slotEditorDestroyed(object);
}
