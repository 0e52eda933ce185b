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
};

#endif // QMYCHART_H
