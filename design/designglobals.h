#ifndef DESIGNGLOBALS_H
#define DESIGNGLOBALS_H

// The fixed tables that describe widget types, resolutions and the module's colours, and
// the bounds every design keeps.

#include "widgettype.h"

#include <QColor>
#include <QString>
#include <QStringList>

constexpr int ColorTableSize = 64;
// Widgets one page may hold: far more than a module page shows, and far below the count
// at which painting a page's widgets becomes slow or runs out of stack.
constexpr int MaxWidgetsPerPage = 1000;
// Pages of a design, kept when pages are added in the window as when a file is read: far
// more than a module holds, and each costs the window about a kilobyte. Widgets and events
// of a whole design: more than a project file of the largest size holds (the program
// writes over 10 KB a widget and over 800 bytes an event), so that only files the program
// never wrote reach them. A file far smaller than the design it describes would otherwise
// cost gigabytes when opened.
constexpr int MaxPages = 65536;
constexpr int MaxWidgets = 100000;
constexpr int MaxEvents = 1250000;
// Texts of a design, the same bound when a file is read as when the text is edited, so
// that a design made in the window always opens again. Page names and event parameters
// are edited in one-line fields, which take this many characters; the other texts (a
// widget's text, hand-written code, chart series) are far longer than any module takes
// and still far below the length at which showing them stalls the window.
constexpr int MaxLineLength = 32767;
constexpr int MaxTextLength = 1 << 21;

// By widget type code 0..9.
extern const QStringList widgetTypeNames;
extern const QStringList widgetTypeIcons;
// The names the palette shows, in the language of the interface.
QStringList widgetTypeDisplayNames();

extern const QStringList resolutionList;

// The module's numbered colour at index 0..63; an invalid colour for any other index.
QColor colorTableValue(int index);

#endif // DESIGNGLOBALS_H
