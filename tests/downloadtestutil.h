#ifndef DOWNLOADTESTUTIL_H
#define DOWNLOADTESTUTIL_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QString>

// Files the download tests send and compare.

// Bytes that no block layout can fake: every value, in an order fixed by the seed.
inline QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(seed);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(generator.bounded(256));
    return bytes;
}

// Writes the file, making its folder first.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A PNG picture of random pixels, which do not compress: its file holds at least `bytes`
// bytes. Downloads take only real pictures.
inline bool writePicture(const QString &path, int bytes, quint32 seed)
{
    int side = 1;
    while (3 * side * side < bytes)
        ++side;
    QImage image(side, side, QImage::Format_RGB888);
    const QByteArray pixels = randomBytes(3 * side * side, seed);
    for (int y = 0; y < side; ++y)
        memcpy(image.scanLine(y), pixels.constData() + 3 * side * y, size_t(3 * side));
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG") && QFileInfo(path).size() >= bytes;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

#endif // DOWNLOADTESTUTIL_H
