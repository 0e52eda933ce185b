#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "pagetreeaction.h"
#include "qmysheetapplier.h"
#include "selectionkind.h"
#include "widgettype.h"

#include <QAction>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include "designdocument.h"
#include "instrparam.h"

#include <functional>

class QGraphicsDropShadowEffect;
class FontConverter;
class QModelIndex;
class QTableView;
class QPushButton;
class QTimer;
class QTreeWidgetItem;
class QtProperty;
class QVariant;
class QtVariantPropertyManager;
class QtVariantEditorFactory;
class QtUserTypeOne_ImageManager;
class QtUserTypeOne_ImageFactory;
class QtUserTypeTwo_ColorManager;
class QtUserTypeTwo_ColorFactory;
class QtEnumPropertyManager;
class QtEnumEditorFactory;
struct QtUserTypeServices;
class QMyStandardItemModel;
class ItemDelegate;
class QMyWidget;
class SetScreenSizeDlg;
class SerialPortDlg;
class YModemPortDlg;
class QMyNativeEventFilter;
class QMyMessageBox;
class QMyImageItemModel;
class QMyItemModel;
class BootParam;
class BootDlg;
class SysDlg;
class LanguageDlg;
class Version;
class PageParam;
class AllCfg;
class YModem;
class QMyProgressBarMes;
class ShowInfoDlg;
class FontDlg;
class QMyEventDlg;
class DelEventDlg;
class DownLoadEventDlg;
class PageRenameDlg;
class TimerParam;
class InstrTableDlg;
class QMyPropertySheet;
class EventHolder;

class Ui_MainWindow;

// The designer's one window: owns the design document and every long-lived object, and
// connects them. Its methods live in app/mainwindow_<concern>.cpp; the rules they apply
// live in the subsystems' folders.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum PageAction { ActionAdd, ActionDelete, ActionRename, ActionCopy, ActionPaste };

    // Index of a timer-button style sheet in timerButtonStyles.
    enum TimerStyle { TimerStyleEnabled, TimerStyleSelected, TimerStyleDisabled };
    static constexpr int TimerCount = DesignDocument::TimerCount;
    static constexpr int SleepTimer = DesignDocument::SleepTimer;
    // Twenty minutes between automatic saves of an open project.
    static constexpr int AutoSaveInterval = 20 * 60 * 1000;

    // The title names programPath while no project is open; startProject, when it names a
    // project file, is opened as the window starts.
    explicit MainWindow(const QString &programPath = QString(),
                        const QString &startProject = QString(), QWidget *parent = nullptr);
    ~MainWindow() override;

    // The design the window shows and edits.
    DesignDocument &document() { return designDocument; }

    // Page list and page tree
    bool addPage();
    void addTreeWidgetItem(PageTreeAction action, int page, WidgetType type, int id,
                           const QString &typeName);
    void clearAllPages();
    void clearPageTree();
    void expandRememberedPages();
    void askDeletePage(int page);
    void deletePage(int page, int shownWhenAsked);
    void deleteSelectedWidget();
    void refreshPageTree();

    // Project file
    bool saveProXml();
    bool readProModelType();
    bool saveBaudToPro();
    bool saveBlValueToPro();
    // Opens the project file at path the way start-up and import do. A file that cannot
    // be read leaves the open project as it was and returns false.
    bool openProject(const QString &path);
    // The import of a chosen file, with its messages.
    void importProjectFile(const QString &chosen);

    // Image and font library (mainwindow_library.cpp)
    bool copyDirFiles(const QString &source, const QString &destination,
                      QStringList *failures = nullptr);
    bool removeDirRecursively(const QString &folder);
    void initImageTable();
    void initFontTable();
    void refreshTtfList();
    void refreshFontList();
    void refreshFontIdProperty();
    // What the add buttons do with the files their dialogs return.
    void importImages(const QStringList &files);
    void importFontLibraryFiles(const QStringList &files);
    void addTtfFiles(const QStringList &files);
    bool isFontBeingMade() const;
    // What the download questions' "是" does: the module files of the open project, the
    // picture library, the generated fonts.
    void downloadProject();
    void downloadImages();
    void downloadFonts();
    QMyImageItemModel *getImageModel() const { return imageModel; }
    QMyImageItemModel *getFontLibraryModel() const { return fontLibraryModel; }
    QMyImageItemModel *getFontModel() const { return fontModel; }
    FontDlg *getFontDlg() const { return fontDlg; }
    bool isImageDeleteMode() const { return imageDeleteMode; }
    bool isFontLibraryDeleteMode() const { return fontLibraryDeleteMode; }
    bool areImagesChanged() const { return imagesChanged; }
    BootDlg *getBootDlg() const { return bootDlg; }
    AllCfg *getAllCfg() const { return allCfg; }
    YModem *getYModem() const { return yModem; }
    bool isAutoSaveRunning() const;
    QString getFileError() const { return fileError; }
    // The design in the window is not what the project file holds: the last save failed.
    bool isMarkedUnsaved() const { return unsavedMark; }

    // Property panel
    void resetTimerButtons();
    void showTimerProperty();

    // New project from a chosen file name, after the screen-size dialog was accepted; false
    // when its folder, its file or its design could not be set up.
    bool createProject(const QString &chosen);
    // "800*480(WVGA1)" gives 800 x 480; false for an unusable text.
    static bool parseResolution(const QString &text, QSize *size);

    void setTitlePath(const QString &path);
    void markUnsaved(bool unsaved);
    void initTableHeaders();
    void initInstrExamples();

    // Language switching, help documents and the file association.
    void refreshLanguage();
    void registerFileType();

    // Window geometry rule: 3/4 of the screen width, 10/12 of its height.
    static QSize initialWindowSize(const QSize &screen);

    QMyMessageBox *getQuestionBox() const { return questionBox; }
    QMyMessageBox *getResultBox() const { return resultBox; }
    QMyWidget *getCurrentWidget() const;
    SelectionKind getSelectionKind() const { return selectionKind; }
    int getCurrentTimer() const { return currentTimer; }
    QMap<QtProperty *, QString> getPropertyToKey() const { return propertyToKey; }
    bool isClipboardValid() const { return clipboardValid; }
    QList<QMyWidget *> getClipboardWidgets() const { return clipboardWidgets; }
    PageParam *getClipboardPage() const { return clipboardPage; }
    QAction *pageAction(PageAction which) { return &pageActions[which]; }
    QMenu *getPageMenu() { return &pageMenu; }
    QPushButton *getTimerButton(int i) const { return timerButtons.value(i); }
    QString getTimerButtonStyle(int i) const { return timerButtonStyles[i]; }
    SetScreenSizeDlg *getScreenSizeDlg() const { return screenSizeDlg; }
    PageRenameDlg *getPageRenameDlg() const { return pageRenameDlg; }
    LanguageDlg *getLanguageDlg() const { return languageDlg; }
    QMenu *getHelpMenu() const { return helpMenu; }
    QStringList getInstrExampleTexts() const { return instrExampleTexts; }
    QMyItemModel *getInstrExampleModel() const { return instrExampleModel; }
    QMyStandardItemModel *getPaletteModel() const { return paletteModel; }
    InstrTableDlg *getInstrTableDlg() const { return instrTableDlg; }
    SerialPortDlg *getSerialPortDlg() const { return serialPortDlg; }
    SysDlg *getSysDlg() const { return sysDlg; }
    QMyEventDlg *getEventDlg() const { return eventDlg; }
    DelEventDlg *getDelEventDlg() const { return delEventDlg; }
    DownLoadEventDlg *getDownLoadEventDlg() const { return downLoadEventDlg; }

public slots:
    void slotRecePortProbar(int max, int value);
    void slotReceivedSysDlg(int job, QString text);
    void slotRecvSerialPortMes(int kind, QString text);

    void slotRecvParent();
    void slotRecvWnd(QMyWidget *w);
    void slotRecvWndMove(QMyWidget *w);
    void slotVariantPropertyValueChanged(QtProperty *property, const QVariant &value);
    void slotVariantPropertyValueChanged(QtProperty *property, int value);
    void slotImageColorPropertyValueChanged(QtProperty *property, QString value);
    void slotRefleshEvent();

    void slotTimerAutoSavePro();
    void slotDelAction();
    void slotActionPageAdd();
    void slotRecvFramePressPos(QPoint pos);
    // The timer button of that number was clicked; other numbers do nothing.
    void slotTimerClicked(int timer);
    void on_btnNewPro_clicked();
    void on_btnLoadPro_clicked();
    void on_btnSavePro_clicked();
    void on_btnPageAdd_clicked();
    void on_btnPageSub_clicked();
    void on_btnSetSys_clicked();
    void on_treeWidget_itemClicked(QTreeWidgetItem *item, int column);
    void on_btnClearRecv_clicked();
    void on_btnInstrTable_clicked();

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

    void slotPopPageMenu(const QPoint &pos);
    void slotActionPageDel();
    void slotActionPageCopy();
    void slotActionPagePaste();
    void slotActionPageRename();
    void slotPageRename(int page, QString itemText, QString name);
    void slotTreeWidget(PageTreeAction action, int page, WidgetType type, int id, QString typeName);
    void slotClickTopTreeWidget();

    void on_tvImage_clicked(const QModelIndex &index);
    void on_btnImageFontAdd_clicked();
    void on_btnImageFontSub_clicked();
    void on_btnImageFontAll_clicked();
    void on_btnImageFontCannel_clicked();
    void on_tvFont_clicked(const QModelIndex &index);
    void on_tabWidgetImageFont_currentChanged(int index);
    void on_btnDownLoad_clicked();
    void on_btnAddTtf_clicked();
    void on_btnDelTtf_clicked();
    void on_btnCreateFont_clicked();
    void on_btnDelFont_clicked();
    void on_tvFontName_clicked(const QModelIndex &index);
    void on_btnFontDlg_clicked();

    // Events of the page, widget or timer whose sheet is shown (mainwindow_events.cpp)
    void on_btnAddEvent_clicked();
    void on_btnDelEvent_clicked();
    void on_btnDownLoadEvent_clicked();

    // Download link (mainwindow_download.cpp)
    void slotProgressBarMes(int kind, int total, int done, int phase = 0);
    void slotRecvYModemMes(int kind, QString text);
    void slotRecvYModemDebugMes(int, QString line);
    void slotRecvYModemInstrParam(InstrParam param);
    void slotRecvYModemPortInstr(QString text);
    void slotDownloadJobEnded(int job, int outcome);
    // The module's answer to the link test; shown with the test's outcome.
    void slotRecvModuleLink(int enable, int address, int crc);
    void on_btnSetCOM_clicked();
    void on_btnInstrDownLoad_clicked();

private slots:
    void slotFontConverterChecked(bool ok);
    void slotFontConverted(bool ok, const QString &message);
    void cancelFontConversion();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Construction steps, in the order the constructor runs them.
    void loadStyleSheet();
    void placeOnScreen();
    void resetClipboardAndFlags();
    void createDownloadLink();
    void createEventDialogs();
    void createInstructionTerminal();
    void createFontProcessAndInfoDialog();
    void setUpTimerButtons();
    void addToolbarShadows();
    void createMessageBoxes();
    void createAutoSaveTimer();
    void createScreenSizeDialog();
    void createInstructionLink();
    void createPortWatcher();
    void setUpPalette();
    void connectCanvas();
    void setUpPropertyBrowser();
    void createInstrExamples();
    void createBootSettings();
    void createSystemDialog();
    void setUpHelpMenu();
    void hideFontLibrary();
    void createLanguageAndVersionDialogs();
    void setUpPageTree();
    void setUpPageMenu();
    void followDocument();
    void openStartUpProject(const QString &path);

    // What the views do when the design changes.
    void followPageAdded(int page);
    void followPageRemoved(int page);
    void followPageRenamed(int page);
    void followWidgetAdded(int page, QMyWidget *w);
    void followWidgetRemoved(int page, QMyWidget *w);
    void followPictureRemoved(int number);
    void followSettings();
    // After a load: what the file's design needs of the window besides the design.
    void showLoadedDesign();
    void setImageLibrarySizeKB(int kb);

    void setUpLibraryTables();
    void setUpFontTable();

    void fillPalette();
    QtUserTypeServices userTypeServices();
    void importProject();
    void saveAndReport();
    bool restoreImagesFromMirror(QStringList *failures);
    void discardImageChanges();
    QString restoreFailureText(const QStringList &failures) const;
    void refreshImageMirror();
    void reloadLibrary();
    void resetLibraryTable(QTableView *view, QMyImageItemModel *model, const QStringList &headers,
                           const QList<int> &widths, int rowHeight);
    bool rewriteFrameElement(const QString &key, const QString &value);
    // A message followed by the cause of the last failed project-file operation.
    QString withFileError(const QString &message) const;
    void reportProjectOpened();
    void loadImageFiles();
    void addImageFileRow(int row, const QString &path);
    void showImageLibrarySize();
    // The size label of the generated fonts; empty without a project.
    void showGeneratedFontsSize();
    void deleteCheckedImages();
    bool removeCheckedRows(QTableView *view, QMyImageItemModel *model, QStringList paths,
                           int firstNumber, const std::function<void(int)> &removed);
    void reportKeptFiles(const QStringList &names);
    static void removeLibraryRow(QMyImageItemModel *model, int row);
    void loadFontFiles();
    void addFontFileRow(int row, const QString &path);
    void deleteCheckedFontLibraryFiles();
    void deleteTtf(const QString &name);
    void deleteFont(const QString &number);
    void generateFont();
    void setFontCommandsEnabled(bool enabled);
    // The generation form emptied, as after a deletion or for another project.
    void resetFontForm();
    // "name: reason" lines of the files an import could not copy.
    void reportFailedCopies(const QStringList &failures);
    bool refuseWhileDownloading(const QString &message);
    bool downloadJobPending() const;
    // The name of the pending download job, empty when none is pending.
    QString pendingDownloadName() const;
    bool refuseProjectChangeWhileDownloading();
    void showBarOutcome();
    void askQuitDuringDownload();
    void quitWhenDownloadEnds(bool cancel);
    void askSaveAndQuit();
    void quitAsAnswered(bool save);
    void saveAndQuit();
    void quitWithoutSaving();
    void closeAndQuit();
    void startDownload(int job, const QString &directory, const QString &fileName);
    void clickTreeItem(QTreeWidgetItem *item);
    void highlightShownItem(bool pageItemAlways, int menuPage);
    static bool isItemOf(const QTreeWidgetItem *item, const QMyWidget *w);
    void selectWidgetItem(const QMyWidget *w);
    QMyWidget *cloneWidget(QMyWidget *source);
    static bool textEditorHasFocus();
    // False when the resolution is unusable or the first save failed.
    bool setUpNewDesign(bool newFolder);
    static QString folderError(const QString &parent);
    bool makeNewProjectFolder(const QString &folder, const QString &path, const QSize &resolution);
    bool writeNewProjectFile(const QString &path, const QSize &resolution);
    static QSize canvasSize(const QSize &resolution, int screenType, const QSize &otherwise);
    bool timerEnabled(int i) const;
    QMySheetApplier::Target sheetTarget() const;
    EventHolder *shownEventHolder() const;
    void dismissEventDialogs(const EventHolder *holder = nullptr);
    void applySheetEffect(int timerStyle, bool rebuildWidgetSheet);

    // A member goes before the window's children, so the document deletes its widgets
    // while the canvas they are children of still exists.
    DesignDocument designDocument;
    // What the title shows while no project is open.
    QString programPath;
    Ui_MainWindow *form = nullptr;
    QString timerButtonStyles[3];
    QMyStandardItemModel *paletteModel = nullptr;
    ItemDelegate *paletteDelegate = nullptr;
    QtVariantPropertyManager *roManager = nullptr;
    QtVariantPropertyManager *variantManager = nullptr;
    QtVariantEditorFactory *variantFactory = nullptr;
    QtUserTypeOne_ImageManager *imageManager = nullptr;
    QtUserTypeOne_ImageFactory *imageFactory = nullptr;
    QtUserTypeTwo_ColorManager *colorManager = nullptr;
    QtUserTypeTwo_ColorFactory *colorFactory = nullptr;
    QtEnumPropertyManager *enumManager = nullptr;
    QtEnumEditorFactory *enumFactory = nullptr;
    // Null once the widget is deleted.
    QPointer<QMyWidget> currentWidget;
    QMap<QtProperty *, QString> propertyToKey;
    QMyPropertySheet *sheet = nullptr;
    QMySheetApplier *sheetApplier = nullptr;
    // The page and timer whose sheet is shown: an edit still open when the selection
    // moves on goes to them.
    PageParam *sheetPage = nullptr;
    int sheetTimer = -1;
    SetScreenSizeDlg *screenSizeDlg = nullptr;
    SerialPortDlg *serialPortDlg = nullptr;
    YModemPortDlg *portDlg = nullptr;
    QMyNativeEventFilter *nativeFilter = nullptr;
    QMyMessageBox *questionBox = nullptr;
    QMyMessageBox *resultBox = nullptr;
    QMyMessageBox *transferBox = nullptr;
    QMyImageItemModel *imageModel = nullptr;
    QMyImageItemModel *fontLibraryModel = nullptr;
    QStringList imageTableHeaders;
    QStringList fontLibraryTableHeaders;
    QStringList fontTableHeaders;
    bool imageDeleteMode = false;
    bool fontLibraryDeleteMode = false;
    QStringList instrExampleTexts;
    QMyItemModel *instrExampleModel = nullptr;
    bool npmInstalled = false;
    BootDlg *bootDlg = nullptr;
    SysDlg *sysDlg = nullptr;
    static constexpr int ShadowCount = 11;
    QGraphicsDropShadowEffect *shadowEffects[ShadowCount] = {};
    QMenu *helpMenu = nullptr;
    QTimer *autoSaveTimer = nullptr;
    LanguageDlg *languageDlg = nullptr;
    Version *versionDlg = nullptr;
    QList<QMyWidget *> clipboardWidgets;
    PageParam *clipboardPage = nullptr;
    bool clipboardValid = false;
    bool imagesChanged = false;
    AllCfg *allCfg = nullptr;
    YModem *yModem = nullptr;
    QMyProgressBarMes *progressWindow = nullptr;
    ShowInfoDlg *showInfoDlg = nullptr;
    FontDlg *fontDlg = nullptr;
    FontConverter *fontConverter = nullptr;
    QMyImageItemModel *fontModel = nullptr;
    SelectionKind selectionKind = SelectionKind::Page;
    QMyEventDlg *eventDlg = nullptr;
    DelEventDlg *delEventDlg = nullptr;
    DownLoadEventDlg *downLoadEventDlg = nullptr;
    QAction pageActions[5];
    QMenu pageMenu;
    PageRenameDlg *pageRenameDlg = nullptr;
    int currentTimer = -1;
    QList<QPushButton *> timerButtons;
    InstrTableDlg *instrTableDlg = nullptr;

    // The size of the picture library in KB, as its size label shows it.
    int imageLibrarySizeKB = 0;
    // The picture row last clicked in the library; -1 for none.
    int currentImageRow = -1;
    // The picture mirror was refreshed by the last load or save of the open project.
    bool imageMirrorCurrent = false;
    QList<QIcon> widgetItemIcons;
    // Top-level items of the page tree that were expanded when it was last cleared.
    QSet<int> expandedPages;
    // Qt::Key_C or Qt::Key_V while its shortcut is pressed and has not acted yet.
    int pendingShortcutKey = 0;
    // Why the last load, save or rewrite of the project file failed.
    QString fileError;
    // The path the title shows, and whether it is marked as not saved.
    QString titlePath;
    bool unsavedMark = false;
    QString fontBeingMade;
    // The project the font being made belongs to, and whether the user stopped it.
    QString fontBeingMadeProject;
    bool fontConversionCancelled = false;

    // Set once the user chose to quit, so the close that follows is not asked again.
    bool quitting = false;
    // The user chose to quit once the running download has ended.
    bool quitWhenIdle = false;
    // The link test's answer, until its outcome message arrives.
    bool moduleLinkRead = false;
    int moduleLink[3] = {};
    // How the job of the bar at the bottom ended (a YModem::Outcome), while it shows that.
    int barOutcome = 0;
};

#endif // MAINWINDOW_H
