#include "ymodemjob.h"

#include "designglobals.h"
#include "qmywidget.h"

#include "projectfolder.h"

YModemJob YModemJob::fromDesign(int job, const QString &directory, const QString &fileName,
                                int pictureMode, const QString &instructionText)
{
    YModemJob request;
    request.job = job;
    request.directory = directory;
    request.fileName = fileName;
    request.pictureMode = pictureMode;
    request.instructionText = instructionText;
    for (const QList<QMyWidget *> *widgets : qAsConst(pageWidgets)) {
        Page page;
        if (widgets) {
            page.widgetCount = widgets->size();
            for (const QMyWidget *widget : *widgets)
                page.textLengths.append({widget->getId(), widget->getLongTextLen()});
        }
        request.pages.append(page);
    }
    request.pageFileSizes = guicfgSizes;
    request.imagePaths = ::imagePaths;
    request.fontIds = fontIdList;
    request.projectFolder = ProjectFolder::folderOf(currentProjectPath);
    return request;
}
