#ifndef PROJECTTESTTARGET_H
#define PROJECTTESTTARGET_H

#include "bootparam.h"
#include "pageparam.h"
#include "projectloadtarget.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "timerparam.h"

#include <QList>
#include <QStringList>
#include <QWidget>

// A design held in plain lists, loaded into without a main window; it records what the
// reader asks of the window besides the design.
class ProjectTestTarget : public ProjectLoadTarget
{
public:
    ProjectTestTarget()
    {
        for (int i = 0; i < 9; ++i) {
            timers.append(new TimerParam);
            timers.last()->setTimerID(i);
        }
    }
    ~ProjectTestTarget() override
    {
        qDeleteAll(timers);
        qDeleteAll(pages);
        for (QList<QMyWidget *> *list : widgets) {
            qDeleteAll(*list);
            delete list;
        }
    }

    // A new page as the page commands make one.
    int appendPage()
    {
        pages.append(new PageParam);
        widgets.append(new QList<QMyWidget *>);
        pageItems.append(QStringLiteral("Page-%1").arg(pages.size() - 1));
        return pages.size() - 1;
    }
    QMyWidget *appendWidget(int page, int type)
    {
        QMyWidget *w =
            QMyWidgetFactory::create(WidgetType(type), widgets.at(page)->size() + 1, &canvas);
        widgets.at(page)->append(w);
        return w;
    }

    TimerParam *timer(int index) override { return timers.value(index); }
    BootParam *bootParam() override { return &boot; }
    void setModelTypeNow(int series) override { modelNow = series; }
    void setResolutionText(const QString &text) override { dpi = text; }
    void setBaud(const QString &text) override { baud = text; }
    void setBacklight(int value) override { backlight = value; }
    void setCanvas(int screenType, int series, int width, int height) override
    {
        canvasText =
            QStringLiteral("%1,%2,%3,%4").arg(screenType).arg(series).arg(width).arg(height);
    }
    void bootParamLoaded() override { ++bootLoads; }
    int addPage() override { return appendPage(); }
    int pageCount() const override { return pages.size(); }
    PageParam *page(int index) override { return pages.value(index); }
    void pageNamed(int index) override
    {
        pageItems[index] =
            QStringLiteral("Page-%1(%2)").arg(index).arg(pages.at(index)->pageName());
    }
    int widgetCount(int page) const override { return widgets.at(page)->size(); }
    QMyWidget *createWidget(WidgetType type, int id) override
    {
        return QMyWidgetFactory::create(type, id, &canvas);
    }
    void addWidget(int page, QMyWidget *widget, const QPoint &pos) override
    {
        widgets.at(page)->append(widget);
        widget->setPos(pos.x(), pos.y());
    }
    void finish(int savedPage) override { shownPage = savedPage; }

    QWidget canvas;
    QList<TimerParam *> timers;
    BootParam boot;
    QList<PageParam *> pages;
    QList<QList<QMyWidget *> *> widgets;
    QStringList pageItems;
    int modelNow = -1;
    QString dpi;
    QString baud;
    int backlight = -1;
    QString canvasText = QStringLiteral("none");
    int bootLoads = 0;
    int shownPage = -2;
};

#endif // PROJECTTESTTARGET_H
