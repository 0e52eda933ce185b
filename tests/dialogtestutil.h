#ifndef DIALOGTESTUTIL_H
#define DIALOGTESTUTIL_H

#include <QPushButton>
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

// The push button inside a widget that shows the given text, or null.
inline QPushButton *buttonWithText(QWidget *w, const QString &text)
{
    const auto buttons = w->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

#endif // DIALOGTESTUTIL_H
