#include "generatedfonts.h"

#include "libraryfiles.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

GeneratedFonts::NumberCheck GeneratedFonts::checkNumber(const QString &text,
                                                        const QStringList &listed, QString *number)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (text.isEmpty() || !ok)
        return NotANumber;
    if (value < 0 || value > MaxNumber)
        return OutOfRange;
    const QString canonical = QString::number(value);
    if (listed.size() >= MaxCount && !listed.contains(canonical))
        return TooManyFonts;
    if (number)
        *number = canonical;
    return NumberOk;
}

bool GeneratedFonts::isPlainNumber(const QString &text, QString *number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    if (!digits.match(text).hasMatch() || text.toInt() > MaxNumber)
        return false;
    if (number)
        *number = QString::number(text.toInt());
    return true;
}

bool GeneratedFonts::checkSize(const QString &text, int *size)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < MinSize || value > MaxSize)
        return false;
    *size = value;
    return true;
}

QString GeneratedFonts::sizeRangeNotice()
{
    return tr("字体大小应为%1-%2的整数！").arg(MinSize).arg(MaxSize);
}

QString GeneratedFonts::noTtfNotice()
{
    return tr("请先选择用来生成字体的ttf文件！");
}

namespace {

quint32 readU32(const QByteArray &b, int at)
{
    return quint32(quint8(b.at(at))) | quint32(quint8(b.at(at + 1))) << 8
        | quint32(quint8(b.at(at + 2))) << 16 | quint32(quint8(b.at(at + 3))) << 24;
}

quint16 readU16(const QByteArray &b, int at)
{
    return quint16(quint8(b.at(at)) | quint8(b.at(at + 1)) << 8);
}

} // namespace

// The converter's binary font is a row of tables, each a 32-bit size and a four-letter label;
// "cmap" holds subtables, each with a 16-byte header: data offset, first code, code range
// length, first glyph id, entry count, format (0 full and 2 tiny: every code of the range
// but those the full format marks 0 after the first; 1 and 3: a list of code offsets).
int GeneratedFonts::characterCount(const QByteArray &font)
{
    int at = 0;
    while (at + 8 <= font.size()) {
        const quint32 size = readU32(font, at);
        if (size < 8 || size > quint32(font.size() - at))
            return -1;
        if (font.mid(at + 4, 4) != "cmap") {
            at += int(size);
            continue;
        }
        const QByteArray cmap = font.mid(at, int(size));
        if (cmap.size() < 12)
            return -1;
        const quint32 subtables = readU32(cmap, 8);
        int count = 0;
        for (quint32 i = 0; i < subtables; ++i) {
            const int header = 12 + int(i) * 16;
            if (header + 16 > cmap.size())
                return -1;
            const quint32 dataAt = readU32(cmap, header);
            const quint32 first = readU32(cmap, header + 4);
            const int length = readU16(cmap, header + 8);
            const int entries = readU16(cmap, header + 12);
            const int format = quint8(cmap.at(header + 14));
            const auto blankIn = [&](quint32 code) { return code == 0x20 ? 1 : 0; };
            if (format == 2) {
                count += length - ((first <= 0x20 && 0x20 < first + quint32(length)) ? 1 : 0);
            } else if (format == 0) {
                // In 64 bits: a 32-bit sum wraps past an offset near its end.
                if (qint64(dataAt) + length > cmap.size())
                    return -1;
                for (int c = 0; c < length; ++c) {
                    if (c == 0 || cmap.at(int(dataAt) + c) != 0)
                        count += 1 - blankIn(first + quint32(c));
                }
            } else if (format == 1 || format == 3) {
                if (qint64(dataAt) + qint64(entries) * 2 > cmap.size())
                    return -1;
                for (int e = 0; e < entries; ++e)
                    count += 1 - blankIn(first + readU16(cmap, int(dataAt) + e * 2));
            } else {
                return -1;
            }
        }
        return count;
    }
    return -1;
}

bool GeneratedFonts::isWholeFont(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    bool mapped = false;
    for (qint64 at = 0; at < size;) {
        QByteArray header(8, '\0');
        if (size - at < 8 || !file.seek(at) || file.read(header.data(), 8) != 8)
            return false;
        const quint32 tableSize = readU32(header, 0);
        const QByteArray label = header.mid(4);
        if (tableSize < 8 || tableSize > size - at || (at == 0 && label != "head"))
            return false;
        mapped = mapped || label == "cmap";
        at += tableSize;
    }
    return size > 0 && mapped;
}

QString GeneratedFonts::fontPath(const QString &folder, const QString &number)
{
    return QStringLiteral("%1/%2.font").arg(folder, number);
}

QString GeneratedFonts::paramPath(const QString &folder, const QString &number)
{
    return QStringLiteral("%1/%2.ini").arg(folder, number);
}

QStringList GeneratedFonts::listNumbers(const QString &folder)
{
    QList<int> numbers;
    for (const QString &name : LibraryFiles::listFiles(folder, {QStringLiteral("*.font")})) {
        bool ok = false;
        const int n = name.chopped(5).toInt(&ok, 10);
        if (ok && n >= 0 && n <= MaxNumber && !numbers.contains(n))
            numbers << n;
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList listed;
    for (int n : qAsConst(numbers)) {
        const QString text = QString::number(n);
        // Only the canonical pair counts: "05.font" is not font 5's file.
        if (QFileInfo(fontPath(folder, text)).isFile()
            && QFileInfo(paramPath(folder, text)).isFile())
            listed << text;
    }
    return listed;
}

double GeneratedFonts::fontFilesKB(const QString &folder)
{
    double sum = 0;
    for (const QString &name : LibraryFiles::listFiles(folder, {QStringLiteral("*.font")}))
        sum += QFileInfo(folder + QLatin1Char('/') + name).size() / 1024.0;
    return sum;
}

GeneratedFonts::Params GeneratedFonts::readParams(const QString &path)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    ini.beginGroup(QStringLiteral("FontParam"));
    Params p;
    p.fontName = ini.value(QStringLiteral("fontName")).toString();
    p.fontTtf = ini.value(QStringLiteral("fontTtf")).toString();
    p.fontSize = ini.value(QStringLiteral("fontSize")).toString();
    p.fontBbp = ini.value(QStringLiteral("fontBbp")).toString();
    p.fontText = ini.value(QStringLiteral("fontText")).toString();
    return p;
}

bool GeneratedFonts::writeParams(const QString &path, const Params &params, QString *error)
{
    return SettingsFile::write(path,
                               {{QStringLiteral("FontParam/fontName"), params.fontName},
                                {QStringLiteral("FontParam/fontTtf"), params.fontTtf},
                                {QStringLiteral("FontParam/fontSize"), params.fontSize},
                                {QStringLiteral("FontParam/fontBbp"), params.fontBbp},
                                {QStringLiteral("FontParam/fontText"), params.fontText}},
                               false, error);
}
