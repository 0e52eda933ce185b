// The instruction terminal and the text-instruction link with its worker.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designglobals.h"
#include "instrtabledlg.h"
#include "qmymessagebox.h"
#include "qmynativeeventfilter.h"
#include "serialportdlg.h"
#include "sysdlg.h"
#include "ymodemportdlg.h"

#include <QRegularExpression>

void MainWindow::createInstructionTerminal()
{
    instrTableDlg = new InstrTableDlg;
}

// The dialog starts the instruction worker's thread and stays hidden.
void MainWindow::createInstructionLink()
{
    serialPortDlg = new SerialPortDlg;
    serialPortDlg->setDesign(&designDocument);
    connect(serialPortDlg, &SerialPortDlg::s_sendMes, this, &MainWindow::slotRecvSerialPortMes);
    connect(serialPortDlg, &SerialPortDlg::s_sendProbar, this, &MainWindow::slotRecePortProbar);
}

// Ports that come and go keep the port lists current and close a link whose port vanished.
void MainWindow::createPortWatcher()
{
    nativeFilter = new QMyNativeEventFilter;
    nativeFilter->setWindowHandle(winId());
    connect(nativeFilter, &QMyNativeEventFilter::comStatus, portDlg, &YModemPortDlg::slotComStatus);
    connect(nativeFilter, &QMyNativeEventFilter::comStatus, instrTableDlg,
            &InstrTableDlg::slotComStatus);
    connect(nativeFilter, &QMyNativeEventFilter::comStatus, serialPortDlg,
            &SerialPortDlg::slotComStatus);
}

void MainWindow::createSystemDialog()
{
    sysDlg = new SysDlg;
    connect(sysDlg, &SysDlg::s_sendMes, this, &MainWindow::slotReceivedSysDlg);
}

void MainWindow::on_btnInstrTable_clicked()
{
    instrTableDlg->showDlg();
}

void MainWindow::on_btnClearRecv_clicked()
{
    form->textBrowserRecv->clear();
}

void MainWindow::slotReceivedSysDlg(int job, QString text)
{
    if (serialPortDlg->isJobActive()) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("下载中请稍后重试！"));
        return;
    }
    serialPortDlg->startJob(job, text + "\r\n");
}

void MainWindow::slotRecePortProbar(int max, int value)
{
    form->progressBarDown->setOrientation(Qt::Horizontal);
    form->progressBarDown->setRange(0, max);
    form->progressBarDown->setValue(value);
    if (value != max) {
        form->progressBarDown->show();
    } else {
        form->progressBarDown->hide();
        imagesChanged = false;
    }
}

// The module confirmed a request: its value becomes the project's and is written back.
void MainWindow::slotRecvSerialPortMes(int kind, QString text)
{
    form->textBrowserRecv->append(text.remove(QRegularExpression("[\r\n]")));
    bool saved = true;
    if (kind == 1) {
        sysDlg->setBaud(sysDlg->requestedBaudText());
        designDocument.setBaud(sysDlg->baudText());
        saved = !designDocument.isProjectOpen() || saveBaudToPro();
    } else if (kind == 2) {
        sysDlg->setBacklight(sysDlg->requestedBacklight());
        designDocument.setBacklight(sysDlg->backlight());
        saved = !designDocument.isProjectOpen() || saveBlValueToPro();
    }
    if (!saved)
        resultBox->showNotice(QMyMessageBox::Warning, withFileError(tr("路径错误，保存失败！")));
}
