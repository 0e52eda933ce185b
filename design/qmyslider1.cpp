#include "qmyslider1.h"

#include <QPaintEvent>

QMySlider1::QMySlider1(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
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

void QMySlider1::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
