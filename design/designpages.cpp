#include "designpages.h"

#include "designglobals.h"
#include "pageparam.h"
#include "qmywidget.h"

namespace {

// Whatever of the page each list holds.
void deletePage(int index, const DesignPages::WidgetGone &gone)
{
    if (index < pageWidgets.size()) {
        QList<QMyWidget *> *widgets = pageWidgets.at(index);
        for (QMyWidget *w : qAsConst(*widgets)) {
            if (gone)
                gone(w);
            delete w;
        }
        delete widgets;
    }
    if (index < pageRecords.size())
        delete pageRecords.at(index);
}

} // namespace

int DesignPages::append()
{
    pageWidgets.append(new QList<QMyWidget *>);
    pageRecords.append(new PageParam);
    return pageWidgets.size() - 1;
}

void DesignPages::remove(int index, const WidgetGone &gone)
{
    if (index < 0 || index >= pageWidgets.size() || index >= pageRecords.size())
        return;
    deletePage(index, gone);
    pageWidgets.removeAt(index);
    pageRecords.removeAt(index);
}

void DesignPages::removeAll(const WidgetGone &gone)
{
    // Lists that came to differ in length are freed whole all the same.
    for (int i = 0; i < qMax(pageWidgets.size(), pageRecords.size()); ++i)
        deletePage(i, gone);
    forgetAll();
}

void DesignPages::forgetAll()
{
    pageWidgets.clear();
    pageRecords.clear();
}

int DesignPages::pageAfterDeletion(int shown, int deleted)
{
    const int next = shown < deleted ? shown : shown - 1;
    return next < 0 ? 0 : next;
}
