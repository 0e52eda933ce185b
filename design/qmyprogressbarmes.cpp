#include "qmyprogressbarmes.h"
#include "ui_qmyprogressbarmes.h"

#include <QCloseEvent>

QMyProgressBarMes::QMyProgressBarMes(QWidget *parent)
    : QDialog(parent)
    , form(new Ui::QMyProgressBarMes)
{
    form->setupUi(this);
    setWindowFlags(Qt::WindowStaysOnTopHint);
    hide();
}

QMyProgressBarMes::~QMyProgressBarMes()
{
    delete form;
}

void QMyProgressBarMes::setTitle(const QString &title)
{
    setWindowTitle(title);
}

void QMyProgressBarMes::setProgress(int maximum, int value)
{
    if (value == maximum) {
        if (maximum != 0) {
            visibleWanted = true;
            form->btnClose->setText(tr("完成"));
        } else {
            visibleWanted = false;
        }
    }
    if (value == 0) {
        visibleWanted = true;
        form->btnClose->setText(tr("关闭"));
    }
    setVisible(visibleWanted);
    form->progressBar->setOrientation(Qt::Horizontal);
    form->progressBar->setRange(0, maximum);
    form->progressBar->setValue(value);
}

void QMyProgressBarMes::showDlg()
{
    form->btnClose->setText(tr("关闭"));
    show();
}

void QMyProgressBarMes::retranslate()
{
    form->retranslateUi(this);
}

void QMyProgressBarMes::closeEvent(QCloseEvent *event)
{
    visibleWanted = false;
    hide();
    event->accept();
}

void QMyProgressBarMes::on_btnClose_clicked()
{
    visibleWanted = false;
    hide();
}
