#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "designdocument.h"
#include "designtestutil.h"
#include "downloadtestutil.h"
#include "modulepicture.h"
#include "picturefixtures.h"
#include "qmypushbutton.h"
#include "simulatedmodule.h"
#include "ymodem.h"

namespace {

// Everything the worker reports, received in the test's thread as the window would.
class Recorder : public QObject
{
    Q_OBJECT
public:
    explicit Recorder(YModem *worker)
    {
        connect(worker, &YModem::s_sendMes, this, [this](int kind, const QString &text) {
            messages.append({kind, text});
        });
        connect(worker, &YModem::s_sendProgValue, this,
                [this](int kind, int total, int done, int phase) {
                    progress.append({kind, total, done, phase});
                });
        connect(worker, &YModem::s_sendPortStatus, this,
                [this](bool open) { portStates.append(open); });
        connect(worker, &YModem::s_sendDebugMes, this,
                [this](int, const QString &line) { lines.append(line); });
        connect(worker, &YModem::s_sendInstrParam, this,
                [this](const InstrParam &p) { limits.append(p); });
        connect(worker, &YModem::s_send485, this, [this](int e, int a, int c) {
            rs485.append({e, a, c});
        });
        connect(worker, &YModem::s_sendJobEnded, this, [this](int job, int outcome) {
            ends.append({job, outcome});
        });
    }
    QList<QPair<int, QString>> messages;
    QList<QList<int>> progress;
    QList<bool> portStates;
    QStringList lines;
    QList<InstrParam> limits;
    QList<QList<int>> rs485;
    QList<QPair<int, int>> ends; // job, outcome

    bool logHas(const QString &text) const
    {
        for (const QString &line : lines) {
            if (line.contains(text))
                return true;
        }
        return false;
    }
};

const QString Timeout = QStringLiteral("通信超时，项目下载失败，请您确认通信是否正常！");

// A time-out far above any machine's delay: a wait that ends then ended for its own reason.
constexpr int Forever = 600000;

} // namespace

Q_DECLARE_METATYPE(SimulatedModuleOptions)

class TestYModem : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray container;

    QString folder() const { return dir.path() + QStringLiteral("/project"); }

    YModemJob projectJob() const
    {
        YModemJob job;
        job.job = YModemJob::Project;
        job.directory = folder() + QStringLiteral("/allFile/");
        job.fileName = QStringLiteral("all.cfg");
        job.pages = {YModemJob::Page {3, {{0, 20}, {1, 20}, {2, 20}}}};
        job.pageFileSizes = {900};
        job.projectFolder = folder();
        return job;
    }

    static bool openLink(YModem &worker, Recorder &log, const QString &path, int baud = 345600)
    {
        const int before = log.portStates.size();
        worker.slotOpenClosePort(true, path, baud);
        return QTest::qWaitFor(
            [&] { return log.portStates.size() > before && log.portStates.last(); }, 5000);
    }

    static bool waitIdle(YModem &worker, int ms = 10000)
    {
        return QTest::qWaitFor([&] { return !worker.isJobPending(); }, ms);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        container = randomBytes(20000, 7);
        QVERIFY(writeFile(folder() + "/allFile/all.cfg", container));
    }

    void project_data()
    {
        QTest::addColumn<SimulatedModuleOptions>("options");
        SimulatedModuleOptions plain;
        QTest::newRow("module") << plain;
        SimulatedModuleOptions standard;
        standard.ackFirstEot = true;
        QTest::newRow("ACK at the first EOT") << standard;
        SimulatedModuleOptions together;
        together.reportWithAck = true;
        QTest::newRow("report with the last ACK") << together;
        SimulatedModuleOptions pieces;
        pieces.limitsPieces = 5;
        QTest::newRow("limits in pieces") << pieces;
    }
    void project()
    {
        QFETCH(SimulatedModuleOptions, options);
        SimulatedModule module(options);
        QVERIFY(module.isValid());
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        worker.startJob(projectJob());
        QVERIFY(worker.isJobPending());
        QVERIFY(waitIdle(worker));
        QCOMPARE(log.messages, (QList<QPair<int, QString>>()));
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{YModemJob::Project, YModem::Done}}));
        QCOMPARE(module.commands(), (QStringList {"si 1", "dcfg"}));
        const auto files = module.files();
        QCOMPARE(files.size(), 1);
        QCOMPARE(files.at(0).name, QString("all.cfg"));
        QCOMPARE(files.at(0).size, qint64(container.size()));
        QVERIFY(files.at(0).data == container);

        QTRY_VERIFY(!log.progress.isEmpty()
                    && log.progress.last() == (QList<int> {0, 100, 100, 1}));
        const int size = container.size();
        QCOMPARE(log.progress.first(), (QList<int> {0, size, 0, 0}));
        QVERIFY(log.progress.contains(QList<int> {0, size, size - 1, 0}));
        QVERIFY(log.progress.contains(QList<int> {0, size, size, 0}));
        // Percentages rise to 100 in the unpacking phase.
        int last = -1;
        for (const QList<int> &p : qAsConst(log.progress)) {
            if (p.at(3) == 1) {
                QVERIFY(p.at(2) > last);
                last = p.at(2);
            }
        }
        QCOMPARE(last, 100);
        QTRY_VERIFY(log.logHas("项目解压完成！"));
        QVERIFY(log.logHas("文件打开成功！"));
        QVERIFY(log.logHas("--发送：si 1\n"));
        QVERIFY(log.logHas("--接收：06"));
        QVERIFY(log.logHas("--发送：01 00 FF 61 6C 6C 2E 63 66 67 00 32 30 30 30 30 00 "));
    }

    void failures_data()
    {
        QTest::addColumn<SimulatedModuleOptions>("options");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("commands");
        SimulatedModuleOptions plain;
        SimulatedModuleOptions tight = plain;
        tight.limitsReply = "MAX_PAGE=0\r\nMAX_WIDGETS=200\r\nDEFAULT_MAX_STR_SIZE=512\r\n"
                            "LEFT_MEM=1048576\r\nLEFT_FLASH=10\r\nOK\r\n";
        QTest::newRow("limits") << tight << true << "all.cfg"
                                << "页面超上限、文件超Flash上限" << QStringList {"si 1"};
        QTest::newRow("port closed") << plain << false << "all.cfg"
                                     << "通信未打开，请您确认通信是否打开！" << QStringList();
        QTest::newRow("missing file") << plain << true << "none.cfg"
                                      << "项目下载失败，请您确认文件是否存在！" << QStringList();
        QTest::newRow("empty file") << plain << true << "empty.cfg"
                                    << "项目下载失败，请您确认文件是否存在！" << QStringList();
        SimulatedModuleOptions nak = plain;
        nak.nakDataBlocks = true;
        QTest::newRow("NAK") << nak << true << "all.cfg"
                             << "模块连续10次拒收文件all.cfg的第1块，项目下载失败！"
                             << QStringList {"si 1", "dcfg"};
        SimulatedModuleOptions garbledAcks = plain;
        garbledAcks.garbleAcks = 1;
        QTest::newRow("every ACK garbled") << garbledAcks << true << "all.cfg"
                                           << "模块连续10次拒收文件all.cfg的起始块，项目下载失败！"
                                           << QStringList {"si 1", "dcfg"};
        SimulatedModuleOptions cancels = plain;
        cancels.cancelAtBlock = 3;
        QTest::newRow("module cancels") << cancels << true << "all.cfg"
                                        << "模块取消了项目下载！" << QStringList {"si 1", "dcfg"};
        SimulatedModuleOptions lacking = plain;
        lacking.limitsReply = "MAX_PAGE=30\r\nMAX_WIDGETS=200\r\nDEFAULT_MAX_STR_SIZE=512\r\n"
                              "BPS=345600\r\nOK\r\n";
        QTest::newRow("limits missing")
            << lacking << true << "all.cfg"
            << "模块的上限无法读取（缺少LEFT_MEM、LEFT_FLASH），项目下载失败！"
            << QStringList {"si 1"};
        SimulatedModuleOptions garbled = plain;
        garbled.limitsReply = "MAX_PAGE=3O\r\nMAX_WIDGETS=200\r\nDEFAULT_MAX_STR_SIZE=512\r\n"
                              "LEFT_MEM=1048576\r\nLEFT_FLASH=65536=1\r\nOK\r\n";
        QTest::newRow("limits garbled")
            << garbled << true << "all.cfg"
            << "模块的上限无法读取（MAX_PAGE、LEFT_FLASH的值无法读取），项目下载失败！"
            << QStringList {"si 1"};
        SimulatedModuleOptions silent = plain;
        silent.silentLimits = true;
        QTest::newRow("silence") << silent << true << "all.cfg" << Timeout << QStringList {"si 1"};
        SimulatedModuleOptions mute = plain;
        mute.silentFromBlock = 3;
        QTest::newRow("silent inside the batch")
            << mute << true << "all.cfg" << Timeout << QStringList {"si 1", "dcfg"};
        SimulatedModuleOptions stall = plain;
        stall.stallAtPercent = 50;
        QTest::newRow("stall") << stall << true << "all.cfg" << Timeout
                               << QStringList {"si 1", "dcfg"};
        SimulatedModuleOptions unplug = plain;
        unplug.unplugAfterBlocks = 3;
        QTest::newRow("unplug") << unplug << true << "all.cfg"
                                << "串口%1已拔出，项目下载失败！" << QStringList {"si 1", "dcfg"};
    }
    void failures()
    {
        QFETCH(SimulatedModuleOptions, options);
        QFETCH(bool, open);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(QStringList, commands);
        QVERIFY(writeFile(folder() + "/allFile/empty.cfg", QByteArray()));
        SimulatedModule module(options);
        YModem worker;
        Recorder log(&worker);
        if (open)
            QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job = projectJob();
        job.fileName = file;
        worker.startJob(job);
        const QString tag = QTest::currentDataTag();
        if (message == Timeout) {
            // Soon, but only once the module has fallen silent and the worker has taken what
            // came before: no earlier step of a slow machine times out.
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return module.isSilent()
                        && (tag != "stall" || log.progress.contains(QList<int> {0, 100, 50, 1}));
                },
                10000));
            worker.setTimeouts(400, 400, 400);
        }
        QVERIFY(waitIdle(worker));
        worker.setTimeouts(Forever, Forever, Forever);
        QTRY_COMPARE(log.messages.size(), 1);
        QCOMPARE(log.messages.at(0).first, 1);
        QCOMPARE(log.messages.at(0).second,
                 message.contains("%1") ? message.arg(module.portPath()) : message);
        QCOMPARE(module.commands(), commands);
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{YModemJob::Project, YModem::Failed}}));
        if (message == Timeout || message.startsWith("串口") || message.startsWith("模块连续")
            || message.startsWith("模块取消"))
            QCOMPARE(log.progress.last(), (QList<int> {0, 0, 0, 0}));
        // A module that keeps refusing, or that stops answering inside the batch, is told to
        // leave it, and listens again.
        const bool refusing =
            tag == "NAK" || tag == "every ACK garbled" || tag == "silent inside the batch";
        if (refusing) {
            QTRY_COMPARE(module.cancelledBatches(), 1);
            QVERIFY(log.logHas("--发送：18 18 "));
        }
        if (refusing || tag == "module cancels") {
            YModemJob link;
            link.job = YModemJob::InstructionText;
            link.instructionText = "GET_ADDR\r\n";
            worker.startJob(link);
            QVERIFY(waitIdle(worker));
            QTRY_COMPARE(log.messages.size(), 2);
            QCOMPARE(log.messages.at(1), qMakePair(6, QString("指令集发送成功！")));
        }
        if (QTest::currentDataTag() == QLatin1String("limits")) {
            QCOMPARE(log.limits.size(), 1);
            QCOMPARE(log.limits.at(0).getLeftFlash(), qint64(10));
        }
        if (QTest::currentDataTag() == QLatin1String("stall"))
            QVERIFY(log.progress.contains(QList<int> {0, 100, 50, 1}));
        if (QTest::currentDataTag() == QLatin1String("unplug")) {
            // The port is closed and reported; a new job finds it closed.
            QCOMPARE(log.portStates.last(), false);
            worker.startJob(projectJob());
            QVERIFY(waitIdle(worker));
            QTRY_COMPARE(log.messages.size(), 2);
            QCOMPARE(log.messages.at(1).second, QString("通信未打开，请您确认通信是否打开！"));
        }
    }

    // A block spoilt on the line is refused by the module and sent again; the download ends
    // as if nothing had happened, and the next one works too. So with acknowledgements
    // garbled on the way back: each is taken as a refusal, and the module, which has the
    // block already, takes it once.
    void lineErrorsAreResent_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<SimulatedModuleOptions>("options");
        QTest::addColumn<QString>("answer"); // what the refusals look like in the log
        const auto corrupting = [](const QList<int> &blocks) {
            SimulatedModuleOptions options;
            options.corruptBlocks = blocks;
            return options;
        };
        SimulatedModuleOptions garbling;
        garbling.garbleAcks = 3;
        // The container: block 0, 20 data blocks, the closing block 0.
        QTest::newRow("block 0") << int(YModemJob::Project) << corrupting({1}) << "15";
        QTest::newRow("data blocks") << int(YModemJob::Project) << corrupting({2, 7, 21}) << "15";
        QTest::newRow("closing block") << int(YModemJob::Project) << corrupting({22}) << "15";
        // Fonts of 3000 and 100 bytes: 1, 3 data; 5, 6 data; 7 closing.
        QTest::newRow("fonts") << int(YModemJob::Fonts) << corrupting({3, 5, 6, 7}) << "15";
        QTest::newRow("every third ACK garbled") << int(YModemJob::Project) << garbling << "86";
        QTest::newRow("every third ACK garbled, fonts")
            << int(YModemJob::Fonts) << garbling << "86";
        // The second font's block 0 (the sixth answer) is answered garbled, and its copy with
        // ACK alone: the C that came with the garbled answer still stands.
        SimulatedModuleOptions ackOnly;
        ackOnly.garbleAcks = 6;
        ackOnly.repeatedHeaderAckOnly = true;
        QTest::newRow("copy of block 0 acknowledged without C")
            << int(YModemJob::Fonts) << ackOnly << "86 43";
        // A CAN alone answers nothing either.
        SimulatedModuleOptions can = garbling;
        can.garbledAck = 0x18;
        QTest::newRow("every third ACK a lone CAN") << int(YModemJob::Project) << can << "18";
        QTest::newRow("every third ACK a lone CAN, fonts") << int(YModemJob::Fonts) << can << "18";
        // The module reports its unpacking only once it has the batch.
        SimulatedModuleOptions closing;
        closing.garbleClosingAck = true;
        QTest::newRow("closing block's ACK garbled") << int(YModemJob::Project) << closing << "86";
    }
    void lineErrorsAreResent()
    {
        QFETCH(int, job);
        QFETCH(SimulatedModuleOptions, options);
        QFETCH(QString, answer);
        const QByteArray font0 = randomBytes(3000, 1);
        const QByteArray font3 = randomBytes(100, 2);
        QVERIFY(writeFile(folder() + "/tempFonts/0.font", font0));
        QVERIFY(writeFile(folder() + "/tempFonts/3.font", font3));
        SimulatedModule module(options);
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob request = projectJob();
        if (job == YModemJob::Fonts) {
            request.job = YModemJob::Fonts;
            request.fontIds = QStringList {"0", "3"};
        }
        for (int run = 1; run <= 2; ++run) {
            worker.startJob(request);
            QVERIFY(waitIdle(worker));
            QTRY_COMPARE(log.ends.size(), run);
            QCOMPARE(log.ends.last().second, int(YModem::Done));
        }
        QCOMPARE(log.messages, (QList<QPair<int, QString>>()));
        const auto files = module.files();
        if (job == YModemJob::Project) {
            QCOMPARE(files.size(), 2);
            QVERIFY(files.at(0).data == container);
            QVERIFY(files.at(1).data == container);
        } else {
            QCOMPARE(files.size(), 4);
            QVERIFY(files.at(0).data == font0 && files.at(2).data == font0);
            QVERIFY(files.at(1).data == font3 && files.at(3).data == font3);
        }
        QVERIFY(log.logHas("--接收：" + answer));
    }

    // A stray byte in front of the module's answer is no refusal while the answer may still
    // come: nothing is sent again, so no later answer is taken for the wrong block.
    void noiseInFrontOfAnAnswer_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<QList<int>>("acks"); // counted from 1, block 0 and last EOT included
        // The container: block 0, 20 data blocks, the second EOT.
        QTest::newRow("block 0") << int(YModemJob::Project) << QList<int> {1};
        QTest::newRow("data blocks") << int(YModemJob::Project) << QList<int> {2, 9, 21};
        QTest::newRow("second EOT") << int(YModemJob::Project) << QList<int> {22};
        // Fonts of 3000 and 100 bytes: 1, 2-4 data, 5; 6, 7 data, 8.
        QTest::newRow("fonts") << int(YModemJob::Fonts) << QList<int> {1, 3, 5, 6, 7, 8};
    }
    void noiseInFrontOfAnAnswer()
    {
        QFETCH(int, job);
        QFETCH(QList<int>, acks);
        QVERIFY(writeFile(folder() + "/tempFonts/0.font", randomBytes(3000, 1)));
        QVERIFY(writeFile(folder() + "/tempFonts/3.font", randomBytes(100, 2)));
        YModemJob request = projectJob();
        if (job == YModemJob::Fonts) {
            request.job = YModemJob::Fonts;
            request.fontIds = QStringList {"0", "3"};
        }
        // What a clean line takes.
        const auto sends = [](const Recorder &log) {
            return int(std::count_if(log.lines.begin(), log.lines.end(),
                                     [](const QString &l) { return l.contains("--发送："); }));
        };
        int cleanSends = 0;
        {
            SimulatedModule module;
            YModem worker;
            Recorder log(&worker);
            QVERIFY(openLink(worker, log, module.portPath()));
            worker.startJob(request);
            QVERIFY(waitIdle(worker));
            QTRY_COMPARE(log.ends.size(), 1);
            cleanSends = sends(log);
        }
        SimulatedModuleOptions options;
        options.noiseBeforeAcks = acks;
        SimulatedModule module(options);
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        worker.startJob(request);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{job, YModem::Done}}));
        QCOMPARE(log.messages, (QList<QPair<int, QString>>()));
        QVERIFY(log.logHas("--接收：A5"));
        QCOMPARE(module.repeatedBlocks(), 0);
        QCOMPARE(sends(log), cleanSends);
        const auto files = module.files();
        if (job == YModemJob::Project) {
            QCOMPARE(files.size(), 1);
            QVERIFY(files.at(0).data == container);
        } else {
            QCOMPARE(files.size(), 2);
            QVERIFY(files.at(0).data == randomBytes(3000, 1));
            QVERIFY(files.at(1).data == randomBytes(100, 2));
        }
    }

    // Reports without line ends ("EP_10" and nothing after it) are acted on at once: the
    // module sends nothing behind "EP_90" until it has been shown.
    void unpackingReportsWithoutLineEnds()
    {
        SimulatedModuleOptions options;
        options.reportIntervalMs = 60;
        options.holdAfterPercent = 90;
        SimulatedModule module(options);
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        worker.startJob(projectJob());
        QVERIFY(QTest::qWaitFor(
            [&] {
                return log.progress.contains(QList<int> {0, 100, 90, 1});
            },
            10000));
        QVERIFY(module.isHolding());
        module.release();
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.ends.size(), 1);
        QCOMPARE(log.ends.last().second, int(YModem::Done));
        QList<int> shown;
        for (const QList<int> &p : qAsConst(log.progress)) {
            if (p.at(3) == 1)
                shown.append(p.at(2));
        }
        // Some may be passed over when reports come faster than turns.
        QVERIFY2(shown.contains(90) && shown.last() == 100,
                 qPrintable(QString::number(shown.size())));
    }

    // Unpacking that stops times out after the unpacking time-out, not the step's; only a
    // report above every earlier one is progress, so a module that goes back and forth
    // times out too.
    void unpackingTimesOut_data()
    {
        QTest::addColumn<SimulatedModuleOptions>("options");
        QTest::addColumn<int>("percent"); // shown on the way
        // The module stops after "EP_10".
        SimulatedModuleOptions stall;
        stall.reportIntervalMs = 50;
        stall.stallAtPercent = 10;
        QTest::newRow("stops at 10") << stall << 10;
        // 10 and 20 in turn, for longer than the test runs.
        SimulatedModuleOptions swinging;
        swinging.reportIntervalMs = 30;
        swinging.reportEnd = "\r\n";
        swinging.reportPercents = {0};
        for (int i = 0; i < 20000; ++i)
            swinging.reportPercents << 10 << 20;
        QTest::newRow("back and forth") << swinging << 20;
    }
    void unpackingTimesOut()
    {
        QFETCH(SimulatedModuleOptions, options);
        QFETCH(int, percent);
        SimulatedModule module(options);
        YModem worker;
        worker.setTimeouts(Forever, Forever, Forever);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        worker.startJob(projectJob());
        QVERIFY(QTest::qWaitFor(
            [&] {
                return log.progress.contains(QList<int> {0, 100, percent, 1});
            },
            10000));
        // The step's time-out does not apply while the module unpacks.
        worker.setTimeouts(100, Forever, 100);
        QTest::qWait(300);
        QVERIFY(worker.isJobPending());
        // The unpacking time-out does, whatever reports still come.
        worker.setTimeouts(Forever, 300, Forever);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages, (QList<QPair<int, QString>> {{1, Timeout}}));
    }

    // Pictures count as sent only once the module confirmed the batch: a module that falls
    // silent after the last block leaves the job failed and never at its total.
    void batchCompleteOnlyWhenConfirmed()
    {
        QDir().mkpath(folder() + "/tempImages");
        const QString picture = folder() + "/tempImages/0_p.png";
        QImage noise(40, 40, QImage::Format_RGB32);
        QRandomGenerator random(4);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                noise.setPixel(x, y, random.generate());
        QVERIFY(noise.save(picture)); // sent as it is
        const int size = int(QFileInfo(picture).size());
        QVERIFY(size > 2048);
        const int blocks = (size + 1023) / 1024;
        SimulatedModuleOptions options;
        options.silentFromBlock = blocks;
        SimulatedModule module(options);
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::Pictures;
        job.imagePaths = QStringList {picture};
        job.projectFolder = folder();
        worker.startJob(job);
        // The time-out comes soon, but only once the module has fallen silent.
        QVERIFY(QTest::qWaitFor([&] { return module.isSilent(); }, 10000));
        worker.setTimeouts(300, 300, 300);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{YModemJob::Pictures, YModem::Failed}}));
        QCOMPARE(log.messages.at(0).second,
                 QString("通信超时，图片下载失败，请您确认通信是否正常！"));
        QVERIFY(log.progress.contains(QList<int> {1, size, (blocks - 1) * 1024, 0}));
        QVERIFY(log.progress.contains(QList<int> {1, size, size - 1, 0}));
        for (const QList<int> &p : qAsConst(log.progress))
            QVERIFY(p.at(1) == 0 || p.at(2) < p.at(1));
        QCOMPARE(log.progress.last(), (QList<int> {1, 0, 0, 0}));
    }

    void pictures_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("files as they are") << 0;
        QTest::newRow("converted") << 1;
    }
    void pictures()
    {
        QFETCH(int, mode);
        QImage red(3, 2, QImage::Format_ARGB32);
        red.fill(QColor(255, 0, 0, 128));
        QImage big(40, 30, QImage::Format_RGB32);
        big.fill(Qt::blue);
        const QString first = folder() + "/tempImages/0_red.png";
        const QString second = folder() + "/tempImages/1_big.jpg";
        QDir().mkpath(folder() + "/tempImages");
        QVERIFY(red.save(first));
        QVERIFY(big.save(second));
        SimulatedModule module;
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::Pictures;
        job.pictureMode = mode;
        job.imagePaths = QStringList {first, second};
        job.projectFolder = folder();
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QCOMPARE(log.messages.size(), 0);
        QCOMPARE(module.commands(), (QStringList {"si 2", "dpic"}));
        const auto files = module.files();
        QCOMPARE(files.size(), 2);
        qint64 total = 0;
        for (int i = 0; i < 2; ++i) {
            const QString path = job.imagePaths.at(i);
            QFile source(path);
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QByteArray expected =
                mode == 0 ? source.readAll() : ModulePicture::convert(QImage(path));
            QCOMPARE(files.at(i).name,
                     mode == 0 ? QString("%1.%2").arg(i).arg(QFileInfo(path).suffix())
                               : QString("%1.bin").arg(i));
            QVERIFY(files.at(i).data == expected);
            total += expected.size();
        }
        QTRY_VERIFY(log.logHas("所有图片下载完成！"));
        QVERIFY(log.logHas("图片1下载完成！"));
        QCOMPARE(log.progress.last(), (QList<int> {1, int(total), int(total), 0}));
        QCOMPARE(QFile::exists(folder() + "/allFile/temp.bin"), mode == 1);
        QFile::remove(folder() + "/allFile/temp.bin");
    }

    // The converted picture never goes through a link: neither one named temp.bin nor an
    // allFile that leads elsewhere. What they point to stays as it was.
    void convertedPictureNeverGoesThroughALink_data()
    {
        QTest::addColumn<bool>("linkedFolder");
        QTest::newRow("temp.bin a link") << false;
        QTest::newRow("allFile a link") << true;
    }
    void convertedPictureNeverGoesThroughALink()
    {
        QFETCH(bool, linkedFolder);
        const QString outside = dir.path() + QStringLiteral("/outside");
        QVERIFY(QDir().mkpath(outside));
        QVERIFY(writeFile(outside + "/temp.bin", "the user's"));
        QVERIFY(writeFile(outside + "/target", "the user's"));
        const QString allFile = folder() + "/allFile";
        QVERIFY(QDir().rename(allFile, folder() + "/allFile.kept"));
        if (linkedFolder) {
            QVERIFY(QFile::link(outside, allFile));
        } else {
            QVERIFY(QDir().mkpath(allFile));
            QVERIFY(QFile::link(outside + "/target", allFile + "/temp.bin"));
        }
        QDir().mkpath(folder() + "/tempImages");
        QImage red(3, 2, QImage::Format_ARGB32);
        red.fill(QColor(255, 0, 0, 128));
        const QString picture = folder() + "/tempImages/0_red.png";
        QVERIFY(red.save(picture));

        SimulatedModule module;
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::Pictures;
        job.pictureMode = 1;
        job.imagePaths = QStringList {picture};
        job.projectFolder = folder();
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QCOMPARE(log.messages.size(), 0);
        QCOMPARE(module.files().size(), 1);
        QVERIFY(module.files().at(0).data == ModulePicture::convert(red));

        QCOMPARE(readFile(outside + "/temp.bin"), QByteArray("the user's"));
        QCOMPARE(readFile(outside + "/target"), QByteArray("the user's"));
        QVERIFY(!QFileInfo(allFile).isSymLink());
        QVERIFY(!QFileInfo(allFile + "/temp.bin").isSymLink());
        QVERIFY(QDir(allFile).removeRecursively());
        QVERIFY(QDir().rename(folder() + "/allFile.kept", allFile));
    }

    void fonts()
    {
        const QByteArray font0 = randomBytes(3000, 1);
        const QByteArray font3 = randomBytes(100, 2);
        QVERIFY(writeFile(folder() + "/tempFonts/0.font", font0));
        QVERIFY(writeFile(folder() + "/tempFonts/3.font", font3));
        SimulatedModule module;
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::Fonts;
        job.fontIds = QStringList {"0", "3"};
        job.projectFolder = folder();
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QCOMPARE(log.messages.size(), 0);
        QCOMPARE(module.commands(), (QStringList {"si 3", "dfont"}));
        const auto files = module.files();
        QCOMPARE(files.size(), 2);
        QCOMPARE(files.at(0).name, QString("0.font"));
        QVERIFY(files.at(0).data == font0);
        QCOMPARE(files.at(1).name, QString("3.font"));
        QVERIFY(files.at(1).data == font3);
        QTRY_VERIFY(log.logHas("字库下载完成！"));
        QCOMPARE(log.progress.last(), (QList<int> {2, 3100, 3100, 0}));

        // A font that has gone missing is named.
        job.fontIds = QStringList {"0", "9"};
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages.size(), 1);
        QCOMPARE(log.messages.at(0),
                 qMakePair(1, QString("字库下载失败，9.font字体文件打开失败！")));
    }

    // What goes out is the file as it was when the job took it: another program that cuts
    // it short or rewrites it during the transfer neither ends the process nor mixes files.
    void fileChangedDuringTransfer_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::newRow("cut short") << true;
        QTest::newRow("rewritten") << false;
    }
    void fileChangedDuringTransfer()
    {
        QFETCH(bool, cut);
        const QByteArray font = randomBytes(60000, 5);
        const QString path = folder() + "/tempFonts/5.font";
        QVERIFY(writeFile(path, font));
        // Held after the first blocks while the file changes.
        SimulatedModuleOptions held;
        held.holdAtBlock = 5;
        SimulatedModule module(held);
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::Fonts;
        job.fontIds = QStringList {"5"};
        job.projectFolder = folder();
        worker.startJob(job);
        QVERIFY(QTest::qWaitFor([&] { return module.isHolding(); }, 10000));
        QTRY_VERIFY(!log.progress.isEmpty() && log.progress.last().at(2) > 4096);
        QVERIFY(log.progress.last().at(2) < 30000);
        QFile file(path);
        if (cut) {
            QVERIFY(file.resize(10));
        } else {
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.write(randomBytes(60000, 6)) == 60000);
            file.close();
        }
        module.release();
        QVERIFY(waitIdle(worker));
        QCOMPARE(log.messages.size(), 0);
        const auto files = module.files();
        QCOMPARE(files.size(), 1);
        QVERIFY(files.at(0).data == font);
    }

    // Pictures and fonts that time out say so, not that a project failed.
    void timeOutNamesTheJob_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<QString>("message");
        QTest::newRow("pictures") << int(YModemJob::Pictures)
                                  << "通信超时，图片下载失败，请您确认通信是否正常！";
        QTest::newRow("fonts") << int(YModemJob::Fonts)
                               << "通信超时，字库下载失败，请您确认通信是否正常！";
    }
    void timeOutNamesTheJob()
    {
        QFETCH(int, job);
        QFETCH(QString, message);
        QVERIFY(writeFile(folder() + "/tempFonts/0.font", randomBytes(300, 3)));
        QVERIFY(writePicture(folder() + "/tempImages/0_a.png", 300, 4));
        SimulatedModuleOptions silent;
        silent.silentLimits = true;
        SimulatedModule module(silent);
        YModem worker;
        worker.setTimeouts(300, 300, 300);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob batch;
        batch.job = YModemJob::Type(job);
        batch.imagePaths = QStringList {folder() + "/tempImages/0_a.png"};
        batch.fontIds = QStringList {"0"};
        batch.projectFolder = folder();
        worker.startJob(batch);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages, (QList<QPair<int, QString>> {{1, message}}));
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{job, YModem::Failed}}));
    }

    // Closing the port under a job ends it at once, naming the job and the cause: the module
    // holds its answer and no time-out comes.
    void portClosedDuringJob()
    {
        QVERIFY(writePicture(folder() + "/tempImages/0_big.png", 40000, 5));
        SimulatedModuleOptions held;
        held.holdAtBlock = 1;
        SimulatedModule module(held);
        YModem worker;
        worker.setTimeouts(Forever, Forever, Forever);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob batch;
        batch.job = YModemJob::Pictures;
        batch.imagePaths = QStringList {folder() + "/tempImages/0_big.png"};
        batch.projectFolder = folder();
        worker.startJob(batch);
        QVERIFY(QTest::qWaitFor([&] { return module.isHolding(); }, 5000));
        worker.slotOpenClosePort(false, module.portPath(), 345600);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages,
                     (QList<QPair<int, QString>> {{1, "串口已关闭，图片下载失败！"}}));
        QCOMPARE(log.progress.last(), (QList<int> {1, 0, 0, 0}));
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{YModemJob::Pictures, YModem::Failed}}));
    }

    // A cancelled job says nothing; a batch under way is ended on the line, so that the module
    // answers the next command at once.
    void cancel_data()
    {
        QTest::addColumn<SimulatedModuleOptions>("options");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<int>("cancelledBatches");
        SimulatedModuleOptions held;
        held.holdAtBlock = 2;
        QTest::newRow("inside the batch") << held << "batch" << 1;
        SimulatedModuleOptions silent;
        silent.silentLimits = true;
        QTest::newRow("before the batch") << silent << "limits" << 0;
        SimulatedModuleOptions stall;
        stall.stallAtPercent = 50;
        QTest::newRow("while the module unpacks") << stall << "unpacking" << 0;
    }
    void cancel()
    {
        QFETCH(SimulatedModuleOptions, options);
        QFETCH(QString, phase);
        QFETCH(int, cancelledBatches);
        SimulatedModule module(options);
        YModem worker;
        // Only the cancel ends the job.
        worker.setTimeouts(Forever, Forever, Forever);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        worker.startJob(projectJob());
        if (phase == "batch")
            QVERIFY(QTest::qWaitFor([&] { return module.isHolding(); }, 5000));
        else if (phase == "limits")
            QVERIFY(QTest::qWaitFor([&] { return !module.commands().isEmpty(); }, 5000));
        else
            QVERIFY(QTest::qWaitFor([&] { return log.logHas("项目下载完成！"); }, 5000));
        worker.cancelJob();
        // The module answers the block on the line.
        module.release();
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.ends, (QList<QPair<int, int>> {{YModemJob::Project, YModem::Cancelled}}));
        QCOMPARE(log.messages, (QList<QPair<int, QString>>()));
        QTRY_COMPARE(module.cancelledBatches(), cancelledBatches);
        QCOMPARE(log.logHas("--发送：18 18 "), cancelledBatches == 1);

        YModemJob link;
        link.job = YModemJob::InstructionText;
        link.instructionText = "GET_ADDR\r\n";
        worker.startJob(link);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages, (QList<QPair<int, QString>> {{6, "指令集发送成功！"}}));
        // Nothing to cancel once idle.
        worker.cancelJob();
        QVERIFY(!worker.isJobPending());
    }

    // A cancel is for the job pending when it was asked for, not for one requested after it.
    void cancelSparesALaterRequest()
    {
        SimulatedModuleOptions slow;
        slow.processingUs = 50000;
        SimulatedModule module(slow);
        YModem worker;
        worker.setTimeouts(300, 300, 300);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        worker.startJob(projectJob());
        QVERIFY(QTest::qWaitFor([&] { return module.dataBlocks() >= 1; }, 5000));
        worker.cancelJob();
        YModemJob link;
        link.job = YModemJob::InstructionText;
        link.instructionText = "GET_ADDR\r\n";
        worker.startJob(link);
        QVERIFY(waitIdle(worker));
        QTRY_VERIFY(!log.ends.isEmpty());
        QCOMPARE(log.ends.last().first, int(YModemJob::InstructionText));
        QVERIFY(log.ends.last().second != YModem::Cancelled);
        QVERIFY(log.logHas("--发送：GET_ADDR"));
    }

    // A batch whose file cannot be sent stops before the module is told to receive it, so
    // the module still answers the next command.
    void unreadableFileStopsBeforeTheAnnounce_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QString openFailed = "图片下载失败，%1/tempImages/1_gone.png图片打开失败！";
        const QString tooLarge = "图片下载失败，%1/tempImages/1_gone.png图片为%2像素，超过"
                                 "16777216像素或某边超过65535像素！";
        QTest::newRow("picture gone")
            << int(YModemJob::Pictures) << 0 << QByteArray() << openFailed;
        QTest::newRow("picture that does not decode")
            << int(YModemJob::Pictures) << 1 << QByteArray("not a picture") << openFailed;
        // Sent as it is, it would still have to be a picture for the module.
        QTest::newRow("text sent as a picture")
            << int(YModemJob::Pictures) << 0 << QByteArray("not a picture") << openFailed;
        // Its size does not fit the module's header, and its bytes would not fit an int.
        QTest::newRow("26800 x 26800 to convert")
            << int(YModemJob::Pictures) << 1 << PictureFixtures::pngClaiming(26800, 26800)
            << tooLarge.arg("%1", "26800x26800");
        QTest::newRow("wider than the header holds")
            << int(YModemJob::Pictures) << 1 << PictureFixtures::pngClaiming(70000, 2)
            << tooLarge.arg("%1", "70000x2");
        QTest::newRow("30000 x 30000 sent as it is")
            << int(YModemJob::Pictures) << 0 << PictureFixtures::pngClaiming(30000, 30000)
            << tooLarge.arg("%1", "30000x30000");
        QTest::newRow("font gone") << int(YModemJob::Fonts) << 0 << QByteArray()
                                   << "字库下载失败，9.font字体文件打开失败！";
        QTest::newRow("empty font") << int(YModemJob::Fonts) << 0 << QByteArray("")
                                    << "字库下载失败，9.font字体文件是空的！";
    }
    void unreadableFileStopsBeforeTheAnnounce()
    {
        QFETCH(int, job);
        QFETCH(int, mode);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QDir().mkpath(folder() + "/tempImages");
        QImage red(3, 2, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const QString good = folder() + "/tempImages/0_red.png";
        QVERIFY(red.save(good));
        const QString gone = folder() + "/tempImages/1_gone.png";
        QFile::remove(gone);
        if (!content.isEmpty())
            QVERIFY(writeFile(gone, content));
        QVERIFY(writeFile(folder() + "/tempFonts/0.font", randomBytes(300, 3)));
        const QString font9 = folder() + "/tempFonts/9.font";
        QFile::remove(font9);
        if (job == YModemJob::Fonts && !content.isNull())
            QVERIFY(writeFile(font9, content));
        SimulatedModule module;
        YModem worker;
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob batch;
        batch.job = YModemJob::Type(job);
        batch.pictureMode = mode;
        batch.imagePaths = QStringList {good, gone};
        batch.fontIds = QStringList {"0", "9"};
        batch.projectFolder = folder();
        worker.startJob(batch);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages.size(), 1);
        QCOMPARE(log.messages.at(0), qMakePair(1, message.arg(folder())));
        QCOMPARE(module.commands(), QStringList {job == YModemJob::Pictures ? "si 2" : "si 3"});
        QVERIFY(module.files().isEmpty());

        // The module was never told to wait for a batch: the next download goes through.
        batch.imagePaths = QStringList {good};
        batch.fontIds = QStringList {"0"};
        worker.startJob(batch);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(module.files().size(), 1);
        QCOMPARE(log.messages.size(), 1);
        QFile::remove(gone);
        QFile::remove(font9);
        QFile::remove(folder() + "/allFile/temp.bin");
    }

    // Without asking the module: no time-out could end them.
    void emptyBatchesEndAtOnce()
    {
        SimulatedModule module;
        YModem worker;
        worker.setTimeouts(Forever, Forever, Forever);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::Pictures;
        job.projectFolder = folder();
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        job.job = YModemJob::Fonts;
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages.size(), 2);
        QCOMPARE(log.messages.at(0), qMakePair(3, QString("没有需要下载的图片！")));
        QCOMPARE(log.messages.at(1), qMakePair(3, QString("没有需要下载的字库！")));
        QCOMPARE(module.commands(), QStringList());
    }

    void linkTest_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<QList<int>>>("values");
        QTest::newRow("answer") << QByteArray("GETADDR_1_5_0\r\n") << QList<int> {6}
                                << QList<QList<int>> {{1, 5, 0}};
        QTest::newRow("field in front")
            << QByteArray("A_GETADDR_0_7_1") << QList<int> {6} << QList<QList<int>> {{0, 7, 1}};
        QTest::newRow("silence") << QByteArray() << QList<int> {3, 1} << QList<QList<int>>();
        QTest::newRow("letters") << QByteArray("GETADDR_a_b_c\r\n") << QList<int> {1}
                                 << QList<QList<int>>();
        QTest::newRow("out of range")
            << QByteArray("GETADDR_99999999999_-1_7\r\n") << QList<int> {1} << QList<QList<int>>();
        QTest::newRow("six fields")
            << QByteArray("A_B_GETADDR_1_5_0\r\n") << QList<int> {1} << QList<QList<int>>();
        QTest::newRow("four after the key")
            << QByteArray("GETADDR_9_1_7_1") << QList<int> {1} << QList<QList<int>>();
        QTest::newRow("digit behind the flag")
            << QByteArray("GETADDR_1_5_10") << QList<int> {1} << QList<QList<int>>();
        QTest::newRow("field behind the flag")
            << QByteArray("GETADDR_1_5_0_9\r\n") << QList<int> {1} << QList<QList<int>>();
        // Cut short, then nothing: unreadable once the line is quiet, not a time-out.
        QTest::newRow("flag missing")
            << QByteArray("GETADDR_1_5") << QList<int> {1} << QList<QList<int>>();
        QTest::newRow("cut behind a separator")
            << QByteArray("GETADDR_1_5_") << QList<int> {1} << QList<QList<int>>();
        QTest::newRow("key only") << QByteArray("GETADDR_") << QList<int> {1}
                                  << QList<QList<int>>();
    }
    void linkTest()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QList<int>, kinds);
        QFETCH(QList<QList<int>>, values);
        // The same answer whole and byte by byte.
        for (const int pieces : {int(answer.size()), 1}) {
            SimulatedModuleOptions options;
            options.linkAnswer = answer;
            options.linkAnswerPieces = pieces;
            SimulatedModule module(options);
            YModem worker;
            // Only the silent module's answer times out, and soon.
            worker.setTimeouts(Forever, Forever, answer.isEmpty() ? 400 : Forever);
            Recorder log(&worker);
            QVERIFY(openLink(worker, log, module.portPath()));
            YModemJob job;
            job.job = YModemJob::InstructionText;
            job.instructionText = "GET_ADDR\r\n";
            worker.startJob(job);
            QVERIFY(waitIdle(worker));
            QTRY_COMPARE(log.messages.size(), kinds.size());
            QList<int> seen;
            for (const auto &m : qAsConst(log.messages))
                seen.append(m.first);
            QCOMPARE(seen, kinds);
            QCOMPARE(log.messages.last().second,
                     QString(kinds.last() == 6       ? "指令集发送成功！"
                                 : kinds.size() == 1 ? "模块的应答无法读取，设置未更改！"
                                                     : "通信超时！"));
            QCOMPARE(log.rs485, values);
            QCOMPARE(module.commands(), QStringList {"GET_ADDR"});
        }
    }

    // Three fields without a line end complete the answer once the line is quiet, long before
    // any time-out.
    void linkAnswerWithoutLineEnd()
    {
        SimulatedModuleOptions options;
        options.linkAnswer = "GETADDR_1_300_1";
        SimulatedModule module(options);
        YModem worker;
        worker.setTimeouts(Forever, Forever, Forever);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::InstructionText;
        job.instructionText = "GET_ADDR\r\n";
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.rs485, (QList<QList<int>> {{1, 300, 1}}));
        QTRY_COMPARE(log.messages, (QList<QPair<int, QString>> {{6, "指令集发送成功！"}}));
    }

    // A NUL byte in front of the answer neither stops its reading nor hides it in the log.
    void answerAfterNulIsLogged()
    {
        SimulatedModuleOptions options;
        options.linkAnswer = QByteArray("\0GETADDR_1_5_0\r\n", 16);
        SimulatedModule module(options);
        YModem worker;
        worker.setTimeouts(Forever, Forever, Forever);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath()));
        YModemJob job;
        job.job = YModemJob::InstructionText;
        job.instructionText = "GET_ADDR\r\n";
        worker.startJob(job);
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.rs485, (QList<QList<int>> {{1, 5, 0}}));
        QVERIFY2(log.logHas("GETADDR_1_5_0"), qPrintable(log.lines.join('\n')));
    }

    // A new request abandons the running job; the flag stays up for the new one.
    void requestDuringJob()
    {
        SimulatedModuleOptions held;
        held.baud = 115200;
        held.holdAtBlock = 2;
        SimulatedModule module(held);
        YModem worker;
        // Only the link test, which the module does not answer, times out.
        worker.setTimeouts(Forever, Forever, 500);
        Recorder log(&worker);
        QVERIFY(openLink(worker, log, module.portPath(), 115200));
        worker.startJob(projectJob());
        QVERIFY(QTest::qWaitFor([&] { return module.isHolding(); }, 5000));
        YModemJob link;
        link.job = YModemJob::InstructionText;
        link.instructionText = "GET_ADDR\r\n";
        worker.startJob(link);
        QVERIFY(worker.isJobPending());
        QVERIFY(waitIdle(worker));
        QTRY_VERIFY(log.logHas("--发送：GET_ADDR"));
        // The abandoned job says nothing; the module, still in its batch, does not answer.
        QTRY_COMPARE(log.messages.size(), 2);
        QCOMPARE(log.messages.at(1), qMakePair(1, QString("通信超时！")));
        QVERIFY(!log.progress.contains(QList<int> {0, container.size(), container.size(), 0}));
    }

    // Requests from the GUI thread while the worker runs, under the sanitizers.
    void stress()
    {
        SimulatedModule module;
        YModem worker;
        worker.setTimeouts(300, 300, 300);
        Recorder log(&worker);
        QRandomGenerator random(3);
        YModemJob link;
        link.job = YModemJob::InstructionText;
        link.instructionText = "GET_ADDR\r\n";
        for (int i = 0; i < 300; ++i) {
            switch (random.bounded(4)) {
            case 0:
                worker.startJob(projectJob());
                break;
            case 1:
                worker.startJob(link);
                break;
            case 2:
                worker.slotOpenClosePort(true, module.portPath(), 345600);
                break;
            default:
                worker.slotOpenClosePort(random.bounded(2), module.portPath(), 345600);
                break;
            }
            (void)worker.isJobPending();
            if (random.bounded(3) == 0)
                QTest::qWait(random.bounded(5));
        }
        QVERIFY(waitIdle(worker));
        // Still a working link afterwards, with a module that was not left inside a batch.
        worker.setTimeouts(Forever, Forever, Forever);
        SimulatedModule fresh;
        QVERIFY(openLink(worker, log, fresh.portPath()));
        const int before = log.messages.size();
        worker.startJob(link);
        QVERIFY(waitIdle(worker));
        QTRY_VERIFY(log.messages.size() > before);
        QCOMPARE(log.messages.last(), qMakePair(6, QString("指令集发送成功！")));
    }

    // The worker goes with its job under way: the module holds its answer and no time-out
    // comes, so the job could end by nothing else.
    void destroyedMidTransfer()
    {
        SimulatedModuleOptions held;
        held.baud = 115200;
        held.holdAtBlock = 1;
        SimulatedModule module(held);
        {
            auto worker = std::make_unique<YModem>();
            worker->setTimeouts(Forever, Forever, Forever);
            Recorder log(worker.get());
            QVERIFY(openLink(*worker, log, module.portPath(), 115200));
            worker->startJob(projectJob());
            QVERIFY(QTest::qWaitFor([&] { return module.isHolding(); }, 5000));
            QVERIFY(worker->isJobPending());
        }
        QCOMPARE(module.dataBlocks(), 1);
    }

    void noPortNoWork()
    {
        YModem worker;
        Recorder log(&worker);
        worker.slotOpenClosePort(true, "/dev/no-such-port", 345600);
        QTRY_COMPARE(log.portStates, QList<bool> {false});
        worker.startJob(projectJob());
        QVERIFY(waitIdle(worker));
        QTRY_COMPARE(log.messages.size(), 1);
        QCOMPARE(log.messages.at(0).second, QString("通信未打开，请您确认通信是否打开！"));
    }

    // The request copies the design: later changes do not reach the running job.
    void jobCopiesTheDesign()
    {
        QWidget canvas;
        QList<int> pageFileSizes {100, 200};
        YModemJob job;
        {
            DesignDocument design;
            design.addPage();
            design.addPage();
            auto *button = new QMyPushButton(4, WidgetType::Btn, "Btn", &canvas);
            button->setLongTextLen(77);
            design.addWidget(0, button);
            design.setModelType(1);
            design.setPictures({"/a/0_x.png"});
            design.setFontIds({"2"});
            design.setProjectPath("/some/folder/p.yBEX");
            job = YModemJob::fromDesign(design, pageFileSizes, 1, "d/", "f", "t");
            design.setPictures({});
            design.setFontIds({});
        }
        pageFileSizes.clear();
        QCOMPARE(job.job, 1);
        QCOMPARE(job.directory, QString("d/"));
        QCOMPARE(job.fileName, QString("f"));
        QCOMPARE(job.instructionText, QString("t"));
        QCOMPARE(job.pictureMode, 1);
        QCOMPARE(job.pages.size(), 2);
        QCOMPARE(job.pages.at(0).widgetCount, 1);
        QCOMPARE(job.pages.at(0).textLengths, (QVector<QPair<int, int>> {{4, 77}}));
        QCOMPARE(job.pageFileSizes, (QList<int> {100, 200}));
        QCOMPARE(job.imagePaths, QStringList {"/a/0_x.png"});
        QCOMPARE(job.fontIds, QStringList {"2"});
        QCOMPARE(job.projectFolder, QString("/some/folder"));
    }
};

QTEST_MAIN(TestYModem)
#include "tst_ymodem.moc"
