#ifndef LIBRARYCONTROLLER_H
#define LIBRARYCONTROLLER_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class DesignDocument;
class DownloadController;
class FontConverter;
class FontDlg;
class QMainWindow;
class QModelIndex;
class QMyImageItemModel;
class QMyMessageBox;
class QTableView;
class Ui_MainWindow;

// The library as the window shows it: the pictures with their mirror, the font-library
// files, the TrueType sources and the generated fonts with their converter. The rules live
// in library/. Nothing changes while a download reads the library.
class LibraryController : public QObject
{
    Q_OBJECT

public:
    // File dialogs open over `window`.
    LibraryController(QMainWindow *window, Ui_MainWindow *form, DesignDocument &document,
                      QMyMessageBox *questions, DownloadController *download,
                      QObject *parent = nullptr);
    ~LibraryController() override;

    bool copyDirFiles(const QString &source, const QString &destination,
                      QStringList *failures = nullptr);
    void initImageTable();
    void initFontTable();
    void refreshTtfList();
    void refreshFontList();
    // The library of the project just opened or created.
    void reloadLibrary();
    // What the add buttons do with the files their dialogs return.
    void importImages(const QStringList &files);
    void importFontLibraryFiles(const QStringList &files);
    void addTtfFiles(const QStringList &files);
    bool isFontBeingMade() const;

    // The mirror of the picture folder as of the last load or save.
    void refreshImageMirror();
    // Copies the mirror back over the picture folder; false, with the files that could not
    // be restored, when some could not.
    bool restoreImagesFromMirror(QStringList *failures);
    // Leaving a project without saving: the library goes back to the saved one, or the user
    // learns that it keeps the unsaved changes and why.
    void discardImageChanges();
    QString restoreFailureText(const QStringList &failures) const;

    // The tables' headers and size labels in the language of the moment.
    void retranslate();

    // The picture row last clicked in the library; -1 for none.
    int selectedImage() const { return currentImageRow; }
    QMyImageItemModel *getImageModel() const { return imageModel; }
    QMyImageItemModel *getFontLibraryModel() const { return fontLibraryModel; }
    QMyImageItemModel *getFontModel() const { return fontModel; }
    FontDlg *getFontDlg() const { return fontDlg.get(); }
    FontConverter *converter() const { return fontConverter.get(); }
    bool isImageDeleteMode() const { return imageDeleteMode; }
    bool isFontLibraryDeleteMode() const { return fontLibraryDeleteMode; }

signals:
    // The size of the picture library in KB, as its size label shows it.
    void imageLibrarySizeChanged(int kb);
    // The generated fonts changed.
    void fontsChanged();

public slots:
    void on_tvImage_clicked(const QModelIndex &index);
    void on_btnImageFontAdd_clicked();
    void on_btnImageFontSub_clicked();
    void on_btnImageFontAll_clicked();
    void on_btnImageFontCannel_clicked();
    void on_tvFont_clicked(const QModelIndex &index);
    void on_tabWidgetImageFont_currentChanged(int index);
    void on_btnAddTtf_clicked();
    void on_btnDelTtf_clicked();
    void on_btnCreateFont_clicked();
    void on_btnDelFont_clicked();
    void on_tvFontName_clicked(const QModelIndex &index);
    void on_btnFontDlg_clicked();

private slots:
    void slotFontConverterChecked(bool ok);
    void slotFontConverted(bool ok, const QString &message);
    void cancelFontConversion();

private:
    void initTableHeaders();
    void connectForm();
    void setUpLibraryTables();
    void setUpFontTable();
    void hideFontLibrary();
    void resetLibraryTable(QTableView *view, QMyImageItemModel *model, const QStringList &headers,
                           const QList<int> &widths, int rowHeight);
    void loadImageFiles();
    void addImageFileRow(int row, const QString &path);
    void showImageLibrarySize();
    // The size label of the generated fonts; empty without a project.
    void showGeneratedFontsSize();
    void setImageLibrarySizeKB(int kb);
    void deleteCheckedImages();
    bool removeCheckedRows(QTableView *view, QMyImageItemModel *model, QStringList paths,
                           int firstNumber, const std::function<void(int)> &removed);
    void reportKeptFiles(const QStringList &names);
    void reportFailedCopies(const QStringList &names);
    static void removeLibraryRow(QMyImageItemModel *model, int row);
    void followPictureRemoved(int number);
    void loadFontFiles();
    void addFontFileRow(int row, const QString &path);
    void deleteCheckedFontLibraryFiles();
    void deleteTtf(const QString &name);
    void deleteFont(const QString &number);
    void generateFont();
    void setFontCommandsEnabled(bool enabled);
    // The generation form emptied, as after a deletion or for another project.
    void resetFontForm();

    QMainWindow *window;
    Ui_MainWindow *form;
    DesignDocument &document;
    QMyMessageBox *questions;
    DownloadController *download;

    QMyImageItemModel *imageModel = nullptr;
    QMyImageItemModel *fontLibraryModel = nullptr;
    QMyImageItemModel *fontModel = nullptr;
    QStringList imageTableHeaders;
    QStringList fontLibraryTableHeaders;
    QStringList fontTableHeaders;
    bool imageDeleteMode = false;
    bool fontLibraryDeleteMode = false;
    int currentImageRow = -1;
    // The picture mirror was refreshed by the last load or save of the open project.
    bool imageMirrorCurrent = false;

    std::unique_ptr<FontDlg> fontDlg;
    // Its destructor ends a conversion that is still running.
    std::unique_ptr<FontConverter> fontConverter;
    bool npmInstalled = false;
    QString fontBeingMade;
    // The project the font being made belongs to, and whether the user stopped it.
    QString fontBeingMadeProject;
    bool fontConversionCancelled = false;
};

#endif // LIBRARYCONTROLLER_H
