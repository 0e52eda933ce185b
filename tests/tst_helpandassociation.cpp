#include <QDesktopServices>
#include <QTemporaryDir>
#include <QtTest>

#include "fileassociation.h"
#include "filesizelimit.h"
#include "helpdocuments.h"
#include "mainwindow.h"

// Catches what the program hands to the desktop instead of starting a viewer.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestHelpAndAssociation : public QObject
{
    Q_OBJECT
private:
    UrlCatcher catcher;
    QTemporaryDir dataHome {QDir::currentPath() + "/xdg-XXXXXX"};

    static QDateTime oldTime() { return QDateTime(QDate(2020, 1, 1), QTime(12, 0)); }
    static void age(const QString &path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(oldTime(), QFileDevice::FileModificationTime));
    }
    static QDateTime modified(const QString &path)
    {
        return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
    }
    QString mimeFile() const { return dataHome.path() + "/mime/packages/tz.yBEX.xml"; }
    QString desktopFile() const { return dataHome.path() + "/applications/tz.yBEX.desktop"; }
private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        // Never write into a real home folder, whatever the caller's environment says.
        QVERIFY(dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                 dataHome.path());
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

    void helpDocuments_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        const QList<QStringList> table = {
            {"yBEX软件使用文档.pdf", "yBEX software usage document.pdf"},
            {"KVR&PMW应用文档.pdf", "KVR&PMW Application Document.pdf"},
            {"yBEX字体生成失败解决方法.pdf", "Solution to yBEX font generation failure.pdf"},
            {"KVR视频学习资料", "KVR视频学习资料"},
            {"技术支持窗口.txt", "Technical Support Window.txt"},
            {"KVR&PMW用户函数和指令集(CH).pdf", "KVR&PMW用户函数和指令集(EN).pdf"},
            {"QZT编程实例.pdf", "QZT编程实例.pdf"},
            {"QZT使用注意事项文档.pdf", "QZT使用注意事项文档.pdf"},
            {"图片脱机上传流程.pdf", "图片脱机上传流程.pdf"},
        };
        for (int d = 0; d < table.size(); ++d) {
            QTest::addRow("document %d, Chinese", d) << d << 1 << table.at(d).at(0);
            QTest::addRow("document %d, English", d) << d << 2 << table.at(d).at(1);
            QTest::addRow("document %d, unknown language", d) << d << 3 << QString();
        }
    }
    void helpDocuments()
    {
        QFETCH(int, document);
        QFETCH(int, language);
        QFETCH(QString, name);
        catcher.urls.clear();
        openHelpDocument(HelpDocument(document), language);
        if (name.isEmpty()) {
            QCOMPARE(catcher.urls.size(), 0);
            QCOMPARE(helpDocumentPath(HelpDocument(document), language), QString());
            return;
        }
        const QString expected = QCoreApplication::applicationDirPath() + "/help/" + name;
        QCOMPARE(helpDocumentPath(HelpDocument(document), language), expected);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.at(0), QUrl::fromLocalFile(expected));
    }

    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/yBEX/ybex"
                               << "\"/opt/yBEX/ybex\" %f";
        QTest::newRow("blank") << "/home/a b/ybex"
                               << "\"/home/a b/ybex\" %f";
        QTest::newRow("double quote") << "/x/\"q\"/ybex"
                                      << "\"/x/\\\\\"q\\\\\"/ybex\" %f";
        QTest::newRow("dollar") << "/x/$HOME/ybex"
                                << "\"/x/\\\\$HOME/ybex\" %f";
        QTest::newRow("backtick") << "/x/`id`/ybex"
                                  << "\"/x/\\\\`id\\\\`/ybex\" %f";
        QTest::newRow("backslash") << "/x/a\\b/ybex"
                                   << "\"/x/a\\\\\\\\b/ybex\" %f";
        QTest::newRow("percent") << "/x/100%f/ybex"
                                 << "\"/x/100%%f/ybex\" %f";
        QTest::newRow("newline") << "/x/a\nb/ybex"
                                 << "\"/x/a\\nb/ybex\" %f";
        QTest::newRow("shell characters") << "/x/a;b&c|d'e/ybex"
                                          << "\"/x/a;b&c|d'e/ybex\" %f";
        QTest::newRow("chinese") << "/home/用户/ybex"
                                 << "\"/home/用户/ybex\" %f";
    }
    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(FileAssociation::desktopExecValue(program), exec);
        QVERIFY(
            FileAssociation::desktopEntry(program).contains(("\nExec=" + exec + "\n").toUtf8()));
    }

    void associationFiles()
    {
        QFile::remove(mimeFile());
        QFile::remove(desktopFile());
        const QString program = "/opt/y BEX/ybex";
        QVERIFY(FileAssociation::registerFileType(program));

        QFile mime(mimeFile());
        QVERIFY(mime.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(mime.readAll());
        QVERIFY(xml.contains("<mime-type type=\"application/x-ybex\">"));
        QVERIFY(xml.contains("<glob pattern=\"*.yBEX\" case-sensitive=\"true\"/>"));
        QVERIFY(xml.contains("<comment>yBEX文件</comment>"));

        QFile desktop(desktopFile());
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(desktop.readAll());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nType=Application\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/y BEX/ybex\" %f\n"));
        QVERIFY(entry.contains("\nMimeType=application/x-ybex;\n"));
    }

    void unchangedFilesAreNotRewritten()
    {
        const QString program = "/opt/yBEX/ybex";
        FileAssociation::registerFileType(program);
        age(mimeFile());
        age(desktopFile());
        QVERIFY(!FileAssociation::registerFileType(program));
        QCOMPARE(modified(mimeFile()), oldTime());
        QCOMPARE(modified(desktopFile()), oldTime());

        // The program moved: only the desktop entry changes.
        QVERIFY(FileAssociation::registerFileType("/usr/local/bin/ybex"));
        QCOMPARE(modified(mimeFile()), oldTime());
        QVERIFY(modified(desktopFile()) != oldTime());
        QFile desktop(desktopFile());
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        QVERIFY(desktop.readAll().contains("Exec=\"/usr/local/bin/ybex\" %f"));

        // A damaged file is put right.
        QFile mime(mimeFile());
        QVERIFY(mime.open(QIODevice::WriteOnly | QIODevice::Truncate));
        mime.write("junk");
        mime.close();
        QVERIFY(FileAssociation::registerFileType("/usr/local/bin/ybex"));
        QVERIFY(mime.open(QIODevice::ReadOnly));
        QCOMPARE(mime.readAll(), FileAssociation::mimeTypeXml());
    }

    // A window, as the driver and the tests build it, leaves the user's home alone.
    void windowWritesNoAssociation()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        qputenv("XDG_DATA_HOME", empty.path().toLocal8Bit());
        {
            MainWindow window(QCoreApplication::applicationFilePath());
            QCoreApplication::processEvents();
        }
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // The program itself registers its file type when it starts.
    void programRegistersAtStart()
    {
        const QString program =
            QFileInfo(QCoreApplication::applicationDirPath() + "/../ybex").canonicalFilePath();
        QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // Without the desktop's cache tools, which would go on writing in the background.
        env.insert("PATH", home.path());
        QProcess ybex;
        ybex.setProcessEnvironment(env);
        ybex.setWorkingDirectory(home.path());
        ybex.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        ybex.setStandardOutputFile(QProcess::nullDevice());
        ybex.start(program, QStringList());
        QVERIFY2(ybex.waitForStarted(), qPrintable(ybex.errorString()));
        const QString desktop = home.path() + "/data/applications/tz.yBEX.desktop";
        const QString mime = home.path() + "/data/mime/packages/tz.yBEX.xml";
        const bool written = QTest::qWaitFor(
            [&] {
                return (QFile::exists(desktop) && QFile::exists(mime))
                    || ybex.state() == QProcess::NotRunning;
            },
            30000);
        ybex.kill();
        ybex.waitForFinished();
        QVERIFY(written);
        QFile entry(desktop);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QCOMPARE(entry.readAll(), FileAssociation::desktopEntry(program));
        QFile type(mime);
        QVERIFY(type.open(QIODevice::ReadOnly));
        QCOMPARE(type.readAll(), FileAssociation::mimeTypeXml());
    }

    // Files that do not fit on the disk are not cut: the old ones stay as they were.
    void writesThatCannotFinishKeepTheFiles()
    {
        FileAssociation::registerFileType("/opt/yBEX/ybex");
        QFile desktop(desktopFile());
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QByteArray before = desktop.readAll();
        desktop.close();
        {
            const FileSizeLimit limited(16);
            QVERIFY(limited.isSet());
            QVERIFY(!FileAssociation::registerFileType("/usr/local/bin/ybex"));
        }
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        QVERIFY(desktop.readAll() == before);
        QCOMPARE(QDir(QFileInfo(desktopFile()).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QFileInfo(desktopFile()).fileName()});
    }
};

QTEST_MAIN(TestHelpAndAssociation)
#include "tst_helpandassociation.moc"
