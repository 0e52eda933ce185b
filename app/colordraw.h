#ifndef COLORDRAW_H
#define COLORDRAW_H

#include <QFrame>
#include <QVector>

class QPainter;
class QPixmap;

// Paints the 64 colours of the colour table as a numbered grid and reports clicks on them.
class ColorDraw : public QFrame
{
    Q_OBJECT

public:
    explicit ColorDraw(QWidget *parent = nullptr);
    ~ColorDraw() override;

    void drawTable();

    // Swatch n sits in row n / 16, column n % 16 of a 45-pixel grid.
    static QRect swatchRect(int number);
    // The number of the swatch holding `pos` (edges included), or -1 in the gaps.
    int colorNumberAt(const QPoint &pos) const;
    // Numbers are black on light colours and white when every channel is 70 or less.
    static QColor numberColor(const QColor &swatch);

signals:
    void s_selectColorNum(int number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap *pixmap;
    QPainter *painter;
    QVector<QRect> rects;
    int count = 64;
};

#endif // COLORDRAW_H
