#ifndef QMYFRAME_H
#define QMYFRAME_H

#include "pagetreeaction.h"
#include "widgettype.h"

#include <QFrame>
#include <QList>
#include <QPoint>
#include <QString>

class QAction;
class QMenu;
class QMyMessageBox;
class QMyWidget;

// The one page canvas: shows the current page, takes widgets dropped from the palette,
// copies and pastes single widgets and relays the widgets' signals to the main window.
class QMyFrame : public QFrame
{
    Q_OBJECT

public:
    explicit QMyFrame(QWidget *parent = nullptr);
    ~QMyFrame() override;

    int getScreenType() const { return screenType; }
    void setScreenType(int type) { screenType = type; }
    int getModelType() const { return modelType; }
    void setModelType(int type) { modelType = type; }
    int getFrameW() const { return frameW; }
    void setFrameW(int w) { frameW = w; }
    int getFrameH() const { return frameH; }
    void setFrameH(int h) { frameH = h; }
    QMyWidget *getCurrentWidget() const { return currentWidget; }
    void setCurrentWidget(QMyWidget *w) { currentWidget = w; }
    QMyWidget *getCopiedWidget() const { return copiedWidget; }
    void setCopiedWidget(QMyWidget *w) { copiedWidget = w; }
    bool getTimerShown() const { return timerShown; }
    void setTimerShown(bool shown) { timerShown = shown; }
    QPoint getPastePos() const { return pastePos; }
    void setPastePos(const QPoint &pos) { pastePos = pos; }
    QMenu *getContextMenu() const { return contextMenu; }
    QMyMessageBox *getMessageBox() const { return messageBox; }

    void setPastePosFromCursor();
    void retranslate();

    // Takes the requested size and stores the size it got in pageWidth and pageHeight, as
    // every paint does first; for readers of the page size that cannot wait for a paint.
    void refreshPageSize();

    // Wires a widget's signals to the canvas, as every widget of a page needs.
    void connectWidget(QMyWidget *w);

    // The lowest id from 1 up that none of the given ids uses.
    static int lowestFreeId(const QList<int> &ids);
    // Paste position pulled back onto a page of the given size for a widget of size w x h.
    static QPoint clampPastePos(QPoint pos, int w, int h, int pageW, int pageH);
    // True while currentPageIndex names an existing page.
    static bool hasCurrentPage();

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
    int currentPageFreeId() const;
    // True, with a notice, when the current page holds as many widgets as a page may.
    bool refuseFullPage();

    QString dropTypeName;
    QMyMessageBox *messageBox;
    int screenType = 0;
    int modelType = 0;
    int frameW;
    int frameH;
    QMenu *contextMenu;
    QAction *copyAction;
    QAction *pasteAction;
    QAction *deleteAction;
    QMyWidget *currentWidget = nullptr;
    QMyWidget *copiedWidget = nullptr;
    QPoint pastePos;
    bool leftPressed = false;
    QPoint pressPos;
    bool timerShown = false;
};

#endif // QMYFRAME_H
