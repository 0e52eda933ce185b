#ifndef DESIGNTESTUTIL_H
#define DESIGNTESTUTIL_H

#include "designglobals.h"
#include "designpages.h"
#include "pageparam.h"
#include "qmywidget.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

// Drops a palette entry of the given type name on a canvas at pos, as the palette's drag would.
inline bool dropTypeName(QWidget *canvas, const QString &typeName, const QPoint &pos)
{
    QMimeData data;
    data.setData("TypeName", typeName.toUtf8());
    // Qt hands a drop only to the target that accepted the drag's entry.
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &drop);
    return drop.isAccepted();
}

// Frees the design held in the program-wide page lists.
inline void freeDesign()
{
    DesignPages::removeAll({});
    currentPageIndex = 0;
}

#endif // DESIGNTESTUTIL_H
