#include "drawgeometry.h"

#include <qrencode.h>

#include <QtMath>

#include <cmath>
#include <limits>

namespace DrawGeometry {

namespace {

// Counts beyond one line per pixel of the span (and of the widget) draw nothing more but
// cost a lot.
int capCount(int count, double length, int maxLines)
{
    const double pixels = std::isfinite(length) ? std::floor(std::fabs(length)) : 0.0;
    const double cap = qMin(pixels, double(qMax(0, maxLines))) + 1.0;
    return count > cap ? int(cap) : count;
}

bool dragsLeft(int h)
{
    return h == 0 || h == 3 || h == 5;
}
bool dragsRight(int h)
{
    return h == 2 || h == 4 || h == 7;
}
bool dragsTop(int h)
{
    return h == 0 || h == 1 || h == 2;
}
bool dragsBottom(int h)
{
    return h == 5 || h == 6 || h == 7;
}

} // namespace

int clampCoord(int v)
{
    return qBound(-int(CoordLimit), v, int(CoordLimit));
}

void layoutHandles(QRect rects[HandleCount], int w, int h, bool cornersOnly)
{
    w = clampCoord(w);
    h = clampCoord(h);
    const int s = HandleSize;
    rects[0] = QRect(0, 0, s, s);
    rects[2] = QRect(w - 7, 0, s, s);
    rects[5] = QRect(0, h - 7, s, s);
    rects[7] = QRect(w - 7, h - 7, s, s);
    if (cornersOnly)
        return;
    rects[1] = QRect(w / 2 - 3, 0, s, s);
    rects[3] = QRect(0, h / 2 - 3, s, s);
    rects[4] = QRect(w - 7, h / 2 - 3, s, s);
    rects[6] = QRect(w / 2 - 3, h - 7, s, s);
}

int handleAt(const QRect rects[HandleCount], const QPoint &p)
{
    for (int i = 0; i < HandleCount; ++i) {
        if (rects[i].contains(p))
            return i;
    }
    return -1;
}

Qt::CursorShape handleCursor(int handle)
{
    switch (handle) {
    case 0:
    case 7:
        return Qt::SizeFDiagCursor;
    case 1:
    case 6:
        return Qt::SizeVerCursor;
    case 2:
    case 5:
        return Qt::SizeBDiagCursor;
    case 3:
    case 4:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

DragResult dragStep(const DragInput &input)
{
    DragInput in = input;
    for (int *v : {&in.x, &in.y, &in.w, &in.h, &in.screenW, &in.screenH, &in.parentW, &in.parentH,
                   &in.originX, &in.originY})
        *v = clampCoord(*v);
    in.pointer = QPoint(clampCoord(in.pointer.x()), clampCoord(in.pointer.y()));
    in.press = QPoint(clampCoord(in.press.x()), clampCoord(in.press.y()));
    const int dx = in.pointer.x() - in.press.x();
    const int dy = in.pointer.y() - in.press.y();
    const int nx = in.x + dx;
    const int ny = in.y + dy;
    DragResult r {in.x, in.y, in.w, in.h};

    if (in.handle < 0 || in.handle >= HandleCount) {
        // A widget wider than the page stays at the left border rather than leaving it.
        r.x = nx <= 0 ? 0 : qMax(0, qMin(nx, in.parentW - in.screenW));
        r.y = ny <= 0 ? 0 : qMax(0, qMin(ny, in.parentH - in.screenH));
        return r;
    }

    if (dragsLeft(in.handle)) {
        if (nx <= 0) {
            r.x = 0;
        } else if (in.w - dx < MinWidgetSize) {
            r.w = MinWidgetSize;
            r.x = in.x;
        } else {
            r.w = in.w - dx;
            r.x = nx;
        }
    }
    if (dragsTop(in.handle)) {
        if (ny <= 0) {
            r.y = 0;
        } else if (in.h - dy < MinWidgetSize) {
            r.h = MinWidgetSize;
            r.y = in.y;
        } else {
            r.h = in.h - dy;
            r.y = ny;
        }
    }
    if (dragsRight(in.handle)) {
        const int limit = in.parentW - 2 * in.originX - in.x;
        r.w = in.pointer.x();
        if (r.w < MinWidgetSize)
            r.w = MinWidgetSize;
        else if (r.w > limit)
            r.w = limit;
    }
    if (dragsBottom(in.handle)) {
        const int limit = in.parentH - 2 * in.originY - in.y;
        r.h = in.pointer.y();
        if (r.h < MinWidgetSize)
            r.h = MinWidgetSize;
        else if (r.h > limit)
            r.h = limit;
    }
    return r;
}

int clampByte(int v)
{
    return qBound(0, v, 255);
}

QRgb tintPixel(QRgb pixel, const QColor &tint, int k, int a)
{
    if (qAlpha(pixel) == 0)
        return pixel;
    const double f = clampByte(k) / 255.0;
    const auto mix = [f](int c, int t) { return int((1.0 - f) * c + f * t); };
    return qRgba(mix(qRed(pixel), tint.red()), mix(qGreen(pixel), tint.green()),
                 mix(qBlue(pixel), tint.blue()), clampByte(a));
}

void tintImage(QImage &image, const QColor &tint, int k, int a)
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = tintPixel(line[x], tint, k, a);
    }
}

Placement placePicture(const QSize &picture, const QSize &box)
{
    Placement p;
    int sx = 0, sw = picture.width(), tx = 0;
    if (picture.width() > box.width()) {
        sx = (picture.width() - box.width()) / 2;
        sw = box.width();
    } else {
        tx = (box.width() - picture.width()) / 2;
    }
    int sy = 0, sh = picture.height(), ty = 0;
    if (picture.height() > box.height()) {
        sy = (picture.height() - box.height()) / 2;
        sh = box.height();
    } else {
        ty = (box.height() - picture.height()) / 2;
    }
    p.source = QRect(sx, sy, sw, sh);
    p.target = QPoint(tx, ty);
    return p;
}

QString fontParamPath(const QString &projectFolder, int fontNumber)
{
    return QString("%1%2/%3.ini")
        .arg(projectFolder, QString("/tempFonts"), QString::number(fontNumber));
}

QString fontTtfPath(const QString &projectFolder, const QString &fontTtf)
{
    // A shared project must not make us open files elsewhere: keep the bare file name.
    const int cut = qMax(fontTtf.lastIndexOf('/'), fontTtf.lastIndexOf('\\'));
    const QString name = fontTtf.mid(cut + 1);
    if (name.isEmpty() || name == "." || name == "..")
        return QString();
    return QString("%1%2/%3").arg(projectFolder, QString("/tempTtf"), name);
}

FontChoice chooseFont(bool paramFileExists, const QString &fontSizeText,
                      const QStringList &ttfFamilies, int fallbackPixelSize,
                      bool badSizeKeepsFallback)
{
    FontChoice c;
    c.family = "SimSun";
    if (!paramFileExists) {
        c.pixelSize = fallbackPixelSize;
        return c;
    }
    if (!ttfFamilies.isEmpty())
        c.family = ttfFamilies.first();
    bool ok = false;
    const int size = fontSizeText.toInt(&ok, 10);
    c.pixelSize = ok && size > 0 ? size : (badSizeKeepsFallback ? fallbackPixelSize : 0);
    return c;
}

int imageTextPointSize(int fontSize)
{
    switch (fontSize) {
    case 24:
        return 18;
    case 32:
        return 24;
    case 48:
        return 36;
    case 72:
        return 48;
    case 96:
        return 72;
    default:
        return 12;
    }
}

QString textBoxShownText(const QString &text, int passwordMode)
{
    if (passwordMode == 0)
        return text;
    if (passwordMode == 1)
        return QString(text.size(), QChar('*'));
    return QString();
}

QRect idBox(int w, int originY, int borderWidth)
{
    w = clampCoord(w);
    originY = clampCoord(originY);
    borderWidth = clampCoord(borderWidth);
    return QRect(w - borderWidth / 2 - 13, originY + borderWidth / 2, 13, 10);
}

QRect qrIdBox(int side, int originY)
{
    side = clampCoord(side);
    originY = clampCoord(originY);
    return QRect(side - 13, originY, 13, 10);
}

bool idLabelBlack(const QRect &box, const QRect &background, const QColor &progBackground1,
                  const QColor &background1)
{
    if (qint64(box.x()) < qint64(background.x()) + background.width())
        return progBackground1.red() == 255;
    return background1.red() == 255;
}

double fillFraction(int value)
{
    return qBound(0.0, value / 100.0, 1.0);
}

int fillLength(int length, double fraction)
{
    return int(length * fraction);
}

QRect progBarRect(int dir, int originX, int originY, int w, int h, int borderWidth, int value,
                  bool pictureBar)
{
    originX = clampCoord(originX);
    originY = clampCoord(originY);
    w = clampCoord(w);
    h = clampCoord(h);
    const int b = pictureBar ? 0 : clampCoord(borderWidth);
    const double k = fillFraction(value);
    const int innerW = w - 2 * b;
    const int innerH = h - 2 * b;
    switch (dir) {
    case 0:
        return QRect(originX + b, originY + b, fillLength(innerW, k), innerH);
    case 1: {
        const int l = fillLength(innerW, k);
        return QRect(originX + w - b - l, originY + b, l, innerH);
    }
    case 2:
        return QRect(originX + b, originY + b, innerW, fillLength(innerH, k));
    case 3: {
        const int m = fillLength(innerH, k);
        return QRect(originX + b, originY + h - b - m, innerW, m);
    }
    default:
        return QRect();
    }
}

CornerDiameters progBarDiameters(int dir, int radius, int progRadius)
{
    CornerDiameters d;
    qreal left = 0, right = 1;
    if (dir == 0) {
        left = 2.0 * radius;
        right = qMax(2.0 * progRadius, 1.0);
    } else if (dir == 1) {
        left = 2.0 * progRadius;
        right = qMax(2.0 * radius, 1.0);
    }
    d.topLeft = d.bottomLeft = left;
    d.topRight = d.bottomRight = right;
    return d;
}

CornerDiameters sliderFillDiameters(bool horizontal, int radius, int progRadius)
{
    CornerDiameters d;
    if (horizontal) {
        d.topLeft = d.bottomLeft = 2.0 * radius;
        d.topRight = d.bottomRight = qMax(2.0 * progRadius, 1.0);
    } else {
        d.topLeft = d.topRight = qMax(2.0 * progRadius, 1.0);
        d.bottomLeft = d.bottomRight = 2.0 * radius;
    }
    return d;
}

QPainterPath mixedOutline(const QRectF &r, const CornerDiameters &d)
{
    const qreal l = r.x(), t = r.y(), rt = r.x() + r.width(), b = r.y() + r.height();
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.moveTo(l + d.topLeft / 2, t);
    p.lineTo(rt - d.topRight / 2, t);
    p.arcTo(QRectF(rt - d.topRight, t, d.topRight, d.topRight), 90, -90);
    p.lineTo(rt, b - d.bottomRight / 2);
    p.arcTo(QRectF(rt - d.bottomRight, b - d.bottomRight, d.bottomRight, d.bottomRight), 0, -90);
    p.lineTo(l + d.bottomLeft / 2, b);
    p.arcTo(QRectF(l, b - d.bottomLeft, d.bottomLeft, d.bottomLeft), 270, -90);
    p.lineTo(l, t + d.topLeft / 2);
    p.arcTo(QRectF(l, t, d.topLeft, d.topLeft), 180, -90);
    p.closeSubpath();
    return p;
}

QPainterPath barOutline(const QRectF &bar, const QPainterPath &below, const QPointF &p1,
                        const QPointF &p2, int radius, int progRadius, const CornerDiameters &mixed)
{
    QPainterPath rounded;
    if (progRadius >= radius) {
        rounded.addRoundedRect(bar, progRadius, progRadius);
        return rounded;
    }
    QPainterPath o = below;
    o.setFillRule(Qt::WindingFill);
    const bool in1 = o.contains(p1);
    const bool in2 = o.contains(p2);
    if (in1 && in2) {
        rounded.addRoundedRect(bar, progRadius, progRadius);
        return rounded;
    }
    if (!in1 && !in2) {
        rounded.addRoundedRect(bar, radius, radius);
        return rounded;
    }
    return mixedOutline(bar, mixed);
}

SliderLayout sliderLayout(int w, int h, int knob, int originX, int originY, int value)
{
    w = clampCoord(w);
    h = clampCoord(h);
    knob = clampCoord(knob);
    originX = clampCoord(originX);
    originY = clampCoord(originY);
    SliderLayout s;
    const int k = knob;
    s.horizontal = w >= h;
    if (s.horizontal) {
        s.widgetSize = k > 0 ? QSize(w + 2 * k, h + 2 * k) : QSize(w + 2 * k, h);
        s.track = QRect(originX + k + h / 2, k > 0 ? originY + k : originY, w - h, h);
    } else {
        s.widgetSize = k > 0 ? QSize(w + 2 * k, h + 2 * k) : QSize(w, h + 2 * k);
        s.track = QRect(k > 0 ? originX + k : originX, originY + k + w / 2, w, h - w);
    }
    const double f = fillFraction(value);
    if (s.horizontal) {
        const int l = fillLength(s.track.width(), f);
        s.fill = QRect(s.track.x(), s.track.y(), l, s.track.height());
        s.knob = QRect(originX + l, s.track.y() - k, h + 2 * k, h + 2 * k);
    } else {
        const int m = fillLength(s.track.height(), f);
        s.fill = QRect(s.track.x(), s.track.y() + s.track.height() - m, s.track.width(), m);
        s.knob = QRect(s.track.x() - k, originY + h - w - m, w + 2 * k, w + 2 * k);
    }
    return s;
}

ArcLayout arcLayout(const ArcInput &in)
{
    ArcLayout a;
    // The side written back is the model's own; the geometry uses bounded values.
    a.side = squareSide(in.w, in.h);
    const int s = clampCoord(a.side);
    const int k = clampCoord(in.knob);
    const int ox = clampCoord(in.originX);
    const int oy = clampCoord(in.originY);
    if (k > 0) {
        a.widgetSize = QSize(s + 2 * k, s + 2 * k);
        a.square = QRect(ox + k, oy + k, s, s);
    } else {
        a.widgetSize = QSize(s, s);
        a.square = QRect(ox, oy, s, s);
    }
    const int m = clampCoord(qMax(in.arcWidth, in.selectWidth));
    const int b = clampCoord(in.borderWidth);
    const int inner = clampCoord(s - 2 * b - m);
    a.arcRect = QRect(a.square.x() + m / 2 + b, a.square.y() + m / 2 + b, inner, inner);

    // Angles from a file may be anything; a turn is 5760 sixteenths, more adds nothing.
    const qint64 span = qint64(in.end) - in.start;
    a.start16 = int(((180 - qint64(in.start) - in.rotation) * 16) % 5760);
    a.trackSpan16 = int(qBound<qint64>(-5760, -span * 16, 5760));
    const double f = fillFraction(in.value);
    a.valueSpan16 = int(qBound(-5760.0, std::trunc(f * double(span) * -16.0), 5760.0));

    const double d = double(clampCoord(in.selectWidth)) + 2.0 * k;
    const double cx = a.arcRect.x() + a.arcRect.width() * 0.5;
    const double cy = a.arcRect.y() + a.arcRect.height() * 0.5;
    const double r = a.arcRect.width() * 0.5;
    const double theta = (double(in.start) + f * double(span) + in.rotation) * M_PI / 180.0;
    const double kx = cx - std::cos(theta) * r;
    const double ky = cy - std::sin(theta) * r;
    a.knob = QRect(truncCoord(std::floor(kx - d * 0.5 + 0.5)),
                   truncCoord(std::floor(ky - d * 0.5 + 0.5)), truncCoord(d), truncCoord(d));
    return a;
}

double meterAngle(int value, int minValue, int maxValue, int angle)
{
    if (maxValue == minValue)
        return 0.0;
    // The needle turns `angle` degrees over the range; the minimum stands at 0.
    const double range = double(qint64(maxValue) - minValue);
    return double(qint64(value) - minValue) / range * angle;
}

QPoint meterCentre(int side)
{
    side = clampCoord(side);
    return QRect(0, 0, side, side).center();
}

int meterNeedleCount(int pointNum)
{
    return qMin(pointNum, 3);
}

QRect chartPlotRect(int w, int h, int tickOffset)
{
    w = clampCoord(w);
    h = clampCoord(h);
    const int offset = clampCoord(tickOffset);
    return QRect(offset, offset, clampCoord(w - 2 * offset), clampCoord(h - 2 * offset));
}

int chartBottomAxisMax(int tickCount)
{
    return int(qMax<qint64>(qint64(tickCount) - 1, std::numeric_limits<int>::min()));
}

AxisTicks axisTicks(double start, double length, int dir, int count, int subCount, int maxLines)
{
    AxisTicks a;
    if (count <= 0)
        return a;
    count = capCount(count, length, maxLines);
    if (count == 1) {
        a.ticks.append(start);
        return a;
    }
    a.step = length / (count - 1);
    for (int i = 0; i < count; ++i)
        a.ticks.append(start + dir * i * a.step);
    int sub = subCount;
    const double perGap =
        qMin(std::floor(std::fabs(a.step)) - 1.0, double(qMax(0, maxLines)) / (count - 1));
    const int maxSub = int(qMax(0.0, perGap));
    if (sub > maxSub)
        sub = maxSub;
    if (sub <= 0)
        return a;
    const double subStep = a.step / (sub + 1);
    for (int i = 0; i + 1 < count; ++i) {
        for (int j = 1; j <= sub; ++j)
            a.subTicks.append(a.ticks.at(i) + dir * j * subStep);
    }
    return a;
}

QVector<double> tickLabelValues(int minValue, int maxValue, int count)
{
    QVector<double> v;
    if (count <= 0)
        return v;
    if (count == 1) {
        v.append(minValue);
        return v;
    }
    const double step = double(qint64(maxValue) - minValue) / (count - 1);
    for (int i = 0; i < count; ++i)
        v.append(minValue + i * step);
    return v;
}

QVector<double> seriesValues(const QString &data)
{
    QVector<double> v;
    const QStringList parts = data.split('/', Qt::KeepEmptyParts);
    v.reserve(parts.size());
    for (const QString &p : parts) {
        bool ok = false;
        const double d = p.toDouble(&ok);
        v.append(ok && std::isfinite(d) ? d : 0.0);
    }
    return v;
}

QVector<int> gridLines(double start, double length, int dir, int count, int maxLines)
{
    QVector<int> lines;
    if (count <= 0)
        return lines;
    count = capCount(count, length, maxLines);
    if (count == 1) {
        lines.append(truncCoord(start));
        return lines;
    }
    const double step = length / (count - 1);
    for (int i = 0; i < count; ++i)
        lines.append(truncCoord(start + dir * i * step));
    return lines;
}

QPoint seriesPoint(int k, int n, double xStart, double xLength, double yBase, double yLength,
                   double value, int minValue, int maxValue)
{
    const double xStep = n > 1 ? xLength / (n - 1) : 0.0;
    const double range = double(qint64(maxValue) - minValue);
    // An empty range has no scale: its points lie on the base line.
    const double yScale = range != 0.0 ? yLength / range : 0.0;
    return QPoint(truncCoord(k * xStep + xStart), truncCoord(yBase - (value - minValue) * yScale));
}

int truncCoord(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double limit = 1 << 24;
    return int(qBound(-limit, v, limit));
}

QrSymbol encodeQr(const QString &text)
{
    QrSymbol s;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty())
        return s;
    QRcode *code = QRcode_encodeString(utf8.constData(), 2, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return s;
    if (code->width > 0) {
        s.width = code->width;
        s.dark.resize(code->width * code->width);
        for (int i = 0; i < s.dark.size(); ++i)
            s.dark[i] = code->data[i] & 1;
    }
    QRcode_free(code);
    return s;
}

} // namespace DrawGeometry
