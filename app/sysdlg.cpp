#include "sysdlg.h"
#include "ui_sysdlg.h"

SysDlg::SysDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SysDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    m_baudText = "115200";
    m_requestedBaudText = "115200";
    m_backlight = 20;
    m_requestedBacklight = 20;
    ui->labScreenValue->setText(QString("%1").arg(20));
    ui->horizontalSliderScreen->setValue(20);
    hide();
}

SysDlg::~SysDlg()
{
    delete ui;
}

void SysDlg::setBaud(const QString &baud)
{
    m_baudText = baud;
    m_requestedBaudText = baud;
}

void SysDlg::setBacklight(int level)
{
    m_backlight = level;
    m_requestedBacklight = level;
}

void SysDlg::retranslate()
{
    ui->retranslateUi(this);
}

void SysDlg::on_btnBaud_clicked()
{
    m_requestedBaudText = ui->cbBuad->currentText();
    emit s_sendMes(4, QString("BPS(%1);").arg(m_requestedBaudText));
}

void SysDlg::on_btnScreenValue_clicked()
{
    // The slider shows brightness; the module counts 0 as brightest.
    QSlider *slider = ui->horizontalSliderScreen;
    m_requestedBacklight = slider->maximum() - slider->value();
    emit s_sendMes(3, QString("BL(%1);").arg(m_requestedBacklight));
}

void SysDlg::on_horizontalSliderScreen_valueChanged(int value)
{
    const int maximum = ui->horizontalSliderScreen->maximum();
    const int percent = maximum > 0 ? value * 100 / maximum : 0;
    ui->labScreenValue->setText(QString("%1%").arg(percent));
}

void SysDlg::on_btnClose_clicked()
{
    hide();
}
