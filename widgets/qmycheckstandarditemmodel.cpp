#include "qmycheckstandarditemmodel.h"

QMyCheckStandardItemModel::QMyCheckStandardItemModel(QObject *parent)
    : QMyCheckColumnModel(true, parent)
{ }

Qt::ItemFlags QMyCheckStandardItemModel::cellFlags(const QModelIndex &index) const
{
    Q_UNUSED(index)
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}
