#include "downloadeventdlg.h"
#include "ui_downloadeventdlg.h"

#include "designglobals.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "qmymessagebox.h"

#include <QCloseEvent>
#include <QTextCursor>

DownLoadEventDlg::DownLoadEventDlg(QWidget *parent)
    : EventHolderDlg(parent)
    , ui(new Ui::DownLoadEventDlg)
    , messageBox(new QMyMessageBox)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    tabPageCount = qMin(ui->tabWidget->count(), int(MaxTabs));
    for (int i = 0; i < tabPageCount; ++i)
        tabPages[i] = ui->tabWidget->widget(i);
    useBoxes[0] = ui->checkBoxUse1;
    useBoxes[1] = ui->checkBoxUse2;
    useBoxes[2] = ui->checkBoxUse3;
    editors[0] = ui->textEdit1;
    editors[1] = ui->textEdit2;
    editors[2] = ui->textEdit3;
    hide();
}

DownLoadEventDlg::~DownLoadEventDlg()
{
    delete messageBox;
    delete ui;
}

void DownLoadEventDlg::showDlg(SelectionKind selectionKind, QMyWidget *widget, TimerParam *timer)
{
    setHolder(selectionKind, widget, timer);
    if (!holder()) {
        dismiss();
        return;
    }
    QTabWidget *tabs = ui->tabWidget;
    tabs->clear();
    for (int i = 0; i < tabPageCount; ++i)
        tabs->addTab(tabPages[i], QString());
    EventInfo info;
    info.setOwnerType(holderOwnerKind());
    const int typeCount = info.typeNames().size();
    setTabTexts();
    for (int key = 0; key < qMin(typeCount, int(SlotTabs)); ++key)
        loadSlot(key);
    while (tabs->count() > typeCount)
        tabs->removeTab(tabs->count() - 1);
    if (tabs->count() > 1)
        tabs->setCurrentIndex(1);
    fillFunctions();
    show();
}

void DownLoadEventDlg::retranslate()
{
    ui->retranslateUi(this);
    // The shown holder's tabs and functions follow the language at once.
    if (holder()) {
        setTabTexts();
        fillFunctions();
    }
}

void DownLoadEventDlg::setTabTexts()
{
    EventInfo info;
    info.setOwnerType(holderOwnerKind());
    const QStringList names = info.typeNames();
    for (int i = 0; i < names.size() && i < ui->tabWidget->count(); ++i)
        ui->tabWidget->setTabText(i, names.at(i));
}

void DownLoadEventDlg::fillFunctions()
{
    const int chosen = ui->comboBoxEvent->currentIndex();
    ui->comboBoxEvent->clear();
    EventInfo info;
    const QStringList captions = info.pickerCaptions();
    const QList<int> indices = info.pickerIndices();
    for (int i = 0; i < captions.size() && i < indices.size(); ++i)
        ui->comboBoxEvent->addItem(captions.at(i), indices.at(i));
    if (chosen >= 0 && chosen < ui->comboBoxEvent->count())
        ui->comboBoxEvent->setCurrentIndex(chosen);
}

void DownLoadEventDlg::loadSlot(int key)
{
    const EventHolder *events = holder();
    if (!events || key < 0 || key >= SlotTabs)
        return;
    useBoxes[key]->setChecked(events->status(key) != 0);
    // Code is plain text, even where it looks like markup.
    editors[key]->setPlainText(events->text(key));
}

void DownLoadEventDlg::on_btnAddEvent_clicked()
{
    const int tab = ui->tabWidget->currentIndex();
    if (tab < 0 || tab >= SlotTabs)
        return;
    EventInfo info;
    info.setUserType(ui->comboBoxEvent->currentData().toInt());
    info.setDefaultParams();
    const QString line = QString::fromUtf8(info.toCode()).remove(QStringLiteral("\r\n"));
    QTextEdit *editor = editors[tab];
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::End);
    if (!editor->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
}

void DownLoadEventDlg::on_btnResetEvent_clicked()
{
    if (!holder()) {
        dismiss();
        return;
    }
    loadSlot(ui->tabWidget->currentIndex());
}

void DownLoadEventDlg::on_btnSaveEvent_clicked()
{
    EventHolder *events = holder();
    if (!events) {
        dismiss();
        return;
    }
    const int tab = ui->tabWidget->currentIndex();
    const bool inSlotTab = tab >= 0 && tab < SlotTabs;
    const bool use = inSlotTab && useBoxes[tab]->isChecked();
    const QString text = inSlotTab ? editors[tab]->toPlainText() : QString();
    // A project file holds no longer text, so the design would not open again.
    if (text.size() > MaxTextLength) {
        messageBox->showNotice(QMyMessageBox::Warning,
                               tr("代码超过%1个字符，无法保存！").arg(MaxTextLength));
        return;
    }
    if (!events->setContent(tab, use ? 1 : 0, text)) {
        messageBox->showNotice(QMyMessageBox::Warning, tr("保存当前编辑下载事件失败！"));
        return;
    }
    messageBox->showNotice(QMyMessageBox::Information, tr("保存当前编辑下载事件成功！"));
    // The sheet leaves out the event rows of a type with hand-written code.
    emit s_sendReflesh();
}

void DownLoadEventDlg::on_btnClose_clicked()
{
    emit s_sendReflesh();
    hide();
}

void DownLoadEventDlg::closeEvent(QCloseEvent *event)
{
    emit s_sendReflesh();
    QDialog::closeEvent(event);
}
