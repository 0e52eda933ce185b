#ifndef QMYNATIVEEVENTFILTER_H
#define QMYNATIVEEVENTFILTER_H

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QStringList>
#include <qwindowdefs.h>

#include <functional>

class QTimer;

// Tells of serial ports that appear and vanish, by their full location (SerialPortList).
// Windows reports them as device-change broadcasts to the main window; elsewhere a watcher
// compares the port list about once a second.
class QMyNativeEventFilter : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // What one comparison of the port list found; known is the list to keep for the next.
    struct PortChange
    {
        QStringList arrived;
        QStringList removed;
        QStringList known;
    };

    explicit QMyNativeEventFilter(QObject *parent = nullptr);
    ~QMyNativeEventFilter() override;

    void setWindowHandle(WId handle);

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    // A port counts as removed only when it is no longer listed and its device node is gone:
    // a listing can miss a port for a moment while the device stays usable.
    static PortChange comparePorts(const QStringList &known, const QStringList &listed,
                                   const std::function<bool(const QString &)> &exists);

public slots:
    // One turn of the watcher: compares the port list now and reports the changes.
    void checkPorts();

signals:
    void comStatus(QString portName, bool arrived);

private:
    WId windowHandle = 0;
    QTimer *watchTimer = nullptr;
    QStringList knownPorts;
};

#endif // QMYNATIVEEVENTFILTER_H
