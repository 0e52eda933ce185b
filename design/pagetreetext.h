#ifndef PAGETREETEXT_H
#define PAGETREETEXT_H

#include <QString>

// The texts of the page tree: "Page-<n>" or "Page-<n>(<name>)" for a page, "<type>-<id>"
// for a widget. Every item is written through these; what an item stands for is kept in its
// data, never read back from its text.
class PageTreeText
{
public:
    static QString pageItem(int page, const QString &name);

    static QString widgetItem(const QString &typeName, int id);
};

#endif // PAGETREETEXT_H
