#ifndef SHEETRULES_H
#define SHEETRULES_H

#include "widgettype.h"

#include <QSize>
#include <QString>
#include <QStringList>

// The limits and couplings that every edit of a sheet row goes through before it reaches
// the design, as plain functions of their inputs.
namespace SheetRules {

// ---- Geometry: a widget stays on the page -----------------------------------------------

// Position from the typed value, the widget's extent and the page's: below 0 gives 0; past
// the page's end gives the page's extent minus the widget's (negative for a widget larger
// than the page). Computed in 64 bits.
int limitPosition(int value, int extent, int pageExtent);
// Extent from the typed value, the widget's position and the page's extent: 0 or below
// gives 2; past the page's end gives the page's extent minus the position.
int limitExtent(int value, int position, int pageExtent);
// Arc and meter stay square.
bool keepsSquare(WidgetType type);

// ---- Text -----------------------------------------------------------------------------

// Keeps the printable ASCII characters 0x20..0x7F and every character that occurs in the
// font's symbol text; every other character is removed wherever it occurs.
QString filterText(const QString &text, const QString &symbols);
// What filterText removes, each character once in the order of its first occurrence, as
// it can be shown: control characters and lone surrogate halves as "U+000A".
QStringList droppedCharacters(const QString &text, const QString &symbols);
int utf8Length(const QString &text);

// ---- Keys with indexes ------------------------------------------------------------------

// True when key is base followed by a decimal number only; *index is that number.
bool indexOf(const QString &key, const QString &base, int *index);
// "ybexItemChartSerDataValue<series>_<point>".
bool chartValueKey(const QString &key, int *series, int *point);
QString chartValueKeyOf(int series, int point);
// "<prefix>_<param>_<event>" with a prefix Event_Frame, Event_Timer or Event_Wnd.
bool eventKey(const QString &key, QString *prefix, int *param, int *event);

// ---- Meter needles ----------------------------------------------------------------------

// The needle's value within [min, max]; min raised first, so an inverted range gives min.
int meterRotation(int value, int min, int max);

// ---- Screen -----------------------------------------------------------------------------

// The entry of the list whose size (the text before "(") equals the text's; -1 without one.
int resolutionIndex(const QString &text, const QStringList &resolutions);
// Width and height of "800*480(WVGA1)"; false for a text that does not split at "*" in two.
bool resolutionSize(const QString &text, int *width, int *height);
// The canvas size of a resolution: width and height exchanged for orientations 1 and 3.
QSize frameSize(int width, int height, int orientation);

// ---- Sleep timer backlight --------------------------------------------------------------

int percentOfBacklight(int value);
int backlightOfPercent(int percent);

// ---- Images -----------------------------------------------------------------------------

// The text an image row shows: the number in decimal, empty for none (-1 and below).
QString imageText(int number);
// The number of an image row's text: -1 for the empty text.
int imageNumber(const QString &text);

enum BackgroundCheck { BackgroundAccepted, BackgroundNotJpg, BackgroundIgnored };
// Whether image `number` of the library may be a page background on a module series:
// series 0 shows only JPG files, series 1 any picture; a number outside the library or an
// unknown series is ignored.
BackgroundCheck pageBackground(int number, const QStringList &imagePaths, int modelType);

} // namespace SheetRules

#endif // SHEETRULES_H
