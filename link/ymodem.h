#ifndef YMODEM_H
#define YMODEM_H

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <atomic>

#include "instrparam.h"
#include "modulereply.h"
#include "ymodemjob.h"

class QThread;
class QTimer;

// The download worker: owns the download port in a thread of its own and runs one job at a
// time (0 project container, 1 pictures, 2 fonts, 5 link test), reporting by signals.
//
// The GUI thread hands over requests through a mailbox that the worker takes once per turn;
// only the worker touches its port and its transfer. A turn runs as soon as the module
// answers, and at least every 10 ms while a job runs; an idle worker sleeps.
class YModem : public QObject
{
    Q_OBJECT

public:
    explicit YModem(QObject *parent = nullptr);
    ~YModem() override;

    // How a job ended, as s_sendJobEnded reports it.
    enum Outcome { Done, Failed, Cancelled };

    // Requests a job; a job already running is abandoned.
    void startJob(const YModemJob &job);
    // Ends the pending job soon: a batch under way is cancelled on the line, so that the
    // module does not wait for the rest of it.
    void cancelJob();
    // True from startJob until the worker has ended the latest requested job.
    bool isJobPending() const { return jobPending; }
    // The type of the latest requested job; meaningful while one is pending.
    int pendingJob() const { return pendingType; }

    // What the user calls a job in messages: "图片下载" and the like.
    static QString jobName(int job);

    static quint16 crc16(const QByteArray &data);

    // Waits without progress before a job gives up: 20 s per step, 40 s while the module
    // unpacks, 10 s for the link test. Tests shorten them.
    void setTimeouts(int stepMs, int unpackMs, int answerMs);

signals:
    // A job's closing messages come once it no longer counts as pending.
    void s_sendMes(int kind, QString text);
    void s_sendProgValue(int kind, int total, int done, int phase = 0);
    void s_sendPortStatus(bool open);
    void s_sendDebugMes(int, QString line);
    void s_sendInstrParam(InstrParam param);
    void s_send485(int enable, int address, int crc);
    // After the job's other signals and once it no longer counts as pending.
    void s_sendJobEnded(int job, int outcome);

public slots:
    void slotOpenClosePort(bool open, QString portName, int baud);
    // The device of this port is gone: told as a hang-up the worker notices itself is, and
    // only once however both are noticed.
    void slotPortVanished(QString portName);
    void slotRecvCOMMdata();
    void slotThread();

private slots:
    void slotPortError(QSerialPort::SerialPortError error);

private:
    void wake();
    void runTurn();
    // The running job's time-out check and one step.
    void stepTurn();
    void openOrClosePort(bool open, const QString &name, int baud);
    void handleLostPort();
    void prepareJob();
    bool timedOut();
    void projectStep();
    void batchStep();
    void fileStep(int first);
    bool sendEndOfBatch();
    void linkTestStep();
    bool limitsReadable();
    bool checkLimits(const QString &report);
    bool openNextFile();
    bool loadFile(const QString &path);
    void closeFile();
    void resetTransfer();
    bool cancelStep();
    // Ends the job and then sends its messages (kind, text).
    void endJob(Outcome outcome = Done, const QList<QPair<int, QString>> &messages = {});
    void fail(const QString &message);
    // Ends a job whose progress window is open: the bar goes back to nothing, then the message.
    void failTransfer(const QString &message);

    // With quiet, the line has been quiet a while: see ModuleReply::takeAfterQuiet.
    void parseReply(bool quiet = false);
    void writeText(const QString &text);
    // What was written last, to name it if the module keeps refusing it; the CAN pair is
    // never sent again.
    enum BlockKind { Unnamed, Header, Data, EndOfFile, EndOfBatch };
    void writeBlock(const QByteArray &bytes, BlockKind kind);
    QString blockName() const;
    void sendBlock(const QByteArray &bytes);
    void leaveBatch();
    bool refused() const;
    bool resendOnNak();
    void emitBatchProgress();
    void sendDataBlock();
    void debugLine(const QString &direction, const QString &text);
    void emitProgress(int kind, qint64 total, qint64 done, int phase = 0);
    int progressKind() const { return current.job; }
    qint64 batchSize(qint64 *count) const;
    // The failure message for the first file of the batch that cannot be read; empty when
    // every file can.
    QString unreadableFile() const;
    QString pictureFailure(const QString &source) const;
    QString fontFailure(const QString &folder, const QString &fileName) const;

    // Shared with the GUI thread.
    mutable QMutex mailboxMutex;
    bool portRequest = false;
    bool requestOpen = false;
    QString requestPortName;
    int requestBaud = 0;
    QString vanishedPortName;
    bool jobRequest = false;
    YModemJob requestedJob;
    quint64 requestSerial = 0;
    quint64 cancelSerial = 0;
    std::atomic<bool> jobPending {false};
    std::atomic<int> pendingType {-1};
    std::atomic<bool> running {true};
    std::atomic<int> stepTimeoutMs {20000};
    std::atomic<int> unpackTimeoutMs {40000};
    std::atomic<int> answerTimeoutMs {10000};

    // The worker thread's own.
    QThread *thread = nullptr;
    QSerialPort *port = nullptr;
    QTimer *turnTimer = nullptr;
    bool portCreated = false;
    bool portOpen = false;
    bool portLost = false;
    QString openPortName;
    int lineBaud = 0;

    YModemJob current;
    quint64 currentSerial = 0;
    bool jobActive = false;
    bool jobStarted = false;
    // From the batch command until the closing block is sent: the module is inside a batch.
    bool batchOpen = false;
    bool cancelling = false; // the current job's cancel was asked for
    QElapsedTimer cancelStamp;
    int step = 0;
    int stepOfStamp = -1;
    QElapsedTimer stamp;

    // The file being sent, as it was when it was opened.
    QByteArray fileBytes;
    qint64 remaining = 0;
    qint64 offset = 0;
    quint8 blockNumber = 0;
    int fileIndex = 0;
    qint64 totalBytes = 0;
    qint64 sentBytes = 0;
    QString fileName;

    ModuleReply reply;
    QElapsedTimer lastReceived; // since the last bytes came in, or the last text went out
    bool ackReceived = false;
    bool nakReceived = false;
    bool cReceived = false;
    bool garbledReceived = false; // a byte that is no answer: see refused()
    QElapsedTimer blockSent; // the last block went out
    InstrParam instrParam;
    int modulePercent = 0;
    int lastPercent = 0;
    int peakPercent = -1; // the highest unpacking percentage shown so far
    bool moduleCancelled = false;
    QStringList limitsMissing;
    QStringList limitsUnreadable;
    bool linkValuesRead = false;
    QByteArray lastBlock;
    BlockKind lastBlockKind = Unnamed;
    int sends = 0; // of the last block
    int fileBlocks = 0; // data blocks of the current file sent so far
};

#endif // YMODEM_H
