#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bootdlg.h"
#include "designglobals.h"
#include "pageparam.h"
#include "pagerenamedlg.h"
#include "pagetreetext.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

// What the page tree's items hold besides their texts: every item its page's index, a widget
// item the widget's id and type code too.
constexpr int PageRole = Qt::UserRole;
constexpr int WidgetIdRole = Qt::UserRole + 1;
constexpr int WidgetTypeRole = Qt::UserRole + 2;

QTreeWidgetItem *newPageItem(int page, const QString &name)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, PageTreeText::pageItem(page, name));
    item->setData(0, PageRole, page);
    return item;
}

} // namespace

// A click made by code: the handler runs before the caller goes on, as for the user's click.
void MainWindow::clickTreeItem(QTreeWidgetItem *item)
{
    form->treeWidget->setCurrentItem(item);
    on_treeWidget_itemClicked(item, 0);
}

bool MainWindow::addPage()
{
    const int page = designDocument.addPage();
    clickTreeItem(form->treeWidget->topLevelItem(page));
    return true;
}

void MainWindow::followPageAdded(int page)
{
    form->treeWidget->addTopLevelItem(newPageItem(page, designDocument.page(page)->pageName()));
}

void MainWindow::followPageRenamed(int page)
{
    if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(page))
        item->setText(0, PageTreeText::pageItem(page, designDocument.page(page)->pageName()));
}

// The later pages' items name other indexes now: the tree is built again, and the page
// shown afterwards is clicked.
void MainWindow::followPageRemoved(int page)
{
    // Its item goes first, so that the pages after it keep their open state.
    delete form->treeWidget->takeTopLevelItem(page);
    refreshPageTree();
}

void MainWindow::followWidgetAdded(int page, QMyWidget *w)
{
    addTreeWidgetItem(PageTreeAction::AddWidget, page, w->getType(), w->getId(), w->getTypeName());
}

// The tree lists a page's widgets in the page's order.
void MainWindow::followWidgetRemoved(int page, QMyWidget *w)
{
    QTreeWidgetItem *pageItem = form->treeWidget->topLevelItem(page);
    const int row = designDocument.widgets(page).indexOf(w);
    if (pageItem && row >= 0 && row < pageItem->childCount())
        delete pageItem->takeChild(row);
}

void MainWindow::addTreeWidgetItem(PageTreeAction action, int page, WidgetType type, int id,
                                   const QString &typeName)
{
    if (action != PageTreeAction::AddWidget || page < 0
        || page >= form->treeWidget->topLevelItemCount())
        return;
    // One icon per type for all items: an icon made from a file holds its own picture.
    if (widgetItemIcons.isEmpty()) {
        for (const QString &path : qAsConst(widgetTypeIcons))
            widgetItemIcons.append(QIcon(path));
    }
    auto *item = new QTreeWidgetItem;
    item->setIcon(0, widgetItemIcons.value(widgetTypeCode(type)));
    item->setText(0, PageTreeText::widgetItem(typeName, id));
    item->setData(0, PageRole, page);
    item->setData(0, WidgetIdRole, id);
    item->setData(0, WidgetTypeRole, widgetTypeCode(type));
    form->treeWidget->topLevelItem(page)->addChild(item);
}

void MainWindow::slotTreeWidget(PageTreeAction action, int page, WidgetType type, int id,
                                QString typeName)
{
    Q_UNUSED(type)
    Q_UNUSED(id)
    Q_UNUSED(typeName)
    if (action != PageTreeAction::AddWidget || page < 0
        || page >= form->treeWidget->topLevelItemCount())
        return;
    // The widget's item came with the widget; it is the page's last.
    QTreeWidgetItem *pageItem = form->treeWidget->topLevelItem(page);
    clickTreeItem(pageItem->child(pageItem->childCount() - 1));
}

void MainWindow::slotClickTopTreeWidget()
{
    if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(designDocument.currentPage()))
        clickTreeItem(item);
}

void MainWindow::clearPageTree()
{
    // Which pages were open is kept for the tree built next.
    expandedPages.clear();
    for (int i = 0; i < form->treeWidget->topLevelItemCount(); ++i) {
        if (form->treeWidget->topLevelItem(i)->isExpanded())
            expandedPages.insert(i);
    }
    while (form->treeWidget->topLevelItemCount() > 0)
        delete form->treeWidget->takeTopLevelItem(0);
}

// Pages open before the tree was rebuilt are open again, so that a widget's item stays
// in view across deletions, page commands and loads.
void MainWindow::expandRememberedPages()
{
    for (int page : qAsConst(expandedPages)) {
        if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(page))
            item->setExpanded(true);
    }
}

void MainWindow::refreshPageTree()
{
    clearPageTree();
    for (int i = 0; i < designDocument.pageCount(); ++i) {
        form->treeWidget->addTopLevelItem(newPageItem(i, designDocument.page(i)->pageName()));
        for (QMyWidget *w : designDocument.widgets(i))
            addTreeWidgetItem(PageTreeAction::AddWidget, i, w->getType(), w->getId(),
                              w->getTypeName());
    }
    expandRememberedPages();
    slotClickTopTreeWidget();
}

// The event dialogs and the tree follow the design's pages.
void MainWindow::clearAllPages()
{
    designDocument.clearPages();
}

void MainWindow::on_treeWidget_itemClicked(QTreeWidgetItem *item, int)
{
    if (!item)
        return;
    bool known = false;
    const int page = item->data(0, PageRole).toInt(&known);
    if (!known || page < 0 || page >= designDocument.pageCount())
        return;

    designDocument.setCurrentPage(page);
    const QList<QMyWidget *> &widgets = designDocument.widgets(page);
    if (item->parent()) {
        // The first widget of the page the item names.
        QMyWidget *found = nullptr;
        for (QMyWidget *w : qAsConst(widgets)) {
            if (!found && isItemOf(item, w))
                found = w;
        }
        if (found) {
            for (QMyWidget *w : qAsConst(widgets))
                w->setSelected(w == found);
            form->frame->selectWidget(found);
        }
    } else {
        for (QMyWidget *w : qAsConst(widgets))
            w->setSelected(false);
        form->frame->selectPage();
    }
    form->frame->repaint();
}

void MainWindow::highlightShownItem(bool pageItemAlways, int menuPage)
{
    QTreeWidget *tree = form->treeWidget;
    QTreeWidgetItem *pageItem = tree->topLevelItem(designDocument.currentPage());
    if (!pageItem)
        return;
    if (currentWidget) {
        selectWidgetItem(currentWidget);
    } else if (pageItemAlways || menuPage != designDocument.currentPage()) {
        tree->setCurrentItem(pageItem);
    }
}

bool MainWindow::isItemOf(const QTreeWidgetItem *item, const QMyWidget *w)
{
    return item->data(0, WidgetIdRole).toInt() == w->getId()
        && item->data(0, WidgetTypeRole).toInt() == widgetTypeCode(w->getType());
}

// The item of the widget on the current page, as the sheet shows it.
void MainWindow::selectWidgetItem(const QMyWidget *w)
{
    QTreeWidgetItem *pageItem = form->treeWidget->topLevelItem(designDocument.currentPage());
    if (!pageItem)
        return;
    for (int i = 0; i < pageItem->childCount(); ++i) {
        if (isItemOf(pageItem->child(i), w))
            form->treeWidget->setCurrentItem(pageItem->child(i));
    }
}

void MainWindow::slotPopPageMenu(const QPoint &)
{
    if (!designDocument.isProjectOpen())
        return;
    pageActions[ActionAdd].setText(tr("添加页"));
    pageActions[ActionDelete].setText(tr("删除页"));
    pageActions[ActionCopy].setText(tr("复制页"));
    pageActions[ActionPaste].setText(tr("粘贴页"));
    pageActions[ActionRename].setText(tr("重命名"));
    pageMenu.clear();
    pageMenu.addAction(&pageActions[ActionAdd]);
    pageMenu.addAction(&pageActions[ActionDelete]);
    pageMenu.addAction(&pageActions[ActionCopy]);
    pageMenu.addAction(&pageActions[ActionPaste]);
    pageMenu.addAction(&pageActions[ActionRename]);

    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item)
        return;
    if (!item->parent()) {
        const int menuPage = form->treeWidget->indexOfTopLevelItem(item);
        pageActions[ActionAdd].setEnabled(true);
        pageActions[ActionDelete].setEnabled(true);
        pageActions[ActionCopy].setEnabled(true);
        pageActions[ActionRename].setEnabled(true);
        pageActions[ActionPaste].setEnabled(clipboardValid);
        pageMenu.exec(QCursor::pos());
        highlightShownItem(false, menuPage);
    } else {
        highlightShownItem(true, -1);
    }
}

void MainWindow::slotActionPageAdd()
{
    if (!designDocument.isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建项目，请您先创建项目！"));
        return;
    }
    addPage();
}

void MainWindow::slotActionPageDel()
{
    if (designDocument.pageCount() < 2) {
        questionBox->showNotice(QMyMessageBox::Warning, tr("不可删除最后一页！"));
        return;
    }
    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item || item->parent())
        return;
    askDeletePage(form->treeWidget->indexOfTopLevelItem(item));
}

// The page shown when the question is asked decides the page shown afterwards.
void MainWindow::askDeletePage(int page)
{
    const int shown = designDocument.currentPage();
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                     tr("是否删除第%1页？").arg(page),
                     [this, page, shown] { deletePage(page, shown); });
}

void MainWindow::deletePage(int page, int shownWhenAsked)
{
    // The question does not block: by the time it is answered the design may have
    // changed, so the page must still exist and must not be the last one.
    const int count = designDocument.pageCount();
    if (count < 2 || page < 0 || page >= count || !designDocument.hasCurrentPage())
        return;
    designDocument.removePage(page, shownWhenAsked);
}

QMyWidget *MainWindow::cloneWidget(QMyWidget *source)
{
    if (!QMyWidgetFactory::typeOf(source->getTypeName()))
        return nullptr;
    QMyWidget *clone =
        QMyWidgetFactory::create(source->getTypeName(), source->getId(), form->frame);
    if (!clone)
        return nullptr;
    clone->setX(source->getX());
    clone->setY(source->getY());
    clone->copyAttributesFrom(*source);
    clone->copyEventsFrom(*source);
    return clone;
}

static void copyPageRecord(const PageParam &from, PageParam *to, bool opacityIntoColours)
{
    to->setPageImageNum(from.pageImageNum());
    to->setPageGradDir(from.pageGradDir());
    to->setPageColorGrad1(from.pageColorGrad1());
    to->setPageColorGrad2(from.pageColorGrad2());
    if (opacityIntoColours) {
        to->setPageColorGrad1A(from.pageOpa());
        to->setPageColorGrad2A(from.pageOpa());
    }
    to->setPageOpa(from.pageOpa());
    to->setPageRadius(from.pageRadius());
    to->setPageFlag(from.pageFlag());
    to->setPageState(from.pageState());
    to->setPageHelpLineType(from.pageHelpLineType());
    to->setPageHelpLineLeft(from.pageHelpLineLeft());
    to->setPageHelpLineRight(from.pageHelpLineRight());
    to->setPageHelpLineTop(from.pageHelpLineTop());
    to->setPageHelpLineBottom(from.pageHelpLineBottom());
    to->setPageAnimEnabled(from.pageAnimEnabled());
    to->setPageAnimMode(from.pageAnimMode());
    to->setPageAnimDir(from.pageAnimDir());
    to->setPageAnimTime(from.pageAnimTime());
    to->setPageAnimX(from.pageAnimX());
    to->setPageAnimY(from.pageAnimY());
    to->setPageName(from.pageName());
    to->eventHolder().copyFrom(from.eventHolder());
}

void MainWindow::slotActionPageCopy()
{
    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item)
        return;
    QTreeWidgetItem *pageItem = item->parent() ? item->parent() : item;
    const int page = form->treeWidget->indexOfTopLevelItem(pageItem);
    if (page < 0 || page >= designDocument.pageCount())
        return;

    clipboardValid = true;
    clipboardPage->reset();
    copyPageRecord(*designDocument.page(page), clipboardPage, false);

    qDeleteAll(clipboardWidgets);
    clipboardWidgets.clear();
    for (QMyWidget *w : designDocument.widgets(page)) {
        if (QMyWidget *clone = cloneWidget(w)) {
            clone->hide();
            clipboardWidgets.append(clone);
        }
    }
}

void MainWindow::slotActionPagePaste()
{
    if (!designDocument.isProjectOpen())
        return;
    addPage();
    const int page = designDocument.pageCount() - 1;
    copyPageRecord(*clipboardPage, designDocument.page(page), true);
    designDocument.setPageName(page, clipboardPage->pageName());

    for (QMyWidget *source : qAsConst(clipboardWidgets)) {
        if (QMyWidget *w = cloneWidget(source))
            designDocument.addWidget(page, w);
    }
    // The page's sheet shows what it took over.
    clickTreeItem(form->treeWidget->topLevelItem(page));
}

void MainWindow::slotActionPageRename()
{
    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item || item->parent())
        return;
    const int page = item->data(0, PageRole).toInt();
    const PageParam *record = designDocument.page(page);
    if (!record)
        return;
    pageRenameDlg->showDlg(page, PageTreeText::pageItem(page, QString()), record->pageName());
}

// The item shows the label and name the dialog shows, as the tree names every page.
void MainWindow::slotPageRename(int page, QString itemText, QString name)
{
    Q_UNUSED(itemText)
    // The dialog does not block; its page may have gone in the meantime.
    if (page < 0 || page >= designDocument.pageCount()
        || page >= form->treeWidget->topLevelItemCount())
        return;
    designDocument.setPageName(page, name);
}

bool MainWindow::textEditorHasFocus()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return false;
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus)
        || qobject_cast<QTextEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus))
        return true;
    auto *combo = qobject_cast<QComboBox *>(focus);
    return combo && combo->isEditable();
}

void MainWindow::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its release; one press deletes once. Keys typed into an editor
    // belong to the editor, not to the canvas.
    if (!event->isAutoRepeat() && !textEditorHasFocus() && event->key() == Qt::Key_Delete)
        deleteSelectedWidget();
}

// Copy and paste act once per press of Ctrl+C or Ctrl+V, when the first of the two keys
// comes up, whichever it is. The keys are watched on their way to any widget of the window,
// since the press may go to a child that takes it (the page tree copies its own text).
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!widget || widget->window() != this || key->isAutoRepeat())
        return QMainWindow::eventFilter(watched, event);

    if (type == QEvent::KeyPress) {
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const bool shortcut = mods == Qt::ControlModifier
            && (key->key() == Qt::Key_C || key->key() == Qt::Key_V) && !textEditorHasFocus();
        if (shortcut)
            pendingShortcutKey = key->key();
        else if (key->key() != Qt::Key_Control)
            pendingShortcutKey = 0;
    } else if (pendingShortcutKey
               && (key->key() == pendingShortcutKey || key->key() == Qt::Key_Control)) {
        const int pending = pendingShortcutKey;
        pendingShortcutKey = 0;
        if (!textEditorHasFocus()) {
            if (pending == Qt::Key_C) {
                form->frame->slotCopyAction();
            } else {
                form->frame->setPastePosFromCursor();
                form->frame->slotPasteAction();
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::deleteSelectedWidget()
{
    if (!designDocument.hasCurrentPage())
        return;
    const QList<QMyWidget *> &widgets = designDocument.widgets(designDocument.currentPage());
    if (currentWidget && currentWidget->isSelected() && widgets.contains(currentWidget))
        designDocument.removeWidget(currentWidget);
    // The page's sheet follows, whatever was shown.
    refreshPageTree();
}
