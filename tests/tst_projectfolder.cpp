// The project folder's paths and its working subfolders.

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
    void newProjectNames_data();
    void newProjectNames();
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

void tst_ProjectFolder::newProjectNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("problem");
    const QString longest = QString(ProjectFolder::MaxNewNameBytes - 5, QLatin1Char('x'));
    const QString tooLong = ProjectFolder::tr("%1：名称过长，项目文件名最多%2个字节");
    QTest::newRow("with the extension") << "/w/demo.yBEX"
                                        << "/w/demo.yBEX"
                                        << "";
    QTest::newRow("without it") << "/w/demo2"
                                << "/w/demo2.yBEX"
                                << "";
    QTest::newRow("another letter case") << "/w/demo.ybex"
                                         << "/w/demo.ybex.yBEX"
                                         << "";
    QTest::newRow("dotted") << "/w/my.demo"
                            << "/w/my.demo.yBEX"
                            << "";
    QTest::newRow("nothing before the first dot")
        << "/w/.yBEX"
        << "/w/.yBEX" << ProjectFolder::tr("%1：项目名称不能以“.”开头").arg("/w/.yBEX");
    QTest::newRow("only dots") << "/w/.."
                               << "/w/...yBEX"
                               << ProjectFolder::tr("%1：项目名称不能以“.”开头").arg("/w/...yBEX");
    QTest::newRow("longest name") << "/w/" + longest << "/w/" + longest + ".yBEX"
                                  << "";
    QTest::newRow("one byte more") << "/w/" + longest + "x"
                                   << "/w/" + longest + "x.yBEX"
                                   << tooLong.arg("/w/" + longest + "x/" + longest + "x.yBEX")
                                          .arg(ProjectFolder::MaxNewNameBytes);
    // Bytes on disk count, not characters: three for each of these.
    const QString wide = QString((ProjectFolder::MaxNewNameBytes - 5) / 3 + 1, QChar(0x4E2D));
    QTest::newRow("wide characters")
        << "/w/" + wide << "/w/" + wide + ".yBEX"
        << tooLong.arg("/w/" + wide + "/" + wide + ".yBEX").arg(ProjectFolder::MaxNewNameBytes);
}

void tst_ProjectFolder::newProjectNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, file);
    QFETCH(QString, problem);
    QCOMPARE(ProjectFolder::withProjectExtension(chosen), file);
    QCOMPARE(ProjectFolder::newProjectProblem(file), problem);
}

QTEST_MAIN(tst_ProjectFolder)
#include "tst_projectfolder.moc"
