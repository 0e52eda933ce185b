#ifndef QTTREEPROPERTYBROWSERPRIVATE_H
#define QTTREEPROPERTYBROWSERPRIVATE_H

#include "qttreepropertybrowser.h"

#include <QIcon>
#include <QMap>
#include <QSet>
#include <QStringList>

class QModelIndex;
class QTreeWidgetItem;
class QtPropertyEditorView;
class QtPropertyEditorDelegate;

// The state of a tree browser, shared with its view and delegate.
class QtTreePropertyBrowserPrivate
{
public:
    QtTreePropertyBrowser *q_ptr = nullptr;
    QMap<QtBrowserItem *, QTreeWidgetItem *> indexToItem;
    QMap<QTreeWidgetItem *, QtBrowserItem *> itemToIndex;
    QMap<QtBrowserItem *, QColor> indexToBackgroundColor;
    QtPropertyEditorView *treeWidget = nullptr;
    bool headerVisible = true;
    QtTreePropertyBrowser::ResizeMode resizeMode = QtTreePropertyBrowser::Stretch;
    QtPropertyEditorDelegate *delegate = nullptr;
    bool markPropertiesWithoutValue = false;
    bool browserChangedBlocked = false;
    bool ownHeaderLabels = true;
    QIcon expandIcon;
    int layoutSuspended = 0;
    bool fitSuspended = false;
    // While the layout is suspended: rows whose span is still to be set, and rows whose
    // items went away, deleted together on resume.
    QSet<QTreeWidgetItem *> spansDue;
    QSet<QTreeWidgetItem *> rowsDue;

    void init(QWidget *parent);
    static QStringList headerLabels();
    QtProperty *indexToProperty(const QModelIndex &index) const;
    QTreeWidgetItem *indexToItemOf(const QModelIndex &index) const;
    QtBrowserItem *indexToBrowserItem(const QModelIndex &index) const;
    QtBrowserItem *browserItemOf(QTreeWidgetItem *item) const { return itemToIndex.value(item); }
    bool lastColumn(int column) const;
    bool hasValue(QTreeWidgetItem *item) const;
    void updateItem(QTreeWidgetItem *item);
    void updateCells(QTreeWidgetItem *item);
    void updateSpan(QTreeWidgetItem *item);
    void deleteRowsDue();
    QColor calculatedBackgroundColor(QtBrowserItem *item) const;
    QTreeWidgetItem *editedItem() const;
    QWidget *editedWidget() const;
    void editItem(QtBrowserItem *browserItem);
    QWidget *createEditor(QtProperty *property, QWidget *parent) const;
};

#endif // QTTREEPROPERTYBROWSERPRIVATE_H
