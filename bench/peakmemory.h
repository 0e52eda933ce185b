#ifndef PEAKMEMORY_H
#define PEAKMEMORY_H

#include <QByteArray>
#include <QFile>

#include <malloc.h>

// Peak resident memory in KiB since the last reset.
inline long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Freed memory goes back to the system first, so that a step's peak is not hidden in
// memory an earlier step freed but still holds.
inline void resetPeak()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

#endif // PEAKMEMORY_H
