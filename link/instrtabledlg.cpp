#include "instrtabledlg.h"
#include "ui_instrtabledlg.h"

#include "bytetohextext.h"
#include "logbox.h"
#include "portchoice.h"
#include "qmyinstrtablemodel.h"
#include "qmymessagebox.h"
#include "tablelook.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QTableWidgetItem>

namespace {

enum SendColumn {
    ColCheck,
    ColNumber,
    ColCaption,
    ColAddrFlag,
    ColAddr,
    ColCrcFlag,
    ColCheckCode,
    ColFirstParam,
    SendColumnCount = ColFirstParam + InstrCatalogue::ParamSlots
};

} // namespace

InstrTableDlg::InstrTableDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InstrTableDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    messageBox = new QMyMessageBox;
    serialPort = new QSerialPort;
    connect(serialPort, &QSerialPort::readyRead, this, &InstrTableDlg::slotRecvCOMMdata);
    // An unplugged adapter shows up as a read or resource error of the open port.
    connect(serialPort, &QSerialPort::errorOccurred, this, &InstrTableDlg::slotPortError);
    sendModel = new QMyInstrTableModel;
    ui->tvInstr->setModel(sendModel);
    setUpTable(ui->tvInstr);
    setUpTable(ui->twInstr);
    ui->twInstr->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->textBrowser->document()->setMaximumBlockCount(MaxLogLines);
    initInstrCatalogue();
    hide();
}

InstrTableDlg::~InstrTableDlg()
{
    delete messageBox;
    if (serialPort->isOpen())
        serialPort->close();
    delete serialPort;
    delete sendModel;
    delete ui;
}

void InstrTableDlg::setUpTable(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(true);
    header->setMinimumHeight(30);
    view->verticalHeader()->hide();
    view->setFocusPolicy(Qt::NoFocus);
    view->setSortingEnabled(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->setShowGrid(true);
}

void InstrTableDlg::initInstrCatalogue()
{
    catalogue = InstrCatalogue::entries();
}

void InstrTableDlg::showDlg()
{
    PortChoice::fillPorts(ui->portCombox, portName);
    ui->baudCombox->clear();
    ui->baudCombox->addItems(baudRates());
    const int rate = ui->baudCombox->findText(QString::number(baud));
    ui->baudCombox->setCurrentIndex(rate >= 0 ? rate : ui->baudCombox->findText("115200"));

    updateConnectState();

    initInstrCatalogue();
    fillCatalogueTable();

    sendModel->clearAll();
    setSendHeaders();
    for (int i = 0; i < sendRows.size(); ++i)
        appendSendRow(i);
    ui->tvInstr->setColumnHidden(ColCheck, true);
    ui->tvInstr->setColumnHidden(ColCheckCode, true);
    sizeSendColumns();

    deleteMode = false;
    showDeleteControls(false);
    show();
}

void InstrTableDlg::fillCatalogueTable()
{
    ui->twInstr->clear();
    ui->twInstr->setRowCount(0);
    ui->twInstr->setColumnCount(2);
    ui->twInstr->setHorizontalHeaderLabels({tr("序号"), tr("描述")});
    ui->twInstr->setRowCount(catalogue.size());
    for (int i = 0; i < catalogue.size(); ++i) {
        const QString texts[2] = {QString::number(i + 1), catalogue.at(i).caption};
        for (int c = 0; c < 2; ++c) {
            auto *item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            ui->twInstr->setItem(i, c, item);
        }
    }
    ui->twInstr->setColumnWidth(0, 40);
    TableLook::fitHeaders(ui->twInstr);
}

void InstrTableDlg::sizeSendColumns()
{
    ui->tvInstr->setColumnWidth(ColCheck, 20);
    ui->tvInstr->setColumnWidth(ColNumber, 60);
    ui->tvInstr->setColumnWidth(ColCaption, 160);
    ui->tvInstr->setColumnWidth(ColAddrFlag, 80);
    ui->tvInstr->setColumnWidth(ColCrcFlag, 80);
    TableLook::fitHeaders(ui->tvInstr);
}

void InstrTableDlg::setSendHeaders()
{
    QStringList headers {QString(),  tr("序号"),     tr("描述"),  tr("有无地址"),
                         tr("地址"), tr("有无校验"), tr("校验码")};
    for (int p = 1; p <= InstrCatalogue::ParamSlots; ++p)
        headers << tr("参数%1").arg(p);
    sendModel->setColumnCount(SendColumnCount);
    sendModel->setHorizontalHeaderLabels(headers);
}

void InstrTableDlg::appendSendRow(int row)
{
    const InstrFrame::Row &send = sendRows.at(row);
    QList<QStandardItem *> cells;
    for (int c = 0; c < SendColumnCount; ++c)
        cells << new QStandardItem;
    cells[ColNumber]->setText(QString::number(row + 1));
    cells[ColCaption]->setText(catalogue.value(send.instrIndex).caption);
    cells[ColAddr]->setText(send.addrText);
    cells[ColCheckCode]->setText(send.checkCode);
    for (int p = 0; p < InstrCatalogue::ParamSlots; ++p)
        cells[ColFirstParam + p]->setText(send.params[p]);
    sendModel->appendRow(cells);

    const int flags[2] = {send.addrFlag, send.crcFlag};
    const int columns[2] = {ColAddrFlag, ColCrcFlag};
    for (int i = 0; i < 2; ++i) {
        auto *combo = new QComboBox;
        combo->addItems({tr("无"), tr("有")});
        combo->setCurrentIndex(flags[i] == 1 ? 1 : 0);
        ui->tvInstr->setIndexWidget(sendModel->index(row, columns[i]), combo);
    }
}

void InstrTableDlg::updateConnectState()
{
    PortChoice::showConnectState(ui->labConnectState, ui->btnOpenClose, ui->portCombox,
                                 ui->baudCombox, connected);
}

void InstrTableDlg::syncRowsFromView()
{
    for (int i = 0; i < sendRows.size() && i < sendModel->rowCount(); ++i) {
        InstrFrame::Row &row = sendRows[i];
        auto *addrFlag =
            qobject_cast<QComboBox *>(ui->tvInstr->indexWidget(sendModel->index(i, ColAddrFlag)));
        auto *crcFlag =
            qobject_cast<QComboBox *>(ui->tvInstr->indexWidget(sendModel->index(i, ColCrcFlag)));
        if (addrFlag)
            row.addrFlag = addrFlag->currentIndex();
        if (crcFlag)
            row.crcFlag = crcFlag->currentIndex();
        row.addrText = sendModel->index(i, ColAddr).data().toString();
        row.checkCode = sendModel->index(i, ColCheckCode).data().toString();
        const int count = catalogue.value(row.instrIndex).paramCount;
        for (int p = 0; p < InstrCatalogue::ParamSlots; ++p) {
            row.params[p] = p < count ? sendModel->index(i, ColFirstParam + p).data().toString()
                                      : QStringLiteral("-");
        }
    }
}

// The form's texts are those of a closed port; the state's own go on top.
void InstrTableDlg::retranslate()
{
    ui->retranslateUi(this);
    // The texts the dialog wrote itself follow the language too, whichever it was in when
    // they were written.
    initInstrCatalogue();
    if (ui->twInstr->columnCount() > 0)
        fillCatalogueTable();
    if (sendModel->columnCount() > 0) {
        setSendHeaders();
        for (int i = 0; i < sendRows.size() && i < sendModel->rowCount(); ++i) {
            sendModel->setData(sendModel->index(i, ColCaption),
                               catalogue.value(sendRows.at(i).instrIndex).caption);
            for (int column : {int(ColAddrFlag), int(ColCrcFlag)}) {
                auto *combo = qobject_cast<QComboBox *>(
                    ui->tvInstr->indexWidget(sendModel->index(i, column)));
                if (combo && combo->count() == 2) {
                    combo->setItemText(0, tr("无"));
                    combo->setItemText(1, tr("有"));
                }
            }
        }
        sizeSendColumns();
    }
    updateConnectState();
    showCheckedCount();
    showHint();
}

void InstrTableDlg::showHint()
{
    if (currentSendRow < 0 || currentSendRow >= sendRows.size()) {
        ui->labInstrDesc->setText(tr("提示：“-”为无参数；"));
        return;
    }
    const QString help = catalogue.value(sendRows.at(currentSendRow).instrIndex).help;
    ui->labInstrDesc->setText(tr("提示：“-”为无参数；%1；").arg(help));
}

QString InstrTableDlg::logLine(const QString &direction, const QByteArray &bytes)
{
    return direction.arg(QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss zzz"))
        + bytesToHexText(bytes);
}

QStringList InstrTableDlg::baudRates()
{
    return {"4800", "9600", "19200", "38400", "115200"};
}

void InstrTableDlg::showDeleteControls(bool shown)
{
    ui->checkBoxAll->setVisible(shown);
    ui->btnCheckedCannel->setVisible(shown);
    ui->labCheckedCount->setVisible(shown);
}

void InstrTableDlg::showCheckedCount()
{
    const int checked = sendModel->checkedCount();
    ui->labCheckedCount->setText(tr("已选：%1项").arg(checked));
}

void InstrTableDlg::slotComStatus(QString port, bool arrived)
{
    PortChoice::followPort(ui->portCombox, port, arrived);
    if (!arrived && port == portName && connected)
        closeVanishedPort();
}

void InstrTableDlg::slotPortError(QSerialPort::SerialPortError error)
{
    // A hung-up device fails every read; the port is of no more use.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && connected)
        closeVanishedPort();
}

void InstrTableDlg::closeVanishedPort()
{
    serialPort->close();
    connected = false;
    updateConnectState();
    messageBox->showNotice(QMyMessageBox::Information, tr("串口%1已拔出！").arg(portName));
}

void InstrTableDlg::deleteCheckedRows()
{
    int removed = 0;
    for (int i = sendModel->rowCount() - 1; i >= 0; --i) {
        if (sendModel->checkState(i) != Qt::Checked)
            continue;
        sendRows.removeAt(i);
        sendModel->removeRow(i);
        ++removed;
    }
    if (sendModel->rowCount() > 0) {
        for (int i = 0; i < sendModel->rowCount(); ++i)
            sendModel->setItem(i, ColNumber, new QStandardItem(QString::number(i + 1)));
        if (removed == 1)
            currentSendRow = qMax(0, currentSendRow - 1);
        else if (removed > 1)
            currentSendRow = 0;
        ui->tvInstr->viewport()->update();
        ui->tvInstr->selectRow(currentSendRow);
        showCheckedCount();
    } else {
        currentSendRow = -1;
        deleteMode = false;
        showDeleteControls(false);
        ui->tvInstr->setColumnHidden(ColCheck, true);
        ui->tvInstr->reset();
    }
}

void InstrTableDlg::slotRecvCOMMdata()
{
    const QByteArray bytes = serialPort->readAll();
    if (!bytes.isEmpty())
        LogBox::append(ui->textBrowser, logLine(tr("-接收-%1:"), bytes), MaxLogChars);
}

void InstrTableDlg::on_btnOpenClose_clicked()
{
    if (connected) {
        serialPort->close();
        connected = false;
    } else {
        baud = ui->baudCombox->currentText().toInt();
        portName = ui->portCombox->currentText();
        connected = PortChoice::open(serialPort, portName, baud);
    }
    updateConnectState();
}

void InstrTableDlg::on_checkBoxAll_clicked(bool checked)
{
    sendModel->setAllCheckStates(checked ? Qt::Checked : Qt::Unchecked);
    showCheckedCount();
    ui->tvInstr->viewport()->update();
    ui->tvInstr->selectRow(currentSendRow);
}

void InstrTableDlg::on_btnCheckedCannel_clicked()
{
    showDeleteControls(false);
    ui->tvInstr->setColumnHidden(ColCheck, true);
    deleteMode = false;
}

void InstrTableDlg::on_btnDelInstr_clicked()
{
    if (sendRows.isEmpty())
        return;
    if (!deleteMode) {
        showDeleteControls(true);
        ui->tvInstr->setColumnHidden(ColCheck, false);
        sendModel->setAllCheckStates(Qt::Unchecked);
        ui->checkBoxAll->setChecked(false);
        sendModel->setCheckState(currentSendRow, Qt::Checked);
        showCheckedCount();
        ui->tvInstr->viewport()->update();
        ui->tvInstr->selectRow(currentSendRow);
        deleteMode = true;
        return;
    }
    if (sendModel->nextChecked() >= 0) {
        messageBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                        tr("您是否需要删除已选的指令？"), [this] { deleteCheckedRows(); });
    } else {
        messageBox->showNotice(QMyMessageBox::Information,
                               tr("未选择需要删除的指令，请您先选择需要删除的指令！"));
    }
}

void InstrTableDlg::on_btnSendInstr_clicked()
{
    if (!connected) {
        messageBox->showNotice(QMyMessageBox::Information, tr("串口未打开，请您先打开串口！"));
        return;
    }
    const int row = ui->tvInstr->currentIndex().row();
    if (row < 0 || row >= sendRows.size()) {
        messageBox->showNotice(QMyMessageBox::Information, tr("请您先选择一行发送的内容！"));
        return;
    }
    syncRowsFromView();
    const InstrFrame::Row &send = sendRows.at(row);
    QString error;
    const QByteArray frame = InstrFrame::build(catalogue.value(send.instrIndex), send, &error);
    if (frame.isEmpty()) {
        messageBox->showNotice(QMyMessageBox::Warning, error);
        return;
    }
    LogBox::append(ui->textBrowser, logLine(tr("-发送-%1:"), frame), MaxLogChars);
    serialPort->write(frame);
}

void InstrTableDlg::on_btnClose_clicked()
{
    syncRowsFromView();
    hide();
}

void InstrTableDlg::closeEvent(QCloseEvent *event)
{
    // Hiding keeps the port and the send rows for the next showing.
    syncRowsFromView();
    event->ignore();
    hide();
}

void InstrTableDlg::on_tvInstr_clicked(const QModelIndex &index)
{
    currentSendRow = index.row();
    if (deleteMode && currentSendRow >= 0 && currentSendRow < sendModel->rowCount()) {
        sendModel->setCheckState(
            currentSendRow,
            sendModel->checkState(currentSendRow) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        ui->checkBoxAll->setChecked(sendModel->checkedCount() == sendModel->rowCount());
        showCheckedCount();
        ui->tvInstr->viewport()->update();
        ui->tvInstr->selectRow(currentSendRow);
    }
    if (currentSendRow >= 0 && currentSendRow < sendRows.size())
        showHint();
}

void InstrTableDlg::on_twInstr_itemDoubleClicked(QTableWidgetItem *item)
{
    const int index = item ? item->row() : -1;
    if (index < 0 || index >= catalogue.size())
        return;
    const InstrCatalogue::Entry &entry = catalogue.at(index);
    InstrFrame::Row row;
    row.instrIndex = index;
    for (int p = 0; p < InstrCatalogue::ParamSlots; ++p)
        row.params[p] = entry.defaults[p];
    sendRows.append(row);
    appendSendRow(sendRows.size() - 1);
}

void InstrTableDlg::on_btnClear_clicked()
{
    ui->textBrowser->clear();
}
