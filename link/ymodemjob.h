#ifndef YMODEMJOB_H
#define YMODEMJOB_H

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class DesignDocument;

// One download request with everything it needs of the design, copied in the GUI thread
// when it is made: the worker never reads the design's lists.
struct YModemJob
{
    enum Type { Project = 0, Pictures = 1, Fonts = 2, InstructionText = 5 };

    struct Page
    {
        int widgetCount = 0;
        QVector<QPair<int, int>> textLengths; // (widget id, longTextLen) per widget
    };

    int job = -1;
    QString directory;
    QString fileName;
    int pictureMode = 0;
    QString instructionText;

    QVector<Page> pages;
    QList<int> pageFileSizes; // of the generator's last run
    QStringList imagePaths;
    QStringList fontIds;
    QString projectFolder;

    // The request with a copy of the design, whose series decides the picture format; the
    // page files of the design are pageFileSizes bytes long.
    static YModemJob fromDesign(const DesignDocument &design, const QList<int> &pageFileSizes,
                                int job, const QString &directory, const QString &fileName,
                                const QString &instructionText = QString());
};

#endif // YMODEMJOB_H
