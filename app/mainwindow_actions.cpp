#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designglobals.h"
#include "qmymessagebox.h"

#include <QCoreApplication>

// The answers of questionBox: the code of the confirmed action, or QuitWithoutSaving for
// "否" of the quit question. Every other answer does nothing.
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
        if (saveProXml()) {
            quitting = true;
            close();
            QCoreApplication::quit();
        } else {
            resultBox->showNotice(QMyMessageBox::Warning,
                                  withFileError(tr("路径错误，保存失败！")));
        }
        break;
    case QuitWithoutSaving:
        restoreImagesFromMirror();
        quitting = true;
        close();
        QCoreApplication::quit();
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
