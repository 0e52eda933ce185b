#ifndef PAGETREETEXT_H
#define PAGETREETEXT_H

#include <QString>

// The texts of the page tree: "Page-<n>" or "Page-<n>(<name>)" for a page, "<type>-<id>"
// for a widget. Every item is written and read through these.
class PageTreeText
{
public:
    static QString pageItem(int page, const QString &name);
    // The fixed label and the name of a page item's text, for renaming.
    static void splitPageItem(int page, const QString &text, QString *label, QString *name);

    static QString widgetItem(const QString &typeName, int id);
    // True when a widget id can be read from a widget item's text ("Btn-3").
    static bool widgetIdFromItem(const QString &text, int *id);
};

#endif // PAGETREETEXT_H
