#include "textboxdlg.h"

#include "ui_textboxdlg.h"

TextBoxDlg::TextBoxDlg(QWidget *parent)
    : QDialog(parent, Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , ui(new Ui::TextBoxDlg)
{
    ui->setupUi(this);
    setFixedSize(400, 300);
}

TextBoxDlg::~TextBoxDlg()
{
    delete ui;
}

void TextBoxDlg::showText(const QString &text)
{
    // Plain text both ways: a text that looks like markup comes back as it was.
    ui->textEdit->clear();
    ui->textEdit->setPlainText(text);
    show();
}

void TextBoxDlg::retranslate()
{
    ui->retranslateUi(this);
}

void TextBoxDlg::on_btnOk_clicked()
{
    emit s_sendText(ui->textEdit->toPlainText());
    hide();
}
