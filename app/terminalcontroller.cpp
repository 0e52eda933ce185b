#include "terminalcontroller.h"
#include "ui_mainwindow.h"

#include "designdocument.h"
#include "downloadcontroller.h"
#include "instrtabledlg.h"
#include "projectcontroller.h"
#include "qmyitemmodel.h"
#include "qmymessagebox.h"
#include "qmynativeeventfilter.h"
#include "serialportdlg.h"
#include "sysdlg.h"
#include "ymodemportdlg.h"

#include <QMainWindow>
#include <QStandardItem>

TerminalController::TerminalController(QMainWindow *window, Ui_MainWindow *form,
                                       DesignDocument &document, QMyMessageBox *questions,
                                       QMyMessageBox *results, ProjectController *project,
                                       DownloadController *download, QObject *parent)
    : QObject(parent)
    , form(form)
    , document(document)
    , questions(questions)
    , results(results)
    , project(project)
    , download(download)
    , instrExampleModel(new QMyItemModel(this))
    , instrTableDlg(std::make_unique<InstrTableDlg>())
    , sysDlg(std::make_unique<SysDlg>())
{
    createInstructionLink();
    createPortWatcher(window);
    initInstrExamples();
    connect(sysDlg.get(), &SysDlg::s_sendMes, this, &TerminalController::slotReceivedSysDlg);
    connect(&document, &DesignDocument::settingsChanged, this, &TerminalController::followSettings);
    connect(form->btnInstrTable, &QAbstractButton::clicked, this,
            &TerminalController::on_btnInstrTable_clicked);
    connect(form->btnClearRecv, &QAbstractButton::clicked, this,
            &TerminalController::on_btnClearRecv_clicked);
}

TerminalController::~TerminalController() = default;

// The dialog starts the instruction worker's thread and stays hidden.
void TerminalController::createInstructionLink()
{
    serialPortDlg = std::make_unique<SerialPortDlg>();
    serialPortDlg->setDesign(&document);
    connect(serialPortDlg.get(), &SerialPortDlg::s_sendMes, this,
            &TerminalController::slotRecvSerialPortMes);
    connect(serialPortDlg.get(), &SerialPortDlg::s_sendProbar, this,
            &TerminalController::slotRecePortProbar);
}

// Ports that come and go keep the port lists current and close a link whose port vanished.
void TerminalController::createPortWatcher(QMainWindow *window)
{
    portWatcher = std::make_unique<QMyNativeEventFilter>();
    portWatcher->setWindowHandle(window->winId());
    connect(portWatcher.get(), &QMyNativeEventFilter::comStatus, download->getPortDlg(),
            &YModemPortDlg::slotComStatus);
    connect(portWatcher.get(), &QMyNativeEventFilter::comStatus, instrTableDlg.get(),
            &InstrTableDlg::slotComStatus);
    connect(portWatcher.get(), &QMyNativeEventFilter::comStatus, serialPortDlg.get(),
            &SerialPortDlg::slotComStatus);
}

void TerminalController::followSettings()
{
    if (sysDlg->baudText() != document.baud())
        sysDlg->setBaud(document.baud());
    if (sysDlg->backlight() != document.backlight())
        sysDlg->setBacklight(document.backlight());
}

void TerminalController::setImageLibrarySizeKB(int kb)
{
    serialPortDlg->setImageLibrarySizeKB(kb);
}

void TerminalController::retranslate()
{
    instrTableDlg->retranslate();
    serialPortDlg->retranslate();
    sysDlg->retranslate();
}

void TerminalController::initInstrExamples()
{
    static const char address[] = "http://www.example.com";
    const QStringList instructions = {
        "BL(20);",
        "DELAYMS(100);",
        "JUMP(1);",
        "LCDON(0);",
        QString("QBAR(0,%1);").arg(address),
        "RESET();",
        "SET_BTN(1,1);",
        "SET_BTN_IMG(0,0,1);",
        "SET_NUM(3,20,3);",
        "SET_POINT(5,90);",
        "SET_PROG(4,50);",
        "SET_TXT(2,'关闭');",
        "VER();",
    };
    const QStringList comments = {
        tr("//调整背光的亮度到20 范围：0为最亮 255为最暗"),
        tr("//延时100ms"),
        tr("//跳转到第一页"),
        tr("//关闭lcd"),
        tr("//更新0号二维码的内容为") + address,
        tr("//重启模块"),
        tr("//设置按钮1为按下状态"),
        tr("//修改按钮0,抬起状态时的图片编号为1,并显示出来"),
        tr("//SET_NUM(3,20,3);设置num3的内容为20，占3位"),
        tr("//设置指针5的度数为90度"),
        tr("//设置进度条4的值为50"),
        tr("//设置文本2的内容为'关闭'，注意只支持16个中文"),
        tr("//获取模块的固件版本信息"),
    };

    instrExampleModel->clear();
    instrExampleTexts.clear();
    for (int i = 0; i < instructions.size(); ++i) {
        instrExampleTexts.append(instructions.at(i));
        instrExampleModel->setItem(i, 0, new QStandardItem(instructions.at(i) + comments.at(i)));
    }
    form->groupBoxDebug->hide();
}

void TerminalController::on_btnInstrTable_clicked()
{
    instrTableDlg->showDlg();
}

void TerminalController::on_btnClearRecv_clicked()
{
    form->textBrowserRecv->clear();
}

void TerminalController::slotReceivedSysDlg(int job, QString text)
{
    if (serialPortDlg->isJobActive()) {
        questions->showNotice(QMyMessageBox::Warning, tr("下载中请稍后重试！"));
        return;
    }
    serialPortDlg->startJob(job, text + "\r\n");
}

// Only picture transfers show progress on the text link.
void TerminalController::slotRecePortProbar(int max, int value)
{
    download->showBarProgress(max, value, true);
}

// The module confirmed a request: its value becomes the project's and is written back.
void TerminalController::slotRecvSerialPortMes(int kind, QString text)
{
    download->appendToReceiveBox(text);
    bool saved = true;
    if (kind == 1) {
        sysDlg->setBaud(sysDlg->requestedBaudText());
        document.setBaud(sysDlg->baudText());
        saved = !document.isProjectOpen() || project->saveBaudToPro();
    } else if (kind == 2) {
        sysDlg->setBacklight(sysDlg->requestedBacklight());
        document.setBacklight(sysDlg->backlight());
        saved = !document.isProjectOpen() || project->saveBlValueToPro();
    }
    if (!saved)
        results->showNotice(QMyMessageBox::Warning, project->saveFailureText());
}
