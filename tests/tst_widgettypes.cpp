#include "designglobals.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QHash>
#include <QtTest>

// Every widget type made by the factory carries the full attribute set with its own
// defaults; the file keys give one place to compare all of them.
namespace {

using KeyValues = QHash<QString, QString>;

void addColor(KeyValues &v, const QString &prefix, const QString &suffix, int r, int g, int b,
              int a = 255)
{
    v[prefix + "R" + suffix] = QString::number(r);
    v[prefix + "G" + suffix] = QString::number(g);
    v[prefix + "B" + suffix] = QString::number(b);
    v[prefix + "A" + suffix] = QString::number(a);
}

// The base record; every key not listed here is "0".
KeyValues baseDefaults()
{
    KeyValues v;
    v["w"] = "60";
    v["h"] = "30";
    v["text"] = "";
    v["longTextLen"] = "6";
    v["fontSize"] = "16";
    addColor(v, "fontColor", "", 0, 0, 0);
    v["fontOpa"] = "255";
    v["ybexItemProgImageNum"] = "-1";
    v["ybexItemProgImageOpa"] = "255";
    addColor(v, "ybexItemProgImageColor", "", 160, 160, 164);
    addColor(v, "ybexItemProgBackground", "1", 0, 0, 0);
    addColor(v, "ybexItemProgBackground", "2", 0, 0, 0);
    v["ybexItemProgOpa"] = "255";
    addColor(v, "ybexItemProgBorderColor", "", 160, 160, 164);
    v["ybexItemProgBorderOpa"] = "255";
    addColor(v, "ybexItemArcBackground", "1", 0, 0, 255);
    v["ybexItemArcOpa"] = "255";
    addColor(v, "ybexItemArcSelectBackground", "1", 0, 255, 0);
    v["ybexItemArcSelectOpa"] = "255";
    // Meter and chart numbers start at 0 and their colours opaque black for every type.
    addColor(v, "ybexItemMeterDotColor", "", 0, 0, 0);
    for (int n = 1; n <= 3; ++n)
        addColor(v, "ybexItemMeterPointColor", QString::number(n), 0, 0, 0);
    addColor(v, "ybexItemChartTickColor", "", 0, 0, 0);
    addColor(v, "ybexItemChartTickLabelColor", "", 0, 0, 0);
    addColor(v, "ybexItemChartGridColor", "", 0, 0, 0);
    for (int s = 0; s < 2; ++s) {
        addColor(v, "ybexItemChartSerColor", QString::number(s), 0, 0, 0);
        v["ybexItemChartSerData" + QString::number(s)] = "";
    }
    v["ybexItemHandleImageNum"] = "-1";
    v["ybexItemHandleImageOpa"] = "255";
    addColor(v, "ybexItemHandleImageColor", "", 160, 160, 164);
    addColor(v, "ybexItemHandleBackground", "1", 0, 255, 0);
    addColor(v, "ybexItemHandleBackground", "2", 0, 255, 0);
    v["ybexItemHandleOpa"] = "255";
    addColor(v, "ybexItemHandleBorderColor", "", 160, 160, 164);
    v["ybexItemHandleBorderOpa"] = "255";
    v["imageNum"] = "-1";
    v["ybexItemSelectImageNum"] = "-1";
    v["pressImageNum"] = "-1";
    for (const QString look : {"", "Select", "Press"}) {
        const QString p = "ybexItem" + look;
        v[p + "ImageOpa"] = "255";
        addColor(v, p + "ImageColor", "", 200, 200, 200);
        addColor(v, p + "Background", "1", 200, 200, 200);
        addColor(v, p + "Background", "2", 0, 0, 0);
        v[p + "Opa"] = "255";
        addColor(v, p + "BorderColor", "", 160, 160, 164);
        v[p + "BorderOpa"] = "255";
    }
    addColor(v, "ybexItemCurrorColor", "", 0, 0, 0);
    v["ybexItemCurrorOpa"] = "255";
    addColor(v, "ybexItemCurrorTextColor", "", 255, 255, 255);
    v["ybexItemCurrorTextOpa"] = "255";
    v["ybexItemLineMode"] = "1";
    return v;
}

// What each type's constructor changes, by type code.
KeyValues typeDefaults(int code)
{
    KeyValues v;
    switch (code) {
    case 0:
        v["text"] = "按键";
        v["longTextMode"] = "2";
        break;
    case 1:
        v["text"] = "标签";
        v["longTextMode"] = "2";
        break;
    case 2:
        break;
    case 3:
        v["ybexItemProgValue"] = "20";
        break;
    case 4:
        v["text"] = "文本";
        v["ybexItemSignalMode"] = "1";
        break;
    case 5:
        v["w"] = "53";
        v["h"] = "53";
        addColor(v, "ybexItemBackground", "1", 255, 255, 255);
        v["text"] = "https://www.example.com";
        v["longTextLen"] = "23";
        break;
    case 6:
        v["w"] = "100";
        v["ybexItemProgValue"] = "40";
        addColor(v, "ybexItemBackground", "1", 0, 0, 0);
        addColor(v, "ybexItemProgBackground", "1", 0, 255, 0);
        addColor(v, "ybexItemHandleBackground", "1", 255, 0, 0);
        addColor(v, "ybexItemHandleBackground", "2", 255, 255, 255);
        v["ybexItemHandleRadius"] = "15";
        break;
    case 7:
        v["w"] = "100";
        v["h"] = "100";
        v["ybexItemProgValue"] = "40";
        v["ybexItemArcEndValue"] = "360";
        v["ybexItemArcWidth"] = "10";
        v["ybexItemArcRounded"] = "1";
        v["ybexItemArcSelectWidth"] = "10";
        v["ybexItemArcSelectRounded"] = "1";
        v["ybexItemHandleKnob"] = "5";
        v["ybexItemHandleRadius"] = "10";
        addColor(v, "ybexItemHandleBackground", "1", 255, 0, 0);
        addColor(v, "ybexItemHandleBackground", "2", 255, 255, 255);
        addColor(v, "ybexItemProgBackground", "1", 0, 255, 0);
        break;
    case 8:
        v["w"] = "100";
        v["h"] = "100";
        v["ybexItemRadius"] = "50";
        v["ybexItemMeterPointNum"] = "1";
        v["ybexItemMeterDotSize"] = "3";
        for (int n = 1; n <= 3; ++n) {
            const QString s = QString::number(n);
            v["ybexItemMeterMaxValue" + s] = "100";
            v["ybexItemMeterAngle" + s] = "360";
            v["ybexItemMeterPointPicID" + s] = "-1";
            v["ybexItemMeterPointR" + s] = "40";
            v["ybexItemMeterPointW" + s] = "10";
            addColor(v, "ybexItemMeterPointColor", s, 150, 200, 100);
        }
        break;
    case 9:
        v["w"] = "200";
        v["h"] = "150";
        v["ybexItemChartTickOffset"] = "25";
        v["ybexItemChartTickWidth"] = "2";
        addColor(v, "ybexItemChartTickLabelColor", "", 255, 0, 0);
        for (int a = 0; a < 4; ++a) {
            const QString s = QString::number(a);
            v["ybexItemChartTickEnable" + s] = "1";
            v["ybexItemChartTickLabelEnable" + s] = "1";
            v["ybexItemChartTickMaxValue" + s] = "400";
            v["ybexItemChartTickLength" + s] = "6";
            v["ybexItemChartTickCount" + s] = "5";
            v["ybexItemChartSubTickLength" + s] = "3";
            v["ybexItemChartSubTickCount" + s] = "1";
        }
        v["ybexItemChartGridEnable"] = "1";
        v["ybexItemChartGridRow"] = "5";
        v["ybexItemChartGridCol"] = "3";
        v["ybexItemChartGridPadding"] = "10";
        v["ybexItemChartGridDasLength"] = "2";
        v["ybexItemChartGridDasHight"] = "2";
        v["ybexItemChartGridDasGap"] = "3";
        addColor(v, "ybexItemChartGridColor", "", 255, 255, 255);
        v["ybexItemChartSerCount"] = "2";
        for (int s = 0; s < 2; ++s) {
            const QString i = QString::number(s);
            v["ybexItemChartSerPointCount" + i] = "4";
            v["ybexItemChartSerLineWidth" + i] = "2";
            v["ybexItemChartSerDotWidth" + i] = "5";
        }
        addColor(v, "ybexItemChartSerColor", "0", 200, 100, 0);
        addColor(v, "ybexItemChartSerColor", "1", 100, 0, 0);
        v["ybexItemChartSerData0"] = "300/400/300/400";
        v["ybexItemChartSerData1"] = "100/200/100/200";
        break;
    }
    return v;
}

} // namespace

class TestWidgetTypes : public QObject
{
    Q_OBJECT
private slots:
    void defaults_data();
    void defaults();
    void namedAccessorsMatchKeys();
    void newWidgetState();
    void factoryByName_data();
    void factoryByName();
    void factoryByCode_data();
    void factoryByCode();
};

void TestWidgetTypes::defaults_data()
{
    QTest::addColumn<int>("code");
    for (int code = 0; code < WidgetTypeCount; ++code)
        QTest::newRow(qPrintable(widgetTypeNames.at(code))) << code;
}

void TestWidgetTypes::defaults()
{
    QFETCH(int, code);
    QWidget canvas;
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(code), 7, &canvas));
    QVERIFY(w);
    KeyValues expected = baseDefaults();
    const KeyValues own = typeDefaults(code);
    for (auto it = own.begin(); it != own.end(); ++it)
        expected[it.key()] = it.value();
    expected["id"] = "7";
    for (const QString &key : QMyWidget::fileKeys()) {
        const QString want = expected.value(key, "0");
        if (w->fileValue(key) != want)
            QFAIL(qPrintable(QString("%1: %2 is %3, expected %4")
                                 .arg(widgetTypeNames.at(code), key, w->fileValue(key), want)));
    }
    QCOMPARE(w->hAlignFlag(), Qt::Alignment(Qt::AlignHCenter));
    QCOMPARE(w->vAlignFlag(), Qt::Alignment(Qt::AlignVCenter));
}

// Spot checks that the named accessors and the keyed access reach the same attribute.
void TestWidgetTypes::namedAccessorsMatchKeys()
{
    QWidget canvas;
    QScopedPointer<QMyWidget> m(QMyWidgetFactory::create("Meter", 1, &canvas));
    m->setMeterXPivot(1, 17);
    QCOMPARE(m->fileValue("ybexItemMeterXPivot2"), QString("17"));
    m->setFileValue("ybexItemMeterPointColorG3", "33");
    QCOMPARE(m->getMeterPointColorG(2), 33);
    QCOMPARE(m->getMeterPointColor(2), QColor(150, 33, 100));
    m->setBackgroundA1(10);
    QCOMPARE(m->fileValue("ybexItemBackgroundA1"), QString("10"));
    QCOMPARE(m->getOpa(), 255);
    m->setFontColorA(99);
    QCOMPARE(m->intValue("fontColorA"), 99);
    QCOMPARE(m->colorValue("fontColor").alpha(), 99);
    m->setChartSerColorA(1, 5);
    QCOMPARE(m->fileValue("ybexItemChartSerColorA1"), QString("5"));
    m->setCheckabled(true);
    QCOMPARE(m->fileValue("checkabled"), QString("1"));
    m->setChartSerData(1, "1/2");
    QCOMPARE(m->fileValue("ybexItemChartSerData1"), QString("1/2"));
}

void TestWidgetTypes::newWidgetState()
{
    QWidget canvas;
    for (int code = 0; code < WidgetTypeCount; ++code) {
        QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(code), 1, &canvas));
        QVERIFY(w->isSelected());
        QVERIFY(!w->getIsDragging());
        QVERIFY(w->hasMouseTracking());
        QCOMPARE(w->parentWidget(), &canvas);
        QVERIFY(w->getEvents().isEmpty());
        QVERIFY(w->getGeometryRect().isNull());
        for (int key = 0; key < 5; ++key) {
            QCOMPARE(w->getEventStatus(key), 0);
            QCOMPARE(w->getEventText(key), QString());
        }
        for (int i = 0; i < QMyWidget::HandleCount; ++i)
            QVERIFY(w->getHandleRect(i).isNull());
    }
}

void TestWidgetTypes::factoryByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("className");
    QTest::newRow("Btn") << "Btn" << 0 << "QMyPushButton";
    QTest::newRow("Lab") << "Lab" << 1 << "QMyLabel";
    QTest::newRow("Img") << "Img" << 2 << "QMyImg";
    QTest::newRow("Prog") << "Prog" << 3 << "QMyProg";
    QTest::newRow("TextBox") << "TextBox" << 4 << "QMyTextBox";
    // The QR code has no meta-object of its own.
    QTest::newRow("QRCode") << "QRCode" << 5 << "QMyWidget";
    QTest::newRow("Slider") << "Slider" << 6 << "QMySlider1";
    QTest::newRow("Arc") << "Arc" << 7 << "QMyArc";
    QTest::newRow("Meter") << "Meter" << 8 << "QMyMeter";
    QTest::newRow("Chart") << "Chart" << 9 << "QMyChart";
    QTest::newRow("lower case") << "btn" << -1 << "";
    QTest::newRow("icon spelling") << "QRcode" << -1 << "";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("class name") << "QMyPushButton" << -1 << "";
}

void TestWidgetTypes::factoryByName()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QFETCH(QString, className);
    QWidget canvas;
    // Nothing for a name that is no type; -1 stands for it here.
    QCOMPARE(widgetTypeCode(QMyWidgetFactory::typeOf(name).value_or(WidgetType(-1))), code);
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(name, 3, &canvas));
    if (code < 0) {
        QVERIFY(!w);
        QVERIFY(canvas.children().isEmpty());
        return;
    }
    QVERIFY(w);
    QCOMPARE(widgetTypeCode(w->getType()), code);
    QCOMPARE(w->getTypeName(), name);
    QCOMPARE(w->getId(), 3);
    QCOMPARE(QString(w->metaObject()->className()), className);
}

void TestWidgetTypes::factoryByCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("made");
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("0") << 0 << true;
    QTest::newRow("9") << 9 << true;
    QTest::newRow("10") << 10 << false;
    QTest::newRow("INT_MIN") << INT_MIN << false;
}

void TestWidgetTypes::factoryByCode()
{
    QFETCH(int, code);
    QFETCH(bool, made);
    QWidget canvas;
    QCOMPARE(widgetTypeFromCode(code).has_value(), made);
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(code), 1, &canvas));
    QCOMPARE(bool(w), made);
    if (made) {
        QCOMPARE(widgetTypeCode(w->getType()), code);
        QCOMPARE(w->getTypeName(), widgetTypeNames.at(code));
    }
}

QTEST_MAIN(TestWidgetTypes)
#include "tst_widgettypes.moc"
