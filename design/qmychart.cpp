#include "qmychart.h"

#include "drawgeometry.h"
#include "qmywidgetpainter.h"

#include <QPaintEvent>
#include <QPainter>

QMyChart::QMyChart(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
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

void QMyChart::refreshComputedValues()
{
    const QRect plot = DrawGeometry::chartPlotRect(getW(), getH(), getChartTickOffset());
    setProgX(plot.x());
    setProgY(plot.y());
    setProgW(plot.width());
    setProgH(plot.height());
    // The bottom axis is numbered from 0 whenever the normal look draws its ticks.
    if (getFlag() == 0 && getChartTickEnable(2) != 0) {
        setChartTickMinValue(2, 0);
        setChartTickMaxValue(2, DrawGeometry::chartBottomAxisMax(getChartTickCount(2)));
    }
}

// The plot in the doubles the drawing works in (the values come from a file), with the
// ticks of the left, right and bottom axes.
struct QMyChart::PlotArea
{
    int w = 0;
    int h = 0;
    double offset = 0;
    double padding = 0;
    double width = 0;
    double height = 0;
    double yBottom = 0;
    double xLeft = 0;
    // No more lines than the widget has pixels.
    int maxRows = 0;
    int maxCols = 0;
    bool tickOn[3] = {};
    DrawGeometry::AxisTicks ticks[3];
};

QMyChart::PlotArea QMyChart::plotArea(const QRect &plot, int w, int h) const
{
    PlotArea a;
    a.w = w;
    a.h = h;
    a.offset = plot.x();
    a.padding = getChartGridPadding();
    a.width = plot.width();
    a.height = plot.height();
    a.yBottom = a.offset + a.height - a.padding;
    a.xLeft = a.offset + a.padding;
    a.maxRows = qMax(0, height());
    a.maxCols = qMax(0, width());
    for (int axis = 0; axis < 3; ++axis) {
        a.tickOn[axis] = getChartTickEnable(axis) != 0;
        if (!a.tickOn[axis])
            continue;
        a.ticks[axis] = axis < 2
            ? DrawGeometry::axisTicks(a.yBottom, a.height - 2 * a.padding, -1,
                                      getChartTickCount(axis), getChartSubTickCount(axis),
                                      a.maxRows)
            : DrawGeometry::axisTicks(a.xLeft, a.width - 2 * a.padding, 1, getChartTickCount(axis),
                                      getChartSubTickCount(axis), a.maxCols);
    }
    return a;
}

void QMyChart::paintTicks(QPainter &p, const PlotArea &a) const
{
    const double T = a.offset, W = a.width, H = a.height;
    p.setPen(QPen(getChartTickColor(), qMax(0, getChartTickWidth()), Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    for (int axis = 0; axis < 3; ++axis) {
        // Axis 0 ticks out to the left, 1 to the right, 2 downwards.
        const auto drawTicks = [&](const QVector<double> &at, double len) {
            for (double v : at) {
                if (axis == 0)
                    p.drawLine(QLineF(T, v, T - len, v));
                else if (axis == 1)
                    p.drawLine(QLineF(T + W, v, T + W + len, v));
                else
                    p.drawLine(QLineF(v, T + H, v, T + H + len));
            }
        };
        drawTicks(a.ticks[axis].ticks, getChartTickLength(axis));
        drawTicks(a.ticks[axis].subTicks, getChartSubTickLength(axis));
    }
}

void QMyChart::paintTickLabels(QPainter &p, const PlotArea &a) const
{
    const double T = a.offset;
    // A font file without a usable size keeps the labels' own 10 pixels.
    const QFont labelFont =
        QMyWidgetPainter::projectFont(projectFolder(), getChartTickLabelFontID(), 10, true);
    for (int axis = 0; axis < 3; ++axis) {
        if (!a.tickOn[axis] || getChartTickLabelEnable(axis) == 0)
            continue;
        const QVector<double> &pos = a.ticks[axis].ticks;
        const QVector<double> values = DrawGeometry::tickLabelValues(
            getChartTickMinValue(axis), getChartTickMaxValue(axis), pos.size());
        const double step = a.ticks[axis].step;
        const double len = getChartTickLength(axis);
        const int stepT = DrawGeometry::truncCoord(step);
        for (int i = 0; i < pos.size(); ++i) {
            QRect r;
            int flags = 0;
            const int across = DrawGeometry::truncCoord(pos[i] - step / 2);
            if (axis == 0) {
                r = QRect(0, across, DrawGeometry::truncCoord(T - len), stepT);
                flags = Qt::AlignRight | Qt::AlignVCenter;
            } else if (axis == 1) {
                r = QRect(DrawGeometry::truncCoord(a.w - T + len), across,
                          DrawGeometry::truncCoord(T - len), stepT);
                flags = Qt::AlignLeft | Qt::AlignVCenter;
            } else {
                r = QRect(across, DrawGeometry::truncCoord(a.h - T + len), stepT,
                          DrawGeometry::truncCoord(T - len));
                flags = Qt::AlignHCenter | Qt::AlignTop;
            }
            const QString text =
                axis < 2 ? QString::number(qint64(values[i])) : QString::number(values[i], 'g', 6);
            QMyWidgetPainter::drawText(p, r, flags, text, labelFont, getChartTickLabelColor());
        }
    }
}

void QMyChart::paintGrid(QPainter &p, const PlotArea &a) const
{
    // A dash of no length draws nothing; no gap draws the line solid.
    if (getChartGridEnable() == 0 || getChartGridDasLength() <= 0)
        return;
    const double T = a.offset, P = a.padding, W = a.width, H = a.height;
    QPen grid(getChartGridColor(), qMax(0, getChartGridDasHight()));
    if (getChartGridDasGap() > 0)
        grid.setDashPattern({qreal(getChartGridDasLength()), qreal(getChartGridDasGap())});
    p.setPen(grid);
    p.setBrush(Qt::NoBrush);
    for (int y : DrawGeometry::gridLines(a.yBottom, H - 2 * P, -1, getChartGridRow(), a.maxRows))
        p.drawLine(QLineF(T, y, T + W, y));
    for (int x : DrawGeometry::gridLines(a.xLeft, W - 2 * P, 1, getChartGridCol(), a.maxCols))
        p.drawLine(QLineF(x, T + H, x, T));
}

void QMyChart::paintSeries(QPainter &p, const PlotArea &a) const
{
    const double P = a.padding;
    const int seriesCount = qMin(getChartSerCount(), int(SeriesCount));
    for (int s = 0; s < seriesCount; ++s) {
        const QVector<double> values = DrawGeometry::seriesValues(getChartSerData(s));
        const int n = values.size();
        if (n <= 1)
            continue;
        QPolygon points;
        points.reserve(n);
        for (int k = 0; k < n; ++k) {
            points.append(DrawGeometry::seriesPoint(
                k, n, a.xLeft, a.width - 2 * P, a.yBottom, a.height - 2 * P, values[k],
                getChartTickMinValue(s), getChartTickMaxValue(s)));
        }
        QPen pen(QBrush(getChartSerColor(s)), qMax(0, getChartSerDotWidth(s)), Qt::SolidLine,
                 Qt::RoundCap);
        p.setPen(pen);
        p.drawPoints(points);
        pen.setWidth(qMax(0, getChartSerLineWidth(s)));
        p.setPen(pen);
        p.drawPolyline(points);
    }
}

void QMyChart::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    refreshComputedValues();
    const int w = DrawGeometry::clampCoord(getW());
    const int h = DrawGeometry::clampCoord(getH());
    const QRect plot = DrawGeometry::chartPlotRect(getW(), getH(), getChartTickOffset());
    resizeForPaint(w, h);
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect box = DrawGeometry::idBox(w, originY, getBorderWidth());
        if (getFlag() == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, plot, getProgBackground1(), getBackground1());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            const PlotArea area = plotArea(plot, w, h);
            paintTicks(p, area);
            paintTickLabels(p, area);
            paintBackgroundStep(p, plot, true);
            QMyWidgetPainter::drawPicture(p, pictures(), getImageNum(),
                                          QRect(originX, originY, w, h), getImageColor(),
                                          getImageColorOpa(), getImageOpa());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            paintGrid(p, area);
            paintSeries(p, area);
        } else if (getFlag() == 1) {
            paintHiddenLook(p, box, getBackground1(), QMyWidgetPainter::idFont());
        }
    }
    finishPaint(false);
}
