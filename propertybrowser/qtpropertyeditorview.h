#ifndef QTPROPERTYEDITORVIEW_H
#define QTPROPERTYEDITORVIEW_H

#include <QTreeWidget>

class QtBoolEdit;
class QtTreePropertyBrowserPrivate;

// The tree of a tree browser: draws shaded rows with grid lines and opens an editor on a
// single click on a value or on Space, Return or Enter.
class QtPropertyEditorView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit QtPropertyEditorView(QWidget *parent = nullptr);

    void setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate);
    QTreeWidgetItem *indexToItem(const QModelIndex &index) const { return itemFromIndex(index); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;

private:
    QtBoolEdit *tickBoxOf(const QTreeWidgetItem *item) const;

    QtTreePropertyBrowserPrivate *m_editorPrivate = nullptr;
};

#endif // QTPROPERTYEDITORVIEW_H
