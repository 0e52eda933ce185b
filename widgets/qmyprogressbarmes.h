#ifndef QMYPROGRESSBARMES_H
#define QMYPROGRESSBARMES_H

#include <QDialog>

namespace Ui {
class QMyProgressBarMes;
}

// Small progress window of a transfer; shown and hidden by the progress values it gets.
// Given a parent it stays above that window only, so that message boxes are never hidden
// behind it, and it keeps clear of the other windows on screen: a dialog that the user opens
// during a transfer stays readable. Without a parent it stays above every window.
class QMyProgressBarMes : public QDialog
{
    Q_OBJECT

public:
    explicit QMyProgressBarMes(QWidget *parent = nullptr);
    ~QMyProgressBarMes() override;

    void setTitle(const QString &title);
    void setProgress(int maximum, int value);
    // The transfer ended without completing: the bar stays where it got to and says so.
    void setStopped(bool cancelled);
    void showDlg();
    void retranslate();
    // What a bar of a transfer that ended without completing says.
    static QString stoppedText(bool cancelled);

    bool isVisibleWanted() const { return visibleWanted; }

signals:
    // The user closed the window (its button or its title bar).
    void s_sendClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_btnClose_clicked();

private:
    enum State { Running, Complete, Failed, Cancelled };
    void showState();
    // Moves the window to the first place, beginning with the middle of its owner, where it
    // covers none of the other windows on screen; failing that, where it covers least.
    void keepClear();
    void keepClearIfShown();

    Ui::QMyProgressBarMes *form;
    bool visibleWanted = false;
    State state = Running;
};

#endif // QMYPROGRESSBARMES_H
