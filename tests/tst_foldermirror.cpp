// The picture folder's mirror: refreshed and restored without ever losing the folder it
// replaces, and without following links planted in either folder.

#include "checkedsavefile.h"
#include "filesizelimit.h"
#include "foldermirror.h"
#include "libraryfileutil.h"
#include "unprivilegedrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class tst_FolderMirror : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase() { delete dir; }
    void refreshAndRestore();
    void failuresLeaveTheDestination_data();
    void failuresLeaveTheDestination();
    void linksInTheSourceAreNotCopied();
    void linksInTheMirrorAreNotFollowed();
    void aLinkInTheDestinationsPlace();
    void removalStaysInsideTheFolder();
    void copiesThatCannotFinish_data();
    void copiesThatCannotFinish();
    void mirrorCopiesThatCannotFinish();

private:
    QTemporaryDir *dir = nullptr;
    QString images, mirror, outside;
};

void tst_FolderMirror::init()
{
    delete dir;
    dir = new QTemporaryDir;
    images = dir->filePath(QStringLiteral("p/tempImages"));
    mirror = dir->filePath(QStringLiteral("p/backUpImages"));
    outside = dir->filePath(QStringLiteral("outside"));
    QVERIFY(QDir().mkpath(images));
    QVERIFY(QDir().mkpath(outside));
    put(outside + QLatin1String("/keep.png"), "keep");
}

void tst_FolderMirror::refreshAndRestore()
{
    put(images + QLatin1String("/1_a.png"), "a");
    put(images + QLatin1String("/2_b.jpg"), "b");
    put(images + QLatin1String("/.hidden"), "h");
    QVERIFY(QDir(images).mkdir(QStringLiteral("sub")));
    put(images + QLatin1String("/sub/3_c.png"), "c");

    // Refresh: the mirror holds exactly the files directly inside.
    QVERIFY(QDir().mkpath(mirror));
    put(mirror + QLatin1String("/9_stale.png"), "old");
    QVERIFY(FolderMirror::copyFiles(images, mirror));
    QCOMPARE(entries(mirror), (QStringList {".hidden", "1_a.png", "2_b.jpg"}));
    QCOMPARE(read(mirror + QLatin1String("/2_b.jpg")), QByteArray("b"));
    // No staging folder is left behind, and the source is only read.
    QCOMPARE(entries(dir->filePath(QStringLiteral("p"))),
             (QStringList {"backUpImages", "tempImages"}));
    QCOMPARE(entries(images), (QStringList {".hidden", "1_a.png", "2_b.jpg", "sub"}));

    // An import after the refresh, then a restore: the library is as it was.
    put(images + QLatin1String("/4_new.png"), "new");
    QVERIFY(QFile::remove(images + QLatin1String("/1_a.png")));
    QVERIFY(FolderMirror::copyFiles(mirror, images));
    QCOMPARE(entries(images), (QStringList {".hidden", "1_a.png", "2_b.jpg"}));
    QCOMPARE(read(images + QLatin1String("/1_a.png")), QByteArray("a"));

    // An empty source gives an empty mirror.
    QVERIFY(FolderMirror::removeRecursively(images));
    QVERIFY(QDir().mkpath(images));
    QVERIFY(FolderMirror::copyFiles(images, mirror));
    QVERIFY(entries(mirror).isEmpty());
}

void tst_FolderMirror::failuresLeaveTheDestination_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("missing source") << "p/nothing"
                                    << "p/backUpImages";
    QTest::newRow("empty source path") << ""
                                       << "p/backUpImages";
    QTest::newRow("empty destination path") << "p/tempImages"
                                            << "";
    QTest::newRow("destination is a file") << "p/tempImages"
                                           << "p/plain.txt";
    QTest::newRow("destination parent missing") << "p/tempImages"
                                                << "p/gone/backUpImages";
    QTest::newRow("unreadable file in source") << "p/tempImages"
                                               << "p/backUpImages";
}

void tst_FolderMirror::failuresLeaveTheDestination()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    put(images + QLatin1String("/1_a.png"), "a");
    QVERIFY(QDir().mkpath(mirror));
    put(mirror + QLatin1String("/5_keep.png"), "keep");
    put(dir->filePath(QStringLiteral("p/plain.txt")), "text");
    const bool unreadable = QByteArray(QTest::currentDataTag()).startsWith("unreadable");
    if (unreadable) {
        RUN_AS_UNPRIVILEGED_USER();
        put(images + QLatin1String("/2_locked.png"), "locked");
        QFile::setPermissions(images + QLatin1String("/2_locked.png"), QFile::WriteOwner);
        QVERIFY2(!QFile(images + QLatin1String("/2_locked.png")).open(QIODevice::ReadOnly),
                 "a file without read permission could be read");
    }
    const QStringList before = entries(dir->filePath(QStringLiteral("p")));

    QVERIFY(
        !FolderMirror::copyFiles(source.isEmpty() ? QString() : dir->filePath(source),
                                 destination.isEmpty() ? QString() : dir->filePath(destination)));
    QCOMPARE(entries(dir->filePath(QStringLiteral("p"))), before);
    QCOMPARE(entries(mirror), QStringList {QStringLiteral("5_keep.png")});
    QCOMPARE(read(dir->filePath(QStringLiteral("p/plain.txt"))), QByteArray("text"));
    // A missing source is not created either.
    QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("p/nothing"))));
}

void tst_FolderMirror::linksInTheSourceAreNotCopied()
{
    put(images + QLatin1String("/1_a.png"), "a");
    QVERIFY(
        QFile::link(outside + QLatin1String("/keep.png"), images + QLatin1String("/2_link.png")));
    QVERIFY(FolderMirror::copyFiles(images, mirror));
    QCOMPARE(entries(mirror), QStringList {QStringLiteral("1_a.png")});

    // A source folder that is itself a link is refused.
    const QString linked = dir->filePath(QStringLiteral("p/linkedImages"));
    QVERIFY(QFile::link(outside, linked));
    QVERIFY(!FolderMirror::copyFiles(linked, mirror));
    QCOMPARE(entries(mirror), QStringList {QStringLiteral("1_a.png")});
}

void tst_FolderMirror::linksInTheMirrorAreNotFollowed()
{
    put(images + QLatin1String("/1_a.png"), "a");
    QVERIFY(QDir().mkpath(mirror));
    QVERIFY(QFile::link(outside, mirror + QLatin1String("/dirlink")));
    QVERIFY(QFile::link(outside + QLatin1String("/keep.png"), mirror + QLatin1String("/0_x.png")));

    // Refreshing replaces the planted links; what they point to stays.
    QVERIFY(FolderMirror::copyFiles(images, mirror));
    QCOMPARE(entries(mirror), QStringList {QStringLiteral("1_a.png")});
    QCOMPARE(entries(outside), QStringList {QStringLiteral("keep.png")});

    // Restoring from a mirror with a planted link copies no outside file in.
    QVERIFY(QFile::link(outside + QLatin1String("/keep.png"), mirror + QLatin1String("/0_x.png")));
    QVERIFY(FolderMirror::copyFiles(mirror, images));
    QCOMPARE(entries(images), QStringList {QStringLiteral("1_a.png")});
    QCOMPARE(read(outside + QLatin1String("/keep.png")), QByteArray("keep"));
}

void tst_FolderMirror::aLinkInTheDestinationsPlace()
{
    put(images + QLatin1String("/1_a.png"), "a");
    QVERIFY(QFile::link(outside, mirror));
    QVERIFY(FolderMirror::copyFiles(images, mirror));
    QVERIFY(!QFileInfo(mirror).isSymLink());
    QCOMPARE(entries(mirror), QStringList {QStringLiteral("1_a.png")});
    QCOMPARE(entries(outside), QStringList {QStringLiteral("keep.png")});
}

void tst_FolderMirror::removalStaysInsideTheFolder()
{
    QVERIFY(!FolderMirror::removeRecursively(QString()));
    QVERIFY(FolderMirror::removeRecursively(dir->filePath(QStringLiteral("p/none"))));

    // The only folder of its parent goes; the parent stays.
    const QString nested = dir->filePath(QStringLiteral("p/only/inner"));
    QVERIFY(QDir().mkpath(nested));
    put(nested + QLatin1String("/f"), "f");
    QVERIFY(QFile::link(outside, nested + QLatin1String("/dirlink")));
    QVERIFY(FolderMirror::removeRecursively(nested));
    QVERIFY(!QFileInfo::exists(nested));
    QVERIFY(QDir(dir->filePath(QStringLiteral("p/only"))).exists());
    QCOMPARE(entries(outside), QStringList {QStringLiteral("keep.png")});

    // A link given as the folder is removed itself.
    const QString link = dir->filePath(QStringLiteral("p/link"));
    QVERIFY(QFile::link(outside, link));
    QVERIFY(FolderMirror::removeRecursively(link));
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(entries(outside), QStringList {QStringLiteral("keep.png")});
}

void tst_FolderMirror::copiesThatCannotFinish_data()
{
    QTest::addColumn<QString>("source"); // inside p/
    QTest::addColumn<qint64>("limit"); // file-size limit while copying, 0 for none
    QTest::addColumn<QString>("reason"); // empty when the copy is made
    const QString tooLarge = CheckedSaveFile::tr("文件超过了系统允许的大小");
    QTest::newRow("fits") << "big.png" << qint64(0) << "";
    QTest::newRow("stops at 4 KB") << "big.png" << qint64(4096) << tooLarge;
    QTest::newRow("stops one byte short") << "big.png" << qint64(200 * 1024 - 1) << tooLarge;
    QTest::newRow("missing") << "gone.png" << qint64(0) << CheckedSaveFile::tr("文件不存在");
    QTest::newRow("a folder") << "tempImages" << qint64(0) << CheckedSaveFile::tr("不是普通文件");
    QTest::newRow("a FIFO") << "fifo.png" << qint64(0) << CheckedSaveFile::tr("不是普通文件");
}

// A copy is whole or not made: the file it would replace keeps its bytes, and nothing
// else is left in its folder. A FIFO is refused, not waited on.
void tst_FolderMirror::copiesThatCannotFinish()
{
    QFETCH(QString, source);
    QFETCH(qint64, limit);
    QFETCH(QString, reason);
    const QByteArray big(200 * 1024, 'b');
    put(dir->filePath(QStringLiteral("p/big.png")), big);
    QCOMPARE(
        mkfifo(QFile::encodeName(dir->filePath(QStringLiteral("p/fifo.png"))).constData(), 0600),
        0);
    const QString target = outside + QLatin1String("/keep.png");
    QString why = QStringLiteral("unset");
    bool copied = false;
    {
        const FileSizeLimit limited(limit > 0 ? limit : RLIM_INFINITY);
        QVERIFY(limited.isSet());
        copied =
            CheckedSaveFile::copyWhole(dir->filePath(QStringLiteral("p/") + source), target, &why);
    }
    QCOMPARE(why, reason);
    QCOMPARE(copied, reason.isEmpty());
    QCOMPARE(read(target), reason.isEmpty() ? big : QByteArray("keep"));
    QCOMPARE(entries(outside), QStringList {QStringLiteral("keep.png")});
}

// The mirror in either direction: a picture that does not fit is named with the cause,
// every other file is still tried, and the folder it would replace stays as it was.
void tst_FolderMirror::mirrorCopiesThatCannotFinish()
{
    put(images + QLatin1String("/1_a.png"), "a");
    put(images + QLatin1String("/2_big.png"), QByteArray(64 * 1024, 'b'));
    put(images + QLatin1String("/3_c.png"), "c");
    put(images + QLatin1String("/4_huge.png"), QByteArray(100 * 1024, 'h'));
    QVERIFY(QDir().mkpath(mirror));
    put(mirror + QLatin1String("/5_keep.png"), "keep");
    const QString tooLarge = CheckedSaveFile::tr("文件超过了系统允许的大小");
    QStringList failures {QStringLiteral("stale")};
    {
        const FileSizeLimit limited(4096);
        QVERIFY(limited.isSet());
        QVERIFY(!FolderMirror::copyFiles(images, mirror, &failures));
    }
    QCOMPARE(failures, (QStringList {"2_big.png：" + tooLarge, "4_huge.png：" + tooLarge}));
    QCOMPARE(entries(mirror), QStringList {QStringLiteral("5_keep.png")});
    QCOMPARE(entries(dir->filePath(QStringLiteral("p"))),
             (QStringList {"backUpImages", "tempImages"}));

    // The other way round, the library keeps its pictures whole.
    QVERIFY(FolderMirror::copyFiles(images, mirror, &failures));
    QVERIFY(failures.isEmpty());
    put(images + QLatin1String("/6_new.png"), "new");
    {
        const FileSizeLimit limited(4096);
        QVERIFY(!FolderMirror::copyFiles(mirror, images, &failures));
    }
    QCOMPARE(failures, (QStringList {"2_big.png：" + tooLarge, "4_huge.png：" + tooLarge}));
    QCOMPARE(entries(images),
             (QStringList {"1_a.png", "2_big.png", "3_c.png", "4_huge.png", "6_new.png"}));
    QCOMPARE(read(images + QLatin1String("/4_huge.png")), QByteArray(100 * 1024, 'h'));
    QCOMPARE(entries(dir->filePath(QStringLiteral("p"))),
             (QStringList {"backUpImages", "tempImages"}));

    // A folder that cannot be used is named with the cause.
    QVERIFY(!FolderMirror::copyFiles(dir->filePath(QStringLiteral("p/none")), mirror, &failures));
    QCOMPARE(failures,
             QStringList {QDir::toNativeSeparators(dir->filePath(QStringLiteral("p/none"))) + "："
                          + FolderMirror::tr("不是文件夹")});
}

QTEST_MAIN(tst_FolderMirror)
#include "tst_foldermirror.moc"
