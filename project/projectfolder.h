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
    // The named subfolder of the open project; empty when no project is open.
    static QString openProjectSubfolder(const QString &name);

    // Makes each working subfolder of a project folder that is not there yet
    // (tempImages, tempFonts, tempTtf, allFile); false when one cannot be made.
    static bool createSubfolders(const QString &folder);
    // Makes the named subfolder beside a project file when it is not there yet.
    static bool ensureSubfolder(const QString &projectPath, const QString &name);
};

#endif // PROJECTFOLDER_H
