#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "allcfg.h"
#include "bootdlg.h"
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
    // Owned by the window, so that it stays above it but below the message boxes.
    progressWindow = new QMyProgressBarMes(this);
    // Closing it while a font is made ends the conversion.
    connect(progressWindow, &QMyProgressBarMes::s_sendClosed, this,
            &MainWindow::cancelFontConversion);
    form->textBrowserRecv->document()->setMaximumBlockCount(ReceiveBoxLines);

    connect(yModem, &YModem::s_sendProgValue, this, &MainWindow::slotProgressBarMes);
    connect(yModem, &YModem::s_sendMes, this, &MainWindow::slotRecvYModemMes);
    connect(yModem, &YModem::s_sendPortStatus, portDlg, &YModemPortDlg::slotPortStatus);
    connect(yModem, &YModem::s_sendDebugMes, this, &MainWindow::slotRecvYModemDebugMes,
            Qt::QueuedConnection);
    connect(yModem, &YModem::s_sendInstrParam, this, &MainWindow::slotRecvYModemInstrParam,
            Qt::QueuedConnection);
    // Only stores the request for the worker's next turn, so it may run in this thread.
    connect(portDlg, &YModemPortDlg::s_sendPortMes, yModem, &YModem::slotOpenClosePort,
            Qt::DirectConnection);
    connect(portDlg, &YModemPortDlg::s_sendInstr, this, &MainWindow::slotRecvYModemPortInstr,
            Qt::QueuedConnection);
    connect(yModem, &YModem::s_sendJobEnded, this, &MainWindow::slotDownloadJobEnded);
    // The port stays as it is while a job uses it.
    portDlg->setJobCheck([this] { return pendingDownloadName(); });
    // The window keeps its size when the bar comes and goes.
    QSizePolicy policy = form->progressBarDown->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    form->progressBarDown->setSizePolicy(policy);
}

void MainWindow::showBarOutcome()
{
    if (barOutcome != YModem::Done)
        form->progressBarDown->setFormat(
            QMyProgressBarMes::stoppedText(barOutcome == YModem::Cancelled));
}

bool MainWindow::downloadJobPending() const
{
    return yModem && yModem->isJobPending();
}

QString MainWindow::pendingDownloadName() const
{
    return downloadJobPending() ? YModem::jobName(yModem->pendingJob()) : QString();
}

// The files of the open project are still on their way: another project waits.
bool MainWindow::refuseProjectChangeWhileDownloading()
{
    const QString job = pendingDownloadName();
    if (job.isEmpty())
        return false;
    questionBox->showNotice(QMyMessageBox::Warning,
                            tr("%1正在进行中，请您等待其结束后再新建或导入项目！").arg(job));
    return true;
}

void MainWindow::askQuitDuringDownload()
{
    const QString job = pendingDownloadName();
    // "是" waits for the download, "否" cancels it; either way the window closes after it.
    questionBox->ask(
        QMyMessageBox::Warning, QMyMessageBox::YesNoCancel,
        tr("%1正在进行中，是否等待其完成后再退出？\n"
           "“否”：立即取消%1并退出；“取消”：不退出。")
            .arg(job),
        [this] { quitWhenDownloadEnds(false); }, [this] { quitWhenDownloadEnds(true); },
        [this] { quitWhenIdle = false; });
}

// The window closes (asking the usual question) once the worker is idle; a cancelled batch
// is ended on the line first, so that the module is not left inside it.
void MainWindow::quitWhenDownloadEnds(bool cancel)
{
    quitWhenIdle = true;
    if (cancel)
        yModem->cancelJob();
    if (!downloadJobPending()) {
        quitWhenIdle = false;
        close();
    }
}

// A confirmed download may arrive while another runs; it is refused rather than abandoning
// the running one.
void MainWindow::startDownload(int job, const QString &directory, const QString &fileName)
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    yModem->startJob(
        YModemJob::fromDesign(designDocument, allCfg->pageFileSizes(), job, directory, fileName));
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
    portDlg->openDialog(designDocument.modelType());
}

void MainWindow::on_btnInstrDownLoad_clicked()
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建或加载项目，无法下载！"));
        return;
    }
    if (imagesChanged) {
        imagesChanged = false;
        questionBox->ask(
            QMyMessageBox::Warning, QMyMessageBox::YesNo,
            tr("图库资源有更改，是否继续下载当前项目到显示屏上？（建议您先下载图片资源）"),
            [this] { downloadProject(); });
        return;
    }
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                     tr("是否下载当前项目到显示屏上？"), [this] { downloadProject(); });
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
        // 0 of 0 ends a job that failed; the job's end shows how.
        if (total == 0)
            return;
        barOutcome = YModem::Done;
        bar->setFormat(QStringLiteral("%p%"));
        bar->setOrientation(Qt::Horizontal);
        bar->setRange(0, total);
        bar->setValue(done);
        bar->setVisible(done != total);
        if (done == total && kind == 1)
            imagesChanged = false;
    }
    progressWindow->setProgress(total, done);
}

void MainWindow::slotRecvYModemMes(int kind, QString text)
{
    // The link test's success comes with the module's values: one box shows both.
    if (kind == 6 && moduleLinkRead) {
        moduleLinkRead = false;
        bootDlg->offerModuleLink(moduleLink[0], moduleLink[1], moduleLink[2], text);
        return;
    }
    transferBox->showMes(kind, QMyMessageBox::OkOnly, QMyMessageBox::NoAnswer, text);
}

void MainWindow::slotRecvModuleLink(int enable, int address, int crc)
{
    moduleLinkRead = true;
    moduleLink[0] = enable;
    moduleLink[1] = address;
    moduleLink[2] = crc;
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
    yModem->startJob(YModemJob::fromDesign(designDocument, allCfg->pageFileSizes(),
                                           YModemJob::InstructionText, QString(), QString(), text));
    portDlg->setLinkTestRunning(true);
}

void MainWindow::slotDownloadJobEnded(int job, int outcome)
{
    if (job == YModemJob::InstructionText) {
        moduleLinkRead = false;
        portDlg->setLinkTestRunning(false);
    } else if (outcome != YModem::Done) {
        // The bar of the job, when it shows one, stays with the outcome until the next job.
        if (!form->progressBarDown->isHidden()) {
            barOutcome = outcome;
            showBarOutcome();
        }
        progressWindow->setStopped(outcome == YModem::Cancelled);
    }
    if (quitWhenIdle && !downloadJobPending()) {
        quitWhenIdle = false;
        close();
    }
}
