#include "serialportdlg.h"
#include "ui_serialportdlg.h"

#include "designdocument.h"
#include "instrtabledlg.h"
#include "instructserialport.h"
#include "portchoice.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "usbdevicenotification.h"

#include <QDateTime>
#include <QRegularExpression>

SerialPortDlg::SerialPortDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SerialPortDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    registerUsbDeviceNotification(this);
    messageBox = new QMyMessageBox;
    progressWindow = new QMyProgressBarMes;
    progressActive = false;
    progressTotal = 0;
    progressDone = 0;
    recvText.clear();
    portName.clear();
    baud = 115200;
    serialPort = new QSerialPort;
    connect(serialPort, &QSerialPort::readyRead, this, &SerialPortDlg::slotRecvCOMMdata,
            Qt::DirectConnection);
    // An unplugged adapter shows up as a read or resource error of the open port.
    connect(serialPort, &QSerialPort::errorOccurred, this, &SerialPortDlg::slotPortError);
    worker = new InstructSerialPort;
    connect(worker, &InstructSerialPort::s_sendProgressBar, this,
            &SerialPortDlg::slotRecvProgressBar);
    connect(worker, &InstructSerialPort::s_sendMes, this, &SerialPortDlg::slotRecvThread);
    connect(worker, qOverload<QString>(&InstructSerialPort::s_writePort), this,
            qOverload<QString>(&SerialPortDlg::slotWritePort));
    connect(worker, qOverload<QByteArray>(&InstructSerialPort::s_writePort), this,
            qOverload<QByteArray>(&SerialPortDlg::slotWritePort));
    hide();
}

SerialPortDlg::~SerialPortDlg()
{
    delete messageBox;
    delete progressWindow;
    if (serialPort->isOpen())
        serialPort->close();
    delete serialPort;
    delete worker;
    delete ui;
}

void SerialPortDlg::showDlg()
{
    PortChoice::fillPorts(ui->portCombox, portName);
    ui->baudCombox->clear();
    ui->baudCombox->addItems(InstrTableDlg::baudRates());
    const int rate = ui->baudCombox->findText(QString::number(baud));
    ui->baudCombox->setCurrentIndex(rate >= 0 ? rate : ui->baudCombox->findText("115200"));
    updateConnectState();
    show();
}

void SerialPortDlg::startJob(int jobType, const QString &text)
{
    if (!serialPort->isOpen()) {
        messageBox->showNotice(QMyMessageBox::Warning, tr("通信未连接，请您先连接通信！"));
        return;
    }
    progressActive = false;
    progressTotal = 0;
    progressDone = 0;
    recvText.clear();
    // The worker gets its own copies of the lists it sends.
    worker->startJob(jobType, text, design ? design->pictures() : QStringList(),
                     design ? design->fontPaths() : QStringList());
}

bool SerialPortDlg::isJobActive() const
{
    return worker->isActive();
}

void SerialPortDlg::updateConnectState()
{
    PortChoice::showConnectState(ui->labConnectState, ui->btnOpenClose, ui->portCombox,
                                 ui->baudCombox, serialPort->isOpen());
}

void SerialPortDlg::retranslate()
{
    progressWindow->retranslate();
    ui->retranslateUi(this);
    updateConnectState();
}

namespace {

const struct
{
    const char *token;
    SerialPortDlg::Answer answer;
} answerTokens[] = {
    {"OK", SerialPortDlg::AnswerOk},          {"INFO_", SerialPortDlg::AnswerInfo},
    {"FW", SerialPortDlg::AnswerFirmware},    {"e", SerialPortDlg::AnswerErase},
    {"o", SerialPortDlg::AnswerConfig},       {"FLASH_2", SerialPortDlg::AnswerFlash2},
    {"FLASH_3", SerialPortDlg::AnswerFlash3}, {"FLASH_11", SerialPortDlg::AnswerFlash11}};

// Where the answer complete first in text ends: behind the first token to end there; -1
// while none has.
int firstAnswerEnd(const QString &text)
{
    int first = -1;
    for (const auto &test : answerTokens) {
        const int at = text.indexOf(QLatin1String(test.token));
        if (at < 0)
            continue;
        const int end = at + int(qstrlen(test.token));
        if (first < 0 || end < first)
            first = end;
    }
    return first;
}

// Where text goes on behind the line end (if any) at at.
int behindLineEnd(const QString &text, int at)
{
    while (at < text.size() && (text.at(at) == '\r' || text.at(at) == '\n'))
        ++at;
    return at;
}

} // namespace

SerialPortDlg::Answer SerialPortDlg::answerKind(const QString &text)
{
    for (const auto &test : answerTokens) {
        if (text.contains(QLatin1String(test.token)))
            return test.answer;
    }
    return NoAnswer;
}

int SerialPortDlg::flashLimitKB(Answer answer)
{
    switch (answer) {
    case AnswerFlash2:
        return 2 * 1024;
    case AnswerFlash3:
        return 3 * 1024;
    case AnswerFlash11:
        return 11 * 1024;
    default:
        return 0;
    }
}

QString SerialPortDlg::logLine(const QString &direction, const QString &text)
{
    return QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss zzz") + direction + text;
}

void SerialPortDlg::slotRecvCOMMdata()
{
    // Answers split over several reads are joined until one of them is recognised.
    // With its size: line noise may bring a NUL byte, which must not end the text.
    const QByteArray bytes = serialPort->readAll();
    recvText += QString::fromUtf8(bytes.constData(), bytes.size());
    if (recvText.size() > MaxAnswerText)
        recvText = recvText.right(MaxAnswerText);
    // One read may bring several answers: each is a step or a progress report of its own.
    while (takeAnswer()) { }
}

bool SerialPortDlg::takeAnswer()
{
    const int end = firstAnswerEnd(recvText);
    if (end < 0)
        return false;
    const Answer answer = answerKind(recvText.left(end));
    switch (answer) {
    case NoAnswer:
        return false;
    case AnswerOk:
        emit s_sendMes(0, logLine(tr("--接收:"), QStringLiteral("OK")));
        recvText.remove(0, behindLineEnd(recvText, end));
        worker->nextStep();
        return true;
    case AnswerInfo: {
        // Its fields may still be on the way: the line is read at its end.
        const int lineEnd = recvText.indexOf(QRegularExpression(QStringLiteral("[\r\n]")), end);
        if (lineEnd < 0)
            return false;
        const int after = behindLineEnd(recvText, lineEnd);
        emit s_sendMes(0, logLine(tr("--接收:"), recvText.left(after)));
        const QStringList parts = recvText.left(lineEnd).split('_');
        recvText.remove(0, after);
        if (parts.size() == 6) {
            worker->nextStep();
            return true;
        }
        recvText.clear();
        worker->reset();
        messageBox->showNotice(QMyMessageBox::Warning, tr("模块回复的信息不完整，下载失败！"));
        return false;
    }
    case AnswerFirmware:
        emit s_sendMes(0, logLine(tr("--接收:"), recvText));
        recvText.clear();
        worker->nextStep();
        return false;
    case AnswerErase:
        recvText.remove(0, behindLineEnd(recvText, end));
        addProgress(4096, tr("--下载图片进度总大小:%1 擦除进度:%2"));
        return true;
    case AnswerConfig:
        recvText.remove(0, behindLineEnd(recvText, end));
        addProgress(8192, tr("--下载图片进度总大小:%1 配置进度:%2"));
        return true;
    default: {
        recvText.remove(0, behindLineEnd(recvText, end));
        const int limit = flashLimitKB(answer);
        if (imageLibrarySizeKB <= limit) {
            worker->nextStep();
            return true;
        }
        recvText.clear();
        worker->reset();
        QString text;
        if (answer == AnswerFlash2)
            text = tr("下载失败，下载图片的bin文件总大小超过2M！");
        else if (answer == AnswerFlash3)
            text = tr("下载失败，下载图片的bin文件总大小超过3M！");
        else
            text = tr("下载失败，下载图片的bin文件总大小超过11M！");
        messageBox->showNotice(QMyMessageBox::Warning, text);
        return false;
    }
    }
}

void SerialPortDlg::addProgress(int bytes, const QString &format)
{
    if (!progressActive)
        return;
    progressDone += bytes;
    const int shown = qMin(progressTotal, progressDone);
    emit s_sendMes(0,
                   QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss zzz")
                       + format.arg(progressTotal).arg(progressDone));
    progressWindow->setProgress(progressTotal, shown);
    emit s_sendProbar(progressTotal, shown);
}

void SerialPortDlg::slotRecvProgressBar(int kind, int total, int done)
{
    if (kind != 1)
        return;
    progressDone = done;
    progressActive = true;
    progressTotal = total;
    const int shown = qMin(total, done);
    progressWindow->setTitle(tr("图片下载进度"));
    progressWindow->setProgress(total, shown);
    emit s_sendProbar(total, shown);
}

void SerialPortDlg::slotRecvThread(int kind, QString text)
{
    switch (kind) {
    case 0:
    case 1:
    case 2:
        messageBox->showMes(kind, QMyMessageBox::OkOnly, QMyMessageBox::NoAnswer, text);
        break;
    case 3:
        emit s_sendMes(0, logLine(tr("--发送:"), text));
        break;
    case 4:
    case 5:
    case 6: {
        messageBox->showNotice(QMyMessageBox::Information, text);
        const int windowKind = kind == 4 ? 2 : (kind == 5 ? 1 : 0);
        emit s_sendMes(windowKind, logLine(tr("--发送:"), text));
        break;
    }
    default:
        break;
    }
}

void SerialPortDlg::slotWritePort(QString text)
{
    slotWritePort(text.toLocal8Bit());
}

void SerialPortDlg::slotWritePort(QByteArray data)
{
    if (serialPort->isOpen()) {
        serialPort->write(data);
        return;
    }
    worker->reset();
    messageBox->showNotice(QMyMessageBox::Warning, tr("通信已断开，下载失败！"));
}

void SerialPortDlg::slotComStatus(QString port, bool arrived)
{
    PortChoice::followPort(ui->portCombox, port, arrived);
    // Qt shortens the open port's own name, so the one chosen is compared.
    if (!arrived && port == portName && serialPort->isOpen())
        closeVanishedPort();
}

void SerialPortDlg::slotPortError(QSerialPort::SerialPortError error)
{
    // A hung-up device fails every read; the port is of no more use.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
        && serialPort->isOpen())
        closeVanishedPort();
}

void SerialPortDlg::closeVanishedPort()
{
    if (worker->isActive())
        worker->reset();
    serialPort->close();
    updateConnectState();
    messageBox->showNotice(QMyMessageBox::Information, tr("串口%1已拔出！").arg(portName));
}

void SerialPortDlg::on_btnClose_clicked()
{
    hide();
}

void SerialPortDlg::on_btnOpenClose_clicked()
{
    if (serialPort->isOpen()) {
        serialPort->close();
        if (worker->isActive()) {
            worker->reset();
            messageBox->showNotice(QMyMessageBox::Warning, tr("通信已断开，下载失败！"));
        }
    } else {
        worker->reset();
        baud = ui->baudCombox->currentText().toInt();
        portName = ui->portCombox->currentText();
        PortChoice::open(serialPort, portName, baud);
    }
    updateConnectState();
}
