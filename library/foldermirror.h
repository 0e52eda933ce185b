#ifndef FOLDERMIRROR_H
#define FOLDERMIRROR_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The picture folder's mirror: a flat copy kept beside it and copied back when the user
// leaves a project without saving. Neither direction may lose the folder it replaces.
class FolderMirror
{
    Q_DECLARE_TR_FUNCTIONS(FolderMirror)

public:
    // Makes destination hold a copy of every plain file directly inside source, and
    // nothing else. The copies go to a staging folder that replaces destination only when
    // every one was whole; a missing source, a link or any failure leaves destination as
    // it was and returns false, with "name: reason" lines in failures (the files that
    // could not be copied, or the folder that could not be used). Links inside source
    // are neither followed nor copied.
    static bool copyFiles(const QString &source, const QString &destination,
                          QStringList *failures = nullptr);

    // Removes a folder with everything inside it. Links are removed, never followed, and
    // no folder above it is touched. True when nothing is left at path.
    static bool removeRecursively(const QString &path);

private:
    static bool copyAll(const QString &source, const QString &destination, QStringList *failures);
};

#endif // FOLDERMIRROR_H
