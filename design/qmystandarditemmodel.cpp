#include "qmystandarditemmodel.h"

#include "designglobals.h"

#include <QMimeData>

QMyStandardItemModel::QMyStandardItemModel(QObject *parent)
    : QStandardItemModel(parent)
{ }

QMimeData *QMyStandardItemModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    const int row = indexes.first().row();
    auto *data = new QMimeData;
    data->setData("TypeName", widgetTypeNames.value(row).toUtf8());
    return data;
}

Qt::ItemFlags QMyStandardItemModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QStandardItemModel::flags(index);
    if (index.isValid())
        f |= Qt::ItemIsDragEnabled;
    return f;
}
