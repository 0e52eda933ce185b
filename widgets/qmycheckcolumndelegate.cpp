#include "qmycheckcolumndelegate.h"

#include <QEvent>

QMyCheckColumnDelegate::QMyCheckColumnDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{ }

bool QMyCheckColumnDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                         const QStyleOptionViewItem &option,
                                         const QModelIndex &index)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return false; // the view goes on to emit clicked() for the row
    default:
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
}
