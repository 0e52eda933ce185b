#ifndef PROJECTFOLDER_H
#define PROJECTFOLDER_H

#include <QString>

// The project's folder on disk: the paths of its parts.
class ProjectFolder
{
public:
    // The folder that holds the project file, and its named subfolder.
    static QString folderOf(const QString &projectPath);
    static QString subfolder(const QString &projectPath, const QString &name);
};

#endif // PROJECTFOLDER_H
