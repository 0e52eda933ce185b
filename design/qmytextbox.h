#ifndef QMYTEXTBOX_H
#define QMYTEXTBOX_H

#include "qmywidget.h"

class TextBoxDlg;

// A text box the module lets the user type into.
class QMyTextBox : public QMyWidget
{
    Q_OBJECT

public:
    QMyTextBox(int id, WidgetType type, const QString &typeName, QWidget *parent);
    ~QMyTextBox() override;

public slots:
    // Takes the text edited in the box's own dialog.
    void slotReceText(QString text);
    void slotFocusOut();
    // Kind 0 press, 1 move, 2 release.
    void slotReceMouse(int kind, QMouseEvent *event);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    TextBoxDlg *textDlg = nullptr;
};

#endif // QMYTEXTBOX_H
