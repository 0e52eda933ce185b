#include "attributelimits.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "sheetrules.h"

#include <QtTest>

#include <limits>

// The limits and couplings of sheet edits, from tables.
class TestSheetRules : public QObject
{
    Q_OBJECT
private slots:
    void newWidgetsNeedNoSettling();
    void lowestValuesSettle_data();
    void lowestValuesSettle();
    void ranges_data();
    void ranges();
    void coupling_data();
    void coupling();
    void geometry_data();
    void geometry();
    void textFilter_data();
    void textFilter();
    void keys_data();
    void keys();
    void eventKeys_data();
    void eventKeys();
    void resolution_data();
    void resolution();
    void backlight_data();
    void backlight();
    void background_data();
    void background();
};

void TestSheetRules::ranges_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("opacity") << "ybexItemOpa" << true << 0 << 255;
    QTest::newRow("font opacity") << "fontOpa" << true << 0 << 255;
    QTest::newRow("cursor text opacity") << "ybexItemCurrorTextOpa" << true << 0 << 255;
    QTest::newRow("picture opacity") << "ybexItemPressImageOpa" << true << 0 << 255;
    QTest::newRow("arc select opacity") << "ybexItemArcSelectOpa" << true << 0 << 255;
    QTest::newRow("page opacity") << "pageOpa" << false << 0 << 0;
    QTest::newRow("progress") << "ybexItemProgValue" << true << 0 << 100;
    QTest::newRow("arc start") << "ybexItemArcStartValue" << true << 0 << 360;
    QTest::newRow("arc end") << "ybexItemArcEndValue" << true << 0 << 360;
    QTest::newRow("arc rotation") << "ybexItemArcRotation" << false << 0 << 0;
    QTest::newRow("text length") << "longTextLen" << true << 0 << 65535;
    QTest::newRow("point count") << "ybexItemChartSerPointCount0" << true << 0 << 65535;
    QTest::newRow("radius") << "ybexItemRadius" << false << 0 << 0;
}

void TestSheetRules::ranges()
{
    QFETCH(QString, key);
    QFETCH(bool, limited);
    QFETCH(int, min);
    QFETCH(int, max);
    int lo = -1;
    int hi = -1;
    QCOMPARE(AttributeLimits::valueRange(key, &lo, &hi), limited);
    if (limited) {
        QCOMPARE(lo, min);
        QCOMPARE(hi, max);
    }
}

void TestSheetRules::coupling_data()
{
    QTest::addColumn<QString>("opacity");
    QTest::addColumn<QStringList>("colors");
    QTest::newRow("font") << "fontOpa" << QStringList {"fontColor"};
    QTest::newRow("background") << "ybexItemOpa"
                                << QStringList {"ybexItemBackground1", "ybexItemBackground2"};
    QTest::newRow("pressed border")
        << "ybexItemPressBorderOpa" << QStringList {"ybexItemPressBorderColor"};
    QTest::newRow("indicator tint")
        << "ybexItemProgImageColorOpa" << QStringList {"ybexItemProgImageColor"};
    QTest::newRow("handle") << "ybexItemHandleOpa"
                            << QStringList {"ybexItemHandleBackground1",
                                            "ybexItemHandleBackground2"};
    QTest::newRow("selected arc") << "ybexItemArcSelectOpa"
                                  << QStringList {"ybexItemArcSelectBackground1"};
    QTest::newRow("cursor") << "ybexItemCurrorOpa" << QStringList {"ybexItemCurrorColor"};
    QTest::newRow("page") << "pageOpa" << QStringList {"pageColorGrad1", "pageColorGrad2"};
    QTest::newRow("picture opacity has no colour") << "ybexItemImageOpa" << QStringList();
    QTest::newRow("meter colours have no opacity") << "ybexItemMeterDotSize" << QStringList();
}

void TestSheetRules::coupling()
{
    QFETCH(QString, opacity);
    QFETCH(QStringList, colors);
    QCOMPARE(AttributeLimits::colorsOfOpacity(opacity), colors);
    for (const QString &color : colors)
        QCOMPARE(AttributeLimits::opacityOfColor(color), opacity);
    QVERIFY(AttributeLimits::opacityOfColor("ybexItemMeterPointColor1").isEmpty());
    QVERIFY(AttributeLimits::opacityOfColor("ybexItemChartSerColor0").isEmpty());
}

void TestSheetRules::geometry_data()
{
    QTest::addColumn<bool>("position");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("other");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("result");
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    // position: value, widget extent, page extent
    QTest::newRow("x inside") << true << 30 << 50 << 800 << 30;
    QTest::newRow("x below 0") << true << -10 << 50 << 800 << 0;
    QTest::newRow("x past the end") << true << 790 << 50 << 800 << 750;
    QTest::newRow("x exactly at the end") << true << 750 << 50 << 800 << 750;
    QTest::newRow("wider than the page") << true << 5 << 900 << 800 << -100;
    QTest::newRow("x near int max") << true << max << 50 << 800 << 750;
    QTest::newRow("extent near int min") << true << 10 << min << 800 << 10;
    QTest::newRow("extent near int max") << true << 5 << max << 800 << 800 - max;
    // extent: value, widget position, page extent
    QTest::newRow("w inside") << false << 100 << 10 << 800 << 100;
    QTest::newRow("w of 0") << false << 0 << 10 << 800 << 2;
    QTest::newRow("w negative") << false << -7 << 10 << 800 << 2;
    QTest::newRow("w past the end") << false << 900 << 10 << 800 << 790;
    QTest::newRow("w near int max") << false << max << 10 << 800 << 790;
    QTest::newRow("position near int min") << false << 10 << min << 800 << 10;
    QTest::newRow("position far left") << false << 10 << -max << 800 << 10;
    QTest::newRow("position past the page") << false << 10 << 900 << 800 << -100;
}

void TestSheetRules::geometry()
{
    QFETCH(bool, position);
    QFETCH(int, value);
    QFETCH(int, other);
    QFETCH(int, page);
    QFETCH(int, result);
    QCOMPARE(position ? SheetRules::limitPosition(value, other, page)
                      : SheetRules::limitExtent(value, other, page),
             result);
}

void TestSheetRules::textFilter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<QString>("kept");
    QTest::newRow("font holds two characters")
        << QString("A你b我\n") << QString("你好") << QString("A你b");
    QTest::newRow("ASCII always stays") << QString(" ~\x7f!") << QString() << QString(" ~\x7f!");
    QTest::newRow("control characters go") << QString("a\tb\rc") << QString() << QString("abc");
    QTest::newRow("every occurrence goes") << QString("我a我b我") << QString() << QString("ab");
    QTest::newRow("Latin-1 letters need the font")
        << QString::fromUtf8("café") << QString::fromUtf8("é") << QString::fromUtf8("café");
    QTest::newRow("Latin-1 letters without the font")
        << QString::fromUtf8("café") << QString() << QString("caf");
    QTest::newRow("a line break in the symbols stays")
        << QString("a\nb") << QString("\n") << QString("a\nb");
}

void TestSheetRules::textFilter()
{
    QFETCH(QString, text);
    QFETCH(QString, symbols);
    QFETCH(QString, kept);
    QCOMPARE(SheetRules::filterText(text, symbols), kept);
}

void TestSheetRules::keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("index");
    QTest::newRow("needle 2") << "ybexItemMeterXPivot2"
                              << "ybexItemMeterXPivot" << true << 2;
    QTest::newRow("axis 0") << "ybexItemChartTickCount0"
                            << "ybexItemChartTickCount" << true << 0;
    QTest::newRow("no index") << "ybexItemMeterAngle"
                              << "ybexItemMeterAngle" << false << 0;
    QTest::newRow("another base") << "ybexItemChartTickLabelEnable1"
                                  << "ybexItemChartTickLength" << false << 0;
    QTest::newRow("letters after") << "ybexItemMeterAngle1x"
                                   << "ybexItemMeterAngle" << false << 0;
    QTest::newRow("sign") << "ybexItemMeterAngle-1"
                          << "ybexItemMeterAngle" << false << 0;
}

void TestSheetRules::keys()
{
    QFETCH(QString, key);
    QFETCH(QString, base);
    QFETCH(bool, ok);
    QFETCH(int, index);
    int got = -1;
    QCOMPARE(SheetRules::indexOf(key, base, &got), ok);
    if (ok)
        QCOMPARE(got, index);

    int series = -1;
    int point = -1;
    QVERIFY(SheetRules::chartValueKey("ybexItemChartSerDataValue1_2", &series, &point));
    QCOMPARE(series, 1);
    QCOMPARE(point, 2);
    QCOMPARE(SheetRules::chartValueKeyOf(1, 2), QString("ybexItemChartSerDataValue1_2"));
    QVERIFY(!SheetRules::chartValueKey("ybexItemChartSerDataValue1", &series, &point));
    QVERIFY(!SheetRules::chartValueKey("ybexItemChartSerDataValue1_x", &series, &point));
}

void TestSheetRules::eventKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("event");
    QTest::newRow("widget") << "Event_Wnd_1_3" << true << "Event_Wnd" << 1 << 3;
    QTest::newRow("page") << "Event_Frame_0_0" << true << "Event_Frame" << 0 << 0;
    QTest::newRow("timer") << "Event_Timer_19_2" << true << "Event_Timer" << 19 << 2;
    QTest::newRow("three parts") << "Event_Wnd_1" << false << "" << 0 << 0;
    QTest::newRow("five parts") << "Event_Wnd_1_2_3" << false << "" << 0 << 0;
    QTest::newRow("not a number") << "Event_Wnd_a_0" << false << "" << 0 << 0;
    QTest::newRow("another word") << "Other_Wnd_1_0" << false << "" << 0 << 0;
}

void TestSheetRules::eventKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, ok);
    QString prefix;
    int param = -1;
    int event = -1;
    QCOMPARE(SheetRules::eventKey(key, &prefix, &param, &event), ok);
    if (!ok)
        return;
    QTEST(prefix, "prefix");
    QTEST(param, "param");
    QTEST(event, "event");
}

void TestSheetRules::resolution_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("sized");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("listed") << "480*272(HHVGA)" << 2 << true << 480 << 272;
    QTest::newRow("same size, other name") << "480*272(OTHER)" << 2 << true << 480 << 272;
    QTest::newRow("no bracket") << "480*272" << -1 << true << 480 << 272;
    QTest::newRow("unknown size") << "999*999(X)" << -1 << true << 999 << 999;
    QTest::newRow("empty") << "" << -1 << false << 0 << 0;
    QTest::newRow("two stars") << "1*2*3" << -1 << false << 0 << 0;
}

void TestSheetRules::resolution()
{
    const QStringList list {"128*128(SQQVGA)", "800*480(WVGA1)", "480*272(HHVGA)"};
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(bool, sized);
    QCOMPARE(SheetRules::resolutionIndex(text, list), index);
    int width = 0;
    int height = 0;
    QCOMPARE(SheetRules::resolutionSize(text, &width, &height), sized);
    if (sized) {
        QTEST(width, "width");
        QTEST(height, "height");
        QCOMPARE(SheetRules::frameSize(width, height, 0), QSize(width, height));
        QCOMPARE(SheetRules::frameSize(width, height, 1), QSize(height, width));
        QCOMPARE(SheetRules::frameSize(width, height, 2), QSize(width, height));
        QCOMPARE(SheetRules::frameSize(width, height, 3), QSize(height, width));
    }
}

void TestSheetRules::backlight_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("storedBack");
    QTest::newRow("full") << 255 << 100 << 255;
    QTest::newRow("default") << 51 << 20 << 51;
    QTest::newRow("rounds down") << 52 << 20 << 51;
    QTest::newRow("below one percent") << 2 << 0 << 0;
    QTest::newRow("off") << 0 << 0 << 0;
}

void TestSheetRules::backlight()
{
    QFETCH(int, stored);
    QFETCH(int, percent);
    QFETCH(int, storedBack);
    QCOMPARE(SheetRules::percentOfBacklight(stored), percent);
    QCOMPARE(SheetRules::backlightOfPercent(percent), storedBack);
}

void TestSheetRules::background_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("check");
    const int accepted = SheetRules::BackgroundAccepted;
    const int notJpg = SheetRules::BackgroundNotJpg;
    const int ignored = SheetRules::BackgroundIgnored;
    QTest::newRow("jpg on series 0") << 0 << 0 << accepted;
    QTest::newRow("JPG on series 0") << 1 << 0 << accepted;
    QTest::newRow("Jpg on series 0") << 2 << 0 << notJpg;
    QTest::newRow("png on series 0") << 3 << 0 << notJpg;
    QTest::newRow("png on series 1") << 3 << 1 << accepted;
    QTest::newRow("unknown series") << 0 << 2 << ignored;
    QTest::newRow("past the library") << 4 << 1 << ignored;
    QTest::newRow("negative") << -3 << 1 << ignored;
    QTest::newRow("text") << SheetRules::imageNumber("x") << 0 << accepted;
}

void TestSheetRules::background()
{
    const QStringList paths {"/p/tempImages/0_a.jpg", "/p/tempImages/1_b.JPG",
                             "/p/tempImages/2_c.Jpg", "/p/tempImages/3_d.png"};
    QFETCH(int, number);
    QFETCH(int, series);
    QFETCH(int, check);
    QCOMPARE(int(SheetRules::pageBackground(number, paths, series)), check);

    QCOMPARE(SheetRules::imageText(-1), QString());
    QCOMPARE(SheetRules::imageText(-7), QString());
    QCOMPARE(SheetRules::imageText(0), QString("0"));
    QCOMPARE(SheetRules::imageNumber(QString()), -1);
    QCOMPARE(SheetRules::imageNumber("12"), 12);
}

// Every widget starts within its rows, so showing its sheet or a run changes nothing.
void TestSheetRules::newWidgetsNeedNoSettling()
{
    QWidget canvas;
    for (int code = 0; code < WidgetTypeCount; ++code) {
        for (bool checkable : {false, true}) {
            QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(code), 1, &canvas));
            w->setCheckabled(checkable);
            QVERIFY2(!AttributeLimits::needsSettling(*w), qPrintable(w->getTypeName()));
            QVERIFY(!AttributeLimits::settle(*w));
        }
    }
    // One value out of its row is found and put within it.
    QScopedPointer<QMyWidget> slider(QMyWidgetFactory::create(WidgetType::Slider, 1, &canvas));
    slider->setProgValue(101);
    QVERIFY(AttributeLimits::needsSettling(*slider));
    QVERIFY(AttributeLimits::settle(*slider));
    QCOMPARE(slider->getProgValue(), 100);
    QVERIFY(!AttributeLimits::needsSettling(*slider));
}

// Choice rows whose numbers begin at 1: a stored value at the end of the int range, as a
// hand-edited file may hold, settles to the first choice.
void TestSheetRules::lowestValuesSettle_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QString>("key");
    QTest::newRow("meter needles")
        << widgetTypeCode(WidgetType::Meter) << QStringLiteral("ybexItemMeterPointNum");
    QTest::newRow("chart series") << widgetTypeCode(WidgetType::Chart)
                                  << QStringLiteral("ybexItemChartSerCount");
}

void TestSheetRules::lowestValuesSettle()
{
    QFETCH(int, typeCode);
    QFETCH(QString, key);
    QWidget canvas;
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(typeCode), 1, &canvas));
    w->setIntValue(key, std::numeric_limits<int>::min());
    QVERIFY(AttributeLimits::needsSettling(*w));
    QVERIFY(AttributeLimits::settle(*w));
    QCOMPARE(w->intValue(key), 1);
}

QTEST_MAIN(TestSheetRules)
#include "tst_sheetrules.moc"
