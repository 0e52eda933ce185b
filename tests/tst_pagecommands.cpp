#include "bootdlg.h"
#include "bootparam.h"
#include "designdocument.h"
#include "designglobals.h"
#include "designtestutil.h"
#include "dialogtestutil.h"
#include "downloadcontroller.h"
#include "mainwindow.h"
#include "pagerenamedlg.h"
#include "pagescontroller.h"
#include "pagetreetext.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidgetfactory.h"
#include "setscreensizedlg.h"
#include "timerparam.h"
#include "windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

// Pages and their tree, the page commands, widget deletion and the keyboard.
class TestPageCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageTreeTexts();
    void treeListsWidgetsInListOrder();
    void dropSelectsTheNewWidgetAlone();
    void treeClickSwitchesPageAndSelects();
    void treeClickEdgeCases();
    void pageAfterDeletion_data();
    void pageAfterDeletion();
    void deletePage_data();
    void deletePage();
    void bootPagesFollowADeletion();
    void lastPageCannotBeDeleted();
    void pagesStopAtTheDesignsBound();
    void staleDeleteAnswer();
    void pageCopyAndPaste();
    void expandedPagesStayExpanded();
    void pageMenuEnablement();
    void renameShowsLabelAndName_data();
    void renameShowsLabelAndName();
    void renameCommand();
    void staleRenameAnswer();
    void treeItemsHoldPageAndWidget();
    void keyboard();
    void autoRepeatedReleasesIgnored();
    void shortcutsActOncePerPressWhicheverKeyComesUpFirst();
    void keysSkippedWhileEditing();
    void deleteKeepsTreeAndSheet();
    void rightClickThenCopy();
    void deletedWidgetsLeaveNoDanglingPointer_data();
    void deletedWidgetsLeaveNoDanglingPointer();
    void timerClicks();
    void quitAnswersDoNotAskAgain_data();
    void quitAnswersDoNotAskAgain();
    void otherAnswersDoNothing();

private:
    QTreeWidget *tree() const { return window->findChild<QTreeWidget *>("treeWidget"); }
    QMyFrame *frame() const { return window->findChild<QMyFrame *>("frame"); }
    QMyMessageBox *box() const { return window->getQuestionBox(); }
    QString message() const
    {
        return window->getQuestionBox()->findChild<QLabel *>("labMessage")->text();
    }
    QStringList treeTexts() const;
    QMyWidget *drop(const QString &type, const QPoint &pos);
    void pages(int n);

    DesignDocument &design() const { return window->document(); }

    QTemporaryDir dir;
    WindowFixture fixture;
    MainWindow *window = nullptr;
};

void TestPageCommands::initTestCase()
{
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
}

void TestPageCommands::init()
{
    window = fixture.start();
    QVERIFY(fixture.show());
    static int n = 0;
    fixture.makeProject(dir.filePath(QString("p%1.yBEX").arg(++n)), "480*272(HHVGA)");
    QCOMPARE(design().pageCount(), 1);
    frame()->grab(); // the page size comes from a paint
}

void TestPageCommands::cleanup()
{
    fixture.reset();
}

QStringList TestPageCommands::treeTexts() const
{
    QStringList texts;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
        QTreeWidgetItem *page = tree()->topLevelItem(i);
        texts << page->text(0);
        for (int j = 0; j < page->childCount(); ++j)
            texts << "  " + page->child(j)->text(0);
    }
    return texts;
}

QMyWidget *TestPageCommands::drop(const QString &type, const QPoint &pos)
{
    if (!dropTypeName(frame(), type, pos))
        return nullptr;
    return design().widgets(design().currentPage()).last();
}

void TestPageCommands::pages(int n)
{
    while (design().pageCount() < n)
        window->pages()->addPage();
}

void TestPageCommands::pageTreeTexts()
{
    pages(3);
    QCOMPARE(design().currentPage(), 2);
    design().page(1)->setPageName("Menu");
    design().page(2)->setPageName("  ");
    window->pages()->refreshPageTree();
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "Page-1(Menu)", "Page-2(  )"}));
    QCOMPARE(tree()->currentItem(), tree()->topLevelItem(2));

    // Removing a page renumbers the later ones and keeps their names.
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(1), 0);
    QVERIFY(drop("Arc", QPoint(5, 5)));
    window->pages()->on_btnPageSub_clicked();
    QCOMPARE(message(), QString("是否删除第1页？"));
    answerYes(box());
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "Page-1(  )"}));
    QCOMPARE(design().currentPage(), 0);
}

void TestPageCommands::treeListsWidgetsInListOrder()
{
    QMyWidget *b = QMyWidgetFactory::create("Btn", 3, frame());
    QMyWidget *l = QMyWidgetFactory::create("Lab", 1, frame());
    QMyWidget *i = QMyWidgetFactory::create("Img", 2, frame());
    for (QMyWidget *w : {b, l, i})
        design().addWidget(0, w);
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "  Btn-3", "  Lab-1", "  Img-2"}));
    window->pages()->refreshPageTree();
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "  Btn-3", "  Lab-1", "  Img-2"}));
    QVERIFY(!tree()->topLevelItem(0)->child(0)->icon(0).isNull());

    // Action other than 1, or a page beyond the tree: nothing.
    window->pages()->slotTreeWidget(PageTreeAction(0), 0, WidgetType::Arc, 4, "Arc");
    window->pages()->slotTreeWidget(PageTreeAction(2), 0, WidgetType::Arc, 4, "Arc");
    window->pages()->slotTreeWidget(PageTreeAction::AddWidget, 1, WidgetType::Arc, 4, "Arc");
    window->pages()->addTreeWidgetItem(PageTreeAction::AddWidget, -1, WidgetType::Arc, 4, "Arc");
    QCOMPARE(tree()->topLevelItem(0)->childCount(), 3);
    window->pages()->addTreeWidgetItem(PageTreeAction::AddWidget, 0, WidgetType::Arc, 4, "Arc");
    QCOMPARE(tree()->topLevelItem(0)->child(3)->text(0), QString("Arc-4"));
}

void TestPageCommands::dropSelectsTheNewWidgetAlone()
{
    QMyWidget *first = drop("Btn", QPoint(10, 10));
    QMyWidget *second = drop("Meter", QPoint(100, 10));
    QVERIFY(first && second);
    QVERIFY(!first->isSelected());
    QVERIFY(second->isSelected());
    QCOMPARE(window->properties()->getCurrentWidget(), second);
    QCOMPARE(frame()->getCurrentWidget(), second);
    QCOMPARE(tree()->currentItem()->text(0), QString("Meter-2"));
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Widget);
}

void TestPageCommands::treeClickSwitchesPageAndSelects()
{
    QMyWidget *onFirst = drop("Btn", QPoint(10, 10));
    window->pages()->addPage();
    QMyWidget *lab = drop("Lab", QPoint(10, 10));
    drop("Img", QPoint(10, 50));
    QVERIFY(onFirst->isHidden());

    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0), 0);
    QCOMPARE(design().currentPage(), 0);
    QVERIFY(onFirst->isVisible());
    QVERIFY(lab->isHidden());
    QVERIFY(!onFirst->isSelected());
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Page);
    QVERIFY(!window->properties()->getCurrentWidget());

    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(1)->child(0), 0);
    QCOMPARE(design().currentPage(), 1);
    QVERIFY(lab->isVisible() && onFirst->isHidden());
    QVERIFY(lab->isSelected());
    QVERIFY(!design().widgets(1).at(1)->isSelected());
    QCOMPARE(window->properties()->getCurrentWidget(), lab);
}

void TestPageCommands::treeClickEdgeCases()
{
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    // No item: nothing happens.
    window->pages()->on_treeWidget_itemClicked(nullptr, 0);
    QCOMPARE(window->properties()->getCurrentWidget(), w);

    // A widget item whose id matches no widget selects nothing.
    auto *ghost = new QTreeWidgetItem(tree()->topLevelItem(0), QStringList {"Btn-9"});
    ghost->setData(0, Qt::UserRole, 0);
    ghost->setData(0, Qt::UserRole + 1, 9);
    ghost->setData(0, Qt::UserRole + 2, widgetTypeCode(WidgetType::Btn));
    QSignalSpy press(frame(), &QMyFrame::s_sendPressWnd);
    window->pages()->on_treeWidget_itemClicked(ghost, 0);
    QCOMPARE(press.count(), 0);
    QCOMPARE(window->properties()->getCurrentWidget(), w);

    // Nor does one of the widget's id and another type.
    ghost->setData(0, Qt::UserRole + 1, w->getId());
    ghost->setData(0, Qt::UserRole + 2, widgetTypeCode(WidgetType::Img));
    window->pages()->on_treeWidget_itemClicked(ghost, 0);
    QCOMPARE(press.count(), 0);

    // An item that names no page, or a page that is gone, stops the click.
    auto *stray = new QTreeWidgetItem(QStringList {"Page-0"});
    tree()->addTopLevelItem(stray);
    window->pages()->on_treeWidget_itemClicked(stray, 0);
    stray->setData(0, Qt::UserRole, 5);
    window->pages()->on_treeWidget_itemClicked(stray, 0);
    QCOMPARE(window->properties()->getCurrentWidget(), w);
}

void TestPageCommands::pageAfterDeletion_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("next");
    QTest::newRow("later page") << 2 << 4 << 2;
    QTest::newRow("earlier page") << 2 << 0 << 1;
    QTest::newRow("the shown page") << 2 << 2 << 1;
    QTest::newRow("first page shown") << 0 << 0 << 0;
}

void TestPageCommands::pageAfterDeletion()
{
    QFETCH(int, shown);
    QFETCH(int, deleted);
    QFETCH(int, next);
    QCOMPARE(DesignDocument::pageAfterDeletion(shown, deleted), next);
}

void TestPageCommands::deletePage_data()
{
    pageAfterDeletion_data();
}

void TestPageCommands::deletePage()
{
    QFETCH(int, shown);
    QFETCH(int, deleted);
    QFETCH(int, next);
    pages(5);
    for (int i = 0; i < 5; ++i) {
        design().page(i)->setPageName(QString("P%1").arg(i));
        window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(i), 0);
        drop("Btn", QPoint(10, 10));
    }
    window->pages()->refreshPageTree();
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(shown), 0);
    tree()->setCurrentItem(tree()->topLevelItem(deleted));
    window->pages()->slotActionPageDel();
    QCOMPARE(message(), QString("是否删除第%1页？").arg(deleted));
    answerNo(box());
    QCOMPARE(design().pageCount(), 5);

    window->pages()->slotActionPageDel();
    answerYes(box());
    QCOMPARE(design().pageCount(), 4);
    QCOMPARE(design().pageCount(), 4);
    QCOMPARE(tree()->topLevelItemCount(), 4);
    QCOMPARE(design().currentPage(), next);
    QStringList names;
    for (PageParam *p : design().pages())
        names << p->pageName();
    QVERIFY(!names.contains(QString("P%1").arg(deleted)));
    QCOMPARE(tree()->currentItem(), tree()->topLevelItem(next));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(design().widgets(i).first()->isVisible(), i == next);
    QVERIFY(!window->properties()->getCurrentWidget());
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Page);
}

// The boot settings name pages by number: they keep naming the same pages when one before
// them goes, in the record and in the open dialog, and never name a page that is gone.
void TestPageCommands::bootPagesFollowADeletion()
{
    pages(5);
    BootDlg *dlg = window->download()->getBootDlg();
    BootParam *boot = dlg->getBootParam();
    boot->setJumpPage(3);
    boot->setAnimJumpPage(3);
    boot->setAnimCurrentPage(1);
    dlg->showDlg();
    auto box = [dlg](const char *name) { return dlg->findChild<QSpinBox *>(name)->value(); };
    auto deletePage = [this](int page) {
        tree()->setCurrentItem(tree()->topLevelItem(page));
        window->pages()->slotActionPageDel();
        answerYes(window->getQuestionBox());
    };
    QCOMPARE(box("sbJumpPage"), 3);
    QCOMPARE(box("sbAnimCurrentPage"), 1);

    // Page 2 goes: page 3 is now page 2; page 1 stays.
    deletePage(2);
    QCOMPARE(design().pageCount(), 4);
    QCOMPARE(boot->getJumpPage(), 2);
    QCOMPARE(boot->getAnimJumpPage(), 2);
    QCOMPARE(boot->getAnimCurrentPage(), 1);
    QCOMPARE(box("sbJumpPage"), 2);
    QCOMPARE(box("sbAnimJumpPage"), 2);
    QCOMPARE(box("sbAnimCurrentPage"), 1);

    // The named page itself goes: the page before it takes its place, as on the canvas.
    deletePage(1);
    QCOMPARE(boot->getAnimCurrentPage(), 0);
    QCOMPARE(boot->getJumpPage(), 1);
    QCOMPARE(box("sbAnimCurrentPage"), 0);
    QCOMPARE(box("sbJumpPage"), 1);
    QCOMPARE(dlg->findChild<QSpinBox *>("sbJumpPage")->maximum(), 2);
    dlg->hide();

    // The last page goes while the dialog is closed: no page number beyond the pages.
    deletePage(1);
    QCOMPARE(design().pageCount(), 2);
    QCOMPARE(boot->getJumpPage(), 0);
    QCOMPARE(boot->getAnimJumpPage(), 0);
}

void TestPageCommands::lastPageCannotBeDeleted()
{
    window->pages()->on_btnPageSub_clicked();
    QCOMPARE(message(), QString("不可删除最后一页！"));
    window->getQuestionBox()->hide();
    tree()->setCurrentItem(tree()->topLevelItem(0));
    window->pages()->slotActionPageDel();
    QCOMPARE(message(), QString("不可删除最后一页！"));
    answerYes(box());
    QCOMPARE(design().pageCount(), 1);
}

// A design the window makes always opens again: adding and pasting stop at the pages a
// file may hold.
void TestPageCommands::pagesStopAtTheDesignsBound()
{
    while (design().pageCount() < MaxPages)
        design().addPage();
    const QString full = QStringLiteral("一个项目最多可有%1个页面！").arg(MaxPages);
    window->pages()->slotActionPageAdd();
    QCOMPARE(message(), full);
    window->getQuestionBox()->hide();
    QCOMPARE(design().pageCount(), MaxPages);

    tree()->setCurrentItem(tree()->topLevelItem(0));
    window->pages()->slotActionPageCopy();
    QVERIFY(window->pages()->isClipboardValid());
    window->pages()->slotActionPagePaste();
    QCOMPARE(message(), full);
    QCOMPARE(design().pageCount(), MaxPages);
    QCOMPARE(tree()->topLevelItemCount(), MaxPages);
}

void TestPageCommands::staleDeleteAnswer()
{
    pages(4);
    window->pages()->on_btnPageSub_clicked(); // asks about page 3
    QCOMPARE(message(), QString("是否删除第3页？"));

    // The design shrinks before the answer comes: page 3 no longer exists.
    window->pages()->clearAllPages();
    pages(2);
    answerYes(box());
    QCOMPARE(design().pageCount(), 2);

    // Down to one page: the answer must not delete the last page.
    window->pages()->on_btnPageSub_clicked();
    QCOMPARE(message(), QString("是否删除第1页？"));
    window->pages()->clearAllPages();
    pages(1);
    answerYes(box());
    QCOMPARE(design().pageCount(), 1);
    QCOMPARE(tree()->topLevelItemCount(), 1);
}

void TestPageCommands::pageCopyAndPaste()
{
    pages(3);
    design().page(2)->setPageName("Menu");
    design().page(2)->setPageColorGrad1(QColor(10, 20, 30, 255));
    design().page(2)->setPageOpa(100);
    design().page(2)->setPageHelpLineType(2);
    EventInfo pageEvent;
    pageEvent.setType(1);
    pageEvent.setParam(3, "page");
    design().page(2)->appendEvent(pageEvent);
    design().page(2)->setEventContent(4, 1, "user.p()");
    window->pages()->refreshPageTree();
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(2), 0);
    QMyWidget *a = drop("Slider", QPoint(20, 30));
    QMyWidget *b = drop("Chart", QPoint(200, 40));
    b->setId(4);
    a->setText("knob");
    a->setFileValue("ybexItemHandleGradMode", "2");
    EventInfo event;
    event.setType(3);
    event.setParam(1, "x");
    a->addEvent(event);
    a->setEventContent(2, 1, "user.a()");
    window->pages()->refreshPageTree();

    tree()->setCurrentItem(tree()->topLevelItem(2)->child(0)); // a widget item copies its page
    window->pages()->slotActionPageCopy();
    QVERIFY(window->pages()->isClipboardValid());
    window->pages()->slotActionPagePaste();

    QCOMPARE(design().pageCount(), 4);
    QCOMPARE(design().currentPage(), 3);
    QCOMPARE(tree()->topLevelItem(3)->text(0), QString("Page-3(Menu)"));
    PageParam *pasted = design().page(3);
    QCOMPARE(pasted->pageName(), QString("Menu"));
    QCOMPARE(pasted->pageOpa(), 100);
    QCOMPARE(pasted->pageColorGrad1(), QColor(10, 20, 30, 100)); // the opacity goes into the alpha
    QCOMPARE(pasted->pageHelpLineType(), 2);
    QCOMPARE(pasted->events().size(), 1);
    QCOMPARE(pasted->events().at(0).param(3), QString("page"));
    QCOMPARE(pasted->eventText(4), QString("user.p()"));

    const QList<QMyWidget *> &copies = design().widgets(3);
    QCOMPARE(copies.size(), 2);
    const QList<QMyWidget *> originals {a, b};
    for (int i = 0; i < 2; ++i) {
        QMyWidget *copy = copies.at(i);
        QMyWidget *orig = originals.at(i);
        QVERIFY(copy != orig);
        QCOMPARE(copy->getId(), orig->getId());
        QCOMPARE(copy->getTypeName(), orig->getTypeName());
        QCOMPARE(copy->pos(), orig->pos());
        for (const QString &key : QMyWidget::fileKeys()) {
            if (key.startsWith("ybexItemProg") && key.size() == 13)
                continue; // the inner rectangle is computed by the paint
            QCOMPARE(copy->fileValue(key), orig->fileValue(key));
        }
        QCOMPARE(copy->getEvents().size(), orig->getEvents().size());
        for (int key = 0; key < 5; ++key) {
            QCOMPARE(copy->getEventStatus(key), orig->getEventStatus(key));
            QCOMPARE(copy->getEventText(key), orig->getEventText(key));
        }
        QVERIFY(copy->isVisible());
        QVERIFY(!copy->isSelected());
    }
    QCOMPARE(copies.at(0)->getEvents().at(0).param(1), QString("x"));
    QCOMPARE(treeTexts().mid(treeTexts().indexOf("Page-3(Menu)")),
             (QStringList {"Page-3(Menu)", "  Slider-1", "  Chart-4"}));
    QCOMPARE(design().widgets(2).size(), 2); // the copied page is unchanged

    // Pasting again adds another such page; a new copy replaces the clipboard.
    window->pages()->slotActionPagePaste();
    QCOMPARE(tree()->topLevelItem(4)->text(0), QString("Page-4(Menu)"));
    const QList<QMyWidget *> oldClones = window->pages()->getClipboardWidgets();
    tree()->setCurrentItem(tree()->topLevelItem(0));
    window->pages()->slotActionPageCopy();
    QCOMPARE(window->pages()->getClipboardWidgets().size(), 0);
    for (QMyWidget *clone : oldClones)
        QVERIFY(!frame()->findChildren<QMyWidget *>().contains(clone));
    window->pages()->slotActionPagePaste();
    QCOMPARE(tree()->topLevelItem(5)->text(0), QString("Page-5"));
    QVERIFY(design().widgets(5).isEmpty());
}

// Rebuilding the tree (widget deletion, page deletion) keeps open pages open, so that the
// items of their widgets stay in view.
void TestPageCommands::expandedPagesStayExpanded()
{
    drop("Btn", QPoint(10, 10));
    window->pages()->addPage();
    drop("Lab", QPoint(10, 10));
    window->pages()->addPage();
    drop("Img", QPoint(10, 10));
    QMyWidget *last = drop("Prog", QPoint(100, 10));
    const auto expanded = [this] {
        QList<bool> open;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            open << tree()->topLevelItem(i)->isExpanded();
        return open;
    };
    tree()->topLevelItem(0)->setExpanded(true);
    tree()->topLevelItem(1)->setExpanded(false);
    tree()->topLevelItem(2)->setExpanded(true);

    QCOMPARE(window->properties()->getCurrentWidget(), last);
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(treeTexts().size(), 3 + 3);
    QCOMPARE(expanded(), (QList<bool> {true, false, true}));

    // Page 1 goes: the former page 2 keeps its open state at its new place.
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(1), 0);
    window->pages()->on_btnPageSub_clicked();
    answerYes(box());
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "  Btn-1", "Page-1", "  Img-1"}));
    QCOMPARE(expanded(), (QList<bool> {true, true}));
}

void TestPageCommands::pageMenuEnablement()
{
    QList<bool> pasteEnabled;
    QList<QStringList> texts;
    auto open = [&] {
        QTimer::singleShot(0, window, [&] {
            QStringList t;
            for (QAction *a : window->pages()->getPageMenu()->actions())
                t << a->text();
            texts << t;
            pasteEnabled << window->pages()->pageAction(PagesController::ActionPaste)->isEnabled();
            window->pages()->getPageMenu()->close();
        });
        window->pages()->slotPopPageMenu(QPoint());
    };
    tree()->setCurrentItem(tree()->topLevelItem(0));
    open();
    window->pages()->slotActionPageCopy();
    open();
    QCOMPARE(pasteEnabled, (QList<bool> {false, true}));
    QCOMPARE(texts.first(), (QStringList {"添加页", "删除页", "复制页", "粘贴页", "重命名"}));

    // A menu opened on another page and closed without a choice: the highlight returns
    // to the shown page, which stays shown.
    pages(4);
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(1), 0);
    tree()->setCurrentItem(tree()->topLevelItem(3));
    open();
    QCOMPARE(tree()->currentItem(), tree()->topLevelItem(1));
    QCOMPARE(design().currentPage(), 1);
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0), 0);
    texts.clear();
    pasteEnabled.clear();

    // A widget item shows no menu and the highlight goes back to the shown widget.
    QMyWidget *w = drop("Btn", QPoint(5, 5));
    window->pages()->addPage();
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0)->child(0), 0);
    QCOMPARE(window->properties()->getCurrentWidget(), w);
    tree()->setCurrentItem(tree()->topLevelItem(1));
    open();
    QCOMPARE(tree()->currentItem(), tree()->topLevelItem(0)->child(0));
    tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
    window->pages()->slotPopPageMenu(QPoint());
    QCOMPARE(texts.size(), 1);

    // Without a project the menu does nothing.
    design().setProjectPath(QString());
    tree()->setCurrentItem(tree()->topLevelItem(0));
    window->pages()->slotPopPageMenu(QPoint());
    QCOMPARE(texts.size(), 1);
}

// The rename dialog shows the page's fixed label and its name as the document holds it.
void TestPageCommands::renameShowsLabelAndName_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("named") << 2 << "Menu"
                           << "Page-2";
    QTest::newRow("unnamed") << 2 << ""
                             << "Page-2";
    QTest::newRow("two digits") << 12 << "a(b)"
                                << "Page-12";
    QTest::newRow("blank name") << 0 << " "
                                << "Page-0";
}

void TestPageCommands::renameShowsLabelAndName()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QString, label);
    pages(page + 1);
    design().setPageName(page, name);
    tree()->setCurrentItem(tree()->topLevelItem(page));
    window->pages()->slotActionPageRename();
    PageRenameDlg *dlg = window->pages()->getPageRenameDlg();
    QCOMPARE(dlg->pageIndex(), page);
    QCOMPARE(dlg->pageLabel(), label);
    QCOMPARE(dlg->findChild<QLineEdit *>()->text(), name);
    dlg->hide();
}

void TestPageCommands::renameCommand()
{
    pages(3);
    design().page(2)->setPageName("Menu");
    window->pages()->refreshPageTree();
    tree()->setCurrentItem(tree()->topLevelItem(2));
    window->pages()->slotActionPageRename();
    PageRenameDlg *dlg = window->pages()->getPageRenameDlg();
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->pageIndex(), 2);
    QCOMPARE(dlg->pageLabel(), QString("Page-2"));
    QCOMPARE(dlg->findChild<QLineEdit *>()->text(), QString("Menu"));

    dlg->findChild<QLineEdit *>()->clear();
    QTest::mouseClick(dlg->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    QCOMPARE(tree()->topLevelItem(2)->text(0), QString("Page-2"));
    QCOMPARE(design().page(2)->pageName(), QString());

    window->pages()->slotPageRename(1, "Page-1(Main)", "Main");
    QCOMPARE(tree()->topLevelItem(1)->text(0), QString("Page-1(Main)"));
    QCOMPARE(design().page(1)->pageName(), QString("Main"));

    // A widget item is no page to rename.
    drop("Btn", QPoint(5, 5));
    dlg->hide();
    window->pages()->slotActionPageRename();
    QVERIFY(dlg->isHidden());
}

void TestPageCommands::staleRenameAnswer()
{
    pages(3);
    tree()->setCurrentItem(tree()->topLevelItem(2));
    window->pages()->slotActionPageRename();
    window->pages()->clearAllPages();
    pages(1);
    window->pages()->slotPageRename(2, "Page-2(Gone)", "Gone");
    window->pages()->slotPageRename(-1, "Page--1(Gone)", "Gone");
    QCOMPARE(treeTexts(), QStringList {"Page-0"});
    QCOMPARE(design().page(0)->pageName(), QString());
}

// Every item holds its page's index, a widget item the widget's id and type: a click reaches
// the widget the item names, whatever the item's text, and two widgets sharing an id stay
// apart.
void TestPageCommands::treeItemsHoldPageAndWidget()
{
    pages(2);
    QMyWidget *button = QMyWidgetFactory::create("Btn", 1, frame());
    QMyWidget *image = QMyWidgetFactory::create("Img", 1, frame());
    design().addWidget(1, button);
    design().addWidget(1, image);
    QTreeWidgetItem *pageItem = tree()->topLevelItem(1);
    QCOMPARE(pageItem->data(0, Qt::UserRole).toInt(), 1);
    QCOMPARE(pageItem->child(1)->data(0, Qt::UserRole).toInt(), 1);
    QCOMPARE(pageItem->child(1)->data(0, Qt::UserRole + 1).toInt(), 1);

    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0), 0);
    pageItem->child(1)->setText(0, QStringLiteral("Btn-7"));
    window->pages()->on_treeWidget_itemClicked(pageItem->child(1), 0);
    QCOMPARE(design().currentPage(), 1);
    QCOMPARE(window->properties()->getCurrentWidget(), image);
    QVERIFY(image->isSelected() && !button->isSelected());
    window->pages()->on_treeWidget_itemClicked(pageItem->child(0), 0);
    QCOMPARE(window->properties()->getCurrentWidget(), button);
    QCOMPARE(tree()->currentItem(), pageItem->child(0));
    window->properties()->slotRecvWnd(image);
    QCOMPARE(tree()->currentItem(), pageItem->child(1));

    pageItem->setText(0, QString());
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0), 0);
    window->pages()->on_treeWidget_itemClicked(pageItem, 0);
    QCOMPARE(design().currentPage(), 1);
}

void TestPageCommands::keyboard()
{
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    window->setFocus();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!frame()->getCopiedWidget());
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(frame()->getCopiedWidget(), w);

    QCursor::setPos(frame()->mapToGlobal(QPoint(-50, -50)));
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(design().widgets(0).size(), 2);
    QMyWidget *copy = design().widgets(0).last();
    QCOMPARE(copy->getId(), 2);
    QCOMPARE(copy->getGeometryRect().topLeft(), QPoint(0, 0)); // pulled onto the page
    QCOMPARE(window->properties()->getCurrentWidget(), copy);
    QVERIFY(copy->isSelected() && !w->isSelected());

    QTest::keyClick(window, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(design().widgets(0).size(), 1);
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "  Btn-1"}));
    QVERIFY(!window->properties()->getCurrentWidget());
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Page);

    // Delete with no selected widget of the page: nothing goes, the tree is rebuilt.
    QTest::keyClick(window, Qt::Key_Delete);
    QCOMPARE(design().widgets(0).size(), 1);
}

void TestPageCommands::autoRepeatedReleasesIgnored()
{
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    window->setFocus();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(frame()->getCopiedWidget(), w);
    // A held Ctrl+V or Delete sends auto-repeated releases: none of them acts.
    QKeyEvent paste(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier, QString(), true);
    QCoreApplication::sendEvent(window, &paste);
    QCOMPARE(design().widgets(0).size(), 1);
    QKeyEvent del(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(window, &del);
    QCOMPARE(design().widgets(0).size(), 1);
    QCOMPARE(design().widgets(0).first(), w);
}

void TestPageCommands::shortcutsActOncePerPressWhicheverKeyComesUpFirst()
{
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    window->setFocus();
    // Ctrl comes up before C.
    QTest::keyPress(window, Qt::Key_Control);
    QTest::keyPress(window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyRelease(window, Qt::Key_Control, Qt::ControlModifier);
    QCOMPARE(frame()->getCopiedWidget(), w);
    frame()->setCopiedWidget(nullptr);
    QTest::keyRelease(window, Qt::Key_C);
    QVERIFY(!frame()->getCopiedWidget()); // the same press acts once
    frame()->setCopiedWidget(w);

    // Ctrl+V held down: repeated presses and releases, then Ctrl up first: one paste.
    QTest::keyPress(window, Qt::Key_Control);
    QTest::keyPress(window, Qt::Key_V, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier, QString(), true);
        QCoreApplication::sendEvent(window, &up);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(), true);
        QCoreApplication::sendEvent(window, &down);
    }
    QCOMPARE(design().widgets(0).size(), 1);
    QTest::keyRelease(window, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(window, Qt::Key_V);
    QCOMPARE(design().widgets(0).size(), 2);

    // C comes up first, as before; Ctrl+Shift+C is no shortcut.
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(design().widgets(0).size(), 3);
    frame()->setCopiedWidget(nullptr);
    QTest::keyPress(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(window, Qt::Key_Control, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!frame()->getCopiedWidget());

    // The page tree takes the press of Ctrl+C for its own copy; the canvas still copies.
    tree()->setFocus();
    QTest::keyPress(tree(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyRelease(tree(), Qt::Key_Control, Qt::ControlModifier);
    QVERIFY(frame()->getCopiedWidget());
}

void TestPageCommands::keysSkippedWhileEditing()
{
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    auto *edit = new QLineEdit(window);
    edit->show();
    edit->setFocus();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &release);
    QKeyEvent copyKey(QEvent::KeyRelease, Qt::Key_C, Qt::ControlModifier);
    QCoreApplication::sendEvent(window, &copyKey);
    QCOMPARE(design().widgets(0).size(), 1);
    QCOMPARE(design().widgets(0).first(), w);
    QVERIFY(!frame()->getCopiedWidget());
    delete edit;
}

void TestPageCommands::deleteKeepsTreeAndSheet()
{
    QMyWidget *a = drop("Btn", QPoint(10, 10));
    QMyWidget *b = drop("Lab", QPoint(100, 10));
    Q_UNUSED(b)
    frame()->setCopiedWidget(a);
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0)->child(0), 0);
    QCOMPARE(window->properties()->getCurrentWidget(), a);
    frame()->slotDelAction(); // the canvas menu's Delete
    QVERIFY(!frame()->getCopiedWidget());
    QCOMPARE(design().widgets(0).size(), 1);
    QCOMPARE(treeTexts(), (QStringList {"Page-0", "  Lab-2"}));
}

void TestPageCommands::rightClickThenCopy()
{
    QMyWidget *a = drop("Btn", QPoint(10, 10));
    QMyWidget *b = drop("Lab", QPoint(200, 100));
    QCOMPARE(window->properties()->getCurrentWidget(), b);
    // Pressing an unselected widget with the right button shows its sheet first, so the
    // menu's Copy takes that widget.
    QTest::mousePress(a, Qt::RightButton, Qt::NoModifier, QPoint(20, 15));
    QTest::mouseRelease(a, Qt::RightButton, Qt::NoModifier, QPoint(20, 15));
    QCOMPARE(window->properties()->getCurrentWidget(), a);
    QVERIFY(a->isSelected() && !b->isSelected());
    frame()->slotCopyAction();
    QCOMPARE(frame()->getCopiedWidget(), a);
}

void TestPageCommands::deletedWidgetsLeaveNoDanglingPointer_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("clear all pages") << 0;
    QTest::newRow("delete the page") << 1;
    QTest::newRow("delete the widget") << 2;
}

// Whatever deletes the selected widget, later copy, paste, delete and menu commands must
// not reach it.
void TestPageCommands::deletedWidgetsLeaveNoDanglingPointer()
{
    QFETCH(int, how);
    window->pages()->addPage();
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    QCOMPARE(window->properties()->getCurrentWidget(), w);
    QCOMPARE(frame()->getCurrentWidget(), w);
    frame()->slotCopyAction();

    if (how == 0) {
        window->pages()->clearAllPages();
        pages(1);
    } else if (how == 1) {
        window->pages()->on_btnPageSub_clicked();
        answerYes(box());
    } else {
        QTest::keyClick(window, Qt::Key_Delete);
    }
    QVERIFY(!window->properties()->getCurrentWidget());
    QVERIFY(!frame()->getCurrentWidget());
    QVERIFY(!frame()->getCopiedWidget());

    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Delete);
    frame()->slotCopyAction();
    frame()->slotPasteAction();
    frame()->slotDelAction();
    for (int page = 0; page < design().pageCount(); ++page)
        QVERIFY(design().widgets(page).isEmpty());
}

void TestPageCommands::timerClicks()
{
    QMyWidget *w = drop("Btn", QPoint(10, 10));
    // No such timer: nothing.
    window->properties()->slotTimerClicked(-1);
    window->properties()->slotTimerClicked(9);
    QCOMPARE(window->properties()->getCurrentTimer(), -1);

    QTest::mouseClick(window->properties()->getTimerButton(3), Qt::LeftButton);
    QCOMPARE(window->properties()->getCurrentTimer(), 3);
    QCOMPARE(window->properties()->getTimerButton(3)->styleSheet(),
             window->properties()->getTimerButtonStyle(1));
    QCOMPARE(window->properties()->getTimerButton(0)->styleSheet(),
             window->properties()->getTimerButtonStyle(2));
    QVERIFY(!w->isSelected());
    QVERIFY(frame()->getTimerShown());
    QVERIFY(!frame()->getCurrentWidget());
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Timer);

    design().timer(0)->setTimerEnable(1);
    QTest::mouseClick(window->properties()->getTimerButton(8), Qt::LeftButton);
    QCOMPARE(window->properties()->getCurrentTimer(), 8);
    QCOMPARE(window->properties()->getTimerButton(0)->styleSheet(),
             window->properties()->getTimerButtonStyle(0));
    QCOMPARE(window->properties()->getTimerButton(3)->styleSheet(),
             window->properties()->getTimerButtonStyle(2));

    // Back to the page: the buttons lose the selection.
    window->pages()->on_treeWidget_itemClicked(tree()->topLevelItem(0), 0);
    QCOMPARE(window->properties()->getCurrentTimer(), -1);
    QVERIFY(!frame()->getTimerShown());
}

void TestPageCommands::quitAnswersDoNotAskAgain_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("closes");
    QTest::newRow("save and quit") << true << false << true;
    QTest::newRow("save and quit, save fails") << true << true << false;
    QTest::newRow("quit without saving") << false << false << true;
}

void TestPageCommands::quitAnswersDoNotAskAgain()
{
    QFETCH(bool, save);
    QFETCH(bool, saveFails);
    QFETCH(bool, closes);
    QMyMessageBox *box = window->getQuestionBox();
    QSignalSpy quit(window, &MainWindow::quitRequested);
    window->close();
    QVERIFY(window->isVisible());
    QCOMPARE(message(), QString("退出软件前是否保存当前项目？"));
    box->hide();

    if (saveFails)
        design().setProjectPath(dir.filePath("missing/folder/p.yBEX"));
    if (save)
        answerYes(box);
    else
        answerNo(box);
    QCOMPARE(window->isVisible(), !closes);
    QCOMPARE(quit.count(), closes ? 1 : 0);
    QVERIFY(box->isHidden()); // the quit question is not asked a second time
    if (saveFails) {
        // The message, then why the save failed.
        const QString text = window->getResultBox()->findChild<QLabel *>("labMessage")->text();
        QCOMPARE(text.section('\n', 0, 0), QString("路径错误，保存失败！"));
        QVERIFY(text.section('\n', 1).startsWith(design().projectPath()));
        window->getResultBox()->hide();
    }
}

void TestPageCommands::otherAnswersDoNothing()
{
    pages(3);
    // Nothing asked yet, a notice, and a question already answered.
    for (void (*answer)(QWidget *) : {answerYes, answerNo, answerCancel})
        answer(box());
    box()->showNotice(QMyMessageBox::Information, QStringLiteral("notice"));
    for (void (*answer)(QWidget *) : {answerYes, answerNo, answerCancel})
        answer(box());
    window->pages()->on_btnPageSub_clicked();
    QCOMPARE(message(), QString("是否删除第2页？"));
    answerNo(box());
    for (void (*answer)(QWidget *) : {answerYes, answerNo, answerCancel})
        answer(box());
    QCOMPARE(design().pageCount(), 3);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
