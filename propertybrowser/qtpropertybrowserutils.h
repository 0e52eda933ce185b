#ifndef QTPROPERTYBROWSERUTILS_H
#define QTPROPERTYBROWSERUTILS_H

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QDialog;
class QEvent;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

// Sample pictures and display texts shared by the managers and editors.
class QtPropertyBrowserUtils
{
    Q_DECLARE_TR_FUNCTIONS(QtPropertyBrowserUtils)
public:
    static QPixmap brushValuePixmap(const QBrush &brush);
    static QIcon brushValueIcon(const QBrush &brush);
    static QString colorValueText(const QColor &color);
    static QPixmap fontValuePixmap(const QFont &font);
    static QIcon fontValueIcon(const QFont &font);
    static QString fontValueText(const QFont &font);
    // The formats of date and time rows, from the default locale.
    static QString dateFormat();
    static QString timeFormat();
    static QString dateTimeFormat();
    // The row layout of an editor, with a small margin on the side its text starts.
    static QHBoxLayout *editorLayout(QWidget *editor);
    // The row of a value editor with a dialog: sample, text, space and a "..." button that
    // takes the editor's focus; the editor filters the button's keys.
    static void setUpButtonRow(QWidget *editor, QLabel *sample, QLabel *text, QToolButton *button);
    // Whether a key of the "..." button is one the browser needs to end or commit the edit;
    // the event is then marked ignored, so that it travels on.
    static bool isEditKeyOfButton(QEvent *event);
    // Runs an editor's dialog modally; the browser may close the editor meanwhile, and the
    // dialog with it. True when it was accepted and both are still there: the caller then
    // reads and deletes the dialog.
    static bool execEditorDialog(QWidget *editor, QDialog *dialog);
};

#endif // QTPROPERTYBROWSERUTILS_H
