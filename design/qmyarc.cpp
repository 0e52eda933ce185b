#include "qmyarc.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyArc::QMyArc(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setW(100);
    setH(100);
    setProgValue(40);
    setArcStartValue(0);
    setArcEndValue(360);
    setArcWidth(10);
    setArcRounded(1);
    setArcSelectWidth(10);
    setArcSelectRounded(1);
    setHandleKnob(5);
    setHandleRadius(10);
    setHandleBackground1(QColor(255, 0, 0));
    setHandleBackground2(QColor(255, 255, 255));
    setProgBackground1(QColor(0, 255, 0));
}

DrawGeometry::ArcLayout QMyArc::layout() const
{
    DrawGeometry::ArcInput in;
    in.w = getW();
    in.h = getH();
    in.knob = getHandleKnob();
    in.originX = originX;
    in.originY = originY;
    in.borderWidth = getBorderWidth();
    in.arcWidth = getArcWidth();
    in.selectWidth = getArcSelectWidth();
    in.start = getArcStartValue();
    in.end = getArcEndValue();
    in.rotation = getArcRotation();
    in.value = getProgValue();
    return DrawGeometry::arcLayout(in);
}

void QMyArc::storeLayout(const DrawGeometry::ArcLayout &l)
{
    setW(l.side);
    setH(l.side);
    setProgX(l.square.x());
    setProgY(l.square.y());
    setProgW(l.square.width());
    setProgH(l.square.height());
}

void QMyArc::refreshComputedValues()
{
    storeLayout(layout());
}

void QMyArc::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    const DrawGeometry::ArcLayout l = layout();
    storeLayout(l);
    resizeForPaint(l.widgetSize.width(), l.widgetSize.height());
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect box = DrawGeometry::idBox(getW(), originY, getBorderWidth());
        if (getFlag() == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, l.square, getProgBackground1(), getBackground1());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            paintBackgroundStep(p, l.square, true);
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);

            const auto arcPen = [](int width, const QColor &color, int opacity, int rounded) {
                if (width <= 0)
                    return QPen(Qt::transparent, 0);
                QColor c = color;
                c.setAlpha(DrawGeometry::clampByte(opacity));
                return QPen(QBrush(c), width, Qt::SolidLine,
                            rounded != 0 ? Qt::RoundCap : Qt::FlatCap);
            };
            if (getArcWidth() != 0)
                setArcBackgroundA1(DrawGeometry::clampByte(getArcOpa()));
            if (getArcSelectWidth() != 0)
                setArcSelectBackgroundA1(DrawGeometry::clampByte(getArcSelectOpa()));
            p.setBrush(Qt::NoBrush);
            p.setPen(arcPen(getArcWidth(), getArcBackground1(), getArcOpa(), getArcRounded()));
            p.drawArc(l.arcRect, l.start16, l.trackSpan16);
            p.setPen(arcPen(getArcSelectWidth(), getArcSelectBackground1(), getArcSelectOpa(),
                            getArcSelectRounded()));
            if (l.valueSpan16 != 0)
                p.drawArc(l.arcRect, l.start16, l.valueSpan16);

            paintKnob(p, l.knob);
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
        } else if (getFlag() == 1) {
            paintHiddenLook(p, box, getBackground1(), QMyWidgetPainter::idFont());
        }
    }
    finishPaint(true);
}
