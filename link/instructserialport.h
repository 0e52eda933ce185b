#ifndef INSTRUCTSERIALPORT_H
#define INSTRUCTSERIALPORT_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <atomic>

class QThread;

// The text link's worker. It runs in a thread of its own and never touches the port: it
// asks its dialog to write, and the dialog raises its step with each answer of the module.
// Requests from the GUI thread (start, next step, reset) go through a mailbox that the
// loop empties once per turn.
class InstructSerialPort : public QObject
{
    Q_OBJECT

public:
    enum JobType { WatchJob, PictureJob, FontJob, BacklightJob, BaudJob, TextJob, JobCount };

    explicit InstructSerialPort(QObject *parent = nullptr);
    ~InstructSerialPort() override;

    // imagePaths and fontPaths are copied here, so the loop never reads the design's lists.
    void startJob(int jobType, const QString &text, const QStringList &imagePaths = {},
                  const QStringList &fontPaths = {});
    void nextStep();
    // True from startJob until the job ends; answers at once.
    bool isActive() const { return active.load(); }
    void reset();

    // How long a step may wait for the module's answer.
    int jobTimeout(int jobType) const;
    void setJobTimeout(int jobType, int ms);

signals:
    void s_sendProgressBar(int kind, int total, int done);
    void s_sendMes(int kind, QString text);
    void s_writePort(QString text);
    void s_writePort(QByteArray data);

public slots:
    void slotSendThread();

private:
    struct Job
    {
        int type = WatchJob;
        QString text;
        QStringList imagePaths;
        QStringList fontPaths;
    };

    void runStep();
    void pictureStep();
    void fontStep();
    void sendText(const QString &text, bool asString);
    void finishJob();

    std::atomic<bool> running {true};
    std::atomic<bool> active {false};
    QThread *thread = nullptr;

    // Mailbox, guarded by mailboxMutex.
    mutable QMutex mailboxMutex;
    QWaitCondition mailboxChanged;
    bool jobRequested = false;
    Job requestedJob;
    int requestedSteps = 0;
    bool resetRequested = false;
    quint64 generation = 0;
    int timeouts[JobCount] = {10000, 1200000, 300000, 5000, 5000, 10000};

    // Owned by the loop.
    bool working = false;
    quint64 jobGeneration = 0;
    Job job;
    int step = 0;
    int lastStep = -1;
    QElapsedTimer stepClock;
    QList<QImage> pictures;
    qint64 pictureTotal = 0;
    QByteArray blob; // the font blob between its announcement and its transfer
};

#endif // INSTRUCTSERIALPORT_H
