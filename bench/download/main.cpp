// Job 0 with a 128 KB container against the simulated module on an emulated line, next to
// a sender that acts at once on every answer (a blocking loop over the same module and line)
// and to lrzsz's sb sending the same file to rb over the same emulated line. Throughput is
// the file's bytes per second as a share of the line rate (8N1: baud / 10 bytes per second).
//
//   data   from the first byte of the first data block to the ACK of the last one
//   batch  from the receiver's first C to the ACK of the empty block 0; the worker's
//          figure includes the two 50 ms pauses the module expects before block 0 and
//          before the first data block

#include "ptypair.h"
#include "simulatedmodule.h"
#include "ymodem.h"
#include "ymodemframe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;
using namespace std::chrono;

namespace {

constexpr int ContainerSize = 128 * 1024;

constexpr int Runs = 3;

struct Figures
{
    double data = 0; // share of the line rate
    double batch = 0;
    bool ok = false;
};

Figures median(QList<Figures> runs)
{
    Figures result;
    result.ok = std::all_of(runs.begin(), runs.end(), [](const Figures &f) { return f.ok; });
    std::sort(runs.begin(), runs.end(),
              [](const Figures &a, const Figures &b) { return a.data < b.data; });
    result.data = runs.at(runs.size() / 2).data;
    std::sort(runs.begin(), runs.end(),
              [](const Figures &a, const Figures &b) { return a.batch < b.batch; });
    result.batch = runs.at(runs.size() / 2).batch;
    return result;
}

double share(qint64 bytes, Clock::duration elapsed, int baud)
{
    const double seconds = duration<double>(elapsed).count();
    return seconds > 0 ? bytes / seconds / (baud / 10.0) : 0;
}

Figures runWorker(const QString &folder, int baud, int processingUs)
{
    SimulatedModuleOptions options;
    options.baud = baud;
    options.processingUs = processingUs;
    SimulatedModule module(options);
    YModem worker;
    bool open = false;
    QObject::connect(&worker, &YModem::s_sendPortStatus, [&](bool o) { open = o; });
    worker.slotOpenClosePort(true, module.portPath(), baud);
    QElapsedTimer clock;
    clock.start();
    while (!open && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    YModemJob job;
    job.job = YModemJob::Project;
    job.directory = folder + QStringLiteral("/allFile/");
    job.fileName = QStringLiteral("all.cfg");
    job.projectFolder = folder;
    worker.startJob(job);
    while (worker.isJobPending() && clock.elapsed() < 60000)
        QThread::msleep(5);
    Figures figures;
    const SimulatedModule::Timing t = module.timing();
    figures.ok = !module.files().isEmpty() && module.files().first().data.size() == ContainerSize;
    figures.data = share(t.dataBytes, t.lastDataAck - t.firstDataStart, baud);
    figures.batch = share(t.dataBytes, t.batchEnd - t.batchStart, baud);
    return figures;
}

// Waits until the bytes read from fd hold every wanted byte; false after 5 s.
bool awaitBytes(int fd, std::initializer_list<char> wanted)
{
    QByteArray seen;
    const Clock::time_point deadline = Clock::now() + seconds(5);
    for (;;) {
        bool all = true;
        for (char c : wanted)
            all = all && seen.contains(c);
        if (all)
            return true;
        const int left = int(duration_cast<milliseconds>(deadline - Clock::now()).count());
        if (left <= 0)
            return false;
        pollfd p {fd, POLLIN, 0};
        if (::poll(&p, 1, left) <= 0)
            continue;
        char buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            seen.append(buffer, int(n));
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The same batch from a sender that does nothing but wait for each answer and write the next
// block at once: the most a stop-and-wait sender gets from this module and this line.
Figures runAtOnce(const QByteArray &file, int baud, int processingUs)
{
    SimulatedModuleOptions options;
    options.baud = baud;
    options.processingUs = processingUs;
    SimulatedModule module(options);
    const int fd = ::open(QFile::encodeName(module.portPath()).constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return {};
    termios tio {};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
    bool ok = writeAll(fd, "dcfg\n") && awaitBytes(fd, {YModemFrame::C})
        && writeAll(fd, YModemFrame::fileHeader(QStringLiteral("all.cfg"), file.size()))
        && awaitBytes(fd, {YModemFrame::Ack, YModemFrame::C});
    quint8 number = 1;
    for (qint64 offset = 0; ok && offset < file.size(); ++number) {
        const qint64 remaining = file.size() - offset;
        const int bytes = YModemFrame::dataBlockBytes(remaining);
        ok = writeAll(fd,
                      YModemFrame::block(number, file.constData() + offset, bytes,
                                         YModemFrame::dataBlockSize(remaining)))
            && awaitBytes(fd, {YModemFrame::Ack});
        offset += bytes;
    }
    ok = ok && writeAll(fd, QByteArray(1, YModemFrame::Eot)) && awaitBytes(fd, {YModemFrame::Nak})
        && writeAll(fd, QByteArray(1, YModemFrame::Eot))
        && awaitBytes(fd, {YModemFrame::Ack, YModemFrame::C})
        && writeAll(fd, YModemFrame::endOfBatch()) && awaitBytes(fd, {YModemFrame::Ack});
    ::close(fd);
    Figures figures;
    const SimulatedModule::Timing t = module.timing();
    figures.ok = ok && !module.files().isEmpty() && module.files().first().data == file;
    figures.data = share(t.dataBytes, t.lastDataAck - t.firstDataStart, baud);
    figures.batch = share(t.dataBytes, t.batchEnd - t.batchStart, baud);
    return figures;
}

// One direction of the emulated line: what is written leaves after its time on the wire.
struct Line
{
    Clock::duration byteTime {};
    Clock::duration extra {}; // the receiver's processing before it answers
    Clock::time_point free;
    std::deque<std::pair<Clock::time_point, QByteArray>> queue;

    void put(const QByteArray &bytes, Clock::time_point now)
    {
        free = std::max(free, now) + byteTime * bytes.size();
        queue.emplace_back(free + extra, bytes);
    }
};

// sb -> rb through the emulated line, watching the sender's blocks for the same windows.
// sb talks through a pseudo-terminal as the worker does; rb through pipes.
Figures runSbRb(const QString &file, const QString &folder, int baud, int processingUs)
{
    int master = -1, slave = -1;
    int toRb[2], fromRb[2];
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) || ::pipe(toRb) || ::pipe(fromRb))
        return {};
    termios tio {};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    const QByteArray path = QFile::encodeName(file);
    const QByteArray target = QFile::encodeName(folder);
    const pid_t sb = ::fork();
    if (sb == 0) {
        ::dup2(slave, 0);
        ::dup2(slave, 1);
        ::close(master);
        ::execlp("sb", "sb", "--ymodem", "-k", "-q", path.constData(),
                 static_cast<char *>(nullptr));
        ::_exit(127);
    }
    const pid_t rb = ::fork();
    if (rb == 0) {
        ::dup2(toRb[0], 0);
        ::dup2(fromRb[1], 1);
        if (::chdir(target.constData()) != 0)
            ::_exit(126);
        ::execlp("rb", "rb", "--ymodem", "-q", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(slave);
    ::close(toRb[0]);
    ::close(fromRb[1]);
    const auto byteTime = duration_cast<Clock::duration>(nanoseconds(10LL * 1000000000LL / baud));
    Line down {byteTime, {}, {}, {}};
    Line up {byteTime, microseconds(processingUs), {}, {}};

    // The sender's stream, item by item.
    QByteArray pending;
    bool inFile = false;
    bool lastWasData = false;
    Clock::time_point firstC, firstDataStart, lastDataAck, batchEnd;
    qint64 dataBytes = 0;
    bool batchOver = false;
    char buffer[8192];
    bool sbOpen = true, rbOpen = true;
    const Clock::time_point deadline = Clock::now() + seconds(60);
    while ((sbOpen || rbOpen || !down.queue.empty() || !up.queue.empty())
           && Clock::now() < deadline) {
        Clock::time_point next = Clock::now() + milliseconds(50);
        if (!down.queue.empty())
            next = std::min(next, down.queue.front().first);
        if (!up.queue.empty())
            next = std::min(next, up.queue.front().first);
        const int timeout =
            int(std::max<qint64>(0, duration_cast<milliseconds>(next - Clock::now()).count()));
        pollfd fds[2] = {{sbOpen ? master : -1, POLLIN, 0}, {rbOpen ? fromRb[0] : -1, POLLIN, 0}};
        ::poll(fds, 2, timeout);
        const Clock::time_point now = Clock::now();
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0) {
                sbOpen = false;
            } else {
                const QByteArray bytes(buffer, int(n));
                // Items of the sender: blocks and EOTs.
                if (pending.isEmpty() && !bytes.isEmpty()
                    && (bytes.at(0) == YModemFrame::Stx || bytes.at(0) == YModemFrame::Soh)
                    && inFile && firstDataStart == Clock::time_point())
                    firstDataStart = std::max(down.free, now);
                pending += bytes;
                for (;;) {
                    if (pending.isEmpty())
                        break;
                    const char head = pending.at(0);
                    if (head == YModemFrame::Eot) {
                        pending.remove(0, 1);
                        lastWasData = false;
                        continue;
                    }
                    const int size = head == YModemFrame::Stx ? 1029
                        : head == YModemFrame::Soh            ? 133
                                                              : 1;
                    if (pending.size() < size)
                        break;
                    if (size > 1) {
                        const bool header = quint8(pending.at(1)) == 0 && !lastWasData;
                        if (header && inFile && pending.at(3) == '\0')
                            batchOver = true;
                        if (header)
                            inFile = true;
                        lastWasData = !header;
                        if (!header)
                            dataBytes += size - 5;
                    }
                    pending.remove(0, size);
                }
                down.put(bytes, now);
            }
        }
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            const ssize_t n = ::read(fromRb[0], buffer, sizeof buffer);
            if (n <= 0) {
                rbOpen = false;
            } else {
                const QByteArray bytes(buffer, int(n));
                if (firstC == Clock::time_point() && bytes.contains(YModemFrame::C))
                    firstC = now;
                up.put(bytes, now);
            }
        }
        while (!down.queue.empty() && down.queue.front().first <= Clock::now()) {
            const QByteArray &b = down.queue.front().second;
            if (rbOpen && ::write(toRb[1], b.constData(), size_t(b.size())) < 0)
                rbOpen = false;
            down.queue.pop_front();
        }
        while (!up.queue.empty() && up.queue.front().first <= Clock::now()) {
            const QByteArray &b = up.queue.front().second;
            const Clock::time_point at = up.queue.front().first;
            if (b.contains(YModemFrame::Ack)) {
                if (lastWasData)
                    lastDataAck = at;
                if (batchOver && batchEnd == Clock::time_point())
                    batchEnd = at;
            }
            if (sbOpen && ::write(master, b.constData(), size_t(b.size())) < 0)
                sbOpen = false;
            up.queue.pop_front();
        }
        if (!sbOpen && !rbOpen)
            break;
    }
    ::close(master);
    ::close(toRb[1]);
    ::close(fromRb[0]);
    int status = 0;
    ::waitpid(sb, &status, 0);
    ::waitpid(rb, &status, 0);
    Figures figures;
    // The file counts in the data window; the last block carries its tail and fill.
    figures.ok = QFile(folder + QStringLiteral("/all.cfg")).size() == ContainerSize;
    figures.data = share(ContainerSize, lastDataAck - firstDataStart, baud);
    figures.batch = share(ContainerSize, batchEnd - firstC, baud);
    Q_UNUSED(dataBytes);
    return figures;
}

// CPU of the whole process while the worker holds an open port and has nothing to do.
double idleCpuMs()
{
    PtyPair line;
    YModem worker;
    worker.slotOpenClosePort(true, line.slavePath(), 345600);
    QThread::msleep(200);
    rusage before {}, after {};
    ::getrusage(RUSAGE_SELF, &before);
    QThread::msleep(1000);
    ::getrusage(RUSAGE_SELF, &after);
    auto ms = [](const rusage &r) {
        return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000.0
            + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000.0;
    };
    return ms(after) - ms(before);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/project");
    QDir().mkpath(folder + QStringLiteral("/allFile"));
    QByteArray container(ContainerSize, '\0');
    QRandomGenerator random(42);
    for (char &c : container)
        c = char(random.bounded(256));
    QFile file(folder + QStringLiteral("/allFile/all.cfg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(container) != ContainerSize)
        return 1;
    file.close();

    std::printf("job 0, %d KB container; throughput as a share of the line rate, median of %d\n",
                ContainerSize / 1024, Runs);
    std::printf("%-8s %-12s %10s %10s %10s %10s %10s\n", "baud", "module", "ybex data", "at once",
                "ybex batch", "sb>rb data", "sb>rb batch");
    int run = 0;
    for (int baud : {345600, 1000000}) {
        for (int processingUs : {0, 2000}) {
            // The median of a few runs: other work on the machine delays single blocks.
            QList<Figures> oursRuns, atOnceRuns, theirRuns;
            for (int i = 0; i < Runs; ++i) {
                oursRuns.append(runWorker(folder, baud, processingUs));
                atOnceRuns.append(runAtOnce(container, baud, processingUs));
                const QString received = dir.path() + QStringLiteral("/rb%1").arg(run++);
                QDir().mkpath(received);
                theirRuns.append(runSbRb(folder + QStringLiteral("/allFile/all.cfg"), received,
                                         baud, processingUs));
            }
            const Figures ours = median(oursRuns);
            const Figures atOnce = median(atOnceRuns);
            const Figures theirs = median(theirRuns);
            // The bound of any sender that waits for each block's ACK.
            const double block = 1029.0 * 10 / baud;
            const double bound = 1024.0 * 10 / baud / (block + processingUs / 1e6);
            std::printf("%-8d %-12s %9.1f%% %9.1f%% %9.1f%% %9.1f%% %9.1f%%   (stop-and-wait bound "
                        "%.1f%%)%s\n",
                        baud, processingUs ? "2 ms/block" : "instant", ours.data * 100,
                        atOnce.data * 100, ours.batch * 100, theirs.data * 100, theirs.batch * 100,
                        bound * 100, ours.ok && atOnce.ok && theirs.ok ? "" : "  TRANSFER FAILED");
            std::fflush(stdout);
        }
    }
    std::printf("idle worker with an open port: %.1f ms CPU in 1 s\n", idleCpuMs());
    return 0;
}
