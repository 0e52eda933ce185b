#include "usbdevicenotification.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <QDebug>

#include <dbt.h>
#include <windows.h>
#endif

void registerUsbDeviceNotification(QWidget *window)
{
#ifdef Q_OS_WIN
    DEV_BROADCAST_DEVICEINTERFACE_W filter {};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = {
        0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
    const HDEVNOTIFY handle = RegisterDeviceNotificationW(reinterpret_cast<HANDLE>(window->winId()),
                                                          &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    qDebug() << (handle ? "Register successed" : "Register failed");
#else
    Q_UNUSED(window)
#endif
}
