#ifndef QMYIMAGEITEMMODEL_H
#define QMYIMAGEITEMMODEL_H

#include <QList>
#include <QStandardItemModel>

// A read-only library table whose check column lives in checkStates, kept by the owner.
class QMyImageItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit QMyImageItemModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QList<Qt::CheckState> checkStates;
};

#endif // QMYIMAGEITEMMODEL_H
