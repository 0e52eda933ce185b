#ifndef PROJECTTESTTARGET_H
#define PROJECTTESTTARGET_H

#include "designdocument.h"
#include "pageparam.h"
#include "projectfile.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QWidget>

// A design saved and loaded without a main window. The document comes last, so that it
// deletes its widgets while the widget they are children of still exists.
struct ProjectTestDesign
{
    // Polished before it gets widgets, as the window's canvas is: a canvas polished later
    // polishes every widget it holds by then.
    ProjectTestDesign() { canvas.ensurePolished(); }

    // A new page as the page commands make one.
    int appendPage() { return document.addPage(); }
    QMyWidget *appendWidget(int page, int type)
    {
        QMyWidget *w = QMyWidgetFactory::create(*widgetTypeFromCode(type),
                                                document.widgets(page).size() + 1, &canvas);
        document.addWidget(page, w);
        return w;
    }
    PageParam *page(int index) const { return document.page(index); }
    const QList<QMyWidget *> &widgets(int page) const { return document.widgets(page); }

    // What the file holds of the design, and the design of a file.
    QByteArray save() const { return ProjectFile::serialize(document); }
    bool load(const QByteArray &content)
    {
        ProjectFile file;
        if (!file.setContent(content))
            return false;
        file.load(document, &canvas);
        return true;
    }

    QWidget canvas;
    DesignDocument document;
};

#endif // PROJECTTESTTARGET_H
