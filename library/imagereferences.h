#ifndef IMAGEREFERENCES_H
#define IMAGEREFERENCES_H

#include <QList>
#include <QStringList>

class PageParam;
class QMyWidget;

// Every place of the design that names a library picture by its number, so that removing
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

    // Renumbers every picture reference of every page and widget (shown or not) after
    // picture `deleted` left the library.
    static Changes renumberDesign(int deleted);
    // The same for one page record or widget outside the design (a copied page waiting to
    // be pasted); true when a reference changed.
    static bool renumberPage(PageParam *page, int deleted);
    static bool renumberWidget(QMyWidget *widget, int deleted);

    // The picture numbers at or beyond the end of a library of imageCount pictures that
    // pages and widgets name, ascending, each once: pictures missing from the library.
    static QList<int> missing(int imageCount);

    // A picture range (start and end number) after picture `deleted` left the library:
    // the range closes up around it; a range of that picture alone becomes -1, -1.
    static void renumberRange(int *start, int *end, int deleted);
};

#endif // IMAGEREFERENCES_H
