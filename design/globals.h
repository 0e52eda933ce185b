#ifndef GLOBALS_H
#define GLOBALS_H

#include <QStringList>

// The screen resolutions a project can have, in the order the dialogs offer them.
extern QStringList resolutionList;

#endif // GLOBALS_H
