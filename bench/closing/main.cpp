// Closing the designer's window while the sheet of a page with many events is shown: the
// time should grow with the number of events, not with its square.

#include "designglobals.h"
#include "eventinfo.h"
#include "mainwindow.h"
#include "pageparam.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "setscreensizedlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("%8s %10s %10s %12s\n", "events", "sheet ms", "close ms", "close us/ev");
    for (int count : {1000, 2000, 4000, 8000}) {
        QTemporaryDir dir;
        auto *window = new MainWindow;
        window->project()->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
        if (!window->project()->createProject(dir.filePath("bench.yBEX"))
            || window->document().pageCount() == 0) {
            std::fprintf(stderr, "no project\n");
            return 1;
        }
        for (int i = 0; i < count; ++i) {
            EventInfo event;
            event.setOwnerType(-1);
            event.setType(0);
            event.setUserType(5);
            event.setDefaultParams();
            window->document().page(0)->appendEvent(event);
        }
        QElapsedTimer timer;
        timer.start();
        window->properties()->slotRecvParent();
        QCoreApplication::processEvents();
        const double sheetMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        delete window;
        const double closeMs = timer.nsecsElapsed() / 1e6;
        std::printf("%8d %10.1f %10.1f %12.1f\n", count, sheetMs, closeMs, closeMs * 1000 / count);
    }
    return 0;
}
