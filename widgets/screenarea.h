#ifndef SCREENAREA_H
#define SCREENAREA_H

#include <QRect>

// Where windows of their own may stand on a screen.
namespace ScreenArea {

// The frame moved as little as it takes to lie inside area; a frame larger than area keeps
// its top left corner inside it.
QRect keptInside(QRect frame, const QRect &area);

} // namespace ScreenArea

#endif // SCREENAREA_H
