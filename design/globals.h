#ifndef GLOBALS_H
#define GLOBALS_H

#include "designglobals.h"

// A colour number outside the table counts as colour 0, so no lookup reads past it.
inline int validColorNumber(int number)
{
    return (number >= 0 && number < ColorTableSize) ? number : 0;
}

#endif // GLOBALS_H
