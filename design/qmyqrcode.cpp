#include "qmyqrcode.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyQRCode::QMyQRCode(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setW(53);
    setH(53);
    setFontColor(QColor(0, 0, 0));
    setBackground1(QColor(255, 255, 255));
    setText(QStringLiteral("https://www.example.com"));
    setLongTextLen(getText().toUtf8().size());
}

void QMyQRCode::refreshComputedValues()
{
    const int squared = DrawGeometry::squareSide(getW(), getH());
    setW(squared);
    setH(squared);
}

void QMyQRCode::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    refreshComputedValues();
    const int s = DrawGeometry::clampCoord(getW());
    resizeForPaint(s, s);
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect box = DrawGeometry::qrIdBox(s, originY);
        if (getFlag() == 0) {
            const bool black = getProgBackground1().red() == 255 || getFontColor().red() == 255;
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            p.setPen(QPen(getBackground1(), 1));
            p.setBrush(getBackground1());
            p.drawRect(QRectF(originX, originY, s, s));
            // No symbol (empty text, or more than the largest version holds): the
            // background alone.
            const DrawGeometry::QrSymbol symbol =
                getText().isEmpty() ? DrawGeometry::QrSymbol() : DrawGeometry::encodeQr(getText());
            if (symbol.width > 0) {
                const int n = symbol.width;
                const qreal mw = qreal(s) / n;
                const qreal mh = qreal(s) / n;
                QPainterPath dark;
                for (int r = 0; r < n; ++r) {
                    for (int c = 0; c < n; ++c) {
                        if (symbol.isDark(r, c))
                            dark.addRect(QRectF(c * mw, r * mh, mw, mh));
                    }
                }
                dark.setFillRule(Qt::WindingFill);
                p.setPen(Qt::NoPen);
                p.setBrush(getFontColor());
                p.drawPath(dark);
            }
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
        } else if (getFlag() == 1) {
            QMyWidgetPainter::drawHiddenOutline(p, size(), getFontColor());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), getBackground1().red() == 255);
        }
    }
    finishPaint(true);
}
