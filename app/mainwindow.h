#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QSize>
#include <QString>

#include <memory>

class DesignDocument;
class DownloadController;
class LanguageDlg;
class LibraryController;
class PagesController;
class ProjectController;
class PropertiesController;
class QMenu;
class QMyMessageBox;
class TerminalController;
class Ui_MainWindow;
class Version;

// The designer's one window: holds the form and the rooms that own the design and the
// dialogs, and connects them. Each room is a controller in app/; the window keeps the
// language, help and version commands and the order of quitting.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The title names programPath while no project is open; startProject, when it names a
    // project file, is opened as the window starts.
    explicit MainWindow(const QString &programPath = QString(),
                        const QString &startProject = QString(), QWidget *parent = nullptr);
    ~MainWindow() override;

    ProjectController *project() const { return projectRoom.get(); }
    PagesController *pages() const { return pagesRoom.get(); }
    PropertiesController *properties() const { return propertiesRoom.get(); }
    LibraryController *library() const { return libraryRoom.get(); }
    DownloadController *download() const { return downloadRoom.get(); }
    TerminalController *terminal() const { return terminalRoom.get(); }
    // The design the window shows and edits, as its project holds it.
    DesignDocument &document() const;

    QMyMessageBox *getQuestionBox() const { return questionBox.get(); }
    QMyMessageBox *getResultBox() const { return resultBox.get(); }
    LanguageDlg *getLanguageDlg() const { return languageDlg.get(); }
    QMenu *getHelpMenu() const { return helpMenu.get(); }

    // Every text again, in the language just chosen.
    void refreshLanguage();

    // Window geometry rule: 3/4 of the screen width, 10/12 of its height.
    static QSize initialWindowSize(const QSize &screen);

signals:
    // The window has closed for good: the program may end. main() quits on it; a window
    // inside a test program leaves the test's event loops running.
    void quitRequested();

public slots:
    void slotRefleshUI(QString file);
    void on_btnLanguage_clicked();
    void on_btnVersion_clicked();
    void on_btnHelp_clicked();
    void on_actionUseDocument_triggered();
    void on_actionDocument_triggered();
    void on_actionInstr_triggered();
    void on_actionProgram_triggered();
    void on_actionNotice_triggered();
    void on_actionFont_triggered();
    void on_actionOffline_triggered();
    void on_actionStudy_triggered();
    void on_actionSupport_triggered();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Construction steps, in the order the constructor runs them.
    void loadStyleSheet();
    void placeOnScreen();
    void createMessageBoxes();
    void createProject(const QString &programPath);
    void createPropertyPanel();
    void createPages();
    void createDownloadLink();
    void createLibrary();
    void createTerminal();
    void addToolbarShadows();
    void setUpHelpMenu();
    void createLanguageAndVersionDialogs();

    // Quitting (mainwindow_actions.cpp).
    void askSaveAndQuit();
    void quitAsAnswered(bool save);
    void askQuitDuringDownload();
    void quitWhenDownloadEnds(bool cancel);
    void quitWhenIdleLinkAllows();
    void saveAndQuit();
    void quitWithoutSaving();
    void closeAndQuit();

    // The form goes last: the rooms reach its widgets until they go.
    std::unique_ptr<Ui_MainWindow> form;
    // Every room asks its questions and tells its outcomes in these.
    std::unique_ptr<QMyMessageBox> questionBox;
    std::unique_ptr<QMyMessageBox> resultBox;
    // The project owns the design the other rooms follow, so it goes after them.
    std::unique_ptr<ProjectController> projectRoom;
    std::unique_ptr<PropertiesController> propertiesRoom;
    std::unique_ptr<PagesController> pagesRoom;
    std::unique_ptr<DownloadController> downloadRoom;
    std::unique_ptr<LibraryController> libraryRoom;
    std::unique_ptr<TerminalController> terminalRoom;
    std::unique_ptr<QMenu> helpMenu;
    std::unique_ptr<LanguageDlg> languageDlg;
    std::unique_ptr<Version> versionDlg;

    // Set once the user chose to quit, so the close that follows is not asked again.
    bool quitting = false;
    // The user chose to quit once the running download has ended.
    bool quitWhenIdle = false;
};

#endif // MAINWINDOW_H
