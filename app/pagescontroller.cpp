#include "pagescontroller.h"
#include "ui_mainwindow.h"

#include "designdocument.h"
#include "designglobals.h"
#include "imagereferences.h"
#include "itemdata.h"
#include "itemdelegate.h"
#include "pageparam.h"
#include "pagerenamedlg.h"
#include "pagetreetext.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmystandarditemmodel.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStandardItem>
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

PagesController::PagesController(QMainWindow *window, Ui_MainWindow *form, DesignDocument &document,
                                 QMyMessageBox *questions, PropertiesController *properties,
                                 QObject *parent)
    : QObject(parent)
    , window(window)
    , form(form)
    , document(document)
    , questions(questions)
    , properties(properties)
    , clipboardPage(std::make_unique<PageParam>())
{
    setUpPalette();
    setUpPageTree();
    setUpPageMenu();
    followDocument();
}

// The widgets of the clipboard are the canvas's children and go with it.
PagesController::~PagesController() = default;

void PagesController::setUpPalette()
{
    paletteModel = new QMyStandardItemModel(this);
    paletteDelegate = new ItemDelegate(this);
    fillPalette();
}

// One row per widget type, in type-code order.
void PagesController::fillPalette()
{
    paletteModel->clear();
    const QStringList names = widgetTypeDisplayNames();
    for (int i = 0; i < widgetTypeIcons.size(); ++i) {
        auto *item = new QStandardItem;
        item->setData(QVariant::fromValue(ItemData {widgetTypeIcons.at(i), names.value(i)}),
                      Qt::UserRole + 1);
        paletteModel->appendRow(item);
    }
    form->listView->setItemDelegate(paletteDelegate);
    form->listView->setModel(paletteModel);
}

void PagesController::retranslate()
{
    pageRenameDlg->retranslate();
    fillPalette();
}

// The canvas says where the mouse went, what it added and what to delete.
void PagesController::setUpPageTree()
{
    QTreeWidget *tree = form->treeWidget;
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setHeaderHidden(true);
    connect(tree, &QTreeWidget::itemClicked, this, &PagesController::on_treeWidget_itemClicked);
    connect(form->btnPageAdd, &QAbstractButton::clicked, this,
            &PagesController::on_btnPageAdd_clicked);
    connect(form->btnPageSub, &QAbstractButton::clicked, this,
            &PagesController::on_btnPageSub_clicked);
    QMyFrame *frame = form->frame;
    connect(frame, &QMyFrame::s_sendTreeWidget, this, &PagesController::slotTreeWidget);
    connect(frame, &QMyFrame::s_delAction, this, &PagesController::slotDelAction);
    connect(frame, &QMyFrame::s_sendClickTopTreeWidget, this,
            &PagesController::slotClickTopTreeWidget);
    connect(frame, &QMyFrame::s_sendPressPos, this, &PagesController::slotRecvFramePressPos);
    connect(properties, &PropertiesController::widgetShown, this,
            &PagesController::selectWidgetItem);
}

void PagesController::setUpPageMenu()
{
    pageRenameDlg = std::make_unique<PageRenameDlg>();
    connect(pageRenameDlg.get(), &PageRenameDlg::s_sendName, this,
            &PagesController::slotPageRename);
    connect(form->treeWidget, &QWidget::customContextMenuRequested, this,
            &PagesController::slotPopPageMenu);
    connect(&pageActions[ActionAdd], &QAction::triggered, this,
            &PagesController::slotActionPageAdd);
    connect(&pageActions[ActionDelete], &QAction::triggered, this,
            &PagesController::slotActionPageDel);
    connect(&pageActions[ActionCopy], &QAction::triggered, this,
            &PagesController::slotActionPageCopy);
    connect(&pageActions[ActionPaste], &QAction::triggered, this,
            &PagesController::slotActionPagePaste);
    connect(&pageActions[ActionRename], &QAction::triggered, this,
            &PagesController::slotActionPageRename);
    // The copy and paste keys, whichever widget of the window they go to.
    qApp->installEventFilter(this);
}

// The tree and the clipboard follow the design.
void PagesController::followDocument()
{
    DesignDocument *d = &document;
    connect(d, &DesignDocument::pageAdded, this, &PagesController::followPageAdded);
    connect(d, &DesignDocument::pageRenamed, this, &PagesController::followPageRenamed);
    connect(d, &DesignDocument::pageRemoved, this, &PagesController::followPageRemoved);
    connect(d, &DesignDocument::pagesCleared, this, &PagesController::clearPageTree);
    connect(d, &DesignDocument::widgetAdded, this, &PagesController::followWidgetAdded);
    connect(d, &DesignDocument::widgetRemoved, this, &PagesController::followWidgetRemoved);
    connect(d, &DesignDocument::pictureRemoved, this, &PagesController::followPictureRemoved);
}

// A copied page is pasted with the pictures it showed when it was copied.
void PagesController::followPictureRemoved(int number)
{
    ImageReferences::renumberPage(clipboardPage.get(), number);
    for (QMyWidget *widget : qAsConst(clipboardWidgets))
        ImageReferences::renumberWidget(widget, number);
}

// A click made by code: the handler runs before the caller goes on, as for the user's click.
void PagesController::clickTreeItem(QTreeWidgetItem *item)
{
    form->treeWidget->setCurrentItem(item);
    on_treeWidget_itemClicked(item, 0);
}

bool PagesController::addPage()
{
    if (document.pageCount() >= MaxPages) {
        questions->showNotice(QMyMessageBox::Warning,
                              tr("一个项目最多可有%1个页面！").arg(MaxPages));
        return false;
    }
    const int page = document.addPage();
    clickTreeItem(form->treeWidget->topLevelItem(page));
    return true;
}

void PagesController::followPageAdded(int page)
{
    form->treeWidget->addTopLevelItem(newPageItem(page, document.page(page)->pageName()));
}

void PagesController::followPageRenamed(int page)
{
    if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(page))
        item->setText(0, PageTreeText::pageItem(page, document.page(page)->pageName()));
}

// The later pages' items name other indexes now: the tree is built again, and the page
// shown afterwards is clicked.
void PagesController::followPageRemoved(int page)
{
    // Its item goes first, so that the pages after it keep their open state.
    delete form->treeWidget->takeTopLevelItem(page);
    refreshPageTree();
}

void PagesController::followWidgetAdded(int page, QMyWidget *w)
{
    addTreeWidgetItem(PageTreeAction::AddWidget, page, w->getType(), w->getId(), w->getTypeName());
}

// The tree lists a page's widgets in the page's order.
void PagesController::followWidgetRemoved(int page, QMyWidget *w)
{
    QTreeWidgetItem *pageItem = form->treeWidget->topLevelItem(page);
    const int row = document.widgets(page).indexOf(w);
    if (pageItem && row >= 0 && row < pageItem->childCount())
        delete pageItem->takeChild(row);
}

void PagesController::addTreeWidgetItem(PageTreeAction action, int page, WidgetType type, int id,
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

void PagesController::slotTreeWidget(PageTreeAction action, int page, WidgetType type, int id,
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

void PagesController::slotClickTopTreeWidget()
{
    if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(document.currentPage()))
        clickTreeItem(item);
}

void PagesController::clearPageTree()
{
    // Which pages were open is kept for the tree built next.
    expandedPages.clear();
    for (int i = 0; i < form->treeWidget->topLevelItemCount(); ++i) {
        if (form->treeWidget->topLevelItem(i)->isExpanded())
            expandedPages.insert(i);
    }
    // All at once: items taken one by one move the current item along each time.
    form->treeWidget->clear();
}

// Pages open before the tree was rebuilt are open again, so that a widget's item stays
// in view across deletions, page commands and loads.
void PagesController::expandRememberedPages()
{
    for (int page : qAsConst(expandedPages)) {
        if (QTreeWidgetItem *item = form->treeWidget->topLevelItem(page))
            item->setExpanded(true);
    }
}

void PagesController::refreshPageTree()
{
    clearPageTree();
    for (int i = 0; i < document.pageCount(); ++i) {
        form->treeWidget->addTopLevelItem(newPageItem(i, document.page(i)->pageName()));
        for (QMyWidget *w : document.widgets(i))
            addTreeWidgetItem(PageTreeAction::AddWidget, i, w->getType(), w->getId(),
                              w->getTypeName());
    }
    expandRememberedPages();
    slotClickTopTreeWidget();
}

// The event dialogs and the tree follow the design's pages.
void PagesController::clearAllPages()
{
    document.clearPages();
}

void PagesController::on_treeWidget_itemClicked(QTreeWidgetItem *item, int)
{
    if (!item)
        return;
    bool known = false;
    const int page = item->data(0, PageRole).toInt(&known);
    if (!known || page < 0 || page >= document.pageCount())
        return;

    document.setCurrentPage(page);
    const QList<QMyWidget *> &widgets = document.widgets(page);
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

void PagesController::highlightShownItem(bool pageItemAlways, int menuPage)
{
    QTreeWidget *tree = form->treeWidget;
    QTreeWidgetItem *pageItem = tree->topLevelItem(document.currentPage());
    if (!pageItem)
        return;
    if (QMyWidget *shown = properties->getCurrentWidget()) {
        selectWidgetItem(shown);
    } else if (pageItemAlways || menuPage != document.currentPage()) {
        tree->setCurrentItem(pageItem);
    }
}

bool PagesController::isItemOf(const QTreeWidgetItem *item, const QMyWidget *w)
{
    return item->data(0, WidgetIdRole).toInt() == w->getId()
        && item->data(0, WidgetTypeRole).toInt() == widgetTypeCode(w->getType());
}

// The item of the widget on the current page, as the sheet shows it.
void PagesController::selectWidgetItem(const QMyWidget *w)
{
    QTreeWidgetItem *pageItem = form->treeWidget->topLevelItem(document.currentPage());
    if (!pageItem)
        return;
    for (int i = 0; i < pageItem->childCount(); ++i) {
        if (isItemOf(pageItem->child(i), w))
            form->treeWidget->setCurrentItem(pageItem->child(i));
    }
}

void PagesController::slotPopPageMenu(const QPoint &)
{
    if (!document.isProjectOpen())
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

void PagesController::slotActionPageAdd()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information, tr("未创建项目，请您先创建项目！"));
        return;
    }
    addPage();
}

void PagesController::slotActionPageDel()
{
    if (document.pageCount() < 2) {
        questions->showNotice(QMyMessageBox::Warning, tr("不可删除最后一页！"));
        return;
    }
    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item || item->parent())
        return;
    askDeletePage(form->treeWidget->indexOfTopLevelItem(item));
}

// The page shown when the question is asked decides the page shown afterwards.
void PagesController::askDeletePage(int page)
{
    const int shown = document.currentPage();
    questions->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                   tr("是否删除第%1页？").arg(page),
                   [this, page, shown] { deletePage(page, shown); });
}

void PagesController::deletePage(int page, int shownWhenAsked)
{
    // The question does not block: by the time it is answered the design may have
    // changed, so the page must still exist and must not be the last one.
    const int count = document.pageCount();
    if (count < 2 || page < 0 || page >= count || !document.hasCurrentPage())
        return;
    document.removePage(page, shownWhenAsked);
}

QMyWidget *PagesController::cloneWidget(QMyWidget *source)
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

void PagesController::slotActionPageCopy()
{
    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item)
        return;
    QTreeWidgetItem *pageItem = item->parent() ? item->parent() : item;
    const int page = form->treeWidget->indexOfTopLevelItem(pageItem);
    if (page < 0 || page >= document.pageCount())
        return;

    clipboardValid = true;
    clipboardPage->reset();
    copyPageRecord(*document.page(page), clipboardPage.get(), false);

    qDeleteAll(clipboardWidgets);
    clipboardWidgets.clear();
    for (QMyWidget *w : document.widgets(page)) {
        if (QMyWidget *clone = cloneWidget(w)) {
            clone->hide();
            clipboardWidgets.append(clone);
        }
    }
}

void PagesController::slotActionPagePaste()
{
    if (!document.isProjectOpen() || !addPage())
        return;
    const int page = document.pageCount() - 1;
    copyPageRecord(*clipboardPage, document.page(page), true);
    document.setPageName(page, clipboardPage->pageName());

    for (QMyWidget *source : qAsConst(clipboardWidgets)) {
        if (QMyWidget *w = cloneWidget(source))
            document.addWidget(page, w);
    }
    // The page's sheet shows what it took over.
    clickTreeItem(form->treeWidget->topLevelItem(page));
}

void PagesController::slotActionPageRename()
{
    QTreeWidgetItem *item = form->treeWidget->currentItem();
    if (!item || item->parent())
        return;
    const int page = item->data(0, PageRole).toInt();
    const PageParam *record = document.page(page);
    if (!record)
        return;
    pageRenameDlg->showDlg(page, PageTreeText::pageItem(page, QString()), record->pageName());
}

// The item shows the label and name the dialog shows, as the tree names every page.
void PagesController::slotPageRename(int page, QString itemText, QString name)
{
    Q_UNUSED(itemText)
    // The dialog does not block; its page may have gone in the meantime.
    if (page < 0 || page >= document.pageCount() || page >= form->treeWidget->topLevelItemCount())
        return;
    document.setPageName(page, name);
}

bool PagesController::textEditorHasFocus()
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

// Copy and paste act once per press of Ctrl+C or Ctrl+V, when the first of the two keys
// comes up, whichever it is. The keys are watched on their way to any widget of the window,
// since the press may go to a child that takes it (the page tree copies its own text).
bool PagesController::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!widget || widget->window() != window || key->isAutoRepeat())
        return QObject::eventFilter(watched, event);

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
    return QObject::eventFilter(watched, event);
}

void PagesController::deleteSelectedWidget()
{
    if (!document.hasCurrentPage())
        return;
    const QList<QMyWidget *> &widgets = document.widgets(document.currentPage());
    QMyWidget *shown = properties->getCurrentWidget();
    if (shown && shown->isSelected() && widgets.contains(shown))
        document.removeWidget(shown);
    // The page's sheet follows, whatever was shown.
    refreshPageTree();
}

void PagesController::on_btnPageAdd_clicked()
{
    slotActionPageAdd();
}

void PagesController::on_btnPageSub_clicked()
{
    if (document.pageCount() < 2) {
        questions->showNotice(QMyMessageBox::Warning, tr("不可删除最后一页！"));
        return;
    }
    askDeletePage(document.currentPage());
}

void PagesController::slotDelAction()
{
    deleteSelectedWidget();
}

void PagesController::slotRecvFramePressPos(QPoint pos)
{
    form->labFramePressPos->setText(QString("Pos(%1,%2)").arg(pos.x()).arg(pos.y()));
}
