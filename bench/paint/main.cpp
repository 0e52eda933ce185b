// Repainting an 800 x 480 page of 60 widgets of all ten types with texts in project fonts,
// and one step of dragging a widget over it, against 60 plain widgets that fill a rectangle.

#include "designdocument.h"
#include "designglobals.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const int widgetCount = 60;
const int rounds = 200;

class PlainBox : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(200, 200, 200));
    }
};

QWidget *makePage()
{
    auto *page = new QWidget;
    page->resize(800, 480);
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, Qt::white);
    page->setPalette(pal);
    return page;
}

// Six widgets of each type spread over the page, cell by cell.
QRect cell(int i)
{
    return QRect((i % 10) * 80, (i / 10) * 80, 75, 75);
}

bool waitExposed(QWidget *w)
{
    QElapsedTimer t;
    t.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return w->windowHandle() && w->windowHandle()->isExposed();
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0.0 : v.at(v.size() / 2);
}

double timeRepaint(QWidget *page)
{
    QVector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        page->repaint();
        ms.append(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

// One drag step: the move event and the repaint it causes, the widget going back and
// forth so that it stays where it is.
double timeDrag(const std::function<void(int)> &step)
{
    QVector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        step(i % 2 == 0 ? 4 : -4);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        ms.append(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

void writeProjectFonts(const QString &folder)
{
    QDir().mkpath(folder + "/tempFonts");
    QDir().mkpath(folder + "/tempTtf");
    QFile::copy("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                folder + "/tempTtf/DejaVuSans.ttf");
    QFile::copy("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                folder + "/tempTtf/DejaVuSans-Bold.ttf");
    const char *ttf[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"};
    for (int n = 0; n < 2; ++n) {
        QSettings ini(folder + QString("/tempFonts/%1.ini").arg(n), QSettings::IniFormat);
        ini.setValue("FontParam/fontName", QString("font%1").arg(n));
        ini.setValue("FontParam/fontSize", n == 0 ? "14" : "18");
        ini.setValue("FontParam/fontTtf", ttf[n]);
        ini.setValue("FontParam/fontBbp", "4");
        ini.setValue("FontParam/fontText", "0123456789");
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir project;
    writeProjectFonts(project.path());
    DesignDocument design;
    design.setProjectPath(project.filePath("bench.yBEX"));

    QWidget *page = makePage();
    QList<QMyWidget *> widgets;
    for (int i = 0; i < widgetCount; ++i) {
        QMyWidget *w = QMyWidgetFactory::create(WidgetType(i % 10), i + 1, page);
        w->setDocument(&design);
        const QRect c = cell(i);
        w->setW(qMin(w->getW(), c.width()));
        w->setH(qMin(w->getH(), c.height()));
        w->setFontID(i % 2);
        w->setChartTickLabelFontID(i % 2);
        if (w->getType() != WidgetType::Img && w->getType() != WidgetType::QRCode)
            w->setText(QString("Text %1").arg(i));
        w->setSelected(i % 7 == 0);
        w->setPos(c.x(), c.y());
        widgets << w;
    }
    page->show();
    if (!waitExposed(page)) {
        std::fprintf(stderr, "the page was never shown\n");
        return 1;
    }
    page->repaint();

    QWidget *plainPage = makePage();
    QList<QWidget *> boxes;
    for (int i = 0; i < widgetCount; ++i) {
        auto *b = new PlainBox(plainPage);
        b->setGeometry(widgets.at(i)->geometry());
        boxes << b;
    }
    plainPage->show();
    waitExposed(plainPage);
    plainPage->repaint();

    const double pageMs = timeRepaint(page);
    double typeMs[10];
    for (int t = 0; t < 10; ++t)
        typeMs[t] = timeRepaint(widgets.at(t));
    const double plainPageMs = timeRepaint(plainPage);

    // Drag a chart (the costliest type) by its body.
    QMyWidget *dragged = widgets.at(29);
    PaintCounter counter;
    dragged->installEventFilter(&counter);
    const QPoint grip(30, 30);
    {
        QMouseEvent press(QEvent::MouseButtonPress, grip, dragged->mapToGlobal(grip),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dragged, &press);
    }
    const double dragMs = timeDrag([&](int dx) {
        const QPoint to = grip + QPoint(dx, 0);
        QMouseEvent move(QEvent::MouseMove, to, dragged->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dragged, &move);
    });
    QWidget *box = boxes.at(29);
    const double plainDragMs = timeDrag([&](int dx) { box->move(box->pos() + QPoint(dx, 0)); });

    std::printf("%d widgets on an 800 x 480 page, median of %d rounds\n", widgetCount, rounds);
    std::printf("%-14s %10s %10s %8s\n", "", "widgets", "plain", "ratio");
    std::printf("%-14s %7.3f ms %7.3f ms %7.1fx\n", "page repaint", pageMs, plainPageMs,
                pageMs / qMax(plainPageMs, 1e-6));
    std::printf("%-14s %7.3f ms %7.3f ms %7.1fx\n", "drag step", dragMs, plainDragMs,
                dragMs / qMax(plainDragMs, 1e-6));
    std::printf("repaint of one widget by type:");
    for (int t = 0; t < 10; ++t)
        std::printf(" %s %.3f", qPrintable(widgetTypeNames.at(t)), typeMs[t]);
    std::printf(" ms\n");
    std::printf("paints of the dragged widget: %d in %d steps\n", counter.paints, rounds);
    std::printf("drag frame target 8 ms: %s\n", dragMs < 8.0 ? "met" : "missed");

    delete page;
    delete plainPage;
    return 0;
}
