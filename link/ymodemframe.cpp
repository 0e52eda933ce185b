#include "ymodemframe.h"

#include <array>
#include <cstring>

namespace YModemFrame {

namespace {

// Byte-wise table of the polynomial: whole blocks are checked at line rate.
constexpr std::array<quint16, 256> makeTable()
{
    std::array<quint16, 256> table {};
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
        table[i] = crc;
    }
    return table;
}

constexpr std::array<quint16, 256> crcTable = makeTable();

} // namespace

quint16 crc16(const char *data, int size)
{
    quint16 crc = 0;
    for (int i = 0; i < size; ++i)
        crc = quint16((crc << 8) ^ crcTable[((crc >> 8) ^ quint8(data[i])) & 0xFF]);
    return crc;
}

QByteArray block(quint8 number, const char *data, int size, int blockSize)
{
    QByteArray bytes(3 + blockSize + 2, '\0');
    bytes[0] = blockSize == ShortSize ? Soh : Stx;
    bytes[1] = char(number);
    bytes[2] = char(0xFF - number);
    if (size > 0)
        memcpy(bytes.data() + 3, data, size_t(qMin(size, blockSize)));
    const quint16 crc = crc16(bytes.constData() + 3, blockSize);
    bytes[3 + blockSize] = char(crc >> 8);
    bytes[4 + blockSize] = char(crc & 0xFF);
    return bytes;
}

QByteArray fileHeader(const QString &name, qint64 size)
{
    QByteArray data = name.toUtf8();
    data.append('\0');
    data.append(QByteArray::number(size));
    data.append('\0');
    if (data.size() > ShortSize)
        return QByteArray();
    return block(0, data.constData(), data.size(), ShortSize);
}

int dataBlockSize(qint64 remaining)
{
    return remaining <= ShortSize ? ShortSize : LongSize;
}

QByteArray endOfBatch()
{
    return block(0, nullptr, 0, ShortSize);
}

} // namespace YModemFrame
