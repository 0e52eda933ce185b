#include "projectfolder.h"

#include "checkedsavefile.h"
#include "designdocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

QString ProjectFolder::withProjectExtension(const QString &chosen)
{
    const QLatin1String extension(".yBEX");
    return chosen.endsWith(extension) ? chosen : chosen + extension;
}

bool ProjectFolder::isNameTooLong(const QString &fileName)
{
#ifdef Q_OS_WIN
    const int length = fileName.size();
#else
    const int length = QFile::encodeName(fileName).size();
#endif
    return length > MaxNewNameBytes;
}

QString ProjectFolder::newProjectProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.baseName().isEmpty())
        return tr("%1：项目名称不能以“.”开头").arg(path);
    if (isNameTooLong(info.fileName()))
        return tr("%1：名称过长，项目文件名最多%2个字节")
            .arg(info.path() + QLatin1Char('/') + info.baseName() + QLatin1Char('/')
                     + info.fileName(),
                 QString::number(MaxNewNameBytes));
    return QString();
}

QString ProjectFolder::folderOf(const QString &projectPath)
{
    return QFileInfo(projectPath).path();
}

QString ProjectFolder::subfolder(const QString &projectPath, const QString &name)
{
    return folderOf(projectPath) + QLatin1Char('/') + name;
}

QString ProjectFolder::openProjectSubfolder(const QString &projectPath, const QString &name)
{
    return DesignDocument::isProjectPath(projectPath) ? subfolder(projectPath, name) : QString();
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

bool ProjectFolder::isLink(const QString &path)
{
    const QFileInfo entry(path);
    return entry.isSymLink() || entry.isJunction();
}

bool ProjectFolder::removeEntry(const QString &path, int *errorNumber)
{
    const auto noted = [errorNumber](bool done) {
        if (!done && errorNumber && *errorNumber == 0)
            *errorNumber = errno;
        return done;
    };
    errno = 0;
    if (isLink(path)) {
        // A link to a folder goes as a folder entry on some systems; rmdir never follows.
        return noted(QFile::remove(path) || QDir().rmdir(path));
    }
    if (!QFileInfo(path).isDir())
        return noted(QFile::remove(path));
    bool removed = true;
    const QStringList children =
        QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &child : children)
        removed = removeEntry(path + QLatin1Char('/') + child, errorNumber) && removed;
    errno = 0;
    return noted(QDir().rmdir(path)) && removed;
}

bool ProjectFolder::makeRealFolder(const QString &path, QString *error)
{
    const QFileInfo folder(path);
    const QString shown = QDir::toNativeSeparators(path);
    const auto failed = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (isLink(path)) {
        // Not a folder of the project's but a way to another: the link goes.
        int errorNumber = 0;
        if (!removeEntry(path, &errorNumber))
            return failed(
                tr("%1是一个链接，无法删除：%2")
                    .arg(shown,
                         CheckedSaveFile::cause(errorNumber, folder.absolutePath(), 0, QString())));
    } else if (folder.exists() && !folder.isDir()) {
        return failed(tr("%1是一个文件，不是文件夹").arg(shown));
    }
    errno = 0;
    if (!QDir().mkpath(path)) {
        const int errorNumber = errno;
        return failed(
            tr("无法创建文件夹%1：%2")
                .arg(shown,
                     CheckedSaveFile::cause(errorNumber, folder.absolutePath(), 0, QString())));
    }
    return true;
}
