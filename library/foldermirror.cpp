#include "foldermirror.h"

#include "checkedsavefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>

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

bool FolderMirror::copyFiles(const QString &source, const QString &destination,
                             QStringList *failures)
{
    QStringList failed;
    const bool copied = copyAll(source, destination, &failed);
    if (failures)
        *failures = failed;
    return copied;
}

bool FolderMirror::copyAll(const QString &source, const QString &destination, QStringList *failures)
{
    const auto refuse = [failures](const QString &path, const QString &reason) {
        *failures << CheckedSaveFile::failureLine(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (source.isEmpty() || destination.isEmpty())
        return refuse(source.isEmpty() ? destination : source, tr("路径为空"));
    const QFileInfo sourceInfo(source);
    if (sourceInfo.isSymLink())
        return refuse(source, tr("是符号链接"));
    if (!sourceInfo.isDir())
        return refuse(source, tr("不是文件夹"));
    if (!sourceInfo.isReadable())
        return refuse(source, tr("没有读取权限"));
    const QFileInfo destinationInfo(destination);
    const QString parent = destinationInfo.absolutePath();
    // A link in the destination's place is replaced by the folder; what it points to is
    // never touched.
    const bool destinationIsLink = destinationInfo.isSymLink();
    if (!QDir(parent).exists())
        return refuse(parent, tr("文件夹不存在"));
    if (!destinationIsLink && destinationInfo.exists() && !destinationInfo.isDir())
        return refuse(destination, tr("不是文件夹"));

    // Built beside the destination so that the swap is a rename on one disk.
    QTemporaryDir staging(parent + QLatin1String("/.") + destinationInfo.fileName()
                          + QLatin1String("-XXXXXX"));
    if (!staging.isValid())
        return refuse(parent, CheckedSaveFile::cause(0, parent, 0, staging.errorString()));
    QFile::setPermissions(staging.path(), sourceInfo.permissions());
    const QFileInfoList files = QDir(source).entryInfoList(
        QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name);
    // Every file is tried, so that the user learns all that could not be copied.
    for (const QFileInfo &file : files) {
        QString reason;
        if (!CheckedSaveFile::copyWhole(file.absoluteFilePath(),
                                        staging.path() + QLatin1Char('/') + file.fileName(),
                                        &reason))
            *failures << CheckedSaveFile::failureLine(file.fileName(), reason);
    }
    if (!failures->isEmpty())
        return false;

    const QString target = destinationInfo.absoluteFilePath();
    const QString old = staging.path() + QLatin1String(".old");
    const bool hadTarget = destinationIsLink || destinationInfo.exists();
    errno = 0;
    if (hadTarget && !QDir().rename(target, old))
        return refuse(target, CheckedSaveFile::cause(errno, parent, 0, tr("无法替换")));
    errno = 0;
    if (!QDir().rename(staging.path(), target)) {
        const int renameError = errno;
        if (hadTarget)
            QDir().rename(old, target);
        return refuse(target, CheckedSaveFile::cause(renameError, parent, 0, tr("无法替换")));
    }
    staging.setAutoRemove(false);
    if (hadTarget)
        removeRecursively(old);
    return true;
}
