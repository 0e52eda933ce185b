#include "qmylabel.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyLabel::QMyLabel(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setText(tr("标签"));
    setLongTextMode(2);
}

void QMyLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    paintPlain(
        [this](QPainter &p) {
            const int b = DrawGeometry::clampCoord(getBorderWidth());
            const int w = DrawGeometry::clampCoord(getW());
            const int h = DrawGeometry::clampCoord(getH());
            const QRect r = getImageNum() != -1
                ? QRect(originX, originY, w, h)
                : QRect(originX + b + 5, originY + b, w - 2 * b - 10, h - 2 * b);
            QMyWidgetPainter::drawText(p, r, int(hAlignFlag() | vAlignFlag()), getText(),
                                       QMyWidgetPainter::projectFont(projectFolder(), getFontID(), 12),
                                       getFontColor());
        },
        QMyWidgetPainter::idFont());
}
