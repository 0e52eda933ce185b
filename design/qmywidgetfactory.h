#ifndef QMYWIDGETFACTORY_H
#define QMYWIDGETFACTORY_H

#include "widgettype.h"

#include <QString>

#include <optional>

class QMyWidget;
class QWidget;

// Makes the widget class of a type (name "Btn" ... "Chart" or the type). Every place
// that creates widgets (drop, paste, page copy and paste, load) goes through it.
class QMyWidgetFactory
{
public:
    // The type of a type name; nothing for a name that is no widget type.
    static std::optional<WidgetType> typeOf(const QString &typeName);
    // A new widget with its type's defaults, or nullptr for an unknown type.
    static QMyWidget *create(const QString &typeName, int id, QWidget *parent);
    static QMyWidget *create(WidgetType type, int id, QWidget *parent);
};

#endif // QMYWIDGETFACTORY_H
