#include "showinfodlg.h"
#include "ui_showinfodlg.h"

ShowInfoDlg::ShowInfoDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ShowInfoDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    hide();
}

ShowInfoDlg::~ShowInfoDlg()
{
    delete ui;
}

void ShowInfoDlg::showInfo(InstrParam param)
{
    ui->editPage->setText(QString("%1").arg(param.getMaxPage()));
    ui->editWidgets->setText(QString("%1").arg(param.getMaxWidgets()));
    ui->editPics->setText(QString("%1").arg(param.getMaxPics()));
    ui->editTimers->setText(QString("%1").arg(param.getMaxCommTimers()));
    ui->editFonts->setText(QString("%1").arg(param.getMaxFonts()));
    ui->editSers->setText(QString("%1").arg(param.getMaxSers()));
    ui->editPathSize->setText(QString("%1").arg(param.getMaxPathSize()));
    ui->editStrSize->setText(QString("%1").arg(param.getDefaultMaxStrSize()));
    ui->editMem->setText(QString::number(double(param.getLeftMem()) * (1.0 / 1024), 'f', 2));
    ui->editFlash->setText(QString("%1").arg(param.getLeftFlash()));
    ui->editBps->setText(QString("%1").arg(param.getBps()));
    ui->editDpi->setText(QString("%1x%2").arg(param.getCol()).arg(param.getRow()));
    // 64-bit so that no reported level can overflow the product.
    ui->editBl->setText(QString("%1").arg(qint64(param.getBl()) * 100 / 255));

    switch (param.getDir()) {
    case 0:
        ui->rbScreen_0->setChecked(true);
        break;
    case 1:
        ui->rbScreen_90->setChecked(true);
        break;
    case 2:
        ui->rbScreen_180->setChecked(true);
        break;
    case 3:
        ui->rbScreen_270->setChecked(true);
        break;
    default:
        break;
    }
    show();
}

void ShowInfoDlg::retranslate()
{
    ui->retranslateUi(this);
}

void ShowInfoDlg::on_btnOK_clicked()
{
    hide();
}
