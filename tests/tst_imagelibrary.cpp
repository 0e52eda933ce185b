// The picture library's rules: names and ids, image-number order, imports, the size each
// module series counts and the renumbering of every reference when a picture goes.

#include "designtestutil.h"
#include "imagelibrary.h"
#include "imagereferences.h"
#include "libraryfileutil.h"
#include "picturefile.h"
#include "picturefixtures.h"
#include "qmywidgetfactory.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <thread>

class tst_ImageLibrary : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void order();
    void highestId_data();
    void highestId();
    void importNumbersOnAndReports();
    void importCreatesTheFolder();
    void pictureVerdicts_data();
    void pictureVerdicts();
    void importRefusesWhatIsNoUsablePicture();
    void specialFilesAreNeverOpened();
    void missingPictures();
    void sizePerSeries_data();
    void sizePerSeries();
    void renumbered_data();
    void renumbered();
    void renumberEveryReference();
    void renumberRange_data();
    void renumberRange();
    void init() { design.reset(new DesignDocument); }
    void cleanup() { design.reset(); }

private:
    QScopedPointer<DesignDocument> design;
};

void tst_ImageLibrary::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("library");
    QTest::addColumn<qint64>("id");
    QTest::newRow("numbered png") << "100005_a.png" << true << qint64(100005);
    QTest::newRow("upper-case JPG") << "7_b.JPG" << true << qint64(7);
    QTest::newRow("words before _ count 0") << "abc_x.png" << true << qint64(0);
    QTest::newRow("no _") << "x.png" << false << qint64(0);
    QTest::newRow("other suffix") << "1_x.bmp" << false << qint64(1);
    QTest::newRow("first _ decides") << "12_3_y.png" << true << qint64(12);
    QTest::newRow("huge id counts 0") << "99999999999999999999_z.png" << true << qint64(0);
}

void tst_ImageLibrary::names()
{
    QFETCH(QString, name);
    QFETCH(bool, library);
    QFETCH(qint64, id);
    QCOMPARE(ImageLibrary::isImageName(name), library);
    QCOMPARE(ImageLibrary::idOf(name), id);
}

void tst_ImageLibrary::order()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    for (const char *name : {"100005_a.png", "99_b.jpg", "abc_x.png", "x.png", "5_B.png", "5_a.PNG",
                             "notes.txt", "3_c.gif"})
        put(folder + QLatin1Char('/') + QLatin1String(name));
    QVERIFY(QDir(folder).mkdir(QStringLiteral("7_dir.png")));
    QVERIFY(
        QFile::link(folder + QLatin1String("/99_b.jpg"), folder + QLatin1String("/8_link.png")));

    // Ascending ids, equal ids in name order (letter case ignored); no folders, no links.
    QCOMPARE(ImageLibrary::orderedNames(folder),
             (QStringList {"abc_x.png", "5_a.PNG", "5_B.png", "99_b.jpg", "100005_a.png"}));
    QVERIFY(ImageLibrary::orderedNames(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

void tst_ImageLibrary::highestId_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<qint64>("highest");
    QTest::newRow("empty folder") << QStringList() << qint64(100000);
    QTest::newRow("small ids") << QStringList {"5_a.png", "100000_b.png"} << qint64(100000);
    QTest::newRow("larger id") << QStringList {"100005_a.png", "99_b.jpg"} << qint64(100005);
    QTest::newRow("other files ignored")
        << QStringList {"200000_a.txt", "300000.png"} << qint64(100000);
}

void tst_ImageLibrary::highestId()
{
    QFETCH(QStringList, files);
    QFETCH(qint64, highest);
    QTemporaryDir dir;
    for (const QString &name : files)
        put(dir.filePath(name));
    QCOMPARE(ImageLibrary::highestId(dir.path()), highest);
}

void tst_ImageLibrary::importNumbersOnAndReports()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("tempImages"));
    QVERIFY(QDir().mkpath(folder));
    put(folder + QLatin1String("/100005_a.png"));
    putImage(dir.filePath(QStringLiteral("one.png")), 1, 1);
    putImage(dir.filePath(QStringLiteral("three.jpg")), 3, 3);
    // The second file cannot be copied: it does not exist.
    const LibraryFiles::ImportReport report = ImageLibrary::importFiles(
        folder,
        {dir.filePath(QStringLiteral("one.png")), dir.filePath(QStringLiteral("gone.png")),
         dir.filePath(QStringLiteral("three.jpg"))});
    QCOMPARE(report.copied,
             (QStringList {folder + "/100006_one.png", folder + "/100008_three.jpg"}));
    QCOMPARE(report.failed, QStringList {QStringLiteral("gone.png")});
    QCOMPARE(ImageLibrary::orderedNames(folder),
             (QStringList {"100005_a.png", "100006_one.png", "100008_three.jpg"}));

    // A name that is taken (here by a folder, which has no id) is never overwritten, and
    // is reported.
    QVERIFY(QDir(folder).mkdir(QStringLiteral("100009_one.png")));
    const LibraryFiles::ImportReport clash =
        ImageLibrary::importFiles(folder, {dir.filePath(QStringLiteral("one.png"))});
    QVERIFY(clash.copied.isEmpty());
    QCOMPARE(clash.failed, QStringList {QStringLiteral("one.png")});
    QVERIFY(QFileInfo(folder + QLatin1String("/100009_one.png")).isDir());
}

void tst_ImageLibrary::importCreatesTheFolder()
{
    QTemporaryDir dir;
    putImage(dir.filePath(QStringLiteral("a.png")), 2, 2);
    const QString folder = dir.filePath(QStringLiteral("p/tempImages"));
    const LibraryFiles::ImportReport report =
        ImageLibrary::importFiles(folder, {dir.filePath(QStringLiteral("a.png"))});
    QCOMPARE(report.copied, QStringList {folder + QLatin1String("/100001_a.png")});
    QVERIFY(report.failed.isEmpty());
}

namespace {
QByteArray encoded(const QSize &size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}
} // namespace

void tst_ImageLibrary::pictureVerdicts_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QSize>("size");
    using PictureFixtures::pngClaiming;
    QTest::newRow("PNG") << encoded(QSize(3, 2), "PNG") << int(PictureFile::Usable) << QSize(3, 2);
    QTest::newRow("JPG") << encoded(QSize(5, 4), "JPG") << int(PictureFile::Usable) << QSize(5, 4);
    QTest::newRow("text") << QByteArray("hello, not a picture\n") << int(PictureFile::NotAPicture)
                          << QSize();
    QTest::newRow("empty file") << QByteArray() << int(PictureFile::NotAPicture) << QSize();
    QTest::newRow("BMP") << encoded(QSize(3, 2), "BMP") << int(PictureFile::NotAPicture)
                         << QSize(3, 2);
    QTest::newRow("30000 x 30000 in a few bytes")
        << pngClaiming(30000, 30000) << int(PictureFile::TooLarge) << QSize(30000, 30000);
    QTest::newRow("26800 x 26800")
        << pngClaiming(26800, 26800) << int(PictureFile::TooLarge) << QSize(26800, 26800);
    QTest::newRow("as many pixels as taken")
        << pngClaiming(4096, 4096) << int(PictureFile::Usable) << QSize(4096, 4096);
    QTest::newRow("one row more") << pngClaiming(4096, 4097) << int(PictureFile::TooLarge)
                                  << QSize(4096, 4097);
    QTest::newRow("the widest side a module header holds")
        << pngClaiming(65535, 1) << int(PictureFile::Usable) << QSize(65535, 1);
    QTest::newRow("one pixel wider")
        << pngClaiming(65536, 1) << int(PictureFile::TooLarge) << QSize(65536, 1);
    QTest::newRow("taller than a header holds")
        << pngClaiming(1, 70000) << int(PictureFile::TooLarge) << QSize(1, 70000);
}

// Judged by the header alone: none of the claimed sizes is ever decoded.
void tst_ImageLibrary::pictureVerdicts()
{
    QFETCH(QByteArray, content);
    QFETCH(int, verdict);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    QVERIFY(PictureFixtures::writeBytes(path, content));
    QSize stated(-5, -5);
    QCOMPARE(int(PictureFile::check(path, &stated)), verdict);
    QCOMPARE(stated, size);
    const QImage image = PictureFile::read(path, QSize(2, 2));
    QCOMPARE(image.isNull(), verdict != PictureFile::Usable || size.width() > 100);
    if (verdict == PictureFile::Usable && size.width() <= 100) {
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(PictureFile::read(path).size(), size);
    }
}

// What is no PNG or JPG picture, or is larger than the program takes, is left out before
// anything is copied, and reported by name; a file that cannot be read is a failed copy.
void tst_ImageLibrary::importRefusesWhatIsNoUsablePicture()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("tempImages"));
    putImage(dir.filePath(QStringLiteral("good.png")), 4, 4);
    put(dir.filePath(QStringLiteral("notes.png")), "shopping list");
    // Its name holds a place marker, which the refusal must show as it is.
    QVERIFY(PictureFixtures::writeBytes(dir.filePath(QStringLiteral("bomb%1.png")),
                                        PictureFixtures::pngClaiming(30000, 30000)));
    QVERIFY(
        PictureFixtures::writeWidePicture(dir.filePath(QStringLiteral("wide.png")), 5000, 4000));
    putImage(dir.filePath(QStringLiteral("last.jpg")), 4, 4);
    ImageLibrary::Refusals refused;
    const LibraryFiles::ImportReport report = ImageLibrary::importFiles(
        folder,
        {dir.filePath(QStringLiteral("good.png")), dir.filePath(QStringLiteral("notes.png")),
         dir.filePath(QStringLiteral("bomb%1.png")), dir.filePath(QStringLiteral("gone.png")),
         dir.filePath(QStringLiteral("wide.png")), dir.filePath(QStringLiteral("last.jpg"))},
        &refused);
    QCOMPARE(report.copied,
             (QStringList {folder + "/100001_good.png", folder + "/100006_last.jpg"}));
    QCOMPARE(report.failed, QStringList {QStringLiteral("gone.png")});
    QCOMPARE(refused.notPictures, QStringList {QStringLiteral("notes.png")});
    QCOMPARE(refused.tooLarge, (QStringList {"bomb%1.png (30000x30000)", "wide.png (5000x4000)"}));
    QCOMPARE(ImageLibrary::orderedNames(folder),
             (QStringList {"100001_good.png", "100006_last.jpg"}));
}

// A FIFO named like a picture would hold the window until something writes to it, and a
// folder is no picture either: neither is opened, and the import names them as files it
// could not copy.
void tst_ImageLibrary::specialFilesAreNeverOpened()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("tempImages"));
    const QString fifo = dir.filePath(QStringLiteral("fifo.png"));
    const QString subfolder = dir.filePath(QStringLiteral("folder.png"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(subfolder));
    // A writer that never writes: a reader that opens the FIFO then waits for data.
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(writer >= 0);

    struct Outcome
    {
        std::atomic<bool> done {false};
        int verdict = -1;
        QSize size;
        bool read = true;
        LibraryFiles::ImportReport report;
    };
    const auto outcome = std::make_shared<Outcome>();
    // On a thread of its own, so that a call that waits fails the test instead of holding it.
    std::thread([outcome, fifo, subfolder, folder] {
        outcome->verdict = PictureFile::check(fifo, &outcome->size);
        outcome->read = !PictureFile::read(fifo).isNull();
        outcome->report = ImageLibrary::importFiles(folder, {fifo, subfolder});
        outcome->done = true;
    }).detach();
    QTRY_VERIFY_WITH_TIMEOUT(outcome->done, 5000);
    ::close(writer);

    QCOMPARE(outcome->verdict, int(PictureFile::NotAPicture));
    QCOMPARE(outcome->size, QSize());
    QVERIFY(!outcome->read);
    QVERIFY(outcome->report.copied.isEmpty());
    QCOMPARE(outcome->report.failures(),
             (QStringList {"fifo.png：不是普通文件", "folder.png：不是普通文件"}));
    QVERIFY(ImageLibrary::orderedNames(folder).isEmpty());
}

// Picture numbers the library lacks, from every place that holds one; a widget other than
// a meter keeps 0 in the needle places, which is no picture.
void tst_ImageLibrary::missingPictures()
{
    design->page(design->addPage())->setPageImageNum(7);
    QMyWidget *button = QMyWidgetFactory::create(QStringLiteral("Btn"), 1, nullptr);
    button->setPressImageNum(3);
    QMyWidget *meter = QMyWidgetFactory::create(QStringLiteral("Meter"), 2, nullptr);
    meter->setMeterPointPicID(1, 9);
    QMyWidget *slider = QMyWidgetFactory::create(QStringLiteral("Slider"), 3, nullptr);
    slider->setHandleImageNum(7);
    for (QMyWidget *w : {button, meter, slider})
        design->addWidget(0, w);
    QCOMPARE(button->getMeterPointPicID(0), 0);
    QCOMPARE(ImageReferences::missing(*design), (QList<int> {3, 7, 9}));
    design->setPictures(QVector<QString>(4, QStringLiteral("p.png")).toList());
    QCOMPARE(ImageReferences::missing(*design), (QList<int> {7, 9}));
    design->setPictures(QVector<QString>(10, QStringLiteral("p.png")).toList());
    QCOMPARE(ImageReferences::missing(*design), QList<int>());
}

void tst_ImageLibrary::sizePerSeries_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<QString>("rowText");
    QTest::addColumn<bool>("fileSize");
    QTest::newRow("series 0: file size") << 0 << QString() << true;
    QTest::newRow("series 1: 3 bytes a pixel") << 1 << QStringLiteral("14.65KB") << false;
    QTest::newRow("other series: nothing") << 2 << QStringLiteral("0.00KB") << false;
    QTest::newRow("negative series: nothing") << -1 << QStringLiteral("0.00KB") << false;
}

void tst_ImageLibrary::sizePerSeries()
{
    QFETCH(int, modelType);
    QFETCH(QString, rowText);
    QFETCH(bool, fileSize);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("100001_p.png"));
    putImage(picture, 100, 50);
    const QString broken = dir.filePath(QStringLiteral("100002_broken.png"));
    put(broken, QByteArray(2000, 'z'));

    QCOMPARE(ImageLibrary::pixelSize(picture), QSize(100, 50));
    QCOMPARE(ImageLibrary::pixelSize(broken), QSize(0, 0));
    const qint64 file = QFileInfo(picture).size();
    const qint64 bytes = ImageLibrary::bytesFor(picture, modelType);
    QCOMPARE(bytes, fileSize ? file : (modelType == 1 ? 15000 : 0));
    if (!rowText.isEmpty())
        QCOMPARE(ImageLibrary::kbText(bytes / 1024.0), rowText);
    // An undecodable file counts its bytes for series 0 and nothing for series 1.
    QCOMPARE(ImageLibrary::bytesFor(broken, modelType), modelType == 0 ? 2000 : 0);
    const double sum = ImageLibrary::sizeKB({picture, broken}, modelType);
    QCOMPARE(sum, (bytes + ImageLibrary::bytesFor(broken, modelType)) / 1024.0);
    if (modelType == 1)
        QCOMPARE(int(sum), 14);
}

void tst_ImageLibrary::renumbered_data()
{
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("after");
    QTest::newRow("none stays none") << -1 << 2 << -1;
    QTest::newRow("before stays") << 1 << 2 << 1;
    QTest::newRow("deleted becomes none") << 2 << 2 << -1;
    QTest::newRow("later moves down") << 5 << 2 << 4;
    QTest::newRow("first deleted") << 0 << 0 << -1;
    QTest::newRow("no deletion") << 3 << -1 << 3;
}

void tst_ImageLibrary::renumbered()
{
    QFETCH(int, reference);
    QFETCH(int, deleted);
    QFETCH(int, after);
    QCOMPARE(ImageReferences::renumbered(reference, deleted), after);
}

void tst_ImageLibrary::renumberEveryReference()
{
    auto addPage = [this](int background) {
        const int page = design->addPage();
        design->page(page)->setPageImageNum(background);
        return page;
    };
    auto add = [this](int page, const QString &type) {
        QMyWidget *w = QMyWidgetFactory::create(type, design->widgets(page).size(), nullptr);
        design->addWidget(page, w);
        return w;
    };
    addPage(2);
    addPage(4);
    QMyWidget *button = add(0, QStringLiteral("Btn"));
    button->setImageNum(1);
    button->setSelectImageNum(2);
    button->setPressImageNum(3);
    // Widgets of a page that is not shown are renumbered too.
    QMyWidget *slider = add(1, QStringLiteral("Slider"));
    slider->setHidden(true);
    slider->setProgImageNum(2);
    slider->setHandleImageNum(5);
    QMyWidget *meter = add(1, QStringLiteral("Meter"));
    meter->setHidden(true);
    meter->setMeterPointPicID(0, 0);
    meter->setMeterPointPicID(1, 2);
    meter->setMeterPointPicID(2, 6);
    QMyWidget *untouched = add(1, QStringLiteral("Img"));
    untouched->setImageNum(1);

    const ImageReferences::Changes changes = ImageReferences::renumberDesign(*design, 2);
    QCOMPARE(changes.pages, (QList<int> {0, 1}));
    QCOMPARE(changes.widgets, (QList<QMyWidget *> {button, slider, meter}));

    QCOMPARE(design->page(0)->pageImageNum(), -1);
    QCOMPARE(design->page(1)->pageImageNum(), 3);
    QCOMPARE(button->getImageNum(), 1);
    QCOMPARE(button->getSelectImageNum(), -1);
    QCOMPARE(button->getPressImageNum(), 2);
    QCOMPARE(slider->getProgImageNum(), -1);
    QCOMPARE(slider->getHandleImageNum(), 4);
    QCOMPARE(meter->getMeterPointPicID(0), 0);
    QCOMPARE(meter->getMeterPointPicID(1), -1);
    QCOMPARE(meter->getMeterPointPicID(2), 5);
    QCOMPARE(untouched->getImageNum(), 1);
    for (const QString &key : ImageReferences::widgetKeys())
        QVERIFY2(QMyWidget::isFileKey(key), qPrintable(key));
}

void tst_ImageLibrary::renumberRange_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("newStart");
    QTest::addColumn<int>("newEnd");
    QTest::newRow("before the range") << 3 << 6 << 1 << 2 << 5;
    QTest::newRow("first of the range") << 3 << 6 << 3 << 3 << 5;
    QTest::newRow("inside") << 3 << 6 << 5 << 3 << 5;
    QTest::newRow("last of the range") << 3 << 6 << 6 << 3 << 5;
    QTest::newRow("after the range") << 3 << 6 << 7 << 3 << 6;
    QTest::newRow("the only picture") << 4 << 4 << 4 << -1 << -1;
    QTest::newRow("no range") << -1 << -1 << 0 << -1 << -1;
}

void tst_ImageLibrary::renumberRange()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, deleted);
    ImageReferences::renumberRange(&start, &end, deleted);
    QTEST(start, "newStart");
    QTEST(end, "newEnd");
}

QTEST_MAIN(tst_ImageLibrary)
#include "tst_imagelibrary.moc"
