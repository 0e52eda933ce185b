// Generating the module files of a design of 20 pages x 25 widgets (every type, events on
// every page, timer and event-holding widget), against writing a file of the same number
// of bytes to the same disk the way the container is written (replaced whole, synced).
// The run writes every section of all.cfg as a file of its own first and removes them at
// the end; the same files written, read and removed by themselves are shown as well, since
// on some disks creating a file costs far more than writing its bytes.

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
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Pages = 20;
constexpr int PerPage = 25;
constexpr int Rounds = 9;

double elapsedMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

EventInfo makeEvent(int owner, int type, int userType)
{
    EventInfo e;
    e.setOwnerType(owner);
    e.setType(type);
    e.setUserType(userType);
    e.setDefaultParams();
    return e;
}

// Every event type of a holder gets two events.
template<class Add> void addEvents(int owner, int types, int seed, Add add)
{
    for (int n = 0; n < types; ++n) {
        add(makeEvent(owner, n, (seed + n) % EventInfo::FunctionCount));
        add(makeEvent(owner, n, (seed + 7 * n + 3) % EventInfo::FunctionCount));
    }
}

void fill(QWidget *canvas, DesignDocument &design)
{
    for (int p = 0; p < Pages; ++p) {
        PageParam *page = design.page(design.addPage());
        addEvents(-1, 2, p, [&](const EventInfo &e) { page->appendEvent(e); });
        for (int i = 0; i < PerPage; ++i) {
            const int type = i % WidgetTypeCount;
            QMyWidget *w = QMyWidgetFactory::create(WidgetType(type), i + 1, canvas);
            w->setPos(i * 13 % 700, i * 17 % 400);
            w->setText(QStringLiteral("text %1 on page %2").arg(i).arg(p));
            w->setLongTextLen(24);
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

void writeTemplates(const QString &folder)
{
    QDir().mkpath(folder);
    // Sizes of the order the module's own files have.
    const struct
    {
        const char *name;
        int size;
    } files[] = {{"init.bin", 64 * 1024}, {"xvar.bin", 16 * 1024}, {"keyboard.py", 12 * 1024}};
    for (const auto &f : files) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(f.name));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(f.size, 'k'));
    }
}

// The size of each section of a container.
QList<int> sectionSizes(const QString &path)
{
    QFile file(path);
    QList<int> sizes;
    if (!file.open(QIODevice::ReadOnly))
        return sizes;
    const QByteArray all = file.readAll();
    for (int at = 0; at + 16 <= all.size();) {
        const quint32 length = quint8(all[at + 8]) | quint8(all[at + 9]) << 8
            | quint8(all[at + 10]) << 16 | quint32(quint8(all[at + 11])) << 24;
        sizes.append(int(length));
        at += 16 + int(length);
    }
    return sizes;
}

// One file per section, in one folder per page as the run makes them: written, read back,
// removed.
void writeSectionFiles(const QString &folder, const QList<int> &sizes)
{
    QDir().mkpath(folder);
    for (int i = 0; i < sizes.size(); ++i) {
        const QString sub = folder + QStringLiteral("/page%1").arg(i % Pages);
        QDir().mkdir(sub);
        QFile file(sub + QStringLiteral("/f%1").arg(i));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(sizes.at(i), 's'));
    }
    for (int i = 0; i < sizes.size(); ++i) {
        QFile file(folder + QStringLiteral("/page%1/f%2").arg(i % Pages).arg(i));
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    }
    QDir(folder).removeRecursively();
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

    QWidget canvas;
    DesignDocument design;
    design.setProjectPath(dir.filePath(QStringLiteral("bench.yBEX")));
    design.setFrameSize(QSize(800, 480));
    fill(&canvas, design);
    // The buttons and labels draw with font 0, which the project has.
    design.setFontIds({QStringLiteral("0")});
    AllCfg generator;
    generator.setTemplateFolder(dir.filePath(QStringLiteral("file")));

    const QString allCfg = dir.filePath(QStringLiteral("allFile/all.cfg"));
    int code = 0;
    double generate = 0, plain = 0, files = 0;
    qint64 bytes = 0;
    QList<int> sections;
    for (int round = 0; round < Rounds; ++round) {
        const double g = elapsedMs([&] { code = generator.createAllCfg(design); });
        if (code != 0) {
            std::fprintf(stderr, "generation failed with %d\n", code);
            return 1;
        }
        bytes = QFileInfo(allCfg).size();
        const QByteArray same(int(bytes), 'x');
        const double w = elapsedMs([&] {
            QSaveFile file(dir.filePath(QStringLiteral("plain.bin")));
            if (file.open(QIODevice::WriteOnly))
                file.write(same);
            file.commit();
        });
        sections = sectionSizes(allCfg);
        const double f =
            elapsedMs([&] { writeSectionFiles(dir.filePath(QStringLiteral("files")), sections); });
        generate = round == 0 ? g : std::min(generate, g);
        plain = round == 0 ? w : std::min(plain, w);
        files = round == 0 ? f : std::min(files, f);
    }

    std::printf("design: %d pages x %d widgets, all.cfg %.1f KB in %d sections\n", Pages, PerPage,
                bytes / 1024.0, int(sections.size()));
    std::printf("%-40s %8.2f ms\n", "generate all.cfg", generate);
    std::printf("%-40s %8.2f ms\n", "write the same bytes (synced)", plain);
    std::printf("%-40s %8.2f    target <= 2\n", "generate / write", generate / plain);
    std::printf("%-40s %8.2f ms\n", "the sections as files: write, read, remove", files);
    std::printf("%-40s %8.2f\n", "generate / (write + section files)", generate / (plain + files));
    return 0;
}
