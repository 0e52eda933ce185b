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

std::optional<WidgetType> QMyWidgetFactory::typeOf(const QString &typeName)
{
    return widgetTypeFromCode(widgetTypeNames.indexOf(typeName));
}

QMyWidget *QMyWidgetFactory::create(const QString &typeName, int id, QWidget *parent)
{
    const std::optional<WidgetType> type = typeOf(typeName);
    return type ? create(*type, id, parent) : nullptr;
}

QMyWidget *QMyWidgetFactory::create(WidgetType type, int id, QWidget *parent)
{
    const int code = widgetTypeCode(type);
    if (!isKnownWidgetType(type) || code >= widgetTypeNames.size())
        return nullptr;
    const QString name = widgetTypeNames.at(code);
    switch (type) {
    case WidgetType::Btn:
        return new QMyPushButton(id, type, name, parent);
    case WidgetType::Lab:
        return new QMyLabel(id, type, name, parent);
    case WidgetType::Img:
        return new QMyImg(id, type, name, parent);
    case WidgetType::Prog:
        return new QMyProg(id, type, name, parent);
    case WidgetType::TextBox:
        return new QMyTextBox(id, type, name, parent);
    case WidgetType::QRCode:
        return new QMyQRCode(id, type, name, parent);
    case WidgetType::Slider:
        return new QMySlider1(id, type, name, parent);
    case WidgetType::Arc:
        return new QMyArc(id, type, name, parent);
    case WidgetType::Meter:
        return new QMyMeter(id, type, name, parent);
    case WidgetType::Chart:
        return new QMyChart(id, type, name, parent);
    }
    return nullptr;
}
