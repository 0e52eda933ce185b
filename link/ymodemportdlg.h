#ifndef YMODEMPORTDLG_H
#define YMODEMPORTDLG_H

#include <QDialog>
#include <QStringList>

#include <functional>

namespace Ui {
class YModemPortDlg;
}
class QMyMessageBox;

// The port dialog of the download link: picks the port and rate, asks the download worker to
// open or close it and shows what the worker reports. It never touches the port itself.
class YModemPortDlg : public QDialog
{
    Q_OBJECT

public:
    explicit YModemPortDlg(QWidget *parent = nullptr);
    ~YModemPortDlg() override;

    // The one rate each module series talks at.
    static QStringList baudRates(int series);

    void openDialog(int series);
    // With the link open, opens it again at the rate of the series.
    void setSeries(int series);
    void retranslate();
    // Names the job that uses the port, empty when none does; the port is not changed under
    // a running job.
    void setJobCheck(std::function<QString()> runningJob);
    // The link test waits up to 10 s for the module; the test button shows it.
    void setLinkTestRunning(bool running);

signals:
    void s_sendPortMes(bool open, QString portName, int baud);
    // The device of the open port is gone; the worker closes the port and tells the user.
    void s_sendPortVanished(QString portName);
    void s_sendInstr(QString text);

public slots:
    void slotPortStatus(bool open);
    void slotComStatus(QString port, bool arrived);

private slots:
    void on_btnOpenClose_clicked();
    void on_btnClose_clicked();
    void on_btnInstrTest_clicked();

private:
    void updateConnectState();
    void showLinkTestState();
    void fillBaudList(int series);

    Ui::YModemPortDlg *ui;
    bool connected = false;
    int baud = 345600;
    QString portName;
    QMyMessageBox *messageBox;
    std::function<QString()> jobCheck;
    bool linkTestRunning = false;
};

#endif // YMODEMPORTDLG_H
