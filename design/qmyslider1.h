#ifndef QMYSLIDER1_H
#define QMYSLIDER1_H

#include "qmywidget.h"

// A slider: track, filled part and knob.
class QMySlider1 : public QMyWidget
{
    Q_OBJECT

public:
    QMySlider1(int id, WidgetType type, const QString &typeName, QWidget *parent);

    void refreshComputedValues() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYSLIDER1_H
