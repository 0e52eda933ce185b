#ifndef EVENTHOLDERDLG_H
#define EVENTHOLDERDLG_H

#include "selectionkind.h"

#include <QDialog>
#include <QPointer>

class DesignDocument;
class EventHolder;
class PageParam;
class QMyWidget;
class TimerParam;

// A dialog that works on the events of one page, timer or widget: the one whose sheet was
// shown when it opened. It keeps that holder while other pages, widgets or timers are
// selected, and closes without a word once the holder goes away, so that it never acts on
// another holder or on a deleted widget.
class EventHolderDlg : public QDialog
{
    Q_OBJECT

public:
    // Owner kind of a kind that has no events.
    static constexpr int NoOwner = -4;

    // The owner kind of the events of what a sheet shows: the page's, the number of the
    // widget's type, the sleep timer's or the other timers'; NoOwner without such a holder.
    static int ownerKind(SelectionKind selectionKind, const QMyWidget *widget,
                         const TimerParam *timer);

    // The design whose pages the dialog's holders are; the dialog closes once its page has
    // gone, and whatever it works on once every page has.
    void setDocument(const DesignDocument *design);

    // Closes the dialog when it works on holder, or in any case when holder is null: that
    // holder, or the whole design, is about to go. Nothing is reported.
    void dismiss(const EventHolder *holder = nullptr);

protected:
    explicit EventHolderDlg(QWidget *parent);

    // A page selection takes the page shown now, the others the widget or the timer.
    void setHolder(SelectionKind selectionKind, QMyWidget *widget, TimerParam *timer);
    // Null once the holder has gone.
    EventHolder *holder() const;
    int holderOwnerKind() const;

private:
    const DesignDocument *m_design = nullptr;
    SelectionKind m_selectionKind = SelectionKind::None;
    PageParam *m_page = nullptr;
    QPointer<QMyWidget> m_widget;
    TimerParam *m_timer = nullptr;
    QMetaObject::Connection m_widgetWatch;
};

#endif // EVENTHOLDERDLG_H
