#include "qmymeter.h"

#include <QPaintEvent>

QMyMeter::QMyMeter(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setW(100);
    setH(100);
    setRadius(50);
    setMeterPointNum(1);
    for (int n = 0; n < NeedleCount; ++n) {
        setMeterMinValue(n, 0);
        setMeterMaxValue(n, 100);
        setMeterRotation(n, 0);
        setMeterAngle(n, 360);
        setMeterPointPicID(n, -1);
        setMeterXPivot(n, 0);
        setMeterYPivot(n, 0);
        setMeterPointR(n, 40);
        setMeterPointW(n, 10);
        setMeterPointColor(n, QColor(150, 200, 100));
    }
    setMeterDotSize(3);
    setMeterDotColor(QColor(0, 0, 0));
}

void QMyMeter::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
