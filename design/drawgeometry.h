#ifndef DRAWGEOMETRY_H
#define DRAWGEOMETRY_H

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// The arithmetic behind the widgets' drawing and mouse handling, kept free of any widget so
// that every rule can be checked from a table.
namespace DrawGeometry {

// ---- Handles and mouse steps ------------------------------------------------------------

enum { HandleCount = 8, HandleSize = 6, MinWidgetSize = 20 };

// Coordinates and sizes from a file may be anything; drawing and mouse steps bound them to
// the largest widget size first, so that no sum of a few of them overflows.
enum { CoordLimit = 1 << 24 };
int clampCoord(int v);

// Sets the eight 6 x 6 handle rectangles for a widget of w x h; with cornersOnly the side
// handles 1, 3, 4 and 6 keep whatever they held.
void layoutHandles(QRect rects[HandleCount], int w, int h, bool cornersOnly);

// The first handle (in index order, edges included) that holds p, or -1.
int handleAt(const QRect rects[HandleCount], const QPoint &p);

// The hover cursor of a handle; the arrow for -1.
Qt::CursorShape handleCursor(int handle);

struct DragInput
{
    int handle = -1; // -1 moves the widget, 0..7 resizes by that handle
    QPoint pointer; // pointer in widget coordinates
    QPoint press; // press point in widget coordinates
    int x = 0, y = 0; // current position
    int w = 0, h = 0; // model size
    int screenW = 0, screenH = 0; // on-screen size of the widget
    int parentW = 0, parentH = 0;
    int originX = 0, originY = 0;
};

struct DragResult
{
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const DragResult &o) const
    {
        return x == o.x && y == o.y && w == o.w && h == o.h;
    }
};

// One step of a move or resize drag: the new position and model size.
DragResult dragStep(const DragInput &in);

// ---- Colours and pictures ---------------------------------------------------------------

int clampByte(int v);

// One pixel of the picture tint: alpha 0 stays as it is, every other pixel is mixed towards
// the tint by strength k and takes alpha a (both clamped to 0..255).
QRgb tintPixel(QRgb pixel, const QColor &tint, int k, int a);

// Tints a picture in place (converted to 32-bit ARGB, not premultiplied).
void tintImage(QImage &image, const QColor &tint, int k, int a);

struct Placement
{
    QRect source; // the part of the picture that is drawn
    QPoint target; // where its top-left corner goes, relative to the box
};

// A picture is never scaled: a larger one is cut to the box around its middle, a smaller one
// is centred.
Placement placePicture(const QSize &picture, const QSize &box);

// The image number names an entry of a list of count images.
inline bool isImageIndex(int number, int count)
{
    return number >= 0 && number < count;
}

// ---- Fonts and texts --------------------------------------------------------------------

struct FontChoice
{
    QString family;
    int pixelSize = 0; // 0: the application's default size
    bool operator==(const FontChoice &o) const
    {
        return family == o.family && pixelSize == o.pixelSize;
    }
};

// Project folder + number -> parameter file path.
QString fontParamPath(const QString &projectFolder, int fontNumber);

// The TrueType file a parameter file names; only the file name is used, inside tempTtf.
QString fontTtfPath(const QString &projectFolder, const QString &fontTtf);

// The font a number resolves to, given what its parameter file and TrueType file gave.
// A size of 0 or less, or no number, leaves the application's default size, or with
// badSizeKeepsFallback the fallback size (the chart's tick labels).
FontChoice chooseFont(bool paramFileExists, const QString &fontSizeText,
                      const QStringList &ttfFamilies, int fallbackPixelSize,
                      bool badSizeKeepsFallback = false);

// Point size of an image widget's text without a picture, by its fontSize.
int imageTextPointSize(int fontSize);

// A password box shows one star per UTF-16 unit; other modes show nothing.
QString textBoxShownText(const QString &text, int passwordMode);

// ---- Id label ---------------------------------------------------------------------------

QRect idBox(int w, int originY, int borderWidth);
QRect qrIdBox(int side, int originY);

// The label is black when the tested red component is 255; the tested colour is the
// progress colour when the id box starts left of the background's right edge.
bool idLabelBlack(const QRect &idBox, const QRect &background, const QColor &progBackground1,
                  const QColor &background1);

// ---- Square types -----------------------------------------------------------------------

// The QR code, the arc and the meter keep themselves square at the smaller side.
inline int squareSide(int w, int h)
{
    return qMin(w, h);
}

// ---- Progress bar and slider ------------------------------------------------------------

// Fill fraction of a percentage, 0..1.
double fillFraction(int value);

// Length times fraction, truncated.
int fillLength(int length, double fraction);

// The progress bar's bar rectangle; picture bars have no border inset. Direction outside
// 0..3 gives a null rectangle.
QRect progBarRect(int dir, int originX, int originY, int w, int h, int borderWidth, int value,
                  bool pictureBar);

struct CornerDiameters
{
    qreal topLeft = 0, topRight = 0, bottomRight = 0, bottomLeft = 0;
};

CornerDiameters progBarDiameters(int dir, int radius, int progRadius);
CornerDiameters sliderFillDiameters(bool horizontal, int radius, int progRadius);

// A closed path around r whose corners are quarter arcs of the given diameters.
QPainterPath mixedOutline(const QRectF &r, const CornerDiameters &d);

// The outline of a bar over the part below it (outline `below`, radius `radius`), tested
// at p1 and p2.
QPainterPath barOutline(const QRectF &bar, const QPainterPath &below, const QPointF &p1,
                        const QPointF &p2, int radius, int progRadius,
                        const CornerDiameters &mixed);

struct SliderLayout
{
    bool horizontal = true;
    QSize widgetSize;
    QRect track; // ProgX, ProgY, ProgW, ProgH
    QRect fill;
    QRect knob;
};

SliderLayout sliderLayout(int w, int h, int knob, int originX, int originY, int value);

// ---- Arc --------------------------------------------------------------------------------

struct ArcLayout
{
    int side = 0;
    QSize widgetSize;
    QRect square; // ProgX, ProgY, ProgW, ProgH
    QRect arcRect;
    int start16 = 0; // Qt start angle of both arcs
    int trackSpan16 = 0;
    int valueSpan16 = 0;
    QRect knob;
};

struct ArcInput
{
    int w = 0, h = 0, knob = 0, originX = 0, originY = 0, borderWidth = 0;
    int arcWidth = 0, selectWidth = 0;
    int start = 0, end = 0, rotation = 0, value = 0;
};

ArcLayout arcLayout(const ArcInput &in);

// ---- Meter ------------------------------------------------------------------------------

// Needle angle in degrees; 0 for an empty range.
double meterAngle(int value, int minValue, int maxValue, int angle);

QPoint meterCentre(int side);

// How many needles a meter draws: its count, at most three (none for 0 or less).
int meterNeedleCount(int pointNum);

// ---- Chart ------------------------------------------------------------------------------

// The plot area inside a chart of w x h with the given tick margin (ProgX ... ProgH).
QRect chartPlotRect(int w, int h, int tickOffset);

// The bottom axis is numbered 0 .. count - 1; this is its last value.
int chartBottomAxisMax(int tickCount);

// Positions along an axis: first at `start`, the others `step` apart (step may be negative).
struct AxisTicks
{
    QVector<double> ticks;
    QVector<double> subTicks;
    double step = 0;
};

// Ticks of one axis over a span of `length` pixels from `start` in direction dir (+1/-1),
// count ticks and subCount sub-ticks between neighbours; a single tick sits at the start.
// Counts are capped at one line per pixel of the span and maxLines lines in all.
AxisTicks axisTicks(double start, double length, int dir, int count, int subCount, int maxLines);

// Label values of the ticks: min + i * (max - min) / (count - 1).
QVector<double> tickLabelValues(int minValue, int maxValue, int count);

// The points of a series: parts split at "/", empties and non-numbers count as 0.
QVector<double> seriesValues(const QString &data);

// Grid line positions, capped like the ticks.
QVector<int> gridLines(double start, double length, int dir, int count, int maxLines);

// Pixel position of a series point, clamped so that it always fits an int.
QPoint seriesPoint(int k, int n, double xStart, double xLength, double yBase, double yLength,
                   double value, int minValue, int maxValue);

// Truncates toward zero after clamping to a range that any coordinate fits.
int truncCoord(double v);

// ---- QR code ----------------------------------------------------------------------------

struct QrSymbol
{
    int width = 0; // modules per side; 0: no symbol
    QVector<bool> dark; // row by row
    bool isDark(int row, int col) const { return dark.at(row * width + col); }
};

QrSymbol encodeQr(const QString &text);

} // namespace DrawGeometry

#endif // DRAWGEOMETRY_H
