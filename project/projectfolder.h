#ifndef PROJECTFOLDER_H
#define PROJECTFOLDER_H

#include <QString>

// The project's folder on disk: the paths of its parts and the image library's mirror.
class ProjectFolder
{
public:
    // The folder that holds the project file, and its named subfolder.
    static QString folderOf(const QString &projectPath);
    static QString subfolder(const QString &projectPath, const QString &name);

    // Makes each working subfolder of a project folder that is not there yet
    // (tempImages, tempFonts, tempTtf, allFile); false when one cannot be made.
    static bool createSubfolders(const QString &folder);
    // Makes the named subfolder beside a project file when it is not there yet.
    static bool ensureSubfolder(const QString &projectPath, const QString &name);

    // Makes destination hold a copy of every file directly inside source, and nothing
    // else. The copies go to a new folder that replaces destination only when all of
    // them succeeded; a missing source, or any failure, leaves destination as it was.
    static bool mirrorFiles(const QString &source, const QString &destination);
    // Removes a folder with everything inside it.
    static bool removeRecursively(const QString &path);
};

#endif // PROJECTFOLDER_H
