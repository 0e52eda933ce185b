#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "designdocument.h"
#include "downloadcontroller.h"
#include "languagedlg.h"
#include "librarycontroller.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmytextfit.h"
#include "terminalcontroller.h"
#include "version.h"

// Every text is set again explicitly after a switch; the font tool window and the message
// boxes are left alone (a box gets its texts with each message).
void MainWindow::slotRefleshUI(QString)
{
    downloadRoom->retranslate();
    propertiesRoom->retranslate();
    terminalRoom->retranslate();
    projectRoom->retranslate();
    languageDlg->retranslate();
    versionDlg->retranslate();
    refreshLanguage();
}

void MainWindow::refreshLanguage()
{
    form->frame->retranslate();
    form->retranslateUi(this);
    QMyTextFit::fitButtons(this);
    terminalRoom->initInstrExamples();
    pagesRoom->retranslate();
    projectRoom->showTitle();
    // The sheet shown, whether of the page, a widget or a timer, is made again in the new
    // language.
    if (document().isProjectOpen())
        propertiesRoom->slotRefleshEvent();
    libraryRoom->retranslate();
    downloadRoom->showBarOutcome();
}

void MainWindow::on_btnLanguage_clicked()
{
    languageDlg->show();
}

void MainWindow::on_btnVersion_clicked()
{
    versionDlg->show();
}
