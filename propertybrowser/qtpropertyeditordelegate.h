#ifndef QTPROPERTYEDITORDELEGATE_H
#define QTPROPERTYEDITORDELEGATE_H

#include <QItemDelegate>
#include <QMap>

class QTreeWidgetItem;
class QtProperty;
class QtTreePropertyBrowserPrivate;

// Paints the cells of a tree browser and makes the editors of its value cells. Editors talk
// to their managers directly, never through the tree's model.
class QtPropertyEditorDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit QtPropertyEditorDelegate(QObject *parent = nullptr);

    void setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate);
    QTreeWidgetItem *editedItem() const { return m_editedItem; }
    QWidget *editedWidget() const { return m_editedWidget; }

    // The row is about to be deleted: forget its editor and keep it from writing back.
    void closeEditorOfItem(QTreeWidgetItem *item);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override { }
    void setEditorData(QWidget *, const QModelIndex &) const override { }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private slots:
    void slotEditorDestroyed(QObject *object);

private:
    mutable QMap<QWidget *, QtProperty *> m_editorToProperty;
    mutable QMap<QtProperty *, QWidget *> m_propertyToEditor;
    QtTreePropertyBrowserPrivate *m_editorPrivate = nullptr;
    mutable QTreeWidgetItem *m_editedItem = nullptr;
    mutable QWidget *m_editedWidget = nullptr;
};

#endif // QTPROPERTYEDITORDELEGATE_H
