#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "allcfg.h"
#include "bootdlg.h"
#include "bootparam.h"
#include "designglobals.h"
#include "dialogtestutil.h"
#include "downloadcontroller.h"
#include "downloadtestutil.h"
#include "instrtabledlg.h"
#include "languagedlg.h"
#include "librarycontroller.h"
#include "mainwindow.h"
#include "picturefixtures.h"
#include "projectcontroller.h"
#include "ptypair.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "setscreensizedlg.h"
#include "showinfodlg.h"
#include "simulatedmodule.h"
#include "terminalcontroller.h"
#include "windowfixture.h"
#include "ymodem.h"
#include "ymodemframe.h"
#include "ymodemjob.h"
#include "ymodemportdlg.h"

namespace {

// The link test's outcome with the simulated module's values, which differ from a new
// design's boot settings.
const QString LinkAsked = QStringLiteral("指令集发送成功！\n模块的设置：485使能：是，485地址：5，"
                                         "CRC16使能：否。\n是否用它们替换项目的开机设置？");

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

// A picture that does not compress, for transfers of many blocks.
QString noisyImage(const QString &path, int size)
{
    QImage noise(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            noise.setPixel(x, y, qRgb(x * y % 251, x % 253, y % 241));
    noise.save(path);
    return path;
}

} // namespace

Q_DECLARE_METATYPE(SimulatedModuleOptions)

class TestMainWindowDownload : public QObject
{
    Q_OBJECT

    WindowFixture fixture;
    MainWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> dir;

    template<class T> T *child(const char *name) { return window->findChild<T *>(name); }

    void makeProject()
    {
        fixture.makeProject(dir->filePath(QStringLiteral("demo.yBEX")));
        hideMessages();
    }
    DesignDocument &design() const { return window->document(); }

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

    // A picture download that certainly runs while the test acts: its module, made with
    // holdAtBlock 1, answers the first data block only once released.
    void startHeldPictureDownload(SimulatedModule &module)
    {
        window->library()->importImages({noisyImage(dir->filePath("big.png"), 120)});
        QVERIFY(openLink(module.portPath()));
        window->download()->downloadImages();
        QVERIFY(QTest::qWaitFor([&] { return module.isHolding(); }, 5000));
    }

    QMyProgressBarMes *progressWindow() { return window->findChild<QMyProgressBarMes *>(); }

    QLabel *portState()
    {
        return topLevel<YModemPortDlg>()->findChild<QLabel *>("labConnectState");
    }

    void chooseLanguage(const char *radio)
    {
        LanguageDlg *dlg = window->getLanguageDlg();
        dlg->findChild<QRadioButton *>(radio)->click();
        dlg->findChild<QAbstractButton *>("btnOK")->click();
    }

    QStringList importTwoImages()
    {
        const QString a = savedImage(dir->filePath("a.png"), 30, 20);
        const QString b = savedImage(dir->filePath("b.png"), 5, 5);
        window->library()->importImages({a, b});
        return {a, b};
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath("config");
        QApplication::installTranslator(&LanguageDlg::appTranslator());
    }

    void init()
    {
        dir.reset(new QTemporaryDir);
        window = fixture.start();
    }

    void cleanup()
    {
        fixture.reset();
        window = nullptr;
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
        QTRY_VERIFY(shownMessages().contains(LinkAsked));
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
        QVERIFY(window->download()->areImagesChanged());
        SimulatedModule module;
        QVERIFY(openLink(module.portPath()));
        window->download()->downloadImages();
        QTRY_COMPARE(module.files().size(), 2);
        QTRY_VERIFY(!window->download()->areImagesChanged());
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
        slow.holdAtBlock = 1;
        SimulatedModule module(slow);
        QVERIFY(openLink(module.portPath()));
        window->download()->downloadImages();
        QTRY_VERIFY(module.isHolding());
        window->download()->downloadFonts();
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        hideMessages();
        child<QToolButton>("btnInstrDownLoad")->click();
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        hideMessages();
        window->download()->slotRecvYModemPortInstr("GET_ADDR\r\n");
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
        QVERIFY(!window->library()->isFontBeingMade());
        hideMessages();
        QCOMPARE(design().pictures().size(), 2);
        module.release();
        QTRY_VERIFY_WITH_TIMEOUT(!window->download()->areImagesChanged(), 10000);
        QCOMPARE(module.files().size(), 2);
        QCOMPARE(module.commands(), (QStringList {"si 2", "dpic"}));
    }

    void failedPicturesDoNotCount()
    {
        makeProject();
        importTwoImages();
        QVERIFY(window->download()->areImagesChanged());
        window->download()->slotProgressBarMes(1, 0, 0, 0); // a time-out or a port lost
        QVERIFY(window->download()->areImagesChanged());
        QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
        window->download()->slotProgressBarMes(1, 100, 40);
        QVERIFY(!child<QProgressBar>("progressBarDown")->isHidden());
        QCOMPARE(child<QProgressBar>("progressBarDown")->value(), 40);
        window->download()->slotProgressBarMes(1, 100, 100);
        QVERIFY(!window->download()->areImagesChanged());
        QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
    }

    // A module that falls silent after the last block has not taken the pictures: the
    // window never shows the job complete and the library still counts as changed.
    void picturesFailingAfterTheLastBlockDoNotCount()
    {
        makeProject();
        const QString picture = noisyImage(dir->filePath("big.png"), 60);
        window->library()->importImages({picture});
        QVERIFY(window->download()->areImagesChanged());
        const int mode = design().modelType();
        qint64 size = mode == 1 ? 3 * 60 * 60 + 4 : QFileInfo(picture).size();
        int blocks = 0;
        for (; size > 0; size -= YModemFrame::dataBlockBytes(size))
            ++blocks;
        SimulatedModuleOptions options;
        options.silentFromBlock = blocks;
        SimulatedModule module(options);
        QVERIFY(openLink(module.portPath()));
        QList<QList<int>> progress;
        // The worker's reports come queued: those still on their way go with the receiver,
        // before the list they fill.
        QObject receiver;
        connect(window->download()->getYModem(), &YModem::s_sendProgValue, &receiver,
                [&](int kind, int total, int done) {
                    progress.append({kind, total, done});
                });
        window->download()->downloadImages();
        // The time-out comes soon, but only once the module has fallen silent: no earlier
        // step of a slow machine reaches it.
        QTRY_VERIFY(module.isSilent());
        window->download()->getYModem()->setTimeouts(300, 300, 300);
        QTRY_VERIFY(shownMessages().contains("通信超时，图片下载失败，请您确认通信是否正常！"));
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
        QCOMPARE(module.dataBlocks(), blocks - 1);
        QVERIFY(window->download()->areImagesChanged());
        QVERIFY(progress.size() > 2);
        for (const QList<int> &p : qAsConst(progress))
            QVERIFY(p.at(1) == 0 || p.at(2) < p.at(1));
        QMyProgressBarMes *progressBox = progressWindow();
        QCOMPARE(progressBox->findChild<QProgressBar *>("progressBar")->text(), QString("失败"));
        QVERIFY(progressBox->findChild<QPushButton *>()->text() != "完成");
    }

    // Generated and downloaded: the module gets the very all.cfg the generator wrote.
    void projectThroughTheWindow()
    {
        makeProject();
        window->download()->getAllCfg()->setTemplateFolder(
            QStringLiteral(YBEX_TEST_DATA "/templates"));
        SimulatedModule module;
        QVERIFY(openLink(module.portPath()));
        window->download()->downloadProject();
        QTRY_COMPARE(module.files().size(), 1);
        // The module lists the file when its name arrives; its data follows.
        const QByteArray generated = readFile(dir->filePath("demo/allFile/all.cfg"));
        QVERIFY(!generated.isEmpty());
        QTRY_VERIFY(module.files().at(0).data == generated);
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
        window->download()->downloadImages();
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
        window->library()->importImages({noisyImage(dir->filePath("big.png"), 200)});
        SimulatedModuleOptions options;
        options.unplugAfterBlocks = 2;
        auto module = std::make_unique<SimulatedModule>(options);
        const QString path = module->portPath();
        QVERIFY(openLink(path));
        window->download()->downloadImages();
        QTRY_VERIFY(shownMessages().contains(QString("串口%1已拔出，图片下载失败！").arg(path)));
        YModemPortDlg *dlg = topLevel<YModemPortDlg>();
        QTRY_COMPARE(dlg->findChild<QLabel *>("labConnectState")->text(), QString("串口已断开！"));
        QVERIFY(window->download()->areImagesChanged());
        hideMessages();

        // The program works on with the next adapter.
        SimulatedModule next;
        QVERIFY(openLink(next.portPath()));
        window->download()->downloadImages();
        QTRY_COMPARE(next.files().size(), 1);
        QTRY_VERIFY(!window->download()->areImagesChanged());
    }

    // The outcome of a failed job is shown above everything else, and nothing is left
    // running: no bar at 0 %, no endlessly moving progress window.
    void failedJobShowsItsOutcome_data()
    {
        QTest::addColumn<SimulatedModuleOptions>("options");
        QTest::addColumn<int>("job");
        QTest::addColumn<QString>("message");
        SimulatedModuleOptions silent;
        silent.silentLimits = true;
        QTest::newRow("time-out") << silent << int(YModemJob::Project)
                                  << "通信超时，项目下载失败，请您确认通信是否正常！";
        SimulatedModuleOptions tight;
        tight.limitsReply = "MAX_PAGE=0\r\nMAX_WIDGETS=200\r\nDEFAULT_MAX_STR_SIZE=512\r\n"
                            "LEFT_MEM=1048576\r\nLEFT_FLASH=65536\r\nOK\r\n";
        QTest::newRow("limits") << tight << int(YModemJob::Project) << "页面超上限";
        SimulatedModuleOptions unreadable;
        unreadable.limitsReply = "MAX_PAGE=0\r\nOK\r\n";
        QTest::newRow("limits unreadable")
            << unreadable << int(YModemJob::Project) << "模块的上限无法读取";
        SimulatedModuleOptions unplug;
        unplug.unplugAfterBlocks = 2;
        QTest::newRow("unplug") << unplug << int(YModemJob::Pictures)
                                << "串口%1已拔出，图片下载失败！";
    }
    void failedJobShowsItsOutcome()
    {
        QFETCH(SimulatedModuleOptions, options);
        QFETCH(int, job);
        QFETCH(QString, message);
        makeProject();
        window->download()->getAllCfg()->setTemplateFolder(
            QStringLiteral(YBEX_TEST_DATA "/templates"));
        window->library()->importImages({noisyImage(dir->filePath("big.png"), 200)});
        window->show();
        // Only the silent module needs its time-out to come soon.
        if (options.silentLimits)
            window->download()->getYModem()->setTimeouts(300, 300, 300);
        auto module = std::make_unique<SimulatedModule>(options);
        const QString path = module->portPath();
        QVERIFY(openLink(path));
        if (job == YModemJob::Project)
            window->download()->downloadProject();
        else
            window->download()->downloadImages();
        const QString expected = message.contains("%1") ? message.arg(path) : message;
        QTRY_VERIFY(!shownMessages().filter(expected).isEmpty());
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
        // The worker's outcome reaches the window after it is idle.
        QProgressBar *bottom = child<QProgressBar>("progressBarDown");
        QTRY_COMPARE(bottom->text(), QString("失败"));
        QVERIFY(!bottom->isHidden());
        QMyProgressBarMes *progress = progressWindow();
        QProgressBar *bar = progress->findChild<QProgressBar *>("progressBar");
        QVERIFY(bar->maximum() > bar->minimum());
        if (progress->isVisible()) {
            QCOMPARE(bar->text(), QString("失败"));
            QCOMPARE(progress->findChild<QPushButton *>("btnClose")->text(), QString("关闭"));
        }
        // The message is the window the user deals with; the progress window stays above
        // the main window only, below every message box.
        QWidget *shown = QApplication::activeWindow();
        QVERIFY(qobject_cast<QMyMessageBox *>(shown));
        QVERIFY(shown->findChild<QLabel *>("labMessage")->text().contains(expected));
        QCOMPARE(progress->parentWidget(), window);
        QVERIFY(!progress->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        hideMessages();
        topLevel<ShowInfoDlg>()->hide();
        // The next transfer shows its own progress again.
        window->download()->slotProgressBarMes(1, 100, 40);
        QCOMPARE(bottom->text(), QString("40%"));
        QCOMPARE(bar->text(), QString("40%"));
    }

    // A dialog on screen during a download is not covered by the progress window, whether
    // the user opens it during the download or it was open before: its status line and its
    // buttons stay readable. The port dialog also comes to the front when opened again.
    void dialogsStayClearOfTheProgressWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("openBefore");
        const QList<QStringList> dialogs = {{"btnSetCOM", "YModemPortDlg"},
                                            {"btnSetSys", "BootDlg"},
                                            {"btnInstrTable", "InstrTableDlg"},
                                            {"btnLanguage", "LanguageDlg"},
                                            {"btnVersion", "Version"}};
        for (const QStringList &d : dialogs) {
            QTest::addRow("%s opened during", qPrintable(d.at(1))) << d.at(0) << d.at(1) << false;
            QTest::addRow("%s open before", qPrintable(d.at(1))) << d.at(0) << d.at(1) << true;
        }
    }
    void dialogsStayClearOfTheProgressWindow()
    {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        QFETCH(bool, openBefore);
        makeProject();
        QVERIFY(fixture.show());
        const auto findDialog = [&]() -> QWidget * {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->inherits(qPrintable(dialog)) && w->isVisible())
                    return w;
            }
            return nullptr;
        };
        const auto open = [&] {
            child<QToolButton>(qPrintable(button))->click();
            QVERIFY(findDialog());
        };
        SimulatedModuleOptions slow;
        slow.processingUs = 100000;
        SimulatedModule module(slow);
        window->library()->importImages({noisyImage(dir->filePath("big.png"), 120)});
        QVERIFY(openLink(module.portPath()));
        topLevel<YModemPortDlg>()->hide();
        if (openBefore)
            open();
        window->download()->downloadImages();
        QTRY_VERIFY(progressWindow()->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return module.dataBlocks() >= 1; }, 5000));
        if (!openBefore)
            open();
        QWidget *shown = findDialog();
        QVERIFY(shown);
        const QRect progress = progressWindow()->frameGeometry();
        const QRect frame = shown->frameGeometry();
        // Beside it, or above it: a dialog too large to leave room on this small screen stays
        // on top of all, which the progress window does not.
        const bool beside = !progress.intersects(frame);
        const bool above = shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
            && !progressWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QString rects;
        QDebug(&rects) << "progress" << progress << "dialog" << frame;
        QVERIFY2(beside || above, qPrintable(rects));
        if (dialog == "YModemPortDlg") {
            for (const char *name : {"labConnectState", "btnOpenClose"}) {
                QWidget *part = shown->findChild<QWidget *>(name);
                QVERIFY(part->isVisible());
                QVERIFY(!progress.intersects(QRect(part->mapToGlobal(QPoint()), part->size())));
            }
            // Opened again while on screen behind another window, it comes to the front.
            progressWindow()->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
            open();
            QTRY_COMPARE(QApplication::activeWindow(), shown);
        }
        window->download()->getYModem()->cancelJob();
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
        shown->hide();
    }

    // Questions asked while a transfer runs are shown above its progress window.
    void questionsDuringDownloadAreOnTop()
    {
        makeProject();
        window->show();
        SimulatedModuleOptions slow;
        slow.processingUs = 100000;
        slow.holdAtBlock = 1;
        SimulatedModule module(slow);
        startHeldPictureDownload(module);
        QTRY_VERIFY(progressWindow()->isVisible());
        // Each question comes to the front, also when its box is already on screen.
        for (const char *button : {"btnPageSub", "btnDownLoad"}) {
            progressWindow()->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
            child<QPushButton>(button)->click();
            QTRY_VERIFY(qobject_cast<QMyMessageBox *>(QApplication::activeWindow()));
        }
        QCOMPARE(shownMessages(), QStringList {"下载中请稍后重试！"});
        // Progress that follows does not take the front again.
        module.release();
        QTRY_VERIFY(module.dataBlocks() >= 3);
        QVERIFY(qobject_cast<QMyMessageBox *>(QApplication::activeWindow()));
        window->download()->getYModem()->cancelJob();
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
    }

    void windowKeepsItsSize()
    {
        window->show();
        QTest::qWait(20);
        const QSize size = window->size();
        window->download()->slotProgressBarMes(1, 100, 10);
        QTest::qWait(20);
        QVERIFY(child<QProgressBar>("progressBarDown")->isVisible());
        QCOMPARE(window->size(), size);
        window->download()->slotProgressBarMes(1, 100, 100);
        QTest::qWait(20);
        QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
        QCOMPARE(window->size(), size);
    }

    // Closing during a download names it and lets the user wait for it or cancel it; the
    // usual question comes once the link is idle.
    void quitDuringDownload_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("asksToSave");
        QTest::newRow("wait") << "是" << true << true;
        QTest::newRow("cancel") << "否" << false << true;
        QTest::newRow("stay") << "取消" << true << false;
    }
    void quitDuringDownload()
    {
        QFETCH(QString, answer);
        QFETCH(bool, complete);
        QFETCH(bool, asksToSave);
        makeProject();
        window->show();
        SimulatedModuleOptions slow;
        slow.processingUs = 10000;
        slow.holdAtBlock = 1;
        SimulatedModule module(slow);
        startHeldPictureDownload(module);
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(shownMessages(),
                 QStringList {"图片下载正在进行中，是否等待其完成后再退出？\n"
                              "“否”：立即取消图片下载并退出；“取消”：不退出。"});
        QMyMessageBox *box = window->getQuestionBox();
        QVERIFY(buttonWithText(box, answer));
        buttonWithText(box, answer)->click();
        module.release();
        QTRY_VERIFY_WITH_TIMEOUT(!window->download()->getYModem()->isJobPending(), 20000);
        // The worker's outcome and the question that follows reach the window after it is
        // idle.
        QTRY_COMPARE(module.cancelledBatches(), complete ? 0 : 1);
        QProgressBar *bottom = child<QProgressBar>("progressBarDown");
        QTRY_COMPARE(bottom->isHidden(), complete);
        if (!complete)
            QTRY_COMPARE(bottom->text(), QString("已取消"));
        QCOMPARE(module.files().size(), 1);
        QCOMPARE(module.files().at(0).data == readFile(design().pictures().value(0)), complete);
        QVERIFY(window->isVisible());
        QTRY_COMPARE(shownMessages(),
                     asksToSave ? QStringList {"退出软件前是否保存当前项目？"} : QStringList());
        if (!asksToSave)
            return;
        answerNo(box);
        QVERIFY(window->isHidden());
    }

    // The quit question may be answered after a download began: it is asked about first.
    void quitAnswerDuringDownload()
    {
        makeProject();
        window->show();
        SimulatedModuleOptions mute;
        mute.linkAnswer = QByteArray();
        SimulatedModule module(mute);
        QVERIFY(openLink(module.portPath()));
        window->close();
        QCOMPARE(shownMessages(), QStringList {"退出软件前是否保存当前项目？"});
        window->download()->slotRecvYModemPortInstr("GET_ADDR\r\n");
        QVERIFY(window->download()->getYModem()->isJobPending());
        answerYes(window->getQuestionBox());
        QVERIFY(window->isVisible());
        QCOMPARE(shownMessages(),
                 QStringList {"通信测试正在进行中，是否等待其完成后再退出？\n"
                              "“否”：立即取消通信测试并退出；“取消”：不退出。"});
        answerNo(window->getQuestionBox());
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
        QTRY_VERIFY(shownMessages().contains("退出软件前是否保存当前项目？"));
        QVERIFY(window->isVisible());
    }

    // The files of the open project are still on their way: no other project is opened.
    void projectChangeWaitsForTheDownload()
    {
        makeProject();
        const QString path = design().projectPath();
        QDir().mkpath(dir->filePath("other"));
        QVERIFY(QFile::copy(path, dir->filePath("other/other.yBEX")));
        SimulatedModuleOptions slow;
        slow.processingUs = 10000;
        slow.holdAtBlock = 1;
        SimulatedModule module(slow);
        startHeldPictureDownload(module);
        const QString refusal = "图片下载正在进行中，请您等待其结束后再新建或导入项目！";
        child<QToolButton>("btnLoadPro")->click();
        QCOMPARE(shownMessages(), QStringList {refusal});
        hideMessages();
        window->project()->importProjectFile(dir->filePath("other/other.yBEX"));
        QCOMPARE(shownMessages(), QStringList {refusal});
        hideMessages();
        QVERIFY(!window->project()->createProject(dir->filePath("new.yBEX")));
        QCOMPARE(shownMessages(), QStringList {refusal});
        hideMessages();
        QCOMPARE(design().projectPath(), path);
        QVERIFY(!QFileInfo::exists(dir->filePath("new")));
        module.release();
        QTRY_VERIFY_WITH_TIMEOUT(!window->download()->getYModem()->isJobPending(), 20000);
        QVERIFY(module.files().at(0).data == readFile(design().pictures().value(0)));
        window->project()->importProjectFile(dir->filePath("other/other.yBEX"));
        QCOMPARE(design().projectPath(), dir->filePath("other/other.yBEX"));
    }

    // The port a job uses is not closed or changed under it; while open, the list shows it.
    void portStaysDuringJob()
    {
        makeProject();
        SimulatedModuleOptions slow;
        slow.processingUs = 10000;
        slow.holdAtBlock = 1;
        SimulatedModule module(slow);
        PtyPair other;
        startHeldPictureDownload(module);
        YModemPortDlg *dlg = topLevel<YModemPortDlg>();
        auto *ports = dlg->findChild<QComboBox *>("portCombox");
        QCOMPARE(ports->currentText(), module.portPath());
        QVERIFY(!ports->isEnabled());
        QVERIFY(!dlg->findChild<QComboBox *>("baudCombox")->isEnabled());
        dlg->findChild<QPushButton *>("btnOpenClose")->click();
        QCOMPARE(shownMessages(), QStringList {"图片下载正在进行中，不可更改串口！"});
        hideMessages();
        QCOMPARE(portState()->text(), QString("串口已连接！"));
        module.release();
        QTRY_VERIFY_WITH_TIMEOUT(!window->download()->getYModem()->isJobPending(), 20000);
        QVERIFY(module.files().at(0).data == readFile(design().pictures().value(0)));
        QVERIFY(shownMessages().isEmpty());
        // Idle, the port can be closed again and another chosen.
        dlg->findChild<QPushButton *>("btnOpenClose")->click();
        QTRY_COMPARE(portState()->text(), QString("串口已断开！"));
        QVERIFY(ports->isEnabled());
    }

    // The link test shows that it waits for the module, until the answer or the time-out.
    void linkTestShowsItWaits_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("answer") << QByteArray("GETADDR_1_5_0\r\n") << LinkAsked;
        QTest::newRow("silence") << QByteArray() << "通信超时！";
    }
    void linkTestShowsItWaits()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, message);
        SimulatedModuleOptions options;
        options.linkAnswer = answer;
        SimulatedModule module(options);
        QVERIFY(openLink(module.portPath()));
        auto *test = topLevel<YModemPortDlg>()->findChild<QPushButton *>("btnInstrTest");
        test->click();
        QTRY_COMPARE(test->text(), QString("测试中…"));
        QVERIFY(!test->isEnabled());
        // The silent module's time-out comes soon, once the wait has been seen.
        if (answer.isEmpty())
            window->download()->getYModem()->setTimeouts(300, 300, 300);
        QTRY_VERIFY(shownMessages().contains(message));
        QTRY_COMPARE(test->text(), QString("通信测试"));
        QVERIFY(test->isEnabled());
    }

    // After a language switch the port dialog and the terminal show the port's state, and
    // their button does what it says.
    void languageSwitchKeepsThePortState()
    {
        SimulatedModule module;
        QVERIFY(openLink(module.portPath()));
        PtyPair line;
        qputenv("YBEX_EXTRA_PORTS", (module.portPath() + ":" + line.slavePath()).toLocal8Bit());
        child<QToolButton>("btnInstrTable")->click();
        InstrTableDlg *terminal = window->terminal()->getInstrTableDlg();
        terminal->findChild<QComboBox *>("portCombox")->setCurrentText(line.slavePath());
        terminal->findChild<QPushButton *>("btnOpenClose")->click();
        QVERIFY(terminal->isConnected());

        chooseLanguage("rbEnglish");
        YModemPortDlg *dlg = topLevel<YModemPortDlg>();
        for (QDialog *shown : {static_cast<QDialog *>(dlg), static_cast<QDialog *>(terminal)}) {
            auto *state = shown->findChild<QLabel *>("labConnectState");
            QCOMPARE(state->text(), QString("Serial port connected!"));
            QCOMPARE(state->styleSheet(), QString("color:green;"));
            auto *button = shown->findChild<QPushButton *>("btnOpenClose");
            QCOMPARE(button->text(), QString("Close serial port"));
            QVERIFY(!shown->findChild<QComboBox *>("portCombox")->isEnabled());
            button->click();
            QTRY_COMPARE(state->text(), QString("Serial port disconnected!"));
            QCOMPARE(button->text(), QString("Open serial port"));
        }
        QVERIFY(!terminal->isConnected());
        terminal->hide();
        chooseLanguage("rbChinese");
        QCOMPARE(portState()->text(), QString("串口已断开！"));
    }

    // The module's RS-485 settings reach the design only when the user agrees.
    void linkTestValuesTakenWhenAgreed()
    {
        makeProject();
        window->download()->getAllCfg()->setTemplateFolder(
            QStringLiteral(YBEX_TEST_DATA "/templates"));
        SimulatedModuleOptions options;
        options.linkAnswer = "GETADDR_1_300_1";
        SimulatedModule module(options);
        QVERIFY(openLink(module.portPath()));
        BootParam *boot = window->download()->getBootDlg()->getBootParam();
        QMyMessageBox *question = window->download()->getBootDlg()->getQuestionBox();
        const QString asked =
            "指令集发送成功！\n模块的设置：485使能：是，485地址：300，CRC16使能：是。"
            "\n是否用它们替换项目的开机设置？";
        auto *test = topLevel<YModemPortDlg>()->findChild<QPushButton *>("btnInstrTest");

        test->click();
        QTRY_VERIFY(shownMessages().contains(asked));
        question->findChild<QPushButton *>("btnCancel")->click(); // 否
        QVERIFY(!boot->get485Flag());
        QCOMPARE(boot->get485Addr(), 0);
        QVERIFY(!boot->getCRC16Flag());
        window->download()->downloadProject();
        QVERIFY(!readFile(dir->filePath("demo/allFile/all.cfg")).contains("user.set_addr("));
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
        hideMessages();

        test->click();
        QTRY_VERIFY(shownMessages().contains(asked));
        question->findChild<QPushButton *>("btnOk")->click(); // 是
        QVERIFY(boot->get485Flag());
        QCOMPARE(boot->get485Addr(), 300);
        QVERIFY(boot->getCRC16Flag());
        window->download()->downloadProject();
        QVERIFY(readFile(dir->filePath("demo/allFile/all.cfg")).contains("user.set_addr(300)"));
        QTRY_VERIFY(!window->download()->getYModem()->isJobPending());
        hideMessages();

        // The same values again are only shown.
        test->click();
        QTRY_VERIFY(shownMessages().contains(
            "指令集发送成功！\n模块的设置：485使能：是，485地址：300，CRC16使能：是。\n"
            "与项目的开机设置相同。"));
        QVERIFY(!question->findChild<QPushButton *>("btnOk")->isVisible());
    }

    // An answer that cannot be read changes nothing and says so; one cut short says so once
    // the line is quiet, long before the answer's time-out.
    void unreadableLinkAnswerChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("out of range") << QByteArray("GETADDR_99999999999_-1_7\r\n");
        QTest::newRow("cut short") << QByteArray("GETADDR_1_5");
    }
    void unreadableLinkAnswerChangesNothing()
    {
        QFETCH(QByteArray, answer);
        makeProject();
        SimulatedModuleOptions options;
        options.linkAnswer = answer;
        SimulatedModule module(options);
        // No time-out ends the test before the answer is read.
        window->download()->getYModem()->setTimeouts(600000, 600000, 600000);
        QVERIFY(openLink(module.portPath()));
        topLevel<YModemPortDlg>()->findChild<QPushButton *>("btnInstrTest")->click();
        QTRY_VERIFY_WITH_TIMEOUT(shownMessages().contains("模块的应答无法读取，设置未更改！"),
                                 5000);
        QVERIFY(!shownMessages().contains("通信超时！"));
        BootParam *boot = window->download()->getBootDlg()->getBootParam();
        QVERIFY(!boot->get485Flag());
        QCOMPARE(boot->get485Addr(), 0);
    }

    void driverDownloads_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QByteArray>("limits");
        QTest::addColumn<QString>("templates");
        QTest::addColumn<int>("unplugAfterBlocks");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        const QString templates = QStringLiteral("made");
        QTest::newRow("project") << "0" << QByteArray() << templates << -1 << 0
                                 << "progress 0 100/100 unpacking";
        QTest::newRow("link test") << "5" << QByteArray() << templates << -1 << 0
                                   << "link 1 5 0\nmessage 6 指令集发送成功！";
        QTest::newRow("limits") << "0"
                                << QByteArray("MAX_PAGE=0\r\nMAX_WIDGETS=200\r\n"
                                              "DEFAULT_MAX_STR_SIZE=512\r\nLEFT_MEM=1048576\r\n"
                                              "LEFT_FLASH=65536\r\nOK\r\n")
                                << templates << -1 << 1 << "message 1 页面超上限";
        QTest::newRow("limits unreadable")
            << "0" << QByteArray("MAX_PAGE=0\r\nOK\r\n") << templates << -1 << 1
            << "message 1 模块的上限无法读取（缺少MAX_WIDGETS、DEFAULT_MAX_STR_SIZE、LEFT_MEM、"
               "LEFT_FLASH），项目下载失败！";
        // The port's status comes first; the job's message must still be printed.
        QTest::newRow("port vanishes") << "0" << QByteArray() << templates << 2 << 1
                                       << "message 1 串口%1已拔出，项目下载失败！";
        QTest::newRow("no port") << "0" << QByteArray() << templates << -1 << 1 << "";
        // The container an earlier run left is never sent for a run that failed.
        QTest::newRow("generation fails") << "0" << QByteArray() << "none" << -1 << 1 << "";
    }
    void driverDownloads()
    {
        QFETCH(QString, job);
        QFETCH(QByteArray, limits);
        QFETCH(QString, templates);
        QFETCH(int, unplugAfterBlocks);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const QString folder = dir->filePath("golden");
        QVERIFY(QDir().mkpath(folder + "/allFile"));
        const QString project = folder + "/golden.yBEX";
        QVERIFY(QFile::copy(QStringLiteral(YBEX_TEST_DATA "/golden_small.yBEX"), project));
        // The download generates all.cfg: its label draws with a font the project has.
        QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
        QFile xml(project);
        QVERIFY(xml.open(QIODevice::ReadWrite));
        const QByteArray design =
            xml.readAll().replace("<fontID>195</fontID>", "<fontID>2</fontID>");
        QVERIFY(xml.resize(0));
        xml.write(design);
        xml.close();
        QVERIFY(QDir().mkpath(folder + "/tempFonts"));
        for (const char *name : {"/tempFonts/2.font", "/tempFonts/2.ini"}) {
            QFile font(folder + name);
            QVERIFY(font.open(QIODevice::WriteOnly));
            font.write("f");
        }
        // And its picture 196 is in the library.
        QVERIFY(QDir().mkpath(folder + "/tempImages"));
        QVERIFY(PictureFixtures::writeLibrary(folder + "/tempImages", 197));
        QFile container(folder + "/allFile/all.cfg");
        QVERIFY(container.open(QIODevice::WriteOnly));
        container.write(QByteArray(3000, 'k'));
        container.close();

        SimulatedModuleOptions options;
        if (!limits.isEmpty())
            options.limitsReply = limits;
        options.unplugAfterBlocks = unplugAfterBlocks;
        SimulatedModule module(options);
        // Templates that make all.cfg span several blocks.
        templates = dir->filePath(templates);
        if (templates.endsWith("/made")) {
            QVERIFY(QDir().mkpath(templates));
            QVERIFY(writeFile(templates + "/init.bin", QByteArray(3000, 'i')));
            QVERIFY(writeFile(templates + "/xvar.bin", "xvar"));
            QVERIFY(writeFile(templates + "/keyboard.py", "import user\r\n"));
        }
        const bool noPort = QString(QTest::currentDataTag()) == "no port";
        const QString port = noPort ? QString("/dev/no-such-port") : module.portPath();
        if (output.contains("%1"))
            output = output.arg(port);
        QProcess driver;
        driver.start(QCoreApplication::applicationDirPath() + "/driver/ybexdriver",
                     {"download", project, port, job, "1000000", templates});
        QVERIFY(driver.waitForFinished(60000));
        const QString out = QString::fromUtf8(driver.readAllStandardOutput());
        const QString err = QString::fromUtf8(driver.readAllStandardError());
        QVERIFY2(driver.exitCode() == exitCode, qPrintable(out + err));
        QVERIFY2(out.contains(output), qPrintable(out));
        if (noPort)
            QVERIFY(err.contains("cannot open /dev/no-such-port at 1000000 baud"));
        if (job == "0" && exitCode == 0) {
            // The project as it is now, generated for the download.
            QCOMPARE(module.files().size(), 1);
            QFile generated(folder + "/allFile/all.cfg");
            QVERIFY(generated.open(QIODevice::ReadOnly));
            QVERIFY(module.files().at(0).data == generated.readAll());
            QVERIFY(module.files().at(0).data != QByteArray(3000, 'k'));
        }
        if (QString(QTest::currentDataTag()) == "generation fails") {
            QVERIFY2(err.contains("模板文件夹" + dir->filePath("none") + "不存在"),
                     qPrintable(err));
            QVERIFY(module.files().isEmpty());
            QVERIFY(!QFile::exists(folder + "/allFile/all.cfg"));
        }
    }

    // Lines without line ends from either link: the box keeps its newest characters, a
    // bounded number of them, and never freezes on millions.
    void receiveBoxIsBoundedByCharacters_data()
    {
        QTest::addColumn<bool>("download");
        QTest::newRow("download link") << true;
        QTest::newRow("text link") << false;
    }
    void receiveBoxIsBoundedByCharacters()
    {
        QFETCH(bool, download);
        QTextBrowser *box = child<QTextBrowser>("textBrowserRecv");
        box->clear();
        QString last;
        for (int i = 0; i < 300; ++i) {
            last = QString::number(i).repeated(10000).left(10000);
            if (download)
                window->download()->slotRecvYModemDebugMes(0, last);
            else
                window->terminal()->slotRecvSerialPortMes(0, last);
        }
        const QString text = box->toPlainText();
        const int cap = DownloadController::ReceiveBoxChars;
        QVERIFY2(text.size() <= cap, qPrintable(QString::number(text.size())));
        QVERIFY(text.size() > cap - 10001);
        QVERIFY(text.endsWith("\n" + last));
        // A single line longer than the box keeps its end.
        const QString flood = QString("0123456789").repeated(100000) + "end";
        window->download()->slotRecvYModemDebugMes(0, flood);
        QCOMPARE(box->toPlainText(), flood.right(cap));
    }

    void receiveBoxIsBounded()
    {
        for (int i = 0; i < 2500; ++i)
            window->download()->slotRecvYModemDebugMes(0, QString("line %1\r\n").arg(i));
        QTextBrowser *box = child<QTextBrowser>("textBrowserRecv");
        QVERIFY(box->document()->blockCount() <= DownloadController::ReceiveBoxLines);
        QVERIFY(box->toPlainText().endsWith("line 2499"));
    }
};

QTEST_MAIN(TestMainWindowDownload)
#include "tst_mainwindowdownload.moc"
