#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

#include "dialogtestutil.h"
#include "instrparam.h"
#include "showinfodlg.h"

static QString field(const ShowInfoDlg &dlg, const char *name)
{
    return dlg.findChild<QLineEdit *>(name)->text();
}

static InstrParam sampleRecord()
{
    InstrParam p;
    p.setMaxPage(10);
    p.setMaxWidgets(64);
    p.setMaxPics(200);
    p.setMaxCommTimers(8);
    p.setMaxFonts(4);
    p.setMaxSers(2);
    p.setMaxPathSize(128);
    p.setDefaultMaxStrSize(256);
    p.setLeftMem(1536);
    p.setLeftFlash(-3);
    p.setBps(115200);
    p.setCol(480);
    p.setRow(272);
    p.setBl(128);
    p.setDir(2);
    return p;
}

class TestShowInfoDlg : public QObject
{
    Q_OBJECT
private slots:
    void recordStartsAtZero()
    {
        InstrParam p = sampleRecord();
        p.reset();
        QCOMPARE(p.getMaxPage(), 0);
        QCOMPARE(p.getLeftMem(), qint64(0));
        QCOMPARE(p.getDir(), 0);
        QCOMPARE(InstrParam().getBps(), 0);
        p.setLeftFlash(-1);
        QCOMPARE(p.getLeftFlash(), qint64(-1));
    }

    void showsEveryField()
    {
        ShowInfoDlg dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(790, 281));
        QCOMPARE(dlg.maximumSize(), QSize(790, 281));
        InstrParam p = sampleRecord();
        dlg.showInfo(p);
        // the dialog keeps its own copy: later changes of the worker's record do not show
        p.setMaxPage(99);
        QVERIFY(dlg.isVisible());
        QCOMPARE(field(dlg, "editPage"), QString("10"));
        QCOMPARE(field(dlg, "editWidgets"), QString("64"));
        QCOMPARE(field(dlg, "editPics"), QString("200"));
        QCOMPARE(field(dlg, "editTimers"), QString("8"));
        QCOMPARE(field(dlg, "editFonts"), QString("4"));
        QCOMPARE(field(dlg, "editSers"), QString("2"));
        QCOMPARE(field(dlg, "editPathSize"), QString("128"));
        QCOMPARE(field(dlg, "editStrSize"), QString("256"));
        QCOMPARE(field(dlg, "editMem"), QString("1.50"));
        QCOMPARE(field(dlg, "editFlash"), QString("-3"));
        QCOMPARE(field(dlg, "editBps"), QString("115200"));
        QCOMPARE(field(dlg, "editDpi"), QString("480x272"));
        QCOMPARE(field(dlg, "editBl"), QString("50"));
        QVERIFY(dlg.findChild<QRadioButton *>("rbScreen_180")->isChecked());
        dlg.findChild<QPushButton *>("btnOK")->click();
        QVERIFY(dlg.isHidden());
    }

    void derivedValues_data()
    {
        QTest::addColumn<int>("bl");
        QTest::addColumn<int>("mem");
        QTest::addColumn<QString>("blText");
        QTest::addColumn<QString>("memText");
        QTest::newRow("full") << 255 << 1536 << "100"
                              << "1.50";
        QTest::newRow("half") << 128 << 0 << "50"
                              << "0.00";
        QTest::newRow("off") << 0 << 1024 << "0"
                             << "1.00";
        QTest::newRow("huge level") << std::numeric_limits<int>::max() << -2048 << "842150449"
                                    << "-2.00";
    }
    void derivedValues()
    {
        QFETCH(int, bl);
        QFETCH(int, mem);
        QFETCH(QString, blText);
        QFETCH(QString, memText);
        ShowInfoDlg dlg;
        InstrParam p;
        p.setBl(bl);
        p.setLeftMem(mem);
        dlg.showInfo(p);
        QCOMPARE(field(dlg, "editBl"), blText);
        QCOMPARE(field(dlg, "editMem"), memText);
    }

    void orientation_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("checked");
        QTest::newRow("0") << 3 << 0 << "rbScreen_0";
        QTest::newRow("1") << 0 << 1 << "rbScreen_90";
        QTest::newRow("3") << 0 << 3 << "rbScreen_270";
        QTest::newRow("5 keeps the previous") << 1 << 5 << "rbScreen_90";
        QTest::newRow("-1 keeps the previous") << 2 << -1 << "rbScreen_180";
    }
    void orientation()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, checked);
        ShowInfoDlg dlg;
        InstrParam p;
        p.setDir(first);
        dlg.showInfo(p);
        p.setDir(second);
        dlg.showInfo(p);
        QVERIFY(dlg.findChild<QRadioButton *>(checked)->isChecked());
    }

    void firstReportWithUnknownOrientation()
    {
        ShowInfoDlg dlg;
        InstrParam p;
        p.setDir(5);
        dlg.showInfo(p);
        QVERIFY(dlg.findChild<QRadioButton *>("rbScreen_0")->isChecked());
    }

    void retranslate()
    {
        ShowInfoDlg dlg;
        dlg.showInfo(sampleRecord());
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        qApp->installTranslator(&translator);
        dlg.retranslate();
        qApp->removeTranslator(&translator);
        QCOMPARE(dlg.windowTitle(), QString("Display information"));
        QCOMPARE(dlg.findChild<QRadioButton *>("rbScreen_90")->text(), QString("Rotate 90°"));
        // the form's design empties these three; the others keep the last report
        QCOMPARE(field(dlg, "editPage"), QString());
        QCOMPARE(field(dlg, "editWidgets"), QString());
        QCOMPARE(field(dlg, "editSers"), QString());
        QCOMPARE(field(dlg, "editBps"), QString("115200"));
    }
};

QTEST_MAIN(TestShowInfoDlg)
#include "tst_showinfodlg.moc"
