#include "qmychart.h"

#include <QPaintEvent>

QMyChart::QMyChart(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setW(200);
    setH(150);
    setChartUpadateMode(0);
    setChartTickOffset(25);
    setChartTickWidth(2);
    setChartTickColor(QColor(0, 0, 0));
    setChartTickLabelFontID(0);
    setChartTickLabelColor(QColor(255, 0, 0));
    for (int a = 0; a < AxisCount; ++a) {
        setChartTickEnable(a, 1);
        setChartTickLabelEnable(a, 1);
        setChartTickMinValue(a, 0);
        setChartTickMaxValue(a, 400);
        setChartTickLength(a, 6);
        setChartTickCount(a, 5);
        setChartSubTickLength(a, 3);
        setChartSubTickCount(a, 1);
    }
    setChartGridEnable(1);
    setChartGridRow(5);
    setChartGridCol(3);
    setChartGridPadding(10);
    setChartGridDasLength(2);
    setChartGridDasHight(2);
    setChartGridDasGap(3);
    setChartGridColor(QColor(255, 255, 255));
    setChartSerCount(2);
    for (int s = 0; s < SeriesCount; ++s) {
        setChartSerPointCount(s, 4);
        setChartSerLineWidth(s, 2);
        setChartSerDotWidth(s, 5);
    }
    setChartSerColor(0, QColor(200, 100, 0));
    setChartSerColor(1, QColor(100, 0, 0));
    setChartSerData(0, QStringLiteral("300/400/300/400"));
    setChartSerData(1, QStringLiteral("100/200/100/200"));
}

void QMyChart::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
