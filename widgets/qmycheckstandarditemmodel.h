#ifndef QMYCHECKSTANDARDITEMMODEL_H
#define QMYCHECKSTANDARDITEMMODEL_H

#include "qmycheckcolumnmodel.h"

// A centred table with a check column; the other cells are editable.
class QMyCheckStandardItemModel : public QMyCheckColumnModel
{
    Q_OBJECT

public:
    explicit QMyCheckStandardItemModel(QObject *parent = nullptr);

    using QMyCheckColumnModel::clearAll;

protected:
    Qt::ItemFlags cellFlags(const QModelIndex &index) const override;
};

#endif // QMYCHECKSTANDARDITEMMODEL_H
