#ifndef DELEVENTDLG_H
#define DELEVENTDLG_H

#include "eventholderdlg.h"

#include <QList>

class QModelIndex;
class QMyCheckStandardItemModel;
class QMyMessageBox;

namespace Ui {
class DelEventDlg;
}

// Lists the events of one holder by event type and deletes the checked ones after a
// question. The first "删除" only shows the check column.
class DelEventDlg : public EventHolderDlg
{
    Q_OBJECT

public:
    explicit DelEventDlg(QWidget *parent = nullptr);
    ~DelEventDlg() override;

    // The main window passes the widget for kind 1 and the timer for kind 2; kind 0 is the
    // page shown now. It opens only for a holder with events.
    void showDlg(SelectionKind selectionKind, QMyWidget *widget, TimerParam *timer);
    void retranslate();

    QMyMessageBox *getMessageBox() const { return messageBox; }

signals:
    void s_sendDelEvent();

private slots:
    void on_checkBoxAll_clicked(bool checked);
    void on_btnCheckedCannel_clicked();
    void on_btnDelEvent_clicked();
    void on_tvEvent_clicked(const QModelIndex &index);
    void on_btnClose_clicked();

private:
    void setHeaders();
    void setCheckControlsShown(bool shown);
    void showCheckedCount();
    void setAllChecked(bool checked);
    // Repaints the checks and selects the last clicked row while it is a row of the table.
    void refreshView();
    // What "是" to the question does: the checked events go.
    void deleteCheckedEvents();

    Ui::DelEventDlg *ui;
    QMyCheckStandardItemModel *model;
    int clickedRow = -1;
    QMyMessageBox *messageBox;
    bool checkMode = false;
    // For each row, the position of its event in the holder's list.
    QList<int> rowEvents;
};

#endif // DELEVENTDLG_H
