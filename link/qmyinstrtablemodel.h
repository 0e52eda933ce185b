#ifndef QMYINSTRTABLEMODEL_H
#define QMYINSTRTABLEMODEL_H

#include "qmycheckcolumnmodel.h"

// The instruction terminal's send table: the owner toggles the checks itself; edits are
// stored as the item's text.
class QMyInstrTableModel : public QMyCheckColumnModel
{
    Q_OBJECT

public:
    explicit QMyInstrTableModel(QObject *parent = nullptr);

    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    using QMyCheckColumnModel::clearAll;

protected:
    Qt::ItemFlags cellFlags(const QModelIndex &index) const override;
};

#endif // QMYINSTRTABLEMODEL_H
