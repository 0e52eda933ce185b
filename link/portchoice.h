#ifndef PORTCHOICE_H
#define PORTCHOICE_H

#include <QCoreApplication>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class QSerialPort;

// What the serial dialogs share: the port list, the connection label and button, and the
// settings every link opens its port with.
class PortChoice
{
    Q_DECLARE_TR_FUNCTIONS(PortChoice)

public:
    // Refills the list with the ports of the system; the port of the last open stays
    // current when it is still there, otherwise the first one.
    static void fillPorts(QComboBox *ports, const QString &lastPort);
    // An arriving port is appended (a second time, if listed); a vanished one loses its
    // first entry.
    static void followPort(QComboBox *ports, const QString &port, bool arrived);
    // While connected the lists show the open port and its rate and cannot be changed.
    static void showConnectState(QLabel *label, QPushButton *button, QComboBox *ports,
                                 QComboBox *rates, bool connected);
    // 8 data bits, no parity, one stop bit, no flow control, one rate both ways.
    static bool open(QSerialPort *port, const QString &name, int baud);
};

#endif // PORTCHOICE_H
