#ifndef QMYDRAWCACHE_H
#define QMYDRAWCACHE_H

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

// Files the widgets draw from (font parameter files, TrueType files, pictures), looked at on
// every paint but read again only when a file changes (path, size and modification time), so
// that a drag does not reload them and a TrueType file is registered once.
class QMyDrawCache
{
public:
    // The font of font number n of the project, fallbackPixelSize when it has no parameter
    // file.
    static QFont projectFont(const QString &projectFolder, int fontNumber, int fallbackPixelSize,
                             bool badSizeKeepsFallback = false);

    // Families of a TrueType file, registered with the font database once per file version;
    // empty when the file is missing or registers none.
    static QStringList ttfFamilies(const QString &path);

    // A picture file as it is now, scaled to `shown` when that is valid; a null image when
    // it is missing, unreadable or larger than the program decodes (PictureFile).
    static QImage image(const QString &path, const QSize &shown = QSize());

    // How many registrations the font database holds for us (one per live file).
    static int registeredFontCount();

    static void clear();
};

#endif // QMYDRAWCACHE_H
