#ifndef DIALOGTESTUTIL_H
#define DIALOGTESTUTIL_H

#include <QPushButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
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

// Answers the question a message box shows as the user does: "是" (or "确定"), "否", and the
// "取消" of three buttons. The buttons answer whether the box is shown or not.
// The box asks a question (it shows "是" or "确定" beside another button), not a notice.
inline bool asks(QWidget *box)
{
    return !box->isHidden() && !box->findChild<QPushButton *>(QStringLiteral("btnOk"))->isHidden();
}

inline void answerYes(QWidget *box)
{
    box->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
}

inline void answerNo(QWidget *box)
{
    box->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
}

inline void answerCancel(QWidget *box)
{
    box->findChild<QPushButton *>(QStringLiteral("btnNo"))->click();
}

// A plain text of this many characters in lines of 99 and their line breaks, which a text
// editor lays out quickly (one line of millions of characters takes it minutes).
inline QString manyLines(int length)
{
    QString text =
        QString(QString(99, QLatin1Char('x')) + QLatin1Char('\n')).repeated(length / 100);
    return text + QString(length - text.size(), QLatin1Char('y'));
}

// Where a table's delegate draws the check box of a cell, for clicking it.
inline QPoint checkBoxCentre(QTableView *view, const QModelIndex &index)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return view->style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view)
        .center();
}

#endif // DIALOGTESTUTIL_H
