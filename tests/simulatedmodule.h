#ifndef SIMULATEDMODULE_H
#define SIMULATEDMODULE_H

// A display module on the far end of a pseudo-terminal, for tests and benchmarks: it answers
// the limits queries, receives YModem batches after "dcfg", "dpic" and "dfont", reports its
// unpacking after a project and answers the link test. It can emulate the line rate and a
// processing time per block, and misbehave in the ways a real link does.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

class PtyPair;

// A generous limits reply.
inline QByteArray simulatedModuleLimits()
{
    return "MAX_PAGE=30\r\nMAX_WIDGETS=200\r\nMAX_PICS=300\r\nMAX_COMM_TIMERS=8\r\n"
           "MAX_FONTS=32\r\nMAX_SERS=4\r\nMAX_PATH_SIZE=128\r\nDEFAULT_MAX_STR_SIZE=512\r\n"
           "LEFT_MEM=1048576\r\nLEFT_FLASH=65536\r\nBPS=345600\r\nCOL=800\r\nROW=480\r\n"
           "BL=100\r\nDIR=0\r\nOK\r\n";
}

struct SimulatedModuleOptions
{
    QByteArray limitsReply = simulatedModuleLimits();
    int limitsPieces = 1; // the reply in this many writes, a few ms apart
    int baud = 0; // emulated line rate; 0 for an instant line
    int processingUs = 0; // time per received block before the answer
    bool silentLimits = false; // no answer to "si"
    bool nakDataBlocks = false; // NAK instead of ACK for data blocks
    // Blocks (block 0, data or closing block, counted from 1 in the order they arrive) that
    // line noise corrupts on the way, so that their check fails and the module NAKs them.
    QList<int> corruptBlocks;
    // Every this many acknowledgements inside a batch (of block 0, data blocks and the last
    // EOT, counted from 1) arrive garbled, as line noise leaves them; 0 for none. The closing
    // block's is not counted: the module has left the batch by then.
    int garbleAcks = 0;
    // What the first byte of a garbled acknowledgement arrives as.
    char garbledAck = char(0x06 ^ 0x80);
    // Acknowledgements (counted as for garbleAcks) that line noise precedes: a stray byte
    // arrives first, the answer itself 20 ms later.
    QList<int> noiseBeforeAcks;
    // The closing block's ACK arrives garbled (its unpacking reports still follow).
    bool garbleClosingAck = false;
    // A copy of block 0 is acknowledged without the C that asks for data, as rb does.
    bool repeatedHeaderAckOnly = false;
    int silentFromBlock = -1; // from this data block on (counted from 1) nothing is answered
    int cancelAtBlock = -1; // this data block (counted from 1) is answered with CAN CAN
    bool ackFirstEot = false; // a standard receiver: ACK at the first EOT
    int stallAtPercent = -1; // stop the unpacking reports here
    // The unpacking percentages in the order reported; empty for 0 to 100 in steps of 10.
    QList<int> reportPercents;
    bool reportWithAck = false; // the first report rides with the final ACK
    int unplugAfterBlocks = -1; // close the line after this many data blocks
    // Holds that the test lifts with release(), so that it acts while the job certainly
    // runs: this data block (counted from 1) is answered, and the unpacking reports go on
    // behind this percentage, only then.
    int holdAtBlock = -1;
    int holdAfterPercent = -1;
    int reportIntervalMs = 1;
    // What follows each unpacking report: nothing, as the module's own description gives it,
    // or a line end.
    QByteArray reportEnd;
    QByteArray linkAnswer = "GETADDR_1_5_0\r\n";
    int linkAnswerPieces = 0; // the answer in pieces of this many bytes, a few ms apart; 0 whole
};

class SimulatedModule
{
public:
    using Clock = std::chrono::steady_clock;

    using Options = SimulatedModuleOptions;

    struct File
    {
        QString command; // "dcfg", "dpic" or "dfont"
        QString name;
        qint64 size = 0;
        QByteArray data;
    };

    // Timestamps of the last batch, for throughput figures.
    struct Timing
    {
        Clock::time_point batchStart; // the C that answered the command
        Clock::time_point firstDataStart; // the first byte of the first data block arrived
        Clock::time_point firstDataBlock; // the first data block had arrived
        Clock::time_point lastDataAck; // the ACK of the last data block
        Clock::time_point batchEnd; // the ACK of the empty block 0
        qint64 dataBytes = 0;
    };

    explicit SimulatedModule(const Options &options = Options());
    ~SimulatedModule();

    bool isValid() const;
    QString portPath() const;
    void unplug();

    // True while the module waits at a hold of its options.
    bool isHolding() const;
    // Lets the module go on from its hold, and past any later one.
    void release();
    // True once the module no longer answers, as silentLimits, silentFromBlock or
    // stallAtPercent make it.
    bool isSilent() const;

    QStringList commands() const;
    QList<File> files() const;
    int dataBlocks() const;
    // Batches the sender ended with CAN CAN.
    int cancelledBatches() const;
    // Blocks that arrived again once taken: sent again for an answer that seemed lost.
    int repeatedBlocks() const;
    Timing timing() const;

private:
    void run();
    void handle(const QByteArray &bytes, Clock::time_point arrived);
    void handleCommand(const QByteArray &line);
    bool handleBatch(Clock::time_point arrived);
    void answer(const QByteArray &bytes, Clock::time_point arrived, int processingUs = 0);
    QByteArray acknowledgement(const QByteArray &bytes);
    void sendReports();
    void hold();

    Options m_options;
    std::unique_ptr<PtyPair> m_pty;
    std::thread m_thread;
    std::atomic<bool> m_stop {false};
    std::atomic<bool> m_unplug {false};
    std::atomic<bool> m_holding {false};
    std::atomic<bool> m_released {false};
    std::atomic<bool> m_fallenSilent {false};
    mutable QMutex m_mutex;
    QStringList m_commands;
    QList<File> m_files;
    Timing m_timing;
    int m_dataBlocks = 0;
    int m_cancelledBatches = 0;
    int m_repeatedBlocks = 0;
    int m_blocksArrived = 0;
    bool m_silent = false;

    // The module thread's own.
    QByteArray m_input;
    QString m_batch; // the command of the batch being received; empty outside one
    int m_eots = 0;
    int m_cans = 0;
    bool m_fileOpen = false;
    int m_lastNumber = -1; // of the last block taken into the open file
    bool m_lastWasHeader = false;
    int m_acks = 0;
    Clock::time_point m_lineFree;
    Clock::time_point m_chunkStart; // when the bytes being handled began to arrive
    Clock::duration m_byteTime {};
};

#endif // SIMULATEDMODULE_H
