#include "ymodemjob.h"

#include "designdocument.h"
#include "projectfolder.h"
#include "qmywidget.h"

YModemJob YModemJob::fromDesign(const DesignDocument &design, const QList<int> &pageFileSizes,
                                int job, const QString &directory, const QString &fileName,
                                const QString &instructionText)
{
    YModemJob request;
    request.job = job;
    request.directory = directory;
    request.fileName = fileName;
    request.pictureMode = design.modelType();
    request.instructionText = instructionText;
    for (int i = 0; i < design.pageCount(); ++i) {
        Page page;
        const QList<QMyWidget *> &widgets = design.widgets(i);
        page.widgetCount = widgets.size();
        for (const QMyWidget *widget : widgets)
            page.textLengths.append({widget->getId(), widget->getLongTextLen()});
        request.pages.append(page);
    }
    request.pageFileSizes = pageFileSizes;
    request.imagePaths = design.pictures();
    request.fontIds = design.fontIds();
    request.projectFolder = ProjectFolder::folderOf(design.projectPath());
    return request;
}
