#ifndef FONTLIBRARYFILES_H
#define FONTLIBRARYFILES_H

#include <QString>
#include <QStringList>

// Ready-made font binaries for the module, "C_<size>.bin" (Chinese) and "E_<size>.bin"
// (English), kept in the project's font folder beside the generated fonts.
class FontLibraryFiles
{
public:
    enum Kind { NotAccepted, Chinese, English };

    // The kind of a file name; its base name (up to the first ".") must be a kind letter,
    // "_" and one of the offered sizes. size receives the size text when accepted.
    static Kind kindOf(const QString &fileName, QString *size = nullptr);
    static const QStringList &sizes();

    // The accepted files of the folder, in name order with letter case ignored.
    static QStringList list(const QString &folder);
};

#endif // FONTLIBRARYFILES_H
