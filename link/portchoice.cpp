#include "portchoice.h"

#include "serialportlist.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>

void PortChoice::fillPorts(QComboBox *ports, const QString &lastPort)
{
    ports->clear();
    ports->addItems(SerialPortList::available());
    const int index = ports->findText(lastPort, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ports->setCurrentIndex(index);
}

void PortChoice::followPort(QComboBox *ports, const QString &port, bool arrived)
{
    if (arrived) {
        ports->addItem(port);
        return;
    }
    const int index = ports->findText(port, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ports->removeItem(index);
}

void PortChoice::showConnectState(QLabel *label, QPushButton *button, QComboBox *ports,
                                  QComboBox *rates, bool connected)
{
    ports->setEnabled(!connected);
    rates->setEnabled(!connected);
    if (connected) {
        label->setText(tr("串口已连接！"));
        label->setStyleSheet(QStringLiteral("color:green;"));
        button->setText(tr("关闭串口"));
    } else {
        label->setText(tr("串口已断开！"));
        label->setStyleSheet(QStringLiteral("color:red;"));
        button->setText(tr("打开串口"));
    }
}

bool PortChoice::open(QSerialPort *port, const QString &name, int baud)
{
    port->setPortName(name);
    port->setBaudRate(baud);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setStopBits(QSerialPort::OneStop);
    return port->open(QIODevice::ReadWrite);
}
