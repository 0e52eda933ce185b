#ifndef GLOBALS_H
#define GLOBALS_H

#include <QColor>
#include <QStringList>

// The screen resolutions a project can have, in the order the dialogs offer them.
extern QStringList resolutionList;

// The module's 64 numbered colours; invalid until the main window fills them.
extern QColor colorTable[64];

// A colour number outside the table counts as colour 0, so no lookup reads past it.
inline int validColorNumber(int number)
{
    return (number >= 0 && number < 64) ? number : 0;
}

#endif // GLOBALS_H
