#ifndef QMYSTANDARDITEMMODEL_H
#define QMYSTANDARDITEMMODEL_H

#include <QStandardItemModel>

// Model of the widget palette: every entry can be dragged, and a drag carries the type
// name of its row in the "TypeName" format.
class QMyStandardItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit QMyStandardItemModel(QObject *parent = nullptr);

    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

#endif // QMYSTANDARDITEMMODEL_H
