#ifndef WIDGETTYPE_H
#define WIDGETTYPE_H

#include <QMetaType>

#include <optional>

// The ten widget types. Their numbers are kept in project files (ClassName), in the
// palette's row order and as the event owner kind of a widget's events, so they never
// change.
enum class WidgetType { Btn, Lab, Img, Prog, TextBox, QRCode, Slider, Arc, Meter, Chart };

constexpr int WidgetTypeCount = 10;

// The number a type is kept as.
constexpr int widgetTypeCode(WidgetType type)
{
    return int(type);
}

// Whether a value is one of the ten types; a widget made by hand may carry another.
constexpr bool isKnownWidgetType(WidgetType type)
{
    return widgetTypeCode(type) >= 0 && widgetTypeCode(type) < WidgetTypeCount;
}

// The type a kept number names; nothing for a number that names none.
constexpr std::optional<WidgetType> widgetTypeFromCode(int code)
{
    if (code < 0 || code >= WidgetTypeCount)
        return std::nullopt;
    return WidgetType(code);
}

Q_DECLARE_METATYPE(WidgetType)

#endif // WIDGETTYPE_H
