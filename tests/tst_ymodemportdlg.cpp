#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "downloadtestutil.h"
#include "ptypair.h"
#include "qmymessagebox.h"
#include "qmynativeeventfilter.h"
#include "simulatedmodule.h"
#include "ymodem.h"
#include "ymodemjob.h"
#include "ymodemportdlg.h"

namespace {

// The texts of the message boxes on screen.
QStringList shownMessages()
{
    QStringList texts;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMyMessageBox *>(w);
        if (box && box->isVisible())
            texts.append(box->findChild<QLabel *>("labMessage")->text());
    }
    return texts;
}

// The text of the message box on screen, empty when none is shown.
QString shownMessage()
{
    return shownMessages().value(0);
}

void hideMessages()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMyMessageBox *>(w))
            w->hide();
    }
}

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// The dialog's requests reach the worker as the window wires them.
void requestsReachWorker(YModemPortDlg &dlg, YModem &worker)
{
    QObject::connect(&dlg, &YModemPortDlg::s_sendPortMes, &worker, &YModem::slotOpenClosePort,
                     Qt::DirectConnection);
    QObject::connect(&dlg, &YModemPortDlg::s_sendPortVanished, &worker, &YModem::slotPortVanished,
                     Qt::DirectConnection);
}

} // namespace

class TestYModemPortDlg : public QObject
{
    Q_OBJECT

    template<class T> static T *child(const YModemPortDlg &dlg, const char *name)
    {
        return dlg.findChild<T *>(QLatin1String(name));
    }

private slots:
    void cleanup()
    {
        qunsetenv("YBEX_EXTRA_PORTS");
        hideMessages();
    }

    void form()
    {
        YModemPortDlg dlg;
        QVERIFY(dlg.isHidden());
        QCOMPARE(dlg.windowTitle(), QString("端口选择"));
        QCOMPARE(dlg.minimumSize(), QSize(460, 312));
        QCOMPARE(dlg.maximumSize(), QSize(460, 312));
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("串口未连接！"));
        QCOMPARE(child<QPushButton>(dlg, "btnOpenClose")->text(), QString("打开串口"));
        QCOMPARE(child<QPushButton>(dlg, "btnInstrTest")->geometry(), QRect(110, 215, 201, 41));
        QCOMPARE(child<QPushButton>(dlg, "btnClose")->text(), QString("关闭"));
    }

    void baudRates()
    {
        QCOMPARE(YModemPortDlg::baudRates(0), QStringList {"345600"});
        QCOMPARE(YModemPortDlg::baudRates(1), QStringList {"1000000"});
        QCOMPARE(YModemPortDlg::baudRates(2), QStringList());
        QCOMPARE(YModemPortDlg::baudRates(-1), QStringList());
    }

    void openAndClose()
    {
        PtyPair first, second;
        qputenv("YBEX_EXTRA_PORTS", (first.slavePath() + ":" + second.slavePath()).toLocal8Bit());
        YModemPortDlg dlg;
        QSignalSpy requests(&dlg, &YModemPortDlg::s_sendPortMes);
        dlg.openDialog(1);
        QVERIFY(dlg.isVisible());
        auto *ports = child<QComboBox>(dlg, "portCombox");
        QCOMPARE(items(ports).mid(items(ports).size() - 2),
                 (QStringList {first.slavePath(), second.slavePath()}));
        QCOMPARE(items(child<QComboBox>(dlg, "baudCombox")), QStringList {"1000000"});
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("串口已断开！"));
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->styleSheet(), QString("color:red;"));

        ports->setCurrentText(second.slavePath());
        child<QPushButton>(dlg, "btnOpenClose")->click();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0), (QVariantList {true, second.slavePath(), 1000000}));
        // Nothing changes until the worker reports.
        QCOMPARE(child<QPushButton>(dlg, "btnOpenClose")->text(), QString("打开串口"));
        dlg.slotPortStatus(true);
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("串口已连接！"));
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->styleSheet(), QString("color:green;"));
        QCOMPARE(child<QPushButton>(dlg, "btnOpenClose")->text(), QString("关闭串口"));
        child<QPushButton>(dlg, "btnOpenClose")->click();
        QCOMPARE(requests.at(1), (QVariantList {false, second.slavePath(), 1000000}));

        // The port of the last request stays current when the dialog opens again.
        child<QPushButton>(dlg, "btnClose")->click();
        QVERIFY(dlg.isHidden());
        dlg.openDialog(0);
        QCOMPARE(ports->currentText(), second.slavePath());
        QCOMPARE(items(child<QComboBox>(dlg, "baudCombox")), QStringList {"345600"});
    }

    void series()
    {
        YModemPortDlg dlg;
        QSignalSpy requests(&dlg, &YModemPortDlg::s_sendPortMes);
        dlg.openDialog(0);
        dlg.setSeries(1);
        QCOMPARE(requests.size(), 0);
        QCOMPARE(items(child<QComboBox>(dlg, "baudCombox")), QStringList {"345600"});
        dlg.slotPortStatus(true);
        dlg.setSeries(1);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).at(0).toBool(), true);
        QCOMPARE(requests.at(0).at(2).toInt(), 1000000);
        dlg.setSeries(1);
        QCOMPARE(requests.size(), 2);
    }

    void linkTest()
    {
        YModemPortDlg dlg;
        QSignalSpy instructions(&dlg, &YModemPortDlg::s_sendInstr);
        child<QPushButton>(dlg, "btnInstrTest")->click();
        QCOMPARE(instructions.size(), 0);
        QCOMPARE(shownMessage(), QString("通信未连接，请您先连接通信！"));
        hideMessages();
        dlg.slotPortStatus(true);
        child<QPushButton>(dlg, "btnInstrTest")->click();
        QCOMPARE(instructions.size(), 1);
        QCOMPARE(instructions.at(0).at(0).toString(), QString("GET_ADDR\r\n"));
        QCOMPARE(shownMessage(), QString());
    }

    void portsComeAndGo()
    {
        YModemPortDlg dlg;
        QSignalSpy requests(&dlg, &YModemPortDlg::s_sendPortMes);
        QSignalSpy vanished(&dlg, &YModemPortDlg::s_sendPortVanished);
        dlg.openDialog(0);
        auto *ports = child<QComboBox>(dlg, "portCombox");
        const QStringList before = items(ports);
        dlg.slotComStatus("/dev/ttyX9", true);
        dlg.slotComStatus("/dev/ttyX8", true);
        QCOMPARE(items(ports), before + QStringList({"/dev/ttyX9", "/dev/ttyX8"}));
        // Removing a port that is not the link's only drops its entry.
        dlg.slotComStatus("/dev/ttyX8", false);
        dlg.slotComStatus("/dev/TTYX9", false);
        QCOMPARE(items(ports), before + QStringList {"/dev/ttyX9"});
        QCOMPARE(requests.size(), 0);
        QCOMPARE(vanished.size(), 0);
        // The link's port: the worker is told, which closes it and tells the user.
        ports->setCurrentText("/dev/ttyX9");
        child<QPushButton>(dlg, "btnOpenClose")->click();
        dlg.slotPortStatus(true);
        dlg.slotComStatus("/dev/ttyX9", false);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(vanished.size(), 1);
        QCOMPARE(vanished.at(0), QVariantList {QString("/dev/ttyX9")});
        QCOMPARE(shownMessage(), QString());
        // Once the worker has closed it, nothing more.
        dlg.slotPortStatus(false);
        dlg.slotComStatus("/dev/ttyX9", false);
        QCOMPARE(vanished.size(), 1);
    }

    // The dialog, the worker and the watcher together, as the window wires them: the adapter
    // is unplugged while the link is open.
    void unpluggedLink()
    {
        auto module = std::make_unique<SimulatedModule>();
        const QString path = module->portPath();
        qputenv("YBEX_EXTRA_PORTS", path.toLocal8Bit());
        YModemPortDlg dlg;
        YModem worker;
        QMyNativeEventFilter watcher;
        requestsReachWorker(dlg, worker);
        connect(&worker, &YModem::s_sendPortStatus, &dlg, &YModemPortDlg::slotPortStatus);
        connect(&watcher, &QMyNativeEventFilter::comStatus, &dlg, &YModemPortDlg::slotComStatus);
        QStringList messages;
        // The worker's reports come queued: those still on their way go with the receiver,
        // before the list they fill.
        QObject receiver;
        connect(&worker, &YModem::s_sendMes, &receiver,
                [&](int, const QString &text) { messages.append(text); });
        dlg.openDialog(0);
        child<QComboBox>(dlg, "portCombox")->setCurrentText(path);
        child<QPushButton>(dlg, "btnOpenClose")->click();
        QTRY_COMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("串口已连接！"));

        module->unplug();
        QTRY_COMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("串口已断开！"));
        QTRY_COMPARE(messages, QStringList {QString("串口%1已拔出！").arg(path)});
        // Its entry goes once the watcher sees the node gone (another program may already
        // have been given the same pseudo-terminal number).
        watcher.checkPorts();
        if (!QFileInfo::exists(path))
            QVERIFY(!items(child<QComboBox>(dlg, "portCombox")).contains(path));

        // A new adapter works at once.
        SimulatedModule next;
        qputenv("YBEX_EXTRA_PORTS", next.portPath().toLocal8Bit());
        watcher.checkPorts();
        child<QComboBox>(dlg, "portCombox")->setCurrentText(next.portPath());
        child<QPushButton>(dlg, "btnOpenClose")->click();
        QTRY_COMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("串口已连接！"));
    }

    // An unplug is told once, whether the worker sees the hang-up first or the watcher sees
    // the port gone first, and when both come together; idle or during a download.
    void oneUnplugOneMessage_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("duringJob");
        for (const char *order : {"hang-up first", "watcher first", "together"}) {
            QTest::addRow("%s, idle", order) << QString(order) << false;
            QTest::addRow("%s, during a download", order) << QString(order) << true;
        }
    }
    void oneUnplugOneMessage()
    {
        QFETCH(QString, order);
        QFETCH(bool, duringJob);
        QTemporaryDir dir;
        const QString picture = dir.filePath("0_noise.png");
        QVERIFY(writePicture(picture, 5000, 7));
        SimulatedModuleOptions options;
        options.holdAtBlock = 1;
        auto module = std::make_unique<SimulatedModule>(options);
        const QString path = module->portPath();
        qputenv("YBEX_EXTRA_PORTS", path.toLocal8Bit());
        YModemPortDlg dlg;
        YModem worker;
        requestsReachWorker(dlg, worker);
        // The dialog hears of the port's state only when the test says, so that the watcher's
        // report finds it still open whichever path came first.
        QList<bool> states;
        QStringList messages;
        QObject receiver;
        connect(&worker, &YModem::s_sendPortStatus, &receiver,
                [&](bool open) { states.append(open); });
        connect(&worker, &YModem::s_sendMes, &receiver,
                [&](int, const QString &text) { messages.append(text); });
        dlg.openDialog(0);
        child<QComboBox>(dlg, "portCombox")->setCurrentText(path);
        child<QPushButton>(dlg, "btnOpenClose")->click();
        QTRY_COMPARE(states, QList<bool> {true});
        dlg.slotPortStatus(true);
        if (duringJob) {
            YModemJob job;
            job.job = YModemJob::Pictures;
            job.imagePaths = QStringList {picture};
            job.projectFolder = dir.path();
            worker.startJob(job);
            QTRY_VERIFY(module->isHolding());
        }

        const auto watcherReports = [&] { dlg.slotComStatus(path, false); };
        if (order == "hang-up first") {
            module->unplug();
            QTRY_COMPARE(messages.size(), 1);
            watcherReports();
        } else if (order == "watcher first") {
            watcherReports();
            QTRY_COMPARE(messages.size(), 1);
            module->unplug();
        } else {
            module->unplug();
            watcherReports();
        }
        // A request behind both: whatever they bring has come before its answer.
        QTRY_COMPARE(states.size(), 2);
        worker.slotOpenClosePort(false, path, 345600);
        QTRY_COMPARE(states.size(), 3);
        const QString told = duringJob ? QString("串口%1已拔出，图片下载失败！").arg(path)
                                       : QString("串口%1已拔出！").arg(path);
        QCOMPARE(messages, QStringList {told});
        QCOMPARE(shownMessages(), QStringList());
        QCOMPARE(states, (QList<bool> {true, false, false}));
        QVERIFY(!worker.isJobPending());
    }

    // A running job keeps its port: the request is refused with the job's name.
    void portStaysUnderAJob()
    {
        PtyPair first, second;
        qputenv("YBEX_EXTRA_PORTS", (first.slavePath() + ":" + second.slavePath()).toLocal8Bit());
        YModemPortDlg dlg;
        QString job = "图片下载";
        dlg.setJobCheck([&] { return job; });
        QSignalSpy requests(&dlg, &YModemPortDlg::s_sendPortMes);
        dlg.openDialog(0);
        auto *ports = child<QComboBox>(dlg, "portCombox");
        ports->setCurrentText(first.slavePath());
        auto *button = child<QPushButton>(dlg, "btnOpenClose");
        button->click();
        QCOMPARE(requests.size(), 0);
        QCOMPARE(shownMessage(), QString("图片下载正在进行中，不可更改串口！"));
        hideMessages();
        job.clear();
        button->click();
        QCOMPARE(requests.size(), 1);
        dlg.slotPortStatus(true);
        // While open, the list shows the open port and cannot be changed.
        QVERIFY(!ports->isEnabled());
        QVERIFY(!child<QComboBox>(dlg, "baudCombox")->isEnabled());
        QCOMPARE(ports->currentText(), first.slavePath());
        job = "通信测试";
        button->click();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(shownMessage(), QString("通信测试正在进行中，不可更改串口！"));
        job.clear();
        button->click();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(1), (QVariantList {false, first.slavePath(), 345600}));
        dlg.slotPortStatus(false);
        QVERIFY(ports->isEnabled());
    }

    void linkTestShowsItWaits()
    {
        YModemPortDlg dlg;
        auto *test = child<QPushButton>(dlg, "btnInstrTest");
        dlg.setLinkTestRunning(true);
        QCOMPARE(test->text(), QString("测试中…"));
        QVERIFY(!test->isEnabled());
        dlg.retranslate();
        QCOMPARE(test->text(), QString("测试中…"));
        QVERIFY(!test->isEnabled());
        dlg.setLinkTestRunning(false);
        QCOMPARE(test->text(), QString("通信测试"));
        QVERIFY(test->isEnabled());
    }

    void english()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        qApp->installTranslator(&translator);
        YModemPortDlg dlg;
        dlg.slotPortStatus(true);
        dlg.retranslate();
        QCOMPARE(dlg.windowTitle(), QString("Port Select"));
        // The texts are those of the port's state, not the form's.
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->text(), QString("Serial port connected!"));
        QCOMPARE(child<QLabel>(dlg, "labConnectState")->styleSheet(), QString("color:green;"));
        QCOMPARE(child<QPushButton>(dlg, "btnOpenClose")->text(), QString("Close serial port"));
        dlg.slotPortStatus(false);
        QCOMPARE(child<QPushButton>(dlg, "btnOpenClose")->text(), QString("Open serial port"));
        qApp->removeTranslator(&translator);
    }
};

QTEST_MAIN(TestYModemPortDlg)
#include "tst_ymodemportdlg.moc"
