#include "libraryfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList LibraryFiles::listFiles(const QString &folder, const QStringList &patterns)
{
    if (folder.isEmpty())
        return QStringList();
    QDir dir(folder);
    dir.setNameFilters(patterns);
    return dir.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
}

LibraryFiles::ImportReport LibraryFiles::importFiles(const QString &folder,
                                                     const QStringList &sources,
                                                     const QStringList &targetNames)
{
    ImportReport report;
    const bool haveFolder = !folder.isEmpty() && QDir().mkpath(folder);
    for (int i = 0; i < sources.size(); ++i) {
        const QString source = sources.at(i);
        const QString name =
            i < targetNames.size() ? targetNames.at(i) : QFileInfo(source).fileName();
        const QString target = folder + QLatin1Char('/') + name;
        // QFile::copy never overwrites an existing target.
        if (haveFolder && isPlainFileName(name) && QFile::copy(source, target))
            report.copied << target;
        else
            report.failed << QFileInfo(source).fileName();
    }
    return report;
}

bool LibraryFiles::removeInside(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || !isPlainFileName(name))
        return false;
    const QFileInfo file(folder + QLatin1Char('/') + name);
    if (file.isSymLink() || !file.isFile())
        return false;
    return QFile::remove(file.filePath());
}

bool LibraryFiles::removeFile(const QString &path)
{
    const QFileInfo file(path);
    return QFile::remove(path) || !(file.exists() || file.isSymLink());
}

bool LibraryFiles::isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}
