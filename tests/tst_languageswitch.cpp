#include "deleventdlg.h"
#include "designglobals.h"
#include "designtestutil.h"
#include "downloadeventdlg.h"
#include "eventinfo.h"
#include "imagelibrary.h"
#include "itemdata.h"
#include "languagedlg.h"
#include "languagetestutil.h"
#include "librarycontroller.h"
#include "mainwindow.h"
#include "pagerenamedlg.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyeventdlg.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmyitemmodel.h"
#include "qmymessagebox.h"
#include "qmysettings.h"
#include "qmystandarditemmodel.h"
#include "qmytextfit.h"
#include "qtbrowseritem.h"
#include "qtproperty.h"
#include "qttreepropertybrowser.h"
#include "setscreensizedlg.h"
#include "showinfodlg.h"
#include "sysdlg.h"
#include "terminalcontroller.h"
#include "version.h"
#include "windowfixture.h"
#include "ymodemportdlg.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>
#include <QtTest>

// Catches what the window hands to the desktop instead of starting a viewer.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

static const char iniPath[] = "./config/system.ini";

// The language choice and the window in one run: switch, help.
class TestLanguageSwitch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void switchToEnglishAndBack();
    void qtTextsAndFixedButtonsFollowTheLanguage();
    void okWithoutChangeWritesNothing();
    void nextStartKeepsTheChoice();
    void helpEntriesFollowTheLanguage_data();
    void helpEntriesFollowTheLanguage();
    void helpMenu();
    void toolbarShowsDialogs();
    void exampleInstructions();
    void librarySize_data();
    void librarySize();
    void sheetsFollowTheLanguage();
    void fontTableFollowsTheLanguage();

private:
    template<class T> T *child(const char *name) { return window->findChild<T *>(name); }
    template<class T> static T *topLevel()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (T *found = qobject_cast<T *>(w))
                return found;
        }
        return nullptr;
    }
    void choose(const char *radio)
    {
        LanguageDlg *dlg = window->getLanguageDlg();
        dlg->findChild<QRadioButton *>(radio)->click();
        dlg->findChild<QAbstractButton *>("btnOK")->click();
    }
    static QString storedId()
    {
        QFile f(iniPath);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        for (const QString &line : QString::fromUtf8(f.readAll()).split('\n')) {
            if (line.startsWith("ID="))
                return line.mid(3).trimmed();
        }
        return QString();
    }
    QString paletteCaption(int row) const
    {
        return window->pages()
            ->getPaletteModel()
            ->item(row)
            ->data(Qt::UserRole + 1)
            .value<ItemData>()
            .caption;
    }

    void openProject()
    {
        window->project()->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
        static int n = 0;
        QVERIFY(window->project()->createProject(
            QDir::current().absoluteFilePath(QString("lang%1.yBEX").arg(++n))));
        window->getQuestionBox()->hide();
    }
    // Every caption and value of the shown sheet.
    QStringList sheetTexts() const
    {
        QStringList texts;
        std::function<void(QtBrowserItem *)> walk = [&](QtBrowserItem *item) {
            texts << item->property()->propertyName() << item->property()->valueText();
            for (QtBrowserItem *child : item->children())
                walk(child);
        };
        auto *browser = window->findChild<QtTreePropertyBrowser *>("designWnd");
        for (QtBrowserItem *item : browser->topLevelItems())
            walk(item);
        return texts;
    }
    static EventInfo pageEvent(int type, int function)
    {
        EventInfo e;
        e.setOwnerType(-1);
        e.setType(type);
        e.setUserType(function);
        e.setDefaultParams();
        return e;
    }

    DesignDocument &design() const { return window->document(); }

    WindowFixture fixture;
    MainWindow *window = nullptr;
    UrlCatcher catcher;
};

void TestLanguageSwitch::initTestCase()
{
    QVERIFY(!qgetenv("XDG_DATA_HOME").isEmpty());
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QApplication::installTranslator(&LanguageDlg::appTranslator());
}

void TestLanguageSwitch::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("file");
}

void TestLanguageSwitch::init()
{
    startInChinese();
    window = fixture.start();
}

void TestLanguageSwitch::cleanup()
{
    fixture.reset();
    window = nullptr;
}

void TestLanguageSwitch::switchToEnglishAndBack()
{
    QCOMPARE(window->windowTitle(), QString("路径：/opt/ybex/ybex"));
    QCOMPARE(paletteCaption(0), QString("按键"));
    QVERIFY(child<QLabel>("labImageSize")->isHidden());

    choose("rbEnglish");
    QCOMPARE(window->windowTitle(), QString("Path:/opt/ybex/ybex"));
    QCOMPARE(child<QToolButton>("btnNewPro")->text(), QString("New"));
    QCOMPARE(child<QToolButton>("btnLanguage")->text(), QString("Language"));
    QCOMPARE(widgetTypeDisplayNames().value(0), QString("Button"));
    QCOMPARE(widgetTypeDisplayNames().value(9), QString("Chart"));
    QCOMPARE(window->pages()->getPaletteModel()->rowCount(), 10);
    QCOMPARE(paletteCaption(0), QString("Button"));
    QCOMPARE(paletteCaption(7), QString("Arc"));
    // the owned dialogs follow at once
    QCOMPARE(topLevel<LanguageDlg>()->windowTitle(), QString("language choice"));
    QCOMPARE(topLevel<PageRenameDlg>()->windowTitle(), QString("Rename Page"));
    QCOMPARE(topLevel<QMyEventDlg>()->windowTitle(), QString("EventInfo"));
    QCOMPARE(topLevel<DelEventDlg>()->windowTitle(), QString("Delete Event"));
    QCOMPARE(topLevel<DownLoadEventDlg>()->windowTitle(), QString("Edit Download Event"));
    QCOMPARE(topLevel<SetScreenSizeDlg>()->windowTitle(), QString("Set Dpi"));
    QCOMPARE(topLevel<ShowInfoDlg>()->windowTitle(), QString("Display information"));
    QCOMPARE(topLevel<SysDlg>()->windowTitle(), QString("CoreSetting"));
    QCOMPARE(topLevel<Version>()->windowTitle(), QString("Version"));
    QCOMPARE(topLevel<YModemPortDlg>()->windowTitle(), QString("Port Select"));
    QCOMPARE(topLevel<Version>()->findChild<QLabel *>("labVersion")->text(), QString("V1.0.12"));
    // the size label is shown even without images
    QVERIFY(!child<QLabel>("labImageSize")->isHidden());
    QCOMPARE(child<QLabel>("labImageSize")->text(), QString("Total file size:0.00KB"));
    QCoreApplication::processEvents();
    QCOMPARE(storedId(), QString("2"));

    choose("rbChinese");
    QCOMPARE(window->windowTitle(), QString("路径：/opt/ybex/ybex"));
    QCOMPARE(child<QToolButton>("btnNewPro")->text(), QString("新建"));
    QCOMPARE(paletteCaption(0), QString("按键"));
    QCOMPARE(topLevel<SysDlg>()->windowTitle(), QString("开机设置"));
    QCoreApplication::processEvents();
    QCOMPARE(storedId(), QString("1"));
}

// Qt's own dialogs speak the interface's language, and buttons of a fixed size show their
// whole English text.
void TestLanguageSwitch::qtTextsAndFixedButtonsFollowTheLanguage()
{
    QVERIFY2(
        QFile::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm"),
        "qttranslations5-l10n is needed");
    const auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    };
    LanguageDlg::setQtLanguage(1); // as the program starts with the Chinese interface
    QCOMPARE(cancelText(), QString("取消"));
    const auto wholeText = [](QPushButton *b) {
        return QFontMetrics(b->font()).horizontalAdvance(b->text()) < b->width() - 4
            && b->font().pixelSize() >= QMyTextFit::MinimumPixelSize;
    };
    QPushButton *library = child<QPushButton>("btnImageFontCannel");
    QPushButton *dialog = window->getLanguageDlg()->findChild<QPushButton *>("btnCancel");

    choose("rbEnglish");
    QCOMPARE(cancelText(), QString("Cancel"));
    QCOMPARE(library->text(), QString("Cancel"));
    QCOMPARE(dialog->text(), QString("Cancel"));
    QVERIFY(wholeText(library));
    QVERIFY(wholeText(dialog));
    QVERIFY(wholeText(child<QPushButton>("btnImageFontAll")));

    // Back in Chinese the buttons have the style sheet's font again.
    choose("rbChinese");
    QCOMPARE(cancelText(), QString("取消"));
    QCOMPARE(library->styleSheet(), QString());
    QCOMPARE(library->font().pixelSize(), 18);
    QVERIFY(wholeText(library));
}

void TestLanguageSwitch::okWithoutChangeWritesNothing()
{
    const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
    QCoreApplication::processEvents();
    {
        QFile f(iniPath);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    child<QLabel>("labImageSize")->hide();
    choose("rbChinese");
    QCoreApplication::processEvents();
    QCOMPARE(QFileInfo(iniPath).fileTime(QFileDevice::FileModificationTime), old);
    // nothing was re-set either
    QVERIFY(child<QLabel>("labImageSize")->isHidden());
    QVERIFY(window->getLanguageDlg()->isHidden());
}

void TestLanguageSwitch::nextStartKeepsTheChoice()
{
    choose("rbEnglish");
    fixture.reset(); // the dialog's settings reach the file at the latest here
    window = nullptr;
    {
        QMySettings settings;
        QCOMPARE(settings.getLanguageId(), 2);
        QCOMPARE(QMySettings::translationFileFor(settings.getLanguageId()),
                 QString(":/config/language/English.qm"));
    }
    window = fixture.start();
    QCOMPARE(window->getLanguageDlg()->languageId(), 2);
    QVERIFY(window->getLanguageDlg()->findChild<QRadioButton *>("rbEnglish")->isChecked());
}

void TestLanguageSwitch::helpEntriesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("use") << "actionUseDocument"
                         << "yBEX软件使用文档.pdf"
                         << "yBEX software usage document.pdf";
    QTest::newRow("document") << "actionDocument"
                              << "KVR&PMW应用文档.pdf"
                              << "KVR&PMW Application Document.pdf";
    QTest::newRow("font") << "actionFont"
                          << "yBEX字体生成失败解决方法.pdf"
                          << "Solution to yBEX font generation failure.pdf";
    QTest::newRow("study") << "actionStudy"
                           << "KVR视频学习资料"
                           << "KVR视频学习资料";
    QTest::newRow("support") << "actionSupport"
                             << "技术支持窗口.txt"
                             << "Technical Support Window.txt";
    QTest::newRow("instr") << "actionInstr"
                           << "KVR&PMW用户函数和指令集(CH).pdf"
                           << "KVR&PMW用户函数和指令集(EN).pdf";
    QTest::newRow("program") << "actionProgram"
                             << "QZT编程实例.pdf"
                             << "QZT编程实例.pdf";
    QTest::newRow("notice") << "actionNotice"
                            << "QZT使用注意事项文档.pdf"
                            << "QZT使用注意事项文档.pdf";
    QTest::newRow("offline") << "actionOffline"
                             << "图片脱机上传流程.pdf"
                             << "图片脱机上传流程.pdf";
}

void TestLanguageSwitch::helpEntriesFollowTheLanguage()
{
    QFETCH(QString, action);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    const QString folder = QCoreApplication::applicationDirPath() + "/help/";
    catcher.urls.clear();
    child<QAction>(action.toLatin1().constData())->trigger();
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.at(0), QUrl::fromLocalFile(folder + chinese));

    choose("rbEnglish");
    child<QAction>(action.toLatin1().constData())->trigger();
    QCOMPARE(catcher.urls.size(), 2);
    QCOMPARE(catcher.urls.at(1), QUrl::fromLocalFile(folder + english));
}

void TestLanguageSwitch::helpMenu()
{
    QMenu *menu = window->getHelpMenu();
    QVERIFY(menu);
    QCOMPARE(child<QToolButton>("btnHelp")->menu(), menu);
    QStringList names;
    for (QAction *a : menu->actions())
        names << a->objectName();
    QCOMPARE(names,
             QStringList({"actionUseDocument", "actionDocument", "actionFont", "actionStudy",
                          "actionSupport"}));
}

void TestLanguageSwitch::toolbarShowsDialogs()
{
    QVERIFY(topLevel<Version>()->isHidden());
    QVERIFY(window->getLanguageDlg()->isHidden());
    child<QToolButton>("btnVersion")->click();
    QVERIFY(topLevel<Version>()->isVisible());
    child<QToolButton>("btnLanguage")->click();
    QVERIFY(window->getLanguageDlg()->isVisible());
    window->getLanguageDlg()->findChild<QAbstractButton *>("btnCancel")->click();
    QVERIFY(window->getLanguageDlg()->isHidden());
}

void TestLanguageSwitch::exampleInstructions()
{
    const QStringList texts = window->terminal()->getInstrExampleTexts();
    QCOMPARE(texts.size(), 13);
    QCOMPARE(texts.first(), QString("BL(20);"));
    QCOMPARE(texts.last(), QString("VER();"));
    QMyItemModel *model = window->terminal()->getInstrExampleModel();
    QCOMPARE(model->rowCount(), 13);
    QCOMPARE(model->columnCount(), 1);
    QCOMPARE(model->item(1)->text(), QString("DELAYMS(100);//延时100ms"));
    QVERIFY(model->item(4)->text().startsWith(texts.at(4) + "//更新0号二维码的内容为"));
    QVERIFY(child<QWidget>("groupBoxDebug")->isHidden());

    choose("rbEnglish");
    QCOMPARE(model->rowCount(), 13);
    QCOMPARE(model->item(1)->text(), QString("DELAYMS(100);//Delay 100 ms"));
    QCOMPARE(window->terminal()->getInstrExampleTexts(), texts);
}

void TestLanguageSwitch::librarySize_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<double>("size");
    // one 100 x 50 PNG: its file size for series 0, 15000 bytes unpacked for series 1
    QTest::newRow("series 1") << 1 << 15000 / 1024.0;
    QTest::newRow("other series") << 2 << 0.0;
}

void TestLanguageSwitch::librarySize()
{
    QFETCH(int, modelType);
    QFETCH(double, size);
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save("size.png"));
    QCOMPARE(ImageLibrary::sizeKB({"size.png"}, modelType), size);
    QCOMPARE(ImageLibrary::sizeKB({"size.png", "size.png"}, 0),
             2 * QFileInfo("size.png").size() / 1024.0);
    QCOMPARE(ImageLibrary::sizeKB({}, 0), 0.0);
}

// Sheets show events, captions and values in the language of the moment, whichever one
// the events were made in, for the page as for a selected widget.
void TestLanguageSwitch::sheetsFollowTheLanguage()
{
    openProject();
    design().page(0)->appendEvent(pageEvent(1, 1));
    window->properties()->slotRecvParent();
    QVERIFY(sheetTexts().contains("页面进入"));
    QVERIFY(sheetTexts().contains("获取控件x值"));

    choose("rbEnglish");
    QVERIFY(sheetTexts().contains("Page Entry"));
    QVERIFY(sheetTexts().contains("Get widget x"));
    QVERIFY(!sheetTexts().contains("页面进入"));
    // An event made in English.
    design().page(0)->appendEvent(pageEvent(0, 2));
    const QString englishCaption = pageEvent(0, 2).funcCaption();
    window->properties()->slotRefleshEvent();
    QVERIFY(sheetTexts().contains("Page Exit"));
    QVERIFY(sheetTexts().contains(englishCaption));

    choose("rbChinese");
    QVERIFY(sheetTexts().contains("页面退出"));
    QVERIFY(sheetTexts().contains(pageEvent(0, 2).funcCaption()));
    QVERIFY(!sheetTexts().contains("Page Exit"));
    QVERIFY(!sheetTexts().contains("Get widget x"));
    QVERIFY(!sheetTexts().contains(englishCaption));

    // The sheet of a selected widget, both ways.
    window->resize(1200, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *canvas = window->findChild<QMyFrame *>("frame");
    QVERIFY(dropTypeName(canvas, "Btn", QPoint(20, 30)));
    window->properties()->slotRecvWnd(design().widgets(0).last());
    QVERIFY(sheetTexts().contains("按键"));
    choose("rbEnglish");
    QVERIFY(sheetTexts().contains("Button"));
    QVERIFY(sheetTexts().contains("Type"));
    choose("rbChinese");
    QVERIFY(sheetTexts().contains("按键"));
    QVERIFY(sheetTexts().contains("类型"));
    QVERIFY(!sheetTexts().contains("Type"));
    QCOMPARE(window->properties()->getCurrentWidget(), design().widgets(0).last());
}

// The generated-font table's header and size label are set again in the new language.
void TestLanguageSwitch::fontTableFollowsTheLanguage()
{
    openProject();
    const QString fonts = QFileInfo(design().projectPath()).absolutePath() + "/tempFonts/";
    for (const char *name : {"3.font", "3.ini"}) {
        QFile f(fonts + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1024, 'f'));
    }
    window->library()->refreshFontList();
    auto *size = child<QLabel>("labFontSize");
    QCOMPARE(size->text(), QString("文件总大小：1.00KB"));
    QCOMPARE(window->library()->getFontModel()->headerData(2, Qt::Horizontal).toString(),
             QString("名称"));
    choose("rbEnglish");
    QCOMPARE(size->text(), QString("Total file size:1.00KB"));
    QCOMPARE(window->library()->getFontModel()->headerData(2, Qt::Horizontal).toString(),
             QString("Name"));
    QCOMPARE(window->library()->getFontLibraryModel()->headerData(1, Qt::Horizontal).toString(),
             QString("ID"));
    choose("rbChinese");
    QCOMPARE(size->text(), QString("文件总大小：1.00KB"));
    QCOMPARE(window->library()->getFontModel()->headerData(2, Qt::Horizontal).toString(),
             QString("名称"));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
