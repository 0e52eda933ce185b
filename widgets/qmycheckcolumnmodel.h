#ifndef QMYCHECKCOLUMNMODEL_H
#define QMYCHECKCOLUMNMODEL_H

#include <QList>
#include <QStandardItemModel>

// A table whose first column shows checks from checkStates, one entry per row, kept by the
// owner; the kinds differ only in alignment, which cells are editable and how edits are stored.
class QMyCheckColumnModel : public QStandardItemModel
{
    Q_OBJECT

public:
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QList<Qt::CheckState> checkStates;

    // Clears rows, columns and headers, and the check list with them.
    void clearAll();

protected:
    QMyCheckColumnModel(bool centred, QObject *parent);

    // Flags of a valid cell right of the check column.
    virtual Qt::ItemFlags cellFlags(const QModelIndex &index) const;

private:
    const bool m_centred;
};

#endif // QMYCHECKCOLUMNMODEL_H
