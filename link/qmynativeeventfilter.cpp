#include "qmynativeeventfilter.h"

#include "serialportlist.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#ifdef Q_OS_WIN
#include <dbt.h>
#include <windows.h>
#endif

QMyNativeEventFilter::QMyNativeEventFilter(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
#ifndef Q_OS_WIN
    knownPorts = SerialPortList::available();
    watchTimer = new QTimer(this);
    watchTimer->setInterval(1000);
    connect(watchTimer, &QTimer::timeout, this, &QMyNativeEventFilter::checkPorts);
    watchTimer->start();
#endif
}

QMyNativeEventFilter::~QMyNativeEventFilter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void QMyNativeEventFilter::setWindowHandle(WId handle)
{
    windowHandle = handle;
}

bool QMyNativeEventFilter::nativeEventFilter(const QByteArray &eventType, void *message,
                                             long *result)
{
    Q_UNUSED(result);
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_DEVICECHANGE || reinterpret_cast<WId>(msg->hwnd) != windowHandle)
        return false;
    if (msg->wParam != DBT_DEVICEARRIVAL && msg->wParam != DBT_DEVICEREMOVECOMPLETE)
        return false;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(msg->lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_PORT)
        return false;
    const auto *port = reinterpret_cast<const DEV_BROADCAST_PORT_W *>(header);
    emit comStatus(QString::fromWCharArray(port->dbcp_name), msg->wParam == DBT_DEVICEARRIVAL);
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

QMyNativeEventFilter::PortChange
QMyNativeEventFilter::comparePorts(const QStringList &known, const QStringList &listed,
                                   const std::function<bool(const QString &)> &exists)
{
    PortChange change;
    for (const QString &port : known) {
        if (listed.contains(port) || exists(port))
            change.known.append(port);
        else
            change.removed.append(port);
    }
    for (const QString &port : listed) {
        if (!change.known.contains(port)) {
            change.arrived.append(port);
            change.known.append(port);
        }
    }
    return change;
}

void QMyNativeEventFilter::checkPorts()
{
    const PortChange change =
        comparePorts(knownPorts, SerialPortList::available(),
                     [](const QString &path) { return QFileInfo::exists(path); });
    knownPorts = change.known;
    for (const QString &port : change.removed)
        emit comStatus(port, false);
    for (const QString &port : change.arrived)
        emit comStatus(port, true);
}
