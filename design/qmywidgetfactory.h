#ifndef QMYWIDGETFACTORY_H
#define QMYWIDGETFACTORY_H

#include <QString>

class QMyWidget;
class QWidget;

// Makes the widget class of a type (name "Btn" ... "Chart" or code 0..9). Every place
// that creates widgets (drop, paste, page copy and paste, load) goes through it.
class QMyWidgetFactory
{
public:
    // The type code of a type name; -1 for a name that is no widget type.
    static int typeCode(const QString &typeName);
    // A new widget with its type's defaults, or nullptr for an unknown type.
    static QMyWidget *create(const QString &typeName, int id, QWidget *parent);
    static QMyWidget *create(int typeCode, int id, QWidget *parent);
};

#endif // QMYWIDGETFACTORY_H
