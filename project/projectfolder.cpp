#include "projectfolder.h"

#include "designdocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ProjectFolder::withProjectExtension(const QString &chosen)
{
    const QLatin1String extension(".yBEX");
    return chosen.endsWith(extension) ? chosen : chosen + extension;
}

QString ProjectFolder::newProjectProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.baseName().isEmpty())
        return tr("%1：项目名称不能以“.”开头").arg(path);
#ifdef Q_OS_WIN
    const int length = info.fileName().size();
#else
    const int length = QFile::encodeName(info.fileName()).size();
#endif
    if (length > MaxNewNameBytes)
        return tr("%1：名称过长，项目文件名最多%2个字节")
            .arg(info.path() + QLatin1Char('/') + info.baseName() + QLatin1Char('/')
                 + info.fileName())
            .arg(MaxNewNameBytes);
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
