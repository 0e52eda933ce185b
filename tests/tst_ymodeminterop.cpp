// The download link against a standard YModem receiver: lrzsz's rb receives the batches.

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "downloadtestutil.h"
#include "ptypair.h"
#include "simulatedmodule.h"
#include "ymodem.h"

#include <atomic>
#include <csignal>
#include <sys/wait.h>
#include <thread>

namespace {

// A module whose YModem receiver is rb: it answers the text commands itself and hands each
// batch to a fresh rb, relaying the bytes both ways until rb is done.
class RbModule
{
public:
    explicit RbModule(const QString &folder)
        : m_folder(folder)
    {
        m_thread = std::thread([this] { run(); });
    }
    ~RbModule()
    {
        m_stop = true;
        m_thread.join();
    }
    QString portPath() const { return m_pty.slavePath(); }
    QString batchFolder(int batch) const
    {
        return m_folder + QStringLiteral("/batch%1").arg(batch);
    }
    int batches() const { return m_batches; }
    int rbStatus() const { return m_status; }

private:
    void run()
    {
        QByteArray input;
        while (!m_stop) {
            input += m_pty.read(5);
            const int end = input.indexOf('\n');
            if (end < 0)
                continue;
            const QByteArray line = input.left(end);
            input.remove(0, end + 1);
            if (line.startsWith("si "))
                m_pty.write(simulatedModuleLimits());
            else if (line == "dcfg" || line == "dpic" || line == "dfont")
                receive(line == "dcfg");
        }
    }

    void receive(bool project)
    {
        const QString folder = batchFolder(m_batches);
        QDir().mkpath(folder);
        int toRb[2], fromRb[2];
        if (::pipe(toRb) != 0 || ::pipe(fromRb) != 0)
            return;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(toRb[0], 0);
            ::dup2(fromRb[1], 1);
            ::close(toRb[1]);
            ::close(fromRb[0]);
            if (::chdir(QFile::encodeName(folder).constData()) != 0)
                ::_exit(126);
            ::execlp("rb", "rb", "--ymodem", "-q", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(toRb[0]);
        ::close(fromRb[1]);
        char buffer[4096];
        for (;;) {
            pollfd fds[2] = {{m_pty.masterFd(), POLLIN, 0}, {fromRb[0], POLLIN, 0}};
            if (::poll(fds, 2, 100) < 0 || m_stop)
                break;
            if (fds[0].revents & POLLIN) {
                const ssize_t n = ::read(m_pty.masterFd(), buffer, sizeof buffer);
                if (n > 0 && ::write(toRb[1], buffer, size_t(n)) != n)
                    break;
            }
            if (fds[1].revents & (POLLIN | POLLHUP)) {
                const ssize_t n = ::read(fromRb[0], buffer, sizeof buffer);
                if (n <= 0)
                    break; // rb has finished
                m_pty.write(QByteArray(buffer, int(n)));
            }
        }
        ::close(toRb[1]);
        ::close(fromRb[0]);
        if (m_stop)
            ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ++m_batches;
        if (project)
            m_pty.write("EP_100\r\n");
    }

    QString m_folder;
    PtyPair m_pty;
    std::thread m_thread;
    std::atomic<bool> m_stop {false};
    std::atomic<int> m_batches {0};
    std::atomic<int> m_status {-1};
};

} // namespace

class TestYModemInterop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("rb").isEmpty())
            QFAIL("rb (lrzsz) is not installed: run scripts/install-deps.sh");
    }

    // Project, pictures and fonts arrive byte for byte in rb's folder.
    void batchesReachRb()
    {
        QTemporaryDir dir;
        const QString project = dir.path() + "/project";
        const QByteArray container = randomBytes(131072 + 77, 11);
        QVERIFY(writeFile(project + "/allFile/all.cfg", container));
        QImage picture(17, 9, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QDir().mkpath(project + "/tempImages");
        QVERIFY(picture.save(project + "/tempImages/0_a.png"));
        QVERIFY(writePicture(project + "/tempImages/1_b.png", 128, 5));
        const QByteArray font = randomBytes(1025, 3);
        QVERIFY(writeFile(project + "/tempFonts/4.font", font));

        RbModule module(dir.path() + "/received");
        YModem worker;
        worker.setTimeouts(5000, 5000, 5000);
        QList<QPair<int, QString>> messages;
        QList<bool> states;
        // The worker's reports come queued: those still on their way go with the receiver,
        // before the lists they fill.
        QObject receiver;
        connect(&worker, &YModem::s_sendMes, &receiver, [&](int kind, const QString &text) {
            messages.append({kind, text});
        });
        connect(&worker, &YModem::s_sendPortStatus, &receiver,
                [&](bool open) { states.append(open); });
        worker.slotOpenClosePort(true, module.portPath(), 345600);
        QTRY_COMPARE(states, QList<bool> {true});

        YModemJob job;
        job.job = YModemJob::Project;
        job.directory = project + "/allFile/";
        job.fileName = "all.cfg";
        job.projectFolder = project;
        worker.startJob(job);
        QTRY_VERIFY_WITH_TIMEOUT(!worker.isJobPending(), 20000);
        // rb's exit is collected after the worker has its last answer.
        QTRY_COMPARE(module.batches(), 1);
        QCOMPARE(module.rbStatus(), 0);
        QVERIFY(readFile(module.batchFolder(0) + "/all.cfg") == container);

        job = YModemJob();
        job.job = YModemJob::Pictures;
        job.imagePaths =
            QStringList {project + "/tempImages/0_a.png", project + "/tempImages/1_b.png"};
        job.projectFolder = project;
        worker.startJob(job);
        QTRY_VERIFY_WITH_TIMEOUT(!worker.isJobPending(), 20000);
        QTRY_COMPARE(module.batches(), 2);
        QCOMPARE(module.rbStatus(), 0);
        QVERIFY(readFile(module.batchFolder(1) + "/0.png") == readFile(job.imagePaths.at(0)));
        QVERIFY(readFile(module.batchFolder(1) + "/1.png") == readFile(job.imagePaths.at(1)));

        job = YModemJob();
        job.job = YModemJob::Fonts;
        job.fontIds = QStringList {"4"};
        job.projectFolder = project;
        worker.startJob(job);
        QTRY_VERIFY_WITH_TIMEOUT(!worker.isJobPending(), 20000);
        QTRY_COMPARE(module.batches(), 3);
        QCOMPARE(module.rbStatus(), 0);
        QVERIFY(readFile(module.batchFolder(2) + "/4.font") == font);
        QTest::qWait(50);
        QCOMPARE(messages, (QList<QPair<int, QString>>()));
    }
};

QTEST_GUILESS_MAIN(TestYModemInterop)
#include "tst_ymodeminterop.moc"
