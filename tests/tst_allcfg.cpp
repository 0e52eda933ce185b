#include "allcfg.h"
#include "bootparam.h"
#include "containerreader.h"
#include "designglobals.h"
#include "designtestutil.h"
#include "eventholder.h"
#include "filesizelimit.h"
#include "pageparam.h"
#include "picturefixtures.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "sheettables.h"
#include "timerparam.h"
#include "unprivilegedrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

// The module files, read back the way the module reads them: the page-file layout and the
// container's sections are written out here a second time, from the format's tables, and
// compared byte by byte with what the generator makes.
namespace {

QByteArray le16(int v)
{
    QByteArray b;
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
    return b;
}

QByteArray bgra(const QColor &c)
{
    QByteArray b;
    b.append(char(c.blue()));
    b.append(char(c.green()));
    b.append(char(c.red()));
    b.append(char(c.alpha()));
    return b;
}

// ---- The page-file layout, field by field --------------------------------------------

struct Field
{
    int offset;
    QString what;
    std::function<QByteArray(const QMyWidget &)> bytes;
};
using Layout = QVector<Field>;

void u16(Layout &l, int at, const QString &key)
{
    l.append({at, key, [key](const QMyWidget &w) { return le16(w.intValue(key)); }});
}

void u8(Layout &l, int at, const QString &key)
{
    l.append({at, key, [key](const QMyWidget &w) { return QByteArray(1, char(w.intValue(key))); }});
}

void constant8(Layout &l, int at, int v)
{
    l.append({at, QString::number(v), [v](const QMyWidget &) { return QByteArray(1, char(v)); }});
}

void constant16(Layout &l, int at, int v)
{
    l.append({at, QString::number(v), [v](const QMyWidget &) { return le16(v); }});
}

void color(Layout &l, int at, const QString &key)
{
    l.append({at, key, [key](const QMyWidget &w) { return bgra(w.colorValue(key)); }});
}

void imageFlag(Layout &l, int at, const QString &key)
{
    l.append({at, key + " flag", [key](const QMyWidget &w) {
                  return QByteArray(1, char(w.intValue(key) >= 0 ? 2 : 1));
              }});
}

void imageNumber(Layout &l, int at, const QString &key)
{
    l.append({at, key, [key](const QMyWidget &w) { return le16(qMax(0, w.intValue(key))); }});
}

void styleAt(Layout &l, int at, const QString &infix)
{
    const QString p = "ybexItem" + infix;
    color(l, at, p + "Background1");
    color(l, at + 4, p + "Background2");
    u16(l, at + 8, p + "Opa");
    u16(l, at + 10, p + "GradMode");
    color(l, at + 12, p + "BorderColor");
    u16(l, at + 16, p + "BorderOpa");
    u16(l, at + 18, p + "BorderWidth");
    u16(l, at + 20, p + "Radius");
}

void imageAt(Layout &l, int at, const QString &infix, const QString &numberKey)
{
    const QString p = "ybexItem" + infix;
    imageNumber(l, at, numberKey);
    u16(l, at + 4, p + "ImageOpa");
    u16(l, at + 6, p + "ImageColorOpa");
    color(l, at + 8, p + "ImageColor");
    color(l, at + 12, p + "ImageColor");
}

void textAt(Layout &l, int at, int modePlus)
{
    u16(l, at + 4, "hAlign");
    u16(l, at + 6, "vAlign");
    l.append({at + 10, "longTextMode",
              [modePlus](const QMyWidget &w) { return le16(w.getLongTextMode() + modePlus); }});
    u16(l, at + 14, "longTextLen");
    u16(l, at + 20, "fontSize");
    u16(l, at + 22, "fontID");
    color(l, at + 24, "fontColor");
    u8(l, at + 28, "fontOpa");
}

void flagAt(Layout &l, int at)
{
    u16(l, at, "flag");
}

void animAt(Layout &l, int at)
{
    int i = 0;
    for (const char *k : {"Enabled", "Mode", "Dir", "Time", "X", "Y"})
        u16(l, at + 2 * i++, QString("ybexItemAnim") + k);
}

void textBytesAt(Layout &l, int at)
{
    l.append({at, "text", [](const QMyWidget &w) {
                  QByteArray t = w.getText().toUtf8().left(w.getLongTextLen());
                  return t + QByteArray(w.getLongTextLen() - t.size(), '\0');
              }});
}

constexpr int Offset = 1234;

// A library of pictures 0 and 1.
const QStringList TwoPictures {"/library/1_a.png", "/library/2_b.png"};

void headAt(Layout &l, int tag, bool body)
{
    constant16(l, 0, tag);
    u16(l, 2, "id");
    constant16(l, 6, Offset);
    if (body) {
        l.append({8, "left", [](const QMyWidget &w) { return le16(w.getX() + w.getProgX()); }});
        l.append({10, "top", [](const QMyWidget &w) { return le16(w.getY() + w.getProgY()); }});
        u16(l, 12, "ybexItemProgW");
        u16(l, 14, "ybexItemProgH");
    } else {
        u16(l, 8, "x");
        u16(l, 10, "y");
        u16(l, 12, "w");
        u16(l, 14, "h");
    }
}

// The layout of each record type; a Btn by its Checkable switch.
Layout layoutFor(int type, bool checkable)
{
    Layout l;
    switch (type) {
    case 0: {
        const QString second = checkable ? "Select" : "Press";
        const QString secondImage = checkable ? "ybexItemSelectImageNum" : "pressImageNum";
        headAt(l, 0x8006, false);
        textAt(l, 16, 2);
        imageFlag(l, 48, "imageNum");
        u8(l, 50, "checkabled");
        u16(l, 52, "val");
        styleAt(l, 64, "");
        styleAt(l, 104, second);
        styleAt(l, 144, "Select");
        imageAt(l, 184, "", "imageNum");
        imageAt(l, 204, second, secondImage);
        imageAt(l, 224, "Select", "ybexItemSelectImageNum");
        flagAt(l, 244);
        animAt(l, 248);
        textBytesAt(l, 260);
        break;
    }
    case 1:
        headAt(l, 0x8002, false);
        imageFlag(l, 16, "imageNum");
        textAt(l, 20, 2);
        styleAt(l, 52, "");
        flagAt(l, 92);
        animAt(l, 96);
        textBytesAt(l, 108);
        break;
    case 2:
        headAt(l, 0x8008, false);
        constant8(l, 16, 2);
        styleAt(l, 20, "");
        imageAt(l, 60, "", "imageNum");
        flagAt(l, 80);
        animAt(l, 84);
        break;
    case 3:
        headAt(l, 0x8007, false);
        imageFlag(l, 16, "imageNum");
        u16(l, 18, "ybexItemProgDir");
        u16(l, 20, "ybexItemProgValue");
        styleAt(l, 24, "");
        styleAt(l, 68, "Prog");
        imageAt(l, 108, "", "imageNum");
        imageAt(l, 128, "Prog", "ybexItemProgImageNum");
        flagAt(l, 148);
        animAt(l, 152);
        break;
    case 4:
        headAt(l, 0x8003, false);
        imageFlag(l, 16, "imageNum");
        u16(l, 22, "keyboardid");
        textAt(l, 24, 0);
        styleAt(l, 56, "");
        color(l, 96, "ybexItemCurrorTextColor");
        color(l, 100, "ybexItemCurrorColor");
        u16(l, 104, "ybexItemCurrorTextOpa");
        u16(l, 106, "ybexItemCurrorOpa");
        l.append({108, "signal mode", [](const QMyWidget &w) {
                      return QByteArray(1, char(w.getSignalMode() != 0 ? 1 : 0));
                  }});
        u16(l, 110, "ybexItemPasswordMode");
        flagAt(l, 112);
        animAt(l, 116);
        textBytesAt(l, 128);
        break;
    case 5:
        headAt(l, 0x8012, false);
        constant8(l, 16, 1);
        u16(l, 18, "longTextLen");
        color(l, 24, "ybexItemBackground1");
        color(l, 28, "fontColor");
        flagAt(l, 32);
        animAt(l, 36);
        textBytesAt(l, 48);
        break;
    case 6:
        headAt(l, 0x800D, true);
        constant8(l, 16, 1);
        u16(l, 18, "ybexItemProgValue");
        u16(l, 22, "ybexItemHandleKnob");
        styleAt(l, 24, "");
        styleAt(l, 64, "Prog");
        styleAt(l, 104, "Handle");
        imageAt(l, 144, "", "imageNum");
        imageAt(l, 164, "Prog", "ybexItemProgImageNum");
        imageAt(l, 184, "Handle", "ybexItemHandleImageNum");
        flagAt(l, 204);
        animAt(l, 208);
        break;
    case 7:
        headAt(l, 0x8016, true);
        constant8(l, 16, 1);
        u16(l, 18, "ybexItemProgValue");
        u16(l, 20, "ybexItemArcStartValue");
        u16(l, 22, "ybexItemArcEndValue");
        u16(l, 24, "ybexItemArcRotation");
        u16(l, 26, "ybexItemHandleKnob");
        styleAt(l, 28, "");
        styleAt(l, 68, "Handle");
        color(l, 108, "ybexItemArcBackground1");
        u16(l, 112, "ybexItemArcOpa");
        u16(l, 114, "ybexItemArcWidth");
        u16(l, 116, "ybexItemArcRounded");
        color(l, 120, "ybexItemArcSelectBackground1");
        u16(l, 124, "ybexItemArcSelectOpa");
        u16(l, 126, "ybexItemArcSelectWidth");
        u16(l, 128, "ybexItemArcSelectRounded");
        flagAt(l, 132);
        animAt(l, 136);
        break;
    case 8:
        headAt(l, 0x800B, false);
        styleAt(l, 16, "");
        imageAt(l, 56, "", "imageNum");
        imageFlag(l, 76, "imageNum");
        u16(l, 78, "ybexItemMeterPointNum");
        for (int i = 0; i < 3; ++i) {
            const QString n = QString::number(i + 1);
            imageFlag(l, 80 + 2 * i, "ybexItemMeterPointPicID" + n);
            u16(l, 88 + 2 * i, "ybexItemMeterMinValue" + n);
            u16(l, 96 + 2 * i, "ybexItemMeterMaxValue" + n);
            u16(l, 104 + 2 * i, "ybexItemMeterAngle" + n);
            u16(l, 112 + 2 * i, "ybexItemMeterXPivot" + n);
            u16(l, 120 + 2 * i, "ybexItemMeterYPivot" + n);
            u16(l, 128 + 2 * i, "ybexItemMeterRotation" + n);
            color(l, 152 + 4 * i, "ybexItemMeterPointColor" + n);
            u16(l, 164 + 2 * i, "ybexItemMeterPointPicID" + n);
            u16(l, 172 + 2 * i, "ybexItemMeterPointR" + n);
            u16(l, 180 + 2 * i, "ybexItemMeterPointW" + n);
        }
        u16(l, 134, "ybexItemMeterDotSize");
        color(l, 136, "ybexItemMeterDotColor");
        flagAt(l, 170);
        animAt(l, 188);
        break;
    case 9: {
        headAt(l, 0x800C, true);
        constant8(l, 16, 1);
        u16(l, 18, "ybexItemChartTickOffset");
        u16(l, 20, "ybexItemChartTickWidth");
        styleAt(l, 24, "");
        int at = 64;
        for (const char *k : {"GridCol", "GridRow", "GridPadding", "SerPointCount0",
                              "SerLineWidth0", "SerDotWidth0", "GridEnable", "GridDasLength",
                              "GridDasHight", "GridDasGap", "UpadateMode", "TickLabelFontID"}) {
            u16(l, at, QString("ybexItemChart") + k);
            at += 2;
        }
        u16(l, 92, "ybexItemChartSerCount");
        constant16(l, 94, 5); // "1/2/3"
        color(l, 96, "ybexItemChartSerColor0");
        color(l, 100, "ybexItemChartSerColor1");
        color(l, 104, "ybexItemChartTickColor");
        color(l, 108, "ybexItemChartTickLabelColor");
        color(l, 112, "ybexItemChartGridColor");
        for (int axis = 0; axis < 3; ++axis) {
            const QString n = QString::number(axis);
            int i = 0;
            for (const char *k : {"TickEnable", "TickLabelEnable", "TickMinValue", "TickMaxValue",
                                  "SubTickLength", "TickLength", "SubTickCount", "TickCount"})
                u16(l, 120 + 16 * axis + 2 * i++, QString("ybexItemChart") + k + n);
        }
        flagAt(l, 168);
        animAt(l, 172);
        l.append({184, "series", [](const QMyWidget &) { return QByteArray("1/2/3"); }});
        break;
    }
    }
    return l;
}

// Every attribute gets a value of its own, some of them beyond 16 bits or negative.
void fillDistinct(QMyWidget &w, bool checkable)
{
    const QStringList keys = QMyWidget::fileKeys();
    for (int i = 0; i < keys.size(); ++i)
        w.setFileValue(keys.at(i), QString::number((i * 53 + 17) % 251));
    w.setId(3);
    w.setX(10);
    w.setY(20);
    w.setW(150);
    w.setH(90);
    w.setProgX(7);
    w.setProgY(9);
    w.setProgW(101);
    w.setProgH(55);
    w.setRadius(70000); // 4464 in 16 bits
    w.setVal(-2);
    w.setProgValue(65536 + 5);
    w.setHAlign(2);
    w.setVAlign(1);
    w.setCheckabled(checkable);
    w.setText(QStringLiteral("AB中"));
    w.setLongTextLen(7); // 5 bytes of text, 2 of padding
    w.setImageNum(-1);
    w.setSelectImageNum(5);
    w.setPressImageNum(0);
    w.setHandleImageNum(70000);
    w.setProgImageNum(-1);
    w.setMeterPointPicID(0, -1);
    w.setMeterPointPicID(1, 4);
    w.setSignalMode(3);
    w.setChartSerCount(2);
    w.setChartSerData(0, QStringLiteral("1/2"));
    w.setChartSerData(1, QStringLiteral("3"));
}

EventInfo makeEvent(int owner, int type, int userType, const QString &p0 = QStringLiteral("1"))
{
    EventInfo e;
    e.setOwnerType(owner);
    e.setType(type);
    e.setUserType(userType);
    e.setDefaultParams();
    e.setParam(0, p0);
    return e;
}

} // namespace

class TestAllCfg;
using BootChange = std::function<void(BootParam &)>;
using DesignStep = std::function<void(TestAllCfg *)>;
Q_DECLARE_METATYPE(BootChange)
Q_DECLARE_METATYPE(DesignStep)

class TestAllCfg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordLayouts_data();
    void recordLayouts();
    void pageBlockAndOffsets();
    void pageAnimationChoices_data();
    void pageAnimationChoices();
    void textBytes_data();
    void textBytes();
    void chartSeriesText_data();
    void chartSeriesText();
    void bootScript_data();
    void bootScript();
    void eventCode();
    void timerAndSleepScripts();

    void sectionsInOrder();
    void projectWithoutPages();
    void stalePaintValuesOnHiddenPages();
    void twoRunsAreByteIdentical();
    void containerKeepsItsRecordedBytes();
    void manyPagesKeepTheirOrder();
    void cleanUpKeepsLinkTargets();
    void linksInsideTheFolderAreNeverWrittenThrough();
    void linkedOutputFolder();
    void outputFolderThatIsAFile();
    void readOnlyOutputFolder();
    void percentSignsInTheProjectPath();
    void templateProblems_data();
    void templateProblems();
    void leftoversOfEarlierRunsGo_data();
    void leftoversOfEarlierRunsGo();
    void fieldsThatDoNotFit_data();
    void fieldsThatDoNotFit();
    void fontMissing_data();
    void fontMissing();
    void missingFontStopsTheRun_data();
    void missingFontStopsTheRun();
    void recordPictures_data();
    void recordPictures();
    void switchesGoOutAsOnOrOff_data();
    void switchesGoOutAsOnOrOff();
    void pageSwitchGoesOutAsOnOrOff();
    void progressDirection_data();
    void progressDirection();
    void writeFailures_data();
    void writeFailures();
    void driverGenerates();

private:
    PageParam *addPage();
    QMyWidget *addWidget(int page, int type, int id);
    int run(QString *detail = nullptr);
    QString allCfgPath() const { return dir->filePath("allFile/all.cfg"); }
    QList<Section> sections();
    // The page file of page 0 of the last run.
    QByteArray firstPageFile();
    QStringList outputEntries() const;
    void buildRichDesign();

    QScopedPointer<QTemporaryDir> dir;
    QWidget canvas;
    // A fresh design and generator for every test; the timers are the design's.
    QScopedPointer<DesignDocument> design;
    TimerParam *timers[AllCfg::TimerCount];
    QScopedPointer<AllCfg> generator;
};

void TestAllCfg::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    QVERIFY(QDir(dir->path()).mkpath("templates"));
    for (const char *name : {"init.bin", "xvar.bin", "keyboard.py"})
        QVERIFY(QFile::copy(UnprivilegedRun::dataFolder() + "/templates/" + name,
                            dir->filePath(QString("templates/") + name)));
    generator.reset(new AllCfg);
    generator->setTemplateFolder(dir->filePath("templates"));
    design.reset(new DesignDocument);
    design->setProjectPath(dir->filePath("p.yBEX"));
    design->setFrameSize(QSize(800, 480));
    design->setScreenType(1);
    for (int i = 0; i < AllCfg::TimerCount; ++i)
        timers[i] = design->timer(i);
    // New buttons and labels draw with font 0, which the project has.
    design->setFontIds({"0"});
}

void TestAllCfg::cleanup()
{
    design.reset();
    generator.reset();
}

PageParam *TestAllCfg::addPage()
{
    return design->page(design->addPage());
}

QMyWidget *TestAllCfg::addWidget(int page, int type, int id)
{
    QMyWidget *w = QMyWidgetFactory::create(WidgetType(type), id, &canvas);
    design->addWidget(page, w);
    return w;
}

int TestAllCfg::run(QString *detail)
{
    const int code = generator->createAllCfg(*design);
    if (detail)
        *detail = generator->failureDetail();
    return code;
}

QList<Section> TestAllCfg::sections()
{
    bool ok = false;
    const QList<Section> s = readContainer(allCfgPath(), &ok);
    if (!ok)
        qWarning("all.cfg does not parse");
    return ok ? s : QList<Section>();
}

QByteArray TestAllCfg::firstPageFile()
{
    for (const Section &s : sections()) {
        if (s.id == 3 && s.page == 0)
            return s.bytes;
    }
    return QByteArray();
}

QStringList TestAllCfg::outputEntries() const
{
    return QDir(dir->filePath("allFile"))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                   QDir::Name);
}

// ---- Page-file records ---------------------------------------------------------------

void TestAllCfg::recordLayouts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("length");
    QTest::newRow("Btn pressed look") << 0 << false << 260 + 7;
    QTest::newRow("Btn selected look") << 0 << true << 260 + 7;
    QTest::newRow("Lab") << 1 << false << 108 + 7;
    QTest::newRow("Img") << 2 << false << 96;
    QTest::newRow("Prog") << 3 << false << 164;
    QTest::newRow("TextBox") << 4 << false << 128 + 7;
    QTest::newRow("QRCode") << 5 << false << 48 + 7;
    QTest::newRow("Slider") << 6 << false << 220;
    QTest::newRow("Arc") << 7 << false << 148;
    QTest::newRow("Meter") << 8 << false << 200;
    QTest::newRow("Chart") << 9 << false << 184 + 5;
}

void TestAllCfg::recordLayouts()
{
    QFETCH(int, type);
    QFETCH(bool, checkable);
    QFETCH(int, length);
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(type), 1, &canvas));
    fillDistinct(*w, checkable);
    const QByteArray record = AllCfg::widgetRecord(*w, Offset);
    QCOMPARE(record.size(), length);

    QVector<bool> covered(record.size(), false);
    for (const Field &f : layoutFor(type, checkable)) {
        const QByteArray expected = f.bytes(*w);
        QVERIFY2(f.offset + expected.size() <= record.size(), qPrintable(f.what));
        QVERIFY2(record.mid(f.offset, expected.size()) == expected,
                 qPrintable(QString("%1 at %2: %3, expected %4")
                                .arg(f.what)
                                .arg(f.offset)
                                .arg(QString(record.mid(f.offset, expected.size()).toHex(' ')),
                                     QString(expected.toHex(' ')))));
        for (int i = 0; i < expected.size(); ++i) {
            QVERIFY2(!covered[f.offset + i], qPrintable(f.what + " overlaps"));
            covered[f.offset + i] = true;
        }
    }
    for (int i = 0; i < record.size(); ++i)
        QVERIFY2(covered[i] || record.at(i) == 0, qPrintable(QString("byte %1 not zero").arg(i)));
}

void TestAllCfg::pageBlockAndOffsets()
{
    PageParam page;
    page.setPageImageNum(-1);
    page.setPageColorGrad1(QColor(1, 2, 3, 4));
    page.setPageColorGrad2(QColor(5, 6, 7, 8));
    page.setPageGradDir(2);
    page.setPageOpa(200);
    page.setPageRadius(70000);
    page.setPageFlag(1);
    page.setPageState(3);
    page.setPageAnimEnabled(1);
    page.setPageAnimMode(4);
    page.setPageAnimDir(5);
    page.setPageAnimTime(-1);
    page.setPageAnimX(6);
    page.setPageAnimY(7);

    QByteArray bytes;
    QCOMPARE(AllCfg::pageFile(page, {}, 800, 480, &bytes), int(AllCfg::Success));
    QCOMPARE(bytes.size(), 68);
    const QByteArray expected = QByteArray::fromHex("0180 000000000000 00000000 2003 e001 0000"
                                                    " 01 00 03020104 07060508 0200 c800 7011 0000"
                                                    " 0000000000000000 0100 0300"
                                                    " 0100 0400 0500 ffff 0600 0700"
                                                    " 0000000000000000");
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));

    // An image sets the flag and the number.
    page.setPageImageNum(9);
    QCOMPARE(AllCfg::pageFile(page, {}, 800, 480, &bytes), int(AllCfg::Success));
    QCOMPARE(bytes.mid(18, 1), QByteArray(1, 2));
    QCOMPARE(bytes.mid(34, 2), le16(9));

    // Records follow each other without padding: 60 + 108 + 5 is no multiple of four.
    QScopedPointer<QMyWidget> lab(QMyWidgetFactory::create(WidgetType::Lab, 1, &canvas));
    QScopedPointer<QMyWidget> img(QMyWidgetFactory::create(WidgetType::Img, 2, &canvas));
    QScopedPointer<QMyWidget> unknown(
        new QMyWidget(3, WidgetType(12), QStringLiteral("X"), &canvas));
    lab->setLongTextLen(5);
    QCOMPARE(AllCfg::pageFile(page, {lab.data(), unknown.data(), img.data()}, 800, 480, &bytes),
             int(AllCfg::Success));
    QCOMPARE(bytes.size(), 60 + 113 + 96 + 8);
    QCOMPARE(read16(bytes, 60 + 6), 60);
    QCOMPARE(read16(bytes, 173 + 6), 173);
    QCOMPARE(bytes.right(8), QByteArray(8, '\0'));

    // A text size beyond the length field stops the page.
    lab->setLongTextLen(65536);
    const QMyWidget *culprit = nullptr;
    QCOMPARE(AllCfg::pageFile(page, {img.data(), lab.data()}, 800, 480, &bytes, &culprit),
             int(AllCfg::TextTooLong));
    QCOMPARE(culprit, lab.data());
}

// Mode and direction outside the sheet's choices go out as the first choice.
void TestAllCfg::pageAnimationChoices_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("last choices") << 6 << 7 << QByteArray::fromHex("06000700");
    QTest::newRow("one beyond") << 7 << 8 << QByteArray::fromHex("00000000");
    QTest::newRow("saved beyond") << 8 << 9 << QByteArray::fromHex("00000000");
    QTest::newRow("negative") << -1 << -2 << QByteArray::fromHex("00000000");
    QTest::newRow("mixed") << 3 << 70000 << QByteArray::fromHex("03000000");
}

void TestAllCfg::pageAnimationChoices()
{
    QFETCH(int, mode);
    QFETCH(int, direction);
    QFETCH(QByteArray, bytes);
    PageParam page;
    page.setPageAnimMode(mode);
    page.setPageAnimDir(direction);
    QCOMPARE(AllCfg::pageAnimBlock(page).mid(2, 4).toHex(), bytes.toHex());
}

void TestAllCfg::textBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lengthField");
    QTest::newRow("padded") << "AB" << 4 << QByteArray::fromHex("41420000") << 4;
    QTest::newRow("cut") << "AB" << 1 << QByteArray("A") << 1;
    QTest::newRow("none") << "AB" << 0 << QByteArray() << 0;
    QTest::newRow("negative writes 0") << "AB" << -1 << QByteArray() << 0;
    QTest::newRow("cut inside a character") << "中" << 2 << QByteArray::fromHex("e4b8") << 2;
    QTest::newRow("exact") << "中" << 3 << QByteArray::fromHex("e4b8ad") << 3;
}

void TestAllCfg::textBytes()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QByteArray, bytes);
    QFETCH(int, lengthField);
    QCOMPARE(AllCfg::textBytes(text, length), bytes);

    QScopedPointer<QMyWidget> btn(QMyWidgetFactory::create(WidgetType::Btn, 1, &canvas));
    btn->setText(text);
    btn->setLongTextLen(length);
    const QByteArray record = AllCfg::widgetRecord(*btn, 60);
    QCOMPARE(record.size(), 260 + bytes.size());
    QCOMPARE(record.mid(260), bytes);
    QCOMPARE(read16(record, 16 + 14), lengthField);
    QScopedPointer<QMyWidget> qr(QMyWidgetFactory::create(WidgetType::QRCode, 1, &canvas));
    qr->setText(text);
    qr->setLongTextLen(length);
    QCOMPARE(read16(AllCfg::widgetRecord(*qr, 60), 18), lengthField);
}

void TestAllCfg::chartSeriesText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("two series") << 2 << QByteArray("1/2/3");
    QTest::newRow("one series") << 1 << QByteArray("1/2");
    QTest::newRow("none") << 0 << QByteArray();
    QTest::newRow("negative") << -3 << QByteArray();
    QTest::newRow("a third has no values") << 3 << QByteArray("1/2/3/");
}

void TestAllCfg::chartSeriesText()
{
    QFETCH(int, count);
    QFETCH(QByteArray, text);
    QScopedPointer<QMyWidget> chart(QMyWidgetFactory::create(WidgetType::Chart, 1, &canvas));
    chart->setChartSerData(0, QStringLiteral("1/2"));
    chart->setChartSerData(1, QStringLiteral("3"));
    chart->setChartSerCount(count);
    QCOMPARE(AllCfg::chartSeriesText(*chart), text);
    QCOMPARE(AllCfg::chartSeriesTextLength(*chart), qint64(text.size()));
    const QByteArray record = AllCfg::widgetRecord(*chart, 60);
    QCOMPARE(record.size(), 184 + text.size());
    QCOMPARE(read16(record, 94), text.size());
    QCOMPARE(record.mid(184), text);
}

// ---- Scripts -------------------------------------------------------------------------

void TestAllCfg::bootScript_data()
{
    QTest::addColumn<BootChange>("change");
    QTest::addColumn<QStringList>("lines");
    const QStringList timerLines = {"user.set_timer(0,0,0,0)",
                                    "user.set_timer(1,0,0,0)",
                                    "user.set_timer(2,0,0,0)",
                                    "user.set_timer(3,0,0,0)",
                                    "user.set_timer(4,0,0,0)",
                                    "user.set_timer(5,0,0,0)",
                                    "user.set_timer(6,0,0,0)",
                                    "user.set_timer(7,0,0,0)",
                                    QString("user.set_sleep(%1,%2)")
                                        .arg(TimerParam().timerTime())
                                        .arg(TimerParam().timerVal())};
    const auto script = [&](const QString &bps, const QString &bl, const QStringList &middle,
                            const QString &last) {
        return QStringList {"import user", bps, bl} + middle + timerLines
            + QStringList {"user.set_dir(1)", last};
    };
    const QString bps = "user.set_bps(115200)";
    const QString page = "user.set_page(0,0)";
    QTest::newRow("defaults") << BootChange([](BootParam &) {})
                              << script(bps, "user.set_bl(255)", {}, page);
    QTest::newRow("backlight 1") << BootChange([](BootParam &b) { b.setBl(1); })
                                 << script(bps, "user.set_bl(2)", {}, page);
    QTest::newRow("backlight 0") << BootChange([](BootParam &b) { b.setBl(0); })
                                 << script(bps, "user.set_bl(0)", {}, page);
    QTest::newRow("backlight 50") << BootChange([](BootParam &b) { b.setBl(50); })
                                  << script(bps, "user.set_bl(127)", {}, page);
    QTest::newRow("backlight without overflow")
        << BootChange([](BootParam &b) { b.setBl(2147483647); })
        << script(bps, "user.set_bl(5476083299)", {}, page);
    QTest::newRow("buzzer") << BootChange([](BootParam &b) { b.setBuzzerTime(30); })
                            << script(bps, "user.set_bl(255)", {"user.set_buzzer(30)"}, page);
    QStringList flags = script(bps, "user.set_bl(255)", {}, "user.set_page(2,500)");
    flags.insert(flags.size() - 2, "user.addr_enable(1)");
    flags.insert(flags.size() - 2, "user.set_addr(-4)");
    flags.insert(flags.size() - 2, "user.set_crc16(1)");
    flags.insert(flags.size() - 2, "user.report_pos(1)");
    QTest::newRow("address, check and coordinates") << BootChange([](BootParam &b) {
        b.set485Flag(true);
        b.set485Addr(-4);
        b.setCRC16Flag(true);
        b.setPosFlag(true);
        b.setJumpPage(2);
        b.setJumpTime(500);
        b.setBaud(9600);
    }) << (QStringList(flags).replaceInStrings(bps, "user.set_bps(9600)"));
    QTest::newRow("animation") << BootChange([](BootParam &b) {
        b.setAnimFlag(true);
        b.setAnimImgID(3);
        b.setAnimStartID(4);
        b.setAnimEndID(5);
        b.setAnimTime(60);
        b.setAnimCount(7);
        b.setAnimCycleFlag(true);
        b.setAnimCurrentPage(1);
        b.setAnimJumpPage(2);
        b.setSleepTime(99); // the sleep comes from the sleep timer
    }) << script(bps, "user.set_bl(255)", {}, "user.set_gif(3,4,5,60,7,1,1,2,1)");
}

void TestAllCfg::bootScript()
{
    QFETCH(BootChange, change);
    QFETCH(QStringList, lines);
    change(design->boot());
    const QByteArray script = AllCfg::bootScript(design->boot(), 1, timers);
    QCOMPARE(QString::fromLatin1(script).split("\r\n"), lines + QStringList {QString()});

    timers[3]->setTimerOneTime(1);
    timers[3]->setTimerTime(250);
    timers[3]->setTimerEnable(1);
    timers[8]->setTimerTime(60);
    timers[8]->setTimerVal(40);
    const QByteArray changed = AllCfg::bootScript(design->boot(), 1, timers);
    QVERIFY(changed.contains("user.set_timer(3,1,250,1)\r\n"));
    QVERIFY(changed.contains("user.set_sleep(60,40)\r\n"));

    // The timer's tick boxes show any value but 0 as ticked.
    timers[3]->setTimerOneTime(5996);
    timers[3]->setTimerEnable(-1);
    QCOMPARE(AllCfg::bootScript(design->boot(), 1, timers), changed);
}

void TestAllCfg::eventCode()
{
    EventHolder page;
    QByteArray script;
    QVERIFY(!AllCfg::appendEventCode(script, page, 1));
    QCOMPARE(AllCfg::eventTypeCount(page), 0);

    // Two entry events go out in list order, nothing for the exit.
    page.append(makeEvent(-1, 1, 10, "4"));
    page.append(makeEvent(-1, 1, 31, "20"));
    QCOMPARE(AllCfg::eventTypeCount(page), 2);
    QVERIFY(!AllCfg::appendEventCode(script, page, 0));
    QVERIFY(script.isEmpty());
    QVERIFY(AllCfg::appendEventCode(script, page, 1));
    QCOMPARE(script, QByteArray("import user\r\nuser.set_val(4,0)\r\nuser.set_delay(20)\r\n"));

    // Hand-written code replaces the events of its type, as typed, line ends and all.
    page.setContent(1, 1, QStringLiteral("a=1\nb=\"中\""));
    script.clear();
    QVERIFY(AllCfg::appendEventCode(script, page, 1));
    QCOMPARE(script, QByteArray("import user\r\na=1\nb=\"\xe4\xb8\xad\""));
    // Even when empty it makes a script of the first line alone.
    page.setContent(0, 1, QString());
    script.clear();
    QVERIFY(AllCfg::appendEventCode(script, page, 0));
    QCOMPARE(script, QByteArray("import user\r\n"));

    // A function outside the catalogue adds no line, but the script still exists.
    EventHolder arc;
    arc.append(makeEvent(7, 2, 99));
    script.clear();
    QVERIFY(AllCfg::appendEventCode(script, arc, 2));
    QCOMPARE(script, QByteArray("import user\r\n"));

    // All types in one pass give what each type gives by itself.
    arc.append(makeEvent(7, 0, 31, "1"));
    arc.append(makeEvent(7, 2, 31, "2"));
    arc.append(makeEvent(7, 5, 31, "3")); // no such type
    arc.append(makeEvent(7, 0, 13));
    EventHolder none;
    for (const EventHolder *holder : {&page, &arc, &none}) {
        const QVector<QByteArray> all = AllCfg::eventScripts(*holder);
        QCOMPARE(all.size(), AllCfg::eventTypeCount(*holder));
        for (int n = 0; n < all.size(); ++n) {
            QByteArray one;
            const bool wrote = AllCfg::appendEventCode(one, *holder, n);
            QCOMPARE(wrote, !one.isEmpty());
            QCOMPARE(all.at(n), one);
        }
    }
    // The first event that cannot go out as it is, counted in the list.
    arc.append(makeEvent(7, 1, 12, "not a name"));
    int unsafe = -1;
    AllCfg::eventScripts(arc, &unsafe);
    QCOMPARE(unsafe, AllCfg::unsafeEvent(arc));
    QCOMPARE(unsafe, 5);
}

void TestAllCfg::timerAndSleepScripts()
{
    EventHolder timer;
    QCOMPARE(AllCfg::timerScript(timer), QByteArray());
    timer.setContent(0, 1, QStringLiteral("x"));
    QCOMPARE(AllCfg::timerScript(timer), QByteArray()); // no event, no script
    timer.append(makeEvent(-2, 0, 31, "5"));
    QCOMPARE(AllCfg::timerScript(timer), QByteArray("import user\r\nx"));
    timer.setContent(0, 0, QString());
    QCOMPARE(AllCfg::timerScript(timer), QByteArray("import user\r\nuser.set_delay(5)\r\n"));

    EventHolder sleep;
    sleep.append(makeEvent(-3, 1, 31, "7"));
    QCOMPARE(AllCfg::sleepScript(sleep, 1), QByteArray("import user\r\nuser.set_delay(7)\r\n"));
    QCOMPARE(AllCfg::sleepScript(sleep, 0), QByteArray());
}

// ---- Runs ----------------------------------------------------------------------------

void TestAllCfg::sectionsInOrder()
{
    // Page 0: an arc with events, entry events only on the page.
    PageParam *p0 = addPage();
    p0->appendEvent(makeEvent(-1, 1, 31, "1"));
    p0->appendEvent(makeEvent(-1, 1, 31, "2"));
    QMyWidget *arc = addWidget(0, 7, 4);
    arc->addEvent(makeEvent(7, 2, 31));
    arc->addEvent(makeEvent(7, 0, 31));
    addWidget(0, 1, 5); // a label has no sections of its own
    // Page 1: buttons 7 and 3, a progress bar and a slider with three event types.
    addPage();
    QMyWidget *prog = addWidget(1, 3, 1);
    prog->addEvent(makeEvent(3, 1, 31));
    QMyWidget *btn7 = addWidget(1, 0, 7);
    btn7->addEvent(makeEvent(0, 1, 31));
    QMyWidget *slider = addWidget(1, 6, 2);
    for (int t : {2, 0, 1})
        slider->addEvent(makeEvent(6, t, 31));
    QMyWidget *btn3 = addWidget(1, 0, 3);
    btn3->addEvent(makeEvent(0, 0, 31));
    btn3->setEventContent(1, 1, QStringLiteral("hand\r\n"));
    // A hand-written slot with no events in the list gives no script.
    design->page(1)->setEventContent(0, 1, QStringLiteral("ignored"));
    timers[2]->appendEvent(makeEvent(-2, 0, 31, "9"));
    timers[8]->appendEvent(makeEvent(-3, 1, 31, "8"));

    QCOMPARE(run(), 0);
    const QList<Section> s = sections();
    const QList<Section> expected = {
        {1, 0, 0, 0, {}},  {2, 0, 0, 0, {}},  {3, 0, 0, 0, {}},  {3, 1, 0, 0, {}},
        {4, 0, 0, 0, {}},  {5, 0, 0, 0, {}},  {6, 0, 0, 0, {}},  {7, 0, 0, 0, {}},
        {7, 1, 0, 0, {}},  {7, 2, 0, 0, {}},  {7, 3, 0, 0, {}},  {7, 4, 0, 0, {}},
        {7, 5, 0, 0, {}},  {7, 6, 0, 0, {}},  {7, 7, 0, 0, {}},  {8, 0, 0, 0, {}},
        {9, 0, 0, 1, {}},  {30, 0, 4, 0, {}}, {30, 0, 4, 2, {}}, {14, 1, 3, 0, {}},
        {14, 1, 3, 1, {}}, {14, 1, 7, 1, {}}, {15, 1, 1, 1, {}}, {21, 1, 2, 0, {}},
        {21, 1, 2, 1, {}}, {21, 1, 2, 2, {}}};
    QCOMPARE(describe(s), describe(expected));

    QFile init(QString(YBEX_TEST_DATA "/templates/init.bin"));
    QVERIFY(init.open(QIODevice::ReadOnly));
    QCOMPARE(s.at(0).bytes, init.readAll());
    QCOMPARE(s.at(2).bytes.size(), generator->pageFileSizes().value(0));
    QCOMPARE(s.at(3).bytes.size(), generator->pageFileSizes().value(1));
    QCOMPARE(generator->pageFileSizes().size(), 2);
    QCOMPARE(s.at(4).bytes, AllCfg::bootScript(design->boot(), 1, timers));
    QCOMPARE(s.at(5).bytes, QByteArray("import user\r\nuser.set_delay(8)\r\n"));
    QCOMPARE(s.at(6).bytes, QByteArray());
    QCOMPARE(s.at(9).bytes, QByteArray("import user\r\nuser.set_delay(9)\r\n"));
    QCOMPARE(s.at(8).bytes, QByteArray());
    QCOMPARE(s.at(16).bytes,
             QByteArray("import user\r\nuser.set_delay(1)\r\nuser.set_delay(2)\r\n"));
    QCOMPARE(s.at(20).bytes, QByteArray("import user\r\nhand\r\n"));
    // The page file in the container is the page file of the design.
    QByteArray page1;
    QCOMPARE(AllCfg::pageFile(*design->page(1), design->widgets(1), 800, 480, &page1), 0);
    QCOMPARE(s.at(3).bytes, page1);
    QCOMPARE(outputEntries(), QStringList {"all.cfg"});
}

void TestAllCfg::projectWithoutPages()
{
    QCOMPARE(run(), 0);
    QCOMPARE(describe(sections()),
             QString("1/0/0/0 2/0/0/0 4/0/0/0 5/0/0/0 6/0/0/0 7/0/0/0 "
                     "7/1/0/0 7/2/0/0 7/3/0/0 7/4/0/0 7/5/0/0 7/6/0/0 "
                     "7/7/0/0 8/0/0/0"));
    QVERIFY(generator->pageFileSizes().isEmpty());
}

void TestAllCfg::stalePaintValuesOnHiddenPages()
{
    // Widgets changed after their last paint, on a page that is never shown.
    addPage();
    QMyWidget *slider = addWidget(0, 6, 1);
    slider->setW(200);
    slider->setH(40);
    slider->setHandleKnob(6);
    QMyWidget *meter = addWidget(0, 8, 2);
    meter->setW(120);
    meter->setH(80);
    meter->setMeterPointPicID(0, 3); // beyond the library: the number stays
    QMyWidget *chart = addWidget(0, 9, 3);
    chart->setChartTickCount(2, 9);

    // The same widgets painted once, as the page would show them.
    QScopedPointer<QMyWidget> shown[3];
    int i = 0;
    for (QMyWidget *w : {slider, meter, chart}) {
        shown[i].reset(QMyWidgetFactory::create(w->getType(), w->getId(), &canvas));
        for (const QString &key : QMyWidget::fileKeys())
            shown[i]->setFileValue(key, w->fileValue(key));
        shown[i]->grab();
        ++i;
    }
    // The module would be told of a needle picture it never gets.
    QCOMPARE(run(), int(AllCfg::MissingPicture));
    QCOMPARE(meter->getMeterPointPicID(0), 3);
    design->setPictures({"0.png", "1.png", "2.png", "3.png"});
    QCOMPARE(run(), 0);
    for (i = 0; i < 3; ++i) {
        QMyWidget *w = design->widgets(0).at(i);
        QCOMPARE(AllCfg::widgetRecord(*w, 60), AllCfg::widgetRecord(*shown[i], 60));
    }
    QCOMPARE(slider->getProgW(), 160);
    QCOMPARE(meter->getW(), 80);
    QCOMPARE(meter->getMeterPointPicID(0), 3);
    QCOMPARE(chart->getChartTickMaxValue(2), 8);
}

void TestAllCfg::twoRunsAreByteIdentical()
{
    addPage()->appendEvent(makeEvent(-1, 0, 13));
    for (int type = 0; type < WidgetTypeCount; ++type)
        addWidget(0, type, type + 1);
    QCOMPARE(run(), 0);
    QFile first(allCfgPath());
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray one = first.readAll();
    first.close();
    QCOMPARE(run(), 0);
    QFile second(allCfgPath());
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), one);
}

// Every widget type with all attributes set, events and hand-written code on pages,
// widgets and timers, widgets out of id order and a boot record that uses every line.
void TestAllCfg::buildRichDesign()
{
    addPage();
    for (int type = 0; type < WidgetTypeCount; ++type) {
        QMyWidget *w = addWidget(0, type, 1);
        fillDistinct(*w, type % 2 == 0);
        w->setId(20 - type);
        w->setX(5 * type);
        w->setText(QStringLiteral("文字 %1 <&>").arg(type));
    }
    const struct
    {
        int type, events;
    } holders[] = {{0, 2}, {3, 3}, {6, 3}, {7, 3}};
    for (const auto &h : holders) {
        for (QMyWidget *w : design->widgets(0)) {
            if (widgetTypeCode(w->getType()) != h.type)
                continue;
            for (int n = 0; n < h.events; ++n) {
                w->addEvent(makeEvent(h.type, n, (n * 11 + h.type) % 81, QString::number(n)));
                w->addEvent(makeEvent(h.type, n, (n * 7 + 3) % 81));
            }
            w->setEventContent(h.events - 1, 1, QStringLiteral("x=1\r\n# 注释\n"));
        }
    }
    design->page(0)->appendEvent(makeEvent(-1, 0, 5));
    design->page(0)->appendEvent(makeEvent(-1, 1, 40));
    design->page(0)->setEventContent(1, 1, QStringLiteral("hand"));

    PageParam *empty = addPage();
    empty->setEventContent(0, 1, QStringLiteral("never written"));

    addPage()->appendEvent(makeEvent(-1, 1, 12, QStringLiteral("v7")));
    for (int id : {9, 2, 5}) {
        QMyWidget *btn = addWidget(2, 0, id);
        btn->addEvent(makeEvent(0, id % 2, 31, QString::number(id)));
    }
    QMyWidget *arc = addWidget(2, 7, 4);
    arc->addEvent(makeEvent(7, 1, 31));
    addWidget(2, 9, 6)->setChartSerCount(3);
    // The widgets draw with fonts the project has.
    QStringList fontIds = design->fontIds();
    for (int page = 0; page < design->pageCount(); ++page) {
        for (const QMyWidget *w : design->widgets(page))
            fontIds << QString::number(w->getFontID())
                    << QString::number(w->getChartTickLabelFontID());
    }
    design->setFontIds(fontIds);

    for (int t : {0, 3, 7})
        timers[t]->appendEvent(makeEvent(-2, 0, 20 + t, QString::number(t)));
    timers[5]->setEventContent(0, 1, QStringLiteral("no events, not written"));
    timers[8]->appendEvent(makeEvent(-3, 0, 31, QStringLiteral("3")));
    timers[8]->appendEvent(makeEvent(-3, 1, 31, QStringLiteral("4")));
    timers[8]->setTimerTime(600);

    design->boot().setBuzzerTime(50);
    design->boot().set485Flag(true);
    design->boot().set485Addr(17);
    design->boot().setCRC16Flag(true);
    design->boot().setPosFlag(true);
    design->boot().setAnimFlag(true);
    design->boot().setAnimImgID(2);
    design->boot().setAnimEndID(5);
    // The library holds every picture the records and the animation name.
    QStringList pictures;
    for (int i = 0; i < 251; ++i)
        pictures << QStringLiteral("/library/%1_p.png").arg(i);
    design->setPictures(pictures);
}

// The container of a design that uses every part of the format, byte for byte as it was
// recorded: a change of how it is put together must not change what the module reads.
void TestAllCfg::containerKeepsItsRecordedBytes()
{
    buildRichDesign();
    QCOMPARE(run(), 0);
    QFile made(allCfgPath());
    QVERIFY(made.open(QIODevice::ReadOnly));
    QFile recorded(QStringLiteral(YBEX_TEST_DATA "/allcfg/rich.cfg"));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    const QByteArray bytes = made.readAll();
    QCOMPARE(bytes.size(), recorded.size());
    QVERIFY(bytes == recorded.readAll());
    QCOMPARE(generator->pageFileSizes().size(), 3);
}

// Pages are made side by side; the container still holds them in page order, each with
// its own file and scripts.
void TestAllCfg::manyPagesKeepTheirOrder()
{
    constexpr int Pages = 64;
    for (int k = 0; k < Pages; ++k) {
        addPage()->setPageName(QString::number(k));
        for (int i = 0; i <= k % 5; ++i) {
            QMyWidget *w = addWidget(k, (k + i) % WidgetTypeCount, i + 1);
            w->setX(k);
            w->setText(QString(k % 7 + 1, QLatin1Char('x')));
        }
        QMyWidget *btn = addWidget(k, 0, 100 + k);
        btn->addEvent(makeEvent(0, k % 2, 31, QString::number(k)));
    }
    QCOMPARE(run(), 0);
    const QList<Section> s = sections();
    QCOMPARE(generator->pageFileSizes().size(), Pages);
    int script = 0;
    for (const Section &section : s) {
        if (section.id == 3) {
            QByteArray expected;
            QCOMPARE(AllCfg::pageFile(*design->page(section.page), design->widgets(section.page),
                                      800, 480, &expected),
                     0);
            QVERIFY(section.bytes == expected);
            QCOMPARE(generator->pageFileSizes().at(section.page), expected.size());
        } else if (section.id == 14) {
            // One script per page, in page order, from that page's button.
            QCOMPARE(section.page, script);
            QCOMPARE(section.widget, 100 + script);
            QCOMPARE(section.type, script % 2);
            QCOMPARE(section.bytes,
                     QByteArray("import user\r\nuser.set_delay(") + QByteArray::number(script)
                         + ")\r\n");
            ++script;
        }
    }
    QCOMPARE(script, Pages);
}

void TestAllCfg::cleanUpKeepsLinkTargets()
{
    addPage();
    addWidget(0, 0, 1)->addEvent(makeEvent(0, 1, 31));
    // Something of the user's, reached through links inside allFile.
    QVERIFY(QDir(dir->path()).mkpath("keep/inner"));
    QFile kept(dir->filePath("keep/inner/file.txt"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("mine");
    kept.close();
    QVERIFY(QDir(dir->path()).mkpath("allFile/old/deeper"));
    QVERIFY(QFile::link(dir->filePath("keep"), dir->filePath("allFile/linked")));
    QVERIFY(QFile::link(dir->filePath("keep"), dir->filePath("allFile/old/deeper/linked")));
    // The page folder itself a link: the generator makes a real one in its place.
    QVERIFY(QFile::link(dir->filePath("keep"), dir->filePath("allFile/page0")));
    QVERIFY(QFile::link(dir->filePath("nowhere"), dir->filePath("allFile/dangling")));

    QCOMPARE(run(), 0);
    QCOMPARE(outputEntries(), QStringList {"all.cfg"});
    QVERIFY(QFile::exists(dir->filePath("keep/inner/file.txt")));
    QCOMPARE(QDir(dir->filePath("keep")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList {"inner"});
}

// Links where the generator once wrote its own files: the bytes never go through them.
void TestAllCfg::linksInsideTheFolderAreNeverWrittenThrough()
{
    addPage();
    addWidget(0, 0, 1)->addEvent(makeEvent(0, 1, 31));
    QVERIFY(QDir(dir->path()).mkpath("allFile"));
    QVERIFY(QDir(dir->path()).mkpath("elsewhere"));
    const QStringList names = {"all.cfg",     "boot.py",     "timer0.py",   "timer7.py",
                               "sleepin.py",  "sleepout.py", "guicfg0.bin", "init.bin",
                               "keyboard.py", "temp.bin"};
    for (const QString &name : names) {
        QFile target(dir->filePath("elsewhere/" + name));
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write("user's " + name.toUtf8());
        target.close();
        QVERIFY(QFile::link(target.fileName(), dir->filePath("allFile/" + name)));
    }
    QCOMPARE(run(), 0);
    QCOMPARE(outputEntries(), QStringList {"all.cfg"});
    QVERIFY(!QFileInfo(allCfgPath()).isSymLink());
    QCOMPARE(sections().size(), 16);
    for (const QString &name : names) {
        QFile target(dir->filePath("elsewhere/" + name));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), "user's " + name.toUtf8());
    }
}

// allFile itself a link to another folder: the link goes, the folder and all in it stay.
void TestAllCfg::linkedOutputFolder()
{
    addPage();
    QVERIFY(QDir(dir->path()).mkpath("other/sub"));
    for (const char *name : {"other/a.txt", "other/sub/b.txt", "other/all.cfg"}) {
        QFile f(dir->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(name);
    }
    QVERIFY(QFile::link(dir->filePath("other"), dir->filePath("allFile")));
    QCOMPARE(run(), 0);
    const QFileInfo folder(dir->filePath("allFile"));
    QVERIFY(!folder.isSymLink());
    QVERIFY(folder.isDir());
    QCOMPARE(outputEntries(), QStringList {"all.cfg"});
    QCOMPARE(QDir(dir->filePath("other")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"a.txt", "all.cfg", "sub"}));
    QVERIFY(QFile::exists(dir->filePath("other/sub/b.txt")));
    QFile old(dir->filePath("other/all.cfg"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("other/all.cfg"));
}

void TestAllCfg::outputFolderThatIsAFile()
{
    addPage();
    QFile file(dir->filePath("allFile"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("mine");
    file.close();
    QString detail;
    QCOMPARE(run(&detail), 104);
    QVERIFY2(detail.contains("allFile是一个文件，不是文件夹"), qPrintable(detail));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("mine"));
}

// A folder the run may not change: the old container cannot go, and the run says why.
void TestAllCfg::readOnlyOutputFolder()
{
    RUN_AS_UNPRIVILEGED_USER();
    addPage();
    QCOMPARE(run(), 0);
    QVERIFY(QFile::setPermissions(dir->filePath("allFile"), QFile::ReadOwner | QFile::ExeOwner));
    QString detail;
    const int code = run(&detail);
    QFile::setPermissions(dir->filePath("allFile"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(code, 104);
    QVERIFY2(detail.contains("all.cfg无法删除：没有写入权限"), qPrintable(detail));
    QVERIFY(QFile::exists(allCfgPath()));

    // Without an old container the new one cannot be made there either.
    QVERIFY(QFile::remove(allCfgPath()));
    QVERIFY(QFile::setPermissions(dir->filePath("allFile"), QFile::ReadOwner | QFile::ExeOwner));
    const int again = run(&detail);
    QFile::setPermissions(dir->filePath("allFile"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(again, 104);
    QCOMPARE(detail, allCfgPath() + "：没有写入权限");
}

// Path text is never taken for a pattern: "%1" in a folder name stays as it is.
void TestAllCfg::percentSignsInTheProjectPath()
{
    addPage();
    addWidget(0, 0, 1)->addEvent(makeEvent(0, 1, 31));
    timers[3]->appendEvent(makeEvent(-2, 0, 31));
    const QString folder = dir->filePath("p%1q%2r%L3");
    QVERIFY(QDir().mkpath(folder));
    design->setProjectPath(folder + "/p%1.yBEX");
    QCOMPARE(run(), 0);
    QCOMPARE(QDir(folder + "/allFile").entryList(QDir::Files), QStringList {"all.cfg"});
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"p%1q%2r%L3", "templates"}));
}

using TemplateStep = std::function<void(const QString &templates)>;
Q_DECLARE_METATYPE(TemplateStep)

void TestAllCfg::templateProblems_data()
{
    QTest::addColumn<TemplateStep>("step");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("detail");
    const auto removed = [](const char *name) {
        return TemplateStep([name](const QString &t) { QVERIFY(QFile::remove(t + "/" + name)); });
    };
    QTest::newRow("no init.bin") << removed("init.bin") << 98 << "模板文件%1/init.bin不存在";
    QTest::newRow("no xvar.bin") << removed("xvar.bin") << 99 << "模板文件%1/xvar.bin不存在";
    QTest::newRow("no keyboard.py")
        << removed("keyboard.py") << 100 << "模板文件%1/keyboard.py不存在";
    QTest::newRow("no template folder")
        << TemplateStep([](const QString &t) { QVERIFY(QDir(t).removeRecursively()); }) << 98
        << "模板文件夹%1不存在";
    QTest::newRow("empty") << TemplateStep([](const QString &t) {
        QFile f(t + "/xvar.bin");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }) << 99 << "模板文件%1/xvar.bin是空的";
    QTest::newRow("a folder") << TemplateStep([](const QString &t) {
        QVERIFY(QFile::remove(t + "/keyboard.py"));
        QVERIFY(QDir(t).mkdir("keyboard.py"));
    }) << 100 << "模板文件%1/keyboard.py不是普通文件";
    QTest::newRow("a pipe") << TemplateStep([](const QString &t) {
        QVERIFY(QFile::remove(t + "/init.bin"));
        QCOMPARE(mkfifo(QFile::encodeName(t + "/init.bin").constData(), 0600), 0);
    }) << 98 << "模板文件%1/init.bin不是普通文件";
    QTest::newRow("a device") << TemplateStep([](const QString &t) {
        QVERIFY(QFile::remove(t + "/xvar.bin"));
        QVERIFY(QFile::link("/dev/zero", t + "/xvar.bin"));
    }) << 99 << "模板文件%1/xvar.bin不是普通文件";
    QTest::newRow("oversized") << TemplateStep([](const QString &t) {
        QFile f(t + "/init.bin");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(qint64(3) << 30)); // sparse: no disk space taken
    }) << 98 << "模板文件%1/init.bin大于16 MB";
    QTest::newRow("a link to a template") << TemplateStep([](const QString &t) {
        QVERIFY(QFile::rename(t + "/keyboard.py", t + "/../keyboard.real"));
        QVERIFY(QFile::link(t + "/../keyboard.real", t + "/keyboard.py"));
    }) << 0 << "";
}

// Every problem of a template stops the run with its code and names file and cause; the
// container of an earlier run does not stay behind to be sent.
void TestAllCfg::templateProblems()
{
    QFETCH(TemplateStep, step);
    QFETCH(int, code);
    QFETCH(QString, detail);
    addPage();
    QCOMPARE(run(), 0);
    const QString templates = dir->filePath("templates");
    step(templates);
    QString said;
    QCOMPARE(run(&said), code);
    QCOMPARE(said, detail.isEmpty() ? detail : detail.arg(templates));
    QCOMPARE(QFile::exists(allCfgPath()), code == 0);
    // Nothing of a template copied into the project.
    QVERIFY(outputEntries().size() <= 1);
}

void TestAllCfg::leftoversOfEarlierRunsGo_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("files of older versions")
        << QStringList {"page0", "page1"}
        << QStringList {"boot.py", "timer4.py", "guicfg0.bin", "page1/Btn1_1.py", "init.bin"};
    QTest::newRow("folders where files were")
        << QStringList {"guicfg2.bin", "timer4.py/x", "all.cfg/y"} << QStringList {"all.cfg/y/z"};
}

// The run needs no file of its own in allFile: whatever stands there under the names the
// generator once used neither stops it nor stays.
void TestAllCfg::leftoversOfEarlierRunsGo()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    for (int k = 0; k < 3; ++k) {
        addPage();
        addWidget(k, 0, 1)->addEvent(makeEvent(0, 1, 31));
    }
    for (const QString &folder : folders)
        QVERIFY(QDir(dir->path()).mkpath("allFile/" + folder));
    for (const QString &name : files) {
        QFile f(dir->filePath("allFile/" + name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(run(), 0);
    QCOMPARE(outputEntries(), QStringList {"all.cfg"});
    QCOMPARE(sections().size(), 17 + 3);
}

void TestAllCfg::fieldsThatDoNotFit_data()
{
    QTest::addColumn<DesignStep>("design");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("detail");
    // The sheet keeps a text size within 16 bits, and the widget goes out as it shows it.
    QTest::newRow("text length") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addPage();
        t->addWidget(1, 1, 1);
        t->addWidget(1, 4, 2)->setLongTextLen(65536);
    }) << 0 << "";
    QTest::newRow("longest text") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 5, 1)->setLongTextLen(65535);
    }) << 0 << "";
    QTest::newRow("record offset") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        // Records of 30108 bytes start at 60, 30168, 60276 and 90384.
        for (int id = 1; id <= 4; ++id)
            t->addWidget(0, 1, id)->setLongTextLen(30000);
    }) << 121 << "Page-0 Lab-4：记录位置超过65535";
    QTest::newRow("series text") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        QMyWidget *chart = t->addWidget(0, 9, 6);
        chart->setChartSerCount(2);
        chart->setChartSerData(0, QString(40000, QLatin1Char('1')));
        chart->setChartSerData(1, QString(25535, QLatin1Char('2')));
    }) << 123 << "Page-0 Chart-6：曲线数据超过65535字节";
    QTest::newRow("longest series text") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        QMyWidget *chart = t->addWidget(0, 9, 6);
        chart->setChartSerCount(2);
        chart->setChartSerData(0, QString(40000, QLatin1Char('1')));
        chart->setChartSerData(1, QString(25534, QLatin1Char('2')));
    }) << 0 << "";
    QTest::newRow("same id twice") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addPage();
        t->addWidget(1, 0, 4);
        t->addWidget(1, 8, 4);
    }) << 124 << "Page-1 Btn-4、Meter-4：多个控件的ID都是4";
    QTest::newRow("same id three times") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 1, 2);
        t->addWidget(0, 0, 7);
        t->addWidget(0, 5, 2);
        t->addWidget(0, 9, 2);
    }) << 124 << "Page-0 Lab-2、QRCode-2、Chart-2：多个控件的ID都是2";
    // Text written as typed must not change the script line around it.
    QTest::newRow("widget argument")
        << DesignStep([](TestAllCfg *t) {
               t->addPage();
               t->addPage();
               EventInfo e = makeEvent(0, 1, 10);
               e.setParam(1, "0);import os;os.system(0");
               t->addWidget(1, 0, 3)->addEvent(e);
           })
        << 126
        << "Page-1 Btn-3：按钮进入事件“设置控件数值”的参数“val”的值“0);import "
           "os;os.system(0”不是单个Python表达式";
    QTest::newRow("argument %1") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 3, 2)->addEvent(makeEvent(3, 0, 31, "%1"));
    }) << 126 << "Page-0 Prog-2：进度退出事件“控制延时”的参数“ms”的值“%1”不是单个Python表达式";
    // A long value is cut, so that the message stays readable.
    const QString cut = "a b" + QString(37, 'c') + "…";
    QTest::newRow("long argument of two operands")
        << DesignStep([](TestAllCfg *t) {
               t->addPage();
               t->addWidget(0, 3, 2)->addEvent(makeEvent(3, 0, 31, "a b" + QString(100000, 'c')));
           })
        << 126
        << "Page-0 Prog-2：进度退出事件“控制延时”的参数“ms”的值“" + cut + "”不是单个Python表达式";
    QTest::newRow("long result variable with a wide character")
        << DesignStep([](TestAllCfg *t) {
               t->addPage()->appendEvent(makeEvent(-1, 0, 12, QString(59, 'x') + "😀" + "y;"));
           })
        << 126
        << "Page-0：页面退出事件“获取蜂鸣器的值”的结果变量“" + QString(40, 'x') + "…”不是变量名";
    QTest::newRow("page result variable")
        << DesignStep([](TestAllCfg *t) { t->addPage()->appendEvent(makeEvent(-1, 0, 12, "#x")); })
        << 126 << "Page-0：页面退出事件“获取蜂鸣器的值”的结果变量“#x”不是变量名";
    QTest::newRow("timer")
        << DesignStep([](TestAllCfg *t) {
               t->addPage();
               t->timers[2]->eventHolder().append(makeEvent(-2, 0, 31, "1\nuser.restart()"));
           })
        << 126
        << "定时器2：定时到达事件“控制延时”的参数“ms”的值“1\nuser.restart()”不是单个Python表达式";
    QTest::newRow("sleep timer") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        EventInfo e = makeEvent(-3, 1, 1);
        e.setParam(1, "中%");
        t->timers[AllCfg::SleepTimer]->eventHolder().append(e);
    }) << 126 << "休眠定时器：休眠进入事件“获取控件x值”的结果变量“中%”不是变量名";
    // A field holds 32767 characters: the refusal quotes the start of a long value.
    QTest::newRow("long argument") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 3, 2)->addEvent(makeEvent(3, 0, 31, QString(32765, 'x') + " y"));
    }) << 126
                                   << "Page-0 Prog-2：进度退出事件“控制延时”的参数“ms”的值“"
            + QString(40, 'x') + "…”不是单个Python表达式";
    QTest::newRow("long result variable")
        << DesignStep([](TestAllCfg *t) {
               t->addPage()->appendEvent(makeEvent(-1, 0, 12, "9" + QString(5000, 'x')));
           })
        << 126
        << "Page-0：页面退出事件“获取蜂鸣器的值”的结果变量“9" + QString(39, 'x') + "…”不是变量名";
    // A character outside the basic plane is quoted whole or not at all.
    QTest::newRow("long argument, cut at a wide character")
        << DesignStep([](TestAllCfg *t) {
               t->addPage();
               t->addWidget(0, 3, 2)->addEvent(
                   makeEvent(3, 0, 31, QString(39, 'x') + QString::fromUtf8("😀😀 y")));
           })
        << 126
        << "Page-0 Prog-2：进度退出事件“控制延时”的参数“ms”的值“" + QString(39, 'x')
            + "…”不是单个Python表达式";
    QTest::newRow("string variable")
        << DesignStep([](TestAllCfg *t) {
               t->addPage();
               EventInfo e = makeEvent(7, 2, 8);
               e.setParam(1, "");
               e.setParam(2, "s)");
               t->addWidget(0, 7, 5)->addEvent(e);
           })
        << 126
        << "Page-0 Arc-5：arc减少事件“设置控件文本值”的参数“字符变量”的值“s)”不是单个Python表达式";
    QTest::newRow("hand-written code replaces the event") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        QMyWidget *w = t->addWidget(0, 3, 2);
        w->addEvent(makeEvent(3, 1, 10, "1;"));
        w->setEventContent(1, 1, "a=1;b=2");
    }) << 0 << "";
    QTest::newRow("ordinary parameters and escaped constants") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        EventInfo e = makeEvent(0, 0, 8, "a*(b+1)");
        e.setParam(1, "say \"hi\");\n#");
        t->addWidget(0, 0, 1)->addEvent(e);
        t->timers[0]->eventHolder().append(makeEvent(-2, 0, 1, "x[2]"));
    }) << 0 << "";
    // 65537 would be written as 1.
    QTest::newRow("id beyond 16 bits") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addPage();
        t->addWidget(1, 0, 1);
        t->addWidget(1, 1, 65537);
    }) << 125 << "Page-1 Lab-65537：控件ID不在0-65535之内";
    QTest::newRow("negative id") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 2, -1);
    }) << 125 << "Page-0 Img--1：控件ID不在0-65535之内";
    // A mode far outside its choices is written in its 16 bits, without an overflow on the
    // way (which the sanitizer build stops at).
    QTest::newRow("largest long-text mode") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 0, 1)->setLongTextMode(std::numeric_limits<int>::max());
        t->addWidget(0, 1, 2)->setLongTextMode(std::numeric_limits<int>::max() - 1);
    }) << 0 << "";
    QTest::newRow("largest id") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 0, 0);
        t->addWidget(0, 2, 65535);
    }) << 0 << "";
    // A picture the library lacks would go out as one the module has, but the picture
    // download never sends it.
    QTest::newRow("widget picture") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->addPage();
        t->addWidget(1, 0, 3)->setPressImageNum(2);
    }) << 128 << "Page-1 Btn-3：图片2不在图库中，请先把该图片加入图库或选择图库中的图片";
    QTest::newRow("needle") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->addWidget(0, 8, 5)->setMeterPointPicID(2, 9);
    }) << 128 << "Page-0 Meter-5：图片9不在图库中，请先把该图片加入图库或选择图库中的图片";
    QTest::newRow("page background") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->addPage()->setPageImageNum(2);
        t->addWidget(1, 0, 3)->setPressImageNum(7);
    }) << 128 << "Page-1：背景图片2不在图库中，请先把该图片加入图库或选择图库中的图片";
    QTest::newRow("boot animation") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->design->boot().setAnimFlag(true);
        t->design->boot().setAnimStartID(1);
        t->design->boot().setAnimEndID(4);
    }) << 128 << "开机动画：图片2不在图库中，请先把该图片加入图库或修改动画的图片范围";
    QTest::newRow("boot animation, range the other way") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->design->boot().setAnimFlag(true);
        t->design->boot().setAnimStartID(6);
        t->design->boot().setAnimEndID(0);
    }) << 128 << "开机动画：图片2不在图库中，请先把该图片加入图库或修改动画的图片范围";
    // What deleting the animation's only picture leaves: nothing the library has.
    QTest::newRow("boot animation below 0") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->design->boot().setAnimFlag(true);
        t->design->boot().setAnimStartID(-1);
        t->design->boot().setAnimEndID(-1);
    }) << 128 << "开机动画：图片-1不在图库中，请先把该图片加入图库或修改动画的图片范围";
    QTest::newRow("boot animation from below 0") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->design->boot().setAnimFlag(true);
        t->design->boot().setAnimStartID(-5);
        t->design->boot().setAnimEndID(1);
    }) << 128 << "开机动画：图片-5不在图库中，请先把该图片加入图库或修改动画的图片范围";
    QTest::newRow("boot animation off") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        t->design->boot().setAnimStartID(1);
        t->design->boot().setAnimEndID(4);
    }) << 0 << "";
    QTest::newRow("pictures the library has") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage()->setPageImageNum(1);
        t->addWidget(0, 0, 3)->setImageNum(0);
        t->addWidget(0, 8, 4)->setMeterPointPicID(0, 1);
        t->design->boot().setAnimFlag(true);
        t->design->boot().setAnimEndID(1);
    }) << 0 << "";
    // A font is checked before the pictures of its widget.
    QTest::newRow("font and picture") << DesignStep([](TestAllCfg *t) {
        t->design->setPictures(TwoPictures);
        t->addPage();
        QMyWidget *w = t->addWidget(0, 1, 3);
        w->setImageNum(5);
        w->setFontID(8);
    }) << 127 << "Page-0 Lab-3：字体8不存在，请先生成该字体或选择已有的字体";
}

void TestAllCfg::fieldsThatDoNotFit()
{
    QFETCH(DesignStep, design);
    QFETCH(int, code);
    QFETCH(QString, detail);
    QCOMPARE(run(), 0);
    design(this);
    QString said;
    QCOMPARE(run(&said), code);
    QCOMPARE(said, detail);
    QCOMPARE(QFile::exists(allCfgPath()), code == 0);
}

// A write past a size limit fails as on a full disk: no container, an old one gone as well,
// nothing half written under any name, and the cause named.
void TestAllCfg::writeFailures_data()
{
    QTest::addColumn<DesignStep>("design");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("code");
    QTest::newRow("container's end") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addWidget(0, 1, 1)->setLongTextLen(3000);
    }) << 3500 << 118;
    QTest::newRow("a large page") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        t->addPage();
        t->addWidget(1, 1, 1)->setLongTextLen(3000);
    }) << 1500 << 118;
    QTest::newRow("a large script") << DesignStep([](TestAllCfg *t) {
        t->addPage();
        QMyWidget *w = t->addWidget(0, 3, 2);
        w->addEvent(makeEvent(3, 2, 31));
        w->setEventContent(2, 1, QString(3000, 'x'));
    }) << 1500 << 118;
    QTest::newRow("a 1 MB design") << DesignStep([](TestAllCfg *t) {
        for (int k = 0; k < 24; ++k) {
            t->addPage();
            t->addWidget(k, 1, 1)->setLongTextLen(50000);
        }
    }) << (1 << 20) - 100 << 118;
}

void TestAllCfg::writeFailures()
{
    QFETCH(DesignStep, design);
    QFETCH(int, limit);
    QFETCH(int, code);
    QCOMPARE(run(), 0); // a container from before
    design(this);
    QString said;
    int result = 0;
    {
        const FileSizeLimit limited(limit);
        QVERIFY(limited.isSet());
        result = run(&said);
    }
    QCOMPARE(result, code);
    QCOMPARE(said, QDir::toNativeSeparators(allCfgPath()) + "：文件超过了系统允许的大小");
    QVERIFY(!QFile::exists(allCfgPath()));
    QCOMPARE(outputEntries(), QStringList());
}

void TestAllCfg::driverGenerates()
{
    const QString project = dir->filePath("golden.yBEX");
    QVERIFY(QFile::copy(YBEX_TEST_DATA "/golden_small.yBEX", project));
    QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
    const QString driver = QCoreApplication::applicationDirPath() + "/driver/ybexdriver";

    // Its label draws with font 195, which no project can generate.
    QProcess process;
    process.start(driver, {"generate", project, dir->filePath("templates")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardOutput(), QByteArray("127\n"));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(!QFile::exists(allCfgPath()));

    // With a font the project has.
    QFile file(project);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray xml = file.readAll();
    QVERIFY(xml.contains("<fontID>195</fontID>"));
    xml.replace("<fontID>195</fontID>", "<fontID>2</fontID>");
    QVERIFY(file.resize(0));
    file.write(xml);
    file.close();
    QVERIFY(QDir(dir->path()).mkpath("tempFonts"));
    for (const char *name : {"tempFonts/2.font", "tempFonts/2.ini"}) {
        QFile font(dir->filePath(name));
        QVERIFY(font.open(QIODevice::WriteOnly));
        font.write("f");
    }
    // Its label shows picture 196, which the library must hold.
    QVERIFY(QDir(dir->path()).mkpath("tempImages"));
    QVERIFY(PictureFixtures::writeLibrary(dir->filePath("tempImages"), 196));
    process.start(driver, {"generate", project, dir->filePath("templates")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardOutput(), QByteArray("128\n"));
    QVERIFY(PictureFixtures::writeLibrary(dir->filePath("tempImages"), 197));
    process.start(driver, {"generate", project, dir->filePath("templates")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardOutput(), QByteArray("0\n"));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(outputEntries(), QStringList {"all.cfg"});
    bool ok = false;
    const QList<Section> s = readContainer(allCfgPath(), &ok);
    QVERIFY(ok);
    QCOMPARE(s.first().id, 1);
    QFile made(allCfgPath());
    QVERIFY(made.open(QIODevice::ReadOnly));
    // Recorded from the project with its label's font changed to 2 and the library of 197
    // pictures as above.
    QFile recorded(QStringLiteral(YBEX_TEST_DATA "/allcfg/golden_small.cfg"));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QVERIFY(made.readAll() == recorded.readAll());

    // The code of a failure, and a nonzero exit.
    process.start(driver, {"generate", project, dir->filePath("nothing")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardOutput(), QByteArray("98\n"));
    QCOMPARE(process.exitCode(), 1);
}

void TestAllCfg::fontMissing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("font");
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<bool>("missing");
    QTest::newRow("button, listed") << 0 << "fontID" << 3 << QStringList {"1", "3"} << false;
    QTest::newRow("button, unlisted") << 0 << "fontID" << 2 << QStringList {"1", "3"} << true;
    QTest::newRow("label, no fonts") << 1 << "fontID" << 0 << QStringList() << true;
    QTest::newRow("label, listed") << 1 << "fontID" << 0 << QStringList {"0"} << false;
    QTest::newRow("label, beyond any number")
        << 1 << "fontID" << 195 << QStringList {"0", "31"} << true;
    QTest::newRow("text box, unlisted") << 4 << "fontID" << 9 << QStringList {"0"} << true;
    QTest::newRow("text box, listed") << 4 << "fontID" << 9 << QStringList {"9"} << false;
    QTest::newRow("chart labels, unlisted")
        << 9 << "ybexItemChartTickLabelFontID" << 24 << QStringList {"0"} << true;
    QTest::newRow("chart labels, listed")
        << 9 << "ybexItemChartTickLabelFontID" << 24 << QStringList {"24"} << false;
    // Types without a font row draw no text with a generated font.
    QTest::newRow("image") << 2 << "fontID" << 9 << QStringList() << false;
    QTest::newRow("QR code") << 5 << "fontID" << 9 << QStringList() << false;
    QTest::newRow("chart's own font number") << 9 << "fontID" << 9 << QStringList {"0"} << false;
}

void TestAllCfg::fontMissing()
{
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(int, font);
    QFETCH(QStringList, fonts);
    QFETCH(bool, missing);
    addPage();
    QMyWidget *w = addWidget(0, type, 1);
    for (const QString &k : {QString("fontID"), QString("ybexItemChartTickLabelFontID")})
        w->setIntValue(k, fonts.isEmpty() ? -1 : fonts.first().toInt());
    w->setIntValue(key, font);
    int found = -1;
    QCOMPARE(AllCfg::fontMissing(*w, fonts, &found), missing);
    QCOMPARE(found, missing ? font : -1);
}

void TestAllCfg::missingFontStopsTheRun_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("detail");
    QTest::newRow("label") << 1 << "fontID"
                           << "Page-1 Lab-4：字体6不存在，请先生成该字体或选择已有的字体";
    QTest::newRow("text box") << 4 << "fontID"
                              << "Page-1 TextBox-4：字体6不存在，请先生成该字体或选择已有的字体";
    QTest::newRow("chart labels") << 9 << "ybexItemChartTickLabelFontID"
                                  << "Page-1 Chart-4：字体6不存在，请先生成该字体或选择已有的字体";
}

// A widget whose font the project has not generated stops the run before anything is
// written, naming page, widget and font.
void TestAllCfg::missingFontStopsTheRun()
{
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(QString, detail);
    addPage();
    addPage();
    addWidget(0, 0, 1);
    QMyWidget *w = addWidget(1, type, 4);
    w->setIntValue(key, 6);
    QString said;
    QCOMPARE(run(&said), int(AllCfg::MissingFont));
    QCOMPARE(said, detail);
    QVERIFY(!QFile::exists(allCfgPath()));
    QCOMPARE(outputEntries(), QStringList());
    design->setFontIds(design->fontIds() + QStringList {"6"});
    QCOMPARE(run(), 0);
}

void TestAllCfg::recordPictures_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("number");
    // The first picture number of the record that a library of 3 pictures lacks, or -1.
    QTest::addColumn<int>("missing");
    QTest::newRow("button picture") << 0 << false << "imageNum" << 3 << 3;
    QTest::newRow("button picture in the library") << 0 << false << "imageNum" << 2 << -1;
    QTest::newRow("pressed look") << 0 << false << "pressImageNum" << 4 << 4;
    QTest::newRow("selected look") << 0 << true << "ybexItemSelectImageNum" << 4 << 4;
    // The record carries the selected look in its third image block either way.
    QTest::newRow("selected look of a plain button")
        << 0 << false << "ybexItemSelectImageNum" << 4 << 4;
    QTest::newRow("pressed look of a checkable button") << 0 << true << "pressImageNum" << 4 << -1;
    QTest::newRow("label") << 1 << false << "imageNum" << 5 << 5;
    QTest::newRow("image") << 2 << false << "imageNum" << 3 << 3;
    QTest::newRow("image without a picture") << 2 << false << "imageNum" << -1 << -1;
    QTest::newRow("progress bar") << 3 << false << "imageNum" << 3 << 3;
    QTest::newRow("progress picture") << 3 << false << "ybexItemProgImageNum" << 7 << 7;
    QTest::newRow("text box") << 4 << false << "imageNum" << 3 << 3;
    QTest::newRow("meter") << 8 << false << "imageNum" << 3 << 3;
    QTest::newRow("needle 1") << 8 << false << "ybexItemMeterPointPicID1" << 3 << 3;
    QTest::newRow("needle 2") << 8 << false << "ybexItemMeterPointPicID2" << 6 << 6;
    QTest::newRow("needle 3") << 8 << false << "ybexItemMeterPointPicID3" << 70000 << 70000;
    QTest::newRow("needle in the library") << 8 << false << "ybexItemMeterPointPicID3" << 0 << -1;
    QTest::newRow("negative number") << 3 << false << "ybexItemProgImageNum" << -5 << -1;
    // These records carry the flag of no picture.
    QTest::newRow("slider knob") << 6 << false << "ybexItemHandleImageNum" << 70000 << -1;
    QTest::newRow("slider picture") << 6 << false << "imageNum" << 9 << -1;
    QTest::newRow("slider track") << 6 << false << "ybexItemProgImageNum" << 9 << -1;
    QTest::newRow("arc") << 7 << false << "imageNum" << 9 << -1;
    QTest::newRow("QR code") << 5 << false << "imageNum" << 9 << -1;
    QTest::newRow("chart") << 9 << false << "imageNum" << 9 << -1;
}

void TestAllCfg::recordPictures()
{
    QFETCH(int, type);
    QFETCH(bool, checkable);
    QFETCH(QString, key);
    QFETCH(int, number);
    QFETCH(int, missing);
    QScopedPointer<QMyWidget> w(QMyWidgetFactory::create(WidgetType(type), 1, &canvas));
    w->setCheckabled(checkable);
    QVERIFY(w->setIntValue(key, number));
    int found = -1;
    QCOMPARE(AllCfg::pictureMissing(*w, 3, &found), missing >= 0);
    QCOMPARE(found, missing);
    if (missing < 0)
        return;
    // The number, or its flag, reaches the module.
    const QByteArray record = AllCfg::widgetRecord(*w, 60);
    QVERIFY(w->setIntValue(key, -1));
    QVERIFY(AllCfg::widgetRecord(*w, 60) != record);
    QVERIFY(!AllCfg::pictureMissing(*w, 3));
}

void TestAllCfg::switchesGoOutAsOnOrOff_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    int rows = 0;
    for (int type = 0; type < WidgetTypeCount; ++type) {
        for (bool checkable : {false, true}) {
            const QList<SheetRow> sheet = SheetTables::widgetSheet(WidgetType(type), checkable);
            for (const QString &key : SheetTables::keysOf(sheet, SheetRow::Bool)) {
                // The Checkable switch is held as a bool.
                if (key == "checkabled")
                    continue;
                for (int value : {5996, -1, 65537}) {
                    const QString name = QString("%1%2 %3 %4")
                                             .arg(type)
                                             .arg(checkable ? " checkable" : "")
                                             .arg(key)
                                             .arg(value);
                    QTest::newRow(qPrintable(name)) << type << checkable << key << value;
                    ++rows;
                }
            }
        }
    }
    // Every type's load switch, the chart's grid and its axes' tick and label switches.
    QCOMPARE(rows, 3 * 2 * (WidgetTypeCount + 7));
}

// A tick-box row shows any value but 0 as ticked; the module gets 1 for it, as for a
// widget whose box was ticked.
void TestAllCfg::switchesGoOutAsOnOrOff()
{
    QFETCH(int, type);
    QFETCH(bool, checkable);
    QFETCH(QString, key);
    QFETCH(int, value);
    addPage();
    QMyWidget *w = addWidget(0, type, 1);
    w->setCheckabled(checkable);
    QVERIFY(w->setIntValue(key, 1));
    QCOMPARE(run(), 0);
    const QByteArray ticked = firstPageFile();
    QVERIFY(w->setIntValue(key, value));
    QCOMPARE(run(), 0);
    QCOMPARE(firstPageFile().toHex(), ticked.toHex());
    // The design keeps what it holds.
    QCOMPARE(w->intValue(key), value);
    QVERIFY(w->setIntValue(key, 0));
    QCOMPARE(run(), 0);
    QVERIFY(firstPageFile() != ticked);
}

void TestAllCfg::pageSwitchGoesOutAsOnOrOff()
{
    PageParam page;
    for (int value : {1, 5996, -1, 65536}) {
        page.setPageAnimEnabled(value);
        QCOMPARE(AllCfg::pageAnimBlock(page).left(2), le16(1));
    }
    page.setPageAnimEnabled(0);
    QCOMPARE(AllCfg::pageAnimBlock(page).left(2), le16(0));
}

void TestAllCfg::progressDirection_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("sent");
    QTest::newRow("left to right") << 0 << 0;
    QTest::newRow("right to left") << 1 << 1;
    QTest::newRow("top to bottom") << 2 << 2;
    QTest::newRow("bottom to top") << 3 << 3;
    // The drawing knows no other direction; the sheet shows the first.
    QTest::newRow("unknown") << 4 << 0;
    QTest::newRow("negative") << -1 << 0;
}

// A vertical bar is drawn vertical and goes out vertical.
void TestAllCfg::progressDirection()
{
    QFETCH(int, stored);
    QFETCH(int, sent);
    addPage();
    QMyWidget *bar = addWidget(0, 3, 1);
    bar->setProgDir(stored);
    QCOMPARE(run(), 0);
    const QByteArray file = firstPageFile();
    // The progress record follows the 60-byte page block; its direction is at 18.
    QCOMPARE(read16(file, 60), 0x8007);
    QCOMPARE(read16(file, 60 + 18), sent);
    QCOMPARE(bar->getProgDir(), stored);
}

QTEST_MAIN(TestAllCfg)
#include "tst_allcfg.moc"
