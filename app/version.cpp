#include "version.h"
#include "ui_version.h"

static const char versionText[] = "V1.0.12";

Version::Version(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Version)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    ui->labVersion->setText(versionText);
    hide();
}

Version::~Version()
{
    delete ui;
}

void Version::retranslate()
{
    ui->retranslateUi(this);
    ui->labVersion->setText(versionText);
}

void Version::on_btnClose_clicked()
{
    hide();
}
