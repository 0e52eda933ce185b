#include "ymodemportdlg.h"
#include "ui_ymodemportdlg.h"

#include "qmymessagebox.h"
#include "serialportlist.h"

#include <QDebug>

#ifdef Q_OS_WIN
#include <dbt.h>
#include <windows.h>
#endif

YModemPortDlg::YModemPortDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::YModemPortDlg)
    , messageBox(new QMyMessageBox)
{
    ui->setupUi(this);
#ifdef Q_OS_WIN
    // USB device-interface notifications to this window; only the result is logged.
    DEV_BROADCAST_DEVICEINTERFACE_W filter {};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = {
        0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
    const HDEVNOTIFY handle = RegisterDeviceNotificationW(reinterpret_cast<HANDLE>(winId()),
                                                          &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    qDebug() << (handle ? "Register successed" : "Register failed");
#endif
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
    ui->portCombox->clear();
    const QStringList ports = SerialPortList::available();
    ui->portCombox->addItems(ports);
    if (ports.contains(portName))
        ui->portCombox->setCurrentText(portName);
    fillBaudList(series);
    updateConnectState();
    show();
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
    if (connected) {
        ui->labConnectState->setText(tr("串口已连接！"));
        ui->labConnectState->setStyleSheet(QStringLiteral("color:green;"));
        ui->btnOpenClose->setText(tr("关闭串口"));
    } else {
        ui->labConnectState->setText(tr("串口已断开！"));
        ui->labConnectState->setStyleSheet(QStringLiteral("color:red;"));
        ui->btnOpenClose->setText(tr("打开串口"));
    }
}

void YModemPortDlg::on_btnOpenClose_clicked()
{
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
    if (arrived) {
        ui->portCombox->addItem(port);
        return;
    }
    const int index = ui->portCombox->findText(port, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ui->portCombox->removeItem(index);
    if (port == portName && connected) {
        emit s_sendPortMes(false, portName, baud);
        messageBox->showNotice(QMyMessageBox::Information, tr("串口%1已拔出！").arg(port));
    }
}

void YModemPortDlg::retranslate()
{
    ui->retranslateUi(this);
}
