#include "qmyprogressbarmes.h"
#include "ui_qmyprogressbarmes.h"

#include <QCloseEvent>

QMyProgressBarMes::QMyProgressBarMes(QWidget *parent)
    : QDialog(parent)
    , form(new Ui::QMyProgressBarMes)
{
    form->setupUi(this);
    if (parent)
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    else
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
    state = Running;
    if (value == maximum) {
        if (maximum != 0) {
            visibleWanted = true;
            state = Complete;
        } else {
            visibleWanted = false;
        }
    }
    if (value == 0)
        visibleWanted = true;
    showState();
    setVisible(visibleWanted);
    form->progressBar->setOrientation(Qt::Horizontal);
    // A range of 0 to 0 would be Qt's endlessly moving busy bar.
    form->progressBar->setRange(0, qMax(maximum, 1));
    form->progressBar->setValue(value);
}

void QMyProgressBarMes::setStopped(bool cancelled)
{
    state = cancelled ? Cancelled : Failed;
    showState();
}

void QMyProgressBarMes::showState()
{
    form->btnClose->setText(state == Complete ? tr("完成") : tr("关闭"));
    if (state == Failed || state == Cancelled)
        form->progressBar->setFormat(stoppedText(state == Cancelled));
    else
        form->progressBar->setFormat(QStringLiteral("%p%"));
}

QString QMyProgressBarMes::stoppedText(bool cancelled)
{
    return cancelled ? tr("已取消") : tr("失败");
}

void QMyProgressBarMes::showDlg()
{
    state = Running;
    showState();
    show();
}

// The title is the transfer's, set by the owner with each step; the form's would be "Dialog".
void QMyProgressBarMes::retranslate()
{
    const QString title = windowTitle();
    form->retranslateUi(this);
    setWindowTitle(title);
    showState();
}

void QMyProgressBarMes::closeEvent(QCloseEvent *event)
{
    visibleWanted = false;
    hide();
    event->accept();
    emit s_sendClosed();
}

void QMyProgressBarMes::on_btnClose_clicked()
{
    visibleWanted = false;
    hide();
    emit s_sendClosed();
}
