#include "containerreader.h"
#include "deleventdlg.h"
#include "designtestutil.h"
#include "dialogtestutil.h"
#include "downloadeventdlg.h"
#include "eventinfo.h"
#include "mainwindow.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmycheckstandarditemmodel.h"
#include "qmyeventdlg.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qtbrowseritem.h"
#include "qtproperty.h"
#include "qttreepropertybrowser.h"
#include "setscreensizedlg.h"
#include "timerparam.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

// The window's three event commands on the page, the timers and the widgets, and what the
// dialogs they open do to the design and the sheet.
class TestEventCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void withoutAProject();
    void addToEveryHolder_data();
    void addToEveryHolder();
    void cancelledAddChangesNothing();
    void widgetWithoutEvents();
    void deletingRebuildsTheSheet();
    void savingHandWrittenCodeRebuildsTheSheet();
    void widgetDeletedWhileItsDialogsAreOpen();
    void pageDeletedWhileItsDialogsAreOpen();
    void newProjectClosesTheDialogs();
    void handWrittenCodeIsSavedWithTheProject();
    void generatedScriptsFollowTheDialogs();

private:
    QMyFrame *frame() const { return window->findChild<QMyFrame *>("frame"); }
    QtTreePropertyBrowser *browser() const
    {
        return window->findChild<QtTreePropertyBrowser *>("designWnd");
    }
    QString notice() const
    {
        QMyMessageBox *box = window->getQuestionBox();
        return box->isVisible() ? box->findChild<QLabel *>("labMessage")->text() : QString();
    }
    // Answers the add-event dialog once it runs: OK with the given function, or Cancel.
    void answerAddDialog(int function, bool accept = true);
    QMyWidget *drop(int typeCode);
    void selectTimer(int i) { window->properties()->getTimerButton(i)->click(); }
    // The events group of the sheet: its type subgroups' captions; null when there is none.
    bool eventsGroup(QStringList *types) const;
    // Saves the project, generates its module files with the driver and returns the bytes
    // of the container's section, or "missing".
    QByteArray generatedSection(int id, int page, int widget, int type);
    void addEvent(int function)
    {
        answerAddDialog(function);
        window->properties()->on_btnAddEvent_clicked();
    }
    // Adds an event to what the sheet shows and opens both dialogs on it, the delete
    // dialog with every row checked.
    void openDialogsOnANewEvent();
    bool addDialogRan = false;

    DesignDocument &design() const { return window->document(); }

    // Each test's own folder: no test finds the projects of another.
    std::unique_ptr<QTemporaryDir> dir;
    WindowFixture fixture;
    MainWindow *window = nullptr;
};

void TestEventCommands::initTestCase()
{
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
}

void TestEventCommands::init()
{
    window = fixture.start();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(fixture.show(QSize(1200, 800)));
    QVERIFY(!fixture.makeProject(dir->filePath("p.yBEX")).isEmpty());
    addDialogRan = false;
}

void TestEventCommands::cleanup()
{
    fixture.reset();
}

void TestEventCommands::answerAddDialog(int function, bool accept)
{
    QTimer::singleShot(0, this, [this, function, accept] {
        QMyEventDlg *dlg = window->properties()->getEventDlg();
        if (!dlg->isVisible())
            return;
        addDialogRan = true;
        auto *functions = dlg->findChild<QComboBox *>("cbEventUser");
        functions->setCurrentIndex(functions->findData(function));
        dlg->findChild<QAbstractButton *>(accept ? "btnOK" : "btnClose")->click();
    });
}

QMyWidget *TestEventCommands::drop(int typeCode)
{
    if (!dropTypeName(frame(), widgetTypeNames.at(typeCode), QPoint(20 + 60 * typeCode, 30)))
        return nullptr;
    QMyWidget *w = design().widgets(design().currentPage()).last();
    emit frame()->s_sendPressWnd(w);
    return w;
}

void TestEventCommands::openDialogsOnANewEvent()
{
    addEvent(72);
    window->properties()->on_btnDelEvent_clicked();
    window->properties()->on_btnDownLoadEvent_clicked();
    DelEventDlg *del = window->properties()->getDelEventDlg();
    QVERIFY(del->isVisible());
    QVERIFY(window->properties()->getDownLoadEventDlg()->isVisible());
    del->findChild<QAbstractButton *>("btnDelEvent")->click();
    del->findChild<QAbstractButton *>("checkBoxAll")->click();
}

bool TestEventCommands::eventsGroup(QStringList *types) const
{
    const QList<QtBrowserItem *> items = browser()->topLevelItems();
    if (items.isEmpty() || items.last()->property()->propertyName() != "事件")
        return false;
    types->clear();
    for (QtBrowserItem *type : items.last()->children())
        *types << type->property()->propertyName();
    return true;
}

void TestEventCommands::withoutAProject()
{
    window->pages()->clearAllPages();
    design().setProjectPath(QString());
    window->properties()->on_btnAddEvent_clicked();
    QCOMPARE(notice(), QString("未创建或导入项目，请您先创建或导入项目！"));
    window->getQuestionBox()->hide();
    window->properties()->on_btnDelEvent_clicked();
    QCOMPARE(notice(), QString("未创建或导入项目，请您先创建或导入项目！"));
    window->getQuestionBox()->hide();
    window->properties()->on_btnDownLoadEvent_clicked();
    QCOMPARE(notice(), QString("未创建或导入项目，请您先创建或导入项目！"));
    QVERIFY(!window->properties()->getDelEventDlg()->isVisible());
    QVERIFY(!window->properties()->getDownLoadEventDlg()->isVisible());
}

void TestEventCommands::addToEveryHolder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("which"); // timer index or widget type code
    QTest::addColumn<int>("owner");
    QTest::addColumn<QString>("type");
    QTest::newRow("page") << 0 << 0 << -1 << "页面进入";
    QTest::newRow("timer 0") << 2 << 0 << -2 << "定时到达";
    QTest::newRow("timer 7") << 2 << 7 << -2 << "定时到达";
    QTest::newRow("sleep timer") << 2 << 8 << -3 << "休眠进入";
    QTest::newRow("button") << 1 << 0 << 0 << "按钮进入";
    QTest::newRow("progress bar") << 1 << 3 << 3 << "进度增加";
    QTest::newRow("slider") << 1 << 6 << 6 << "slider增加";
    QTest::newRow("arc") << 1 << 7 << 7 << "arc增加";
}

void TestEventCommands::addToEveryHolder()
{
    QFETCH(int, kind);
    QFETCH(int, which);
    QMyWidget *w = nullptr;
    if (kind == 1)
        QVERIFY(w = drop(which));
    else if (kind == 2)
        selectTimer(which);
    else
        window->properties()->slotRecvParent();
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind(kind));

    answerAddDialog(72);
    window->properties()->on_btnAddEvent_clicked();
    QVERIFY(addDialogRan);
    QList<EventInfo> events = kind == 0 ? design().page(design().currentPage())->events()
        : kind == 1                     ? w->getEvents()
                                        : design().timer(which)->events();
    QCOMPARE(events.size(), 1);
    QTEST(events.at(0).ownerType(), "owner");
    QTEST(events.at(0).typeName(), "type");
    QCOMPARE(events.at(0).toCode(), QByteArray("user.set_bps(115200)\r\n"));
    // The holder's sheet was built again, with its events group, and still shows the holder.
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind(kind));
    QStringList types;
    QVERIFY(eventsGroup(&types));
    QCOMPARE(types, QStringList({events.at(0).typeName()}));
}

void TestEventCommands::cancelledAddChangesNothing()
{
    window->properties()->slotRecvParent();
    answerAddDialog(72, false);
    window->properties()->on_btnAddEvent_clicked();
    QVERIFY(addDialogRan);
    QVERIFY(design().page(design().currentPage())->events().isEmpty());
    QStringList types;
    QVERIFY(!eventsGroup(&types));
}

void TestEventCommands::widgetWithoutEvents()
{
    for (int type : {1, 2, 4, 5, 8, 9}) {
        QMyWidget *w = drop(type);
        QVERIFY(w);
        answerAddDialog(72);
        window->properties()->on_btnAddEvent_clicked();
        QVERIFY(!addDialogRan);
        QCOMPARE(notice(), QString("该控件类型无法添加事件，请您查看说明文档！"));
        QCOMPARE(window->getQuestionBox()->windowTitle(), QString("提示"));
        window->properties()->on_btnDownLoadEvent_clicked();
        QCOMPARE(notice(), QString("该控件类型无法编辑事件，请您查看说明文档！"));
        window->properties()->on_btnDelEvent_clicked();
        QCOMPARE(notice(), QString("未添加事件，无法删除！"));
        QVERIFY(w->getEvents().isEmpty());
        QVERIFY(!window->properties()->getDownLoadEventDlg()->isVisible());
        QVERIFY(!window->properties()->getDelEventDlg()->isVisible());
        QCoreApplication::processEvents();
    }
}

void TestEventCommands::deletingRebuildsTheSheet()
{
    window->properties()->slotRecvParent();
    window->properties()->on_btnDelEvent_clicked();
    QCOMPARE(notice(), QString("未添加事件，无法删除！"));
    window->getQuestionBox()->hide();

    addEvent(72);
    addEvent(72);
    QStringList types;
    QVERIFY(eventsGroup(&types));
    window->properties()->on_btnDelEvent_clicked();
    DelEventDlg *dlg = window->properties()->getDelEventDlg();
    QVERIFY(dlg->isVisible());
    dlg->findChild<QAbstractButton *>("btnDelEvent")->click();
    dlg->findChild<QAbstractButton *>("checkBoxAll")->click();
    dlg->findChild<QAbstractButton *>("btnDelEvent")->click();
    buttonWithText(dlg->getMessageBox(), "是")->click();
    QVERIFY(design().page(design().currentPage())->events().isEmpty());
    QVERIFY(!eventsGroup(&types));
}

void TestEventCommands::savingHandWrittenCodeRebuildsTheSheet()
{
    QMyWidget *w = drop(0);
    addEvent(72);
    QStringList types;
    QVERIFY(eventsGroup(&types));
    QCOMPARE(types, QStringList({"按钮进入"}));

    window->properties()->on_btnDownLoadEvent_clicked();
    DownLoadEventDlg *dlg = window->properties()->getDownLoadEventDlg();
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->findChild<QTabWidget *>("tabWidget")->currentIndex(), 1);
    dlg->findChild<QCheckBox *>("checkBoxUse2")->setChecked(true);
    dlg->findChild<QTextEdit *>("textEdit2")->setPlainText("user.set_x(1,2)");
    dlg->findChild<QAbstractButton *>("btnSaveEvent")->click();
    QCOMPARE(w->getEventStatus(1), 1);
    // The type now runs hand-written code: the group stays, without the type's rows.
    QVERIFY(eventsGroup(&types));
    QVERIFY(types.isEmpty());

    dlg->findChild<QCheckBox *>("checkBoxUse2")->setChecked(false);
    dlg->findChild<QAbstractButton *>("btnSaveEvent")->click();
    QVERIFY(eventsGroup(&types));
    QCOMPARE(types, QStringList({"按钮进入"}));
    dlg->findChild<QAbstractButton *>("btnClose")->click();
    QVERIFY(!dlg->isVisible());
    QCOMPARE(window->properties()->getCurrentWidget(), w);
}

void TestEventCommands::widgetDeletedWhileItsDialogsAreOpen()
{
    QMyWidget *w = drop(3);
    openDialogsOnANewEvent();
    DelEventDlg *del = window->properties()->getDelEventDlg();
    DownLoadEventDlg *edit = window->properties()->getDownLoadEventDlg();
    del->findChild<QAbstractButton *>("btnDelEvent")->click();

    // Another widget is selected, then the first one is deleted.
    QMyWidget *other = drop(0);
    QVERIFY(other);
    other->setSelected(false);
    w->setSelected(true);
    emit frame()->s_sendPressWnd(w);
    window->pages()->deleteSelectedWidget();
    QVERIFY(!design().widgets(design().currentPage()).contains(w));
    QVERIFY(!del->isVisible());
    QVERIFY(!edit->isVisible());

    // Late presses reach nothing.
    buttonWithText(del->getMessageBox(), "是")->click();
    edit->findChild<QAbstractButton *>("btnSaveEvent")->click();
    edit->findChild<QAbstractButton *>("btnResetEvent")->click();
    edit->findChild<QAbstractButton *>("btnAddEvent")->click();
    QVERIFY(!edit->getMessageBox()->isVisible());
    QVERIFY(other->getEvents().isEmpty());
    QCOMPARE(other->getEventText(1), QString());
}

void TestEventCommands::pageDeletedWhileItsDialogsAreOpen()
{
    QVERIFY(window->pages()->addPage());
    const int doomed = design().currentPage();
    QCOMPARE(doomed, 1);
    window->properties()->slotRecvParent();
    openDialogsOnANewEvent();
    DelEventDlg *del = window->properties()->getDelEventDlg();
    DownLoadEventDlg *edit = window->properties()->getDownLoadEventDlg();
    del->findChild<QAbstractButton *>("btnDelEvent")->click();
    QVERIFY(asks(del->getMessageBox()));

    window->pages()->on_btnPageSub_clicked();
    answerYes(window->getQuestionBox());
    QCOMPARE(design().pageCount(), 1);
    QVERIFY(!del->isVisible());
    QVERIFY(!edit->isVisible());

    // A new page may take the freed record's place; the dialogs still reach nothing.
    QVERIFY(window->pages()->addPage());
    window->properties()->slotRecvParent();
    addEvent(72);
    answerYes(del->getMessageBox());
    edit->findChild<QAbstractButton *>("btnSaveEvent")->click();
    QCOMPARE(design().page(1)->events().size(), 1);
    QCOMPARE(design().page(1)->eventStatus(1), 0);
}

void TestEventCommands::newProjectClosesTheDialogs()
{
    selectTimer(3);
    openDialogsOnANewEvent();
    QVERIFY(window->project()->createProject(dir->filePath("other.yBEX")));
    QVERIFY(!window->properties()->getDelEventDlg()->isVisible());
    QVERIFY(!window->properties()->getDownLoadEventDlg()->isVisible());
}

void TestEventCommands::handWrittenCodeIsSavedWithTheProject()
{
    // The sleep timer has no events, only hand-written code.
    selectTimer(8);
    window->properties()->on_btnDownLoadEvent_clicked();
    DownLoadEventDlg *dlg = window->properties()->getDownLoadEventDlg();
    dlg->findChild<QCheckBox *>("checkBoxUse2")->setChecked(true);
    dlg->findChild<QTextEdit *>("textEdit2")->setPlainText("a = 1\nuser.set_x(1,a)");
    dlg->findChild<QAbstractButton *>("btnSaveEvent")->click();
    QCOMPARE(dlg->getMessageBox()->findChild<QLabel *>("labMessage")->text(),
             QString("保存当前编辑下载事件成功！"));
    QVERIFY(window->project()->saveProXml());
    const QString path = design().projectPath();
    QVERIFY(window->project()->createProject(dir->filePath("between.yBEX")));
    QCOMPARE(design().timer(8)->eventStatus(1), 0);
    QVERIFY(window->project()->openProject(path));
    QVERIFY(design().timer(8)->events().isEmpty());
    QCOMPARE(design().timer(8)->eventStatus(1), 1);
    QCOMPARE(design().timer(8)->eventText(1), QString("a = 1\nuser.set_x(1,a)"));
}

QByteArray TestEventCommands::generatedSection(int id, int page, int widget, int type)
{
    if (!window->project()->saveProXml())
        return "not saved";
    // The buttons draw with font 0, which the project has.
    const QString fonts = QFileInfo(design().projectPath()).absolutePath() + "/tempFonts/";
    for (const char *name : {"0.font", "0.ini"}) {
        QFile font(fonts + name);
        if (!font.exists() && (!font.open(QIODevice::WriteOnly) || font.write("f") != 1))
            return "no font";
    }
    QProcess driver;
    driver.start(QCoreApplication::applicationDirPath() + "/driver/ybexdriver",
                 {"generate", design().projectPath(), YBEX_TEST_DATA "/templates"});
    if (!driver.waitForFinished(60000) || driver.exitCode() != 0)
        return "not generated: " + driver.readAllStandardError();
    bool ok = false;
    const QList<Section> sections =
        readContainer(QFileInfo(design().projectPath()).absolutePath() + "/allFile/all.cfg", &ok);
    for (const Section &s : sections) {
        if (ok && s == Section {id, page, widget, type, {}})
            return s.bytes;
    }
    return "missing";
}

void TestEventCommands::generatedScriptsFollowTheDialogs()
{
    const QByteArray setX = "user.set_x(1,0)\r\n";
    const QByteArray setBps = "user.set_bps(115200)\r\n";
    enum { PageScript = 9, TimerScript = 7, ButtonScript = 14, Entry = 1 };

    // Page: two entry events, the first deleted again in the delete dialog.
    window->properties()->slotRecvParent();
    addEvent(0);
    addEvent(72);
    window->properties()->on_btnDelEvent_clicked();
    DelEventDlg *del = window->properties()->getDelEventDlg();
    del->findChild<QAbstractButton *>("btnDelEvent")->click();
    QMyCheckStandardItemModel *rows =
        qobject_cast<QMyCheckStandardItemModel *>(del->findChild<QTableView *>()->model());
    rows->setCheckState(0, Qt::Checked);
    del->findChild<QAbstractButton *>("btnDelEvent")->click();
    buttonWithText(del->getMessageBox(), "是")->click();
    del->findChild<QAbstractButton *>("btnClose")->click();

    // Timer 2: one event.
    selectTimer(2);
    addEvent(0);

    // A button: an entry event whose script is hand-written instead.
    QMyWidget *button = drop(0);
    addEvent(0);
    window->properties()->on_btnDownLoadEvent_clicked();
    DownLoadEventDlg *edit = window->properties()->getDownLoadEventDlg();
    edit->findChild<QCheckBox *>("checkBoxUse2")->setChecked(true);
    edit->findChild<QTextEdit *>("textEdit2")->setPlainText("a = 1\nuser.set_x(1,a)");
    edit->findChild<QAbstractButton *>("btnSaveEvent")->click();

    QCOMPARE(generatedSection(PageScript, 0, 0, Entry), "import user\r\n" + setBps);
    QCOMPARE(generatedSection(TimerScript, 2, 0, 0), "import user\r\n" + setX);
    QCOMPARE(generatedSection(ButtonScript, 0, button->getId(), Entry),
             QByteArray("import user\r\na = 1\nuser.set_x(1,a)"));

    // Back to the generated line once the flag is off.
    edit->findChild<QCheckBox *>("checkBoxUse2")->setChecked(false);
    edit->findChild<QAbstractButton *>("btnSaveEvent")->click();
    QCOMPARE(generatedSection(ButtonScript, 0, button->getId(), Entry), "import user\r\n" + setX);
}

QTEST_MAIN(TestEventCommands)
#include "tst_eventcommands.moc"
