#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designglobals.h"
#include "qmymessagebox.h"

#include <QCoreApplication>

// The answers of questionBox: the code of the confirmed action, QuitWithoutSaving for "否"
// of the quit question, CancelDownloadThenQuit for "否" of the question asked when closing
// during a download, and Cancelled for "取消" of either. Every other answer does nothing.
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
        quitting = true;
        close();
        QCoreApplication::quit();
    } else {
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("路径错误，保存失败！")));
    }
}

void MainWindow::quitWithoutSaving()
{
    restoreImagesFromMirror();
    quitting = true;
    close();
    QCoreApplication::quit();
}
