#ifndef SHEETVALUES_H
#define SHEETVALUES_H

#include <QString>
#include <QVariant>

class PageParam;
class QMyWidget;
class TimerParam;

// What a sheet row shows of the design, by the row's key: an int (switches as 0 or 1,
// choices as their index, images as their number), a text, a colour, or a chart value as
// a double. An unknown key gives an invalid value.
namespace SheetValues {

QVariant widgetValue(const QMyWidget &w, const QString &key);
// The page's own attributes and the project's screen: "vga" is the index of the
// resolution text in resolutionList (-1 when it has none), "#resolution" that text,
// "screenType" the canvas's orientation.
QVariant pageValue(const PageParam &page, const QString &key, int screenType,
                   const QString &resolutionText);
// The sleep timer shows its backlight as a percentage.
QVariant timerValue(const TimerParam &timer, const QString &key);

// The page's int attributes by key; false for a key the page has no int of.
bool pageInt(const PageParam &page, const QString &key, int *value);
bool setPageInt(PageParam &page, const QString &key, int value);

} // namespace SheetValues

#endif // SHEETVALUES_H
