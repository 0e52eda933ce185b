#include "downloadcontroller.h"
#include "ui_mainwindow.h"

#include "allcfg.h"
#include "bootdlg.h"
#include "designdocument.h"
#include "logbox.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "showinfodlg.h"
#include "ymodem.h"
#include "ymodemjob.h"
#include "ymodemportdlg.h"

#include <QMainWindow>
#include <QRegularExpression>
#include <QTextBlock>

namespace {

constexpr int ImageTab = 0;

} // namespace

DownloadController::DownloadController(QMainWindow *window, Ui_MainWindow *form,
                                       DesignDocument &document, QMyMessageBox *questions,
                                       QMyMessageBox *results, QObject *parent)
    : QObject(parent)
    , form(form)
    , document(document)
    , questions(questions)
    , results(results)
    , allCfg(new AllCfg(this))
    , portDlg(std::make_unique<YModemPortDlg>())
    , showInfoDlg(std::make_unique<ShowInfoDlg>())
    , bootDlg(std::make_unique<BootDlg>(&document))
    , transferBox(std::make_unique<QMyMessageBox>())
    , yModem(std::make_unique<YModem>())
    // Owned by the window, so that it stays above it but below the message boxes.
    , progress(new QMyProgressBarMes(window))
{
    qRegisterMetaType<InstrParam>("InstrParam");
    form->textBrowserRecv->document()->setMaximumBlockCount(ReceiveBoxLines);
    connectLink();
    // The port stays as it is while a job uses it.
    portDlg->setJobCheck([this] { return pendingJobName(); });
    // The window keeps its size when the bar comes and goes.
    QSizePolicy policy = form->progressBarDown->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    form->progressBarDown->setSizePolicy(policy);
    form->progressBarDown->hide();
}

DownloadController::~DownloadController() = default;

void DownloadController::connectLink()
{
    YModem *link = yModem.get();
    YModemPortDlg *port = portDlg.get();
    connect(link, &YModem::s_sendProgValue, this, &DownloadController::slotProgressBarMes);
    connect(link, &YModem::s_sendMes, this, &DownloadController::slotRecvYModemMes);
    connect(link, &YModem::s_sendPortStatus, port, &YModemPortDlg::slotPortStatus);
    connect(link, &YModem::s_sendDebugMes, this, &DownloadController::slotRecvYModemDebugMes,
            Qt::QueuedConnection);
    connect(link, &YModem::s_sendInstrParam, this, &DownloadController::slotRecvYModemInstrParam,
            Qt::QueuedConnection);
    // Both only store the request for the worker's next turn, so they may run in this thread.
    connect(port, &YModemPortDlg::s_sendPortMes, link, &YModem::slotOpenClosePort,
            Qt::DirectConnection);
    connect(port, &YModemPortDlg::s_sendPortVanished, link, &YModem::slotPortVanished,
            Qt::DirectConnection);
    connect(port, &YModemPortDlg::s_sendInstr, this, &DownloadController::slotRecvYModemPortInstr,
            Qt::QueuedConnection);
    connect(link, &YModem::s_sendJobEnded, this, &DownloadController::slotDownloadJobEnded);
    connect(link, &YModem::s_send485, this, &DownloadController::slotRecvModuleLink);
    connect(form->btnSetSys, &QAbstractButton::clicked, this,
            &DownloadController::on_btnSetSys_clicked);
    connect(form->btnSetCOM, &QAbstractButton::clicked, this,
            &DownloadController::on_btnSetCOM_clicked);
    connect(form->btnInstrDownLoad, &QAbstractButton::clicked, this,
            &DownloadController::on_btnInstrDownLoad_clicked);
    connect(form->btnDownLoad, &QAbstractButton::clicked, this,
            &DownloadController::on_btnDownLoad_clicked);
}

void DownloadController::showBarOutcome()
{
    if (barOutcome != YModem::Done)
        form->progressBarDown->setFormat(
            QMyProgressBarMes::stoppedText(barOutcome == YModem::Cancelled));
}

bool DownloadController::isJobPending() const
{
    return yModem->isJobPending();
}

QString DownloadController::pendingJobName() const
{
    return isJobPending() ? YModem::jobName(yModem->pendingJob()) : QString();
}

void DownloadController::cancelJob()
{
    yModem->cancelJob();
}

void DownloadController::followSeries()
{
    portDlg->setSeries(document.modelType());
}

void DownloadController::retranslate()
{
    bootDlg->retranslate();
    progress->retranslate();
    showInfoDlg->retranslate();
    portDlg->retranslate();
}

// The files of the open project are still on their way: another project waits.
bool DownloadController::refuseProjectChangeWhileDownloading()
{
    const QString job = pendingJobName();
    if (job.isEmpty())
        return false;
    questions->showNotice(QMyMessageBox::Warning,
                          tr("%1正在进行中，请您等待其结束后再新建或导入项目！").arg(job));
    return true;
}

// The download worker reads the picture and font lists while a job runs, so nothing may
// change them meanwhile.
bool DownloadController::refuseWhileDownloading(const QString &message)
{
    if (!isJobPending())
        return false;
    questions->showNotice(QMyMessageBox::Warning, message);
    return true;
}

// A confirmed download may arrive while another runs; it is refused rather than abandoning
// the running one.
void DownloadController::startDownload(int job, const QString &directory, const QString &fileName)
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    yModem->startJob(
        YModemJob::fromDesign(document, allCfg->pageFileSizes(), job, directory, fileName));
}

void DownloadController::downloadImages()
{
    startDownload(YModemJob::Pictures, QString(), QString());
}

void DownloadController::downloadFonts()
{
    startDownload(YModemJob::Fonts, QString(), QString());
}

void DownloadController::downloadProject()
{
    // The question does not block: a download may have started since, and all.cfg must not
    // change under it.
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    const int code = allCfg->createAllCfg(document);
    if (code != AllCfg::Success) {
        QString text = tr("%1:生成all.cfg失败！").arg(code);
        const QString detail = allCfg->failureDetail();
        if (!detail.isEmpty())
            text += QLatin1Char('\n') + detail;
        results->showNotice(QMyMessageBox::Warning, text);
        return;
    }
    startDownload(YModemJob::Project,
                  AllCfg::outputFolder(document.projectPath()) + QLatin1Char('/'),
                  QStringLiteral("all.cfg"));
}

void DownloadController::on_btnSetSys_clicked()
{
    bootDlg->showDlg();
}

void DownloadController::on_btnSetCOM_clicked()
{
    portDlg->openDialog(document.modelType());
}

void DownloadController::on_btnInstrDownLoad_clicked()
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information, tr("未创建或加载项目，无法下载！"));
        return;
    }
    if (imagesChanged) {
        imagesChanged = false;
        questions->ask(
            QMyMessageBox::Warning, QMyMessageBox::YesNo,
            tr("图库资源有更改，是否继续下载当前项目到显示屏上？（建议您先下载图片资源）"),
            [this] { downloadProject(); });
        return;
    }
    questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                   tr("是否下载当前项目到显示屏上？"), [this] { downloadProject(); });
}

void DownloadController::on_btnDownLoad_clicked()
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (form->tabWidgetImageFont->currentIndex() == ImageTab) {
        if (document.pictures().isEmpty())
            questions->showNotice(QMyMessageBox::Information,
                                  tr("未添加图片无法下载，请您先添加图片！"));
        else
            questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                           tr("您是否需要下载图库？"), [this] { downloadImages(); });
    } else {
        if (document.fontIds().isEmpty())
            questions->showNotice(QMyMessageBox::Information,
                                  tr("未生成有字体文件，无法下载，请您先生成字体文件！"));
        else
            questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                           tr("您是否需要下载字库？"), [this] { downloadFonts(); });
    }
}

void DownloadController::slotProgressBarMes(int kind, int total, int done, int phase)
{
    switch (kind) {
    case 0:
        progress->setTitle(phase != 0 ? tr("项目解压") : tr("项目下载"));
        break;
    case 1:
        progress->setTitle(tr("图片下载"));
        break;
    case 2:
        progress->setTitle(tr("字库下载"));
        break;
    default:
        break;
    }
    if (kind >= 0 && kind <= 2) {
        // 0 of 0 ends a job that failed; the job's end shows how.
        if (total == 0)
            return;
        showBarProgress(total, done, kind == 1);
    }
    progress->setProgress(total, done);
}

void DownloadController::showBarProgress(int total, int done, bool pictures)
{
    QProgressBar *bar = form->progressBarDown;
    barOutcome = YModem::Done;
    bar->setFormat(QStringLiteral("%p%"));
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(0, total);
    bar->setValue(done);
    bar->setVisible(done != total);
    if (done == total && pictures)
        imagesChanged = false;
}

void DownloadController::slotRecvYModemMes(int kind, QString text)
{
    // The link test's success comes with the module's values: one box shows both.
    if (kind == 6 && moduleLinkRead) {
        moduleLinkRead = false;
        bootDlg->offerModuleLink(moduleLink[0], moduleLink[1], moduleLink[2], text);
        return;
    }
    transferBox->showMes(kind, QMyMessageBox::OkOnly, QMyMessageBox::NoAnswer, text);
}

void DownloadController::slotRecvModuleLink(int enable, int address, int crc)
{
    moduleLinkRead = true;
    moduleLink[0] = enable;
    moduleLink[1] = address;
    moduleLink[2] = crc;
}

void DownloadController::slotRecvYModemDebugMes(int, QString line)
{
    appendToReceiveBox(line);
}

void DownloadController::appendToReceiveBox(QString line)
{
    static const QRegularExpression lineEnds(QStringLiteral("[\r\n]"));
    LogBox::append(form->textBrowserRecv, line.remove(lineEnds), ReceiveBoxChars);
}

void DownloadController::slotRecvYModemInstrParam(InstrParam param)
{
    showInfoDlg->showInfo(param);
}

void DownloadController::slotRecvYModemPortInstr(QString text)
{
    if (yModem->isJobPending()) {
        questions->showNotice(QMyMessageBox::Warning, tr("下载中请稍后重试！"));
        return;
    }
    yModem->startJob(YModemJob::fromDesign(document, allCfg->pageFileSizes(),
                                           YModemJob::InstructionText, QString(), QString(), text));
    portDlg->setLinkTestRunning(true);
}

void DownloadController::slotDownloadJobEnded(int job, int outcome)
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
        progress->setStopped(outcome == YModem::Cancelled);
    }
    emit jobEnded();
}
