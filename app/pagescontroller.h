#ifndef PAGESCONTROLLER_H
#define PAGESCONTROLLER_H

#include "pagetreeaction.h"
#include "widgettype.h"

#include <QAction>
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QSet>
#include <QString>

#include <memory>

class DesignDocument;
class ItemDelegate;
class PageParam;
class PageRenameDlg;
class PropertiesController;
class QMainWindow;
class QMyMessageBox;
class QMyStandardItemModel;
class QMyWidget;
class QTreeWidgetItem;
class Ui_MainWindow;

// The pages and the canvas: the page tree with its menu and the rename dialog, the widget
// palette, the page clipboard, and the copy, paste and delete keys of the canvas. The tree
// follows the design document; its items hold their page and widget.
class PagesController : public QObject
{
    Q_OBJECT

public:
    enum PageAction { ActionAdd, ActionDelete, ActionRename, ActionCopy, ActionPaste };

    // The keys are watched for every widget of `window`.
    PagesController(QMainWindow *window, Ui_MainWindow *form, DesignDocument &document,
                    QMyMessageBox *questions, PropertiesController *properties,
                    QObject *parent = nullptr);
    ~PagesController() override;

    // A new last page, shown; false, with a notice, when the design holds all it may.
    bool addPage();
    void addTreeWidgetItem(PageTreeAction action, int page, WidgetType type, int id,
                           const QString &typeName);
    void clearAllPages();
    void clearPageTree();
    void expandRememberedPages();
    void deleteSelectedWidget();
    void refreshPageTree();
    void retranslate();
    // Keys typed into an editor belong to the editor, not to the canvas.
    static bool textEditorHasFocus();

    bool isClipboardValid() const { return clipboardValid; }
    QList<QMyWidget *> getClipboardWidgets() const { return clipboardWidgets; }
    PageParam *getClipboardPage() const { return clipboardPage.get(); }
    QAction *pageAction(PageAction which) { return &pageActions[which]; }
    QMenu *getPageMenu() { return &pageMenu; }
    PageRenameDlg *getPageRenameDlg() const { return pageRenameDlg.get(); }
    QMyStandardItemModel *getPaletteModel() const { return paletteModel; }

public slots:
    void on_btnPageAdd_clicked();
    void on_btnPageSub_clicked();
    void on_treeWidget_itemClicked(QTreeWidgetItem *item, int column);
    void slotDelAction();
    void slotActionPageAdd();
    void slotRecvFramePressPos(QPoint pos);
    void slotPopPageMenu(const QPoint &pos);
    void slotActionPageDel();
    void slotActionPageCopy();
    void slotActionPagePaste();
    void slotActionPageRename();
    void slotPageRename(int page, QString itemText, QString name);
    void slotTreeWidget(PageTreeAction action, int page, WidgetType type, int id, QString typeName);
    void slotClickTopTreeWidget();

protected:
    // Copy and paste act once per press of Ctrl+C or Ctrl+V.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpPalette();
    void fillPalette();
    void setUpPageTree();
    void setUpPageMenu();
    void followDocument();
    void followPageAdded(int page);
    void followPageRemoved(int page);
    void followPageRenamed(int page);
    void followWidgetAdded(int page, QMyWidget *w);
    void followWidgetRemoved(int page, QMyWidget *w);
    void followPictureRemoved(int number);
    void clickTreeItem(QTreeWidgetItem *item);
    void highlightShownItem(bool pageItemAlways, int menuPage);
    static bool isItemOf(const QTreeWidgetItem *item, const QMyWidget *w);
    void selectWidgetItem(const QMyWidget *w);
    void askDeletePage(int page);
    void deletePage(int page, int shownWhenAsked);
    QMyWidget *cloneWidget(QMyWidget *source);

    QMainWindow *window;
    Ui_MainWindow *form;
    DesignDocument &document;
    QMyMessageBox *questions;
    PropertiesController *properties;

    QMyStandardItemModel *paletteModel = nullptr;
    ItemDelegate *paletteDelegate = nullptr;
    QAction pageActions[5];
    QMenu pageMenu;
    std::unique_ptr<PageRenameDlg> pageRenameDlg;
    // A copied page and its widgets, hidden children of the canvas.
    std::unique_ptr<PageParam> clipboardPage;
    QList<QMyWidget *> clipboardWidgets;
    bool clipboardValid = false;
    QList<QIcon> widgetItemIcons;
    // Top-level items of the page tree that were expanded when it was last cleared.
    QSet<int> expandedPages;
    // Qt::Key_C or Qt::Key_V while its shortcut is pressed and has not acted yet.
    int pendingShortcutKey = 0;
};

#endif // PAGESCONTROLLER_H
