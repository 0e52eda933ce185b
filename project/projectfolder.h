#ifndef PROJECTFOLDER_H
#define PROJECTFOLDER_H

#include <QCoreApplication>
#include <QString>

// The project's folder on disk: the paths of its parts.
class ProjectFolder
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFolder)

public:
    // A file name's longest form on disk, with room for the temporary name every save
    // writes first (".XXXXXX" after it).
    static constexpr int MaxNewNameBytes = 255 - 7;
    // Whether a file name is longer than that.
    static bool isNameTooLong(const QString &fileName);

    // The file of a new project chosen as `chosen`: only a name ending in ".yBEX" names a
    // project, so one that does not gets it appended.
    static QString withProjectExtension(const QString &chosen);
    // Why the new project file chosen as `path` (with its extension) cannot be made, said
    // before anything is made; empty when nothing stands in the way. The project goes in a
    // folder named after the part of the name before its first dot.
    static QString newProjectProblem(const QString &path);

    // The folder that holds the project file, and its named subfolder.
    static QString folderOf(const QString &projectPath);
    static QString subfolder(const QString &projectPath, const QString &name);
    // The named subfolder of the project whose file is at projectPath; empty when the path
    // names no project file (no project is open).
    static QString openProjectSubfolder(const QString &projectPath, const QString &name);

    // Makes each working subfolder of a project folder that is not there yet
    // (tempImages, tempFonts, tempTtf, allFile); false when one cannot be made.
    static bool createSubfolders(const QString &folder);
    // Makes the named subfolder beside a project file when it is not there yet.
    static bool ensureSubfolder(const QString &projectPath, const QString &name);
    // A real folder at path for the program's own files: a link there is removed, never
    // what it points to, and a folder made in its place. False, with the reason in error,
    // when path is a file or cannot be made a folder.
    static bool makeRealFolder(const QString &path, QString *error = nullptr);
    // Removes a file, a link or a whole folder; a link is removed itself and never followed,
    // so nothing outside the entry is touched. errorNumber gets the system's reason of a
    // failure.
    static bool removeEntry(const QString &path, int *errorNumber = nullptr);
    // A symbolic link, a shortcut or a junction.
    static bool isLink(const QString &path);
};

#endif // PROJECTFOLDER_H
