#include "textboxdlg.h"

#include "ui_textboxdlg.h"

#include "qmymessagebox.h"

TextBoxDlg::TextBoxDlg(int maxLength, QWidget *parent)
    : QDialog(parent, Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , ui(new Ui::TextBoxDlg)
    , maxLength(maxLength)
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
    const QString text = ui->textEdit->toPlainText();
    if (text.size() > maxLength) {
        if (!notice)
            notice.reset(new QMyMessageBox);
        notice->showNotice(QMyMessageBox::Warning,
                           tr("文本超过%1个字符，无法保存！").arg(maxLength));
        return;
    }
    emit s_sendText(text);
    hide();
}
