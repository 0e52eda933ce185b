#ifndef QMYMETER_H
#define QMYMETER_H

#include "qmywidget.h"

// A dial with up to three needles.
class QMyMeter : public QMyWidget
{
    Q_OBJECT

public:
    QMyMeter(int id, WidgetType type, const QString &typeName, QWidget *parent);

    void refreshComputedValues() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYMETER_H
