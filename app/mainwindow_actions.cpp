// Quitting: the save question, a download that is still running, a library that could not
// be restored.

#include "mainwindow.h"

#include "designdocument.h"
#include "downloadcontroller.h"
#include "librarycontroller.h"
#include "projectcontroller.h"
#include "qmymessagebox.h"

// "是" saves and quits, "否" quits without saving, "取消" stays.
void MainWindow::askSaveAndQuit()
{
    questionBox->ask(
        QMyMessageBox::Information, QMyMessageBox::YesNoCancel, tr("退出软件前是否保存当前项目？"),
        [this] { quitAsAnswered(true); }, [this] { quitAsAnswered(false); },
        [this] { quitWhenIdle = false; });
}

void MainWindow::quitAsAnswered(bool save)
{
    // A download started while the question was open is asked about first.
    if (downloadRoom->isJobPending())
        askQuitDuringDownload();
    else if (save)
        saveAndQuit();
    else
        quitWithoutSaving();
}

void MainWindow::askQuitDuringDownload()
{
    const QString job = downloadRoom->pendingJobName();
    // "是" waits for the download, "否" cancels it; either way the window closes after it.
    questionBox->ask(
        QMyMessageBox::Warning, QMyMessageBox::YesNoCancel,
        tr("%1正在进行中，是否等待其完成后再退出？\n"
           "“否”：立即取消%1并退出；“取消”：不退出。")
            .arg(job),
        [this] { quitWhenDownloadEnds(false); }, [this] { quitWhenDownloadEnds(true); },
        [this] { quitWhenIdle = false; });
}

// The window closes (asking the usual question) once the worker is idle; a cancelled batch
// is ended on the line first, so that the module is not left inside it.
void MainWindow::quitWhenDownloadEnds(bool cancel)
{
    quitWhenIdle = true;
    if (cancel)
        downloadRoom->cancelJob();
    if (!downloadRoom->isJobPending()) {
        quitWhenIdle = false;
        close();
    }
}

// The window closes once the link is idle, after the user chose to wait for it.
void MainWindow::quitWhenIdleLinkAllows()
{
    if (quitWhenIdle && !downloadRoom->isJobPending()) {
        quitWhenIdle = false;
        close();
    }
}

void MainWindow::saveAndQuit()
{
    if (projectRoom->saveProXml()) {
        closeAndQuit();
    } else {
        resultBox->showNotice(QMyMessageBox::Warning, projectRoom->saveFailureText());
    }
}

void MainWindow::quitWithoutSaving()
{
    QStringList failures;
    if (!libraryRoom->restoreImagesFromMirror(&failures)) {
        // The next opening would take the unsaved library for the saved one.
        questionBox->ask(QMyMessageBox::Warning, QMyMessageBox::YesNo,
                         libraryRoom->restoreFailureText(failures) + QLatin1Char('\n')
                             + tr("仍要退出吗？"),
                         [this] { closeAndQuit(); });
        return;
    }
    closeAndQuit();
}

void MainWindow::closeAndQuit()
{
    // The close is not asked again and tells main() to quit.
    quitting = true;
    close();
}
