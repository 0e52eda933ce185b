#include "deleventdlg.h"
#include "ui_deleventdlg.h"

#include "eventholder.h"
#include "eventtable.h"
#include "qmycheckstandarditemmodel.h"
#include "qmymessagebox.h"
#include "tablelook.h"

#include <QHeaderView>
#include <QStandardItem>

namespace {
enum Column { ColCheck, ColNumber, ColFirstCell };
} // namespace

DelEventDlg::DelEventDlg(QWidget *parent)
    : EventHolderDlg(parent)
    , ui(new Ui::DelEventDlg)
    , model(new QMyCheckStandardItemModel)
    , messageBox(new QMyMessageBox)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

    QTableView *view = ui->tvEvent;
    TableLook::apply(view);
    view->horizontalHeader()->setDefaultSectionSize(90);
    view->setModel(model);
    hide();
}

DelEventDlg::~DelEventDlg()
{
    delete messageBox;
    delete ui;
    delete model;
}

void DelEventDlg::showDlg(SelectionKind selectionKind, QMyWidget *widget, TimerParam *timer)
{
    rowEvents.clear();
    setHolder(selectionKind, widget, timer);
    checkMode = false;
    const EventHolder *events = holder();
    if (!events || events->eventCount() == 0) {
        dismiss();
        return;
    }

    model->clearAll();
    const QList<EventTable::Row> rows = EventTable::rows(events->events());
    for (int r = 0; r < rows.size(); ++r) {
        QList<QStandardItem *> items {new QStandardItem, new QStandardItem(QString::number(r + 1))};
        for (const QString &cell : rows.at(r).cells)
            items.append(new QStandardItem(cell));
        model->appendRow(items);
        rowEvents.append(rows.at(r).position);
    }
    setHeaders();

    setCheckControlsShown(false);
    ui->tvEvent->setColumnWidth(ColCheck, 20);
    ui->tvEvent->setColumnWidth(ColNumber, 60);
    show();
}

void DelEventDlg::retranslate()
{
    ui->retranslateUi(this);
    // A table that was never filled gets no columns from its headers.
    if (model->columnCount() > 0)
        setHeaders();
    // The rows name event types and functions in the language they were shown in.
    if (const EventHolder *events = holder()) {
        const QList<EventInfo> list = events->events();
        for (int r = 0; r < model->rowCount() && r < rowEvents.size(); ++r) {
            const int position = rowEvents.at(r);
            if (position < 0 || position >= list.size())
                continue;
            const QStringList cells = EventTable::cells(list.at(position));
            for (int c = 0; c < cells.size() && ColFirstCell + c < model->columnCount(); ++c)
                model->setItem(r, ColFirstCell + c, new QStandardItem(cells.at(c)));
        }
    }
    showCheckedCount();
}

void DelEventDlg::setHeaders()
{
    QStringList headers {QString(), tr("序号"), tr("事件类型"), tr("用户函数")};
    for (int i = 1; i <= EventTable::ShownParams; ++i)
        headers << tr("参数%1").arg(i);
    // Columns beyond the fifth parameter have no header text.
    while (headers.size() < model->columnCount())
        headers << QString();
    model->setHorizontalHeaderLabels(headers);
    TableLook::fitHeaders(ui->tvEvent);
}

void DelEventDlg::setCheckControlsShown(bool shown)
{
    ui->checkBoxAll->setVisible(shown);
    ui->btnCheckedCannel->setVisible(shown);
    ui->labCheckedCount->setVisible(shown);
    ui->tvEvent->setColumnHidden(ColCheck, !shown);
}

void DelEventDlg::showCheckedCount()
{
    ui->labCheckedCount->setText(tr("已选：%1项").arg(model->checkedCount()));
}

void DelEventDlg::setAllChecked(bool checked)
{
    model->setAllCheckStates(checked ? Qt::Checked : Qt::Unchecked);
}

void DelEventDlg::refreshView()
{
    ui->tvEvent->reset();
    if (clickedRow >= 0 && clickedRow < model->rowCount())
        ui->tvEvent->selectRow(clickedRow);
}

void DelEventDlg::on_btnDelEvent_clicked()
{
    if (model->rowCount() == 0)
        return;
    if (!checkMode) {
        setCheckControlsShown(true);
        setAllChecked(false);
        ui->checkBoxAll->setChecked(false);
        // A row clicked in an earlier, longer table is not a row of this one.
        model->setCheckState(clickedRow, Qt::Checked);
        showCheckedCount();
        refreshView();
        checkMode = true;
        return;
    }
    if (model->nextChecked() < 0) {
        messageBox->showNotice(QMyMessageBox::Information,
                               tr("未选择需要删除的事件，请您先选择需要删除的事件！"));
        return;
    }
    messageBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                    tr("您是否需要删除已选的事件？"), [this] { deleteCheckedEvents(); });
}

void DelEventDlg::on_btnCheckedCannel_clicked()
{
    setCheckControlsShown(false);
    checkMode = false;
}

void DelEventDlg::on_checkBoxAll_clicked(bool checked)
{
    setAllChecked(checked);
    showCheckedCount();
    refreshView();
}

void DelEventDlg::on_tvEvent_clicked(const QModelIndex &index)
{
    clickedRow = index.row();
    if (!checkMode || clickedRow < 0 || clickedRow >= model->rowCount())
        return;
    model->setCheckState(
        clickedRow, model->checkState(clickedRow) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    ui->checkBoxAll->setChecked(model->checkedCount() == model->rowCount());
    showCheckedCount();
    refreshView();
}

void DelEventDlg::deleteCheckedEvents()
{
    EventHolder *events = holder();
    if (!events) {
        dismiss();
        return;
    }
    int deleted = 0;
    for (int r = model->nextChecked(); r >= 0; r = model->nextChecked(r)) {
        events->remove(rowEvents.value(r, -1));
        EventTable::removeRow(&rowEvents, r);
        model->removeRow(r);
        ++deleted;
    }
    // Nothing is ticked any more.
    ui->checkBoxAll->setChecked(false);
    showCheckedCount();

    if (model->rowCount() == 0) {
        clickedRow = -1;
        setCheckControlsShown(false);
        ui->tvEvent->reset();
        emit s_sendDelEvent();
        return;
    }
    for (int r = 0; r < model->rowCount(); ++r)
        model->setItem(r, ColNumber, new QStandardItem(QString::number(r + 1)));
    if (deleted > 0) {
        clickedRow = deleted == 1 ? qMax(clickedRow - 1, 0) : 0;
        emit s_sendDelEvent();
    }
    refreshView();
}

void DelEventDlg::on_btnClose_clicked()
{
    hide();
}
