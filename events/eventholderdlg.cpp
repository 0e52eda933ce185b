#include "eventholderdlg.h"

#include "designdocument.h"
#include "eventinfo.h"
#include "pageparam.h"
#include "qmywidget.h"
#include "timerparam.h"

namespace {
constexpr int SleepTimerId = DesignDocument::SleepTimer;
}

EventHolderDlg::EventHolderDlg(QWidget *parent)
    : QDialog(parent)
{ }

int EventHolderDlg::ownerKind(SelectionKind selectionKind, const QMyWidget *widget,
                              const TimerParam *timer)
{
    switch (selectionKind) {
    case SelectionKind::Page:
        return EventInfo::PageOwner;
    case SelectionKind::Widget:
        return widget ? widgetTypeCode(widget->getType()) : NoOwner;
    case SelectionKind::Timer:
        if (!timer)
            return NoOwner;
        return timer->timerID() == SleepTimerId ? EventInfo::SleepTimerOwner
                                                : EventInfo::TimerOwner;
    case SelectionKind::None:
        break;
    }
    return NoOwner;
}

void EventHolderDlg::setDocument(const DesignDocument *design)
{
    if (m_design)
        disconnect(m_design, nullptr, this, nullptr);
    m_design = design;
    if (!m_design)
        return;
    connect(m_design, &DesignDocument::pageRemoved, this, [this] {
        if (m_selectionKind == SelectionKind::Page && !holder())
            dismiss();
    });
    connect(m_design, &DesignDocument::pagesCleared, this, [this] { dismiss(); });
}

void EventHolderDlg::dismiss(const EventHolder *holder)
{
    if (holder && holder != this->holder())
        return;
    disconnect(m_widgetWatch);
    m_selectionKind = SelectionKind::None;
    m_page = nullptr;
    m_widget = nullptr;
    m_timer = nullptr;
    hide();
}

void EventHolderDlg::setHolder(SelectionKind selectionKind, QMyWidget *widget, TimerParam *timer)
{
    disconnect(m_widgetWatch);
    m_selectionKind = selectionKind;
    m_page = selectionKind == SelectionKind::Page && m_design
        ? m_design->page(m_design->currentPage())
        : nullptr;
    m_widget = selectionKind == SelectionKind::Widget ? widget : nullptr;
    m_timer = selectionKind == SelectionKind::Timer ? timer : nullptr;
    if (m_widget)
        m_widgetWatch = connect(m_widget, &QObject::destroyed, this, [this] { dismiss(); });
}

EventHolder *EventHolderDlg::holder() const
{
    switch (m_selectionKind) {
    case SelectionKind::Page:
        // A page pointer is only trusted while the page list still holds it.
        return m_page && m_design && m_design->pages().contains(m_page) ? &m_page->eventHolder()
                                                                          : nullptr;
    case SelectionKind::Widget:
        return m_widget ? &m_widget->eventHolder() : nullptr;
    case SelectionKind::Timer:
        return m_timer ? &m_timer->eventHolder() : nullptr;
    case SelectionKind::None:
        break;
    }
    return nullptr;
}

int EventHolderDlg::holderOwnerKind() const
{
    return ownerKind(m_selectionKind, m_widget, m_timer);
}
