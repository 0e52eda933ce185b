#ifndef TERMINALCONTROLLER_H
#define TERMINALCONTROLLER_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class DesignDocument;
class DownloadController;
class InstrTableDlg;
class ProjectController;
class QMainWindow;
class QMyItemModel;
class QMyMessageBox;
class QMyNativeEventFilter;
class SerialPortDlg;
class SysDlg;
class Ui_MainWindow;

// The instruction terminal and the text-instruction link: the terminal window, the system
// dialog whose baud rate and backlight the module confirms into the project, the link's
// worker, the receive box and the watch over the serial ports that come and go.
class TerminalController : public QObject
{
    Q_OBJECT

public:
    // The ports are watched for `window`.
    TerminalController(QMainWindow *window, Ui_MainWindow *form, DesignDocument &document,
                       QMyMessageBox *questions, QMyMessageBox *results, ProjectController *project,
                       DownloadController *download, QObject *parent = nullptr);
    ~TerminalController() override;

    void initInstrExamples();
    void retranslate();
    // The text-instruction link refuses a picture library larger than the module's flash.
    void setImageLibrarySizeKB(int kb);

    QStringList getInstrExampleTexts() const { return instrExampleTexts; }
    QMyItemModel *getInstrExampleModel() const { return instrExampleModel; }
    InstrTableDlg *getInstrTableDlg() const { return instrTableDlg.get(); }
    SerialPortDlg *getSerialPortDlg() const { return serialPortDlg.get(); }
    SysDlg *getSysDlg() const { return sysDlg.get(); }

public slots:
    void on_btnInstrTable_clicked();
    void on_btnClearRecv_clicked();
    void slotReceivedSysDlg(int job, QString text);
    void slotRecePortProbar(int max, int value);
    void slotRecvSerialPortMes(int kind, QString text);

private:
    void createInstructionLink();
    void createPortWatcher(QMainWindow *window);
    // The system dialog keeps a requested value until the module confirms it: it takes
    // the design's values only when those changed.
    void followSettings();

    Ui_MainWindow *form;
    DesignDocument &document;
    QMyMessageBox *questions;
    QMyMessageBox *results;
    ProjectController *project;
    DownloadController *download;

    QStringList instrExampleTexts;
    QMyItemModel *instrExampleModel = nullptr;
    std::unique_ptr<InstrTableDlg> instrTableDlg;
    std::unique_ptr<SysDlg> sysDlg;
    std::unique_ptr<QMyNativeEventFilter> portWatcher;
    // Goes first: its destructor stops the instruction worker's thread and waits for it.
    std::unique_ptr<SerialPortDlg> serialPortDlg;
};

#endif // TERMINALCONTROLLER_H
