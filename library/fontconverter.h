#ifndef FONTCONVERTER_H
#define FONTCONVERTER_H

#include "generatedfonts.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

// Runs the font converter lv_font_conv without blocking the window. The user's texts reach
// it as separate arguments, never through a shell. A conversion writes a temporary file and
// replaces the font (and its parameter file) only when the converter started, ended in
// time with exit code 0 and left a non-empty file.
class FontConverter : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QString ttfPath;
        QString symbols;
        int size = 0;
        int bpp = 1;
        bool compress = true;
        QString outputPath; // the font file made or replaced
        QString paramPath; // the parameter file written with it; empty for none
        GeneratedFonts::Params params;
    };

    explicit FontConverter(QObject *parent = nullptr);
    ~FontConverter() override;

    // The converter's command; tests point it elsewhere.
    static QString program();
    static void setProgram(const QString &program);
    // The converter's arguments, writing to output.
    static QStringList arguments(const Request &request, const QString &output);

    // Waits for the start and for the end, in milliseconds.
    void setTimeouts(int startMs, int finishMs);
    bool isRunning() const { return mode != Idle; }

    // Asks the converter for its version: checked(true) when it answered.
    void checkInstalled();
    // Converts; finished(ok, message) tells the outcome, message being the reason of a
    // failure (the converter's own words when it gave any).
    void start(const Request &request);
    // Ends a running conversion: the converter is stopped, nothing is replaced, and
    // finished(false, ...) follows as for a failure.
    void cancel();

signals:
    void checked(bool ok);
    void finished(bool ok, const QString &message);

private:
    enum Mode { Idle, Checking, Converting };

    void run(const QStringList &args);
    void onStarted();
    void onError(QProcess::ProcessError error);
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onTimeout();
    void stop(const QString &reason);
    void conclude(bool ran, const QString &reason);
    QString replaceOutput();
    void removeTemporary();

    QProcess *process;
    QTimer timer;
    Mode mode = Idle;
    bool reporting = false; // the outcome is known and waits for the event loop
    QString stopReason; // why the converter was stopped before its end; empty while not
    int startTimeout = 30000;
    int finishTimeout = 60000;
    Request current;
    QString temporaryPath;
};

#endif // FONTCONVERTER_H
