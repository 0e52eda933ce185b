// Boot settings and the module files: the boot-settings command, the download question and
// the generator run it leads to.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "allcfg.h"
#include "bootdlg.h"
#include "designglobals.h"
#include "qmyframe.h"
#include "qmymessagebox.h"

void MainWindow::on_btnSetSys_clicked()
{
    bootDlg->showDlg();
}

void MainWindow::on_btnInstrDownLoad_clicked()
{
    if (!isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建或加载项目，无法下载！"));
        return;
    }
    // The warning is given once per change of the library.
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

void MainWindow::downloadProject()
{
    const int code = allCfg->createAllCfg(form->frame, bootDlg->getBootParam(),
                                          form->frame->getScreenType(), timerParams);
    if (code != AllCfg::Success) {
        QString text = tr("%1:生成all.cfg失败！").arg(code);
        const QString detail = allCfg->failureDetail();
        if (!detail.isEmpty())
            text += QLatin1Char('\n') + detail;
        resultBox->showNotice(QMyMessageBox::Warning, text);
        return;
    }
}
