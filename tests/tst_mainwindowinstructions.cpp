// The instruction terminal and the text-instruction link through the main window.

#include "designglobals.h"
#include "downloadcontroller.h"
#include "instrtabledlg.h"
#include "instructserialport.h"
#include "mainwindow.h"
#include "ptyanswerer.h"
#include "qmymessagebox.h"
#include "serialportdlg.h"
#include "setscreensizedlg.h"
#include "sysdlg.h"
#include "terminalcontroller.h"
#include "windowfixture.h"
#include "ymodem.h"
#include "ymodemjob.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QString noticeOf(QMyMessageBox *box)
{
    return box->isVisible() ? box->findChild<QLabel *>("labMessage")->text() : QString();
}

// Answers every instruction line with "OK".
QByteArray answerLines(QByteArray &pending)
{
    const int end = pending.indexOf("\r\n");
    if (end < 0)
        return QByteArray();
    pending.remove(0, end + 2);
    return "OK\r\n";
}

} // namespace

class tst_MainWindowInstructions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        tempDir.reset(new QTemporaryDir);
        window = fixture.start();
        project = fixture.makeProject(tempDir->filePath("demo.yBEX"));
        QVERIFY(readFile(project).contains("<blValue>20</blValue>"));
    }
    void cleanup()
    {
        fixture.reset();
        window = nullptr;
    }

    void terminalCommand()
    {
        InstrTableDlg *terminal = window->terminal()->getInstrTableDlg();
        QVERIFY(terminal->isHidden());
        window->findChild<QToolButton *>("btnInstrTable")->click();
        QVERIFY(terminal->isVisible());
        QCOMPARE(terminal->findChild<QComboBox *>("baudCombox")->currentText(), QString("115200"));
        auto *log = window->findChild<QTextBrowser *>("textBrowserRecv");
        log->append("line");
        window->findChild<QPushButton *>("btnClearRecv")->click();
        QVERIFY(log->toPlainText().isEmpty());
    }

    // No command opens the text link's port: the request warns and changes nothing.
    void backlightWithoutPort()
    {
        const QByteArray before = readFile(project);
        SysDlg *sys = window->terminal()->getSysDlg();
        sys->findChild<QSlider *>("horizontalSliderScreen")->setValue(200);
        sys->findChild<QPushButton *>("btnScreenValue")->click();
        QCOMPARE(noticeOf(window->terminal()->getSerialPortDlg()->getMessageBox()),
                 QString("通信未连接，请您先连接通信！"));
        QVERIFY(!window->terminal()->getSerialPortDlg()->isJobActive());
        QTest::qWait(50);
        QCOMPARE(readFile(project), before);
        QCOMPARE(window->document().backlight(), 20);
        QCOMPARE(sys->backlight(), 20);
        QVERIFY(window->findChild<QTextBrowser *>("textBrowserRecv")->toPlainText().isEmpty());
    }

    void confirmedValuesAreKept()
    {
        PtyPair pty;
        PtyAnswerer module(&pty, answerLines);
        qputenv("YBEX_EXTRA_PORTS", pty.slavePath().toLocal8Bit());
        SerialPortDlg *link = window->terminal()->getSerialPortDlg();
        link->showDlg();
        auto *ports = link->findChild<QComboBox *>("portCombox");
        ports->setCurrentIndex(ports->findText(pty.slavePath()));
        link->findChild<QPushButton *>("btnOpenClose")->click();
        QVERIFY(link->isPortOpen());

        SysDlg *sys = window->terminal()->getSysDlg();
        sys->findChild<QSlider *>("horizontalSliderScreen")->setValue(200);
        sys->findChild<QPushButton *>("btnScreenValue")->click();
        QTRY_COMPARE(window->document().backlight(), 55);
        QCOMPARE(module.received, QByteArray("BL(55);\r\n"));
        QCOMPARE(sys->backlight(), 55);
        QTRY_VERIFY(readFile(project).contains("<blValue>55</blValue>"));

        auto *rates = sys->findChild<QComboBox *>("cbBuad");
        rates->addItem("9600");
        sys->findChild<QPushButton *>("btnBaud")->click();
        QTRY_COMPARE(window->document().baud(), QString("9600"));
        QCOMPARE(sys->baudText(), QString("9600"));
        QVERIFY(readFile(project).contains("<baud>9600</baud>"));

        const QString log = window->findChild<QTextBrowser *>("textBrowserRecv")->toPlainText();
        QVERIFY2(log.contains("--发送:BL(55);\n"), qPrintable(log));
        QVERIFY(log.contains("--发送:背光度设置成功！"));
        QVERIFY(log.contains("--发送:波特率设置成功！"));
        QVERIFY(!log.contains('\r'));

        // While a request waits for the module, the next one is refused.
        module.setScript({});
        sys->findChild<QPushButton *>("btnScreenValue")->click();
        QVERIFY(link->isJobActive());
        sys->findChild<QPushButton *>("btnBaud")->click();
        QCOMPARE(noticeOf(window->getQuestionBox()), QString("下载中请稍后重试！"));
        link->getWorker()->reset();
        qunsetenv("YBEX_EXTRA_PORTS");
    }

    void pictureProgressBar()
    {
        auto *bar = window->findChild<QProgressBar *>("progressBarDown");
        window->terminal()->slotRecePortProbar(200, 50);
        QVERIFY(bar->isVisibleTo(window));
        QCOMPARE(bar->maximum(), 200);
        QCOMPARE(bar->value(), 50);
        window->terminal()->slotRecePortProbar(200, 200);
        QVERIFY(!bar->isVisibleTo(window));
    }

    // The bar of a picture download over the text link shows its own progress, not how the
    // last YModem job ended.
    void pictureProgressAfterFailedDownload()
    {
        auto *bar = window->findChild<QProgressBar *>("progressBarDown");
        window->download()->slotProgressBarMes(1, 100, 40);
        window->download()->slotDownloadJobEnded(YModemJob::Pictures, YModem::Failed);
        QCOMPARE(bar->text(), QString("失败"));
        window->terminal()->slotRecePortProbar(200, 50);
        QCOMPARE(bar->text(), QString("25%"));
        window->terminal()->slotRecePortProbar(200, 200);
        QVERIFY(!bar->isVisibleTo(window));
        // Nor does a switch of language bring that ending back.
        window->slotRefleshUI(QString());
        window->terminal()->slotRecePortProbar(200, 100);
        QCOMPARE(bar->text(), QString("50%"));
        window->terminal()->slotRecePortProbar(200, 200);
    }

    void portsThatArriveAreOffered()
    {
        PtyPair pty;
        window->terminal()->getInstrTableDlg()->showDlg();
        auto *ports = window->terminal()->getInstrTableDlg()->findChild<QComboBox *>("portCombox");
        QCOMPARE(ports->findText(pty.slavePath()), -1);
        qputenv("YBEX_EXTRA_PORTS", pty.slavePath().toLocal8Bit());
        QTRY_VERIFY_WITH_TIMEOUT(ports->findText(pty.slavePath()) >= 0, 3000);
        qunsetenv("YBEX_EXTRA_PORTS");
    }

    void languageSwitch()
    {
        QTranslator english;
        QVERIFY(english.load(":/config/language/English.qm"));
        QCoreApplication::installTranslator(&english);
        window->slotRefleshUI(QString());
        const QString terminal = window->terminal()->getInstrTableDlg()->windowTitle();
        const QString link = window->terminal()->getSerialPortDlg()->windowTitle();
        QCoreApplication::removeTranslator(&english);
        window->slotRefleshUI(QString());
        QCOMPARE(terminal, QString("Instr Debug"));
        QCOMPARE(link, QString("Port Select"));
    }

private:
    WindowFixture fixture;
    MainWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> tempDir;
    QString project;
};

QTEST_MAIN(tst_MainWindowInstructions)
#include "tst_mainwindowinstructions.moc"
