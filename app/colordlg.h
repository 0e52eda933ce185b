#ifndef COLORDLG_H
#define COLORDLG_H

#include <QDialog>

namespace Ui {
class ColorDlg;
}

// Modal picker of one colour of the colour table.
class ColorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ColorDlg(QWidget *parent = nullptr);
    ~ColorDlg() override;

    // Shows `number` as the current colour and runs modally; true when closed with OK.
    bool selectColor(int number);
    void showColor(int number);
    int colorIndex() const { return m_colorIndex; }

public slots:
    void slotSelectColorNum(int number);

private slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();

private:
    Ui::ColorDlg *ui;
    int m_colorIndex = 0;
};

#endif // COLORDLG_H
