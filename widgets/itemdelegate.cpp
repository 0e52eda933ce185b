#include "itemdelegate.h"

#include "itemdata.h"

#include <QImage>
#include <QPainter>

ItemDelegate::ItemDelegate(QObject *owner)
    : QStyledItemDelegate(owner)
{
    qRegisterMetaType<ItemData>("ItemData");
}

void ItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    painter->save();

    const QVariant value = index.data(Qt::UserRole + 1);
    const ItemData data = value.canConvert<ItemData>() ? value.value<ItemData>() : ItemData();
    const QRect r = option.rect;
    const QRect shape(r.x(), r.y(), r.width() - 1, r.height() - 1);

    if (option.state.testFlag(QStyle::State_MouseOver)) {
        painter->setPen(QPen(QColor("#ebeced"), 1));
        painter->setBrush(QColor("#ebeced"));
        painter->drawRect(shape);
    }
    if (option.state.testFlag(QStyle::State_Selected)) {
        painter->setPen(QPen(QColor("#e3e3e5"), 1));
        painter->setBrush(QColor("#e3e3e5"));
        painter->drawRect(shape);
    }

    painter->drawImage(iconRect(r), QImage(data.iconPath));
    painter->setPen(Qt::black);
    QFont font("Microsoft Yahei");
    font.setPointSize(10);
    painter->setFont(font);
    painter->drawText(captionRect(r), data.caption, QTextOption());

    painter->restore();
}
