#include "qmyframe.h"

#include "designdocument.h"
#include "designglobals.h"
#include "pageparam.h"
#include "qmydrawcache.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

QMyFrame::QMyFrame(QWidget *parent)
    : QFrame(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlag(Qt::FramelessWindowHint);

    messageBox = new QMyMessageBox;
    setAcceptDrops(true);

    contextMenu = new QMenu;
    copyAction = new QAction(QIcon(":images/copy.png"), QString());
    pasteAction = new QAction(QIcon(":images/paste.png"), QString());
    deleteAction = new QAction(QIcon(":images/del.png"), QString());
    connect(copyAction, &QAction::triggered, this, &QMyFrame::slotCopyAction);
    connect(pasteAction, &QAction::triggered, this, &QMyFrame::slotPasteAction);
    connect(deleteAction, &QAction::triggered, this, &QMyFrame::slotDelAction);
    retranslate();
    contextMenu->addAction(copyAction);
    contextMenu->addAction(pasteAction);
    contextMenu->addAction(deleteAction);
}

QMyFrame::~QMyFrame()
{
    delete messageBox;
    delete contextMenu;
    delete copyAction;
    delete pasteAction;
    delete deleteAction;
}

void QMyFrame::retranslate()
{
    copyAction->setText(tr("复制"));
    pasteAction->setText(tr("粘贴"));
    deleteAction->setText(tr("删除"));
}

void QMyFrame::setDocument(DesignDocument *document)
{
    if (design)
        disconnect(design, nullptr, this, nullptr);
    design = document;
    if (!design)
        return;
    connect(design, &DesignDocument::widgetAdded, this, &QMyFrame::adoptWidget);
    connect(design, &DesignDocument::currentPageChanged, this, &QMyFrame::showCurrentPage);
    connect(design, &DesignDocument::pageRemoved, this, &QMyFrame::showCurrentPage);
    connect(design, &DesignDocument::pagesCleared, this, QOverload<>::of(&QMyFrame::update));
    connect(design, &DesignDocument::pictureRemoved, this, QOverload<>::of(&QMyFrame::update));
    connect(design, &DesignDocument::settingsChanged, this, QOverload<>::of(&QMyFrame::update));
    connect(design, &DesignDocument::fontChanged, this, &QMyFrame::redrawFontUsers);
}

QMyWidget *QMyFrame::getCurrentWidget() const
{
    return currentWidget;
}

void QMyFrame::setCurrentWidget(QMyWidget *w)
{
    currentWidget = w;
}

QMyWidget *QMyFrame::getCopiedWidget() const
{
    return copiedWidget;
}

void QMyFrame::setCopiedWidget(QMyWidget *w)
{
    copiedWidget = w;
}

// A widget of the shown page shows; the others wait for their page.
void QMyFrame::adoptWidget(int page, QMyWidget *w)
{
    connectWidget(w);
    w->setVisible(page == design->currentPage());
}

void QMyFrame::showCurrentPage()
{
    const int current = design->currentPage();
    for (int i = 0; i < design->pageCount(); ++i) {
        for (QMyWidget *w : design->widgets(i))
            w->setVisible(i == current);
    }
    update();
}

// The widgets of other pages draw when their page shows.
void QMyFrame::redrawFontUsers(int number)
{
    for (QMyWidget *w : design->widgets(design->currentPage())) {
        if (w->getFontID() == number || w->getChartTickLabelFontID() == number)
            w->update();
    }
}

void QMyFrame::setPastePosFromCursor()
{
    pastePos = mapFromGlobal(QCursor::pos());
}

void QMyFrame::connectWidget(QMyWidget *w)
{
    connect(w, &QMyWidget::s_sendPressWnd, this, &QMyFrame::slotRecvWnd);
    connect(w, &QMyWidget::s_sendWndMove, this, &QMyFrame::slotRecvWndMove);
    connect(w, &QMyWidget::s_sendPressPos, this, &QMyFrame::slotRecvPressPos);
}

int QMyFrame::lowestFreeId(const QList<int> &ids)
{
    // Scanning for the smallest unused positive number also copes with pages loaded from
    // hand-edited files that hold duplicates or non-positive ids.
    QList<int> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    int candidate = 1;
    for (int id : qAsConst(sorted)) {
        if (id == candidate)
            ++candidate;
        else if (id > candidate)
            break;
    }
    return candidate;
}

// A widget wider or taller than the page starts at its left or top edge, as a move
// leaves it.
QPoint QMyFrame::clampPastePos(QPoint pos, int w, int h, int pageW, int pageH)
{
    pos.setX(qMax(0, qMin(pos.x(), pageW - w)));
    pos.setY(qMax(0, qMin(pos.y(), pageH - h)));
    return pos;
}

bool QMyFrame::refuseFullPage()
{
    if (design->widgets(design->currentPage()).size() < MaxWidgetsPerPage)
        return false;
    messageBox->showNotice(QMyMessageBox::Warning,
                           tr("一页最多可放%1个控件！").arg(MaxWidgetsPerPage));
    return true;
}

bool QMyFrame::hasCurrentPage() const
{
    return design && design->hasCurrentPage();
}

int QMyFrame::currentPageFreeId() const
{
    QList<int> ids;
    for (QMyWidget *w : design->widgets(design->currentPage()))
        ids << w->getId();
    return lowestFreeId(ids);
}

void QMyFrame::slotRecvWnd(QMyWidget *w)
{
    if (!hasCurrentPage())
        return;
    for (QMyWidget *other : design->widgets(design->currentPage())) {
        if (other != w)
            other->setSelected(false);
    }
    emit s_sendPressWnd(w);
    repaint();
}

void QMyFrame::slotRecvWndMove(QMyWidget *w)
{
    emit s_sendWndMove(w);
}

void QMyFrame::slotRecvPressPos(QPoint pos)
{
    emit s_sendPressPos(pos);
}

void QMyFrame::slotCopyAction()
{
    copiedWidget = currentWidget;
}

void QMyFrame::slotDelAction()
{
    if (copiedWidget == currentWidget)
        copiedWidget = nullptr;
    emit s_delAction();
}

void QMyFrame::slotPasteAction()
{
    if (!copiedWidget || !hasCurrentPage() || refuseFullPage())
        return;
    const int id = currentPageFreeId();
    QMyWidget *copy = QMyWidgetFactory::create(copiedWidget->getTypeName(), id, this);
    if (!copy)
        return;
    copy->copyAttributesFrom(*copiedWidget);
    copy->copyEventsFrom(*copiedWidget);
    pastePos = clampPastePos(pastePos, copy->getW(), copy->getH(), m_pageSize.width(),
                             m_pageSize.height());
    copy->setPos(pastePos.x(), pastePos.y());
    const int page = design->currentPage();
    design->addWidget(page, copy);

    emit s_sendPressWnd(copy);
    emit s_sendTreeWidget(PageTreeAction::AddWidget, page, copy->getType(), id,
                          copy->getTypeName());
}

void QMyFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        leftPressed = true;
        pressPos = event->pos();
    }
}

void QMyFrame::mouseReleaseEvent(QMouseEvent *event)
{
    emit s_sendPressPos(event->pos());
    if (!leftPressed || !rect().contains(event->pos()) || !hasCurrentPage())
        return;
    for (QMyWidget *w : design->widgets(design->currentPage())) {
        if (!w->isSelected())
            continue;
        if (!w->getGeometryRect().contains(pressPos)) {
            w->setSelected(false);
            emit s_sendClickTopTreeWidget();
        }
        return;
    }
    if (timerShown)
        emit s_sendParent();
}

void QMyFrame::mouseMoveEvent(QMouseEvent *) { }

void QMyFrame::contextMenuEvent(QContextMenuEvent *event)
{
    pasteAction->setEnabled(copiedWidget != nullptr);
    // A request from a widget arrives with the widget's coordinates.
    pastePos = mapFromGlobal(event->globalPos());
    contextMenu->exec(QCursor::pos());
}

void QMyFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat("TypeName")) {
        // A copy: a move would make the palette drop its row.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void QMyFrame::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat("TypeName")) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void QMyFrame::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasFormat("TypeName")) {
        event->ignore();
        return;
    }
    dropTypeName = QString::fromUtf8(event->mimeData()->data("TypeName"));
    if (!design || design->pageCount() == 0) {
        messageBox->showNotice(QMyMessageBox::Information, tr("未添加页，请您先添加页！"));
        event->ignore();
        return;
    }
    const std::optional<WidgetType> type = QMyWidgetFactory::typeOf(dropTypeName);
    if (!hasCurrentPage() || !type || refuseFullPage()) {
        event->ignore();
        return;
    }
    const int id = currentPageFreeId();
    QMyWidget *w = QMyWidgetFactory::create(*type, id, this);
    if (!w) {
        event->ignore();
        return;
    }
    // The mouse point, never left of or above the page.
    w->setPos(qMax(0, event->pos().x()), qMax(0, event->pos().y()));
    const int page = design->currentPage();
    design->addWidget(page, w);
    emit s_sendTreeWidget(PageTreeAction::AddWidget, page, *type, id, dropTypeName);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void QMyFrame::refreshPageSize()
{
    if (design && m_pageSize != design->frameSize()) {
        resize(design->frameSize());
        m_pageSize = size();
    }
}

void QMyFrame::paintEvent(QPaintEvent *)
{
    refreshPageSize();
    if (!hasCurrentPage())
        return;
    const PageParam *page = design->page(design->currentPage());
    const QList<QMyWidget *> &widgets = design->widgets(design->currentPage());
    const QSize frame = design->frameSize();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect();

    if (page->pageFlag() == 1) {
        for (QMyWidget *w : widgets)
            w->hide();
        painter.setPen(QPen(page->pageColorGrad1(), 2, Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
        return;
    }
    if (page->pageFlag() != 0)
        return;

    for (QMyWidget *w : widgets)
        w->show();

    const int imageNum = page->pageImageNum();
    if (imageNum < 0) {
        painter.setPen(Qt::transparent);
        switch (page->pageGradDir()) {
        case 0:
            painter.setBrush(page->pageColorGrad1());
            break;
        case 1:
        case 2: {
            QLinearGradient gradient(0, 0, page->pageGradDir() == 2 ? frame.width() : 0,
                                     page->pageGradDir() == 1 ? frame.height() : 0);
            gradient.setColorAt(0.5, page->pageColorGrad1());
            gradient.setColorAt(1.0, page->pageColorGrad2());
            painter.setBrush(gradient);
            break;
        }
        default:
            painter.setBrush(Qt::NoBrush);
            break;
        }
        painter.drawRoundedRect(area, page->pageRadius(), page->pageRadius(), Qt::AbsoluteSize);
    } else if (imageNum < design->pictures().size()) {
        QPainterPath clip;
        clip.addRoundedRect(area, page->pageRadius(), page->pageRadius(), Qt::AbsoluteSize);
        painter.save();
        painter.setClipPath(clip);
        painter.setOpacity(page->pageOpa() / 255.0);
        // Decoded at the size it is shown, not at its own.
        painter.drawImage(area, QMyDrawCache::image(design->pictures().at(imageNum), area.size()));
        painter.restore();
    }

    const QColor lineColor = page->pageColorGrad1() == QColor(255, 0, 0, 255) ? Qt::black : Qt::red;
    painter.setPen(QPen(lineColor, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    switch (page->pageHelpLineType()) {
    case 1:
        painter.drawEllipse(QRect(QPoint(0, 0), m_pageSize));
        break;
    case 2:
        painter.drawRect(QRect(page->pageHelpLineLeft(), page->pageHelpLineTop(),
                               m_pageSize.width() - page->pageHelpLineRight()
                                   - page->pageHelpLineLeft(),
                               m_pageSize.height() - page->pageHelpLineBottom()
                                   - page->pageHelpLineTop()));
        break;
    default:
        break;
    }
}
