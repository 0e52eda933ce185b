#ifndef SERIALPORTDLG_H
#define SERIALPORTDLG_H

#include <QByteArray>
#include <QDialog>
#include <QSerialPort>
#include <QString>

namespace Ui {
class SerialPortDlg;
}

class DesignDocument;
class InstructSerialPort;
class QMyMessageBox;
class QMyProgressBarMes;

// The text-instruction link: owns the port, writes what its worker asks for, and raises the
// worker's step with each answer of the module.
class SerialPortDlg : public QDialog
{
    Q_OBJECT

public:
    // What an answer chunk of the module counts as; the first test that matches decides.
    // Answers are taken in the order they end.
    enum Answer {
        NoAnswer,
        AnswerOk,
        AnswerInfo,
        AnswerFirmware,
        AnswerErase,
        AnswerConfig,
        AnswerFlash2,
        AnswerFlash3,
        AnswerFlash11
    };
    // Answers waiting for their end are kept up to this many characters.
    static constexpr int MaxAnswerText = 4096;

    explicit SerialPortDlg(QWidget *parent = nullptr);
    ~SerialPortDlg() override;

    // The design whose pictures and fonts the picture and font jobs send, and the size of
    // its picture library as the library shows it.
    void setDesign(const DesignDocument *design) { this->design = design; }
    void setImageLibrarySizeKB(int kb) { imageLibrarySizeKB = kb; }

    // Fills the port and rate lists and shows the dialog.
    void showDlg();
    void startJob(int jobType, const QString &text);
    bool isJobActive() const;
    void updateConnectState();
    void retranslate();

    bool isPortOpen() const { return serialPort->isOpen(); }
    InstructSerialPort *getWorker() const { return worker; }
    QMyMessageBox *getMessageBox() const { return messageBox; }
    QMyProgressBarMes *getProgressWindow() const { return progressWindow; }

    static Answer answerKind(const QString &text);
    // The flash size an answer announces, in KB; 0 for other answers.
    static int flashLimitKB(Answer answer);

signals:
    void s_sendMes(int kind, QString text);
    void s_sendProbar(int total, int done);

public slots:
    void slotComStatus(QString port, bool arrived);
    void slotRecvProgressBar(int kind, int total, int done);
    void slotRecvCOMMdata();
    void slotRecvThread(int kind, QString text);
    void slotWritePort(QString text);
    void slotWritePort(QByteArray data);

private slots:
    void on_btnClose_clicked();
    void on_btnOpenClose_clicked();
    void slotPortError(QSerialPort::SerialPortError error);

private:
    // Acts on the answer received first; false once no more is to be taken now.
    bool takeAnswer();
    void closeVanishedPort();
    void addProgress(int bytes, const QString &format);
    static QString logLine(const QString &direction, const QString &text);

    Ui::SerialPortDlg *ui;
    QSerialPort *serialPort = nullptr;
    QMyMessageBox *messageBox = nullptr;
    InstructSerialPort *worker = nullptr;
    QString recvText;
    int baud = 115200;
    QString portName;
    QMyProgressBarMes *progressWindow = nullptr;
    const DesignDocument *design = nullptr;
    int imageLibrarySizeKB = 0;
    bool progressActive = false;
    int progressTotal = 0;
    int progressDone = 0;
};

#endif // SERIALPORTDLG_H
