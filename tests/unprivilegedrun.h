#ifndef UNPRIVILEGEDRUN_H
#define UNPRIVILEGEDRUN_H

// Root reads and writes every file, so a test of what the program does without permission
// means nothing as root. Such a test starts with RUN_AS_UNPRIVILEGED_USER(): as root, the
// program runs itself again for just that test (and data row) as the user nobody, and the
// child's outcome is the test's; as any other user the test runs as it is.

#include <QCoreApplication>
#include <QDirIterator>
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

// The first folder on the way to path (path included, with the rights it needs itself)
// that a user who is neither owner nor member of the group may not use, or nothing.
inline QString blockedOnTheWay(const QString &path, mode_t needed)
{
    QStringList way;
    for (QString p = QFileInfo(path).absoluteFilePath(); !p.isEmpty();) {
        way.prepend(p);
        const QString parent = QFileInfo(p).path();
        p = parent == p ? QString() : parent;
    }
    for (int i = 0; i < way.size(); ++i) {
        struct stat st;
        const mode_t need = i + 1 < way.size() ? S_IXOTH : needed;
        if (::stat(QFile::encodeName(way.at(i)).constData(), &st) != 0
            || (st.st_mode & need) != need)
            return way.at(i);
    }
    return QString();
}

// What the child needs and nobody may not read: the program and the test data.
inline QStringList blockedForOthers()
{
    QStringList blocked;
    const QString program =
        blockedOnTheWay(QCoreApplication::applicationFilePath(), S_IROTH | S_IXOTH);
    if (!program.isEmpty())
        blocked.append(program);
#ifdef YBEX_TEST_DATA
    const QString data = blockedOnTheWay(QStringLiteral(YBEX_TEST_DATA), S_IROTH | S_IXOTH);
    if (!data.isEmpty())
        blocked.append(data);
    QDirIterator it(QStringLiteral(YBEX_TEST_DATA), QDir::AllEntries | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (data.isEmpty() && it.hasNext()) {
        const QString entry = it.next();
        const mode_t need = it.fileInfo().isDir() ? S_IROTH | S_IXOTH : S_IROTH;
        if (!blockedOnTheWay(entry, need).isEmpty())
            blocked.append(entry);
    }
#endif
    return blocked;
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
    const QStringList blocked = blockedForOthers();
    if (!blocked.isEmpty()) {
        return {false,
                QStringLiteral("the user nobody cannot read %1; as root this test runs as "
                               "nobody, so the build and the sources must be readable by "
                               "every user")
                    .arg(blocked.join(QStringLiteral(", ")))};
    }
    // The child's temporary folder, in which it makes its own home.
    QTemporaryDir temp;
    const QString tempBlocked = blockedOnTheWay(temp.path(), 0);
    if (!temp.isValid() || !tempBlocked.isEmpty()
        || ::chown(QFile::encodeName(temp.path()).constData(), nobody->pw_uid, nobody->pw_gid)
            != 0) {
        return {
            false,
            QStringLiteral("no temporary folder for the user nobody in %1").arg(QDir::tempPath())};
    }

    QString test = QString::fromLatin1(QTest::currentTestFunction());
    const char *tag = QTest::currentDataTag();
    if (tag && *tag)
        test += QLatin1Char(':') + QString::fromUtf8(tag);
    ProcessAsUser child(nobody->pw_uid, nobody->pw_gid);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(temp.path());
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {test});
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
