#include "qmywidgetfactory.h"

#include "designglobals.h"
#include "qmyarc.h"
#include "qmychart.h"
#include "qmyimg.h"
#include "qmylabel.h"
#include "qmymeter.h"
#include "qmyprog.h"
#include "qmypushbutton.h"
#include "qmyqrcode.h"
#include "qmyslider1.h"
#include "qmytextbox.h"

int QMyWidgetFactory::typeCode(const QString &typeName)
{
    const int code = widgetTypeNames.indexOf(typeName);
    return code < WidgetTypeCount ? code : -1;
}

QMyWidget *QMyWidgetFactory::create(const QString &typeName, int id, QWidget *parent)
{
    return create(typeCode(typeName), id, parent);
}

QMyWidget *QMyWidgetFactory::create(int typeCode, int id, QWidget *parent)
{
    if (typeCode < 0 || typeCode >= WidgetTypeCount || typeCode >= widgetTypeNames.size())
        return nullptr;
    const QString name = widgetTypeNames.at(typeCode);
    switch (typeCode) {
    case 0:
        return new QMyPushButton(id, typeCode, name, parent);
    case 1:
        return new QMyLabel(id, typeCode, name, parent);
    case 2:
        return new QMyImg(id, typeCode, name, parent);
    case 3:
        return new QMyProg(id, typeCode, name, parent);
    case 4:
        return new QMyTextBox(id, typeCode, name, parent);
    case 5:
        return new QMyQRCode(id, typeCode, name, parent);
    case 6:
        return new QMySlider1(id, typeCode, name, parent);
    case 7:
        return new QMyArc(id, typeCode, name, parent);
    case 8:
        return new QMyMeter(id, typeCode, name, parent);
    case 9:
        return new QMyChart(id, typeCode, name, parent);
    }
    return nullptr;
}
