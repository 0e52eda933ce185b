#ifndef QTUSERTYPEONE_IMAGEMANAGER_H
#define QTUSERTYPEONE_IMAGEMANAGER_H

#include "qtusertypemanager.h"

// Rows holding an image number of the library as decimal text, or nothing for no image.
class QtUserTypeOne_ImageManager : public QtUserTypeManager
{
    Q_OBJECT
public:
    explicit QtUserTypeOne_ImageManager(QObject *parent = nullptr)
        : QtUserTypeManager(parent)
    { }
};

#endif // QTUSERTYPEONE_IMAGEMANAGER_H
