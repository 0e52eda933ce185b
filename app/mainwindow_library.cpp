#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bootdlg.h"
#include "designglobals.h"
#include "foldermirror.h"
#include "fontconverter.h"
#include "fontdlg.h"
#include "fontlibraryfiles.h"
#include "generatedfonts.h"
#include "imagelibrary.h"
#include "imagereferences.h"
#include "libraryfiles.h"
#include "pageparam.h"
#include "picturefile.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "qmypropertysheet.h"
#include "qmywidget.h"
#include "qtusertypeone_imagemanager.h"
#include "serialportdlg.h"
#include "sheetrules.h"
#include "tablelook.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStandardItem>

// The image library, the font-library files, the TrueType sources and the generated fonts
// as the window shows them. The rules live in library/.

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

// ---- image library ----

void MainWindow::initImageTable()
{
    imageDeleteMode = false;
    designDocument.setPictures({});
    form->tvImage->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    resetLibraryTable(form->tvImage, imageModel, imageTableHeaders, {20, 40, 55, 65, 65, 65}, 50);
    if (designDocument.isProjectOpen())
        loadImageFiles();
}

// An empty table with its headers and widths, the check column and its buttons hidden.
void MainWindow::resetLibraryTable(QTableView *view, QMyImageItemModel *model,
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
void MainWindow::reloadLibrary()
{
    initImageTable();
    initFontTable();
    refreshTtfList();
    refreshFontList();
    // The form held a font of the project that was open before.
    resetFontForm();
}

void MainWindow::loadImageFiles()
{
    const QString images = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                               QStringLiteral("tempImages"));
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

void MainWindow::addImageFileRow(int row, const QString &path)
{
    const int modelType = designDocument.modelType();
    const QSize size = ImageLibrary::pixelSize(path);
    designDocument.addPicture(path);

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

void MainWindow::showImageLibrarySize()
{
    const double kb = ImageLibrary::sizeKB(designDocument.pictures(), designDocument.modelType());
    setImageLibrarySizeKB(int(kb));
    form->labImageSize->setText(tr("文件总大小：%1KB").arg(QString::number(kb, 'f', 2)));
    form->labImageSize->show();
}

void MainWindow::importImages(const QStringList &files)
{
    ImageLibrary::Refusals refused;
    const LibraryFiles::ImportReport report =
        ImageLibrary::importFiles(ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                                      QStringLiteral("tempImages")),
                                  files, &refused);
    for (const QString &path : report.copied) {
        addImageFileRow(imageModel->rowCount(), path);
        imagesChanged = true;
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
        questionBox->showNotice(QMyMessageBox::Warning, parts.join(QStringLiteral("\n\n")));
}

void MainWindow::reportFailedCopies(const QStringList &failures)
{
    if (!failures.isEmpty())
        questionBox->showNotice(QMyMessageBox::Warning,
                                tr("以下文件未能复制：\n%1").arg(failures.join(QLatin1Char('\n'))));
}

bool MainWindow::copyDirFiles(const QString &source, const QString &destination,
                              QStringList *failures)
{
    return FolderMirror::copyFiles(source, destination, failures);
}

bool MainWindow::removeDirRecursively(const QString &folder)
{
    return FolderMirror::removeRecursively(folder);
}

// The mirror holds the library as it was at the last load or save. One that could not be
// refreshed is older than that and is never copied back, so that leaving without saving
// cannot remove pictures the saved project uses.
void MainWindow::refreshImageMirror()
{
    QStringList failures;
    imageMirrorCurrent =
        copyDirFiles(ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                         QStringLiteral("tempImages")),
                     ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                         QStringLiteral("backUpImages")),
                     &failures);
    if (!imageMirrorCurrent)
        questionBox->showNotice(
            QMyMessageBox::Warning,
            (QStringList() << tr("图库备份失败！") << failures).join(QLatin1Char('\n')));
}

// Copies the mirror back over the image folder; a missing or failed mirror leaves the
// images as they are. A failed copy is described in failures (and false returned).
bool MainWindow::restoreImagesFromMirror(QStringList *failures)
{
    if (!designDocument.isProjectOpen() || !imageMirrorCurrent)
        return true;
    return copyDirFiles(ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                            QStringLiteral("backUpImages")),
                        ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                            QStringLiteral("tempImages")),
                        failures);
}

// Leaving a project without saving: the library goes back to the saved one, or the user
// learns that it keeps the unsaved changes and why.
void MainWindow::discardImageChanges()
{
    QStringList failures;
    if (!restoreImagesFromMirror(&failures))
        questionBox->showNotice(QMyMessageBox::Warning, restoreFailureText(failures));
}

QString MainWindow::restoreFailureText(const QStringList &failures) const
{
    return (QStringList() << tr("图库未能恢复到上次保存或打开时的状态，未保存的图片修改仍在：")
                          << failures)
        .join(QLatin1Char('\n'));
}

// Removes the checked pictures, lowest row first. The design renumbers every reference so
// that nothing shows another picture afterwards; the table follows it.
void MainWindow::deleteCheckedImages()
{
    const bool rowsLeft =
        removeCheckedRows(form->tvImage, imageModel, designDocument.pictures(), 0, [this](int i) {
            imagesChanged = true;
            designDocument.removePicture(i);
        });
    if (!rowsLeft)
        imageDeleteMode = false;
    currentImageRow = -1;
    form->tvImage->reset();
    if (designDocument.pictures().isEmpty()) {
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
bool MainWindow::removeCheckedRows(QTableView *view, QMyImageItemModel *model, QStringList paths,
                                   int firstNumber, const std::function<void(int)> &removed)
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

void MainWindow::reportKeptFiles(const QStringList &names)
{
    if (!names.isEmpty())
        questionBox->showNotice(
            QMyMessageBox::Warning,
            tr("以下文件无法删除，已保留：\n%1").arg(names.join(QLatin1Char('\n'))));
}

void MainWindow::removeLibraryRow(QMyImageItemModel *model, int row)
{
    model->removeRow(row);
}

// The design renumbered its own references; the picture table and what the window keeps
// outside the design follow.
void MainWindow::followPictureRemoved(int number)
{
    removeLibraryRow(imageModel, number);
    // A copied page is pasted with the pictures it showed when it was copied.
    ImageReferences::renumberPage(clipboardPage, number);
    for (QMyWidget *widget : qAsConst(clipboardWidgets))
        ImageReferences::renumberWidget(widget, number);

    // The shown sheet follows its picture rows.
    if (currentWidget) {
        for (const QString &key : ImageReferences::widgetKeys())
            sheet->setImageText(key, SheetRules::imageText(currentWidget->intValue(key)));
    }
    const PageParam *page = designDocument.page(designDocument.currentPage());
    if (selectionKind == SelectionKind::Page && page)
        sheet->setImageText(QStringLiteral("pageImageNum"),
                            SheetRules::imageText(page->pageImageNum()));
}

void MainWindow::setImageLibrarySizeKB(int kb)
{
    imageLibrarySizeKB = kb;
    // The text-instruction link refuses a picture library larger than the module's flash.
    serialPortDlg->setImageLibrarySizeKB(kb);
}

void MainWindow::on_tvImage_clicked(const QModelIndex &index)
{
    if (checkClickedRow(form->tvImage, imageModel, index.row(), imageDeleteMode))
        currentImageRow = index.row();
}

// ---- the buttons above the tabs ----

void MainWindow::on_btnImageFontAdd_clicked()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未新建或加载项目，请您先新建或加载项目！"));
        return;
    }
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (form->tabWidgetImageFont->currentIndex() == ImageTab) {
        const QStringList files = QFileDialog::getOpenFileNames(this, tr("选择图片"), QString(),
                                                                QStringLiteral("(*.png *.jpg)"));
        if (!files.isEmpty())
            importImages(files);
    } else {
        const QStringList files = QFileDialog::getOpenFileNames(this, tr("选择字库"), QString(),
                                                                QStringLiteral("(*.bin)"));
        if (!files.isEmpty())
            importFontLibraryFiles(files);
    }
}

void MainWindow::on_btnImageFontSub_clicked()
{
    if (refuseWhileDownloading(tr("下载中，不可删除！")))
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
        questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                         tr("您是否需要删除选中的图片？"), [this] { deleteCheckedImages(); });
    else
        questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                         tr("是否删除选中的字库？"), [this] { deleteCheckedFontLibraryFiles(); });
}

void MainWindow::on_btnImageFontAll_clicked()
{
    const bool images = form->tabWidgetImageFont->currentIndex() == ImageTab;
    QMyImageItemModel *model = images ? imageModel : fontLibraryModel;
    model->setAllCheckStates(model->checkedCount() < model->rowCount() ? Qt::Checked
                                                                       : Qt::Unchecked);
}

void MainWindow::on_btnImageFontCannel_clicked()
{
    const bool images = form->tabWidgetImageFont->currentIndex() == ImageTab;
    QMyImageItemModel *model = images ? imageModel : fontLibraryModel;
    model->setAllCheckStates(Qt::Unchecked);
    (images ? form->tvImage : form->tvFont)->hideColumn(0);
    form->btnImageFontAll->hide();
    form->btnImageFontCannel->hide();
    (images ? imageDeleteMode : fontLibraryDeleteMode) = false;
}

void MainWindow::on_tabWidgetImageFont_currentChanged(int index)
{
    const bool images = index == ImageTab;
    const bool deleteMode = images ? imageDeleteMode : fontLibraryDeleteMode;
    QTableView *view = images ? form->tvImage : form->tvFont;
    view->setColumnHidden(0, !deleteMode);
    form->btnImageFontAll->setVisible(deleteMode);
    form->btnImageFontCannel->setVisible(deleteMode);
}

void MainWindow::on_btnDownLoad_clicked()
{
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    if (form->tabWidgetImageFont->currentIndex() == ImageTab) {
        if (designDocument.pictures().isEmpty())
            questionBox->showNotice(QMyMessageBox::Information,
                                    tr("未添加图片无法下载，请您先添加图片！"));
        else
            questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                             tr("您是否需要下载图库？"), [this] { downloadImages(); });
    } else {
        if (designDocument.fontIds().isEmpty())
            questionBox->showNotice(QMyMessageBox::Information,
                                    tr("未生成有字体文件，无法下载，请您先生成字体文件！"));
        else
            questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                             tr("您是否需要下载字库？"), [this] { downloadFonts(); });
    }
}

// The download worker reads the picture and font lists while a job runs, so nothing may
// change them meanwhile.
bool MainWindow::refuseWhileDownloading(const QString &message)
{
    if (!downloadJobPending())
        return false;
    questionBox->showNotice(QMyMessageBox::Warning, message);
    return true;
}

// ---- font-library files ----

void MainWindow::initFontTable()
{
    fontLibraryDeleteMode = false;
    designDocument.setFontPaths({});
    resetLibraryTable(form->tvFont, fontLibraryModel, fontLibraryTableHeaders,
                      {20, 40, 80, 65, 65, 65}, 0);
    if (designDocument.isProjectOpen())
        loadFontFiles();
}

void MainWindow::loadFontFiles()
{
    const QString fonts = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                              QStringLiteral("tempFonts"));
    if (QDir().mkpath(fonts)) {
        for (const QString &name : FontLibraryFiles::list(fonts))
            addFontFileRow(fontLibraryModel->rowCount(), fonts + QLatin1Char('/') + name);
        form->tvFont->setModel(fontLibraryModel);
    }
    const QString ttf = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                            QStringLiteral("tempTtf"));
    if (!QDir().mkpath(ttf))
        qWarning() << "cannot create" << ttf;
}

void MainWindow::addFontFileRow(int row, const QString &path)
{
    QString size;
    const FontLibraryFiles::Kind kind = FontLibraryFiles::kindOf(path, &size);
    if (kind == FontLibraryFiles::NotAccepted)
        return;
    QStringList paths = designDocument.fontPaths();
    designDocument.setFontPaths(paths << path);
    fontLibraryModel->setItem(row, 1, centredItem(QString::number(row + 1)));
    fontLibraryModel->setItem(row, 2, centredItem(QFileInfo(path).fileName()));
    fontLibraryModel->setItem(row, 3, centredItem(size));
    fontLibraryModel->setItem(
        row, 4, centredItem(kind == FontLibraryFiles::Chinese ? tr("中文") : tr("英文")));
    fontLibraryModel->setItem(row, 5,
                              centredItem(ImageLibrary::kbText(QFileInfo(path).size() / 1024.0)));
}

void MainWindow::importFontLibraryFiles(const QStringList &files)
{
    const LibraryFiles::ImportReport report =
        LibraryFiles::importFiles(ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                                      QStringLiteral("tempFonts")),
                                  files);
    for (const QString &path : report.copied)
        addFontFileRow(fontLibraryModel->rowCount(), path);
    form->tvFont->setModel(fontLibraryModel);
    reportFailedCopies(report.failures());
}

void MainWindow::deleteCheckedFontLibraryFiles()
{
    // Font-library files have nothing to do with the pictures: imagesChanged stays.
    const auto removed = [this](int i) {
        removeLibraryRow(fontLibraryModel, i);
        QStringList paths = designDocument.fontPaths();
        paths.removeAt(i);
        designDocument.setFontPaths(paths);
    };
    if (!removeCheckedRows(form->tvFont, fontLibraryModel, designDocument.fontPaths(), 1, removed))
        fontLibraryDeleteMode = false;
    form->tvFont->reset();
}

void MainWindow::on_tvFont_clicked(const QModelIndex &index)
{
    checkClickedRow(form->tvFont, fontLibraryModel, index.row(), fontLibraryDeleteMode);
}

// ---- TrueType sources ----

void MainWindow::refreshTtfList()
{
    form->cbTtf->clear();
    const QString folder = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                               QStringLiteral("tempTtf"));
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    form->cbTtf->addItems(LibraryFiles::listFiles(folder, {QStringLiteral("*.ttf")}));
}

void MainWindow::on_btnAddTtf_clicked()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未加载项目，请您先创建或导入项目！"));
        return;
    }
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("选择字库"), FontDlg::systemFontFolder(), QStringLiteral("(*.ttf)"));
    if (!files.isEmpty())
        addTtfFiles(files);
}

void MainWindow::addTtfFiles(const QStringList &files)
{
    const QString remembered = form->cbTtf->currentText();
    const LibraryFiles::ImportReport report =
        LibraryFiles::importFiles(ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                                      QStringLiteral("tempTtf")),
                                  files);
    refreshTtfList();
    const int index = form->cbTtf->findText(remembered);
    if (index >= 0)
        form->cbTtf->setCurrentIndex(index);
    reportFailedCopies(report.failures());
}

void MainWindow::on_btnDelTtf_clicked()
{
    // The answer deletes the file the question names, whatever the list shows by then.
    const QString name = form->cbTtf->currentText();
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                     tr("您是否需要删除%1文件？").arg(name), [this, name] { deleteTtf(name); });
}

void MainWindow::deleteTtf(const QString &name)
{
    const QString folder = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                               QStringLiteral("tempTtf"));
    if (designDocument.isProjectOpen() && !LibraryFiles::removeInside(folder, name)
        && QFileInfo::exists(folder + QLatin1Char('/') + name))
        reportKeptFiles({name});
    refreshTtfList();
}

// ---- generated fonts ----

// The models and headers come from earlier steps; the tables list the start-up project
// later, when it is opened.
void MainWindow::setUpLibraryTables()
{
    imageModel = new QMyImageItemModel;
    fontLibraryModel = new QMyImageItemModel;
    initImageTable();
    initFontTable();
}

void MainWindow::setUpFontTable()
{
    fontDlg = new FontDlg(&designDocument);
    fontModel = new QMyImageItemModel;
    TableLook::apply(form->tvFontName);
}

void MainWindow::refreshFontList()
{
    const int remembered = form->tvFontName->currentIndex().row();
    fontModel->clearAll();
    fontModel->setHorizontalHeaderLabels(fontTableHeaders);
    form->tvFontName->setModel(fontModel);
    form->tvFontName->setColumnWidth(0, 20);
    form->tvFontName->hideColumn(0);
    TableLook::fitHeaders(form->tvFontName);
    designDocument.setFontIds({});
    const QString folder = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                               QStringLiteral("tempFonts"));
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        form->labFontSize->clear();
        return;
    }
    showGeneratedFontsSize();
    designDocument.setFontIds(GeneratedFonts::listNumbers(folder));
    const QStringList &fontIds = designDocument.fontIds();
    for (int row = 0; row < fontIds.size(); ++row) {
        fontModel->setItem(row, 1, centredItem(QString::number(row + 1)));
        fontModel->setItem(row, 2, centredItem(fontIds.at(row)));
    }
    if (remembered >= 0 && remembered < fontIds.size())
        form->tvFontName->selectRow(remembered);
}

void MainWindow::showGeneratedFontsSize()
{
    const QString folder = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                               QStringLiteral("tempFonts"));
    if (folder.isEmpty() || !QDir(folder).exists()) {
        form->labFontSize->clear();
        return;
    }
    form->labFontSize->setText(
        tr("文件总大小：%1KB").arg(QString::number(GeneratedFonts::fontFilesKB(folder), 'f', 2)));
}

void MainWindow::refreshFontIdProperty()
{
    if (!currentWidget)
        return;
    const WidgetType type = currentWidget->getType();
    if (type != WidgetType::Btn && type != WidgetType::Lab && type != WidgetType::TextBox)
        return;
    sheet->refreshFontChoice(QStringLiteral("fontID"), currentWidget->getFontID());
}

void MainWindow::on_btnCreateFont_clicked()
{
    if (fontConverter->isRunning())
        return;
    if (refuseWhileDownloading(tr("下载中请稍后重试！")))
        return;
    setFontCommandsEnabled(false);
    // The converter is looked for once a run, until it answers.
    if (!npmInstalled)
        fontConverter->checkInstalled();
    else
        generateFont();
}

void MainWindow::slotFontConverterChecked(bool ok)
{
    npmInstalled = ok;
    if (!ok)
        questionBox->showNotice(QMyMessageBox::Warning,
                                tr("未配置正确node，请您确认node是否正确安装！"));
    generateFont();
}

void MainWindow::generateFont()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未加载项目，请您先创建或导入项目！"));
        setFontCommandsEnabled(true);
        return;
    }
    QString number;
    switch (GeneratedFonts::checkNumber(form->editFontName->text(), designDocument.fontIds(),
                                        &number)) {
    case GeneratedFonts::TooManyFonts:
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("字库不可以超过%1个！").arg(GeneratedFonts::MaxCount));
        setFontCommandsEnabled(true);
        return;
    case GeneratedFonts::NotANumber:
        questionBox->showNotice(QMyMessageBox::Information, tr("字体名称应该为数字！"));
        setFontCommandsEnabled(true);
        return;
    case GeneratedFonts::OutOfRange:
        questionBox->showNotice(
            QMyMessageBox::Information,
            tr("名称为数值，且数值范围为0-%1！").arg(GeneratedFonts::MaxNumber));
        setFontCommandsEnabled(true);
        return;
    case GeneratedFonts::NumberOk:
        break;
    }
    // A size the module cannot draw would keep the converter busy for a minute or more.
    int size = 0;
    if (!GeneratedFonts::checkSize(form->editFontSize->text(), &size)) {
        questionBox->showNotice(QMyMessageBox::Information, GeneratedFonts::sizeRangeNotice());
        setFontCommandsEnabled(true);
        return;
    }

    const QString fonts = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                              QStringLiteral("tempFonts"));
    if (!QDir().mkpath(fonts)) {
        slotFontConverted(false, QDir::toNativeSeparators(fonts));
        return;
    }
    FontConverter::Request request;
    request.ttfPath =
        ProjectFolder::openProjectSubfolder(designDocument.projectPath(), QStringLiteral("tempTtf"))
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
    fontBeingMadeProject = designDocument.projectPath();
    fontConversionCancelled = false;
    progressWindow->setTitle(tr("生成字体"));
    progressWindow->setProgress(0, 0);
    fontConverter->start(request);
}

void MainWindow::slotFontConverted(bool ok, const QString &message)
{
    progressWindow->hide();
    setFontCommandsEnabled(true);
    // The font went into the project the conversion started in, which may no longer be the
    // one open: the messages then name it, and the open project's lists stay as they are.
    const bool here = fontBeingMadeProject == designDocument.projectPath();
    const QString elsewhere =
        here ? QString() : tr("（项目%1）").arg(QDir::toNativeSeparators(fontBeingMadeProject));
    if (fontConversionCancelled) {
        fontConversionCancelled = false;
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("已取消生成字体%1，原有的字体不变").arg(fontBeingMade)
                                    + elsewhere);
        return;
    }
    if (!ok) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("生成字体失败！") + message + elsewhere);
        return;
    }
    const QString folder = QFileInfo(fontBeingMadeProject).absolutePath();
    QFile font(GeneratedFonts::fontPath(folder + QStringLiteral("/tempFonts"), fontBeingMade));
    const int characters =
        font.open(QIODevice::ReadOnly) ? GeneratedFonts::characterCount(font.readAll()) : -1;
    if (characters == 0)
        questionBox->showNotice(
            QMyMessageBox::Warning,
            tr("字体%1已生成，但其中没有任何字符：ttf文件中既没有ASCII字符，也没有“内容”里的字符！")
                    .arg(fontBeingMade)
                + elsewhere);
    else if (here)
        questionBox->showNotice(QMyMessageBox::Information, tr("生成字体成功"));
    else
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("生成字体%1成功").arg(fontBeingMade) + elsewhere);
    if (!here)
        return;
    refreshFontList();
    const int row = designDocument.fontIds().indexOf(fontBeingMade);
    if (row >= 0)
        form->tvFontName->selectRow(row);
    refreshFontIdProperty();
}

void MainWindow::cancelFontConversion()
{
    if (!fontConverter || !fontConverter->isRunning())
        return;
    fontConversionCancelled = true;
    fontConverter->cancel();
}

void MainWindow::setFontCommandsEnabled(bool enabled)
{
    for (QWidget *w :
         {static_cast<QWidget *>(form->btnCreateFont), static_cast<QWidget *>(form->btnDelFont),
          static_cast<QWidget *>(form->btnAddTtf), static_cast<QWidget *>(form->btnDelTtf)})
        w->setEnabled(enabled);
}

bool MainWindow::isFontBeingMade() const
{
    return fontConverter && fontConverter->isRunning();
}

void MainWindow::on_btnDelFont_clicked()
{
    const int row = form->tvFontName->currentIndex().row();
    if (row < 0 || row >= designDocument.fontIds().size())
        return;
    if (refuseWhileDownloading(tr("下载中，不可删除！")))
        return;
    const QString number = designDocument.fontIds().at(row);
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                     tr("您是否需要删除列表中选择的字体？"),
                     [this, number] { deleteFont(number); });
}

void MainWindow::deleteFont(const QString &number)
{
    // Never while the converter writes the folder (the question does not block, so a
    // conversion can have started behind it); only a font still listed.
    if (isFontBeingMade()) {
        questionBox->showNotice(
            QMyMessageBox::Warning,
            tr("正在生成字体，字体%1未删除，请在生成结束后再删除！").arg(number));
        return;
    }
    if (!designDocument.fontIds().contains(number))
        return;
    const QString fonts = ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                              QStringLiteral("tempFonts"));
    // The font file first: while it stays, the font stays whole, with its parameters.
    const QString font = GeneratedFonts::fontPath(fonts, number);
    const QString params = GeneratedFonts::paramPath(fonts, number);
    if (!LibraryFiles::removeFile(font))
        reportKeptFiles({QFileInfo(font).fileName()});
    else if (!LibraryFiles::removeFile(params))
        reportKeptFiles({QFileInfo(params).fileName()});
    refreshFontList();
    resetFontForm();
    refreshFontIdProperty();
}

void MainWindow::resetFontForm()
{
    form->editFontName->clear();
    form->cbTtf->setCurrentIndex(0);
    form->editFontSize->clear();
    form->cbBpp->setCurrentIndex(0);
    form->textEditFont->clear();
}

void MainWindow::on_tvFontName_clicked(const QModelIndex &index)
{
    if (index.row() < 0)
        return;
    const QString number = fontModel->index(index.row(), 2).data().toString();
    const GeneratedFonts::Params p = GeneratedFonts::readParams(
        GeneratedFonts::paramPath(ProjectFolder::openProjectSubfolder(designDocument.projectPath(),
                                                                      QStringLiteral("tempFonts")),
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

void MainWindow::on_btnFontDlg_clicked()
{
    if (designDocument.isProjectOpen())
        fontDlg->showDlg();
    else
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未加载项目，请您先创建或导入项目！"));
}
