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
    explicit QMyMessageBox(QWidget *parent = nullptr);
    ~QMyMessageBox() override;

    void showMes(int kind, int buttonSet, int actionCode, const QString &text);

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
};

#endif // QMYMESSAGEBOX_H
