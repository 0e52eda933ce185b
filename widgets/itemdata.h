#ifndef ITEMDATA_H
#define ITEMDATA_H

#include <QMetaType>
#include <QString>

// One palette entry as stored under role Qt::UserRole + 1: its icon and caption.
struct ItemData
{
    QString iconPath;
    QString caption;
};

Q_DECLARE_METATYPE(ItemData)

#endif // ITEMDATA_H
