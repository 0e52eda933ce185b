#include "modulepicture.h"

#include <QImage>
#include <QImageReader>

QByteArray ModulePicture::convert(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();
    QByteArray bytes(4 + 3 * width * height, '\0');
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
    QSize size = QImageReader(path).size();
    if (!size.isValid())
        size = QImage(path).size(); // formats that cannot tell their size without decoding
    if (!size.isValid())
        return 4;
    return 3 * qint64(size.width()) * size.height() + 4;
}
