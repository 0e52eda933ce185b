#include "imagereferences.h"

#include "designglobals.h"
#include "imagelibrary.h"
#include "pageparam.h"
#include "qmywidget.h"

#include <QSet>

#include <algorithm>

const QStringList &ImageReferences::widgetKeys()
{
    static const QStringList keys = {
        QStringLiteral("imageNum"),
        QStringLiteral("ybexItemSelectImageNum"),
        QStringLiteral("pressImageNum"),
        QStringLiteral("ybexItemProgImageNum"),
        QStringLiteral("ybexItemHandleImageNum"),
        QStringLiteral("ybexItemMeterPointPicID1"),
        QStringLiteral("ybexItemMeterPointPicID2"),
        QStringLiteral("ybexItemMeterPointPicID3"),
    };
    return keys;
}

ImageReferences::Changes ImageReferences::renumberDesign(int deleted)
{
    Changes changes;
    for (int page = 0; page < pageRecords.size(); ++page) {
        if (renumberPage(pageRecords.at(page), deleted))
            changes.pages << page;
    }
    for (const QList<QMyWidget *> *widgets : qAsConst(pageWidgets)) {
        for (QMyWidget *widget : *widgets) {
            if (renumberWidget(widget, deleted))
                changes.widgets << widget;
        }
    }
    return changes;
}

bool ImageReferences::renumberPage(PageParam *page, int deleted)
{
    const int before = page->pageImageNum();
    const int after = ImageLibrary::renumbered(before, deleted);
    page->setPageImageNum(after);
    return after != before;
}

bool ImageReferences::renumberWidget(QMyWidget *widget, int deleted)
{
    bool changed = false;
    for (const QString &key : widgetKeys()) {
        const int before = widget->intValue(key);
        const int after = ImageLibrary::renumbered(before, deleted);
        if (after != before) {
            widget->setIntValue(key, after);
            changed = true;
        }
    }
    return changed;
}

QList<int> ImageReferences::missing(int imageCount)
{
    QSet<int> numbers;
    const auto note = [&numbers, imageCount](int number) {
        if (number >= imageCount)
            numbers.insert(number);
    };
    for (const PageParam *page : qAsConst(pageRecords))
        note(page->pageImageNum());
    for (const QList<QMyWidget *> *widgets : qAsConst(pageWidgets)) {
        for (const QMyWidget *widget : *widgets) {
            for (const QString &key : widgetKeys()) {
                // Only a meter has needles; the others keep 0 there.
                if (widget->getType() == WidgetType::Meter
                    || !key.startsWith(QLatin1String("ybexItemMeter")))
                    note(widget->intValue(key));
            }
        }
    }
    QList<int> sorted = numbers.values();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

void ImageReferences::renumberRange(int *start, int *end, int deleted)
{
    if (deleted < 0 || *start < 0 || *end < *start || deleted > *end)
        return;
    if (*start == *end && *start == deleted) {
        *start = -1;
        *end = -1;
        return;
    }
    // A later picture slides into the deleted one's place, so the start stays unless the
    // deleted picture lies before the range.
    if (deleted < *start)
        --*start;
    --*end;
}
