#include "qttreepropertybrowser.h"

#include "qtproperty.h"
#include "qtpropertyeditordelegate.h"
#include "qtpropertyeditorview.h"
#include "qttreepropertybrowserprivate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace {
QIcon drawIndicatorIcon(const QPalette &palette, QStyle *style)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QStyleOption branchOption;
    branchOption.rect = QRect(2, 2, 9, 9);
    branchOption.palette = palette;
    branchOption.state = QStyle::State_Children;

    QPainter painter;
    painter.begin(&pixmap);
    style->drawPrimitive(QStyle::PE_IndicatorBranch, &branchOption, &painter);
    painter.end();
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal, QIcon::Off);
    icon.addPixmap(pixmap, QIcon::Selected, QIcon::Off);

    branchOption.state |= QStyle::State_Open;
    pixmap.fill(Qt::transparent);
    painter.begin(&pixmap);
    style->drawPrimitive(QStyle::PE_IndicatorBranch, &branchOption, &painter);
    painter.end();
    icon.addPixmap(pixmap, QIcon::Normal, QIcon::On);
    icon.addPixmap(pixmap, QIcon::Selected, QIcon::On);
    return icon;
}
} // namespace

// The header speaks the interface's language like every other text.
QStringList QtTreePropertyBrowserPrivate::headerLabels()
{
    return {QCoreApplication::translate("QtTreePropertyBrowser", "属性"),
            QCoreApplication::translate("QtTreePropertyBrowser", "值")};
}

void QtTreePropertyBrowserPrivate::init(QWidget *parent)
{
    auto *layout = new QHBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    treeWidget = new QtPropertyEditorView(parent);
    treeWidget->setEditorPrivate(this);
    treeWidget->setIconSize(QSize(18, 18));
    layout->addWidget(treeWidget);

    treeWidget->setColumnCount(2);
    treeWidget->setHeaderLabels(headerLabels());
    treeWidget->setAlternatingRowColors(true);
    treeWidget->setEditTriggers(QAbstractItemView::EditKeyPressed);

    delegate = new QtPropertyEditorDelegate(parent);
    delegate->setEditorPrivate(this);
    treeWidget->setItemDelegate(delegate);
    treeWidget->header()->setSectionsMovable(false);
    treeWidget->header()->setSectionResizeMode(QHeaderView::Stretch);

    expandIcon = drawIndicatorIcon(q_ptr->palette(), q_ptr->style());

    QObject::connect(treeWidget, &QTreeView::collapsed, q_ptr,
                     &QtTreePropertyBrowser::slotCollapsed);
    QObject::connect(treeWidget, &QTreeView::expanded, q_ptr, &QtTreePropertyBrowser::slotExpanded);
    QObject::connect(treeWidget, &QTreeWidget::currentItemChanged, q_ptr,
                     &QtTreePropertyBrowser::slotCurrentTreeItemChanged);
}

QtProperty *QtTreePropertyBrowserPrivate::indexToProperty(const QModelIndex &index) const
{
    QtBrowserItem *browserItem = indexToBrowserItem(index);
    return browserItem ? browserItem->property() : nullptr;
}

QTreeWidgetItem *QtTreePropertyBrowserPrivate::indexToItemOf(const QModelIndex &index) const
{
    return treeWidget ? treeWidget->indexToItem(index) : nullptr;
}

QtBrowserItem *QtTreePropertyBrowserPrivate::indexToBrowserItem(const QModelIndex &index) const
{
    return itemToIndex.value(indexToItemOf(index), nullptr);
}

bool QtTreePropertyBrowserPrivate::lastColumn(int column) const
{
    return treeWidget->header()->visualIndex(column) == treeWidget->columnCount() - 1;
}

bool QtTreePropertyBrowserPrivate::hasValue(QTreeWidgetItem *item) const
{
    QtBrowserItem *browserItem = itemToIndex.value(item, nullptr);
    return browserItem ? browserItem->property()->hasValue() : false;
}

QTreeWidgetItem *QtTreePropertyBrowserPrivate::editedItem() const
{
    return delegate ? delegate->editedItem() : nullptr;
}

QWidget *QtTreePropertyBrowserPrivate::editedWidget() const
{
    return delegate ? delegate->editedWidget() : nullptr;
}

QWidget *QtTreePropertyBrowserPrivate::createEditor(QtProperty *property, QWidget *parent) const
{
    return q_ptr->createEditor(property, parent);
}

void QtTreePropertyBrowserPrivate::updateItem(QTreeWidgetItem *item)
{
    updateCells(item);
    updateSpan(item);
    treeWidget->viewport()->update();
}

void QtTreePropertyBrowserPrivate::updateCells(QTreeWidgetItem *item)
{
    QtProperty *property = itemToIndex.value(item)->property();
    if (property->hasValue()) {
        const QString valueText = property->valueText();
        const QString toolTip = property->valueToolTip();
        item->setToolTip(1, toolTip.isEmpty() ? valueText : toolTip);
        item->setIcon(1, property->valueIcon());
        item->setText(1, valueText);
    }
    const bool markExpand =
        !property->hasValue() && markPropertiesWithoutValue && !treeWidget->rootIsDecorated();
    item->setIcon(0, markExpand ? expandIcon : QIcon());
    item->setToolTip(0, property->propertyName());
    item->setStatusTip(0, property->statusTip());
    item->setWhatsThis(0, property->whatsThis());
    item->setText(0, property->propertyName());
}

// Spanning a row lays out every row of the view at once when rows went in since the last
// layout: only a change is worth that, and while the layout is suspended it waits.
void QtTreePropertyBrowserPrivate::updateSpan(QTreeWidgetItem *item)
{
    const bool span = !itemToIndex.value(item)->property()->hasValue();
    if (item->isFirstColumnSpanned() == span)
        return;
    if (layoutSuspended)
        spansDue.insert(item);
    else
        item->setFirstColumnSpanned(span);
}

// Each row taken out of the view on its own makes the view revisit every row it keeps
// track of (expanded, spanned); a row goes with its parent, and the last rows all at once.
void QtTreePropertyBrowserPrivate::deleteRowsDue()
{
    const QSet<QTreeWidgetItem *> due = std::exchange(rowsDue, {});
    if (due.isEmpty())
        return;
    // The view would make a neighbour of a deleted current row current.
    if (due.contains(treeWidget->currentItem()))
        treeWidget->setCurrentItem(nullptr);
    if (itemToIndex.isEmpty()) {
        treeWidget->clear();
        return;
    }
    QList<QTreeWidgetItem *> tops;
    for (QTreeWidgetItem *item : due) {
        if (!due.contains(item->parent()))
            tops.append(item);
    }
    qDeleteAll(tops);
}

QColor QtTreePropertyBrowserPrivate::calculatedBackgroundColor(QtBrowserItem *item) const
{
    for (QtBrowserItem *i = item; i; i = i->parent()) {
        const auto it = indexToBackgroundColor.constFind(i);
        if (it != indexToBackgroundColor.constEnd())
            return it.value();
    }
    return QColor();
}

QtTreePropertyBrowser::QtTreePropertyBrowser(QWidget *parent)
    : QtAbstractPropertyBrowser(parent)
    , d_ptr(new QtTreePropertyBrowserPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->init(this);
    connect(this, &QtAbstractPropertyBrowser::currentItemChanged, this,
            &QtTreePropertyBrowser::slotCurrentBrowserItemChanged);
}

QtTreePropertyBrowser::~QtTreePropertyBrowser()
{
    // The view and the delegate use the record: they go first.
    d_ptr->treeWidget->setEditorPrivate(nullptr);
    d_ptr->delegate->setEditorPrivate(nullptr);
    delete d_ptr->treeWidget;
    delete d_ptr->delegate;
    delete d_ptr;
}

int QtTreePropertyBrowser::indentation() const
{
    return d_ptr->treeWidget->indentation();
}

void QtTreePropertyBrowser::setIndentation(int i)
{
    d_ptr->treeWidget->setIndentation(i);
}

bool QtTreePropertyBrowser::rootIsDecorated() const
{
    return d_ptr->treeWidget->rootIsDecorated();
}

void QtTreePropertyBrowser::setRootIsDecorated(bool show)
{
    d_ptr->treeWidget->setRootIsDecorated(show);
    for (auto it = d_ptr->itemToIndex.cbegin(); it != d_ptr->itemToIndex.cend(); ++it) {
        if (!it.value()->property()->hasValue())
            d_ptr->updateItem(it.key());
    }
}

bool QtTreePropertyBrowser::alternatingRowColors() const
{
    return d_ptr->treeWidget->alternatingRowColors();
}

void QtTreePropertyBrowser::setAlternatingRowColors(bool enable)
{
    d_ptr->treeWidget->setAlternatingRowColors(enable);
}

bool QtTreePropertyBrowser::isHeaderVisible() const
{
    return d_ptr->headerVisible;
}

void QtTreePropertyBrowser::setHeaderVisible(bool visible)
{
    if (d_ptr->headerVisible == visible)
        return;
    d_ptr->headerVisible = visible;
    d_ptr->treeWidget->header()->setVisible(visible);
}

QtTreePropertyBrowser::ResizeMode QtTreePropertyBrowser::resizeMode() const
{
    return d_ptr->resizeMode;
}

void QtTreePropertyBrowser::setResizeMode(ResizeMode mode)
{
    if (d_ptr->resizeMode == mode)
        return;
    d_ptr->resizeMode = mode;
    QHeaderView::ResizeMode headerMode = QHeaderView::Stretch;
    switch (mode) {
    case Interactive:
        headerMode = QHeaderView::Interactive;
        break;
    case Fixed:
        headerMode = QHeaderView::Fixed;
        break;
    case ResizeToContents:
        headerMode = QHeaderView::ResizeToContents;
        break;
    default:
        break;
    }
    d_ptr->fitSuspended = d_ptr->layoutSuspended > 0 && mode == ResizeToContents;
    if (d_ptr->fitSuspended)
        headerMode = QHeaderView::Interactive;
    d_ptr->treeWidget->header()->setSectionResizeMode(headerMode);
}

int QtTreePropertyBrowser::splitterPosition() const
{
    return d_ptr->treeWidget->header()->sectionSize(0);
}

void QtTreePropertyBrowser::setSplitterPosition(int position)
{
    d_ptr->treeWidget->header()->resizeSection(0, position);
}

bool QtTreePropertyBrowser::propertiesWithoutValueMarked() const
{
    return d_ptr->markPropertiesWithoutValue;
}

void QtTreePropertyBrowser::setPropertiesWithoutValueMarked(bool mark)
{
    if (d_ptr->markPropertiesWithoutValue == mark)
        return;
    d_ptr->markPropertiesWithoutValue = mark;
    for (auto it = d_ptr->itemToIndex.cbegin(); it != d_ptr->itemToIndex.cend(); ++it) {
        if (!it.value()->property()->hasValue())
            d_ptr->updateItem(it.key());
    }
    d_ptr->treeWidget->viewport()->update();
}

void QtTreePropertyBrowser::setHeaderLabels(const QStringList &labels)
{
    d_ptr->ownHeaderLabels = false;
    d_ptr->treeWidget->setHeaderLabels(labels);
}

void QtTreePropertyBrowser::changeEvent(QEvent *event)
{
    // Labels given by the owner are the owner's to translate.
    if (event->type() == QEvent::LanguageChange && d_ptr->ownHeaderLabels)
        d_ptr->treeWidget->setHeaderLabels(QtTreePropertyBrowserPrivate::headerLabels());
    QtAbstractPropertyBrowser::changeEvent(event);
}

void QtTreePropertyBrowser::setBackgroundColor(QtBrowserItem *item, const QColor &color)
{
    if (!d_ptr->indexToItem.contains(item))
        return;
    if (color.isValid())
        d_ptr->indexToBackgroundColor[item] = color;
    else
        d_ptr->indexToBackgroundColor.remove(item);
    d_ptr->treeWidget->viewport()->update();
}

void QtTreePropertyBrowser::setExpanded(QtBrowserItem *item, bool expanded)
{
    if (QTreeWidgetItem *treeItem = d_ptr->indexToItem.value(item, nullptr))
        treeItem->setExpanded(expanded);
}

void QtTreePropertyBrowser::suspendLayout()
{
    if (d_ptr->layoutSuspended++ > 0)
        return;
    // Fitting the columns measures every row after each new one.
    if (d_ptr->resizeMode == ResizeToContents) {
        d_ptr->fitSuspended = true;
        d_ptr->treeWidget->header()->setSectionResizeMode(QHeaderView::Interactive);
    }
}

void QtTreePropertyBrowser::resumeLayout()
{
    if (d_ptr->layoutSuspended == 0 || --d_ptr->layoutSuspended > 0)
        return;
    d_ptr->deleteRowsDue();
    const QSet<QTreeWidgetItem *> spans = std::exchange(d_ptr->spansDue, {});
    for (QTreeWidgetItem *item : spans)
        d_ptr->updateSpan(item);
    if (std::exchange(d_ptr->fitSuspended, false))
        d_ptr->treeWidget->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void QtTreePropertyBrowser::itemInserted(QtBrowserItem *item, QtBrowserItem *afterItem)
{
    QTreeWidgetItem *afterTreeItem = d_ptr->indexToItem.value(afterItem, nullptr);
    QTreeWidgetItem *parentItem = d_ptr->indexToItem.value(item->parent(), nullptr);

    // The row gets its texts before it enters the view: each text set on a shown row is
    // reported to the view on its own.
    auto *newItem = new QTreeWidgetItem;
    d_ptr->itemToIndex[newItem] = item;
    d_ptr->indexToItem[item] = newItem;
    newItem->setFlags(newItem->flags() | Qt::ItemIsEditable);
    d_ptr->updateCells(newItem);
    if (parentItem) {
        // Mostly after the last child: no search then.
        const int count = parentItem->childCount();
        const int pos = !afterTreeItem ? 0
            : count > 0 && parentItem->child(count - 1) == afterTreeItem
            ? count
            : parentItem->indexOfChild(afterTreeItem) + 1;
        parentItem->insertChild(pos, newItem);
    } else {
        QTreeWidget *tree = d_ptr->treeWidget;
        tree->insertTopLevelItem(afterTreeItem ? tree->indexOfTopLevelItem(afterTreeItem) + 1 : 0,
                                 newItem);
    }
    newItem->setExpanded(true);
    d_ptr->updateSpan(newItem);
    d_ptr->treeWidget->viewport()->update();
}

void QtTreePropertyBrowser::itemRemoved(QtBrowserItem *item)
{
    QTreeWidgetItem *treeItem = d_ptr->indexToItem.value(item, nullptr);
    if (!treeItem)
        return;
    // An editor open on the row must neither outlive the row in the delegate's books nor
    // write its text into the property that is going away; moving the current row below
    // would already close it.
    d_ptr->delegate->closeEditorOfItem(treeItem);
    if (d_ptr->treeWidget->currentItem() == treeItem)
        d_ptr->treeWidget->setCurrentItem(nullptr);
    d_ptr->spansDue.remove(treeItem);
    if (d_ptr->layoutSuspended)
        d_ptr->rowsDue.insert(treeItem);
    else
        delete treeItem;
    d_ptr->indexToItem.remove(item);
    d_ptr->itemToIndex.remove(treeItem);
    d_ptr->indexToBackgroundColor.remove(item);
}

void QtTreePropertyBrowser::itemChanged(QtBrowserItem *item)
{
    if (QTreeWidgetItem *treeItem = d_ptr->indexToItem.value(item, nullptr))
        d_ptr->updateItem(treeItem);
}

void QtTreePropertyBrowser::slotCollapsed(const QModelIndex &index)
{
    QTreeWidgetItem *item = d_ptr->indexToItemOf(index);
    if (item)
        emit collapsed(d_ptr->itemToIndex.value(item, nullptr));
}

void QtTreePropertyBrowser::slotExpanded(const QModelIndex &index)
{
    QTreeWidgetItem *item = d_ptr->indexToItemOf(index);
    if (item)
        emit expanded(d_ptr->itemToIndex.value(item, nullptr));
}

void QtTreePropertyBrowser::slotCurrentBrowserItemChanged(QtBrowserItem *item)
{
    if (d_ptr->browserChangedBlocked)
        return;
    QTreeWidgetItem *current = d_ptr->treeWidget->currentItem();
    if (item == d_ptr->itemToIndex.value(current, nullptr))
        return;
    QTreeWidgetItem *treeItem = d_ptr->indexToItem.value(item, nullptr);
    const bool blocked = d_ptr->treeWidget->blockSignals(true);
    d_ptr->treeWidget->setCurrentItem(treeItem);
    d_ptr->treeWidget->blockSignals(blocked);
}

void QtTreePropertyBrowser::slotCurrentTreeItemChanged(QTreeWidgetItem *newItem, QTreeWidgetItem *)
{
    QtBrowserItem *browserItem = newItem ? d_ptr->itemToIndex.value(newItem, nullptr) : nullptr;
    d_ptr->browserChangedBlocked = true;
    setCurrentItem(browserItem);
    d_ptr->browserChangedBlocked = false;
}
