#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "bytetohextext.h"
#include "ptypair.h"
#include "qmynativeeventfilter.h"
#include "serialportlist.h"

class TestPortWatch : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qunsetenv("YBEX_EXTRA_PORTS"); }

    void hexText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QByteArray() << QString();
        QTest::newRow("zero") << QByteArray(1, '\0') << QString("00");
        QTest::newRow("line feed") << QByteArray("\n") << QString("0A");
        QTest::newRow("high") << QByteArray("\xff") << QString("FF");
        QTest::newRow("block head") << QByteArray("\x01\x00\xff", 3) << QString("01 00 FF");
        QTest::newRow("C ack nak") << QByteArray("C\x06\x15") << QString("43 06 15");
    }
    void hexText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(bytesToHexText(bytes), text);
        if (bytes.size() == 1)
            QCOMPARE(byteToHexText(static_cast<unsigned char>(bytes.at(0))), text);
    }

    void everyByteHasTwoDigits()
    {
        for (int b = 0; b < 256; ++b) {
            const QString text = byteToHexText(static_cast<unsigned char>(b));
            QCOMPARE(text, QString("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper());
        }
    }

    void extraPortsAreExistingPathsOnce()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        const QString path = pty.slavePath();
        qputenv("YBEX_EXTRA_PORTS", QString("%1:/dev/no-such-port::%1").arg(path).toLocal8Bit());
        QCOMPARE(SerialPortList::extraPorts(), QStringList {path});
        const QStringList all = SerialPortList::available();
        QCOMPARE(all.count(path), 1);
        QCOMPARE(all.last(), path);
        // Every listed port is a full location that names an existing device.
        for (const QString &port : all)
            QVERIFY2(QFileInfo::exists(port), qPrintable(port));
        qunsetenv("YBEX_EXTRA_PORTS");
        QVERIFY(!SerialPortList::available().contains(path));
    }

    void compare_data()
    {
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("arrived");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("keep");
        const QStringList a {"/dev/ttyUSB0"}, ab {"/dev/ttyUSB0", "/dev/ttyACM1"};
        QTest::newRow("nothing") << QStringList() << QStringList() << QStringList() << QStringList()
                                 << QStringList() << QStringList();
        QTest::newRow("unchanged") << ab << ab << ab << QStringList() << QStringList() << ab;
        QTest::newRow("arrival") << a << ab << ab << QStringList {"/dev/ttyACM1"} << QStringList()
                                 << ab;
        QTest::newRow("removal") << ab << a << a << QStringList() << QStringList {"/dev/ttyACM1"}
                                 << a;
        QTest::newRow("unlisted but present")
            << ab << a << ab << QStringList() << QStringList() << ab;
        QTest::newRow("both ways")
            << a << QStringList {"/dev/ttyACM1"} << QStringList {"/dev/ttyACM1"}
            << QStringList {"/dev/ttyACM1"} << a << QStringList {"/dev/ttyACM1"};
        QTest::newRow("pts by full location")
            << QStringList {"/dev/pts/5"} << QStringList() << QStringList {"pts/5"} << QStringList()
            << QStringList {"/dev/pts/5"} << QStringList();
    }
    void compare()
    {
        QFETCH(QStringList, known);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, existing);
        QFETCH(QStringList, arrived);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, keep);
        const auto change = QMyNativeEventFilter::comparePorts(
            known, listed, [&](const QString &p) { return existing.contains(p); });
        QCOMPARE(change.arrived, arrived);
        QCOMPARE(change.removed, removed);
        QCOMPARE(change.known, keep);
    }

    // A port named in YBEX_EXTRA_PORTS arrives, and is removed once its node is gone. The
    // node is a file of the test's own: a freed pseudo-terminal number can be taken again
    // at once by another program.
    void watcherSeesPortsComeAndGo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ttyTEST0");
        QFile node(path);
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QMyNativeEventFilter filter;
        QSignalSpy spy(&filter, &QMyNativeEventFilter::comStatus);
        filter.checkPorts();
        QCOMPARE(spy.count(), 0);

        qputenv("YBEX_EXTRA_PORTS", path.toLocal8Bit());
        filter.checkPorts();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QVariantList {path, true}));

        // No longer named, but the node is still there: not a removal.
        qunsetenv("YBEX_EXTRA_PORTS");
        filter.checkPorts();
        QCOMPARE(spy.count(), 1);

        QVERIFY(QFile::remove(path));
        filter.checkPorts();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), (QVariantList {path, false}));
        filter.checkPorts();
        QCOMPARE(spy.count(), 2);
    }

    // The watcher runs by itself about once a second.
    void watcherRunsOnItsOwn()
    {
        QMyNativeEventFilter filter;
        QSignalSpy spy(&filter, &QMyNativeEventFilter::comStatus);
        PtyPair pty;
        qputenv("YBEX_EXTRA_PORTS", pty.slavePath().toLocal8Bit());
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 3000);
        QCOMPARE(spy.at(0), (QVariantList {pty.slavePath(), true}));
        // Windows messages are left alone: the filter never swallows one.
        long result = 7;
        QVERIFY(!filter.nativeEventFilter("xcb_generic_event_t", nullptr, &result));
        QCOMPARE(result, 7L);
    }
};

QTEST_GUILESS_MAIN(TestPortWatch)
#include "tst_portwatch.moc"
