#include "eventholderdlg.h"

#include "designglobals.h"
#include "pageparam.h"
#include "qmywidget.h"
#include "timerparam.h"

namespace {
constexpr int SleepTimerId = 8;
}

EventHolderDlg::EventHolderDlg(QWidget *parent)
    : QDialog(parent)
{ }

int EventHolderDlg::ownerKind(int selectionKind, const QMyWidget *widget, const TimerParam *timer)
{
    switch (selectionKind) {
    case 0:
        return -1;
    case 1:
        return widget ? widget->getTypeCode() : NoOwner;
    case 2:
        if (!timer)
            return NoOwner;
        return timer->timerID() == SleepTimerId ? -3 : -2;
    default:
        return NoOwner;
    }
}

void EventHolderDlg::dismiss(const EventHolder *holder)
{
    if (holder && holder != this->holder())
        return;
    disconnect(m_widgetWatch);
    m_selectionKind = -1;
    m_page = nullptr;
    m_widget = nullptr;
    m_timer = nullptr;
    hide();
}

void EventHolderDlg::setHolder(int selectionKind, QMyWidget *widget, TimerParam *timer)
{
    disconnect(m_widgetWatch);
    m_selectionKind = selectionKind;
    m_page = selectionKind == 0 ? pageRecords.value(currentPageIndex) : nullptr;
    m_widget = selectionKind == 1 ? widget : nullptr;
    m_timer = selectionKind == 2 ? timer : nullptr;
    if (m_widget)
        m_widgetWatch = connect(m_widget, &QObject::destroyed, this, [this] { dismiss(); });
}

EventHolder *EventHolderDlg::holder() const
{
    switch (m_selectionKind) {
    case 0:
        // A page pointer is only trusted while the page list still holds it.
        return m_page && pageRecords.contains(m_page) ? &m_page->eventHolder() : nullptr;
    case 1:
        return m_widget ? &m_widget->eventHolder() : nullptr;
    case 2:
        return m_timer ? &m_timer->eventHolder() : nullptr;
    default:
        return nullptr;
    }
}

int EventHolderDlg::holderOwnerKind() const
{
    return ownerKind(m_selectionKind, m_widget, m_timer);
}
