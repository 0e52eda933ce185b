#include "mainwindow.h"

#include "deleventdlg.h"
#include "designglobals.h"
#include "downloadeventdlg.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "qmyeventdlg.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "timerparam.h"

#include <QPointer>

// The three event commands address the page, widget or timer whose sheet is shown; the
// dialogs they open keep that holder (events/).

void MainWindow::on_btnAddEvent_clicked()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未创建或导入项目，请您先创建或导入项目！"));
        return;
    }
    EventHolder *holder = shownEventHolder();
    if (!holder)
        return;
    const int owner =
        EventHolderDlg::ownerKind(selectionKind, currentWidget, designDocument.timer(currentTimer));
    if (!EventInfo::ownerHasEvents(owner)) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("该控件类型无法添加事件，请您查看说明文档！"));
        return;
    }
    // Only timers run while the dialog is open; the holder must still be the one shown.
    const QPointer<QMyWidget> widget = currentWidget;
    if (!eventDlg->execForEvent(owner))
        return;
    if (shownEventHolder() != holder || widget != currentWidget)
        return;
    holder->append(eventDlg->eventInfo());
    slotRefleshEvent();
}

void MainWindow::on_btnDelEvent_clicked()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未创建或导入项目，请您先创建或导入项目！"));
        return;
    }
    if (selectionKind == SelectionKind::None)
        return;
    const EventHolder *holder = shownEventHolder();
    if (!holder || holder->eventCount() == 0) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未添加事件，无法删除！"));
        return;
    }
    delEventDlg->showDlg(selectionKind, currentWidget, designDocument.timer(currentTimer));
}

void MainWindow::on_btnDownLoadEvent_clicked()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未创建或导入项目，请您先创建或导入项目！"));
        return;
    }
    if (!shownEventHolder())
        return;
    const int owner =
        EventHolderDlg::ownerKind(selectionKind, currentWidget, designDocument.timer(currentTimer));
    if (!EventInfo::ownerHasEvents(owner)) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("该控件类型无法编辑事件，请您查看说明文档！"));
        return;
    }
    downLoadEventDlg->showDlg(selectionKind, currentWidget, designDocument.timer(currentTimer));
}

// What the sheet shows: the current page, the selected widget or the selected timer.
EventHolder *MainWindow::shownEventHolder() const
{
    switch (selectionKind) {
    case SelectionKind::Page: {
        PageParam *page = designDocument.page(designDocument.currentPage());
        return page ? &page->eventHolder() : nullptr;
    }
    case SelectionKind::Widget:
        return currentWidget ? &currentWidget->eventHolder() : nullptr;
    case SelectionKind::Timer: {
        TimerParam *timer = designDocument.timer(currentTimer);
        return timer ? &timer->eventHolder() : nullptr;
    }
    default:
        return nullptr;
    }
}

void MainWindow::dismissEventDialogs(const EventHolder *holder)
{
    if (delEventDlg)
        delEventDlg->dismiss(holder);
    if (downLoadEventDlg)
        downLoadEventDlg->dismiss(holder);
}
