// Generating the module files of designs of 100 and 1,000 pages x 20 widgets (all ten
// types, pictures on every widget that shows one, events on every page, timer and
// event-holding widget), against one write of the same number of bytes to the same disk
// the way the container is written (replaced whole, synced). Generation puts all.cfg
// together in memory and writes it alone, so it should cost a few such writes at most.
// Both are timed in the same rounds; each prints its median and the ratio is that of the
// two medians.

#include "../roundtimes.h"
#include "allcfg.h"
#include "bootparam.h"
#include "designdocument.h"
#include "designglobals.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "timerparam.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int PerPage = 20;
constexpr int Pictures = 12;

EventInfo makeEvent(int owner, int type, int userType)
{
    EventInfo e;
    e.setOwnerType(owner);
    e.setType(type);
    e.setUserType(userType);
    e.setDefaultParams();
    return e;
}

// Every event type of a holder gets two events. Functions whose defaults the generator
// refuses (a result variable that is no name) are skipped.
template<class Add> void addEvents(int owner, int types, int seed, Add add)
{
    for (int n = 0; n < types; ++n) {
        for (int k : {seed + n, seed + 7 * n + 3}) {
            EventInfo e = makeEvent(owner, n, k % EventInfo::FunctionCount);
            if (e.codeProblem() != EventInfo::CodeProblem::None)
                e = makeEvent(owner, n, 31);
            add(e);
        }
    }
}

void fill(int pages, QWidget *canvas, DesignDocument &design)
{
    for (int p = 0; p < pages; ++p) {
        PageParam *page = design.page(design.addPage());
        page->setPageImageNum(p % Pictures);
        addEvents(-1, 2, p, [&](const EventInfo &e) { page->appendEvent(e); });
        for (int i = 0; i < PerPage; ++i) {
            const int type = i % WidgetTypeCount;
            QMyWidget *w = QMyWidgetFactory::create(WidgetType(type), i + 1, canvas);
            w->setPos(i * 13 % 700, i * 17 % 400);
            w->setText(QStringLiteral("text ") + QString::number(i) + QStringLiteral(" on page ")
                       + QString::number(p));
            w->setLongTextLen(24);
            w->setImageNum((p + i) % Pictures);
            w->setSelectImageNum((p + i + 1) % Pictures);
            w->setPressImageNum((p + i + 2) % Pictures);
            w->setHandleImageNum((p + i + 3) % Pictures);
            w->setProgImageNum((p + i + 4) % Pictures);
            const int types = type == 0 ? 2 : (type == 3 || type == 6 || type == 7) ? 3 : 0;
            addEvents(type, types, i, [&](const EventInfo &e) { w->addEvent(e); });
            design.addWidget(p, w);
        }
    }
    for (int t = 0; t < AllCfg::TimerCount; ++t) {
        addEvents(t == AllCfg::SleepTimer ? -3 : -2, t == AllCfg::SleepTimer ? 2 : 1, t,
                  [&](const EventInfo &e) { design.timer(t)->appendEvent(e); });
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void writeTemplates(const QString &folder)
{
    QDir().mkpath(folder);
    // Sizes of the order the module's own files have.
    writeFile(folder + QStringLiteral("/init.bin"), QByteArray(64 * 1024, 'i'));
    writeFile(folder + QStringLiteral("/xvar.bin"), QByteArray(16 * 1024, 'x'));
    writeFile(folder + QStringLiteral("/keyboard.py"), QByteArray(12 * 1024, 'k'));
}

// Rounds of a generation followed by a synced write of as many bytes, so that the load of
// a shared machine touches both alike. False when generation failed.
bool measure(int pages, int rounds, const QTemporaryDir &dir, const QStringList &pictures,
             AllCfg &generator)
{
    QWidget canvas;
    DesignDocument design;
    design.setProjectPath(dir.filePath(QStringLiteral("bench.yBEX")));
    design.setFrameSize(QSize(800, 480));
    design.setPictures(pictures);
    // The buttons and labels draw with font 0, which the project has.
    design.setFontIds({QStringLiteral("0")});
    fill(pages, &canvas, design);

    const QString allCfg = dir.filePath(QStringLiteral("allFile/all.cfg"));
    RoundTimes generate, plain;
    qint64 bytes = 0;
    for (int round = 0; round < rounds; ++round) {
        int code = 0;
        generate.time([&] { code = generator.createAllCfg(design); });
        if (code != AllCfg::Success) {
            std::fprintf(stderr, "generation failed with %d: %s\n", code,
                         qPrintable(generator.failureDetail()));
            return false;
        }
        bytes = QFileInfo(allCfg).size();
        const QByteArray same(int(bytes), 'x');
        plain.time([&] {
            QSaveFile file(dir.filePath(QStringLiteral("plain.bin")));
            if (file.open(QIODevice::WriteOnly))
                file.write(same);
            file.commit();
        });
    }

    std::printf("design: %d pages x %d widgets, all.cfg %.1f KB, median of %d rounds\n", pages,
                PerPage, bytes / 1024.0, rounds);
    auto line = [](const char *name, const RoundTimes &times) {
        std::printf("  %-38s %9.3f ms   (fastest %.3f, slowest %.3f)\n", name, times.median(),
                    times.fastest(), times.slowest());
    };
    line("generate all.cfg", generate);
    line("write the same bytes (synced)", plain);
    std::printf("  %-38s %9.2f    target <= 5 (ratio of the two medians)\n",
                "generate / synced write", generate.median() / plain.median());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Beside the working folder, so that both writes go to the disk a project lives on.
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("bench-generate-XXXXXX")));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a folder in %s\n", qPrintable(QDir::currentPath()));
        return 1;
    }
    writeTemplates(dir.filePath(QStringLiteral("file")));
    // The library's pictures, as the widgets name them.
    QDir().mkpath(dir.filePath(QStringLiteral("tempImages")));
    QStringList pictures;
    for (int i = 0; i < Pictures; ++i) {
        const QString path = dir.filePath(QStringLiteral("tempImages/") + QString::number(i)
                                          + QStringLiteral("_p.png"));
        writeFile(path, QByteArray("picture"));
        pictures.append(path);
    }

    AllCfg generator;
    generator.setTemplateFolder(dir.filePath(QStringLiteral("file")));
    const bool done =
        measure(100, 15, dir, pictures, generator) && measure(1000, 15, dir, pictures, generator);
    return done ? 0 : 1;
}
