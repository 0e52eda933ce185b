#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include "dialogtestutil.h"
#include "filesizelimit.h"
#include "globals.h"
#include "languagedlg.h"
#include "qmymessagebox.h"

#include <QLabel>

static const char iniPath[] = "./config/system.ini";
static const char englishFile[] = ":/config/language/English.qm";

static void writeIni(const QVariant &id)
{
    QDir().mkpath("config");
    QFile::remove(iniPath);
    if (!id.isValid())
        return;
    QSettings s(iniPath, QSettings::IniFormat);
    s.setValue("Language/ID", id);
    s.setValue("Language/Path", QString());
}

// Reads the file itself: settings objects of one process share what they hold in memory.
static QString storedLine(const QString &key)
{
    QFile f(iniPath);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

static QVariant storedId()
{
    return storedLine("ID");
}

static QString storedPath()
{
    return storedLine("Path");
}

static void click(LanguageDlg &dlg, const char *name)
{
    dlg.findChild<QAbstractButton *>(name)->click();
}

class TestLanguageDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::installTranslator(&LanguageDlg::appTranslator()); }
    void init()
    {
        QTranslator &translator = LanguageDlg::appTranslator();
        QCoreApplication::removeTranslator(&translator);
        translator.load(QString());
        QCoreApplication::installTranslator(&translator);
    }

    void startsFromTheStoredChoice_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<bool>("english");
        QTest::newRow("no file") << QVariant() << 1 << true << false;
        QTest::newRow("Chinese") << QVariant(1) << 1 << true << false;
        QTest::newRow("English") << QVariant(2) << 2 << false << true;
        QTest::newRow("unknown") << QVariant(3) << 3 << false << false;
    }
    void startsFromTheStoredChoice()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, id);
        QFETCH(bool, chinese);
        QFETCH(bool, english);
        writeIni(stored);
        LanguageDlg dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(325, 148));
        QCOMPARE(dlg.maximumSize(), QSize(325, 148));
        QCOMPARE(dlg.languageId(), id);
        QCOMPARE(dlg.findChild<QRadioButton *>("rbChinese")->isChecked(), chinese);
        QCOMPARE(dlg.findChild<QRadioButton *>("rbEnglish")->isChecked(), english);
    }

    void switchToEnglishAndBack()
    {
        writeIni(1);
        LanguageDlg dlg;
        QSignalSpy spy(&dlg, &LanguageDlg::s_translator);
        dlg.show();
        click(dlg, "rbEnglish");
        click(dlg, "btnOK");
        QVERIFY(dlg.isHidden());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString(englishFile));
        QCOMPARE(dlg.languageId(), 2);
        QCOMPARE(QCoreApplication::translate("ColorDlg", "颜色表"), QString("Color Table"));
        dlg.retranslate();
        QCOMPARE(dlg.windowTitle(), QString("language choice"));
        QCOMPARE(dlg.findChild<QRadioButton *>("rbEnglish")->text(), QString("English"));
        QCoreApplication::processEvents(); // lets the settings reach the file
        QCOMPARE(storedId().toInt(), 2);
        QCOMPARE(storedPath(), QString(englishFile));

        click(dlg, "rbChinese");
        click(dlg, "btnOK");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toString(), QString());
        QCOMPARE(QCoreApplication::translate("ColorDlg", "颜色表"), QString("颜色表"));
        QCoreApplication::processEvents();
        QCOMPARE(storedId().toInt(), 1);
        QCOMPARE(storedPath(), QString());
    }

    void okWithoutChangeWritesNothing()
    {
        writeIni(2);
        const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
        {
            QFile f(iniPath);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        {
            LanguageDlg dlg;
            QSignalSpy spy(&dlg, &LanguageDlg::s_translator);
            dlg.show();
            click(dlg, "btnOK");
            QVERIFY(dlg.isHidden());
            QCOMPARE(spy.count(), 0);
            QCoreApplication::processEvents();
        }
        QCOMPARE(QFileInfo(iniPath).fileTime(QFileDevice::FileModificationTime), old);
        QCOMPARE(QCoreApplication::translate("ColorDlg", "颜色表"), QString("颜色表"));
    }

    void cancelKeepsTheLanguageButNotTheRadio()
    {
        writeIni(1);
        LanguageDlg dlg;
        QSignalSpy spy(&dlg, &LanguageDlg::s_translator);
        dlg.show();
        click(dlg, "rbEnglish");
        click(dlg, "btnCancel");
        QVERIFY(dlg.isHidden());
        QCOMPARE(spy.count(), 0);
        QCOMPARE(dlg.languageId(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(storedId().toInt(), 1);
        // the radio stays as the user left it, so the next OK applies it
        dlg.show();
        click(dlg, "btnOK");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(dlg.languageId(), 2);
    }

    // A choice that does not reach the file: the file stays as it was and the user is
    // told why; the switch itself holds for this run.
    void choiceThatCannotBeSaved()
    {
        QDir().mkpath("config");
        const QByteArray old =
            "[Language]\nID=1\nPath=\n\n[Other]\nkeep=" + QByteArray(3000, 'k') + "\n";
        QFile f(iniPath);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(old);
        f.close();
        LanguageDlg dlg;
        QSignalSpy spy(&dlg, &LanguageDlg::s_translator);
        dlg.show();
        click(dlg, "rbEnglish");
        {
            const FileSizeLimit limited(1024);
            QVERIFY(limited.isSet());
            click(dlg, "btnOK");
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(dlg.languageId(), 2);
        QMyMessageBox *box = dlg.getResultBox();
        QVERIFY(box->isVisible());
        // In the language just chosen.
        QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
                 QString("The language setting could not be saved!\n%1: the file is larger than "
                         "the system allows")
                     .arg(iniPath));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == old);
        QCOMPARE(QDir("config").entryList(QDir::Files | QDir::Hidden), QStringList {"system.ini"});
        box->hide();
        QTranslator &translator = LanguageDlg::appTranslator();
        QCoreApplication::removeTranslator(&translator);
        translator.load(QString());
        QCoreApplication::installTranslator(&translator);
    }

    void unknownStoredLanguage()
    {
        writeIni(3);
        LanguageDlg dlg;
        QSignalSpy spy(&dlg, &LanguageDlg::s_translator);
        click(dlg, "btnOK");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString());
        QCOMPARE(dlg.languageId(), -1);
        QCoreApplication::processEvents();
        QCOMPARE(storedId().toInt(), -1);
    }
};

QTEST_MAIN(TestLanguageDlg)
#include "tst_languagedlg.moc"
