#ifndef QMYCHECKCOLUMNDELEGATE_H
#define QMYCHECKCOLUMNDELEGATE_H

#include <QStyledItemDelegate>

// Draws a table's check column like the default delegate but leaves mouse clicks on a check
// box to the table's click handler, which toggles a row clicked anywhere: one click, one
// toggle, wherever on the row it lands.
class QMyCheckColumnDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit QMyCheckColumnDelegate(QObject *parent = nullptr);

    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
};

#endif // QMYCHECKCOLUMNDELEGATE_H
