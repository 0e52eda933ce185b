#include "drawgeometry.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QtTest>

// The attribute record: alignments, positions, events and slots, array bounds, chart
// series text, the paste copy and the keyed access of the project file.
class TestQMyWidget : public QObject
{
    Q_OBJECT
private slots:
    void alignment_data();
    void alignment();
    void positionKeepsGeometryRect();
    void geometryAtTheIntLimits();
    void eventSlots();
    void eventListOperations();
    void replaceEventLeavesCopiesAlone();
    void arrayBounds_data();
    void arrayBounds();
    void colorComponents();
    void seriesValue_data();
    void seriesValue();
    void seriesSetValue_data();
    void seriesSetValue();
    void seriesResize_data();
    void seriesResize();
    void fileKeys();
    void fileValueRoundTrip();
    void fileValueParsing_data();
    void fileValueParsing();
    void colorKeys();
    void copyAttributes();
    void copyEvents();

private:
    QWidget canvas;
};

void TestQMyWidget::alignment_data()
{
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<int>("hFlag");
    QTest::addColumn<int>("vFlag");
    QTest::addColumn<int>("index");
    QTest::newRow("new") << QList<int>() << int(Qt::AlignHCenter) << int(Qt::AlignVCenter) << 0;
    QTest::newRow("0") << QList<int> {0} << int(Qt::AlignHCenter) << int(Qt::AlignVCenter) << 0;
    QTest::newRow("1") << QList<int> {1} << int(Qt::AlignLeft) << int(Qt::AlignTop) << 1;
    QTest::newRow("2") << QList<int> {2} << int(Qt::AlignRight) << int(Qt::AlignBottom) << 2;
    QTest::newRow("1 then 3") << QList<int> {1, 3} << int(Qt::AlignLeft) << int(Qt::AlignTop) << 1;
    QTest::newRow("2 then -1") << QList<int> {2, -1} << int(Qt::AlignRight) << int(Qt::AlignBottom)
                               << 2;
    QTest::newRow("2 then 0") << QList<int> {2, 0} << int(Qt::AlignHCenter) << int(Qt::AlignVCenter)
                              << 0;
}

void TestQMyWidget::alignment()
{
    QFETCH(QList<int>, indexes);
    QFETCH(int, hFlag);
    QFETCH(int, vFlag);
    QFETCH(int, index);
    QMyWidget w(1, WidgetType::Lab, "Lab", &canvas);
    for (int i : indexes) {
        w.setHAlign(i);
        w.setVAlign(i);
    }
    QCOMPARE(int(w.hAlignFlag()), hFlag);
    QCOMPARE(int(w.vAlignFlag()), vFlag);
    QCOMPARE(w.getHAlign(), index);
    QCOMPARE(w.getVAlign(), index);
    QCOMPARE(w.fileValue("hAlign"), QString::number(index));
    QCOMPARE(w.fileValue("vAlign"), QString::number(index));
}

void TestQMyWidget::positionKeepsGeometryRect()
{
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    w.setPos(10, 20);
    QCOMPARE(w.getGeometryRect(), QRect(10, 20, 60, 30));
    QCOMPARE(w.pos(), QPoint(10, 20));
    w.setX(100);
    w.setY(50);
    QCOMPARE(w.pos(), QPoint(100, 50));
    QCOMPARE(w.getX(), 100);
    QCOMPARE(w.getY(), 50);
    QCOMPARE(w.getGeometryRect(), QRect(10, 20, 60, 30));
    w.setW(80);
    QCOMPARE(w.getGeometryRect(), QRect(10, 20, 60, 30));
    w.setPos(1, 2);
    QCOMPARE(w.getGeometryRect(), QRect(1, 2, 80, 30));
}

// Values at the ends of the int range are bounded before any rectangle is made of them.
void TestQMyWidget::geometryAtTheIntLimits()
{
    const int limit = DrawGeometry::CoordLimit;
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    w.setW(INT_MAX);
    w.setH(INT_MIN);
    w.setPos(INT_MAX, INT_MIN);
    QCOMPARE(w.getGeometryRect(), QRect(limit, -limit, limit, -limit));
    QCOMPARE(QPoint(w.getX(), w.getY()), QPoint(limit, -limit));
    QCOMPARE(QSize(w.getW(), w.getH()), QSize(limit, -limit));
    w.setX(INT_MIN);
    w.setY(INT_MAX);
    QCOMPARE(QPoint(w.getX(), w.getY()), QPoint(-limit, limit));
}

void TestQMyWidget::eventSlots()
{
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    w.setEventStatus(2, 1);
    w.setEventText(2, "code");
    QCOMPARE(w.getEventStatus(2), 1);
    QCOMPARE(w.getEventText(2), QString("code"));

    // Keys outside 0..4 are never added, neither by a getter nor by a setter.
    w.setEventText(5, "lost");
    w.setEventStatus(5, 1);
    QCOMPARE(w.getEventText(5), QString());
    QCOMPARE(w.getEventStatus(5), 0);
    QVERIFY(!w.setEventContent(5, 1, "lost"));
    QCOMPARE(w.getEventText(5), QString());
    QVERIFY(!w.setEventContent(-1, 1, "lost"));

    QVERIFY(w.setEventContent(4, 3, "all"));
    QCOMPARE(w.getEventStatus(4), 3);
    QCOMPARE(w.getEventText(4), QString("all"));
    QCOMPARE(w.getEventStatus(2), 1);
}

static EventInfo makeEvent(int type, const QString &first)
{
    EventInfo e;
    e.setType(type);
    e.setUserType(3);
    e.setParam(0, first);
    return e;
}

void TestQMyWidget::eventListOperations()
{
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    EventInfo original = makeEvent(1, "a");
    w.addEvent(original);
    original.setParam(0, "changed outside");
    w.addEvent(makeEvent(2, "b"));
    QCOMPARE(w.getEvents().size(), 2);
    QCOMPARE(w.getEvents().at(0).param(0), QString("a"));

    w.removeEvent(-1);
    w.removeEvent(2);
    QCOMPARE(w.getEvents().size(), 2);

    // Out-of-range replaces are ignored, in the list and in the record.
    w.replaceEvent(2, 0, "x");
    w.replaceEvent(-1, 0, "x");
    w.replaceEvent(0, 20, "x");
    w.replaceEvent(0, -1, "x");
    QCOMPARE(w.getEvents().at(0).param(0), QString("a"));
    QCOMPARE(w.getEvents().at(1).param(0), QString("b"));

    w.replaceEvent(1, 19, "last");
    QCOMPARE(w.getEvents().at(1).param(19), QString("last"));
    QCOMPARE(w.getEvents().at(1).type(), 2);

    w.removeEvent(0);
    QCOMPARE(w.getEvents().size(), 1);
    QCOMPARE(w.getEvents().at(0).type(), 2);
}

void TestQMyWidget::replaceEventLeavesCopiesAlone()
{
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    w.addEvent(makeEvent(0, "old"));
    const QList<EventInfo> before = w.getEvents();
    w.replaceEvent(0, 0, "new");
    QCOMPARE(before.at(0).param(0), QString("old"));
    QCOMPARE(w.getEvents().at(0).param(0), QString("new"));
}

void TestQMyWidget::arrayBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<int>("count");
    QTest::newRow("needle -1") << -1 << false << 3;
    QTest::newRow("needle 0") << 0 << true << 3;
    QTest::newRow("needle 2") << 2 << true << 3;
    QTest::newRow("needle 3") << 3 << false << 3;
    QTest::newRow("axis -1") << -1 << false << 4;
    QTest::newRow("axis 3") << 3 << true << 4;
    QTest::newRow("axis 4") << 4 << false << 4;
    QTest::newRow("series -1") << -1 << false << 2;
    QTest::newRow("series 1") << 1 << true << 2;
    QTest::newRow("series 2") << 2 << false << 2;
    QTest::newRow("series 5") << 5 << false << 2;
}

void TestQMyWidget::arrayBounds()
{
    QFETCH(int, index);
    QFETCH(bool, inside);
    QFETCH(int, count);
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create("Chart", 1, &canvas));
    const QColor black(0, 0, 0, 255);
    const QColor c(1, 2, 3, 4);
    if (count == 3) {
        w->setMeterMinValue(index, 42);
        w->setMeterPointColor(index, c);
        w->setMeterPointColorG(index, 9);
        QCOMPARE(w->getMeterMinValue(index), inside ? 42 : 0);
        QCOMPARE(w->getMeterPointColor(index), inside ? QColor(1, 9, 3, 4) : black);
        QCOMPARE(w->getMeterPointColorA(index), inside ? 4 : 0);
    } else if (count == 4) {
        w->setChartTickCount(index, 42);
        QCOMPARE(w->getChartTickCount(index), inside ? 42 : 0);
        w->setChartSubTickLength(index, -8);
        QCOMPARE(w->getChartSubTickLength(index), inside ? -8 : 0);
    } else {
        w->setChartSerLineWidth(index, 42);
        w->setChartSerColor(index, c);
        w->setChartSerColorA(index, 200);
        w->setChartSerData(index, "1/2");
        QCOMPARE(w->getChartSerLineWidth(index), inside ? 42 : 0);
        QCOMPARE(w->getChartSerColor(index), inside ? QColor(1, 2, 3, 200) : black);
        QCOMPARE(w->getChartSerColorR(index), inside ? 1 : 0);
        QCOMPARE(w->getChartSerData(index), inside ? QString("1/2") : QString());
    }
    // A write outside the array never reaches a neighbour.
    if (!inside) {
        QCOMPARE(w->getChartSerLineWidth(0), 2);
        QCOMPARE(w->getChartSerLineWidth(1), 2);
        QCOMPARE(w->getChartTickCount(0), 5);
        QCOMPARE(w->getChartTickCount(3), 5);
        QCOMPARE(w->getMeterMinValue(0), 0);
        QCOMPARE(w->getChartSerData(0), QString("300/400/300/400"));
        QCOMPARE(w->getChartSerData(1), QString("100/200/100/200"));
    }
}

void TestQMyWidget::colorComponents()
{
    QMyWidget w(1, WidgetType::Lab, "Lab", &canvas);
    w.setBackgroundA1(10);
    QCOMPARE(w.getBackground1(), QColor(200, 200, 200, 10));
    QCOMPARE(w.getOpa(), 255);
    w.setBorderColorR(1);
    w.setBorderColorG(2);
    w.setBorderColorB(3);
    w.setBorderColorA(4);
    QCOMPARE(w.getBorderColor(), QColor(1, 2, 3, 4));
    QCOMPARE(w.getBorderOpa(), 255);
    // A component cannot leave 0..255.
    w.setFontColorR(300);
    w.setFontColorA(-5);
    QCOMPARE(w.getFontColorR(), 255);
    QCOMPARE(w.getFontColorA(), 0);
    // A colour set unset reads and changes like opaque black.
    w.setProgBorderColor(QColor());
    w.setProgBorderColorG(7);
    QCOMPARE(w.getProgBorderColor(), QColor(0, 7, 0, 255));
}

void TestQMyWidget::seriesValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("j");
    QTest::addColumn<double>("value");
    QTest::newRow("second") << "300/400/300/400" << 0 << 1 << 400.0;
    QTest::newRow("past the end") << "300/400/300/400" << 0 << 4 << 0.0;
    QTest::newRow("negative") << "300/400/300/400" << 0 << -1 << 0.0;
    QTest::newRow("other series") << "300/400/300/400" << 2 << 0 << 0.0;
    QTest::newRow("fraction") << "2.5/1e3" << 0 << 0 << 2.5;
    QTest::newRow("exponent") << "2.5/1e3" << 0 << 1 << 1000.0;
    QTest::newRow("empty piece") << "1//2" << 0 << 1 << 0.0;
    QTest::newRow("after empty") << "1//2" << 0 << 2 << 2.0;
    QTest::newRow("not a number") << "x/7" << 0 << 0 << 0.0;
    QTest::newRow("empty text") << "" << 0 << 0 << 0.0;
    QTest::newRow("series 1") << "5/6" << 1 << 1 << 6.0;
}

void TestQMyWidget::seriesValue()
{
    QFETCH(QString, text);
    QFETCH(int, series);
    QFETCH(int, j);
    QFETCH(double, value);
    QMyWidget w(1, WidgetType::Chart, "Chart", &canvas);
    w.setChartSerData(0, text);
    w.setChartSerData(1, text);
    QCOMPARE(w.getChartSerDataValue(series, j), value);
}

void TestQMyWidget::seriesSetValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("j");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("result");
    QTest::newRow("first") << "300/400/300/400" << 0 << 2.5 << "2.5/400/300/400";
    QTest::newRow("past the end") << "300/400/300/400" << 4 << 1.0 << "300/400/300/400";
    QTest::newRow("negative") << "300/400/300/400" << -1 << 1.0 << "300/400/300/400";
    QTest::newRow("integer") << "1/2" << 1 << 300.0 << "1/300";
    QTest::newRow("half") << "1/2" << 1 << 0.5 << "1/0.5";
    QTest::newRow("six digits") << "1" << 0 << 3.14159265 << "3.14159";
    QTest::newRow("large") << "1" << 0 << 1500000.0 << "1.5e+06";
    QTest::newRow("small") << "1" << 0 << 0.00001 << "1e-05";
    QTest::newRow("negative value") << "1" << 0 << -12.0 << "-12";
    QTest::newRow("empty piece") << "1//2" << 1 << 7.0 << "1/7/2";
    QTest::newRow("empty text") << "" << 0 << 4.0 << "4";
}

void TestQMyWidget::seriesSetValue()
{
    QFETCH(QString, text);
    QFETCH(int, j);
    QFETCH(double, value);
    QFETCH(QString, result);
    QMyWidget w(1, WidgetType::Chart, "Chart", &canvas);
    w.setChartSerData(1, text);
    w.setChartSerDataValue(1, j, value);
    QCOMPARE(w.getChartSerData(1), result);
    w.setChartSerDataValue(2, 0, 9);
    w.setChartSerDataValue(-1, 0, 9);
    QCOMPARE(w.getChartSerData(1), result);
    QCOMPARE(w.getChartSerData(0), QString());
}

void TestQMyWidget::seriesResize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("result");
    QTest::newRow("shrink") << "300/400/300/400" << 2 << "300/400";
    QTest::newRow("grow") << "300/400/300/400" << 6 << "300/400/300/400/0/0";
    QTest::newRow("same") << "300/400/300/400" << 4 << "300/400/300/400";
    QTest::newRow("zero") << "300/400/300/400" << 0 << "";
    QTest::newRow("negative") << "300/400" << -3 << "";
    QTest::newRow("empty to three") << "" << 3 << "/0/0";
    QTest::newRow("empty to one") << "" << 1 << "";
    QTest::newRow("keeps empty pieces") << "1//2" << 2 << "1/";
}

void TestQMyWidget::seriesResize()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, result);
    QMyWidget w(1, WidgetType::Chart, "Chart", &canvas);
    w.setChartSerData(0, text);
    w.resizeChartSerData(0, n);
    QCOMPARE(w.getChartSerData(0), result);
    w.resizeChartSerData(2, 9);
    QCOMPARE(w.getChartSerData(1), QString());
}

void TestQMyWidget::fileKeys()
{
    const QStringList &keys = QMyWidget::fileKeys();
    QCOMPARE(keys.size(), 303);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), 303);
    QCOMPARE(keys.first(), QString("id"));
    QCOMPARE(keys.last(), QString("ybexItemAnimY"));
    const QStringList start {"id",
                             "x",
                             "y",
                             "w",
                             "h",
                             "ybexItemProgX",
                             "ybexItemProgY",
                             "ybexItemProgW",
                             "ybexItemProgH",
                             "text",
                             "hAlign",
                             "vAlign",
                             "longTextLen",
                             "longTextMode",
                             "fontSize",
                             "fontID",
                             "fontColorR",
                             "fontColorG",
                             "fontColorB",
                             "fontColorA",
                             "fontOpa",
                             "checkabled"};
    QCOMPARE(keys.mid(0, start.size()), start);

    // Meter needles count from 1, thirteen keys each.
    const int needle1 = keys.indexOf("ybexItemMeterPointPicID1");
    QCOMPARE(keys.at(needle1 - 1), QString("ybexItemMeterPointNum"));
    QCOMPARE(
        keys.mid(needle1, 13),
        (QStringList {"ybexItemMeterPointPicID1", "ybexItemMeterXPivot1", "ybexItemMeterYPivot1",
                      "ybexItemMeterPointColorR1", "ybexItemMeterPointColorG1",
                      "ybexItemMeterPointColorB1", "ybexItemMeterPointColorA1",
                      "ybexItemMeterPointW1", "ybexItemMeterPointR1", "ybexItemMeterRotation1",
                      "ybexItemMeterAngle1", "ybexItemMeterMinValue1", "ybexItemMeterMaxValue1"}));
    QCOMPARE(keys.at(needle1 + 13), QString("ybexItemMeterPointPicID2"));
    QCOMPARE(keys.at(needle1 + 38), QString("ybexItemMeterMaxValue3"));
    QCOMPARE(keys.at(needle1 + 39), QString("ybexItemChartUpadateMode"));
    QVERIFY(!keys.contains("ybexItemMeterAngle0"));
    QVERIFY(!keys.contains("ybexItemMeterAngle4"));

    // Chart axes and series count from 0.
    const int axis0 = keys.indexOf("ybexItemChartTickEnable0");
    QCOMPARE(keys.at(axis0 - 1), QString("ybexItemChartTickLabelColorA"));
    QCOMPARE(keys.at(axis0 + 7), QString("ybexItemChartSubTickLength0"));
    QCOMPARE(keys.at(axis0 + 8), QString("ybexItemChartTickEnable1"));
    QCOMPARE(keys.at(axis0 + 31), QString("ybexItemChartSubTickLength3"));
    QCOMPARE(keys.at(axis0 + 32), QString("ybexItemChartGridEnable"));
    const int series0 = keys.indexOf("ybexItemChartSerLineWidth0");
    QCOMPARE(keys.mid(series0, 8),
             (QStringList {"ybexItemChartSerLineWidth0", "ybexItemChartSerDotWidth0",
                           "ybexItemChartSerPointCount0", "ybexItemChartSerColorR0",
                           "ybexItemChartSerColorG0", "ybexItemChartSerColorB0",
                           "ybexItemChartSerColorA0", "ybexItemChartSerData0"}));
    QCOMPARE(keys.at(series0 + 15), QString("ybexItemChartSerData1"));
    QCOMPARE(keys.at(series0 + 16), QString("ybexItemHandleImageNum"));

    // Colours numbered 1 and 2 carry the letter before the digit.
    QVERIFY(keys.indexOf("ybexItemBackgroundR1") + 7 == keys.indexOf("ybexItemBackgroundA2"));
    const int press = keys.indexOf("pressImageNum");
    QCOMPARE(keys.at(press + 1), QString("ybexItemPressImageOpa"));
    QCOMPARE(keys.at(keys.size() - 7), QString("ybexItemPasswordMode"));

    QVERIFY(QMyWidget::isFileKey("ybexItemChartGridDasHight"));
    QVERIFY(!QMyWidget::isFileKey("ybexItemBackground1"));
    QVERIFY(!QMyWidget::isFileKey("ClassName"));
}

// Every key written into one widget reads back the same, and moves to another widget.
void TestQMyWidget::fileValueRoundTrip()
{
    QScopedPointer<QMyWidget> a(QMyWidgetFactory::create("Btn", 1, &canvas));
    QScopedPointer<QMyWidget> b(QMyWidgetFactory::create("Chart", 2, &canvas));
    const QStringList &keys = QMyWidget::fileKeys();
    QHash<QString, QString> written;
    for (int i = 0; i < keys.size(); ++i) {
        const QString &key = keys.at(i);
        bool isNumber = false;
        a->intValue(key, &isNumber);
        QString value;
        if (!isNumber)
            value = QString("t%1<&>").arg(i);
        else if (key == "hAlign" || key == "vAlign")
            value = QString::number(i % 3);
        else if (key == "checkabled")
            value = "1";
        else
            value = QString::number(i % 250 + 1);
        QVERIFY(a->setFileValue(key, value));
        written.insert(key, value);
    }
    for (const QString &key : keys) {
        QCOMPARE(a->fileValue(key), written.value(key));
        QVERIFY(b->setFileValue(key, a->fileValue(key)));
    }
    for (const QString &key : keys)
        QCOMPARE(b->fileValue(key), written.value(key));
    QCOMPARE(b->getId(), a->getId());
    QCOMPARE(b->getMeterXPivot(2), a->getMeterXPivot(2));
    QCOMPARE(b->getChartSerData(1), a->getChartSerData(1));
}

void TestQMyWidget::fileValueParsing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("int") << "fontSize"
                         << "24"
                         << "24";
    QTest::newRow("white space") << "fontSize"
                                 << " 24\n"
                                 << "24";
    QTest::newRow("minus") << "x"
                           << "-3"
                           << "-3";
    QTest::newRow("plus") << "x"
                          << "+4"
                          << "4";
    QTest::newRow("word") << "fontSize"
                          << "abc"
                          << "0";
    QTest::newRow("empty") << "fontSize"
                           << ""
                           << "0";
    QTest::newRow("fraction") << "fontSize"
                              << "1.5"
                              << "0";
    QTest::newRow("beyond 32 bits") << "fontSize"
                                    << "2147483648"
                                    << "0";
    QTest::newRow("int max") << "fontSize"
                             << "2147483647"
                             << "2147483647";
    QTest::newRow("bool 2") << "checkabled"
                            << "2"
                            << "1";
    QTest::newRow("bool -1") << "checkabled"
                             << "-1"
                             << "0";
    QTest::newRow("align 2") << "hAlign"
                             << "2"
                             << "2";
    QTest::newRow("align 3 unchanged") << "hAlign"
                                       << "3"
                                       << "0";
    QTest::newRow("align word") << "vAlign"
                                << "x"
                                << "0";
    QTest::newRow("component") << "ybexItemBackgroundG2"
                               << "77"
                               << "77";
    QTest::newRow("component clamp") << "ybexItemBackgroundG2"
                                     << "300"
                                     << "255";
    QTest::newRow("needle 3") << "ybexItemMeterAngle3"
                              << "-90"
                              << "-90";
    QTest::newRow("text kept") << "text"
                               << " a b "
                               << " a b ";
    QTest::newRow("series text") << "ybexItemChartSerData0"
                                 << "1//x"
                                 << "1//x";
}

void TestQMyWidget::fileValueParsing()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    QVERIFY(w.setFileValue(key, text));
    QCOMPARE(w.fileValue(key), stored);
}

void TestQMyWidget::colorKeys()
{
    QMyWidget w(1, WidgetType::Btn, "Btn", &canvas);
    const QStringList &keys = QMyWidget::colorKeys();
    QCOMPARE(keys.first(), QString("fontColor"));
    QVERIFY(keys.contains("ybexItemBackground1"));
    QVERIFY(keys.contains("ybexItemBorderColor"));
    QVERIFY(keys.contains("ybexItemMeterPointColor3"));
    QVERIFY(!keys.contains("ybexItemMeterPointColor0"));
    QVERIFY(keys.contains("ybexItemChartSerColor0"));

    bool ok = false;
    QVERIFY(w.setColorValue("ybexItemMeterPointColor1", QColor(1, 2, 3, 4)));
    QCOMPARE(w.getMeterPointColor(0), QColor(1, 2, 3, 4));
    QCOMPARE(w.colorValue("ybexItemMeterPointColor1", &ok), QColor(1, 2, 3, 4));
    QVERIFY(ok);
    QVERIFY(w.setColorValue("ybexItemBackground2", Qt::red));
    QCOMPARE(w.getBackground2(), QColor(Qt::red));
    w.colorValue("ybexItemBackgroundR1", &ok);
    QVERIFY(!ok);
    QVERIFY(!w.setColorValue("nothing", Qt::red));

    // Unknown keys change nothing and say so.
    QVERIFY(!w.setFileValue("nothing", "1"));
    QVERIFY(!w.setIntValue("text", 1));
    QCOMPARE(w.fileValue("nothing"), QString());
    QVERIFY(w.fileValue("nothing").isNull());
    w.intValue("text", &ok);
    QVERIFY(!ok);
}

void TestQMyWidget::copyAttributes()
{
    QScopedPointer<QMyWidget> source(QMyWidgetFactory::create("Chart", 4, &canvas));
    const QStringList &keys = QMyWidget::fileKeys();
    for (int i = 0; i < keys.size(); ++i) {
        bool isNumber = false;
        source->intValue(keys.at(i), &isNumber);
        source->setFileValue(keys.at(i), isNumber ? QString::number(i % 3 + 1) : "s");
    }
    source->addEvent(EventInfo());
    QScopedPointer<QMyWidget> copy(QMyWidgetFactory::create("Chart", 9, &canvas));
    copy->copyAttributesFrom(*source);

    const QStringList notCopied {
        "id", "x", "y", "ybexItemProgX", "ybexItemProgY", "ybexItemProgW", "ybexItemProgH"};
    QScopedPointer<QMyWidget> fresh(QMyWidgetFactory::create("Chart", 9, &canvas));
    for (const QString &key : keys) {
        const QString want =
            notCopied.contains(key) ? fresh->fileValue(key) : source->fileValue(key);
        if (copy->fileValue(key) != want)
            QFAIL(qPrintable(key));
    }
    QCOMPARE(widgetTypeCode(copy->getType()), 9);
    QVERIFY(copy->getEvents().isEmpty());
    QCOMPARE(copy->getW(), source->getW());
}

void TestQMyWidget::copyEvents()
{
    QMyWidget source(1, WidgetType::Btn, "Btn", &canvas);
    source.addEvent(makeEvent(1, "a"));
    source.addEvent(makeEvent(3, "b"));
    for (int key = 0; key < 5; ++key)
        source.setEventContent(key, key, QString("code %1").arg(key));
    QMyWidget copy(2, WidgetType::Btn, "Btn", &canvas);
    copy.copyEventsFrom(source);
    QCOMPARE(copy.getEvents().size(), 2);
    QCOMPARE(copy.getEvents().at(1).type(), 3);
    QCOMPARE(copy.getEvents().at(1).param(0), QString("b"));
    for (int key = 0; key < 5; ++key) {
        QCOMPARE(copy.getEventStatus(key), key);
        QCOMPARE(copy.getEventText(key), QString("code %1").arg(key));
    }
    copy.replaceEvent(0, 0, "changed");
    QCOMPARE(source.getEvents().at(0).param(0), QString("a"));
}

QTEST_MAIN(TestQMyWidget)
#include "tst_qmywidget.moc"
