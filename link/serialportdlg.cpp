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

SerialPortDlg::Answer SerialPortDlg::answerKind(const QString &text)
{
    static const struct
    {
        const char *token;
        Answer answer;
    } tests[] = {{"OK", AnswerOk},          {"INFO_", AnswerInfo},      {"FW", AnswerFirmware},
                 {"e", AnswerErase},        {"o", AnswerConfig},        {"FLASH_2", AnswerFlash2},
                 {"FLASH_3", AnswerFlash3}, {"FLASH_11", AnswerFlash11}};
    for (const auto &test : tests) {
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

    const Answer answer = answerKind(recvText);
    switch (answer) {
    case NoAnswer:
        return;
    case AnswerOk:
        emit s_sendMes(0, logLine(tr("--接收:"), QStringLiteral("OK")));
        recvText.clear();
        worker->nextStep();
        return;
    case AnswerInfo: {
        // Its fields may still be on the way: the line is read at its end.
        if (recvText.indexOf(QRegularExpression(QStringLiteral("[\r\n]")),
                             recvText.indexOf(QLatin1String("INFO_")))
            < 0)
            return;
        emit s_sendMes(0, logLine(tr("--接收:"), recvText));
        const QStringList parts = QString(recvText).remove("\r\n").split('_');
        recvText.clear();
        if (parts.size() == 6) {
            worker->nextStep();
        } else {
            worker->reset();
            messageBox->showNotice(QMyMessageBox::Warning, tr("模块回复的信息不完整，下载失败！"));
        }
        return;
    }
    case AnswerFirmware:
        emit s_sendMes(0, logLine(tr("--接收:"), recvText));
        recvText.clear();
        worker->nextStep();
        return;
    case AnswerErase:
        recvText.clear();
        addProgress(4096, tr("--下载图片进度总大小:%1 擦除进度:%2"));
        return;
    case AnswerConfig:
        recvText.clear();
        addProgress(8192, tr("--下载图片进度总大小:%1 配置进度:%2"));
        return;
    default: {
        recvText.clear();
        const int limit = flashLimitKB(answer);
        if (imageLibrarySizeKB <= limit) {
            worker->nextStep();
            return;
        }
        worker->reset();
        QString text;
        if (answer == AnswerFlash2)
            text = tr("下载失败，下载图片的bin文件总大小超过2M！");
        else if (answer == AnswerFlash3)
            text = tr("下载失败，下载图片的bin文件总大小超过3M！");
        else
            text = tr("下载失败，下载图片的bin文件总大小超过11M！");
        messageBox->showNotice(QMyMessageBox::Warning, text);
        return;
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
