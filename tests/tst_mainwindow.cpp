#include "designglobals.h"
#include "designtestutil.h"
#include "dialogtestutil.h"
#include "librarycontroller.h"
#include "mainwindow.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmymessagebox.h"
#include "setscreensizedlg.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// The main window as the designer starts: form, window rules, new project.
class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void windowSize_data();
    void windowSize();
    void parseResolution_data();
    void parseResolution();
    void newProject();
    void newProjectFolderExists();
    void newProjectFolderCannotBeMade();
    void newProjectFromTheDialog_data();
    void newProjectFromTheDialog();
    void closingAsksMainToQuit_data();
    void closingAsksMainToQuit();
    void tableHeaders();
    void minimisingRepaintsTheCanvas();
    void englishTexts();
    void look();

private:
    template<class T> T *child(const char *name) { return window->findChild<T *>(name); }
    DesignDocument &design() { return fixture.design(); }
    WindowFixture fixture;
    MainWindow *window = nullptr;
    // Each test's own folder: no test finds the projects of another.
    std::unique_ptr<QTemporaryDir> dir;
};

void TestMainWindow::init()
{
    window = fixture.start();
    dir = std::make_unique<QTemporaryDir>();
}

void TestMainWindow::cleanup()
{
    fixture.reset();
    window = nullptr;
}

void TestMainWindow::startState()
{
    QCOMPARE(window->windowTitle(), QString("路径：/opt/ybex/ybex"));
    QCOMPARE(child<QTabWidget>("tabWidgetImageFont")->count(), 2);
    QCOMPARE(child<QTabWidget>("tabWidgetImageFont")->tabText(0), QString("图库"));
    QCOMPARE(child<QTabWidget>("tabWidgetImageFont")->tabText(1), QString("字库"));
    QVERIFY(child<QMyFrame>("frame")->isHidden());
    QVERIFY(child<QGroupBox>("groupTimer")->isHidden());
    QVERIFY(child<QProgressBar>("progressBarDown")->isHidden());
    QVERIFY(child<QLabel>("labImageSize")->isHidden());
    QVERIFY(child<QToolButton>("btnFontDlg")->isHidden());
    QCOMPARE(window->properties()->getCurrentTimer(), -1);
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(window->properties()->getTimerButton(i)->styleSheet(),
                 window->properties()->getTimerButtonStyle(2));
        QVERIFY(window->properties()->getTimerButton(i)->text().isEmpty());
    }
    QCOMPARE(child<QListView>("listView")->model()->rowCount(), 10);
    QCOMPARE(widgetTypeDisplayNames().size(), 10);
    QCOMPARE(colorTableValue(33), QColor(0, 252, 248));
    QVERIFY(child<QTreeWidget>("treeWidget")->isHeaderHidden());
    QCOMPARE(child<QTreeWidget>("treeWidget")->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(!child<QTextBrowser>("textBrowserRecv")->isReadOnly());
}

void TestMainWindow::windowSize_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1440, 900);
    QTest::newRow("1366x768") << QSize(1366, 768) << QSize(1024, 640);
    QTest::newRow("odd") << QSize(1001, 601) << QSize(750, 500);
}

void TestMainWindow::windowSize()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QCOMPARE(MainWindow::initialWindowSize(screen), window);
}

void TestMainWindow::parseResolution_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QSize>("size");
    QTest::newRow("wvga") << "800*480(WVGA1)" << true << QSize(800, 480);
    QTest::newRow("narrow") << "268*800(WVGA4)" << true << QSize(268, 800);
    QTest::newRow("empty") << "" << false << QSize();
    QTest::newRow("no star") << "800x480" << false << QSize();
    QTest::newRow("two stars") << "8*0*4" << false << QSize();
}

void TestMainWindow::parseResolution()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QSize, size);
    QSize got;
    QCOMPARE(ProjectController::parseResolution(text, &got), ok);
    if (ok)
        QCOMPARE(got, size);
}

void TestMainWindow::newProject()
{
    window->project()->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
    const QString chosen = dir->filePath("demo.yBEX");
    QVERIFY(window->project()->createProject(chosen));

    const QString folder = dir->filePath("demo");
    for (const char *sub : {"tempImages", "tempFonts", "tempTtf", "allFile"})
        QVERIFY2(QDir(folder + "/" + sub).exists(), sub);
    QVERIFY(QFile::exists(folder + "/demo.yBEX"));
    QCOMPARE(design().projectPath(), folder + "/demo.yBEX");
    QCOMPARE(window->windowTitle(), "路径：" + design().projectPath());

    QCOMPARE(design().pageCount(), 1);
    QCOMPARE(child<QTreeWidget>("treeWidget")->topLevelItemCount(), 1);
    QCOMPARE(child<QTreeWidget>("treeWidget")->topLevelItem(0)->text(0), QString("Page-0"));
    QVERIFY(!child<QMyFrame>("frame")->isHidden());
    QVERIFY(!child<QGroupBox>("groupTimer")->isHidden());
    QCOMPARE(design().frameSize(), QSize(800, 480));
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Page);
}

void TestMainWindow::newProjectFolderExists()
{
    QVERIFY(QDir(dir->path()).mkdir("taken"));
    window->project()->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
    QVERIFY(!window->project()->createProject(dir->filePath("taken.yBEX")));
    QVERIFY(window->getQuestionBox()->isVisible());
    QCOMPARE(window->getQuestionBox()->findChild<QLabel *>("labMessage")->text(),
             QString("新建项目名称已存在，请您重新命名！"));
    QVERIFY(design().projectPath().isEmpty());
    QCOMPARE(design().pageCount(), 0);
    window->getQuestionBox()->hide();
}

void TestMainWindow::newProjectFolderCannotBeMade()
{
    window->project()->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
    QVERIFY(window->project()->createProject(dir->filePath("open.yBEX")));
    const QString open = design().projectPath();
    QVERIFY(!window->project()->createProject(dir->filePath("missing/deeper/new.yBEX")));
    QCOMPARE(design().projectPath(), open);
    QCOMPARE(design().pageCount(), 1);
    QVERIFY(!QDir(dir->filePath("missing")).exists());
}

void TestMainWindow::newProjectFromTheDialog_data()
{
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<bool>("pm");
    QTest::addColumn<int>("screenType");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("0 degrees") << "rbPorTrait_0" << false << 0 << QSize(800, 480);
    QTest::newRow("90 degrees") << "rbLandScape_90" << true << 1 << QSize(480, 800);
    QTest::newRow("180 degrees") << "rbPorTrait_180" << false << 2 << QSize(800, 480);
    QTest::newRow("270 degrees") << "rbLandScape_270" << true << 3 << QSize(480, 800);
}

void TestMainWindow::newProjectFromTheDialog()
{
    QFETCH(QString, orientation);
    QFETCH(bool, pm);
    QFETCH(int, screenType);
    QFETCH(QSize, frame);
    SetScreenSizeDlg *dlg = window->project()->getScreenSizeDlg();
    QTimer::singleShot(0, dlg, [&] {
        dlg->findChild<QComboBox *>("cbVGA")->setCurrentText("800*480(WVGA1)");
        dlg->findChild<QRadioButton *>(orientation)->setChecked(true);
        dlg->findChild<QRadioButton *>(pm ? "rbModelPM" : "rbModelKV")->setChecked(true);
        QTest::mouseClick(dlg->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    });
    QVERIFY(dlg->execDlg());
    window->project()->createProject(dir->filePath(QString("turned%1.yBEX").arg(screenType)));
    QMyFrame *canvas = child<QMyFrame>("frame");
    QCOMPARE(design().screenType(), screenType);
    QCOMPARE(design().modelType(), pm ? 1 : 0);
    QCOMPARE(design().frameSize(), frame);
    canvas->grab();
    QCOMPARE(canvas->pageSize(), frame);
}

// The window that closes for good asks main() to quit, and only then; it ends no event loop
// itself, so the dialogs and menus of a program that goes on still wait for their answer.
void TestMainWindow::closingAsksMainToQuit_data()
{
    QTest::addColumn<bool>("project");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no project") << false << QString() << true;
    QTest::newRow("save and quit") << true << "是" << true;
    QTest::newRow("quit without saving") << true << "否" << true;
    QTest::newRow("stay") << true << "取消" << false;
}

void TestMainWindow::closingAsksMainToQuit()
{
    QFETCH(bool, project);
    QFETCH(QString, answer);
    QFETCH(bool, closes);
    if (project)
        fixture.makeProject(dir->filePath(QStringLiteral("quit.yBEX")));
    QVERIFY(fixture.show());
    QSignalSpy quit(window, &MainWindow::quitRequested);
    window->close();
    if (project) {
        QMyMessageBox *box = window->getQuestionBox();
        QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
                 QString("退出软件前是否保存当前项目？"));
        QVERIFY(quit.isEmpty());
        QVERIFY(buttonWithText(box, answer));
        buttonWithText(box, answer)->click();
    }
    QCOMPARE(window->isHidden(), closes);
    QVERIFY(window->getQuestionBox()->isHidden());
    QCOMPARE(quit.count(), closes ? 1 : 0);

    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
    QCOMPARE(loop.exec(), 7);
}

void TestMainWindow::tableHeaders()
{
    // The headers are private to the window; the display names are the program-wide list.
    QCOMPARE(widgetTypeDisplayNames(),
             (QStringList {"按键", "标签", "图像", "进度条", "文本", "二维码", "滑块", "圆弧进度条",
                           "码表", "曲线"}));
    window->library()->retranslate();
    QCOMPARE(widgetTypeDisplayNames().size(), 10);
    QCOMPARE(window->library()->getImageModel()->headerData(1, Qt::Horizontal).toString(),
             QString("序号"));
}

void TestMainWindow::minimisingRepaintsTheCanvas()
{
    window->project()->getScreenSizeDlg()->setResolutionText("480*272(HHVGA)");
    window->project()->createProject(dir->filePath("small.yBEX"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QEvent change(QEvent::WindowStateChange);

    // The canvas's paints, counted as they come.
    PaintCounter paints(child<QMyFrame>("frame"));
    window->setWindowState(Qt::WindowNoState);
    QCoreApplication::sendEvent(window, &change);
    QCOMPARE(paints.count, 0);

    window->setWindowState(Qt::WindowMaximized);
    QCoreApplication::sendEvent(window, &change);
    QVERIFY(paints.count > 0);
    QCOMPARE(child<QMyFrame>("frame")->pageSize(), QSize(480, 272));
}

void TestMainWindow::englishTexts()
{
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QCoreApplication::installTranslator(&english);
    window = fixture.start();
    QCOMPARE(window->windowTitle(), QString("Path:/opt/ybex/ybex"));
    QCOMPARE(child<QToolButton>("btnNewPro")->text(), QString("New"));
    QCOMPARE(child<QToolButton>("btnInstrTable")->text(), QString("Debug"));
    QCOMPARE(child<QTabWidget>("tabWidgetImageFont")->tabText(0), QString("Picture"));
    QCOMPARE(widgetTypeDisplayNames().first(), QString("Button"));
    QCOMPARE(widgetTypeDisplayNames().last(), QString("Chart"));
    QCoreApplication::removeTranslator(&english);
}

// Builds a small design and saves a picture of the window when YBEX_SCREENSHOT names a file.
void TestMainWindow::look()
{
    const QString shot = qEnvironmentVariable("YBEX_SCREENSHOT");
    if (shot.isEmpty())
        QSKIP("set YBEX_SCREENSHOT to a file name to take a picture");
    window->resize(1440, 900);
    window->show();
    window->project()->getScreenSizeDlg()->setResolutionText("480*272(HHVGA)");
    window->project()->createProject(dir->filePath("look.yBEX"));
    QMyFrame *frame = child<QMyFrame>("frame");
    const QStringList types {"Btn",    "Lab",    "Img", "Prog",  "TextBox",
                             "QRCode", "Slider", "Arc", "Meter", "Chart"};
    for (int i = 0; i < types.size(); ++i)
        QVERIFY(dropTypeName(frame, types.at(i), QPoint(10 + (i % 5) * 90, 20 + (i / 5) * 120)));
    QCOMPARE(design().widgets(0).size(), 10);
    window->pages()->addPage();
    window->pages()->on_treeWidget_itemClicked(child<QTreeWidget>("treeWidget")->topLevelItem(0),
                                               0);
    QTest::qWait(200);
    QVERIFY(window->grab().save(shot));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
