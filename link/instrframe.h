#ifndef INSTRFRAME_H
#define INSTRFRAME_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "instrcatalogue.h"

// The binary frame of one send row of the instruction terminal:
// EE [address] command [parameters] [CRC-16/MODBUS] FF FC FF FF, numbers big-endian.
class InstrFrame
{
    Q_DECLARE_TR_FUNCTIONS(InstrFrame)

public:
    // The module has no length field to go by, so a frame must fit its receive buffer.
    static constexpr int MaxBytes = 1024;

    // One row of the terminal's send table as the user left it.
    struct Row
    {
        int instrIndex = 0;
        int addrFlag = 0; // 0 "无", 1 "有"
        QString addrText = QStringLiteral("0");
        int crcFlag = 0; // 0 "无", 1 "有"
        QString checkCode = QStringLiteral("0");
        QString params[InstrCatalogue::ParamSlots];
    };

    // The frame of a row, or an empty array with *error naming the field that cannot be
    // sent (a number that is no integer or does not fit 16 bits, a frame that is too long).
    static QByteArray build(const InstrCatalogue::Entry &entry, const Row &row,
                            QString *error = nullptr);

    // CRC-16/MODBUS: start 0xFFFF, reflected polynomial 0xA001, no final XOR.
    static quint16 crc16Modbus(const QByteArray &data);

    // "设置曲线数值": its fifth parameter is a "/"-separated point list.
    static constexpr int PointListInstr = 11;
};

#endif // INSTRFRAME_H
