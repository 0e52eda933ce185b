#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "allcfg.h"
#include "designglobals.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "showinfodlg.h"
#include "ymodem.h"
#include "ymodemportdlg.h"

#include <QRegularExpression>
#include <QTextBlock>

namespace {

// Whole blocks are logged at line rate: the box keeps the latest lines only.
constexpr int ReceiveBoxLines = 2000;

} // namespace

void MainWindow::createDownloadLink()
{
    qRegisterMetaType<InstrParam>("InstrParam");
    transferBox = new QMyMessageBox;
    allCfg = new AllCfg(this);
    yModem = new YModem;
    portDlg = new YModemPortDlg;
    progressWindow = new QMyProgressBarMes;
    form->textBrowserRecv->document()->setMaximumBlockCount(ReceiveBoxLines);

    connect(yModem, SIGNAL(s_sendProgValue(int, int, int, int)), this,
            SLOT(slotProgressBarMes(int, int, int, int)));
    connect(yModem, SIGNAL(s_sendMes(int, QString)), this, SLOT(slotRecvYModemMes(int, QString)));
    connect(yModem, SIGNAL(s_sendPortStatus(bool)), portDlg, SLOT(slotPortStatus(bool)));
    connect(yModem, SIGNAL(s_sendDebugMes(int, QString)), this,
            SLOT(slotRecvYModemDebugMes(int, QString)), Qt::QueuedConnection);
    connect(yModem, SIGNAL(s_sendInstrParam(InstrParam)), this,
            SLOT(slotRecvYModemInstrParam(InstrParam)), Qt::QueuedConnection);
    // Only stores the request for the worker's next turn, so it may run in this thread.
    connect(portDlg, SIGNAL(s_sendPortMes(bool, QString, int)), yModem,
            SLOT(slotOpenClosePort(bool, QString, int)), Qt::DirectConnection);
    connect(portDlg, SIGNAL(s_sendInstr(QString)), this, SLOT(slotRecvYModemPortInstr(QString)),
            Qt::QueuedConnection);
}

bool MainWindow::downloadJobPending() const
{
    return yModem && yModem->isJobPending();
}

// A confirmed download may arrive while another runs; it is refused rather than abandoning
// the running one.
void MainWindow::startDownload(int job, const QString &directory, const QString &fileName)
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    yModem->startJob(job, directory, fileName, form->frame->getModelType(), QString());
}

void MainWindow::downloadImages()
{
    startDownload(YModemJob::Pictures, QString(), QString());
}

void MainWindow::downloadFonts()
{
    startDownload(YModemJob::Fonts, QString(), QString());
}

void MainWindow::on_btnSetCOM_clicked()
{
    portDlg->openDialog(form->frame->getModelType());
}

void MainWindow::on_btnInstrDownLoad_clicked()
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (!isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建或加载项目，无法下载！"));
        return;
    }
    if (imagesChanged) {
        imagesChanged = false;
        questionBox->showMes(
            QMyMessageBox::Warning, QMyMessageBox::YesNo, ConfirmDownloadProject,
            tr("图库资源有更改，是否继续下载当前项目到显示屏上？（建议您先下载图片资源）"));
        return;
    }
    questionBox->showMes(QMyMessageBox::Information, QMyMessageBox::YesNo, ConfirmDownloadProject,
                         tr("是否下载当前项目到显示屏上？"));
}

void MainWindow::slotProgressBarMes(int kind, int total, int done, int phase)
{
    switch (kind) {
    case 0:
        progressWindow->setTitle(phase != 0 ? tr("项目解压") : tr("项目下载"));
        break;
    case 1:
        progressWindow->setTitle(tr("图片下载"));
        break;
    case 2:
        progressWindow->setTitle(tr("字库下载"));
        break;
    default:
        break;
    }
    if (kind >= 0 && kind <= 2) {
        QProgressBar *bar = form->progressBarDown;
        bar->setOrientation(Qt::Horizontal);
        bar->setRange(0, total);
        bar->setValue(done);
        if (done == total) {
            bar->hide();
            // A failed or timed-out download ends at 0 of 0 and does not count as done.
            if (kind == 1 && total > 0)
                imagesChanged = false;
        } else {
            bar->setVisible(total != 0);
        }
    }
    progressWindow->setProgress(total, done);
}

void MainWindow::slotRecvYModemMes(int kind, QString text)
{
    transferBox->showMes(kind, QMyMessageBox::OkOnly, QMyMessageBox::NoAnswer, text);
}

void MainWindow::slotRecvYModemDebugMes(int, QString line)
{
    static const QRegularExpression lineEnds(QStringLiteral("[\r\n]"));
    form->textBrowserRecv->append(line.remove(lineEnds));
}

void MainWindow::slotRecvYModemInstrParam(InstrParam param)
{
    showInfoDlg->showInfo(param);
}

void MainWindow::slotRecvYModemPortInstr(QString text)
{
    if (yModem->isJobPending()) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("下载中请稍后重试！"));
        return;
    }
    yModem->startJob(YModemJob::InstructionText, QString(), QString(), form->frame->getModelType(),
                     text);
}
