#ifndef QMYMESSAGEBOX_H
#define QMYMESSAGEBOX_H

#include <QDialog>
#include <QPoint>

#include <functional>

namespace Ui {
class QMyMessageBox;
}

// Notice and question box that never blocks: the answer comes back later, to the functions
// the asker gave or through s_sendIsNo with the action code it chose. A new message replaces
// a question still open, whose answer then never comes.
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
    // A question whose "是"/"确定" calls onYes, "否" onNo and the "取消" of three buttons
    // onCancel, once, after the box is hidden; an answer without a function does nothing.
    void ask(Kind kind, ButtonSet buttons, const QString &text, std::function<void()> onYes,
             std::function<void()> onNo = {}, std::function<void()> onCancel = {});
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
    enum class Button { Yes, No, Cancel };
    // Hides the box, then gives the answer, so that the answer may show the next message.
    void answer(Button button);

    Ui::QMyMessageBox *form;
    int actionCode = 0;
    // The message came from ask(): its answer goes to these functions, once.
    bool asking = false;
    std::function<void()> onYes;
    std::function<void()> onNo;
    std::function<void()> onCancel;
    QPoint pressOffset;
    bool dragging = false;
    QSize designedSize;
};

#endif // QMYMESSAGEBOX_H
