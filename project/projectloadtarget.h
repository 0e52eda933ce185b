#ifndef PROJECTLOADTARGET_H
#define PROJECTLOADTARGET_H

#include "widgettype.h"

#include <QPoint>
#include <QString>

class BootParam;
class PageParam;
class QMyWidget;
class TimerParam;

// Where a project file's content goes when it is loaded: the main window in the
// program, a plain design in tests. The reader decides what to apply and in which
// order; the target only carries it out.
class ProjectLoadTarget
{
public:
    virtual ~ProjectLoadTarget() = default;

    // Timer i of the nine (8 is the sleep timer).
    virtual TimerParam *timer(int index) = 0;
    // The record that receives the boot keys.
    virtual BootParam *bootParam() = 0;

    // Frame keys applied as they are met.
    virtual void setModelTypeNow(int series) = 0;
    virtual void setResolutionText(const QString &text) = 0;
    virtual void setBaud(const QString &text) = 0;
    virtual void setBacklight(int value) = 0;
    // After a frame block with a usable size.
    virtual void setCanvas(int screenType, int series, int width, int height) = 0;
    // After every frame block: the boot record has been read.
    virtual void bootParamLoaded() = 0;

    // Appends an empty page (shown at once) and returns its index.
    virtual int addPage() = 0;
    virtual int pageCount() const = 0;
    virtual PageParam *page(int index) = 0;
    // The page's record got a non-empty name.
    virtual void pageNamed(int index) = 0;

    virtual int widgetCount(int page) const = 0;
    // A new widget of the type with the type's defaults, not yet on any page.
    virtual QMyWidget *createWidget(WidgetType type, int id) = 0;
    // Puts a filled-in widget on its page at the position.
    virtual void addWidget(int page, QMyWidget *widget, const QPoint &pos) = 0;

    // After the whole file: show the saved page (-1: there is no page).
    virtual void finish(int savedPage) = 0;
};

#endif // PROJECTLOADTARGET_H
