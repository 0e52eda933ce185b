#include "qmymeter.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyMeter::QMyMeter(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setW(100);
    setH(100);
    setRadius(50);
    setMeterPointNum(1);
    for (int n = 0; n < NeedleCount; ++n) {
        setMeterMinValue(n, 0);
        setMeterMaxValue(n, 100);
        setMeterRotation(n, 0);
        setMeterAngle(n, 360);
        setMeterPointPicID(n, -1);
        setMeterXPivot(n, 0);
        setMeterYPivot(n, 0);
        setMeterPointR(n, 40);
        setMeterPointW(n, 10);
        setMeterPointColor(n, QColor(150, 200, 100));
    }
    setMeterDotSize(3);
    setMeterDotColor(QColor(0, 0, 0));
}

void QMyMeter::refreshComputedValues()
{
    const int squared = DrawGeometry::squareSide(getW(), getH());
    setW(squared);
    setH(squared);
}

void QMyMeter::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    refreshComputedValues();
    const int side = DrawGeometry::clampCoord(getW());
    resizeForPaint(side, side);
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect area(originX, originY, side, side);
        const QRect box = DrawGeometry::idBox(side, originY, getBorderWidth());
        if (getFlag() == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, area, getProgBackground1(), getBackground1());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            paintBackgroundStep(p, area, true);
            QMyWidgetPainter::drawPicture(p, pictures(), getImageNum(), area, getImageColor(),
                                          getImageColorOpa(), getImageOpa());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);

            const QPoint c = DrawGeometry::meterCentre(side);
            const int needles = DrawGeometry::meterNeedleCount(getMeterPointNum());
            for (int i = 0; i < needles; ++i) {
                p.resetTransform();
                p.translate(c);
                const double angle =
                    DrawGeometry::meterAngle(getMeterRotation(i), getMeterMinValue(i),
                                             getMeterMaxValue(i), getMeterAngle(i));
                const int picture = getMeterPointPicID(i);
                p.setPen(Qt::NoPen);
                p.setBrush(getMeterPointColor(i));
                if (picture < 0) {
                    // -1, and any other negative number from a file: a drawn needle.
                    p.rotate(angle + 90.0);
                    p.drawRect(
                        QRectF(-(getMeterPointW(i) / 2), 0, getMeterPointW(i), getMeterPointR(i)));
                } else if (picture < pictures().size()) {
                    p.rotate(angle);
                    const QImage image = QMyDrawCache::image(pictures().at(picture));
                    if (!image.isNull())
                        p.drawImage(QPoint(-getMeterXPivot(i), -getMeterYPivot(i)), image);
                } else {
                    // A picture missing from the library keeps its number; a drawn needle
                    // stands in for it.
                    p.rotate(angle);
                    p.drawRect(QRectF(-getMeterXPivot(i), -getMeterYPivot(i), getMeterPointW(i),
                                      getMeterPointR(i)));
                }
                p.resetTransform();
            }
            const int dot = DrawGeometry::clampCoord(getMeterDotSize());
            p.setPen(QPen(getMeterDotColor(), 1, Qt::SolidLine));
            p.setBrush(getMeterDotColor());
            p.drawEllipse(QRect(c.x() - dot / 2, c.y() - dot / 2, dot, dot));
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
        } else if (getFlag() == 1) {
            paintHiddenLook(p, box, getBackground1(), QMyWidgetPainter::idFont());
        }
    }
    finishPaint(true);
}
