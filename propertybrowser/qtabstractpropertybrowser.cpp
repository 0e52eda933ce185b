#include "qtabstractpropertybrowser.h"

#include "qtabstractpropertymanager.h"
#include "qtproperty.h"

#include <QMap>
#include <QSet>

namespace {
using FactoryToBrowsers = QMap<QtAbstractEditorFactoryBase *, QList<QtAbstractPropertyBrowser *>>;
using ManagerToFactory = QMap<QtAbstractPropertyManager *, QtAbstractEditorFactoryBase *>;

// The editor registry shared by all browsers of the process.
QMap<QtAbstractPropertyManager *, FactoryToBrowsers> &managerToFactoryToBrowsers()
{
    static QMap<QtAbstractPropertyManager *, FactoryToBrowsers> map;
    return map;
}

QMap<QtAbstractPropertyBrowser *, ManagerToFactory> &browserToManagerToFactory()
{
    static QMap<QtAbstractPropertyBrowser *, ManagerToFactory> map;
    return map;
}

bool sameObject(const void *a, const void *b)
{
    return a == b;
}

// A destroyed manager or factory leaves the registry, so that no binding points at it.
void dropFromRegistry(QObject *object)
{
    auto &byManager = managerToFactoryToBrowsers();
    for (auto it = byManager.begin(); it != byManager.end();) {
        if (sameObject(it.key(), object)) {
            it = byManager.erase(it);
            continue;
        }
        FactoryToBrowsers &factories = it.value();
        for (auto fit = factories.begin(); fit != factories.end();) {
            if (sameObject(fit.key(), object))
                fit = factories.erase(fit);
            else
                ++fit;
        }
        if (factories.isEmpty())
            it = byManager.erase(it);
        else
            ++it;
    }
    auto &byBrowser = browserToManagerToFactory();
    for (auto it = byBrowser.begin(); it != byBrowser.end();) {
        ManagerToFactory &bindings = it.value();
        for (auto bit = bindings.begin(); bit != bindings.end();) {
            if (sameObject(bit.key(), object) || sameObject(bit.value(), object))
                bit = bindings.erase(bit);
            else
                ++bit;
        }
        if (bindings.isEmpty())
            it = byBrowser.erase(it);
        else
            ++it;
    }
}

void watchForRegistry(QObject *object)
{
    static QSet<QObject *> watched;
    if (watched.contains(object))
        return;
    watched.insert(object);
    QObject::connect(object, &QObject::destroyed, [](QObject *gone) {
        watched.remove(gone);
        dropFromRegistry(gone);
    });
}
} // namespace

class QtAbstractPropertyBrowserPrivate
{
public:
    QtAbstractPropertyBrowser *q_ptr = nullptr;
    QList<QtProperty *> subItems;
    // A set: a sheet of thousands of rows must not search a list for every row that goes.
    QMap<QtAbstractPropertyManager *, QSet<QtProperty *>> managerToProperties;
    QMap<QtProperty *, QList<QtProperty *>> propertyToParents;
    QMap<QtProperty *, QtBrowserItem *> topLevelPropertyToIndex;
    QList<QtBrowserItem *> topLevelIndexes;
    QMap<QtProperty *, QList<QtBrowserItem *>> propertyToIndexes;
    QtBrowserItem *currentItem = nullptr;

    void insertSubTree(QtProperty *property, QtProperty *parentProperty);
    void removeSubTree(QtProperty *property, QtProperty *parentProperty);
    void createBrowserIndexes(QtProperty *property, QtProperty *parentProperty,
                              QtProperty *afterProperty);
    void removeBrowserIndexes(QtProperty *property, QtProperty *parentProperty);
    QtBrowserItem *createBrowserIndex(QtProperty *property, QtBrowserItem *parentIndex,
                                      QtBrowserItem *afterIndex);
    void removeBrowserIndex(QtBrowserItem *index);
    void connectManager(QtAbstractPropertyManager *manager);
    void disconnectManager(QtAbstractPropertyManager *manager);
    void deleteItem(QtBrowserItem *item);
};

void QtAbstractPropertyBrowserPrivate::connectManager(QtAbstractPropertyManager *manager)
{
    QtAbstractPropertyBrowser *q = q_ptr;
    QObject::connect(manager, &QtAbstractPropertyManager::propertyInserted, q,
                     &QtAbstractPropertyBrowser::slotPropertyInserted);
    QObject::connect(manager, &QtAbstractPropertyManager::propertyRemoved, q,
                     &QtAbstractPropertyBrowser::slotPropertyRemoved);
    QObject::connect(manager, &QtAbstractPropertyManager::propertyDestroyed, q,
                     &QtAbstractPropertyBrowser::slotPropertyDestroyed);
    QObject::connect(manager, &QtAbstractPropertyManager::propertyChanged, q,
                     &QtAbstractPropertyBrowser::slotPropertyDataChanged);
}

void QtAbstractPropertyBrowserPrivate::disconnectManager(QtAbstractPropertyManager *manager)
{
    QtAbstractPropertyBrowser *q = q_ptr;
    QObject::disconnect(manager, &QtAbstractPropertyManager::propertyInserted, q,
                        &QtAbstractPropertyBrowser::slotPropertyInserted);
    QObject::disconnect(manager, &QtAbstractPropertyManager::propertyRemoved, q,
                        &QtAbstractPropertyBrowser::slotPropertyRemoved);
    QObject::disconnect(manager, &QtAbstractPropertyManager::propertyDestroyed, q,
                        &QtAbstractPropertyBrowser::slotPropertyDestroyed);
    QObject::disconnect(manager, &QtAbstractPropertyManager::propertyChanged, q,
                        &QtAbstractPropertyBrowser::slotPropertyDataChanged);
}

void QtAbstractPropertyBrowserPrivate::insertSubTree(QtProperty *property,
                                                     QtProperty *parentProperty)
{
    auto known = propertyToParents.find(property);
    if (known != propertyToParents.end()) {
        known.value().append(parentProperty);
        return;
    }
    QtAbstractPropertyManager *manager = property->propertyManager();
    if (!managerToProperties.contains(manager))
        connectManager(manager);
    managerToProperties[manager].insert(property);
    propertyToParents[property].append(parentProperty);

    const QList<QtProperty *> subList = property->subProperties();
    for (QtProperty *sub : subList)
        insertSubTree(sub, property);
}

void QtAbstractPropertyBrowserPrivate::removeSubTree(QtProperty *property,
                                                     QtProperty *parentProperty)
{
    auto known = propertyToParents.find(property);
    if (known == propertyToParents.end())
        return;
    known.value().removeAll(parentProperty);
    if (!known.value().isEmpty())
        return;

    propertyToParents.erase(known);
    QtAbstractPropertyManager *manager = property->propertyManager();
    auto mit = managerToProperties.find(manager);
    if (mit != managerToProperties.end()) {
        mit.value().remove(property);
        if (mit.value().isEmpty()) {
            disconnectManager(manager);
            managerToProperties.erase(mit);
        }
    }

    const QList<QtProperty *> subList = property->subProperties();
    for (QtProperty *sub : subList)
        removeSubTree(sub, property);
}

void QtAbstractPropertyBrowserPrivate::createBrowserIndexes(QtProperty *property,
                                                            QtProperty *parentProperty,
                                                            QtProperty *afterProperty)
{
    QList<QPair<QtBrowserItem *, QtBrowserItem *>> places; // parent item, item to follow
    if (afterProperty) {
        const QList<QtBrowserItem *> afterItems = propertyToIndexes.value(afterProperty);
        for (QtBrowserItem *afterItem : afterItems) {
            QtBrowserItem *parentItem = afterItem->parent();
            const bool underParent = parentProperty
                ? (parentItem && parentItem->property() == parentProperty)
                : !parentItem;
            if (underParent)
                places.append(qMakePair(parentItem, afterItem));
        }
    } else if (parentProperty) {
        const QList<QtBrowserItem *> parentItems = propertyToIndexes.value(parentProperty);
        for (QtBrowserItem *parentItem : parentItems)
            places.append(qMakePair(parentItem, static_cast<QtBrowserItem *>(nullptr)));
    } else {
        places.append(qMakePair(static_cast<QtBrowserItem *>(nullptr),
                                static_cast<QtBrowserItem *>(nullptr)));
    }
    for (const auto &place : qAsConst(places))
        createBrowserIndex(property, place.first, place.second);
}

QtBrowserItem *QtAbstractPropertyBrowserPrivate::createBrowserIndex(QtProperty *property,
                                                                    QtBrowserItem *parentIndex,
                                                                    QtBrowserItem *afterIndex)
{
    auto *newIndex = new QtBrowserItem(q_ptr, property, parentIndex);
    if (parentIndex) {
        int pos = 0;
        if (afterIndex) {
            // Mostly after the last child: no search then. The copy goes before the list
            // grows, which would copy it again.
            const QList<QtBrowserItem *> siblings = parentIndex->children();
            pos =
                siblings.last() == afterIndex ? siblings.size() : siblings.indexOf(afterIndex) + 1;
        }
        parentIndex->insertChild(pos, newIndex);
    } else {
        topLevelPropertyToIndex[property] = newIndex;
        const int pos = afterIndex ? topLevelIndexes.indexOf(afterIndex) + 1 : 0;
        topLevelIndexes.insert(pos, newIndex);
    }
    propertyToIndexes[property].append(newIndex);

    q_ptr->itemInserted(newIndex, afterIndex);

    const QList<QtProperty *> subItems = property->subProperties();
    QtBrowserItem *afterChild = nullptr;
    for (QtProperty *child : subItems)
        afterChild = createBrowserIndex(child, newIndex, afterChild);
    return newIndex;
}

void QtAbstractPropertyBrowserPrivate::removeBrowserIndexes(QtProperty *property,
                                                            QtProperty *parentProperty)
{
    QList<QtBrowserItem *> toRemove;
    const QList<QtBrowserItem *> indexes = propertyToIndexes.value(property);
    for (QtBrowserItem *index : indexes) {
        QtBrowserItem *parentItem = index->parent();
        const bool underParent =
            parentProperty ? (parentItem && parentItem->property() == parentProperty) : !parentItem;
        if (underParent)
            toRemove.append(index);
    }
    for (QtBrowserItem *index : qAsConst(toRemove))
        removeBrowserIndex(index);
}

void QtAbstractPropertyBrowserPrivate::removeBrowserIndex(QtBrowserItem *index)
{
    const QList<QtBrowserItem *> children = index->children();
    for (int i = children.count(); i > 0; --i)
        removeBrowserIndex(children.at(i - 1));

    q_ptr->itemRemoved(index);

    QtProperty *property = index->property();
    if (QtBrowserItem *parentIndex = index->parent()) {
        parentIndex->removeChild(index);
    } else {
        topLevelPropertyToIndex.remove(property);
        topLevelIndexes.removeAll(index);
    }
    auto it = propertyToIndexes.find(property);
    if (it != propertyToIndexes.end()) {
        it.value().removeAll(index);
        if (it.value().isEmpty())
            propertyToIndexes.erase(it);
    }
    if (currentItem == index)
        currentItem = nullptr;
    delete index;
}

void QtAbstractPropertyBrowserPrivate::deleteItem(QtBrowserItem *item)
{
    const QList<QtBrowserItem *> children = item->children();
    for (QtBrowserItem *child : children)
        deleteItem(child);
    delete item;
}

QtAbstractPropertyBrowser::QtAbstractPropertyBrowser(QWidget *parent)
    : QWidget(parent)
    , d_ptr(new QtAbstractPropertyBrowserPrivate)
{
    d_ptr->q_ptr = this;
}

QtAbstractPropertyBrowser::~QtAbstractPropertyBrowser()
{
    // Stop following the managers and drop this browser's editor bindings, so nothing
    // reaches the half-destroyed browser.
    const auto managers = d_ptr->managerToProperties.keys();
    for (QtAbstractPropertyManager *manager : managers)
        d_ptr->disconnectManager(manager);
    const ManagerToFactory bindings = browserToManagerToFactory().value(this);
    for (auto it = bindings.cbegin(); it != bindings.cend(); ++it)
        unsetFactoryForManager(it.key());

    const QList<QtBrowserItem *> indexes = d_ptr->topLevelIndexes;
    for (QtBrowserItem *item : indexes)
        d_ptr->deleteItem(item);
    delete d_ptr;
}

QList<QtProperty *> QtAbstractPropertyBrowser::properties() const
{
    return d_ptr->subItems;
}

QList<QtBrowserItem *> QtAbstractPropertyBrowser::items(QtProperty *property) const
{
    return d_ptr->propertyToIndexes.value(property);
}

QtBrowserItem *QtAbstractPropertyBrowser::topLevelItem(QtProperty *property) const
{
    return d_ptr->topLevelPropertyToIndex.value(property);
}

QList<QtBrowserItem *> QtAbstractPropertyBrowser::topLevelItems() const
{
    return d_ptr->topLevelIndexes;
}

QtBrowserItem *QtAbstractPropertyBrowser::addProperty(QtProperty *property)
{
    QtProperty *afterProperty = d_ptr->subItems.isEmpty() ? nullptr : d_ptr->subItems.last();
    return insertProperty(property, afterProperty);
}

QtBrowserItem *QtAbstractPropertyBrowser::insertProperty(QtProperty *property,
                                                         QtProperty *afterProperty)
{
    if (!property)
        return nullptr;

    int pos = 0;
    bool afterFound = false;
    for (int i = 0; i < d_ptr->subItems.size(); ++i) {
        QtProperty *existing = d_ptr->subItems.at(i);
        if (existing == property)
            return nullptr;
        if (afterProperty && existing == afterProperty) {
            pos = i + 1;
            afterFound = true;
        }
    }
    // A property to follow that is not top-level puts the new one first.
    d_ptr->createBrowserIndexes(property, nullptr, afterFound ? afterProperty : nullptr);
    d_ptr->insertSubTree(property, nullptr);
    d_ptr->subItems.insert(pos, property);
    return topLevelItem(property);
}

void QtAbstractPropertyBrowser::removeProperty(QtProperty *property)
{
    if (!property || !d_ptr->subItems.contains(property))
        return;
    d_ptr->subItems.removeAll(property);
    d_ptr->removeSubTree(property, nullptr);
    d_ptr->removeBrowserIndexes(property, nullptr);
}

void QtAbstractPropertyBrowser::slotPropertyInserted(QtProperty *property,
                                                     QtProperty *parentProperty,
                                                     QtProperty *afterProperty)
{
    if (!d_ptr->propertyToParents.contains(parentProperty))
        return;
    d_ptr->createBrowserIndexes(property, parentProperty, afterProperty);
    d_ptr->insertSubTree(property, parentProperty);
}

void QtAbstractPropertyBrowser::slotPropertyRemoved(QtProperty *property,
                                                    QtProperty *parentProperty)
{
    if (!d_ptr->propertyToParents.contains(parentProperty))
        return;
    d_ptr->removeSubTree(property, parentProperty);
    d_ptr->removeBrowserIndexes(property, parentProperty);
}

void QtAbstractPropertyBrowser::slotPropertyDestroyed(QtProperty *property)
{
    if (d_ptr->subItems.contains(property))
        removeProperty(property);
}

void QtAbstractPropertyBrowser::slotPropertyDataChanged(QtProperty *property)
{
    if (!d_ptr->propertyToParents.contains(property))
        return;
    const QList<QtBrowserItem *> indexes = d_ptr->propertyToIndexes.value(property);
    for (QtBrowserItem *item : indexes)
        itemChanged(item);
}

bool QtAbstractPropertyBrowser::addFactory(QtAbstractPropertyManager *abstractManager,
                                           QtAbstractEditorFactoryBase *abstractFactory)
{
    bool connectNeeded = false;
    auto &byManager = managerToFactoryToBrowsers();
    if (!byManager.contains(abstractManager)
        || !byManager[abstractManager].contains(abstractFactory)) {
        connectNeeded = true;
    } else if (byManager[abstractManager][abstractFactory].contains(this)) {
        return false;
    }

    if (browserToManagerToFactory().value(this).contains(abstractManager))
        unsetFactoryForManager(abstractManager);

    byManager[abstractManager][abstractFactory].append(this);
    browserToManagerToFactory()[this][abstractManager] = abstractFactory;
    watchForRegistry(abstractManager);
    watchForRegistry(abstractFactory);
    return connectNeeded;
}

void QtAbstractPropertyBrowser::unsetFactoryForManager(QtAbstractPropertyManager *manager)
{
    auto &byBrowser = browserToManagerToFactory();
    auto bit = byBrowser.find(this);
    if (bit == byBrowser.end() || !bit.value().contains(manager))
        return;

    QtAbstractEditorFactoryBase *abstractFactory = bit.value().take(manager);
    if (bit.value().isEmpty())
        byBrowser.erase(bit);

    auto &byManager = managerToFactoryToBrowsers();
    auto mit = byManager.find(manager);
    if (mit == byManager.end())
        return;
    auto fit = mit.value().find(abstractFactory);
    if (fit == mit.value().end())
        return;
    fit.value().removeAll(this);
    if (fit.value().isEmpty()) {
        mit.value().erase(fit);
        abstractFactory->breakConnection(manager);
        // breakConnection may not touch the registry, but look the entry up again anyway.
        auto again = byManager.find(manager);
        if (again != byManager.end() && again.value().isEmpty())
            byManager.erase(again);
    }
}

QtBrowserItem *QtAbstractPropertyBrowser::currentItem() const
{
    return d_ptr->currentItem;
}

void QtAbstractPropertyBrowser::setCurrentItem(QtBrowserItem *item)
{
    QtBrowserItem *oldItem = d_ptr->currentItem;
    d_ptr->currentItem = item;
    if (oldItem != item)
        emit currentItemChanged(item);
}

QWidget *QtAbstractPropertyBrowser::createEditor(QtProperty *property, QWidget *parent)
{
    QtAbstractEditorFactoryBase *factory =
        browserToManagerToFactory().value(this).value(property->propertyManager(), nullptr);
    if (!factory)
        return nullptr;
    QWidget *editor = factory->createEditor(property, parent);
    if (editor)
        editor->setFocusPolicy(Qt::WheelFocus);
    return editor;
}
