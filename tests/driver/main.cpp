// ybexdriver: drives the designer's own project code headless, for tests and benchmarks.
//
//   ybexdriver roundtrip IN.yBEX OUT.yBEX    open IN as at start-up, save it as OUT
//   ybexdriver rewrite baud|bl PROJECT VALUE rewrite one link setting in place
//   ybexdriver generate PROJECT [TEMPLATES]  open PROJECT as at start-up and generate its
//                                            module files, templates from TEMPLATES
//                                            (default: file/ beside the program)
//   ybexdriver download PROJECT PORT JOB [BAUD [TEMPLATES]]
//                                            run download job JOB (0 the project, 1 pictures,
//                                            2 fonts, 5 link test) over PORT; job 0
//                                            generates all.cfg first, as the program does

#include "allcfg.h"
#include "designdocument.h"
#include "downloadcontroller.h"
#include "mainwindow.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "projectfile.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "ymodem.h"
#include "ymodemjob.h"
#include "ymodemportdlg.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "ybexdriver: %s\n", qPrintable(message));
    return 1;
}

int usage()
{
    return fail(QStringLiteral(
        "usage: ybexdriver roundtrip IN.yBEX OUT.yBEX\n"
        "       ybexdriver rewrite baud|bl PROJECT VALUE\n"
        "       ybexdriver generate PROJECT.yBEX [TEMPLATE_DIR]\n"
        "       ybexdriver download PROJECT.yBEX PORT 0|1|2|5 [BAUD [TEMPLATE_DIR]]"));
}

// "what path: cause", the path once: most causes begin with it already.
QString failure(const QString &what, const QString &path, const QString &cause)
{
    if (cause.startsWith(path))
        return what + QLatin1Char(' ') + cause;
    return what + QLatin1Char(' ') + path + QStringLiteral(": ") + cause;
}

// Why a file cannot be read, in plain words.
QString readError(const QString &path)
{
    ProjectFile file;
    if (file.read(path))
        return QString();
    return failure(QStringLiteral("cannot read"), path, file.errorString());
}

bool hasProjectExtension(const QString &path)
{
    return path.contains(QLatin1String(".yBEX"));
}

// A window with the project opened exactly as at start-up (clear, library lists, load),
// the file read once; null, with the reason printed, when it cannot be.
std::unique_ptr<MainWindow> openAsAtStartUp(const QString &path)
{
    if (!hasProjectExtension(path)) {
        fail(QStringLiteral("project files must have the extension .yBEX"));
        return nullptr;
    }
    std::unique_ptr<MainWindow> window(
        new MainWindow(QCoreApplication::applicationFilePath(), path));
    // A file the window cannot read leaves it without a project.
    if (window->document().projectPath() != path) {
        fail(failure(QStringLiteral("cannot read"), path, window->project()->getFileError()));
        return nullptr;
    }
    return window;
}

int roundTrip(const QString &in, const QString &out)
{
    if (!hasProjectExtension(out))
        return fail(QStringLiteral("project files must have the extension .yBEX"));
    const std::unique_ptr<MainWindow> opened = openAsAtStartUp(in);
    if (!opened)
        return 1;
    MainWindow &window = *opened;
    DesignDocument &design = window.document();
    // The window saves a design without pages as nothing at all.
    if (design.pageCount() == 0)
        return fail(
            QStringLiteral("%1 holds no page: nothing would be written to %2").arg(in, out));
    // Paint the canvas and the shown page once, as the screen would.
    if (QMyFrame *frame = window.findChild<QMyFrame *>(QStringLiteral("frame")))
        frame->grab();

    // Saved as a new project: its folder and subfolders first.
    const QFileInfo target(out);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create the folder %1").arg(folder));
    if (!ProjectFolder::createSubfolders(folder))
        return fail(QStringLiteral("cannot create the subfolders of %1").arg(folder));
    design.setProjectPath(target.absoluteFilePath());
    QString writeError;
    if (!ProjectFile::isWritable(design.projectPath(), &writeError))
        return fail(QStringLiteral("cannot save: %1").arg(writeError));
    if (!window.project()->saveProXml())
        return fail(failure(QStringLiteral("cannot save"), design.projectPath(),
                            window.project()->getFileError()));
    return 0;
}

int rewrite(const QString &which, const QString &project, const QString &value)
{
    if (which != QLatin1String("baud") && which != QLatin1String("bl"))
        return usage();
    bool ok = true;
    const int level = value.toInt(&ok);
    if (which == QLatin1String("bl") && !ok)
        return fail(QStringLiteral("the backlight value must be a whole number: %1").arg(value));
    if (!QFileInfo::exists(project))
        return fail(QStringLiteral("no such project file: %1").arg(project));
    const QString error = readError(project);
    if (!error.isEmpty())
        return fail(error);
    QString writeError;
    if (!ProjectFile::isWritable(project, &writeError))
        return fail(QStringLiteral("cannot rewrite: %1").arg(writeError));

    MainWindow window(QCoreApplication::applicationFilePath());
    DesignDocument &design = window.document();
    design.setProjectPath(project);
    bool done;
    if (which == QLatin1String("baud")) {
        design.setBaud(value);
        done = window.project()->saveBaudToPro();
    } else {
        design.setBacklight(level);
        done = window.project()->saveBlValueToPro();
    }
    return done ? 0
                : fail(failure(QStringLiteral("cannot rewrite"), project,
                               window.project()->getFileError()));
}

// The window's own generator, as the download command runs it; 0 or its code, the detail
// of a failure printed.
int generateWith(MainWindow &window, const QString &templates)
{
    AllCfg *generator = window.download()->getAllCfg();
    if (!templates.isEmpty())
        generator->setTemplateFolder(templates);
    const int code = generator->createAllCfg(window.document());
    if (code != AllCfg::Success && !generator->failureDetail().isEmpty())
        std::fprintf(stderr, "ybexdriver: %s\n", qPrintable(generator->failureDetail()));
    return code;
}

// Prints the generator's code; all.cfg stays in the project's allFile folder.
int generate(const QString &project, const QString &templates)
{
    // Never painted: the generator brings what a paint computes up to date itself.
    const std::unique_ptr<MainWindow> opened = openAsAtStartUp(project);
    if (!opened)
        return 1;
    MainWindow &window = *opened;
    const int code = generateWith(window, templates);
    std::printf("%d\n", code);
    window.pages()->clearAllPages();
    return code == AllCfg::Success ? 0 : 1;
}

// Loads the project as the program does, then runs one job of the download worker and
// reports its progress and outcome; succeeds only when the job did.
int download(const QStringList &args)
{
    const QString project = args.at(2);
    const QString port = args.at(3);
    bool ok = false;
    const int job = args.at(4).toInt(&ok);
    if (!ok || (job != 0 && job != 1 && job != 2 && job != 5))
        return fail(QStringLiteral("the job must be 0, 1, 2 or 5: %1").arg(args.at(4)));
    if (!QFileInfo::exists(project))
        return fail(QStringLiteral("no such project file: %1").arg(project));
    const std::unique_ptr<MainWindow> opened =
        openAsAtStartUp(QFileInfo(project).absoluteFilePath());
    if (!opened)
        return 1;
    MainWindow &window = *opened;
    const DesignDocument &design = window.document();
    const int series = design.modelType();
    int baud = YModemPortDlg::baudRates(series).value(0).toInt();
    if (args.size() > 5)
        baud = args.at(5).toInt(&ok);
    if (!ok || baud <= 0)
        return fail(QStringLiteral("no baud rate for this project; give one"));

    YModem worker;
    QEventLoop loop;
    bool portOpen = false;
    bool failed = false;
    bool answered = false;
    bool unpacked = false;
    bool portAnswered = false;
    QObject::connect(&worker, &YModem::s_sendPortStatus, &loop, [&](bool open) {
        portOpen = open;
        // Only the answer to the open request ends a wait; a port that vanishes during the
        // job is told by the job's own message.
        if (!portAnswered) {
            portAnswered = true;
            loop.quit();
        }
    });
    QObject::connect(
        &worker, &YModem::s_sendProgValue, &loop, [&](int kind, int total, int done, int phase) {
            std::printf("progress %d %d/%d%s\n", kind, done, total, phase ? " unpacking" : "");
            if (phase == 1 && done == 100)
                unpacked = true;
            std::fflush(stdout);
        });
    QObject::connect(&worker, &YModem::s_send485, &loop, [&](int enable, int address, int crc) {
        std::printf("link %d %d %d\n", enable, address, crc);
        std::fflush(stdout);
    });
    QObject::connect(&worker, &YModem::s_sendMes, &loop, [&](int kind, const QString &text) {
        std::printf("message %d %s\n", kind, text.toUtf8().constData());
        failed |= kind == 1;
        answered |= kind == 6;
        std::fflush(stdout);
    });
    worker.slotOpenClosePort(true, port, baud);
    loop.exec();
    if (!portOpen)
        return fail(QStringLiteral("cannot open %1 at %2 baud").arg(port, QString::number(baud)));

    // The job's end comes after its outcome messages, queued in the same order.
    int outcome = YModem::Failed;
    QObject::connect(&worker, &YModem::s_sendJobEnded, &loop, [&](int, int how) {
        outcome = how;
        loop.quit();
    });
    const QString folder = ProjectFolder::folderOf(design.projectPath());
    if (job == YModemJob::Project) {
        // What the project is now, never a container an earlier or failed run left.
        const int code = generateWith(window, args.value(6));
        if (code != AllCfg::Success) {
            window.pages()->clearAllPages();
            return fail(
                QStringLiteral("all.cfg cannot be generated (%1): nothing is sent").arg(code));
        }
        worker.startJob(
            YModemJob::fromDesign(design, window.download()->getAllCfg()->pageFileSizes(), job,
                                  folder + QStringLiteral("/allFile/"), QStringLiteral("all.cfg")));
    } else {
        worker.startJob(YModemJob::fromDesign(
            design, window.download()->getAllCfg()->pageFileSizes(), job, QString(), QString(),
            job == YModemJob::InstructionText ? QStringLiteral("GET_ADDR\r\n") : QString()));
    }
    loop.exec();
    window.pages()->clearAllPages();

    const bool done = outcome == YModem::Done && !failed
        && (job == YModemJob::Project               ? unpacked
                : job == YModemJob::InstructionText ? answered
                                                    : true);
    if (!done)
        return fail(QStringLiteral("download job %1 failed").arg(job));
    std::printf("download job %d done\n", job);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("roundtrip"))
        return roundTrip(args.at(2), args.at(3));
    if (args.size() == 5 && args.at(1) == QLatin1String("rewrite"))
        return rewrite(args.at(2), args.at(3), args.at(4));
    if ((args.size() == 3 || args.size() == 4) && args.at(1) == QLatin1String("generate"))
        return generate(args.at(2), args.value(3));
    if (args.size() >= 5 && args.size() <= 7 && args.at(1) == QLatin1String("download"))
        return download(args);
    return usage();
}
