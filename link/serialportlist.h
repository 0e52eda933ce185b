#ifndef SERIALPORTLIST_H
#define SERIALPORTLIST_H

#include <QStringList>

class QSerialPortInfo;

// The serial ports a port dialog offers. Ports are named by their full system location
// ("/dev/ttyUSB0"; "COM3" on Windows), because Qt's short port name ("pts/5") cannot be
// opened again nor told apart from a removed device node.
class SerialPortList
{
public:
    // Every port of the system, then the existing paths named in YBEX_EXTRA_PORTS
    // (colon-separated; pseudo-terminals and unusual adapters that Qt does not list).
    static QStringList available();

    // The paths of YBEX_EXTRA_PORTS that exist, in the given order, without repeats.
    static QStringList extraPorts();

    // The name under which a port is listed, opened and compared.
    static QString location(const QSerialPortInfo &info);
};

#endif // SERIALPORTLIST_H
