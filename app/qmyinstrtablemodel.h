#ifndef QMYINSTRTABLEMODEL_H
#define QMYINSTRTABLEMODEL_H

#include <QList>
#include <QStandardItemModel>

// The instruction terminal's send table: the check column lives in checkStates, which the
// owner toggles itself; edits are stored as the item's text.
class QMyInstrTableModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit QMyInstrTableModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Clears rows, columns and headers, and the check list with them.
    void clearAll();

    QList<Qt::CheckState> checkStates;
};

#endif // QMYINSTRTABLEMODEL_H
