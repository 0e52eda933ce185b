#include "libraryfiles.h"

#include "checkedsavefile.h"

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
        const QFileInfo existing(target);
        QString reason;
        if (!haveFolder)
            reason = tr("无法创建文件夹%1").arg(QDir::toNativeSeparators(folder));
        else if (!isPlainFileName(name))
            reason = tr("文件名无效");
        else if (existing.exists() || existing.isSymLink())
            reason = tr("同名文件已存在");
        else
            CheckedSaveFile::copyWhole(source, target, &reason);
        if (reason.isEmpty()) {
            report.copied << target;
        } else {
            report.failed << QFileInfo(source).fileName();
            report.reasons << reason;
        }
    }
    return report;
}

QStringList LibraryFiles::ImportReport::failures() const
{
    QStringList lines;
    for (int i = 0; i < failed.size(); ++i)
        lines << CheckedSaveFile::failureLine(failed.at(i), reasons.value(i));
    return lines;
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
