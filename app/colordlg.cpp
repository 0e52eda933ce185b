#include "colordlg.h"
#include "ui_colordlg.h"

#include "globals.h"

ColorDlg::ColorDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ColorDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    m_colorIndex = 0;
    connect(ui->colorFrame, &ColorDraw::s_selectColorNum, this, &ColorDlg::slotSelectColorNum);
}

ColorDlg::~ColorDlg()
{
    delete ui;
}

bool ColorDlg::selectColor(int number)
{
    showColor(number);
    return exec() == QDialog::Accepted;
}

void ColorDlg::showColor(int number)
{
    number = validColorNumber(number);
    const QColor color = colorTableValue(number);
    ui->editColor->setStyleSheet(QString("background-color:rgb(%1,%2,%3);")
                                     .arg(color.red())
                                     .arg(color.green())
                                     .arg(color.blue()));
    ui->labNum->setText(QString("%1").arg(number));
    m_colorIndex = number;
}

void ColorDlg::slotSelectColorNum(int number)
{
    showColor(number);
}

void ColorDlg::on_btnOK_clicked()
{
    done(QDialog::Accepted);
}

void ColorDlg::on_btnCancel_clicked()
{
    done(QDialog::Rejected);
}
