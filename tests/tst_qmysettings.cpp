#include "filesizelimit.h"
#include "qmysettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

// ./config/system.ini holds the language; missing keys and odd values start in Chinese.
class TestQMySettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void runsInAPrivateHome();
    void missingFileWritesDefaults();
    void languageId_data();
    void languageId();
    void setLanguageWritesBothKeys();
    void readAlikeByEveryReader();
    void otherKeysStay_data();
    void otherKeysStay();
    void writesThatCannotFinish();
    void translationFile_data();
    void translationFile();
};

void TestQMySettings::init()
{
    QDir("config").removeRecursively();
}

// The settings file is written into the working folder: the test program's own, inside a
// home of its own, wherever it is started from.
void TestQMySettings::runsInAPrivateHome()
{
    const QString home = QDir::homePath();
    QVERIFY(QDir::currentPath().startsWith(home + "/"));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                .startsWith(home + "/"));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                .startsWith(home + "/"));
    QVERIFY(home.startsWith(QDir::tempPath() + "/"));
}

void TestQMySettings::missingFileWritesDefaults()
{
    QDir("config").removeRecursively(); // not even the folder
    {
        QMySettings settings;
        QCOMPARE(settings.getLanguageId(), 1);
        QCOMPARE(settings.getLanguagePath(), QString());
    }
    QVERIFY(QFile::exists("config/system.ini"));
    QSettings file("config/system.ini", QSettings::IniFormat);
    QCOMPARE(file.value("Language/ID").toInt(), 1);
    QVERIFY(file.contains("Language/Path"));
}

void TestQMySettings::languageId_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("id");
    QTest::newRow("english") << QByteArray("[Language]\nID=2\nPath=\n") << 2;
    QTest::newRow("chinese") << QByteArray("[Language]\nID=1\n") << 1;
    QTest::newRow("no keys") << QByteArray("[Other]\nx=1\n") << 0;
    QTest::newRow("not a number") << QByteArray("[Language]\nID=abc\n") << 0;
}

void TestQMySettings::languageId()
{
    QDir().mkpath("config");
    QFETCH(QByteArray, content);
    QFETCH(int, id);
    QFile f("config/system.ini");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    QVERIFY(f.flush());
    // QSettings keeps a parsed file while its size and time stay the same; rows of equal
    // size written within one millisecond would read the previous row's values.
    static int row = 0;
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-100 - ++row),
                          QFileDevice::FileModificationTime));
    f.close();
    QMySettings settings;
    QCOMPARE(settings.getLanguageId(), id);
}

void TestQMySettings::setLanguageWritesBothKeys()
{
    {
        QMySettings settings;
        QVERIFY(settings.setLanguage(2, ":/config/language/English.qm"));
        QCOMPARE(settings.getLanguageId(), 2);
    }
    QSettings file("config/system.ini", QSettings::IniFormat);
    QCOMPARE(file.value("Language/ID").toInt(), 2);
    QCOMPARE(file.value("Language/Path").toString(), QString(":/config/language/English.qm"));
}

// Any reader of the INI format with Qt's defaults reads what was stored, also the keys of
// an earlier file that held UTF-8: characters beyond ASCII are escaped.
void TestQMySettings::readAlikeByEveryReader()
{
    QDir().mkpath("config");
    {
        QFile f("config/system.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Language]\nID=1\n\n[Other]\nnote=\xe4\xb8\xad\xe6\x96\x87\xc3\x84\n");
    }
    const QString path = QString::fromUcs4(U" /tmp/语言 Ä \U0001F600/\"a\",b;c=\\d.qm ");
    {
        QMySettings settings;
        QVERIFY(settings.setLanguage(2, path));
    }
    const QSettings file("config/system.ini", QSettings::IniFormat);
    QCOMPARE(file.value("Language/ID").toInt(), 2);
    QCOMPARE(file.value("Language/Path").toString(), path);
    QCOMPARE(file.value("Other/note").toString(), QStringLiteral("中文Ä"));
    QCOMPARE(QMySettings().getLanguagePath(), path);
    QFile f("config/system.ini");
    QVERIFY(f.open(QIODevice::ReadOnly));
    for (const char c : f.readAll())
        QVERIFY2(uchar(c) < 0x80, "a byte beyond ASCII");
}

void TestQMySettings::otherKeysStay_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("note");
    QTest::newRow("UTF-8") << QByteArray("[Other]\nnote=\xe4\xb8\xad\xc3\x84\n")
                           << QStringLiteral("中Ä");
    QTest::newRow("Latin-1") << QByteArray("[Other]\nnote=\xc4\xd6\n") << QStringLiteral("ÄÖ");
    QTest::newRow("escapes") << QByteArray("[Other]\nnote=\\x4e2d\\x41\n") << QStringLiteral("中A");
    QTest::newRow("lines ended by CR LF")
        << QByteArray("[Language]\r\nID=1\r\n[Other]\r\nnote=x\r\n") << QStringLiteral("x");
    // As an editor saves it on Windows.
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xef\xbb\xbf[Language]\nID=1\n[Other]\nnote=\xe4\xb8\xad\n")
        << QStringLiteral("中");
}

// A file edited by hand keeps its other keys when the language is stored.
void TestQMySettings::otherKeysStay()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, note);
    QDir().mkpath("config");
    {
        QFile f("config/system.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    {
        QMySettings settings;
        QString error;
        QVERIFY2(settings.setLanguage(2, QStringLiteral("x.qm"), &error), qPrintable(error));
    }
    const QSettings file("config/system.ini", QSettings::IniFormat);
    QCOMPARE(file.status(), QSettings::NoError);
    QCOMPARE(file.value("Language/ID").toInt(), 2);
    QCOMPARE(file.value("Other/note").toString(), note);
    QCOMPARE(QMySettings().getLanguageId(), 2);
}

// Nothing of the file is lost, and a missing file that cannot be made still starts in
// Chinese.
void TestQMySettings::writesThatCannotFinish()
{
    QDir().mkpath("config");
    const QByteArray old =
        "[Language]\nID=2\nPath=x\n\n[Other]\nkeep=" + QByteArray(3000, 'k') + "\n";
    {
        QFile f("config/system.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    {
        QMySettings settings;
        const FileSizeLimit limited(1024);
        QString error;
        QVERIFY(!settings.setLanguage(1, QString(), &error));
        QCOMPARE(error, QString("./config/system.ini：文件超过了系统允许的大小"));
    }
    QFile f("config/system.ini");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll() == old);
    QCOMPARE(QDir("config").entryList(QDir::Files | QDir::Hidden), QStringList {"system.ini"});

    QDir("config").removeRecursively();
    {
        const FileSizeLimit limited(0);
        QMySettings settings;
        QCOMPARE(settings.getLanguageId(), 1);
    }
    QVERIFY(!QFile::exists("config/system.ini"));
}

void TestQMySettings::translationFile_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("file");
    QTest::newRow("2") << 2 << ":/config/language/English.qm";
    QTest::newRow("1") << 1 << "";
    QTest::newRow("0") << 0 << "";
    QTest::newRow("3") << 3 << "";
}

void TestQMySettings::translationFile()
{
    QFETCH(int, id);
    QFETCH(QString, file);
    QCOMPARE(QMySettings::translationFileFor(id), file);
}

QTEST_GUILESS_MAIN(TestQMySettings)
#include "tst_qmysettings.moc"
