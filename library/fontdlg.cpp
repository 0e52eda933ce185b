#include "fontdlg.h"
#include "ui_fontdlg.h"

#include "designdocument.h"
#include "fontconverter.h"
#include "libraryfiles.h"
#include "projectfolder.h"
#include "qmymessagebox.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString FontDlg::systemFontFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Windows/Fonts");
#else
    return QStringLiteral("/usr/share/fonts");
#endif
}

FontDlg::FontDlg(const DesignDocument *design, QWidget *parent)
    : QDialog(parent)
    , design(design)
    , form(new Ui::FontDlg)
    , questionBox(new QMyMessageBox)
    , fontConverter(new FontConverter(this))
{
    form->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    connect(fontConverter, &FontConverter::finished, this, &FontDlg::slotConverted);
    // This window waits for the end half as long as the main window's form.
    fontConverter->setTimeouts(30000, 30000);
    if (design->isProjectOpen()) {
        for (const char *name : {"tempFonts", "tempTtf"}) {
            const QString folder =
                ProjectFolder::openProjectSubfolder(design->projectPath(), QLatin1String(name));
            if (!QDir().mkpath(folder))
                qWarning() << "cannot create" << folder;
        }
    }
    hide();
}

FontDlg::~FontDlg()
{
    delete questionBox;
    delete form;
}

void FontDlg::showDlg()
{
    refillTtfList();
    show();
}

void FontDlg::refillTtfList()
{
    form->cbTtf->clear();
    const QString folder =
        ProjectFolder::openProjectSubfolder(design->projectPath(), QStringLiteral("tempTtf"));
    if (folder.isEmpty())
        return;
    if (!QDir().mkpath(folder))
        return;
    form->cbTtf->addItems(LibraryFiles::listFiles(folder, {QStringLiteral("*.ttf")}));
}

void FontDlg::on_btnAddTtf_clicked()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("选择字库"), systemFontFolder(), QStringLiteral("(*.ttf)"));
    if (!files.isEmpty())
        addTtfFiles(files);
}

void FontDlg::addTtfFiles(const QStringList &files)
{
    if (!design->isProjectOpen())
        return;
    const QString remembered = form->cbTtf->currentText();
    const LibraryFiles::ImportReport report = LibraryFiles::importFiles(
        ProjectFolder::openProjectSubfolder(design->projectPath(), QStringLiteral("tempTtf")),
        files);
    refillTtfList();
    if (form->cbTtf->count() > 0) {
        const int index = form->cbTtf->findText(remembered);
        if (index >= 0)
            form->cbTtf->setCurrentIndex(index);
    }
    if (!report.failed.isEmpty())
        questionBox->showNotice(
            QMyMessageBox::Warning,
            tr("以下文件未能复制：\n%1").arg(report.failures().join(QLatin1Char('\n'))));
}

void FontDlg::on_btnDelTtf_clicked()
{
    // The file named in the question is the one deleted, whatever the list shows later.
    const QString name = form->cbTtf->currentText();
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                     tr("您是否需要删除%1文件？").arg(name), [this, name] { deleteTtf(name); });
}

void FontDlg::deleteTtf(const QString &name)
{
    const QString folder =
        ProjectFolder::openProjectSubfolder(design->projectPath(), QStringLiteral("tempTtf"));
    if (!folder.isEmpty() && !LibraryFiles::removeInside(folder, name)
        && QFileInfo::exists(folder + QLatin1Char('/') + name))
        questionBox->showNotice(QMyMessageBox::Warning,
                                tr("以下文件无法删除，已保留：\n%1").arg(name));
    refillTtfList();
}

void FontDlg::on_btnCreatFont_clicked()
{
    if (fontConverter->isRunning())
        return;
    if (!design->isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("未加载项目，请您先创建或导入项目！"));
        return;
    }
    QString number;
    if (!GeneratedFonts::isPlainNumber(form->editFontName->text(), &number)) {
        questionBox->showNotice(
            QMyMessageBox::Warning,
            tr("名称为数值，且数值范围为0-%1！").arg(GeneratedFonts::MaxNumber));
        return;
    }
    int size = 0;
    if (!GeneratedFonts::checkSize(form->editFontSize->text(), &size)) {
        questionBox->showNotice(QMyMessageBox::Warning, GeneratedFonts::sizeRangeNotice());
        return;
    }
    // Without one the converter would only fail on a path that names the folder.
    if (form->cbTtf->currentText().isEmpty()) {
        questionBox->showNotice(QMyMessageBox::Warning, GeneratedFonts::noTtfNotice());
        return;
    }
    FontConverter::Request request;
    request.ttfPath =
        ProjectFolder::openProjectSubfolder(design->projectPath(), QStringLiteral("tempTtf"))
        + QLatin1Char('/') + form->cbTtf->currentText();
    request.symbols = form->textEdit->toPlainText();
    request.size = size;
    request.bpp = form->cbBpp->currentText().toInt();
    request.compress = false;
    request.outputPath = GeneratedFonts::fontPath(
        ProjectFolder::openProjectSubfolder(design->projectPath(), QStringLiteral("tempFonts")),
        number);
    fontNameMade = number;
    form->btnCreatFont->setEnabled(false);
    fontConverter->start(request);
}

void FontDlg::slotConverted(bool ok, const QString &message)
{
    form->btnCreatFont->setEnabled(true);
    if (ok)
        questionBox->showNotice(QMyMessageBox::Information,
                                tr("生成%1.font字体成功").arg(fontNameMade));
    else
        questionBox->showNotice(QMyMessageBox::Warning, message);
}

void FontDlg::on_btnClose_clicked()
{
    hide();
}
