#ifndef UNPRIVILEGEDRUN_H
#define UNPRIVILEGEDRUN_H

// Root reads and writes every file, so a test of what the program does without permission
// means nothing as root. Such a test starts with RUN_AS_UNPRIVILEGED_USER(): as root, the
// program runs itself again for just that test (and data row) as the user nobody, and the
// child's outcome is the test's; as any other user the test runs as it is.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace UnprivilegedRun {

struct Outcome
{
    bool passed = false;
    QString report;
};

// The folder of the test data: the one the program was built with, unless the parent that
// started this run as nobody handed it a readable copy.
inline QString dataFolder()
{
#ifdef YBEX_TEST_DATA
    return qEnvironmentVariable("YBEX_TEST_DATA_COPY", QStringLiteral(YBEX_TEST_DATA));
#else
    return qEnvironmentVariable("YBEX_TEST_DATA_COPY");
#endif
}

// Whether a user who is neither owner nor member of the group may pass through every folder
// on the way to path.
inline bool othersReach(const QString &path)
{
    for (QString p = QFileInfo(path).absolutePath();;) {
        struct stat st;
        if (::stat(QFile::encodeName(p).constData(), &st) != 0 || !(st.st_mode & S_IXOTH))
            return false;
        const QString parent = QFileInfo(p).path();
        if (parent == p)
            return true;
        p = parent;
    }
}

// Copies a file or a folder tree so that everybody may read it.
inline bool copyReadable(const QString &from, const QString &to)
{
    const QFileInfo info(from);
    if (info.isDir()) {
        if (!QDir().mkpath(to))
            return false;
        const QStringList entries =
            QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (!copyReadable(from + QLatin1Char('/') + entry, to + QLatin1Char('/') + entry))
                return false;
        }
        return QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                             | QFile::ReadGroup | QFile::ExeGroup
                                             | QFile::ReadOther | QFile::ExeOther);
    }
    const QFile::Permissions executable = info.permissions() & QFile::ExeOwner
        ? QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther
        : QFile::Permissions();
    return QFile::copy(from, to)
        && QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                         | QFile::ReadOther | executable);
}

// A process whose child drops to the given user and group before it starts.
class ProcessAsUser : public QProcess
{
public:
    ProcessAsUser(uid_t uid, gid_t gid)
        : uid(uid)
        , gid(gid)
    { }

protected:
    // Runs in the child after the fork: only async-signal-safe calls.
    void setupChildProcess() override
    {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
            static const char message[] = "cannot change to the unprivileged user\n";
            const ssize_t written = ::write(2, message, sizeof message - 1);
            Q_UNUSED(written)
            ::_exit(125);
        }
    }

private:
    uid_t uid;
    gid_t gid;
};

// Runs the test function now running (and its data row) in a child of this program as the
// user nobody.
inline Outcome runCurrentTest()
{
    const passwd *nobody = ::getpwnam("nobody");
    if (!nobody)
        return {false, QStringLiteral("there is no user nobody to run the test as")};
    // The checkout may lie where nobody cannot go (a home folder): the child runs a copy of
    // the program and of the test data, in a folder of its own that it may write.
    QTemporaryDir temp;
    if (!temp.isValid() || !othersReach(temp.path())
        || ::chown(QFile::encodeName(temp.path()).constData(), nobody->pw_uid, nobody->pw_gid)
            != 0
        || !QFile::setPermissions(temp.path(), QFile::ReadOwner | QFile::WriteOwner
                                                   | QFile::ExeOwner | QFile::ReadOther
                                                   | QFile::ExeOther)) {
        return {
            false,
            QStringLiteral("no temporary folder for the user nobody in %1").arg(QDir::tempPath())};
    }
    const QString program = temp.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    const QString data = temp.filePath(QStringLiteral("data"));
    if (!copyReadable(QCoreApplication::applicationFilePath(), program)
        || (!dataFolder().isEmpty() && !copyReadable(dataFolder(), data))) {
        return {false,
                QStringLiteral("cannot copy the program and its test data to %1").arg(temp.path())};
    }

    QString test = QString::fromLatin1(QTest::currentTestFunction());
    const char *tag = QTest::currentDataTag();
    if (tag && *tag)
        test += QLatin1Char(':') + QString::fromUtf8(tag);
    ProcessAsUser child(nobody->pw_uid, nobody->pw_gid);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    environment.insert(QStringLiteral("YBEX_TEST_DATA_COPY"), data);
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(temp.path());
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program, {test});
    const bool finished = child.waitForFinished(240000);
    const QString output = QString::fromUtf8(child.readAll());
    if (!finished || child.exitStatus() != QProcess::NormalExit) {
        return {false,
                QStringLiteral("%1 as nobody did not finish: %2\n%3")
                    .arg(test, child.errorString(), output)};
    }
    // The child must have run the test, not skipped it.
    const QString run =
        QStringLiteral("::%1(%2)")
            .arg(QLatin1String(QTest::currentTestFunction()), QString::fromUtf8(tag ? tag : ""));
    bool ran = false;
    for (const QString &line : output.split(QLatin1Char('\n')))
        ran = ran || (line.startsWith(QLatin1String("PASS   : ")) && line.endsWith(run));
    if (child.exitCode() != 0 || !ran)
        return {false, QStringLiteral("%1 as nobody:\n%2").arg(test, output)};
    return {true, QString()};
}

} // namespace UnprivilegedRun

#define RUN_AS_UNPRIVILEGED_USER()                                                                 \
    do {                                                                                           \
        if (::geteuid() == 0) {                                                                    \
            const UnprivilegedRun::Outcome outcome = UnprivilegedRun::runCurrentTest();            \
            QVERIFY2(outcome.passed, qPrintable(outcome.report));                                  \
            return;                                                                                \
        }                                                                                          \
    } while (false)

#endif // UNPRIVILEGEDRUN_H
