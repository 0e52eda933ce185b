#include "bytetohextext.h"

namespace {

const char hexDigits[] = "0123456789ABCDEF";

} // namespace

QString byteToHexText(unsigned char byte)
{
    const QChar digits[2] = {QLatin1Char(hexDigits[byte >> 4]),
                             QLatin1Char(hexDigits[byte & 0x0F])};
    return QString(digits, 2);
}

QString bytesToHexText(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    // Built in one buffer: whole YModem blocks are logged this way at line rate.
    QString text(bytes.size() * 3 - 1, QLatin1Char(' '));
    QChar *out = text.data();
    for (int i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        out[i * 3] = QLatin1Char(hexDigits[byte >> 4]);
        out[i * 3 + 1] = QLatin1Char(hexDigits[byte & 0x0F]);
    }
    return text;
}
