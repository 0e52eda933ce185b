#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "allcfg.h"
#include "designglobals.h"
#include "mainwindow.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "setscreensizedlg.h"
#include "showinfodlg.h"
#include "simulatedmodule.h"
#include "ymodemportdlg.h"

namespace {

template<class T> T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w))
            return t;
    }
    return nullptr;
}

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

void hideMessages()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMyMessageBox *>(w))
            w->hide();
    }
}

QString savedImage(const QString &path, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(path);
    return path;
}

} // namespace

class TestMainWindowDownload : public QObject
{
    Q_OBJECT

    MainWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> dir;

    template<class T> T *child(const char *name) { return window->findChild<T *>(name); }

    void makeProject()
    {
        window->getScreenSizeDlg()->setResolutionText(QStringLiteral("800*480(WVGA1)"));
        window->createProject(dir->filePath(QStringLiteral("demo.yBEX")));
        hideMessages();
    }

    // Opens the download link through the port dialog, as the user would.
    bool openLink(const QString &port)
    {
        qputenv("YBEX_EXTRA_PORTS", port.toLocal8Bit());
        child<QToolButton>("btnSetCOM")->click();
        YModemPortDlg *dlg = topLevel<YModemPortDlg>();
        if (!dlg || !dlg->isVisible())
            return false;
        dlg->findChild<QComboBox *>("portCombox")->setCurrentText(port);
        dlg->findChild<QPushButton *>("btnOpenClose")->click();
        return QTest::qWaitFor(
            [&] { return dlg->findChild<QLabel *>("labConnectState")->text() == "串口已连接！"; },
            5000);
    }

    QStringList importTwoImages()
    {
        const QString a = savedImage(dir->filePath("a.png"), 30, 20);
        const QString b = savedImage(dir->filePath("b.png"), 5, 5);
        window->importImages({a, b});
        return {a, b};
    }

private slots:
    void init()
    {
        dir.reset(new QTemporaryDir);
        currentProjectPath.clear();
        window = new MainWindow;
    }

    void cleanup()
    {
        window->clearAllPages();
        delete window;
        window = nullptr;
        currentProjectPath.clear();
        imagePaths.clear();
        fontIdList.clear();
        qunsetenv("YBEX_EXTRA_PORTS");
        hideMessages();
    }

    void linkTestThroughTheWindow()
    {
        SimulatedModule module;
        QVERIFY(openLink(module.portPath()));
        YModemPortDlg *dlg = topLevel<YModemPortDlg>();
        QCOMPARE(dlg->findChild<QComboBox *>("baudCombox")->currentText(), QString("345600"));
        dlg->findChild<QPushButton *>("btnInstrTest")->click();
        QTRY_VERIFY(shownMessages().contains("指令集发送成功！"));
        // Every step is a line of the receive box, without its line ends.
        const QString log = child<QTextBrowser>("textBrowserRecv")->toPlainText();
        QVERIFY(log.contains("--发送：GET_ADDR\n"));
        QVERIFY(log.contains("--接收：GETADDR_1_5_0"));
        QVERIFY(!log.contains('\r'));
    }

    void picturesThroughTheWindow()
    {
        makeProject();
        importTwoImages();
        QVERIFY(window->areImagesChanged());
        SimulatedModule module;
        QVERIFY(openLink(module.portPath()));
        window->slotDealIsNo(MainWindow::ConfirmDownloadImages);
        QTRY_COMPARE(module.files().size(), 2);
        QTRY_VERIFY(!window->areImagesChanged());
        QCOMPARE(module.commands(), (QStringList {"si 2", "dpic"}));
        QCOMPARE(module.files().at(0).name, QString("0.png"));
        QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
        QVERIFY(shownMessages().isEmpty());
    }

    // While one download runs, every other request is refused and the running one goes on.
    void busyLinkRefusesMore()
    {
        makeProject();
        importTwoImages();
        SimulatedModuleOptions slow;
        slow.processingUs = 300000;
        SimulatedModule module(slow);
        QVERIFY(openLink(module.portPath()));
        window->slotDealIsNo(MainWindow::ConfirmDownloadImages);
        QTRY_VERIFY(module.dataBlocks() >= 1);
        window->slotDealIsNo(MainWindow::ConfirmDownloadFonts);
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        hideMessages();
        child<QToolButton>("btnInstrDownLoad")->click();
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        hideMessages();
        window->slotRecvYModemPortInstr("GET_ADDR\r\n");
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        hideMessages();
        // The library the worker reads stays as it is.
        child<QPushButton>("btnImageFontAdd")->click();
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        hideMessages();
        child<QPushButton>("btnImageFontSub")->click();
        QCOMPARE(shownMessages(), QStringList {"下载中，不可删除！"});
        hideMessages();
        child<QPushButton>("btnCreateFont")->click();
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        QVERIFY(!window->isFontBeingMade());
        hideMessages();
        QCOMPARE(imagePaths.size(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!window->areImagesChanged(), 10000);
        QCOMPARE(module.files().size(), 2);
        QCOMPARE(module.commands(), (QStringList {"si 2", "dpic"}));
    }

    void failedPicturesDoNotCount()
    {
        makeProject();
        importTwoImages();
        QVERIFY(window->areImagesChanged());
        window->slotProgressBarMes(1, 0, 0, 0); // a time-out or a port lost
        QVERIFY(window->areImagesChanged());
        QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
        window->slotProgressBarMes(1, 100, 40);
        QVERIFY(!child<QProgressBar>("progressBarDown")->isHidden());
        QCOMPARE(child<QProgressBar>("progressBarDown")->value(), 40);
        window->slotProgressBarMes(1, 100, 100);
        QVERIFY(!window->areImagesChanged());
        QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
    }

    // Generated and downloaded: the module gets the very all.cfg the generator wrote.
    void projectThroughTheWindow()
    {
        makeProject();
        window->getAllCfg()->setTemplateFolder(QStringLiteral(YBEX_TEST_DATA "/templates"));
        SimulatedModule module;
        QVERIFY(openLink(module.portPath()));
        window->slotDealIsNo(MainWindow::ConfirmDownloadProject);
        QTRY_COMPARE(module.files().size(), 1);
        QFile generated(dir->filePath("demo/allFile/all.cfg"));
        QVERIFY(generated.open(QIODevice::ReadOnly));
        QTRY_VERIFY(module.files().at(0).data == generated.readAll());
        QCOMPARE(module.commands(), (QStringList {"si 1", "dcfg"}));
        QProgressBar *bar = child<QProgressBar>("progressBarDown");
        QTRY_COMPARE(bar->maximum(), 100);
        QTRY_COMPARE(bar->value(), 100);
        QVERIFY(bar->isHidden());
        // The download's progress window is the one on screen (the text link has its own).
        QStringList titles;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMyProgressBarMes *>(w) && w->isVisible())
                titles.append(w->windowTitle());
        }
        QCOMPARE(titles, QStringList {"项目解压"});
        QVERIFY(shownMessages().isEmpty());
    }

    void limitsReachTheInfoDialog()
    {
        makeProject();
        importTwoImages();
        SimulatedModuleOptions tight;
        tight.limitsReply = "MAX_PICS=1\r\nLEFT_FLASH=4096\r\nBPS=345600\r\nOK\r\n";
        SimulatedModule module(tight);
        QVERIFY(openLink(module.portPath()));
        window->slotDealIsNo(MainWindow::ConfirmDownloadImages);
        QTRY_VERIFY(shownMessages().contains("图片张数超上限"));
        ShowInfoDlg *info = topLevel<ShowInfoDlg>();
        QTRY_VERIFY(info->isVisible());
        QCOMPARE(info->findChild<QLineEdit *>("editPics")->text(), QString("1"));
        QCOMPARE(info->findChild<QLineEdit *>("editFlash")->text(), QString("4096"));
        QCOMPARE(module.commands(), QStringList {"si 2"});
        info->hide();
    }

    void unpluggedMidTransfer()
    {
        makeProject();
        const QString big = dir->filePath("big.png");
        QImage noise(200, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                noise.setPixel(x, y, qRgb(x * y % 251, x % 253, y % 241));
        QVERIFY(noise.save(big));
        window->importImages({big});
        SimulatedModuleOptions options;
        options.unplugAfterBlocks = 2;
        auto module = std::make_unique<SimulatedModule>(options);
        const QString path = module->portPath();
        QVERIFY(openLink(path));
        window->slotDealIsNo(MainWindow::ConfirmDownloadImages);
        QTRY_VERIFY(shownMessages().contains(QString("串口%1已拔出！").arg(path)));
        YModemPortDlg *dlg = topLevel<YModemPortDlg>();
        QTRY_COMPARE(dlg->findChild<QLabel *>("labConnectState")->text(), QString("串口已断开！"));
        QVERIFY(window->areImagesChanged());
        hideMessages();

        // The program works on with the next adapter.
        SimulatedModule next;
        QVERIFY(openLink(next.portPath()));
        window->slotDealIsNo(MainWindow::ConfirmDownloadImages);
        QTRY_COMPARE(next.files().size(), 1);
        QTRY_VERIFY(!window->areImagesChanged());
    }

    void driverDownloads_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QByteArray>("limits");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("project") << "0" << QByteArray() << 0 << "progress 0 100/100 unpacking";
        QTest::newRow("link test") << "5" << QByteArray() << 0 << "message 6 指令集发送成功！";
        QTest::newRow("limits") << "0" << QByteArray("MAX_PAGE=0\r\nOK\r\n") << 1
                                << "message 1 页面超上限";
        QTest::newRow("no port") << "0" << QByteArray() << 1 << "";
    }
    void driverDownloads()
    {
        QFETCH(QString, job);
        QFETCH(QByteArray, limits);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const QString folder = dir->filePath("golden");
        QVERIFY(QDir().mkpath(folder + "/allFile"));
        const QString project = folder + "/golden.yBEX";
        QVERIFY(QFile::copy(QStringLiteral(YBEX_TEST_DATA "/golden_small.yBEX"), project));
        QFile container(folder + "/allFile/all.cfg");
        QVERIFY(container.open(QIODevice::WriteOnly));
        container.write(QByteArray(3000, 'k'));
        container.close();

        SimulatedModuleOptions options;
        if (!limits.isEmpty())
            options.limitsReply = limits;
        SimulatedModule module(options);
        const QString port = output.isEmpty() ? QString("/dev/no-such-port") : module.portPath();
        QProcess driver;
        driver.start(QCoreApplication::applicationDirPath() + "/driver/ybexdriver",
                     {"download", project, port, job});
        QVERIFY(driver.waitForFinished(60000));
        const QString out = QString::fromUtf8(driver.readAllStandardOutput());
        const QString err = QString::fromUtf8(driver.readAllStandardError());
        QVERIFY2(driver.exitCode() == exitCode, qPrintable(out + err));
        QVERIFY2(out.contains(output), qPrintable(out));
        if (output.isEmpty())
            QVERIFY(err.contains("cannot open /dev/no-such-port at 1000000 baud"));
        if (job == "0" && exitCode == 0) {
            QCOMPARE(module.files().size(), 1);
            QVERIFY(module.files().at(0).data == QByteArray(3000, 'k'));
        }
    }

    void receiveBoxIsBounded()
    {
        for (int i = 0; i < 2500; ++i)
            window->slotRecvYModemDebugMes(0, QString("line %1\r\n").arg(i));
        QTextBrowser *box = child<QTextBrowser>("textBrowserRecv");
        QVERIFY(box->document()->blockCount() <= 2000);
        QVERIFY(box->toPlainText().endsWith("line 2499"));
    }
};

QTEST_MAIN(TestMainWindowDownload)
#include "tst_mainwindowdownload.moc"
