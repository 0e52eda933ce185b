#include "mainwindow.h"

#include "designglobals.h"
#include "projectfolder.h"

#include <QDir>
#include <QMap>

// Image numbers follow the files' leading ids in tempImages ("<id>_<name>").
void MainWindow::initImageTable()
{
    imagePaths.clear();
    if (!isProjectOpen())
        return;
    const QString images =
        ProjectFolder::subfolder(currentProjectPath, QStringLiteral("tempImages"));
    QMap<qint64, QString> byId;
    const QFileInfoList files = QDir(images).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName();
        const int cut = name.indexOf(QLatin1Char('_'));
        bool ok = false;
        const qint64 id = name.left(cut).toLongLong(&ok);
        if (cut > 0 && ok && id >= 0 && !byId.contains(id))
            byId.insert(id, images + QLatin1Char('/') + name);
    }
    imagePaths = byId.values();
    copyDirFiles(images,
                 ProjectFolder::subfolder(currentProjectPath, QStringLiteral("backUpImages")));
}
