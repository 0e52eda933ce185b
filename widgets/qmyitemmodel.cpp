#include "qmyitemmodel.h"

#include <QColor>

QMyItemModel::QMyItemModel(QObject *parent)
    : QStandardItemModel(parent)
{ }

QVariant QMyItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft);
    if (role == Qt::BackgroundRole) {
        if (index.row() % 2 == 1)
            return QColor(240, 240, 240);
        return QVariant();
    }
    return QStandardItemModel::data(index, role);
}

bool QMyItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    Q_UNUSED(value)
    Q_UNUSED(role)
    return index.isValid();
}

Qt::ItemFlags QMyItemModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
