#include "drawgeometry.h"

#include <QtTest>

#include <limits>

using namespace DrawGeometry;

Q_DECLARE_METATYPE(Qt::CursorShape)

namespace {
const int intMax = std::numeric_limits<int>::max();
const int intMin = std::numeric_limits<int>::min();

QVector<double> doubles(std::initializer_list<double> l)
{
    return QVector<double>(l);
}
} // namespace

// The drawing and mouse rules, each checked against its worked examples.
class TestDrawGeometry : public QObject
{
    Q_OBJECT
private slots:
    void handleLayout_data();
    void handleLayout();
    void hitTest_data();
    void hitTest();
    void cursors();
    void dragSteps_data();
    void dragSteps();

    void tint_data();
    void tint();
    void tintImageKeepsSize();
    void placement_data();
    void placement();

    void fontPaths_data();
    void fontPaths();
    void fontChoice_data();
    void fontChoice();
    void chartFontChoice_data();
    void chartFontChoice();
    void imageTextPointSizes_data();
    void imageTextPointSizes();
    void shownText_data();
    void shownText();

    void idBoxes_data();
    void idBoxes();
    void idColour_data();
    void idColour();

    void progBars_data();
    void progBars();
    void barOutlineRule();
    void sliderLayouts_data();
    void sliderLayouts();

    void arcLayouts_data();
    void arcLayouts();
    void arcKnobFollowsRotation();

    void meterAngles_data();
    void meterAngles();
    void meterCentres();

    void ticks_data();
    void ticks();
    void lineCaps();
    void labelValues_data();
    void labelValues();
    void series_data();
    void series();
    void grid_data();
    void grid();
    void seriesPoints_data();
    void seriesPoints();

    void qrSymbols();
};

void TestDrawGeometry::handleLayout_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("cornersOnly");
    QTest::addColumn<QVector<QPoint>>("corners"); // top-left of each, (-1,-1): untouched

    QTest::newRow("60x30") << 60 << 30 << false
                           << QVector<QPoint> {{0, 0},   {27, 0}, {53, 0},  {0, 12},
                                               {53, 12}, {0, 23}, {27, 23}, {53, 23}};
    QTest::newRow("odd 61x31") << 61 << 31 << false
                               << QVector<QPoint> {{0, 0},   {27, 0}, {54, 0},  {0, 12},
                                                   {54, 12}, {0, 24}, {27, 24}, {54, 24}};
    QTest::newRow("square corners only")
        << 100 << 100 << true << QVector<QPoint> {{0, 0},   {-1, -1}, {93, 0},  {-1, -1},
                                                  {-1, -1}, {0, 93},  {-1, -1}, {93, 93}};
}

void TestDrawGeometry::handleLayout()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(bool, cornersOnly);
    QFETCH(QVector<QPoint>, corners);
    QRect rects[HandleCount];
    layoutHandles(rects, w, h, cornersOnly);
    for (int i = 0; i < HandleCount; ++i) {
        if (corners[i] == QPoint(-1, -1)) {
            QVERIFY2(rects[i].isNull(), qPrintable(QString::number(i)));
        } else {
            QCOMPARE(rects[i], QRect(corners[i], QSize(6, 6)));
        }
    }
}

void TestDrawGeometry::hitTest_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("cornersOnly");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("handle");

    QTest::newRow("inner edge of handle 0") << 60 << 30 << false << QPoint(5, 5) << 0;
    QTest::newRow("just outside handle 0") << 60 << 30 << false << QPoint(6, 6) << -1;
    QTest::newRow("top middle") << 60 << 30 << false << QPoint(30, 3) << 1;
    QTest::newRow("top right") << 60 << 30 << false << QPoint(58, 5) << 2;
    QTest::newRow("last column is no handle") << 60 << 30 << false << QPoint(59, 0) << -1;
    QTest::newRow("left middle") << 60 << 30 << false << QPoint(0, 15) << 3;
    QTest::newRow("right middle") << 60 << 30 << false << QPoint(53, 12) << 4;
    QTest::newRow("bottom left") << 60 << 30 << false << QPoint(2, 25) << 5;
    QTest::newRow("bottom middle") << 60 << 30 << false << QPoint(32, 28) << 6;
    QTest::newRow("bottom right") << 60 << 30 << false << QPoint(58, 28) << 7;
    QTest::newRow("centre moves") << 60 << 30 << false << QPoint(30, 15) << -1;
    QTest::newRow("overlap: lower index wins") << 10 << 10 << false << QPoint(3, 3) << 0;
    QTest::newRow("square: top middle is no handle") << 100 << 100 << true << QPoint(50, 2) << -1;
    QTest::newRow("square: corner") << 100 << 100 << true << QPoint(95, 95) << 7;
}

void TestDrawGeometry::hitTest()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(bool, cornersOnly);
    QFETCH(QPoint, point);
    QFETCH(int, handle);
    QRect rects[HandleCount];
    layoutHandles(rects, w, h, cornersOnly);
    QCOMPARE(handleAt(rects, point), handle);
}

void TestDrawGeometry::cursors()
{
    const Qt::CursorShape expected[] = {
        Qt::SizeFDiagCursor, Qt::SizeVerCursor,   Qt::SizeBDiagCursor, Qt::SizeHorCursor,
        Qt::SizeHorCursor,   Qt::SizeBDiagCursor, Qt::SizeVerCursor,   Qt::SizeFDiagCursor};
    for (int i = 0; i < HandleCount; ++i)
        QCOMPARE(handleCursor(i), expected[i]);
    QCOMPARE(handleCursor(-1), Qt::ArrowCursor);
}

void TestDrawGeometry::dragSteps_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QRect>("before"); // x, y, w, h
    QTest::addColumn<int>("origin");
    QTest::addColumn<QRect>("after");

    const QRect r(100, 40, 60, 30);
    // Page 200 x 100 in every row.
    QTest::newRow("move") << -1 << QPoint(20, 10) << QPoint(25, 18) << r << 0
                          << QRect(105, 48, 60, 30);
    QTest::newRow("move past right and bottom")
        << -1 << QPoint(20, 10) << QPoint(300, 300) << r << 0 << QRect(140, 70, 60, 30);
    QTest::newRow("move past left and top")
        << -1 << QPoint(20, 10) << QPoint(-90, -40) << r << 0 << QRect(0, 0, 60, 30);
    QTest::newRow("move to exactly 0")
        << -1 << QPoint(20, 10) << QPoint(-80, -30) << r << 0 << QRect(0, 0, 60, 30);
    QTest::newRow("wider than the page stays at 0")
        << -1 << QPoint(20, 10) << QPoint(30, 10) << QRect(0, 0, 300, 30) << 0
        << QRect(0, 0, 300, 30);
    QTest::newRow("left edge") << 3 << QPoint(2, 15) << QPoint(12, 15) << r << 0
                               << QRect(110, 40, 50, 30);
    QTest::newRow("left edge outwards")
        << 3 << QPoint(2, 15) << QPoint(-8, 15) << r << 0 << QRect(90, 40, 70, 30);
    QTest::newRow("left edge at minimum keeps x")
        << 3 << QPoint(2, 15) << QPoint(12, 15) << QRect(100, 40, 25, 30) << 0
        << QRect(100, 40, 20, 30);
    QTest::newRow("left edge past the border keeps w")
        << 3 << QPoint(2, 15) << QPoint(-110, 15) << r << 0 << QRect(0, 40, 60, 30);
    QTest::newRow("top edge past the border keeps h")
        << 1 << QPoint(30, 2) << QPoint(30, -60) << r << 0 << QRect(100, 0, 60, 30);
    QTest::newRow("top edge at minimum")
        << 1 << QPoint(30, 2) << QPoint(30, 20) << r << 0 << QRect(100, 40, 60, 20);
    QTest::newRow("right edge") << 4 << QPoint(55, 15) << QPoint(80, 15) << r << 0
                                << QRect(100, 40, 80, 30);
    QTest::newRow("right edge beyond the page")
        << 4 << QPoint(55, 15) << QPoint(150, 15) << r << 0 << QRect(100, 40, 100, 30);
    QTest::newRow("right edge with margins")
        << 4 << QPoint(55, 15) << QPoint(150, 15) << r << 5 << QRect(100, 40, 90, 30);
    QTest::newRow("right edge minimum")
        << 4 << QPoint(55, 15) << QPoint(5, 15) << r << 0 << QRect(100, 40, 20, 30);
    QTest::newRow("bottom edge beyond the page")
        << 6 << QPoint(30, 28) << QPoint(30, 90) << r << 0 << QRect(100, 40, 60, 60);
    QTest::newRow("top-left corner")
        << 0 << QPoint(1, 1) << QPoint(-9, 6) << r << 0 << QRect(90, 45, 70, 25);
    QTest::newRow("top-right corner")
        << 2 << QPoint(55, 1) << QPoint(70, -4) << r << 0 << QRect(100, 35, 70, 35);
    QTest::newRow("bottom-left corner")
        << 5 << QPoint(1, 28) << QPoint(-4, 40) << r << 0 << QRect(95, 40, 65, 40);
    QTest::newRow("bottom-right corner")
        << 7 << QPoint(58, 28) << QPoint(70, 45) << r << 0 << QRect(100, 40, 70, 45);
}

void TestDrawGeometry::dragSteps()
{
    QFETCH(int, handle);
    QFETCH(QPoint, press);
    QFETCH(QPoint, pointer);
    QFETCH(QRect, before);
    QFETCH(int, origin);
    QFETCH(QRect, after);
    DragInput in;
    in.handle = handle;
    in.press = press;
    in.pointer = pointer;
    in.x = before.x();
    in.y = before.y();
    in.w = in.screenW = before.width();
    in.h = in.screenH = before.height();
    in.parentW = 200;
    in.parentH = 100;
    in.originX = in.originY = origin;
    const DragResult r = dragStep(in);
    QCOMPARE(QRect(r.x, r.y, r.w, r.h), after);
}

void TestDrawGeometry::tint_data()
{
    QTest::addColumn<uint>("pixel");
    QTest::addColumn<QColor>("tint");
    QTest::addColumn<int>("strength");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<uint>("expected");

    QTest::newRow("255 to 0 at 128") << uint(qRgba(255, 255, 255, 255)) << QColor(0, 0, 0) << 128
                                     << 255 << uint(qRgba(127, 127, 127, 255));
    QTest::newRow("white with white at 90")
        << uint(qRgba(255, 255, 255, 255)) << QColor(255, 255, 255) << 90 << 255
        << uint(qRgba(254, 254, 254, 255));
    QTest::newRow("alpha 0 untouched") << uint(qRgba(10, 20, 30, 0)) << QColor(255, 0, 0) << 255
                                       << 255 << uint(qRgba(10, 20, 30, 0));
    QTest::newRow("alpha 1 takes the opacity") << uint(qRgba(10, 20, 30, 1)) << QColor(0, 0, 0) << 0
                                               << 200 << uint(qRgba(10, 20, 30, 200));
    QTest::newRow("no tint, half opacity") << uint(qRgba(10, 20, 30, 255)) << QColor(0, 0, 0) << 0
                                           << 128 << uint(qRgba(10, 20, 30, 128));
    QTest::newRow("full tint") << uint(qRgba(10, 20, 30, 255)) << QColor(1, 2, 3) << 255 << 255
                               << uint(qRgba(1, 2, 3, 255));
    QTest::newRow("strength above 255 clamps") << uint(qRgba(10, 20, 30, 255)) << QColor(1, 2, 3)
                                               << 1000 << 255 << uint(qRgba(1, 2, 3, 255));
    QTest::newRow("negative strength clamps") << uint(qRgba(10, 20, 30, 255)) << QColor(1, 2, 3)
                                              << -7 << 255 << uint(qRgba(10, 20, 30, 255));
    QTest::newRow("opacity above 255 clamps") << uint(qRgba(10, 20, 30, 5)) << QColor(0, 0, 0) << 0
                                              << 999 << uint(qRgba(10, 20, 30, 255));
    QTest::newRow("negative opacity clamps")
        << uint(qRgba(10, 20, 30, 5)) << QColor(0, 0, 0) << 0 << -1 << uint(qRgba(10, 20, 30, 0));
}

void TestDrawGeometry::tint()
{
    QFETCH(uint, pixel);
    QFETCH(QColor, tint);
    QFETCH(int, strength);
    QFETCH(int, opacity);
    QFETCH(uint, expected);
    QCOMPARE(tintPixel(pixel, tint, strength, opacity), QRgb(expected));
}

void TestDrawGeometry::tintImageKeepsSize()
{
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 255));
    tintImage(img, QColor(0, 0, 0), 255, 100);
    QCOMPARE(img.format(), QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(3, 2));
    QCOMPARE(img.pixel(2, 1), qRgba(0, 0, 0, 100));
}

void TestDrawGeometry::placement_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("source");
    QTest::addColumn<QPoint>("target");

    QTest::newRow("larger both ways")
        << QSize(100, 50) << QSize(60, 30) << QRect(20, 10, 60, 30) << QPoint(0, 0);
    QTest::newRow("smaller both ways")
        << QSize(20, 10) << QSize(61, 31) << QRect(0, 0, 20, 10) << QPoint(20, 10);
    QTest::newRow("taller, narrower")
        << QSize(40, 40) << QSize(60, 30) << QRect(0, 5, 40, 30) << QPoint(10, 0);
    QTest::newRow("same size") << QSize(60, 30) << QSize(60, 30) << QRect(0, 0, 60, 30)
                               << QPoint(0, 0);
    QTest::newRow("odd excess") << QSize(61, 30) << QSize(60, 30) << QRect(0, 0, 60, 30)
                                << QPoint(0, 0);
}

void TestDrawGeometry::placement()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QRect, source);
    QFETCH(QPoint, target);
    const Placement p = placePicture(picture, box);
    QCOMPARE(p.source, source);
    QCOMPARE(p.target, target);
}

void TestDrawGeometry::fontPaths_data()
{
    QTest::addColumn<QString>("fontTtf");
    QTest::addColumn<QString>("path");

    QTest::newRow("plain name") << "a.ttf"
                                << "/p/tempTtf/a.ttf";
    QTest::newRow("climbing out") << "../../etc/x.ttf"
                                  << "/p/tempTtf/x.ttf";
    QTest::newRow("absolute") << "/usr/share/fonts/y.ttf"
                              << "/p/tempTtf/y.ttf";
    QTest::newRow("windows path") << "C:\\fonts\\z.ttf"
                                  << "/p/tempTtf/z.ttf";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("parent only") << ".."
                                 << "";
    QTest::newRow("trailing slash") << "dir/"
                                    << "";
}

void TestDrawGeometry::fontPaths()
{
    QFETCH(QString, fontTtf);
    QFETCH(QString, path);
    QCOMPARE(fontTtfPath("/p", fontTtf), path);
    QCOMPARE(fontParamPath("/p", 7), QString("/p/tempFonts/7.ini"));
}

void TestDrawGeometry::fontChoice_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<int>("fallback");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");

    QTest::newRow("no parameter file")
        << false << "30" << QStringList {"A"} << 12 << "SimSun" << 12;
    QTest::newRow("chart fallback") << false << "" << QStringList() << 10 << "SimSun" << 10;
    QTest::newRow("file and family") << true << "20" << QStringList {"A", "B"} << 12 << "A" << 20;
    QTest::newRow("no family") << true << "20" << QStringList() << 12 << "SimSun" << 20;
    QTest::newRow("size not a number") << true << "big" << QStringList {"A"} << 12 << "A" << 0;
    QTest::newRow("size missing") << true << "" << QStringList {"A"} << 12 << "A" << 0;
    QTest::newRow("size zero") << true << "0" << QStringList {"A"} << 12 << "A" << 0;
    QTest::newRow("size negative") << true << "-3" << QStringList {"A"} << 12 << "A" << 0;
}

void TestDrawGeometry::fontChoice()
{
    QFETCH(bool, exists);
    QFETCH(QString, sizeText);
    QFETCH(QStringList, families);
    QFETCH(int, fallback);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    const FontChoice c = chooseFont(exists, sizeText, families, fallback);
    QCOMPARE(c.family, family);
    QCOMPARE(c.pixelSize, pixelSize);
}

void TestDrawGeometry::chartFontChoice_data()
{
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("size") << "14" << 14;
    QTest::newRow("zero") << "0" << 10;
    QTest::newRow("negative") << "-3" << 10;
    QTest::newRow("not a number") << "big" << 10;
    QTest::newRow("missing") << "" << 10;
}

// The chart's tick labels keep their own 10 pixels where a font file gives no usable size.
void TestDrawGeometry::chartFontChoice()
{
    QFETCH(QString, sizeText);
    QFETCH(int, pixelSize);
    const FontChoice c = chooseFont(true, sizeText, QStringList {"A"}, 10, true);
    QCOMPARE(c.family, QString("A"));
    QCOMPARE(c.pixelSize, pixelSize);
    QCOMPARE(chooseFont(false, sizeText, QStringList {"A"}, 10, true).pixelSize, 10);
}

void TestDrawGeometry::imageTextPointSizes_data()
{
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<int>("points");
    QTest::newRow("16") << 16 << 12;
    QTest::newRow("24") << 24 << 18;
    QTest::newRow("32") << 32 << 24;
    QTest::newRow("48") << 48 << 36;
    QTest::newRow("72") << 72 << 48;
    QTest::newRow("96") << 96 << 72;
    QTest::newRow("20") << 20 << 12;
    QTest::newRow("negative") << -1 << 12;
}

void TestDrawGeometry::imageTextPointSizes()
{
    QFETCH(int, fontSize);
    QFETCH(int, points);
    QCOMPARE(imageTextPointSize(fontSize), points);
}

void TestDrawGeometry::shownText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QString::fromUtf8("文本") << 0 << QString::fromUtf8("文本");
    QTest::newRow("password") << QString::fromUtf8("文本") << 1 << "**";
    QTest::newRow("password counts UTF-16 units")
        << QString::fromUtf8("a\xF0\x9F\x98\x80") << 1 << "***";
    QTest::newRow("other mode") << "abc" << 2 << "";
}

void TestDrawGeometry::shownText()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(QString, shown);
    QCOMPARE(textBoxShownText(text, mode), shown);
}

void TestDrawGeometry::idBoxes_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("borderWidth");
    QTest::addColumn<QRect>("box");
    QTest::newRow("no border") << 60 << 0 << QRect(47, 0, 13, 10);
    QTest::newRow("border 3") << 60 << 3 << QRect(46, 1, 13, 10);
    QTest::newRow("border 4") << 60 << 4 << QRect(45, 2, 13, 10);
    QTest::newRow("negative border") << 60 << -3 << QRect(48, -1, 13, 10);
}

void TestDrawGeometry::idBoxes()
{
    QFETCH(int, w);
    QFETCH(int, borderWidth);
    QFETCH(QRect, box);
    QCOMPARE(idBox(w, 0, borderWidth), box);
    QCOMPARE(qrIdBox(53, 0), QRect(40, 0, 13, 10));
}

void TestDrawGeometry::idColour_data()
{
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QRect>("background");
    QTest::addColumn<QColor>("prog");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<bool>("black");

    const QRect box(47, 0, 13, 10);
    QTest::newRow("progress red") << box << QRect(0, 0, 60, 30) << QColor(255, 0, 0)
                                  << QColor(0, 0, 0) << true;
    QTest::newRow("progress not red")
        << box << QRect(0, 0, 60, 30) << QColor(254, 0, 0) << QColor(255, 255, 255) << false;
    QTest::newRow("background left of the box, white")
        << box << QRect(0, 0, 47, 30) << QColor(0, 0, 0) << QColor(255, 255, 255) << true;
    QTest::newRow("background left of the box, not red")
        << box << QRect(0, 0, 40, 30) << QColor(255, 0, 0) << QColor(254, 255, 255) << false;
}

void TestDrawGeometry::idColour()
{
    QFETCH(QRect, box);
    QFETCH(QRect, background);
    QFETCH(QColor, prog);
    QFETCH(QColor, back);
    QFETCH(bool, black);
    QCOMPARE(idLabelBlack(box, background, prog, back), black);
}

void TestDrawGeometry::progBars_data()
{
    QTest::addColumn<int>("dir");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QRect>("bar");

    QTest::newRow("new bar") << 0 << QSize(60, 30) << 0 << 20 << false << QRect(0, 0, 12, 30);
    QTest::newRow("right to left")
        << 1 << QSize(60, 30) << 0 << 20 << false << QRect(48, 0, 12, 30);
    QTest::newRow("29 truncates") << 0 << QSize(100, 30) << 0 << 29 << false << QRect(0, 0, 28, 30);
    QTest::newRow("57 truncates") << 0 << QSize(100, 30) << 0 << 57 << false << QRect(0, 0, 56, 30);
    QTest::newRow("above 100 fills")
        << 0 << QSize(100, 30) << 0 << 150 << false << QRect(0, 0, 100, 30);
    QTest::newRow("negative is empty")
        << 0 << QSize(100, 30) << 0 << -20 << false << QRect(0, 0, 0, 30);
    QTest::newRow("border inset") << 0 << QSize(100, 30) << 2 << 50 << false << QRect(2, 2, 48, 26);
    QTest::newRow("picture bar has no inset")
        << 0 << QSize(100, 30) << 2 << 50 << true << QRect(0, 0, 50, 30);
    QTest::newRow("right to left, border")
        << 1 << QSize(100, 30) << 2 << 50 << false << QRect(50, 2, 48, 26);
    QTest::newRow("top to bottom")
        << 2 << QSize(30, 100) << 0 << 40 << false << QRect(0, 0, 30, 40);
    QTest::newRow("bottom to top")
        << 3 << QSize(30, 100) << 1 << 50 << false << QRect(1, 50, 28, 49);
    QTest::newRow("picture bottom to top")
        << 3 << QSize(30, 100) << 1 << 50 << true << QRect(0, 50, 30, 50);
    QTest::newRow("unknown direction") << 7 << QSize(30, 100) << 0 << 50 << false << QRect();
}

void TestDrawGeometry::progBars()
{
    QFETCH(int, dir);
    QFETCH(QSize, size);
    QFETCH(int, border);
    QFETCH(int, value);
    QFETCH(bool, picture);
    QFETCH(QRect, bar);
    QCOMPARE(progBarRect(dir, 0, 0, size.width(), size.height(), border, value, picture), bar);
}

void TestDrawGeometry::barOutlineRule()
{
    // 100 x 30 bar with border 2 and radius 10 at 50 %: one corner in the cut corner.
    QPainterPath below;
    below.addRoundedRect(QRectF(0, 0, 100, 30), 10, 10);
    const QRectF bar(2, 2, 48, 26);
    const CornerDiameters d = progBarDiameters(0, 10, 0);
    QCOMPARE(d.topLeft, 20.0);
    QCOMPARE(d.topRight, 1.0);
    const QPainterPath mixed =
        barOutline(bar, below, bar.topLeft(), QPointF(bar.x() + bar.width(), bar.y()), 10, 0, d);
    QVERIFY(!mixed.contains(QPointF(2.5, 2.5))); // rounded left corner
    QVERIFY(mixed.contains(QPointF(49.8, 2.2))); // square right corner
    QVERIFY(mixed.contains(QPointF(25, 15)));

    // Both test points inside: the bar's own radius.
    const QRectF inner(10, 10, 20, 10);
    const QPainterPath own = barOutline(inner, below, inner.topLeft(), inner.topRight(), 10, 0, d);
    QVERIFY(own.contains(QPointF(10.2, 10.2)));
    // Neither inside: the radius of the part below.
    const QRectF outside(0, 0, 100, 30);
    const QPainterPath wide = barOutline(outside, below, QPointF(0, 30), QPointF(100, 0), 10, 0, d);
    QVERIFY(!wide.contains(QPointF(0.5, 0.5)));
    // A bar radius at least the radius below always rounds by itself.
    const QPainterPath big = barOutline(outside, below, QPointF(0, 30), QPointF(100, 0), 5, 5, d);
    QVERIFY(!big.contains(QPointF(0.3, 0.3)));
    QVERIFY(big.contains(QPointF(3, 3)));

    // New slider, radius 15: round left corners of diameter 30, square right ones.
    const SliderLayout s = sliderLayout(100, 30, 0, 0, 0, 40);
    QPainterPath track;
    track.addRoundedRect(QRectF(s.track), 15, 15);
    const QRectF fill(s.fill);
    const CornerDiameters sd = sliderFillDiameters(true, 15, 0);
    QCOMPARE(sd.bottomLeft, 30.0);
    QCOMPARE(sd.bottomRight, 1.0);
    const QPainterPath sliderFill =
        barOutline(fill, track, QPointF(fill.x(), fill.y() + fill.height()),
                   QPointF(fill.x() + fill.width() - 1, fill.y()), 15, 0, sd);
    QVERIFY(!sliderFill.contains(QPointF(15.5, 0.5)));
    QVERIFY(sliderFill.contains(QPointF(42.8, 0.2)));

    const CornerDiameters vertical = sliderFillDiameters(false, 4, 0);
    QCOMPARE(vertical.topLeft, 1.0);
    QCOMPARE(vertical.bottomLeft, 8.0);
    QCOMPARE(progBarDiameters(1, 4, 3).topLeft, 6.0);
    QCOMPARE(progBarDiameters(1, 4, 3).topRight, 8.0);
    QCOMPARE(progBarDiameters(2, 4, 3).topLeft, 0.0);
    QCOMPARE(progBarDiameters(3, 4, 3).bottomRight, 1.0);
}

void TestDrawGeometry::sliderLayouts_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("knob");
    QTest::addColumn<int>("value");
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<QRect>("track");
    QTest::addColumn<QRect>("fill");
    QTest::addColumn<QRect>("knobRect");

    QTest::newRow("new slider") << QSize(100, 30) << 0 << 40 << QSize(100, 30)
                                << QRect(15, 0, 70, 30) << QRect(15, 0, 28, 30)
                                << QRect(28, 0, 30, 30);
    QTest::newRow("knob 5") << QSize(100, 30) << 5 << 40 << QSize(110, 40) << QRect(20, 5, 70, 30)
                            << QRect(20, 5, 28, 30) << QRect(28, 0, 40, 40);
    QTest::newRow("negative knob")
        << QSize(100, 30) << -2 << 0 << QSize(96, 30) << QRect(13, 0, 70, 30) << QRect(13, 0, 0, 30)
        << QRect(0, 2, 26, 26);
    QTest::newRow("vertical") << QSize(30, 100) << 0 << 40 << QSize(30, 100) << QRect(0, 15, 30, 70)
                              << QRect(0, 57, 30, 28) << QRect(0, 42, 30, 30);
    QTest::newRow("vertical knob 5")
        << QSize(30, 100) << 5 << 100 << QSize(40, 110) << QRect(5, 20, 30, 70)
        << QRect(5, 20, 30, 70) << QRect(0, 0, 40, 40);
    QTest::newRow("vertical negative knob")
        << QSize(30, 100) << -3 << 0 << QSize(30, 94) << QRect(0, 12, 30, 70) << QRect(0, 82, 30, 0)
        << QRect(3, 70, 24, 24);
    QTest::newRow("square is horizontal, empty track")
        << QSize(40, 40) << 0 << 80 << QSize(40, 40) << QRect(20, 0, 0, 40) << QRect(20, 0, 0, 40)
        << QRect(0, 0, 40, 40);
}

void TestDrawGeometry::sliderLayouts()
{
    QFETCH(QSize, size);
    QFETCH(int, knob);
    QFETCH(int, value);
    QFETCH(QSize, widget);
    QFETCH(QRect, track);
    QFETCH(QRect, fill);
    QFETCH(QRect, knobRect);
    const SliderLayout s = sliderLayout(size.width(), size.height(), knob, 0, 0, value);
    QCOMPARE(s.widgetSize, widget);
    QCOMPARE(s.track, track);
    QCOMPARE(s.fill, fill);
    QCOMPARE(s.knob, knobRect);
}

void TestDrawGeometry::arcLayouts_data()
{
    QTest::addColumn<QVector<int>>("in"); // w h knob border arcW selW start end rot value
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<QRect>("square");
    QTest::addColumn<QRect>("arc");
    QTest::addColumn<QVector<int>>("angles"); // start, track span, value span
    QTest::addColumn<QRect>("knob");

    QTest::newRow("new arc") << QVector<int> {100, 100, 5, 0, 10, 10, 0, 360, 0, 40}
                             << QSize(110, 110) << QRect(5, 5, 100, 100) << QRect(10, 10, 90, 90)
                             << QVector<int> {2880, -5760, -2304} << QRect(81, 19, 20, 20);
    QTest::newRow("wider keeps the smaller side")
        << QVector<int> {150, 100, 0, 0, 10, 10, 0, 360, 0, 0} << QSize(100, 100)
        << QRect(0, 0, 100, 100) << QRect(5, 5, 90, 90) << QVector<int> {2880, -5760, 0}
        << QRect(0, 45, 10, 10);
    QTest::newRow("rotated three quarters")
        << QVector<int> {100, 100, 0, 0, 10, 10, 0, 270, 45, 100} << QSize(100, 100)
        << QRect(0, 0, 100, 100) << QRect(5, 5, 90, 90) << QVector<int> {2160, -4320, -4320}
        << QRect(13, 77, 10, 10);
    QTest::newRow("end before start runs counter-clockwise")
        << QVector<int> {100, 100, 0, 0, 10, 10, 90, 0, 0, 50} << QSize(100, 100)
        << QRect(0, 0, 100, 100) << QRect(5, 5, 90, 90) << QVector<int> {1440, 1440, 720}
        << QRect(13, 13, 10, 10);
    QTest::newRow("border and wider value arc")
        << QVector<int> {100, 100, 0, 3, 4, 8, 0, 360, 0, 0} << QSize(100, 100)
        << QRect(0, 0, 100, 100) << QRect(7, 7, 86, 86) << QVector<int> {2880, -5760, 0}
        << QRect(3, 46, 8, 8);
    QTest::newRow("no value arc: knob of twice the overhang")
        << QVector<int> {100, 100, 5, 0, 10, 0, 0, 360, 0, 0} << QSize(110, 110)
        << QRect(5, 5, 100, 100) << QRect(10, 10, 90, 90) << QVector<int> {2880, -5760, 0}
        << QRect(5, 50, 10, 10);
}

void TestDrawGeometry::arcLayouts()
{
    QFETCH(QVector<int>, in);
    QFETCH(QSize, widget);
    QFETCH(QRect, square);
    QFETCH(QRect, arc);
    QFETCH(QVector<int>, angles);
    QFETCH(QRect, knob);
    ArcInput a;
    a.w = in[0];
    a.h = in[1];
    a.knob = in[2];
    a.borderWidth = in[3];
    a.arcWidth = in[4];
    a.selectWidth = in[5];
    a.start = in[6];
    a.end = in[7];
    a.rotation = in[8];
    a.value = in[9];
    const ArcLayout l = arcLayout(a);
    QCOMPARE(l.widgetSize, widget);
    QCOMPARE(l.square, square);
    QCOMPARE(l.arcRect, arc);
    QCOMPARE(l.start16, angles[0]);
    QCOMPARE(l.trackSpan16, angles[1]);
    QCOMPARE(l.valueSpan16, angles[2]);
    QCOMPARE(l.knob, knob);
}

void TestDrawGeometry::arcKnobFollowsRotation()
{
    // Extreme angles and sizes from a file compute without overflow.
    ArcInput a;
    a.w = a.h = intMax;
    a.knob = intMax;
    a.borderWidth = intMin;
    a.arcWidth = intMax;
    a.start = intMin;
    a.end = intMax;
    a.rotation = intMax;
    a.value = 100;
    const ArcLayout l = arcLayout(a);
    QVERIFY(qAbs(l.trackSpan16) <= 5760);
    QVERIFY(qAbs(l.valueSpan16) <= 5760);
    QVERIFY(qAbs(l.start16) < 5760);
}

void TestDrawGeometry::meterAngles_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("angle");
    QTest::addColumn<double>("degrees");

    QTest::newRow("0") << 0 << 0 << 100 << 360 << 0.0;
    QTest::newRow("25") << 25 << 0 << 100 << 360 << 90.0;
    QTest::newRow("50") << 50 << 0 << 100 << 360 << 180.0;
    QTest::newRow("100") << 100 << 0 << 100 << 360 << 360.0;
    QTest::newRow("270 over the range") << 100 << 0 << 100 << 270 << 270.0;
    QTest::newRow("empty range") << 40 << 5 << 5 << 360 << 0.0;
    QTest::newRow("minimum stands at 0") << 50 << 50 << 150 << 360 << 0.0;
    QTest::newRow("offset range") << 100 << 50 << 150 << 360 << 180.0;
    QTest::newRow("full int range") << intMax << intMin << intMax << 360 << 360.0;
}

void TestDrawGeometry::meterAngles()
{
    QFETCH(int, value);
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(int, angle);
    QFETCH(double, degrees);
    QCOMPARE(meterAngle(value, minValue, maxValue, angle), degrees);
}

void TestDrawGeometry::meterCentres()
{
    QCOMPARE(meterCentre(100), QPoint(49, 49));
    QCOMPARE(meterCentre(80), QPoint(39, 39));
    QCOMPARE(meterCentre(0), QPoint(0, 0));
}

void TestDrawGeometry::ticks_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("dir");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("subCount");
    QTest::addColumn<QVector<double>>("ticks");
    QTest::addColumn<QVector<double>>("subTicks");

    QTest::newRow("left axis") << 115.0 << 80.0 << -1 << 5 << 1 << doubles({115, 95, 75, 55, 35})
                               << doubles({105, 85, 65, 45});
    QTest::newRow("bottom axis") << 35.0 << 130.0 << 1 << 5 << 0
                                 << doubles({35, 67.5, 100, 132.5, 165}) << doubles({});
    QTest::newRow("two sub-ticks")
        << 0.0 << 30.0 << 1 << 2 << 2 << doubles({0, 30}) << doubles({10, 20});
    QTest::newRow("no ticks") << 115.0 << 80.0 << -1 << 0 << 1 << doubles({}) << doubles({});
    QTest::newRow("negative count") << 115.0 << 80.0 << -1 << -4 << 1 << doubles({}) << doubles({});
    QTest::newRow("one tick at the start")
        << 115.0 << 80.0 << -1 << 1 << 3 << doubles({115}) << doubles({});
    QTest::newRow("sub-ticks capped to one per pixel")
        << 0.0 << 4.0 << 1 << 2 << intMax << doubles({0, 4}) << doubles({1, 2, 3});
    QTest::newRow("ticks capped to one per pixel")
        << 0.0 << 3.0 << 1 << intMax << intMax << doubles({0, 1, 2, 3}) << doubles({});
    QTest::newRow("no span: one tick")
        << 10.0 << 0.0 << 1 << 5 << 1 << doubles({10}) << doubles({});
}

void TestDrawGeometry::ticks()
{
    QFETCH(double, start);
    QFETCH(double, length);
    QFETCH(int, dir);
    QFETCH(int, count);
    QFETCH(int, subCount);
    QFETCH(QVector<double>, ticks);
    QFETCH(QVector<double>, subTicks);
    const AxisTicks a = axisTicks(start, length, dir, count, subCount, 1000);
    QCOMPARE(a.ticks, ticks);
    QCOMPARE(a.subTicks, subTicks);
}

void TestDrawGeometry::lineCaps()
{
    // A span of 2^31 pixels from a file draws no more lines than the widget has pixels.
    const AxisTicks a = axisTicks(0, 2147483648.0, 1, intMax, intMax, 150);
    QCOMPARE(a.ticks.size(), 151);
    QVERIFY(a.subTicks.size() <= 150);
    QCOMPARE(a.ticks.last(), 2147483648.0);
    QCOMPARE(gridLines(0, -2147483648.0, -1, intMax, 80).size(), 81);
    QCOMPARE(axisTicks(0, 100, 1, 5, 3, 0).ticks.size(), 1);
}

void TestDrawGeometry::labelValues_data()
{
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<int>>("labels"); // truncated

    QTest::newRow("default") << 0 << 400 << 5 << QVector<int> {0, 100, 200, 300, 400};
    QTest::newRow("thirds truncate") << 0 << 100 << 4 << QVector<int> {0, 33, 66, 100};
    QTest::newRow("empty range") << 5 << 5 << 3 << QVector<int> {5, 5, 5};
    QTest::newRow("one tick") << 7 << 100 << 1 << QVector<int> {7};
    QTest::newRow("none") << 0 << 100 << 0 << QVector<int> {};
    QTest::newRow("full int range") << intMin << intMax << 2 << QVector<int> {intMin, intMax};
}

void TestDrawGeometry::labelValues()
{
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(int, count);
    QFETCH(QVector<int>, labels);
    const QVector<double> v = tickLabelValues(minValue, maxValue, count);
    QCOMPARE(v.size(), labels.size());
    for (int i = 0; i < v.size(); ++i)
        QCOMPARE(qint64(v[i]), qint64(labels[i]));
}

void TestDrawGeometry::series_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QVector<double>>("values");
    QTest::newRow("default") << "300/400/300/400" << doubles({300, 400, 300, 400});
    QTest::newRow("empty part") << "1//3" << doubles({1, 0, 3});
    QTest::newRow("single") << "250" << doubles({250});
    QTest::newRow("not numbers") << "abc/2.5" << doubles({0, 2.5});
    QTest::newRow("not finite") << "nan/inf/-inf/1e999" << doubles({0, 0, 0, 0});
    QTest::newRow("empty text") << "" << doubles({0});
}

void TestDrawGeometry::series()
{
    QFETCH(QString, data);
    QFETCH(QVector<double>, values);
    QCOMPARE(seriesValues(data), values);
}

void TestDrawGeometry::grid_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("dir");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<int>>("lines");

    QTest::newRow("rows") << 115.0 << 80.0 << -1 << 5 << QVector<int> {115, 95, 75, 55, 35};
    QTest::newRow("columns") << 35.0 << 130.0 << 1 << 3 << QVector<int> {35, 100, 165};
    QTest::newRow("one line") << 35.0 << 130.0 << 1 << 1 << QVector<int> {35};
    QTest::newRow("none") << 35.0 << 130.0 << 1 << 0 << QVector<int> {};
    QTest::newRow("capped") << 0.0 << 2.0 << 1 << intMax << QVector<int> {0, 1, 2};
}

void TestDrawGeometry::grid()
{
    QFETCH(double, start);
    QFETCH(double, length);
    QFETCH(int, dir);
    QFETCH(int, count);
    QFETCH(QVector<int>, lines);
    QCOMPARE(gridLines(start, length, dir, count, 1000), lines);
}

void TestDrawGeometry::seriesPoints_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<QVector<QPoint>>("points");

    QTest::newRow("series 0") << "300/400/300/400" << 0 << 400
                              << QVector<QPoint> {{35, 55}, {78, 35}, {121, 55}, {165, 35}};
    QTest::newRow("series 1") << "100/200/100/200" << 0 << 400
                              << QVector<QPoint> {{35, 95}, {78, 75}, {121, 95}, {165, 75}};
    QTest::newRow("range 100 to 500")
        << "100/500" << 100 << 500 << QVector<QPoint> {{35, 115}, {165, 35}};
    QTest::newRow("empty range lies on the base")
        << "3/9" << 7 << 7 << QVector<QPoint> {{35, 115}, {165, 115}};
    QTest::newRow("huge values stay in range")
        << "1e300/-1e300" << 0 << 1 << QVector<QPoint> {{35, -(1 << 24)}, {165, 1 << 24}};
}

void TestDrawGeometry::seriesPoints()
{
    QFETCH(QString, data);
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(QVector<QPoint>, points);
    const QVector<double> v = seriesValues(data);
    QCOMPARE(v.size(), points.size());
    for (int k = 0; k < v.size(); ++k) {
        QCOMPARE(seriesPoint(k, v.size(), 35, 130, 115, 80, v[k], minValue, maxValue), points[k]);
    }
}

void TestDrawGeometry::qrSymbols()
{
    const QrSymbol s = encodeQr("https://www.example.com");
    QCOMPARE(s.width, 25); // version 2
    // Finder pattern at the top-left: dark ring, light ring, dark 3 x 3 centre.
    for (int i = 0; i < 7; ++i) {
        QVERIFY(s.isDark(0, i));
        QVERIFY(s.isDark(6, i));
        QVERIFY(s.isDark(i, 0));
        QVERIFY(s.isDark(i, 6));
    }
    for (int i = 1; i < 6; ++i) {
        QVERIFY(!s.isDark(1, i));
        QVERIFY(!s.isDark(5, i));
    }
    QVERIFY(s.isDark(3, 3));
    QVERIFY(!s.isDark(7, 7)); // separator

    QCOMPARE(encodeQr(QString(26, 'a')).width, 25);
    QCOMPARE(encodeQr(QString(27, 'a')).width, 29); // one version more
    QCOMPARE(encodeQr(QString()).width, 0);
    QCOMPARE(encodeQr(QString(3000, 'a')).width, 0); // over capacity: no symbol
    // Case-sensitive 8-bit data: upper and lower case give different symbols.
    QVERIFY(encodeQr("abc").dark != encodeQr("ABC").dark);
}

QTEST_MAIN(TestDrawGeometry)
#include "tst_drawgeometry.moc"
