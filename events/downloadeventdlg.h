#ifndef DOWNLOADEVENTDLG_H
#define DOWNLOADEVENTDLG_H

#include "eventholderdlg.h"

class QCheckBox;
class QMyMessageBox;
class QTextEdit;

namespace Ui {
class DownLoadEventDlg;
}

// Edits the hand-written code of one holder: one tab per event type with the flag that the
// type's script is the tab's code instead of the lines generated from the events. Edits
// reach the holder only through "保存".
class DownLoadEventDlg : public EventHolderDlg
{
    Q_OBJECT

public:
    explicit DownLoadEventDlg(QWidget *parent = nullptr);
    ~DownLoadEventDlg() override;

    // The main window passes the widget for kind 1 and the timer for kind 2; kind 0 is the
    // page shown now.
    void showDlg(SelectionKind selectionKind, QMyWidget *widget, TimerParam *timer);
    void retranslate();

    QMyMessageBox *getMessageBox() const { return messageBox; }

signals:
    void s_sendReflesh();

private slots:
    void on_btnAddEvent_clicked();
    void on_btnSaveEvent_clicked();
    void on_btnResetEvent_clicked();
    void on_btnClose_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // No holder has more than three event types.
    static constexpr int SlotTabs = 3;
    static constexpr int MaxTabs = 5;

    void setTabTexts();
    void fillFunctions();
    void loadSlot(int key);

    Ui::DownLoadEventDlg *ui;
    QMyMessageBox *messageBox;
    QWidget *tabPages[MaxTabs] = {};
    int tabPageCount = 0;
    QCheckBox *useBoxes[SlotTabs] = {};
    QTextEdit *editors[SlotTabs] = {};
};

#endif // DOWNLOADEVENTDLG_H
