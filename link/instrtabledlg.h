#ifndef INSTRTABLEDLG_H
#define INSTRTABLEDLG_H

#include <QDialog>
#include <QList>
#include <QModelIndex>
#include <QSerialPort>
#include <QString>

#include "instrcatalogue.h"
#include "instrframe.h"

namespace Ui {
class InstrTableDlg;
}

class QMyInstrTableModel;
class QMyMessageBox;
class QTableWidgetItem;

// The instruction terminal: a port of its own, send rows made from the instruction
// catalogue, one binary frame per send, and a time-stamped hex log of both directions.
class InstrTableDlg : public QDialog
{
    Q_OBJECT

public:
    // The log keeps this many lines and characters; older ones go.
    static constexpr int MaxLogLines = 1000;
    static constexpr int MaxLogChars = 100 * MaxLogLines;

    explicit InstrTableDlg(QWidget *parent = nullptr);
    ~InstrTableDlg() override;

    void initInstrCatalogue();
    void showDlg();
    void updateConnectState();
    // Copies the send table's cells back into the rows.
    void syncRowsFromView();
    void retranslate();

    bool isConnected() const { return connected; }
    bool isDeleteMode() const { return deleteMode; }
    int getCurrentSendRow() const { return currentSendRow; }
    QList<InstrFrame::Row> getSendRows() const { return sendRows; }
    QMyMessageBox *getMessageBox() const { return messageBox; }

    // "-发送-" or "-接收-", the time and the bytes in hex.
    static QString logLine(const QString &direction, const QByteArray &bytes);
    // The rates the module's instruction links run at, ascending.
    static QStringList baudRates();

public slots:
    void slotComStatus(QString port, bool arrived);
    void slotRecvCOMMdata();

private slots:
    void on_btnOpenClose_clicked();
    void on_checkBoxAll_clicked(bool checked);
    void on_btnCheckedCannel_clicked();
    void on_btnDelInstr_clicked();
    void on_btnSendInstr_clicked();
    void on_btnClose_clicked();
    void on_tvInstr_clicked(const QModelIndex &index);
    void on_twInstr_itemDoubleClicked(QTableWidgetItem *item);
    void on_btnClear_clicked();
    void slotPortError(QSerialPort::SerialPortError error);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpTable(class QTableView *view);
    // What "是" to the deletion question does: the checked rows go.
    void deleteCheckedRows();
    void appendSendRow(int row);
    void setSendHeaders();
    void fillCatalogueTable();
    // The send table's column widths, widened where a header needs it.
    void sizeSendColumns();
    // The hint of the chosen send row, or the bare one without a row.
    void showHint();
    void showDeleteControls(bool shown);
    void showCheckedCount();
    void closeVanishedPort();

    Ui::InstrTableDlg *ui;
    QMyMessageBox *messageBox = nullptr;
    QSerialPort *serialPort = nullptr;
    int baud = 115200;
    QString portName;
    bool connected = false;
    QMyInstrTableModel *sendModel = nullptr;
    int currentSendRow = -1;
    bool deleteMode = false;
    QList<InstrCatalogue::Entry> catalogue;
    QList<InstrFrame::Row> sendRows;
};

#endif // INSTRTABLEDLG_H
