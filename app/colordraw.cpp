#include "colordraw.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTextOption>

#include "globals.h"

ColorDraw::ColorDraw(QWidget *parent)
    : QFrame(parent)
{
    for (int top = 10; top < 190; top += 45) {
        for (int left = 10; left < 730; left += 45)
            rects.append(QRect(left, top, 35, 35));
    }
    count = rects.size();

    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::white, Qt::SolidPattern));
    setPalette(pal);
    resize(731, 311);

    painter = new QPainter;
    pixmap = new QPixmap(731, 311);
    drawTable();
}

ColorDraw::~ColorDraw()
{
    delete painter;
    delete pixmap;
}

QRect ColorDraw::swatchRect(int number)
{
    return QRect(10 + 45 * (number % 16), 10 + 45 * (number / 16), 35, 35);
}

int ColorDraw::colorNumberAt(const QPoint &pos) const
{
    for (int n = 0; n < rects.size(); ++n) {
        if (rects.at(n).contains(pos))
            return n;
    }
    return -1;
}

QColor ColorDraw::numberColor(const QColor &swatch)
{
    if (swatch.red() > 70 || swatch.green() > 70 || swatch.blue() > 70)
        return Qt::black;
    return Qt::white;
}

void ColorDraw::drawTable()
{
    pixmap->fill(QColor(235, 235, 235));
    painter->begin(pixmap);
    painter->setPen(QPen(QBrush(Qt::black), 1, Qt::SolidLine));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->drawRect(0, 0, width() - 1, height() - 1);

    painter->setRenderHint(QPainter::Antialiasing, true);
    for (int n = 0; n < count; ++n) {
        const QColor color = colorTableValue(n);
        painter->setPen(QPen(QBrush(color), 1, Qt::SolidLine));
        painter->setBrush(QBrush(color, Qt::SolidPattern));
        const QRect &r = rects.at(n);
        painter->drawRect(r);

        painter->setPen(QPen(QBrush(numberColor(color)), 1, Qt::SolidLine));
        painter->drawText(QRectF(r.left() + 10, r.top() + 10, r.width() - 20, r.height() - 20),
                          QString("%1").arg(n), QTextOption());
    }
    painter->end();
    update();
}

void ColorDraw::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    p.drawPixmap(0, 0, *pixmap);
}

void ColorDraw::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
}

void ColorDraw::mouseMoveEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
}

void ColorDraw::mouseReleaseEvent(QMouseEvent *event)
{
    const int number = colorNumberAt(event->pos());
    if (number >= 0)
        emit s_selectColorNum(number);
}
