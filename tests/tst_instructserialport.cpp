#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "instructpayload.h"
#include "instructserialport.h"

// Stands in for the dialog: records what the worker asks to write and, when told to,
// answers every write the way the module's "OK" would.
class WriteLog : public QObject
{
    Q_OBJECT
public:
    explicit WriteLog(InstructSerialPort *worker, bool answer)
        : worker(worker)
        , answer(answer)
    {
        connect(worker, QOverload<QByteArray>::of(&InstructSerialPort::s_writePort), this,
                [this](const QByteArray &data) { record(data, false); });
        connect(worker, QOverload<QString>::of(&InstructSerialPort::s_writePort), this,
                [this](const QString &text) { record(text.toLocal8Bit(), true); });
        connect(worker, &InstructSerialPort::s_sendMes, this,
                [this](int kind, const QString &text) { messages << qMakePair(kind, text); });
        connect(worker, &InstructSerialPort::s_sendProgressBar, this,
                [this](int kind, int total, int done) {
                    progress << QList<int> {kind, total, done};
                });
    }
    void record(const QByteArray &data, bool asString)
    {
        writes << data;
        asStrings << asString;
        if (answer)
            worker->nextStep();
    }

    QPair<int, QString> lastMessage() const { return messages.value(messages.size() - 1); }

    InstructSerialPort *worker;
    bool answer;
    QList<QByteArray> writes;
    QList<bool> asStrings;
    QList<QPair<int, QString>> messages;
    QList<QList<int>> progress;
};

class TestInstructSerialPort : public QObject
{
    Q_OBJECT
private slots:
    void rgb565_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("red") << qRgb(255, 0, 0) << QByteArray("\xF8\x00", 2);
        QTest::newRow("green") << qRgb(0, 255, 0) << QByteArray("\x07\xE0", 2);
        QTest::newRow("blue") << qRgb(0, 0, 255) << QByteArray("\x00\x1F", 2);
        QTest::newRow("white") << qRgb(255, 255, 255) << QByteArray("\xFF\xFF", 2);
        QTest::newRow("low bits dropped") << qRgb(15, 7, 15) << QByteArray("\x08\x21", 2);
        QTest::newRow("alpha ignored") << qRgba(255, 0, 0, 0) << QByteArray("\xF8\x00", 2);
    }
    void rgb565()
    {
        QFETCH(QRgb, pixel);
        QFETCH(QByteArray, expected);
        for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB888}) {
            QImage image(1, 1, QImage::Format_ARGB32);
            image.setPixel(0, 0, pixel);
            QCOMPARE(InstructPayload::picturePixels(image.convertToFormat(format)), expected);
        }
    }

    void pixelOrderIsRowByRow()
    {
        QImage image(2, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(0, 255, 0));
        image.setPixel(0, 1, qRgb(0, 0, 255));
        image.setPixel(1, 1, qRgb(0, 0, 0));
        QCOMPARE(InstructPayload::picturePixels(image).toHex(), QByteArray("f80007e0001f0000"));
    }

    void pictureHeader()
    {
        const QList<QSize> sizes {QSize(10, 10), QSize(10, 10), QSize(10, 10)};
        QCOMPARE(InstructPayload::pictureHeaderSize(3), 18);
        QCOMPARE(InstructPayload::pictureHeader(sizes).toHex(' ').toUpper(),
                 QByteArray("00 00 02 58 00 03 00 0A 00 0A 00 0A 00 0A 00 0A 00 0A"));
        QCOMPARE(InstructPayload::pictureHeader({QSize(800, 480)}).toHex(),
                 QByteArray("000bb8000001032001e0"));
    }

    void fontBlobs()
    {
        QCOMPARE(InstructPayload::fontBlob({}, false), QByteArray(1909488, char(0xFF)));
        QCOMPARE(InstructPayload::fontBlob({}, true), QByteArray(2744640, char(0xFF)));

        QTemporaryDir dir;
        auto file = [&](const QString &name, int size, char fill) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(size, fill));
            return f.fileName();
        };
        // The first path of a name counts; a shorter small font is not padded, a longer
        // one is sent whole; a shorter large font is padded to its size.
        const QStringList paths {file("E_16.bin", 10, 'a'), dir.filePath("sub/E_16.bin"),
                                 file("C_16.bin", 261700, 'b'), file("E_48.bin", 3, 'c'),
                                 dir.filePath("missing/C_48.bin")};
        const QByteArray small = InstructPayload::fontBlob(paths, false);
        QCOMPARE(small.size(), 1909488 + 4 - 1520 + 10);
        QCOMPARE(small.left(261700), QByteArray(261700, 'b'));
        QCOMPARE(small.right(10), QByteArray(10, 'a'));
        const QByteArray large = InstructPayload::fontBlob(paths, true);
        QCOMPARE(large.size(), 2744640);
        QCOMPARE(large.left(4), QByteArray("ccc\xFF"));
    }

    void textJobs_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("backlight") << 3 << 4 << "背光度设置成功！";
        QTest::newRow("baud") << 4 << 5 << "波特率设置成功！";
        QTest::newRow("text") << 5 << 6 << "指令集发送成功！";
    }
    void textJobs()
    {
        QFETCH(int, job);
        QFETCH(int, kind);
        QFETCH(QString, confirmation);
        InstructSerialPort worker;
        WriteLog log(&worker, false);
        QVERIFY(!worker.isActive());
        worker.startJob(job, "BL(20);\r\n");
        QVERIFY(worker.isActive());
        QTRY_COMPARE(log.writes.size(), 1);
        QCOMPARE(log.writes.at(0), QByteArray("BL(20);\r\n"));
        QCOMPARE(log.messages.value(0), qMakePair(3, QString("BL(20);\r\n")));
        QVERIFY(worker.isActive());
        worker.nextStep();
        QTRY_COMPARE(log.lastMessage(), qMakePair(kind, confirmation));
        QVERIFY(!worker.isActive());
        QCOMPARE(log.messages.size(), 2);
        QCOMPARE(log.writes.size(), 1);
    }

    void timeOut()
    {
        InstructSerialPort worker;
        QCOMPARE(worker.jobTimeout(3), 5000);
        QCOMPARE(worker.jobTimeout(1), 1200000);
        worker.setJobTimeout(3, 60);
        WriteLog log(&worker, false);
        QElapsedTimer clock;
        clock.start();
        worker.startJob(3, "BL(1);\r\n");
        QTRY_VERIFY(!worker.isActive());
        QVERIFY(clock.elapsed() >= 60);
        QTRY_COMPARE(log.messages.size(), 3);
        QCOMPARE(log.messages.at(1), qMakePair(3, QString("通信超时，下载失败！")));
        QCOMPARE(log.messages.at(2), qMakePair(1, QString("通信超时，下载失败！")));
    }

    void watchJobOnlyTimesOut()
    {
        InstructSerialPort worker;
        worker.setJobTimeout(0, 600000);
        WriteLog log(&worker, false);
        worker.startJob(0, QString());
        // Answers never end it.
        for (int i = 0; i < 6; ++i)
            worker.nextStep();
        QTest::qWait(250);
        QVERIFY(worker.isActive());
        QVERIFY(log.messages.isEmpty());
        // Each answer restarts the step's clock: a time-out shorter than the job has run
        // still counts from the last answer.
        QElapsedTimer sinceAnswer;
        sinceAnswer.start();
        worker.nextStep();
        worker.setJobTimeout(0, 200);
        QTRY_COMPARE(log.messages.size(), 2);
        QVERIFY(sinceAnswer.elapsed() >= 200);
        QVERIFY(!worker.isActive());
        QCOMPARE(log.writes.size(), 0);
    }

    void resetEndsAtOnce()
    {
        InstructSerialPort worker;
        WriteLog log(&worker, false);
        worker.startJob(4, "BPS(9600);\r\n");
        QTRY_COMPARE(log.writes.size(), 1);
        worker.reset();
        QVERIFY(!worker.isActive());
        worker.nextStep();
        QTest::qWait(50);
        QCOMPARE(log.messages.size(), 1); // no confirmation after the reset
    }

    void newJobReplacesRunningOne()
    {
        InstructSerialPort worker;
        worker.setJobTimeout(3, 100);
        WriteLog log(&worker, false);
        worker.startJob(3, "BL(1);\r\n");
        QTRY_COMPARE(log.writes.size(), 1);
        worker.startJob(5, "X\r\n");
        QTRY_COMPARE(log.writes.size(), 2);
        QCOMPARE(log.writes.at(1), QByteArray("X\r\n"));
        QTest::qWait(150); // the first job's time-out would have passed
        QVERIFY(worker.isActive());
        worker.nextStep();
        QTRY_COMPARE(log.lastMessage(), qMakePair(6, QString("指令集发送成功！")));
        QVERIFY(!worker.isActive());
    }

    void pictureJob()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            QImage image(10, 10, QImage::Format_RGB32);
            image.fill(qRgb(255, 0, 0));
            paths << dir.filePath(QString("%1_red.png").arg(i));
            QVERIFY(image.save(paths.last()));
        }
        InstructSerialPort worker;
        WriteLog log(&worker, true);
        worker.startJob(1, QString(), paths);
        QTRY_COMPARE(log.lastMessage(), qMakePair(3, QString("图片下载成功！")));
        QVERIFY(!worker.isActive());
        QCOMPARE(log.writes.size(), 6);
        QCOMPARE(log.writes.at(0), QByteArray("FCHECK();\r\n"));
        QCOMPARE(log.writes.at(1), QByteArray("FS_HEAD(18);\r\n"));
        QCOMPARE(log.asStrings.at(1), true);
        QCOMPARE(log.writes.at(2).left(10).toHex(' ').toUpper(),
                 QByteArray("00 00 02 58 00 03 00 0A 00 0A"));
        QCOMPARE(log.writes.at(2).size(), 18);
        QCOMPARE(log.writes.at(3), QByteArray("SR_DLOAD(2,600);\r\n"));
        QCOMPARE(log.writes.at(4).size(), 600);
        QCOMPARE(log.writes.at(4).left(4), QByteArray("\xF8\x00\xF8\x00", 4));
        QCOMPARE(log.writes.at(5), QByteArray("RESET();\r\n"));
        const int total = 2 * (18 + 600);
        QCOMPARE(log.progress, (QList<QList<int>> {{1, total, 0}, {1, total, total}}));
    }

    void pictureJobWithoutPictures()
    {
        InstructSerialPort worker;
        WriteLog log(&worker, true);
        worker.startJob(1, QString(), {});
        QTRY_COMPARE(log.lastMessage(), qMakePair(3, QString("图片下载成功！")));
        QVERIFY(!worker.isActive());
        QCOMPARE(log.writes.value(1), QByteArray("FS_HEAD(6);\r\n"));
        QCOMPARE(log.writes.value(2).toHex(), QByteArray("000000000000"));
        QCOMPARE(log.writes.value(3), QByteArray("SR_DLOAD(2,0);\r\n"));
        QCOMPARE(log.writes.value(4), QByteArray("RESET();\r\n"));
    }

    void unreadablePicture()
    {
        InstructSerialPort worker;
        WriteLog log(&worker, true);
        worker.startJob(1, QString(), {"/nonexistent/0_a.png"});
        QTRY_COMPARE(log.lastMessage(),
                     qMakePair(1, QString("图片下载失败，/nonexistent/0_a.png图片打开失败！")));
        QVERIFY(!worker.isActive());
        QCOMPARE(log.writes.size(), 1);
    }

    void fontJob()
    {
        InstructSerialPort worker;
        WriteLog log(&worker, true);
        worker.startJob(2, QString(), {}, {});
        QTRY_COMPARE(log.lastMessage(), qMakePair(0, QString("字库下载成功！")));
        QVERIFY(!worker.isActive());
        QCOMPARE(log.writes.size(), 4);
        QCOMPARE(log.writes.at(0), QByteArray("ZIKU(1909488);\r\n"));
        QCOMPARE(log.writes.at(1).size(), 1909488);
        QCOMPARE(log.writes.at(2), QByteArray("ZIKU48(2744640);\r\n"));
        QCOMPARE(log.writes.at(3).size(), 2744640);
        QCOMPARE(log.messages.at(1), qMakePair(3, QString("小字库下载中，请稍后......")));
    }

    void fontBlobTooLarge()
    {
        QTemporaryDir dir;
        QFile big(dir.filePath("C_32.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(1046800 + 200000, 'x'));
        big.close();
        InstructSerialPort worker;
        WriteLog log(&worker, true);
        worker.startJob(2, QString(), {}, {big.fileName()});
        QTRY_COMPARE(log.lastMessage(), qMakePair(1, QString("小字库不能超过2M！")));
        QVERIFY(!worker.isActive());
        QCOMPARE(log.writes.size(), 0);
    }

    // Requests from the GUI thread race the loop; run under the sanitizers this shows
    // whether the shared state is safe.
    void requestsDuringJobs()
    {
        InstructSerialPort worker;
        WriteLog log(&worker, false);
        for (int i = 0; i < 300; ++i) {
            switch (i % 4) {
            case 0:
                worker.startJob(3 + i % 3, QString("I%1\r\n").arg(i));
                break;
            case 1:
            case 2:
                worker.nextStep();
                break;
            default:
                worker.reset();
                QVERIFY(!worker.isActive());
            }
            if (i % 16 == 0)
                QCoreApplication::processEvents();
        }
        worker.startJob(5, "last\r\n");
        QTRY_COMPARE(log.writes.isEmpty() ? QByteArray() : log.writes.last(),
                     QByteArray("last\r\n"));
        worker.nextStep();
        QTRY_VERIFY(!worker.isActive());
    }
};

QTEST_GUILESS_MAIN(TestInstructSerialPort)
#include "tst_instructserialport.moc"
