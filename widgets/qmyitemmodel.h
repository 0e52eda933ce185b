#ifndef QMYITEMMODEL_H
#define QMYITEMMODEL_H

#include <QStandardItemModel>

// A read-only list with left-aligned text and zebra rows.
class QMyItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit QMyItemModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

#endif // QMYITEMMODEL_H
