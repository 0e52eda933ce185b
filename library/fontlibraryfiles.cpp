#include "fontlibraryfiles.h"

#include "libraryfiles.h"

#include <QFileInfo>

const QStringList &FontLibraryFiles::sizes()
{
    static const QStringList offered = {"16", "24", "32", "48", "72", "96"};
    return offered;
}

FontLibraryFiles::Kind FontLibraryFiles::kindOf(const QString &fileName, QString *size)
{
    const QStringList parts = QFileInfo(fileName).baseName().split(QLatin1Char('_'));
    if (parts.size() != 2 || !sizes().contains(parts.at(1)))
        return NotAccepted;
    Kind kind = NotAccepted;
    if (parts.at(0) == QLatin1String("C"))
        kind = Chinese;
    else if (parts.at(0) == QLatin1String("E"))
        kind = English;
    if (kind != NotAccepted && size)
        *size = parts.at(1);
    return kind;
}

QStringList FontLibraryFiles::list(const QString &folder)
{
    QStringList accepted;
    for (const QString &name : LibraryFiles::listFiles(folder, {QStringLiteral("*.bin")})) {
        if (kindOf(name) != NotAccepted)
            accepted << name;
    }
    return accepted;
}
