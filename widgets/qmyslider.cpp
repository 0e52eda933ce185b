#include "qmyslider.h"

#include <QMouseEvent>

QMySlider::QMySlider(QWidget *parent)
    : QSlider(parent)
{ }

int QMySlider::valueAt(int minimum, int maximum, int x, int width)
{
    if (width <= 0)
        return minimum;
    return minimum + int((maximum - minimum) * (double(x) / width));
}

void QMySlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);
    setValue(valueAt(minimum(), maximum(), event->pos().x(), width()));
}
