#ifndef IMAGEREFERENCES_H
#define IMAGEREFERENCES_H

#include <QList>
#include <QStringList>

class DesignDocument;
class PageParam;
class QMyWidget;

// Every place of a design that names a library picture by its number, so that removing
// a picture leaves no page or widget showing another one.
class ImageReferences
{
public:
    // Project-file keys of the widget attributes that hold picture numbers: the looks,
    // the progress and knob pictures and the meter needles.
    static const QStringList &widgetKeys();

    struct Changes
    {
        QList<int> pages; // indexes of pages whose background changed
        QList<QMyWidget *> widgets; // widgets with at least one changed picture
    };

    // A picture number after picture `deleted` left the library: the deleted one becomes
    // -1 (no picture), later ones move down one.
    static int renumbered(int reference, int deleted);
    // Renumbers every picture reference of every page and widget of a design (shown or
    // not) after picture `deleted` left the library.
    static Changes renumberDesign(const DesignDocument &design, int deleted);
    // The same for one page record or widget; true when a reference changed.
    static bool renumberPage(PageParam *page, int deleted);
    static bool renumberWidget(QMyWidget *widget, int deleted);

    // The picture numbers at or beyond the end of the design's library that its pages and
    // widgets name, ascending, each once: pictures missing from the library.
    static QList<int> missing(const DesignDocument &design);

    // A picture range (start and end number) after picture `deleted` left the library:
    // the range closes up around it; a range of that picture alone becomes -1, -1.
    static void renumberRange(int *start, int *end, int deleted);
};

#endif // IMAGEREFERENCES_H
