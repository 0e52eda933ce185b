#ifndef QTUSERTYPETWO_COLORMANAGER_H
#define QTUSERTYPETWO_COLORMANAGER_H

#include "qtusertypemanager.h"

// Rows holding an entry of the colour table as decimal text.
class QtUserTypeTwo_ColorManager : public QtUserTypeManager
{
    Q_OBJECT
public:
    explicit QtUserTypeTwo_ColorManager(QObject *parent = nullptr)
        : QtUserTypeManager(parent)
    { }
};

#endif // QTUSERTYPETWO_COLORMANAGER_H
