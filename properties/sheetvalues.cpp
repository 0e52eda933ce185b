#include "sheetvalues.h"

#include "attributelimits.h"
#include "designglobals.h"
#include "pageparam.h"
#include "qmywidget.h"
#include "sheetrules.h"
#include "sheettables.h"
#include "timerparam.h"

#include <QColor>
#include <QCoreApplication>
#include <QHash>

namespace SheetValues {

namespace {

struct PageIntAccess
{
    int (PageParam::*get)() const;
    void (PageParam::*set)(int);
};

const QHash<QString, PageIntAccess> &pageInts()
{
    static const QHash<QString, PageIntAccess> table = {
        {"pageImageNum", {&PageParam::pageImageNum, &PageParam::setPageImageNum}},
        {"pageGradDir", {&PageParam::pageGradDir, &PageParam::setPageGradDir}},
        {"pageOpa", {&PageParam::pageOpa, &PageParam::setPageOpa}},
        {"pageRadius", {&PageParam::pageRadius, &PageParam::setPageRadius}},
        {"pageFlag", {&PageParam::pageFlag, &PageParam::setPageFlag}},
        {"pageHelpLineType", {&PageParam::pageHelpLineType, &PageParam::setPageHelpLineType}},
        {"pageHelpLineLeft", {&PageParam::pageHelpLineLeft, &PageParam::setPageHelpLineLeft}},
        {"pageHelpLineRight", {&PageParam::pageHelpLineRight, &PageParam::setPageHelpLineRight}},
        {"pageHelpLineTop", {&PageParam::pageHelpLineTop, &PageParam::setPageHelpLineTop}},
        {"pageHelpLineBottom", {&PageParam::pageHelpLineBottom, &PageParam::setPageHelpLineBottom}},
        {"pageAnimEnabled", {&PageParam::pageAnimEnabled, &PageParam::setPageAnimEnabled}},
        {"pageAnimMode", {&PageParam::pageAnimMode, &PageParam::setPageAnimMode}},
        {"pageAnimDir", {&PageParam::pageAnimDir, &PageParam::setPageAnimDir}},
        {"pageAnimTime", {&PageParam::pageAnimTime, &PageParam::setPageAnimTime}},
    };
    return table;
}

} // namespace

QVariant widgetValue(const QMyWidget &w, const QString &key)
{
    if (key == QLatin1String("#type"))
        return widgetTypeDisplayNames().value(widgetTypeCode(w.getType()));
    if (key == QLatin1String("#id"))
        return w.getId();
    if (key == QLatin1String("text"))
        return w.getText();
    // The placement rows show the drawn area in canvas coordinates.
    if (key == QLatin1String("ybexItemProgX"))
        return w.getX() + w.getProgX();
    if (key == QLatin1String("ybexItemProgY"))
        return w.getY() + w.getProgY();
    // Counts are offered from one: the choice index is the count less one.
    if (const int offset = AttributeLimits::choiceOffset(key))
        return w.intValue(key) - offset;
    int series = 0;
    int point = 0;
    if (SheetRules::chartValueKey(key, &series, &point))
        return w.getChartSerDataValue(series, point);
    if (QMyWidget::isTextKey(key))
        return w.fileValue(key);
    bool ok = false;
    const QColor color = w.colorValue(key, &ok);
    if (ok)
        return color;
    const int value = w.intValue(key, &ok);
    return ok ? QVariant(value) : QVariant();
}

QVariant pageValue(const PageParam &page, const QString &key, int screenType,
                   const QString &resolutionText)
{
    if (key == QLatin1String("#name"))
        return QCoreApplication::translate("MainWindow", "屏幕");
    if (key == QLatin1String("vga"))
        return SheetRules::resolutionIndex(resolutionText, resolutionList);
    if (key == QLatin1String("#resolution"))
        return resolutionText;
    if (key == QLatin1String("screenType"))
        return screenType;
    if (key == QLatin1String("pageColorGrad1"))
        return page.pageColorGrad1();
    if (key == QLatin1String("pageColorGrad2"))
        return page.pageColorGrad2();
    int value = 0;
    return pageInt(page, key, &value) ? QVariant(value) : QVariant();
}

QVariant timerValue(const TimerParam &timer, const QString &key)
{
    if (key == QLatin1String("#timerID"))
        return timer.timerID();
    if (key == QLatin1String("timerEnable"))
        return timer.timerEnable();
    if (key == QLatin1String("timerOneTime"))
        return timer.timerOneTime();
    if (key == QLatin1String("timerTime"))
        return timer.timerTime();
    if (key == QLatin1String("timerVal"))
        return SheetRules::percentOfBacklight(timer.timerVal());
    return {};
}

bool pageInt(const PageParam &page, const QString &key, int *value)
{
    const auto it = pageInts().constFind(key);
    if (it == pageInts().constEnd())
        return false;
    *value = (page.*(it->get))();
    return true;
}

bool setPageInt(PageParam &page, const QString &key, int value)
{
    const auto it = pageInts().constFind(key);
    if (it == pageInts().constEnd())
        return false;
    (page.*(it->set))(value);
    return true;
}

} // namespace SheetValues
