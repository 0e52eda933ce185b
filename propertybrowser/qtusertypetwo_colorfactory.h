#ifndef QTUSERTYPETWO_COLORFACTORY_H
#define QTUSERTYPETWO_COLORFACTORY_H

#include "qtusertypefactory.h"
#include "qtusertypetwo_colormanager.h"
#include "qtusertypetwo_colorwidget.h"

// Editors for the rows of QtUserTypeTwo_ColorManager.
class QtUserTypeTwo_ColorFactory
    : public QtUserTypeFactory<QtUserTypeTwo_ColorManager, QtUserTypeTwo_ColorWidget>
{
    Q_OBJECT
public:
    explicit QtUserTypeTwo_ColorFactory(QObject *parent = nullptr)
        : QtUserTypeFactory(parent)
    { }
};

#endif // QTUSERTYPETWO_COLORFACTORY_H
