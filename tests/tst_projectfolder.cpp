// The project folder's paths and the image library's mirror, which must never lose the
// folder it replaces.

#include "projectfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList entries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class tst_ProjectFolder : public QObject
{
    Q_OBJECT

private slots:
    void paths_data();
    void paths();
    void subfolders();
    void mirrorCopiesTheFilesDirectlyInside();
    void mirrorFailuresLeaveTheDestination_data();
    void mirrorFailuresLeaveTheDestination();
};

void tst_ProjectFolder::paths_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("images");
    QTest::newRow("plain") << "D:/work/demo/demo.yBEX"
                           << "D:/work/demo"
                           << "D:/work/demo/tempImages";
    QTest::newRow("dotted name") << "D:/work/my/my.demo.yBEX"
                                 << "D:/work/my"
                                 << "D:/work/my/tempImages";
    QTest::newRow("relative") << "demo/demo.yBEX"
                              << "demo"
                              << "demo/tempImages";
}

void tst_ProjectFolder::paths()
{
    QFETCH(QString, project);
    QFETCH(QString, folder);
    QFETCH(QString, images);
    QCOMPARE(ProjectFolder::folderOf(project), folder);
    QCOMPARE(ProjectFolder::subfolder(project, QStringLiteral("tempImages")), images);
}

void tst_ProjectFolder::subfolders()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString folder = tmp.filePath("demo");
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QDir().mkdir(folder + "/tempFonts"));
    put(folder + "/tempFonts/kept.font", "x");
    QVERIFY(ProjectFolder::createSubfolders(folder));
    QCOMPARE(entries(folder), QStringList({"allFile", "tempFonts", "tempImages", "tempTtf"}));
    QCOMPARE(entries(folder + "/tempFonts"), QStringList({"kept.font"}));

    // A file where a subfolder belongs, or a folder that is not there, is a failure.
    const QString blocked = tmp.filePath("blocked");
    QVERIFY(QDir().mkdir(blocked));
    put(blocked + "/tempTtf", "not a folder");
    QVERIFY(!ProjectFolder::createSubfolders(blocked));
    QVERIFY(!ProjectFolder::createSubfolders(tmp.filePath("missing")));

    const QString project = folder + "/demo.yBEX";
    QVERIFY(QDir(folder + "/allFile").removeRecursively());
    QVERIFY(ProjectFolder::ensureSubfolder(project, "allFile"));
    QVERIFY(QDir(folder + "/allFile").exists());
    QVERIFY(ProjectFolder::ensureSubfolder(project, "allFile"));
    put(folder + "/other", "");
    QVERIFY(!ProjectFolder::ensureSubfolder(project, "other"));
    QVERIFY(!ProjectFolder::ensureSubfolder(tmp.filePath("missing/demo.yBEX"), "allFile"));
}

void tst_ProjectFolder::mirrorCopiesTheFilesDirectlyInside()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("tempImages"));
    const QString mirror = dir.filePath(QStringLiteral("backUpImages"));
    QVERIFY(QDir().mkpath(source + QLatin1String("/sub")));
    put(source + QLatin1String("/0_a.png"), "a");
    put(source + QLatin1String("/1_b.jpg"), "b");
    put(source + QLatin1String("/.hidden"), "h");
    put(source + QLatin1String("/sub/2_c.png"), "c");
    QVERIFY(QDir().mkpath(mirror));
    put(mirror + QLatin1String("/9_stale.png"), "old");

    QVERIFY(ProjectFolder::mirrorFiles(source, mirror));
    QCOMPARE(entries(mirror), (QStringList {".hidden", "0_a.png", "1_b.jpg"}));
    QFile copy(mirror + QLatin1String("/1_b.jpg"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("b"));
    QCOMPARE(entries(dir.path()), (QStringList {"backUpImages", "tempImages"}));
    // The source is only read.
    QCOMPARE(entries(source), (QStringList {".hidden", "0_a.png", "1_b.jpg", "sub"}));

    // An empty source gives an empty mirror.
    QVERIFY(QDir(source).removeRecursively());
    QVERIFY(QDir().mkpath(source));
    QVERIFY(ProjectFolder::mirrorFiles(source, mirror));
    QVERIFY(entries(mirror).isEmpty());
}

void tst_ProjectFolder::mirrorFailuresLeaveTheDestination_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("missing source") << "nothing"
                                    << "backUpImages";
    QTest::newRow("empty source path") << ""
                                       << "backUpImages";
    QTest::newRow("destination is a file") << "tempImages"
                                           << "plain.txt";
    QTest::newRow("destination parent missing") << "tempImages"
                                                << "gone/backUpImages";
}

void tst_ProjectFolder::mirrorFailuresLeaveTheDestination()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("tempImages"))));
    put(dir.filePath(QStringLiteral("tempImages/0_a.png")), "a");
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("backUpImages"))));
    put(dir.filePath(QStringLiteral("backUpImages/5_keep.png")), "keep");
    put(dir.filePath(QStringLiteral("plain.txt")), "text");
    const QStringList before = entries(dir.path());

    QVERIFY(!ProjectFolder::mirrorFiles(source.isEmpty() ? QString() : dir.filePath(source),
                                        dir.filePath(destination)));
    QCOMPARE(entries(dir.path()), before);
    QCOMPARE(entries(dir.filePath(QStringLiteral("backUpImages"))),
             QStringList {QStringLiteral("5_keep.png")});
    QFile plain(dir.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), QByteArray("text"));
}

QTEST_MAIN(tst_ProjectFolder)
#include "tst_projectfolder.moc"
