#ifndef DESIGNGLOBALS_H
#define DESIGNGLOBALS_H

// The design of the open project and the fixed tables that describe widget types,
// resolutions and the module's colours. Program-wide names; those of the design refer to
// the program's design document.

#include "widgettype.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTranslator>

class QMyWidget;
class PageParam;

constexpr int ColorTableSize = 64;
// Widgets one page may hold: far more than a module page shows, and far below the count
// at which painting a page's widgets becomes slow or runs out of stack.
constexpr int MaxWidgetsPerPage = 1000;
// Texts of a design, the same bound when a file is read as when the text is edited, so
// that a design made in the window always opens again. Page names and event parameters
// are edited in one-line fields, which take this many characters; the other texts (a
// widget's text, hand-written code, chart series) are far longer than any module takes
// and still far below the length at which showing them stalls the window.
constexpr int MaxLineLength = 32767;
constexpr int MaxTextLength = 1 << 21;

// One widget list per page, in page order; the same index in pageRecords.
extern QList<QList<QMyWidget *> *> &pageWidgets;
extern QList<PageParam *> &pageRecords;
extern int &currentPageIndex;
// The canvas size in pixels as of its last paint.
extern int pageWidth;
extern int pageHeight;

// By widget type code 0..9.
extern QStringList widgetTypeNames;
extern QStringList widgetTypeIcons;
extern QStringList widgetTypeDisplayNames;

extern QStringList resolutionList;
// Invalid until the main window fills it with colorTableValue().
extern QColor colorTable[ColorTableSize];

extern QStringList &imagePaths;
extern QStringList &fontIdList;
extern QStringList &fontPaths;
extern QList<int> guicfgSizes;
extern QString &currentProjectPath;
extern QString appPath;
extern QTranslator appTranslator;

extern int imageLibrarySizeKB;
extern int currentImageRow;

// A path names a project file when it contains the extension ".yBEX"; a project is open
// while currentProjectPath names one.
bool isProjectPath(const QString &path);
bool isProjectOpen();

// The module's numbered colour at index 0..63; an invalid colour for any other index.
QColor colorTableValue(int index);

#endif // DESIGNGLOBALS_H
