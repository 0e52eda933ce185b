// The real font converter run without blocking: its outputs against lv_font_conv run by
// hand with the same arguments, the parameter file, and every failure keeping the old font.

#include "filesizelimit.h"
#include "fontconverter.h"
#include "libraryfileutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString latinTtf = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
const QString chineseTtf =
    QStringLiteral("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf");
// A time-out no run reaches on any machine: a run it bounds ends for its own reason.
const int beyondAnyDelay = 3600 * 1000;

// lv_font_conv run directly; the font file it wrote, empty when it failed.
QByteArray byHand(const QStringList &args, const QString &output)
{
    QFile::remove(output);
    QProcess p;
    p.start(QStringLiteral("lv_font_conv"), QStringList(args) << QStringLiteral("-o") << output);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QByteArray();
    return read(output);
}

void writeScript(const QString &path, const QByteArray &body)
{
    put(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class tst_FontConverter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void arguments();
    void realConversion_data();
    void realConversion();
    void emptyCharactersGiveTheRangeAlone();
    void injectionIsInert();
    void failuresKeepTheOldFont_data();
    void failuresKeepTheOldFont();
    void parameterFileThatCannotBeWritten();
    void linksElsewhereAreReplaced();
    void checkInstalled();

private:
    FontConverter::Request request(const QString &ttf, const QString &symbols, int bpp) const;
    bool runToEnd(FontConverter &converter, const FontConverter::Request &r, QString *message);

    QTemporaryDir *dir = nullptr;
    QString fonts;
    // The Latin font's range alone at 16 pixels, depth 4, as lv_font_conv makes it by hand;
    // made once for every test that needs it.
    QTemporaryDir shared;
    QString rangeAlonePath;
    QByteArray rangeAlone;
};

void tst_FontConverter::initTestCase()
{
    QVERIFY2(QFile::exists(latinTtf), "fonts-dejavu-core is installed by the set-up script");
    QVERIFY2(QFile::exists(chineseTtf), "fonts-droid-fallback is installed by the set-up script");
    QVERIFY(shared.isValid());
    rangeAlonePath = shared.filePath(QStringLiteral("range.font"));
    rangeAlone = byHand({"--font", latinTtf, "--range", "0x20-0x7f", "--size", "16", "--format",
                         "bin", "--bpp", "4", "--no-compress"},
                        rangeAlonePath);
    QVERIFY(!rangeAlone.isEmpty());
}

void tst_FontConverter::init()
{
    dir = new QTemporaryDir;
    fonts = dir->filePath(QStringLiteral("tempFonts"));
    QVERIFY(QDir().mkpath(fonts));
    FontConverter::setProgram(QStringLiteral("lv_font_conv"));
}

void tst_FontConverter::cleanup()
{
    delete dir;
    dir = nullptr;
    FontConverter::setProgram(QStringLiteral("lv_font_conv"));
}

FontConverter::Request tst_FontConverter::request(const QString &ttf, const QString &symbols,
                                                  int bpp) const
{
    FontConverter::Request r;
    r.ttfPath = ttf;
    r.symbols = symbols;
    r.size = 16;
    r.bpp = bpp;
    r.compress = bpp == 3;
    r.outputPath = fonts + QLatin1String("/5.font");
    r.paramPath = fonts + QLatin1String("/5.ini");
    r.params.fontName = QStringLiteral("5");
    r.params.fontTtf = QFileInfo(ttf).fileName();
    r.params.fontSize = QStringLiteral("16");
    r.params.fontBbp = QString::number(bpp);
    r.params.fontText = symbols;
    return r;
}

bool tst_FontConverter::runToEnd(FontConverter &converter, const FontConverter::Request &r,
                                 QString *message)
{
    QSignalSpy spy(&converter, &FontConverter::finished);
    converter.start(r);
    // The window is not blocked: the run reports later, from the event loop.
    if (spy.isEmpty() && !spy.wait(60000))
        return false;
    if (spy.size() != 1 || converter.isRunning())
        return false;
    *message = spy.at(0).at(1).toString();
    return spy.at(0).at(0).toBool();
}

void tst_FontConverter::arguments()
{
    FontConverter::Request r;
    r.ttfPath = QStringLiteral("P/tempTtf/a.ttf");
    r.symbols = QStringLiteral("中文");
    r.size = 16;
    r.bpp = 4;
    r.compress = false;
    QCOMPARE(FontConverter::arguments(r, QStringLiteral("P/tempFonts/5.font")),
             (QStringList {"--font", "P/tempTtf/a.ttf", "--range", "0x20-0x7f", "--symbols=中文",
                           "--size", "16", "--format", "bin", "--bpp", "4", "--no-compress", "-o",
                           "P/tempFonts/5.font"}));
    // Depth 3 converts compressed; no "/" is turned into "\".
    r.bpp = 3;
    r.compress = true;
    r.symbols = QStringLiteral("a/b");
    QCOMPARE(FontConverter::arguments(r, QStringLiteral("o")),
             (QStringList {"--font", "P/tempTtf/a.ttf", "--range", "0x20-0x7f", "--symbols=a/b",
                           "--size", "16", "--format", "bin", "--bpp", "3", "-o", "o"}));
}

void tst_FontConverter::realConversion_data()
{
    QTest::addColumn<QString>("ttf");
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<int>("bpp");
    QTest::newRow("Latin, depth 2") << latinTtf << QStringLiteral("°±µ") << 2;
    QTest::newRow("Latin, depth 3") << latinTtf << QStringLiteral("°±µ") << 3;
    QTest::newRow("Chinese, depth 4") << chineseTtf << QStringLiteral("中文字库") << 4;
    QTest::newRow("Chinese, depth 3") << chineseTtf << QStringLiteral("中文字库") << 3;
}

void tst_FontConverter::realConversion()
{
    QFETCH(QString, ttf);
    QFETCH(QString, symbols);
    QFETCH(int, bpp);
    put(fonts + QLatin1String("/5.font"), "old font");

    FontConverter converter;
    QString message;
    QVERIFY2(runToEnd(converter, request(ttf, symbols, bpp), &message), qPrintable(message));

    QStringList args = {"--font", ttf,  "--range",  "0x20-0x7f", "--symbols", symbols,
                        "--size", "16", "--format", "bin",       "--bpp",     QString::number(bpp)};
    if (bpp != 3)
        args << QStringLiteral("--no-compress");
    const QByteArray expected = byHand(args, dir->filePath(QStringLiteral("hand.font")));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(read(fonts + QLatin1String("/5.font")), expected);
    // The range's printable characters that the TrueType font has, and the ones asked for.
    QVERIFY(GeneratedFonts::characterCount(expected) >= symbols.size());

    const GeneratedFonts::Params p = GeneratedFonts::readParams(fonts + QLatin1String("/5.ini"));
    QCOMPARE(p.fontName, QStringLiteral("5"));
    QCOMPARE(p.fontTtf, QFileInfo(ttf).fileName());
    QCOMPARE(p.fontSize, QStringLiteral("16"));
    QCOMPARE(p.fontBbp, QString::number(bpp));
    QCOMPARE(p.fontText, symbols);
    // And the same by any reader of the INI format with Qt's defaults.
    const QSettings plain(fonts + QLatin1String("/5.ini"), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("FontParam/fontText")).toString(), symbols);
    // Nothing but the pair is left in the folder.
    QCOMPARE(QDir(fonts).entryList(QDir::Files | QDir::Hidden), (QStringList {"5.font", "5.ini"}));
    // Both with the mode every other new file of the user gets.
    const QString probe = dir->filePath(QStringLiteral("probe"));
    put(probe, "x");
    QCOMPARE(QFile::permissions(fonts + QLatin1String("/5.font")), QFile::permissions(probe));
    QCOMPARE(QFile::permissions(fonts + QLatin1String("/5.ini")), QFile::permissions(probe));
}

void tst_FontConverter::emptyCharactersGiveTheRangeAlone()
{
    FontConverter converter;
    QString message;
    QVERIFY2(runToEnd(converter, request(latinTtf, QString(), 4), &message), qPrintable(message));
    QCOMPARE(read(fonts + QLatin1String("/5.font")), rangeAlone);
    // Every printable ASCII character but the blank.
    QCOMPARE(GeneratedFonts::characterCount(rangeAlone), 0x7E - 0x20);
}

void tst_FontConverter::injectionIsInert()
{
    const QString marker = dir->filePath(QStringLiteral("pwned"));
    const QString evil =
        QStringLiteral("-o %1 ; touch %1 $(touch %1) `touch %1` | > %1 \" '").arg(marker);
    FontConverter converter;
    QString message;
    QVERIFY2(runToEnd(converter, request(latinTtf, evil, 4), &message), qPrintable(message));
    QVERIFY(!QFileInfo::exists(marker));
    // The text was taken as characters: the same font as those characters given by hand.
    const QByteArray expected =
        byHand({"--font", latinTtf, "--range", "0x20-0x7f", "--symbols=" + evil, "--size", "16",
                "--format", "bin", "--bpp", "4", "--no-compress"},
               dir->filePath(QStringLiteral("hand.font")));
    QCOMPARE(read(fonts + QLatin1String("/5.font")), expected);
    QCOMPARE(GeneratedFonts::readParams(fonts + QLatin1String("/5.ini")).fontText, evil);
}

void tst_FontConverter::failuresKeepTheOldFont_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing converter") << "missing"
                                       << "无法启动";
    QTest::newRow("characters the font lacks") << "lacks"
                                               << "doesn't have any characters";
    QTest::newRow("not a TrueType file") << "notttf"
                                         << "Cannot load font";
    // The converter prints its usage text first; its reason leads the message.
    QTest::newRow("missing TrueType file") << "nottf"
                                           << "lv_font_conv: error: Cannot read file";
    QTest::newRow("size refused") << "size"
                                  << "lv_font_conv: error: argument --size";
    QTest::newRow("converter hangs") << "hang"
                                     << "运行超时";
    QTest::newRow("converter writes nothing") << "silent"
                                              << "未生成字体文件";
    QTest::newRow("converter fails silently") << "exit3"
                                              << "退出码3";
    // Exit status 0 over a font cut short or not a font at all.
    QTest::newRow("converter writes a cut font") << "cut"
                                                 << "不是完整的字体文件";
    QTest::newRow("converter writes garbage") << "garbage"
                                              << "不是完整的字体文件";
}

void tst_FontConverter::failuresKeepTheOldFont()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    put(fonts + QLatin1String("/5.font"), "old font");
    put(fonts + QLatin1String("/5.ini"), "[FontParam]\nfontTtf=old.ttf\n");

    FontConverter converter;
    converter.setTimeouts(beyondAnyDelay, beyondAnyDelay);
    FontConverter::Request r = request(latinTtf, QStringLiteral("abc"), 4);
    const QString script = dir->filePath(QStringLiteral("converter.sh"));
    if (kind == QLatin1String("missing")) {
        FontConverter::setProgram(dir->filePath(QStringLiteral("no/lv_font_conv")));
    } else if (kind == QLatin1String("lacks")) {
        r.symbols = QStringLiteral("中文");
    } else if (kind == QLatin1String("notttf")) {
        r.ttfPath = dir->filePath(QStringLiteral("x.ttf"));
        put(r.ttfPath, "not a font");
    } else if (kind == QLatin1String("nottf")) {
        r.ttfPath = dir->filePath(QStringLiteral("none.ttf"));
    } else if (kind == QLatin1String("size")) {
        r.size = 0;
    } else if (kind == QLatin1String("hang")) {
        writeScript(script, "exec sleep 30");
        FontConverter::setProgram(script);
        converter.setTimeouts(5000, 300);
    } else if (kind == QLatin1String("silent")) {
        writeScript(script, "exit 0");
        FontConverter::setProgram(script);
    } else if (kind == QLatin1String("exit3")) {
        writeScript(script, "exit 3");
        FontConverter::setProgram(script);
    } else if (kind == QLatin1String("cut") || kind == QLatin1String("garbage")) {
        // The last argument is the output; the real converter's font, then spoilt.
        const QByteArray spoil = kind == QLatin1String("cut")
            ? "head -c 1000 '" + QFile::encodeName(rangeAlonePath) + "' > \"$out\""
            : QByteArray("printf 'not a font at all' > \"$out\"");
        writeScript(script, "for out; do :; done\n" + spoil);
        FontConverter::setProgram(script);
    }

    QString message;
    QVERIFY(!runToEnd(converter, r, &message));
    // The run ended for the reason its message names: with time-outs that no run reaches,
    // only the converter that hangs is stopped by the clock.
    QVERIFY2(message.section(QLatin1Char('\n'), 0, 0).contains(reason), qPrintable(message));
    QVERIFY(!message.isEmpty());
    QCOMPARE(read(fonts + QLatin1String("/5.font")), QByteArray("old font"));
    QCOMPARE(GeneratedFonts::readParams(fonts + QLatin1String("/5.ini")).fontTtf,
             QStringLiteral("old.ttf"));
    QCOMPARE(QDir(fonts).entryList(QDir::Files | QDir::Hidden), (QStringList {"5.font", "5.ini"}));
}

// The font fits on the disk, its parameter file does not: the old pair stays and the
// failure names the file and why, where "生成字体成功" once showed over an empty file.
void tst_FontConverter::parameterFileThatCannotBeWritten()
{
    put(fonts + QLatin1String("/5.font"), "old font");
    put(fonts + QLatin1String("/5.ini"), "[FontParam]\nfontTtf=old.ttf\n");
    FontConverter::Request r = request(latinTtf, QString(6000, QLatin1Char('a')), 1);
    r.size = 8;
    FontConverter converter;
    QString message;
    bool converted = true;
    {
        const FileSizeLimit limited(4096);
        QVERIFY(limited.isSet());
        converted = runToEnd(converter, r, &message);
    }
    QVERIFY(!converted);
    QCOMPARE(message, QStringLiteral("无法写入%1/5.ini：文件超过了系统允许的大小").arg(fonts));
    QCOMPARE(read(fonts + QLatin1String("/5.font")), QByteArray("old font"));
    QCOMPARE(read(fonts + QLatin1String("/5.ini")), QByteArray("[FontParam]\nfontTtf=old.ttf\n"));
    QCOMPARE(QDir(fonts).entryList(QDir::Files | QDir::Hidden), (QStringList {"5.font", "5.ini"}));
}

// Font and parameter files that are links elsewhere are replaced, never written through:
// the files they pointed to stay as they were.
void tst_FontConverter::linksElsewhereAreReplaced()
{
    const QString otherFont = dir->filePath(QStringLiteral("elsewhere.font"));
    const QString otherParams = dir->filePath(QStringLiteral("elsewhere.ini"));
    put(otherFont, "keep this font");
    put(otherParams, "keep these settings");
    QVERIFY(QFile::link(otherFont, fonts + QLatin1String("/5.font")));
    QVERIFY(QFile::link(otherParams, fonts + QLatin1String("/5.ini")));
    FontConverter converter;
    QString message;
    QVERIFY2(runToEnd(converter, request(latinTtf, QStringLiteral("abc"), 1), &message),
             qPrintable(message));
    QCOMPARE(read(otherFont), QByteArray("keep this font"));
    QCOMPARE(read(otherParams), QByteArray("keep these settings"));
    QVERIFY(!QFileInfo(fonts + QLatin1String("/5.font")).isSymLink());
    QVERIFY(!QFileInfo(fonts + QLatin1String("/5.ini")).isSymLink());
    QVERIFY(GeneratedFonts::isWholeFont(fonts + QLatin1String("/5.font")));
    QCOMPARE(GeneratedFonts::readParams(fonts + QLatin1String("/5.ini")).fontTtf,
             QStringLiteral("DejaVuSans.ttf"));
    QCOMPARE(QDir(fonts).entryList(QDir::Files | QDir::Hidden | QDir::System),
             (QStringList {"5.font", "5.ini"}));
}

void tst_FontConverter::checkInstalled()
{
    FontConverter converter;
    QSignalSpy spy(&converter, &FontConverter::checked);
    converter.checkInstalled();
    QVERIFY(spy.wait(30000));
    QCOMPARE(spy.at(0).at(0).toBool(), true);

    FontConverter::setProgram(dir->filePath(QStringLiteral("no/lv_font_conv")));
    spy.clear();
    converter.checkInstalled();
    QVERIFY(!spy.isEmpty() || spy.wait(30000));
    QCOMPARE(spy.at(0).at(0).toBool(), false);
}

QTEST_MAIN(tst_FontConverter)
#include "tst_fontconverter.moc"
