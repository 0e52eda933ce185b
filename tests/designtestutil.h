#ifndef DESIGNTESTUTIL_H
#define DESIGNTESTUTIL_H

#include "designdocument.h"
#include "designglobals.h"
#include "pageparam.h"
#include "qmyframe.h"
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

// A design shown on a canvas of its own, without a window. The document comes last, so
// that it deletes its widgets while the canvas they are children of still exists.
struct CanvasDesign
{
    CanvasDesign()
        : frame(new QMyFrame(&host))
    {
        frame->setDocument(&document);
    }

    QWidget host;
    QMyFrame *frame;
    DesignDocument document;
};

#endif // DESIGNTESTUTIL_H
