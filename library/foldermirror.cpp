#include "foldermirror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

bool FolderMirror::removeRecursively(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isSymLink())
        return QFile::remove(path); // the link only, not what it points to
    if (!info.exists())
        return true;
    if (!info.isDir())
        return false;
    // QDir::removeRecursively removes links inside without following them.
    return QDir(path).removeRecursively();
}

bool FolderMirror::copyFiles(const QString &source, const QString &destination)
{
    if (source.isEmpty() || destination.isEmpty())
        return false;
    const QFileInfo sourceInfo(source);
    if (sourceInfo.isSymLink() || !sourceInfo.isDir() || !sourceInfo.isReadable())
        return false;
    const QFileInfo destinationInfo(destination);
    const QString parent = destinationInfo.absolutePath();
    // A link in the destination's place is replaced by the folder; what it points to is
    // never touched.
    const bool destinationIsLink = destinationInfo.isSymLink();
    if (!QDir(parent).exists()
        || (!destinationIsLink && destinationInfo.exists() && !destinationInfo.isDir()))
        return false;

    // Built beside the destination so that the swap is a rename on one disk.
    QTemporaryDir staging(parent + QLatin1String("/.") + destinationInfo.fileName()
                          + QLatin1String("-XXXXXX"));
    if (!staging.isValid())
        return false;
    QFile::setPermissions(staging.path(), sourceInfo.permissions());
    const QFileInfoList files = QDir(source).entryInfoList(
        QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : files) {
        if (!QFile::copy(file.absoluteFilePath(),
                         staging.path() + QLatin1Char('/') + file.fileName()))
            return false;
    }

    const QString target = destinationInfo.absoluteFilePath();
    const QString old = staging.path() + QLatin1String(".old");
    const bool hadTarget = destinationIsLink || destinationInfo.exists();
    if (hadTarget && !QDir().rename(target, old))
        return false;
    if (!QDir().rename(staging.path(), target)) {
        if (hadTarget)
            QDir().rename(old, target);
        return false;
    }
    staging.setAutoRemove(false);
    if (hadTarget)
        removeRecursively(old);
    return true;
}
