// The picture and font library through the main window: listing, import, deletion with
// every reference renumbered, TrueType sources, fonts generated with the real converter,
// and the font tool window.

#include "bootdlg.h"
#include "bootparam.h"
#include "designglobals.h"
#include "dialogtestutil.h"
#include "downloadcontroller.h"
#include "filesizelimit.h"
#include "fontconverter.h"
#include "fontdlg.h"
#include "generatedfonts.h"
#include "librarycontroller.h"
#include "libraryfileutil.h"
#include "mainwindow.h"
#include "pageparam.h"
#include "pagescontroller.h"
#include "picturefixtures.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "qtenumpropertymanager.h"
#include "qtproperty.h"
#include "qtusertypeone_imagefactory.h"
#include "qtusertypeservices.h"
#include "setscreensizedlg.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

const QString latinTtf = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
// The converters' time-outs in these tests: a run ends by its own end or by the user, never
// because the machine is slow.
const int beyondAnyDelay = 3600 * 1000;

QString messageOf(QMyMessageBox *box)
{
    QLabel *label = box->findChild<QLabel *>(QStringLiteral("labMessage"));
    return label ? label->text() : QString();
}

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList column(QStandardItemModel *model, int c)
{
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        texts << model->index(r, c).data().toString();
    return texts;
}

// Waits until `done` holds, looking again at each answer of the converter rather than at
// intervals; false when it still does not after timeoutMs. The window's receivers,
// connected first, have acted on an answer when `done` is asked.
bool waitForConverter(FontConverter *converter, const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(converter, &FontConverter::checked, &loop, &QEventLoop::quit);
    QObject::connect(converter, &FontConverter::finished, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    while (!done() && limit.isActive())
        loop.exec();
    return done();
}

} // namespace

class tst_Library : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUpListsTheLibrary();
    void withoutAProjectTheListsStayEmpty();
    void importImages();
    void picturesTheProgramDoesNotTake();
    void deleteImagesRenumbersEveryReference();
    void filesThatCannotBeRemovedKeepTheirPlace();
    void aCopiedPageFollowsDeletedImages();
    void deleteModeAndSelection();
    void checkClicksToggleOnce_data();
    void checkClicksToggleOnce();
    void fontLibraryFiles();
    void downloadQuestions();
    void trueTypeFiles();
    void generateThroughTheWindow();
    void generationRefusals_data();
    void generationRefusals();
    void failedRegenerationKeepsTheFont();
    void deleteFont();
    void sizeOutsideTheModuleRange_data();
    void sizeOutsideTheModuleRange();
    void noFontWithoutATtfFile();
    void closingTheProgressWindowCancels();
    void fontWithoutCharactersIsWarned();
    void deleteConfirmedDuringAConversion();
    void conversionEndingInAnotherProject();
    void fontRowFollowsTheFontList();
    void drawingFollowsTheFont_data();
    void drawingFollowsTheFont();
    void fontToolWindow();
    void quitWithoutSavingRestoresTheLibrary();
    void aStaleMirrorIsNeverRestored();
    void copiesThatCannotFinishAreNamed();

private:
    void newWindow(const QString &project);
    QString makeProject();
    // Pictures p0.png, p1.png ... of 2 x 2 pixels imported into the open project.
    void importPictures(int count);
    // Deletes the library pictures of these rows through the window, answering "是".
    void deletePictures(const QList<int> &rows);
    template<typename T> T *child(const char *name)
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    // Presses generate and waits for the converter.
    void generate(const QString &number, const QString &ttf, const QString &chars, int bpp);
    // Fills the form and presses generate without waiting.
    void startGenerating(const QString &number, const QString &size = QStringLiteral("16"));
    // A stand-in for the converter: answers the version question, then runs the script
    // body with the output file as $out.
    void fakeConverter(const QByteArray &body);
    // Generated fonts of these numbers in the open project, listed.
    void putFonts(const QStringList &numbers);
    // What the screen shows of the widget.
    QImage onScreen(QWidget *w);
    // The conversion runs once its progress window shows (after the converter check).
    bool converting()
    {
        auto *progress = window->findChild<QMyProgressBarMes *>();
        return window->library()->isFontBeingMade() && progress && progress->isVisible();
    }
    bool conversionStarts(int timeoutMs = 5000)
    {
        return waitForConverter(
            window->library()->converter(), [this] { return converting(); }, timeoutMs);
    }
    // The window's converter has answered: no check or conversion runs.
    bool converterIdle(int timeoutMs = 5000)
    {
        return waitForConverter(
            window->library()->converter(),
            [this] { return !window->library()->isFontBeingMade(); }, timeoutMs);
    }

    DesignDocument &design() const { return window->document(); }
    // The picture the image rows' "设置" takes: the library row last clicked, -1 for none.
    int selectedImage() const
    {
        return window->findChild<QtUserTypeOne_ImageFactory *>()->services().selectedImage();
    }

    WindowFixture fixture;
    MainWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> dir;
    QString project; // the project folder
};

void tst_Library::newWindow(const QString &path)
{
    window = fixture.start(path);
    window->library()->converter()->setTimeouts(beyondAnyDelay, beyondAnyDelay);
    window->library()->getFontDlg()->converter()->setTimeouts(beyondAnyDelay, beyondAnyDelay);
}

void tst_Library::init()
{
    dir.reset(new QTemporaryDir);
    FontConverter::setProgram(QStringLiteral("lv_font_conv"));
    newWindow(QString());
}

void tst_Library::cleanup()
{
    fixture.reset();
    window = nullptr;
    FontConverter::setProgram(QStringLiteral("lv_font_conv"));
}

QString tst_Library::makeProject()
{
    project = dir->filePath(QStringLiteral("demo"));
    return fixture.makeProject(dir->filePath(QStringLiteral("demo.yBEX")));
}

void tst_Library::importPictures(int count)
{
    QStringList sources;
    for (int i = 0; i < count; ++i) {
        sources << dir->filePath(QStringLiteral("p%1.png").arg(i));
        putImage(sources.last(), 2, 2);
    }
    window->library()->importImages(sources);
}

void tst_Library::deletePictures(const QList<int> &rows)
{
    child<QPushButton>("btnImageFontSub")->click();
    for (int row : rows)
        window->library()->getImageModel()->setCheckState(row, Qt::Checked);
    child<QPushButton>("btnImageFontSub")->click();
    answerYes(window->getQuestionBox());
}

void tst_Library::generate(const QString &number, const QString &ttf, const QString &chars, int bpp)
{
    child<QLineEdit>("editFontName")->setText(number);
    QComboBox *ttfs = child<QComboBox>("cbTtf");
    ttfs->setCurrentIndex(ttfs->findText(ttf));
    child<QLineEdit>("editFontSize")->setText(QStringLiteral("16"));
    QComboBox *bpps = child<QComboBox>("cbBpp");
    bpps->setCurrentIndex(bpps->findText(QString::number(bpp)));
    child<QTextEdit>("textEditFont")->setPlainText(chars);
    child<QPushButton>("btnCreateFont")->click();
    QVERIFY(converterIdle(60000));
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
}

void tst_Library::startGenerating(const QString &number, const QString &size)
{
    // A font is made from a TrueType file of the project.
    if (child<QComboBox>("cbTtf")->currentText().isEmpty())
        window->library()->addTtfFiles({latinTtf});
    child<QLineEdit>("editFontName")->setText(number);
    child<QLineEdit>("editFontSize")->setText(size);
    child<QPushButton>("btnCreateFont")->click();
}

void tst_Library::fakeConverter(const QByteArray &body)
{
    const QString path = dir->filePath(QStringLiteral("fake_lv_font_conv"));
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write("#!/bin/sh\ncase \"$1\" in --version) echo 1; exit 0;; esac\n"
                 "for out; do :; done\n"
                 + body + "\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    FontConverter::setProgram(path);
}

void tst_Library::putFonts(const QStringList &numbers)
{
    const QString fonts = project + QLatin1String("/tempFonts");
    for (const QString &n : numbers) {
        put(fonts + QStringLiteral("/%1.font").arg(n));
        put(fonts + QStringLiteral("/%1.ini").arg(n));
    }
    window->library()->refreshFontList();
}

QImage tst_Library::onScreen(QWidget *w)
{
    QCoreApplication::processEvents();
    const QPoint at = w->mapTo(window, QPoint());
    return window->windowHandle()
        ->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), w->width(), w->height())
        .toImage();
}

void tst_Library::startUpListsTheLibrary()
{
    makeProject();
    const QString images = project + QLatin1String("/tempImages");
    putImage(images + QLatin1String("/100005_a.png"), 100, 50);
    putImage(images + QLatin1String("/99_b.jpg"), 10, 20);
    putImage(images + QLatin1String("/99_A.png"), 4, 4);
    put(images + QLatin1String("/x.png"));
    put(project + QLatin1String("/tempFonts/C_16.bin"), QByteArray(2048, 'c'));
    put(project + QLatin1String("/tempFonts/c_16.bin"));
    put(project + QLatin1String("/tempFonts/E_96.bin"), QByteArray(1024, 'e'));
    put(project + QLatin1String("/tempFonts/3.font"), QByteArray(1024, 'f'));
    put(project + QLatin1String("/tempFonts/3.ini"));
    put(project + QLatin1String("/tempFonts/7.font"), QByteArray(1024, 'f'));
    put(project + QLatin1String("/tempTtf/b.ttf"));
    put(project + QLatin1String("/tempTtf/A.TTF"));
    const QString path = design().projectPath();
    QVERIFY(window->project()->saveProXml());
    newWindow(path);

    QCOMPARE(design().pictures(),
             (QStringList {images + "/99_A.png", images + "/99_b.jpg", images + "/100005_a.png"}));
    QMyImageItemModel *model = window->library()->getImageModel();
    QCOMPARE(column(model, 1), (QStringList {"0", "1", "2"}));
    QCOMPARE(column(model, 3), (QStringList {"png", "jpg", "png"}));
    QCOMPARE(column(model, 4), (QStringList {"4x4", "10x20", "100x50"}));
    QVERIFY(!model->item(2, 2)->icon().isNull());
    QVERIFY(child<QTableView>("tvImage")->isColumnHidden(0));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("序号"));
    // The mirror holds the library as loaded.
    QCOMPARE(files(project + QLatin1String("/backUpImages")),
             (QStringList {"100005_a.png", "99_A.png", "99_b.jpg", "x.png"}));
    QVERIFY(child<QLabel>("labImageSize")->text().startsWith(QStringLiteral("文件总大小：")));

    QCOMPARE(design().fontPaths(),
             (QStringList {project + "/tempFonts/C_16.bin", project + "/tempFonts/E_96.bin"}));
    QStandardItemModel *library = window->library()->getFontLibraryModel();
    QCOMPARE(column(library, 1), (QStringList {"1", "2"}));
    QCOMPARE(column(library, 3), (QStringList {"16", "96"}));
    QCOMPARE(column(library, 4), (QStringList {"中文", "英文"}));
    QCOMPARE(column(library, 5), (QStringList {"2.00KB", "1.00KB"}));

    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("3")});
    QCOMPARE(column(window->library()->getFontModel(), 2), QStringList {QStringLiteral("3")});
    QCOMPARE(child<QLabel>("labFontSize")->text(), QStringLiteral("文件总大小：2.00KB"));
    QComboBox *ttfs = child<QComboBox>("cbTtf");
    QCOMPARE(ttfs->count(), 2);
    QCOMPARE(ttfs->itemText(0), QStringLiteral("A.TTF"));
    // The font-library tab is never shown: two tabs, the second the generated fonts.
    QCOMPARE(child<QTabWidget>("tabWidgetImageFont")->count(), 2);
}

void tst_Library::withoutAProjectTheListsStayEmpty()
{
    design().setFontIds({QStringLiteral("4")});
    window->library()->refreshFontList();
    window->library()->refreshTtfList();
    QVERIFY(design().fontIds().isEmpty());
    QCOMPARE(child<QComboBox>("cbTtf")->count(), 0);
    QCOMPARE(window->library()->getFontModel()->rowCount(), 0);
    // Nothing is made in the working folder.
    QVERIFY(!QFileInfo::exists(QStringLiteral("tempTtf")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("tempFonts")));

    child<QPushButton>("btnImageFontAdd")->click();
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("未新建或加载项目，请您先新建或加载项目！"));
    fakeConverter("echo ran > \"$out.ran\"; cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    child<QPushButton>("btnCreateFont")->click();
    QVERIFY(converterIdle(30000));
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("未加载项目，请您先创建或导入项目！"));
}

void tst_Library::importImages()
{
    makeProject();
    putImage(dir->filePath(QStringLiteral("one.png")), 8, 8);
    putImage(dir->filePath(QStringLiteral("two.jpg")), 8, 8);
    window->library()->importImages({dir->filePath(QStringLiteral("one.png")),
                                     dir->filePath(QStringLiteral("gone.png")),
                                     dir->filePath(QStringLiteral("two.jpg"))});
    const QString images = project + QLatin1String("/tempImages");
    QCOMPARE(design().pictures(),
             (QStringList {images + "/100001_one.png", images + "/100003_two.jpg"}));
    QCOMPARE(column(window->library()->getImageModel(), 1), (QStringList {"0", "1"}));
    QVERIFY(window->download()->areImagesChanged());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件未能复制：\ngone.png：文件不存在"));
    // The mirror is left as it was at the last save or load.
    QVERIFY(files(project + QLatin1String("/backUpImages")).isEmpty());

    // A missing folder is made again.
    QVERIFY(QDir(images).removeRecursively());
    window->library()->importImages({dir->filePath(QStringLiteral("one.png"))});
    QCOMPARE(files(images), QStringList {QStringLiteral("100001_one.png")});
}

// A text named .png and a picture claiming 30000 x 30000 pixels are refused at the
// import, by name; found in the library folder at a load, they get a placeholder instead
// of being decoded.
void tst_Library::picturesTheProgramDoesNotTake()
{
    makeProject();
    putImage(dir->filePath(QStringLiteral("fine.png")), 8, 8);
    put(dir->filePath(QStringLiteral("notes.png")), "not a picture at all");
    QVERIFY(PictureFixtures::writeBytes(dir->filePath(QStringLiteral("bomb.png")),
                                        PictureFixtures::pngClaiming(30000, 30000)));
    window->library()->importImages(
        {dir->filePath(QStringLiteral("notes.png")), dir->filePath(QStringLiteral("bomb.png")),
         dir->filePath(QStringLiteral("gone.png")), dir->filePath(QStringLiteral("fine.png"))});
    const QString images = project + QLatin1String("/tempImages");
    QCOMPARE(design().pictures(), QStringList {images + "/100004_fine.png"});
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件不是PNG或JPG图片，未导入：\nnotes.png\n\n"
                            "以下图片超过16777216像素或某边超过65535像素，未导入：\n"
                            "bomb.png (30000x30000)\n\n以下文件未能复制：\ngone.png：文件不存在"));

    // Put there by other means, they are listed with a placeholder and their header's size.
    QVERIFY(QFile::copy(dir->filePath(QStringLiteral("bomb.png")), images + "/100005_bomb.png"));
    QVERIFY(QFile::copy(dir->filePath(QStringLiteral("notes.png")), images + "/100006_notes.png"));
    window->library()->initImageTable();
    QStandardItemModel *model = window->library()->getImageModel();
    QCOMPARE(design().pictures().size(), 3);
    QCOMPARE(column(model, 4), (QStringList {"8x8", "30000x30000", "0x0"}));
    QVERIFY(model->item(0, 2)->toolTip().isEmpty());
    QCOMPARE(model->item(1, 2)->toolTip(),
             QStringLiteral("图片超过16777216像素或某边超过65535像素，不显示"));
    QCOMPARE(model->item(2, 2)->toolTip(), QStringLiteral("不是PNG或JPG图片，无法显示"));
    const QSize icon(46, 46);
    QCOMPARE(model->item(1, 2)->icon().pixmap(icon).toImage(),
             model->item(2, 2)->icon().pixmap(icon).toImage());
    QVERIFY(model->item(0, 2)->icon().pixmap(icon).toImage()
            != model->item(1, 2)->icon().pixmap(icon).toImage());
}

namespace {
// Puts a folder where the file was: removal refuses it even to the administrator, as it
// refuses a file without permission, held open or in a read-only folder.
void makeUnremovable(const QString &path)
{
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path + QLatin1String("/inside")));
}

void makeRemovableAgain(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir(path).removeRecursively());
    put(path, bytes);
}
} // namespace

// A file that cannot be removed keeps its row and every reference to it; only what was
// removed is renumbered, so a reload shows every page as before. What stays is named.
void tst_Library::filesThatCannotBeRemovedKeepTheirPlace()
{
    makeProject();
    const QString images = project + QLatin1String("/tempImages");
    importPictures(4);
    design().page(0)->setPageImageNum(3);
    QMyWidget *button = fixture.addWidget(WidgetType::Btn, 1, 0);
    button->setImageNum(2);
    button->setPressImageNum(1);
    const QString stuck = design().pictures().at(1);
    const QByteArray stuckBytes = read(stuck);
    makeUnremovable(stuck);

    QMyImageItemModel *model = window->library()->getImageModel();
    deletePictures({1, 2});
    // The answer's own message stays up.
    QVERIFY(window->getQuestionBox()->isVisible());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件无法删除，已保留：\n100002_p1.png"));
    QCOMPARE(design().pictures(),
             (QStringList {images + "/100001_p0.png", stuck, images + "/100004_p3.png"}));
    QCOMPARE(column(model, 1), (QStringList {"0", "1", "2"}));
    QCOMPARE(model->checkStates(),
             QList<Qt::CheckState>({Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
    QVERIFY(window->library()->isImageDeleteMode());
    QCOMPARE(design().page(0)->pageImageNum(), 2);
    QCOMPARE(button->getImageNum(), -1);
    QCOMPARE(button->getPressImageNum(), 1);

    // Reloaded, each number still names its picture.
    makeRemovableAgain(stuck, stuckBytes);
    window->library()->initImageTable();
    QCOMPARE(design().pictures().at(design().page(0)->pageImageNum()), images + "/100004_p3.png");
    QCOMPARE(design().pictures().at(button->getPressImageNum()), stuck);

    // A font-library file.
    const QString fonts = project + QLatin1String("/tempFonts");
    put(dir->filePath(QStringLiteral("C_16.bin")), "c");
    put(dir->filePath(QStringLiteral("E_24.bin")), "e");
    child<QTabWidget>("tabWidgetImageFont")->setCurrentIndex(1);
    window->library()->importFontLibraryFiles(
        {dir->filePath(QStringLiteral("C_16.bin")), dir->filePath(QStringLiteral("E_24.bin"))});
    makeUnremovable(fonts + QLatin1String("/C_16.bin"));
    child<QPushButton>("btnImageFontSub")->click();
    window->library()->getFontLibraryModel()->setAllCheckStates(Qt::Checked);
    child<QPushButton>("btnImageFontSub")->click();
    answerYes(window->getQuestionBox());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件无法删除，已保留：\nC_16.bin"));
    QCOMPARE(design().fontPaths(), QStringList {fonts + "/C_16.bin"});
    QVERIFY(!QFileInfo::exists(fonts + QLatin1String("/E_24.bin")));

    // A generated font keeps its parameters while its font file stays.
    put(fonts + QLatin1String("/4.font"));
    put(fonts + QLatin1String("/4.ini"));
    window->library()->refreshFontList();
    makeUnremovable(fonts + QLatin1String("/4.font"));
    child<QTableView>("tvFontName")->selectRow(0);
    child<QPushButton>("btnDelFont")->click();
    answerYes(window->getQuestionBox());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件无法删除，已保留：\n4.font"));
    QVERIFY(QFileInfo(fonts + QLatin1String("/4.ini")).isFile());

    // A TrueType file.
    put(dir->filePath(QStringLiteral("a.ttf")));
    window->library()->addTtfFiles({dir->filePath(QStringLiteral("a.ttf"))});
    child<QPushButton>("btnDelTtf")->click();
    makeUnremovable(project + QLatin1String("/tempTtf/a.ttf"));
    answerYes(window->getQuestionBox());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件无法删除，已保留：\na.ttf"));
}

void tst_Library::deleteImagesRenumbersEveryReference()
{
    makeProject();
    const QString images = project + QLatin1String("/tempImages");
    importPictures(7);
    window->pages()->addPage();
    design().page(0)->setPageImageNum(5);
    design().page(1)->setPageImageNum(2);
    QMyWidget *button =
        fixture.addWidget(WidgetType::Btn, 1, 1); // a widget on a page that is not shown
    button->setImageNum(1);
    button->setSelectImageNum(5);
    button->setPressImageNum(6);
    QMyWidget *meter = fixture.addWidget(WidgetType::Meter, 2, 0);
    meter->setMeterPointPicID(0, 3);
    meter->setMeterPointPicID(1, 2);
    BootParam *boot = window->download()->getBootDlg()->getBootParam();
    boot->setAnimFlag(true);
    boot->setAnimStartID(1);
    boot->setAnimEndID(4);

    // The meter's sheet is shown while the pictures go.
    meter->setMeterPointNum(2);
    window->properties()->slotRecvWnd(meter);
    auto sheetText = [this](const QString &key) {
        const QMap<QtProperty *, QString> rows = window->properties()->getPropertyToKey();
        QtProperty *row = rows.key(key, nullptr);
        return row ? row->valueText() : QStringLiteral("<no row>");
    };
    QCOMPARE(sheetText(QStringLiteral("ybexItemMeterPointPicID2")), QStringLiteral("2"));

    // Images 2 and 5 of seven.
    QMyImageItemModel *model = window->library()->getImageModel();
    child<QPushButton>("btnImageFontSub")->click();
    QVERIFY(window->library()->isImageDeleteMode());
    QVERIFY(!child<QTableView>("tvImage")->isColumnHidden(0));
    model->setCheckState(2, Qt::Checked);
    model->setCheckState(5, Qt::Checked);
    child<QPushButton>("btnImageFontSub")->click();
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("您是否需要删除选中的图片？"));
    const QString deleted2 = design().pictures().at(2);
    const QString deleted5 = design().pictures().at(5);
    answerYes(window->getQuestionBox());

    QCOMPARE(design().pictures().size(), 5);
    QVERIFY(!QFileInfo::exists(deleted2) && !QFileInfo::exists(deleted5));
    QCOMPARE(column(model, 1), (QStringList {"0", "1", "2", "3", "4"}));
    QCOMPARE(selectedImage(), -1);
    // Before: 5, 2 / 1, 5, 6 / 3, 2 / boot 1..4. Image 2 goes, then image 5 of the old list,
    // which is 4 by then.
    QCOMPARE(design().page(0)->pageImageNum(), -1);
    QCOMPARE(design().page(1)->pageImageNum(), -1);
    QCOMPARE(button->getImageNum(), 1);
    QCOMPARE(button->getSelectImageNum(), -1);
    QCOMPARE(button->getPressImageNum(), 4);
    QCOMPARE(meter->getMeterPointPicID(0), 2);
    QCOMPARE(meter->getMeterPointPicID(1), -1);
    QCOMPARE(sheetText(QStringLiteral("ybexItemMeterPointPicID1")), QStringLiteral("2"));
    QCOMPARE(sheetText(QStringLiteral("ybexItemMeterPointPicID2")), QString());
    QCOMPARE(boot->getAnimStartID(), 1);
    QCOMPARE(boot->getAnimEndID(), 3);
    QVERIFY(window->library()->isImageDeleteMode());

    // Deleting the rest hides the check column, the buttons and the size label.
    model->setAllCheckStates(Qt::Checked);
    child<QPushButton>("btnImageFontSub")->click();
    answerYes(window->getQuestionBox());
    QVERIFY(design().pictures().isEmpty());
    QVERIFY(!window->library()->isImageDeleteMode());
    QVERIFY(child<QTableView>("tvImage")->isColumnHidden(0));
    QVERIFY(child<QPushButton>("btnImageFontAll")->isHidden());
    QVERIFY(child<QLabel>("labImageSize")->isHidden());
}

// A page copied before pictures go is pasted showing the pictures it showed when copied.
void tst_Library::aCopiedPageFollowsDeletedImages()
{
    makeProject();
    importPictures(4);
    design().page(0)->setPageImageNum(3);
    QMyWidget *image = fixture.addWidget(WidgetType::Img, 1, 0);
    image->setImageNum(1);
    QMyWidget *meter = fixture.addWidget(WidgetType::Meter, 2, 0);
    meter->setMeterPointPicID(0, 3);
    window->pages()->slotActionPageCopy();

    deletePictures({1, 2});
    QCOMPARE(design().pictures().size(), 2);

    window->pages()->slotActionPagePaste();
    QCOMPARE(design().pageCount(), 2);
    QCOMPARE(design().page(1)->pageImageNum(), 1);
    const QList<QMyWidget *> pasted = design().widgets(1);
    QCOMPARE(pasted.size(), 2);
    QCOMPARE(pasted.at(0)->getImageNum(), -1);
    QCOMPARE(pasted.at(1)->getMeterPointPicID(0), 1);
    // The pasted page is the copied one, the pictures it names those the original names.
    QCOMPARE(design().page(1)->pageImageNum(), design().page(0)->pageImageNum());
    QCOMPARE(pasted.at(1)->getMeterPointPicID(0), meter->getMeterPointPicID(0));
}

void tst_Library::deleteModeAndSelection()
{
    makeProject();
    QStringList sources;
    for (int i = 0; i < 3; ++i) {
        sources << dir->filePath(QStringLiteral("s%1.png").arg(i));
        putImage(sources.last(), 2, 2);
    }
    window->library()->importImages(sources);
    QMyImageItemModel *model = window->library()->getImageModel();
    QTableView *view = child<QTableView>("tvImage");

    // Outside delete mode a click selects one row and sets the current image.
    window->library()->on_tvImage_clicked(model->index(1, 1));
    QCOMPARE(selectedImage(), 1);
    QCOMPARE(model->checkStates(),
             (QList<Qt::CheckState> {Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
    QVERIFY(view->isColumnHidden(0));

    // Delete mode starts with nothing ticked.
    child<QPushButton>("btnImageFontSub")->click();
    QCOMPARE(model->checkStates(),
             (QList<Qt::CheckState> {Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));
    window->library()->on_tvImage_clicked(model->index(1, 1));
    window->library()->on_tvImage_clicked(model->index(2, 1));
    window->library()->on_tvImage_clicked(model->index(1, 1));
    QCOMPARE(model->checkStates(),
             (QList<Qt::CheckState> {Qt::Unchecked, Qt::Unchecked, Qt::Checked}));
    child<QPushButton>("btnImageFontAll")->click();
    QCOMPARE(model->checkStates(), (QList<Qt::CheckState> {Qt::Checked, Qt::Checked, Qt::Checked}));
    child<QPushButton>("btnImageFontAll")->click();
    QCOMPARE(model->checkStates(),
             (QList<Qt::CheckState> {Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));

    // The other tab keeps its own delete mode; coming back shows this one again.
    QTabWidget *tabs = child<QTabWidget>("tabWidgetImageFont");
    tabs->setCurrentIndex(1);
    QVERIFY(child<QPushButton>("btnImageFontAll")->isHidden());
    tabs->setCurrentIndex(0);
    QVERIFY(!child<QPushButton>("btnImageFontAll")->isHidden());
    child<QPushButton>("btnImageFontCannel")->click();
    QVERIFY(!window->library()->isImageDeleteMode());
    QVERIFY(view->isColumnHidden(0));

    // "否" deletes nothing.
    child<QPushButton>("btnImageFontSub")->click();
    window->library()->on_tvImage_clicked(model->index(1, 1));
    child<QPushButton>("btnImageFontSub")->click();
    QVERIFY(asks(window->getQuestionBox()));
    answerNo(window->getQuestionBox());
    QCOMPARE(design().pictures().size(), 3);
}

void tst_Library::checkClicksToggleOnce_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("table");
    QTest::newRow("pictures") << 0 << "tvImage";
    QTest::newRow("font-library files") << 1 << "tvFont";
}

// In delete mode one click on a row, on its check box or elsewhere, flips its check once.
void tst_Library::checkClicksToggleOnce()
{
    QFETCH(int, tab);
    QFETCH(QString, table);
    makeProject();
    for (const char *name : {"a.png", "b.png"})
        putImage(dir->filePath(QLatin1String(name)), 2, 2);
    window->library()->importImages({dir->filePath("a.png"), dir->filePath("b.png")});
    for (const char *name : {"C_16.bin", "E_24.bin"})
        put(dir->filePath(QLatin1String(name)), "f");
    window->library()->importFontLibraryFiles(
        {dir->filePath("C_16.bin"), dir->filePath("E_24.bin")});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    child<QTabWidget>("tabWidgetImageFont")->setCurrentIndex(tab);
    child<QPushButton>("btnImageFontSub")->click();
    QTableView *view = child<QTableView>(qPrintable(table));
    auto *model = qobject_cast<QMyImageItemModel *>(view->model());
    QVERIFY(model && !view->isColumnHidden(0));
    QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Unchecked, Qt::Unchecked}));

    const QPoint checkBox = checkBoxCentre(view, model->index(1, 0));
    const QPoint cell = view->visualRect(model->index(0, 2)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, checkBox);
    QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Unchecked, Qt::Checked}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Checked, Qt::Checked}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, checkBox);
    QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Unchecked, Qt::Unchecked}));
}

void tst_Library::fontLibraryFiles()
{
    makeProject();
    put(dir->filePath(QStringLiteral("C_16.bin")), "c");
    put(dir->filePath(QStringLiteral("C_20.bin")), "c");
    put(dir->filePath(QStringLiteral("E_24.bin")), "e");
    child<QTabWidget>("tabWidgetImageFont")->setCurrentIndex(1);
    window->library()->importFontLibraryFiles({dir->filePath(QStringLiteral("C_16.bin")),
                                               dir->filePath(QStringLiteral("C_20.bin")),
                                               dir->filePath(QStringLiteral("E_24.bin"))});
    const QString fonts = project + QLatin1String("/tempFonts");
    QCOMPARE(design().fontPaths(), (QStringList {fonts + "/C_16.bin", fonts + "/E_24.bin"}));
    QVERIFY(QFileInfo::exists(fonts + QLatin1String("/C_20.bin"))); // kept without a row
    // The same file again is not copied over the first, and is reported.
    window->library()->importFontLibraryFiles({dir->filePath(QStringLiteral("C_16.bin"))});
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件未能复制：\nC_16.bin：同名文件已存在"));

    // A picture added since the last project download stays noted through the deletion.
    putImage(dir->filePath(QStringLiteral("a.png")), 2, 2);
    window->library()->importImages({dir->filePath(QStringLiteral("a.png"))});
    child<QPushButton>("btnImageFontSub")->click();
    QVERIFY(window->library()->isFontLibraryDeleteMode());
    child<QPushButton>("btnImageFontAll")->click();
    child<QPushButton>("btnImageFontSub")->click();
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("是否删除选中的字库？"));
    answerYes(window->getQuestionBox());
    QVERIFY(design().fontPaths().isEmpty());
    QCOMPARE(files(fonts), QStringList {QStringLiteral("C_20.bin")});
    QVERIFY(!window->library()->isFontLibraryDeleteMode());
    QVERIFY(window->download()->areImagesChanged());
}

void tst_Library::downloadQuestions()
{
    makeProject();
    QPushButton *download = child<QPushButton>("btnDownLoad");
    download->click();
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("未添加图片无法下载，请您先添加图片！"));
    putImage(dir->filePath(QStringLiteral("a.png")), 2, 2);
    window->library()->importImages({dir->filePath(QStringLiteral("a.png"))});
    download->click();
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("您是否需要下载图库？"));

    child<QTabWidget>("tabWidgetImageFont")->setCurrentIndex(1);
    download->click();
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("未生成有字体文件，无法下载，请您先生成字体文件！"));
    put(project + QLatin1String("/tempFonts/2.font"));
    put(project + QLatin1String("/tempFonts/2.ini"));
    window->library()->refreshFontList();
    download->click();
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("您是否需要下载字库？"));
}

void tst_Library::trueTypeFiles()
{
    makeProject();
    const QString ttf = project + QLatin1String("/tempTtf");
    put(dir->filePath(QStringLiteral("a.ttf")));
    put(dir->filePath(QStringLiteral("b.ttf")));
    window->library()->addTtfFiles(
        {dir->filePath(QStringLiteral("b.ttf")), dir->filePath(QStringLiteral("a.ttf"))});
    QComboBox *ttfs = child<QComboBox>("cbTtf");
    QCOMPARE(ttfs->count(), 2);
    ttfs->setCurrentIndex(1);
    put(project + QLatin1String("/outside.ttf"), "keep");

    // "是" deletes the file the question named, even when the list moved on.
    child<QPushButton>("btnDelTtf")->click();
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("您是否需要删除b.ttf文件？"));
    ttfs->setCurrentIndex(0);
    answerYes(window->getQuestionBox());
    QCOMPARE(files(ttf), QStringList {QStringLiteral("a.ttf")});
    QCOMPARE(ttfs->count(), 1);

    // A name that leaves the folder deletes nothing.
    ttfs->setEditable(true);
    ttfs->setEditText(QStringLiteral("../outside.ttf"));
    child<QPushButton>("btnDelTtf")->click();
    answerYes(window->getQuestionBox());
    QVERIFY(QFileInfo::exists(project + QLatin1String("/outside.ttf")));
    QCOMPARE(files(ttf), QStringList {QStringLiteral("a.ttf")});
}

void tst_Library::generateThroughTheWindow()
{
    makeProject();
    QVERIFY(QFile::copy(latinTtf, project + QLatin1String("/tempTtf/DejaVuSans.ttf")));
    window->library()->refreshTtfList();
    // "05" is font 5, listed like every other.
    child<QLineEdit>("editFontName")->setText(QStringLiteral("05"));
    QComboBox *ttfs = child<QComboBox>("cbTtf");
    ttfs->setCurrentIndex(ttfs->findText(QStringLiteral("DejaVuSans.ttf")));
    child<QLineEdit>("editFontSize")->setText(QStringLiteral("16"));
    child<QComboBox>("cbBpp")->setCurrentIndex(3);
    child<QTextEdit>("textEditFont")->setPlainText(QStringLiteral("°±"));
    child<QPushButton>("btnCreateFont")->click();
    // The window goes on while the converter runs; its commands wait.
    QVERIFY(window->library()->isFontBeingMade());
    QVERIFY(!child<QPushButton>("btnCreateFont")->isEnabled());
    QVERIFY(!child<QPushButton>("btnDelFont")->isEnabled());
    QVERIFY(converterIdle(60000));
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());

    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("生成字体成功"));
    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("5")});
    QCOMPARE(child<QTableView>("tvFontName")->currentIndex().row(), 0);
    QCOMPARE(files(project + QLatin1String("/tempFonts")), (QStringList {"5.font", "5.ini"}));
    const GeneratedFonts::Params p =
        GeneratedFonts::readParams(project + QLatin1String("/tempFonts/5.ini"));
    QCOMPARE(p.fontName, QStringLiteral("5"));
    QCOMPARE(p.fontTtf, QStringLiteral("DejaVuSans.ttf"));
    QCOMPARE(p.fontBbp, QStringLiteral("4"));
    QCOMPARE(p.fontText, QStringLiteral("°±"));

    // Loading the row fills the form.
    child<QLineEdit>("editFontName")->clear();
    child<QTextEdit>("textEditFont")->clear();
    window->library()->on_tvFontName_clicked(window->library()->getFontModel()->index(0, 2));
    QCOMPARE(child<QLineEdit>("editFontName")->text(), QStringLiteral("5"));
    QCOMPARE(child<QTextEdit>("textEditFont")->toPlainText(), QStringLiteral("°±"));
    QCOMPARE(child<QComboBox>("cbBpp")->currentText(), QStringLiteral("4"));
}

void tst_Library::generationRefusals_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("32") << "32"
                        << "名称为数值，且数值范围为0-31！";
    QTest::newRow("-1") << "-1"
                        << "名称为数值，且数值范围为0-31！";
    QTest::newRow("abc") << "abc"
                         << "字体名称应该为数字！";
    QTest::newRow("empty") << ""
                           << "字体名称应该为数字！";
}

void tst_Library::generationRefusals()
{
    QFETCH(QString, number);
    QFETCH(QString, message);
    makeProject();
    fakeConverter("echo ran > \"$out.ran\"; cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    child<QLineEdit>("editFontName")->setText(number);
    child<QPushButton>("btnCreateFont")->click();
    QVERIFY(converterIdle(30000));
    QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("btnCreateFont")->isEnabled(), 30000);
    QCOMPARE(messageOf(window->getQuestionBox()), message);
    QVERIFY(files(project + QLatin1String("/tempFonts")).isEmpty());
}

void tst_Library::failedRegenerationKeepsTheFont()
{
    makeProject();
    QVERIFY(QFile::copy(latinTtf, project + QLatin1String("/tempTtf/DejaVuSans.ttf")));
    window->library()->refreshTtfList();
    // The font made before comes from a stand-in; the failure below is the real converter's.
    fakeConverter("cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    generate(QStringLiteral("3"), QStringLiteral("DejaVuSans.ttf"), QStringLiteral("abc"), 2);
    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("3")});
    QFile font(project + QLatin1String("/tempFonts/3.font"));
    QVERIFY(font.open(QIODevice::ReadOnly));
    const QByteArray before = font.readAll();
    font.close();

    // Characters the font lacks: reported with the converter's words, the old pair kept.
    FontConverter::setProgram(QStringLiteral("lv_font_conv"));
    generate(QStringLiteral("3"), QStringLiteral("DejaVuSans.ttf"), QStringLiteral("中文"), 2);
    QVERIFY(messageOf(window->getQuestionBox()).startsWith(QStringLiteral("生成字体失败！")));
    QVERIFY(messageOf(window->getQuestionBox()).contains(QStringLiteral("中文")));
    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("3")});
    QVERIFY(font.open(QIODevice::ReadOnly));
    QCOMPARE(font.readAll(), before);
    font.close();
    QCOMPARE(GeneratedFonts::readParams(project + QLatin1String("/tempFonts/3.ini")).fontText,
             QStringLiteral("abc"));

    // No converter at all: the converter check warns, the generation fails the same way.
    FontConverter::setProgram(dir->filePath(QStringLiteral("none/lv_font_conv")));
    newWindow(design().projectPath());
    generate(QStringLiteral("3"), QStringLiteral("DejaVuSans.ttf"), QStringLiteral("abc"), 2);
    QVERIFY(messageOf(window->getQuestionBox()).startsWith(QStringLiteral("生成字体失败！")));
    QVERIFY(font.open(QIODevice::ReadOnly));
    QCOMPARE(font.readAll(), before);
}

void tst_Library::deleteFont()
{
    makeProject();
    const QString fonts = project + QLatin1String("/tempFonts");
    putFonts({"2", "9"});
    QTableView *table = child<QTableView>("tvFontName");
    child<QLineEdit>("editFontName")->setText(QStringLiteral("9"));

    // Without a current row nothing is asked.
    window->getQuestionBox()->hide();
    child<QPushButton>("btnDelFont")->click();
    QVERIFY(window->getQuestionBox()->isHidden());

    table->selectRow(1);
    child<QPushButton>("btnDelFont")->click();
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("您是否需要删除列表中选择的字体？"));
    answerYes(window->getQuestionBox());
    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("2")});
    QCOMPARE(files(fonts), (QStringList {"2.font", "2.ini"}));
    QVERIFY(child<QLineEdit>("editFontName")->text().isEmpty());
    QCOMPARE(child<QComboBox>("cbBpp")->currentIndex(), 0);
    // A question answered once is answered.
    answerYes(window->getQuestionBox());
    QCOMPARE(files(fonts), (QStringList {"2.font", "2.ini"}));
    // An answer that finds the font gone meanwhile deletes nothing more.
    putFonts({"9"});
    table->selectRow(1);
    child<QPushButton>("btnDelFont")->click();
    QVERIFY(QFile::remove(fonts + QLatin1String("/9.font")));
    QVERIFY(QFile::remove(fonts + QLatin1String("/9.ini")));
    window->library()->refreshFontList();
    answerYes(window->getQuestionBox());
    QCOMPARE(files(fonts), (QStringList {"2.font", "2.ini"}));
}

void tst_Library::sizeOutsideTheModuleRange_data()
{
    QTest::addColumn<QString>("size");
    for (const char *size : {"9999", "201", "7", "0", "-16", "", "big"})
        QTest::newRow(size) << size;
}

// A size the module cannot draw is refused before any converter runs.
void tst_Library::sizeOutsideTheModuleRange()
{
    QFETCH(QString, size);
    makeProject();
    fakeConverter("echo ran > \"$out.ran\"; cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    startGenerating(QStringLiteral("4"), size);
    QVERIFY(converterIdle());
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("字体大小应为8-200的整数！"));
    QVERIFY(files(project + QLatin1String("/tempFonts")).isEmpty());
    QVERIFY(child<QWidget>("btnCreateFont")->isEnabled());
}

// Without a TrueType file chosen no converter runs, in the library and in the font tool.
void tst_Library::noFontWithoutATtfFile()
{
    makeProject();
    fakeConverter("echo ran > \"$out.ran\"; cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    QCOMPARE(child<QComboBox>("cbTtf")->count(), 0);
    child<QLineEdit>("editFontName")->setText(QStringLiteral("4"));
    child<QLineEdit>("editFontSize")->setText(QStringLiteral("16"));
    child<QPushButton>("btnCreateFont")->click();
    QVERIFY(converterIdle());
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("请先选择用来生成字体的ttf文件！"));
    QVERIFY(!window->library()->isFontBeingMade());
    QVERIFY(files(project + QLatin1String("/tempFonts")).isEmpty());

    FontDlg *tool = window->library()->getFontDlg();
    tool->showDlg();
    QCOMPARE(tool->findChild<QComboBox *>(QStringLiteral("cbTtf"))->count(), 0);
    tool->findChild<QLineEdit *>(QStringLiteral("editFontName"))->setText(QStringLiteral("7"));
    tool->findChild<QLineEdit *>(QStringLiteral("editFontSize"))->setText(QStringLiteral("16"));
    tool->findChild<QPushButton *>(QStringLiteral("btnCreatFont"))->click();
    QCOMPARE(messageOf(tool->messageBox()), QStringLiteral("请先选择用来生成字体的ttf文件！"));
    QVERIFY(!tool->converter()->isRunning());
    QVERIFY(tool->findChild<QPushButton *>(QStringLiteral("btnCreatFont"))->isEnabled());
    QVERIFY(files(project + QLatin1String("/tempFonts")).isEmpty());
    tool->hide();
}

// The progress window's close button ends a running conversion; the font made before stays.
void tst_Library::closingTheProgressWindowCancels()
{
    makeProject();
    const QString fonts = project + QLatin1String("/tempFonts");
    put(fonts + QLatin1String("/3.font"), "old");
    put(fonts + QLatin1String("/3.ini"), "[FontParam]\nfontText=a\n");
    window->library()->refreshFontList();
    const QString pidFile = dir->filePath(QStringLiteral("converter.pid"));
    fakeConverter("echo $$ > '" + pidFile.toUtf8() + "'; echo partial > \"$out\"; exec sleep 30");
    startGenerating(QStringLiteral("3"));
    QVERIFY(conversionStarts());
    QTRY_VERIFY(!read(pidFile).trimmed().isEmpty());
    const pid_t converter = read(pidFile).trimmed().toInt();
    QVERIFY(converter > 0);
    QMyProgressBarMes *progress = window->findChild<QMyProgressBarMes *>();
    progress->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    QVERIFY(converterIdle(10000));
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
    // Ended by the user: the converter is gone, and the message says why.
    QVERIFY(::kill(converter, 0) != 0 && errno == ESRCH);
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("已取消生成字体3，原有的字体不变"));
    QCOMPARE(files(fonts), (QStringList {"3.font", "3.ini"}));
    QFile font(fonts + QLatin1String("/3.font"));
    QVERIFY(font.open(QIODevice::ReadOnly));
    QCOMPARE(font.readAll(), QByteArray("old"));
    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("3")});
}

// A font the converter made without a single character is not reported as a success.
void tst_Library::fontWithoutCharactersIsWarned()
{
    makeProject();
    fakeConverter("cp " YBEX_TEST_DATA "/fonts/blank-only.font \"$out\"");
    startGenerating(QStringLiteral("4"));
    QVERIFY(converterIdle(30000));
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("字体4已生成，但其中没有任何字符：ttf文件中既没有ASCII字符，也没有"
                            "“内容”里的字符！"));
    QCOMPARE(design().fontIds(), QStringList {QStringLiteral("4")});

    // One character is enough.
    fakeConverter("cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    startGenerating(QStringLiteral("5"));
    QVERIFY(converterIdle(30000));
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("生成字体成功"));
}

// The delete question does not block, so a conversion can start behind it: the answer then
// deletes nothing and says why.
void tst_Library::deleteConfirmedDuringAConversion()
{
    makeProject();
    const QString fonts = project + QLatin1String("/tempFonts");
    putFonts({"2", "9"});
    child<QTableView>("tvFontName")->selectRow(1);
    child<QPushButton>("btnDelFont")->click();
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("您是否需要删除列表中选择的字体？"));

    fakeConverter("exec sleep 30");
    startGenerating(QStringLiteral("4"));
    QVERIFY(conversionStarts());
    answerYes(window->getQuestionBox());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("正在生成字体，字体9未删除，请在生成结束后再删除！"));
    QVERIFY(files(fonts).contains(QStringLiteral("9.font")));
    QCOMPARE(design().fontIds(), (QStringList {"2", "9"}));
    window->findChild<QMyProgressBarMes *>()
        ->findChild<QPushButton *>(QStringLiteral("btnClose"))
        ->click();
    QVERIFY(converterIdle(10000));
}

// A conversion still running when another project is opened writes into its own project
// and says so; the form is emptied for the project opened.
void tst_Library::conversionEndingInAnotherProject()
{
    makeProject();
    const QString first = design().projectPath();
    const QString firstFonts = project + QLatin1String("/tempFonts");
    // The stand-in converter holds until the test lets it go on, by a line in a FIFO.
    const QByteArray gatePath = QFile::encodeName(dir->filePath(QStringLiteral("gate")));
    QCOMPARE(::mkfifo(gatePath.constData(), 0600), 0);
    fakeConverter("read go < '" + gatePath
                  + "'; cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    child<QTextEdit>("textEditFont")->setPlainText(QStringLiteral("中"));
    startGenerating(QStringLiteral("6"));
    QVERIFY(conversionStarts());

    QVERIFY(window->project()->createProject(dir->filePath(QStringLiteral("other.yBEX"))));
    window->getQuestionBox()->hide();
    QVERIFY(child<QLineEdit>("editFontName")->text().isEmpty());
    QVERIFY(child<QLineEdit>("editFontSize")->text().isEmpty());
    QVERIFY(child<QTextEdit>("textEditFont")->toPlainText().isEmpty());
    QVERIFY(window->library()->isFontBeingMade());

    // Opened for reading too, the FIFO neither blocks here nor drops the line before the
    // converter reads it; it stays open until the conversion ended.
    const int gate = ::open(gatePath.constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(gate >= 0);
    const auto closeGate = qScopeGuard([gate] { ::close(gate); });
    QCOMPARE(::write(gate, "go\n", 3), ssize_t(3));
    QVERIFY(converterIdle(30000));
    QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("生成字体6成功（项目%1）").arg(QDir::toNativeSeparators(first)));
    QCOMPARE(files(firstFonts), (QStringList {"6.font", "6.ini"}));
    QVERIFY(design().fontIds().isEmpty());
    QVERIFY(files(dir->filePath(QStringLiteral("other/tempFonts"))).isEmpty());
}

// The shown widget's font row offers the generated fonts as they come and go; a widget
// whose font went keeps it, shown as missing, and other widget types' rows are left alone.
void tst_Library::fontRowFollowsTheFontList()
{
    makeProject();
    putFonts({"3", "7"});
    QMyWidget *label = fixture.addWidget(WidgetType::Lab, 1, 0);
    label->setFontID(7);
    window->properties()->slotRecvWnd(label);
    const auto fontRow = [this](const char *key, QStringList *names) {
        QtProperty *row = window->properties()->getPropertyToKey().key(QLatin1String(key), nullptr);
        auto *choices =
            row ? qobject_cast<QtEnumPropertyManager *>(row->propertyManager()) : nullptr;
        if (!choices)
            return -2;
        *names = choices->enumNames(row);
        return choices->value(row);
    };
    QStringList names;
    QCOMPARE(fontRow("fontID", &names), 1);
    QCOMPARE(names, (QStringList {"3", "7"}));

    // As a generation ends.
    putFonts({"5"});
    window->properties()->refreshFontIdProperty();
    QCOMPARE(fontRow("fontID", &names), 2);
    QCOMPARE(names, (QStringList {"3", "5", "7"}));
    QCOMPARE(label->getFontID(), 7);

    child<QTableView>("tvFontName")->selectRow(2);
    child<QPushButton>("btnDelFont")->click();
    answerYes(window->getQuestionBox());
    QCOMPARE(design().fontIds(), (QStringList {"3", "5"}));
    // The label keeps its font, which the row shows as missing.
    QCOMPARE(fontRow("fontID", &names), 2);
    QCOMPARE(names, (QStringList {"3", "5", "7（无此字体）"}));
    QCOMPARE(label->getFontID(), 7);
    // Choosing a generated font applies it; the missing one is no longer offered.
    QtProperty *row =
        window->properties()->getPropertyToKey().key(QStringLiteral("fontID"), nullptr);
    qobject_cast<QtEnumPropertyManager *>(row->propertyManager())->setValue(row, 1);
    QCOMPARE(label->getFontID(), 5);
    window->properties()->slotRecvWnd(label);
    QCOMPARE(fontRow("fontID", &names), 1);
    QCOMPARE(names, (QStringList {"3", "5"}));

    // A chart's tick-label font row is not this refresh's.
    QMyWidget *chart = fixture.addWidget(WidgetType::Chart, 2, 0);
    chart->setChartTickLabelFontID(5);
    window->properties()->slotRecvWnd(chart);
    putFonts({"1"});
    window->properties()->refreshFontIdProperty();
    QCOMPARE(fontRow("ybexItemChartTickLabelFontID", &names), 1);
    QCOMPARE(names, (QStringList {"3", "5"}));
    QCOMPARE(chart->getChartTickLabelFontID(), 5);
}

void tst_Library::drawingFollowsTheFont_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("change");
    for (const WidgetType type : {WidgetType::Lab, WidgetType::Btn, WidgetType::Chart}) {
        for (const char *change : {"made", "made again", "deleted"})
            QTest::addRow("%s %s", qPrintable(widgetTypeNames.at(int(type))), change)
                << int(type) << change;
    }
}

// The canvas shows a widget in the font its number now names once the font is made, made
// again or deleted, without the project being opened again.
void tst_Library::drawingFollowsTheFont()
{
    QFETCH(int, type);
    QFETCH(QString, change);
    makeProject();
    QVERIFY(fixture.show(QSize(1200, 800)));
    fakeConverter("cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    QMyWidget *w = fixture.addWidget(WidgetType(type), 1, 0);
    w->setPos(10, 10);
    w->setW(300);
    w->setH(200);
    w->setText(QStringLiteral("Hg 123"));
    w->setFontID(5);
    w->setChartTickLabelFontID(5);
    const auto make = [this](const QString &size) {
        startGenerating(QStringLiteral("5"), size);
        QVERIFY(converterIdle());
        QTRY_VERIFY(child<QPushButton>("btnCreateFont")->isEnabled());
        QVERIFY(design().fontIds().contains(QStringLiteral("5")));
    };
    if (change != "made")
        make(QStringLiteral("40"));
    w->repaint();
    const QImage before = onScreen(w);

    if (change == "made") {
        make(QStringLiteral("40"));
    } else if (change == "made again") {
        // The list of fonts stays as it was.
        make(QStringLiteral("16"));
        QCOMPARE(design().fontIds(), QStringList {QStringLiteral("5")});
    } else {
        child<QTableView>("tvFontName")->selectRow(0);
        child<QPushButton>("btnDelFont")->click();
        answerYes(window->getQuestionBox());
        QVERIFY(design().fontIds().isEmpty());
    }
    QTRY_VERIFY(onScreen(w) != before);
    // What shows is what the widget draws now.
    const QImage shown = onScreen(w);
    w->repaint();
    QCOMPARE(onScreen(w), shown);
}

void tst_Library::fontToolWindow()
{
    makeProject();
    FontDlg *tool = window->library()->getFontDlg();
    QVERIFY(tool->isHidden());
    window->library()->on_btnFontDlg_clicked();
    QVERIFY(tool->isVisible());
    QCOMPARE(tool->size(), QSize(293, 382));
    tool->addTtfFiles({latinTtf});
    QComboBox *ttfs = tool->findChild<QComboBox *>(QStringLiteral("cbTtf"));
    QCOMPARE(ttfs->currentText(), QStringLiteral("DejaVuSans.ttf"));

    QLineEdit *name = tool->findChild<QLineEdit *>(QStringLiteral("editFontName"));
    QPushButton *create = tool->findChild<QPushButton *>(QStringLiteral("btnCreatFont"));
    for (const char *bad : {"", "x", "32", "../7", "1 "}) {
        name->setText(QLatin1String(bad));
        create->click();
        QCOMPARE(messageOf(tool->messageBox()), QStringLiteral("名称为数值，且数值范围为0-31！"));
    }
    QVERIFY(files(project + QLatin1String("/tempFonts")).isEmpty());

    // The tool runs the converter as the window's form does, which runs the real one above.
    fakeConverter("cp " YBEX_TEST_DATA "/fonts/one-han.font \"$out\"");
    name->setText(QStringLiteral("7"));
    tool->findChild<QLineEdit *>(QStringLiteral("editFontSize"))->setText(QStringLiteral("16"));
    tool->findChild<QTextEdit *>(QStringLiteral("textEdit"))->setPlainText(QStringLiteral("a/b"));
    create->click();
    QVERIFY(waitForConverter(
        tool->converter(), [tool] { return !tool->converter()->isRunning(); }, 60000));
    QCOMPARE(messageOf(tool->messageBox()), QStringLiteral("生成7.font字体成功"));
    // No parameter file: the generated-font list does not show it.
    QCOMPARE(files(project + QLatin1String("/tempFonts")), QStringList {QStringLiteral("7.font")});

    // A TrueType file that cannot be removed stays, and the tool says so.
    const QString ttf = project + QLatin1String("/tempTtf/DejaVuSans.ttf");
    const QByteArray ttfBytes = read(ttf);
    tool->findChild<QPushButton *>(QStringLiteral("btnDelTtf"))->click();
    makeUnremovable(ttf);
    answerYes(tool->messageBox());
    QCOMPARE(messageOf(tool->messageBox()),
             QStringLiteral("以下文件无法删除，已保留：\nDejaVuSans.ttf"));
    makeRemovableAgain(ttf, ttfBytes);
    tool->showDlg();

    tool->findChild<QPushButton *>(QStringLiteral("btnDelTtf"))->click();
    QCOMPARE(messageOf(tool->messageBox()), QStringLiteral("您是否需要删除DejaVuSans.ttf文件？"));
    answerYes(tool->messageBox());
    QVERIFY(files(project + QLatin1String("/tempTtf")).isEmpty());
    tool->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    QVERIFY(tool->isHidden());

    design().setProjectPath(QString());
    window->library()->on_btnFontDlg_clicked();
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("未加载项目，请您先创建或导入项目！"));
}

void tst_Library::quitWithoutSavingRestoresTheLibrary()
{
    const QString path = makeProject();
    putImage(dir->filePath(QStringLiteral("kept.png")), 2, 2);
    window->library()->importImages({dir->filePath(QStringLiteral("kept.png"))});
    QVERIFY(window->project()->saveProXml());
    putImage(dir->filePath(QStringLiteral("later.png")), 2, 2);
    window->library()->importImages({dir->filePath(QStringLiteral("later.png"))});
    deletePictures({0});
    QCOMPARE(files(project + QLatin1String("/tempImages")),
             QStringList {QStringLiteral("100002_later.png")});

    window->close();
    QCOMPARE(messageOf(window->getQuestionBox()), QStringLiteral("退出软件前是否保存当前项目？"));
    answerNo(window->getQuestionBox());
    QCOMPARE(files(project + QLatin1String("/tempImages")),
             QStringList {QStringLiteral("100001_kept.png")});
    newWindow(path);
    QCOMPARE(design().pictures().size(), 1);
}

void tst_Library::aStaleMirrorIsNeverRestored()
{
    makeProject();
    const QString images = project + QLatin1String("/tempImages");
    putImage(dir->filePath(QStringLiteral("old.png")), 2, 2);
    window->library()->importImages({dir->filePath(QStringLiteral("old.png"))});
    QVERIFY(window->project()->saveProXml());
    // The mirror cannot be refreshed by the next save: the picture folder became a link.
    QVERIFY(QDir().rename(images, project + QLatin1String("/realImages")));
    QVERIFY(QFile::link(project + QLatin1String("/realImages"), images));
    putImage(dir->filePath(QStringLiteral("saved.png")), 2, 2);
    window->library()->importImages({dir->filePath(QStringLiteral("saved.png"))});
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(
        messageOf(window->getQuestionBox()),
        QStringLiteral("图库备份失败！\n%1：是符号链接").arg(QDir::toNativeSeparators(images)));

    // Leaving without saving keeps the pictures the saved project uses.
    window->close();
    answerNo(window->getQuestionBox());
    QCOMPARE(files(images), (QStringList {"100001_old.png", "100002_saved.png"}));
}

// On a full disk (here a file-size limit) no picture is cut short: the import, the mirror
// refresh of a save and the restore when leaving without saving each leave the folder
// they would change as it was, and name the files with the cause.
void tst_Library::copiesThatCannotFinishAreNamed()
{
    const QString path = makeProject();
    const QString images = project + QLatin1String("/tempImages");
    const QString mirror = project + QLatin1String("/backUpImages");
    // Noise does not compress: some 190 KB of PNG.
    QImage noise(256, 256, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate());
    QVERIFY(noise.save(dir->filePath(QStringLiteral("big.png"))));
    const QByteArray bigBytes = read(dir->filePath(QStringLiteral("big.png")));
    QVERIFY(bigBytes.size() > 128 * 1024);
    putImage(dir->filePath(QStringLiteral("small.png")), 2, 2);
    const QString tooLarge = QStringLiteral("文件超过了系统允许的大小");
    const qint64 limit = 64 * 1024; // the project file fits, the big picture does not

    {
        const FileSizeLimit limited(limit);
        QVERIFY(limited.isSet());
        window->library()->importImages(
            {dir->filePath(QStringLiteral("big.png")), dir->filePath(QStringLiteral("small.png"))});
    }
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("以下文件未能复制：\nbig.png：") + tooLarge);
    QCOMPARE(files(images), QStringList {QStringLiteral("100002_small.png")});

    window->library()->importImages({dir->filePath(QStringLiteral("big.png"))});
    QCOMPARE(files(images), (QStringList {"100002_small.png", "100003_big.png"}));
    window->getQuestionBox()->hide();
    {
        const FileSizeLimit limited(limit);
        QVERIFY(window->project()->saveProXml());
    }
    QCOMPARE(messageOf(window->getQuestionBox()),
             QStringLiteral("图库备份失败！\n100003_big.png：") + tooLarge);
    QVERIFY(files(mirror).isEmpty());

    // Saved in full, then changed and left without saving while the disk is full.
    QVERIFY(window->project()->saveProXml());
    QCOMPARE(files(mirror), (QStringList {"100002_small.png", "100003_big.png"}));
    QVERIFY(QFile::remove(images + QLatin1String("/100003_big.png")));
    window->library()->importImages({dir->filePath(QStringLiteral("small.png"))});
    window->getQuestionBox()->hide();
    {
        const FileSizeLimit limited(limit);
        window->close();
        answerNo(window->getQuestionBox());
    }
    const QString lost =
        QStringLiteral("图库未能恢复到上次保存或打开时的状态，未保存的图片修改仍在："
                       "\n100003_big.png：")
        + tooLarge;
    QCOMPARE(messageOf(window->getQuestionBox()), lost + QStringLiteral("\n仍要退出吗？"));
    QVERIFY(asks(window->getQuestionBox()));
    QCOMPARE(files(images), (QStringList {"100002_small.png", "100003_small.png"}));
    QCOMPARE(read(mirror + QLatin1String("/100003_big.png")), bigBytes);

    // Opening another project likewise says that the library kept its changes.
    window->getQuestionBox()->hide();
    {
        const FileSizeLimit limited(limit);
        window->project()->createProject(dir->filePath(QStringLiteral("other.yBEX")));
    }
    QVERIFY(design().projectPath() != path);
    QCOMPARE(messageOf(window->getQuestionBox()), lost);
    QCOMPARE(files(images), (QStringList {"100002_small.png", "100003_small.png"}));
}

QTEST_MAIN(tst_Library)
#include "tst_library.moc"
