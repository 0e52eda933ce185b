#ifndef PROJECTCONTROLLER_H
#define PROJECTCONTROLLER_H

#include "designdocument.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

class DownloadController;
class LibraryController;
class PagesController;
class PropertiesController;
class QMainWindow;
class QMyMessageBox;
class QTimer;
class SetScreenSizeDlg;
class Ui_MainWindow;

// The open project: owns the design document, creates, opens, imports and saves the
// project file, saves it every twenty minutes and shows its path in the window's title.
// Opening or creating a project sets the other rooms up for it.
class ProjectController : public QObject
{
    Q_OBJECT

public:
    // Twenty minutes between automatic saves of an open project.
    static constexpr int AutoSaveInterval = 20 * 60 * 1000;

    // The rooms a new or opened project sets up.
    struct Rooms
    {
        PagesController *pages = nullptr;
        PropertiesController *properties = nullptr;
        LibraryController *library = nullptr;
        DownloadController *download = nullptr;
    };

    // The title names programPath while no project is open.
    ProjectController(QMainWindow *window, Ui_MainWindow *form, const QString &programPath,
                      QMyMessageBox *questions, QMyMessageBox *results, QObject *parent = nullptr);
    ~ProjectController() override;

    // The rooms exist after the document they follow; they are known from here on.
    void setRooms(const Rooms &rooms);

    // The design the window shows and edits.
    DesignDocument &document() { return design; }

    bool saveProXml();
    bool readProModelType();
    bool saveBaudToPro();
    bool saveBlValueToPro();
    // Opens the project file at path the way start-up and import do. A file that cannot
    // be read leaves the open project as it was and returns false.
    bool openProject(const QString &path);
    // The project named on the command line, with its messages.
    void openStartUpProject(const QString &path);
    // The import of a chosen file, with its messages.
    void importProjectFile(const QString &chosen);
    // New project from a chosen file name, after the screen-size dialog was accepted; false
    // when its folder, its file or its design could not be set up.
    bool createProject(const QString &chosen);
    // "800*480(WVGA1)" gives 800 x 480; false for an unusable text.
    static bool parseResolution(const QString &text, QSize *size);

    // A message followed by the cause of the last failed project-file operation.
    QString withFileError(const QString &message) const;
    // The message of a failed save or rewrite of the project file with its cause: a path
    // error is said to be one.
    QString saveFailureText() const;
    QString getFileError() const { return fileError; }
    bool isAutoSaveRunning() const;
    // The design in the window is not what the project file holds: the last save failed.
    bool isMarkedUnsaved() const { return unsavedMark; }
    void markUnsaved(bool unsaved);
    // The title in the language of the moment.
    void showTitle();
    void retranslate();
    SetScreenSizeDlg *getScreenSizeDlg() const { return screenSizeDlg.get(); }

public slots:
    void on_btnNewPro_clicked();
    void on_btnLoadPro_clicked();
    void on_btnSavePro_clicked();
    void slotTimerAutoSavePro();

private:
    void setTitlePath(const QString &path);
    // The dialogs that show frame settings follow them.
    void followSettings();
    // After a load: what the file's design needs of the window besides the design.
    void showLoadedDesign();
    void importProject();
    void saveAndReport();
    void reportProjectOpened();
    bool rewriteFrameElement(const QString &key, const QString &value);
    // False when the resolution is unusable or the first save failed.
    bool setUpNewDesign(bool newFolder);
    static QString folderError(const QString &parent);
    bool makeNewProjectFolder(const QString &folder, const QString &path, const QSize &resolution);
    bool writeNewProjectFile(const QString &path, const QSize &resolution);
    static QSize canvasSize(const QSize &resolution, int screenType, const QSize &otherwise);

    // Goes after everything below it, so that the document deletes its widgets while the
    // canvas they are children of still exists.
    DesignDocument design;
    QMainWindow *window;
    Ui_MainWindow *form;
    // What the title shows while no project is open.
    QString programPath;
    QMyMessageBox *questions;
    QMyMessageBox *results;
    Rooms rooms;
    std::unique_ptr<SetScreenSizeDlg> screenSizeDlg;
    // Made stopped: creating or loading a project starts it.
    QTimer *autoSaveTimer = nullptr;
    // Why the last load, save or rewrite of the project file failed, and whether for its
    // path.
    QString fileError;
    bool pathError = false;
    // The path the title shows, and whether it is marked as not saved.
    QString titlePath;
    bool unsavedMark = false;
};

#endif // PROJECTCONTROLLER_H
