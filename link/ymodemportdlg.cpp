#include "ymodemportdlg.h"
#include "ui_ymodemportdlg.h"

#include "portchoice.h"
#include "qmymessagebox.h"
#include "usbdevicenotification.h"

#include <QDebug>

YModemPortDlg::YModemPortDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::YModemPortDlg)
    , messageBox(new QMyMessageBox)
{
    ui->setupUi(this);
    registerUsbDeviceNotification(this);
    connected = false;
    portName.clear();
    baud = 345600;
}

YModemPortDlg::~YModemPortDlg()
{
    delete messageBox;
    delete ui;
}

QStringList YModemPortDlg::baudRates(int series)
{
    switch (series) {
    case 0:
        return {QStringLiteral("345600")};
    case 1:
        return {QStringLiteral("1000000")};
    default:
        return {};
    }
}

void YModemPortDlg::fillBaudList(int series)
{
    ui->baudCombox->clear();
    ui->baudCombox->addItems(baudRates(series));
}

void YModemPortDlg::openDialog(int series)
{
    PortChoice::fillPorts(ui->portCombox, portName);
    fillBaudList(series);
    updateConnectState();
    show();
    // Also when it is on screen behind another window, such as a transfer's progress.
    raise();
    activateWindow();
}

void YModemPortDlg::setSeries(int series)
{
    if (!connected)
        return;
    fillBaudList(series);
    baud = ui->baudCombox->currentText().toInt();
    portName = ui->portCombox->currentText();
    emit s_sendPortMes(true, portName, baud);
}

void YModemPortDlg::updateConnectState()
{
    PortChoice::showConnectState(ui->labConnectState, ui->btnOpenClose, ui->portCombox,
                                 ui->baudCombox, connected);
}

void YModemPortDlg::setJobCheck(std::function<QString()> runningJob)
{
    jobCheck = std::move(runningJob);
}

void YModemPortDlg::setLinkTestRunning(bool running)
{
    linkTestRunning = running;
    showLinkTestState();
}

void YModemPortDlg::showLinkTestState()
{
    ui->btnInstrTest->setEnabled(!linkTestRunning);
    ui->btnInstrTest->setText(linkTestRunning ? tr("测试中…") : tr("通信测试"));
}

void YModemPortDlg::on_btnOpenClose_clicked()
{
    const QString job = jobCheck ? jobCheck() : QString();
    if (!job.isEmpty()) {
        messageBox->showNotice(QMyMessageBox::Warning, tr("%1正在进行中，不可更改串口！").arg(job));
        return;
    }
    if (connected) {
        emit s_sendPortMes(false, portName, baud);
        return;
    }
    baud = ui->baudCombox->currentText().toInt();
    portName = ui->portCombox->currentText();
    emit s_sendPortMes(true, portName, baud);
    qDebug() << "--" << portName << baud;
}

void YModemPortDlg::on_btnInstrTest_clicked()
{
    if (!connected) {
        messageBox->showNotice(QMyMessageBox::Warning, tr("通信未连接，请您先连接通信！"));
        return;
    }
    emit s_sendInstr(QStringLiteral("GET_ADDR\r\n"));
}

void YModemPortDlg::on_btnClose_clicked()
{
    hide();
}

void YModemPortDlg::slotPortStatus(bool open)
{
    connected = open;
    updateConnectState();
}

void YModemPortDlg::slotComStatus(QString port, bool arrived)
{
    PortChoice::followPort(ui->portCombox, port, arrived);
    // The worker may have seen the hang-up already: it alone tells of the unplug, once.
    if (!arrived && port == portName && connected)
        emit s_sendPortVanished(port);
}

// The form's texts are those of a closed, idle port; the state's own go on top.
void YModemPortDlg::retranslate()
{
    ui->retranslateUi(this);
    updateConnectState();
    showLinkTestState();
}
