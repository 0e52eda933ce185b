#include "qmyinstrtablemodel.h"

QMyInstrTableModel::QMyInstrTableModel(QObject *parent)
    : QMyCheckColumnModel(false, parent)
{ }

bool QMyInstrTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    // The owner toggles the checks in its click handler, so a click must change nothing here.
    if (role == Qt::CheckStateRole && index.column() == 0)
        return true;
    if (role == Qt::EditRole) {
        QStandardItem *cell = item(index.row(), index.column());
        if (cell)
            cell->setText(value.toString());
        else
            setItem(index.row(), index.column(), new QStandardItem(value.toString()));
        return true;
    }
    return false;
}

Qt::ItemFlags QMyInstrTableModel::cellFlags(const QModelIndex &index) const
{
    if (index.column() <= 2)
        return QMyCheckColumnModel::cellFlags(index);
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}
