#ifndef PAGETREEACTION_H
#define PAGETREEACTION_H

#include <QMetaType>

// What the canvas asks of the page tree about a widget; the tree ignores other values.
enum class PageTreeAction { AddWidget = 1 };

Q_DECLARE_METATYPE(PageTreeAction)

#endif // PAGETREEACTION_H
