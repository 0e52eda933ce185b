#include "qmyprog.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyProg::QMyProg(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setProgValue(20);
}

void QMyProg::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    resizeForPaint(getW(), getH());
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect area(originX, originY, DrawGeometry::clampCoord(getW()),
                         DrawGeometry::clampCoord(getH()));
        const QRect box = DrawGeometry::idBox(getW(), originY, getBorderWidth());
        if (getFlag() == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, area, getProgBackground1(), getBackground1());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            // Negative numbers other than -1 come only from a file: no picture, like -1.
            const bool pictureBar = getProgImageNum() >= 0;
            paintBackgroundStep(p, area, true, !pictureBar);
            QMyWidgetPainter::drawPicture(p, pictures(), getImageNum(), area, getImageColor(),
                                          getImageColorOpa(), getImageOpa());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);

            const QRect bar =
                DrawGeometry::progBarRect(getProgDir(), originX, originY, getW(), getH(),
                                          getBorderWidth(), getProgValue(), pictureBar);
            if (!bar.isNull()) {
                QPen pen(Qt::transparent, 0);
                QBrush brush(Qt::NoBrush);
                if (!pictureBar) {
                    if (getProgBorderWidth() != 0)
                        setProgBorderColorA(DrawGeometry::clampByte(getProgBorderOpa()));
                    pen = QMyWidgetPainter::borderPen(getProgBorderWidth(), getProgBorderColor(),
                                                      getProgBorderOpa());
                    brush = QMyWidgetPainter::fillBrush(getProgGradMode(), getProgBackground1(),
                                                        getProgBackground2(), QRectF(area));
                }
                const QPainterPath outline = DrawGeometry::barOutline(
                    QRectF(bar), QMyWidgetPainter::roundedPath(QRectF(area), getRadius()),
                    QPointF(bar.x(), bar.y()), QPointF(bar.x() + bar.width(), bar.y()), getRadius(),
                    getProgRadius(),
                    DrawGeometry::progBarDiameters(getProgDir(), getRadius(), getProgRadius()));
                QMyWidgetPainter::drawShape(p, outline, pen, brush);
                if (pictureBar) {
                    QMyWidgetPainter::drawPicture(p, pictures(), getProgImageNum(), bar, getProgImageColor(),
                                                  getProgImageColorOpa(), getProgImageOpa());
                }
            }
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
        } else if (getFlag() == 1) {
            paintHiddenLook(p, box, getBackground1(), QMyWidgetPainter::idFont());
        }
    }
    finishPaint(false);
}
