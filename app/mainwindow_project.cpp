#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "imagereferences.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "setscreensizedlg.h"
#include "sysdlg.h"
#include "ymodemportdlg.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QTreeWidget>

// What a loaded design needs of the window besides the design: the page it saved as
// shown, the timer buttons, the automatic save and the download link's series.
void MainWindow::showLoadedDesign()
{
    QMyFrame *frame = form->frame;
    frame->show();
    const int series = designDocument.modelType();
    if (series == 0 || series == 1)
        form->btnDownLoadEvent->show();
    expandRememberedPages();
    if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(designDocument.currentPage()))
        clickTreeItem(item);
    resetTimerButtons();
    form->groupTimer->show();
    if (autoSaveTimer->isActive())
        autoSaveTimer->stop();
    autoSaveTimer->start(MainWindow::AutoSaveInterval);
    // An open download link follows the series of the loaded project.
    portDlg->setSeries(series);
}

// The dialogs that show frame settings follow them.
void MainWindow::followSettings()
{
    screenSizeDlg->setModelType(designDocument.modelType());
    screenSizeDlg->setResolutionText(designDocument.resolution());
    // The system dialog keeps a requested value until the module confirms it: it takes
    // the design's values only when those changed.
    if (sysDlg->baudText() != designDocument.baud())
        sysDlg->setBaud(designDocument.baud());
    if (sysDlg->backlight() != designDocument.backlight())
        sysDlg->setBacklight(designDocument.backlight());
}

bool MainWindow::saveProXml()
{
    fileError.clear();
    if (designDocument.pageCount() == 0)
        return true;
    const QString path = designDocument.projectPath();
    if (!ProjectFile::isWritable(path, &fileError)) {
        qDebug() << "save failed:" << fileError;
        markUnsaved(true);
        return false;
    }
    if (!ProjectFile::save(path, designDocument, &fileError)) {
        qDebug() << "save failed:" << fileError;
        // The file on disk is the one before; the title says the design is not in it.
        markUnsaved(true);
        return false;
    }
    markUnsaved(false);

    // The mirror follows a save that reached the disk.
    refreshImageMirror();
    return true;
}

bool MainWindow::readProModelType()
{
    ProjectFile file;
    if (!file.read(designDocument.projectPath())) {
        fileError = file.errorString();
        qDebug() << "pre-read failed:" << fileError;
        return false;
    }
    int series = 0;
    if (file.modelType(&series))
        designDocument.setModelType(series);
    return true;
}

bool MainWindow::openProject(const QString &path)
{
    // Parsed and checked once, before anything changes, so that a file that cannot be read
    // leaves the open project as it was and is never saved over.
    ProjectFile file;
    if (!file.readProject(path)) {
        fileError = file.errorString();
        qDebug() << "load failed:" << fileError;
        return false;
    }

    // Unsaved image changes of the project being left are thrown away.
    if (designDocument.isProjectOpen() && designDocument.projectPath() != path)
        discardImageChanges();
    designDocument.setProjectPath(path);

    // The module files are written there later; the project opens all the same.
    if (!ProjectFolder::ensureSubfolder(path, QStringLiteral("allFile")))
        qWarning() << "cannot create" << ProjectFolder::subfolder(path, QStringLiteral("allFile"));
    int series = 0;
    if (file.modelType(&series))
        designDocument.setModelType(series);
    setTitlePath(path);
    markUnsaved(false);
    clearAllPages();
    reloadLibrary();
    file.load(designDocument, form->frame);
    showLoadedDesign();
    return true;
}

bool MainWindow::saveBaudToPro()
{
    return rewriteFrameElement(QStringLiteral("baud"), designDocument.baud());
}

bool MainWindow::saveBlValueToPro()
{
    return rewriteFrameElement(QStringLiteral("blValue"),
                               QString::number(designDocument.backlight()));
}

// The cause goes to fileError for the caller's message.
bool MainWindow::rewriteFrameElement(const QString &key, const QString &value)
{
    if (ProjectFile::rewriteFrameElements(designDocument.projectPath(), {{key, value}}, &fileError))
        return true;
    qDebug() << "rewrite failed:" << fileError;
    markUnsaved(true);
    return false;
}

// Pictures the design names but the library lacks (a project copied without its picture
// folder) keep their numbers; the user learns which and where they belong.
void MainWindow::reportProjectOpened()
{
    const QList<int> missing = ImageReferences::missing(designDocument);
    if (missing.isEmpty()) {
        resultBox->showNotice(QMyMessageBox::Information, tr("导入成功！"));
        return;
    }
    constexpr int Listed = 10;
    QStringList numbers;
    for (int i = 0; i < missing.size() && i < Listed; ++i)
        numbers << QString::number(missing.at(i));
    if (missing.size() > Listed)
        numbers << QStringLiteral("…");
    const QString folder = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                               QStringLiteral("tempImages"));
    const QString lack =
        tr("图库缺少项目用到的%1张图片（编号%2），编号保持不变；"
           "把图片放回%3后重新导入项目即可显示。")
            .arg(missing.size())
            .arg(numbers.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder));
    resultBox->showNotice(QMyMessageBox::Warning, tr("导入成功！") + QLatin1Char('\n') + lack);
}

QString MainWindow::withFileError(const QString &message) const
{
    return fileError.isEmpty() ? message : message + QLatin1Char('\n') + fileError;
}

bool MainWindow::isAutoSaveRunning() const
{
    return autoSaveTimer && autoSaveTimer->isActive();
}

void MainWindow::on_btnSavePro_clicked()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建项目，请您先创建项目！"));
        return;
    }
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo, tr("是否保存当前项目？"),
                     [this] { saveAndReport(); });
}

void MainWindow::saveAndReport()
{
    if (saveProXml())
        resultBox->showNotice(QMyMessageBox::Information, tr("保存成功！"));
    else
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("路径错误，保存失败！")));
}

void MainWindow::on_btnLoadPro_clicked()
{
    if (refuseProjectChangeWhileDownloading())
        return;
    const QString question = designDocument.isProjectOpen()
        ? tr("您是否需要继续导入项目覆盖当前项目？（建议您先保存当前项目再导入！）")
        : tr("是否导入项目？");
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo, question,
                     [this] { importProject(); });
}

void MainWindow::importProject()
{
    if (refuseProjectChangeWhileDownloading())
        return;
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("导入项目"), QString(), QString("*%1").arg(".yBEX"));
    if (!chosen.isNull())
        importProjectFile(chosen);
}

void MainWindow::importProjectFile(const QString &chosen)
{
    if (chosen == designDocument.projectPath() || refuseProjectChangeWhileDownloading())
        return;
    // A path that names no project file changes nothing either.
    if (!DesignDocument::isProjectPath(chosen)) {
        resultBox->showNotice(QMyMessageBox::Error, tr("加载项目路径错误，导入失败！"));
        return;
    }
    if (openProject(chosen))
        reportProjectOpened();
    else
        resultBox->showNotice(
            QMyMessageBox::Error,
            withFileError(tr("加载控件错误，可能该项目之前未做保存操作，导入失败！")));
}
