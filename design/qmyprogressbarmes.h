#ifndef QMYPROGRESSBARMES_H
#define QMYPROGRESSBARMES_H

#include <QDialog>

namespace Ui {
class QMyProgressBarMes;
}

// Small progress window of a transfer; shown and hidden by the progress values it gets.
class QMyProgressBarMes : public QDialog
{
    Q_OBJECT

public:
    explicit QMyProgressBarMes(QWidget *parent = nullptr);
    ~QMyProgressBarMes() override;

    void setTitle(const QString &title);
    void setProgress(int maximum, int value);
    void showDlg();
    void retranslate();

    bool isVisibleWanted() const { return visibleWanted; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_btnClose_clicked();

private:
    Ui::QMyProgressBarMes *form;
    bool visibleWanted = false;
};

#endif // QMYPROGRESSBARMES_H
