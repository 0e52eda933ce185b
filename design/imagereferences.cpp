#include "imagereferences.h"

#include "designdocument.h"
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

int ImageReferences::renumbered(int reference, int deleted)
{
    if (deleted < 0 || reference < 0)
        return reference;
    if (reference == deleted)
        return -1;
    return reference > deleted ? reference - 1 : reference;
}

ImageReferences::Changes ImageReferences::renumberDesign(const DesignDocument &design,
                                                         int deleted)
{
    Changes changes;
    for (int page = 0; page < design.pageCount(); ++page) {
        if (renumberPage(design.page(page), deleted))
            changes.pages << page;
        for (QMyWidget *widget : design.widgets(page)) {
            if (renumberWidget(widget, deleted))
                changes.widgets << widget;
        }
    }
    return changes;
}

bool ImageReferences::renumberPage(PageParam *page, int deleted)
{
    const int before = page->pageImageNum();
    const int after = renumbered(before, deleted);
    page->setPageImageNum(after);
    return after != before;
}

bool ImageReferences::renumberWidget(QMyWidget *widget, int deleted)
{
    bool changed = false;
    for (const QString &key : widgetKeys()) {
        const int before = widget->intValue(key);
        const int after = renumbered(before, deleted);
        if (after != before) {
            widget->setIntValue(key, after);
            changed = true;
        }
    }
    return changed;
}

QList<int> ImageReferences::missing(const DesignDocument &design)
{
    const int imageCount = design.pictures().size();
    QSet<int> numbers;
    const auto note = [&numbers, imageCount](int number) {
        if (number >= imageCount)
            numbers.insert(number);
    };
    for (const PageParam *page : design.pages())
        note(page->pageImageNum());
    for (int page = 0; page < design.pageCount(); ++page) {
        for (const QMyWidget *widget : design.widgets(page)) {
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
