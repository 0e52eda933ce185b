#ifndef YMODEMFRAME_H
#define YMODEMFRAME_H

#include <QByteArray>
#include <QString>

// The bytes of a YModem batch as the download link sends them.
namespace YModemFrame {

constexpr char Soh = 0x01;
constexpr char Stx = 0x02;
constexpr char Eot = 0x04;
constexpr char Ack = 0x06;
constexpr char Nak = 0x15;
constexpr char C = 0x43;
constexpr int ShortSize = 128;
constexpr int LongSize = 1024;

// CRC-16/XMODEM: polynomial 0x1021, initial 0, no reflection, no final XOR.
quint16 crc16(const char *data, int size);
inline quint16 crc16(const QByteArray &data)
{
    return crc16(data.constData(), data.size());
}

// A block: SOH or STX by size, number, its complement, the data filled up with 0x00, CRC.
QByteArray block(quint8 number, const char *data, int size, int blockSize);

// Block 0 announcing a file; empty when the name and size do not fit its 128 bytes.
QByteArray fileHeader(const QString &name, qint64 size);

// How many file bytes the next data block carries and its size: every remaining byte in a
// 128-byte block up to 128, in a 1024-byte block up to 1024, otherwise the next 1024.
int dataBlockSize(qint64 remaining);
inline int dataBlockBytes(qint64 remaining)
{
    return int(qMin<qint64>(remaining, LongSize));
}

// The empty block 0 that ends a batch.
QByteArray endOfBatch();

} // namespace YModemFrame

#endif // YMODEMFRAME_H
