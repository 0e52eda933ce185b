#include "projectfolder.h"

#include <QFileInfo>

QString ProjectFolder::folderOf(const QString &projectPath)
{
    return QFileInfo(projectPath).path();
}

QString ProjectFolder::subfolder(const QString &projectPath, const QString &name)
{
    return folderOf(projectPath) + QLatin1Char('/') + name;
}
