#ifndef QTTREEPROPERTYBROWSER_H
#define QTTREEPROPERTYBROWSER_H

#include "qtabstractpropertybrowser.h"

#include <QColor>

class QModelIndex;
class QTreeWidgetItem;
class QtTreePropertyBrowserPrivate;

// The two-column property sheet: names on the left, values and their editors on the right.
class QtTreePropertyBrowser : public QtAbstractPropertyBrowser
{
    Q_OBJECT
    Q_PROPERTY(int indentation READ indentation WRITE setIndentation)
    Q_PROPERTY(bool rootIsDecorated READ rootIsDecorated WRITE setRootIsDecorated)
    Q_PROPERTY(bool alternatingRowColors READ alternatingRowColors WRITE setAlternatingRowColors)
    Q_PROPERTY(bool headerVisible READ isHeaderVisible WRITE setHeaderVisible)
    Q_PROPERTY(ResizeMode resizeMode READ resizeMode WRITE setResizeMode)
    Q_PROPERTY(int splitterPosition READ splitterPosition WRITE setSplitterPosition)
    Q_PROPERTY(bool propertiesWithoutValueMarked READ propertiesWithoutValueMarked WRITE
                   setPropertiesWithoutValueMarked)
public:
    enum ResizeMode { Interactive, Stretch, Fixed, ResizeToContents };
    Q_ENUM(ResizeMode)

    explicit QtTreePropertyBrowser(QWidget *parent = nullptr);
    ~QtTreePropertyBrowser() override;

    int indentation() const;
    void setIndentation(int i);
    bool rootIsDecorated() const;
    void setRootIsDecorated(bool show);
    bool alternatingRowColors() const;
    void setAlternatingRowColors(bool enable);
    bool isHeaderVisible() const;
    void setHeaderVisible(bool visible);
    ResizeMode resizeMode() const;
    void setResizeMode(ResizeMode mode);
    int splitterPosition() const;
    void setSplitterPosition(int position);
    bool propertiesWithoutValueMarked() const;
    void setPropertiesWithoutValueMarked(bool mark);

    void setHeaderLabels(const QStringList &labels);
    void setBackgroundColor(QtBrowserItem *item, const QColor &color);
    void setExpanded(QtBrowserItem *item, bool expanded);

    // For building or clearing a whole sheet: between the two calls the view is not laid
    // out row by row. Group rows take their span, columns sized to their contents their
    // width and the rows of removed items leave the view once, on resume. Calls nest.
    void suspendLayout();
    void resumeLayout();

signals:
    void collapsed(QtBrowserItem *item);
    void expanded(QtBrowserItem *item);

protected:
    void changeEvent(QEvent *event) override;
    void itemInserted(QtBrowserItem *item, QtBrowserItem *afterItem) override;
    void itemRemoved(QtBrowserItem *item) override;
    void itemChanged(QtBrowserItem *item) override;

private slots:
    void slotCollapsed(const QModelIndex &index);
    void slotExpanded(const QModelIndex &index);
    void slotCurrentBrowserItemChanged(QtBrowserItem *item);
    void slotCurrentTreeItemChanged(QTreeWidgetItem *newItem, QTreeWidgetItem *oldItem);

private:
    friend class QtTreePropertyBrowserPrivate;
    QtTreePropertyBrowserPrivate *d_ptr;
};

#endif // QTTREEPROPERTYBROWSER_H
