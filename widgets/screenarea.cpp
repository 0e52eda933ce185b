#include "screenarea.h"

#include <QtGlobal>

namespace ScreenArea {

QRect keptInside(QRect frame, const QRect &area)
{
    frame.moveRight(qMin(frame.right(), area.right()));
    frame.moveBottom(qMin(frame.bottom(), area.bottom()));
    frame.moveLeft(qMax(frame.left(), area.left()));
    frame.moveTop(qMax(frame.top(), area.top()));
    return frame;
}

} // namespace ScreenArea
