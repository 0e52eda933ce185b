#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designglobals.h"
#include "qmymessagebox.h"

#include <QCoreApplication>

// The answers of questionBox: the code of the confirmed action (odd), 14 for "否" of the
// quit question. Every other answer does nothing.
void MainWindow::slotDealIsNo(int code)
{
    switch (code) {
    case 1:
        deleteCurrentPage();
        break;
    case 7:
        if (saveProXml())
            resultBox->showMes(0, 0, 0, tr("保存成功！"));
        else
            resultBox->showMes(1, 0, 0, tr("路径错误，保存失败！"));
        break;
    case 9:
        importProject();
        break;
    case 13:
        if (saveProXml()) {
            quitting = true;
            close();
            QCoreApplication::quit();
        } else {
            resultBox->showMes(1, 0, 0, tr("路径错误，保存失败！"));
        }
        break;
    case 14:
        restoreImagesFromMirror();
        quitting = true;
        close();
        QCoreApplication::quit();
        break;
    default:
        break;
    }
}
