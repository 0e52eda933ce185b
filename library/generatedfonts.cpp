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
                               false, "UTF-8", error);
}
