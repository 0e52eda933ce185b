// Boot settings and the module files: the boot-settings command and the generator run that
// a confirmed download question leads to.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "allcfg.h"
#include "bootdlg.h"
#include "designglobals.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "ymodemjob.h"

void MainWindow::on_btnSetSys_clicked()
{
    bootDlg->showDlg();
}

void MainWindow::downloadProject()
{
    // The question does not block: a download may have started since, and all.cfg must not
    // change under it.
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    const int code = allCfg->createAllCfg(designDocument);
    if (code != AllCfg::Success) {
        QString text = tr("%1:生成all.cfg失败！").arg(code);
        const QString detail = allCfg->failureDetail();
        if (!detail.isEmpty())
            text += QLatin1Char('\n') + detail;
        resultBox->showNotice(QMyMessageBox::Warning, text);
        return;
    }
    startDownload(YModemJob::Project,
                  AllCfg::outputFolder(designDocument.projectPath()) + QLatin1Char('/'),
                  QStringLiteral("all.cfg"));
}
