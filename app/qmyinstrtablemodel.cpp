#include "qmyinstrtablemodel.h"

QMyInstrTableModel::QMyInstrTableModel(QObject *parent)
    : QStandardItemModel(parent)
{ }

QVariant QMyInstrTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::CheckStateRole && index.column() == 0) {
        // A row without an entry reads as unchecked.
        const int row = index.row();
        if (row < checkStates.size() && checkStates.at(row) == Qt::Checked)
            return int(Qt::Checked);
        return int(Qt::Unchecked);
    }
    return QStandardItemModel::data(index, role);
}

bool QMyInstrTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    // The owner toggles checkStates in its click handler, so a click must change nothing here.
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

Qt::ItemFlags QMyInstrTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
    if (index.column() <= 2)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

void QMyInstrTableModel::clearAll()
{
    clear();
    checkStates.clear();
}
