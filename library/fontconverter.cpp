#include "fontconverter.h"

#include "projectfolder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString &converterProgram()
{
    static QString program = QStringLiteral("lv_font_conv");
    return program;
}

// The converter's reason first: a refused argument comes after the whole usage text, whose
// lines after the first are indented.
QString reasonFirst(const QString &errors)
{
    QStringList lines = errors.split(QLatin1Char('\n'));
    if (!lines.first().startsWith(QLatin1String("usage:")))
        return errors;
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines.at(i);
        if (line.trimmed().isEmpty() || line.at(0).isSpace())
            continue;
        lines.removeAt(i);
        return (line.trimmed() + QLatin1Char('\n') + lines.join(QLatin1Char('\n'))).trimmed();
    }
    return errors;
}

} // namespace

FontConverter::FontConverter(QObject *parent)
    : QObject(parent)
    , process(new QProcess(this))
{
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &FontConverter::onTimeout);
    connect(process, &QProcess::started, this, &FontConverter::onStarted);
    connect(process, &QProcess::errorOccurred, this, &FontConverter::onError);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &FontConverter::onFinished);
}

FontConverter::~FontConverter()
{
    timer.stop();
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    }
    removeTemporary();
}

QString FontConverter::program()
{
    return converterProgram();
}

void FontConverter::setProgram(const QString &program)
{
    converterProgram() = program;
}

QStringList FontConverter::arguments(const Request &request, const QString &output)
{
    // "--symbols=<text>" keeps characters that begin with "-" from reading as options.
    QStringList args = {QStringLiteral("--font"),
                        request.ttfPath,
                        QStringLiteral("--range"),
                        QStringLiteral("0x20-0x7f"),
                        QStringLiteral("--symbols=") + request.symbols,
                        QStringLiteral("--size"),
                        QString::number(request.size),
                        QStringLiteral("--format"),
                        QStringLiteral("bin"),
                        QStringLiteral("--bpp"),
                        QString::number(request.bpp)};
    if (!request.compress)
        args << QStringLiteral("--no-compress");
    args << QStringLiteral("-o") << output;
    return args;
}

void FontConverter::setTimeouts(int startMs, int finishMs)
{
    startTimeout = startMs;
    finishTimeout = finishMs;
}

void FontConverter::checkInstalled()
{
    if (isRunning())
        return;
    mode = Checking;
    run({QStringLiteral("--version")});
}

void FontConverter::start(const Request &request)
{
    if (isRunning())
        return;
    current = request;
    mode = Converting;

    // The converter writes beside the old font, which stays until the new one is good.
    const QFileInfo output(request.outputPath);
    QTemporaryFile temporary(output.absolutePath() + QLatin1Char('/') + output.completeBaseName()
                             + QLatin1String("-XXXXXX.part"));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        conclude(false, tr("无法写入%1").arg(QDir::toNativeSeparators(output.absolutePath())));
        return;
    }
    temporaryPath = temporary.fileName();
    temporary.close();
    // Only the name is kept: the converter makes the file itself, with the mode the user's
    // files get, where the reserved file could be read by its owner alone.
    QFile::remove(temporaryPath);
    run(arguments(request, temporaryPath));
}

void FontConverter::cancel()
{
    if (mode != Converting || reporting)
        return;
    stop(tr("已取消"));
}

void FontConverter::stop(const QString &reason)
{
    stopReason = reason;
    process->kill();
    // A process that never started reports nothing more.
    if (process->state() == QProcess::NotRunning)
        conclude(false, stopReason);
}

void FontConverter::run(const QStringList &args)
{
    stopReason.clear();
#ifdef Q_OS_WIN
    // npm installs the converter as a command script, which only the interpreter runs.
    QString line = program();
    for (const QString &arg : args)
        line += QLatin1Char(' ') + arg;
    line.replace(QLatin1Char('/'), QLatin1Char('\\'));
    qDebug() << line;
    process->start(QStringLiteral("cmd"), {QStringLiteral("/c"), line});
#else
    qDebug() << program() << args;
    process->start(program(), args);
#endif
    timer.start(startTimeout);
}

void FontConverter::onStarted()
{
    timer.start(finishTimeout);
}

void FontConverter::onError(QProcess::ProcessError error)
{
    if (mode == Idle || reporting)
        return;
    if (error == QProcess::FailedToStart && stopReason.isEmpty())
        conclude(false, tr("无法启动%1").arg(program()));
}

void FontConverter::onTimeout()
{
    if (mode == Idle || reporting)
        return;
    stop(tr("%1运行超时").arg(program()));
}

void FontConverter::onFinished(int exitCode, QProcess::ExitStatus status)
{
    if (mode == Idle || reporting)
        return;
    const QString output = QString::fromLocal8Bit(process->readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
    qDebug() << "--output:" << output;
    qDebug() << "--error:" << errors;
    if (!stopReason.isEmpty()) {
        conclude(false, stopReason);
    } else if (status != QProcess::NormalExit || exitCode != 0) {
        conclude(false,
                 errors.isEmpty() ? tr("%1退出码%2").arg(program(), QString::number(exitCode))
                                  : reasonFirst(errors));
    } else {
        conclude(true, errors);
    }
}

void FontConverter::conclude(bool ran, const QString &reason)
{
    timer.stop();
    reporting = true;
    // Reported from the event loop: a receiver may start the next run, which QProcess does
    // not allow from inside its own signals.
    if (mode == Checking) {
        QTimer::singleShot(0, this, [this, ran] {
            mode = Idle;
            reporting = false;
            emit checked(ran);
        });
        return;
    }
    QString message = reason;
    bool ok = ran;
    if (ok) {
        message = replaceOutput();
        ok = message.isEmpty();
    }
    removeTemporary();
    QTimer::singleShot(0, this, [this, ok, message] {
        mode = Idle;
        reporting = false;
        emit finished(ok, message);
    });
}

// Swaps the new font in for the old one and writes its parameter file; the old pair
// stays whenever something fails. Returns the reason of a failure.
QString FontConverter::replaceOutput()
{
    if (QFileInfo(temporaryPath).size() <= 0)
        return tr("%1未生成字体文件").arg(program());
    // An exit status of 0 does not vouch for the file: one cut short would replace a good font.
    if (!GeneratedFonts::isWholeFont(temporaryPath))
        return tr("%1生成的不是完整的字体文件").arg(program());
    const QString target = current.outputPath;
    const QString backup = temporaryPath + QLatin1String(".old");
    const bool hadOld = QFileInfo::exists(target) || ProjectFolder::isLink(target);
    if (hadOld && !QFile::rename(target, backup))
        return tr("无法写入%1").arg(QDir::toNativeSeparators(target));
    if (!QFile::rename(temporaryPath, target)) {
        if (hadOld)
            QFile::rename(backup, target);
        return tr("无法写入%1").arg(QDir::toNativeSeparators(target));
    }
    // A parameter file that is a link moves aside like the old font: the save would
    // otherwise write through it into a file outside the project.
    const QString paramBackup = temporaryPath + QLatin1String(".ini.old");
    const bool paramLinked =
        !current.paramPath.isEmpty() && ProjectFolder::isLink(current.paramPath);
    QString error;
    if (paramLinked && !QFile::rename(current.paramPath, paramBackup))
        error = current.paramPath;
    if (error.isEmpty() && !current.paramPath.isEmpty()
        && !GeneratedFonts::writeParams(current.paramPath, current.params, &error)) {
        if (paramLinked)
            QFile::rename(paramBackup, current.paramPath);
    }
    if (!error.isEmpty()) {
        QFile::remove(target);
        if (hadOld)
            QFile::rename(backup, target);
        return tr("无法写入%1").arg(QDir::toNativeSeparators(error));
    }
    if (hadOld)
        QFile::remove(backup);
    if (paramLinked)
        QFile::remove(paramBackup);
    return QString();
}

void FontConverter::removeTemporary()
{
    if (!temporaryPath.isEmpty())
        QFile::remove(temporaryPath);
    temporaryPath.clear();
}
