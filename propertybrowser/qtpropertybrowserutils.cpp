#include "qtpropertybrowserutils.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>

QPixmap QtPropertyBrowserUtils::brushValuePixmap(const QBrush &brush)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, image.width(), image.height(), brush);
    QColor color = brush.color();
    if (color.alpha() != 255) {
        // A translucent colour shows as a translucent square with an opaque core.
        QBrush opaqueBrush = brush;
        color.setAlpha(255);
        opaqueBrush.setColor(color);
        painter.fillRect(image.width() / 4, image.height() / 4, image.width() / 2,
                         image.height() / 2, opaqueBrush);
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon QtPropertyBrowserUtils::brushValueIcon(const QBrush &brush)
{
    return QIcon(brushValuePixmap(brush));
}

QString QtPropertyBrowserUtils::colorValueText(const QColor &color)
{
    return tr("[%1, %2, %3] (%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QHBoxLayout *QtPropertyBrowserUtils::editorLayout(QWidget *editor)
{
    auto *layout = new QHBoxLayout(editor);
    if (QApplication::layoutDirection() == Qt::LeftToRight)
        layout->setContentsMargins(4, 0, 0, 0);
    else
        layout->setContentsMargins(0, 0, 4, 0);
    return layout;
}
