// The project file: its exact layout, the save/load fixed point, the reader's rules on
// hand-made files, the in-place rewrites and the failures that must lose nothing.

#include "designglobals.h"
#include "drawgeometry.h"
#include "filesizelimit.h"
#include "generatedstream.h"
#include "hostilefixtures.h"
#include "languagetestutil.h"
#include "markupbounddevice.h"
#include "pagetreetext.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "projecttesttarget.h"
#include "projectxmlwriter.h"
#include "settingsfile.h"

#include <QDomDocument>
#include <QFile>
#include <QLibraryInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>

#include <functional>

namespace {

// Opacity keys and the alpha keys they also set when a file is read. Written out here, apart
// from the reader's table, so that a pair missing there fails.
const char *const opacityPairs[][3] = {
    {"fontOpa", "fontColorA", nullptr},
    {"ybexItemProgImageColorOpa", "ybexItemProgImageColorA", nullptr},
    {"ybexItemProgOpa", "ybexItemProgBackgroundA1", "ybexItemProgBackgroundA2"},
    {"ybexItemProgBorderOpa", "ybexItemProgBorderColorA", nullptr},
    {"ybexItemArcOpa", "ybexItemArcBackgroundA1", nullptr},
    {"ybexItemArcSelectOpa", "ybexItemArcSelectBackgroundA1", nullptr},
    {"ybexItemHandleImageColorOpa", "ybexItemHandleImageColorA", nullptr},
    {"ybexItemHandleOpa", "ybexItemHandleBackgroundA1", "ybexItemHandleBackgroundA2"},
    {"ybexItemHandleBorderOpa", "ybexItemHandleBorderColorA", nullptr},
    {"ybexItemImageColorOpa", "ybexItemImageColorA", nullptr},
    {"ybexItemOpa", "ybexItemBackgroundA1", "ybexItemBackgroundA2"},
    {"ybexItemBorderOpa", "ybexItemBorderColorA", nullptr},
    {"ybexItemSelectImageColorOpa", "ybexItemSelectImageColorA", nullptr},
    {"ybexItemSelectOpa", "ybexItemSelectBackgroundA1", "ybexItemSelectBackgroundA2"},
    {"ybexItemSelectBorderOpa", "ybexItemSelectBorderColorA", nullptr},
    {"ybexItemPressImageColorOpa", "ybexItemPressImageColorA", nullptr},
    {"ybexItemPressOpa", "ybexItemPressBackgroundA1", "ybexItemPressBackgroundA2"},
    {"ybexItemPressBorderOpa", "ybexItemPressBorderColorA", nullptr},
    {"ybexItemCurrorOpa", "ybexItemCurrorColorA", nullptr},
    {"ybexItemCurrorTextOpa", "ybexItemCurrorTextColorA", nullptr},
};

// The frame settings a design is saved with.
struct Frame
{
    int frameW = 0;
    int frameH = 0;
    int screenType = 0;
    int modelType = 0;
    QString dpi;
    QString baud;
    int blValue = 0;
    int currentPageNum = 0;
};

void applyFrame(ProjectTestDesign &d, const Frame &frame)
{
    d.document.setFrameSize(QSize(frame.frameW, frame.frameH));
    d.document.setScreenType(frame.screenType);
    d.document.setModelType(frame.modelType);
    d.document.setResolution(frame.dpi);
    d.document.setBaud(frame.baud);
    d.document.setBacklight(frame.blValue);
    d.document.setCurrentPage(frame.currentPageNum);
}

QByteArray save(ProjectTestDesign &d, const Frame &frame = Frame())
{
    applyFrame(d, frame);
    return d.save();
}

QByteArray withRoot(const QString &body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui>\n") + body.toUtf8()
        + QByteArray("\n</ui>\n");
}

bool loadInto(ProjectTestDesign &d, const QByteArray &content)
{
    return d.load(content);
}

// Reads back what the reader left in the target, by a short path (see the table).
QString probe(ProjectTestDesign &d, const QString &what)
{
    const QString head = what.section(QLatin1Char(':'), 0, 0);
    const QString key = what.section(QLatin1Char(':'), 1);
    auto eventProbe = [](const QList<EventInfo> &events, const QString &k) -> QString {
        if (k == QLatin1String("events"))
            return QString::number(events.size());
        const int i = k.mid(5, 1).toInt();
        if (i >= events.size())
            return QStringLiteral("no event");
        const QString field = k.section(QLatin1Char('.'), 1);
        const EventInfo &e = events.at(i);
        if (field == QLatin1String("type"))
            return QString::number(e.type());
        if (field == QLatin1String("user"))
            return QString::number(e.userType());
        if (field == QLatin1String("owner"))
            return QString::number(e.ownerType());
        return e.param(field.mid(1).toInt());
    };
    if (what == QLatin1String("pages"))
        return QString::number(d.document.pageCount());
    const DesignDocument &design = d.document;
    if (what == QLatin1String("items")) {
        // The page tree's names of the pages.
        QStringList items;
        for (int i = 0; i < design.pageCount(); ++i)
            items << PageTreeText::pageItem(i, design.page(i)->pageName());
        return items.join(QLatin1Char('|'));
    }
    if (what == QLatin1String("shown"))
        return QString::number(design.hasCurrentPage() ? design.currentPage() : -1);
    if (what == QLatin1String("canvas")) {
        if (design.frameSize().isEmpty())
            return QStringLiteral("none");
        return QStringLiteral("%1,%2,%3,%4")
            .arg(design.screenType())
            .arg(design.modelType())
            .arg(design.frameSize().width())
            .arg(design.frameSize().height());
    }
    if (what == QLatin1String("baud"))
        return design.baud();
    if (what == QLatin1String("backlight"))
        return QString::number(design.backlight());
    if (what == QLatin1String("dpi"))
        return design.resolution();
    if (what == QLatin1String("modelNow"))
        return QString::number(design.modelType());
    if (head == QLatin1String("boot")) {
        for (const auto &e : ProjectFile::bootElements(d.document.boot())) {
            if (e.first == key)
                return e.second;
        }
        return QStringLiteral("no key");
    }
    if (head.startsWith(QLatin1String("timer"))) {
        const TimerParam *t = d.document.timer(head.mid(5).toInt());
        if (key == QLatin1String("id"))
            return QString::number(t->timerID());
        if (key == QLatin1String("enable"))
            return QString::number(t->timerEnable());
        if (key == QLatin1String("time"))
            return QString::number(t->timerTime());
        if (key == QLatin1String("val"))
            return QString::number(t->timerVal());
        if (key.startsWith(QLatin1String("status")))
            return QString::number(t->eventStatus(key.mid(6).toInt()));
        if (key.startsWith(QLatin1String("text")))
            return t->eventText(key.mid(4).toInt());
        return eventProbe(t->events(), key);
    }
    if (head.startsWith(QLatin1String("page"))) {
        const int index = head.mid(4).toInt();
        if (index >= d.document.pageCount())
            return QStringLiteral("no page");
        const PageParam *p = d.page(index);
        if (key == QLatin1String("imageNum"))
            return QString::number(p->pageImageNum());
        if (key == QLatin1String("opa"))
            return QString::number(p->pageOpa());
        if (key == QLatin1String("alphas"))
            return QStringLiteral("%1,%2").arg(p->pageColorGrad1A()).arg(p->pageColorGrad2A());
        if (key == QLatin1String("radius"))
            return QString::number(p->pageRadius());
        if (key == QLatin1String("animTime"))
            return QString::number(p->pageAnimTime());
        if (key == QLatin1String("name"))
            return p->pageName();
        if (key == QLatin1String("widgets"))
            return QString::number(d.widgets(index).size());
        if (key.startsWith(QLatin1String("status")))
            return QString::number(p->eventStatus(key.mid(6).toInt()));
        if (key.startsWith(QLatin1String("text")))
            return p->eventText(key.mid(4).toInt());
        return eventProbe(p->events(), key);
    }
    if (head.startsWith(QLatin1String("w"))) {
        const int page = head.mid(1).section(QLatin1Char('.'), 0, 0).toInt();
        const int index = head.section(QLatin1Char('.'), 1).toInt();
        if (page >= d.document.pageCount() || index >= d.widgets(page).size())
            return QStringLiteral("no widget");
        const QMyWidget *w = d.widgets(page).at(index);
        if (key == QLatin1String("type"))
            return QString::number(widgetTypeCode(w->getType()));
        if (key == QLatin1String("pos"))
            return QStringLiteral("%1,%2").arg(w->getX()).arg(w->getY());
        if (key.startsWith(QLatin1String("status")))
            return QString::number(w->getEventStatus(key.mid(6).toInt()));
        if (key.startsWith(QLatin1String("slot")))
            return w->getEventText(key.mid(4).toInt());
        if (key.startsWith(QLatin1String("event")))
            return eventProbe(w->getEvents(), key);
        return w->fileValue(key);
    }
    return QStringLiteral("bad probe");
}

// A design with every widget type, events and hand-written code on pages, timers and
// widgets, and values made of white space alone.
void fillDesign(ProjectTestDesign &d)
{
    for (int p = 0; p < 3; ++p)
        d.appendPage();
    d.page(0)->setPageName(QStringLiteral("  "));
    d.page(1)->setPageName(QStringLiteral("主页 <&> \"q\""));
    d.page(1)->setPageImageNum(3);
    d.page(1)->setPageOpa(90);
    d.page(1)->setPageColorGrad1(QColor(1, 2, 3, 90));
    d.page(1)->setPageColorGrad2(QColor(4, 5, 6, 90));
    d.page(1)->setPageHelpLineType(2);
    d.page(1)->setPageHelpLineBottom(-7);
    d.page(2)->setPageAnimTime(300);

    EventInfo pageEvent;
    pageEvent.setType(1);
    pageEvent.setUserType(12);
    pageEvent.setParam(0, QStringLiteral(" "));
    pageEvent.setParam(19, QStringLiteral("a]]>b\r\nc"));
    pageEvent.setOwnerType(-1);
    d.page(0)->appendEvent(pageEvent);
    d.page(0)->setEventContent(2, 1, QStringLiteral("user.set_x(1)\n"));
    // Hand-written code on a page without events.
    d.page(2)->setEventContent(4, 1, QStringLiteral("\n  \n"));

    d.document.timer(0)->setTimerEnable(1);
    d.document.timer(0)->setTimerTime(500);
    EventInfo timerEvent;
    timerEvent.setType(0);
    timerEvent.setUserType(3);
    timerEvent.setOwnerType(-2);
    d.document.timer(0)->appendEvent(timerEvent);
    d.document.timer(8)->setTimerTime(60);
    d.document.timer(8)->setTimerVal(10);
    timerEvent.setOwnerType(-3);
    d.document.timer(8)->appendEvent(timerEvent);
    d.document.timer(3)->setEventContent(0, 0, QStringLiteral("kept"));

    d.document.boot().setAnimFlag(true);
    d.document.boot().setBaud(115200);
    d.document.boot().setPosFlag(true);
    d.document.boot().setBuzzerTime(-5);

    const QStringList &keys = QMyWidget::fileKeys();
    for (int type = 0; type < 10; ++type) {
        QMyWidget *w = d.appendWidget(type % 3, type);
        for (int k = 0; k < keys.size(); ++k) {
            bool isInt = false;
            w->intValue(keys.at(k), &isInt);
            if (isInt)
                w->setIntValue(keys.at(k), (type * 37 + k * 11) % 251 - 20);
        }
        w->setId(type + 1);
        w->setHAlign(type % 3);
        w->setVAlign((type + 1) % 3);
        w->setCheckabled(type % 2);
        w->setImageNum(type * 3);
        w->setSelectImageNum(-1);
        w->setPressImageNum(39);
        w->setText(type == 4 ? QStringLiteral(" ") : QStringLiteral("T%1 <&>\ttab").arg(type));
        w->setChartSerData(0, QStringLiteral("300/400/300/400"));
        w->setChartSerData(1, type == 9 ? QStringLiteral(" ") : QString());
        for (const auto &pair : opacityPairs) {
            const int opa = w->intValue(QLatin1String(pair[0])) & 0xff;
            w->setIntValue(QLatin1String(pair[0]), opa);
            w->setIntValue(QLatin1String(pair[1]), opa);
            if (pair[2])
                w->setIntValue(QLatin1String(pair[2]), opa);
        }
        if (type == 0 || type == 3 || type == 6 || type == 7) {
            EventInfo e;
            e.setType(type % 4);
            e.setUserType(type + 20);
            e.setParam(1, QStringLiteral(" "));
            e.setOwnerType(type);
            w->addEvent(e);
        }
        if (type == 5)
            w->setEventContent(1, 1, QStringLiteral("code without events"));
    }
}

// A buffer that hands out at most a few bytes a read, as a slow source would; past its
// first `trickled` bytes, when given, it hands out all that is asked for.
class TrickleBuffer : public QBuffer
{
public:
    TrickleBuffer(const QByteArray &bytes, qint64 most,
                  qint64 trickled = std::numeric_limits<qint64>::max())
        : m_most(most)
        , m_trickled(trickled)
    {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        return QBuffer::readData(data, pos() < m_trickled ? qMin(maxSize, m_most) : maxSize);
    }

private:
    const qint64 m_most;
    const qint64 m_trickled;
};

QString dataPath(const QString &name)
{
    return QStringLiteral(YBEX_TEST_DATA "/") + name;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void giveEmptyElementsText(QDomDocument &doc, const QDomNode &node)
{
    for (QDomNode n = node.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement() && !n.hasChildNodes() && !n.hasAttributes())
            n.appendChild(doc.createTextNode(QString()));
        else
            giveEmptyElementsText(doc, n);
    }
}

// What QtXml makes of the bytes when it reads and writes them again at indent 4; its
// reader drops empty texts, which the writer keeps as <name></name>.
QByteArray domRoundTrip(const QByteArray &bytes)
{
    QDomDocument doc;
    if (!doc.setContent(bytes))
        return QByteArray("<not parsed>");
    giveEmptyElementsText(doc, doc);
    QByteArray out;
    QTextStream stream(&out);
    doc.save(stream, 4, QDomNode::EncodingFromDocument);
    stream.flush();
    return out;
}

} // namespace

// One way of writing the project file at path; false and the error when it failed. Named,
// so that the meta-type is registered under a normalized name.
using ProjectWrite = std::function<bool(const QString &path, QString *error)>;
Q_DECLARE_METATYPE(ProjectWrite)

class tst_ProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void writerMatchesTheDomSerializer_data();
    void writerMatchesTheDomSerializer();
    void cleanText_data();
    void cleanText();
    void goldenSmallDesign();
    void roundTripIsAFixedPoint();
    void everyWidgetWritesTheSameKeys();
    void eventSlotsWithoutEvents();
    void controlCharactersAreDroppedOnSave();
    void loaderRules_data();
    void loaderRules();
    void opacityKeysSetTheirAlphas();
    void timersAreResetBeforeReading();
    void bootSettingsAreResetBeforeReading();
    void handEditedFilesNeverCrash_data();
    void handEditedFilesNeverCrash();
    void damagedFilesNeverCrash();
    void malformedFilesChangeNothing_data();
    void malformedFilesChangeNothing();
    void controlCharactersShowInParseErrors_data();
    void controlCharactersShowInParseErrors();
    void modelTypePreRead_data();
    void modelTypePreRead();
    void rewriteChangesOnlyItsElement();
    void rewriteCases_data();
    void rewriteCases();
    void rewriteFailuresKeepTheFile_data();
    void rewriteFailuresKeepTheFile();
    void rewriteKeepsTheFileWithinItsBound();
    void saveFailuresKeepTheFile();
    void saveReplacesTheFileAsAWhole();
    void savedFileHoldsTheWholeDesign();
    void savesBeyondTheReadersBoundKeepTheFile();
    void writesThatCannotFinishKeepTheFile_data();
    void writesThatCannotFinishKeepTheFile();
    void failedWriteCauseFollowsTheLanguage_data();
    void failedWriteCauseFollowsTheLanguage();
    void hostileFilesAreRefused_data();
    void hostileFilesAreRefused();
    void aLongFirstPieceIsReadWhateverComesBeforeIt_data();
    void aLongFirstPieceIsReadWhateverComesBeforeIt();
    void everyEncodingGetsOneVerdict_data();
    void everyEncodingGetsOneVerdict();
    void wideFilesReadAsTheirUtf8_data();
    void unicodeEncodingsAreRead_data();
    void unicodeEncodingsAreRead();
    void wideFilesReadAsTheirUtf8();
    void markupIsCheckedWhereverTheReadingPiecesEnd_data();
    void markupIsCheckedWhereverTheReadingPiecesEnd();
    void piecesAreBoundedWhateverSizeTheReadsCome_data();
    void piecesAreBoundedWhateverSizeTheReadsCome();
    void hugeStreamsAreRefusedEarly_data();
    void hugeStreamsAreRefusedEarly();
    void countBoundsLieBeyondWhatASaveHolds();
    void columnsCountCharacters_data();
    void columnsCountCharacters();
    void filesUpToTheBoundsLoad();
    void largeValuesLoad();
    void onlyRegularFilesOfBoundedSizeAreRead();
    void aThousandFullPagesOpenAgain();
    void widgetsNeverShownAreNotPolished();
    void onlyAProjectIsAProject_data();
    void onlyAProjectIsAProject();
    void namesAreComparedAsWritten();
    void timerIsTheOneAtItsPlace();
    void geometryIsBoundedOnLoad();
};

void tst_ProjectFile::writerMatchesTheDomSerializer_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("markup") << QStringLiteral("a<b>c&d\"e'f");
    QTest::newRow("cdata end") << QStringLiteral("x]]>y ]> ]]]>");
    QTest::newRow("white space") << QStringLiteral(" \t\n ");
    QTest::newRow("carriage return") << QStringLiteral("a\r\nb\r");
    QTest::newRow("chinese") << QStringLiteral("文本 ü €");
    QTest::newRow("entity-like") << QStringLiteral("&amp; &#x41;");
    QTest::newRow("surrogate pair") << QString::fromUcs4(U"\U0001F600");
}

void tst_ProjectFile::writerMatchesTheDomSerializer()
{
    QFETCH(QString, value);
    ProjectXmlWriter writer;
    writer.beginElement(QStringLiteral("ui"));
    writer.beginElement(QStringLiteral("page"), QStringLiteral("pageid"), QStringLiteral("1"));
    writer.attributeElement(QStringLiteral("pageOpa"), -1);
    writer.textElement(QStringLiteral("pageName"), value);
    writer.textElement(QStringLiteral("n"), -2147483647 - 1);
    writer.beginElement(QStringLiteral("EventContent"), QStringLiteral("EventContent"),
                        QStringLiteral("EventContent"));
    writer.endElement();
    writer.endElement();
    writer.endElement();

    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement ui = doc.createElement(QStringLiteral("ui"));
    doc.appendChild(ui);
    QDomElement page = doc.createElement(QStringLiteral("page"));
    page.setAttribute(QStringLiteral("pageid"), 1);
    ui.appendChild(page);
    QDomElement opa = doc.createElement(QStringLiteral("pageOpa"));
    opa.setAttribute(QStringLiteral("pageOpa"), -1);
    page.appendChild(opa);
    QDomElement name = doc.createElement(QStringLiteral("pageName"));
    name.appendChild(doc.createTextNode(value));
    page.appendChild(name);
    QDomElement n = doc.createElement(QStringLiteral("n"));
    n.appendChild(doc.createTextNode(QString::number(-2147483647 - 1)));
    page.appendChild(n);
    QDomElement content = doc.createElement(QStringLiteral("EventContent"));
    content.setAttribute(QStringLiteral("EventContent"), QStringLiteral("EventContent"));
    page.appendChild(content);
    QByteArray expected;
    QTextStream stream(&expected);
    doc.save(stream, 4, QDomNode::EncodingFromDocument);
    stream.flush();

    QCOMPARE(QString::fromUtf8(writer.data()), QString::fromUtf8(expected));
}

void tst_ProjectFile::cleanText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clean");
    QTest::newRow("plain") << QStringLiteral("abc 中") << QStringLiteral("abc 中");
    QTest::newRow("tab, line feed, return kept")
        << QStringLiteral("a\tb\nc\rd") << QStringLiteral("a\tb\nc\rd");
    QTest::newRow("controls removed") << QString::fromLatin1("a\x01"
                                                             "b\x1f"
                                                             "c\x0b"
                                                             "d\x7f",
                                                             8)
                                      << QString::fromLatin1("abcd\x7f", 5);
    QTest::newRow("nul removed") << QString(QChar(0)) + QStringLiteral("x") << QStringLiteral("x");
    QTest::newRow("non-characters removed") << QString(QChar(0xFFFE)) + QString(QChar(0xFFFF))
            + QStringLiteral("y") << QStringLiteral("y");
    QTest::newRow("lone surrogates removed") << QString(QChar(0xD800)) + QStringLiteral("z")
            + QString(QChar(0xDC00)) << QStringLiteral("z");
    QTest::newRow("surrogate pair kept")
        << QString::fromUcs4(U"\U0001F600") << QString::fromUcs4(U"\U0001F600");
}

void tst_ProjectFile::cleanText()
{
    QFETCH(QString, text);
    QFETCH(QString, clean);
    QCOMPARE(ProjectXmlWriter::cleanText(text), clean);
    QCOMPARE(ProjectXmlWriter::isCleanText(text), text == clean);
}

void tst_ProjectFile::goldenSmallDesign()
{
    ProjectTestDesign d;
    d.appendPage();
    d.page(0)->setPageName(QStringLiteral("Start"));
    EventInfo e;
    e.setType(0);
    e.setUserType(5);
    e.setParam(0, QStringLiteral("1"));
    // A result variable the module can assign to, so that the design also generates.
    e.setParam(1, QStringLiteral("w"));
    d.page(0)->appendEvent(e);
    // Every value set here, so that the file does not follow the types' defaults.
    QMyWidget *label = d.appendWidget(0, 1);
    const QStringList &keys = QMyWidget::fileKeys();
    for (int k = 0; k < keys.size(); ++k)
        label->setIntValue(keys.at(k), k * 13 % 256);
    label->setHAlign(1);
    label->setVAlign(2);
    label->setText(QStringLiteral("Hello <yBEX>"));
    label->setChartSerData(0, QStringLiteral("1/2"));
    label->setChartSerData(1, QString());
    label->setPos(10, 20);
    d.document.boot().reset();
    Frame frame;
    frame.frameW = 800;
    frame.frameH = 480;
    frame.modelType = 1;
    frame.dpi = QStringLiteral("800*480(WVGA1)");
    frame.baud = QStringLiteral("115200");
    frame.blValue = 20;
    const QByteArray saved = save(d, frame);

    const QByteArray golden = readFile(dataPath(QStringLiteral("golden_small.yBEX")));
    QCOMPARE(QString::fromUtf8(saved), QString::fromUtf8(golden));
    // The layout is QtXml's own at indent 4: reading and writing it again changes nothing
    // after the declaration, whose quotes QtXml's reader turns into single ones.
    const QByteArray again = domRoundTrip(saved);
    QCOMPARE(QString::fromUtf8(again.mid(again.indexOf('\n'))),
             QString::fromUtf8(saved.mid(saved.indexOf('\n'))));
    QVERIFY(saved.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui>\n"
                             "    <frame frame=\"frame\">\n        <frameW>800</frameW>\n"));
    QVERIFY(saved.contains("        <pageImageNum pageImageNum=\"-1\"/>\n"));
    QVERIFY(saved.contains("            <text>Hello &lt;yBEX></text>\n"));
}

void tst_ProjectFile::roundTripIsAFixedPoint()
{
    ProjectTestDesign d;
    fillDesign(d);
    Frame frame;
    frame.frameW = 480;
    frame.frameH = 800;
    frame.screenType = 1;
    frame.dpi = QStringLiteral("800*480(WVGA1)");
    frame.baud = QStringLiteral(" ");
    frame.blValue = 77;
    frame.currentPageNum = 2;
    const QByteArray first = save(d, frame);
    QCOMPARE(save(d, frame), first); // unchanged design, identical bytes

    ProjectTestDesign e;
    QVERIFY(loadInto(e, first));
    QCOMPARE(probe(e, QStringLiteral("shown")), QStringLiteral("2"));
    QCOMPARE(e.document.baud(), QStringLiteral(" "));
    QCOMPARE(probe(e, QStringLiteral("canvas")), QStringLiteral("1,0,480,800"));
    // The loaded design holds the frame settings it was saved with.
    const QByteArray second = e.save();
    QCOMPARE(QString::fromUtf8(second), QString::fromUtf8(first));

    // White space alone is a value and survives.
    QCOMPARE(probe(e, QStringLiteral("page0:name")), QStringLiteral("  "));
    QCOMPARE(probe(e, QStringLiteral("page0:event0.p0")), QStringLiteral(" "));
    QCOMPARE(probe(e, QStringLiteral("page0:event0.p19")), QStringLiteral("a]]>b\r\nc"));
    QCOMPARE(probe(e, QStringLiteral("page2:text4")), QStringLiteral("\n  \n"));
    QCOMPARE(probe(e, QStringLiteral("w1.1:text")), QStringLiteral(" ")); // the text box
    QCOMPARE(probe(e, QStringLiteral("w0.3:ybexItemChartSerData1")), QStringLiteral(" "));
    QCOMPARE(probe(e, QStringLiteral("w0.0:event0.p1")), QStringLiteral(" "));
    QCOMPARE(probe(e, QStringLiteral("timer8:event0.owner")), QStringLiteral("-3"));
    QCOMPARE(probe(e, QStringLiteral("timer0:event0.owner")), QStringLiteral("-2"));
}

void tst_ProjectFile::everyWidgetWritesTheSameKeys()
{
    ProjectTestDesign d;
    d.appendPage();
    for (int type = 0; type < 10; ++type)
        d.appendWidget(0, type);
    QDomDocument doc;
    QVERIFY(doc.setContent(save(d)));
    const QDomNodeList widgets = doc.elementsByTagName(QStringLiteral("ClassName"));
    QCOMPARE(widgets.size(), 10);
    for (int i = 0; i < widgets.size(); ++i) {
        const QDomElement w = widgets.at(i).toElement();
        QCOMPARE(w.attribute(QStringLiteral("ClassName")), QString::number(i));
        QStringList names;
        for (QDomElement c = w.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            names.append(c.tagName());
        QCOMPARE(names.size(), 303);
        QCOMPARE(names, QMyWidget::fileKeys());
    }
    const QDomElement page = doc.documentElement().firstChildElement(QStringLiteral("page"));
    int keys = 0;
    for (QDomElement c = page.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        keys += c.tagName() != QLatin1String("ClassName");
    QCOMPARE(keys, 26);
    const QDomElement timer = doc.documentElement().firstChildElement(QStringLiteral("timer"));
    QCOMPARE(timer.childNodes().size(), 5);
}

void tst_ProjectFile::eventSlotsWithoutEvents()
{
    ProjectTestDesign d;
    d.appendPage();
    QMyWidget *w = d.appendWidget(0, 0);
    w->setEventContent(3, 1, QStringLiteral("user.beep()"));
    d.document.timer(8)->setEventText(1, QStringLiteral("t"));
    const QByteArray saved = save(d);
    QCOMPARE(saved.count("<EventContent EventContent=\"EventContent\">"), 2);
    QCOMPARE(saved.count("<EventName"), 0);

    ProjectTestDesign e;
    QVERIFY(loadInto(e, saved));
    QCOMPARE(probe(e, QStringLiteral("w0.0:status3")), QStringLiteral("1"));
    QCOMPARE(probe(e, QStringLiteral("w0.0:slot3")), QStringLiteral("user.beep()"));
    QCOMPARE(probe(e, QStringLiteral("timer8:text1")), QStringLiteral("t"));
}

void tst_ProjectFile::controlCharactersAreDroppedOnSave()
{
    ProjectTestDesign d;
    d.appendPage();
    d.page(0)->setPageName(QStringLiteral("a") + QChar(0x0b) + QStringLiteral("b"));
    QMyWidget *w = d.appendWidget(0, 1);
    w->setText(QStringLiteral("x") + QChar(0x01) + QChar(0xFFFE) + QStringLiteral("y\tz"));
    EventInfo e;
    e.setParam(2, QString(QChar(0x1f)) + QStringLiteral("p"));
    w->addEvent(e);
    w->setEventText(0, QString(QChar(0xD800)) + QStringLiteral("code"));
    Frame frame;
    frame.baud = QString(QChar(0x07)) + QStringLiteral("9600");

    ProjectTestDesign e2;
    QVERIFY(loadInto(e2, save(d, frame))); // the saved file loads again
    QCOMPARE(probe(e2, QStringLiteral("page0:name")), QStringLiteral("ab"));
    QCOMPARE(probe(e2, QStringLiteral("w0.0:text")), QStringLiteral("xy\tz"));
    QCOMPARE(probe(e2, QStringLiteral("w0.0:event0.p2")), QStringLiteral("p"));
    QCOMPARE(probe(e2, QStringLiteral("w0.0:slot0")), QStringLiteral("code"));
    QCOMPARE(e2.document.baud(), QStringLiteral("9600"));
}

void tst_ProjectFile::loaderRules_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");

    const QString page = QStringLiteral("<page pageid=\"1\">%1</page>");
    const QString label =
        QStringLiteral("<page pageid=\"1\"><ClassName ClassName=\"1\">%1</ClassName></page>");

    QTest::newRow("frame and timers only: no page, nothing shown")
        << QStringLiteral("<frame frame=\"frame\"><frameW>800</frameW><frameH>480</frameH></frame>"
                          "<timer timer=\"0\"><timerEnable>1</timerEnable></timer>")
        << "shown"
        << "-1";
    QTest::newRow("frame sets the canvas after the block")
        << QStringLiteral("<frame><modelType>1</modelType><frameW>800</frameW><frameH>480</frameH>"
                          "<screenType>2</screenType></frame>")
        << "canvas"
        << "2,1,800,480";
    QTest::newRow("frameW 0 leaves the canvas")
        << QStringLiteral("<frame><frameW>0</frameW><frameH>480</frameH><baud>9600</baud></frame>")
        << "canvas"
        << "none";
    QTest::newRow("missing frameH leaves the canvas")
        << QStringLiteral("<frame><frameW>800</frameW></frame>") << "canvas"
        << "none";
    QTest::newRow("link settings applied without a size")
        << QStringLiteral("<frame><frameW>0</frameW><baud>9600</baud></frame>") << "baud"
        << "9600";
    QTest::newRow("boot record handed on without a size")
        << QStringLiteral("<frame><bootPosFlag>1</bootPosFlag></frame>") << "boot:bootPosFlag"
        << "1";
    QTest::newRow("modelType reaches the size dialog at once")
        << QStringLiteral("<frame><modelType>1</modelType></frame>") << "modelNow"
        << "1";
    QTest::newRow("baud that is no number stays text")
        << QStringLiteral("<frame><baud>fast</baud></frame>") << "baud"
        << "fast";
    QTest::newRow("blValue that is no number reads 0")
        << QStringLiteral("<frame><blValue>bright</blValue></frame>") << "backlight"
        << "0";
    QTest::newRow("blValue with white space and sign")
        << QStringLiteral("<frame><blValue> +42 </blValue></frame>") << "backlight"
        << "42";
    QTest::newRow("integer beyond 32 bits reads 0")
        << QStringLiteral("<frame><blValue>2147483648</blValue></frame>") << "backlight"
        << "0";
    QTest::newRow("dpi as text") << QStringLiteral("<frame><dpi>800*480(WVGA1)</dpi></frame>")
                                 << "dpi"
                                 << "800*480(WVGA1)";
    QTest::newRow("boot flag 1 is true")
        << QStringLiteral("<frame><bootPosFlag>1</bootPosFlag></frame>") << "boot:bootPosFlag"
        << "1";
    QTest::newRow("boot flag 2 is true")
        << QStringLiteral("<frame><boot485Flag>2</boot485Flag></frame>") << "boot:boot485Flag"
        << "1";
    QTest::newRow("boot int") << QStringLiteral("<frame><bootSleepTime>-3</bootSleepTime></frame>")
                              << "boot:bootSleepTime"
                              << "-3";
    QTest::newRow("capitalised key ignored")
        << QStringLiteral("<frame><FrameW>800</FrameW><frameH>480</frameH></frame>") << "canvas"
        << "none";
    QTest::newRow("capitalised page element ignored")
        << QStringLiteral("<Page pageid=\"1\"/>") << "pages"
        << "0";
    QTest::newRow("currentPageNum selects the page")
        << QStringLiteral("<frame><currentPageNum>1</currentPageNum></frame>"
                          "<page pageid=\"1\"/><page pageid=\"2\"/>")
        << "shown"
        << "1";
    QTest::newRow("currentPageNum beyond the pages is clamped")
        << QStringLiteral("<frame><currentPageNum>9</currentPageNum></frame>"
                          "<page pageid=\"1\"/><page pageid=\"2\"/>")
        << "shown"
        << "1";
    QTest::newRow("negative currentPageNum is clamped")
        << QStringLiteral("<frame><currentPageNum>-4</currentPageNum></frame><page pageid=\"1\"/>")
        << "shown"
        << "0";

    QTest::newRow("timer attribute 9 skipped")
        << QStringLiteral("<timer timer=\"9\"><timerTime>5</timerTime></timer>") << "timer8:time"
        << "0";
    QTest::newRow("timer attribute -1 skipped")
        << QStringLiteral("<timer timer=\"-1\"><timerTime>5</timerTime></timer>") << "timer0:time"
        << "0";
    QTest::newRow("timer event owner")
        << QStringLiteral("<timer timer=\"3\"><EventName><EventType>2</EventType>"
                          "<UserType>7</UserType></EventName></timer>")
        << "timer3:event0.owner"
        << "-2";
    QTest::newRow("sleep timer event owner")
        << QStringLiteral("<timer timer=\"8\"><EventName/></timer>") << "timer8:event0.owner"
        << "-3";
    QTest::newRow("missing event type reads 0") << QStringLiteral(
        "<timer timer=\"8\"><EventName><UserType>4</UserType></EventName></timer>")
                                                << "timer8:event0.type"
                                                << "0";
    QTest::newRow("missing catalogue index reads -1") << QStringLiteral(
        "<timer timer=\"8\"><EventName><EventType>1</EventType></EventName></timer>")
                                                      << "timer8:event0.user"
                                                      << "-1";
    QTest::newRow("EventParam20 ignored, default stays")
        << QStringLiteral("<timer timer=\"1\"><EventName><EventParam20>x</EventParam20>"
                          "<EventParam01>y</EventParam01></EventName></timer>")
        << "timer1:event0.p0"
        << "0";
    QTest::newRow("EventStatus7 ignored")
        << QStringLiteral("<timer timer=\"1\"><EventContent><EventStatus7>1</EventStatus7>"
                          "<EventStatus4>1</EventStatus4></EventContent></timer>")
        << "timer1:status4"
        << "1";

    QTest::newRow("pageid out of range goes to the page just added") << QStringLiteral(
        "<page pageid=\"1\"/><page pageid=\"7\"><pageRadius pageRadius=\"5\"/></page>")
                                                                     << "page1:radius"
                                                                     << "5";
    QTest::newRow("pageid 0 goes to the page just added")
        << QStringLiteral("<page pageid=\"0\"><pageRadius pageRadius=\"5\"/></page>")
        << "page0:radius"
        << "5";
    QTest::newRow("two pageid 1: all to the first page")
        << QStringLiteral("<page pageid=\"1\"/><page pageid=\"1\"><pageRadius pageRadius=\"5\"/>"
                          "<ClassName ClassName=\"1\"/></page>")
        << "page0:widgets"
        << "1";
    QTest::newRow("two pageid 1: the second page stays empty")
        << QStringLiteral("<page pageid=\"1\"/><page pageid=\"1\"><pageRadius pageRadius=\"5\"/>"
                          "<ClassName ClassName=\"1\"/></page>")
        << "page1:radius"
        << "0";
    QTest::newRow("attribute-only key reads the attribute, not the text")
        << page.arg(QStringLiteral("<pageRadius pageRadius=\"4\">9</pageRadius>")) << "page0:radius"
        << "4";
    // A picture missing from the library keeps its number, to show again when it is back.
    QTest::newRow("page image beyond the library kept")
        << page.arg(QStringLiteral("<pageImageNum pageImageNum=\"3\"/>")) << "page0:imageNum"
        << "3";
    QTest::newRow("page image") << page.arg(QStringLiteral("<pageImageNum pageImageNum=\"2\"/>"))
                                << "page0:imageNum"
                                << "2";
    QTest::newRow("pageOpa sets both alphas") << page.arg(
        QStringLiteral("<pageColorGrad1A pageColorGrad1A=\"255\"/><pageOpa pageOpa=\"100\"/>"))
                                              << "page0:alphas"
                                              << "100,100";
    QTest::newRow("a later alpha wins over pageOpa") << page.arg(
        QStringLiteral("<pageOpa pageOpa=\"100\"/><pageColorGrad2A pageColorGrad2A=\"7\"/>"))
                                                     << "page0:alphas"
                                                     << "100,7";
    QTest::newRow("named page renames its item")
        << QStringLiteral("<page pageid=\"1\"/><page pageid=\"2\"><pageName>Menu</pageName></page>")
        << "items"
        << "Page-0|Page-1(Menu)";
    QTest::newRow("empty name keeps the item")
        << page.arg(QStringLiteral("<pageName></pageName>")) << "items"
        << "Page-0";
    QTest::newRow("page event owner")
        << page.arg(QStringLiteral("<EventName><EventParam3> p </EventParam3></EventName>"))
        << "page0:event0.p3"
        << " p ";
    QTest::newRow("key applied twice: last wins")
        << page.arg(QStringLiteral("<pageAnimTime>1</pageAnimTime><pageAnimTime>2</pageAnimTime>"))
        << "page0:animTime"
        << "2";

    QTest::newRow("ClassName 10 makes no widget")
        << page.arg(QStringLiteral("<ClassName ClassName=\"10\"><id>3</id></ClassName>"))
        << "page0:widgets"
        << "0";
    QTest::newRow("ClassName -1 makes no widget")
        << page.arg(QStringLiteral("<ClassName ClassName=\"-1\"/>")) << "page0:widgets"
        << "0";
    QTest::newRow("ClassName not a number makes a button")
        << page.arg(QStringLiteral("<ClassName ClassName=\"Lab\"/>")) << "w0.0:type"
        << "0";
    QTest::newRow("ClassName missing makes a button")
        << page.arg(QStringLiteral("<ClassName/>")) << "w0.0:type"
        << "0";
    QTest::newRow("stored id is kept") << label.arg(QStringLiteral("<id>7</id>")) << "w0.0:id"
                                       << "7";
    QTest::newRow("missing id: count before it + 1")
        << page.arg(QStringLiteral("<ClassName ClassName=\"1\"/><ClassName ClassName=\"2\"/>"))
        << "w0.1:id"
        << "2";
    QTest::newRow("no position: (0, 0)") << label.arg(QString()) << "w0.0:pos"
                                         << "0,0";
    QTest::newRow("position applied")
        << label.arg(QStringLiteral("<x>12</x><y>-3</y>")) << "w0.0:pos"
        << "12,-3";
    QTest::newRow("checkabled 2 is true")
        << label.arg(QStringLiteral("<checkabled>2</checkabled>")) << "w0.0:checkabled"
        << "1";
    QTest::newRow("checkabled -1 is false")
        << label.arg(QStringLiteral("<checkabled>-1</checkabled>")) << "w0.0:checkabled"
        << "0";
    QTest::newRow("imageNum beyond the library kept")
        << label.arg(QStringLiteral("<imageNum>5</imageNum>")) << "w0.0:imageNum"
        << "5";
    QTest::newRow("negative imageNum kept")
        << label.arg(QStringLiteral("<imageNum>-3</imageNum>")) << "w0.0:imageNum"
        << "-3";
    QTest::newRow("pressImageNum beyond the library kept")
        << label.arg(QStringLiteral("<pressImageNum>3</pressImageNum>")) << "w0.0:pressImageNum"
        << "3";
    QTest::newRow("progress image kept")
        << label.arg(QStringLiteral("<ybexItemProgImageNum>5</ybexItemProgImageNum>"))
        << "w0.0:ybexItemProgImageNum"
        << "5";
    QTest::newRow("hAlign 2 is right")
        << label.arg(QStringLiteral("<hAlign>2</hAlign>")) << "w0.0:hAlign"
        << "2";
    QTest::newRow("hAlign 5 leaves the alignment")
        << label.arg(QStringLiteral("<hAlign>1</hAlign><hAlign>5</hAlign>")) << "w0.0:hAlign"
        << "1";
    QTest::newRow("background alpha then opacity")
        << label.arg(QStringLiteral("<ybexItemBackgroundA1>255</ybexItemBackgroundA1>"
                                    "<ybexItemOpa>128</ybexItemOpa>"))
        << "w0.0:ybexItemBackgroundA1"
        << "128";
    QTest::newRow("opacity then alpha: first alpha stays")
        << label.arg(QStringLiteral("<ybexItemOpa>128</ybexItemOpa>"
                                    "<ybexItemBackgroundA1>255</ybexItemBackgroundA1>"))
        << "w0.0:ybexItemBackgroundA1"
        << "255";
    QTest::newRow("opacity then alpha: second alpha follows")
        << label.arg(QStringLiteral("<ybexItemOpa>128</ybexItemOpa>"
                                    "<ybexItemBackgroundA1>255</ybexItemBackgroundA1>"))
        << "w0.0:ybexItemBackgroundA2"
        << "128";
    QTest::newRow("picture opacity sets no alpha")
        << label.arg(QStringLiteral("<ybexItemImageColorA>9</ybexItemImageColorA>"
                                    "<ybexItemImageOpa>100</ybexItemImageOpa>"))
        << "w0.0:ybexItemImageColorA"
        << "9";
    QTest::newRow("needle suffix 1 is needle 0")
        << label.arg(QStringLiteral("<ybexItemMeterPointPicID1>4</ybexItemMeterPointPicID1>"))
        << "w0.0:ybexItemMeterPointPicID1"
        << "4";
    QTest::newRow("needle suffix 0 ignored")
        << label.arg(QStringLiteral("<ybexItemMeterPointPicID0>4</ybexItemMeterPointPicID0>"))
        << "w0.0:ybexItemMeterPointPicID1"
        << "0";
    QTest::newRow("needle suffix 4 ignored")
        << label.arg(QStringLiteral("<ybexItemMeterPointPicID4>4</ybexItemMeterPointPicID4>"))
        << "w0.0:ybexItemMeterPointPicID3"
        << "0";
    QTest::newRow("axis suffix 0 is axis 0")
        << label.arg(QStringLiteral("<ybexItemChartTickEnable0>1</ybexItemChartTickEnable0>"))
        << "w0.0:ybexItemChartTickEnable0"
        << "1";
    QTest::newRow("grid dash length read")
        << label.arg(QStringLiteral("<ybexItemChartGridDasLength>6</ybexItemChartGridDasLength>"))
        << "w0.0:ybexItemChartGridDasLength"
        << "6";
    QTest::newRow("text with white space only")
        << label.arg(QStringLiteral("<text>   </text>")) << "w0.0:text"
        << "   ";
    QTest::newRow("text of nested elements")
        << label.arg(QStringLiteral("<text>a<b>b</b>c</text>")) << "w0.0:text"
        << "abc";
    QTest::newRow("unknown widget key skipped")
        << label.arg(QStringLiteral("<Text>x</Text><w>99</w>")) << "w0.0:w"
        << "99";
    QTest::newRow("widget event owner is the type")
        << label.arg(QStringLiteral("<EventName><EventType>1</EventType></EventName>"))
        << "w0.0:event0.owner"
        << "1";
    QTest::newRow("widget event for a type without events kept")
        << page.arg(QStringLiteral("<ClassName ClassName=\"9\"><EventName/></ClassName>"))
        << "w0.0:events"
        << "1";
    QTest::newRow("unknown root child skipped with its content")
        << QStringLiteral("<other><page pageid=\"1\"/></other>") << "pages"
        << "0";
}

void tst_ProjectFile::loaderRules()
{
    QFETCH(QString, body);
    QFETCH(QString, what);
    QFETCH(QString, expected);
    ProjectTestDesign d;
    QVERIFY(loadInto(d, withRoot(body)));
    QCOMPARE(probe(d, what), expected);
}

void tst_ProjectFile::opacityKeysSetTheirAlphas()
{
    for (const auto &pair : opacityPairs) {
        const QString opa = QLatin1String(pair[0]);
        QString body;
        for (int i = 1; i <= 2 && pair[i]; ++i)
            body += QStringLiteral("<%1>255</%1>").arg(QLatin1String(pair[i]));
        body += QStringLiteral("<%1>128</%1>").arg(opa);
        ProjectTestDesign d;
        QVERIFY(loadInto(d,
                         withRoot(QStringLiteral("<page pageid=\"1\"><ClassName ClassName=\"3\">%1"
                                                 "</ClassName></page>")
                                      .arg(body))));
        const QMyWidget *w = d.widgets(0).at(0);
        QCOMPARE(w->intValue(opa), 128);
        for (int i = 1; i <= 2 && pair[i]; ++i)
            QVERIFY2(w->intValue(QLatin1String(pair[i])) == 128, pair[i]);
    }
}

void tst_ProjectFile::timersAreResetBeforeReading()
{
    ProjectTestDesign d;
    d.document.timer(2)->setTimerTime(99);
    d.document.timer(2)->setTimerID(5);
    d.document.timer(2)->appendEvent(EventInfo());
    QVERIFY(loadInto(d, withRoot(QString())));
    QCOMPARE(probe(d, QStringLiteral("timer2:time")), QStringLiteral("0"));
    QCOMPARE(probe(d, QStringLiteral("timer2:id")), QStringLiteral("2"));
    QCOMPARE(probe(d, QStringLiteral("timer2:events")), QStringLiteral("0"));
    QCOMPARE(probe(d, QStringLiteral("timer2:val")), QStringLiteral("51"));
}

// A file without boot settings gives the design those of a new one, never those of the
// design loaded before.
void tst_ProjectFile::bootSettingsAreResetBeforeReading()
{
    ProjectTestDesign d;
    d.document.boot().setAnimFlag(true);
    d.document.boot().setSleepTime(12);
    QVERIFY(loadInto(d, withRoot(QStringLiteral("<frame><bootJumpTime>4</bootJumpTime></frame>"))));
    QCOMPARE(probe(d, QStringLiteral("boot:bootAnimFlag")), QStringLiteral("0"));
    QCOMPARE(probe(d, QStringLiteral("boot:bootSleepTime")),
             QString::number(BootParam().getSleepTime()));
    QCOMPARE(probe(d, QStringLiteral("boot:bootJumpTime")), QStringLiteral("4"));
}

void tst_ProjectFile::handEditedFilesNeverCrash_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("huge pageid") << QByteArray("pageid=\"2\"")
                                 << QByteArray("pageid=\"2147483647\"");
    QTest::newRow("lowest pageid")
        << QByteArray("pageid=\"2\"") << QByteArray("pageid=\"-2147483648\"");
    QTest::newRow("pageid beyond int")
        << QByteArray("pageid=\"1\"") << QByteArray("pageid=\"99999999999\"");
    QTest::newRow("huge timer") << QByteArray("timer=\"3\"") << QByteArray("timer=\"2147483647\"");
    QTest::newRow("lowest class") << QByteArray("ClassName=\"2\"")
                                  << QByteArray("ClassName=\"-2147483648\"");
    QTest::newRow("huge page number") << QByteArray("<currentPageNum>2</currentPageNum>")
                                      << QByteArray("<currentPageNum>2147483647</currentPageNum>");
    QTest::newRow("huge image number")
        << QByteArray("<imageNum>0</imageNum>") << QByteArray("<imageNum>2147483647</imageNum>");
    QTest::newRow("lowest event type") << QByteArray("<EventType>1</EventType>")
                                       << QByteArray("<EventType>-2147483648</EventType>");
    QTest::newRow("page inside a page")
        << QByteArray("<pageName>  </pageName>")
        << QByteArray("<page pageid=\"1\"><page pageid=\"5\"/></page>");
    QTest::newRow("widget inside a widget")
        << QByteArray("<text> </text>")
        << QByteArray("<ClassName ClassName=\"9\"><ClassName/></ClassName>");
    QTest::newRow("events without holder keys")
        << QByteArray("<timerID>0</timerID>") << QByteArray("<EventContent/><EventName/>");
}

void tst_ProjectFile::handEditedFilesNeverCrash()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    ProjectTestDesign d;
    fillDesign(d);
    Frame frame;
    frame.currentPageNum = 2;
    QByteArray content = save(d, frame);
    QVERIFY2(content.contains(from), from.constData());
    content.replace(from, to);
    ProjectTestDesign e;
    QVERIFY(loadInto(e, content));
    QVERIFY(e.document.hasCurrentPage());
    QCOMPARE(e.document.pageCount(), 3); // only pages directly under the root are pages
    // What was read saves and reads back as a fixed point.
    const QByteArray again = e.save();
    ProjectTestDesign f;
    QVERIFY(loadInto(f, again));
    QCOMPARE(QString::fromUtf8(f.save()), QString::fromUtf8(again));
}

// Digits of values changed at random (from a fixed seed) into other digits, signs, blanks and
// letters: whatever still parses loads without harm.
void tst_ProjectFile::damagedFilesNeverCrash()
{
    ProjectTestDesign d;
    fillDesign(d);
    const QByteArray original = save(d);
    // Digits of values, not of element names.
    QVector<int> digits;
    bool inText = false;
    for (int i = 0; i < original.size(); ++i) {
        const char c = original.at(i);
        if (c == '<' || c == '>')
            inText = c == '>';
        else if (inText && c >= '0' && c <= '9')
            digits.append(i);
    }
    QRandomGenerator random(20261210);
    const char replacements[] = "0123456789-+ x9999";
    int loaded = 0;
    for (int round = 0; round < 40; ++round) {
        QByteArray content = original;
        for (int i = 0; i < 40; ++i)
            content[digits.at(random.bounded(digits.size()))] =
                replacements[random.bounded(int(sizeof replacements) - 1)];
        ProjectTestDesign e;
        if (loadInto(e, content))
            ++loaded;
    }
    QVERIFY(loaded > 0);
}

void tst_ProjectFile::controlCharactersShowInParseErrors_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shown");
    QTest::newRow("U+0001 in text")
        << QByteArray("<ui><page>\x01</page></ui>") << "Unexpected 'U+0001'";
    QTest::newRow("U+001F in text") << QByteArray("<ui><a>x\x1f</a></ui>") << "Unexpected 'U+001F'";
    QTest::newRow("after Chinese text")
        << QByteArray("<ui>\n<a>\xe4\xb8\xad\x02</a></ui>") << "Unexpected 'U+0002'";
    QTest::newRow("after a byte-order mark")
        << QByteArray("\xef\xbb\xbf<ui>\x03</ui>") << "Unexpected 'U+0003'";
    const QString wide = QStringLiteral("<ui>\x04</ui>");
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe")
                                   .append(reinterpret_cast<const char *>(wide.utf16()),
                                           wide.size() * 2)
                            << "Unexpected 'U+0004'";
    QTest::newRow("U+0008 in a value")
        << QByteArray("<ui><page pageid=\"\x08\"/></ui>") << "U+0008";
    // The reader counts the characters of what it was handed, declaration included.
    const QByteArray declared("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui>\x05</ui>");
    QTest::newRow("UTF-16 with its declaration")
        << HostileFixtures::inEncoding(declared, "UTF-16LE") << "Unexpected 'U+0005'";
    QTest::newRow("UTF-32BE without a mark")
        << HostileFixtures::inEncoding(declared, "UTF-32BE", false) << "Unexpected 'U+0005'";
    QTest::newRow("U+0000 in text") << QByteArray("<ui><a>x") + '\0' + "</a></ui>"
                                    << "Unexpected 'U+0000'";
    QTest::newRow("U+0000 where an attribute name begins")
        << QByteArray("<ui><a \0b=\"1\"/></ui>", 20) << "'U+0000'";
    QTest::newRow("U+FFFE in text")
        << QByteArray("<ui><a>\xef\xbf\xbe</a></ui>") << "Unexpected 'U+FFFE'";
    // The reader says only that a character is no XML character.
    QTest::newRow("U+0001 in a comment")
        << QByteArray("<ui><!-- a\x01 b --></ui>") << "Invalid XML character 'U+0001'.";
    QTest::newRow("U+0000 in a processing instruction")
        << QByteArray("<ui><?a b\0c?></ui>", 17) << "Invalid XML character 'U+0000'.";
    QTest::newRow("U+FFFF in a CDATA section")
        << QByteArray("<ui><![CDATA[\xef\xbf\xbf]]></ui>") << "Invalid XML character 'U+FFFF'.";
    QTest::newRow("U+0002 in an element name") << QByteArray("<ui><pa\x02ge/></ui>") << "'U+0002'";
    QTest::newRow("U+0003 in an end tag") << QByteArray("<ui><page></pa\x03ge></ui>") << "'U+0003'";
}

// A character that cannot be seen is named by its number in the reader's message.
void tst_ProjectFile::controlCharactersShowInParseErrors()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    ProjectFile file;
    QVERIFY(!file.setContent(content));
    const QString error = file.errorString();
    QVERIFY2(error.contains(shown), qPrintable(error));
    for (const QChar c : error)
        QVERIFY2(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F)
                     && !c.isNonCharacter(),
                 qPrintable(error));

    // The same with Qt's own texts in Chinese, as the interface starts.
    QTranslator qt;
    QVERIFY2(qt.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath)),
             "qttranslations5-l10n is needed");
    QCoreApplication::installTranslator(&qt);
    ProjectFile translated;
    const bool read = translated.setContent(content);
    QCoreApplication::removeTranslator(&qt);
    QVERIFY(!read);
    const QString chinese = translated.errorString();
    QVERIFY2(chinese != error, qPrintable(chinese));
    const QString code = shown.mid(shown.indexOf(QLatin1String("U+")), 6);
    QVERIFY2(chinese.contains(code), qPrintable(chinese));
    for (const QChar c : chinese)
        QVERIFY2(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F),
                 qPrintable(chinese));
}

void tst_ProjectFile::malformedFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("unclosed root") << QByteArray("<ui><frame></frame>");
    QTest::newRow("mismatched tags") << QByteArray("<ui><page pageid=\"1\"></ui></page>");
    QTest::newRow("garbage after root") << QByteArray("<ui/><x>");
    QTest::newRow("control character") << QByteArray("<ui><page pageid=\"1\">\x01</page></ui>");
    QTest::newRow("not xml") << QByteArray("PK\x03\x04 zip");
}

void tst_ProjectFile::malformedFilesChangeNothing()
{
    QFETCH(QByteArray, content);
    ProjectTestDesign d;
    d.document.timer(0)->setTimerTime(3);
    // A page number no load would leave.
    d.document.setCurrentPage(-2);
    ProjectFile file;
    QVERIFY(!file.setContent(content));
    QVERIFY(!file.errorString().isEmpty());
    file.load(d.document, &d.canvas);
    int series = -1;
    QVERIFY(!file.modelType(&series));
    QCOMPARE(d.document.timer(0)->timerTime(), 3);
    QCOMPARE(d.document.pageCount(), 0);
    QCOMPARE(d.document.currentPage(), -2);
}

void tst_ProjectFile::modelTypePreRead_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("series");
    QTest::newRow("no frame") << QStringLiteral("<page pageid=\"1\"/>") << false << -1;
    QTest::newRow("frame without modelType")
        << QStringLiteral("<frame><frameW>1</frameW></frame>") << false << -1;
    QTest::newRow("series 1") << QStringLiteral("<frame><modelType>1</modelType></frame>") << true
                              << 1;
    QTest::newRow("not a number") << QStringLiteral("<frame><modelType>x</modelType></frame>")
                                  << true << 0;
    QTest::newRow("last one wins")
        << QStringLiteral("<frame><modelType>1</modelType></frame><frame><modelType>0</modelType>"
                          "</frame>")
        << true << 0;
    QTest::newRow("only directly under frame")
        << QStringLiteral("<frame><x><modelType>1</modelType></x></frame>") << false << -1;
}

void tst_ProjectFile::modelTypePreRead()
{
    QFETCH(QString, body);
    QFETCH(bool, found);
    QFETCH(int, series);
    ProjectFile file;
    QVERIFY(file.setContent(withRoot(body)));
    int value = -1;
    QCOMPARE(file.modelType(&value), found);
    QCOMPARE(value, series);
}

void tst_ProjectFile::rewriteChangesOnlyItsElement()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    ProjectTestDesign d;
    fillDesign(d);
    Frame frame;
    frame.frameW = 800;
    frame.frameH = 480;
    frame.baud = QStringLiteral("115200");
    frame.blValue = 20;
    const QByteArray original = save(d, frame);
    writeFile(path, original);

    // The same values: the file comes back byte for byte, white-space values included.
    QVERIFY(ProjectFile::rewriteFrameElements(
        path, {{QStringLiteral("baud"), QStringLiteral("115200")}}));
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(original));
    QVERIFY(ProjectFile::rewriteFrameElements(path, ProjectFile::bootElements(d.document.boot())));
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(original));

    QVERIFY(ProjectFile::rewriteFrameElements(path,
                                              {{QStringLiteral("blValue"), QStringLiteral("55")}}));
    frame.blValue = 55;
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(save(d, frame)));
    QVERIFY(ProjectFile::rewriteFrameElements(path,
                                              {{QStringLiteral("baud"), QStringLiteral("9600")}}));
    frame.baud = QStringLiteral("9600");
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(save(d, frame)));
    d.document.boot().setSleepTime(33);
    d.document.boot().set485Flag(true);
    QVERIFY(ProjectFile::rewriteFrameElements(path, ProjectFile::bootElements(d.document.boot())));
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(save(d, frame)));
}

void tst_ProjectFile::rewriteCases_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray decl("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    QTest::newRow("empty element stays empty") << decl
            + "<ui>\n    <frame frame=\"frame\">\n        <blValue></blValue>\n    "
              "</frame>\n</ui>\n"
                                               << "blValue"
                                               << "20"
                                               << decl
            + "<ui>\n    <frame frame=\"frame\">\n        <blValue></blValue>\n    "
              "</frame>\n</ui>\n";
    QTest::newRow("no baud element: nothing added") << decl
            + "<ui>\n    <frame frame=\"frame\">\n        <blValue>3</blValue>\n    "
              "</frame>\n</ui>\n"
                                                    << "baud"
                                                    << "9600"
                                                    << decl
            + "<ui>\n    <frame frame=\"frame\">\n        <blValue>3</blValue>\n    "
              "</frame>\n</ui>\n";
    QTest::newRow("every occurrence rewritten") << decl
            + "<ui><frame><baud>1</baud><baud>2</baud></frame><frame><baud>3</baud></frame></ui>"
                                                << "baud"
                                                << "115200"
                                                << decl
            + "<ui><frame><baud>115200</baud><baud>115200</baud></frame><frame><baud>115200</baud>"
              "</frame></ui>";
    QTest::newRow("deeper levels untouched")
        << decl + "<ui><frame><x><baud>1</baud></x></frame><page><baud>2</baud></page></ui>"
        << "baud"
        << "9" << decl + "<ui><frame><x><baud>1</baud></x></frame><page><baud>2</baud></page></ui>";
    QTest::newRow("other bytes kept as they stand") << decl
            + "<ui><frame frame='frame'><baud>1</baud><text> a<?pi x?>b </text></frame>\r\n"
              "<!-- note --><page pageid = \"1\"><text>x<b>y</b></text></page></ui>\r\n"
                                                    << "baud"
                                                    << "2"
                                                    << decl
            + "<ui><frame frame='frame'><baud>2</baud><text> a<?pi x?>b </text></frame>\r\n"
              "<!-- note --><page pageid = \"1\"><text>x<b>y</b></text></page></ui>\r\n";
    QTest::newRow("processing instruction inside the value kept")
        << decl + "<ui><frame><baud>a<?pi x?>b</baud></frame></ui>"
        << "baud"
        << "9600" << decl + "<ui><frame><baud>9600<?pi x?>b</baud></frame></ui>";
    QTest::newRow("element whose first content is markup unchanged")
        << decl + "<ui><frame><baud><!--c-->1</baud><blValue>\n <x/></blValue></frame></ui>"
        << "baud"
        << "9600"
        << decl + "<ui><frame><baud><!--c-->1</baud><blValue>\n <x/></blValue></frame></ui>";
    QTest::newRow("white space value rewritten")
        << decl + "<ui><frame><baud> </baud></frame></ui>"
        << "baud"
        << "9600" << decl + "<ui><frame><baud>9600</baud></frame></ui>";
    QTest::newRow("namespaces not processed") << decl
            + "<ui><a:frame xmlns:a=\"urn:x\"><baud>1</baud></a:frame><x:note/>"
              "<frame><baud>1</baud></frame></ui>"
                                              << "baud"
                                              << "2"
                                              << decl
            + "<ui><a:frame xmlns:a=\"urn:x\"><baud>1</baud></a:frame><x:note/>"
              "<frame><baud>2</baud></frame></ui>";
    QTest::newRow("characters beyond ASCII")
        << decl + "<ui><frame><baud>\xc3\xa9</baud><dpi>\xc3\xa9</dpi></frame></ui>"
        << "baud" << QString::fromUtf8("\xe4\xb8\xad\xf0\x9f\x98\x80")
        << decl
            + "<ui><frame><baud>\xe4\xb8\xad\xf0\x9f\x98\x80</baud><dpi>\xc3\xa9</dpi></frame></"
              "ui>";
    QTest::newRow("a frame in a comment opened by <!-->")
        << decl + "<ui><!--><frame><baud>1</baud></frame>--><frame><baud>1</baud></frame></ui>"
        << "baud"
        << "2"
        << decl + "<ui><!--><frame><baud>1</baud></frame>--><frame><baud>2</baud></frame></ui>";
    QTest::newRow("a frame in a comment opened by <!--->")
        << decl + "<ui><!---><frame><baud>1</baud></frame>--><frame><baud>1</baud></frame></ui>"
        << "baud"
        << "2"
        << decl + "<ui><!---><frame><baud>1</baud></frame>--><frame><baud>2</baud></frame></ui>";
    QTest::newRow("value escaped and cleaned")
        << decl + "<ui><frame><baud>1</baud></frame></ui>"
        << "baud" << QString::fromLatin1("<9600&\x01", 7)
        << decl + "<ui><frame><baud>&lt;9600&amp;</baud></frame></ui>";
}

void tst_ProjectFile::rewriteCases()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, content);
    QVERIFY(ProjectFile::rewriteFrameElements(path, {{key, value}}));
    QCOMPARE(readFile(path), expected);
}

void tst_ProjectFile::rewriteFailuresKeepTheFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("writeProtected");
    const QByteArray good(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui><frame><baud>1</baud></frame></ui>");
    QTest::newRow("malformed") << QByteArray("<ui><frame><baud>1</baud></frame>") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("nested too deep") << QByteArray("<ui><frame><baud>1</baud></frame>")
            + QByteArray("<a>").repeated(10000) + QByteArray("</a>").repeated(10000)
            + QByteArray("</ui>") << false;
    QTest::newRow("too many attributes") << QByteArray("<ui><frame><baud>1</baud></frame><x")
            + QByteArray(" a=\"1\"").repeated(9)
            + QByteArray("/></ui>") << false;
    // Refused by the read that checks the file, as every document type is.
    QTest::newRow("entities declared in the file")
        << QByteArray("<!DOCTYPE ui [<!ENTITY e \"<baud>2</baud>\">]><ui><frame>&e;<baud>1</baud>"
                      "</frame></ui>")
        << false;
    QTest::newRow("an 8-bit encoding")
        << QByteArray("<?xml version=\"1.0\" "
                      "encoding=\"ISO-8859-1\"?>\n<ui><frame><baud>\xe9</baud></frame></ui>")
        << false;
    // Read as the UTF-8 it is, but the declaration says otherwise.
    QTest::newRow("UTF-16 declared in an 8-bit file") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ui><frame><baud>1</baud></frame></ui>")
                                                      << false;
    QTest::newRow("write-protected") << good << true;
    QTest::newRow("UTF-16") << HostileFixtures::inEncoding(good, "UTF-16LE") << false;
    QTest::newRow("UTF-32 without a mark")
        << HostileFixtures::inEncoding(good, "UTF-32BE", false) << false;
}

void tst_ProjectFile::rewriteFailuresKeepTheFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, writeProtected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, content);
    if (writeProtected)
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QString error;
    QVERIFY(!ProjectFile::rewriteFrameElements(
        path, {{QStringLiteral("baud"), QStringLiteral("9")}}, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path), content);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {QStringLiteral("p.yBEX")});

    // A missing file is never created.
    const QString missing = dir.filePath(QStringLiteral("missing.yBEX"));
    QVERIFY(!ProjectFile::rewriteFrameElements(missing,
                                               {{QStringLiteral("baud"), QStringLiteral("9")}}));
    QVERIFY(!QFile::exists(missing));
}

// A rewrite that would make the file longer than may be read keeps it as it is, as a save
// does; the bound itself is allowed.
void tst_ProjectFile::rewriteKeepsTheFileWithinItsBound()
{
    constexpr qint64 Bound = 1 << 20;
    QByteArray content = HostileFixtures::project(QByteArray());
    content.replace("</frame>", "<baud>9600</baud><blValue>5</blValue></frame>");
    content.replace("</ui>", "<!--" + QByteArray(Bound - content.size() - 7, 'x') + "--></ui>");
    QCOMPARE(content.size(), Bound);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, content);

    const QString tooLarge = ProjectFile::tr("%1：文件超过%2MB，项目文件最大%2MB").arg(path, "1");
    const QVector<ProjectFile::Elements> longer = {
        {{QStringLiteral("baud"), QStringLiteral("115200")}},
        {{QStringLiteral("blValue"), QStringLiteral("10")}},
        {{QStringLiteral("baud"), QStringLiteral("96")}, {QStringLiteral("blValue"), "1000"}},
    };
    for (const ProjectFile::Elements &values : longer) {
        QString error;
        QVERIFY(!ProjectFile::rewriteFrameElements(path, values, &error, Bound));
        QCOMPARE(error, tooLarge);
        QVERIFY(readFile(path) == content);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList {QStringLiteral("p.yBEX")});
    }
    QString error;
    QVERIFY2(ProjectFile::rewriteFrameElements(
                 path, {{QStringLiteral("baud"), QStringLiteral("4800")}}, &error, Bound),
             qPrintable(error));
    QCOMPARE(QFileInfo(path).size(), Bound);
    QVERIFY2(ProjectFile::rewriteFrameElements(
                 path, {{QStringLiteral("baud"), QStringLiteral("96")}}, &error, Bound),
             qPrintable(error));
    QCOMPARE(QFileInfo(path).size(), Bound - 2);
    // Up to the bound itself.
    QVERIFY2(ProjectFile::rewriteFrameElements(
                 path, {{QStringLiteral("baud"), QStringLiteral("9600")}}, &error, Bound),
             qPrintable(error));
    QVERIFY(readFile(path) == content);
}

void tst_ProjectFile::saveFailuresKeepTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, "old");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QString error;
    QVERIFY(!ProjectFile::writeFile(path, "new", &error));
    QVERIFY2(error.startsWith(path) && error.size() > path.size(), qPrintable(error));
    QCOMPARE(readFile(path), QByteArray("old"));

    const QString noFolder = dir.filePath(QStringLiteral("nowhere/p.yBEX"));
    QVERIFY(!ProjectFile::writeFile(noFolder, "new"));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
    QVERIFY(!ProjectFile::writeFile(QString(), "new"));
    QVERIFY(!ProjectFile::writeFile(dir.path(), "new"));
}

void tst_ProjectFile::saveReplacesTheFileAsAWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, QByteArray(10000, 'x'));
    QVERIFY(QFile::setPermissions(
        path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    QVERIFY(ProjectFile::writeFile(path, "short"));
    QCOMPARE(readFile(path), QByteArray("short"));
    QCOMPARE(QFile::permissions(path) & 0x7777,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                 | QFileDevice::WriteUser | QFileDevice::ReadGroup);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {QStringLiteral("p.yBEX")});
}

// The file is written in pieces; a design of several pieces comes out whole and the
// same as in memory.
void tst_ProjectFile::savedFileHoldsTheWholeDesign()
{
    ProjectTestDesign d;
    fillDesign(d);
    for (int i = 0; i < 150; ++i)
        d.appendWidget(i % 3, i % 10)->setText(QStringLiteral("w%1 <&>").arg(i));
    Frame frame;
    frame.baud = QStringLiteral("115200");
    const QByteArray expected = save(d, frame);
    QVERIFY(expected.size() > (3 << 20) / 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, "old");
    QVERIFY(ProjectFile::save(path, d.document));
    QCOMPARE(readFile(path).size(), expected.size());
    QVERIFY(readFile(path) == expected);

    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QString error;
    d.page(0)->setPageName(QStringLiteral("changed"));
    QVERIFY(!ProjectFile::save(path, d.document, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(readFile(path) == expected);
    QVERIFY(!ProjectFile::save(dir.filePath(QStringLiteral("no/p.yBEX")), d.document));
}

// A design whose file would be larger than the reader takes is not saved: the old file
// stays, nothing else is left behind and the user learns why.
void tst_ProjectFile::savesBeyondTheReadersBoundKeepTheFile()
{
    ProjectTestDesign d;
    fillDesign(d);
    for (int i = 0; i < 60; ++i)
        d.appendWidget(i % 3, i % 10);
    applyFrame(d, Frame());
    const QByteArray whole = d.save();
    constexpr qint64 Bound = 1 << 20;
    QVERIFY(whole.size() > Bound);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, "old design");
    QString error;
    QVERIFY(!ProjectFile::save(path, d.document, &error, Bound));
    QCOMPARE(error, ProjectFile::tr("%1：文件超过%2MB，项目文件最大%2MB").arg(path, "1"));
    QCOMPARE(readFile(path), QByteArray("old design"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {QStringLiteral("p.yBEX")});
    // The bound itself is allowed.
    QVERIFY2(ProjectFile::save(path, d.document, &error, whole.size()), qPrintable(error));
    QVERIFY(readFile(path) == whole);
}

void tst_ProjectFile::writesThatCannotFinishKeepTheFile_data()
{
    QTest::addColumn<ProjectWrite>("write");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<qint64>("limit");
    const auto saveDesign = [](int widgets) {
        return ProjectWrite([widgets](const QString &path, QString *error) {
            ProjectTestDesign d;
            fillDesign(d);
            for (int i = 0; i < widgets; ++i)
                d.appendWidget(i % 3, i % 10)->setText(QStringLiteral("w%1").arg(i));
            applyFrame(d, Frame());
            return ProjectFile::save(path, d.document, error);
        });
    };
    ProjectTestDesign small;
    fillDesign(small);
    Frame frame;
    frame.baud = QStringLiteral("9600");
    const QByteArray smallFile = save(small, frame);
    // The end of the file does not fit: it would be cut at a 4 KB boundary.
    QTest::newRow("a 5.6 KB save") << ProjectWrite([](const QString &path, QString *error) {
        ProjectTestDesign d;
        d.appendPage();
        applyFrame(d, Frame());
        return ProjectFile::save(path, d.document, error);
    }) << QByteArray("old design") << qint64(4096);
    QTest::newRow("a 1 MB save") << saveDesign(50) << QByteArray("old design") << qint64(1 << 20);
    QTest::newRow("a whole-file write") << ProjectWrite([](const QString &path, QString *error) {
        return ProjectFile::writeFile(path, QByteArray(5600, 'n'), error);
    }) << QByteArray("old design") << qint64(4096);
    QTest::newRow("an in-place rewrite") << ProjectWrite([](const QString &path, QString *error) {
        return ProjectFile::rewriteFrameElements(
            path, {{QStringLiteral("baud"), QStringLiteral("57600")}}, error);
    }) << smallFile << qint64(smallFile.size() / 2);
}

// A write that cannot finish fails, says why, and leaves the old file byte for byte and
// nothing else behind.
void tst_ProjectFile::writesThatCannotFinishKeepTheFile()
{
    QFETCH(ProjectWrite, write);
    QFETCH(QByteArray, old);
    QFETCH(qint64, limit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, old);
    QString error;
    bool written = true;
    {
        const FileSizeLimit limited(limit);
        QVERIFY(limited.isSet());
        written = write(path, &error);
    }
    QVERIFY(!written);
    QCOMPARE(error, path + QStringLiteral("：文件超过了系统允许的大小"));
    QVERIFY(readFile(path) == old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {QStringLiteral("p.yBEX")});
    // Without the limit the same write goes through.
    QVERIFY(write(path, &error));
    QVERIFY(readFile(path) != old);
}

void tst_ProjectFile::failedWriteCauseFollowsTheLanguage_data()
{
    QTest::addColumn<ProjectWrite>("write");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("cause");
    const ProjectWrite save = [](const QString &path, QString *error) {
        ProjectTestDesign d;
        d.appendPage();
        applyFrame(d, Frame());
        return ProjectFile::save(path, d.document, error);
    };
    const ProjectWrite wholeFile = [](const QString &path, QString *error) {
        return ProjectFile::writeFile(path, QByteArray(5600, 'n'), error);
    };
    const ProjectWrite settings = [](const QString &path, QString *error) {
        return SettingsFile::write(path, {{QStringLiteral("Group/key"), QString(5600, 'n')}}, false,
                                   error);
    };
    const QString chinese = QStringLiteral("：文件超过了系统允许的大小");
    const QString english = QStringLiteral(": the file is larger than the system allows");
    QTest::newRow("save, Chinese") << save << false << chinese;
    QTest::newRow("save, English") << save << true << english;
    QTest::newRow("whole-file write, Chinese") << wholeFile << false << chinese;
    QTest::newRow("whole-file write, English") << wholeFile << true << english;
    QTest::newRow("settings, Chinese") << settings << false << chinese;
    QTest::newRow("settings, English") << settings << true << english;
}

// The path and the cause of a failed write are joined by the language's colon.
void tst_ProjectFile::failedWriteCauseFollowsTheLanguage()
{
    QFETCH(ProjectWrite, write);
    QFETCH(bool, english);
    QFETCH(QString, cause);
    loadInterfaceLanguage(english);
    const auto chinese = qScopeGuard([] { loadInterfaceLanguage(false); });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    QString error;
    {
        const FileSizeLimit limited(4096);
        QVERIFY(limited.isSet());
        QVERIFY(!write(path, &error));
    }
    QCOMPARE(error, path + cause);
}

void tst_ProjectFile::hostileFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("cause");
    using namespace HostileFixtures;
    const QString deep = ProjectDocument::tr("第%1行的元素嵌套超过%2层，项目文件不会嵌套这么深。");
    const QString attributes =
        ProjectDocument::tr("第%1行的元素有%2个属性，项目文件的元素最多有%3个属性。");
    const QString widgets =
        ProjectDocument::tr("第%1页的控件超过%2个（第%3行），一页最多可放%2个控件。");
    QTest::newRow("80,000 levels in a value")
        << deepValue(80000) << deep.arg(4).arg(ProjectDocument::MaxDepth);
    QTest::newRow("10,000 levels under the root")
        << deepAnywhere(10000) << deep.arg(4).arg(ProjectDocument::MaxDepth);
    QTest::newRow("one level too deep")
        << deepAnywhere(ProjectDocument::MaxDepth) << deep.arg(4).arg(ProjectDocument::MaxDepth);
    QTest::newRow("40,000 attributes")
        << manyAttributes(40000)
        << attributes.arg(4).arg(40000).arg(ProjectDocument::MaxAttributes);
    QTest::newRow("one attribute too many") << manyAttributes(ProjectDocument::MaxAttributes + 1)
                                            << attributes.arg(4)
                                                   .arg(ProjectDocument::MaxAttributes + 1)
                                                   .arg(ProjectDocument::MaxAttributes);
    QTest::newRow("one level too deep, each tag on two lines")
        << project(QByteArrayLiteral("<n\n>").repeated(ProjectDocument::MaxDepth)
                   + QByteArrayLiteral("</n>").repeated(ProjectDocument::MaxDepth))
        << deep.arg(4 + ProjectDocument::MaxDepth - 1).arg(ProjectDocument::MaxDepth);
    QTest::newRow("one attribute too many after the root")
        << project(QByteArray()) + "<note"
            + QByteArray(" a=\"1\"").repeated(ProjectDocument::MaxAttributes + 1) + "/>\n"
        << attributes.arg(6)
               .arg(ProjectDocument::MaxAttributes + 1)
               .arg(ProjectDocument::MaxAttributes);
    // Lines ended by a carriage return alone, the last one just before the refused markup.
    QTest::newRow("one attribute too many on a line after a carriage return")
        << project("<page>\r<note"
                   + QByteArray(" a=\"1\"").repeated(ProjectDocument::MaxAttributes + 1)
                   + "/></page>")
        << attributes.arg(5)
               .arg(ProjectDocument::MaxAttributes + 1)
               .arg(ProjectDocument::MaxAttributes);
    QTest::newRow("30,000 widgets on a page")
        << manyWidgets(30000) << widgets.arg(0).arg(MaxWidgetsPerPage).arg(MaxWidgetsPerPage + 4);
    QTest::newRow("540 KB of empty widget elements")
        << emptyWidgets(540 * 1024) << widgets.arg(0).arg(MaxWidgetsPerPage).arg(4);
    // Two page elements that fill the same page count together.
    const QByteArray half =
        QByteArrayLiteral("<ClassName ClassName=\"2\"/>").repeated(MaxWidgetsPerPage / 2 + 1);
    const QString text =
        ProjectDocument::tr("第%1行的%2超过%3个字符，项目文件的这项文本最多有%3个字符。");
    QTest::newRow("a page name longer than a name field takes")
        << longPageName(MaxLineLength + 1) << text.arg(4).arg("pageName").arg(MaxLineLength);
    QTest::newRow("an event parameter longer than a field takes")
        << longEventParameter(MaxLineLength + 1)
        << text.arg(4).arg("EventParam0").arg(MaxLineLength);
    QTest::newRow("a text longer than any the window makes")
        << longWidgetText(MaxTextLength + 1) << text.arg(4).arg("text").arg(MaxTextLength);
    QTest::newRow("a long name made of pieces") << project(
        "<page pageid=\"1\"><pageName>"
        + QByteArray("<b>" + QByteArray(1000, 'x') + "</b>").repeated(40) + "</pageName></page>")
                                                << text.arg(4).arg("pageName").arg(MaxLineLength);
    QTest::newRow("one page filled from two page elements")
        << project("<page pageid=\"1\">" + half + "</page><page pageid=\"2\"/>\n<page pageid=\"1\">"
                   + half + "</page>")
        << widgets.arg(0).arg(MaxWidgetsPerPage).arg(5);
    // Markup that is not plain bytes gets the same checks, before the reader's own.
    QTest::newRow("40,000 attributes in UTF-16")
        << inEncoding(manyAttributes(40000), "UTF-16LE")
        << attributes.arg(4).arg(40000).arg(ProjectDocument::MaxAttributes);
    QTest::newRow("one attribute too many after the root, UTF-32 without a mark")
        << inEncoding(project(QByteArray()) + "<note"
                          + QByteArray(" a=\"1\"").repeated(ProjectDocument::MaxAttributes + 1)
                          + "/>\n",
                      "UTF-32BE", false)
        << attributes.arg(6)
               .arg(ProjectDocument::MaxAttributes + 1)
               .arg(ProjectDocument::MaxAttributes);
    QTest::newRow("10,000 levels in UTF-16BE") << inEncoding(deepAnywhere(10000), "UTF-16BE")
                                               << deep.arg(4).arg(ProjectDocument::MaxDepth);
    // What the reader is handed is never taken for UTF-16 again: the checks saw it as UTF-8.
    const QString zeroAfterLt =
        QStringLiteral("第1行第2列：Expected '?', '!', or '[a-zA-Z]', but got 'U+0000'.");
    QTest::newRow("40,000 attributes in UTF-32LE behind a UTF-16 mark")
        << utf32BehindUtf16Mark(manyAttributes(40000), false) << zeroAfterLt;
    QTest::newRow("a document type in UTF-32BE behind a UTF-16 mark")
        << utf32BehindUtf16Mark(attributeDefaults(20), true)
        << QStringLiteral("第1行第1列：Start tag expected.");

    // A project file holds no document type: its attribute defaults and entities would pass
    // every check on the bytes.
    const QString doctype =
        ProjectDocument::tr("第%1行有文档类型声明（<!DOCTYPE>），项目文件不含文档类型声明。");
    QTest::newRow("100,000 attribute defaults in a document type")
        << attributeDefaults(100000) << doctype.arg(2);
    QTest::newRow("attribute defaults in UTF-16")
        << inEncoding(attributeDefaults(20), "UTF-16BE", false) << doctype.arg(2);
    QTest::newRow("an external entity")
        << declaration() + "<!DOCTYPE ui [<!ENTITY e SYSTEM \"/etc/hostname\">]>\n<ui>&e;</ui>"
        << doctype.arg(2);
    QTest::newRow("a document type after the root")
        << project(QByteArray()) + "\n<!DOCTYPE ui>" << doctype.arg(7);
    QTest::newRow("a document type without a declaration")
        << QByteArray("<!DOCTYPE ui><ui/>") << doctype.arg(1);
    QTest::newRow("a document type on a line after a carriage return")
        << QByteArray("<!--\r\r-->\r<!DOCTYPE ui><ui/>") << doctype.arg(4);

    // Only the Unicode encodings are read: the checks look at the bytes as UTF-8.
    const QString encoding = ProjectDocument::tr(
        "第%1行声明的编码“%2”无法读取，项目文件的编码只能是UTF-8、UTF-16或UTF-32。");
    QTest::newRow("100,000 attributes in EBCDIC")
        << inDeclaredEncoding(manyAttributes(100000), "IBM500") << encoding.arg(1).arg("IBM500");
    QTest::newRow("Latin-1, named in lower case with spaces")
        << QByteArray("<?xml version=\"1.0\" encoding = 'iso-8859-1' ?>\n<ui/>")
        << encoding.arg(1).arg("iso-8859-1");
    QTest::newRow("an encoding no codec knows")
        << QByteArray("<?xml version=\"1.0\" encoding=\"x-none\"?><ui/>")
        << encoding.arg(1).arg("x-none");
    QTest::newRow("a second encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" encoding=\"IBM500\"?><ui/>")
        << encoding.arg(1).arg("IBM500");
    QTest::newRow("standalone before the encoding")
        << QByteArray("<?xml version=\"1.0\" standalone=\"yes\" encoding=\"IBM500\"?><ui/>")
        << encoding.arg(1).arg("IBM500");
    QTest::newRow("a declaration after the start")
        << project("<?xml version=\"1.0\" encoding=\"IBM500\"?>") << encoding.arg(4).arg("IBM500");
    QTest::newRow("a declaration in capitals after the start")
        << project("<?XML encoding=\"IBM500\"?>") << encoding.arg(4).arg("IBM500");
    QByteArray latin1 = project(QByteArray());
    latin1.replace("UTF-8", "ISO-8859-1");
    QTest::newRow("UTF-16 declaring Latin-1")
        << inEncoding(latin1, "UTF-16LE") << encoding.arg(1).arg("ISO-8859-1");

    // Characters no XML name holds, which the reader lets pass in attribute names: the
    // attribute would not be the one its name shows.
    const QString name =
        ProjectDocument::tr("第%1行的元素有一个属性名含有字符%2，项目文件中的名称不含这个字符。");
    QTest::newRow("U+0000 in an attribute name")
        << project(QByteArray("<page pageid=\"1\"><pageFlag p") + '\0' + "ageFlag=\"1\"/></page>")
        << name.arg(4).arg("U+0000");
    QTest::newRow("U+0001 in an attribute name")
        << project("<page pageid=\"1\">\n<pageFlag p\1ageFlag=\"1\"/></page>")
        << name.arg(5).arg("U+0001");
    QTest::newRow("U+007F at the end of an attribute name")
        << project("<page pageid=\"1\" x\x7f=\"1\"/>") << name.arg(4).arg("U+007F");
    QTest::newRow("U+0085 in an attribute name")
        << project("<page pageid\xc2\x85=\"1\"/>") << name.arg(4).arg("U+0085");
    QTest::newRow("U+0001 in an attribute name, UTF-16")
        << inEncoding(project("<page pageid=\"1\"><pageFlag p\1ageFlag=\"1\"/></page>"), "UTF-16LE")
        << name.arg(4).arg("U+0001");

    // What cannot be decoded is named where it stands.
    const QString encoded = ProjectDocument::tr("第%1行第%2列：这里的内容不是有效的%3编码。");
    QTest::newRow("a byte UTF-8 never has on line 122")
        << pageNameOnLine(122, "\xff") << encoded.arg(122).arg(pageNameColumn).arg("UTF-8");
    QTest::newRow("an encoded surrogate")
        << pageNameOnLine(122, "\xed\xa0\x80") << encoded.arg(122).arg(pageNameColumn).arg("UTF-8");
    QTest::newRow("an overlong form")
        << pageNameOnLine(10, "\xc0\xbc") << encoded.arg(10).arg(pageNameColumn).arg("UTF-8");
    QTest::newRow("a character cut off by the end of the file")
        << QByteArray("<ui/>\n\xe4\xb8") << encoded.arg(2).arg(1).arg("UTF-8");
    QTest::newRow("a bad byte at the start of a line after a carriage return")
        << project("<page>\r\xff</page>") << encoded.arg(5).arg(1).arg("UTF-8");
    QTest::newRow("a bad byte beyond the first reading piece")
        << pageNameOnLine(122, QByteArray(300000, 'x') + "\x80")
        << encoded.arg(122).arg(pageNameColumn + 300000).arg("UTF-8");
    QTest::newRow("a lone surrogate on line 122, UTF-16LE")
        << inEncodingWithUnit(pageNameOnLine(122, "\xee\x80\x80"), "UTF-16LE", 0xDC00)
        << encoded.arg(122).arg(pageNameColumn).arg("UTF-16");
    QTest::newRow("a lone high surrogate on line 122, UTF-16BE")
        << inEncodingWithUnit(pageNameOnLine(122, "\xee\x80\x80z"), "UTF-16BE", 0xD800)
        << encoded.arg(122).arg(pageNameColumn).arg("UTF-16");
    QTest::newRow("a number beyond Unicode on line 122, UTF-32LE")
        << inEncodingWithUnit(pageNameOnLine(122, "\xee\x80\x80"), "UTF-32LE", 0x110000)
        << encoded.arg(122).arg(pageNameColumn).arg("UTF-32");

    // A piece the reader would hold whole, longer than any a design writes, is refused
    // before the reader holds it, by the line it begins on.
    constexpr int Max = ProjectDocument::MaxPieceLength;
    const QString piece =
        ProjectDocument::tr("第%1行的%2超过%3个字符，项目文件中的一段标记或文本最多有%3个字符。");
    const auto tooLong = [&piece](int line, const char *name) {
        return piece.arg(QString::number(line), ProjectDocument::tr(name), QString::number(Max));
    };
    QTest::newRow("a comment one character too long")
        << project("<!--" + QByteArray(Max - 6, 'x') + "-->") << tooLong(4, "注释");
    QTest::newRow("a processing instruction one character too long")
        << project("<?p " + QByteArray(Max - 5, 'x') + "?>") << tooLong(4, "处理指令");
    QTest::newRow("a CDATA section one character too long")
        << project("<![CDATA[" + QByteArray(Max - 11, 'x') + "]]>") << tooLong(4, "CDATA段");
    QTest::newRow("a tag one character too long")
        << project("<a b=\"" + QByteArray(Max - 8, 'x') + "\"/>") << tooLong(4, "标签");
    QTest::newRow("a declaration one character too long")
        << project("<!ELEMENT " + QByteArray(Max - 10, 'x') + ">") << tooLong(4, "标记");
    QTest::newRow("text between two tags one character too long")
        << project("<a/>\n" + QByteArray(Max, ' ') + "<b/>") << tooLong(4, "文本");
    QTest::newRow("a comment on a line after a carriage return")
        << project("<a/>\r<!--" + QByteArray(Max, 'x') + "-->") << tooLong(5, "注释");
    QTest::newRow("a declaration without its end") << QByteArray("<?xml version=\"1.0\" ")
            + QByteArray(Max, ' ') + "<ui/>" << tooLong(1, "处理指令");
    // Characters are counted, not bytes.
    QTest::newRow("a comment of Chinese one character too long, UTF-16") << inEncoding(
        project("<!--" + QByteArray("\xe4\xb8\xad").repeated(Max - 6) + "-->"), "UTF-16LE")
                                                                         << tooLong(4, "注释");
    // The "--" of "<!-->" opens the comment and does not end it: markup inside is no piece
    // of its own.
    const QByteArray halfComment(Max / 2 - 5, 'a');
    QTest::newRow("a comment opened by <!--> one character too long")
        << project("<!-->" + halfComment + "<y>" + halfComment + "-->") << tooLong(4, "注释");
    QTest::newRow("a comment opened by <!---> one character too long")
        << project("<!--->" + QByteArray(Max - 8, 'a') + "-->") << tooLong(4, "注释");
    QTest::newRow("a comment opened by <!--> one character too long, UTF-16")
        << inEncoding(project("<!-->" + halfComment + "<y>" + halfComment + "-->"), "UTF-16LE")
        << tooLong(4, "注释");

    // The reader's own limit on a name, in the words of the interface.
    const QString longName =
        ProjectDocument::tr("第%1行的名称超过%2个字符，项目文件中的名称最多有%2个字符。");
    const QByteArray tooLongName(ProjectDocument::MaxNameLength + 1, 'n');
    const auto nameOnLine = [&longName](int line) {
        return longName.arg(line).arg(ProjectDocument::MaxNameLength);
    };
    QTest::newRow("an element name too long") << project("<" + tooLongName + "/>") << nameOnLine(4);
    QTest::newRow("an end tag's name too long")
        << project("<a>\n</" + tooLongName + ">") << nameOnLine(5);
    QTest::newRow("a processing instruction's target too long")
        << project("\n\n<?" + tooLongName + " x?>") << nameOnLine(6);
    QTest::newRow("an attribute name too long")
        << project("<a " + tooLongName + "=\"1\"/>") << nameOnLine(4);
    QTest::newRow("a prefix and a name too long together")
        << project("<n:" + tooLongName.mid(2) + "/>") << nameOnLine(4);
    QTest::newRow("an element name too long, UTF-32")
        << inEncoding(project("<" + tooLongName + "/>"), "UTF-32LE") << nameOnLine(4);
}

// Refused before any work that grows with the damage, with a message that says why; the
// target is not touched.
void tst_ProjectFile::hostileFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    ProjectTestDesign d;
    d.document.timer(0)->setTimerTime(3);
    // A page number no load would leave.
    d.document.setCurrentPage(-2);
    ProjectFile file;
    QVERIFY(!file.setContent(content));
    QCOMPARE(file.errorString(), cause);
    file.load(d.document, &d.canvas);
    QCOMPARE(d.document.timer(0)->timerTime(), 3);
    QCOMPARE(d.document.currentPage(), -2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, content);
    QString error;
    QVERIFY(!ProjectFile::rewriteFrameElements(
        path, {{QStringLiteral("frameW"), QStringLiteral("9")}}, &error));
    QCOMPARE(error, path + QStringLiteral("：") + cause);
    QCOMPARE(readFile(path), content);
    // The pre-read of the module series reads the same way.
    QVERIFY(!file.read(path));
    QCOMPARE(file.errorString(), path + QStringLiteral("：") + cause);
}

void tst_ProjectFile::aLongFirstPieceIsReadWhateverComesBeforeIt_data()
{
    QTest::addColumn<QByteArray>("content");
    // Empty when the file is read.
    QTest::addColumn<QString>("cause");
    using HostileFixtures::inEncoding;
    // The design without its declaration, behind a comment longer than the first read.
    const QByteArray golden = readFile(dataPath(QStringLiteral("golden_small.yBEX")));
    const QByteArray design = golden.mid(golden.indexOf("?>") + 2);
    const QByteArray comment = "<!--" + QByteArray(300000, 'c') + "-->";
    const QByteArray body = comment + design;
    QTest::newRow("nothing before it") << body << QString();
    QTest::newRow("a UTF-8 mark") << "\xef\xbb\xbf" + body << QString();
    QTest::newRow("a space") << " " + body << QString();
    QTest::newRow("two line breaks") << "\n\n" + body << QString();
    QTest::newRow("three white space characters") << "\r\n\t" + body << QString();
    QTest::newRow("a UTF-8 mark and a line break") << "\xef\xbb\xbf\n" + body << QString();
    QTest::newRow("UTF-16LE with its mark") << inEncoding(body, "UTF-16LE") << QString();
    QTest::newRow("UTF-16LE without a mark") << inEncoding(body, "UTF-16LE", false) << QString();
    QTest::newRow("UTF-16BE with its mark and a space")
        << inEncoding(" " + body, "UTF-16BE") << QString();
    QTest::newRow("UTF-32BE without a mark") << inEncoding(body, "UTF-32BE", false) << QString();
    // A file cut short keeps the reader's message.
    const QString premature = QStringLiteral("第%1行第%2列：Premature end of document.");
    QTest::newRow("a UTF-8 mark alone") << QByteArray("\xef\xbb\xbf") << premature.arg(1).arg(1);
    QTest::newRow("two spaces alone") << QByteArray("  ") << premature.arg(1).arg(1);
    QTest::newRow("a mark and a comment cut short")
        << "\xef\xbb\xbf" + comment.left(200000) << premature.arg(1).arg(200000);
    QTest::newRow("UTF-16LE cut in its comment")
        << inEncoding(" " + comment.left(200000), "UTF-16LE") << premature.arg(1).arg(200001);
}

// However short the bytes before a long first piece, the reader learns the encoding once the
// piece has come whole, in one read of the file or in many.
void tst_ProjectFile::aLongFirstPieceIsReadWhateverComesBeforeIt()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    ProjectFile file;
    QCOMPARE(file.setContent(content), cause.isEmpty());
    QCOMPARE(file.errorString(), cause);
    if (cause.isEmpty()) {
        ProjectTestDesign expected;
        QVERIFY(expected.load(readFile(dataPath(QStringLiteral("golden_small.yBEX")))));
        ProjectTestDesign d;
        file.load(d.document, &d.canvas);
        QCOMPARE(d.save(), expected.save());
    }
    // The bytes before the piece come in reads of a few; a piece held back whole waits
    // for its end however it comes.
    for (const qint64 most : {1, 2, 3, 5}) {
        TrickleBuffer trickle(content, most, 4096);
        ProjectDocument document;
        ProjectDocument::Handler nothing;
        QCOMPARE(document.read(&trickle, nothing, std::numeric_limits<qint64>::max()),
                 cause.isEmpty());
        QCOMPARE(document.errorString(), cause);
    }
}

void tst_ProjectFile::everyEncodingGetsOneVerdict_data()
{
    QTest::addColumn<QByteArray>("utf8");
    // Empty when the file is read.
    QTest::addColumn<QString>("cause");
    constexpr int Max = ProjectDocument::MaxPieceLength;
    const QString piece =
        ProjectDocument::tr("第%1行的%2超过%3个字符，项目文件中的一段标记或文本最多有%3个字符。");
    const auto tooLong = [&piece](int line, const char *name) {
        return piece.arg(QString::number(line), ProjectDocument::tr(name), QString::number(Max));
    };
    const QByteArray design =
        "\n<ui><frame><frameW>480</frameW><frameH>272</frameH></frame></ui>\n";
    // Named as a wide file names its encoding: a file in UTF-8 may say so too.
    const auto declaration = [](int length) {
        const QByteArray start = "<?xml version=\"1.0\" encoding=\"UTF-16\"";
        return start + QByteArray(length - start.size() - 2, ' ') + "?>";
    };
    const QByteArray mark = "\xef\xbb\xbf";
    QTest::newRow("a declaration as long as a piece") << declaration(Max) + design << QString();
    QTest::newRow("a declaration one character too long")
        << declaration(Max + 1) + design << tooLong(1, "处理指令");
    QTest::newRow("a mark and a declaration one character too long")
        << mark + declaration(Max + 1) + design << tooLong(1, "处理指令");
    QTest::newRow("a mark") << mark + "<ui/>" << QString();
    // A second U+FEFF is a character before the root.
    QTest::newRow("two marks") << mark + mark + "<ui/>"
                               << QStringLiteral("第1行第1列：Start tag expected.");
    QTest::newRow("two marks before a declaration") << mark + mark
            + "<?xml version=\"1.0\"?><ui/>" << QStringLiteral("第1行第1列：Start tag expected.");
    QTest::newRow("a comment opened by <!--> as long as a piece")
        << "<!-->" + QByteArray(Max - 11, 'a') + "<y>-->" + design << QString();
    QTest::newRow("a comment opened by <!--> one character too long")
        << "<!-->" + QByteArray(Max - 10, 'a') + "<y>-->" + design << tooLong(1, "注释");
}

// A file and its twin in another Unicode encoding, with or without its own mark, are read
// or refused alike.
void tst_ProjectFile::everyEncodingGetsOneVerdict()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QString, cause);
    using HostileFixtures::inEncoding;
    // What stands at the start already is the file's mark.
    const bool marked = utf8.startsWith("\xef\xbb\xbf");
    const QVector<QPair<const char *, QByteArray>> twins = {
        {"UTF-8", utf8},
        {"UTF-16LE", inEncoding(utf8, "UTF-16LE", false)},
        {"UTF-16BE", inEncoding(utf8, "UTF-16BE", false)},
        {"UTF-32LE", inEncoding(utf8, "UTF-32LE", false)},
        {"UTF-32BE", inEncoding(utf8, "UTF-32BE", false)},
        {"UTF-16LE behind its own mark", marked ? QByteArray() : inEncoding(utf8, "UTF-16LE")},
        {"UTF-8 behind its own mark", marked ? QByteArray() : "\xef\xbb\xbf" + utf8},
    };
    for (const auto &twin : twins) {
        if (twin.second.isEmpty())
            continue;
        ProjectFile file;
        QVERIFY2(file.setContent(twin.second) == cause.isEmpty(), twin.first);
        QVERIFY2(file.errorString() == cause,
                 qPrintable(twin.first + QStringLiteral(": ") + file.errorString()));
    }
}

void tst_ProjectFile::wideFilesReadAsTheirUtf8_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<bool>("mark");
    QTest::newRow("UTF-16LE with a mark") << QByteArray("UTF-16LE") << true;
    QTest::newRow("UTF-16BE with a mark") << QByteArray("UTF-16BE") << true;
    QTest::newRow("UTF-16LE without") << QByteArray("UTF-16LE") << false;
    QTest::newRow("UTF-16BE without") << QByteArray("UTF-16BE") << false;
    QTest::newRow("UTF-32LE with a mark") << QByteArray("UTF-32LE") << true;
    QTest::newRow("UTF-32BE without") << QByteArray("UTF-32BE") << false;
}

// A project saved again by an editor in UTF-16 (or UTF-32) opens as it did in UTF-8, and
// a wrongly encoded one is refused as the reader refuses any.
void tst_ProjectFile::wideFilesReadAsTheirUtf8()
{
    QFETCH(QByteArray, codec);
    QFETCH(bool, mark);
    using HostileFixtures::inEncoding;
    // Characters beyond the first plane and beyond ASCII, across the reading pieces.
    QByteArray utf8 = readFile(dataPath(QStringLiteral("golden_small.yBEX")));
    utf8.replace("Hello &lt;yBEX>",
                 QString::fromUcs4(U"页面 \U0001F600 ").repeated(70000).toUtf8());
    ProjectTestDesign expected;
    QVERIFY(expected.load(utf8));
    ProjectTestDesign d;
    const QByteArray wide = inEncoding(utf8, codec, mark);
    QVERIFY(wide.size() > (1 << 19));
    ProjectFile read;
    QVERIFY2(read.setContent(wide), qPrintable(read.errorString()));
    read.load(d.document, &d.canvas);
    QCOMPARE(d.save(), expected.save());

    // A lone surrogate cannot be in a UTF-16 file: a high one before an "A".
    if (codec.startsWith("UTF-16")) {
        QByteArray broken = wide;
        const int at = broken.size() / 2 & ~1;
        const bool little = codec.endsWith("LE");
        broken.replace(
            at, 4, little ? QByteArray("\x00\xD8\x41\x00", 4) : QByteArray("\xD8\x00\x00\x41", 4));
        ProjectFile file;
        QVERIFY(!file.setContent(broken));
        QVERIFY2(file.errorString().endsWith(QStringLiteral("UTF-16编码。")),
                 qPrintable(file.errorString()));
    }
}

void tst_ProjectFile::unicodeEncodingsAreRead_data()
{
    QTest::addColumn<QByteArray>("content");
    using HostileFixtures::inEncoding;
    const QByteArray utf8 = HostileFixtures::project(
        "<page pageid=\"1\"><pageName>\xe9\xa1\xb5\xe9\x9d\xa2 \xf0\x9f\x98\x80</pageName></page>");
    const auto declaring = [&utf8](const QByteArray &encoding) {
        return QByteArray(utf8).replace("encoding=\"UTF-8\"", encoding);
    };
    QTest::newRow("UTF-8") << utf8;
    QTest::newRow("utf-8") << declaring("encoding=\"utf-8\"");
    QTest::newRow("UTF8 between spaces") << declaring("encoding = 'UTF8' ");
    // The bytes are UTF-8 whatever the declaration says: an editor converted the file and
    // left it.
    QTest::newRow("UTF-16 declared") << declaring("encoding=\"UTF-16\"");
    QTest::newRow("utf-32be declared") << declaring("encoding=\"utf-32be\"");
    QTest::newRow("UTF-16 declared after a byte-order mark")
        << "\xef\xbb\xbf" + declaring("encoding=\"UTF-16\"");
    QTest::newRow("UTF-16LE declaring UTF-8")
        << inEncoding(declaring("encoding=\"UTF-8\" "), "UTF-16LE");
    QTest::newRow("UTF-32BE declaring utf-16")
        << inEncoding(declaring("encoding=\"utf-16\""), "UTF-32BE", false);
    QTest::newRow("UTF-16BE declaring UTF-16BE") << inEncoding(utf8, "UTF-16BE");
}

// A file in a Unicode encoding is read as the characters it holds, whichever of them its
// declaration names.
void tst_ProjectFile::unicodeEncodingsAreRead()
{
    QFETCH(QByteArray, content);
    ProjectTestDesign d;
    QVERIFY(loadInto(d, content));
    QCOMPARE(d.document.pageCount(), 1);
    QCOMPARE(d.page(0)->pageName(), QString::fromUtf8("\xe9\xa1\xb5\xe9\x9d\xa2 \xf0\x9f\x98\x80"));
}

void tst_ProjectFile::markupIsCheckedWhereverTheReadingPiecesEnd_data()
{
    QTest::addColumn<QByteArray>("markup");
    // Empty when the file is read.
    QTest::addColumn<QString>("cause");
    const QString attributes =
        ProjectDocument::tr("第%1行的元素有%2个属性，项目文件的元素最多有%3个属性。");
    constexpr int Max = ProjectDocument::MaxAttributes;
    const auto tag = [](int count, const char *separator) {
        QByteArray t = "<note";
        for (int i = 0; i < count; ++i)
            t += separator + QByteArray("a") + QByteArray::number(i) + "=\"1\"";
        return t + "/>";
    };
    const QByteArray equals = QByteArray(" a=1").repeated(3 * Max);
    QTest::newRow("one attribute too many, one a line")
        << tag(Max + 1, "\n") << attributes.arg(5).arg(Max + 1).arg(Max);
    QTest::newRow("one attribute too many on one line")
        << tag(Max + 1, " ") << attributes.arg(5).arg(Max + 1).arg(Max);
    QTest::newRow("as many attributes as allowed") << tag(Max, "\n") << QString();
    QTest::newRow("equals signs in a comment") << "<!--" + equals + "-->" << QString();
    QTest::newRow("a tag in a comment, then one too many") << "<!--" + tag(2 * Max, " ") + "-->\n"
            + tag(Max + 1, " ") << attributes.arg(6).arg(Max + 1).arg(Max);
    QTest::newRow("equals signs in a CDATA section")
        << "<note><![CDATA[" + equals + "<x" + equals + ">]]></note>" << QString();
    QTest::newRow("equals signs in a processing instruction")
        << "<?note" + equals + "?>" << QString();
    QTest::newRow("equals signs in one attribute value")
        << "<note a=\"" + equals + "\"/>" << QString();
    QTest::newRow("a document type")
        << QByteArray("<!DOCTYPE note>")
        << ProjectDocument::tr("第%1行有文档类型声明（<!DOCTYPE>），项目文件不含文档类型声明。")
               .arg(5);
    QTest::newRow("an encoding in an xml instruction")
        << QByteArray("<?xml encoding='IBM500'?>")
        << ProjectDocument::tr(
               "第%1行声明的编码“%2”无法读取，项目文件的编码只能是UTF-8、UTF-16或UTF-32。")
               .arg(5)
               .arg("IBM500");
    QTest::newRow("characters of two, three and four bytes")
        << QByteArray("<note>\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80\xc3\xa9\xe4\xb8\xad</note>")
        << QString();
    QTest::newRow("a character cut short")
        << QByteArray("<note>\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98</note>")
        << ProjectDocument::tr("第%1行第%2列：这里的内容不是有效的%3编码。")
               .arg(5)
               .arg(9)
               .arg("UTF-8");
}

// The file is checked as it is read, piece by piece: markup cut by the end of a piece is
// judged whole, and a refused element is named by the line it begins on.
void tst_ProjectFile::markupIsCheckedWhereverTheReadingPiecesEnd()
{
    QFETCH(QByteArray, markup);
    QFETCH(QString, cause);
    // Around the end of the first piece read, wherever it falls in the markup.
    constexpr int Piece = 1 << 18;
    // What comes before the padding, and after the body.
    const int before = HostileFixtures::project("<pad>").size() - int(strlen("\n</ui>\n"));
    for (int cut = -8; cut < markup.size() + 8; cut += markup.size() < 40 ? 1 : 5) {
        const int padding = Piece - cut - before - int(strlen("</pad>\n"));
        const QByteArray content =
            HostileFixtures::project("<pad>" + QByteArray(padding, 'x') + "</pad>\n" + markup);
        ProjectFile file;
        const bool read = file.setContent(content);
        QVERIFY2(read == cause.isEmpty(), qPrintable(QString::number(cut)));
        QCOMPARE(file.errorString(), cause);
    }
}

namespace {

// What the check hands the reader of these bytes, read so many at a time, and why it
// stopped: "", "attributes", "document type" or the kind of piece too long.
QPair<QByteArray, QString> checked(const QByteArray &bytes, qint64 most, int maxPiece)
{
    TrickleBuffer source(bytes, most);
    MarkupBoundDevice device(&source, 2, maxPiece, std::numeric_limits<qint64>::max());
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QByteArray handed;
    for (QByteArray piece = device.read(7); !piece.isEmpty(); piece = device.read(7))
        handed += piece;
    QString why;
    if (device.refusedAttributes())
        why = QStringLiteral("attributes");
    else if (device.refusedDocumentType())
        why = QStringLiteral("document type");
    else if (device.refusedPiece() != MarkupBoundDevice::Piece::None)
        why = QStringLiteral("piece %1").arg(int(device.refusedPiece()));
    return {handed, why};
}

} // namespace

void tst_ProjectFile::piecesAreBoundedWhateverSizeTheReadsCome_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("handed");
    QTest::addColumn<int>("piece");
    // Pieces of at most 20 characters, start tags of at most 2 attributes.
    const auto x = [](int n) { return QByteArray(n, 'x'); };
    using P = MarkupBoundDevice::Piece;
    const auto row = [](const char *name, const QByteArray &bytes, int handedUpTo, P piece) {
        QTest::newRow(name) << bytes << bytes.left(handedUpTo < 0 ? bytes.size() : handedUpTo)
                            << int(piece);
    };
    row("text as long as a piece", "<r>" + x(20) + "</r>", -1, P::None);
    row("text too long", "<r>" + x(21) + "</r>", 3, P::Text);
    row("text too long before the root", " " + x(20) + "<r/>", 0, P::Text);
    row("a byte-order mark, then text as long as a piece", "\xef\xbb\xbf" + x(20) + "<r/>", -1,
        P::None);
    row("text too long after the root", "<r/>" + x(21), 4, P::Text);
    row("characters, not bytes", "<r>" + QByteArray("\xe4\xb8\xad").repeated(20) + "</r>", -1,
        P::None);
    row("characters too many", "<r>" + QByteArray("\xf0\x9f\x98\x80").repeated(21) + "</r>", 3,
        P::Text);
    row("a comment as long as a piece", "<r><!--" + x(13) + "--></r>", -1, P::None);
    row("a comment too long", "<r><!--" + x(14) + "--></r>", 3, P::Comment);
    row("a comment too long without its end", "<r><!--" + x(30), 3, P::Comment);
    row("markup in a comment", "<r><!--<a><!--<?--></r>", -1, P::None);
    row("a processing instruction too long", "<r><?p " + x(15) + "?></r>", 3,
        P::ProcessingInstruction);
    row("a CDATA section too long", "<r><![CDATA[" + x(9) + "]]></r>", 3, P::CDataSection);
    row("a declaration too long", "<r><!ELEMENT " + x(10) + "></r>", 3, P::Markup);
    row("a tag too long", "<r><a b=\"" + x(12) + "\"/></r>", 3, P::Tag);
    row("an end tag too long", "<r></" + x(19) + "></r>", 3, P::Tag);
    row("a tag and its text, each short enough",
        "<r><a b=\"" + x(10) + ">>\">" + x(20) + "</a></r>", -1, P::None);
    row("a tag, then text too long", "<r><a b=\"1\">" + x(21) + "</a></r>", 12, P::Text);
    row("too many attributes", "<r><a b=\"\" c=\"\" d=\"\"/></r>", 3, P::None);
    row("equals signs in text", "<r><a>=====</a></r>", -1, P::None);
    row("a document type", "<!DOCTYPE r><r/>", 0, P::None);
    row("a comment too long after a broken tag", "<r><a b=c><!--" + x(20) + "--></r>", 10,
        P::Comment);
    row("many small pieces", "<r>" + QByteArray("<!--c-->t<?p?><a/>").repeated(20) + "</r>", -1,
        P::None);
}

// However few bytes each read of the file brings, the check hands on the same bytes and
// refuses the same piece: one cut by the end of a read is judged whole.
void tst_ProjectFile::piecesAreBoundedWhateverSizeTheReadsCome()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, handed);
    QFETCH(int, piece);
    const auto whole = checked(bytes, bytes.size() + 1, 20);
    QCOMPARE(whole.first, handed);
    if (piece != int(MarkupBoundDevice::Piece::None))
        QCOMPARE(whole.second, QStringLiteral("piece %1").arg(piece));
    for (const qint64 most : {1, 2, 3, 5, 7, 11, 64})
        QCOMPARE(checked(bytes, most, 20), whole);
}

void tst_ProjectFile::hugeStreamsAreRefusedEarly_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("cause");
    using HostileFixtures::inEncoding;
    const auto tooLong = [](int line, const char *name) {
        return ProjectDocument::tr(
                   "第%1行的%2超过%3个字符，项目文件中的一段标记或文本最多有%3个字符。")
            .arg(QString::number(line), ProjectDocument::tr(name),
                 QString::number(ProjectDocument::MaxPieceLength));
    };
    const auto utf16 = [](const QByteArray &utf8) { return inEncoding(utf8, "UTF-16LE", false); };
    const QByteArray head = HostileFixtures::declaration() + "<ui>";
    // Once a reader that ended the program: its comment outgrew the reader's buffer.
    QTest::newRow("760 MB of one comment in UTF-16")
        << inEncoding(head + "<!--", "UTF-16LE") << utf16("\xe4\xb8\xad") << qint64(760000000)
        << tooLong(2, "注释");
    QTest::newRow("1 GB of one comment opened by <!--> with tags in it")
        << head + "<!-->" << QByteArray("aaaaaaaa<y>") << ProjectFile::MaxFileSize
        << tooLong(2, "注释");
    QTest::newRow("1 GB of one comment opened by <!---> in UTF-16")
        << inEncoding(head + "<!--->", "UTF-16LE") << utf16("<y>a") << ProjectFile::MaxFileSize
        << tooLong(2, "注释");
    QTest::newRow("1 GB of one text")
        << head + "\n"
        << QByteArray("a") << ProjectFile::MaxFileSize << tooLong(2, "文本");
    QTest::newRow("1 GB of entity references")
        << head + "<a>" << QByteArray("&amp;") << ProjectFile::MaxFileSize << tooLong(2, "文本");
    QTest::newRow("1 GB of one tag")
        << head + "\n<a b=\"" << QByteArray("x") << ProjectFile::MaxFileSize << tooLong(3, "标签");
    QTest::newRow("a CDATA section of line breaks")
        << head + "<![CDATA[" << QByteArray("\n") << ProjectFile::MaxFileSize
        << tooLong(2, "CDATA段");
    QTest::newRow("a declaration without its end")
        << QByteArray("<?xml version=\"1.0\"") << QByteArray(" ") << ProjectFile::MaxFileSize
        << tooLong(1, "处理指令");
    // Pages, widgets and events take far more memory than their elements' bytes: a file may
    // not describe more than a design holds.
    const auto beyond = [](const char *message, int bound) {
        return ProjectDocument::tr(message).arg(bound).arg(2);
    };
    QTest::newRow("one page too many")
        << head << QByteArray("<page/>") << qint64(head.size() + 7 * (MaxPages + 1))
        << beyond("项目文件的页面超过%1个（第%2行），一个项目最多可有%1个页面。", MaxPages);
    const QByteArray fullPage = "<page>"
        + QByteArrayLiteral("<ClassName ClassName=\"0\"/>").repeated(MaxWidgetsPerPage) + "</page>";
    QTest::newRow("one widget too many")
        << head << fullPage
        << qint64(head.size() + fullPage.size() * (MaxWidgets / MaxWidgetsPerPage + 1))
        << beyond("项目文件的控件超过%1个（第%2行），一个项目最多可有%1个控件。", MaxWidgets);
    const QByteArray event = "<EventName EventName=\"0\"/>";
    QTest::newRow("one event too many")
        << head + "<page>" << event << qint64(head.size() + 6 + event.size() * (MaxEvents + 1))
        << beyond("项目文件的事件超过%1个（第%2行），一个项目最多可有%1个事件。", MaxEvents);
    QTest::newRow("a comment of emoji in UTF-32")
        << inEncoding("<ui><!--", "UTF-32LE") << inEncoding("\xf0\x9f\x98\x80", "UTF-32LE", false)
        << ProjectFile::MaxFileSize << tooLong(1, "注释");
}

// A file as large as may be read, shaped so that a reader would hold one piece of it
// whole, is refused once the piece passes its bound: it is read no further than that, so
// that neither the time nor the memory grows with the file.
void tst_ProjectFile::hugeStreamsAreRefusedEarly()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, unit);
    QFETCH(qint64, size);
    QFETCH(QString, cause);
    GeneratedStream stream(head, unit, size);
    ProjectDocument document;
    ProjectDocument::Handler nothing;
    QVERIFY(!document.read(&stream, nothing, ProjectFile::MaxFileSize));
    QCOMPARE(document.errorString(), cause);
    QVERIFY2(stream.reached() < 64 << 20, qPrintable(QString::number(stream.reached())));
}

// A file the program saved is never refused for its widgets or events: the largest file a
// save writes cannot hold that many.
void tst_ProjectFile::countBoundsLieBeyondWhatASaveHolds()
{
    ProjectTestDesign empty;
    applyFrame(empty, Frame());
    empty.appendPage();
    const int base = empty.save().size();
    // Widgets without events.
    int smallestWidget = std::numeric_limits<int>::max();
    for (int type = 0; type < WidgetTypeCount; ++type) {
        ProjectTestDesign d;
        applyFrame(d, Frame());
        d.appendPage();
        d.appendWidget(0, type);
        smallestWidget = qMin(smallestWidget, d.save().size() - base);
    }
    QVERIFY2(smallestWidget > ProjectFile::MaxFileSize / MaxWidgets,
             qPrintable(QString::number(smallestWidget)));

    // The second event of a holder: the first brings the holder's code slots along.
    ProjectTestDesign withEvents;
    applyFrame(withEvents, Frame());
    withEvents.appendPage();
    withEvents.page(0)->appendEvent(EventInfo());
    const int one = withEvents.save().size();
    withEvents.page(0)->appendEvent(EventInfo());
    const int event = withEvents.save().size() - one;
    QVERIFY2(event > ProjectFile::MaxFileSize / MaxEvents, qPrintable(QString::number(event)));
}

void tst_ProjectFile::columnsCountCharacters_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("twin");
    QTest::addColumn<QString>("cause");
    using namespace HostileFixtures;
    const QByteArray emoji = "\xf0\x9f\x98\x80";
    // The same fault with a character beyond the first plane, and with an "x" in its place.
    using Encode = std::function<QByteArray(const QByteArray &)>;
    const Encode utf8 = [](const QByteArray &bytes) { return bytes; };
    const auto twins = [&emoji](const char *name, const QByteArray &content, const Encode &encode) {
        QTest::newRow(name) << encode(content) << encode(QByteArray(content).replace(emoji, "x"))
                            << QString();
    };
    const auto in = [](const QByteArray &codec) -> Encode {
        return [codec](const QByteArray &bytes) { return inEncoding(bytes, codec); };
    };
    twins("a tag mismatch after two emoji",
          project("<page><pageName>" + emoji + emoji + "</pageNam></page>"), utf8);
    twins("a bad byte after an emoji", pageNameOnLine(5, emoji + "\xff"), utf8);
    twins("a tag mismatch after an emoji, UTF-16", project("<a>" + emoji + "</b>"), in("UTF-16LE"));
    twins("a tag mismatch after an emoji, UTF-32", project("<a>" + emoji + "</b>"), in("UTF-32BE"));
    twins("a lone surrogate after an emoji, UTF-16", pageNameOnLine(5, emoji + "\xee\x80\x80"),
          [](const QByteArray &bytes) { return inEncodingWithUnit(bytes, "UTF-16LE", 0xDC00); });
    twins("an emoji on an earlier line", project("<!--" + emoji + "-->\n<a></b>"), utf8);
    twins("an emoji beyond a reading piece",
          project("<a>" + QByteArray(300000, 'x') + emoji + "</b>"), utf8);

    // An empty file has no column 0.
    const QString premature = QStringLiteral("第1行第1列：Premature end of document.");
    QTest::newRow("empty") << QByteArray() << QByteArray() << premature;
    QTest::newRow("a UTF-8 mark alone") << QByteArray("\xef\xbb\xbf") << QByteArray() << premature;
    QTest::newRow("a UTF-16 mark alone") << QByteArray("\xff\xfe") << QByteArray() << premature;
    QTest::newRow("a UTF-32 mark alone")
        << QByteArray("\0\0\xfe\xff", 4) << QByteArray() << premature;
    QTest::newRow("a line break at the end")
        << QByteArray("<ui>\n") << QByteArray()
        << QStringLiteral("第2行第1列：Premature end of document.");
}

// The reader counts columns in UTF-16 code units; a message counts characters, from 1.
void tst_ProjectFile::columnsCountCharacters()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, twin);
    QFETCH(QString, cause);
    ProjectFile file;
    QVERIFY(!file.setContent(content));
    if (twin.isEmpty()) {
        QCOMPARE(file.errorString(), cause);
        return;
    }
    ProjectFile other;
    QVERIFY(!other.setContent(twin));
    QVERIFY(twin != content);
    QVERIFY(file.errorString().contains(QStringLiteral("列：")));
    QCOMPARE(file.errorString(), other.errorString());
}

void tst_ProjectFile::filesUpToTheBoundsLoad()
{
    ProjectFile file;
    QVERIFY(file.setContent(HostileFixtures::deepAnywhere(ProjectDocument::MaxDepth - 1)));
    QVERIFY(file.setContent(HostileFixtures::manyAttributes(ProjectDocument::MaxAttributes)));

    // Widgets that make no widget do not count.
    const QByteArray skipped = QByteArrayLiteral("<ClassName ClassName=\"10\"/>").repeated(5);
    ProjectTestDesign d;
    QVERIFY(loadInto(
        d,
        HostileFixtures::manyWidgets(MaxWidgetsPerPage).replace("</page>", skipped + "</page>")));
    QCOMPARE(d.widgets(0).size(), MaxWidgetsPerPage);
    QCOMPARE(d.widgets(0).last()->getX(), 1);

    // Texts as long as the window lets them be made.
    ProjectTestDesign e;
    QVERIFY(loadInto(e, HostileFixtures::longPageName(MaxLineLength)));
    QCOMPARE(e.page(0)->pageName().size(), MaxLineLength);
    ProjectTestDesign f;
    QVERIFY(loadInto(f, HostileFixtures::longEventParameter(MaxLineLength)));
    QCOMPARE(f.page(0)->events().at(0).param(0).size(), MaxLineLength);
    ProjectTestDesign g;
    QVERIFY(loadInto(g, HostileFixtures::longWidgetText(MaxTextLength)));
    QCOMPARE(g.widgets(0).at(0)->getText().size(), MaxTextLength);

    // Pieces as long as a file may hold, counted in characters: the longest text with every
    // character escaped, and a comment of three-byte characters.
    ProjectTestDesign h;
    const QByteArray escaped = QByteArrayLiteral("&amp;").repeated(MaxTextLength);
    QCOMPARE(escaped.size(), ProjectDocument::MaxPieceLength);
    QVERIFY(loadInto(h, HostileFixtures::longWidgetText(0).replace("<text>", "<text>" + escaped)));
    QCOMPARE(h.widgets(0).at(0)->getText(), QString(MaxTextLength, QLatin1Char('&')));
    const QByteArray comment =
        "<!--" + QByteArray("\xe4\xb8\xad").repeated(ProjectDocument::MaxPieceLength - 7) + "-->";
    QVERIFY2(file.setContent(HostileFixtures::project(comment)), qPrintable(file.errorString()));
    QVERIFY2(file.setContent(HostileFixtures::project(
                 "<a/>" + QByteArray(ProjectDocument::MaxPieceLength, '\n') + "<b/>")),
             qPrintable(file.errorString()));
}

// A pipe would make the read wait for a writer and a device would be read without end; a
// file too large to be a design is refused before it is read.
void tst_ProjectFile::onlyRegularFilesOfBoundedSizeAreRead()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.yBEX"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    // A path is text, never a pattern for the numbers that follow it.
    const QString large = dir.filePath(QStringLiteral("large%1.yBEX"));
    QFile sparse(large);
    QVERIFY(sparse.open(QIODevice::WriteOnly));
    QVERIFY(sparse.resize(ProjectFile::MaxFileSize + 1)); // no disk space taken
    sparse.close();

    const QString notRegular = ProjectFile::tr("%1：这不是普通文件");
    const QString tooLarge = ProjectFile::tr("%1：文件超过%2MB，项目文件最大%2MB");
    const QList<QPair<QString, QString>> cases = {
        {fifo, notRegular.arg(fifo)},
        {QStringLiteral("/dev/zero"), notRegular.arg("/dev/zero")},
        {large, tooLarge.arg(large, QStringLiteral("1024"))},
    };
    for (const auto &c : cases) {
        ProjectFile file;
        QVERIFY2(!file.read(c.first), qPrintable(c.first));
        QCOMPARE(file.errorString(), c.second);
        QVERIFY(!file.readProject(c.first));
        QString error;
        QVERIFY(!ProjectFile::rewriteFrameElements(
            c.first, {{QStringLiteral("frameW"), QStringLiteral("9")}}, &error));
        QCOMPARE(error, c.second);
    }
    QCOMPARE(QFileInfo(large).size(), ProjectFile::MaxFileSize + 1);
}

// A design the window saves opens again: one of a thousand pages of twenty widgets, two
// of each type, writes a file within the largest size read.
// Polishing by the style sheet is costly: the widgets of a design read and dropped without
// being shown are polished neither when the events are handled nor when the design goes.
void tst_ProjectFile::widgetsNeverShownAreNotPolished()
{
    class PolishCount : public QObject
    {
    public:
        int count = 0;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Polish && qobject_cast<QMyWidget *>(watched))
                ++count;
            return false;
        }
    } polished;
    ProjectTestDesign saved;
    applyFrame(saved, Frame());
    for (int p = 0; p < 3; ++p) {
        saved.appendPage();
        for (int i = 0; i < WidgetTypeCount; ++i)
            saved.appendWidget(p, i);
    }
    const QByteArray content = saved.save();
    qApp->installEventFilter(&polished);
    {
        ProjectTestDesign d;
        QVERIFY(loadInto(d, content));
        QCOMPARE(d.widgets(2).size(), WidgetTypeCount);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(polished.count, 0);
        d.document.clearPages();
        QCOMPARE(polished.count, 0);
    }
    qApp->removeEventFilter(&polished);
}

void tst_ProjectFile::aThousandFullPagesOpenAgain()
{
    ProjectTestDesign empty;
    applyFrame(empty, Frame());
    empty.appendPage();
    ProjectTestDesign full;
    applyFrame(full, Frame());
    full.appendPage();
    for (int i = 0; i < 20; ++i) {
        QMyWidget *w = full.appendWidget(0, i % WidgetTypeCount);
        w->setText(QStringLiteral("text %1").arg(i));
        w->setEventText(0, QStringLiteral("a = %1").arg(i));
    }
    const qint64 frame = empty.save().size();
    const qint64 page = full.save().size() - frame;
    QVERIFY(page > 20 * 15000);
    QVERIFY2(frame + 1000 * page <= ProjectFile::MaxFileSize,
             qPrintable(QString::number(frame + 1000 * page)));
}

void tst_ProjectFile::largeValuesLoad()
{
    ProjectTestDesign d;
    QVERIFY(loadInto(d, HostileFixtures::bigSeries(1 << 20)));
    const QString series = d.widgets(0).at(0)->getChartSerData(0);
    QCOMPARE(series.size(), (1 << 20) + 1);
    QVERIFY(series.startsWith(QStringLiteral("100/100/")));

    // A large piece of text joins what else stands in and around its element.
    const QString big(100000, QLatin1Char('x'));
    ProjectTestDesign e;
    QVERIFY(loadInto(e,
                     withRoot(QStringLiteral("<page pageid=\"1\"><ClassName ClassName=\"1\">"
                                             "<text>%1<b>y</b>z</text></ClassName>"
                                             "<ClassName ClassName=\"1\"><text>a<b>%1</b>"
                                             "</text></ClassName><ClassName ClassName=\"1\">"
                                             "<text>%1</text><w>9</w></ClassName></page>")
                                  .arg(big))));
    QCOMPARE(e.widgets(0).at(0)->getText(), big + QStringLiteral("yz"));
    QCOMPARE(e.widgets(0).at(1)->getText(), QStringLiteral("a") + big);
    QCOMPARE(e.widgets(0).at(2)->getText(), big);
    QCOMPARE(e.widgets(0).at(2)->getW(), 9);
}

void tst_ProjectFile::onlyAProjectIsAProject_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("project");
    const QByteArray decl = HostileFixtures::declaration();
    QTest::newRow("an empty root") << QByteArray("<?xml version=\"1.0\"?><ui/>") << false;
    QTest::newRow("pages without a frame") << decl + "<ui><page pageid=\"1\"/></ui>" << false;
    QTest::newRow("frame without sizes") << decl + "<ui><frame frame=\"frame\"/></ui>" << false;
    QTest::newRow("width 0") << decl
            + "<ui><frame><frameW>0</frameW><frameH>480</frameH></frame></ui>"
                             << false;
    QTest::newRow("no height") << decl + "<ui><frame><frameW>800</frameW></frame></ui>" << false;
    QTest::newRow("size that is no number")
        << decl + "<ui><frame><frameW>800</frameW><frameH>tall</frameH></frame></ui>" << false;
    QTest::newRow("frame below the root's children")
        << decl + "<ui><x><frame><frameW>8</frameW><frameH>4</frameH></frame></x></ui>" << false;
    QTest::newRow("a frame with both sizes")
        << decl + "<ui><frame><frameW>800</frameW><frameH>480</frameH></frame></ui>" << true;
    QTest::newRow("the last size of a block counts")
        << decl + "<ui><frame><frameW>0</frameW><frameW>8</frameW><frameH>4</frameH></frame></ui>"
        << true;
    QTest::newRow("one usable frame of two") << decl
            + "<ui><frame><frameW>0</frameW></frame><frame><frameW>8</frameW><frameH>4</frameH>"
              "</frame></ui>" << true;
}

void tst_ProjectFile::onlyAProjectIsAProject()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, project);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    writeFile(path, content);
    ProjectFile file;
    QVERIFY(file.read(path));
    QCOMPARE(file.hasUsableFrame(), project);
    QCOMPARE(file.readProject(path), project);
    QCOMPARE(file.errorString().isEmpty(), project);
    if (!project)
        QVERIFY(file.errorString().startsWith(path));
    QCOMPARE(readFile(path), content);
}

// Names are taken as written: a prefix is part of the name, and an undeclared one is no
// error for the reader or the rewrite.
void tst_ProjectFile::namesAreComparedAsWritten()
{
    ProjectTestDesign d;
    QVERIFY(loadInto(d,
                     withRoot(QStringLiteral(
                         "<a:frame xmlns:a=\"urn:x\"><frameW>800</frameW><frameH>480</frameH>"
                         "<baud>1</baud></a:frame><x:note/><a:page pageid=\"1\"/>"
                         "<page pageid=\"1\"><ClassName ClassName=\"1\"><x:text>no</x:text>"
                         "<text>yes</text></ClassName></page>"))));
    QCOMPARE(probe(d, QStringLiteral("canvas")), QStringLiteral("none"));
    QCOMPARE(probe(d, QStringLiteral("baud")), DesignDocument().baud()); // as it was
    QCOMPARE(probe(d, QStringLiteral("pages")), QStringLiteral("1"));
    QCOMPARE(probe(d, QStringLiteral("w0.0:text")), QStringLiteral("yes"));

    ProjectFile file;
    QVERIFY(file.setContent(withRoot(QStringLiteral("<a:frame xmlns:a=\"urn:x\"><frameW>8</frameW>"
                                                    "<frameH>4</frameH><modelType>1</modelType>"
                                                    "</a:frame>"))));
    int series = -1;
    QVERIFY(!file.modelType(&series));
    QVERIFY(!file.hasUsableFrame());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.yBEX"));
    const QByteArray undeclared =
        withRoot(QStringLiteral("<x:note/><frame><baud>1</baud></frame>"));
    writeFile(path, undeclared);
    QVERIFY(file.read(path));
    QVERIFY(
        ProjectFile::rewriteFrameElements(path, {{QStringLiteral("baud"), QStringLiteral("2")}}));
    QCOMPARE(readFile(path), QByteArray(undeclared).replace("<baud>1", "<baud>2"));
}

void tst_ProjectFile::timerIsTheOneAtItsPlace()
{
    ProjectTestDesign d;
    QVERIFY(loadInto(d,
                     withRoot(QStringLiteral(
                         "<timer timer=\"0\"><timerID>5</timerID><timerEnable>1</timerEnable>"
                         "<timerTime>250</timerTime></timer>"))));
    QCOMPARE(d.document.timer(0)->timerID(), 0);
    QCOMPARE(d.document.timer(0)->timerTime(), 250);
    QCOMPARE(d.document.timer(5)->timerTime(), 0);

    // A record holding another number is still written as the timer of its place.
    d.document.timer(0)->setTimerID(5);
    const QByteArray saved = save(d);
    QCOMPARE(saved.count("<timer timer=\"0\">"), 1);
    QCOMPARE(saved.count("<timer timer=\"5\">"), 1);
    QVERIFY(saved.contains("<timer timer=\"0\">\n        <timerID>0</timerID>"));
    ProjectTestDesign e;
    QVERIFY(loadInto(e, saved));
    QCOMPARE(e.document.timer(0)->timerTime(), 250);
    QCOMPARE(e.document.timer(0)->timerEnable(), 1);
    QCOMPARE(save(e), saved);
}

// Positions and sizes at the int limits are brought into the range every drawing and mouse
// step can add up without overflow.
void tst_ProjectFile::geometryIsBoundedOnLoad()
{
    ProjectTestDesign d;
    QVERIFY(loadInto(d, HostileFixtures::extremeGeometry()));
    const int limit = DrawGeometry::CoordLimit;
    const QMyWidget *big = d.widgets(0).at(0);
    QCOMPARE(QStringLiteral("%1,%2,%3,%4")
                 .arg(big->getX())
                 .arg(big->getY())
                 .arg(big->getW())
                 .arg(big->getH()),
             QStringLiteral("%1,%1,%1,%1").arg(limit));
    QCOMPARE(big->getGeometryRect(), QRect(limit, limit, limit, limit));
    const QMyWidget *low = d.widgets(0).at(1);
    QCOMPARE(QStringLiteral("%1,%2,%3,%4")
                 .arg(low->getX())
                 .arg(low->getY())
                 .arg(low->getW())
                 .arg(low->getH()),
             QStringLiteral("%1,%1,%1,%2").arg(-limit).arg(limit));
    QCOMPARE(low->getGeometryRect().topLeft(), QPoint(-limit, -limit));
}

QTEST_MAIN(tst_ProjectFile)
#include "tst_projectfile.moc"
