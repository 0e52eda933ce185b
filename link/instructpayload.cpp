#include "instructpayload.h"

#include <QFile>
#include <QFileInfo>

namespace {

struct FontSlot
{
    const char *name;
    int size;
};

const FontSlot smallSlots[] = {{"C_16", 261696}, {"C_24", 588832}, {"C_32", 1046800},
                               {"E_32", 6080},   {"E_24", 4560},   {"E_16", 1520}};
const FontSlot largeSlots[] = {
    {"E_48", 32256}, {"C_48", 2577024}, {"E_72", 80640}, {"E_96", 54720}};

void appendBig(QByteArray *bytes, quint32 value, int count)
{
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
        bytes->append(char((value >> shift) & 0xFF));
}

} // namespace

qint64 InstructPayload::pixelBytes(const QList<QSize> &sizes)
{
    qint64 total = 0;
    for (const QSize &size : sizes)
        total += 2 * qint64(size.width()) * size.height();
    return total;
}

QByteArray InstructPayload::pictureHeader(const QList<QSize> &sizes)
{
    QByteArray header;
    appendBig(&header, quint32(pixelBytes(sizes)), 4);
    appendBig(&header, quint32(sizes.size()), 2);
    for (const QSize &size : sizes) {
        appendBig(&header, quint32(size.width()), 2);
        appendBig(&header, quint32(size.height()), 2);
    }
    return header;
}

QByteArray InstructPayload::picturePixels(const QImage &image)
{
    // Whatever format the file loaded in, read it as 32-bit pixels.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    bytes.reserve(2 * rgb.width() * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const quint16 value = quint16((qRed(line[x]) >> 3) << 11 | (qGreen(line[x]) >> 2) << 5
                                          | (qBlue(line[x]) >> 3));
            appendBig(&bytes, value, 2);
        }
    }
    return bytes;
}

QByteArray InstructPayload::fontBlob(const QStringList &fontPaths, bool large)
{
    QByteArray blob;
    auto append = [&](const FontSlot &slot) {
        QByteArray data;
        bool found = false;
        for (const QString &path : fontPaths) {
            if (QFileInfo(path).baseName() != QLatin1String(slot.name))
                continue;
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) {
                data = file.readAll();
                found = true;
            }
            break;
        }
        if (!found)
            data = QByteArray(slot.size, char(0xFF));
        else if (large && data.size() < slot.size)
            data.append(QByteArray(slot.size - data.size(), char(0xFF)));
        blob.append(data);
    };
    if (large) {
        for (const FontSlot &slot : largeSlots)
            append(slot);
    } else {
        for (const FontSlot &slot : smallSlots)
            append(slot);
    }
    return blob;
}
