#include "simulatedmodule.h"

#include "ptypair.h"
#include "ymodemframe.h"

#include <QMutexLocker>

using namespace std::chrono;

namespace {

constexpr char Can = 0x18;

} // namespace

SimulatedModule::SimulatedModule(const Options &options)
    : m_options(options)
    , m_pty(std::make_unique<PtyPair>())
{
    if (m_options.baud > 0)
        m_byteTime =
            duration_cast<Clock::duration>(nanoseconds(10LL * 1000000000LL / m_options.baud));
    if (m_pty->isValid())
        m_thread = std::thread([this] { run(); });
}

SimulatedModule::~SimulatedModule()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool SimulatedModule::isValid() const
{
    return m_pty->isValid();
}

QString SimulatedModule::portPath() const
{
    return m_pty->slavePath();
}

void SimulatedModule::unplug()
{
    m_unplug = true;
}

bool SimulatedModule::isHolding() const
{
    return m_holding;
}

void SimulatedModule::release()
{
    m_released = true;
}

bool SimulatedModule::isSilent() const
{
    return m_fallenSilent;
}

void SimulatedModule::hold()
{
    m_holding = true;
    while (!m_released && !m_stop && !m_unplug)
        std::this_thread::sleep_for(milliseconds(1));
    m_holding = false;
}

QStringList SimulatedModule::commands() const
{
    QMutexLocker lock(&m_mutex);
    return m_commands;
}

QList<SimulatedModule::File> SimulatedModule::files() const
{
    QMutexLocker lock(&m_mutex);
    return m_files;
}

int SimulatedModule::dataBlocks() const
{
    QMutexLocker lock(&m_mutex);
    return m_dataBlocks;
}

int SimulatedModule::cancelledBatches() const
{
    QMutexLocker lock(&m_mutex);
    return m_cancelledBatches;
}

int SimulatedModule::repeatedBlocks() const
{
    QMutexLocker lock(&m_mutex);
    return m_repeatedBlocks;
}

SimulatedModule::Timing SimulatedModule::timing() const
{
    QMutexLocker lock(&m_mutex);
    return m_timing;
}

void SimulatedModule::run()
{
    while (!m_stop) {
        if (m_unplug) {
            m_pty->close();
            return;
        }
        const QByteArray bytes = m_pty->read(5);
        if (!bytes.isEmpty())
            handle(bytes, Clock::now());
    }
}

void SimulatedModule::answer(const QByteArray &bytes, Clock::time_point arrived, int processingUs)
{
    // The answer leaves once the last byte has crossed the line and been dealt with, and
    // takes its own time on the line back.
    if (m_byteTime.count() > 0 || processingUs > 0) {
        const Clock::time_point ready =
            std::max(m_lineFree, arrived) + microseconds(processingUs) + m_byteTime * bytes.size();
        std::this_thread::sleep_until(ready);
    }
    m_pty->write(bytes);
}

QByteArray SimulatedModule::acknowledgement(const QByteArray &bytes)
{
    QByteArray sent = bytes;
    ++m_acks;
    if (m_options.garbleAcks > 0 && m_acks % m_options.garbleAcks == 0)
        sent[0] = m_options.garbledAck;
    if (m_options.noiseBeforeAcks.contains(m_acks)) {
        m_pty->write(QByteArray(1, char(0xA5)));
        std::this_thread::sleep_for(milliseconds(20));
    }
    return sent;
}

void SimulatedModule::handle(const QByteArray &bytes, Clock::time_point arrived)
{
    m_chunkStart = std::max(m_lineFree, arrived);
    m_lineFree = m_chunkStart + m_byteTime * bytes.size();
    m_input += bytes;
    for (;;) {
        if (m_unplug || m_stop)
            return;
        if (!m_batch.isEmpty()) {
            if (!handleBatch(arrived))
                return;
            continue;
        }
        const int end = m_input.indexOf('\n');
        if (end < 0)
            return;
        QByteArray line = m_input.left(end);
        m_input.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        handleCommand(line);
    }
}

void SimulatedModule::handleCommand(const QByteArray &line)
{
    {
        QMutexLocker lock(&m_mutex);
        m_commands.append(QString::fromLatin1(line));
    }
    if (line.startsWith("si ")) {
        if (m_options.silentLimits) {
            m_fallenSilent = true;
            return;
        }
        const QByteArray &reply = m_options.limitsReply;
        const int pieces = qMax(1, m_options.limitsPieces);
        const int size = (reply.size() + pieces - 1) / pieces;
        for (int i = 0; i < reply.size(); i += size) {
            if (i > 0)
                std::this_thread::sleep_for(milliseconds(3));
            answer(reply.mid(i, size), Clock::now());
        }
    } else if (line == "dcfg" || line == "dpic" || line == "dfont") {
        m_batch = QString::fromLatin1(line);
        m_eots = 0;
        m_fileOpen = false;
        m_silent = false;
        m_blocksArrived = 0;
        {
            QMutexLocker lock(&m_mutex);
            m_timing = Timing();
        }
        answer(QByteArray(1, YModemFrame::C), Clock::now());
        QMutexLocker lock(&m_mutex);
        m_timing.batchStart = Clock::now();
    } else if (line == "GET_ADDR") {
        const QByteArray &reply = m_options.linkAnswer;
        const int size = m_options.linkAnswerPieces > 0 ? m_options.linkAnswerPieces
                                                        : qMax(1, int(reply.size()));
        for (int i = 0; i < reply.size(); i += size) {
            if (i > 0)
                std::this_thread::sleep_for(milliseconds(2));
            answer(reply.mid(i, size), Clock::now());
        }
    }
}

// Reads one item of the batch from the input; false when more bytes are needed.
bool SimulatedModule::handleBatch(Clock::time_point arrived)
{
    if (m_input.isEmpty())
        return false;
    const char head = m_input.at(0);
    // Two CAN bytes in a row end the batch, as a YModem receiver takes them.
    m_cans = head == Can ? m_cans + 1 : 0;
    if (m_cans == 2) {
        m_input.remove(0, 1);
        m_batch.clear();
        m_fileOpen = false;
        m_cans = 0;
        QMutexLocker lock(&m_mutex);
        ++m_cancelledBatches;
        return true;
    }
    if (m_silent) {
        // Nothing is answered, but a cancel is still heard.
        m_input.remove(0, 1);
        return true;
    }
    if (head == YModemFrame::Eot) {
        m_input.remove(0, 1);
        ++m_eots;
        if (m_eots == 1 && !m_options.ackFirstEot) {
            answer(QByteArray(1, YModemFrame::Nak), arrived);
        } else {
            m_fileOpen = false;
            m_eots = 0;
            answer(acknowledgement(QByteArray() + YModemFrame::Ack + YModemFrame::C), arrived);
        }
        return true;
    }
    if (head != YModemFrame::Soh && head != YModemFrame::Stx) {
        m_input.remove(0, 1); // line noise
        return true;
    }
    const int size = head == YModemFrame::Soh ? YModemFrame::ShortSize : YModemFrame::LongSize;
    if (m_input.size() < size + 5)
        return false;
    QByteArray block = m_input.left(size + 5);
    m_input.remove(0, size + 5);
    if (m_options.corruptBlocks.contains(++m_blocksArrived))
        block[3] = char(block.at(3) ^ 0x01);
    const quint8 number = quint8(block.at(1));
    const quint16 crc = quint16((quint8(block.at(size + 3)) << 8) | quint8(block.at(size + 4)));
    if (quint8(block.at(2)) != quint8(0xFF - number)
        || crc != YModemFrame::crc16(block.constData() + 3, size)) {
        answer(QByteArray(1, YModemFrame::Nak), arrived);
        return true;
    }
    const QByteArray data = block.mid(3, size);
    if (m_fileOpen && number == m_lastNumber) {
        // Sent again because its acknowledgement did not arrive: taken once, acknowledged
        // again, as YModem receivers do.
        {
            QMutexLocker lock(&m_mutex);
            ++m_repeatedBlocks;
        }
        answer(acknowledgement(m_lastWasHeader && !m_options.repeatedHeaderAckOnly
                                   ? QByteArray() + YModemFrame::Ack + YModemFrame::C
                                   : QByteArray(1, YModemFrame::Ack)),
               arrived);
        return true;
    }
    if (!m_fileOpen && number == 0) {
        const QByteArray name = data.left(data.indexOf('\0'));
        if (name.isEmpty()) {
            // The empty block 0 ends the batch.
            const QString command = m_batch;
            m_batch.clear();
            QByteArray ack(1, m_options.garbleClosingAck ? m_options.garbledAck : YModemFrame::Ack);
            if (command == QLatin1String("dcfg") && m_options.reportWithAck)
                ack += "EP_0" + m_options.reportEnd;
            answer(ack, arrived);
            {
                QMutexLocker lock(&m_mutex);
                m_timing.batchEnd = Clock::now();
            }
            if (command == QLatin1String("dcfg"))
                sendReports();
            return true;
        }
        File file;
        file.command = m_batch;
        file.name = QString::fromUtf8(name);
        file.size = data.mid(name.size() + 1, data.indexOf('\0', name.size() + 1) - name.size() - 1)
                        .toLongLong();
        {
            QMutexLocker lock(&m_mutex);
            m_files.append(file);
        }
        m_fileOpen = true;
        m_lastNumber = 0;
        m_lastWasHeader = true;
        answer(acknowledgement(QByteArray() + YModemFrame::Ack + YModemFrame::C), arrived);
        return true;
    }
    const int ordinal = dataBlocks() + 1;
    if (m_options.nakDataBlocks) {
        answer(QByteArray(1, YModemFrame::Nak), arrived);
        return true;
    }
    if (m_options.silentFromBlock >= 0 && ordinal >= m_options.silentFromBlock) {
        m_silent = true;
        m_fallenSilent = true;
        m_input.clear();
        return false;
    }
    if (ordinal == m_options.cancelAtBlock) {
        m_batch.clear();
        m_fileOpen = false;
        answer(QByteArray(2, Can), arrived);
        return true;
    }
    int blocks;
    {
        QMutexLocker lock(&m_mutex);
        if (m_files.isEmpty())
            return true;
        File &file = m_files.last();
        const int bytes = int(qBound<qint64>(0, file.size - file.data.size(), size));
        file.data += data.left(bytes);
        blocks = ++m_dataBlocks;
        if (m_timing.firstDataBlock == Clock::time_point()) {
            m_timing.firstDataStart = m_chunkStart;
            m_timing.firstDataBlock = std::max(m_lineFree, arrived);
        }
        m_timing.dataBytes += bytes;
    }
    m_lastNumber = number;
    m_lastWasHeader = false;
    if (m_options.unplugAfterBlocks >= 0 && blocks >= m_options.unplugAfterBlocks) {
        m_unplug = true;
        return false;
    }
    if (blocks == m_options.holdAtBlock) {
        hold();
        if (m_unplug || m_stop)
            return false;
    }
    answer(acknowledgement(QByteArray(1, YModemFrame::Ack)), arrived, m_options.processingUs);
    QMutexLocker lock(&m_mutex);
    m_timing.lastDataAck = Clock::now();
    return true;
}

void SimulatedModule::sendReports()
{
    QList<int> percents = m_options.reportPercents;
    if (percents.isEmpty()) {
        for (int percent = m_options.reportWithAck ? 10 : 0; percent <= 100; percent += 10)
            percents.append(percent);
    }
    for (int percent : qAsConst(percents)) {
        if (m_stop || m_unplug)
            return;
        if (m_options.stallAtPercent >= 0 && percent > m_options.stallAtPercent) {
            m_fallenSilent = true;
            return;
        }
        std::this_thread::sleep_for(milliseconds(m_options.reportIntervalMs));
        answer(QByteArray("EP_") + QByteArray::number(percent) + m_options.reportEnd, Clock::now());
        if (percent == m_options.holdAfterPercent)
            hold();
    }
}
