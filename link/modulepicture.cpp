#include "modulepicture.h"

#include "picturefile.h"

#include <QImage>

#include <limits>

QByteArray ModulePicture::convert(const QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    const qint64 size = 4 + 3 * qint64(width) * height;
    if (width > PictureFile::MaxSide || height > PictureFile::MaxSide
        || size > std::numeric_limits<int>::max())
        return QByteArray();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(int(size), '\0');
    char *out = bytes.data();
    *out++ = char((width >> 8) & 0xFF);
    *out++ = char(width & 0xFF);
    *out++ = char((height >> 8) & 0xFF);
    *out++ = char(height & 0xFF);
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            const quint16 rgb565 = quint16(((qRed(pixel) & 0xF8) << 8)
                                           | ((qGreen(pixel) & 0xFC) << 3) | (qBlue(pixel) >> 3));
            *out++ = char(rgb565 & 0xFF);
            *out++ = char(rgb565 >> 8);
            *out++ = char(qAlpha(pixel));
        }
    }
    return bytes;
}

qint64 ModulePicture::convertedSize(const QString &path)
{
    QSize size;
    if (PictureFile::check(path, &size) != PictureFile::Usable)
        return 4;
    return 3 * qint64(size.width()) * size.height() + 4;
}
