#include "setscreensizedlg.h"
#include "ui_setscreensizedlg.h"

#include "globals.h"

SetScreenSizeDlg::SetScreenSizeDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SetScreenSizeDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    m_resolutionText = QString();
    m_screenType = 0;
    m_modelType = 0;
    for (const QString &resolution : qAsConst(resolutionList))
        ui->cbVGA->addItem(resolution);
    hide();
}

SetScreenSizeDlg::~SetScreenSizeDlg()
{
    delete ui;
}

bool SetScreenSizeDlg::execDlg()
{
    return exec() == QDialog::Accepted;
}

void SetScreenSizeDlg::retranslate()
{
    ui->retranslateUi(this);
}

void SetScreenSizeDlg::on_btnOK_clicked()
{
    if (ui->rbModelKV->isChecked())
        m_modelType = 0;
    else if (ui->rbModelPM->isChecked())
        m_modelType = 1;

    m_resolutionText = ui->cbVGA->currentText();

    if (ui->rbPorTrait_0->isChecked())
        m_screenType = 0;
    else if (ui->rbLandScape_90->isChecked())
        m_screenType = 1;
    else if (ui->rbPorTrait_180->isChecked())
        m_screenType = 2;
    else if (ui->rbLandScape_270->isChecked())
        m_screenType = 3;

    done(QDialog::Accepted);
}

void SetScreenSizeDlg::on_btnCancel_clicked()
{
    done(QDialog::Rejected);
}

void SetScreenSizeDlg::on_cbVGA_currentTextChanged(const QString &text)
{
    // A new choice only counts once OK is pressed.
    Q_UNUSED(text)
}
