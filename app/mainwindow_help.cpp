#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "helpdocuments.h"
#include "languagedlg.h"

#include <QMenu>

void MainWindow::on_btnHelp_clicked()
{
    helpMenu->popup(mapToGlobal(QPoint(form->btnHelp->x(), form->btnHelp->y() + 54)));
}

void MainWindow::on_actionUseDocument_triggered()
{
    openHelpDocument(HelpDocument::UseDocument, languageDlg->languageId());
}

void MainWindow::on_actionDocument_triggered()
{
    openHelpDocument(HelpDocument::Document, languageDlg->languageId());
}

void MainWindow::on_actionInstr_triggered()
{
    openHelpDocument(HelpDocument::Instr, languageDlg->languageId());
}

void MainWindow::on_actionProgram_triggered()
{
    openHelpDocument(HelpDocument::Program, languageDlg->languageId());
}

void MainWindow::on_actionNotice_triggered()
{
    openHelpDocument(HelpDocument::Notice, languageDlg->languageId());
}

void MainWindow::on_actionFont_triggered()
{
    openHelpDocument(HelpDocument::Font, languageDlg->languageId());
}

void MainWindow::on_actionOffline_triggered()
{
    openHelpDocument(HelpDocument::Offline, languageDlg->languageId());
}

void MainWindow::on_actionStudy_triggered()
{
    openHelpDocument(HelpDocument::Study, languageDlg->languageId());
}

void MainWindow::on_actionSupport_triggered()
{
    openHelpDocument(HelpDocument::Support, languageDlg->languageId());
}
