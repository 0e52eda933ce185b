#ifndef SHEETTABLES_H
#define SHEETTABLES_H

#include "sheetrow.h"
#include "widgettype.h"

#include <QList>
#include <QStringList>

// The rows of every property sheet, top to bottom: the page, a design timer, the sleep
// timer and the ten widget types. The events group that may close a sheet is not part of
// these tables; it is made from the holder's events.
namespace SheetTables {

// The translation context of every caption and choice name.
constexpr const char *Context = "MainWindow";

QList<SheetRow> pageSheet();
// The page's four help-line offsets, rows of the page sheet while the help line is a
// rectangle.
QList<SheetRow> helpLineOffsets();
QList<SheetRow> timerSheet();
QList<SheetRow> sleepTimerSheet();
// A button shows its selected look while checkable and its pressed look otherwise.
QList<SheetRow> widgetSheet(WidgetType type, bool checkable);
// The keys of the rows of a kind, groups' rows included, top to bottom.
QStringList keysOf(const QList<SheetRow> &rows, SheetRow::Kind kind);
// Whether the sheet of a widget type ends with the events group (when there are events).
bool widgetHasEvents(WidgetType type);

} // namespace SheetTables

#endif // SHEETTABLES_H
