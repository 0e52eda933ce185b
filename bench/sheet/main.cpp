// Showing each of the thirteen property sheets (page, timer, sleep timer, the ten widget
// types) in the designer's window, against a plain QTreeWidget filled with as many rows;
// then a chart sheet of the longest series, once.

#include "designglobals.h"
#include "eventinfo.h"
#include "mainwindow.h"
#include "pageparam.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmywidget.h"
#include "qtbrowseritem.h"
#include "qttreepropertybrowser.h"
#include "setscreensizedlg.h"
#include "timerparam.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const int rounds = 60;

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0.0 : v.at(v.size() / 2);
}

// Build, then paint as the screen would.
double timeShow(const std::function<void()> &show, QWidget *shown)
{
    QVector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        show();
        QCoreApplication::sendPostedEvents();
        shown->repaint();
        ms.append(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

int countRows(const QList<QtBrowserItem *> &items)
{
    int n = 0;
    for (QtBrowserItem *item : items)
        n += 1 + countRows(item->children());
    return n;
}

bool drop(QMyFrame *canvas, const QString &typeName, const QPoint &pos)
{
    QMimeData data;
    data.setData("TypeName", typeName.toUtf8());
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &enter);
    QDropEvent dropEvent(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &dropEvent);
    return dropEvent.isAccepted();
}

EventInfo event(int owner, int type, int function)
{
    EventInfo info;
    info.setOwnerType(owner);
    info.setType(type);
    info.setUserType(function);
    info.setDefaultParams();
    return info;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    MainWindow window;
    window.resize(1280, 900);
    window.show();
    QElapsedTimer wait;
    wait.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.project()->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
    window.project()->createProject(dir.filePath("bench.yBEX"));
    auto *canvas = window.findChild<QMyFrame *>("frame");
    auto *browser = window.findChild<QtTreePropertyBrowser *>("designWnd");
    DesignDocument &design = window.document();
    if (!canvas || !browser || design.pageCount() == 0) {
        std::fprintf(stderr, "no design to show\n");
        return 1;
    }
    canvas->grab();
    design.setFontIds({"0", "1", "2", "3"});

    // Every holder with events gets two, so the events group is part of the figure.
    design.page(0)->appendEvent(event(-1, 0, 50));
    design.page(0)->appendEvent(event(-1, 1, 51));
    design.page(0)->setPageHelpLineType(2);
    design.timer(2)->appendEvent(event(-2, 0, 50));
    design.timer(8)->appendEvent(event(-3, 1, 50));
    QList<QMyWidget *> widgets;
    for (int t = 0; t < WidgetTypeCount; ++t) {
        if (!drop(canvas, widgetTypeNames.at(t), QPoint(20 + 60 * t, 40)))
            return 1;
        QMyWidget *w = design.widgets(0).last();
        w->addEvent(event(t, 0, 50));
        w->addEvent(event(t, 1, 51));
        widgets << w;
    }
    // A chart with two series of 16 points each.
    QMyWidget *chart = widgets.at(9);
    for (int k = 0; k < 2; ++k) {
        chart->setChartSerPointCount(k, 16);
        chart->resizeChartSerData(k, 16);
    }

    struct Sheet
    {
        QString name;
        std::function<void()> show;
    };
    QList<Sheet> sheets;
    sheets << Sheet {"page", [&] { window.properties()->slotRecvParent(); }};
    for (int timer : {2, 8}) {
        sheets << Sheet {timer == 8 ? "sleep timer" : "timer", [&window, timer] {
                             // Another timer first, so that the click builds a new sheet.
                             window.properties()->getTimerButton(timer == 8 ? 2 : 8)->click();
                             window.properties()->getTimerButton(timer)->click();
                         }};
    }
    for (int t = 0; t < WidgetTypeCount; ++t)
        sheets << Sheet {widgetTypeNames.at(t),
                         [&window, w = widgets.at(t)] { window.properties()->slotRecvWnd(w); }};

    QTreeWidget plain;
    plain.setColumnCount(2);
    plain.resize(browser->size());
    plain.show();
    wait.restart();
    while (!(plain.windowHandle() && plain.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    std::printf("%-12s %6s %10s %10s %7s\n", "sheet", "rows", "sheet ms", "tree ms", "ratio");
    double worst = 0;
    for (const Sheet &sheet : sheets) {
        sheet.show();
        const int rows = countRows(browser->topLevelItems());
        const bool twoClicks = sheet.name.contains("timer");
        double ms = timeShow(sheet.show, browser);
        // The timer figure holds two sheets, one of the other timer.
        if (twoClicks)
            ms /= 2;
        const double treeMs = timeShow(
            [&plain, rows] {
                plain.clear();
                QList<QTreeWidgetItem *> items;
                for (int i = 0; i < rows; ++i)
                    items << new QTreeWidgetItem(
                        QStringList {QString("row %1").arg(i), QString::number(i)});
                plain.addTopLevelItems(items);
            },
            &plain);
        worst = std::max(worst, ms);
        std::printf("%-12s %6d %10.3f %10.3f %7.2f\n", qPrintable(sheet.name), rows, ms, treeMs,
                    treeMs > 0 ? ms / treeMs : 0.0);
    }
    std::printf("slowest sheet: %.3f ms (one frame is 16 ms)\n", worst);

    // The longest series the sheet takes: one row per value, built once and taken down.
    constexpr int Points = 65535;
    chart->setChartSerPointCount(0, Points);
    chart->resizeChartSerData(0, Points);
    QElapsedTimer longSheet;
    longSheet.start();
    window.properties()->slotRecvWnd(chart);
    QCoreApplication::sendPostedEvents();
    browser->repaint();
    const double showMs = longSheet.nsecsElapsed() / 1e6;
    const int longRows = countRows(browser->topLevelItems());
    longSheet.restart();
    window.properties()->slotRecvParent();
    QCoreApplication::sendPostedEvents();
    const double closeMs = longSheet.nsecsElapsed() / 1e6;
    longSheet.restart();
    plain.clear();
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < longRows; ++i)
        items << new QTreeWidgetItem(QStringList {QString("row %1").arg(i), QString::number(i)});
    plain.addTopLevelItems(items);
    QCoreApplication::sendPostedEvents();
    plain.repaint();
    const double plainMs = longSheet.nsecsElapsed() / 1e6;
    std::printf("chart of %d points: %d rows, sheet %.1f ms (tree %.1f ms, ratio %.2f), "
                "taken down in %.1f ms\n",
                Points, longRows, showMs, plainMs, plainMs > 0 ? showMs / plainMs : 0.0, closeMs);
    window.pages()->clearAllPages();
    return 0;
}
