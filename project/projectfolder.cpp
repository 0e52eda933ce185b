#include "projectfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

QString ProjectFolder::folderOf(const QString &projectPath)
{
    return QFileInfo(projectPath).path();
}

QString ProjectFolder::subfolder(const QString &projectPath, const QString &name)
{
    return folderOf(projectPath) + QLatin1Char('/') + name;
}

bool ProjectFolder::createSubfolders(const QString &folder)
{
    for (const char *name : {"tempImages", "tempFonts", "tempTtf", "allFile"}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        if (!QFileInfo(path).isDir() && !QDir().mkdir(path))
            return false;
    }
    return true;
}

bool ProjectFolder::ensureSubfolder(const QString &projectPath, const QString &name)
{
    const QString path = subfolder(projectPath, name);
    return QFileInfo(path).isDir() || QDir().mkdir(path);
}

bool ProjectFolder::removeRecursively(const QString &path)
{
    QDir dir(path);
    return !dir.exists() || dir.removeRecursively();
}

bool ProjectFolder::mirrorFiles(const QString &source, const QString &destination)
{
    const QDir sourceDir(source);
    if (source.isEmpty() || destination.isEmpty() || !sourceDir.exists())
        return false;
    const QFileInfo destinationInfo(destination);
    const QString parent = destinationInfo.absolutePath();
    if (!QDir(parent).exists() || (destinationInfo.exists() && !destinationInfo.isDir()))
        return false;

    // Built beside the destination so that the final step is a rename on one disk.
    QTemporaryDir staging(parent + QLatin1String("/.") + destinationInfo.fileName()
                          + QLatin1String("-XXXXXX"));
    if (!staging.isValid())
        return false;
    QFile::setPermissions(staging.path(), QFileInfo(source).permissions());
    const QFileInfoList files =
        sourceDir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : files) {
        if (!QFile::copy(file.absoluteFilePath(),
                         staging.path() + QLatin1Char('/') + file.fileName()))
            return false;
    }

    const QString target = destinationInfo.absoluteFilePath();
    const QString old = staging.path() + QLatin1String(".old");
    const bool hadTarget = QFileInfo::exists(target);
    if (hadTarget && !QDir().rename(target, old))
        return false;
    if (!QDir().rename(staging.path(), target)) {
        if (hadTarget)
            QDir().rename(old, target);
        return false;
    }
    staging.setAutoRemove(false);
    if (hadTarget)
        QDir(old).removeRecursively();
    return true;
}
