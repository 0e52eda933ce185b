// Reading project files shaped against the reader's checks: a long piece of markup (a
// comment, processing instruction, CDATA section or tag) followed by as many bytes of small
// pieces of the same kind, or small pieces alone, in UTF-8, UTF-16 and UTF-32, at two
// sizes. Each is timed against the floor of its size and encoding: the same long comment
// followed by spaces. First as a user meets it, a file opened and saved again by
// `ybexdriver roundtrip`; then the read alone, also against a bare pass of Qt's XML reader
// over the same file, with its peak memory. Then files of up to the largest size read, made
// as they are read, that a reader would hold whole: the time, the bytes read and the peak
// memory of refusing them. Last, designs as the program writes them, of 40 and 400 MB.
// Peaks are taken in a process of their own, so that no earlier
// step's heap hides or adds to them. Times are medians of rounds; every ratio is that of
// the printed medians.

#include "../../tests/generatedstream.h"
#include "../../tests/hostilefixtures.h"
#include "../peakmemory.h"
#include "../roundtimes.h"
#include "projectdocument.h"
#include "projectfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstring>

namespace {

constexpr int MiB = 1 << 20;
// Four times the size should cost at most this many times the time, and any shape at most
// this many times the floor of its size.
constexpr double GrowthTarget = 6.0;
constexpr double FloorTarget = 3.0;
constexpr double PeakTarget = 2.0;
constexpr int Rounds = 5;

struct Shape
{
    const char *name;
    // The long piece, its start and end around a run of one byte; none when it has no
    // start, and twice the small pieces instead.
    QByteArray longStart;
    char longFill;
    QByteArray longEnd;
    QByteArray small;
};

const Shape shapes[] = {
    {"floor: spaces", "<!--", 'x', "-->", QByteArray(63, ' ') + '\n'},
    {"comments", "<!--", 'x', "-->", "<!--c-->\n"},
    {"processing instructions", "<?p ", 'x', "?>", "<?p c?>\n"},
    {"CDATA sections", "<![CDATA[", 'x', "]]>", "<![CDATA[c]]>\n"},
    {"tags", "<a b=\"", 'x', "\"/>", "<a b=\"c\"/>\n"},
    // Comments without a "?" anywhere once cost a search to the end of the bytes read.
    {"small comments alone", "", 0, "", "<!--c-->\n"},
    {"small comments with a ?", "", 0, "", "<!--?-->\n"},
};
const QByteArray codecs[] = {QByteArray(), "UTF-16LE", "UTF-32LE"};
const int sizes[] = {2, 8};

// The small design the tests keep, read once.
const QByteArray &goldenDesign()
{
    static const QByteArray content = [] {
        QFile golden(QStringLiteral(YBEX_SOURCE_DIR "/tests/data/golden_small.yBEX"));
        return golden.open(QIODevice::ReadOnly) ? golden.readAll() : QByteArray();
    }();
    return content;
}

// A long piece of `mib` MiB and as many MiB of small pieces, right after the root's start
// tag of the golden design, in the encoding of the codec (UTF-8 for none).
QByteArray shaped(const Shape &shape, int mib, const QByteArray &codec)
{
    if (goldenDesign().isEmpty())
        return QByteArray();
    QByteArray pieces;
    if (shape.longStart.isEmpty()) {
        pieces = shape.small.repeated(2 * mib * MiB / shape.small.size());
    } else {
        const int fill = mib * MiB - shape.longStart.size() - shape.longEnd.size() - 1;
        pieces = shape.longStart + QByteArray(fill, shape.longFill) + shape.longEnd + '\n'
            + shape.small.repeated(mib * MiB / shape.small.size());
    }
    QByteArray content = goldenDesign();
    content.insert(content.indexOf("<ui>\n") + 5, pieces);
    return codec.isEmpty() ? content : HostileFixtures::inEncoding(content, codec);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(content) == content.size();
}

// The peak memory of a step in a process of its own: this program, run with the arguments
// of the step, prints it.
long peakInChild(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1))
        return -1;
    return child.readAllStandardOutput().trimmed().toLong();
}

struct Figures
{
    qint64 bytes = 0;
    double roundTrip = 0;
    double read = 0;
    double bare = 0;
    long peakKiB = 0;
    bool ok = true;
};

Figures measure(const QString &path, const QString &out)
{
    Figures f;
    f.bytes = QFile(path).size();
    RoundTimes roundTrip, read, bare;
    for (int round = 0; round < Rounds; ++round) {
        if (!out.isEmpty()) {
            roundTrip.time([&] {
                QProcess driver;
                driver.setStandardOutputFile(QProcess::nullDevice());
                driver.setStandardErrorFile(QProcess::nullDevice());
                driver.start(QStringLiteral(YBEX_DRIVER), {QStringLiteral("roundtrip"), path, out});
                f.ok = driver.waitForFinished(-1) && driver.exitStatus() == QProcess::NormalExit
                    && driver.exitCode() == 0 && f.ok;
            });
        }
        read.time([&] {
            ProjectFile file;
            f.ok = file.read(path) && f.ok;
        });
        bare.time([&] {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            QXmlStreamReader reader(&file);
            while (!reader.atEnd())
                reader.readNext();
        });
    }
    f.roundTrip = roundTrip.median() / 1000;
    f.read = read.median();
    f.bare = bare.median();
    f.peakKiB = peakInChild({QStringLiteral("peak"), path});
    return f;
}

bool reportShapes(const QString &dir)
{
    const QString path = dir + QStringLiteral("/shape.yBEX");
    const QString out = dir + QStringLiteral("/saved.yBEX");
    // By encoding, shape and size.
    Figures figures[3][std::size(shapes)][2];
    for (int c = 0; c < 3; ++c) {
        for (size_t s = 0; s < std::size(shapes); ++s) {
            for (int z = 0; z < 2; ++z) {
                const QByteArray content = shaped(shapes[s], sizes[z], codecs[c]);
                if (!content.isEmpty() && writeFile(path, content))
                    figures[c][s][z] = measure(path, out);
                else
                    figures[c][s][z].ok = false;
            }
        }
    }
    QFile::remove(path);
    QFile::remove(out);

    const auto name = [](int c) { return codecs[c].isEmpty() ? "UTF-8" : codecs[c].constData(); };
    bool within = true;
    std::printf("A long piece of N MiB, then N MiB of small ones (or 2N MiB of small ones alone),\n"
                "after the root's start tag of a small design. Medians of %d rounds.\n\n",
                Rounds);
    std::printf("Opened and saved again by ybexdriver roundtrip, as a user meets it (s)\n");
    std::printf("%-9s %-26s %7s %7s %7s %7s %7s %7s %7s\n", "encoding", "shape", "MB", "2+2",
                "x floor", "MB", "8+8", "x floor", "growth");
    for (int c = 0; c < 3; ++c) {
        for (size_t s = 0; s < std::size(shapes); ++s) {
            const Figures(&f)[2] = figures[c][s];
            const Figures(&floor)[2] = figures[c][0];
            const double small = f[0].roundTrip / floor[0].roundTrip;
            const double large = f[1].roundTrip / floor[1].roundTrip;
            const double growth = f[1].roundTrip / f[0].roundTrip;
            within = within && f[0].ok && f[1].ok && small <= FloorTarget && large <= FloorTarget
                && growth <= GrowthTarget;
            std::printf("%-9s %-26s %7.1f %7.3f %7.2f %7.1f %7.3f %7.2f %7.2f%s\n", name(c),
                        shapes[s].name, f[0].bytes / 1e6, f[0].roundTrip, small, f[1].bytes / 1e6,
                        f[1].roundTrip, large, growth, f[0].ok && f[1].ok ? "" : "  FAILED");
        }
    }
    std::printf("every shape <= %.0f x its floor, growth with 4x the size <= %.0f x: %s\n\n",
                FloorTarget, GrowthTarget, within ? "yes" : "NO");

    bool linear = true;
    bool small = true;
    std::printf("The read alone, in this process (ms); bare = Qt's XML reader alone over the "
                "file;\npeak = the read's peak memory in a process of its own\n");
    std::printf("%-9s %-26s %7s %7s %7s %7s %7s %7s %7s %9s\n", "encoding", "shape", "2+2",
                "x floor", "/ bare", "8+8", "x floor", "/ bare", "growth", "peak/file");
    for (int c = 0; c < 3; ++c) {
        for (size_t s = 0; s < std::size(shapes); ++s) {
            const Figures(&f)[2] = figures[c][s];
            const Figures(&floor)[2] = figures[c][0];
            const double growth = f[1].read / f[0].read;
            const double peak = double(f[1].peakKiB) * 1024 / f[1].bytes;
            linear = linear && growth <= GrowthTarget;
            small = small && peak < PeakTarget;
            std::printf("%-9s %-26s %7.1f %7.2f %7.2f %7.1f %7.2f %7.2f %7.2f %9.2f\n", name(c),
                        shapes[s].name, f[0].read, f[0].read / floor[0].read, f[0].read / f[0].bare,
                        f[1].read, f[1].read / floor[1].read, f[1].read / f[1].bare, growth, peak);
        }
    }
    std::printf("growth with 4x the size <= %.0f x: %s; peak memory < %.0f x the file: %s\n",
                GrowthTarget, linear ? "yes" : "NO", PeakTarget, small ? "yes" : "NO");
    return within && linear && small;
}

struct Stream
{
    const char *name;
    QByteArray head;
    QByteArray unit;
    qint64 size;
};

QVector<Stream> streams()
{
    using HostileFixtures::inEncoding;
    const QByteArray head = HostileFixtures::declaration() + "<ui>";
    const QByteArray chinese16 = inEncoding("\xe4\xb8\xad", "UTF-16LE", false);
    return {
        {"UTF-16 comment, 398 MB", inEncoding(head + "<!--", "UTF-16LE"), chinese16, 398000000},
        {"UTF-16 comment, 760 MB", inEncoding(head + "<!--", "UTF-16LE"), chinese16, 760000000},
        {"UTF-8 comment, 1 GiB", head + "<!--", "x", ProjectFile::MaxFileSize},
        {"UTF-8 text, 1 GiB", head + "\n", "a", ProjectFile::MaxFileSize},
        {"UTF-32 tag of emoji, 1 GiB", inEncoding(head + "<a b=\"", "UTF-32LE"),
         inEncoding("\xf0\x9f\x98\x80", "UTF-32LE", false), ProjectFile::MaxFileSize},
    };
}

// Reads a stream: its time, how far it was read and the message.
bool readStream(const Stream &s, double *ms, qint64 *reached, QString *message)
{
    GeneratedStream stream(s.head, s.unit, s.size);
    ProjectDocument document;
    ProjectDocument::Handler nothing;
    bool read = false;
    *ms = elapsedMs([&] { read = document.read(&stream, nothing, ProjectFile::MaxFileSize); });
    *reached = stream.reached();
    *message = read ? QStringLiteral("read") : document.errorString();
    return read;
}

bool reportStreams()
{
    std::printf("\nFiles made as they are read, each as large as the reader takes\n%-28s %10s "
                "%10s %10s %10s %10s  %s\n",
                "file", "size (MB)", "read (MB)", "ms", "peak (MB)", "peak/size", "result");
    bool within = true;
    const QVector<Stream> all = streams();
    for (int i = 0; i < all.size(); ++i) {
        const Stream &s = all.at(i);
        double ms = 0;
        qint64 reached = 0;
        QString message;
        readStream(s, &ms, &reached, &message);
        const long peak = peakInChild({QStringLiteral("stream"), QString::number(i)});
        const double ratio = double(peak) * 1024 / s.size;
        within = within && ratio < PeakTarget;
        std::printf("%-28s %10.1f %10.1f %10.1f %10.1f %10.3f  %s\n", s.name, s.size / 1e6,
                    reached / 1e6, ms, peak / 1024.0, ratio, qPrintable(message.left(24)));
    }
    std::printf("peak memory of every read < %.0f x the file's size: %s\n", PeakTarget,
                within ? "yes" : "NO");
    return within;
}

// The golden design with its page repeated until the file has about `bytes` bytes, each
// copy a page of its own.
QByteArray designOf(qint64 bytes)
{
    const QByteArray &content = goldenDesign();
    const int begin = content.indexOf("    <page pageid=\"1\">");
    const int end = content.indexOf("</page>", begin) + int(strlen("</page>\n"));
    const QByteArray page = content.mid(begin, end - begin);
    QByteArray design;
    design.reserve(int(bytes + page.size() + content.size()));
    design += content.left(begin);
    for (int i = 1; design.size() < bytes; ++i)
        design +=
            QByteArray(page).replace("pageid=\"1\"", "pageid=\"" + QByteArray::number(i) + '"');
    design += content.mid(end);
    return design;
}

bool reportDesigns(const QString &dir)
{
    std::printf("\nDesigns as the program writes them: the golden page repeated\n%-12s %10s "
                "%10s %10s %10s %10s\n",
                "file (MB)", "pages", "read (ms)", "/ bare", "peak (MB)", "peak/file");
    const QString path = dir + QStringLiteral("/design.yBEX");
    bool within = true;
    for (const qint64 bytes : {qint64(40) << 20, qint64(400) << 20}) {
        const QByteArray design = designOf(bytes);
        if (!writeFile(path, design))
            return false;
        const int pages = design.count("<page ");
        const Figures f = measure(path, QString());
        const double ratio = double(f.peakKiB) * 1024 / f.bytes;
        within = within && f.ok && ratio < PeakTarget;
        std::printf("%-12.1f %10d %10.1f %10.2f %10.1f %10.2f%s\n", f.bytes / 1e6, pages, f.read,
                    f.read / f.bare, f.peakKiB / 1024.0, ratio, f.ok ? "" : "  NOT READ");
    }
    QFile::remove(path);
    std::printf("peak memory of every read < %.0f x the file's size: %s\n", PeakTarget,
                within ? "yes" : "NO");
    return within;
}

// In a process of its own: prints the peak memory of one read, in KiB above what the
// process held before it.
int printPeak(const QStringList &arguments)
{
    resetPeak();
    const long before = peakKiB();
    if (arguments.value(1) == QLatin1String("peak")) {
        ProjectFile file;
        file.read(arguments.value(2));
    } else {
        double ms = 0;
        qint64 reached = 0;
        QString message;
        readStream(streams().value(arguments.value(2).toInt()), &ms, &reached, &message);
    }
    std::printf("%ld\n", peakKiB() - before);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3)
        return printPeak(arguments);
    QTemporaryDir dir;
    // One block alone: "shapes", "streams" or "designs".
    const QString only = arguments.value(1);
    const auto runs = [&only](const char *block) { return only.isEmpty() || only == block; };
    const bool shapesWithin = !runs("shapes") || reportShapes(dir.path());
    const bool streamsWithin = !runs("streams") || reportStreams();
    const bool designsWithin = !runs("designs") || reportDesigns(dir.path());
    std::printf("\nall targets met: %s\n",
                shapesWithin && streamsWithin && designsWithin ? "yes" : "NO");
    return 0;
}
