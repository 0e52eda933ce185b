#include "qmypushbutton.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyPushButton::QMyPushButton(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setText(tr("按键"));
    setLongTextMode(2);
}

void QMyPushButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    paintPlain(
        [this](QPainter &p) {
            const int b = DrawGeometry::clampCoord(getBorderWidth());
            const int w = DrawGeometry::clampCoord(getW());
            const int h = DrawGeometry::clampCoord(getH());
            // With a picture number the text may use the whole inner area.
            const QRect r = getImageNum() != -1
                ? QRect(originX + b, originY + b, w - 2 * b, h - 2 * b)
                : QRect(originX + b + 5, originY + b, w - 2 * b - 10, h - 2 * b);
            QMyWidgetPainter::drawText(p, r, int(hAlignFlag() | vAlignFlag()), getText(),
                                       QMyWidgetPainter::projectFont(projectFolder(), getFontID(), 12),
                                       getFontColor());
        },
        QMyWidgetPainter::idFont());
}
