#ifndef DESIGNPAGES_H
#define DESIGNPAGES_H

#include <functional>

class QMyWidget;

// The one place that adds and removes pages, so that pageWidgets and pageRecords always
// hold one entry each per page.
class DesignPages
{
public:
    // Told about each widget just before it is deleted, so that nothing keeps pointing at it.
    using WidgetGone = std::function<void(QMyWidget *)>;

    // Appends an empty page; returns its index.
    static int append();
    // Deletes a page with its widgets and record; an index that names no page does nothing.
    static void remove(int index, const WidgetGone &gone);
    // Deletes every page.
    static void removeAll(const WidgetGone &gone);
    // Empties both lists without deleting anything: for start-up, when whatever they held
    // belonged to a window that is gone with its widgets.
    static void forgetAll();

    // Index of the page shown after page `deleted` went away while `shown` was on screen.
    static int pageAfterDeletion(int shown, int deleted);
};

#endif // DESIGNPAGES_H
