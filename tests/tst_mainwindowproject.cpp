// The project file through the main window: a design survives a restart, the commands
// save and import with their messages, and nothing is lost when a file cannot be read
// or written.

#include "bootdlg.h"
#include "bootparam.h"
#include "designdocument.h"
#include "designglobals.h"
#include "dialogtestutil.h"
#include "downloadcontroller.h"
#include "filesizelimit.h"
#include "librarycontroller.h"
#include "mainwindow.h"
#include "pageparam.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "setscreensizedlg.h"
#include "sysdlg.h"
#include "terminalcontroller.h"
#include "timerparam.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

const QString loadErrorText =
    QStringLiteral("加载控件错误，可能该项目之前未做保存操作，导入失败！");

// As given: a word wider than the screen (a long file name) shows with zero-width break
// marks between its characters.
QString messageOf(QMyMessageBox *box)
{
    QLabel *label = box->findChild<QLabel *>(QStringLiteral("labMessage"));
    return label ? label->text().remove(QChar(0x200B)) : QString();
}

// The message of a failure and, on the lines below it, its cause.
QString messageLine(QMyMessageBox *box)
{
    return messageOf(box).section(QLatin1Char('\n'), 0, 0);
}

QString causeOf(QMyMessageBox *box)
{
    return messageOf(box).section(QLatin1Char('\n'), 1);
}

QStringList treeTexts(MainWindow *window)
{
    QStringList texts;
    QTreeWidget *tree = window->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *page = tree->topLevelItem(i);
        texts.append(page->text(0));
        for (int j = 0; j < page->childCount(); ++j)
            texts.append(QLatin1String("  ") + page->child(j)->text(0));
    }
    return texts;
}

QStringList folderFiles(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

using WindowStep = std::function<void(MainWindow *)>;

} // namespace

Q_DECLARE_METATYPE(WindowStep)

class tst_MainWindowProject : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void designSurvivesARestart();
    void unreadableStartupProjectIsNotKept_data();
    void unreadableStartupProjectIsNotKept();
    void importKeepsTheOpenProjectWhenTheFileCannotBeRead_data();
    void importKeepsTheOpenProjectWhenTheFileCannotBeRead();
    void importOpensAnotherProject();
    void saveCommand();
    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void savesThatCannotFinish_data();
    void savesThatCannotFinish();
    void autoSave();
    void newProjectStartsWithFreshTimers();
    void newProjectFolderFailureKeepsTheProject_data();
    void newProjectFolderFailureKeepsTheProject();
    void newProjectFileFailureKeepsTheOpenDesign_data();
    void newProjectFileFailureKeepsTheOpenDesign();
    void newProjectInPlaceReplacesTheFile();
    void newProjectNameGetsTheExtension();
    void newProjectNameThatCannotBeMade();
    void quitWithoutSavingRestoresImages();
    void quitWithoutSavingKeepsImagesWithoutMirror();
    void mirrorFollowsTheSave();
    void rewritesThroughTheWindow();
    void resolutionChosenButNotUsedLeavesTheProject();
    void loadRulesThroughTheWindow();
    void missingPicturesKeepTheirNumbers();
    void windowFreesItsPages();
    void pagesNotShownWaitToBePolished();
    void closingTakesThePageTreeAtOnce();
    void driverRoundTrip();
    void driverFailures_data();
    void driverFailures();
    void driverWritesThatCannotFinish_data();
    void driverWritesThatCannotFinish();

private:
    MainWindow *newWindow(const QString &project = QString());
    // A project made by the new-project command, with a small design on two pages.
    QString makeProject(const QString &name);

    DesignDocument &design() const { return window->document(); }

    WindowFixture fixture;
    MainWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> tempDir;
    QString dirPath;
    QString filePath(const QString &name) const { return dirPath + QLatin1Char('/') + name; }
};

MainWindow *tst_MainWindowProject::newWindow(const QString &project)
{
    window = fixture.start(project);
    return window;
}

void tst_MainWindowProject::init()
{
    // A folder of its own for every test and data row.
    tempDir.reset(new QTemporaryDir);
    dirPath = tempDir->path();
    newWindow();
}

void tst_MainWindowProject::cleanup()
{
    fixture.reset();
    window = nullptr;
}

QString tst_MainWindowProject::makeProject(const QString &name)
{
    const QString path = fixture.makeProject(filePath(name + QLatin1String(".yBEX")));

    QMyWidget *label = fixture.addWidget(WidgetType::Lab, 1);
    label->setText(QStringLiteral("  "));
    label->setPos(30, 40);

    window->pages()->addPage();
    design().page(1)->setPageName(QStringLiteral("Menu"));
    EventInfo e;
    e.setType(1);
    e.setUserType(9);
    e.setParam(0, QStringLiteral(" "));
    design().page(1)->appendEvent(e);
    for (int type : {0, 9, 7})
        fixture.addWidget(WidgetType(type), design().widgets(1).size() + 1, 1)
            ->setPos(10 * type, 5);
    design().widgets(1).at(0)->setEventContent(2, 1, QStringLiteral("user.beep()"));
    design().timer(8)->setTimerTime(30);
    design().timer(2)->appendEvent(e);
    // The boot dialog edits the design's settings.
    window->download()->getBootDlg()->getBootParam()->setSleepTime(12);
    design().setBaud(QStringLiteral("9600"));
    design().setBacklight(70);
    window->getQuestionBox()->hide();
    return path;
}

void tst_MainWindowProject::designSurvivesARestart()
{
    const QString path = makeProject(QStringLiteral("demo"));
    QVERIFY(window->project()->saveProXml());
    const QByteArray saved = readFile(path);
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(readFile(path), saved); // an unchanged design saves to the same bytes

    newWindow(path);
    QCOMPARE(design().projectPath(), path);
    QCOMPARE(messageOf(window->getResultBox()), QStringLiteral("导入成功！"));
    QCOMPARE(window->windowTitle(), QStringLiteral("路径：") + path);
    QCOMPARE(design().pageCount(), 2);
    QCOMPARE(
        treeTexts(window),
        (QStringList {"Page-0", "  Lab-1", "Page-1(Menu)", "  Btn-1", "  Chart-2", "  Arc-3"}));
    QCOMPARE(design().currentPage(), 1); // the page shown when saving
    QVERIFY(design().widgets(0).at(0)->isHidden());
    QVERIFY(!design().widgets(1).at(0)->isHidden());
    QCOMPARE(design().widgets(0).at(0)->getText(), QStringLiteral("  "));
    QCOMPARE(design().widgets(0).at(0)->getGeometryRect().topLeft(), QPoint(30, 40));
    QCOMPARE(design().page(1)->events().value(0).param(0), QStringLiteral(" "));
    QCOMPARE(design().widgets(1).at(0)->getEventText(2), QStringLiteral("user.beep()"));
    QCOMPARE(design().timer(8)->timerTime(), 30);
    QCOMPARE(design().timer(2)->events().size(), 1);
    QCOMPARE(design().boot().getSleepTime(), 12);
    QCOMPARE(window->download()->getBootDlg()->getBootParam()->getSleepTime(), 12);
    QCOMPARE(design().baud(), QStringLiteral("9600"));
    QCOMPARE(design().backlight(), 70);
    QMyFrame *frame = window->findChild<QMyFrame *>(QStringLiteral("frame"));
    QVERIFY(!frame->isHidden());
    QCOMPARE(design().frameSize().width(), 800);
    QVERIFY(!window->findChild<QGroupBox *>(QStringLiteral("groupTimer"))->isHidden());
    QVERIFY(window->project()->isAutoSaveRunning());
    QVERIFY(QDir(filePath(QStringLiteral("demo/allFile"))).exists());

    frame->grab(); // a paint writes what drawing computes into the model
    QVERIFY(window->project()->saveProXml());
    newWindow(path);
    frame = window->findChild<QMyFrame *>(QStringLiteral("frame"));
    frame->grab();
    const QByteArray afterPaint = readFile(path);
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(afterPaint));
}

void tst_MainWindowProject::unreadableStartupProjectIsNotKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("malformed") << QByteArray("<ui><frame>") << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("well-formed but no project")
        << QByteArray("<?xml version=\"1.0\"?><ui/>") << true;
}

void tst_MainWindowProject::unreadableStartupProjectIsNotKept()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString path = filePath(QStringLiteral("broken/broken.yBEX"));
    QDir().mkpath(filePath(QStringLiteral("broken")));
    QFile::remove(path);
    if (exists)
        QVERIFY(writeFile(path, content));

    newWindow(path);
    QCOMPARE(messageLine(window->getResultBox()),
             QStringLiteral("加载控件错误，可能该项目之前未做保存操作，导入失败！"));
    QVERIFY(causeOf(window->getResultBox()).startsWith(path));
    QVERIFY(design().projectPath().isEmpty()); // no project is open, nothing saves over it
    QCOMPARE(window->windowTitle(), QStringLiteral("路径：/opt/ybex/ybex"));
    QVERIFY(window->findChild<QGroupBox *>(QStringLiteral("groupTimer"))->isHidden());
    window->project()->slotTimerAutoSavePro();
    QCOMPARE(QFile::exists(path), exists);
    if (exists)
        QCOMPARE(readFile(path), content);
    QVERIFY(!QDir(filePath(QStringLiteral("broken/allFile"))).exists());
}

void tst_MainWindowProject::importKeepsTheOpenProjectWhenTheFileCannotBeRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString loadError =
        QStringLiteral("加载控件错误，可能该项目之前未做保存操作，导入失败！");
    QTest::newRow("malformed") << "bad.yBEX" << QByteArray("<ui><page pageid=\"1\">") << loadError;
    QTest::newRow("missing") << "gone.yBEX" << QByteArray() << loadError;
    QTest::newRow("well-formed but no project")
        << "empty.yBEX" << QByteArray("<?xml version=\"1.0\"?><ui/>") << loadError;
    QTest::newRow("frame without a size")
        << "flat.yBEX" << QByteArray("<ui><frame><frameW>800</frameW></frame><page/></ui>")
        << loadError;
    QTest::newRow("nested too deep") << "deep.yBEX"
                                     << QByteArray("<ui><frame><frameW>8</frameW><frameH>4</frameH>"
                                                   "</frame>")
            + QByteArray("<a>").repeated(10000) + QByteArray("</a>").repeated(10000) + "</ui>"
                                     << loadError;
    QTest::newRow("a comment longer than any piece of a project")
        << "long.yBEX"
        << QByteArray("<ui><frame><frameW>8</frameW><frameH>4</frameH></frame><!--")
            + QByteArray(ProjectDocument::MaxPieceLength, 'x') + "--></ui>"
        << loadError;
    QTest::newRow("not a project file")
        << "notes.txt" << QByteArray("<ui/>") << QStringLiteral("加载项目路径错误，导入失败！");
}

void tst_MainWindowProject::importKeepsTheOpenProjectWhenTheFileCannotBeRead()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = makeProject(QStringLiteral("kept"));
    QVERIFY(window->project()->saveProXml());
    const QString title = window->windowTitle();
    const QString chosen = filePath(name);
    if (!content.isEmpty())
        QVERIFY(writeFile(chosen, content));
    // An image added since the save stays: the open project is not left.
    const QString image = filePath(QStringLiteral("kept/tempImages/0_new.png"));
    QVERIFY(writeFile(image, "png"));

    window->project()->importProjectFile(chosen);
    QCOMPARE(messageLine(window->getResultBox()), message);
    if (message == loadErrorText)
        QVERIFY(causeOf(window->getResultBox()).startsWith(chosen));
    QCOMPARE(design().projectPath(), path);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(design().pageCount(), 2);
    QCOMPARE(design().widgets(1).size(), 3);
    QVERIFY(QFile::exists(image));
    window->project()->slotTimerAutoSavePro();
    QCOMPARE(QFile::exists(chosen), !content.isEmpty());
    if (!content.isEmpty())
        QCOMPARE(readFile(chosen), content);
}

void tst_MainWindowProject::importOpensAnotherProject()
{
    const QString other = makeProject(QStringLiteral("other"));
    QVERIFY(window->project()->saveProXml());
    newWindow();
    const QString first = makeProject(QStringLiteral("first"));
    QVERIFY(window->project()->saveProXml());
    // An image added to the first project after its save is thrown away by the import.
    const QString image = filePath(QStringLiteral("first/tempImages/0_unsaved.png"));
    QVERIFY(writeFile(image, "png"));

    window->project()->importProjectFile(first); // the open project itself: nothing happens
    QVERIFY(QFile::exists(image));

    // The page tree keeps the open state of its pages across the load.
    QTreeWidget *tree = window->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    tree->topLevelItem(1)->setExpanded(true);
    window->project()->importProjectFile(other);
    QCOMPARE(messageOf(window->getResultBox()), QStringLiteral("导入成功！"));
    QVERIFY(!tree->topLevelItem(0)->isExpanded());
    QVERIFY(tree->topLevelItem(1)->isExpanded());
    QCOMPARE(design().projectPath(), other);
    QCOMPARE(window->windowTitle(), QStringLiteral("路径：") + other);
    QVERIFY(!QFile::exists(image));
    QCOMPARE(design().pageCount(), 2);
}

void tst_MainWindowProject::saveCommand()
{
    window->project()->on_btnSavePro_clicked();
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("未创建项目，请您先创建项目！"));
    window->project()->on_btnLoadPro_clicked();
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("是否导入项目？"));

    const QString path = makeProject(QStringLiteral("cmd"));
    window->project()->on_btnSavePro_clicked();
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("是否保存当前项目？"));
    window->project()->on_btnLoadPro_clicked();
    QCOMPARE(
        messageOf(window->getQuestionBox()),
        QStringLiteral("您是否需要继续导入项目覆盖当前项目？（建议您先保存当前项目再导入！）"));
    window->getQuestionBox()->hide();

    QVERIFY(writeFile(path, QByteArray()));
    window->project()->on_btnSavePro_clicked();
    answerYes(window->getQuestionBox());
    QCOMPARE(messageOf(window->getResultBox()), QStringLiteral("保存成功！"));
    QVERIFY(readFile(path).contains("<pageName>Menu</pageName>"));
}

void tst_MainWindowProject::saveFailureIsReported_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cause");
    // Only a path that no longer leads to the file is a path error.
    QTest::newRow("write-protected file")
        << "protected" << QStringLiteral("保存失败！") << ProjectFile::tr("%1：文件写保护");
    QTest::newRow("the folder went away")
        << "gone" << QStringLiteral("路径错误，保存失败！") << ProjectFile::tr("%1：文件夹不存在");
    QTest::newRow("a folder where the file was")
        << "folder" << QStringLiteral("路径错误，保存失败！")
        << ProjectFile::tr("%1：这是一个文件夹");
}

// Every save of the window says why it failed: the save command, save and quit, and the
// in-place rewrite of a setting the module confirmed. The file is not touched.
void tst_MainWindowProject::saveFailureIsReported()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    QFETCH(QString, cause);
    const QString path = makeProject(QStringLiteral("locked"));
    QVERIFY(window->project()->saveProXml());
    QByteArray before = readFile(path);
    window->show();
    design().page(0)->setPageName(QStringLiteral("changed"));
    if (damage == QLatin1String("protected")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    } else {
        QVERIFY(QDir(filePath(QStringLiteral("locked"))).removeRecursively());
        if (damage == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        before = readFile(path);
    }
    // The rewrite reads the file first: a file that is not there is not found.
    const QString rewriteCause = damage == QLatin1String("gone")
        ? ProjectFile::tr("%1：文件不存在").arg(path)
        : cause.arg(path);

    window->project()->on_btnSavePro_clicked();
    answerYes(window->getQuestionBox());
    QCOMPARE(messageLine(window->getResultBox()), message);
    QCOMPARE(causeOf(window->getResultBox()), cause.arg(path));
    window->getResultBox()->hide();
    window->close(); // save and quit: stays when the save fails
    answerYes(window->getQuestionBox());
    QCOMPARE(messageLine(window->getResultBox()), message);
    QCOMPARE(causeOf(window->getResultBox()), cause.arg(path));
    QVERIFY(window->isVisible());
    window->getResultBox()->hide();
    window->terminal()->getSysDlg()->findChild<QComboBox *>("cbBuad")->setCurrentText(
        QStringLiteral("115200"));
    window->terminal()->getSysDlg()->findChild<QPushButton *>("btnBaud")->click();
    window->terminal()->slotRecvSerialPortMes(1, QStringLiteral("ok"));
    QCOMPARE(messageLine(window->getResultBox()), message);
    QCOMPARE(causeOf(window->getResultBox()), rewriteCause);
    QCOMPARE(readFile(path), before);
    QCOMPARE(QFileInfo::exists(filePath(QStringLiteral("locked"))),
             damage != QLatin1String("gone"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            || damage != QLatin1String("protected"));
}

void tst_MainWindowProject::savesThatCannotFinish_data()
{
    QTest::addColumn<WindowStep>("step");
    QTest::addColumn<QString>("message");
    QTest::newRow("save") << WindowStep([](MainWindow *w) {
        w->project()->on_btnSavePro_clicked();
        answerYes(w->getQuestionBox());
    }) << "保存失败！";
    QTest::newRow("save and quit") << WindowStep([](MainWindow *w) {
        w->close();
        answerYes(w->getQuestionBox());
    }) << "保存失败！";
    // Nobody asked for it, so it is said all the more.
    QTest::newRow("auto-save") << WindowStep([](MainWindow *w) {
        w->project()->slotTimerAutoSavePro();
    }) << "自动保存失败！";
    // The module confirmed a new baud rate or backlight the system dialog asked for (the
    // project has 9600 and 70), which the file takes in place.
    QTest::newRow("baud rewrite") << WindowStep([](MainWindow *w) {
        SysDlg *sys = w->terminal()->getSysDlg();
        sys->findChild<QComboBox *>("cbBuad")->setCurrentText(QStringLiteral("115200"));
        sys->findChild<QPushButton *>("btnBaud")->click();
        w->terminal()->slotRecvSerialPortMes(1, QStringLiteral("ok"));
    }) << "保存失败！";
    QTest::newRow("backlight rewrite") << WindowStep([](MainWindow *w) {
        SysDlg *sys = w->terminal()->getSysDlg();
        sys->findChild<QSlider *>("horizontalSliderScreen")->setValue(200);
        sys->findChild<QPushButton *>("btnScreenValue")->click();
        w->terminal()->slotRecvSerialPortMes(2, QStringLiteral("ok"));
    }) << "保存失败！";
}

// Every save of the window against a disk the file does not fit on: the old file stays
// byte for byte, the message names the cause, the window stays and says the design is not
// saved until a save succeeds.
void tst_MainWindowProject::savesThatCannotFinish()
{
    QFETCH(WindowStep, step);
    QFETCH(QString, message);
    const QString path = makeProject(QStringLiteral("full"));
    QVERIFY(window->project()->saveProXml());
    const QByteArray before = readFile(path);
    QVERIFY(before.size() > 5000);
    QVERIFY(!window->project()->isMarkedUnsaved());
    const QString title = window->windowTitle();
    window->show();
    {
        const FileSizeLimit limited(4096);
        QVERIFY(limited.isSet());
        step(window);
    }
    QCOMPARE(messageLine(window->getResultBox()), message);
    QCOMPARE(causeOf(window->getResultBox()), path + QStringLiteral("：文件超过了系统允许的大小"));
    QVERIFY(readFile(path) == before);
    QCOMPARE(folderFiles(filePath(QStringLiteral("full"))), QStringList {"full.yBEX"});
    QVERIFY(window->isVisible());
    QVERIFY(window->project()->isMarkedUnsaved());
    QCOMPARE(window->windowTitle(), title + QStringLiteral(" *"));

    QVERIFY(window->project()->saveProXml());
    QVERIFY(!window->project()->isMarkedUnsaved());
    QCOMPARE(window->windowTitle(), title);
}

void tst_MainWindowProject::autoSave()
{
    window->project()->slotTimerAutoSavePro(); // no project: nothing written, nothing asked
    QVERIFY(!window->getQuestionBox()->isVisible());

    const QString path = makeProject(QStringLiteral("auto"));
    QVERIFY(window->project()->isAutoSaveRunning());
    QVERIFY(writeFile(path, QByteArray()));
    window->getResultBox()->hide();
    window->project()->slotTimerAutoSavePro();
    QVERIFY(readFile(path).contains("<pageName>Menu</pageName>"));
    QVERIFY(!window->getResultBox()->isVisible());
}

void tst_MainWindowProject::newProjectStartsWithFreshTimers()
{
    makeProject(QStringLiteral("timers"));
    QCOMPARE(design().timer(2)->events().size(), 1);
    design().timer(8)->setEventText(0, QStringLiteral("old"));
    window->project()->getScreenSizeDlg()->setResolutionText(QStringLiteral("480*272(HHVGA)"));
    window->project()->createProject(filePath(QStringLiteral("fresh.yBEX")));
    for (int i = 0; i < 9; ++i) {
        TimerParam *t = design().timer(i);
        QCOMPARE(t->timerID(), i);
        QCOMPARE(t->events().size(), 0);
        QCOMPARE(t->timerTime(), 0);
        QCOMPARE(t->eventText(0), QString());
    }
    QCOMPARE(design().boot().getSleepTime(), BootParam().getSleepTime());
    QCOMPARE(window->download()->getBootDlg()->getBootParam()->getSleepTime(),
             BootParam().getSleepTime());
    QVERIFY(readFile(design().projectPath()).contains("<frameW>480</frameW>"));
}

void tst_MainWindowProject::newProjectFolderFailureKeepsTheProject_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<bool>("parentIsFile");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder missing") << "missing" << false << "%1：文件夹不存在";
    QTest::newRow("a file in the way") << "plain" << true << "%1：不是文件夹";
}

// A folder that cannot be made is reported with its cause, and the open project stays.
void tst_MainWindowProject::newProjectFolderFailureKeepsTheProject()
{
    QFETCH(QString, parent);
    QFETCH(bool, parentIsFile);
    QFETCH(QString, cause);
    const QString path = makeProject(QStringLiteral("kept"));
    const QString parentPath = filePath(parent);
    if (parentIsFile)
        QVERIFY(writeFile(parentPath, "x"));

    QVERIFY(!window->project()->createProject(parentPath + QStringLiteral("/demo.yBEX")));
    QCOMPARE(messageLine(window->getResultBox()), QStringLiteral("路径错误，保存失败！"));
    QCOMPARE(causeOf(window->getResultBox()), cause.arg(parentPath));
    QCOMPARE(design().projectPath(), path);
    QCOMPARE(design().pageCount(), 2);
    QCOMPARE(QFileInfo(parentPath).isFile(), parentIsFile);
    QVERIFY(!QFileInfo::exists(parentPath + QStringLiteral("/demo")));
}

void tst_MainWindowProject::newProjectFileFailureKeepsTheOpenDesign_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cause");
    const QString pathError = QStringLiteral("路径错误，保存失败！");
    const QString failed = QStringLiteral("保存失败！");
    // The file cannot be made: its name leaves no room for the name of the temporary file
    // every save writes first, which is seen before the folder is made.
    QTest::newRow("new folder") << false << qint64(0) << pathError << QString();
    QTest::newRow("in place, write-protected")
        << true << qint64(0) << failed << ProjectFile::tr("%1：文件写保护");
    // The file does not fit on the disk.
    const QString tooLarge = QStringLiteral("%1：文件超过了系统允许的大小");
    QTest::newRow("new folder, full disk") << false << qint64(4096) << failed << tooLarge;
    QTest::newRow("in place, full disk") << true << qint64(4096) << failed << tooLarge;
}

// The new project's file cannot be written: the open design, its file and its title stay,
// nothing of the new project is left behind, and the cause is shown.
void tst_MainWindowProject::newProjectFileFailureKeepsTheOpenDesign()
{
    QFETCH(bool, inPlace);
    QFETCH(qint64, limit);
    QFETCH(QString, message);
    QFETCH(QString, cause);
    const QString before = makeProject(QStringLiteral("before"));
    QVERIFY(window->project()->saveProXml());
    const QByteArray saved = readFile(before);
    const QString title = window->windowTitle();
    const QString chosen = inPlace ? before
        : limit > 0
        ? filePath(QStringLiteral("p.yBEX"))
        : filePath(QStringLiteral("p.") + QString(245, QLatin1Char('x')) + QStringLiteral(".yBEX"));
    if (inPlace && limit == 0)
        QVERIFY(QFile::setPermissions(before, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    {
        QScopedPointer<FileSizeLimit> limited(limit > 0 ? new FileSizeLimit(limit) : nullptr);
        QVERIFY(!window->project()->createProject(chosen));
    }
    QCOMPARE(messageLine(window->getResultBox()), message);
    if (cause.isEmpty())
        QVERIFY(causeOf(window->getResultBox()).startsWith(filePath(QStringLiteral("p/p."))));
    else
        QCOMPARE(causeOf(window->getResultBox()),
                 cause.arg(inPlace ? before : filePath(QStringLiteral("p/p.yBEX"))));
    QVERIFY(!QFileInfo::exists(filePath(QStringLiteral("p"))));
    QCOMPARE(design().projectPath(), before);
    QCOMPARE(readFile(before), saved);
    QCOMPARE(design().pageCount(), 2);
    QCOMPARE(design().widgets(0).size(), 1);
    QCOMPARE(design().page(1)->pageName(), QStringLiteral("Menu"));
    QVERIFY(window->project()->isAutoSaveRunning());
    QVERIFY(!window->findChild<QGroupBox *>(QStringLiteral("groupTimer"))->isHidden());
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(QFile::setPermissions(before, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(window->project()->saveProXml());
}

// A name typed without the extension: the project is made as if it had been typed, and
// works as every project does.
void tst_MainWindowProject::newProjectNameGetsTheExtension()
{
    window->project()->getScreenSizeDlg()->setResolutionText(QStringLiteral("800*480(WVGA1)"));
    QVERIFY(window->project()->createProject(filePath(QStringLiteral("demo2"))));
    const QString path = filePath(QStringLiteral("demo2/demo2.yBEX"));
    QCOMPARE(design().projectPath(), path);
    QVERIFY(design().isProjectOpen());
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(!QFileInfo::exists(filePath(QStringLiteral("demo2/demo2"))));
    QVERIFY(!messageOf(window->getQuestionBox()).contains(QStringLiteral("图库备份失败")));
    QVERIFY(window->pages()->addPage());
    QCOMPARE(design().pageCount(), 2);
    QVERIFY(window->project()->saveProXml());
    QVERIFY(readFile(path).contains("<page pageid=\"2\">"));
    // Closing asks whether to save instead of dropping the design.
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    QVERIFY(!close.isAccepted());
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("退出软件前是否保存当前项目？"));
}

// A name that cannot be made is refused before anything is made, and the open project
// stays.
void tst_MainWindowProject::newProjectNameThatCannotBeMade()
{
    const QString path = makeProject(QStringLiteral("kept"));
    QVERIFY(!window->project()->createProject(filePath(QStringLiteral(".yBEX"))));
    QCOMPARE(messageLine(window->getResultBox()), QStringLiteral("路径错误，保存失败！"));
    QCOMPARE(causeOf(window->getResultBox()),
             ProjectFolder::tr("%1：项目名称不能以“.”开头").arg(filePath(QStringLiteral(".yBEX"))));
    QVERIFY(!window->project()->createProject(filePath(QString(300, QLatin1Char('n')))));
    QVERIFY(causeOf(window->getResultBox()).contains(QStringLiteral("名称过长")));
    QCOMPARE(QDir(dirPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {QStringLiteral("kept")});
    QCOMPARE(design().projectPath(), path);
    QCOMPARE(design().pageCount(), 2);
}

// Made in place, the open project's file is replaced by the new design's.
void tst_MainWindowProject::newProjectInPlaceReplacesTheFile()
{
    const QString path = makeProject(QStringLiteral("again"));
    QVERIFY(window->project()->saveProXml());
    QVERIFY(readFile(path).contains("<pageName>Menu</pageName>"));
    window->project()->getScreenSizeDlg()->setResolutionText(QStringLiteral("480*272(HHVGA)"));
    QVERIFY(window->project()->createProject(path));
    QCOMPARE(design().projectPath(), path);
    QCOMPARE(design().pageCount(), 1);
    QVERIFY(design().widgets(0).isEmpty());
    const QByteArray file = readFile(path);
    QVERIFY(!file.contains("<pageName>Menu</pageName>"));
    QVERIFY(file.contains("<frameW>480</frameW>"));
}

void tst_MainWindowProject::quitWithoutSavingRestoresImages()
{
    const QString path = makeProject(QStringLiteral("quit"));
    const QString images = filePath(QStringLiteral("quit/tempImages"));
    QVERIFY(writeFile(images + QLatin1String("/0_kept.png"), "a"));
    QVERIFY(window->project()->saveProXml());
    QVERIFY(writeFile(images + QLatin1String("/1_new.png"), "b"));
    QVERIFY(QFile::remove(images + QLatin1String("/0_kept.png")));

    window->close();
    answerNo(window->getQuestionBox());
    QCOMPARE(folderFiles(images), QStringList {QStringLiteral("0_kept.png")});
    QCOMPARE(readFile(images + QLatin1String("/0_kept.png")), QByteArray("a"));
    Q_UNUSED(path)
}

void tst_MainWindowProject::quitWithoutSavingKeepsImagesWithoutMirror()
{
    makeProject(QStringLiteral("nomirror"));
    const QString images = filePath(QStringLiteral("nomirror/tempImages"));
    QVERIFY(writeFile(images + QLatin1String("/0_only.png"), "a"));
    QVERIFY(QDir(filePath(QStringLiteral("nomirror/backUpImages"))).removeRecursively());
    window->close();
    answerNo(window->getQuestionBox());
    QCOMPARE(folderFiles(images), QStringList {QStringLiteral("0_only.png")});
}

void tst_MainWindowProject::mirrorFollowsTheSave()
{
    makeProject(QStringLiteral("mirror"));
    const QString images = filePath(QStringLiteral("mirror/tempImages"));
    const QString mirror = filePath(QStringLiteral("mirror/backUpImages"));
    QVERIFY(writeFile(images + QLatin1String("/0_a.png"), "a"));
    QVERIFY(writeFile(images + QLatin1String("/1_b.png"), "b"));
    QVERIFY(QDir(images).mkdir(QStringLiteral("sub")));
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(folderFiles(mirror), (QStringList {"0_a.png", "1_b.png"}));
    QVERIFY(!QDir(mirror + QLatin1String("/sub")).exists());

    QVERIFY(QFile::remove(images + QLatin1String("/0_a.png")));
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(folderFiles(mirror), QStringList {QStringLiteral("1_b.png")});
    // No staging folders are left beside it.
    QCOMPARE(QDir(filePath(QStringLiteral("mirror")))
                 .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList {"allFile", "backUpImages", "tempFonts", "tempImages", "tempTtf"}));

    // Without an image folder the mirror keeps what it holds.
    QVERIFY(QDir(images).removeRecursively());
    QVERIFY(!window->library()->copyDirFiles(images, mirror));
    QCOMPARE(folderFiles(mirror), QStringList {QStringLiteral("1_b.png")});
    QVERIFY(!QDir(images).exists());
}

void tst_MainWindowProject::rewritesThroughTheWindow()
{
    const QString path = makeProject(QStringLiteral("rewrite"));
    QVERIFY(window->project()->saveProXml());
    design().setBaud(QStringLiteral("115200"));
    QVERIFY(window->project()->saveBaudToPro());
    design().setBacklight(20);
    QVERIFY(window->project()->saveBlValueToPro());
    const QByteArray rewritten = readFile(path);
    QVERIFY(rewritten.contains("<baud>115200</baud>"));
    QVERIFY(rewritten.contains("<blValue>20</blValue>"));
    // The same as a full save of the design with these values.
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(rewritten));

    QVERIFY(window->project()->readProModelType());
    design().setProjectPath(filePath(QStringLiteral("rewrite/none.yBEX")));
    QVERIFY(!window->project()->saveBaudToPro());
    QVERIFY(!window->project()->readProModelType());
    QVERIFY(!QFile::exists(design().projectPath()));
    design().setProjectPath(path);
}

// The size dialog's choice is for a new project: accepted and then not used (the file
// dialog cancelled), it leaves the open project's resolution as it is.
void tst_MainWindowProject::resolutionChosenButNotUsedLeavesTheProject()
{
    const QString path = makeProject(QStringLiteral("dpi"));
    window->project()->getScreenSizeDlg()->setResolutionText(QStringLiteral("480*272(HHVGA)"));
    QVERIFY(window->project()->saveProXml());
    QVERIFY(readFile(path).contains("<dpi>800*480(WVGA1)</dpi>"));
    QCOMPARE(design().resolution(), QStringLiteral("800*480(WVGA1)"));
    QCOMPARE(design().frameSize(), QSize(800, 480));
}

void tst_MainWindowProject::loadRulesThroughTheWindow()
{
    QDir().mkpath(filePath(QStringLiteral("hand")));
    QDir().mkpath(filePath(QStringLiteral("hand/tempImages")));
    QVERIFY(writeFile(filePath(QStringLiteral("hand/tempImages/0_a.png")), "a"));
    QVERIFY(writeFile(filePath(QStringLiteral("hand/tempImages/1_b.png")), "b"));
    const QString path = filePath(QStringLiteral("hand/hand.yBEX"));
    QVERIFY(writeFile(path,
                      "<ui><frame><modelType>1</modelType><frameW>320</frameW>"
                      "<frameH>240</frameH><currentPageNum>7</currentPageNum>"
                      "<dpi>320*240(QVGA3)</dpi></frame>"
                      "<timer timer=\"12\"><timerTime>5</timerTime></timer>"
                      "<page pageid=\"1\"><ClassName ClassName=\"2\"><imageNum>1</imageNum>"
                      "<id>4</id></ClassName></page>"
                      "<page pageid=\"9\"><pageName>Two</pageName>"
                      "<ClassName ClassName=\"3\"><imageNum>2</imageNum></ClassName></page>"
                      "</ui>"));
    newWindow(path);
    QCOMPARE(messageLine(window->getResultBox()), QStringLiteral("导入成功！"));
    QCOMPARE(design().pictures().size(), 2);
    QCOMPARE(treeTexts(window), (QStringList {"Page-0", "  Img-4", "Page-1(Two)", "  Prog-1"}));
    QCOMPARE(design().currentPage(), 1); // 7 brought into the two pages
    QCOMPARE(design().widgets(0).at(0)->getImageNum(), 1);
    // The library lacks picture 2: the number stays, and the user is told.
    QCOMPARE(design().widgets(1).at(0)->getImageNum(), 2);
    QVERIFY(causeOf(window->getResultBox()).contains(QStringLiteral("（编号2）")));
    QCOMPARE(design().modelType(), 1);
    QCOMPARE(design().frameSize().width(), 320);
    QCOMPARE(window->project()->getScreenSizeDlg()->modelType(), 1);
    QCOMPARE(window->project()->getScreenSizeDlg()->resolutionText(),
             QStringLiteral("320*240(QVGA3)"));
    QVERIFY(QDir(filePath(QStringLiteral("hand/backUpImages"))).exists());

    // A file with no page: the project is open, no page is shown.
    QVERIFY(writeFile(path, "<ui><frame><frameW>320</frameW><frameH>240</frameH></frame></ui>"));
    newWindow(path);
    QCOMPARE(messageOf(window->getResultBox()), QStringLiteral("导入成功！"));
    QCOMPARE(design().pageCount(), 0);
    QVERIFY(window->project()->saveProXml()); // no page: nothing written
    QVERIFY(readFile(path).startsWith("<ui><frame>"));
}

// A project copied without its picture folder: the numbers of the pictures it shows stay
// as they were, through the save, and the opening says which pictures are missing.
void tst_MainWindowProject::missingPicturesKeepTheirNumbers()
{
    const QString path = makeProject(QStringLiteral("pictures"));
    design().page(0)->setPageImageNum(0);
    design().widgets(1).at(0)->setImageNum(2);
    QMyWidget *meter = fixture.addWidget(WidgetType::Meter, 9, 1);
    meter->setMeterPointPicID(0, 14);
    QVERIFY(window->project()->saveProXml());
    const QByteArray saved = readFile(path);
    QVERIFY(QDir(filePath(QStringLiteral("pictures/tempImages"))).removeRecursively());
    QVERIFY(QDir(filePath(QStringLiteral("pictures/backUpImages"))).removeRecursively());

    newWindow(path);
    QMyMessageBox *box = window->getResultBox();
    QCOMPARE(messageLine(box), QStringLiteral("导入成功！"));
    QVERIFY2(causeOf(box).contains(QStringLiteral("3张图片（编号0, 2, 14）")),
             qPrintable(causeOf(box)));
    QVERIFY(causeOf(box).contains(
        QDir::toNativeSeparators(filePath(QStringLiteral("pictures/tempImages")))));
    QCOMPARE(design().page(0)->pageImageNum(), 0);
    QCOMPARE(design().widgets(1).at(0)->getImageNum(), 2);
    // A painted meter keeps its needle's picture too.
    design().widgets(1).last()->grab();
    QCOMPARE(design().widgets(1).last()->getMeterPointPicID(0), 14);
    QVERIFY(window->project()->saveProXml());
    const QByteArray again = readFile(path);
    for (const QByteArray &reference :
         {QByteArray("<pageImageNum pageImageNum=\"0\"/>"), QByteArray("<imageNum>2</imageNum>"),
          QByteArray("<ybexItemMeterPointPicID1>14</ybexItemMeterPointPicID1>")}) {
        QVERIFY(saved.contains(reference));
        QVERIFY2(again.contains(reference), reference.constData());
    }

    // With the pictures in the library the opening says nothing more.
    QVERIFY(QDir().mkpath(filePath(QStringLiteral("pictures/tempImages"))));
    for (int i = 0; i <= 14; ++i)
        QVERIFY(writeFile(filePath(QStringLiteral("pictures/tempImages/%1_p.png").arg(i)), "p"));
    newWindow(path);
    QCOMPARE(messageOf(window->getResultBox()), QStringLiteral("导入成功！"));
}

void tst_MainWindowProject::windowFreesItsPages()
{
    makeProject(QStringLiteral("freed"));
    QCOMPARE(design().pageCount(), 2);
    const QPointer<DesignDocument> document = &design();
    const QPointer<QMyWidget> widget = design().widgets(1).at(0);
    fixture.reset();
    window = nullptr;
    QVERIFY(!document);
    QVERIFY(!widget);
    newWindow();
}

// Polishing by the style sheet is costly and a design may hold thousands of widgets: those
// of the pages not shown are polished when their page shows, at start-up as in a shown
// window.
void tst_MainWindowProject::pagesNotShownWaitToBePolished()
{
    const QString path = makeProject(QStringLiteral("polish"));
    QVERIFY(window->project()->saveProXml());
    // Opened at start-up and not shown, opened at start-up and shown, opened when shown.
    for (int way = 0; way < 3; ++way) {
        newWindow(path);
        if (way > 0)
            QVERIFY(fixture.show());
        if (way == 2) {
            // The loaded pages are added without being shown; the saved one shows once.
            QSignalSpy shown(&design(), &DesignDocument::currentPageChanged);
            QVERIFY(window->project()->openProject(path));
            QCOMPARE(shown.count(), 1);
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(design().currentPage(), 1);
        QTreeWidget *tree = window->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
        QCOMPARE(tree->currentItem(), tree->topLevelItem(1));
        QMyWidget *other = design().widgets(0).at(0);
        QVERIFY(other->isHidden());
        QVERIFY2(!other->testAttribute(Qt::WA_WState_Polished), qPrintable(QString::number(way)));
        for (QMyWidget *w : design().widgets(1)) {
            QVERIFY(!w->isHidden());
            QVERIFY(w->testAttribute(Qt::WA_WState_Polished));
        }
        window->pages()->on_treeWidget_itemClicked(tree->topLevelItem(0), 0);
        QCOMPARE(design().currentPage(), 0);
        QVERIFY(!other->isHidden());
        QVERIFY(other->testAttribute(Qt::WA_WState_Polished));
    }
}

// A design of many pages closes at once: the tree's current item does not move along item
// by item as the pages go.
void tst_MainWindowProject::closingTakesThePageTreeAtOnce()
{
    makeProject(QStringLiteral("close"));
    for (int i = 0; i < 5; ++i)
        window->pages()->addPage();
    QTreeWidget *tree = window->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    window->pages()->on_treeWidget_itemClicked(tree->topLevelItem(0), 0);
    tree->setCurrentItem(tree->topLevelItem(0));
    QSignalSpy moved(tree, &QTreeWidget::currentItemChanged);
    window->pages()->clearAllPages();
    QCOMPARE(tree->topLevelItemCount(), 0);
    QVERIFY2(moved.count() <= 1, qPrintable(QString::number(moved.count())));
}

void tst_MainWindowProject::driverRoundTrip()
{
    const QString path = makeProject(QStringLiteral("drive"));
    QVERIFY(window->project()->saveProXml());
    const QString driver =
        QCoreApplication::applicationDirPath() + QStringLiteral("/driver/ybexdriver");
    const QString out = filePath(QStringLiteral("copy/sub/copy.yBEX"));
    QCOMPARE(QProcess::execute(driver, {QStringLiteral("roundtrip"), path, out}), 0);
    QVERIFY(QDir(filePath(QStringLiteral("copy/sub/tempImages"))).exists());
    const QString again = filePath(QStringLiteral("again/again.yBEX"));
    QCOMPARE(QProcess::execute(driver, {QStringLiteral("roundtrip"), out, again}), 0);
    QCOMPARE(QString::fromUtf8(readFile(again)), QString::fromUtf8(readFile(out)));

    QCOMPARE(QProcess::execute(
                 driver,
                 {QStringLiteral("rewrite"), QStringLiteral("baud"), out, QStringLiteral("57600")}),
             0);
    QCOMPARE(
        QProcess::execute(
            driver, {QStringLiteral("rewrite"), QStringLiteral("bl"), out, QStringLiteral("33")}),
        0);
    const QByteArray rewritten = readFile(out);
    QVERIFY(rewritten.contains("<baud>57600</baud>"));
    QVERIFY(rewritten.contains("<blValue>33</blValue>"));
}

void tst_MainWindowProject::driverFailures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");
    QTest::newRow("no arguments") << QStringList() << "usage";
    QTest::newRow("malformed input")
        << QStringList {"roundtrip", "bad.yBEX", "out.yBEX"} << "cannot read";
    QTest::newRow("missing input")
        << QStringList {"roundtrip", "none.yBEX", "out.yBEX"} << "cannot read";
    QTest::newRow("missing project")
        << QStringList {"rewrite", "baud", "none.yBEX", "1"} << "no such project file";
    QTest::newRow("backlight not a number")
        << QStringList {"rewrite", "bl", "bad.yBEX", "x"} << "whole number";
    QTest::newRow("rewrite malformed")
        << QStringList {"rewrite", "baud", "bad.yBEX", "1"} << "cannot read";
    QTest::newRow("unknown setting")
        << QStringList {"rewrite", "speed", "bad.yBEX", "1"} << "usage";
    QTest::newRow("no project") << QStringList {"roundtrip", "plain.yBEX", "out.yBEX"}
                                << "cannot read plain.yBEX";
    // The window writes nothing for a design without pages; the driver says so.
    QTest::newRow("design without pages")
        << QStringList {"roundtrip", "nopage.yBEX", "out.yBEX"} << "holds no page";
}

void tst_MainWindowProject::driverFailures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    QVERIFY(writeFile(QStringLiteral("bad.yBEX"), "<ui>"));
    QVERIFY(writeFile(QStringLiteral("plain.yBEX"), "<?xml version=\"1.0\"?><ui/>"));
    QVERIFY(writeFile(QStringLiteral("nopage.yBEX"),
                      "<ui><frame><frameW>80</frameW><frameH>40</frameH></frame></ui>"));
    QProcess driver;
    driver.start(QCoreApplication::applicationDirPath() + QStringLiteral("/driver/ybexdriver"),
                 args);
    QVERIFY(driver.waitForFinished(60000));
    QVERIFY(driver.exitCode() != 0);
    const QString err = QString::fromUtf8(driver.readAllStandardError());
    QVERIFY2(err.contains(error), qPrintable(error));
    // Each path said once in the driver's own line.
    const QStringList lines = err.split(QLatin1Char('\n')).filter(QStringLiteral("ybexdriver: "));
    for (const QString &line : lines) {
        for (const QString &arg : qAsConst(args)) {
            if (arg.endsWith(QLatin1String(".yBEX")))
                QVERIFY2(line.count(arg) <= 1, qPrintable(line));
        }
    }
    QCOMPARE(readFile(QStringLiteral("bad.yBEX")), QByteArray("<ui>"));
    QVERIFY(!QFile::exists(QStringLiteral("none.yBEX")));
    QVERIFY(!QFile::exists(QStringLiteral("out.yBEX")));
}

void tst_MainWindowProject::driverWritesThatCannotFinish_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("roundtrip") << QStringList {"roundtrip", "in.yBEX", "out.yBEX"};
    QTest::newRow("baud rewrite") << QStringList {"rewrite", "baud", "out.yBEX", "57600"};
    QTest::newRow("backlight rewrite") << QStringList {"rewrite", "bl", "out.yBEX", "33"};
}

// The driver's saves in a process whose files cannot grow past 4 KB: a nonzero exit with
// the cause, and the old file as it was.
void tst_MainWindowProject::driverWritesThatCannotFinish()
{
    QFETCH(QStringList, args);
    const QString path = makeProject(QStringLiteral("big"));
    QVERIFY(window->project()->saveProXml());
    const QString in = filePath(QStringLiteral("in.yBEX"));
    const QString out = filePath(QStringLiteral("out.yBEX"));
    QVERIFY(QFile::copy(path, in));
    QVERIFY(QFile::copy(path, out));
    const QByteArray before = readFile(out);
    QVERIFY(before.size() > 5000);
    args.replaceInStrings(QRegularExpression(QStringLiteral("^(in|out)\\.yBEX$")),
                          dirPath + QStringLiteral("/\\1.yBEX"));

    LimitedProcess driver(4096);
    driver.start(QCoreApplication::applicationDirPath() + QStringLiteral("/driver/ybexdriver"),
                 args);
    QVERIFY(driver.waitForFinished(60000));
    const QString err = QString::fromUtf8(driver.readAllStandardError());
    QVERIFY2(driver.exitCode() != 0, qPrintable(err));
    QVERIFY2(err.contains(out + QStringLiteral("：文件超过了系统允许的大小")), qPrintable(err));
    QVERIFY(readFile(out) == before);
}

QTEST_MAIN(tst_MainWindowProject)
#include "tst_mainwindowproject.moc"
