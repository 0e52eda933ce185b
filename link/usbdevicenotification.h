#ifndef USBDEVICENOTIFICATION_H
#define USBDEVICENOTIFICATION_H

class QWidget;

// Registers a port dialog's window for USB device-interface notifications on Windows; only
// the result is logged. Elsewhere nothing is registered: the port watcher needs none.
void registerUsbDeviceNotification(QWidget *window);

#endif // USBDEVICENOTIFICATION_H
