#ifndef QMYMESSAGEBOX_H
#define QMYMESSAGEBOX_H

#include <QDialog>
#include <QPoint>

namespace Ui {
class QMyMessageBox;
}

// Notice and question box that never blocks: the answer comes back later
// through s_sendIsNo with the action code chosen by the asker.
class QMyMessageBox : public QDialog
{
    Q_OBJECT

public:
    // Title, icon and title colour; any other value looks like Information.
    enum Kind { Information = 0, Warning = 1, Error = 2 };
    // The buttons shown; a value outside these leaves them as they are.
    enum ButtonSet { OkOnly = 0, OkCancel = 1, YesNo = 2, YesNoCancel = 3 };

    // The action code of a notice: its button answers nothing. The "取消" of a
    // three-button question answers Cancelled.
    enum Answer { NoAnswer = 0, Cancelled = -1 };

    explicit QMyMessageBox(QWidget *parent = nullptr);
    ~QMyMessageBox() override;

    void showMes(int kind, int buttonSet, int actionCode, const QString &text);
    // A message with the one button "确定", which answers nothing.
    void showNotice(Kind kind, const QString &text) { showMes(kind, OkOnly, NoAnswer, text); }

    int getActionCode() const { return actionCode; }

signals:
    void s_sendIsNo(int code);

private slots:
    void on_btnOk_clicked();
    void on_btnCancel_clicked();
    void on_btnNo_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Ui::QMyMessageBox *form;
    int actionCode = 0;
    QPoint pressOffset;
    bool dragging = false;
    QSize designedSize;
};

#endif // QMYMESSAGEBOX_H
