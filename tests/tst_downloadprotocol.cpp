#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "downloadlimits.h"
#include "modulepicture.h"
#include "modulereply.h"
#include "picturefixtures.h"
#include "simulatedmodule.h"
#include "ymodem.h"
#include "ymodemframe.h"

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

InstrParam limitsOf(const QByteArray &reply)
{
    return ModuleReply::parseLimits(reply);
}

YModemJob projectWith(QVector<YModemJob::Page> pages, QList<int> sizes)
{
    YModemJob job;
    job.job = YModemJob::Project;
    job.pages = pages;
    job.pageFileSizes = sizes;
    return job;
}

YModemJob::Page page(int widgets, QVector<QPair<int, int>> texts = {})
{
    YModemJob::Page p;
    p.widgetCount = widgets;
    p.textLengths = texts;
    return p;
}

} // namespace

Q_DECLARE_METATYPE(YModemJob)

class TestDownloadProtocol : public QObject
{
    Q_OBJECT
private slots:
    void crc_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("crc");
        QTest::newRow("check value") << QByteArray("123456789") << 0x31C3;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("128 zeros") << QByteArray(128, '\0') << 0;
        QTest::newRow("one A") << QByteArray("A") << 0x58E5;
    }
    void crc()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, crc);
        QCOMPARE(int(YModem::crc16(data)), crc);
    }

    void endOfBatchBlock()
    {
        const QByteArray block = YModemFrame::endOfBatch();
        QCOMPARE(block.size(), 133);
        QCOMPARE(block.left(3), hex("0100FF"));
        QCOMPARE(block.mid(3), QByteArray(130, '\0'));
    }

    void fileHeader()
    {
        const QByteArray block = YModemFrame::fileHeader("all.cfg", 131072);
        QCOMPARE(block.size(), 133);
        QCOMPARE(block.left(3), hex("0100FF"));
        QByteArray data = QByteArray("all.cfg") + '\0' + "131072" + '\0';
        data.append(QByteArray(128 - data.size(), '\0'));
        QCOMPARE(block.mid(3, 128), data);
        const quint16 crc = YModem::crc16(data);
        QCOMPARE(quint8(block.at(131)), quint8(crc >> 8));
        QCOMPARE(quint8(block.at(132)), quint8(crc & 0xFF));
        // A UTF-8 name counts in bytes; one that leaves no room is refused.
        QVERIFY(!YModemFrame::fileHeader(QString(121, QLatin1Char('x')), 12345).isEmpty());
        QVERIFY(YModemFrame::fileHeader(QString(122, QLatin1Char('x')), 12345).isEmpty());
        QVERIFY(YModemFrame::fileHeader(QString(50, QChar(0x56FE)), 1).isEmpty());
    }

    void dataBlocks_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QList<int>>("blocks"); // block sizes in order
        QTest::addColumn<QList<int>>("carried"); // file bytes in each
        QTest::newRow("1 byte") << qint64(1) << QList<int> {128} << QList<int> {1};
        QTest::newRow("128") << qint64(128) << QList<int> {128} << QList<int> {128};
        QTest::newRow("129") << qint64(129) << QList<int> {1024} << QList<int> {129};
        QTest::newRow("1024") << qint64(1024) << QList<int> {1024} << QList<int> {1024};
        QTest::newRow("1025") << qint64(1025) << QList<int> {1024, 128} << QList<int> {1024, 1};
        QTest::newRow("2200") << qint64(2200) << QList<int> {1024, 1024, 1024}
                              << QList<int> {1024, 1024, 152};
    }
    void dataBlocks()
    {
        QFETCH(qint64, size);
        QFETCH(QList<int>, blocks);
        QFETCH(QList<int>, carried);
        QList<int> sizes, bytes;
        for (qint64 remaining = size; remaining > 0;) {
            sizes.append(YModemFrame::dataBlockSize(remaining));
            bytes.append(YModemFrame::dataBlockBytes(remaining));
            remaining -= bytes.last();
        }
        QCOMPARE(sizes, blocks);
        QCOMPARE(bytes, carried);
    }

    void dataBlockLayout()
    {
        const QByteArray one = YModemFrame::block(1, "Z", 1, 128);
        QCOMPARE(one.size(), 133);
        QCOMPARE(one.left(4), hex("0101FE5A"));
        QCOMPARE(one.mid(4, 127), QByteArray(127, '\0'));
        const QByteArray big =
            YModemFrame::block(255, QByteArray(1024, 'q').constData(), 1024, 1024);
        QCOMPARE(big.size(), 1029);
        QCOMPARE(big.left(3), hex("02FF00"));
        const quint16 crc = YModemFrame::crc16(QByteArray(1024, 'q'));
        QCOMPARE(big.right(2), QByteArray() + char(crc >> 8) + char(crc & 0xFF));
    }

    void limitsReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("maxPage");
        QTest::addColumn<qint64>("leftFlash");
        QTest::addColumn<int>("bl");
        QTest::newRow("plain") << QByteArray("MAX_PAGE=12\r\nLEFT_FLASH=2048\r\nBL=7\r\nOK") << 12
                               << qint64(2048) << 7;
        QTest::newRow("key anywhere, blanks")
            << QByteArray("xx MAX_PAGE = 12 \r\n  BL=  9\r\nOK\r\n") << 12 << qint64(0) << 9;
        QTest::newRow("not a number") << QByteArray("MAX_PAGE=twelve\r\nOK") << 0 << qint64(0) << 0;
        QTest::newRow("too big for 32 bits")
            << QByteArray("MAX_PAGE=4294967296\r\nLEFT_FLASH=3000000\r\nOK") << 0 << qint64(3000000)
            << 0;
        QTest::newRow("no equals") << QByteArray("MAX_PAGE 12\r\nOK") << 0 << qint64(0) << 0;
        QTest::newRow("negative flash") << QByteArray("LEFT_FLASH=-3\r\nOK") << 0 << qint64(0) << 0;
        QTest::newRow("junk after the number")
            << QByteArray("MAX_PAGE=12abc\r\nBL=7=8\r\nOK") << 0 << qint64(0) << 0;
        QTest::newRow("key inside a longer name")
            << QByteArray("TABLE=5\r\nXMAX_PAGE=6\r\nOK") << 0 << qint64(0) << 0;
        QTest::newRow("lines ended by CR alone")
            << QByteArray("MAX_PAGE=12\rLEFT_FLASH=2048\rBL=7\rOK\r") << 12 << qint64(2048) << 7;
    }
    void limitsReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, maxPage);
        QFETCH(qint64, leftFlash);
        QFETCH(int, bl);
        const InstrParam p = limitsOf(reply);
        QCOMPARE(p.getMaxPage(), maxPage);
        QCOMPARE(p.getLeftFlash(), leftFlash);
        QCOMPARE(p.getBl(), bl);
    }

    // A key without a plain decimal value is named, never taken as a limit of 0.
    void limitsKeysNotRead_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("unreadable");
        const QStringList all {"MAX_PAGE",
                               "MAX_WIDGETS",
                               "MAX_PICS",
                               "MAX_COMM_TIMERS",
                               "MAX_FONTS",
                               "MAX_SERS",
                               "MAX_PATH_SIZE",
                               "DEFAULT_MAX_STR_SIZE",
                               "LEFT_MEM",
                               "LEFT_FLASH",
                               "BPS",
                               "COL",
                               "ROW",
                               "BL",
                               "DIR"};
        QTest::newRow("nothing") << QByteArray("OK") << all << QStringList();
        QStringList rest = all;
        rest.removeAll("MAX_PAGE");
        rest.removeAll("BL");
        rest.removeAll("LEFT_FLASH");
        QTest::newRow("garbled") << QByteArray("MAX_PAGE=1x\r\nBL=\r\nLEFT_FLASH=99999999999\r\nOK")
                                 << rest << QStringList {"MAX_PAGE", "LEFT_FLASH", "BL"};
        QTest::newRow("every key")
            << QByteArray(simulatedModuleLimits()) << QStringList() << QStringList();
    }
    void limitsKeysNotRead()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, unreadable);
        QStringList lacking, garbled;
        ModuleReply::parseLimits(reply, &lacking, &garbled);
        QCOMPARE(lacking, missing);
        QCOMPARE(garbled, unreadable);
    }

    void limitsReplyEnds_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("readAt"); // the read that completes the reply, -1 for none
        using L = QList<QByteArray>;
        QTest::newRow("OK line") << L {"MAX_PAGE=3\r\n", "OK\r\n"} << 1;
        QTest::newRow("OK without line end") << L {"MAX_PAGE=3\r\nO", "K"} << 1;
        QTest::newRow("OK inside a line")
            << L {"LOOK_OK=1\r\nNOTE=OK\r\n", "BOOK", "\r\nOK\r\n"} << 2;
        QTest::newRow("blanks around OK") << L {"MAX_PAGE=3\r\n OK \r\n"} << 0;
        QTest::newRow("no OK") << L {"MAX_PAGE=3\r\nOKAY\r\n"} << -1;
    }
    void limitsReplyEnds()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, readAt);
        ModuleReply reply;
        reply.setMode(ModuleReply::Limits);
        int read = -1;
        for (int i = 0; i < reads.size() && read < 0; ++i) {
            reply.append(reads.at(i));
            const ModuleReply::Events e = reply.take();
            if (e.limitsRead) {
                read = i;
                QCOMPARE(e.limits.getMaxPage(), 3 * (readAt != 2));
            }
        }
        QCOMPARE(read, readAt);
    }

    void unreadableReplyNamesTheKeys_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<QString>("report");
        QTest::newRow("project, all read")
            << 0 << QStringList {"BPS", "COL"} << QStringList {"DIR"} << QString();
        QTest::newRow("project") << 0 << QStringList {"LEFT_MEM", "MAX_PAGE", "BL"}
                                 << QStringList {"LEFT_FLASH"}
                                 << QString("缺少MAX_PAGE、LEFT_MEM；LEFT_FLASH的值无法读取");
        QTest::newRow("pictures") << 1 << QStringList {"MAX_WIDGETS"} << QStringList {"MAX_PICS"}
                                  << QString("MAX_PICS的值无法读取");
        QTest::newRow("fonts") << 2 << QStringList {"LEFT_FLASH", "MAX_FONTS"} << QStringList()
                               << QString("缺少MAX_FONTS、LEFT_FLASH");
    }
    void unreadableReplyNamesTheKeys()
    {
        QFETCH(int, job);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, unreadable);
        QFETCH(QString, report);
        QCOMPARE(DownloadLimits::unreadableReply(job, missing, unreadable), report);
    }

    void limitsArriveInPieces()
    {
        ModuleReply reply;
        reply.setMode(ModuleReply::Limits);
        reply.append("MAX_PA");
        ModuleReply::Events e = reply.take();
        QVERIFY(!e.limitsRead);
        QCOMPARE(e.text, QByteArray("MAX_PA"));
        reply.append("GE=3\r\nMAX_WIDGETS=40\r\nO");
        e = reply.take();
        QVERIFY(!e.limitsRead);
        QCOMPARE(e.text, QByteArray("GE=3\r\nMAX_WIDGETS=40\r\nO"));
        reply.append("K\r\n");
        e = reply.take();
        QVERIFY(e.limitsRead);
        QCOMPARE(e.limits.getMaxPage(), 3);
        QCOMPARE(e.limits.getMaxWidgets(), 40);
        QCOMPARE(reply.mode(), int(ModuleReply::ControlBytes));
    }

    // CAN CAN, also split over two reads, is the module leaving the batch; one CAN is not.
    void cancelBytes_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("cancelAt");
        using L = QList<QByteArray>;
        QTest::newRow("together") << L {hex("0618"), hex("1818")} << 1;
        QTest::newRow("split") << L {hex("0618"), hex("18")} << 1;
        QTest::newRow("apart") << L {hex("1806"), hex("18"), hex("06")} << -1;
    }
    void cancelBytes()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, cancelAt);
        ModuleReply reply;
        int at = -1;
        for (int i = 0; i < reads.size() && at < 0; ++i) {
            reply.append(reads.at(i));
            if (reply.take().cancel)
                at = i;
        }
        QCOMPARE(at, cancelAt);
    }

    void controlBytes()
    {
        ModuleReply reply;
        reply.append(hex("06431541"));
        const ModuleReply::Events e = reply.take();
        QVERIFY(e.ack && e.nak && e.c);
        QCOMPARE(e.controlBytes, hex("06431541"));
        QCOMPARE(reply.buffered(), 0);
    }

    // Reports behind the final ACK wait for the unpacking mode instead of being read as
    // control bytes.
    void reportRidesWithAck()
    {
        ModuleReply reply;
        reply.append(QByteArray("\x06") + "EP_0\r\nEP_10\r\n");
        ModuleReply::Events e = reply.take(true);
        QVERIFY(e.ack);
        QCOMPARE(e.controlBytes, hex("06"));
        e = reply.take(true);
        QVERIFY(e.controlBytes.isEmpty());
        reply.setMode(ModuleReply::Unpacking);
        e = reply.take();
        QCOMPARE(e.percent, 10);
        QCOMPARE(e.text, QByteArray("EP_0\r\nEP_10\r\n"));
    }

    // Behind the last block, the module's first unpacking report confirms the batch as its
    // ACK does, also behind a garbled ACK; the report is kept for the unpacking mode.
    void reportConfirmsTheBatch_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("confirmedAt"); // the read that confirms, -1 for none
        QTest::addColumn<bool>("garbled");
        QTest::addColumn<int>("percent"); // read in the unpacking mode afterwards
        using L = QList<QByteArray>;
        QTest::newRow("ACK") << L {hex("06") + "EP_0"} << 0 << false << 0;
        QTest::newRow("garbled ACK, report") << L {hex("86") + "EP_10"} << 0 << true << 10;
        QTest::newRow("report alone") << L {"EP_20"} << 0 << false << 20;
        QTest::newRow("report split") << L {hex("86") + "E", "P", "_30"} << 2 << true << 30;
        QTest::newRow("no report") << L {hex("86") + "E", "x"} << -1 << true << -1;
        QTest::newRow("other text") << L {"EPX_1"} << -1 << true << -1;
    }
    void reportConfirmsTheBatch()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, confirmedAt);
        QFETCH(bool, garbled);
        QFETCH(int, percent);
        ModuleReply reply;
        int at = -1;
        bool sawGarbled = false;
        for (int i = 0; i < reads.size() && at < 0; ++i) {
            reply.append(reads.at(i));
            const ModuleReply::Events e = reply.take(true);
            sawGarbled |= e.garbled;
            if (e.ack || e.reportsBegan)
                at = i;
        }
        QCOMPARE(at, confirmedAt);
        QCOMPARE(sawGarbled, garbled);
        reply.setMode(ModuleReply::Unpacking);
        QCOMPARE(ModuleReply::followPercent(-1, reply.take()), percent);
    }

    // The percentage the worker follows after each read: a report still arriving is acted on
    // as far as its digits go, since they can only grow; 100 only once it is there.
    void percentages_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<QList<int>>("percents");
        using L = QList<QByteArray>;
        QTest::newRow("one per line")
            << L {"EP_0\r\n", "EP_50\r\n", "EP_100\r\n"} << QList<int> {0, 50, 100};
        QTest::newRow("without line ends")
            << L {"EP_0", "EP_10", "EP_20", "EP_90", "EP_100"} << QList<int> {0, 10, 20, 90, 100};
        QTest::newRow("digit by digit") << L {"EP_", "1", "0", "0"} << QList<int> {0, 1, 10, 100};
        QTest::newRow("split digits") << L {"EP_5", "0\r\n"} << QList<int> {5, 50};
        QTest::newRow("split key") << L {"xxE", "P_", "60\r\n"} << QList<int> {0, 0, 60};
        QTest::newRow("run together") << L {"EP_10EP_20EP_3"} << QList<int> {20};
        QTest::newRow("start of a bigger one") << L {"EP_20\r\nEP_3", "0"} << QList<int> {20, 30};
        QTest::newRow("100 needs no end") << L {"EP_100"} << QList<int> {100};
        QTest::newRow("no number") << L {"EP_x"} << QList<int> {0};
        QTest::newRow("noise") << L {"hello\r\n", "EP_7\n"} << QList<int> {0, 7};
    }
    void percentages()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(QList<int>, percents);
        ModuleReply reply;
        reply.setMode(ModuleReply::Unpacking);
        QList<int> seen;
        int percent = 0;
        for (const QByteArray &read : reads) {
            reply.append(read);
            percent = ModuleReply::followPercent(percent, reply.take());
            seen.append(percent);
        }
        QCOMPARE(seen, percents);
    }

    // Only three decimal fields in range are read, with nothing behind the last but blanks
    // and a line end. The answer reads the same however it is split; one without a line end
    // is complete only once the line is quiet, since another digit could still come, and one
    // cut short is unreadable then.
    void linkAnswer_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("quietNeeded"); // decided only once the line is quiet
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("values");
        QTest::addColumn<QList<int>>("fields");
        const auto accepted = [](const char *tag, const QByteArray &answer, bool quiet,
                                 const QList<int> &fields) {
            QTest::newRow(tag) << answer << quiet << true << true << fields;
        };
        const auto refused = [](const char *tag, const QByteArray &answer, bool quiet = false) {
            QTest::newRow(tag) << answer << quiet << true << false << QList<int>();
        };
        const auto unanswered = [](const char *tag, const QByteArray &answer) {
            QTest::newRow(tag) << answer << true << false << false << QList<int>();
        };
        accepted("four fields", "GETADDR_1_5_0\r\n", false, {1, 5, 0});
        accepted("line feed only", "GETADDR_1_5_0\n", false, {1, 5, 0});
        accepted("one in front", "X_GETADDR_1_5_0", true, {1, 5, 0});
        accepted("no line end", "GETADDR_0_300_1", true, {0, 300, 1});
        accepted("largest address", "GETADDR_1_999999999_1\n", false, {1, 999999999, 1});
        accepted("blanks behind", "GETADDR_1_12_1 \t\r\n", false, {1, 12, 1});
        accepted("blanks without line end", "GETADDR_1_12_1 ", true, {1, 12, 1});
        accepted("text on the next line", "GETADDR_1_5_0\r\nOK\r\n", false, {1, 5, 0});
        refused("digit behind the flag", "GETADDR_1_5_10");
        refused("digits behind the flag", "GETADDR_1_5_10\r\n");
        refused("field behind the flag", "GETADDR_1_5_0_9");
        refused("text behind the flag", "GETADDR_1_12_1OK\r\n");
        refused("blank then text", "GETADDR_1_12_1 x\r\n");
        refused("NUL behind the flag", QByteArray("GETADDR_1_5_0\0\r\n", 16));
        refused("letters", "GETADDR_a_b_c");
        refused("out of range", "GETADDR_99999999999_-1_7");
        refused("enable too long", "GETADDR_10_5_0");
        refused("address too long", "GETADDR_1_1000000000_0");
        refused("negative", "GETADDR_1_-1_0");
        refused("flag out of range", "GETADDR_9_1_7_1");
        refused("two in front", "A_B_GETADDR_1_5_0");
        refused("too few", "GETADDR_1\r\n");
        refused("empty field", "GETADDR__5_0");
        refused("flag 2 without line end", "GETADDR_1_5_2", true);
        // Cut short: waited for until the line is quiet, then unreadable.
        refused("key only", "GETADDR_", true);
        refused("enable only", "GETADDR_1", true);
        refused("enable and separator", "GETADDR_1_", true);
        refused("address so far", "GETADDR_1_5", true);
        refused("flag missing", "GETADDR_1_5_", true);
        refused("one in front, cut", "X_GETADDR_1_5", true);
        unanswered("part of the key", "GETADDR");
        unanswered("no answer", "hello\r\n");
    }
    void linkAnswer()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, quietNeeded);
        QFETCH(bool, answered);
        QFETCH(bool, values);
        QFETCH(QList<int>, fields);
        // Whole, byte by byte, and in two pieces split at every place.
        QList<QList<QByteArray>> deliveries = {{answer}, {}};
        for (int i = 0; i < answer.size(); ++i) {
            deliveries[1].append(answer.mid(i, 1));
            deliveries.append({answer.left(i + 1), answer.mid(i + 1)});
        }
        for (const QList<QByteArray> &pieces : qAsConst(deliveries)) {
            const QByteArray split = pieces.join('|');
            ModuleReply reply;
            reply.setMode(ModuleReply::LinkTest);
            ModuleReply::Events e;
            for (int i = 0; i < pieces.size() && !e.linkAnswered; ++i) {
                reply.append(pieces.at(i));
                e = reply.take();
            }
            QVERIFY2(e.linkAnswered == (answered && !quietNeeded), split.constData());
            if (!e.linkAnswered)
                e = reply.takeAfterQuiet();
            QVERIFY2(e.linkAnswered == answered, split.constData());
            QVERIFY2(e.linkValues == values, split.constData());
            if (values)
                QCOMPARE((QList<int> {e.enable, e.address, e.crc}), fields);
            QCOMPARE(reply.mode(),
                     int(answered ? ModuleReply::ControlBytes : ModuleReply::LinkTest));
        }
    }

    // A byte that is no control byte is reported, so that the block it answers goes again.
    void garbledAnswers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("garbled");
        QTest::newRow("ACK") << hex("06") << false;
        QTest::newRow("ACK C") << hex("0643") << false;
        QTest::newRow("NAK") << hex("15") << false;
        // One alone answers nothing; two in a row also cancel.
        QTest::newRow("CAN") << hex("18") << true;
        QTest::newRow("ACK with its top bit") << hex("86") << true;
        QTest::newRow("garbled ACK, then C") << hex("8643") << true;
        QTest::newRow("NUL") << hex("00") << true;
        QTest::newRow("letter") << QByteArray("x") << true;
    }
    void garbledAnswers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, garbled);
        ModuleReply reply;
        reply.append(bytes);
        const ModuleReply::Events e = reply.take();
        QCOMPARE(e.garbled, garbled);
        QCOMPARE(e.controlBytes, bytes);
    }

    void bufferIsBounded()
    {
        ModuleReply reply;
        reply.setMode(ModuleReply::Limits);
        for (int i = 0; i < 100; ++i)
            reply.append(QByteArray(4096, 'z'));
        QVERIFY(reply.buffered() <= ModuleReply::MaxBuffered);
        reply.setMode(ModuleReply::Unpacking);
        reply.append(QByteArray(100000, 'z'));
        reply.take();
        QVERIFY(reply.buffered() <= 2);
    }

    void projectCheck_data()
    {
        QTest::addColumn<QByteArray>("limits");
        QTest::addColumn<YModemJob>("job");
        QTest::addColumn<qint64>("container");
        QTest::addColumn<QString>("report");
        const QByteArray roomy = "MAX_PAGE=3\r\nMAX_WIDGETS=2\r\nDEFAULT_MAX_STR_SIZE=10\r\n"
                                 "LEFT_MEM=100000\r\nLEFT_FLASH=100\r\nOK";
        const YModemJob fits = projectWith({page(2, {{0, 10}, {1, 3}})}, {66560});
        QTest::newRow("all at the limit") << roomy << fits << qint64(102400) << QString();
        QTest::newRow("widgets on pages 0 and 2")
            << roomy << projectWith({page(3), page(1), page(5)}, {}) << qint64(0)
            << QString("第0页、第2页控件超上限");
        QTest::newRow("pages") << roomy << projectWith({page(0), page(0), page(0), page(0)}, {})
                               << qint64(0) << QString("页面超上限");
        QTest::newRow("texts")
            << roomy << projectWith({page(2, {{4, 11}, {7, 12}})}, {}) << qint64(0)
            << QString("第0页ID为4、第0页ID为7文本最大字节数属性值超过显示屏最大字符串上限");
        QTest::newRow("page file one over")
            << roomy << projectWith({page(0), page(0)}, {0, 66561}) << qint64(0)
            << QString("第1页文件超内存上限或超过65Kb");
        QTest::newRow("page file over memory")
            << QByteArray("MAX_PAGE=3\r\nLEFT_MEM=100\r\nLEFT_FLASH=1\r\nOK")
            << projectWith({page(0)}, {1125}) << qint64(1)
            << QString("第0页文件超内存上限或超过65Kb");
        QTest::newRow("flash one over")
            << roomy << fits << qint64(102401) << QString("文件超Flash上限");
        QTest::newRow("flash beyond 32 bits")
            << QByteArray("MAX_PAGE=3\r\nMAX_WIDGETS=2\r\nDEFAULT_MAX_STR_SIZE=10\r\n"
                          "LEFT_MEM=100000\r\nLEFT_FLASH=3000000\r\nOK")
            << fits << qint64(3000000) * 1024 << QString();
        QTest::newRow("missing keys")
            << QByteArray("OK") << fits << qint64(1)
            << QString("页面超上限、第0页控件超上限、第0页ID为0、第0页ID为1文本最大字节数属性值超过"
                       "显示屏最大字符串上限、第0页文件超内存上限或超过65Kb、文件超Flash上限");
    }
    void projectCheck()
    {
        QFETCH(QByteArray, limits);
        QFETCH(YModemJob, job);
        QFETCH(qint64, container);
        QFETCH(QString, report);
        QCOMPARE(DownloadLimits::checkProject(limitsOf(limits), job, container), report);
    }

    void pictureAndFontChecks()
    {
        const InstrParam p = limitsOf("MAX_PICS=2\r\nMAX_FONTS=1\r\nLEFT_FLASH=2097152\r\nOK");
        QCOMPARE(DownloadLimits::checkPictures(p, 2, qint64(2097152) * 1024), QString());
        QCOMPARE(DownloadLimits::checkPictures(p, 3, qint64(2097152) * 1024 + 1),
                 QString("图片张数超上限、图片超Flash上限"));
        QCOMPARE(DownloadLimits::checkFonts(p, 2, 0), QString("字库个数超上限"));
        QCOMPARE(DownloadLimits::checkFonts(p, 1, qint64(2097152) * 1024 + 1),
                 QString("字库超Flash上限"));
    }

    void pictureConversion()
    {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(255, 0, 0, 255));
        image.setPixel(1, 0, qRgba(0x12, 0x34, 0x56, 0x80));
        const QByteArray bytes = ModulePicture::convert(image);
        QCOMPARE(bytes.size(), 10);
        // (0x12 & 0xF8) << 8 | (0x34 & 0xFC) << 3 | 0x56 >> 3 = 0x11AA
        QCOMPARE(bytes,
                 hex("00020001"
                     "00F8FF"
                     "AA1180"));
        QImage opaque(1, 1, QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QCOMPARE(ModulePicture::convert(opaque), hex("00010001FFFFFF"));
        QCOMPARE(ModulePicture::convertedSize("/no/such/picture.png"), qint64(4));

        // The header holds each side in 16 bits: a wider picture is not converted at all.
        QImage widest(65535, 1, QImage::Format_RGB32);
        widest.fill(Qt::white);
        const QByteArray converted = ModulePicture::convert(widest);
        QCOMPARE(converted.size(), 4 + 3 * 65535);
        QCOMPARE(converted.left(4), hex("FFFF0001"));
        QImage wider(65536, 1, QImage::Format_RGB32);
        wider.fill(Qt::white);
        QVERIFY(ModulePicture::convert(wider).isEmpty());
        QImage taller(1, 65536, QImage::Format_RGB32);
        taller.fill(Qt::white);
        QVERIFY(ModulePicture::convert(taller).isEmpty());

        // A header that claims more than the program takes counts nothing: the download
        // refuses the picture by name before anything is sent.
        QTemporaryDir dir;
        const QString bomb = dir.filePath("0_bomb.png");
        QVERIFY(PictureFixtures::writeBytes(bomb, PictureFixtures::pngClaiming(26800, 26800)));
        QCOMPARE(ModulePicture::convertedSize(bomb), qint64(4));
        const QString fine = dir.filePath("1_fine.png");
        QVERIFY(PictureFixtures::writeBytes(fine, PictureFixtures::pngClaiming(100, 50)));
        QCOMPARE(ModulePicture::convertedSize(fine), qint64(4 + 3 * 100 * 50));
    }
};

QTEST_GUILESS_MAIN(TestDownloadProtocol)
#include "tst_downloadprotocol.moc"
