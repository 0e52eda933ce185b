#ifndef PAGERENAMEDLG_H
#define PAGERENAMEDLG_H

#include <QDialog>
#include <QString>

namespace Ui {
class PageRenameDlg;
}

// Lets the user name a page; the tree shows the fixed label with the name in parentheses.
class PageRenameDlg : public QDialog
{
    Q_OBJECT

public:
    explicit PageRenameDlg(QWidget *parent = nullptr);
    ~PageRenameDlg() override;

    // Shows the dialog without blocking for the page with the given index and label.
    void showDlg(int pageIndex, const QString &pageLabel, const QString &currentName);

    int pageIndex() const { return m_pageIndex; }
    QString pageLabel() const { return m_pageLabel; }

    void retranslate();

signals:
    void s_sendName(int page, QString itemText, QString name);

private slots:
    void on_btnOK_clicked();

private:
    Ui::PageRenameDlg *ui;
    int m_pageIndex = 0;
    QString m_pageLabel;
};

#endif // PAGERENAMEDLG_H
