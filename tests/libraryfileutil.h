#ifndef LIBRARYFILEUTIL_H
#define LIBRARYFILEUTIL_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtTest>

// Files the library tests lay out and read back.

inline void put(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

// A plain picture of the given size, saved in the format its suffix names.
inline void putImage(const QString &path, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY2(image.save(path), qPrintable(path));
}

// The file's bytes; empty when it cannot be read.
inline QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Everything in a folder, hidden entries and links included, in name order.
inline QStringList entries(const QString &path)
{
    return QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

#endif // LIBRARYFILEUTIL_H
