#ifndef BYTETOHEXTEXT_H
#define BYTETOHEXTEXT_H

#include <QByteArray>
#include <QString>

// One byte as exactly two upper-case hexadecimal digits, high nibble first ("0A", "FF").
QString byteToHexText(unsigned char byte);

// Every byte as byteToHexText, separated by single blanks ("01 00 FF"); empty for no bytes.
QString bytesToHexText(const QByteArray &bytes);

#endif // BYTETOHEXTEXT_H
