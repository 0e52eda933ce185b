// Saving and loading project files of 20 x 25 and 100 x 50 widgets: a save against a plain
// synced write of the bytes it wrote, a load against reading the same file with a bare XML
// pass; then the peak memory of opening each damaged or hostile file against its size;
// then opening and closing designs of 100 and 1,000 pages in the window, against the same
// bare pass. Times are medians of rounds and every ratio is that of the printed medians.

#include "../../tests/hostilefixtures.h"
#include "../../tests/projecttesttarget.h"
#include "../peakmemory.h"
#include "../roundtimes.h"
#include "designglobals.h"
#include "mainwindow.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "qmyframe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <unistd.h>

#include <cstdio>

namespace {

void fill(ProjectTestDesign &d, int pages, int perPage)
{
    for (int p = 0; p < pages; ++p) {
        d.appendPage();
        d.page(p)->setPageName(QStringLiteral("page %1").arg(p));
        EventInfo e;
        e.setType(0);
        e.setUserType(p % 74);
        e.setOwnerType(-1);
        d.page(p)->appendEvent(e);
        for (int i = 0; i < perPage; ++i) {
            QMyWidget *w = d.appendWidget(p, i % 10);
            w->setPos(i * 3 % 700, i * 7 % 400);
            w->setText(QStringLiteral("text %1 <%2>").arg(i).arg(p));
            if (i % 5 == 0) {
                EventInfo e;
                e.setType(i % 3);
                e.setUserType(i % 74);
                e.setParam(0, QString::number(i));
                e.setOwnerType(i % 10);
                w->addEvent(e);
            }
        }
    }
}

// Reading the file plus one bare XML pass over it: what any open costs at least.
void streamPass(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&file);
    while (!reader.atEnd())
        reader.readNext();
}

// Writing bytes to a file with nothing but a write and a sync to the disk: what any save
// of them costs at least.
void syncedWrite(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush())
        ::fdatasync(file.handle());
}

struct Figures
{
    int widgets;
    int rounds;
    qint64 bytes;
    RoundTimes save, build, write, load, windowLoad, stream;
    long savePeak, loadPeak;
};

// Peaks from one run of each step; times from rounds in which the steps take turns, so
// that the load of a shared machine touches all of them alike.
Figures measure(int pages, int perPage, int rounds, const QString &dir)
{
    Figures f {};
    f.widgets = pages * perPage;
    f.rounds = rounds;
    ProjectTestDesign design;
    fill(design, pages, perPage);
    const QString path = dir + QStringLiteral("/bench.yBEX");
    const QString plainPath = dir + QStringLiteral("/plain.bin");
    design.document.setFrameSize(QSize(800, 480));

    auto save = [&] { ProjectFile::save(path, design.document); };
    auto build = [&] { ProjectFile::serialize(design.document); };
    QScopedPointer<ProjectTestDesign> loaded;
    auto load = [&] {
        ProjectFile file;
        if (file.read(path))
            file.load(loaded->document, &loaded->canvas);
    };
    // The same file opened by the main window: pages, widgets and the page tree.
    MainWindow window;
    auto windowLoad = [&] { window.project()->openProject(path); };

    resetPeak();
    long before = peakKiB();
    save();
    f.savePeak = peakKiB() - before;
    f.bytes = QFileInfo(path).size();
    resetPeak();
    before = peakKiB();
    loaded.reset(new ProjectTestDesign);
    load();
    f.loadPeak = peakKiB() - before;
    loaded.reset();

    // The bytes the save wrote, for the plain write to write again.
    QByteArray saved;
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            saved = file.readAll();
    }
    for (int round = 0; round < rounds; ++round) {
        f.save.time(save);
        f.build.time(build);
        f.write.time([&] { syncedWrite(plainPath, saved); });
        loaded.reset(new ProjectTestDesign);
        f.load.time(load);
        QCoreApplication::sendPostedEvents();
        loaded.reset();
        window.pages()->clearAllPages();
        window.document().setProjectPath(QString());
        f.windowLoad.time(windowLoad);
        QCoreApplication::sendPostedEvents();
        f.stream.time([&] { streamPass(path); });
    }
    window.pages()->clearAllPages();
    window.document().setProjectPath(QString());
    QFile::remove(plainPath);
    return f;
}

void reportTable(const Figures &small, const Figures &large)
{
    std::printf("%-34s %12s %12s\n", "", "20 x 25", "100 x 50");
    std::printf("%-34s %12d %12d\n", "widgets", small.widgets, large.widgets);
    std::printf("%-34s %12.1f %12.1f\n", "file size (MB)", small.bytes / 1e6, large.bytes / 1e6);
    std::printf("%-34s %12d %12d\n", "rounds (times are their medians)", small.rounds,
                large.rounds);
    auto times = [&](const char *name, RoundTimes Figures::*step) {
        std::printf("%-34s %12.2f %12.2f\n", name, (small.*step).median(), (large.*step).median());
    };
    auto ratio = [&](const char *name, RoundTimes Figures::*step, RoundTimes Figures::*base) {
        std::printf("%-34s %12.2f %12.2f\n", name, (small.*step).median() / (small.*base).median(),
                    (large.*step).median() / (large.*base).median());
    };
    times("save (ms)", &Figures::save);
    times("  of it in memory (ms)", &Figures::build);
    times("write the same bytes, synced (ms)", &Figures::write);
    ratio("save / synced write", &Figures::save, &Figures::write);
    times("load (ms)", &Figures::load);
    times("load, main window (ms)", &Figures::windowLoad);
    times("read + bare stream pass (ms)", &Figures::stream);
    ratio("load / stream pass", &Figures::load, &Figures::stream);
    ratio("window load / stream pass", &Figures::windowLoad, &Figures::stream);
    std::printf("%-34s %12ld %12ld\n", "save peak (+KiB)", small.savePeak, large.savePeak);
    std::printf("%-34s %12ld %12ld\n", "load peak (+KiB)", small.loadPeak, large.loadPeak);
    auto growth = [&](RoundTimes Figures::*step) {
        return (large.*step).median() / (small.*step).median();
    };
    std::printf("growth with %.0fx the widgets: save %.2fx (in memory %.2fx), synced write %.2fx, "
                "load %.2fx, window load %.2fx, stream pass %.2fx (linear: %.0fx)\n",
                double(large.widgets) / small.widgets, growth(&Figures::save),
                growth(&Figures::build), growth(&Figures::write), growth(&Figures::load),
                growth(&Figures::windowLoad), growth(&Figures::stream),
                double(large.widgets) / small.widgets);
}

// Opening one file in the main window: its peak memory above what was in use before,
// the time it took and whether it opened.
struct OpenFigures
{
    qint64 bytes;
    long peakKiB;
    double ms;
    bool opened;
};

OpenFigures openOnce(MainWindow &window, const QString &path)
{
    window.pages()->clearAllPages();
    window.document().setProjectPath(QString());
    QCoreApplication::sendPostedEvents();
    OpenFigures f {};
    f.bytes = QFileInfo(path).size();
    resetPeak();
    const long before = peakKiB();
    f.ms = elapsedMs([&] { f.opened = window.project()->openProject(path); });
    f.peakKiB = peakKiB() - before;
    window.pages()->clearAllPages();
    window.document().setProjectPath(QString());
    QCoreApplication::sendPostedEvents();
    return f;
}

// Peak memory of an open stays within this many times the file's size. A design takes
// about twice its size; one huge value is held by the parser and by the parsed tree, which
// the widget shares, two bytes a character each (QtXml's DOM alone takes ten times the
// size).
constexpr double PeakBound = 8.0;

void measureFixtures(const QString &dir, const QString &designPath)
{
    struct Fixture
    {
        const char *name;
        QByteArray content;
    };
    using namespace HostileFixtures;
    const Fixture fixtures[] = {
        {"chart series of 10 MB", bigSeries(10 << 20)},
        {"540 KB of empty widgets", emptyWidgets(540 << 10)},
        {"30,000 widgets on a page", manyWidgets(30000)},
        {"80,000 levels in a value", deepValue(80000)},
        {"40,000 attributes", manyAttributes(40000)},
    };
    MainWindow window;
    std::printf("\n%-26s %10s %10s %8s %10s  %s\n", "open in the window", "file (KB)", "peak (KB)",
                "peak/file", "time (ms)", "result");
    bool within = true;
    auto report = [&](const char *name, const OpenFigures &f) {
        const double ratio = double(f.peakKiB) * 1024 / qMax<qint64>(1, f.bytes);
        within = within && ratio <= PeakBound;
        std::printf("%-26s %10lld %10ld %8.2f %10.1f  %s\n", name, f.bytes / 1024, f.peakKiB, ratio,
                    f.ms, f.opened ? "opened" : "refused");
    };
    report("design of 100 x 50", openOnce(window, designPath));
    for (const Fixture &fixture : fixtures) {
        const QString path = dir + QStringLiteral("/fixture.yBEX");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(fixture.content) != fixture.content.size())
            continue;
        file.close();
        report(fixture.name, openOnce(window, path));
    }
    std::printf("peak memory of every open <= %.0f x its file size: %s\n", PeakBound,
                within ? "yes" : "NO");
}

// Pages of twenty widgets, two of each type; pictures on a quarter of them, events on
// half the buttons, sliders, bars and arcs.
void fillMix(ProjectTestDesign &d, int pages, int pictures)
{
    constexpr int PerPage = 20;
    for (int p = 0; p < pages; ++p) {
        d.appendPage();
        d.page(p)->setPageName(QStringLiteral("page %1").arg(p));
        for (int i = 0; i < PerPage; ++i) {
            const WidgetType type = WidgetType(i % WidgetTypeCount);
            QMyWidget *w = d.appendWidget(p, widgetTypeCode(type));
            w->setPos(i % 5 * 150, i / 5 * 110);
            w->setText(QStringLiteral("text %1 on %2").arg(i).arg(p));
            if (i % 4 == 0)
                w->setIntValue(QStringLiteral("imageNum"), (p + i / 4) % pictures);
            const bool takesEvents = type == WidgetType::Btn || type == WidgetType::Slider
                || type == WidgetType::Prog || type == WidgetType::Arc;
            if (takesEvents && i < WidgetTypeCount) {
                EventInfo e;
                e.setType(0);
                e.setUserType(i % 74);
                e.setParam(0, QString::number(p));
                e.setOwnerType(widgetTypeCode(type));
                w->addEvent(e);
            }
        }
    }
}

// Notes the first paint of the canvas.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

struct OpeningFigures
{
    int pages;
    int rounds;
    qint64 bytes;
    RoundTimes stream, read, open, close;
    double teardown;
    long openPeak, processPeak;
};

// A design of this many pages saved into a project folder with a small picture library,
// then opened in a shown window up to the first paint of its current page and the end of
// the work that the open left queued, and closed again, in each round; the teardown and
// the peaks are of one run.
OpeningFigures measureOpening(int pages, int rounds, const QString &dir)
{
    OpeningFigures f {};
    f.pages = pages;
    f.rounds = rounds;
    const QString folder = dir + QStringLiteral("/open%1").arg(pages);
    const QString path = folder + QStringLiteral("/open.yBEX");
    QDir().mkpath(folder);
    ProjectFolder::createSubfolders(folder);
    constexpr int Pictures = 4;
    for (int i = 0; i < Pictures; ++i) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 80, 200, 200));
        picture.save(folder + QStringLiteral("/tempImages/%1_p%2.png").arg(100001 + i).arg(i));
    }
    {
        ProjectTestDesign design;
        fillMix(design, pages, Pictures);
        design.document.setFrameSize(QSize(800, 480));
        design.document.setResolution(QStringLiteral("800*480(WVGA1)"));
        ProjectFile::save(path, design.document);
        QElapsedTimer timer;
        timer.start();
        // The design goes with the block.
        design.document.clearPages();
        f.teardown = timer.nsecsElapsed() / 1e6;
    }
    f.bytes = QFileInfo(path).size();

    MainWindow window;
    window.show();
    QMyFrame *frame = window.findChild<QMyFrame *>(QStringLiteral("frame"));
    PaintWatch watch;
    frame->installEventFilter(&watch);
    QCoreApplication::processEvents();
    for (int round = 0; round < rounds; ++round) {
        f.stream.time([&] { streamPass(path); });
        f.read.time([&] {
            ProjectFile file;
            file.read(path);
        });

        window.pages()->clearAllPages();
        window.document().setProjectPath(QString());
        QCoreApplication::processEvents();
        resetPeak();
        const long before = peakKiB();
        watch.painted = false;
        f.open.time([&] {
            window.project()->openProject(path);
            while (!watch.painted)
                QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents();
        });
        if (round == 0) {
            f.processPeak = peakKiB();
            f.openPeak = f.processPeak - before;
        }

        f.close.time([&] {
            window.pages()->clearAllPages();
            QCoreApplication::sendPostedEvents();
        });
        window.document().setProjectPath(QString());
    }
    frame->removeEventFilter(&watch);
    QFile::remove(path);
    return f;
}

void reportOpening(const OpeningFigures &f)
{
    std::printf("\n%d pages x 20 widgets, file %.1f MB, median of %d rounds\n", f.pages,
                f.bytes / 1e6, f.rounds);
    auto times = [](const char *name, const RoundTimes &step) {
        std::printf("  %-44s %10.1f ms   (fastest %.1f, slowest %.1f)\n", name, step.median(),
                    step.fastest(), step.slowest());
    };
    times("read + bare QXmlStreamReader pass", f.stream);
    times("project file read (no window)", f.read);
    times("window open, to the first paint", f.open);
    std::printf("  %-44s %10.1f ms   (median open - median read)\n", "  after the read",
                f.open.median() - f.read.median());
    times("close in the window", f.close);
    std::printf("  %-44s %10.1f ms   (one run)\n", "teardown outside the window", f.teardown);
    std::printf("  %-44s %10ld MB\n", "peak memory of the process while opening",
                f.processPeak / 1024);
    std::printf("  %-44s %10ld MB (%.2f x the file)\n", "  of it taken by the open",
                f.openPeak / 1024, double(f.openPeak) * 1024 / qMax<qint64>(1, f.bytes));
    std::printf("window open / stream pass  %.2f   target <= 1.3 (ratio of the medians)\n",
                f.open.median() / f.stream.median());
    std::printf("close / window open  %.3f   target <= 0.1 (ratio of the medians)\n",
                f.close.median() / f.open.median());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // "opening" measures only the designs of 100 and 1,000 pages.
    const bool openingOnly = app.arguments().value(1) == QLatin1String("opening");

    if (!openingOnly) {
        const Figures small = measure(20, 25, 7, dir.path());
        const Figures large = measure(100, 50, 5, dir.path());

        reportTable(small, large);

        measureFixtures(dir.path(), dir.path() + QStringLiteral("/bench.yBEX"));
    }

    const OpeningFigures hundred = measureOpening(100, 5, dir.path());
    reportOpening(hundred);
    const OpeningFigures thousand = measureOpening(1000, 3, dir.path());
    reportOpening(thousand);
    std::printf("growth with 10x the pages: window open %.2f   target <= 11 (ratio of the "
                "medians)\n",
                thousand.open.median() / hundred.open.median());
    return 0;
}
