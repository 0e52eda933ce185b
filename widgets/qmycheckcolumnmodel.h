#ifndef QMYCHECKCOLUMNMODEL_H
#define QMYCHECKCOLUMNMODEL_H

#include <QList>
#include <QStandardItemModel>

// A table whose first column shows each row's check, kept with the row, so that it comes
// and goes with it; a row reads as checked or unchecked, nothing between. The kinds differ
// only in alignment, which cells are editable and how edits are stored.
class QMyCheckColumnModel : public QStandardItemModel
{
    Q_OBJECT

public:
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Unchecked for a row that does not exist.
    Qt::CheckState checkState(int row) const;
    // Only rows that exist take a check.
    void setCheckState(int row, Qt::CheckState state);
    void setAllCheckStates(Qt::CheckState state);
    // One entry per row, in row order.
    QList<Qt::CheckState> checkStates() const;
    int checkedCount() const;
    // The first checked row from `from` on, or -1.
    int nextChecked(int from = 0) const;

    // Clears rows, columns and headers, and the checks with the rows.
    void clearAll();

protected:
    QMyCheckColumnModel(bool centred, QObject *parent);

    // Flags of a valid cell right of the check column.
    virtual Qt::ItemFlags cellFlags(const QModelIndex &index) const;

private:
    const bool m_centred;
};

#endif // QMYCHECKCOLUMNMODEL_H
