#ifndef COLORCOMPONENT_H
#define COLORCOMPONENT_H

#include <QColor>

// Reading and writing one 0..255 component of a colour, the way the project file and
// the property sheet address colours.
namespace ColorComponent {

enum Component { Red, Green, Blue, Alpha };

// The letter each component adds to a colour's file key, in file order.
char letter(Component component);
int get(const QColor &color, Component component);
// Values outside 0..255 are clamped: a colour component cannot leave that range.
void set(QColor &color, Component component, int value);

} // namespace ColorComponent

#endif // COLORCOMPONENT_H
