// The project folder's paths.

#include "projectfolder.h"

#include <QtTest>

class tst_ProjectFolder : public QObject
{
    Q_OBJECT

private slots:
    void paths_data();
    void paths();
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

QTEST_MAIN(tst_ProjectFolder)
#include "tst_projectfolder.moc"
