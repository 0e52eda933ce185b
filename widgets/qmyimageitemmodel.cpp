#include "qmyimageitemmodel.h"

QMyImageItemModel::QMyImageItemModel(QObject *parent)
    : QMyCheckColumnModel(true, parent)
{ }
