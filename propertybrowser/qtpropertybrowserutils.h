#ifndef QTPROPERTYBROWSERUTILS_H
#define QTPROPERTYBROWSERUTILS_H

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QHBoxLayout;
class QWidget;

// Sample pictures and display texts shared by the managers and editors.
class QtPropertyBrowserUtils
{
    Q_DECLARE_TR_FUNCTIONS(QtPropertyBrowserUtils)
public:
    static QPixmap brushValuePixmap(const QBrush &brush);
    static QIcon brushValueIcon(const QBrush &brush);
    static QString colorValueText(const QColor &color);
    // The row layout of an editor, with a small margin on the side its text starts.
    static QHBoxLayout *editorLayout(QWidget *editor);
};

#endif // QTPROPERTYBROWSERUTILS_H
