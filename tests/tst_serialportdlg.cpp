#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "designdocument.h"
#include "dialogtestutil.h"
#include "instructserialport.h"
#include "ptyanswerer.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "serialportdlg.h"

// The module's side of the text link: every command line ("...\r\n") gets "OK"; after a
// command announcing a data block, the block is awaited first. With progress set, the
// answer to a block is "e", "o" and "OK", a little apart as the module sends them (which
// does not keep them in reads of their own), or with together in one write.
static PtyAnswerer::Script textModule(PtyAnswerer **progress = nullptr, bool together = false)
{
    auto expectBlock = std::make_shared<int>(0);
    return [expectBlock, progress, together](QByteArray &pending) {
        if (*expectBlock > 0) {
            if (pending.size() < *expectBlock)
                return QByteArray();
            pending.remove(0, *expectBlock);
            *expectBlock = 0;
            if (!progress)
                return QByteArray("OK\r\n");
            if (together)
                return QByteArray("eoOK\r\n");
            PtyAnswerer *module = *progress;
            QTimer::singleShot(30, module, [module] { module->send("o"); });
            QTimer::singleShot(60, module, [module] { module->send("OK\r\n"); });
            return QByteArray("e");
        }
        const int end = pending.indexOf("\r\n");
        if (end < 0)
            return QByteArray();
        const QByteArray line = pending.left(end);
        pending.remove(0, end + 2);
        const QRegularExpressionMatch block =
            QRegularExpression("^(?:FS_HEAD|ZIKU|ZIKU48)\\((\\d+)\\);$|^SR_DLOAD\\(2,(\\d+)\\);$")
                .match(QString::fromLatin1(line));
        if (block.hasMatch())
            *expectBlock = (block.captured(1) + block.captured(2)).toInt();
        return QByteArray("OK\r\n");
    };
}

class TextLink
{
public:
    TextLink()
    {
        qputenv("YBEX_EXTRA_PORTS", pty.slavePath().toLocal8Bit());
        dlg.showDlg();
    }
    // Opens the pair's port, or another listed one.
    bool open(const QString &path = QString())
    {
        auto *ports = dlg.findChild<QComboBox *>("portCombox");
        ports->setCurrentIndex(ports->findText(path.isEmpty() ? pty.slavePath() : path));
        dlg.findChild<QPushButton *>("btnOpenClose")->click();
        return dlg.isPortOpen();
    }
    QString notice() const
    {
        QMyMessageBox *box = dlg.getMessageBox();
        return box->isVisible() ? box->findChild<QLabel *>("labMessage")->text() : QString();
    }
    QString state() const { return dlg.findChild<QLabel *>("labConnectState")->text(); }

    PtyPair pty;
    SerialPortDlg dlg;
};

static const QString timePattern = "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\d{3}";

class TestSerialPortDlg : public QObject
{
    Q_OBJECT
private slots:
    void formAndStart()
    {
        SerialPortDlg dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(458, 306));
        QCOMPARE(dlg.windowTitle(), QString("端口选择"));
        QCOMPARE(dlg.findChild<QLabel *>("labConnectState")->text(), QString("串口未连接！"));
        QVERIFY(!dlg.isPortOpen());
        QVERIFY(!dlg.isJobActive());
    }

    void answerKinds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::newRow("ok") << "OK\r\n" << int(SerialPortDlg::AnswerOk);
        QTest::newRow("ok wins over info") << "INFO_1_2_3_4_5OK" << int(SerialPortDlg::AnswerOk);
        QTest::newRow("info") << "INFO_1_2_3_4_5\r\n" << int(SerialPortDlg::AnswerInfo);
        QTest::newRow("firmware") << "FW_V1.2" << int(SerialPortDlg::AnswerFirmware);
        QTest::newRow("erase") << "e" << int(SerialPortDlg::AnswerErase);
        QTest::newRow("configure") << "o" << int(SerialPortDlg::AnswerConfig);
        QTest::newRow("flash 2") << "FLASH_2" << int(SerialPortDlg::AnswerFlash2);
        QTest::newRow("flash 3") << "FLASH_3\r\n" << int(SerialPortDlg::AnswerFlash3);
        QTest::newRow("flash 11") << "FLASH_11" << int(SerialPortDlg::AnswerFlash11);
        QTest::newRow("case matters") << "ok ERROR" << int(SerialPortDlg::AnswerConfig);
        QTest::newRow("nothing known") << "ERR 42" << int(SerialPortDlg::NoAnswer);
    }
    void answerKinds()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QCOMPARE(int(SerialPortDlg::answerKind(text)), kind);
    }

    // Nothing opens the text link's port today: a request ends in the warning.
    void requestWithoutPort()
    {
        SerialPortDlg dlg;
        dlg.startJob(3, "BL(20);\r\n");
        QMyMessageBox *box = dlg.getMessageBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
                 QString("通信未连接，请您先连接通信！"));
        QVERIFY(!dlg.isJobActive());
    }

    void backlightOverThePort()
    {
        TextLink link;
        PtyAnswerer module(&link.pty, textModule());
        QVERIFY(link.open());
        QCOMPARE(link.state(), QString("串口已连接！"));
        QSignalSpy log(&link.dlg, &SerialPortDlg::s_sendMes);
        link.dlg.startJob(3, "BL(20);\r\n");
        QVERIFY(link.dlg.isJobActive());
        QTRY_COMPARE(log.size(), 3);
        QCOMPARE(module.received, QByteArray("BL(20);\r\n"));
        const QList<QPair<int, QString>> expected {
            {0, "--发送:BL(20);\r\n"}, {0, "--接收:OK"}, {2, "--发送:背光度设置成功！"}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(log.at(i).at(0).toInt(), expected.at(i).first);
            const QString line = log.at(i).at(1).toString();
            QVERIFY2(QRegularExpression(timePattern
                                        + QRegularExpression::escape(expected.at(i).second) + "$")
                         .match(line)
                         .hasMatch(),
                     qPrintable(line));
        }
        QCOMPARE(link.notice(), QString("背光度设置成功！"));
        QVERIFY(!link.dlg.isJobActive());
    }

    void answerSplitOverReads()
    {
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        QSignalSpy log(&link.dlg, &SerialPortDlg::s_sendMes);
        link.dlg.startJob(4, "BPS(9600);\r\n");
        QTRY_COMPARE(module.received, QByteArray("BPS(9600);\r\n"));
        module.send("O");
        QTest::qWait(30);
        QVERIFY(link.dlg.isJobActive());
        module.send("K\r\n");
        QTRY_VERIFY(!link.dlg.isJobActive());
        QTRY_COMPARE(link.notice(), QString("波特率设置成功！"));
        QCOMPARE(log.last().at(0).toInt(), 1);
    }

    void silentModuleTimesOut()
    {
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.getWorker()->setJobTimeout(3, 100);
        QSignalSpy log(&link.dlg, &SerialPortDlg::s_sendMes);
        link.dlg.startJob(3, "BL(0);\r\n");
        QTRY_COMPARE(link.notice(), QString("通信超时，下载失败！"));
        QVERIFY(!link.dlg.isJobActive());
        QVERIFY(log.last().at(1).toString().endsWith("--发送:通信超时，下载失败！"));
    }

    // The module's information line read whole, however the port splits it.
    void infoSplitOverReads_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("rest");
        QTest::newRow("between fields") << QByteArray("INFO_1_2") << QByteArray("_3_4_5\r\n");
        QTest::newRow("after the key") << QByteArray("INFO_") << QByteArray("1_2_3_4_5\r\n");
        QTest::newRow("before the line end") << QByteArray("INFO_1_2_3_4_5") << QByteArray("\r\n");
        QTest::newRow("inside the line end") << QByteArray("INFO_1_2_3_4_5\r") << QByteArray("\n");
    }
    void infoSplitOverReads()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, rest);
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.startJob(5, "X();\r\n");
        QTRY_COMPARE(module.received, QByteArray("X();\r\n"));
        module.send(first);
        QTest::qWait(30);
        module.send(rest);
        QTRY_COMPARE(link.notice(), QString("指令集发送成功！"));
        QVERIFY(!link.dlg.isJobActive());
    }

    // Line noise in front of an answer (a NUL byte, bytes that are not UTF-8) hides nothing.
    void answerAfterNoise_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("NUL") << QByteArray("\0OK\r\n", 5);
        QTest::newRow("not UTF-8") << QByteArray("\xff\xfe\xc3OK\r\n");
        QTest::newRow("NUL before the information line") << QByteArray("\0INFO_1_2_3_4_5\r\n", 17);
    }
    void answerAfterNoise()
    {
        QFETCH(QByteArray, answer);
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.getWorker()->setJobTimeout(5, 2000);
        link.dlg.startJob(5, "X();\r\n");
        QTRY_COMPARE(module.received, QByteArray("X();\r\n"));
        module.send(answer);
        QTRY_COMPARE(link.notice(), QString("指令集发送成功！"));
        QVERIFY(!link.dlg.isJobActive());
    }

    void incompleteInfoEndsTheJob()
    {
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.startJob(5, "X();\r\n");
        QTRY_COMPARE(module.received, QByteArray("X();\r\n"));
        module.send("INFO_1_2_3\r\n");
        QTRY_COMPARE(link.notice(), QString("模块回复的信息不完整，下载失败！"));
        QVERIFY(!link.dlg.isJobActive());
    }

    void flashAnswers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("librarySizeKB");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("fits 3M") << QByteArray("FLASH_3") << 3072 << QString();
        QTest::newRow("above 3M") << QByteArray("FLASH_3") << 3073
                                  << "下载失败，下载图片的bin文件总大小超过3M！";
        QTest::newRow("above 2M") << QByteArray("FLASH_2") << 2049
                                  << "下载失败，下载图片的bin文件总大小超过2M！";
        QTest::newRow("fits 11M") << QByteArray("FLASH_11") << 11264 << QString();
    }
    void flashAnswers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, librarySizeKB);
        QFETCH(QString, refusal);
        TextLink link;
        link.dlg.setImageLibrarySizeKB(librarySizeKB);
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.startJob(5, "Y();\r\n");
        QTRY_COMPARE(module.received, QByteArray("Y();\r\n"));
        module.send(answer);
        if (refusal.isEmpty())
            QTRY_COMPARE(link.notice(), QString("指令集发送成功！"));
        else
            QTRY_COMPARE(link.notice(), refusal);
        QVERIFY(!link.dlg.isJobActive());
    }

    void picturesWithProgress_data()
    {
        QTest::addColumn<bool>("together");
        QTest::newRow("apart") << false;
        QTest::newRow("in one write") << true;
    }
    void picturesWithProgress()
    {
        QFETCH(bool, together);
        QTemporaryDir dir;
        DesignDocument design;
        for (int i = 0; i < 2; ++i) {
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(qRgb(0, 0, 255));
            design.addPicture(dir.filePath(QString("%1_blue.png").arg(i)));
            QVERIFY(image.save(design.pictures().last()));
        }
        TextLink link;
        link.dlg.setDesign(&design);
        PtyAnswerer *self = nullptr;
        PtyAnswerer module(&link.pty, textModule(&self, together));
        self = &module;
        QVERIFY(link.open());
        QSignalSpy bar(&link.dlg, &SerialPortDlg::s_sendProbar);
        QSignalSpy log(&link.dlg, &SerialPortDlg::s_sendMes);
        link.dlg.startJob(1, QString());
        design.setPictures({}); // the job took its own copy
        QTRY_VERIFY(module.received.endsWith("RESET();\r\n"));
        auto logged = [&log](const QString &end) {
            for (const QList<QVariant> &args : log) {
                if (args.at(1).toString().endsWith(end))
                    return true;
            }
            return false;
        };
        QTRY_VERIFY(logged("--发送:图片下载成功！"));
        QVERIFY(!link.dlg.isJobActive());
        const int total = 2 * (4 * 2 + 6 + 2 * 64 * 64 * 2);
        QVERIFY(module.received.startsWith("FCHECK();\r\nFS_HEAD(14);\r\n"));
        QVERIFY(module.received.contains("SR_DLOAD(2,16384);\r\n"));
        QCOMPARE(module.received.size(), 11 + 14 + 14 + 20 + 16384 + 10);
        QList<QList<int>> seen;
        for (const QList<QVariant> &args : bar)
            seen << QList<int> {args.at(0).toInt(), args.at(1).toInt()};
        // Header and pixels each bring an "e" (4096) and an "o" (8192), each counted however
        // the answers are read.
        const QList<QList<int>> expected {{total, 0},     {total, 4096},  {total, 12288},
                                          {total, 16384}, {total, 24576}, {total, total}};
        QCOMPARE(seen, expected);
        QProgressBar *progress = link.dlg.getProgressWindow()->findChild<QProgressBar *>();
        QCOMPARE(progress->value(), total);
        QCOMPARE(link.dlg.getProgressWindow()->windowTitle(), QString("图片下载进度"));
    }

    void fontsOverThePort()
    {
        TextLink link;
        PtyAnswerer module(&link.pty, textModule());
        QVERIFY(link.open());
        link.dlg.startJob(2, QString());
        QTRY_COMPARE_WITH_TIMEOUT(link.notice(), QString("字库下载成功！"), 20000);
        QCOMPARE(module.received.size(),
                 int(qstrlen("ZIKU(1909488);\r\n") + 1909488 + qstrlen("ZIKU48(2744640);\r\n")
                     + 2744640));
    }

    void unplugDuringAJob()
    {
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.startJob(3, "BL(5);\r\n");
        QTRY_COMPARE(module.received, QByteArray("BL(5);\r\n"));
        const QString path = link.pty.slavePath();
        module.unplug();
        QTRY_VERIFY(!link.dlg.isPortOpen());
        QCOMPARE(link.notice(), QString("串口%1已拔出！").arg(path));
        QVERIFY(!link.dlg.isJobActive());
        QCOMPARE(link.state(), QString("串口已断开！"));

        PtyPair second;
        PtyAnswerer again(&second, textModule());
        link.dlg.slotComStatus(second.slavePath(), true);
        QVERIFY(link.open(second.slavePath()));
        link.dlg.startJob(3, "BL(6);\r\n");
        QTRY_COMPARE(link.notice(), QString("背光度设置成功！"));
    }

    void watcherReportsTheOpenPort()
    {
        TextLink link;
        QVERIFY(link.open());
        link.dlg.slotComStatus("/dev/ttyUSB7", false); // another port: nothing happens
        QVERIFY(link.dlg.isPortOpen());
        link.dlg.slotComStatus(link.pty.slavePath(), false);
        QVERIFY(!link.dlg.isPortOpen());
        QCOMPARE(link.notice(), QString("串口%1已拔出！").arg(link.pty.slavePath()));
    }

    void closingThePortEndsTheJob()
    {
        TextLink link;
        PtyAnswerer module(&link.pty);
        QVERIFY(link.open());
        link.dlg.startJob(5, "Z();\r\n");
        link.dlg.findChild<QPushButton *>("btnOpenClose")->click();
        QVERIFY(!link.dlg.isPortOpen());
        QCOMPARE(link.notice(), QString("通信已断开，下载失败！"));
        QVERIFY(!link.dlg.isJobActive());
        // A write the worker asked for before the close finds the port closed.
        link.dlg.getMessageBox()->hide();
        link.dlg.slotWritePort(QByteArray("late"));
        QCOMPARE(link.notice(), QString("通信已断开，下载失败！"));
    }

    void languageSwitch()
    {
        SerialPortDlg dlg;
        QTranslator english;
        QVERIFY(english.load(":/config/language/English.qm"));
        QCoreApplication::installTranslator(&english);
        dlg.retranslate();
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(dlg.windowTitle(), QString("Port Select"));
        QCOMPARE(dlg.findChild<QPushButton *>("btnOpenClose")->text(), QString("Open serial port"));
    }
};

QTEST_MAIN(TestSerialPortDlg)
#include "tst_serialportdlg.moc"
