#ifndef PICTUREFIXTURES_H
#define PICTUREFIXTURES_H

// Picture files made on demand: a PNG whose header claims any size with next to no data
// behind it, as a decompression bomb does, and a real picture of many pixels that takes
// little space.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

namespace PictureFixtures {

inline quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray out(4, '\0');
    qToBigEndian(quint32(data.size()), out.data());
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(type + data), crc.data());
    return out + type + data + crc;
}

// A PNG of 8-bit RGB whose header says width x height and whose data is an empty
// compressed stream: a few dozen bytes.
inline QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header)
        + chunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8))
        + chunk("IEND", QByteArray());
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A real one-bit PNG of width x height pixels, all white: a few kilobytes on disk.
inline bool writeWidePicture(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(1);
    return image.save(path, "PNG");
}

// A picture library of count one-pixel pictures, numbered 0 to count - 1 by their names.
inline bool writeLibrary(const QString &folder, int count)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!writeBytes(folder + QStringLiteral("/%1_p.png").arg(i + 1), png))
            return false;
    }
    return true;
}

} // namespace PictureFixtures

#endif // PICTUREFIXTURES_H
