#include "librarycontroller.h"
#include "ui_mainwindow.h"

#include "designdocument.h"
#include "downloadcontroller.h"
#include "foldermirror.h"
#include "fontconverter.h"
#include "fontdlg.h"
#include "fontlibraryfiles.h"
#include "generatedfonts.h"
#include "imagelibrary.h"
#include "libraryfiles.h"
#include "picturefile.h"
#include "projectfolder.h"
#include "qmyimageitemmodel.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "tablelook.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QStandardItem>

namespace {

constexpr int ImageTab = 0;
constexpr int ThumbnailSize = 46;

QStandardItem *centredItem(const QString &text)
{
    return new QStandardItem(text);
}

// A click in delete mode flips the row's check; otherwise the row becomes the only one
// checked. False for a row that does not exist.
bool checkClickedRow(QTableView *view, QMyImageItemModel *model, int row, bool deleteMode)
{
    if (row < 0 || row >= model->rowCount())
        return false;
    if (deleteMode) {
        model->setCheckState(row,
                             model->checkState(row) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    } else {
        model->setAllCheckStates(Qt::Unchecked);
        model->setCheckState(row, Qt::Checked);
    }
    view->viewport()->update();
    view->selectRow(row);
    return true;
}

// A grey box with a cross, for a picture that is not shown.
QIcon placeholderIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap(ThumbnailSize, ThumbnailSize);
        pixmap.fill(QColor(230, 230, 230));
        QPainter painter(&pixmap);
        painter.setPen(QPen(QColor(150, 150, 150), 2));
        painter.drawRect(QRect(1, 1, ThumbnailSize - 2, ThumbnailSize - 2));
        painter.drawLine(8, 8, ThumbnailSize - 9, ThumbnailSize - 9);
        painter.drawLine(8, ThumbnailSize - 9, ThumbnailSize - 9, 8);
        return QIcon(pixmap);
    }();
    return icon;
}

} // namespace

LibraryController::LibraryController(QMainWindow *window, Ui_MainWindow *form,
                                     DesignDocument &document, QMyMessageBox *questions,
                                     DownloadController *download, QObject *parent)
    : QObject(parent)
    , window(window)
    , form(form)
    , document(document)
    , questions(questions)
    , download(download)
    , fontConverter(std::make_unique<FontConverter>())
{
    initTableHeaders();
    connect(fontConverter.get(), &FontConverter::checked, this,
            &LibraryController::slotFontConverterChecked);
    connect(fontConverter.get(), &FontConverter::finished, this,
            &LibraryController::slotFontConverted);
    // Closing the progress window while a font is made ends the conversion.
    connect(download->progressWindow(), &QMyProgressBarMes::s_sendClosed, this,
            &LibraryController::cancelFontConversion);
    setUpLibraryTables();
    hideFontLibrary();
    setUpFontTable();
    form->btnFontDlg->hide();
    refreshFontList();
    connectForm();
    connect(&document, &DesignDocument::pictureRemoved, this,
            &LibraryController::followPictureRemoved);
}

LibraryController::~LibraryController() = default;

void LibraryController::connectForm()
{
    connect(form->tvImage, &QAbstractItemView::clicked, this,
            &LibraryController::on_tvImage_clicked);
    connect(form->tvFont, &QAbstractItemView::clicked, this, &LibraryController::on_tvFont_clicked);
    connect(form->tvFontName, &QAbstractItemView::clicked, this,
            &LibraryController::on_tvFontName_clicked);
    connect(form->tabWidgetImageFont, &QTabWidget::currentChanged, this,
            &LibraryController::on_tabWidgetImageFont_currentChanged);
    const struct
    {
        QAbstractButton *button;
        void (LibraryController::*command)();
    } commands[] = {
        {form->btnImageFontAdd, &LibraryController::on_btnImageFontAdd_clicked},
        {form->btnImageFontSub, &LibraryController::on_btnImageFontSub_clicked},
        {form->btnImageFontAll, &LibraryController::on_btnImageFontAll_clicked},
        {form->btnImageFontCannel, &LibraryController::on_btnImageFontCannel_clicked},
        {form->btnAddTtf, &LibraryController::on_btnAddTtf_clicked},
        {form->btnDelTtf, &LibraryController::on_btnDelTtf_clicked},
        {form->btnCreateFont, &LibraryController::on_btnCreateFont_clicked},
        {form->btnDelFont, &LibraryController::on_btnDelFont_clicked},
        {form->btnFontDlg, &LibraryController::on_btnFontDlg_clicked},
    };
    for (const auto &c : commands)
        connect(c.button, &QAbstractButton::clicked, this, c.command);
}

void LibraryController::initTableHeaders()
{
    imageTableHeaders =
        QStringList {QString(), tr("序号"), tr("缩略图"), tr("格式"), tr("分辨率"), tr("大小")};
    fontLibraryTableHeaders =
        QStringList {QString(), tr("序号"), tr("字体"), tr("尺寸"), tr("类型"), tr("大小")};
    fontTableHeaders = QStringList {QString(), "N", tr("名称")};
}

// The tables and their size labels, whichever language they were filled in.
void LibraryController::retranslate()
{
    initTableHeaders();
    const struct
    {
        QMyImageItemModel *model;
        QTableView *view;
        const QStringList &headers;
    } tables[] = {{imageModel, form->tvImage, imageTableHeaders},
                  {fontLibraryModel, form->tvFont, fontLibraryTableHeaders},
                  {fontModel, form->tvFontName, fontTableHeaders}};
    for (const auto &table : tables) {
        table.model->setHorizontalHeaderLabels(table.headers);
        TableLook::fitHeaders(table.view);
    }
    showImageLibrarySize();
    showGeneratedFontsSize();
}

// The models and headers come first; the tables list the start-up project later, when it
// is opened.
void LibraryController::setUpLibraryTables()
{
    imageModel = new QMyImageItemModel(this);
    fontLibraryModel = new QMyImageItemModel(this);
    initImageTable();
    initFontTable();
}

void LibraryController::setUpFontTable()
{
    fontDlg = std::make_unique<FontDlg>(&document);
    fontModel = new QMyImageItemModel(this);
    TableLook::apply(form->tvFontName);
}

// The font-library tab is never shown; its tab is removed for good.
void LibraryController::hideFontLibrary()
{
    form->tabWidgetImageFont->removeTab(1);
    form->labImageSize->hide();
    setImageLibrarySizeKB(0);
}

// The design renumbered its own references; the picture table follows it.
void LibraryController::followPictureRemoved(int number)
{
    removeLibraryRow(imageModel, number);
}

// The text-instruction link refuses a picture library larger than the module's flash.
void LibraryController::setImageLibrarySizeKB(int kb)
{
    emit imageLibrarySizeChanged(kb);
}

void LibraryController::initImageTable()
{
    imageDeleteMode = false;
    document.setPictures({});
    form->tvImage->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    resetLibraryTable(form->tvImage, imageModel, imageTableHeaders, {20, 40, 55, 65, 65, 65}, 50);
    if (document.isProjectOpen())
        loadImageFiles();
}

// An empty table with its headers and widths, the check column and its buttons hidden.
void LibraryController::resetLibraryTable(QTableView *view, QMyImageItemModel *model,
                                          const QStringList &headers, const QList<int> &widths,
                                          int rowHeight)
{
    TableLook::apply(view, rowHeight);
    model->clearAll();
    model->setHorizontalHeaderLabels(headers);
    view->setModel(model);
    for (int i = 0; i < widths.size(); ++i)
        view->setColumnWidth(i, widths.at(i));
    view->hideColumn(0);
    TableLook::fitHeaders(view);
    form->btnImageFontAll->hide();
    form->btnImageFontCannel->hide();
}

// The library of the project just opened or created.
void LibraryController::reloadLibrary()
{
    initImageTable();
    initFontTable();
    refreshTtfList();
    refreshFontList();
    // The form held a font of the project that was open before.
    resetFontForm();
}

void LibraryController::loadImageFiles()
{
    const QString images =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempImages"));
    imageMirrorCurrent = false;
    if (QDir(images).exists())
        refreshImageMirror();
    if (!QDir().mkpath(images))
        return;
    setImageLibrarySizeKB(0);
    form->labImageSize->hide();
    for (const QString &name : ImageLibrary::orderedNames(images))
        addImageFileRow(imageModel->rowCount(), images + QLatin1Char('/') + name);
    form->tvImage->setModel(imageModel);
    showImageLibrarySize();
}

void LibraryController::addImageFileRow(int row, const QString &path)
{
    const int modelType = document.modelType();
    const QSize size = ImageLibrary::pixelSize(path);
    document.addPicture(path);

    // A picture the program does not decode (not a picture, or too large) shows a
    // placeholder; the others are decoded at the thumbnail's size.
    auto *thumbnail = new QStandardItem;
    switch (PictureFile::check(path)) {
    case PictureFile::Usable:
        thumbnail->setIcon(QIcon(QPixmap::fromImage(PictureFile::read(
            path, size.scaled(ThumbnailSize, ThumbnailSize, Qt::KeepAspectRatio)))));
        break;
    case PictureFile::NotAPicture:
        thumbnail->setIcon(placeholderIcon());
        thumbnail->setToolTip(tr("不是PNG或JPG图片，无法显示"));
        break;
    case PictureFile::TooLarge:
        thumbnail->setIcon(placeholderIcon());
        thumbnail->setToolTip(tr("图片超过%1像素或某边超过%2像素，不显示")
                                  .arg(PictureFile::MaxPixels)
                                  .arg(PictureFile::MaxSide));
        break;
    }
    imageModel->setItem(row, 1, centredItem(QString::number(row)));
    imageModel->setItem(row, 2, thumbnail);
    imageModel->setItem(row, 3, centredItem(QFileInfo(path).suffix()));
    imageModel->setItem(row, 4,
                        centredItem(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    imageModel->setItem(
        row, 5,
        centredItem(ImageLibrary::kbText(ImageLibrary::bytesFor(path, modelType) / 1024.0)));
}

void LibraryController::showImageLibrarySize()
{
    const double kb = ImageLibrary::sizeKB(document.pictures(), document.modelType());
    setImageLibrarySizeKB(int(kb));
    form->labImageSize->setText(tr("文件总大小：%1KB").arg(QString::number(kb, 'f', 2)));
    form->labImageSize->show();
}

void LibraryController::importImages(const QStringList &files)
{
    ImageLibrary::Refusals refused;
    const LibraryFiles::ImportReport report = ImageLibrary::importFiles(
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempImages")),
        files, &refused);
    for (const QString &path : report.copied) {
        addImageFileRow(imageModel->rowCount(), path);
        download->setImagesChanged(true);
    }
    form->tvImage->setModel(imageModel);
    showImageLibrarySize();
    // Everything left out, in one message.
    QStringList parts;
    if (!refused.notPictures.isEmpty())
        parts << tr("以下文件不是PNG或JPG图片，未导入：\n%1")
                     .arg(refused.notPictures.join(QLatin1Char('\n')));
    if (!refused.tooLarge.isEmpty())
        parts << tr("以下图片超过%1像素或某边超过%2像素，未导入：\n%3")
                     .arg(PictureFile::MaxPixels)
                     .arg(PictureFile::MaxSide)
                     .arg(refused.tooLarge.join(QLatin1Char('\n')));
    if (!report.failed.isEmpty())
        parts << tr("以下文件未能复制：\n%1").arg(report.failures().join(QLatin1Char('\n')));
    if (!parts.isEmpty())
        questions->showNotice(QMyMessageBox::Warning, parts.join(QStringLiteral("\n\n")));
}

void LibraryController::reportFailedCopies(const QStringList &failures)
{
    if (!failures.isEmpty())
        questions->showNotice(QMyMessageBox::Warning,
                              tr("以下文件未能复制：\n%1").arg(failures.join(QLatin1Char('\n'))));
}

bool LibraryController::copyDirFiles(const QString &source, const QString &destination,
                                     QStringList *failures)
{
    return FolderMirror::copyFiles(source, destination, failures);
}

// The mirror holds the library as it was at the last load or save. One that could not be
// refreshed is older than that and is never copied back, so that leaving without saving
// cannot remove pictures the saved project uses.
void LibraryController::refreshImageMirror()
{
    QStringList failures;
    imageMirrorCurrent = copyDirFiles(
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempImages")),
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("backUpImages")),
        &failures);
    if (!imageMirrorCurrent)
        questions->showNotice(
            QMyMessageBox::Warning,
            (QStringList() << tr("图库备份失败！") << failures).join(QLatin1Char('\n')));
}

// Copies the mirror back over the image folder; a missing or failed mirror leaves the
// images as they are. A failed copy is described in failures (and false returned).
bool LibraryController::restoreImagesFromMirror(QStringList *failures)
{
    if (!document.isProjectOpen() || !imageMirrorCurrent)
        return true;
    return copyDirFiles(
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("backUpImages")),
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempImages")),
        failures);
}

// Leaving a project without saving: the library goes back to the saved one, or the user
// learns that it keeps the unsaved changes and why.
void LibraryController::discardImageChanges()
{
    QStringList failures;
    if (!restoreImagesFromMirror(&failures))
        questions->showNotice(QMyMessageBox::Warning, restoreFailureText(failures));
}

QString LibraryController::restoreFailureText(const QStringList &failures) const
{
    return (QStringList() << tr("图库未能恢复到上次保存或打开时的状态，未保存的图片修改仍在：")
                          << failures)
        .join(QLatin1Char('\n'));
}

// Removes the checked pictures, lowest row first. The design renumbers every reference so
// that nothing shows another picture afterwards; the table follows it.
void LibraryController::deleteCheckedImages()
{
    const bool rowsLeft =
        removeCheckedRows(form->tvImage, imageModel, document.pictures(), 0, [this](int i) {
            download->setImagesChanged(true);
            document.removePicture(i);
        });
    if (!rowsLeft)
        imageDeleteMode = false;
    currentImageRow = -1;
    form->tvImage->reset();
    if (document.pictures().isEmpty()) {
        setImageLibrarySizeKB(0);
        form->labImageSize->hide();
    } else {
        showImageLibrarySize();
    }
}

// Removes the file of each checked row (or finds it gone already), lowest first, and calls
// removed with the row's index at that moment to take the row and its entry out of the
// table and its list (paths, as it is before). A file that stays keeps its row, checked,
// and is named to the user: dropping its row would renumber everything after it while the
// file still lists there at the next load. Afterwards the check column and its buttons go
// with the last row, or the rows are numbered again from firstNumber. True when rows are
// left.
bool LibraryController::removeCheckedRows(QTableView *view, QMyImageItemModel *model,
                                          QStringList paths, int firstNumber,
                                          const std::function<void(int)> &removed)
{
    QStringList kept;
    for (int i = model->nextChecked(); i >= 0; i = model->nextChecked(i)) {
        if (!LibraryFiles::removeFile(paths.at(i))) {
            kept << QFileInfo(paths.at(i)).fileName();
            ++i;
            continue;
        }
        paths.removeAt(i);
        removed(i);
    }
    reportKeptFiles(kept);
    if (model->rowCount() == 0) {
        view->hideColumn(0);
        form->btnImageFontAll->hide();
        form->btnImageFontCannel->hide();
        return false;
    }
    for (int r = 0; r < model->rowCount(); ++r)
        model->setItem(r, 1, centredItem(QString::number(r + firstNumber)));
    view->setColumnWidth(1, 40);
    return true;
}

void LibraryController::reportKeptFiles(const QStringList &names)
{
    if (!names.isEmpty())
        questions->showNotice(
            QMyMessageBox::Warning,
            tr("以下文件无法删除，已保留：\n%1").arg(names.join(QLatin1Char('\n'))));
}

void LibraryController::removeLibraryRow(QMyImageItemModel *model, int row)
{
    model->removeRow(row);
}

void LibraryController::on_tvImage_clicked(const QModelIndex &index)
{
    if (checkClickedRow(form->tvImage, imageModel, index.row(), imageDeleteMode))
        currentImageRow = index.row();
}

void LibraryController::on_btnImageFontAdd_clicked()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information,
                              tr("未新建或加载项目，请您先新建或加载项目！"));
        return;
    }
    if (download->refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (form->tabWidgetImageFont->currentIndex() == ImageTab) {
        const QStringList files = QFileDialog::getOpenFileNames(window, tr("选择图片"), QString(),
                                                                QStringLiteral("(*.png *.jpg)"));
        if (!files.isEmpty())
            importImages(files);
    } else {
        const QStringList files = QFileDialog::getOpenFileNames(window, tr("选择字库"), QString(),
                                                                QStringLiteral("(*.bin)"));
        if (!files.isEmpty())
            importFontLibraryFiles(files);
    }
}

void LibraryController::on_btnImageFontSub_clicked()
{
    if (download->refuseWhileDownloading(tr("下载中，不可删除！")))
        return;
    const bool images = form->tabWidgetImageFont->currentIndex() == ImageTab;
    QMyImageItemModel *model = images ? imageModel : fontLibraryModel;
    QTableView *view = images ? form->tvImage : form->tvFont;
    bool &deleteMode = images ? imageDeleteMode : fontLibraryDeleteMode;
    if (model->rowCount() == 0)
        return;
    if (!deleteMode) {
        // A row clicked before marks the current picture, not one to delete.
        model->setAllCheckStates(Qt::Unchecked);
        view->showColumn(0);
        form->btnImageFontAll->show();
        form->btnImageFontCannel->show();
        deleteMode = true;
        return;
    }
    if (images)
        questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                       tr("您是否需要删除选中的图片？"), [this] { deleteCheckedImages(); });
    else
        questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo, tr("是否删除选中的字库？"),
                       [this] { deleteCheckedFontLibraryFiles(); });
}

void LibraryController::on_btnImageFontAll_clicked()
{
    const bool images = form->tabWidgetImageFont->currentIndex() == ImageTab;
    QMyImageItemModel *model = images ? imageModel : fontLibraryModel;
    model->setAllCheckStates(model->checkedCount() < model->rowCount() ? Qt::Checked
                                                                       : Qt::Unchecked);
}

void LibraryController::on_btnImageFontCannel_clicked()
{
    const bool images = form->tabWidgetImageFont->currentIndex() == ImageTab;
    QMyImageItemModel *model = images ? imageModel : fontLibraryModel;
    model->setAllCheckStates(Qt::Unchecked);
    (images ? form->tvImage : form->tvFont)->hideColumn(0);
    form->btnImageFontAll->hide();
    form->btnImageFontCannel->hide();
    (images ? imageDeleteMode : fontLibraryDeleteMode) = false;
}

void LibraryController::on_tabWidgetImageFont_currentChanged(int index)
{
    const bool images = index == ImageTab;
    const bool deleteMode = images ? imageDeleteMode : fontLibraryDeleteMode;
    QTableView *view = images ? form->tvImage : form->tvFont;
    view->setColumnHidden(0, !deleteMode);
    form->btnImageFontAll->setVisible(deleteMode);
    form->btnImageFontCannel->setVisible(deleteMode);
}

void LibraryController::initFontTable()
{
    fontLibraryDeleteMode = false;
    document.setFontPaths({});
    resetLibraryTable(form->tvFont, fontLibraryModel, fontLibraryTableHeaders,
                      {20, 40, 80, 65, 65, 65}, 0);
    if (document.isProjectOpen())
        loadFontFiles();
}

void LibraryController::loadFontFiles()
{
    const QString fonts =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts"));
    if (QDir().mkpath(fonts)) {
        for (const QString &name : FontLibraryFiles::list(fonts))
            addFontFileRow(fontLibraryModel->rowCount(), fonts + QLatin1Char('/') + name);
        form->tvFont->setModel(fontLibraryModel);
    }
    const QString ttf =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempTtf"));
    if (!QDir().mkpath(ttf))
        qWarning() << "cannot create" << ttf;
}

void LibraryController::addFontFileRow(int row, const QString &path)
{
    QString size;
    const FontLibraryFiles::Kind kind = FontLibraryFiles::kindOf(path, &size);
    if (kind == FontLibraryFiles::NotAccepted)
        return;
    QStringList paths = document.fontPaths();
    document.setFontPaths(paths << path);
    fontLibraryModel->setItem(row, 1, centredItem(QString::number(row + 1)));
    fontLibraryModel->setItem(row, 2, centredItem(QFileInfo(path).fileName()));
    fontLibraryModel->setItem(row, 3, centredItem(size));
    fontLibraryModel->setItem(
        row, 4, centredItem(kind == FontLibraryFiles::Chinese ? tr("中文") : tr("英文")));
    fontLibraryModel->setItem(row, 5,
                              centredItem(ImageLibrary::kbText(QFileInfo(path).size() / 1024.0)));
}

void LibraryController::importFontLibraryFiles(const QStringList &files)
{
    const LibraryFiles::ImportReport report = LibraryFiles::importFiles(
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts")),
        files);
    for (const QString &path : report.copied)
        addFontFileRow(fontLibraryModel->rowCount(), path);
    form->tvFont->setModel(fontLibraryModel);
    reportFailedCopies(report.failures());
}

void LibraryController::deleteCheckedFontLibraryFiles()
{
    // Font-library files have nothing to do with the pictures: imagesChanged stays.
    const auto removed = [this](int i) {
        removeLibraryRow(fontLibraryModel, i);
        QStringList paths = document.fontPaths();
        paths.removeAt(i);
        document.setFontPaths(paths);
    };
    if (!removeCheckedRows(form->tvFont, fontLibraryModel, document.fontPaths(), 1, removed))
        fontLibraryDeleteMode = false;
    form->tvFont->reset();
}

void LibraryController::on_tvFont_clicked(const QModelIndex &index)
{
    checkClickedRow(form->tvFont, fontLibraryModel, index.row(), fontLibraryDeleteMode);
}

void LibraryController::refreshTtfList()
{
    form->cbTtf->clear();
    const QString folder =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempTtf"));
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    form->cbTtf->addItems(LibraryFiles::listFiles(folder, {QStringLiteral("*.ttf")}));
}

void LibraryController::on_btnAddTtf_clicked()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information, tr("未加载项目，请您先创建或导入项目！"));
        return;
    }
    const QStringList files = QFileDialog::getOpenFileNames(
        window, tr("选择字库"), FontDlg::systemFontFolder(), QStringLiteral("(*.ttf)"));
    if (!files.isEmpty())
        addTtfFiles(files);
}

void LibraryController::addTtfFiles(const QStringList &files)
{
    const QString remembered = form->cbTtf->currentText();
    const LibraryFiles::ImportReport report = LibraryFiles::importFiles(
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempTtf")),
        files);
    refreshTtfList();
    const int index = form->cbTtf->findText(remembered);
    if (index >= 0)
        form->cbTtf->setCurrentIndex(index);
    reportFailedCopies(report.failures());
}

void LibraryController::on_btnDelTtf_clicked()
{
    // The answer deletes the file the question names, whatever the list shows by then.
    const QString name = form->cbTtf->currentText();
    questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                   tr("您是否需要删除%1文件？").arg(name), [this, name] { deleteTtf(name); });
}

void LibraryController::deleteTtf(const QString &name)
{
    const QString folder =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempTtf"));
    if (document.isProjectOpen() && !LibraryFiles::removeInside(folder, name)
        && QFileInfo::exists(folder + QLatin1Char('/') + name))
        reportKeptFiles({name});
    refreshTtfList();
}

void LibraryController::refreshFontList()
{
    const int remembered = form->tvFontName->currentIndex().row();
    fontModel->clearAll();
    fontModel->setHorizontalHeaderLabels(fontTableHeaders);
    form->tvFontName->setModel(fontModel);
    form->tvFontName->setColumnWidth(0, 20);
    form->tvFontName->hideColumn(0);
    TableLook::fitHeaders(form->tvFontName);
    document.setFontIds({});
    const QString folder =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts"));
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        form->labFontSize->clear();
        return;
    }
    showGeneratedFontsSize();
    document.setFontIds(GeneratedFonts::listNumbers(folder));
    const QStringList &fontIds = document.fontIds();
    for (int row = 0; row < fontIds.size(); ++row) {
        fontModel->setItem(row, 1, centredItem(QString::number(row + 1)));
        fontModel->setItem(row, 2, centredItem(fontIds.at(row)));
    }
    if (remembered >= 0 && remembered < fontIds.size())
        form->tvFontName->selectRow(remembered);
}

void LibraryController::showGeneratedFontsSize()
{
    const QString folder =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts"));
    if (folder.isEmpty() || !QDir(folder).exists()) {
        form->labFontSize->clear();
        return;
    }
    form->labFontSize->setText(
        tr("文件总大小：%1KB").arg(QString::number(GeneratedFonts::fontFilesKB(folder), 'f', 2)));
}

void LibraryController::on_btnCreateFont_clicked()
{
    if (fontConverter->isRunning())
        return;
    if (download->refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    setFontCommandsEnabled(false);
    // The converter is looked for once a run, until it answers.
    if (!npmInstalled)
        fontConverter->checkInstalled();
    else
        generateFont();
}

void LibraryController::slotFontConverterChecked(bool ok)
{
    npmInstalled = ok;
    if (!ok)
        questions->showNotice(QMyMessageBox::Warning,
                              tr("未配置正确node，请您确认node是否正确安装！"));
    generateFont();
}

void LibraryController::generateFont()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information, tr("未加载项目，请您先创建或导入项目！"));
        setFontCommandsEnabled(true);
        return;
    }
    QString number;
    switch (GeneratedFonts::checkNumber(form->editFontName->text(), document.fontIds(), &number)) {
    case GeneratedFonts::TooManyFonts:
        questions->showNotice(QMyMessageBox::Information,
                              tr("字库不可以超过%1个！").arg(GeneratedFonts::MaxCount));
        setFontCommandsEnabled(true);
        return;
    case GeneratedFonts::NotANumber:
        questions->showNotice(QMyMessageBox::Information, tr("字体名称应该为数字！"));
        setFontCommandsEnabled(true);
        return;
    case GeneratedFonts::OutOfRange:
        questions->showNotice(QMyMessageBox::Information,
                              tr("名称为数值，且数值范围为0-%1！").arg(GeneratedFonts::MaxNumber));
        setFontCommandsEnabled(true);
        return;
    case GeneratedFonts::NumberOk:
        break;
    }
    // A size the module cannot draw would keep the converter busy for a minute or more.
    int size = 0;
    if (!GeneratedFonts::checkSize(form->editFontSize->text(), &size)) {
        questions->showNotice(QMyMessageBox::Information, GeneratedFonts::sizeRangeNotice());
        setFontCommandsEnabled(true);
        return;
    }
    // Without one the converter would only fail on a path that names the folder.
    if (form->cbTtf->currentText().isEmpty()) {
        questions->showNotice(QMyMessageBox::Information, GeneratedFonts::noTtfNotice());
        setFontCommandsEnabled(true);
        return;
    }

    const QString fonts =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts"));
    if (!QDir().mkpath(fonts)) {
        slotFontConverted(false, QDir::toNativeSeparators(fonts));
        return;
    }
    FontConverter::Request request;
    request.ttfPath =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempTtf"))
        + QLatin1Char('/') + form->cbTtf->currentText();
    request.symbols = form->textEditFont->toPlainText();
    request.size = size;
    request.bpp = form->cbBpp->currentText().toInt();
    // Depth 3 is the one the module reads compressed.
    request.compress = request.bpp == 3;
    request.outputPath = GeneratedFonts::fontPath(fonts, number);
    request.paramPath = GeneratedFonts::paramPath(fonts, number);
    request.params.fontName = number;
    request.params.fontTtf = form->cbTtf->currentText();
    request.params.fontSize = form->editFontSize->text();
    request.params.fontBbp = form->cbBpp->currentText();
    request.params.fontText = request.symbols;
    fontBeingMade = number;
    fontBeingMadeProject = document.projectPath();
    fontConversionCancelled = false;
    download->progressWindow()->setTitle(tr("生成字体"));
    download->progressWindow()->setProgress(0, 0);
    fontConverter->start(request);
}

void LibraryController::slotFontConverted(bool ok, const QString &message)
{
    download->progressWindow()->hide();
    setFontCommandsEnabled(true);
    // The font went into the project the conversion started in, which may no longer be the
    // one open: the messages then name it, and the open project's lists stay as they are.
    const bool here = fontBeingMadeProject == document.projectPath();
    const QString elsewhere =
        here ? QString() : tr("（项目%1）").arg(QDir::toNativeSeparators(fontBeingMadeProject));
    if (fontConversionCancelled) {
        fontConversionCancelled = false;
        questions->showNotice(QMyMessageBox::Information,
                              tr("已取消生成字体%1，原有的字体不变").arg(fontBeingMade)
                                  + elsewhere);
        return;
    }
    if (!ok) {
        questions->showNotice(QMyMessageBox::Warning, tr("生成字体失败！") + message + elsewhere);
        return;
    }
    QFile font(GeneratedFonts::fontPath(
        ProjectFolder::subfolder(fontBeingMadeProject, QStringLiteral("tempFonts")),
        fontBeingMade));
    const int characters =
        font.open(QIODevice::ReadOnly) ? GeneratedFonts::characterCount(font.readAll()) : -1;
    if (characters == 0)
        questions->showNotice(
            QMyMessageBox::Warning,
            tr("字体%1已生成，但其中没有任何字符：ttf文件中既没有ASCII字符，也没有“内容”里的字符！")
                    .arg(fontBeingMade)
                + elsewhere);
    else if (here)
        questions->showNotice(QMyMessageBox::Information, tr("生成字体成功"));
    else
        questions->showNotice(QMyMessageBox::Information,
                              tr("生成字体%1成功").arg(fontBeingMade) + elsewhere);
    if (!here)
        return;
    refreshFontList();
    const int row = document.fontIds().indexOf(fontBeingMade);
    if (row >= 0)
        form->tvFontName->selectRow(row);
    document.markFontChanged(fontBeingMade.toInt());
    emit fontsChanged();
}

void LibraryController::cancelFontConversion()
{
    if (!fontConverter || !fontConverter->isRunning())
        return;
    fontConversionCancelled = true;
    fontConverter->cancel();
}

void LibraryController::setFontCommandsEnabled(bool enabled)
{
    for (QWidget *w :
         {static_cast<QWidget *>(form->btnCreateFont), static_cast<QWidget *>(form->btnDelFont),
          static_cast<QWidget *>(form->btnAddTtf), static_cast<QWidget *>(form->btnDelTtf)})
        w->setEnabled(enabled);
}

bool LibraryController::isFontBeingMade() const
{
    return fontConverter && fontConverter->isRunning();
}

void LibraryController::on_btnDelFont_clicked()
{
    const int row = form->tvFontName->currentIndex().row();
    if (row < 0 || row >= document.fontIds().size())
        return;
    if (download->refuseWhileDownloading(tr("下载中，不可删除！")))
        return;
    const QString number = document.fontIds().at(row);
    questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                   tr("您是否需要删除列表中选择的字体？"), [this, number] { deleteFont(number); });
}

void LibraryController::deleteFont(const QString &number)
{
    // Never while the converter writes the folder (the question does not block, so a
    // conversion can have started behind it); only a font still listed.
    if (isFontBeingMade()) {
        questions->showNotice(QMyMessageBox::Warning,
                              tr("正在生成字体，字体%1未删除，请在生成结束后再删除！").arg(number));
        return;
    }
    if (!document.fontIds().contains(number))
        return;
    const QString fonts =
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts"));
    // The font file first: while it stays, the font stays whole, with its parameters.
    const QString font = GeneratedFonts::fontPath(fonts, number);
    const QString params = GeneratedFonts::paramPath(fonts, number);
    if (!LibraryFiles::removeFile(font))
        reportKeptFiles({QFileInfo(font).fileName()});
    else if (!LibraryFiles::removeFile(params))
        reportKeptFiles({QFileInfo(params).fileName()});
    refreshFontList();
    resetFontForm();
    document.markFontChanged(number.toInt());
    emit fontsChanged();
}

void LibraryController::resetFontForm()
{
    form->editFontName->clear();
    form->cbTtf->setCurrentIndex(0);
    form->editFontSize->clear();
    form->cbBpp->setCurrentIndex(0);
    form->textEditFont->clear();
}

void LibraryController::on_tvFontName_clicked(const QModelIndex &index)
{
    if (index.row() < 0)
        return;
    const QString number = fontModel->index(index.row(), 2).data().toString();
    const GeneratedFonts::Params p = GeneratedFonts::readParams(GeneratedFonts::paramPath(
        ProjectFolder::openProjectSubfolder(document.projectPath(), QStringLiteral("tempFonts")),
        number));
    form->editFontName->setText(number);
    const int ttf = form->cbTtf->findText(p.fontTtf);
    if (ttf >= 0)
        form->cbTtf->setCurrentIndex(ttf);
    form->editFontSize->setText(p.fontSize);
    const int bpp = form->cbBpp->findText(p.fontBbp);
    if (bpp >= 0)
        form->cbBpp->setCurrentIndex(bpp);
    form->textEditFont->setPlainText(p.fontText);
}

void LibraryController::on_btnFontDlg_clicked()
{
    if (document.isProjectOpen())
        fontDlg->showDlg();
    else
        questions->showNotice(QMyMessageBox::Information, tr("未加载项目，请您先创建或导入项目！"));
}
