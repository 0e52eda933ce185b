#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bootdlg.h"
#include "bootparam.h"
#include "designglobals.h"
#include "imagereferences.h"
#include "pageparam.h"
#include "pagetreetext.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "projectloadtarget.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "setscreensizedlg.h"
#include "sysdlg.h"
#include "timerparam.h"
#include "ymodemportdlg.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QTreeWidget>

// Carries a project file's content into the window: its timers, dialogs, canvas, pages
// and page tree, the way the page commands would build them.
class MainWindowLoadTarget : public ProjectLoadTarget
{
public:
    explicit MainWindowLoadTarget(MainWindow *window)
        : w(window)
    { }

    TimerParam *timer(int index) override { return w->getTimerParam(index); }
    BootParam *bootParam() override { return w->bootParam; }
    void setModelTypeNow(int series) override { w->screenSizeDlg->setModelType(series); }
    void setResolutionText(const QString &text) override
    {
        w->screenSizeDlg->setResolutionText(text);
    }
    void setBaud(const QString &text) override
    {
        w->baudText = text;
        w->sysDlg->setBaud(text);
    }
    void setBacklight(int value) override
    {
        w->backlightValue = value;
        w->sysDlg->setBacklight(value);
    }
    void setCanvas(int screenType, int series, int width, int height) override
    {
        QMyFrame *frame = w->form->frame;
        frame->setScreenType(screenType);
        frame->setModelType(series);
        frame->setFrameW(width);
        frame->setFrameH(height);
        frame->show();
        if (frame->getModelType() == 0 || frame->getModelType() == 1)
            w->form->btnDownLoadEvent->show();
    }
    void bootParamLoaded() override { w->bootDlg->setParam(w->bootParam); }
    int addPage() override
    {
        w->addPage();
        return pageWidgets.size() - 1;
    }
    int pageCount() const override { return pageWidgets.size(); }
    PageParam *page(int index) override { return pageRecords.value(index); }
    void pageNamed(int index) override
    {
        if (QTreeWidgetItem *item = w->form->treeWidget->topLevelItem(index))
            item->setText(0, PageTreeText::pageItem(index, pageRecords.at(index)->pageName()));
    }
    int widgetCount(int page) const override { return pageWidgets.at(page)->size(); }
    QMyWidget *createWidget(WidgetType type, int id) override
    {
        return QMyWidgetFactory::create(type, id, w->form->frame);
    }
    void addWidget(int page, QMyWidget *widget, const QPoint &pos) override
    {
        w->form->frame->connectWidget(widget);
        pageWidgets.at(page)->append(widget);
        // A widget of a page other than the shown one (a hand-edited page number) stays
        // hidden like the rest of its page.
        widget->setVisible(page == currentPageIndex);
        widget->setPos(pos.x(), pos.y());
        w->addTreeWidgetItem(PageTreeAction::AddWidget, page, widget->getType(), widget->getId(),
                             widget->getTypeName());
    }
    void finish(int savedPage) override
    {
        w->expandRememberedPages();
        if (QTreeWidgetItem *item = w->form->treeWidget->topLevelItem(savedPage))
            w->clickTreeItem(item);
        else
            currentPageIndex = 0; // no page to show
        w->resetTimerButtons();
        w->form->groupTimer->show();
        if (w->autoSaveTimer->isActive())
            w->autoSaveTimer->stop();
        w->autoSaveTimer->start(MainWindow::AutoSaveInterval);
        // An open download link follows the series of the loaded project.
        w->portDlg->setSeries(w->form->frame->getModelType());
    }

private:
    MainWindow *w;
};

bool MainWindow::saveProXml()
{
    fileError.clear();
    if (pageWidgets.isEmpty())
        return true;
    if (!ProjectFile::isWritable(currentProjectPath, &fileError)) {
        qDebug() << "save failed:" << fileError;
        markUnsaved(true);
        return false;
    }

    ProjectFile::Frame frame;
    frame.frameW = form->frame->getFrameW();
    frame.frameH = form->frame->getFrameH();
    frame.screenType = form->frame->getScreenType();
    frame.modelType = form->frame->getModelType();
    frame.dpi = screenSizeDlg->resolutionText();
    frame.baud = baudText;
    frame.blValue = backlightValue;
    frame.currentPageNum = currentPageIndex;
    // The dialog's record is the live one; the window's own only stages a load.
    const BootParam boot = *bootDlg->getBootParam();
    const QList<TimerParam *> timers(std::begin(timerParams), std::end(timerParams));
    if (!ProjectFile::save(currentProjectPath, frame, boot, timers, pageRecords, pageWidgets,
                           &fileError)) {
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
    if (!file.read(currentProjectPath)) {
        fileError = file.errorString();
        qDebug() << "pre-read failed:" << fileError;
        return false;
    }
    int series = 0;
    if (file.modelType(&series)) {
        screenSizeDlg->setModelType(series);
        form->frame->setModelType(series);
    }
    return true;
}

bool MainWindow::loadProXml()
{
    ProjectFile file;
    if (!file.readProject(currentProjectPath)) {
        fileError = file.errorString();
        qDebug() << "load failed:" << fileError;
        return false;
    }
    MainWindowLoadTarget target(this);
    file.load(target);
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
    if (isProjectOpen() && currentProjectPath != path)
        discardImageChanges();
    currentProjectPath = path;

    // The module files are written there later; the project opens all the same.
    if (!ProjectFolder::ensureSubfolder(path, QStringLiteral("allFile")))
        qWarning() << "cannot create" << ProjectFolder::subfolder(path, QStringLiteral("allFile"));
    int series = 0;
    if (file.modelType(&series)) {
        screenSizeDlg->setModelType(series);
        form->frame->setModelType(series);
    }
    setTitlePath(currentProjectPath);
    markUnsaved(false);
    clearAllPages();
    reloadLibrary();
    MainWindowLoadTarget target(this);
    file.load(target);
    return true;
}

bool MainWindow::saveBaudToPro()
{
    return rewriteFrameElement(QStringLiteral("baud"), baudText);
}

bool MainWindow::saveBlValueToPro()
{
    return rewriteFrameElement(QStringLiteral("blValue"), QString::number(backlightValue));
}

// The cause goes to fileError for the caller's message.
bool MainWindow::rewriteFrameElement(const QString &key, const QString &value)
{
    if (ProjectFile::rewriteFrameElements(currentProjectPath, {{key, value}}, &fileError))
        return true;
    qDebug() << "rewrite failed:" << fileError;
    markUnsaved(true);
    return false;
}

// Pictures the design names but the library lacks (a project copied without its picture
// folder) keep their numbers; the user learns which and where they belong.
void MainWindow::reportProjectOpened()
{
    const QList<int> missing = ImageReferences::missing(imagePaths.size());
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
    const QString folder = ProjectFolder::openProjectSubfolder(QStringLiteral("tempImages"));
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
    if (!isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建项目，请您先创建项目！"));
        return;
    }
    questionBox->showMes(QMyMessageBox::Information, QMyMessageBox::YesNo, ConfirmSave,
                         tr("是否保存当前项目？"));
}

void MainWindow::on_btnLoadPro_clicked()
{
    if (refuseProjectChangeWhileDownloading())
        return;
    if (!isProjectOpen())
        questionBox->showMes(QMyMessageBox::Information, QMyMessageBox::YesNo, ConfirmImport,
                             tr("是否导入项目？"));
    else
        questionBox->showMes(
            QMyMessageBox::Information, QMyMessageBox::YesNo, ConfirmImport,
            tr("您是否需要继续导入项目覆盖当前项目？（建议您先保存当前项目再导入！）"));
}

void MainWindow::importProject()
{
    if (refuseProjectChangeWhileDownloading())
        return;
    questionBox->hide();
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("导入项目"), QString(), QString("*%1").arg(".yBEX"));
    if (!chosen.isNull())
        importProjectFile(chosen);
}

void MainWindow::importProjectFile(const QString &chosen)
{
    if (chosen == currentProjectPath || refuseProjectChangeWhileDownloading())
        return;
    // A path that names no project file changes nothing either.
    if (!isProjectPath(chosen)) {
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
