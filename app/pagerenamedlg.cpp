#include "pagerenamedlg.h"
#include "ui_pagerenamedlg.h"

#include "designglobals.h"

PageRenameDlg::PageRenameDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::PageRenameDlg)
{
    ui->setupUi(this);
    // The bound a project file sets on page names.
    ui->editName->setMaxLength(MaxLineLength);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    m_pageIndex = 0;
    m_pageLabel = QString();
}

PageRenameDlg::~PageRenameDlg()
{
    delete ui;
}

void PageRenameDlg::showDlg(int pageIndex, const QString &pageLabel, const QString &currentName)
{
    m_pageIndex = pageIndex;
    m_pageLabel = pageLabel;
    ui->labPageName->setText(pageLabel + QLatin1String(":"));
    ui->editName->setText(currentName);
    show();
}

void PageRenameDlg::retranslate()
{
    ui->retranslateUi(this);
}

void PageRenameDlg::on_btnOK_clicked()
{
    const QString name = ui->editName->text();
    if (!name.isEmpty())
        emit s_sendName(m_pageIndex, QString("%1(%2)").arg(m_pageLabel, name), name);
    else
        emit s_sendName(m_pageIndex, m_pageLabel, QString());
    hide();
}
