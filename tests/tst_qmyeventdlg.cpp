#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "dialogtestutil.h"

#include "qmyeventdlg.h"

// Runs the dialog for an owner kind and lets `action` work on it while exec() is running.
template<typename Action> static bool runDialog(QMyEventDlg &dlg, int ownerKind, Action action)
{
    QTimer::singleShot(0, &dlg, [&dlg, action] { action(dlg); });
    return dlg.execForEvent(ownerKind);
}

static QComboBox *combo(QMyEventDlg &dlg, const char *name)
{
    return dlg.findChild<QComboBox *>(name);
}

static void click(QMyEventDlg &dlg, const char *name)
{
    auto *button = dlg.findChild<QAbstractButton *>(name);
    QVERIFY2(button, name);
    button->click();
}

class TestQMyEventDlg : public QObject
{
    Q_OBJECT
private:
    QMyEventDlg *m_shared = nullptr; // one dialog for every holder, as the main window has

private slots:
    void initTestCase() { m_shared = new QMyEventDlg; }
    void cleanupTestCase() { delete m_shared; }
    void startState();
    void createsEvent_data();
    void createsEvent();
    void boxesFollowOwnerKind_data();
    void boxesFollowOwnerKind();
    void cancelAddsNothing();
    void recordCarriesOverBetweenRuns();
    void retranslate();
};

void TestQMyEventDlg::startState()
{
    QMyEventDlg dlg;
    QVERIFY(dlg.isHidden());
    QVERIFY(hasDialogFlags(dlg));
    QCOMPARE(dlg.minimumSize(), QSize(383, 193));
    QCOMPARE(dlg.maximumSize(), QSize(383, 193));
    QCOMPARE(dlg.windowTitle(), QString("事件信息"));
    QCOMPARE(dlg.findChild<QLabel *>("label")->text(), QString("事件类型："));
    QCOMPARE(dlg.findChild<QLabel *>("label_2")->text(), QString("用户函数："));
    QCOMPARE(dlg.findChild<QPushButton *>("btnOK")->text(), QString("确定"));
    QCOMPARE(dlg.findChild<QPushButton *>("btnClose")->text(), QString("关闭"));
    QVERIFY(combo(dlg, "cbEventType"));
    QVERIFY(combo(dlg, "cbEventUser"));
}

void TestQMyEventDlg::createsEvent_data()
{
    QTest::addColumn<int>("ownerKind");
    QTest::addColumn<int>("typeChoice"); // -1: keep the preselected type
    QTest::addColumn<int>("pickerChoice"); // -1: keep the first function
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("userType");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("page as opened")
        << -1 << -1 << -1 << 1 << 0 << QByteArray("user.set_x(1,0)\r\n");
    QTest::newRow("page exit, jump")
        << -1 << 0 << 40 << 0 << 44 << QByteArray("user.set_page(1,0)\r\n");
    QTest::newRow("timer as opened")
        << -2 << -1 << -1 << 0 << 0 << QByteArray("user.set_x(1,0)\r\n");
    QTest::newRow("timer, control timer")
        << -2 << 0 << 58 << 0 << 13 << QByteArray("user.set_timer(1,0,0,0)\r\n");
    QTest::newRow("sleep entry, backlight")
        << -3 << 1 << 64 << 1 << 42 << QByteArray("user.set_bl_ready(0)\r\n");
    QTest::newRow("sleep exit, restart")
        << -3 << 0 << 72 << 0 << 71 << QByteArray("user.restart()\r\n");
    QTest::newRow("button entry, cursor")
        << 0 << -1 << 44 << 1 << 62 << QByteArray("user.set_cursor_info(1,0,255,2,\"0/1\")\r\n");
    QTest::newRow("button exit, baud")
        << 0 << 0 << 53 << 0 << 72 << QByteArray("user.set_bps(115200)\r\n");
    QTest::newRow("progress decrease, last")
        << 3 << 2 << 73 << 2 << 74 << QByteArray("user.save_sys()\r\n");
    QTest::newRow("progress exit, text")
        << 3 << 0 << 8 << 0 << 8 << QByteArray("user.set_text(1,\"0\")\r\n");
    QTest::newRow("slider lift, get x") << 6 << 0 << 1 << 0 << 1 << QByteArray("user.get_x(1)\r\n");
    QTest::newRow("slider increase, colour")
        << 6 << -1 << 12 << 1 << 23 << QByteArray("user.set_bg_color(1,0,0)\r\n");
    QTest::newRow("arc decrease, report")
        << 7 << 2 << 43 << 2 << 57 << QByteArray("user.report_str(\"0\")\r\n");
    QTest::newRow("arc increase, buzzer")
        << 7 << -1 << 69 << 1 << 78 << QByteArray("user.get_buzzer()\r\n");
}

// The chosen type and function reach the record, with the function's defaults.
void TestQMyEventDlg::createsEvent()
{
    QFETCH(int, ownerKind);
    QFETCH(int, typeChoice);
    QFETCH(int, pickerChoice);
    QFETCH(int, type);
    QFETCH(int, userType);
    QFETCH(QByteArray, line);

    QMyEventDlg dlg;
    const bool accepted = runDialog(dlg, ownerKind, [=](QMyEventDlg &d) {
        if (typeChoice >= 0)
            combo(d, "cbEventType")->setCurrentIndex(typeChoice);
        if (pickerChoice >= 0)
            combo(d, "cbEventUser")->setCurrentIndex(pickerChoice);
        click(d, "btnOK");
    });
    QVERIFY(accepted);
    QCOMPARE(dlg.result(), 1);
    const EventInfo info = dlg.eventInfo();
    QCOMPARE(info.ownerType(), ownerKind);
    QCOMPARE(info.type(), type);
    QCOMPARE(info.userType(), userType);
    QCOMPARE(info.toCode(), line);
    QVERIFY(!info.typeName().isEmpty());
}

void TestQMyEventDlg::boxesFollowOwnerKind_data()
{
    QTest::addColumn<int>("ownerKind");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<int>("preselected");
    QTest::newRow("page") << -1 << QStringList {"页面退出", "页面进入"} << 1;
    QTest::newRow("timer") << -2 << QStringList {"定时到达"} << 0;
    QTest::newRow("sleep") << -3 << QStringList {"休眠退出", "休眠进入"} << 1;
    QTest::newRow("button") << 0 << QStringList {"按钮退出", "按钮进入"} << 1;
    QTest::newRow("progress") << 3 << QStringList {"进度退出", "进度增加", "进度减少"} << 1;
    QTest::newRow("slider") << 6 << QStringList {"slider抬起", "slider增加", "slider减少"} << 1;
    QTest::newRow("arc") << 7 << QStringList {"arc退出", "arc增加", "arc减少"} << 1;
}

// One dialog serves every holder in turn; each run lists its own types and all 74 functions.
void TestQMyEventDlg::boxesFollowOwnerKind()
{
    QFETCH(int, ownerKind);
    QFETCH(QStringList, types);
    QFETCH(int, preselected);

    QMyEventDlg &dlg = *m_shared;
    QStringList shownTypes;
    int shownType = -2;
    int shownUser = -2;
    QStringList captions;
    QList<int> data;
    const bool accepted = runDialog(dlg, ownerKind, [&](QMyEventDlg &d) {
        QComboBox *typeBox = combo(d, "cbEventType");
        QComboBox *userBox = combo(d, "cbEventUser");
        for (int i = 0; i < typeBox->count(); ++i)
            shownTypes << typeBox->itemText(i);
        shownType = typeBox->currentIndex();
        shownUser = userBox->currentIndex();
        for (int i = 0; i < userBox->count(); ++i) {
            captions << userBox->itemText(i);
            data << userBox->itemData(i).toInt();
        }
        userBox->setCurrentIndex(userBox->count() - 1);
        click(d, "btnClose");
    });
    QVERIFY(!accepted);
    QCOMPARE(shownTypes, types);
    QCOMPARE(shownType, preselected);
    QCOMPARE(shownUser, 0);
    const EventInfo fresh;
    QCOMPARE(captions, fresh.pickerCaptions());
    QCOMPARE(data, fresh.pickerIndices());
}

void TestQMyEventDlg::cancelAddsNothing()
{
    QMyEventDlg dlg;
    QVERIFY(runDialog(dlg, -1, [](QMyEventDlg &d) {
        combo(d, "cbEventUser")->setCurrentIndex(53); // set_bps
        click(d, "btnOK");
    }));
    QCOMPARE(dlg.eventInfo().userType(), 72);

    // neither the close button nor the window's close changes the record
    QVERIFY(!runDialog(dlg, 3, [](QMyEventDlg &d) {
        combo(d, "cbEventType")->setCurrentIndex(2);
        combo(d, "cbEventUser")->setCurrentIndex(0);
        click(d, "btnClose");
    }));
    QCOMPARE(dlg.result(), 0);
    QVERIFY(!runDialog(dlg, 0, [](QMyEventDlg &d) {
        combo(d, "cbEventUser")->setCurrentIndex(3);
        d.reject();
    }));
    const EventInfo info = dlg.eventInfo();
    QCOMPARE(info.type(), 1);
    QCOMPARE(info.userType(), 72);
    QCOMPARE(info.param(0), QString("115200"));
}

// Parameters the chosen function does not use keep what earlier runs left in the record.
void TestQMyEventDlg::recordCarriesOverBetweenRuns()
{
    QMyEventDlg dlg;
    QVERIFY(runDialog(dlg, -1, [](QMyEventDlg &d) {
        combo(d, "cbEventUser")->setCurrentIndex(44); // set_cursor_info
        click(d, "btnOK");
    }));
    QVERIFY(runDialog(dlg, -2, [](QMyEventDlg &d) { click(d, "btnOK"); }));
    const EventInfo info = dlg.eventInfo();
    QCOMPARE(info.userType(), 0);
    QCOMPARE(info.ownerType(), -2);
    QCOMPARE(info.type(), 0);
    QCOMPARE(info.param(2), QString("255"));
    QCOMPARE(info.param(4), QString("0/1"));
    QCOMPARE(info.toCode(), QByteArray("user.set_x(1,0)\r\n"));
}

void TestQMyEventDlg::retranslate()
{
    QMyEventDlg dlg;
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QVERIFY(QCoreApplication::installTranslator(&english));
    dlg.retranslate();
    QCOMPARE(dlg.windowTitle(), QString("EventInfo"));
    QCOMPARE(dlg.findChild<QLabel *>("label")->text(), QString("EventType:"));
    QCOMPARE(dlg.findChild<QLabel *>("label_2")->text(), QString("User Function:"));
    QCOMPARE(dlg.findChild<QPushButton *>("btnOK")->text(), QString("OK"));
    QCOMPARE(dlg.findChild<QPushButton *>("btnClose")->text(), QString("Close"));

    // the boxes are filled in the language current when the dialog opens
    QString type;
    QString function;
    QVERIFY(!runDialog(dlg, -1, [&](QMyEventDlg &d) {
        type = combo(d, "cbEventType")->currentText();
        function = combo(d, "cbEventUser")->currentText();
        click(d, "btnClose");
    }));
    QCOMPARE(type, QString("Page Entry"));
    QCOMPARE(function, QString("Set widget x"));

    QCoreApplication::removeTranslator(&english);
    dlg.retranslate();
    QCOMPARE(dlg.windowTitle(), QString("事件信息"));
    QCOMPARE(dlg.findChild<QPushButton *>("btnClose")->text(), QString("关闭"));
}

QTEST_MAIN(TestQMyEventDlg)
#include "tst_qmyeventdlg.moc"
