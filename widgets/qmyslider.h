#ifndef QMYSLIDER_H
#define QMYSLIDER_H

#include <QSlider>

// A slider whose value jumps straight to the clicked point.
class QMySlider : public QSlider
{
    Q_OBJECT

public:
    explicit QMySlider(QWidget *parent = nullptr);

    // The value a press at horizontal position x of a slider `width` pixels wide selects.
    static int valueAt(int minimum, int maximum, int x, int width);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

#endif // QMYSLIDER_H
