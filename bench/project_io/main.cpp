// Saving and loading project files of 20 x 25 and 100 x 50 widgets, against what QtXml's
// DOM alone takes to parse and serialise the same file; then the peak memory of opening
// each damaged or hostile file against its size.

#include "../../tests/hostilefixtures.h"
#include "../../tests/projecttesttarget.h"
#include "designglobals.h"
#include "mainwindow.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "projectfile.h"

#include <QApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Peak resident memory in KiB since the last reset.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Freed memory goes back to the system first, so that a step's peak is not hidden in
// memory an earlier step freed but still holds.
void resetPeak()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double elapsedMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

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

struct Figures
{
    int widgets;
    qint64 bytes;
    double save, build, load, windowLoad, parse, serialise;
    long savePeak, loadPeak, parsePeak;
};

// Peaks from one run of each step; times as the best of several rounds in which the steps
// take turns, so that the load of a shared machine touches all of them alike.
Figures measure(int pages, int perPage, int rounds, const QString &dir)
{
    Figures f {};
    f.widgets = pages * perPage;
    ProjectTestDesign design;
    fill(design, pages, perPage);
    const QString path = dir + QStringLiteral("/bench.yBEX");
    design.document.setFrameSize(QSize(800, 480));

    QByteArray content;
    auto save = [&] { ProjectFile::save(path, design.document); };
    auto build = [&] { content = ProjectFile::serialize(design.document); };
    QScopedPointer<ProjectTestDesign> loaded;
    auto load = [&] {
        ProjectFile file;
        if (file.read(path))
            file.load(loaded->document, &loaded->canvas);
    };
    QDomDocument doc;
    auto parse = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        doc = QDomDocument();
        doc.setContent(file.readAll());
    };
    auto serialise = [&] {
        QByteArray out;
        QTextStream stream(&out);
        doc.save(stream, 4, QDomNode::EncodingFromDocument);
        stream.flush();
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
    resetPeak();
    before = peakKiB();
    parse();
    f.parsePeak = peakKiB() - before;

    for (int round = 0; round < rounds; ++round) {
        const bool first = round == 0;
        const double saveMs = elapsedMs(save);
        f.save = first ? saveMs : std::min(f.save, saveMs);
        const double buildMs = elapsedMs(build);
        f.build = first ? buildMs : std::min(f.build, buildMs);
        const double serialiseMs = elapsedMs(serialise);
        f.serialise = first ? serialiseMs : std::min(f.serialise, serialiseMs);
        loaded.reset(new ProjectTestDesign);
        const double loadMs = elapsedMs(load);
        f.load = first ? loadMs : std::min(f.load, loadMs);
        QCoreApplication::sendPostedEvents();
        loaded.reset();
        window.pages()->clearAllPages();
        window.document().setProjectPath(QString());
        const double windowMs = elapsedMs(windowLoad);
        f.windowLoad = first ? windowMs : std::min(f.windowLoad, windowMs);
        QCoreApplication::sendPostedEvents();
        const double parseMs = elapsedMs(parse);
        f.parse = first ? parseMs : std::min(f.parse, parseMs);
    }
    window.pages()->clearAllPages();
    window.document().setProjectPath(QString());
    return f;
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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;

    const Figures small = measure(20, 25, 7, dir.path());
    const Figures large = measure(100, 50, 4, dir.path());

    std::printf("%-22s %12s %12s\n", "", "20 x 25", "100 x 50");
    std::printf("%-22s %12d %12d\n", "widgets", small.widgets, large.widgets);
    std::printf("%-22s %12.1f %12.1f\n", "file size (MB)", small.bytes / 1e6, large.bytes / 1e6);
    std::printf("%-22s %12.1f %12.1f\n", "save (ms)", small.save, large.save);
    std::printf("%-22s %12.1f %12.1f\n", "  of it in memory (ms)", small.build, large.build);
    std::printf("%-22s %12.1f %12.1f\n", "DOM serialise (ms)", small.serialise, large.serialise);
    std::printf("%-22s %12.2f %12.2f   target <= 2\n", "save / serialise",
                small.save / small.serialise, large.save / large.serialise);
    std::printf("%-22s %12.1f %12.1f\n", "load (ms)", small.load, large.load);
    std::printf("%-22s %12.1f %12.1f\n", "load, main window (ms)", small.windowLoad,
                large.windowLoad);
    std::printf("%-22s %12.1f %12.1f\n", "DOM parse (ms)", small.parse, large.parse);
    std::printf("%-22s %12.2f %12.2f   target <= 3\n", "load / parse", small.load / small.parse,
                large.load / large.parse);
    // The window parses the file once per open.
    std::printf("%-22s %12.2f %12.2f   target <= 1.2\n", "window load / parse",
                small.windowLoad / small.parse, large.windowLoad / large.parse);
    std::printf("%-22s %12ld %12ld\n", "save peak (+KiB)", small.savePeak, large.savePeak);
    std::printf("%-22s %12ld %12ld\n", "load peak (+KiB)", small.loadPeak, large.loadPeak);
    std::printf("%-22s %12ld %12ld\n", "DOM parse peak (+KiB)", small.parsePeak, large.parsePeak);
    const double growth = double(large.widgets) / small.widgets;
    std::printf("growth with %.0fx the widgets: save %.2fx (in memory %.2fx), load %.2fx, "
                "window load %.2fx, DOM parse %.2fx, DOM serialise %.2fx (linear: %.0fx)\n",
                growth, large.save / small.save, large.build / small.build, large.load / small.load,
                large.windowLoad / small.windowLoad, large.parse / small.parse,
                large.serialise / small.serialise, growth);

    measureFixtures(dir.path(), dir.path() + QStringLiteral("/bench.yBEX"));
    return 0;
}
