#include "qmyimg.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyImg::QMyImg(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{ }

void QMyImg::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    paintPlain(
        [this](QPainter &p) {
            QFont font;
            if (getImageNum() != -1) {
                font = QMyWidgetPainter::projectFont(projectFolder(), getFontID(), 12);
            } else {
                font = QFont("SimSun");
                font.setPointSize(DrawGeometry::imageTextPointSize(getFontSize()));
            }
            QMyWidgetPainter::drawText(p,
                                       QRect(originX, originY, DrawGeometry::clampCoord(getW()),
                                             DrawGeometry::clampCoord(getH())),
                                       int(hAlignFlag() | vAlignFlag()), getText(), font,
                                       getFontColor());
        },
        QMyWidgetPainter::defaultFamilyIdFont());
}
