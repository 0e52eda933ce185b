#include "instrframe.h"

#include <QStringList>

namespace {

// A 16-bit field takes its value as two's complement when negative and as unsigned above
// 32767; anything beyond is refused rather than cut to its low bits.
constexpr qlonglong ParamMin = -32768;
constexpr qlonglong ParamMax = 65535;

void appendBigEndian16(QByteArray *bytes, qlonglong value)
{
    bytes->append(char((value >> 8) & 0xFF));
    bytes->append(char(value & 0xFF));
}

} // namespace

quint16 InstrFrame::crc16Modbus(const QByteArray &data)
{
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) {
            const bool carry = crc & 1;
            crc >>= 1;
            if (carry)
                crc ^= 0xA001;
        }
    }
    return crc;
}

QByteArray InstrFrame::build(const InstrCatalogue::Entry &entry, const Row &row, QString *error)
{
    QString failure;
    // Reads a number field; on failure records a message naming the field.
    auto number = [&failure](const QString &field, const QString &text, qlonglong min,
                             qlonglong max, qlonglong *value) {
        bool ok = false;
        *value = text.toLongLong(&ok, 10);
        if (!ok) {
            failure = tr("%1“%2”不是整数，指令未发送！").arg(field, text);
            return false;
        }
        if (*value < min || *value > max) {
            failure = tr("%1“%2”超出16位范围（%3～%4），指令未发送！")
                          .arg(field, text, QString::number(min), QString::number(max));
            return false;
        }
        return true;
    };
    auto fail = [&failure, error]() {
        if (error)
            *error = failure;
        return QByteArray();
    };
    auto paramName = [](int p) { return tr("参数%1").arg(p); };

    QByteArray frame;
    QByteArray checked;
    frame.append(char(0xEE));

    if (row.addrFlag == 1) {
        qlonglong address = 0;
        if (!number(tr("地址"), row.addrText, 0, 65535, &address))
            return fail();
        appendBigEndian16(&frame, address);
    }

    checked.append(char(entry.command));
    if (entry.form == 1) {
        if (entry.command == 0x03)
            checked.append("\xA5\x5A\x53\x35", 4); // the reboot instruction's safety key
    } else {
        checked.append(char(entry.subCommand));
    }

    qlonglong pointCount = 0;
    for (int p = 1; p <= entry.paramCount && p <= InstrCatalogue::ParamSlots; ++p) {
        const QString &text = row.params[p - 1];
        if (entry.textParam == p) {
            checked.append(text.toUtf8());
            checked.append('\0');
        } else if (row.instrIndex == PointListInstr && p == 5) {
            // Missing points are sent as 0, points beyond the count are not sent.
            const QStringList parts = text.split('/');
            for (int k = 0; k < pointCount; ++k) {
                qlonglong value = 0;
                const QString part = parts.value(k);
                if (!part.isEmpty() && !number(paramName(p), part, ParamMin, ParamMax, &value))
                    return fail();
                appendBigEndian16(&checked, value);
            }
        } else {
            qlonglong value = 0;
            if (!number(paramName(p), text, ParamMin, ParamMax, &value))
                return fail();
            appendBigEndian16(&checked, value);
            if (p == 4)
                pointCount = value;
        }
    }

    frame.append(checked);
    if (row.crcFlag == 1)
        appendBigEndian16(&frame, crc16Modbus(checked));
    frame.append("\xFF\xFC\xFF\xFF", 4);

    if (frame.size() > MaxBytes) {
        QString field;
        if (entry.textParam > 0)
            field = paramName(entry.textParam);
        else if (row.instrIndex == PointListInstr)
            field = paramName(4);
        failure = tr("指令帧长%1字节，超过%2字节的上限，请缩短%3！")
                      .arg(frame.size())
                      .arg(MaxBytes)
                      .arg(field);
        return fail();
    }
    if (error)
        error->clear();
    return frame;
}
