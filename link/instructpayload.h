#ifndef INSTRUCTPAYLOAD_H
#define INSTRUCTPAYLOAD_H

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>

// The data blocks that follow the text link's picture and font commands.
class InstructPayload
{
public:
    static constexpr int SmallFontLimit = 2097152;
    static constexpr int LargeFontLimit = 3145728;

    // Pixel byte count (4 bytes), picture count (2), then width and height (2 + 2) of
    // each picture, all big-endian.
    static QByteArray pictureHeader(const QList<QSize> &sizes);
    // 4 + 2 + 4 per picture.
    static int pictureHeaderSize(int count) { return 4 * count + 6; }
    // Two bytes per pixel.
    static qint64 pixelBytes(const QList<QSize> &sizes);
    // Row by row from the top, each pixel RGB565 with its high byte first.
    static QByteArray picturePixels(const QImage &image);

    // The small blob (C_16, C_24, C_32, E_32, E_24, E_16) or the large one (E_48, C_48,
    // E_72, E_96): for each name the first of fontPaths with that base name, or its size in
    // 0xFF bytes when there is none or it cannot be read. Large-blob files shorter than
    // their size are padded with 0xFF.
    static QByteArray fontBlob(const QStringList &fontPaths, bool large);
};

#endif // INSTRUCTPAYLOAD_H
