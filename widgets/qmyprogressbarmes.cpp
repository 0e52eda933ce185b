#include "qmyprogressbarmes.h"
#include "ui_qmyprogressbarmes.h"

#include "qmymessagebox.h"
#include "screenarea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

QMyProgressBarMes::QMyProgressBarMes(QWidget *parent)
    : QDialog(parent)
    , form(new Ui::QMyProgressBarMes)
{
    form->setupUi(this);
    if (parent)
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::WindowStaysOnTopHint);
    hide();
}

QMyProgressBarMes::~QMyProgressBarMes()
{
    if (qApp)
        qApp->removeEventFilter(this);
    delete form;
}

void QMyProgressBarMes::setTitle(const QString &title)
{
    setWindowTitle(title);
}

void QMyProgressBarMes::setProgress(int maximum, int value)
{
    state = Running;
    if (value == maximum) {
        if (maximum != 0) {
            visibleWanted = true;
            state = Complete;
        } else {
            visibleWanted = false;
        }
    }
    if (value == 0)
        visibleWanted = true;
    showState();
    setVisible(visibleWanted);
    form->progressBar->setOrientation(Qt::Horizontal);
    // A range of 0 to 0 would be Qt's endlessly moving busy bar.
    form->progressBar->setRange(0, qMax(maximum, 1));
    form->progressBar->setValue(value);
}

void QMyProgressBarMes::setStopped(bool cancelled)
{
    state = cancelled ? Cancelled : Failed;
    showState();
}

void QMyProgressBarMes::showState()
{
    form->btnClose->setText(state == Complete ? tr("完成") : tr("关闭"));
    if (state == Failed || state == Cancelled)
        form->progressBar->setFormat(stoppedText(state == Cancelled));
    else
        form->progressBar->setFormat(QStringLiteral("%p%"));
}

QString QMyProgressBarMes::stoppedText(bool cancelled)
{
    return cancelled ? tr("已取消") : tr("失败");
}

void QMyProgressBarMes::showDlg()
{
    state = Running;
    showState();
    show();
}

// The title is the transfer's, set by the owner with each step; the form's would be "Dialog".
void QMyProgressBarMes::retranslate()
{
    const QString title = windowTitle();
    form->retranslateUi(this);
    setWindowTitle(title);
    showState();
}

void QMyProgressBarMes::closeEvent(QCloseEvent *event)
{
    visibleWanted = false;
    hide();
    event->accept();
    emit s_sendClosed();
}

void QMyProgressBarMes::on_btnClose_clicked()
{
    visibleWanted = false;
    hide();
    emit s_sendClosed();
}

void QMyProgressBarMes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget()) {
        keepClear();
        // Sees the other windows come up while it is shown.
        qApp->installEventFilter(this);
    }
}

void QMyProgressBarMes::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

bool QMyProgressBarMes::eventFilter(QObject *watched, QEvent *event)
{
    // A dialog shown for the first time places itself in its own handling of this event,
    // after the filter: the place is looked at again once the event is through.
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow() && isVisible()) {
        keepClear();
        QMetaObject::invokeMethod(this, &QMyProgressBarMes::keepClearIfShown, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void QMyProgressBarMes::keepClearIfShown()
{
    if (isVisible())
        keepClear();
}

void QMyProgressBarMes::keepClear()
{
    constexpr int Margin = 20; // from the edges of the owner and the screen
    const QWidget *owner = parentWidget()->window();
    QList<QRect> others;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        // Message boxes come to the front by themselves; menus and tips are gone soon.
        if (w == this || w == owner || !w->isVisible() || type == Qt::Popup || type == Qt::ToolTip
            || type == Qt::Desktop || qobject_cast<const QMyMessageBox *>(w))
            continue;
        others.append(w->frameGeometry());
    }
    const QRect ownerFrame = owner->frameGeometry();
    const QScreen *screen = owner->screen();
    const QRect area = screen ? screen->availableGeometry() : ownerFrame;
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(ownerFrame.center());
    QList<QRect> places = {frame};
    for (const QRect &bounds : {ownerFrame, area}) {
        const QRect inner = bounds.adjusted(Margin, Margin, -Margin, -Margin);
        frame.moveBottomRight(inner.bottomRight());
        places.append(frame);
        frame.moveBottomLeft(inner.bottomLeft());
        places.append(frame);
        frame.moveTopRight(inner.topRight());
        places.append(frame);
        frame.moveTopLeft(inner.topLeft());
        places.append(frame);
    }
    QPoint best = pos();
    qint64 least = -1;
    for (const QRect &wanted : qAsConst(places)) {
        // Inside the screen, with the corner it was meant for.
        const QRect place = ScreenArea::keptInside(wanted, area);
        qint64 covered = 0;
        for (const QRect &other : qAsConst(others)) {
            const QRect common = place.intersected(other);
            covered += qint64(common.width()) * common.height();
        }
        if (least < 0 || covered < least) {
            least = covered;
            best = place.topLeft();
        }
        if (covered == 0)
            break;
    }
    if (best != pos())
        move(best);
}
