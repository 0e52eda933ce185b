#include "designpages.h"

#include "designglobals.h"
#include "pageparam.h"
#include "qmywidget.h"

namespace {

void deleteWidgets(QList<QMyWidget *> *widgets, const DesignPages::WidgetGone &gone)
{
    for (QMyWidget *w : qAsConst(*widgets)) {
        if (gone)
            gone(w);
        delete w;
    }
    delete widgets;
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
    deleteWidgets(pageWidgets.at(index), gone);
    delete pageRecords.at(index);
    pageWidgets.removeAt(index);
    pageRecords.removeAt(index);
}

void DesignPages::removeAll(const WidgetGone &gone)
{
    // Every entry of each list, even if the two have come to differ in length.
    for (QList<QMyWidget *> *widgets : qAsConst(pageWidgets))
        deleteWidgets(widgets, gone);
    qDeleteAll(pageRecords);
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
