#include "serialportlist.h"

#include <QFileInfo>
#include <QSerialPortInfo>

QStringList SerialPortList::available()
{
    QStringList ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        const QString name = location(info);
        if (!ports.contains(name))
            ports.append(name);
    }
    for (const QString &path : extraPorts()) {
        if (!ports.contains(path))
            ports.append(path);
    }
    return ports;
}

QStringList SerialPortList::extraPorts()
{
    QStringList ports;
    const QString value = qEnvironmentVariable("YBEX_EXTRA_PORTS");
    const QStringList paths = value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &path : paths) {
        if (QFileInfo::exists(path) && !ports.contains(path))
            ports.append(path);
    }
    return ports;
}

QString SerialPortList::location(const QSerialPortInfo &info)
{
#ifdef Q_OS_WIN
    // The device broadcasts name ports "COM3", not "\\.\COM3".
    return info.portName();
#else
    return info.systemLocation();
#endif
}
