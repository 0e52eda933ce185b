#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "colordlg.h"
#include "designglobals.h"
#include "pagetreetext.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qtusertypeservices.h"
#include "timerparam.h"

#include <QPushButton>
#include <QTreeWidget>

// The selection the canvas and the page tree rely on: the current widget, the timer flag
// and the tree's highlight.

void MainWindow::slotRecvParent()
{
    resetTimerButtons();
    currentWidget = nullptr;
    form->frame->setCurrentWidget(nullptr);
    form->frame->setTimerShown(false);
    selectionKind = 0;
}

void MainWindow::slotRecvWnd(QMyWidget *w)
{
    resetTimerButtons();
    currentWidget = w;
    form->frame->setCurrentWidget(w);
    form->frame->setTimerShown(false);
    selectionKind = 1;
    if (!w)
        return;
    QTreeWidgetItem *pageItem = form->treeWidget->topLevelItem(currentPageIndex);
    if (!pageItem)
        return;
    const QString text = PageTreeText::widgetItem(w->getTypeName(), w->getId());
    for (int i = 0; i < pageItem->childCount(); ++i) {
        if (pageItem->child(i)->text(0) == text)
            form->treeWidget->setCurrentItem(pageItem->child(i));
    }
}

void MainWindow::slotRecvWndMove(QMyWidget *) { }

// No sheet rows are shown yet, so no edit reaches the design.
void MainWindow::slotVariantPropertyValueChanged(QtProperty *, const QVariant &) { }

void MainWindow::slotVariantPropertyValueChanged(QtProperty *, int) { }

void MainWindow::slotImageColorPropertyValueChanged(QtProperty *, QString) { }

void MainWindow::showTimerProperty()
{
    form->frame->setCurrentWidget(nullptr);
    form->frame->setTimerShown(true);
    selectionKind = 2;
}

void MainWindow::resetTimerButtons()
{
    currentTimer = -1;
    for (int j = 0; j < timerButtons.size(); ++j)
        timerButtons.at(j)->setStyleSheet(
            timerButtonStyles[timerEnabled(j) ? TimerStyleEnabled : TimerStyleDisabled]);
}

// What the image and colour-table rows need of the program.
QtUserTypeServices MainWindow::userTypeServices()
{
    QtUserTypeServices services;
    services.selectedImage = [] { return currentImageRow; };
    services.notice = [](QWidget *editor, const QString &text) {
        // The editor's own box, so that no question of the window is ever replaced; it
        // stays a window of its own and goes with the editor.
        auto *box = editor->findChild<QMyMessageBox *>(QString(), Qt::FindDirectChildrenOnly);
        if (!box) {
            box = new QMyMessageBox;
            box->setParent(editor, box->windowFlags());
        }
        box->showNotice(QMyMessageBox::Information, text);
    };
    services.pickColor = [](int current, int *chosen) {
        ColorDlg dialog;
        const bool accepted = dialog.selectColor(current);
        *chosen = dialog.colorIndex();
        return accepted;
    };
    services.tableColor = [](int index) {
        return index >= 0 && index < ColorTableSize ? colorTable[index] : QColor();
    };
    return services;
}
