#include "colorcomponent.h"

#include <QtGlobal>

namespace ColorComponent {

char letter(Component component)
{
    static const char letters[] = {'R', 'G', 'B', 'A'};
    return letters[component];
}

int get(const QColor &color, Component component)
{
    switch (component) {
    case Red:
        return color.red();
    case Green:
        return color.green();
    case Blue:
        return color.blue();
    case Alpha:
        return color.alpha();
    }
    return 0;
}

void set(QColor &color, Component component, int value)
{
    const int v = qBound(0, value, 255);
    // An unset colour reads as opaque black; make it a real one before changing a part.
    if (!color.isValid())
        color.setRgb(color.red(), color.green(), color.blue(), color.alpha());
    switch (component) {
    case Red:
        color.setRed(v);
        break;
    case Green:
        color.setGreen(v);
        break;
    case Blue:
        color.setBlue(v);
        break;
    case Alpha:
        color.setAlpha(v);
        break;
    }
}

} // namespace ColorComponent
