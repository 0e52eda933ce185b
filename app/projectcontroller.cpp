#include "projectcontroller.h"
#include "ui_mainwindow.h"

#include "bootparam.h"
#include "checkedsavefile.h"
#include "downloadcontroller.h"
#include "imagereferences.h"
#include "librarycontroller.h"
#include "pagescontroller.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "setscreensizedlg.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QTimer>

ProjectController::ProjectController(QMainWindow *window, Ui_MainWindow *form,
                                     const QString &programPath, QMyMessageBox *questions,
                                     QMyMessageBox *results, QObject *parent)
    : QObject(parent)
    , window(window)
    , form(form)
    , programPath(programPath)
    , questions(questions)
    , results(results)
    , screenSizeDlg(std::make_unique<SetScreenSizeDlg>())
    , autoSaveTimer(new QTimer(this))
{
    form->frame->setDocument(&design);
    connect(autoSaveTimer, &QTimer::timeout, this, &ProjectController::slotTimerAutoSavePro);
    connect(&design, &DesignDocument::settingsChanged, this, &ProjectController::followSettings);
    connect(form->btnNewPro, &QAbstractButton::clicked, this,
            &ProjectController::on_btnNewPro_clicked);
    connect(form->btnLoadPro, &QAbstractButton::clicked, this,
            &ProjectController::on_btnLoadPro_clicked);
    connect(form->btnSavePro, &QAbstractButton::clicked, this,
            &ProjectController::on_btnSavePro_clicked);
}

ProjectController::~ProjectController() = default;

void ProjectController::setRooms(const Rooms &known)
{
    rooms = known;
}

void ProjectController::retranslate()
{
    screenSizeDlg->retranslate();
}

// The project named on the command line. One that cannot be read is not kept as the open
// project, so that nothing is ever saved over it.
void ProjectController::openStartUpProject(const QString &path)
{
    if (DesignDocument::isProjectPath(path)) {
        if (openProject(path)) {
            reportProjectOpened();
        } else {
            results->showNotice(
                QMyMessageBox::Error,
                withFileError(tr("加载控件错误，可能该项目之前未做保存操作，导入失败！")));
        }
    }
    if (!design.isProjectOpen()) {
        form->groupTimer->hide();
        setTitlePath(programPath);
    }
}

void ProjectController::showTitle()
{
    setTitlePath(design.isProjectOpen() ? design.projectPath() : programPath);
}

void ProjectController::setTitlePath(const QString &path)
{
    titlePath = path;
    window->setWindowTitle(tr("路径：") + titlePath
                           + (unsavedMark ? QStringLiteral(" *") : QString()));
}

void ProjectController::markUnsaved(bool unsaved)
{
    unsavedMark = unsaved;
    setTitlePath(titlePath);
}

void ProjectController::on_btnNewPro_clicked()
{
    if (rooms.download->refuseProjectChangeWhileDownloading())
        return;
    if (!screenSizeDlg->execDlg())
        return;
    const QString chosen = QFileDialog::getSaveFileName(window, tr("新建项目"), QString(),
                                                        QString("*%1").arg(".yBEX"));
    if (chosen.isNull())
        return;
    createProject(chosen);
}

bool ProjectController::createProject(const QString &picked)
{
    if (rooms.download->refuseProjectChangeWhileDownloading())
        return false;
    const QString chosen = ProjectFolder::withProjectExtension(picked);
    const QFileInfo info(chosen);
    const QString folder = info.path() + "/" + info.baseName();
    // A name that cannot be made is refused before anything is made.
    const QString problem =
        chosen == design.projectPath() ? QString() : ProjectFolder::newProjectProblem(chosen);
    if (!problem.isEmpty()) {
        fileError = problem;
        pathError = true;
        results->showNotice(QMyMessageBox::Warning, saveFailureText());
        return false;
    }
    if (QDir(folder).exists()) {
        questions->showNotice(QMyMessageBox::Warning, tr("新建项目名称已存在，请您重新命名！"));
        return false;
    }

    // An unusable resolution stops before anything is made.
    QSize size;
    if (!parseResolution(screenSizeDlg->resolutionText(), &size)) {
        rooms.download->followSeries();
        return false;
    }
    fileError.clear();
    pathError = false;
    // The new project's folder and first file are made before the open design is
    // discarded, so that a path that cannot take them leaves the open project as it is.
    const bool replacing = chosen == design.projectPath();
    const QString path = replacing ? chosen : folder + "/" + info.fileName();
    const bool made =
        replacing ? writeNewProjectFile(path, size) : makeNewProjectFolder(folder, path, size);
    if (!made) {
        qDebug() << "new project failed:" << fileError;
        // A new folder that could not be completed is gone again: its parent tells.
        pathError = ProjectFile::isPathError(replacing ? path : folder);
        results->showNotice(QMyMessageBox::Warning, saveFailureText());
        rooms.download->followSeries();
        return false;
    }
    if (!replacing) {
        rooms.library->discardImageChanges();
        design.setProjectPath(path);
    }
    // Should this save fail all the same, the file written above holds the new design.
    const bool done = setUpNewDesign(!replacing);
    if (!done)
        results->showNotice(QMyMessageBox::Warning, saveFailureText());
    // Also after a failed set-up: the link follows the design's series.
    rooms.download->followSeries();
    return done;
}

// The new folder with its subfolders and first file; one that cannot be completed is taken
// away again.
bool ProjectController::makeNewProjectFolder(const QString &folder, const QString &path,
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
        fileError = CheckedSaveFile::failureLine(path, file.errorString());
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
bool ProjectController::writeNewProjectFile(const QString &path, const QSize &resolution)
{
    DesignDocument fresh;
    fresh.setScreenType(screenSizeDlg->screenType());
    fresh.setModelType(screenSizeDlg->modelType());
    fresh.setFrameSize(canvasSize(resolution, fresh.screenType(), design.frameSize()));
    fresh.setResolution(screenSizeDlg->resolutionText());
    fresh.setBaud(design.baud());
    fresh.setBacklight(design.backlight());
    fresh.addPage();
    return ProjectFile::save(path, fresh, &fileError);
}

// The canvas of a resolution: turned a quarter for 90 and 270 degrees; other turns keep
// `otherwise`.
QSize ProjectController::canvasSize(const QSize &resolution, int screenType, const QSize &otherwise)
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
QString ProjectController::folderError(const QString &parent)
{
    const QFileInfo info(parent);
    if (!info.exists())
        return tr("%1：文件夹不存在").arg(parent);
    if (!info.isDir())
        return tr("%1：不是文件夹").arg(parent);
    return tr("%1：无法在此创建文件夹").arg(parent);
}

bool ProjectController::setUpNewDesign(bool newFolder)
{
    // The choices are all taken before the design changes: the dialog follows the design.
    const QString resolution = screenSizeDlg->resolutionText();
    const int screenType = screenSizeDlg->screenType();
    const int series = screenSizeDlg->modelType();
    QSize size;
    if (!parseResolution(resolution, &size))
        return false;

    QMyFrame *frame = form->frame;
    design.setScreenType(screenType);
    design.setModelType(series);
    design.setResolution(resolution);
    if (newFolder)
        setTitlePath(design.projectPath());

    design.clearPages();
    rooms.library->reloadLibrary();
    rooms.pages->addPage();

    if (series == 0 || series == 1)
        form->btnDownLoadEvent->show();

    design.setFrameSize(canvasSize(size, screenType, design.frameSize()));

    // A new project starts with its own boot settings and nine fresh timers, not with
    // those of the project before.
    design.boot().reset();
    design.resetTimers();

    frame->repaint();
    frame->show();
    frame->selectPage();
    const bool saved = saveProXml();
    autoSaveTimer->start(AutoSaveInterval);
    form->groupTimer->show();
    return saved;
}

bool ProjectController::parseResolution(const QString &text, QSize *size)
{
    if (text.isEmpty())
        return false;
    const QStringList parts = text.split("*");
    if (parts.size() != 2)
        return false;
    *size = QSize(parts.at(0).toInt(), parts.at(1).section("(", 0, 0).toInt());
    return true;
}

void ProjectController::slotTimerAutoSavePro()
{
    // Unasked, but a save that did not happen is said, or the user would rely on it.
    if (design.isProjectOpen() && !saveProXml())
        results->showNotice(QMyMessageBox::Warning, withFileError(tr("自动保存失败！")));
}

// What a loaded design needs of the window besides the design: the page it saved as
// shown, the timer buttons, the automatic save and the download link's series.
void ProjectController::showLoadedDesign()
{
    QMyFrame *frame = form->frame;
    frame->show();
    const int series = design.modelType();
    if (series == 0 || series == 1)
        form->btnDownLoadEvent->show();
    rooms.pages->expandRememberedPages();
    rooms.pages->slotClickTopTreeWidget();
    rooms.properties->resetTimerButtons();
    form->groupTimer->show();
    if (autoSaveTimer->isActive())
        autoSaveTimer->stop();
    autoSaveTimer->start(ProjectController::AutoSaveInterval);
    // An open download link follows the series of the loaded project.
    rooms.download->followSeries();
}

// The dialogs that show frame settings follow them.
void ProjectController::followSettings()
{
    screenSizeDlg->setModelType(design.modelType());
    screenSizeDlg->setResolutionText(design.resolution());
}

bool ProjectController::saveProXml()
{
    fileError.clear();
    pathError = false;
    if (design.pageCount() == 0)
        return true;
    const QString path = design.projectPath();
    if (!ProjectFile::isWritable(path, &fileError)) {
        qDebug() << "save failed:" << fileError;
        pathError = ProjectFile::isPathError(path);
        markUnsaved(true);
        return false;
    }
    if (!ProjectFile::save(path, design, &fileError)) {
        qDebug() << "save failed:" << fileError;
        pathError = ProjectFile::isPathError(path);
        // The file on disk is the one before; the title says the design is not in it.
        markUnsaved(true);
        return false;
    }
    markUnsaved(false);

    // The mirror follows a save that reached the disk.
    rooms.library->refreshImageMirror();
    return true;
}

bool ProjectController::readProModelType()
{
    ProjectFile file;
    if (!file.read(design.projectPath())) {
        fileError = file.errorString();
        qDebug() << "pre-read failed:" << fileError;
        return false;
    }
    int series = 0;
    if (file.modelType(&series))
        design.setModelType(series);
    return true;
}

bool ProjectController::openProject(const QString &path)
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
    if (design.isProjectOpen() && design.projectPath() != path)
        rooms.library->discardImageChanges();
    design.setProjectPath(path);

    // The module files are written there later; the project opens all the same.
    if (!ProjectFolder::ensureSubfolder(path, QStringLiteral("allFile")))
        qWarning() << "cannot create" << ProjectFolder::subfolder(path, QStringLiteral("allFile"));
    int series = 0;
    if (file.modelType(&series))
        design.setModelType(series);
    setTitlePath(path);
    markUnsaved(false);
    design.clearPages();
    rooms.library->reloadLibrary();
    // Polished before it gets the design's widgets, so that its polish does not take
    // them all along: each is polished when its page shows.
    form->frame->ensurePolished();
    file.load(design, form->frame);
    showLoadedDesign();
    return true;
}

bool ProjectController::saveBaudToPro()
{
    return rewriteFrameElement(QStringLiteral("baud"), design.baud());
}

bool ProjectController::saveBlValueToPro()
{
    return rewriteFrameElement(QStringLiteral("blValue"), QString::number(design.backlight()));
}

// The cause goes to fileError for the caller's message.
bool ProjectController::rewriteFrameElement(const QString &key, const QString &value)
{
    pathError = false;
    if (ProjectFile::rewriteFrameElements(design.projectPath(), {{key, value}}, &fileError))
        return true;
    qDebug() << "rewrite failed:" << fileError;
    pathError = ProjectFile::isPathError(design.projectPath(), true);
    markUnsaved(true);
    return false;
}

// Pictures the design names but the library lacks (a project copied without its picture
// folder) keep their numbers; the user learns which and where they belong.
void ProjectController::reportProjectOpened()
{
    const QList<int> missing = ImageReferences::missing(design);
    if (missing.isEmpty()) {
        results->showNotice(QMyMessageBox::Information, tr("导入成功！"));
        return;
    }
    constexpr int Listed = 10;
    QStringList numbers;
    for (int i = 0; i < missing.size() && i < Listed; ++i)
        numbers << QString::number(missing.at(i));
    if (missing.size() > Listed)
        numbers << QStringLiteral("…");
    const QString folder =
        ProjectFolder::openProjectSubfolder(design.projectPath(), QStringLiteral("tempImages"));
    const QString lack =
        tr("图库缺少项目用到的%1张图片（编号%2），编号保持不变；"
           "把图片放回%3后重新导入项目即可显示。")
            .arg(missing.size())
            .arg(numbers.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder));
    results->showNotice(QMyMessageBox::Warning, tr("导入成功！") + QLatin1Char('\n') + lack);
}

QString ProjectController::withFileError(const QString &message) const
{
    return fileError.isEmpty() ? message : message + QLatin1Char('\n') + fileError;
}

QString ProjectController::saveFailureText() const
{
    return withFileError(pathError ? tr("路径错误，保存失败！") : tr("保存失败！"));
}

bool ProjectController::isAutoSaveRunning() const
{
    return autoSaveTimer && autoSaveTimer->isActive();
}

void ProjectController::on_btnSavePro_clicked()
{
    if (!design.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information, tr("未创建项目，请您先创建项目！"));
        return;
    }
    questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo, tr("是否保存当前项目？"),
                   [this] { saveAndReport(); });
}

void ProjectController::saveAndReport()
{
    if (saveProXml())
        results->showNotice(QMyMessageBox::Information, tr("保存成功！"));
    else
        results->showNotice(QMyMessageBox::Warning, saveFailureText());
}

void ProjectController::on_btnLoadPro_clicked()
{
    if (rooms.download->refuseProjectChangeWhileDownloading())
        return;
    const QString question = design.isProjectOpen()
        ? tr("您是否需要继续导入项目覆盖当前项目？（建议您先保存当前项目再导入！）")
        : tr("是否导入项目？");
    questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo, question,
                   [this] { importProject(); });
}

void ProjectController::importProject()
{
    if (rooms.download->refuseProjectChangeWhileDownloading())
        return;
    const QString chosen = QFileDialog::getOpenFileName(window, tr("导入项目"), QString(),
                                                        QString("*%1").arg(".yBEX"));
    if (!chosen.isNull())
        importProjectFile(chosen);
}

void ProjectController::importProjectFile(const QString &chosen)
{
    if (chosen == design.projectPath() || rooms.download->refuseProjectChangeWhileDownloading())
        return;
    // A path that names no project file changes nothing either.
    if (!DesignDocument::isProjectPath(chosen)) {
        results->showNotice(QMyMessageBox::Error, tr("加载项目路径错误，导入失败！"));
        return;
    }
    if (openProject(chosen))
        reportProjectOpened();
    else
        results->showNotice(
            QMyMessageBox::Error,
            withFileError(tr("加载控件错误，可能该项目之前未做保存操作，导入失败！")));
}
