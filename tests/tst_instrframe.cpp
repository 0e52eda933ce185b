#include <QSet>
#include <QTranslator>
#include <QtTest>

#include "instrcatalogue.h"
#include "instrframe.h"

// Frames are compared as hex text so that a failure shows both byte strings.
static QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

static InstrFrame::Row rowOf(int index, const QStringList &params = {}, int addrFlag = 0,
                             const QString &addr = "0", int crcFlag = 0)
{
    const InstrCatalogue::Entry entry = InstrCatalogue::entries().at(index);
    InstrFrame::Row row;
    row.instrIndex = index;
    row.addrFlag = addrFlag;
    row.addrText = addr;
    row.crcFlag = crcFlag;
    for (int p = 0; p < InstrCatalogue::ParamSlots; ++p)
        row.params[p] = p < params.size() ? params.at(p) : entry.defaults[p];
    return row;
}

class TestInstrFrame : public QObject
{
    Q_OBJECT
private slots:
    void catalogueShape()
    {
        const QList<InstrCatalogue::Entry> entries = InstrCatalogue::entries();
        QCOMPARE(entries.size(), 59);
        QCOMPARE(InstrCatalogue::size(), 59);
        QSet<int> commands;
        for (int i = 0; i < entries.size(); ++i) {
            const InstrCatalogue::Entry &e = entries.at(i);
            QVERIFY2(e.paramCount >= 0 && e.paramCount <= 5, qPrintable(e.caption));
            for (int p = 0; p < 5; ++p)
                QVERIFY2((p >= e.paramCount) == (e.defaults[p] == "-"), qPrintable(e.caption));
            QVERIFY(e.textParam >= 0 && e.textParam <= e.paramCount);
            QCOMPARE(e.form, i <= 32 ? 2 : 1);
            QVERIFY(!e.help.isEmpty());
            const int key = e.command << 8 | e.subCommand;
            QVERIFY2(!commands.contains(key), qPrintable(e.caption));
            commands.insert(key);
        }
        QCOMPARE(entries.at(0).caption, QString("设置控件x值"));
        QCOMPARE(entries.at(11).caption, QString("设置曲线数值"));
        QCOMPARE(entries.at(37).caption, QString("控制背光值"));
        QCOMPARE(entries.at(37).defaults[0], QString("20"));
        QCOMPARE(entries.at(58).caption, QString("启停汇总刷新指令"));
        QCOMPARE(entries.at(58).command, 0x1E);
        QCOMPARE(entries.at(52).textParam, 2);
        QCOMPARE(entries.at(4).textParam, 2);
        QCOMPARE(entries.at(34).help, QString("接收此指令后模块会回复0x04 0x01"));
    }

    void catalogueFollowsLanguage()
    {
        QTranslator english;
        QVERIFY(english.load(":/config/language/English.qm"));
        QCoreApplication::installTranslator(&english);
        const QList<InstrCatalogue::Entry> entries = InstrCatalogue::entries();
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(entries.at(0).caption, QString("Set widgets x value"));
        QCOMPARE(entries.at(33).caption, QString("Reboot module"));
        QCOMPARE(
            entries.at(58).help,
            QString("Param 1: 0 = Start, 1 = Stop (batch refresh optimization; not implemented)"));
        for (const InstrCatalogue::Entry &e : entries) {
            QVERIFY2(e.caption.at(0).unicode() < 0x80, qPrintable(e.caption));
            QVERIFY2(e.help.at(0).unicode() < 0x80 || e.help.startsWith("("), qPrintable(e.help));
        }
        QCOMPARE(InstrCatalogue::entries().at(0).caption, QString("设置控件x值"));
    }

    void crcCheckValue()
    {
        // The catalogued check value of CRC-16/MODBUS.
        QCOMPARE(InstrFrame::crc16Modbus("123456789"), quint16(0x4B37));
        QCOMPARE(InstrFrame::crc16Modbus(QByteArray()), quint16(0xFFFF));
        QCOMPARE(InstrFrame::crc16Modbus(QByteArray::fromHex("070014")), quint16(0x0EC0));
    }

    void frames_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("params");
        QTest::addColumn<int>("addrFlag");
        QTest::addColumn<QString>("addr");
        QTest::addColumn<int>("crcFlag");
        QTest::addColumn<QByteArray>("expected");

        const QStringList none;
        QTest::newRow("x value, defaults")
            << 0 << none << 0 << "0" << 0 << QByteArray("EE 81 01 00 01 00 00 FF FC FF FF");
        QTest::newRow("address not checksummed")
            << 0 << none << 1 << "1" << 0 << QByteArray("EE 00 01 81 01 00 01 00 00 FF FC FF FF");
        QTest::newRow("address 65535") << 0 << none << 1 << "65535" << 0
                                       << QByteArray("EE FF FF 81 01 00 01 00 00 FF FC FF FF");
        QTest::newRow("address flag off ignores its text")
            << 0 << none << 0 << "abc" << 0 << QByteArray("EE 81 01 00 01 00 00 FF FC FF FF");
        QTest::newRow("backlight with checksum high byte first")
            << 37 << none << 0 << "0" << 1 << QByteArray("EE 07 00 14 0E C0 FF FC FF FF");
        QTest::newRow("checksum skips head and address")
            << 37 << none << 1 << "258" << 1 << QByteArray("EE 01 02 07 00 14 0E C0 FF FC FF FF");
        QTest::newRow("reboot key")
            << 33 << none << 0 << "0" << 0 << QByteArray("EE 03 A5 5A 53 35 FF FC FF FF");
        QTest::newRow("reboot key is checksummed")
            << 33 << none << 0 << "0" << 1 << QByteArray("EE 03 A5 5A 53 35 38 9E FF FC FF FF");
        QTest::newRow("checksum of a lone command")
            << 34 << none << 0 << "0" << 1 << QByteArray("EE 04 83 BE FF FC FF FF");
        QTest::newRow("no parameters")
            << 34 << none << 0 << "0" << 0 << QByteArray("EE 04 FF FC FF FF");
        QTest::newRow("no parameters, form 2")
            << 16 << none << 0 << "0" << 0 << QByteArray("EE 81 11 FF FC FF FF");
        QTest::newRow("text") << 4 << QStringList {"1", "ab"} << 0 << "0" << 0
                              << QByteArray("EE 81 05 00 01 61 62 00 FF FC FF FF");
        QTest::newRow("empty text") << 4 << QStringList {"1", ""} << 0 << "0" << 0
                                    << QByteArray("EE 81 05 00 01 00 FF FC FF FF");
        QTest::newRow("text in UTF-8") << 52 << QStringList {"3", "中"} << 0 << "0" << 0
                                       << QByteArray("EE 16 00 03 E4 B8 AD 00 FF FC FF FF");
        QTest::newRow("points") << 11 << QStringList {"1", "0", "0", "2", "100/200"} << 0 << "0"
                                << 0
                                << QByteArray("EE 81 0C 00 01 00 00 00 00 00 02 00 64 00 C8 FF FC "
                                              "FF FF");
        QTest::newRow("missing points are zero")
            << 11 << QStringList {"1", "0", "0", "2", "100"} << 0 << "0" << 0
            << QByteArray("EE 81 0C 00 01 00 00 00 00 00 02 00 64 00 00 FF FC FF FF");
        QTest::newRow("points beyond the count are dropped")
            << 11 << QStringList {"1", "0", "0", "2", "100/200/300"} << 0 << "0" << 0
            << QByteArray("EE 81 0C 00 01 00 00 00 00 00 02 00 64 00 C8 FF FC FF FF");
        QTest::newRow("empty point list")
            << 11 << QStringList {"1", "0", "0", "2", ""} << 0 << "0" << 0
            << QByteArray("EE 81 0C 00 01 00 00 00 00 00 02 00 00 "
                          "00 00 FF FC FF FF");
        QTest::newRow("no points") << 11 << QStringList {"1", "0", "0", "0", "5/6"} << 0 << "0" << 0
                                   << QByteArray("EE 81 0C 00 01 00 00 00 00 00 00 FF FC FF FF");
        QTest::newRow("minus one") << 35 << QStringList {"-1", "0"} << 0 << "0" << 0
                                   << QByteArray("EE 05 FF FF 00 00 FF FC FF FF");
        QTest::newRow("16-bit bounds") << 35 << QStringList {"-32768", "65535"} << 0 << "0" << 0
                                       << QByteArray("EE 05 80 00 FF FF FF FC FF FF");
        QTest::newRow("four numbers") << 41 << QStringList {"1", "1", "500", "1"} << 0 << "0" << 0
                                      << QByteArray("EE 0B 00 01 00 01 01 F4 00 01 FF FC FF FF");
    }
    void frames()
    {
        QFETCH(int, index);
        QFETCH(QStringList, params);
        QFETCH(int, addrFlag);
        QFETCH(QString, addr);
        QFETCH(int, crcFlag);
        QFETCH(QByteArray, expected);
        const InstrFrame::Row row = rowOf(index, params, addrFlag, addr, crcFlag);
        QString error = "stale";
        const QByteArray frame =
            InstrFrame::build(InstrCatalogue::entries().at(index), row, &error);
        QCOMPARE(hex(frame), expected);
        QVERIFY(error.isEmpty());
    }

    void everyEntryHasItsFrame()
    {
        const QList<InstrCatalogue::Entry> entries = InstrCatalogue::entries();
        for (int i = 0; i < entries.size(); ++i) {
            const InstrCatalogue::Entry &e = entries.at(i);
            const QByteArray frame = InstrFrame::build(e, rowOf(i));
            QVERIFY2(!frame.isEmpty(), qPrintable(e.caption));
            QCOMPARE(quint8(frame.at(0)), quint8(0xEE));
            QCOMPARE(quint8(frame.at(1)), quint8(e.command));
            if (e.form == 2)
                QCOMPARE(quint8(frame.at(2)), quint8(e.subCommand));
            QVERIFY(frame.endsWith(QByteArray::fromHex("FFFCFFFF")));
            // Defaults are numbers, except an empty text or point list.
            int expected =
                1 + (e.form == 2 ? 2 : 1) + (e.command == 0x03 && e.form == 1 ? 4 : 0) + 4;
            for (int p = 1; p <= e.paramCount; ++p)
                expected += e.textParam == p ? 1 : (i == 11 && p == 5 ? 0 : 2);
            QCOMPARE(frame.size(), expected);
        }
    }

    void refusedFields_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("params");
        QTest::addColumn<int>("addrFlag");
        QTest::addColumn<QString>("addr");
        QTest::addColumn<QString>("field");

        QTest::newRow("not a number") << 0 << QStringList {"abc", "0"} << 0 << "0"
                                      << "参数1";
        QTest::newRow("empty number") << 0 << QStringList {"1", ""} << 0 << "0"
                                      << "参数2";
        QTest::newRow("above 16 bits") << 0 << QStringList {"1", "65536"} << 0 << "0"
                                       << "参数2";
        QTest::newRow("below 16 bits") << 41 << QStringList {"0", "0", "-32769", "0"} << 0 << "0"
                                       << "参数3";
        QTest::newRow("huge") << 37 << QStringList {"99999999999999999999"} << 0 << "0"
                              << "参数1";
        QTest::newRow("address above") << 0 << QStringList() << 1 << "65536"
                                       << "地址";
        QTest::newRow("address negative") << 0 << QStringList() << 1 << "-1"
                                          << "地址";
        QTest::newRow("address not a number") << 0 << QStringList() << 1 << "x"
                                              << "地址";
        QTest::newRow("bad point") << 11 << QStringList {"1", "0", "0", "2", "1/x"} << 0 << "0"
                                   << "参数5";
        QTest::newRow("point above") << 11 << QStringList {"1", "0", "0", "2", "70000"} << 0 << "0"
                                     << "参数5";
        QTest::newRow("text too long") << 4 << QStringList {"1", QString(1015, 'a')} << 0 << "0"
                                       << "参数2";
        QTest::newRow("too many points")
            << 11 << QStringList {"1", "0", "0", "60000", ""} << 0 << "0"
            << "参数4";
    }
    void refusedFields()
    {
        QFETCH(int, index);
        QFETCH(QStringList, params);
        QFETCH(int, addrFlag);
        QFETCH(QString, addr);
        QFETCH(QString, field);
        QString error;
        const QByteArray frame = InstrFrame::build(InstrCatalogue::entries().at(index),
                                                   rowOf(index, params, addrFlag, addr), &error);
        QVERIFY(frame.isEmpty());
        QVERIFY2(error.contains(field), qPrintable(error));
    }

    void longestTextThatFits()
    {
        // Head, two command bytes, id, terminating zero and tail leave 1014 bytes of text.
        QString error;
        const QByteArray frame = InstrFrame::build(InstrCatalogue::entries().at(4),
                                                   rowOf(4, {"1", QString(1014, 'a')}), &error);
        QCOMPARE(frame.size(), InstrFrame::MaxBytes);
        QVERIFY(error.isEmpty());
        // Multi-byte characters count by their UTF-8 bytes.
        QVERIFY(InstrFrame::build(InstrCatalogue::entries().at(4),
                                  rowOf(4, {"1", QString(339, QChar(0x4E2D))}), &error)
                    .isEmpty());
        QVERIFY(error.contains("参数2"));
    }
};

QTEST_GUILESS_MAIN(TestInstrFrame)
#include "tst_instrframe.moc"
