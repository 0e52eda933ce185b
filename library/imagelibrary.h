#ifndef IMAGELIBRARY_H
#define IMAGELIBRARY_H

#include "libraryfiles.h"

#include <QSize>
#include <QString>
#include <QStringList>

// The rules of a project's picture folder: file names "<id>_<name>", the image numbers
// that follow from the ids, new ids for imports and the size each module series counts.
class ImageLibrary
{
public:
    // Ids of imported files count on from here.
    static constexpr qint64 FirstId = 100000;

    // A library file: a ".png" or ".jpg" name (letter case ignored) with a "_".
    static bool isImageName(const QString &name);
    // The decimal id before the first "_"; 0 when that text is not a number.
    static qint64 idOf(const QString &name);

    // The library's file names in image-number order: ascending ids, equal ids in name
    // order. Names without "_" and links are left out.
    static QStringList orderedNames(const QString &folder);

    // The largest id in the folder, at least FirstId.
    static qint64 highestId(const QString &folder);
    static QString importedName(qint64 id, const QString &fileName);

    // Sources an import leaves out before copying, by file name: files that are not PNG or
    // JPG pictures, and pictures larger than the program takes ("name (WxH)").
    struct Refusals
    {
        QStringList notPictures;
        QStringList tooLarge;
    };

    // Copies the usable pictures among the sources into the folder under new ids (highest
    // + 1 + their index, so a refused source or a failed copy uses up its id), creating the
    // folder when missing.
    static LibraryFiles::ImportReport importFiles(const QString &folder, const QStringList &sources,
                                                  Refusals *refused = nullptr);

    // Bytes one picture takes on a module of the series: the file for series 0, three
    // bytes a pixel for series 1, nothing for any other.
    static qint64 bytesFor(const QString &path, int modelType);
    static double sizeKB(const QStringList &paths, int modelType);
    // Pixel size read from the file's header; empty when it cannot be read.
    static QSize pixelSize(const QString &path);
    // "%1KB" with two decimals.
    static QString kbText(double kb);
};

#endif // IMAGELIBRARY_H
