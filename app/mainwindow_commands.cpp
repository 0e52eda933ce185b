#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bootdlg.h"
#include "bootparam.h"
#include "designglobals.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "setscreensizedlg.h"
#include "timerparam.h"
#include "ymodemportdlg.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

void MainWindow::on_btnNewPro_clicked()
{
    if (!screenSizeDlg->execDlg())
        return;
    const QString chosen =
        QFileDialog::getSaveFileName(this, tr("新建项目"), QString(), QString("*%1").arg(".yBEX"));
    if (chosen.isNull())
        return;
    createProject(chosen);
}

bool MainWindow::createProject(const QString &chosen)
{
    const QFileInfo info(chosen);
    const QString folder = info.path() + "/" + info.baseName();
    if (QDir(folder).exists()) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("新建项目名称已存在，请您重新命名！"));
        return false;
    }

    bool ok = true;
    bool newFolder = false;
    if (chosen == currentProjectPath) {
        QFile::remove(chosen);
        QFile file(currentProjectPath);
        ok = file.open(QIODevice::ReadWrite);
        file.close();
    } else {
        // The open project stays until the new folder is complete; a folder that cannot
        // be completed is taken away again.
        if (!QDir().mkdir(folder))
            return false;
        if (!ProjectFolder::createSubfolders(folder)) {
            QDir(folder).removeRecursively();
            return false;
        }
        newFolder = true;
        restoreImagesFromMirror();
        currentProjectPath = folder + "/" + info.fileName();
        QFile file(currentProjectPath);
        ok = file.open(QIODevice::ReadWrite);
        file.close();
    }
    const bool done = ok && setUpNewDesign(newFolder);
    // Also after a failed set-up: the link follows the canvas's series.
    portDlg->setSeries(form->frame->getModelType());
    return done;
}

bool MainWindow::setUpNewDesign(bool newFolder)
{
    const QString resolution = screenSizeDlg->resolutionText();
    QSize size;
    if (!parseResolution(resolution, &size))
        return false;

    QMyFrame *frame = form->frame;
    frame->setScreenType(screenSizeDlg->screenType());
    frame->setModelType(screenSizeDlg->modelType());
    if (newFolder)
        setTitlePath(currentProjectPath);

    clearAllPages();
    reloadLibrary();
    addPage();

    if (frame->getModelType() == 0 || frame->getModelType() == 1)
        form->btnDownLoadEvent->show();

    switch (frame->getScreenType()) {
    case 1:
    case 3:
        frame->setFrameW(size.height());
        frame->setFrameH(size.width());
        break;
    case 0:
    case 2:
        frame->setFrameW(size.width());
        frame->setFrameH(size.height());
        break;
    default:
        break;
    }

    // A new project starts with its own boot settings and nine fresh timers, not with
    // those of the project before.
    bootParam->reset();
    bootDlg->setParam(bootParam);
    for (int i = 0; i < TimerCount; ++i) {
        timerParams[i]->reset();
        timerParams[i]->setTimerID(i);
    }

    frame->repaint();
    frame->show();
    emit frame->s_sendParent();
    saveProXml();
    autoSaveTimer->start(AutoSaveInterval);
    form->groupTimer->show();
    return true;
}

bool MainWindow::parseResolution(const QString &text, QSize *size)
{
    if (text.isEmpty())
        return false;
    const QStringList parts = text.split("*");
    if (parts.size() != 2)
        return false;
    *size = QSize(parts.at(0).toInt(), parts.at(1).section("(", 0, 0).toInt());
    return true;
}

void MainWindow::on_btnPageAdd_clicked()
{
    slotActionPageAdd();
}

void MainWindow::on_btnPageSub_clicked()
{
    if (pageWidgets.size() < 2) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("不可删除最后一页！"));
        return;
    }
    pageToDelete = currentPageIndex;
    pageWhenAsked = currentPageIndex;
    questionBox->showMes(QMyMessageBox::Information, QMyMessageBox::YesNo, ConfirmDeletePage,
                         tr("是否删除第%1页？").arg(currentPageIndex));
}

void MainWindow::slotDelAction()
{
    deleteSelectedWidget();
}

void MainWindow::slotRecvFramePressPos(QPoint pos)
{
    form->labFramePressPos->setText(QString("Pos(%1,%2)").arg(pos.x()).arg(pos.y()));
}

void MainWindow::slotTimerAutoSavePro()
{
    if (isProjectOpen())
        saveProXml();
}

bool MainWindow::timerEnabled(int i) const
{
    if (i == SleepTimer)
        return timerParams[i]->timerTime() != 0;
    return timerParams[i]->timerEnable() != 0;
}

void MainWindow::slotTimerClicked(bool)
{
    auto *button = qobject_cast<QPushButton *>(sender());
    const int clicked = timerButtons.indexOf(button);
    if (clicked < 0)
        return;
    for (int j = 0; j < timerButtons.size(); ++j) {
        if (j != clicked) {
            timerButtons.at(j)->setStyleSheet(
                timerButtonStyles[timerEnabled(j) ? TimerStyleEnabled : TimerStyleDisabled]);
            continue;
        }
        if (j == currentTimer)
            continue;
        currentTimer = j;
        timerParams[j]->setTimerID(j);
        timerButtons.at(j)->setStyleSheet(timerButtonStyles[TimerStyleSelected]);
        if (selectionKind == 1 && currentWidget && QMyFrame::hasCurrentPage()) {
            for (QMyWidget *w : qAsConst(*pageWidgets.at(currentPageIndex)))
                w->setSelected(false);
            form->frame->repaint();
        }
        showTimerProperty();
    }
}
