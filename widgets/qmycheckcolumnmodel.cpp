#include "qmycheckcolumnmodel.h"

QMyCheckColumnModel::QMyCheckColumnModel(bool centred, QObject *parent)
    : QStandardItemModel(parent)
    , m_centred(centred)
{ }

QVariant QMyCheckColumnModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (m_centred && role == Qt::TextAlignmentRole)
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
    if (role == Qt::CheckStateRole && index.column() == 0) {
        // A row without an entry reads as unchecked.
        const int row = index.row();
        if (row < checkStates.size() && checkStates.at(row) == Qt::Checked)
            return int(Qt::Checked);
        return int(Qt::Unchecked);
    }
    return QStandardItemModel::data(index, role);
}

bool QMyCheckColumnModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    if (role == Qt::CheckStateRole && index.column() == 0) {
        if (checkStates.isEmpty())
            return true;
        const int row = index.row();
        if (row >= checkStates.size())
            return false; // no entry to write to
        checkStates[row] = value.toInt() == Qt::Checked ? Qt::Checked : Qt::Unchecked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    return true;
}

Qt::ItemFlags QMyCheckColumnModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
    return cellFlags(index);
}

Qt::ItemFlags QMyCheckColumnModel::cellFlags(const QModelIndex &index) const
{
    Q_UNUSED(index)
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

void QMyCheckColumnModel::clearAll()
{
    clear();
    checkStates.clear();
}
