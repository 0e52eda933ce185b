#ifndef QMYCHART_H
#define QMYCHART_H

#include "qmywidget.h"

// A line chart with four axes and two series.
class QMyChart : public QMyWidget
{
    Q_OBJECT

public:
    QMyChart(int id, WidgetType type, const QString &typeName, QWidget *parent);

    void refreshComputedValues() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct PlotArea;

    // The normal look: the plot with its axes' ticks, then the steps that paint it, in
    // their order.
    PlotArea plotArea(const QRect &plot, int w, int h) const;
    void paintTicks(QPainter &p, const PlotArea &a) const;
    void paintTickLabels(QPainter &p, const PlotArea &a) const;
    void paintGrid(QPainter &p, const PlotArea &a) const;
    void paintSeries(QPainter &p, const PlotArea &a) const;
};

#endif // QMYCHART_H
