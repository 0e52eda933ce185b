#include "projectfolder.h"

#include "designglobals.h"

#include <QDir>
#include <QFileInfo>

QString ProjectFolder::folderOf(const QString &projectPath)
{
    return QFileInfo(projectPath).path();
}

QString ProjectFolder::subfolder(const QString &projectPath, const QString &name)
{
    return folderOf(projectPath) + QLatin1Char('/') + name;
}

QString ProjectFolder::openProjectSubfolder(const QString &name)
{
    return isProjectOpen() ? subfolder(currentProjectPath, name) : QString();
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
