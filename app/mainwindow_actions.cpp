#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designglobals.h"
#include "qmymessagebox.h"

#include <QCoreApplication>

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
    if (downloadJobPending())
        askQuitDuringDownload();
    else if (save)
        saveAndQuit();
    else
        quitWithoutSaving();
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
        questionBox->ask(QMyMessageBox::Warning, QMyMessageBox::YesNo,
                         restoreFailureText(failures) + QLatin1Char('\n') + tr("仍要退出吗？"),
                         [this] { closeAndQuit(); });
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
