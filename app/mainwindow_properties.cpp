#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "colordlg.h"
#include "designglobals.h"
#include "pageparam.h"
#include "pagetreetext.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmypropertysheet.h"
#include "qmysheetapplier.h"
#include "qmywidget.h"
#include "qtusertypeservices.h"
#include "setscreensizedlg.h"
#include "sheettables.h"
#include "sheetvalues.h"
#include "timerparam.h"

#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

// The property area shows the sheet of the page, of one widget or of one timer; the rows
// and the rules of their edits live in properties/.

QMyWidget *MainWindow::getCurrentWidget() const
{
    return currentWidget;
}

void MainWindow::slotRecvParent()
{
    sheet->clear();
    selectionKind = SelectionKind::Page;
    currentWidget = nullptr;
    form->frame->setCurrentWidget(nullptr);
    form->frame->setTimerShown(false);
    resetTimerButtons();
    sheet->setHeaders();
    PageParam *page = designDocument.page(designDocument.currentPage());
    sheetPage = page;
    if (!page)
        return;
    sheet->addRows(SheetTables::pageSheet(), [this, page](const QString &key) {
        return SheetValues::pageValue(*page, key, designDocument.screenType(),
                                      designDocument.resolution());
    });
    sheet->addEventsGroup(page->eventHolder());
}

void MainWindow::slotRecvWnd(QMyWidget *w)
{
    sheet->clear();
    selectionKind = SelectionKind::Widget;
    currentWidget = w;
    form->frame->setCurrentWidget(w);
    sheetPage = designDocument.page(designDocument.currentPage());
    resetTimerButtons();
    sheet->setHeaders();
    if (!w)
        return;
    selectWidgetItem(w);
    sheet->addRows(SheetTables::widgetSheet(w->getType(), w->getCheckabled()),
                   [w](const QString &key) { return SheetValues::widgetValue(*w, key); });
    if (SheetTables::widgetHasEvents(w->getType()))
        sheet->addEventsGroup(w->eventHolder());
}

void MainWindow::showTimerProperty()
{
    if (currentTimer < 0 || currentTimer >= TimerCount)
        return;
    sheet->clear();
    selectionKind = SelectionKind::Timer;
    currentWidget = nullptr;
    form->frame->setCurrentWidget(nullptr);
    form->frame->setTimerShown(true);
    sheet->setHeaders();
    sheetTimer = currentTimer;
    TimerParam *timer = designDocument.timer(currentTimer);
    sheet->addRows(currentTimer == SleepTimer ? SheetTables::sleepTimerSheet()
                                              : SheetTables::timerSheet(),
                   [timer](const QString &key) { return SheetValues::timerValue(*timer, key); });
    sheet->addEventsGroup(timer->eventHolder());
}

void MainWindow::slotRefleshEvent()
{
    switch (selectionKind) {
    case SelectionKind::Page:
        slotRecvParent();
        break;
    case SelectionKind::Widget:
        slotRecvWnd(currentWidget);
        break;
    case SelectionKind::Timer:
        showTimerProperty();
        break;
    case SelectionKind::None:
        break;
    }
}

void MainWindow::slotRecvWndMove(QMyWidget *w)
{
    if (!w || w != currentWidget)
        return;
    // Square sides and inner rectangles are otherwise brought up to date only by the next
    // paint, after the last move of a drag has been shown.
    w->refreshComputedValues();
    sheet->followWidget(*w);
}

void MainWindow::slotVariantPropertyValueChanged(QtProperty *property, const QVariant &value)
{
    if (!sheetApplier)
        return;
    const QMySheetApplier::Effect effect = sheetApplier->applyValue(property, value, sheetTarget());
    applySheetEffect(effect.timerStyle, effect.rebuildWidgetSheet);
}

void MainWindow::slotVariantPropertyValueChanged(QtProperty *property, int value)
{
    if (!sheetApplier)
        return;
    sheetApplier->applyChoice(property, value, sheetTarget());
}

void MainWindow::slotImageColorPropertyValueChanged(QtProperty *property, QString value)
{
    if (!sheetApplier)
        return;
    sheetApplier->applyImage(property, value, sheetTarget());
}

QMySheetApplier::Target MainWindow::sheetTarget() const
{
    QMySheetApplier::Target target;
    target.kind = selectionKind;
    target.widget = currentWidget;
    // A page that went away since its sheet was built takes no edit.
    target.page = designDocument.pages().contains(sheetPage) ? sheetPage : nullptr;
    target.timer = designDocument.timer(sheetTimer);
    target.timerIndex = sheetTimer;
    return target;
}

void MainWindow::applySheetEffect(int timerStyle, bool rebuildWidgetSheet)
{
    if (timerStyle >= 0 && sheetTimer >= 0 && sheetTimer < timerButtons.size())
        timerButtons.at(sheetTimer)->setStyleSheet(timerButtonStyles[timerStyle]);
    if (!rebuildWidgetSheet)
        return;
    // The row being reported and its editor belong to the sheet; it is built again once
    // the report has returned, and only while the widget is still the one shown.
    QPointer<QMyWidget> shown = currentWidget;
    QMetaObject::invokeMethod(
        this,
        [this, shown] {
            if (shown && shown == currentWidget && selectionKind == SelectionKind::Widget)
                form->frame->selectWidget(shown);
        },
        Qt::QueuedConnection);
}

void MainWindow::resetTimerButtons()
{
    currentTimer = -1;
    for (int j = 0; j < timerButtons.size(); ++j) {
        const QString &style =
            timerButtonStyles[timerEnabled(j) ? TimerStyleEnabled : TimerStyleDisabled];
        // Setting a style sheet restyles the button even when it is the same one.
        if (timerButtons.at(j)->styleSheet() != style)
            timerButtons.at(j)->setStyleSheet(style);
    }
}

// What the image and colour-table rows need of the program.
QtUserTypeServices MainWindow::userTypeServices()
{
    QtUserTypeServices services;
    services.selectedImage = [this] { return currentImageRow; };
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
    services.tableColor = [](int index) { return colorTableValue(index); };
    return services;
}
