#ifndef DOWNLOADCONTROLLER_H
#define DOWNLOADCONTROLLER_H

#include "instrparam.h"

#include <QObject>
#include <QString>

#include <memory>

class AllCfg;
class BootDlg;
class DesignDocument;
class QMainWindow;
class QMyMessageBox;
class QMyProgressBarMes;
class ShowInfoDlg;
class Ui_MainWindow;
class YModem;
class YModemPortDlg;

// The module files and their download: the boot settings, the generator, the download link
// with its port dialog and worker, the progress window and bar, and what the module says
// back. A job that runs keeps what it reads from changing.
class DownloadController : public QObject
{
    Q_OBJECT

public:
    // The progress window stays above `window`, below the message boxes.
    DownloadController(QMainWindow *window, Ui_MainWindow *form, DesignDocument &document,
                       QMyMessageBox *questions, QMyMessageBox *results, QObject *parent = nullptr);
    ~DownloadController() override;

    // What the download questions' "是" does: the module files of the open project, the
    // picture library, the generated fonts.
    void downloadProject();
    void downloadImages();
    void downloadFonts();

    bool isJobPending() const;
    // The name of the pending job, empty when none is pending.
    QString pendingJobName() const;
    // Ends the pending job; a batch is ended on the line first.
    void cancelJob();
    // True, with `message`, while a job is pending.
    bool refuseWhileDownloading(const QString &message);
    // True, with a notice, while the files of the open project are on their way.
    bool refuseProjectChangeWhileDownloading();
    // An open link follows the series of the design.
    void followSeries();
    void retranslate();
    // The bar at the bottom shows how its job ended, in the language of the moment.
    void showBarOutcome();
    // The bar at the bottom shows a transfer's progress; it hides when done reaches total,
    // and a finished picture transfer leaves the library downloaded.
    void showBarProgress(int total, int done, bool pictures);

    // The picture library changed since its last download.
    bool areImagesChanged() const { return imagesChanged; }
    void setImagesChanged(bool changed) { imagesChanged = changed; }

    AllCfg *getAllCfg() const { return allCfg; }
    YModem *getYModem() const { return yModem.get(); }
    BootDlg *getBootDlg() const { return bootDlg.get(); }
    YModemPortDlg *getPortDlg() const { return portDlg.get(); }
    QMyProgressBarMes *progressWindow() const { return progress; }
    // The receive box: one line, its line ends dropped. Whole blocks are logged at line rate:
    // the box keeps the newest lines and characters only.
    void appendToReceiveBox(QString line);
    static constexpr int ReceiveBoxLines = 2000;
    static constexpr int ReceiveBoxChars = 100 * ReceiveBoxLines;

signals:
    // A job ended and the link is idle, or busy with the next one.
    void jobEnded();

public slots:
    void on_btnSetSys_clicked();
    void on_btnSetCOM_clicked();
    void on_btnInstrDownLoad_clicked();
    void on_btnDownLoad_clicked();
    void slotProgressBarMes(int kind, int total, int done, int phase = 0);
    void slotRecvYModemMes(int kind, QString text);
    void slotRecvYModemDebugMes(int, QString line);
    void slotRecvYModemInstrParam(InstrParam param);
    void slotRecvYModemPortInstr(QString text);
    void slotDownloadJobEnded(int job, int outcome);
    // The module's answer to the link test; shown with the test's outcome.
    void slotRecvModuleLink(int enable, int address, int crc);

private:
    void connectLink();
    void startDownload(int job, const QString &directory, const QString &fileName);

    Ui_MainWindow *form;
    DesignDocument &document;
    QMyMessageBox *questions;
    QMyMessageBox *results;

    AllCfg *allCfg = nullptr;
    std::unique_ptr<YModemPortDlg> portDlg;
    std::unique_ptr<ShowInfoDlg> showInfoDlg;
    std::unique_ptr<BootDlg> bootDlg;
    std::unique_ptr<QMyMessageBox> transferBox;
    // Goes first: its destructor stops the worker's thread and waits for it.
    std::unique_ptr<YModem> yModem;
    // A child of the window.
    QMyProgressBarMes *progress = nullptr;

    bool imagesChanged = false;
    // The link test's answer, until its outcome message arrives.
    bool moduleLinkRead = false;
    int moduleLink[3] = {};
    // How the job of the bar at the bottom ended (a YModem::Outcome), while it shows that.
    int barOutcome = 0;
};

#endif // DOWNLOADCONTROLLER_H
