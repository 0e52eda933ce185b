#ifndef QMYEVENTDLG_H
#define QMYEVENTDLG_H

#include <QDialog>

#include "eventinfo.h"

namespace Ui {
class QMyEventDlg;
}

// Asks for the event type and the module function of a new event and hands back the
// prepared record. The record is reused from run to run.
class QMyEventDlg : public QDialog
{
    Q_OBJECT

public:
    explicit QMyEventDlg(QWidget *parent = nullptr);
    ~QMyEventDlg() override;

    // Fills both boxes for the owner kind and runs modally; true when closed with OK.
    bool execForEvent(int ownerKind);
    EventInfo eventInfo() const { return m_eventInfo; }

    void retranslate();

private slots:
    void on_btnOK_clicked();
    void on_btnClose_clicked();

private:
    Ui::QMyEventDlg *ui;
    EventInfo m_eventInfo;
};

#endif // QMYEVENTDLG_H
