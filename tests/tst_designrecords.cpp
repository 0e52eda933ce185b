#include "bootparam.h"
#include "designdocument.h"
#include "designglobals.h"
#include "languagedlg.h"
#include "pageparam.h"
#include "timerparam.h"

#include <QtTest>

// Page, timer and boot records, and the fixed design tables.
class TestDesignRecords : public QObject
{
    Q_OBJECT
private slots:
    void newPage();
    void pageColorComponents();
    void pageReset();
    void newTimer();
    void timerReset();
    void holderEvents_data();
    void holderEvents();
    void bootDefaultsAndReset();
    void typeTables_data();
    void typeTables();
    void resolutions();
    void colorTable_data();
    void colorTable();
    void newDesign();
};

static EventInfo makeEvent(const QString &first)
{
    EventInfo e;
    e.setType(1);
    e.setUserType(2);
    e.setParam(0, first);
    return e;
}

static void checkPageDefaults(const PageParam &p)
{
    QCOMPARE(p.pageImageNum(), -1);
    QCOMPARE(p.pageGradDir(), 0);
    QCOMPARE(p.pageColorGrad1(), QColor(255, 255, 255, 255));
    QCOMPARE(p.pageColorGrad2(), QColor(0, 0, 0, 255));
    QCOMPARE(p.pageOpa(), 255);
    const int zeros[] = {p.pageRadius(),       p.pageFlag(),           p.pageState(),
                         p.pageHelpLineType(), p.pageHelpLineLeft(),   p.pageHelpLineRight(),
                         p.pageHelpLineTop(),  p.pageHelpLineBottom(), p.pageAnimEnabled(),
                         p.pageAnimMode(),     p.pageAnimDir(),        p.pageAnimTime(),
                         p.pageAnimX(),        p.pageAnimY()};
    for (int v : zeros)
        QCOMPARE(v, 0);
    QCOMPARE(p.pageName(), QString());
    QVERIFY(p.events().isEmpty());
    for (int key = 0; key < 5; ++key) {
        QCOMPARE(p.eventStatus(key), 0);
        QCOMPARE(p.eventText(key), QString());
    }
}

void TestDesignRecords::newPage()
{
    PageParam p;
    checkPageDefaults(p);
}

void TestDesignRecords::pageColorComponents()
{
    PageParam p;
    p.setPageColorGrad1A(10);
    QCOMPARE(p.pageColorGrad1(), QColor(255, 255, 255, 10));
    QCOMPARE(p.pageOpa(), 255);
    p.setPageColorGrad2R(1);
    p.setPageColorGrad2G(2);
    p.setPageColorGrad2B(3);
    QCOMPARE(p.pageColorGrad2(), QColor(1, 2, 3, 255));
    QCOMPARE(p.pageColorGrad2G(), 2);
    p.setPageColorGrad1A(999);
    QCOMPARE(p.pageColorGrad1A(), 255);
}

void TestDesignRecords::pageReset()
{
    PageParam p;
    p.setPageImageNum(3);
    p.setPageGradDir(2);
    p.setPageColorGrad1(Qt::red);
    p.setPageColorGrad2(Qt::blue);
    p.setPageOpa(7);
    p.setPageRadius(1);
    p.setPageFlag(1);
    p.setPageState(1);
    p.setPageHelpLineType(2);
    p.setPageHelpLineLeft(1);
    p.setPageHelpLineRight(1);
    p.setPageHelpLineTop(1);
    p.setPageHelpLineBottom(1);
    p.setPageAnimEnabled(1);
    p.setPageAnimMode(1);
    p.setPageAnimDir(1);
    p.setPageAnimTime(1);
    p.setPageAnimX(1);
    p.setPageAnimY(1);
    p.setPageName("main");
    p.appendEvent(makeEvent("a"));
    p.appendEvent(makeEvent("b"));
    for (int key = 0; key < 5; ++key)
        QVERIFY(p.setEventContent(key, 1, "x"));
    p.reset();
    checkPageDefaults(p);
}

static void checkTimerDefaults(const TimerParam &t)
{
    QCOMPARE(t.timerID(), -1);
    QCOMPARE(t.timerOneTime(), 0);
    QCOMPARE(t.timerTime(), 0);
    QCOMPARE(t.timerEnable(), 0);
    QCOMPARE(t.timerVal(), 51);
    QVERIFY(t.events().isEmpty());
    for (int key = 0; key < 5; ++key) {
        QCOMPARE(t.eventStatus(key), 0);
        QCOMPARE(t.eventText(key), QString());
    }
}

void TestDesignRecords::newTimer()
{
    TimerParam t;
    checkTimerDefaults(t);
}

void TestDesignRecords::timerReset()
{
    TimerParam t;
    t.setTimerID(8);
    t.setTimerOneTime(1);
    t.setTimerTime(500);
    t.setTimerEnable(1);
    t.setTimerVal(10);
    t.appendEvent(makeEvent("a"));
    t.setEventStatus(3, 1);
    t.setEventText(3, "code");
    t.reset();
    checkTimerDefaults(t);
}

// Pages and timers handle events and slots exactly like widgets.
void TestDesignRecords::holderEvents_data()
{
    QTest::addColumn<bool>("page");
    QTest::newRow("page") << true;
    QTest::newRow("timer") << false;
}

template<typename Record> static void exerciseHolder(Record &r)
{
    r.appendEvent(makeEvent("a"));
    r.appendEvent(makeEvent("b"));
    r.removeEvent(2);
    r.removeEvent(-1);
    QCOMPARE(r.events().size(), 2);

    const QList<EventInfo> before = r.events();
    r.replaceEvent(1, 0, "new");
    r.replaceEvent(2, 0, "ignored");
    r.replaceEvent(-1, 0, "ignored");
    QCOMPARE(before.at(1).param(0), QString("b"));
    QCOMPARE(r.events().at(1).param(0), QString("new"));
    QCOMPARE(r.events().at(0).param(0), QString("a"));

    r.removeEvent(0);
    QCOMPARE(r.events().size(), 1);
    QCOMPARE(r.events().at(0).param(0), QString("new"));

    r.setEventText(5, "lost");
    r.setEventStatus(5, 1);
    QCOMPARE(r.eventText(5), QString());
    QCOMPARE(r.eventStatus(5), 0);
    QVERIFY(!r.setEventContent(5, 1, "lost"));
    QVERIFY(r.setEventContent(0, 2, "kept"));
    QCOMPARE(r.eventStatus(0), 2);
    QCOMPARE(r.eventText(0), QString("kept"));
    r.setEventText(0, "edited");
    QCOMPARE(r.eventText(0), QString("edited"));
}

void TestDesignRecords::holderEvents()
{
    QFETCH(bool, page);
    if (page) {
        PageParam p;
        exerciseHolder(p);
        // A copied record keeps its own events.
        PageParam clipboard;
        clipboard = p;
        p.replaceEvent(0, 0, "after copy");
        QCOMPARE(clipboard.events().at(0).param(0), QString("new"));
    } else {
        TimerParam t;
        exerciseHolder(t);
    }
}

void TestDesignRecords::bootDefaultsAndReset()
{
    BootParam b;
    auto checkDefaults = [](const BootParam &p) {
        QCOMPARE(p.getAnimFlag(), false);
        QCOMPARE(p.getJumpPage(), 0);
        QCOMPARE(p.getJumpTime(), 0);
        QCOMPARE(p.getAnimImgID(), 0);
        QCOMPARE(p.getAnimStartID(), 0);
        QCOMPARE(p.getAnimEndID(), 0);
        QCOMPARE(p.getAnimTime(), 0);
        QCOMPARE(p.getAnimCycleFlag(), false);
        QCOMPARE(p.getAnimCount(), 1);
        QCOMPARE(p.getAnimCurrentPage(), 0);
        QCOMPARE(p.getAnimJumpPage(), 0);
        QCOMPARE(p.getSleepTime(), 0);
        QCOMPARE(p.getSleepBl(), 0);
        QCOMPARE(p.get485Flag(), false);
        QCOMPARE(p.get485Addr(), 0);
        QCOMPARE(p.getCRC16Flag(), false);
        QCOMPARE(p.getPosFlag(), false);
        QCOMPARE(p.getBaud(), 115200);
        QCOMPARE(p.getBl(), 100);
        QCOMPARE(p.getBuzzerTime(), 0);
    };
    checkDefaults(b);
    b.setAnimFlag(true);
    b.setJumpPage(1);
    b.setJumpTime(-2);
    b.setAnimImgID(3);
    b.setAnimStartID(4);
    b.setAnimEndID(5);
    b.setAnimTime(6);
    b.setAnimCycleFlag(true);
    b.setAnimCount(7);
    b.setAnimCurrentPage(8);
    b.setAnimJumpPage(9);
    b.setSleepTime(10);
    b.setSleepBl(11);
    b.set485Flag(true);
    b.set485Addr(12);
    b.setCRC16Flag(true);
    b.setPosFlag(true);
    b.setBaud(9600);
    b.setBl(200);
    b.setBuzzerTime(13);
    // No range checks: every setter stores what it is given.
    QCOMPARE(b.getJumpTime(), -2);
    QCOMPARE(b.getBl(), 200);
    QCOMPARE(b.getBaud(), 9600);
    QCOMPARE(b.get485Addr(), 12);
    b.reset();
    checkDefaults(b);
}

void TestDesignRecords::typeTables_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    QTest::newRow("0") << 0 << "Btn"
                       << ":images/Button.png";
    QTest::newRow("1") << 1 << "Lab"
                       << ":images/Label.png";
    QTest::newRow("2") << 2 << "Img"
                       << ":images/Img.png";
    QTest::newRow("3") << 3 << "Prog"
                       << ":images/Prog.png";
    QTest::newRow("4") << 4 << "TextBox"
                       << ":images/TextBox.png";
    QTest::newRow("5") << 5 << "QRCode"
                       << ":images/QRcode.png";
    QTest::newRow("6") << 6 << "Slider"
                       << ":images/Slider.png";
    QTest::newRow("7") << 7 << "Arc"
                       << ":images/Arc.png";
    QTest::newRow("8") << 8 << "Meter"
                       << ":images/Meter.png";
    QTest::newRow("9") << 9 << "Chart"
                       << ":images/Chart.png";
}

void TestDesignRecords::typeTables()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(QString, icon);
    QCOMPARE(widgetTypeNames.size(), WidgetTypeCount);
    QCOMPARE(widgetTypeIcons.size(), WidgetTypeCount);
    QCOMPARE(widgetTypeNames.at(code), name);
    QCOMPARE(widgetTypeIcons.at(code), icon);
}

void TestDesignRecords::resolutions()
{
    QCOMPARE(resolutionList.size(), 18);
    QCOMPARE(resolutionList.first(), QString("128*128(SQQVGA)"));
    QCOMPARE(resolutionList.at(6), QString("268*800(WVGA4)"));
    QCOMPARE(resolutionList.at(12), QString("480*272(HHVGA)"));
    QCOMPARE(resolutionList.at(13), QString("800*480(WVGA1)"));
    QCOMPARE(resolutionList.last(), QString("1024*600(WSVGA)"));
}

void TestDesignRecords::colorTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0") << 0 << QColor(0, 0, 0);
    QTest::newRow("1") << 1 << QColor(248, 0, 0);
    QTest::newRow("7") << 7 << QColor(200, 204, 200);
    QTest::newRow("14") << 14 << QColor(200, 68, 200);
    QTest::newRow("22") << 22 << QColor(40, 100, 40);
    QTest::newRow("25") << 25 << QColor(0, 100, 0);
    QTest::newRow("33") << 33 << QColor(0, 252, 248);
    QTest::newRow("40") << 40 << QColor(0, 76, 88);
    QTest::newRow("50") << 50 << QColor(32, 8, 48);
    QTest::newRow("56") << 56 << QColor(208, 124, 16);
    QTest::newRow("61") << 61 << QColor(32, 112, 232);
    for (int i : {34, 35, 36, 37, 38, 39, 62, 63})
        QTest::newRow(qPrintable(QString("black %1").arg(i))) << i << QColor(0, 0, 0);
    QTest::newRow("-1 invalid") << -1 << QColor();
    QTest::newRow("64 invalid") << 64 << QColor();
}

void TestDesignRecords::colorTable()
{
    QFETCH(int, index);
    QFETCH(QColor, color);
    QCOMPARE(colorTableValue(index), color);
}

// The colour table is fixed; a design starts empty with the defaults of a new project's
// link settings, and the program's translator starts empty.
void TestDesignRecords::newDesign()
{
    // Every entry is opaque and exact in RGB565.
    for (int i = 0; i < ColorTableSize; ++i) {
        const QColor c = colorTableValue(i);
        QCOMPARE(c.alpha(), 255);
        QCOMPARE(c.red() % 8, 0);
        QCOMPARE(c.green() % 4, 0);
        QCOMPARE(c.blue() % 8, 0);
    }
    const DesignDocument design;
    QCOMPARE(design.pageCount(), 0);
    QVERIFY(design.widgets(0).isEmpty());
    QCOMPARE(design.currentPage(), 0);
    QVERIFY(!design.hasCurrentPage());
    QCOMPARE(design.frameSize(), QSize(0, 0));
    QCOMPARE(design.modelType(), 0);
    QCOMPARE(design.screenType(), 0);
    QVERIFY(design.resolution().isEmpty());
    QCOMPARE(design.baud(), QString("115200"));
    QCOMPARE(design.backlight(), 20);
    for (int i = 0; i < DesignDocument::TimerCount; ++i)
        QCOMPARE(design.timer(i)->timerID(), i);
    QVERIFY(!design.timer(-1));
    QVERIFY(!design.timer(DesignDocument::TimerCount));
    QCOMPARE(design.boot().getSleepTime(), BootParam().getSleepTime());
    QVERIFY(design.pictures().isEmpty());
    QVERIFY(design.fontIds().isEmpty());
    QVERIFY(design.fontPaths().isEmpty());
    QVERIFY(design.projectPath().isEmpty());
    QVERIFY(!design.isProjectOpen());
    QCOMPARE(widgetTypeDisplayNames().size(), WidgetTypeCount);
    QVERIFY(LanguageDlg::appTranslator().isEmpty());
}

QTEST_MAIN(TestDesignRecords)
#include "tst_designrecords.moc"
