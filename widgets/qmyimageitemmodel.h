#ifndef QMYIMAGEITEMMODEL_H
#define QMYIMAGEITEMMODEL_H

#include "qmycheckcolumnmodel.h"

// A read-only, centred library table with a check column.
class QMyImageItemModel : public QMyCheckColumnModel
{
    Q_OBJECT

public:
    explicit QMyImageItemModel(QObject *parent = nullptr);
};

#endif // QMYIMAGEITEMMODEL_H
