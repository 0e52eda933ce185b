#ifndef LIBRARYFILES_H
#define LIBRARYFILES_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// File handling shared by the image, TrueType and font-library folders of a project.
class LibraryFiles
{
    Q_DECLARE_TR_FUNCTIONS(LibraryFiles)

public:
    // What an import copied and what it could not copy.
    struct ImportReport
    {
        QStringList copied; // full paths of the new files, in the order asked
        QStringList failed; // file names of the sources left out
        QStringList reasons; // why each of failed was left out

        // "name: reason" for each source left out.
        QStringList failures() const;
    };

    // Plain files (no links) matching one of the patterns, letter case ignored, in name
    // order with letter case ignored.
    static QStringList listFiles(const QString &folder, const QStringList &patterns);

    // Copies each source into folder under the matching target name (its own name when
    // targetNames is empty); never overwrites, and a copy that cannot be completed leaves
    // nothing behind. The folder is created when missing.
    static ImportReport importFiles(const QString &folder, const QStringList &sources,
                                    const QStringList &targetNames = QStringList());

    // Removes the file name inside folder, and nothing else: a name with a folder part, an
    // empty name or a link is refused.
    static bool removeInside(const QString &folder, const QString &name);
    // Removes the file at path; true also when there was none. False while something is
    // still there (no permission, a file held open, a read-only folder).
    static bool removeFile(const QString &path);

    // True for a name that stays inside a folder (no separators, not "." or "..").
    static bool isPlainFileName(const QString &name);
};

#endif // LIBRARYFILES_H
