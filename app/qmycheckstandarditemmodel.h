#ifndef QMYCHECKSTANDARDITEMMODEL_H
#define QMYCHECKSTANDARDITEMMODEL_H

#include <QList>
#include <QStandardItemModel>

// A table whose check column lives in checkStates, one entry per row, kept by the owner.
class QMyCheckStandardItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit QMyCheckStandardItemModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Clears rows, columns and headers, and the check list with them.
    void clearAll();

    QList<Qt::CheckState> checkStates;
};

#endif // QMYCHECKSTANDARDITEMMODEL_H
