#include "qtcursoreditorfactory.h"

#include "qtcursordatabase.h"
#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"

#include <QWidget>

namespace {
Q_GLOBAL_STATIC(QtCursorDatabase, cursorDatabase)
}

class QtCursorEditorFactoryPrivate
{
public:
    QtCursorEditorFactory *q_ptr = nullptr;
    QtEnumEditorFactory *enumFactory = nullptr;
    QtEnumPropertyManager *enumManager = nullptr;
    QMap<QtProperty *, QtProperty *> enumOfProperty;
    QMap<QtProperty *, QtProperty *> propertyOfEnum;
    QMap<QtProperty *, QList<QWidget *>> editorsOfEnum;
    QMap<QWidget *, QtProperty *> enumOfEditor;
    // Set while the factory itself shows a cursor in the choice row.
    bool settingEnum = false;
};

QtCursorEditorFactory::QtCursorEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtCursorPropertyManager>(parent)
    , d_ptr(new QtCursorEditorFactoryPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->enumFactory = new QtEnumEditorFactory(this);
    d_ptr->enumManager = new QtEnumPropertyManager(this);
    connect(d_ptr->enumManager, &QtEnumPropertyManager::valueChanged, this,
            &QtCursorEditorFactory::slotEnumChanged);
    d_ptr->enumFactory->addPropertyManager(d_ptr->enumManager);
}

QtCursorEditorFactory::~QtCursorEditorFactory()
{
    // The enum factory and manager are children: their editors and rows go with them.
    delete d_ptr;
}

void QtCursorEditorFactory::connectPropertyManager(QtCursorPropertyManager *manager)
{
    connect(manager, &QtCursorPropertyManager::valueChanged, this,
            &QtCursorEditorFactory::slotPropertyChanged);
}

void QtCursorEditorFactory::disconnectPropertyManager(QtCursorPropertyManager *manager)
{
    disconnect(manager, &QtCursorPropertyManager::valueChanged, this,
               &QtCursorEditorFactory::slotPropertyChanged);
}

QWidget *QtCursorEditorFactory::createEditor(QtCursorPropertyManager *manager, QtProperty *property,
                                             QWidget *parent)
{
    QtProperty *enumProperty = d_ptr->enumOfProperty.value(property, nullptr);
    if (!enumProperty) {
        enumProperty = d_ptr->enumManager->addProperty(property->propertyName());
        d_ptr->enumManager->setEnumNames(enumProperty, cursorDatabase()->cursorShapeNames());
        d_ptr->enumManager->setEnumIcons(enumProperty, cursorDatabase()->cursorShapeIcons());
        d_ptr->enumManager->setValue(enumProperty,
                                     cursorDatabase()->cursorToValue(manager->value(property)));
        d_ptr->enumOfProperty[property] = enumProperty;
        d_ptr->propertyOfEnum[enumProperty] = property;
    }
    QtAbstractEditorFactoryBase *enumFactory = d_ptr->enumFactory;
    QWidget *editor = enumFactory->createEditor(enumProperty, parent);
    if (!editor)
        return nullptr;
    d_ptr->editorsOfEnum[enumProperty].append(editor);
    d_ptr->enumOfEditor[editor] = enumProperty;
    connect(editor, &QObject::destroyed, this, &QtCursorEditorFactory::slotEditorDestroyed);
    return editor;
}

void QtCursorEditorFactory::slotPropertyChanged(QtProperty *property, const QCursor &)
{
    // The manager's cursor: a receiver before this one may have changed it again.
    QtCursorPropertyManager *manager = propertyManager(property);
    QtProperty *enumProperty = d_ptr->enumOfProperty.value(property, nullptr);
    if (!manager || !enumProperty)
        return;
    const bool wasSetting = d_ptr->settingEnum;
    d_ptr->settingEnum = true;
    d_ptr->enumManager->setValue(enumProperty,
                                 cursorDatabase()->cursorToValue(manager->value(property)));
    d_ptr->settingEnum = wasSetting;
}

void QtCursorEditorFactory::slotEnumChanged(QtProperty *property, int value)
{
    if (d_ptr->settingEnum)
        return;
    QtProperty *cursorProperty = d_ptr->propertyOfEnum.value(property, nullptr);
    if (QtCursorPropertyManager *manager = propertyManager(cursorProperty))
        manager->setValue(cursorProperty, cursorDatabase()->valueToCursor(value));
}

void QtCursorEditorFactory::slotEditorDestroyed(QObject *object)
{
    // The editor is half destroyed: compare addresses only.
    for (auto it = d_ptr->enumOfEditor.begin(); it != d_ptr->enumOfEditor.end(); ++it) {
        if (static_cast<const void *>(it.key()) != static_cast<const void *>(object))
            continue;
        QWidget *editor = it.key();
        QtProperty *enumProperty = it.value();
        d_ptr->enumOfEditor.erase(it);
        QList<QWidget *> &editors = d_ptr->editorsOfEnum[enumProperty];
        editors.removeAll(editor);
        if (editors.isEmpty()) {
            // The choice row lives as long as it has an open list.
            d_ptr->editorsOfEnum.remove(enumProperty);
            QtProperty *property = d_ptr->propertyOfEnum.take(enumProperty);
            d_ptr->enumOfProperty.remove(property);
            delete enumProperty;
        }
        return;
    }
}
