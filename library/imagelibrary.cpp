#include "imagelibrary.h"

#include "picturefile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

bool ImageLibrary::isImageName(const QString &name)
{
    return name.contains(QLatin1Char('_'))
        && (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
            || name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive));
}

qint64 ImageLibrary::idOf(const QString &name)
{
    bool ok = false;
    const qint64 id = name.section(QLatin1Char('_'), 0, 0).toLongLong(&ok, 10);
    return ok ? id : 0;
}

QStringList ImageLibrary::orderedNames(const QString &folder)
{
    QStringList names =
        LibraryFiles::listFiles(folder, {QStringLiteral("*.png"), QStringLiteral("*.jpg")});
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &n) { return !isImageName(n); }),
                names.end());
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return idOf(a) < idOf(b); });
    return names;
}

qint64 ImageLibrary::highestId(const QString &folder)
{
    qint64 highest = FirstId;
    for (const QString &name : orderedNames(folder))
        highest = std::max(highest, idOf(name));
    return highest;
}

QString ImageLibrary::importedName(qint64 id, const QString &fileName)
{
    return QStringLiteral("%1_").arg(id) + fileName;
}

LibraryFiles::ImportReport ImageLibrary::importFiles(const QString &folder,
                                                     const QStringList &sources, Refusals *refused)
{
    const qint64 highest = highestId(folder);
    QStringList usable;
    QStringList names;
    for (int i = 0; i < sources.size(); ++i) {
        const QString name = QFileInfo(sources.at(i)).fileName();
        QSize size;
        QFile readable(sources.at(i));
        switch (PictureFile::check(sources.at(i), &size)) {
        case PictureFile::Usable:
            usable << sources.at(i);
            names << importedName(highest + 1 + i, name);
            break;
        case PictureFile::NotAPicture:
            // A file that cannot be read at all is one that cannot be copied, and so is
            // one that is no regular file (never opened: a FIFO would wait for a writer).
            if (!QFileInfo(sources.at(i)).isFile() || !readable.open(QIODevice::ReadOnly)) {
                usable << sources.at(i);
                names << importedName(highest + 1 + i, name);
            } else if (refused) {
                refused->notPictures << name;
            }
            break;
        case PictureFile::TooLarge:
            if (refused)
                refused->tooLarge << QStringLiteral("%1 (%2x%3)")
                                         .arg(name, QString::number(size.width()),
                                              QString::number(size.height()));
            break;
        }
    }
    return LibraryFiles::importFiles(folder, usable, names);
}

QSize ImageLibrary::pixelSize(const QString &path)
{
    const QSize size = QImageReader(path).size();
    return size.isValid() ? size : QSize(0, 0);
}

qint64 ImageLibrary::bytesFor(const QString &path, int modelType)
{
    switch (modelType) {
    case 0:
        return QFileInfo(path).size();
    case 1: {
        // The PM series keeps pictures unpacked, three bytes a pixel.
        const QSize size = pixelSize(path);
        return qint64(size.width()) * size.height() * 3;
    }
    default:
        return 0;
    }
}

double ImageLibrary::sizeKB(const QStringList &paths, int modelType)
{
    double sum = 0;
    for (const QString &path : paths)
        sum += bytesFor(path, modelType) / 1024.0;
    return sum;
}

QString ImageLibrary::kbText(double kb)
{
    return QString::number(kb, 'f', 2) + QLatin1String("KB");
}
