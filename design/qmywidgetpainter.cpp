#include "qmywidgetpainter.h"

#include "drawgeometry.h"
#include "qmydrawcache.h"

#include <QLinearGradient>
#include <QPainter>

QPen QMyWidgetPainter::borderPen(int width, const QColor &color, int opacity)
{
    QPen pen(Qt::SolidLine);
    pen.setWidthF(2.0 * width);
    if (width == 0) {
        pen.setColor(Qt::transparent);
    } else {
        QColor c = color;
        c.setAlpha(DrawGeometry::clampByte(opacity));
        pen.setColor(c);
    }
    return pen;
}

QBrush QMyWidgetPainter::fillBrush(int gradMode, const QColor &c1, const QColor &c2,
                                   const QRectF &area)
{
    if (gradMode != 1 && gradMode != 2)
        return QBrush(c1);
    const QPointF end = gradMode == 1 ? QPointF(area.x(), area.y() + area.height())
                                      : QPointF(area.x() + area.width(), area.y());
    QLinearGradient g(area.topLeft(), end);
    g.setColorAt(0, c1);
    g.setColorAt(1, c2);
    return QBrush(g);
}

QPainterPath QMyWidgetPainter::roundedPath(const QRectF &r, int radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void QMyWidgetPainter::drawShape(QPainter &p, const QPainterPath &path, const QPen &pen,
                                 const QBrush &brush, bool clip)
{
    if (clip)
        p.setClipPath(path, Qt::ReplaceClip);
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

QFont QMyWidgetPainter::idFont()
{
    QFont f("SimSun");
    f.setPointSize(9);
    return f;
}

QFont QMyWidgetPainter::defaultFamilyIdFont()
{
    QFont f;
    f.setPointSize(9);
    return f;
}

void QMyWidgetPainter::drawIdLabel(QPainter &p, const QRect &box, int id, bool black,
                                   const QFont &font)
{
    p.setFont(font);
    p.setPen(QPen(black ? Qt::black : Qt::red, 1, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    p.drawText(box, Qt::AlignCenter, QString("%1").arg(id));
}

void QMyWidgetPainter::drawHiddenOutline(QPainter &p, const QSize &size, const QColor &color)
{
    p.setPen(QPen(color, 2, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, size.width(), size.height()));
}

void QMyWidgetPainter::drawPicture(QPainter &p, const QStringList &pictures, int imageNum,
                                   const QRect &box, const QColor &tint, int strength, int opacity)
{
    if (!DrawGeometry::isImageIndex(imageNum, pictures.size()))
        return;
    const QImage image = QMyDrawCache::image(pictures.at(imageNum));
    if (image.isNull())
        return;
    const DrawGeometry::Placement place = DrawGeometry::placePicture(image.size(), box.size());
    QImage cut = image.copy(place.source).convertToFormat(QImage::Format_ARGB32);
    DrawGeometry::tintImage(cut, tint, strength, opacity);
    p.drawImage(box.topLeft() + place.target, cut);
}

QFont QMyWidgetPainter::projectFont(const QString &projectFolder, int fontNumber,
                                    int fallbackPixelSize, bool badSizeKeepsFallback)
{
    return QMyDrawCache::projectFont(projectFolder, fontNumber, fallbackPixelSize,
                                     badSizeKeepsFallback);
}

void QMyWidgetPainter::drawText(QPainter &p, const QRect &r, int flags, const QString &text,
                                const QFont &font, const QColor &color)
{
    p.setFont(font);
    p.setPen(QPen(color, 1, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    p.drawText(r, flags, text);
}

void QMyWidgetPainter::drawHandles(QPainter &p, const QRect *rects, int count)
{
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    p.setBrush(QBrush(Qt::blue, Qt::SolidPattern));
    for (int i = 0; i < count; ++i) {
        if (!rects[i].isNull())
            p.drawRect(rects[i]);
    }
}
