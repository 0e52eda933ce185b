// Draws the program's icons into a folder, and with a second folder the cursor pictures of
// the property browser: drawicons <output folder> [<cursor folder>].
// Every picture is made here from simple shapes so that the resources hold only our own work.
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtMath>
#include <functional>
#include <initializer_list>

namespace {

const int S = 64;

QPen pen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The closed outline through the corners in turn.
QPainterPath closedPath(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    for (const QPointF &corner : corners) {
        if (path.elementCount() == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void page(QPainter &p, const QRectF &r, const QColor &fill)
{
    const qreal fold = r.width() * 0.3;
    const QPainterPath path = closedPath({{r.left(), r.top()},
                                          {r.right() - fold, r.top()},
                                          {r.right(), r.top() + fold},
                                          {r.right(), r.bottom()},
                                          {r.left(), r.bottom()}});
    p.setPen(pen(QColor(60, 80, 110), 2.5));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void plus(QPainter &p, QPointF c, qreal size, const QColor &color, qreal width)
{
    p.setPen(pen(color, width));
    p.drawLine(QPointF(c.x() - size, c.y()), QPointF(c.x() + size, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - size), QPointF(c.x(), c.y() + size));
}

void arrowDown(QPainter &p, qreal cx, qreal top, qreal bottom, const QColor &color, qreal width)
{
    p.setPen(pen(color, width));
    p.drawLine(QPointF(cx, top), QPointF(cx, bottom));
    p.drawLine(QPointF(cx - 11, bottom - 11), QPointF(cx, bottom));
    p.drawLine(QPointF(cx + 11, bottom - 11), QPointF(cx, bottom));
}

void circleBadge(QPainter &p, const QColor &fill)
{
    p.setPen(pen(fill.darker(140), 2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(4, 4, 56, 56));
}

void clipboard(QPainter &p)
{
    p.setPen(pen(QColor(110, 75, 40), 2.5));
    p.setBrush(QColor(205, 150, 90));
    p.drawRoundedRect(QRectF(12, 10, 40, 48), 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 18, 28, 34));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(23, 6, 18, 9), 3, 3);
    p.setPen(pen(QColor(120, 120, 130), 2));
    for (int y = 26; y <= 44; y += 6)
        p.drawLine(22, y, 42, y);
}

const QColor blue(40, 120, 200);
const QColor green(60, 170, 70);
const QColor red(210, 55, 50);
const QColor dark(50, 60, 75);

struct Icon
{
    const char *name;
    std::function<void(QPainter &)> draw;
};

QList<Icon> icons()
{
    return {
        {"NewPro",
         [](QPainter &p) {
             page(p, QRectF(12, 6, 36, 50), Qt::white);
             p.setBrush(green);
             p.setPen(Qt::NoPen);
             p.drawEllipse(QRectF(32, 34, 28, 28));
             plus(p, QPointF(46, 48), 8, Qt::white, 4);
         }},
        {"LoadPro",
         [](QPainter &p) {
             p.setPen(pen(QColor(160, 110, 20), 2.5));
             p.setBrush(QColor(245, 190, 70));
             const QPainterPath path =
                 closedPath({{6, 16}, {24, 16}, {29, 22}, {56, 22}, {56, 54}, {6, 54}});
             p.drawPath(path);
             p.setPen(pen(blue, 5));
             p.drawLine(QPointF(31, 50), QPointF(31, 30));
             p.drawLine(QPointF(22, 38), QPointF(31, 29));
             p.drawLine(QPointF(40, 38), QPointF(31, 29));
         }},
        {"SavePro",
         [](QPainter &p) {
             p.setPen(pen(QColor(20, 60, 120), 2.5));
             p.setBrush(blue);
             p.drawRoundedRect(QRectF(8, 8, 48, 48), 5, 5);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(16, 8, 32, 18));
             p.setBrush(QColor(210, 220, 235));
             p.drawRect(QRectF(16, 36, 32, 20));
             p.setBrush(QColor(20, 60, 120));
             p.drawRect(QRectF(38, 11, 6, 12));
         }},
        {"Com",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(90, 100, 115));
             const QPainterPath plug = closedPath({{8, 18}, {56, 18}, {50, 44}, {14, 44}});
             p.drawPath(plug);
             p.setBrush(QColor(250, 210, 60));
             p.setPen(Qt::NoPen);
             for (int i = 0; i < 5; ++i)
                 p.drawEllipse(QPointF(16 + i * 8, 26), 2.5, 2.5);
             for (int i = 0; i < 4; ++i)
                 p.drawEllipse(QPointF(20 + i * 8, 36), 2.5, 2.5);
             p.setPen(pen(dark, 4));
             p.drawLine(32, 44, 32, 58);
         }},
        {"DownLoad",
         [](QPainter &p) {
             p.setPen(pen(dark, 3));
             p.setBrush(QColor(220, 225, 235));
             p.drawRoundedRect(QRectF(8, 40, 48, 16), 4, 4);
             p.setBrush(QColor(60, 200, 90));
             p.setPen(Qt::NoPen);
             p.drawEllipse(QPointF(46, 48), 3, 3);
             arrowDown(p, 32, 6, 40, green, 6);
         }},
        {"ScreenSet",
         [](QPainter &p) {
             p.translate(32, 32);
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(130, 140, 155));
             QPainterPath gear;
             for (int i = 0; i < 8; ++i) {
                 p.save();
                 p.rotate(i * 45);
                 p.drawRoundedRect(QRectF(-6, -28, 12, 14), 2, 2);
                 p.restore();
             }
             p.drawEllipse(QPointF(0, 0), 20, 20);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(0, 0), 8, 8);
         }},
        {"paste", [](QPainter &p) { clipboard(p); }},
        {"help",
         [](QPainter &p) {
             circleBadge(p, blue);
             QFont f("DejaVu Sans", 30, QFont::Bold);
             p.setFont(f);
             p.setPen(Qt::white);
             p.drawText(QRectF(0, 0, S, S), Qt::AlignCenter, "?");
         }},
        {"Language",
         [](QPainter &p) {
             p.setPen(pen(blue, 3));
             p.setBrush(QColor(225, 238, 252));
             p.drawEllipse(QRectF(6, 6, 52, 52));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(20, 6, 24, 52));
             p.drawLine(6, 32, 58, 32);
             p.drawLine(32, 6, 32, 58);
             p.drawLine(10, 19, 54, 19);
             p.drawLine(10, 45, 54, 45);
         }},
        {"debug",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(35, 40, 50));
             p.drawRoundedRect(QRectF(6, 10, 52, 44), 5, 5);
             p.setPen(pen(QColor(90, 230, 110), 4));
             p.drawLine(15, 24, 25, 32);
             p.drawLine(25, 32, 15, 40);
             p.drawLine(30, 42, 46, 42);
         }},
        {"Version",
         [](QPainter &p) {
             p.setPen(pen(QColor(120, 80, 20), 2.5));
             p.setBrush(QColor(250, 200, 80));
             const QPainterPath tag = closedPath({{6, 30}, {28, 8}, {56, 8}, {56, 36}, {34, 58}});
             p.drawPath(tag);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(45, 19), 5, 5);
         }},
        {"add",
         [](QPainter &p) {
             circleBadge(p, green);
             plus(p, QPointF(32, 32), 15, Qt::white, 7);
         }},
        {"delsub",
         [](QPainter &p) {
             circleBadge(p, red);
             p.setPen(pen(Qt::white, 7));
             p.drawLine(17, 32, 47, 32);
         }},
        {"down",
         [](QPainter &p) {
             circleBadge(p, blue);
             arrowDown(p, 32, 14, 48, Qt::white, 6);
         }},
        {"create",
         [](QPainter &p) {
             page(p, QRectF(8, 6, 36, 50), Qt::white);
             QFont f("DejaVu Sans", 20, QFont::Bold);
             p.setFont(f);
             p.setPen(dark);
             p.drawText(QRectF(8, 14, 30, 36), Qt::AlignCenter, "F");
             p.setPen(pen(QColor(240, 170, 20), 4));
             p.drawLine(50, 34, 50, 58);
             p.drawLine(38, 46, 62, 46);
             p.drawLine(42, 38, 58, 54);
             p.drawLine(58, 38, 42, 54);
         }},
        {"edit",
         [](QPainter &p) {
             p.translate(32, 32);
             p.rotate(45);
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(250, 190, 60));
             p.drawRect(QRectF(-7, -26, 14, 38));
             p.setBrush(QColor(240, 140, 140));
             p.drawRect(QRectF(-7, -30, 14, 6));
             p.setBrush(QColor(240, 220, 180));
             const QPainterPath tip = closedPath({{-7, 12}, {7, 12}, {0, 26}});
             p.drawPath(tip);
         }},
        {"timer",
         [](QPainter &p) {
             p.setPen(pen(dark, 3));
             p.setBrush(Qt::white);
             p.drawEllipse(QRectF(6, 8, 52, 52));
             p.setBrush(dark);
             p.drawRect(QRectF(27, 2, 10, 5));
             p.setPen(pen(dark, 2));
             for (int i = 0; i < 12; ++i) {
                 const qreal a = qDegreesToRadians(i * 30.0);
                 p.drawLine(QPointF(32 + 21 * qCos(a), 34 + 21 * qSin(a)),
                            QPointF(32 + 24 * qCos(a), 34 + 24 * qSin(a)));
             }
             p.setPen(pen(red, 3.5));
             p.drawLine(32, 34, 32, 16);
             p.setPen(pen(dark, 3.5));
             p.drawLine(32, 34, 44, 40);
         }},
        {"sleep",
         [](QPainter &p) {
             QPainterPath moon;
             moon.addEllipse(QRectF(6, 8, 46, 46));
             QPainterPath cut;
             cut.addEllipse(QRectF(20, 2, 42, 42));
             p.setPen(pen(QColor(150, 110, 10), 2));
             p.setBrush(QColor(250, 210, 70));
             p.drawPath(moon.subtracted(cut));
             QFont f("DejaVu Sans", 12, QFont::Bold);
             p.setFont(f);
             p.setPen(blue);
             p.drawText(QRectF(38, 34, 24, 24), Qt::AlignCenter, "z");
             p.drawText(QRectF(44, 14, 20, 20), Qt::AlignCenter, "z");
         }},
        {"info",
         [](QPainter &p) {
             circleBadge(p, blue);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(32, 18), 4.5, 4.5);
             p.drawRoundedRect(QRectF(28, 27, 8, 23), 2, 2);
         }},
        {"warning",
         [](QPainter &p) {
             const QPainterPath tri = closedPath({{32, 5}, {60, 56}, {4, 56}});
             p.setPen(pen(QColor(170, 120, 0), 3));
             p.setBrush(QColor(250, 200, 30));
             p.drawPath(tri);
             p.setPen(Qt::NoPen);
             p.setBrush(dark);
             p.drawRoundedRect(QRectF(28.5, 20, 7, 21), 2, 2);
             p.drawEllipse(QPointF(32, 48), 4, 4);
         }},
        {"error",
         [](QPainter &p) {
             circleBadge(p, red);
             p.setPen(pen(Qt::white, 7));
             p.drawLine(21, 21, 43, 43);
             p.drawLine(43, 21, 21, 43);
         }},
        {"Button",
         [](QPainter &p) {
             QLinearGradient g(0, 16, 0, 48);
             g.setColorAt(0, QColor(110, 175, 240));
             g.setColorAt(1, QColor(30, 100, 180));
             p.setPen(pen(QColor(20, 70, 130), 2.5));
             p.setBrush(g);
             p.drawRoundedRect(QRectF(4, 16, 56, 32), 8, 8);
             QFont f("DejaVu Sans", 14, QFont::Bold);
             p.setFont(f);
             p.setPen(Qt::white);
             p.drawText(QRectF(4, 16, 56, 32), Qt::AlignCenter, "OK");
         }},
        {"Label",
         [](QPainter &p) {
             QFont f("DejaVu Serif", 38, QFont::Bold);
             p.setFont(f);
             p.setPen(dark);
             p.drawText(QRectF(0, 0, 44, 60), Qt::AlignCenter, "A");
             QFont g("DejaVu Sans", 22);
             p.setFont(g);
             p.setPen(blue);
             p.drawText(QRectF(34, 18, 30, 42), Qt::AlignCenter, "b");
         }},
        {"Img",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(190, 225, 250));
             p.drawRoundedRect(QRectF(4, 10, 56, 44), 4, 4);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(250, 200, 40));
             p.drawEllipse(QPointF(46, 22), 6, 6);
             const QPainterPath hills =
                 closedPath({{6, 52}, {22, 28}, {34, 44}, {42, 36}, {58, 52}});
             p.setBrush(QColor(70, 160, 80));
             p.drawPath(hills);
         }},
        {"Prog",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(230, 232, 236));
             p.drawRoundedRect(QRectF(4, 22, 56, 20), 10, 10);
             p.setPen(Qt::NoPen);
             p.setBrush(green);
             p.drawRoundedRect(QRectF(7, 25, 32, 14), 7, 7);
         }},
        {"TextBox",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 16, 56, 32));
             QFont f("DejaVu Sans", 14);
             p.setFont(f);
             p.setPen(dark);
             p.drawText(QRectF(8, 16, 30, 32), Qt::AlignVCenter | Qt::AlignLeft, "Ab");
             p.setPen(pen(blue, 2.5));
             p.drawLine(38, 22, 38, 42);
         }},
        {"QRcode",
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 4, 56, 56));
             p.setBrush(Qt::black);
             auto finder = [&p](qreal x, qreal y) {
                 p.setBrush(Qt::black);
                 p.drawRect(QRectF(x, y, 18, 18));
                 p.setBrush(Qt::white);
                 p.drawRect(QRectF(x + 3, y + 3, 12, 12));
                 p.setBrush(Qt::black);
                 p.drawRect(QRectF(x + 6, y + 6, 6, 6));
             };
             finder(6, 6);
             finder(40, 6);
             finder(6, 40);
             const char *bits = "1011001101011101";
             for (int i = 0; i < 16; ++i)
                 if (bits[i] == '1')
                     p.drawRect(QRectF(28 + (i % 4) * 7.5, 28 + (i / 4) * 7.5, 6, 6));
         }},
        {"Slider",
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(200, 205, 215));
             p.drawRoundedRect(QRectF(4, 28, 56, 8), 4, 4);
             p.setBrush(blue);
             p.drawRoundedRect(QRectF(4, 28, 30, 8), 4, 4);
             p.setPen(pen(dark, 2.5));
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(36, 32), 11, 11);
         }},
        {"Arc",
         [](QPainter &p) {
             const QRectF r(8, 8, 48, 48);
             p.setPen(QPen(QColor(210, 215, 225), 8, Qt::SolidLine, Qt::RoundCap));
             p.drawArc(r, -45 * 16, 270 * 16);
             p.setPen(QPen(QColor(240, 120, 30), 8, Qt::SolidLine, Qt::RoundCap));
             p.drawArc(r, 90 * 16, 135 * 16);
         }},
        {"Meter",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(Qt::white);
             p.drawEllipse(QRectF(4, 4, 56, 56));
             p.setPen(pen(dark, 2));
             for (int i = 0; i <= 8; ++i) {
                 const qreal a = qDegreesToRadians(135.0 + i * 33.75);
                 p.drawLine(QPointF(32 + 20 * qCos(a), 32 + 20 * qSin(a)),
                            QPointF(32 + 25 * qCos(a), 32 + 25 * qSin(a)));
             }
             p.setPen(pen(red, 3.5));
             p.drawLine(32, 32, 46, 18);
             p.setPen(Qt::NoPen);
             p.setBrush(dark);
             p.drawEllipse(QPointF(32, 32), 4, 4);
         }},
        {"Chart",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.drawLine(8, 6, 8, 56);
             p.drawLine(8, 56, 60, 56);
             p.setPen(pen(QColor(220, 220, 225), 1));
             for (int y = 16; y < 56; y += 12)
                 p.drawLine(10, y, 58, y);
             p.setPen(pen(blue, 3.5));
             const QPointF line[] = {{10, 46}, {22, 30}, {32, 38}, {44, 16}, {58, 24}};
             p.drawPolyline(line, 5);
             p.setPen(pen(red, 3));
             const QPointF line2[] = {{10, 52}, {24, 44}, {36, 48}, {48, 36}, {58, 40}};
             p.drawPolyline(line2, 5);
         }},
        {"copy",
         [](QPainter &p) {
             page(p, QRectF(6, 4, 32, 42), QColor(225, 235, 250));
             page(p, QRectF(24, 18, 32, 42), Qt::white);
         }},
        {"del",
         [](QPainter &p) {
             p.setPen(pen(dark, 2.5));
             p.setBrush(QColor(150, 160, 175));
             p.drawRoundedRect(QRectF(8, 12, 48, 7), 2, 2);
             p.drawRect(QRectF(24, 6, 16, 6));
             p.setBrush(QColor(200, 205, 215));
             const QPainterPath can = closedPath({{13, 20}, {51, 20}, {47, 58}, {17, 58}});
             p.drawPath(can);
             p.setPen(pen(dark, 2.5));
             for (int x = 24; x <= 40; x += 8)
                 p.drawLine(x, 27, x, 51);
         }},
    };
}

// Cursor pictures: white shapes with a black outline, drawn on a grid of `units` pixels and
// scaled to the size of the picture.
struct CursorIcon
{
    const char *name;
    int size;
    qreal units;
    std::function<void(QPainter &)> draw;
};

void cursorShape(QPainter &p, const QPainterPath &path)
{
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

QPainterPath arrowPointer(QPointF tip, qreal scale = 1.0)
{
    const auto at = [tip, scale](qreal x, qreal y) {
        return QPointF(tip.x() + x * scale, tip.y() + y * scale);
    };
    return closedPath(
        {at(0, 0), at(0, 17), at(4, 13), at(7, 19.5), at(9.5, 18.5), at(6.5, 12.5), at(12, 12.5)});
}

// A shaft with a head at each end, centred on c and turned by angle degrees.
QPainterPath doubleArrow(QPointF c, qreal angle, qreal half = 9.5)
{
    const qreal head = 5;
    const QPainterPath path = closedPath({{-half, 0},
                                          {-half + head, -4.5},
                                          {-half + head, -1.5},
                                          {half - head, -1.5},
                                          {half - head, -4.5},
                                          {half, 0},
                                          {half - head, 4.5},
                                          {half - head, 1.5},
                                          {-half + head, 1.5},
                                          {-half + head, 4.5}});
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(angle);
    return t.map(path);
}

// A single arrow from its tail to the head at `to`, pointing along angle degrees.
QPainterPath singleArrow(QPointF to, qreal angle, qreal length)
{
    const QPainterPath path = closedPath(
        {{0, 0}, {-5, -4.5}, {-5, -1.5}, {-length, -1.5}, {-length, 1.5}, {-5, 1.5}, {-5, 4.5}});
    QTransform t;
    t.translate(to.x(), to.y());
    t.rotate(angle);
    return t.map(path);
}

QPainterPath hourglass(const QRectF &r)
{
    QPainterPath path;
    const qreal bar = r.height() * 0.12;
    path.addRect(QRectF(r.left(), r.top(), r.width(), bar));
    path.addRect(QRectF(r.left(), r.bottom() - bar, r.width(), bar));
    const qreal inset = r.width() * 0.15;
    const qreal mid = r.center().y();
    path.addPath(closedPath({{r.left() + inset, r.top() + bar},
                             {r.right() - inset, r.top() + bar},
                             {r.center().x() + 1, mid},
                             {r.right() - inset, r.bottom() - bar},
                             {r.left() + inset, r.bottom() - bar},
                             {r.center().x() - 1, mid}}));
    return path.simplified();
}

// The splitter cursor for a vertical split: two bars with arrows up and down.
QPainterPath splitter(qreal angle)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRect(QRectF(-9.5, -3, 19, 2));
    path.addRect(QRectF(-9.5, 1, 19, 2));
    path.addPath(singleArrow(QPointF(0, -11), -90, 8));
    path.addPath(singleArrow(QPointF(0, 11), 90, 8));
    QTransform t;
    t.translate(12.5, 12.5);
    t.rotate(angle);
    return t.map(path.simplified());
}

QPainterPath roundedBox(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A hand: the union of its rounded fingers and palm, and its thumb.
QPainterPath hand(const QList<QPair<QRectF, qreal>> &roundedParts,
                  std::initializer_list<QPointF> thumb)
{
    QPainterPath path = closedPath(thumb);
    for (const auto &part : roundedParts)
        path = path.united(roundedBox(part.first, part.second));
    return path;
}

QList<CursorIcon> cursorIcons()
{
    return {
        {"arrow", 25, 25, [](QPainter &p) { cursorShape(p, arrowPointer(QPointF(6, 3))); }},
        {"uparrow", 25, 25,
         [](QPainter &p) { cursorShape(p, singleArrow(QPointF(12.5, 3), -90, 19)); }},
        {"cross", 25, 25,
         [](QPainter &p) {
             QPainterPath path;
             path.addRect(QRectF(11.75, 2.5, 1.5, 20));
             path.addRect(QRectF(2.5, 11.75, 20, 1.5));
             cursorShape(p, path.simplified());
         }},
        {"wait", 25, 25, [](QPainter &p) { cursorShape(p, hourglass(QRectF(6.5, 3, 12, 19))); }},
        {"ibeam", 25, 25,
         [](QPainter &p) {
             QPainterPath path;
             path.addRect(QRectF(8.5, 3, 8, 2));
             path.addRect(QRectF(11.5, 4, 2, 17));
             path.addRect(QRectF(8.5, 20, 8, 2));
             cursorShape(p, path.simplified());
         }},
        {"sizev", 25, 25,
         [](QPainter &p) { cursorShape(p, doubleArrow(QPointF(12.5, 12.5), 90)); }},
        {"sizeh", 25, 25, [](QPainter &p) { cursorShape(p, doubleArrow(QPointF(12.5, 12.5), 0)); }},
        {"sizef", 25, 25,
         [](QPainter &p) { cursorShape(p, doubleArrow(QPointF(12.5, 12.5), 45, 11)); }},
        {"sizeb", 25, 25,
         [](QPainter &p) { cursorShape(p, doubleArrow(QPointF(12.5, 12.5), -45, 11)); }},
        {"sizeall", 25, 25,
         [](QPainter &p) {
             // One outline of four arrows, a quarter turned four times.
             QPolygonF quarter;
             quarter << QPointF(0, -10.5) << QPointF(3.5, -6.5) << QPointF(1.2, -6.5)
                     << QPointF(1.2, -1.2) << QPointF(6.5, -1.2) << QPointF(6.5, -3.5);
             QPolygonF outline;
             for (int turn = 0; turn < 4; ++turn)
                 outline << QTransform().rotate(90 * turn).map(quarter);
             cursorShape(p, QTransform::fromTranslate(12.5, 12.5).map([&outline] {
                 QPainterPath path;
                 path.addPolygon(outline);
                 path.closeSubpath();
                 return path;
             }()));
         }},
        {"vsplit", 25, 25, [](QPainter &p) { cursorShape(p, splitter(0)); }},
        {"hsplit", 25, 25, [](QPainter &p) { cursorShape(p, splitter(90)); }},
        {"hand", 25, 25,
         [](QPainter &p) {
             cursorShape(p,
                         hand({{QRectF(8, 2, 4, 13), 2},
                               {QRectF(12, 8, 3.5, 8), 1.75},
                               {QRectF(15.5, 9, 3.5, 8), 1.75},
                               {QRectF(19, 10, 3, 8), 1.5},
                               {QRectF(8, 12, 14, 10), 3}},
                              {{8, 17}, {4, 12.5}, {5.5, 11}, {8.5, 13}}));
         }},
        {"forbidden", 25, 25,
         [](QPainter &p) {
             QPainterPath ring;
             ring.addEllipse(QPointF(12.5, 12.5), 9, 9);
             ring.addEllipse(QPointF(12.5, 12.5), 6.5, 6.5);
             QTransform t;
             t.translate(12.5, 12.5);
             t.rotate(45);
             QPainterPath bar;
             bar.addRect(QRectF(-8, -1.25, 16, 2.5));
             ring.setFillRule(Qt::OddEvenFill);
             cursorShape(p, ring.simplified().united(t.map(bar)));
         }},
        {"openhand", 16, 16,
         [](QPainter &p) {
             cursorShape(p,
                         hand({{QRectF(3.5, 3, 2.2, 7), 1.1},
                               {QRectF(5.9, 1.5, 2.2, 8), 1.1},
                               {QRectF(8.3, 2, 2.2, 8), 1.1},
                               {QRectF(10.7, 3.5, 2.2, 7), 1.1},
                               {QRectF(3.5, 7, 9.4, 7.5), 2.5}},
                              {{3.6, 11}, {1, 7.5}, {2.2, 6.6}, {4.2, 8.5}}));
         }},
        {"closedhand", 16, 16,
         [](QPainter &p) {
             cursorShape(p, roundedBox(QRectF(3.5, 5.5, 9.4, 9), 2.5));
             // The knuckles keep their own outlines.
             for (int i = 0; i < 4; ++i)
                 cursorShape(p, roundedBox(QRectF(3.5 + i * 2.35, 4, 2.35, 4), 1.1));
             cursorShape(p, closedPath({{3.6, 11}, {1.5, 8.5}, {2.5, 7.6}, {4.2, 9}}));
         }},
        {"whatsthis", 32, 32,
         [](QPainter &p) {
             cursorShape(p, arrowPointer(QPointF(4, 3), 1.2));
             QFont font;
             font.setPixelSize(16);
             font.setBold(true);
             QPainterPath mark;
             mark.addText(QPointF(19, 21), font, QStringLiteral("?"));
             cursorShape(p, mark);
         }},
        {"busy", 32, 32,
         [](QPainter &p) {
             cursorShape(p, arrowPointer(QPointF(4, 3), 1.2));
             cursorShape(p, hourglass(QRectF(19, 15, 9, 14)));
         }},
    };
}

bool drawCursorIcons(const QDir &out)
{
    for (const CursorIcon &icon : cursorIcons()) {
        QImage image(icon.size, icon.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(icon.size / icon.units, icon.size / icon.units);
        icon.draw(p);
        p.end();
        const QString path = out.filePath(QStringLiteral("cursor-%1.png").arg(icon.name));
        if (!image.save(path)) {
            fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 3) {
        fprintf(stderr, "usage: drawicons <output folder> [<cursor folder>]\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(".")) {
        fprintf(stderr, "cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (const Icon &icon : icons()) {
        QImage image(S, S, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        icon.draw(p);
        p.end();
        const QString path = out.filePath(QString::fromLatin1(icon.name) + ".png");
        if (!image.save(path)) {
            fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    // Title bar of the message boxes: a plain blue band.
    QImage band(430, 40, QImage::Format_RGB32);
    QPainter p(&band);
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, QColor(44, 126, 180));
    g.setColorAt(1, QColor(7, 63, 111));
    p.fillRect(band.rect(), g);
    p.end();
    if (!band.save(out.filePath("topBottom.jpg"), "JPG", 90)) {
        fprintf(stderr, "cannot write topBottom.jpg\n");
        return 1;
    }

    if (args.size() == 3) {
        QDir cursors(args.at(2));
        if (!cursors.mkpath(".") || !drawCursorIcons(cursors)) {
            fprintf(stderr, "cannot write the cursor pictures into %s\n", qPrintable(args.at(2)));
            return 1;
        }
    }
    return 0;
}
