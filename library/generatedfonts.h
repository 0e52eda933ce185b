#ifndef GENERATEDFONTS_H
#define GENERATEDFONTS_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The fonts generated for the module: n.font from the converter and n.ini with the form it
// was made from, n being the font number 0..31, in the project's font folder.
class GeneratedFonts
{
    Q_DECLARE_TR_FUNCTIONS(GeneratedFonts)

public:
    static constexpr int MaxNumber = 31;
    static constexpr int MaxCount = 32;
    // Font sizes in pixels the module can draw: it keeps a glyph's box and advance in eight
    // bits (at most 255 px), and a glyph may be a quarter larger than the font's size.
    static constexpr int MinSize = 8;
    static constexpr int MaxSize = 200;

    // What the form holds for one font; the parameter file's group FontParam.
    struct Params
    {
        QString fontName; // the number
        QString fontTtf; // TrueType file name inside the project's TrueType folder
        QString fontSize;
        QString fontBbp; // "1", "2", "3", "4" or "8"
        QString fontText; // the characters to include
    };

    enum NumberCheck { NumberOk, NotANumber, OutOfRange, TooManyFonts };
    // Checks the number field. number receives the canonical text ("05" gives "5") when
    // it passes. listed are the numbers that exist; a new number beyond MaxCount of them
    // is refused, an existing one may be made again.
    static NumberCheck checkNumber(const QString &text, const QStringList &listed, QString *number);
    // A plain number 0..31 written in digits only; its canonical text.
    static bool isPlainNumber(const QString &text, QString *number = nullptr);

    // The size field as a number of pixels within MinSize..MaxSize.
    static bool checkSize(const QString &text, int *size);
    // What the user is told of a size checkSize refuses.
    static QString sizeRangeNotice();
    // What the user is told when no TrueType file is chosen to make a font from.
    static QString noTtfNotice();
    // How many characters other than the blank a converter's font file maps; -1 for bytes
    // that are not such a file.
    static int characterCount(const QByteArray &font);
    // Whether the file is a converter's font from end to end: tables that fill it exactly,
    // "head" first and a "cmap" among them. Only the table headers are read.
    static bool isWholeFont(const QString &path);

    static QString fontPath(const QString &folder, const QString &number);
    static QString paramPath(const QString &folder, const QString &number);

    // The numbers that have both files, ascending, as decimal texts.
    static QStringList listNumbers(const QString &folder);
    // Total size of the folder's "*.font" files in KB.
    static double fontFilesKB(const QString &folder);

    static Params readParams(const QString &path);
    // Replaces the file as a whole or leaves it as it was; error gets "<path>: <cause>".
    static bool writeParams(const QString &path, const Params &params, QString *error = nullptr);
};

#endif // GENERATEDFONTS_H
