#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bootdlg.h"
#include "bootparam.h"
#include "designglobals.h"
#include "pageparam.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmypropertysheet.h"
#include "qmywidget.h"
#include "setscreensizedlg.h"
#include "timerparam.h"
#include "ymodemportdlg.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

void MainWindow::on_btnNewPro_clicked()
{
    if (refuseProjectChangeWhileDownloading())
        return;
    if (!screenSizeDlg->execDlg())
        return;
    const QString chosen =
        QFileDialog::getSaveFileName(this, tr("新建项目"), QString(), QString("*%1").arg(".yBEX"));
    if (chosen.isNull())
        return;
    createProject(chosen);
}

bool MainWindow::createProject(const QString &picked)
{
    if (refuseProjectChangeWhileDownloading())
        return false;
    const QString chosen = ProjectFolder::withProjectExtension(picked);
    const QFileInfo info(chosen);
    const QString folder = info.path() + "/" + info.baseName();
    // A name that cannot be made is refused before anything is made.
    const QString problem = chosen == designDocument.projectPath()
        ? QString()
        : ProjectFolder::newProjectProblem(chosen);
    if (!problem.isEmpty()) {
        resultBox->showNotice(QMyMessageBox::Warning,
                              tr("路径错误，保存失败！") + QLatin1Char('\n') + problem);
        return false;
    }
    if (QDir(folder).exists()) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("新建项目名称已存在，请您重新命名！"));
        return false;
    }

    // An unusable resolution stops before anything is made.
    QSize size;
    if (!parseResolution(screenSizeDlg->resolutionText(), &size)) {
        portDlg->setSeries(designDocument.modelType());
        return false;
    }
    fileError.clear();
    // The new project's folder and first file are made before the open design is
    // discarded, so that a path that cannot take them leaves the open project as it is.
    const bool replacing = chosen == designDocument.projectPath();
    const QString path = replacing ? chosen : folder + "/" + info.fileName();
    const bool made =
        replacing ? writeNewProjectFile(path, size) : makeNewProjectFolder(folder, path, size);
    if (!made) {
        qDebug() << "new project failed:" << fileError;
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("路径错误，保存失败！")));
        portDlg->setSeries(designDocument.modelType());
        return false;
    }
    if (!replacing) {
        discardImageChanges();
        designDocument.setProjectPath(path);
    }
    // Should this save fail all the same, the file written above holds the new design.
    const bool done = setUpNewDesign(!replacing);
    if (!done)
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("路径错误，保存失败！")));
    // Also after a failed set-up: the link follows the design's series.
    portDlg->setSeries(designDocument.modelType());
    return done;
}

// The new folder with its subfolders and first file; one that cannot be completed is taken
// away again.
bool MainWindow::makeNewProjectFolder(const QString &folder, const QString &path,
                                      const QSize &resolution)
{
    if (!QDir().mkdir(folder)) {
        fileError = folderError(QFileInfo(folder).path());
        return false;
    }
    // Made empty first, the file is then written over as every later save writes it.
    QFile file(path);
    if (!ProjectFolder::createSubfolders(folder)) {
        fileError = tr("%1：无法创建子文件夹").arg(folder);
    } else if (!file.open(QIODevice::ReadWrite)) {
        fileError = QStringLiteral("%1: %2").arg(path, file.errorString());
    } else {
        file.close();
        if (writeNewProjectFile(path, resolution))
            return true;
    }
    QDir(folder).removeRecursively();
    return false;
}

// The file of a new design (one empty page, fresh timers and boot settings, the link
// settings of the open design), written the way every save writes it.
bool MainWindow::writeNewProjectFile(const QString &path, const QSize &resolution)
{
    DesignDocument fresh;
    fresh.setScreenType(screenSizeDlg->screenType());
    fresh.setModelType(screenSizeDlg->modelType());
    fresh.setFrameSize(canvasSize(resolution, fresh.screenType(), designDocument.frameSize()));
    fresh.setResolution(screenSizeDlg->resolutionText());
    fresh.setBaud(designDocument.baud());
    fresh.setBacklight(designDocument.backlight());
    fresh.addPage();
    return ProjectFile::save(path, fresh, &fileError);
}

// The canvas of a resolution: turned a quarter for 90 and 270 degrees; other turns keep
// `otherwise`.
QSize MainWindow::canvasSize(const QSize &resolution, int screenType, const QSize &otherwise)
{
    switch (screenType) {
    case 1:
    case 3:
        return resolution.transposed();
    case 0:
    case 2:
        return resolution;
    default:
        return otherwise;
    }
}

// Why a project folder cannot be made inside parent.
QString MainWindow::folderError(const QString &parent)
{
    const QFileInfo info(parent);
    if (!info.exists())
        return tr("%1：文件夹不存在").arg(parent);
    if (!info.isDir())
        return tr("%1：不是文件夹").arg(parent);
    return tr("%1：无法在此创建文件夹").arg(parent);
}

bool MainWindow::setUpNewDesign(bool newFolder)
{
    // The choices are all taken before the design changes: the dialog follows the design.
    const QString resolution = screenSizeDlg->resolutionText();
    const int screenType = screenSizeDlg->screenType();
    const int series = screenSizeDlg->modelType();
    QSize size;
    if (!parseResolution(resolution, &size))
        return false;

    QMyFrame *frame = form->frame;
    designDocument.setScreenType(screenType);
    designDocument.setModelType(series);
    designDocument.setResolution(resolution);
    if (newFolder)
        setTitlePath(designDocument.projectPath());

    clearAllPages();
    reloadLibrary();
    addPage();

    if (series == 0 || series == 1)
        form->btnDownLoadEvent->show();

    designDocument.setFrameSize(canvasSize(size, screenType, designDocument.frameSize()));

    // A new project starts with its own boot settings and nine fresh timers, not with
    // those of the project before.
    designDocument.boot().reset();
    designDocument.resetTimers();

    frame->repaint();
    frame->show();
    frame->selectPage();
    const bool saved = saveProXml();
    autoSaveTimer->start(AutoSaveInterval);
    form->groupTimer->show();
    return saved;
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
    if (designDocument.pageCount() < 2) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("不可删除最后一页！"));
        return;
    }
    askDeletePage(designDocument.currentPage());
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
    // Unasked, but a save that did not happen is said, or the user would rely on it.
    if (designDocument.isProjectOpen() && !saveProXml())
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("自动保存失败！")));
}

bool MainWindow::timerEnabled(int i) const
{
    if (i == SleepTimer)
        return designDocument.timer(i)->timerTime() != 0;
    return designDocument.timer(i)->timerEnable() != 0;
}

void MainWindow::slotTimerClicked(int clicked)
{
    if (clicked < 0 || clicked >= timerButtons.size())
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
        designDocument.timer(j)->setTimerID(j);
        timerButtons.at(j)->setStyleSheet(timerButtonStyles[TimerStyleSelected]);
        if (selectionKind == SelectionKind::Widget && currentWidget
            && designDocument.hasCurrentPage()) {
            for (QMyWidget *w : designDocument.widgets(designDocument.currentPage()))
                w->setSelected(false);
            form->frame->repaint();
        }
        showTimerProperty();
    }
}
