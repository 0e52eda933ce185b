#ifndef QTUSERTYPEONE_IMAGEFACTORY_H
#define QTUSERTYPEONE_IMAGEFACTORY_H

#include "qtusertypefactory.h"
#include "qtusertypeone_imagemanager.h"
#include "qtusertypeone_imagewidget.h"

// Editors for the rows of QtUserTypeOne_ImageManager.
class QtUserTypeOne_ImageFactory
    : public QtUserTypeFactory<QtUserTypeOne_ImageManager, QtUserTypeOne_ImageWidget>
{
    Q_OBJECT
public:
    explicit QtUserTypeOne_ImageFactory(QObject *parent = nullptr)
        : QtUserTypeFactory(parent)
    { }
};

#endif // QTUSERTYPEONE_IMAGEFACTORY_H
