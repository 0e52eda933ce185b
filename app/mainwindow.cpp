#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "downloadcontroller.h"
#include "languagedlg.h"
#include "librarycontroller.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmytextfit.h"
#include "terminalcontroller.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

MainWindow::MainWindow(const QString &programPath, const QString &startProject, QWidget *parent)
    : QMainWindow(parent)
    , form(std::make_unique<Ui_MainWindow>())
{
    // Later steps rely on the objects of earlier ones; the order is the one they need.
    form->setupUi(this);
    loadStyleSheet();
    QMyTextFit::fitButtons(this);
    placeOnScreen();
    form->designWnd->setStyleSheet(
        "QtVariantProperty { font-family: 'SimHei', 'Noto Sans CJK SC'; }");
    // The canvas stays hidden until a project is created or loaded.
    form->frame->hide();
    // From here on a step may ask a question.
    createMessageBoxes();
    createProject(programPath);
    createPropertyPanel();
    createDownloadLink();
    createLibrary();
    createTerminal();
    createPages();
    projectRoom->setRooms(
        {pagesRoom.get(), propertiesRoom.get(), libraryRoom.get(), downloadRoom.get()});
    addToolbarShadows();
    setUpHelpMenu();
    createLanguageAndVersionDialogs();
    qDebug() << "exe path:" << programPath << startProject;
    projectRoom->openStartUpProject(startProject);
}

MainWindow::~MainWindow()
{
    // No edit reaches the design while the rest goes.
    propertiesRoom.reset();
    // The views let go of the design before they go.
    projectRoom->document().clearPages();
}

DesignDocument &MainWindow::document() const
{
    return projectRoom->document();
}

// Without the sheet the application keeps Qt's default look.
void MainWindow::loadStyleSheet()
{
    QFile qss(":qss/yBEX.qss");
    if (qss.open(QIODevice::ReadOnly)) {
        qApp->setStyleSheet(QString::fromLatin1(qss.readAll()));
        qss.close();
    }
}

void MainWindow::placeOnScreen()
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    resize(initialWindowSize(primary->geometry().size()));
    QScreen *own = screen() ? screen() : primary;
    QRect frameRect = rect();
    frameRect.moveCenter(own->geometry().center());
    move(frameRect.topLeft());
}

void MainWindow::createMessageBoxes()
{
    resultBox = std::make_unique<QMyMessageBox>();
    questionBox = std::make_unique<QMyMessageBox>();
}

// The design document and its project file.
void MainWindow::createProject(const QString &programPath)
{
    projectRoom = std::make_unique<ProjectController>(this, form.get(), programPath,
                                                      questionBox.get(), resultBox.get());
}

// The sheet's image rows take the picture last clicked in the library.
void MainWindow::createPropertyPanel()
{
    propertiesRoom =
        std::make_unique<PropertiesController>(form.get(), document(), questionBox.get(), [this] {
            return libraryRoom ? libraryRoom->selectedImage() : -1;
        });
}

void MainWindow::createDownloadLink()
{
    downloadRoom = std::make_unique<DownloadController>(this, form.get(), document(),
                                                        questionBox.get(), resultBox.get());
    connect(downloadRoom.get(), &DownloadController::jobEnded, this,
            &MainWindow::quitWhenIdleLinkAllows);
}

void MainWindow::createLibrary()
{
    libraryRoom = std::make_unique<LibraryController>(this, form.get(), document(),
                                                      questionBox.get(), downloadRoom.get());
    connect(libraryRoom.get(), &LibraryController::fontsChanged, propertiesRoom.get(),
            &PropertiesController::refreshFontIdProperty);
}

void MainWindow::createTerminal()
{
    terminalRoom = std::make_unique<TerminalController>(this, form.get(), document(),
                                                        questionBox.get(), resultBox.get(),
                                                        projectRoom.get(), downloadRoom.get());
    connect(libraryRoom.get(), &LibraryController::imageLibrarySizeChanged, terminalRoom.get(),
            &TerminalController::setImageLibrarySizeKB);
}

// The page tree follows the design after the dialogs that show page numbers.
void MainWindow::createPages()
{
    pagesRoom = std::make_unique<PagesController>(this, form.get(), document(), questionBox.get(),
                                                  propertiesRoom.get());
}

// The effects belong to their buttons.
void MainWindow::addToolbarShadows()
{
    for (QToolButton *button :
         {form->btnNewPro, form->btnLoadPro, form->btnSavePro, form->btnSetCOM, form->btnSetSys,
          form->btnInstrDownLoad, form->btnHelp, form->btnLanguage, form->btnVersion,
          form->btnFontDlg, form->btnInstrTable}) {
        auto *shadow = new QGraphicsDropShadowEffect(this);
        shadow->setOffset(1, 2);
        shadow->setColor(QColor(43, 43, 43, 255));
        shadow->setBlurRadius(8);
        button->setGraphicsEffect(shadow);
    }
}

// The actions instr, program, notice and offline have their slots but no menu entry.
void MainWindow::setUpHelpMenu()
{
    helpMenu = std::make_unique<QMenu>();
    helpMenu->addAction(form->actionUseDocument);
    helpMenu->addAction(form->actionDocument);
    helpMenu->addAction(form->actionFont);
    helpMenu->addAction(form->actionStudy);
    helpMenu->addAction(form->actionSupport);
    form->btnHelp->setMenu(helpMenu.get());
}

void MainWindow::createLanguageAndVersionDialogs()
{
    languageDlg = std::make_unique<LanguageDlg>();
    connect(languageDlg.get(), &LanguageDlg::s_translator, this, &MainWindow::slotRefleshUI);
    versionDlg = std::make_unique<Version>();
}

QSize MainWindow::initialWindowSize(const QSize &screen)
{
    const double w = screen.width();
    const double h = screen.height();
    return QSize(int(w * 0.75), int(h * 10 / 12));
}

void MainWindow::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its release; one press deletes once. Keys typed into an editor
    // belong to the editor, not to the canvas.
    if (!event->isAutoRepeat() && !PagesController::textEditorHasFocus()
        && event->key() == Qt::Key_Delete)
        pagesRoom->deleteSelectedWidget();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the port under a transfer would leave the module inside it.
    if (!quitting && downloadRoom->isJobPending()) {
        askQuitDuringDownload();
        event->ignore();
        return;
    }
    if (document().isProjectOpen() && !quitting) {
        askSaveAndQuit();
        event->ignore();
        return;
    }
    event->accept();
    emit quitRequested();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (windowState() == Qt::WindowMinimized || windowState() == Qt::WindowMaximized)
        form->frame->repaint();
    QMainWindow::changeEvent(event);
}
