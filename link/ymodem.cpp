#include "ymodem.h"

#include "bytetohextext.h"
#include "checkedsavefile.h"
#include "downloadlimits.h"
#include "modulepicture.h"
#include "picturefile.h"
#include "portchoice.h"
#include "projectfolder.h"
#include "ymodemframe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QThread>
#include <QTimer>

#include <climits>

namespace {

constexpr int TurnMs = 10;
// The module expects these pauses before block 0 and before the first data block.
constexpr int ModulePauseMs = 50;
constexpr int ReportPauseMs = 100;
// A cancel waits this long for the module's answer to what is already on the line, so that
// the cancel bytes do not arrive inside a block.
constexpr int CancelWaitMs = 1000;
constexpr char Can = 0x18;
// A block the module refuses goes again, up to this many sends in all.
constexpr int MaxSends = 10;
// A link-test answer without a line end is complete once the line has been quiet this long:
// the module sends its answer in one go.
constexpr int AnswerQuietMs = 100;
// A byte that answers nothing may be line noise in front of the answer: it counts as a
// refusal once the line has been quiet this long, and the block has had as long besides its
// time on the line to reach the module.
constexpr int SettleMs = 200;

// Formatting the local date costs more than a block's turn-around; it is done once a second.
QString timeText()
{
    thread_local qint64 second = -1;
    thread_local QString prefix;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now / 1000 != second) {
        second = now / 1000;
        prefix = QDateTime::fromMSecsSinceEpoch(second * 1000)
                     .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss "));
    }
    return prefix + QStringLiteral("%1").arg(now % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace

YModem::YModem(QObject *parent)
    : QObject(parent)
{
    qDebug() << "download worker created in thread" << QThread::currentThreadId();
    // The limits travel by value into the GUI thread.
    qRegisterMetaType<InstrParam>("InstrParam");
    thread = new QThread;
    moveToThread(thread);
    connect(thread, &QThread::started, this, &YModem::slotThread);
    thread->start();
}

YModem::~YModem()
{
    {
        QMutexLocker lock(&mailboxMutex);
        portRequest = true;
        requestOpen = false;
    }
    running = false;
    wake();
    thread->disconnect();
    thread->quit();
    thread->wait();
    delete thread;
}

quint16 YModem::crc16(const QByteArray &data)
{
    return YModemFrame::crc16(data);
}

void YModem::setTimeouts(int stepMs, int unpackMs, int answerMs)
{
    stepTimeoutMs = stepMs;
    unpackTimeoutMs = unpackMs;
    answerTimeoutMs = answerMs;
}

void YModem::startJob(const YModemJob &job)
{
    {
        QMutexLocker lock(&mailboxMutex);
        requestedJob = job;
        jobRequest = true;
        ++requestSerial;
        pendingType = job.job;
        jobPending = true;
    }
    wake();
}

void YModem::cancelJob()
{
    {
        QMutexLocker lock(&mailboxMutex);
        if (!jobPending)
            return;
        // Only the job pending now: one requested after it is not cancelled.
        cancelSerial = requestSerial;
    }
    wake();
}

QString YModem::jobName(int job)
{
    switch (job) {
    case YModemJob::Project:
        return tr("项目下载");
    case YModemJob::Pictures:
        return tr("图片下载");
    case YModemJob::Fonts:
        return tr("字库下载");
    case YModemJob::InstructionText:
        return tr("通信测试");
    default:
        return tr("下载");
    }
}

void YModem::slotOpenClosePort(bool open, QString portName, int baud)
{
    {
        QMutexLocker lock(&mailboxMutex);
        requestPortName = portName;
        requestBaud = baud;
        requestOpen = open;
        portRequest = true;
    }
    wake();
}

void YModem::slotPortVanished(QString portName)
{
    {
        QMutexLocker lock(&mailboxMutex);
        vanishedPortName = portName;
    }
    wake();
}

void YModem::wake()
{
    // A queued call wakes the worker's wait, from any thread.
    QMetaObject::invokeMethod(
        this, [] {}, Qt::QueuedConnection);
}

void YModem::slotThread()
{
    if (!portCreated) {
        portCreated = true;
        port = new QSerialPort;
        connect(port, &QSerialPort::readyRead, this, &YModem::slotRecvCOMMdata);
        connect(port, &QSerialPort::errorOccurred, this, &YModem::slotPortError);
        turnTimer = new QTimer;
        turnTimer->setSingleShot(true);
    }
    while (running) {
        // Wait for the module, a request or the next turn of a running job; idle, for
        // nothing but a request.
        if (jobActive || jobPending) {
            if (!turnTimer->isActive())
                turnTimer->start(TurnMs);
        } else {
            turnTimer->stop();
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        runTurn();
    }
    // The port and the timer belong to this thread: they go before it ends.
    resetTransfer();
    if (port->isOpen())
        port->close();
    delete port;
    port = nullptr;
    delete turnTimer;
    turnTimer = nullptr;
}

void YModem::runTurn()
{
    bool portWanted = false;
    bool openWanted = false;
    QString portName;
    int baud = 0;
    QString vanished;
    bool newJob = false;
    {
        QMutexLocker lock(&mailboxMutex);
        vanished = vanishedPortName;
        vanishedPortName.clear();
        if (portRequest) {
            portWanted = true;
            openWanted = requestOpen && running;
            portName = requestPortName;
            baud = requestBaud;
            portRequest = false;
        }
        if (jobRequest) {
            newJob = true;
            resetTransfer();
            current = requestedJob;
            currentSerial = requestSerial;
            requestedJob = YModemJob();
            jobRequest = false;
        }
        cancelling = cancelSerial == currentSerial;
    }
    if (portLost || (!vanished.isEmpty() && vanished == openPortName))
        handleLostPort();
    if (portWanted)
        openOrClosePort(openWanted, portName, baud);
    if (newJob) {
        jobActive = true;
        jobStarted = false;
    }
    if (!jobActive || !running)
        return;
    if (cancelling && cancelStep())
        return;
    if (moduleCancelled) {
        moduleCancelled = false;
        if (jobStarted && current.job != YModemJob::InstructionText) {
            failTransfer(tr("模块取消了%1！").arg(jobName(current.job)));
            return;
        }
    }
    if (!jobStarted) {
        if (!portOpen) {
            fail(tr("通信未打开，请您确认通信是否打开！"));
            return;
        }
        prepareJob();
        return;
    }
    stepTurn();
}

void YModem::stepTurn()
{
    if (timedOut())
        return;
    stepOfStamp = step;
    switch (current.job) {
    case YModemJob::Project:
        projectStep();
        break;
    case YModemJob::Pictures:
    case YModemJob::Fonts:
        batchStep();
        break;
    case YModemJob::InstructionText:
        linkTestStep();
        break;
    default:
        endJob();
        break;
    }
}

void YModem::openOrClosePort(bool open, const QString &name, int baud)
{
    qDebug() << (open ? "open port" : "close port") << name << baud;
    if (port->isOpen())
        port->close();
    portLost = false;
    ackReceived = nakReceived = cReceived = garbledReceived = false;
    reply.clear();
    portOpen = false;
    if (open) {
        portOpen = PortChoice::open(port, name, baud);
        openPortName = portOpen ? name : QString();
        lineBaud = baud;
    }
    emit s_sendPortStatus(portOpen);
    // The module's side of a transfer does not survive its port being closed.
    if (jobActive && jobStarted && running)
        failTransfer(tr("串口已关闭，%1失败！").arg(jobName(current.job)));
}

void YModem::slotPortError(QSerialPort::SerialPortError error)
{
    // A vanished device shows as a resource error, or as a read that finds the line hung up.
    // Handled at the next turn, not inside the port call that noticed it.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && portOpen) {
        portLost = true;
        wake();
    }
}

void YModem::handleLostPort()
{
    portLost = false;
    if (!portOpen)
        return;
    qDebug() << "port lost" << openPortName << port->errorString();
    port->close();
    portOpen = false;
    emit s_sendPortStatus(false);
    if (jobActive && jobStarted) {
        failTransfer(tr("串口%1已拔出，%2失败！").arg(openPortName, jobName(current.job)));
    } else {
        emit s_sendMes(0, tr("串口%1已拔出！").arg(openPortName));
    }
}

void YModem::prepareJob()
{
    offset = 0;
    step = 0;
    stepOfStamp = -1;
    stamp.start();
    if (current.job == YModemJob::Project) {
        const QString path = current.directory + current.fileName;
        if (!loadFile(path)) {
            fail(tr("项目下载失败，请您确认文件是否存在！"));
            return;
        }
        fileName = current.fileName;
        modulePercent = lastPercent = 0;
        jobStarted = true;
        emitProgress(0, remaining, 0, 0);
        debugLine(QStringLiteral("发送"), QStringLiteral("%1文件打开成功！").arg(path));
    } else if (current.job == YModemJob::Pictures || current.job == YModemJob::Fonts
               || current.job == YModemJob::InstructionText) {
        jobStarted = true;
    } else {
        endJob();
    }
}

bool YModem::timedOut()
{
    int limit = stepTimeoutMs;
    bool progressed = stepOfStamp != step;
    if (current.job == YModemJob::Project && lastPercent > 0) {
        limit = unpackTimeoutMs;
        // Only a new highest report is progress: one going back and forth never ends.
        progressed = modulePercent != lastPercent && modulePercent > peakPercent;
    } else if (current.job == YModemJob::InstructionText) {
        limit = answerTimeoutMs;
    }
    if (progressed) {
        stamp.start();
        return false;
    }
    if (stamp.elapsed() <= limit)
        return false;
    if (current.job == YModemJob::InstructionText) {
        endJob(Failed, {{3, tr("通信超时！")}, {1, tr("通信超时！")}});
    } else {
        leaveBatch();
        emit s_sendProgValue(progressKind(), 0, 0, 0);
        fail(tr("通信超时，%1失败，请您确认通信是否正常！").arg(jobName(current.job)));
    }
    return true;
}

// A limit the check needs that the module did not give is no limit of 0.
bool YModem::limitsReadable()
{
    const QString problem =
        DownloadLimits::unreadableReply(current.job, limitsMissing, limitsUnreadable);
    if (problem.isEmpty())
        return true;
    fail(tr("模块的上限无法读取（%1），%2失败！").arg(problem, jobName(current.job)));
    return false;
}

bool YModem::checkLimits(const QString &report)
{
    if (report.isEmpty())
        return true;
    emit s_sendInstrParam(instrParam);
    QThread::msleep(ReportPauseMs);
    fail(report);
    return false;
}

void YModem::projectStep()
{
    switch (step) {
    case 0:
        instrParam.reset();
        reply.setMode(ModuleReply::Limits);
        writeText(QStringLiteral("si 1\n"));
        step = 1;
        break;
    case 1:
        if (reply.mode() == ModuleReply::Limits || !limitsReadable())
            break;
        if (!checkLimits(DownloadLimits::checkProject(instrParam, current, remaining)))
            break;
        writeText(QStringLiteral("dcfg\n"));
        batchOpen = true;
        step = 2;
        break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        fileStep(2);
        break;
    case 7:
        if (sendEndOfBatch())
            step = 8;
        break;
    case 8:
        if (resendOnNak() || !ackReceived)
            break;
        modulePercent = 0;
        lastPercent = 1;
        peakPercent = -1;
        reply.setMode(ModuleReply::Unpacking);
        emitProgress(0, remaining + offset, remaining + offset, 0);
        debugLine(QStringLiteral("发送"), QStringLiteral("项目下载完成！"));
        step = 9;
        // Reports that came with the acknowledgement are read now.
        parseReply();
        break;
    case 9:
        if (modulePercent == lastPercent)
            break;
        lastPercent = modulePercent;
        peakPercent = qMax(peakPercent, modulePercent);
        emitProgress(0, 100, modulePercent, 1);
        if (modulePercent == 100) {
            debugLine(QStringLiteral("发送"), QStringLiteral("项目解压完成！"));
            endJob();
        }
        break;
    default:
        break;
    }
}

// One step of sending the open file, from block 0 to the second EOT: the steps first to
// first + 4. The step after them waits for the receiver's ACK and C.
void YModem::fileStep(int first)
{
    switch (step - first) {
    case 0: {
        if (!cReceived)
            break;
        const QByteArray header = YModemFrame::fileHeader(fileName, remaining);
        if (header.isEmpty()) {
            fail(tr("文件名%1过长，无法下载！").arg(fileName));
            break;
        }
        QThread::msleep(ModulePauseMs);
        fileBlocks = 0;
        writeBlock(header, Header);
        step = first + 1;
        break;
    }
    case 1:
    case 2: {
        const bool firstBlock = step == first + 1;
        if (resendOnNak() || !ackReceived || (firstBlock && !cReceived))
            break;
        if (firstBlock)
            QThread::msleep(ModulePauseMs);
        const qint64 before = remaining;
        sendDataBlock();
        if (current.job == YModemJob::Project) {
            emitProgress(0, remaining + offset, offset - 1, 0);
        } else {
            sentBytes += before - remaining;
            emitBatchProgress();
        }
        step = remaining == 0 ? first + 3 : first + 2;
        break;
    }
    case 3:
        if (resendOnNak() || !ackReceived)
            break;
        writeBlock(QByteArray(1, YModemFrame::Eot), EndOfFile);
        step = first + 4;
        break;
    case 4:
        // The module answers the first EOT with NAK and wants it again; standard
        // receivers acknowledge it at once.
        if (refused()) {
            writeBlock(QByteArray(1, YModemFrame::Eot), EndOfFile);
            step = first + 5;
        } else if (ackReceived) {
            step = first + 5;
        }
        break;
    default:
        break;
    }
}

bool YModem::sendEndOfBatch()
{
    if (resendOnNak() || !ackReceived || !cReceived)
        return false;
    blockNumber = 0;
    writeBlock(YModemFrame::endOfBatch(), EndOfBatch);
    batchOpen = false;
    return true;
}

qint64 YModem::batchSize(qint64 *count) const
{
    qint64 total = 0;
    if (current.job == YModemJob::Pictures) {
        *count = current.imagePaths.size();
        for (const QString &path : current.imagePaths)
            total += current.pictureMode == 1 ? ModulePicture::convertedSize(path)
                                              : QFileInfo(path).size();
    } else {
        *count = current.fontIds.size();
        const QString folder = current.projectFolder + QStringLiteral("/tempFonts/");
        for (const QString &id : current.fontIds)
            total += QFileInfo(folder + id + QStringLiteral(".font")).size();
    }
    return total;
}

void YModem::batchStep()
{
    const bool pictures = current.job == YModemJob::Pictures;
    const int count = pictures ? current.imagePaths.size() : current.fontIds.size();
    switch (step) {
    case 0:
        if (count == 0) {
            // Nothing to send: the module is not asked at all.
            endJob(Done, {{3, pictures ? tr("没有需要下载的图片！") : tr("没有需要下载的字库！")}});
            break;
        }
        instrParam.reset();
        reply.setMode(ModuleReply::Limits);
        writeText(pictures ? QStringLiteral("si 2\n") : QStringLiteral("si 3\n"));
        step = 1;
        break;
    case 1: {
        if (reply.mode() == ModuleReply::Limits || !limitsReadable())
            break;
        qint64 files = 0;
        totalBytes = batchSize(&files);
        const QString report = pictures
            ? DownloadLimits::checkPictures(instrParam, int(files), totalBytes)
            : DownloadLimits::checkFonts(instrParam, int(files), totalBytes);
        if (checkLimits(report))
            step = 2;
        break;
    }
    case 2: {
        // Once announced, the module waits for the batch and no command reaches it until it
        // gives up; a file that cannot be sent stops the job before that.
        const QString failure = unreadableFile();
        if (!failure.isEmpty()) {
            fail(failure);
            break;
        }
        sentBytes = 0;
        fileIndex = 0;
        writeText(pictures ? QStringLiteral("dpic\n") : QStringLiteral("dfont\n"));
        batchOpen = true;
        step = 3;
        break;
    }
    case 3:
        emitBatchProgress();
        if (fileIndex >= count) {
            step = 10;
            break;
        }
        if (openNextFile())
            step = 4;
        break;
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
        fileStep(4);
        break;
    case 9:
        if (resendOnNak() || !ackReceived || !cReceived)
            break;
        closeFile();
        debugLine(QStringLiteral("发送"),
                  pictures ? QStringLiteral("图片%1下载完成！").arg(fileIndex)
                           : QStringLiteral("字体文件%1下载完成！").arg(fileName));
        ++fileIndex;
        step = 3;
        break;
    case 10:
        if (sendEndOfBatch())
            step = 11;
        break;
    case 11:
        if (resendOnNak() || !ackReceived)
            break;
        // Complete only now that the module has taken the batch.
        emitProgress(progressKind(), totalBytes, totalBytes);
        debugLine(QStringLiteral("发送"),
                  pictures ? QStringLiteral("所有图片下载完成！")
                           : QStringLiteral("字库下载完成！"));
        endJob();
        break;
    default:
        break;
    }
}

QString YModem::pictureFailure(const QString &source) const
{
    return tr("图片下载失败，%1图片打开失败！").arg(source);
}

QString YModem::fontFailure(const QString &folder, const QString &fileName) const
{
    QFile font(folder + fileName);
    if (font.open(QIODevice::ReadOnly) && font.size() == 0)
        return tr("字库下载失败，%1字体文件是空的！").arg(fileName);
    return tr("字库下载失败，%1字体文件打开失败！").arg(fileName);
}

// Readable and not empty, as loadFile needs it; a picture must also be one the program
// takes, judged by its header before anything is decoded: its size must fit the module's
// picture header and the program's limit.
QString YModem::unreadableFile() const
{
    const auto readable = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.size() > 0;
    };
    if (current.job == YModemJob::Pictures) {
        for (const QString &source : current.imagePaths) {
            QSize size;
            const PictureFile::Verdict verdict = PictureFile::check(source, &size);
            if (verdict == PictureFile::TooLarge)
                return tr("图片下载失败，%1图片为%2x%3像素，超过%4像素或某边超过%5像素！")
                    .arg(source, QString::number(size.width()), QString::number(size.height()),
                         QString::number(PictureFile::MaxPixels),
                         QString::number(PictureFile::MaxSide));
            if (verdict != PictureFile::Usable || !readable(source))
                return pictureFailure(source);
        }
        return QString();
    }
    const QString folder = current.projectFolder + QStringLiteral("/tempFonts/");
    for (const QString &id : current.fontIds) {
        const QString fileName = id + QStringLiteral(".font");
        if (!readable(folder + fileName))
            return fontFailure(folder, fileName);
    }
    return QString();
}

bool YModem::openNextFile()
{
    QString path;
    if (current.job == YModemJob::Pictures) {
        const QString source = current.imagePaths.at(fileIndex);
        const QString failure = pictureFailure(source);
        if (current.pictureMode == 1) {
            const QImage image = PictureFile::read(source);
            const QByteArray bytes = image.isNull() ? QByteArray() : ModulePicture::convert(image);
            const QString folder = current.projectFolder + QStringLiteral("/allFile");
            path = folder + QStringLiteral("/temp.bin");
            // The previous picture's bytes are let go first. The file goes into the project's
            // own folder and never through a link there: a link in its place or in the
            // file's goes first, never what it points to.
            closeFile();
            if (bytes.isEmpty() || !ProjectFolder::makeRealFolder(folder)
                || ((QFileInfo::exists(path) || ProjectFolder::isLink(path))
                    && !ProjectFolder::removeEntry(path))
                || !CheckedSaveFile::writeWhole(path, bytes)) {
                fail(failure);
                return false;
            }
            fileName = QStringLiteral("%1.bin").arg(fileIndex);
        } else {
            path = source;
            fileName = QStringLiteral("%1.%2").arg(fileIndex).arg(QFileInfo(source).suffix());
        }
        if (!loadFile(path)) {
            fail(failure);
            return false;
        }
    } else {
        const QString folder = current.projectFolder + QStringLiteral("/tempFonts/");
        fileName = current.fontIds.at(fileIndex) + QStringLiteral(".font");
        path = folder + fileName;
        if (!loadFile(path)) {
            fail(fontFailure(folder, fileName));
            return false;
        }
    }
    blockNumber = 0;
    return true;
}

bool YModem::loadFile(const QString &path)
{
    closeFile();
    // The bytes are taken whole now: another program that cuts or rewrites the file during
    // the transfer then changes nothing that is sent (a mapped file cut short would end the
    // process at the next block).
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // An empty file has nothing to send.
    const qint64 size = source.size();
    if (size <= 0 || size >= INT_MAX)
        return false;
    fileBytes = source.read(size);
    if (fileBytes.size() != size) {
        fileBytes.clear();
        return false;
    }
    offset = 0;
    remaining = size;
    return true;
}

void YModem::linkTestStep()
{
    switch (step) {
    case 0:
        reply.setMode(ModuleReply::LinkTest);
        writeText(current.instructionText);
        step = 1;
        break;
    case 1:
        if (reply.mode() == ModuleReply::LinkTest && lastReceived.elapsed() >= AnswerQuietMs)
            parseReply(true);
        if (reply.mode() == ModuleReply::LinkTest)
            break;
        if (!linkValuesRead) {
            fail(tr("模块的应答无法读取，设置未更改！"));
            break;
        }
        // The values went out with s_send485 just before.
        debugLine(QStringLiteral("发送"), QStringLiteral("指令集发送成功！"));
        endJob(Done, {{6, tr("指令集发送成功！")}});
        break;
    default:
        break;
    }
}

void YModem::closeFile()
{
    fileBytes.clear();
}

void YModem::resetTransfer()
{
    closeFile();
    batchOpen = false;
    lastBlock.clear();
    lastBlockKind = Unnamed;
    sends = 0;
    fileBlocks = 0;
    moduleCancelled = false;
    limitsMissing.clear();
    limitsUnreadable.clear();
    linkValuesRead = false;
    ackReceived = nakReceived = cReceived = garbledReceived = false;
    step = 0;
    stepOfStamp = 0;
    remaining = 0;
    offset = 0;
    blockNumber = 0;
}

// Once the module has answered what is on the line (or has had its time), a batch under way
// is cancelled with two CAN bytes; outside a batch the job just stops. True while waiting.
bool YModem::cancelStep()
{
    if (!cancelStamp.isValid())
        cancelStamp.start();
    const bool answered = ackReceived || nakReceived || cReceived || garbledReceived;
    if (batchOpen && !answered && cancelStamp.elapsed() < CancelWaitMs)
        return true;
    leaveBatch();
    endJob(Cancelled);
    return true;
}

// The job no longer counts as pending when its last messages go out, so that whoever they
// reach may start the next one; s_sendJobEnded comes after them.
void YModem::endJob(Outcome outcome, const QList<QPair<int, QString>> &messages)
{
    const int job = current.job;
    resetTransfer();
    jobActive = false;
    jobStarted = false;
    cancelStamp.invalidate();
    current = YModemJob();
    {
        QMutexLocker lock(&mailboxMutex);
        // A request made meanwhile keeps the job pending.
        if (!jobRequest && requestSerial == currentSerial)
            jobPending = false;
    }
    for (const auto &message : messages)
        emit s_sendMes(message.first, message.second);
    emit s_sendJobEnded(job, outcome);
}

void YModem::fail(const QString &message)
{
    endJob(Failed, {{1, message}});
}

void YModem::failTransfer(const QString &message)
{
    if (current.job != YModemJob::InstructionText)
        emit s_sendProgValue(progressKind(), 0, 0, 0);
    fail(message);
}

void YModem::slotRecvCOMMdata()
{
    if (!port || !port->isOpen())
        return;
    const QByteArray bytes = port->readAll();
    if (!bytes.isEmpty())
        lastReceived.start();
    reply.append(bytes);
    parseReply();
    // The answer a step waits for is acted on at once, not at the loop's next turn: the
    // time between a block's ACK and the next block is what the line stands idle. Requests
    // and cancels are the loop's, outside the port's signal.
    if (!jobActive || !jobStarted || cancelling || moduleCancelled || !running
        || !(ackReceived || nakReceived || cReceived))
        return;
    {
        QMutexLocker lock(&mailboxMutex);
        if (portRequest || jobRequest || cancelSerial == currentSerial)
            return;
    }
    stepTurn();
}

void YModem::parseReply(bool quiet)
{
    // Behind the acknowledgement of the last block come the module's unpacking reports.
    const bool lastAck = jobActive && jobStarted && current.job == YModemJob::Project && step == 8;
    const ModuleReply::Events events = quiet ? reply.takeAfterQuiet() : reply.take(lastAck);
    if (events.ack || events.reportsBegan)
        ackReceived = true;
    if (events.nak)
        nakReceived = true;
    if (events.garbled)
        garbledReceived = true;
    if (events.c)
        cReceived = true;
    if (events.cancel && jobActive && jobStarted)
        moduleCancelled = true;
    if (events.limitsRead) {
        instrParam = events.limits;
        limitsMissing = events.limitsMissing;
        limitsUnreadable = events.limitsUnreadable;
    }
    modulePercent = ModuleReply::followPercent(modulePercent, events);
    if (!events.controlBytes.isEmpty())
        debugLine(QStringLiteral("接收"), bytesToHexText(events.controlBytes));
    if (!events.text.isEmpty())
        // With its size: a NUL byte of line noise must not hide what follows it.
        debugLine(QStringLiteral("接收"),
                  QString::fromUtf8(events.text.constData(), events.text.size()));
    if (events.linkAnswered)
        linkValuesRead = events.linkValues;
    if (events.linkValues)
        emit s_send485(events.enable, events.address, events.crc);
}

void YModem::writeText(const QString &text)
{
    ackReceived = nakReceived = cReceived = garbledReceived = false;
    lastReceived.start();
    if (port->isOpen()) {
        port->write(text.toLocal8Bit());
        port->flush();
    }
    debugLine(QStringLiteral("发送"), text);
}

void YModem::writeBlock(const QByteArray &bytes, BlockKind kind)
{
    sendBlock(bytes);
    lastBlock = bytes;
    lastBlockKind = kind;
    sends = 1;
    ++blockNumber;
}

void YModem::sendBlock(const QByteArray &bytes)
{
    ackReceived = nakReceived = cReceived = garbledReceived = false;
    if (port->isOpen()) {
        port->write(bytes);
        port->flush();
    }
    stamp.start();
    blockSent.start();
    debugLine(QStringLiteral("发送"), bytesToHexText(bytes) + QLatin1Char(' '));
}

// Two CAN bytes tell a module inside the batch to leave it, so that it listens to commands
// again. The job ends behind them.
void YModem::leaveBatch()
{
    if (batchOpen && port->isOpen())
        sendBlock(QByteArray(2, Can));
    batchOpen = false;
}

// A NAK, or an answer garbled on the line once nothing better has followed it. Resending at
// the first stray byte would make the module's answer to the block still on its way count
// for the block sent next.
bool YModem::refused() const
{
    if (nakReceived)
        return true;
    if (!garbledReceived)
        return false;
    const qint64 lineMs =
        lineBaud > 0 ? (qint64(lastBlock.size()) * 10 * 1000 + lineBaud - 1) / lineBaud : 0;
    return lastReceived.elapsed() >= SettleMs && blockSent.elapsed() >= lineMs + SettleMs;
}

// The module refused the last block (without ACK): it goes again, and after the last allowed
// send the job fails naming it, leaving the batch so the module listens again.
bool YModem::resendOnNak()
{
    if (ackReceived || lastBlockKind == Unnamed || !refused())
        return false;
    if (sends >= MaxSends) {
        const QString message =
            tr("模块连续%1次拒收%2，%3失败！").arg(MaxSends).arg(blockName(), jobName(current.job));
        leaveBatch();
        failTransfer(message);
        return true;
    }
    ++sends;
    // A C that came with the garbled answer stays: the module asks once for what follows
    // block 0, and may acknowledge the copy without asking again.
    const bool c = cReceived;
    sendBlock(lastBlock);
    cReceived = c;
    return true;
}

// What the module keeps refusing, in the user's words; built only for that message.
QString YModem::blockName() const
{
    switch (lastBlockKind) {
    case Header:
        return tr("文件%1的起始块").arg(fileName);
    case Data:
        return tr("文件%1的第%2块").arg(fileName, QString::number(fileBlocks));
    case EndOfFile:
        return tr("文件%1的结束符").arg(fileName);
    case EndOfBatch:
        return tr("批次结束块");
    default:
        return QString();
    }
}

void YModem::emitBatchProgress()
{
    // The whole batch counts as sent only once the module has confirmed it.
    emitProgress(progressKind(), totalBytes, qMin(sentBytes, totalBytes - 1));
}

void YModem::sendDataBlock()
{
    const int size = YModemFrame::dataBlockSize(remaining);
    const int bytes = YModemFrame::dataBlockBytes(remaining);
    writeBlock(YModemFrame::block(blockNumber, fileBytes.constData() + offset, bytes, size), Data);
    ++fileBlocks;
    offset += bytes;
    remaining -= bytes;
}

void YModem::debugLine(const QString &direction, const QString &text)
{
    emit s_sendDebugMes(0, QStringLiteral("%1--%2：%3").arg(timeText(), direction, text));
}

void YModem::emitProgress(int kind, qint64 total, qint64 done, int phase)
{
    // Progress travels as int: very large batches are counted in KB instead.
    while (total > INT_MAX) {
        total /= 1024;
        done /= 1024;
    }
    emit s_sendProgValue(kind, int(total), int(done), phase);
}
