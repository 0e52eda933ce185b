#ifndef QMYWIDGETPAINTER_H
#define QMYWIDGETPAINTER_H

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// Drawing steps that the widget types share: outlines with their fills and borders, the
// picture with its tint, texts in project fonts, the id label and the selection handles.
class QMyWidgetPainter
{
public:
    // A border of width b shows b pixels inside a clipped outline, so the pen is 2b wide;
    // width 0 draws nothing at all.
    static QPen borderPen(int width, const QColor &color, int opacity);

    // 0 solid c1, 1 top to bottom, 2 left to right across area; other modes solid c1.
    static QBrush fillBrush(int gradMode, const QColor &c1, const QColor &c2, const QRectF &area);

    static QPainterPath roundedPath(const QRectF &r, int radius);

    // Makes the path the clip (when asked), then fills and strokes it.
    static void drawShape(QPainter &p, const QPainterPath &path, const QPen &pen,
                          const QBrush &brush, bool clip = true);

    // The id label: 9-point text centred in its box and cut at it.
    static QFont idFont(); // "SimSun"
    static QFont defaultFamilyIdFont();
    static void drawIdLabel(QPainter &p, const QRect &box, int id, bool black,
                            const QFont &font = idFont());

    // The hidden look: a 2-pixel outline of the whole area.
    static void drawHiddenOutline(QPainter &p, const QSize &size, const QColor &color);

    // Picture number n of the pictures placed unscaled in box and tinted; nothing for a
    // number that names no picture or a file that does not load.
    static void drawPicture(QPainter &p, const QStringList &pictures, int imageNum,
                            const QRect &box, const QColor &tint, int strength, int opacity);

    // Font number n of the project in the folder (parameter file and TrueType file), or
    // "SimSun" at the fallback pixel size; always that without a folder.
    static QFont projectFont(const QString &projectFolder, int fontNumber, int fallbackPixelSize,
                             bool badSizeKeepsFallback = false);

    static void drawText(QPainter &p, const QRect &r, int flags, const QString &text,
                         const QFont &font, const QColor &color);

    // Blue squares with a black outline; null rectangles are not drawn.
    static void drawHandles(QPainter &p, const QRect *rects, int count);
};

#endif // QMYWIDGETPAINTER_H
