#include "instructserialport.h"

#include <QMutexLocker>
#include <QSize>
#include <QThread>

#include <climits>

#include "instructpayload.h"
#include "picturefile.h"

namespace {
constexpr int TurnMs = 10;
}

InstructSerialPort::InstructSerialPort(QObject *parent)
    : QObject(parent)
{
    thread = new QThread;
    moveToThread(thread);
    connect(thread, &QThread::started, this, &InstructSerialPort::slotSendThread);
    thread->start(QThread::InheritPriority);
}

InstructSerialPort::~InstructSerialPort()
{
    {
        QMutexLocker lock(&mailboxMutex);
        running = false;
        mailboxChanged.wakeAll();
    }
    thread->disconnect();
    thread->quit();
    thread->wait();
    delete thread;
}

void InstructSerialPort::startJob(int jobType, const QString &text, const QStringList &imagePaths,
                                  const QStringList &fontPaths)
{
    QMutexLocker lock(&mailboxMutex);
    requestedJob.type = jobType;
    requestedJob.text = text;
    requestedJob.imagePaths = imagePaths;
    requestedJob.fontPaths = fontPaths;
    jobRequested = true;
    requestedSteps = 0;
    ++generation;
    active = true;
    mailboxChanged.wakeAll();
}

void InstructSerialPort::nextStep()
{
    QMutexLocker lock(&mailboxMutex);
    ++requestedSteps;
    mailboxChanged.wakeAll();
}

void InstructSerialPort::reset()
{
    QMutexLocker lock(&mailboxMutex);
    resetRequested = true;
    jobRequested = false;
    requestedSteps = 0;
    ++generation;
    active = false;
    mailboxChanged.wakeAll();
}

int InstructSerialPort::jobTimeout(int jobType) const
{
    QMutexLocker lock(&mailboxMutex);
    return jobType >= 0 && jobType < JobCount ? timeouts[jobType] : 0;
}

void InstructSerialPort::setJobTimeout(int jobType, int ms)
{
    QMutexLocker lock(&mailboxMutex);
    if (jobType >= 0 && jobType < JobCount)
        timeouts[jobType] = ms;
}

void InstructSerialPort::slotSendThread()
{
    while (running) {
        int timeout = 0;
        {
            QMutexLocker lock(&mailboxMutex);
            // A request cuts the turn short, so answers are acted on without delay.
            if (!jobRequested && !resetRequested && requestedSteps == 0)
                mailboxChanged.wait(&mailboxMutex, TurnMs);
            if (!running)
                break;
            if (resetRequested) {
                resetRequested = false;
                working = false;
            }
            if (jobRequested) {
                jobRequested = false;
                job = requestedJob;
                jobGeneration = generation;
                working = true;
                step = 0;
                lastStep = -1;
                pictures.clear();
                pictureTotal = 0;
                blob.clear();
            }
            step += requestedSteps;
            requestedSteps = 0;
            if (working && job.type >= 0 && job.type < JobCount)
                timeout = timeouts[job.type];
        }
        if (!working)
            continue;
        if (step != lastStep) {
            lastStep = step;
            stepClock.start();
            runStep();
        } else if (stepClock.elapsed() > timeout) {
            finishJob();
            emit s_sendMes(3, tr("通信超时，下载失败！"));
            emit s_sendMes(1, tr("通信超时，下载失败！"));
        }
    }
}

// Before the job's last messages: whoever they reach finds the link free.
void InstructSerialPort::finishJob()
{
    working = false;
    pictures.clear();
    blob.clear();
    QMutexLocker lock(&mailboxMutex);
    // A job requested meanwhile keeps the link busy.
    if (generation == jobGeneration)
        active = false;
}

void InstructSerialPort::sendText(const QString &text, bool asString)
{
    emit s_sendMes(3, text);
    if (asString)
        emit s_writePort(text);
    else
        emit s_writePort(text.toLocal8Bit());
}

void InstructSerialPort::runStep()
{
    switch (job.type) {
    case PictureJob:
        pictureStep();
        break;
    case FontJob:
        fontStep();
        break;
    case BacklightJob:
    case BaudJob:
    case TextJob:
        if (step == 0) {
            sendText(job.text, false);
        } else if (step == 1) {
            finishJob();
            if (job.type == BacklightJob)
                emit s_sendMes(4, tr("背光度设置成功！"));
            else if (job.type == BaudJob)
                emit s_sendMes(5, tr("波特率设置成功！"));
            else
                emit s_sendMes(6, tr("指令集发送成功！"));
        }
        break;
    default:
        break; // the watch job only follows its steps
    }
}

void InstructSerialPort::pictureStep()
{
    QList<QSize> sizes;
    for (const QImage &picture : qAsConst(pictures))
        sizes.append(picture.size());
    const qint64 pixels = InstructPayload::pixelBytes(sizes);

    switch (step) {
    case 0:
        sendText(QStringLiteral("FCHECK();\r\n"), false);
        break;
    case 1: {
        sizes.clear();
        for (const QString &path : qAsConst(job.imagePaths)) {
            // Judged by its header first: a small file can claim a size that takes minutes
            // to decode.
            const QImage picture = PictureFile::read(path);
            if (picture.isNull()) {
                finishJob();
                emit s_sendMes(1, tr("图片下载失败，%1图片打开失败！").arg(path));
                return;
            }
            pictures.append(picture);
            sizes.append(picture.size());
        }
        const qint64 total = InstructPayload::pictureHeaderSize(pictures.size())
            + InstructPayload::pixelBytes(sizes);
        // The header counts pictures in 16 bits and the progress doubles the total in an int.
        if (pictures.size() > 0xFFFF || 2 * total > INT_MAX) {
            finishJob();
            emit s_sendMes(1, tr("图片太多或太大，无法下载！"));
            return;
        }
        pictureTotal = total;
        emit s_sendProgressBar(1, int(2 * total), 0);
        sendText(QStringLiteral("FS_HEAD(%1);\r\n")
                     .arg(InstructPayload::pictureHeaderSize(pictures.size())),
                 true);
        break;
    }
    case 2:
        emit s_writePort(InstructPayload::pictureHeader(sizes));
        break;
    case 3:
        sendText(QStringLiteral("SR_DLOAD(2,%1);\r\n").arg(pixels), true);
        break;
    case 4: {
        QByteArray data;
        data.reserve(int(pixels));
        for (const QImage &picture : qAsConst(pictures))
            data.append(InstructPayload::picturePixels(picture));
        if (data.isEmpty()) {
            // Nothing for the module to answer: go on at once.
            ++step;
            lastStep = step;
            stepClock.start();
            pictureStep();
            return;
        }
        emit s_writePort(data);
        break;
    }
    case 5: {
        sendText(QStringLiteral("RESET();\r\n"), false);
        const int total = int(2 * pictureTotal);
        finishJob();
        emit s_sendProgressBar(1, total, total);
        emit s_sendMes(3, tr("图片下载成功！"));
        break;
    }
    default:
        break;
    }
}

void InstructSerialPort::fontStep()
{
    switch (step) {
    case 0:
    case 2: {
        const bool large = step == 2;
        blob = InstructPayload::fontBlob(job.fontPaths, large);
        const int limit = large ? InstructPayload::LargeFontLimit : InstructPayload::SmallFontLimit;
        if (blob.size() > limit) {
            finishJob();
            emit s_sendMes(1, large ? tr("大字库不能超过3M！") : tr("小字库不能超过2M！"));
            return;
        }
        sendText(QLatin1String(large ? "ZIKU48(" : "ZIKU(") + QString::number(blob.size())
                     + QLatin1String(");\r\n"),
                 true);
        break;
    }
    case 1:
    case 3: {
        const bool large = step == 3;
        emit s_sendMes(3,
                       large ? tr("大字库下载中，请稍后......") : tr("小字库下载中，请稍后......"));
        emit s_writePort(blob);
        break;
    }
    case 4:
        finishJob();
        emit s_sendMes(3, tr("字库下载成功！"));
        emit s_sendMes(0, tr("字库下载成功！"));
        break;
    default:
        break;
    }
}
