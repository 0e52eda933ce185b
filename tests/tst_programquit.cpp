#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program as main() makes it ends when its window is closed for good, though another
// of its windows is still open.
class TestProgramQuit : public QObject
{
    Q_OBJECT
private slots:
    void closingTheWindowEndsTheProgram_data();
    void closingTheWindowEndsTheProgram();
};

void TestProgramQuit::closingTheWindowEndsTheProgram_data()
{
    QTest::addColumn<bool>("project");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("no project") << false << QString() << false;
    QTest::newRow("quit without saving") << true << "否" << false;
    QTest::newRow("save and quit") << true << "是" << true;
}

void TestProgramQuit::closingTheWindowEndsTheProgram()
{
    QFETCH(bool, project);
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("golden/golden.yBEX"));
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    if (project) {
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("golden"))));
        QVERIFY(QFile::copy(QStringLiteral(YBEX_TEST_DATA "/golden_small.yBEX"), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("YBEX_PROBE_ANSWER"), answer);
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(YBEX_QUIT_PROBE), project ? QStringList {file} : QStringList());
    QVERIFY2(program.waitForFinished(30000), "the program went on after its window closed");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    if (project)
        QCOMPARE(QFileInfo(file).lastModified() != old, saved);
}

QTEST_GUILESS_MAIN(TestProgramQuit)
#include "tst_programquit.moc"
