#include "qmyslider1.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMySlider1::QMySlider1(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setW(100);
    setH(30);
    setProgValue(40);
    setBackground1(QColor(0, 0, 0));
    setProgBackground1(QColor(0, 255, 0));
    setHandleBackground1(QColor(255, 0, 0));
    setHandleBackground2(QColor(255, 255, 255));
    setHandleRadius(15);
}

void QMySlider1::refreshComputedValues()
{
    const DrawGeometry::SliderLayout l = DrawGeometry::sliderLayout(
        getW(), getH(), getHandleKnob(), originX, originY, getProgValue());
    setProgX(l.track.x());
    setProgY(l.track.y());
    setProgW(l.track.width());
    setProgH(l.track.height());
}

void QMySlider1::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    refreshComputedValues();
    const DrawGeometry::SliderLayout l = DrawGeometry::sliderLayout(
        getW(), getH(), getHandleKnob(), originX, originY, getProgValue());
    resizeForPaint(l.widgetSize.width(), l.widgetSize.height());
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect box = DrawGeometry::idBox(getW(), originY, getBorderWidth());
        if (getFlag() == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, l.track, getProgBackground1(), getBackground1());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);

            const QPainterPath track = QMyWidgetPainter::roundedPath(QRectF(l.track), getRadius());
            paintBackgroundStep(p, l.track, true);
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);

            if (getProgBorderWidth() != 0)
                setProgBorderColorA(DrawGeometry::clampByte(getProgBorderOpa()));
            const QRectF fill(l.fill);
            const QPainterPath fillOutline = DrawGeometry::barOutline(
                fill, track, QPointF(fill.x(), fill.y() + fill.height()),
                QPointF(fill.x() + fill.width() - 1, fill.y()), getRadius(), getProgRadius(),
                DrawGeometry::sliderFillDiameters(l.horizontal, getRadius(), getProgRadius()));
            QMyWidgetPainter::drawShape(
                p, fillOutline,
                QMyWidgetPainter::borderPen(getProgBorderWidth(), getProgBorderColor(),
                                            getProgBorderOpa()),
                QMyWidgetPainter::fillBrush(getProgGradMode(), getProgBackground1(),
                                            getProgBackground2(), QRectF(0, 0, getW(), getH())));

            paintKnob(p, l.knob);
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
        } else if (getFlag() == 1) {
            paintHiddenLook(p, box, getBackground1(), QMyWidgetPainter::idFont());
        }
    }
    finishPaint(false);
}
