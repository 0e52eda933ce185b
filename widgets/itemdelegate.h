#ifndef ITEMDELEGATE_H
#define ITEMDELEGATE_H

#include <QRect>
#include <QStyledItemDelegate>

// Paints a palette entry: icon, caption and a flat hover or selection background.
class ItemDelegate : public QStyledItemDelegate
{
public:
    explicit ItemDelegate(QObject *owner = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    static QRect iconRect(const QRect &r) { return QRect(r.x() + 5, r.y() + 2, 30, 25); }
    static QRect captionRect(const QRect &r)
    {
        return QRect(r.x() + 40, r.y() + 2, r.width() - 41, 30);
    }
};

#endif // ITEMDELEGATE_H
