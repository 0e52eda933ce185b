#ifndef TEXTBOXDLG_H
#define TEXTBOXDLG_H

#include <QDialog>

#include <memory>

class QMyMessageBox;

namespace Ui {
class TextBoxDlg;
}

// The text editor of one text box; it edits plain text and hands it back on OK, unless
// the text is longer than the owner can keep.
class TextBoxDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TextBoxDlg(int maxLength, QWidget *parent = nullptr);
    ~TextBoxDlg() override;

    void showText(const QString &text);
    void retranslate();

signals:
    void s_sendText(QString text);

private slots:
    void on_btnOk_clicked();

private:
    Ui::TextBoxDlg *ui;
    int maxLength;
    // Made when a text is first refused.
    std::unique_ptr<QMyMessageBox> notice;
};

#endif // TEXTBOXDLG_H
