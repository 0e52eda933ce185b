#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designglobals.h"
#include "qmymessagebox.h"

#include <QCoreApplication>

// The answers of questionBox: the code of the confirmed action, QuitWithoutSaving for "否"
// of the quit question, CancelDownloadThenQuit for "否" of the question asked when closing
// during a download, QuitKeepingImageChanges for "是" of the question asked when the library
// could not be restored, and Cancelled for "取消" of either. Every other answer does nothing.
void MainWindow::slotDealIsNo(int code)
{
    switch (code) {
    case ConfirmDeletePage:
        deleteCurrentPage();
        break;
    case ConfirmDeleteImages:
        deleteCheckedImages();
        break;
    case ConfirmDeleteFontLibrary:
        deleteCheckedFontLibraryFiles();
        break;
    case ConfirmSave:
        if (saveProXml())
            resultBox->showNotice(QMyMessageBox::Information, tr("保存成功！"));
        else
            resultBox->showNotice(QMyMessageBox::Warning,
                                  withFileError(tr("路径错误，保存失败！")));
        break;
    case ConfirmImport:
        importProject();
        break;
    case ConfirmDownloadProject:
        downloadProject();
        break;
    case ConfirmSaveAndQuit:
    case QuitWithoutSaving:
        // A download started while the question was open is asked about first.
        if (downloadJobPending())
            askQuitDuringDownload();
        else if (code == ConfirmSaveAndQuit)
            saveAndQuit();
        else
            quitWithoutSaving();
        break;
    case QuitKeepingImageChanges:
        closeAndQuit();
        break;
    case WaitForDownloadThenQuit:
    case CancelDownloadThenQuit:
        quitWhenDownloadEnds(code == CancelDownloadThenQuit);
        break;
    case QMyMessageBox::Cancelled:
        quitWhenIdle = false;
        break;
    case ConfirmDeleteTtf:
        deleteTtf();
        break;
    case ConfirmDeleteFont:
        deleteFont();
        break;
    case ConfirmDownloadImages:
        downloadImages();
        break;
    case ConfirmDownloadFonts:
        downloadFonts();
        break;
    default:
        break;
    }
}

void MainWindow::saveAndQuit()
{
    if (saveProXml()) {
        closeAndQuit();
    } else {
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("路径错误，保存失败！")));
    }
}

void MainWindow::quitWithoutSaving()
{
    QStringList failures;
    if (!restoreImagesFromMirror(&failures)) {
        // The next opening would take the unsaved library for the saved one.
        questionBox->showMes(QMyMessageBox::Warning, QMyMessageBox::YesNo, QuitKeepingImageChanges,
                             restoreFailureText(failures) + QLatin1Char('\n') + tr("仍要退出吗？"));
        return;
    }
    closeAndQuit();
}

void MainWindow::closeAndQuit()
{
    quitting = true;
    close();
    QCoreApplication::quit();
}
