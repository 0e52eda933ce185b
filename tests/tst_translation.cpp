#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The folders whose sources hold translated texts.
const char *const SourceFolders[] = {"app",     "widgets",         "design",
                                     "project", "propertybrowser", "properties",
                                     "library", "events",          "link"};

// English.ts is written by hand: every text the sources pass through the translation
// functions needs an English entry, and entries whose text left the sources must go.
class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void everySourceTextIsTranslated();
};

void TestTranslation::everySourceTextIsTranslated()
{
    const QString source = QStringLiteral(YBEX_SOURCE_DIR);
    QString lupdate = QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate";
    if (!QFile::exists(lupdate))
        lupdate = QStandardPaths::findExecutable("lupdate");
    QVERIFY2(!lupdate.isEmpty(), "lupdate not found");

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString ts = tmp.filePath("English.ts");
    QVERIFY(QFile::copy(source + "/resources/config/language/English.ts", ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);

    QStringList args {"-silent", "-locations", "none"};
    for (const char *folder : SourceFolders) {
        if (QDir(source + "/" + folder).exists())
            args << source + "/" + folder;
    }
    args << "-ts" << ts;
    QProcess process;
    process.start(lupdate, args);
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument doc;
    QVERIFY(doc.setContent(&file));

    // Texts translated at run time from tables (QCoreApplication::translate with a
    // variable) are invisible to lupdate; they count as used while their literal is in
    // the sources.
    QString allSources;
    for (const char *folder : SourceFolders) {
        QDirIterator it(source + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                allSources += QString::fromUtf8(f.readAll());
        }
    }

    QStringList missing;
    QStringList stale;
    const QDomNodeList contexts = doc.elementsByTagName("context");
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement("name").text();
        for (QDomElement m = context.firstChildElement("message"); !m.isNull();
             m = m.nextSiblingElement("message")) {
            const QDomElement tr = m.firstChildElement("translation");
            const QString type = tr.attribute("type");
            const QString what = name + ": " + m.firstChildElement("source").text();
            const QString literal = '"' + m.firstChildElement("source").text() + '"';
            if ((type == "vanished" || type == "obsolete") && !allSources.contains(literal))
                stale << what;
            else if (type == "vanished" || type == "obsolete")
                continue;
            else if (type == "unfinished" || tr.text().isEmpty())
                missing << what;
        }
    }
    if (!missing.isEmpty())
        qWarning().noquote() << "Texts without an English translation:\n  " + missing.join("\n  ");
    if (!stale.isEmpty())
        qWarning().noquote() << "English entries no longer in the sources:\n  "
                + stale.join("\n  ");
    QVERIFY(missing.isEmpty());
    QVERIFY(stale.isEmpty());
}

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
