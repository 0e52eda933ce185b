#include <QFile>
#include <QTranslator>
#include <QtTest>

// The compiled-in resources reach every program that links the library.
class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void styleSheetIsCompiledIn() { QVERIFY(QFile::exists(":qss/yBEX.qss")); }
    void translationLoads()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        QCOMPARE(translator.translate("QMyMessageBox", "提示"), QString("Hint"));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
