// Font-library file names, the font number rules and the list of generated fonts with
// their parameter files.

#include "fontlibraryfiles.h"
#include "generatedfonts.h"
#include "libraryfileutil.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// Font 5 at 16 pixels and depth 4.
GeneratedFonts::Params fontFive(const QString &ttf, const QString &text)
{
    GeneratedFonts::Params p;
    p.fontName = QStringLiteral("5");
    p.fontTtf = ttf;
    p.fontSize = QStringLiteral("16");
    p.fontBbp = QStringLiteral("4");
    p.fontText = text;
    return p;
}

} // namespace

class tst_FontLibrary : public QObject
{
    Q_OBJECT

private slots:
    void libraryNames_data();
    void libraryNames();
    void libraryList();
    void checkNumber_data();
    void checkNumber();
    void plainNumber_data();
    void plainNumber();
    void checkSize_data();
    void checkSize();
    void characterCount_data();
    void characterCount();
    void wholeFont_data();
    void wholeFont();
    void generatedList();
    void params();
    void paramsReadAlikeByEveryReader_data();
    void paramsReadAlikeByEveryReader();
    void paramsOfEarlierVersionsRead();
};

void tst_FontLibrary::libraryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("size");
    QTest::newRow("C_16") << "C_16.bin" << int(FontLibraryFiles::Chinese) << "16";
    QTest::newRow("E_96") << "E_96.bin" << int(FontLibraryFiles::English) << "96";
    QTest::newRow("every size") << "E_72.bin" << int(FontLibraryFiles::English) << "72";
    QTest::newRow("base name to the first dot")
        << "C_16.old.bin" << int(FontLibraryFiles::Chinese) << "16";
    QTest::newRow("lower-case kind") << "c_16.bin" << int(FontLibraryFiles::NotAccepted) << "";
    QTest::newRow("size not offered") << "C_20.bin" << int(FontLibraryFiles::NotAccepted) << "";
    QTest::newRow("two _") << "C_16_x.bin" << int(FontLibraryFiles::NotAccepted) << "";
    QTest::newRow("no _") << "C16.bin" << int(FontLibraryFiles::NotAccepted) << "";
    QTest::newRow("other kind") << "K_16.bin" << int(FontLibraryFiles::NotAccepted) << "";
    QTest::newRow("empty") << "" << int(FontLibraryFiles::NotAccepted) << "";
}

void tst_FontLibrary::libraryNames()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, size);
    QString got;
    QCOMPARE(int(FontLibraryFiles::kindOf(name, &got)), kind);
    QCOMPARE(got, size);
}

void tst_FontLibrary::libraryList()
{
    QTemporaryDir dir;
    for (const char *name : {"E_96.bin", "c_16.bin", "C_20.bin", "C_16_x.bin", "C_16.bin",
                             "E_24.BIN", "3.font", "E_32.txt"})
        put(dir.filePath(QLatin1String(name)));
    QCOMPARE(FontLibraryFiles::list(dir.path()),
             (QStringList {"C_16.bin", "E_24.BIN", "E_96.bin"}));
    QVERIFY(FontLibraryFiles::list(QString()).isEmpty());
}

void tst_FontLibrary::checkNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("number");
    QStringList all;
    QStringList others;
    for (int i = 0; i < 32; ++i) {
        all << QString::number(i);
        others << QString::number(i + 100);
    }
    QTest::newRow("5") << "5" << QStringList() << int(GeneratedFonts::NumberOk) << "5";
    QTest::newRow("05 is 5") << "05" << QStringList() << int(GeneratedFonts::NumberOk) << "5";
    QTest::newRow("0") << "0" << QStringList() << int(GeneratedFonts::NumberOk) << "0";
    QTest::newRow("31") << "31" << QStringList() << int(GeneratedFonts::NumberOk) << "31";
    QTest::newRow("32") << "32" << QStringList() << int(GeneratedFonts::OutOfRange) << "";
    QTest::newRow("-1") << "-1" << QStringList() << int(GeneratedFonts::OutOfRange) << "";
    QTest::newRow("abc") << "abc" << QStringList() << int(GeneratedFonts::NotANumber) << "";
    QTest::newRow("empty") << "" << QStringList() << int(GeneratedFonts::NotANumber) << "";
    QTest::newRow("1.5") << "1.5" << QStringList() << int(GeneratedFonts::NotANumber) << "";
    QTest::newRow("a new number beyond 32")
        << "7" << others << int(GeneratedFonts::TooManyFonts) << "";
    // Making a listed font again adds none.
    QTest::newRow("a listed number with 32 listed")
        << "03" << all << int(GeneratedFonts::NumberOk) << "3";
}

void tst_FontLibrary::checkNumber()
{
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    QFETCH(int, result);
    QFETCH(QString, number);
    QString got;
    QCOMPARE(int(GeneratedFonts::checkNumber(text, listed, &got)), result);
    QCOMPARE(got, number);
}

void tst_FontLibrary::plainNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("number");
    QTest::newRow("0") << "0" << true << "0";
    QTest::newRow("31") << "31" << true << "31";
    QTest::newRow("07") << "07" << true << "7";
    QTest::newRow("32") << "32" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("sign") << "+3" << false << "";
    QTest::newRow("path") << "../3" << false << "";
    QTest::newRow("blank") << " 3" << false << "";
    QTest::newRow("three digits") << "003" << false << "";
}

void tst_FontLibrary::plainNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, number);
    QString got;
    QCOMPARE(GeneratedFonts::isPlainNumber(text, &got), accepted);
    QCOMPARE(got, number);
}

void tst_FontLibrary::generatedList()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    put(folder + QLatin1String("/2.font"), QByteArray(1024, 'a'));
    put(folder + QLatin1String("/2.ini"));
    put(folder + QLatin1String("/10.font"), QByteArray(512, 'a'));
    put(folder + QLatin1String("/10.ini"));
    put(folder + QLatin1String("/9.font"), QByteArray(512, 'a'));
    put(folder + QLatin1String("/9.ini"));
    // Counted in the size, not listed: no parameter file, or not font 5's own file.
    put(folder + QLatin1String("/7.font"), QByteArray(1024, 'a'));
    put(folder + QLatin1String("/05.font"), QByteArray(1024, 'a'));
    put(folder + QLatin1String("/5.ini"));
    put(folder + QLatin1String("/C_16.bin"), QByteArray(4096, 'a'));
    put(folder + QLatin1String("/x.font"), QByteArray(1024, 'a'));
    QCOMPARE(GeneratedFonts::listNumbers(folder), (QStringList {"2", "9", "10"}));
    QCOMPARE(GeneratedFonts::fontFilesKB(folder), 5.0);
    QVERIFY(GeneratedFonts::listNumbers(dir.filePath(QStringLiteral("none"))).isEmpty());
    QCOMPARE(GeneratedFonts::fontPath(folder, QStringLiteral("3")),
             folder + QLatin1String("/3.font"));
    QCOMPARE(GeneratedFonts::paramPath(folder, QStringLiteral("3")),
             folder + QLatin1String("/3.ini"));
}

void tst_FontLibrary::params()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("5.ini"));
    const GeneratedFonts::Params p =
        fontFive(QStringLiteral("a.ttf"), QStringLiteral("中文 a,b=c;\n第二行"));
    QVERIFY(GeneratedFonts::writeParams(path, p));
    const GeneratedFonts::Params back = GeneratedFonts::readParams(path);
    QCOMPARE(back.fontName, p.fontName);
    QCOMPARE(back.fontTtf, p.fontTtf);
    QCOMPARE(back.fontSize, p.fontSize);
    QCOMPARE(back.fontBbp, p.fontBbp);
    QCOMPARE(back.fontText, p.fontText);
    // The file is the group FontParam with the five keys.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.startsWith("[FontParam]"));
    for (const char *key : {"fontName=5", "fontTtf=a.ttf", "fontSize=16", "fontBbp=4", "fontText="})
        QVERIFY2(text.contains(key), key);

    // Missing keys read as empty.
    const GeneratedFonts::Params none =
        GeneratedFonts::readParams(dir.filePath(QStringLiteral("x.ini")));
    QVERIFY(none.fontTtf.isEmpty() && none.fontText.isEmpty());
}

void tst_FontLibrary::checkSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("16") << "16" << true;
    QTest::newRow("smallest") << "8" << true;
    QTest::newRow("largest") << "200" << true;
    QTest::newRow("blanks around") << " 24 " << true;
    QTest::newRow("7") << "7" << false;
    QTest::newRow("201") << "201" << false;
    QTest::newRow("9999") << "9999" << false;
    QTest::newRow("negative") << "-16" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "16px" << false;
}

void tst_FontLibrary::checkSize()
{
    QFETCH(QString, text);
    int size = -1;
    QTEST(GeneratedFonts::checkSize(text, &size), "ok");
    if (size != -1)
        QCOMPARE(size, text.trimmed().toInt());
}

void tst_FontLibrary::characterCount_data()
{
    QTest::addColumn<QByteArray>("font");
    QTest::addColumn<int>("count");
    const auto fixture = [](const char *name) {
        QFile f(QStringLiteral(YBEX_TEST_DATA "/fonts/") + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // Made by the converter from a TrueType font without ASCII, with no characters asked
    // for, and with one.
    QTest::newRow("the blank alone") << fixture("blank-only.font") << 0;
    QTest::newRow("one han character") << fixture("one-han.font") << 1;
    QTest::newRow("empty file") << QByteArray() << -1;
    QTest::newRow("not a font") << QByteArray(200, 'x') << -1;
    QTest::newRow("cut short") << fixture("one-han.font").left(70) << -1;
    // A map whose data lies "before" it: the offset plus the length wraps around 32 bits.
    const auto wrappedMap = [](int format) {
        QByteArray cmap;
        const auto le = [&cmap](quint32 value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                cmap.append(char((value >> (8 * i)) & 0xFF));
        };
        le(28, 4);
        cmap.append("cmap");
        le(1, 4); // one subtable: data offset, first code, length, first glyph, entries, format
        le(0xFFFFFFF0u, 4);
        le(0x41, 4);
        le(0x20, 2);
        le(0, 2);
        le(8, 2);
        le(quint32(format), 2);
        return cmap;
    };
    QTest::newRow("full map out of the file") << wrappedMap(0) << -1;
    QTest::newRow("code list out of the file") << wrappedMap(1) << -1;
}

void tst_FontLibrary::characterCount()
{
    QFETCH(QByteArray, font);
    QTEST(GeneratedFonts::characterCount(font), "count");
}

void tst_FontLibrary::wholeFont_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("whole");
    QFile f(QStringLiteral(YBEX_TEST_DATA "/fonts/one-han.font"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray font = f.readAll();
    QTest::newRow("as converted") << font << true;
    QTest::newRow("last byte missing") << font.chopped(1) << false;
    QTest::newRow("cut after the first table")
        << font.left(qFromLittleEndian<quint32>(font.constData())) << false;
    QTest::newRow("a byte too many") << font + 'x' << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("not a font") << QByteArray(200, 'x') << false;
    QByteArray unlabelled = font;
    unlabelled.replace("cmap", "cmaq");
    QTest::newRow("no character map") << unlabelled << false;
    QByteArray headless = font;
    headless.replace(4, 4, "xxxx");
    QTest::newRow("no head first") << headless << false;
}

void tst_FontLibrary::wholeFont()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("5.font"));
    put(path, bytes);
    QTEST(GeneratedFonts::isWholeFont(path), "whole");
}

void tst_FontLibrary::paramsReadAlikeByEveryReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese") << QStringLiteral("中文字库");
    QTest::newRow("umlauts") << QStringLiteral("ÄÖÜäöüß");
    QTest::newRow("beyond the first plane") << QString::fromUcs4(U"\U0001F600\U00020000");
    QTest::newRow("quotes and backslashes") << QStringLiteral("\"a\" \\ \\x41 'b'");
    QTest::newRow("commas and semicolons") << QStringLiteral("a,b;c,");
    QTest::newRow("spaces around") << QStringLiteral("  中 文  ");
    QTest::newRow("equals signs") << QStringLiteral("a=b==c");
    QTest::newRow("digits after a character beyond ASCII") << QStringLiteral("中12ab");
    QTest::newRow("a leading at sign") << QStringLiteral("@Variant(x)");
    QTest::newRow("everything at once") << QString::fromUcs4(U"ÄÖÜ \U0001F600 \"中\",;= \\ ");
}

// The parameter file beside a generated font is read the same by any reader of the INI
// format with Qt's defaults, which takes bytes beyond ASCII as Latin-1: they are escaped.
void tst_FontLibrary::paramsReadAlikeByEveryReader()
{
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("5.ini"));
    const GeneratedFonts::Params p = fontFive(QStringLiteral("字体 ä.ttf"), text);
    QString error;
    QVERIFY2(GeneratedFonts::writeParams(path, p, &error), qPrintable(error));

    const QSettings plain(path, QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("FontParam/fontText")).toString(), text);
    QCOMPARE(plain.value(QStringLiteral("FontParam/fontTtf")).toString(), p.fontTtf);
    QCOMPARE(plain.value(QStringLiteral("FontParam/fontSize")).toString(), p.fontSize);
    QCOMPARE(GeneratedFonts::readParams(path).fontText, text);
    QCOMPARE(GeneratedFonts::readParams(path).fontTtf, p.fontTtf);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    for (const char c : f.readAll())
        QVERIFY2(uchar(c) < 0x80, "a byte beyond ASCII");
}

// Files written in UTF-8 by an earlier version are still read as they were meant.
void tst_FontLibrary::paramsOfEarlierVersionsRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("5.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[FontParam]\nfontName=5\nfontTtf=\xe5\xad\x97.ttf\nfontSize=16\nfontBbp=4\n"
            "fontText=\xe4\xb8\xad\xe6\x96\x87\xc3\x84 \xf0\x9f\x98\x80\n");
    f.close();
    const GeneratedFonts::Params p = GeneratedFonts::readParams(path);
    QCOMPARE(p.fontTtf, QStringLiteral("字.ttf"));
    QCOMPARE(p.fontText, QString::fromUcs4(U"中文Ä \U0001F600"));
}

QTEST_MAIN(tst_FontLibrary)
#include "tst_fontlibrary.moc"
