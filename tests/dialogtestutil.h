#ifndef DIALOGTESTUTIL_H
#define DIALOGTESTUTIL_H

#include <QWidget>

// The small dialogs ask for a close button and to stay on top, nothing more; Qt adds the
// window type and title bar itself.
inline bool hasDialogFlags(const QWidget &w)
{
    const Qt::WindowFlags f = w.windowFlags();
    const Qt::WindowFlags unwanted = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
        | Qt::WindowContextHelpButtonHint;
    return (f & Qt::WindowCloseButtonHint) && (f & Qt::WindowStaysOnTopHint) && !(f & unwanted);
}

#endif // DIALOGTESTUTIL_H
