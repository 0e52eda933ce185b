#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bootdlg.h"
#include "deleventdlg.h"
#include "designglobals.h"
#include "downloadeventdlg.h"
#include "instrtabledlg.h"
#include "languagedlg.h"
#include "pagerenamedlg.h"
#include "qmyeventdlg.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmyitemmodel.h"
#include "qmyprogressbarmes.h"
#include "qmytextfit.h"
#include "serialportdlg.h"
#include "setscreensizedlg.h"
#include "showinfodlg.h"
#include "sysdlg.h"
#include "tablelook.h"
#include "version.h"
#include "ymodemportdlg.h"

#include <QFileInfo>
#include <QImage>
#include <QStandardItem>

// Every text is set again explicitly after a switch; the font tool window and the message
// boxes are left alone (a box gets its texts with each message).
void MainWindow::slotRefleshUI(QString)
{
    bootDlg->retranslate();
    delEventDlg->retranslate();
    downLoadEventDlg->retranslate();
    instrTableDlg->retranslate();
    languageDlg->retranslate();
    pageRenameDlg->retranslate();
    eventDlg->retranslate();
    progressWindow->retranslate();
    serialPortDlg->retranslate();
    screenSizeDlg->retranslate();
    showInfoDlg->retranslate();
    sysDlg->retranslate();
    versionDlg->retranslate();
    portDlg->retranslate();
    refreshLanguage();
}

void MainWindow::refreshLanguage()
{
    form->frame->retranslate();
    form->retranslateUi(this);
    QMyTextFit::fitButtons(this);
    initInstrExamples();
    initTableHeaders();

    fillPalette();

    if (!designDocument.isProjectOpen()) {
        setTitlePath(programPath);
    } else {
        setTitlePath(designDocument.projectPath());
        // The sheet shown, whether of the page, a widget or a timer, is made again in the
        // new language.
        slotRefleshEvent();
    }

    // The library tables and their size labels, whichever language they were filled in.
    const struct
    {
        QMyImageItemModel *model;
        QTableView *view;
        const QStringList &headers;
    } tables[] = {{imageModel, form->tvImage, imageTableHeaders},
                  {fontLibraryModel, form->tvFont, fontLibraryTableHeaders},
                  {fontModel, form->tvFontName, fontTableHeaders}};
    for (const auto &table : tables) {
        if (!table.model)
            continue;
        table.model->setHorizontalHeaderLabels(table.headers);
        TableLook::fitHeaders(table.view);
    }

    showImageLibrarySize();
    showGeneratedFontsSize();
    showBarOutcome();
}

void MainWindow::initInstrExamples()
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

void MainWindow::on_btnLanguage_clicked()
{
    languageDlg->show();
}

void MainWindow::on_btnVersion_clicked()
{
    versionDlg->show();
}
