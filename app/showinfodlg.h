#ifndef SHOWINFODLG_H
#define SHOWINFODLG_H

#include <QDialog>

#include "instrparam.h"

namespace Ui {
class ShowInfoDlg;
}

// Shows the limits and state that the display module reported about itself.
class ShowInfoDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ShowInfoDlg(QWidget *parent = nullptr);
    ~ShowInfoDlg() override;

    // Takes a copy, so the worker may refill its own record while this one is shown.
    void showInfo(InstrParam param);
    void retranslate();

private slots:
    void on_btnOK_clicked();

private:
    Ui::ShowInfoDlg *ui;
};

#endif // SHOWINFODLG_H
