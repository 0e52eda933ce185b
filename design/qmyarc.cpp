#include "qmyarc.h"

#include <QPaintEvent>

QMyArc::QMyArc(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
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

void QMyArc::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
