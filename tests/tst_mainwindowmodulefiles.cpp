// The boot settings and the module files through the main window: the boot-settings
// command, the download question, the generator run it leads to, the boot dialog's record
// in saving and loading, and the dialog's place in the language switch.

#include "allcfg.h"
#include "bootdlg.h"
#include "bootparam.h"
#include "designglobals.h"
#include "dialogtestutil.h"
#include "downloadcontroller.h"
#include "librarycontroller.h"
#include "mainwindow.h"
#include "pageparam.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "setscreensizedlg.h"
#include "sheettables.h"
#include "windowfixture.h"
#include "ymodem.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

QString messageOf(QMyMessageBox *box)
{
    return box->findChild<QLabel *>(QStringLiteral("labMessage"))->text();
}

// The sections of a container as "id/page/widget/type", and their contents.
QStringList sectionsOf(const QString &path, QList<QByteArray> *contents = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable>")};
    const QByteArray all = file.readAll();
    const auto u16 = [&](int at) { return quint8(all[at]) | quint8(all[at + 1]) << 8; };
    QStringList sections;
    for (int at = 0; at + 16 <= all.size();) {
        const int length = u16(at + 8) | u16(at + 10) << 16;
        sections << QStringLiteral("%1/%2/%3/%4")
                        .arg(u16(at))
                        .arg(u16(at + 2))
                        .arg(u16(at + 4))
                        .arg(u16(at + 6));
        if (contents)
            contents->append(all.mid(at + 16, length));
        at += 16 + length;
    }
    return sections;
}

} // namespace

class tst_MainWindowModuleFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bootSettingsCommand();
    void downloadQuestion();
    void confirmedDownloadGenerates();
    void generationFailures();
    void bootSettingsSavedAndLoadedThroughTheDialog();
    void deletedPicturesLeaveTheSavedBootAnimation();
    void pageAnimationOutsideItsChoices();
    void pageChoicesOutsideTheirNames_data();
    void pageChoicesOutsideTheirNames();
    void pageChoiceCountsFollowTheSheet();
    void widgetValuesGoOutAsTheSheetShowsThem_data();
    void widgetValuesGoOutAsTheSheetShowsThem();
    void linkTestReplyReachesTheDialog();
    void newProjectResetsTheDialog();
    void languageSwitch();

private:
    MainWindow *newWindow(const QString &project = QString());
    QString makeProject(const QString &name)
    {
        return fixture.makeProject(dir->filePath(name + QLatin1String(".yBEX")));
    }
    QMyWidget *addWidget(int type, int id) { return fixture.addWidget(WidgetType(type), id); }
    DesignDocument &design() const { return window->document(); }
    QByteArray generatedPage(const QString &project);

    WindowFixture fixture;
    MainWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> dir;
};

// A window with the test's templates, opening the project.
MainWindow *tst_MainWindowModuleFiles::newWindow(const QString &project)
{
    window = fixture.start(project);
    window->download()->getAllCfg()->setTemplateFolder(QStringLiteral(YBEX_TEST_DATA "/templates"));
    return window;
}

void tst_MainWindowModuleFiles::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    newWindow();
}

void tst_MainWindowModuleFiles::cleanup()
{
    fixture.reset();
    window = nullptr;
}

void tst_MainWindowModuleFiles::bootSettingsCommand()
{
    QVERIFY(window->download()->getBootDlg()->isHidden());
    // Shown with or without a project.
    window->findChild<QToolButton *>(QStringLiteral("btnSetSys"))->click();
    QVERIFY(window->download()->getBootDlg()->isVisible());
    window->download()->getBootDlg()->hide();
    // The templates are looked for beside the program unless told otherwise.
    QCOMPARE(AllCfg().templateFolder(), QCoreApplication::applicationDirPath() + "/file");
}

void tst_MainWindowModuleFiles::downloadQuestion()
{
    QToolButton *download = window->findChild<QToolButton *>(QStringLiteral("btnInstrDownLoad"));
    download->click();
    QCOMPARE(messageOf(window->getQuestionBox()), QString("未创建或加载项目，无法下载！"));
    QVERIFY(!asks(window->getQuestionBox()));
    makeProject(QStringLiteral("ask"));
    download->click();
    QCOMPARE(messageOf(window->getQuestionBox()), QString("是否下载当前项目到显示屏上？"));
    QVERIFY(asks(window->getQuestionBox()));
    // "否" generates nothing.
    answerNo(window->getQuestionBox());
    QVERIFY(!QFile::exists(dir->filePath("ask/allFile/all.cfg")));

    // A changed picture library is warned about once.
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir->filePath("red.png")));
    window->library()->importImages({dir->filePath("red.png")});
    QVERIFY(window->download()->areImagesChanged());
    window->getQuestionBox()->hide();
    download->click();
    QCOMPARE(messageOf(window->getQuestionBox()),
             QString("图库资源有更改，是否继续下载当前项目到显示屏上？（建议您先下载图片资源）"));
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(window->getQuestionBox()->windowTitle(), QString("警告"));
    QVERIFY(!window->download()->areImagesChanged());
    download->click();
    QCOMPARE(messageOf(window->getQuestionBox()), QString("是否下载当前项目到显示屏上？"));
}

void tst_MainWindowModuleFiles::confirmedDownloadGenerates()
{
    makeProject(QStringLiteral("gen"));
    addWidget(6, 1)->addEvent([] {
        EventInfo e;
        e.setOwnerType(6);
        e.setType(1);
        e.setUserType(31);
        e.setDefaultParams();
        return e;
    }());
    window->download()->getBootDlg()->getBootParam()->setBl(50);
    design().setScreenType(3);
    window->download()->downloadProject();

    const QString allCfg = dir->filePath("gen/allFile/all.cfg");
    QList<QByteArray> contents;
    const QStringList sections = sectionsOf(allCfg, &contents);
    QCOMPARE(sections.first(), QString("1/0/0/0"));
    QCOMPARE(sections.last(), QString("21/0/1/1"));
    QCOMPARE(window->download()->getAllCfg()->pageFileSizes().size(), 1);
    const QByteArray boot = contents.at(sections.indexOf("4/0/0/0"));
    QVERIFY(boot.contains("user.set_bl(127)\r\n"));
    QVERIFY(boot.contains("user.set_dir(3)\r\n"));
    QCOMPARE(QDir(dir->filePath("gen/allFile")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList {"all.cfg"});
    QVERIFY(!messageOf(window->getResultBox()).contains("生成all.cfg失败"));
}

void tst_MainWindowModuleFiles::generationFailures()
{
    makeProject(QStringLiteral("fail"));
    window->download()->getAllCfg()->setTemplateFolder(dir->filePath("nothing"));
    window->download()->downloadProject();
    QCOMPARE(messageOf(window->getResultBox()),
             QString("98:生成all.cfg失败！\n模板文件夹%1不存在").arg(dir->filePath("nothing")));

    window->download()->getAllCfg()->setTemplateFolder(QStringLiteral(YBEX_TEST_DATA "/templates"));
    addWidget(0, 1);
    addWidget(2, 1);
    window->download()->downloadProject();
    QCOMPARE(messageOf(window->getResultBox()),
             QString("124:生成all.cfg失败！\nPage-0 Btn-1、Img-1：多个控件的ID都是1"));
    QVERIFY(!QFile::exists(dir->filePath("fail/allFile/all.cfg")));
}

void tst_MainWindowModuleFiles::bootSettingsSavedAndLoadedThroughTheDialog()
{
    const QString path = makeProject(QStringLiteral("boot"));
    // The dialog edits the design's record, the one that is saved.
    QCOMPARE(window->download()->getBootDlg()->getBootParam(), &design().boot());
    design().boot().setBuzzerTime(11);
    window->download()->getBootDlg()->getBootParam()->setBuzzerTime(22);
    window->download()->getBootDlg()->getBootParam()->setAnimFlag(true);
    QVERIFY(window->project()->saveProXml());

    newWindow(path);
    QCOMPARE(window->download()->getBootDlg()->getBootParam()->getBuzzerTime(), 22);
    QVERIFY(window->download()->getBootDlg()->getBootParam()->getAnimFlag());
    window->download()->getBootDlg()->showDlg();
    QCOMPARE(window->download()->getBootDlg()->findChild<QSpinBox *>("sbBuzzerTime")->value(), 22);
    window->download()->getBootDlg()->hide();
}

// The boot animation names pictures by number: deleting one inside its range must renumber
// the record that is saved and generated, and the open dialog's fields with it.
void tst_MainWindowModuleFiles::deletedPicturesLeaveTheSavedBootAnimation()
{
    const QString path = makeProject(QStringLiteral("anim"));
    QStringList pictures;
    for (int i = 0; i < 5; ++i) {
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        pictures << dir->filePath(QStringLiteral("a%1.png").arg(i));
        QVERIFY(picture.save(pictures.last()));
    }
    window->library()->importImages(pictures);
    BootDlg *bootDlg = window->download()->getBootDlg();
    bootDlg->getBootParam()->setAnimFlag(true);
    bootDlg->getBootParam()->setAnimStartID(1);
    bootDlg->getBootParam()->setAnimEndID(3);
    bootDlg->showDlg();

    QPushButton *deleteImages = window->findChild<QPushButton *>(QStringLiteral("btnImageFontSub"));
    deleteImages->click();
    window->library()->getImageModel()->setCheckState(2, Qt::Checked);
    deleteImages->click();
    answerYes(window->getQuestionBox());
    QCOMPARE(design().pictures().size(), 4);
    QCOMPARE(bootDlg->findChild<QSpinBox *>("sbAnimStartID")->value(), 1);
    QCOMPARE(bootDlg->findChild<QSpinBox *>("sbAnimEndID")->value(), 2);
    bootDlg->hide();
    QVERIFY(window->project()->saveProXml());

    newWindow(path);
    bootDlg = window->download()->getBootDlg();
    QCOMPARE(bootDlg->getBootParam()->getAnimStartID(), 1);
    QCOMPARE(bootDlg->getBootParam()->getAnimEndID(), 2);
    window->download()->downloadProject();
    QList<QByteArray> contents;
    const QStringList sections = sectionsOf(dir->filePath("anim/allFile/all.cfg"), &contents);
    QVERIFY2(sections.contains("4/0/0/0"), qPrintable(sections.join(' ')));
    QVERIFY(contents.at(sections.indexOf("4/0/0/0")).contains("user.set_gif(0,1,2,"));
}

// A saved page animation outside the choices reaches the module alike from every page, the
// one shown at load included.
void tst_MainWindowModuleFiles::pageAnimationOutsideItsChoices()
{
    const QString path = makeProject(QStringLiteral("pages"));
    QVERIFY(window->pages()->addPage());
    QCOMPARE(design().pageCount(), 2);
    for (PageParam *page : design().pages()) {
        page->setPageAnimMode(8);
        page->setPageAnimDir(9);
    }
    QVERIFY(window->project()->saveProXml());

    newWindow(path);
    window->download()->downloadProject();
    QList<QByteArray> contents;
    const QStringList sections = sectionsOf(dir->filePath("pages/allFile/all.cfg"), &contents);
    QVERIFY2(sections.contains("3/1/0/0"), qPrintable(sections.join(' ')));
    for (const QString page : {"3/0/0/0", "3/1/0/0"})
        QCOMPARE(contents.at(sections.indexOf(page)).mid(50, 4).toHex(), QByteArray("00000000"));
}

void tst_MainWindowModuleFiles::pageChoicesOutsideTheirNames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("offset"); // of the field in the page's section
    QTest::newRow("gradient direction") << "gradient" << 7 << 28;
    QTest::newRow("gradient direction below") << "gradient" << -2 << 28;
    QTest::newRow("flag") << "flag" << 5 << 44;
}

// Every page choice the module receives goes out alike from every page, whichever page
// was shown at load (showing a page puts such a value back to the first choice).
void tst_MainWindowModuleFiles::pageChoicesOutsideTheirNames()
{
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(int, offset);
    const QString path = makeProject(QStringLiteral("pages"));
    QVERIFY(window->pages()->addPage());
    QVERIFY(window->pages()->addPage());
    for (PageParam *page : design().pages()) {
        if (key == QLatin1String("gradient"))
            page->setPageGradDir(value);
        else
            page->setPageFlag(value);
    }
    QVERIFY(window->project()->saveProXml());

    newWindow(path);
    window->download()->downloadProject();
    QList<QByteArray> contents;
    const QStringList sections = sectionsOf(dir->filePath("pages/allFile/all.cfg"), &contents);
    for (const QString page : {"3/0/0/0", "3/1/0/0", "3/2/0/0"}) {
        QVERIFY2(sections.contains(page), qPrintable(sections.join(' ')));
        QCOMPARE(contents.at(sections.indexOf(page)).mid(offset, 2).toHex(), QByteArray("0000"));
    }
}

// The generator's counts of the page choices are those the page's sheet offers.
void tst_MainWindowModuleFiles::pageChoiceCountsFollowTheSheet()
{
    QMap<QString, int> counts;
    std::function<void(const QList<SheetRow> &)> visit = [&](const QList<SheetRow> &rows) {
        for (const SheetRow &row : rows) {
            if (row.kind == SheetRow::Choice)
                counts.insert(row.key, row.choices.size());
            visit(row.children);
        }
    };
    visit(SheetTables::pageSheet());
    QCOMPARE(counts.value("pageGradDir"), AllCfg::PageGradDirections);
    QCOMPARE(counts.value("pageFlag"), AllCfg::PageFlags);
    QCOMPARE(counts.value("pageAnimMode"), AllCfg::PageAnimModes);
    QCOMPARE(counts.value("pageAnimDir"), AllCfg::PageAnimDirections);
}

QByteArray tst_MainWindowModuleFiles::generatedPage(const QString &project)
{
    AllCfg *generator = window->download()->getAllCfg();
    const int code = generator->createAllCfg(design());
    if (code != AllCfg::Success)
        return QByteArray::number(code) + ' ' + generator->failureDetail().toUtf8();
    QList<QByteArray> contents;
    const QStringList sections = sectionsOf(dir->filePath(project + "/allFile/all.cfg"), &contents);
    const int at = sections.indexOf(QStringLiteral("3/0/0/0"));
    return at >= 0 ? contents.at(at) : QByteArray("<no page file>");
}

void tst_MainWindowModuleFiles::widgetValuesGoOutAsTheSheetShowsThem_data()
{
    QTest::addColumn<int>("type");
    // Values set first, each "key=value".
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    // What the widget holds once its sheet was shown, each "key=value".
    QTest::addColumn<QStringList>("shown");

    const QString minInt = QString::number(std::numeric_limits<int>::min());
    QTest::newRow("slider value above") << 6 << QStringList() << "ybexItemProgValue" << 150
                                        << QStringList {"ybexItemProgValue=100"};
    QTest::newRow("slider value below")
        << 6 << QStringList() << "ybexItemProgValue" << -7 << QStringList {"ybexItemProgValue=0"};
    QTest::newRow("progress value") << 3 << QStringList() << "ybexItemProgValue" << 101
                                    << QStringList {"ybexItemProgValue=100"};
    QTest::newRow("arc start") << 7 << QStringList() << "ybexItemArcStartValue" << 400
                               << QStringList {"ybexItemArcStartValue=360"};
    QTest::newRow("arc end") << 7 << QStringList() << "ybexItemArcEndValue" << -1
                             << QStringList {"ybexItemArcEndValue=0"};
    QTest::newRow("opacity above")
        << 0 << QStringList() << "ybexItemOpa" << 300 << QStringList {"ybexItemOpa=255"};
    QTest::newRow("opacity below, colours follow")
        << 1 << QStringList() << "ybexItemOpa" << -5
        << QStringList {"ybexItemOpa=0", "ybexItemBackgroundA1=0", "ybexItemBackgroundA2=0"};
    QTest::newRow("font opacity") << 0 << QStringList() << "fontOpa" << 999
                                  << QStringList {"fontOpa=255"};
    QTest::newRow("cursor opacity")
        << 4 << QStringList() << "ybexItemCurrorOpa" << -1
        << QStringList {"ybexItemCurrorOpa=0", "ybexItemCurrorColorA=0"};
    QTest::newRow("picture opacity")
        << 2 << QStringList() << "ybexItemImageOpa" << 256 << QStringList {"ybexItemImageOpa=255"};
    QTest::newRow("knob opacity") << 6 << QStringList() << "ybexItemHandleOpa" << 300
                                  << QStringList {"ybexItemHandleOpa=255"};
    QTest::newRow("selected look of a checkable button")
        << 0 << QStringList {"checkabled=1"} << "ybexItemSelectOpa" << 1000
        << QStringList {"ybexItemSelectOpa=255"};
    // Its sheet shows the pressed look instead.
    QTest::newRow("selected look of a plain button")
        << 0 << QStringList() << "ybexItemSelectOpa" << 1000
        << QStringList {"ybexItemSelectOpa=1000"};
    QTest::newRow("text size above")
        << 1 << QStringList() << "longTextLen" << 70000 << QStringList {"longTextLen=65535"};
    QTest::newRow("text size below")
        << 1 << QStringList() << "longTextLen" << -4 << QStringList {"longTextLen=0"};
    QTest::newRow("gradient") << 0 << QStringList() << "ybexItemGradMode" << 7
                              << QStringList {"ybexItemGradMode=0"};
    QTest::newRow("direction") << 3 << QStringList() << "ybexItemProgDir" << 4
                               << QStringList {"ybexItemProgDir=0"};
    // The drawing fills a bar from the bottom up too.
    QTest::newRow("vertical direction")
        << 3 << QStringList() << "ybexItemProgDir" << 3 << QStringList {"ybexItemProgDir=3"};
    // Tick boxes show any value but 0 as ticked.
    QTest::newRow("load switch") << 2 << QStringList() << "ybexItemAnimEnabled" << 5996
                                 << QStringList {"ybexItemAnimEnabled=1"};
    QTest::newRow("grid switch") << 9 << QStringList() << "ybexItemChartGridEnable" << 249
                                 << QStringList {"ybexItemChartGridEnable=1"};
    QTest::newRow("tick switch") << 9 << QStringList() << "ybexItemChartTickEnable2" << -1
                                 << QStringList {"ybexItemChartTickEnable2=1"};
    QTest::newRow("tick label switch") << 9 << QStringList() << "ybexItemChartTickLabelEnable0"
                                       << 102 << QStringList {"ybexItemChartTickLabelEnable0=1"};
    QTest::newRow("single line") << 4 << QStringList() << "ybexItemSignalMode" << 5
                                 << QStringList {"ybexItemSignalMode=0"};
    QTest::newRow("password") << 4 << QStringList() << "ybexItemPasswordMode" << -1
                              << QStringList {"ybexItemPasswordMode=0"};
    QTest::newRow("keyboard") << 4 << QStringList() << "keyboardid" << 4
                              << QStringList {"keyboardid=0"};
    QTest::newRow("long-text mode")
        << 1 << QStringList() << "longTextMode" << 3 << QStringList {"longTextMode=0"};
    // A text box's sheet has no long-text mode.
    QTest::newRow("long-text mode of a text box")
        << 4 << QStringList() << "longTextMode" << 3 << QStringList {"longTextMode=3"};
    QTest::newRow("state") << 0 << QStringList() << "flag" << 2 << QStringList {"flag=0"};
    QTest::newRow("load speed") << 2 << QStringList() << "ybexItemAnimMode" << 7
                                << QStringList {"ybexItemAnimMode=0"};
    QTest::newRow("load direction")
        << 2 << QStringList() << "ybexItemAnimDir" << 8 << QStringList {"ybexItemAnimDir=0"};
    QTest::newRow("rounded arc") << 7 << QStringList() << "ybexItemArcRounded" << 2
                                 << QStringList {"ybexItemArcRounded=0"};
    QTest::newRow("needles above") << 8 << QStringList() << "ybexItemMeterPointNum" << 4
                                   << QStringList {"ybexItemMeterPointNum=1"};
    QTest::newRow("needles below") << 8 << QStringList() << "ybexItemMeterPointNum" << 0
                                   << QStringList {"ybexItemMeterPointNum=1"};
    QTest::newRow("series") << 9 << QStringList() << "ybexItemChartSerCount" << 3
                            << QStringList {"ybexItemChartSerCount=1"};
    QTest::newRow("update mode") << 9 << QStringList() << "ybexItemChartUpadateMode" << 2
                                 << QStringList {"ybexItemChartUpadateMode=0"};
    QTest::newRow("point count, both series")
        << 9 << QStringList {"ybexItemChartSerCount=2", "ybexItemChartSerData0=1/2"}
        << "ybexItemChartSerPointCount0" << -3
        << QStringList {"ybexItemChartSerPointCount0=0", "ybexItemChartSerPointCount1=0",
                        "ybexItemChartSerData0=", "ybexItemChartSerData1="};
    // A single-line box shows no line breaks.
    QTest::newRow("line breaks of a single-line box")
        << 4 << QStringList {"text=a\nb"} << "ybexItemSignalMode" << 1
        << QStringList {"ybexItemSignalMode=1", "text=ab"};
    // Rows without a limit show any value.
    QTest::newRow("needle angle") << 8 << QStringList() << "ybexItemMeterAngle1" << 400
                                  << QStringList {"ybexItemMeterAngle1=400"};
    QTest::newRow("smallest int") << 0 << QStringList() << "ybexItemBorderWidth"
                                  << std::numeric_limits<int>::min()
                                  << QStringList {"ybexItemBorderWidth=" + minInt};
}

// A value outside what its row shows goes out as the row shows it, whether or not the
// widget's sheet was ever shown; the design keeps the value until the sheet is shown.
void tst_MainWindowModuleFiles::widgetValuesGoOutAsTheSheetShowsThem()
{
    QFETCH(int, type);
    QFETCH(QStringList, setup);
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(QStringList, shown);
    const auto apply = [](QMyWidget *w, const QStringList &values) {
        for (const QString &entry : values) {
            const int at = entry.indexOf(QLatin1Char('='));
            QVERIFY(w->setFileValue(entry.left(at), entry.mid(at + 1)));
        }
    };
    makeProject(QStringLiteral("limits"));
    design().setFontIds({QStringLiteral("0")});
    QMyWidget *w = addWidget(type, 1);
    apply(w, setup);
    QVERIFY(w->setIntValue(key, value));
    w->refreshComputedValues();
    const QStringList before = [w] {
        QStringList values;
        for (const QString &k : QMyWidget::fileKeys())
            values << w->fileValue(k);
        return values;
    }();

    const QByteArray notShown = generatedPage(QStringLiteral("limits"));
    QCOMPARE(w->intValue(key), value);
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(w->fileValue(QMyWidget::fileKeys().at(i)), before.at(i));

    window->properties()->slotRecvWnd(w);
    for (const QString &entry : shown) {
        const int at = entry.indexOf(QLatin1Char('='));
        QCOMPARE(w->fileValue(entry.left(at)), entry.mid(at + 1));
    }
    const QByteArray afterShown = generatedPage(QStringLiteral("limits"));
    QCOMPARE(afterShown, notShown);

    // The same as a widget given those values.
    window->properties()->slotRecvParent();
    QMyWidget *given = addWidget(type, 2);
    apply(given, setup);
    given->setIntValue(key, value);
    apply(given, shown);
    design().removeWidget(w);
    given->setId(1);
    QCOMPARE(generatedPage(QStringLiteral("limits")), notShown);
}

// The link test's answer is put to the user with its outcome; the record changes only on yes.
void tst_MainWindowModuleFiles::linkTestReplyReachesTheDialog()
{
    emit window->download()->getYModem()->s_send485(1, 9, 1);
    emit window->download()->getYModem()->s_sendMes(6, "指令集发送成功！");
    QMyMessageBox *question = window->download()->getBootDlg()->getQuestionBox();
    QTRY_VERIFY(question->isVisible());
    QVERIFY(
        messageOf(question).startsWith("指令集发送成功！\n模块的设置：485使能：是，485地址：9"));
    QVERIFY(!window->download()->getBootDlg()->getBootParam()->get485Flag());
    answerYes(question);
    QVERIFY(window->download()->getBootDlg()->getBootParam()->get485Flag());
    QCOMPARE(window->download()->getBootDlg()->getBootParam()->get485Addr(), 9);
    QVERIFY(window->download()->getBootDlg()->getBootParam()->getCRC16Flag());
    question->hide();
    // Without values the outcome is only shown.
    emit window->download()->getYModem()->s_sendMes(6, "指令集发送成功！");
    const auto shown = [] {
        QStringList texts;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMyMessageBox *>(w);
            if (box && box->isVisible())
                texts.append(messageOf(box));
        }
        return texts;
    };
    QTRY_COMPARE(shown(), QStringList {"指令集发送成功！"});
}

void tst_MainWindowModuleFiles::newProjectResetsTheDialog()
{
    window->download()->getBootDlg()->getBootParam()->setBl(3);
    makeProject(QStringLiteral("fresh"));
    QCOMPARE(window->download()->getBootDlg()->getBootParam()->getBl(), 100);
}

void tst_MainWindowModuleFiles::languageSwitch()
{
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QCoreApplication::installTranslator(&english);
    window->slotRefleshUI(QString());
    QCOMPARE(window->download()->getBootDlg()->windowTitle(), QString("CoreSetting"));
    QCoreApplication::removeTranslator(&english);
    window->slotRefleshUI(QString());
    QCOMPARE(window->download()->getBootDlg()->windowTitle(), QString("开机设置"));
}

QTEST_MAIN(tst_MainWindowModuleFiles)
#include "tst_mainwindowmodulefiles.moc"
