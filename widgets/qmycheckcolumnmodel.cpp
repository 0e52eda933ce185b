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
    if (role == Qt::CheckStateRole && index.column() == 0)
        return int(checkState(index.row()));
    return QStandardItemModel::data(index, role);
}

bool QMyCheckColumnModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    if (role == Qt::CheckStateRole && index.column() == 0)
        setCheckState(index.row(), value.toInt() == Qt::Checked ? Qt::Checked : Qt::Unchecked);
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

Qt::CheckState QMyCheckColumnModel::checkState(int row) const
{
    const QStandardItem *cell = row >= 0 && row < rowCount() ? item(row, 0) : nullptr;
    return cell && cell->data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Checked
                                                                         : Qt::Unchecked;
}

void QMyCheckColumnModel::setCheckState(int row, Qt::CheckState state)
{
    if (row < 0 || row >= rowCount())
        return;
    const int check = state == Qt::Checked ? Qt::Checked : Qt::Unchecked;
    // The item tells the views.
    if (QStandardItem *cell = item(row, 0)) {
        cell->setData(check, Qt::CheckStateRole);
        return;
    }
    auto *cell = new QStandardItem;
    cell->setData(check, Qt::CheckStateRole);
    setItem(row, 0, cell);
}

void QMyCheckColumnModel::setAllCheckStates(Qt::CheckState state)
{
    for (int row = 0; row < rowCount(); ++row)
        setCheckState(row, state);
}

QList<Qt::CheckState> QMyCheckColumnModel::checkStates() const
{
    QList<Qt::CheckState> states;
    for (int row = 0; row < rowCount(); ++row)
        states << checkState(row);
    return states;
}

int QMyCheckColumnModel::checkedCount() const
{
    int count = 0;
    for (int row = 0; row < rowCount(); ++row)
        count += checkState(row) == Qt::Checked;
    return count;
}

int QMyCheckColumnModel::nextChecked(int from) const
{
    for (int row = qMax(0, from); row < rowCount(); ++row) {
        if (checkState(row) == Qt::Checked)
            return row;
    }
    return -1;
}

void QMyCheckColumnModel::clearAll()
{
    clear();
}
