#ifndef QMYFRAME_H
#define QMYFRAME_H

#include "pagetreeaction.h"
#include "widgettype.h"

#include <QFrame>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

class DesignDocument;
class QAction;
class QMenu;
class QMyMessageBox;
class QMyWidget;

// The one page canvas: shows the current page of its design document, takes widgets
// dropped from the palette, copies and pastes single widgets and relays the widgets'
// signals to the main window. It follows the document: its widgets are the canvas's
// children, shown while their page is.
class QMyFrame : public QFrame
{
    Q_OBJECT

public:
    explicit QMyFrame(QWidget *parent = nullptr);
    ~QMyFrame() override;

    // The design the canvas shows and follows; widgets made for it get the canvas as
    // their parent.
    void setDocument(DesignDocument *document);
    DesignDocument *document() const { return design; }

    QMyWidget *getCurrentWidget() const;
    void setCurrentWidget(QMyWidget *w);
    QMyWidget *getCopiedWidget() const;
    void setCopiedWidget(QMyWidget *w);
    bool getTimerShown() const { return timerShown; }
    void setTimerShown(bool shown) { timerShown = shown; }
    QPoint getPastePos() const { return pastePos; }
    void setPastePos(const QPoint &pos) { pastePos = pos; }
    QMenu *getContextMenu() const { return contextMenu; }
    QMyMessageBox *getMessageBox() const { return messageBox; }

    // The property panel and the page tree show the widget, or the page, as after a click.
    void selectWidget(QMyWidget *w) { emit s_sendPressWnd(w); }
    void selectPage() { emit s_sendParent(); }

    void setPastePosFromCursor();
    void retranslate();

    // Takes the size the design asks for and keeps the size it got, as every paint does
    // first; for readers of the page size that cannot wait for a paint.
    void refreshPageSize();
    // The canvas size in pixels as of its last paint or refresh.
    QSize pageSize() const { return m_pageSize; }

    // Wires a widget's signals to the canvas, as every widget of a page needs.
    void connectWidget(QMyWidget *w);

    // The lowest id from 1 up that none of the given ids uses.
    static int lowestFreeId(const QList<int> &ids);
    // Paste position pulled back onto a page of the given size for a widget of size w x h.
    static QPoint clampPastePos(QPoint pos, int w, int h, int pageW, int pageH);
    // True while the design's current page exists.
    bool hasCurrentPage() const;

signals:
    void s_sendPressWnd(QMyWidget *w);
    void s_sendWndMove(QMyWidget *w);
    void s_sendParent();
    void s_delAction();
    void s_sendTreeWidget(PageTreeAction action, int page, WidgetType type, int id,
                          QString typeName);
    void s_sendClickTopTreeWidget();
    void s_sendPressPos(QPoint pos);

public slots:
    void slotRecvWnd(QMyWidget *w);
    void slotRecvWndMove(QMyWidget *w);
    void slotRecvPressPos(QPoint pos);
    void slotCopyAction();
    void slotPasteAction();
    void slotDelAction();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // What the canvas does when its design changes.
    void adoptWidget(int page, QMyWidget *w);
    void showCurrentPage();
    void redrawFontUsers(int number);
    int currentPageFreeId() const;
    // True, with a notice, when the current page holds as many widgets as a page may.
    bool refuseFullPage();

    QString dropTypeName;
    QMyMessageBox *messageBox;
    DesignDocument *design = nullptr;
    QSize m_pageSize;
    QMenu *contextMenu;
    QAction *copyAction;
    QAction *pasteAction;
    QAction *deleteAction;
    // Null once their widget is deleted.
    QPointer<QMyWidget> currentWidget;
    QPointer<QMyWidget> copiedWidget;
    QPoint pastePos;
    bool leftPressed = false;
    QPoint pressPos;
    bool timerShown = false;
};

#endif // QMYFRAME_H
