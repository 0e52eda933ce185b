#ifndef SELECTIONKIND_H
#define SELECTIONKIND_H

// What the property sheet shows: the current page, one widget or one design timer.
enum class SelectionKind { None = -1, Page, Widget, Timer };

#endif // SELECTIONKIND_H
