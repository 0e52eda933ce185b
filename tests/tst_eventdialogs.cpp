#include "deleventdlg.h"
#include "designglobals.h"
#include "designtestutil.h"
#include "dialogtestutil.h"
#include "downloadeventdlg.h"
#include "eventinfo.h"
#include "eventtable.h"
#include "qmymessagebox.h"
#include "qmywidgetfactory.h"
#include "timerparam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(EventInfo)

namespace {
enum { Exit = 0, Entry = 1 };

EventInfo makeEvent(int owner, int type, int function, const QString &firstParam = QString())
{
    EventInfo info;
    info.setOwnerType(owner);
    info.setType(type);
    info.setUserType(function);
    info.setDefaultParams();
    if (!firstParam.isEmpty())
        info.setParam(0, firstParam);
    return info;
}

// The first parameter of each event tells them apart.
QStringList firstParams(const QList<EventInfo> &events)
{
    QStringList params;
    for (const EventInfo &e : events)
        params << e.param(0);
    return params;
}
} // namespace

// The delete-events and hand-written-code dialogs on a page, a timer and a widget.
class TestEventDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void tableRows_data();
    void tableRows();
    void removeRowFixesPositions_data();
    void removeRowFixesPositions();

    void deleteDialogForm();
    void deleteDialogRows();
    void deleteTwoCheckedRows();
    void rowsFollowTheLanguage();
    void deleteOneThenARowAbove();
    void firstDeleteTakesTheClickedRow();
    void clickedRowOfALongerTable();
    void checkAllAndCancel();
    void deletingEverything();
    void noAndNothingChecked();
    void clickingTheCheckBoxTogglesOnce();
    void deleteKeepsItsPageWhenThePageChanges();
    void deleteDialogOnADeletedWidget();
    void deleteDialogDismissed();
    void dialogsCloseWhenTheirHolderLeavesTheDesign();

    void editDialogForm();
    void tabsPerHolder_data();
    void tabsPerHolder();
    void addFunctionLine();
    void saveAndResetPerTab();
    void codeStaysPlainText();
    void codeLongerThanAFileHoldsIsRefused();
    void closingAsksForTheSheet();
    void editDialogOnADeletedWidget();
    void retranslateKeepsTheHolderTabs();

private:
    QTableView *table() const { return del->findChild<QTableView *>("tvEvent"); }
    QStandardItemModel *model() const
    {
        return qobject_cast<QStandardItemModel *>(table()->model());
    }
    void click(QWidget *dlg, const char *name);
    void clickRow(int row);
    QList<int> checkedRows() const;
    QStringList column(int c) const;
    QString label() const { return del->findChild<QLabel *>("labCheckedCount")->text(); }
    void answerYes();
    QTabWidget *tabs() const { return edit->findChild<QTabWidget *>("tabWidget"); }
    QStringList tabTexts() const;
    QTextEdit *editor(int n) const
    {
        return edit->findChild<QTextEdit *>(QString("textEdit%1").arg(n));
    }
    QCheckBox *useBox(int n) const
    {
        return edit->findChild<QCheckBox *>(QString("checkBoxUse%1").arg(n));
    }
    QMyWidget *addWidget(int typeCode);

    DelEventDlg *del = nullptr;
    DownLoadEventDlg *edit = nullptr;
    QWidget *canvas = nullptr;
    DesignDocument *design = nullptr;
    PageParam *page = nullptr;
};

void TestEventDialogs::init()
{
    canvas = new QWidget;
    design = new DesignDocument;
    del = new DelEventDlg;
    del->setDocument(design);
    edit = new DownLoadEventDlg;
    edit->setDocument(design);
    page = design->page(design->addPage());
}

void TestEventDialogs::cleanup()
{
    delete del;
    delete edit;
    delete design;
    delete canvas;
}

QMyWidget *TestEventDialogs::addWidget(int typeCode)
{
    QMyWidget *w =
        QMyWidgetFactory::create(WidgetType(typeCode), design->widgets(0).size(), canvas);
    design->addWidget(0, w);
    return w;
}

void TestEventDialogs::click(QWidget *dlg, const char *name)
{
    auto *button = dlg->findChild<QAbstractButton *>(name);
    QVERIFY2(button, name);
    button->click();
}

void TestEventDialogs::clickRow(int row)
{
    QTableView *view = table();
    if (!view->isVisible()) {
        view->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    }
    const QRect cell = view->visualRect(model()->index(row, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

QList<int> TestEventDialogs::checkedRows() const
{
    QList<int> rows;
    for (int r = 0; r < model()->rowCount(); ++r) {
        if (model()->index(r, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            rows << r;
    }
    return rows;
}

QStringList TestEventDialogs::column(int c) const
{
    QStringList texts;
    for (int r = 0; r < model()->rowCount(); ++r)
        texts << model()->index(r, c).data().toString();
    return texts;
}

void TestEventDialogs::answerYes()
{
    QMyMessageBox *box = del->getMessageBox();
    QVERIFY(box->isVisible());
    QPushButton *yes = buttonWithText(box, "是");
    QVERIFY(yes);
    yes->click();
}

QStringList TestEventDialogs::tabTexts() const
{
    QStringList texts;
    for (int i = 0; i < tabs()->count(); ++i)
        texts << tabs()->tabText(i);
    return texts;
}

void TestEventDialogs::tableRows_data()
{
    QTest::addColumn<QList<EventInfo>>("events");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QList<QStringList>>("cells");

    QTest::newRow("exit first, entries in list order")
        << QList<EventInfo> {makeEvent(-1, Entry, 0, "a"), makeEvent(-1, Exit, 72),
                             makeEvent(-1, Entry, 0, "c")}
        << QList<int> {1, 0, 2}
        << QList<QStringList> {{"页面退出", "设置波特率", "115200", "-", "-", "-", "-"},
                               {"页面进入", "设置控件x值", "a", "0", "-", "-", "-"},
                               {"页面进入", "设置控件x值", "c", "0", "-", "-", "-"}};
    QTest::newRow("six parameters fill a sixth column")
        << QList<EventInfo> {makeEvent(0, Exit, 62)} << QList<int> {0}
        << QList<QStringList> {{"按钮退出", "设置菜单光标信息", "1", "0", "255", "2", "0/1", ""}};
    QTest::newRow("a type the holder has no name for, an unknown function") << QList<EventInfo> {
        makeEvent(-2, 3, 0), [] {
            EventInfo e = makeEvent(-2, 0, 0);
            e.setUserType(500);
            return e;
        }()} << QList<int> {1} << QList<QStringList> {{"定时到达", "-", "-", "-", "-", "-", "-"}};
    QTest::newRow("no events") << QList<EventInfo>() << QList<int>() << QList<QStringList>();
}

void TestEventDialogs::tableRows()
{
    QFETCH(QList<EventInfo>, events);
    QFETCH(QList<int>, positions);
    QFETCH(QList<QStringList>, cells);
    const QList<EventTable::Row> rows = EventTable::rows(events);
    QList<int> gotPositions;
    QList<QStringList> gotCells;
    for (const EventTable::Row &row : rows) {
        gotPositions << row.position;
        gotCells << row.cells;
    }
    QCOMPARE(gotPositions, positions);
    QCOMPARE(gotCells, cells);
}

void TestEventDialogs::removeRowFixesPositions_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("middle position") << QList<int> {1, 0, 2} << 0 << QList<int> {0, 1};
    QTest::newRow("first position") << QList<int> {1, 0, 2} << 1 << QList<int> {0, 1};
    QTest::newRow("last position") << QList<int> {1, 0, 2} << 2 << QList<int> {1, 0};
    QTest::newRow("row outside") << QList<int> {1, 0} << 2 << QList<int> {1, 0};
    QTest::newRow("negative row") << QList<int> {1, 0} << -1 << QList<int> {1, 0};
}

void TestEventDialogs::removeRowFixesPositions()
{
    QFETCH(QList<int>, positions);
    QFETCH(int, row);
    EventTable::removeRow(&positions, row);
    QTEST(positions, "after");
}

void TestEventDialogs::deleteDialogForm()
{
    QVERIFY(del->isHidden());
    QVERIFY(hasDialogFlags(*del));
    QCOMPARE(del->minimumSize(), QSize(760, 355));
    QCOMPARE(del->maximumSize(), QSize(760, 355));
    QCOMPARE(del->windowTitle(), QString("删除事件"));
    QCOMPARE(del->findChild<QLabel *>("label")->text(),
             QString("注意：“-”为没有该参数，最长只显示5个参数"));
    QCOMPARE(label(), QString("已选：0项"));
    QHeaderView *header = table()->horizontalHeader();
    QVERIFY(!header->sectionsClickable());
    QVERIFY(header->stretchLastSection());
    QCOMPARE(header->defaultAlignment(), Qt::AlignCenter);
    QVERIFY(table()->verticalHeader()->isHidden());
    QCOMPARE(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(table()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(table()->focusPolicy(), Qt::NoFocus);
}

void TestEventDialogs::deleteDialogRows()
{
    page->appendEvent(makeEvent(-1, Entry, 0, "a"));
    page->appendEvent(makeEvent(-1, Exit, 0, "b"));
    page->appendEvent(makeEvent(-1, Entry, 0, "c"));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    QVERIFY(del->isVisible());
    QCOMPARE(column(1), QStringList({"1", "2", "3"}));
    QCOMPARE(column(2), QStringList({"页面退出", "页面进入", "页面进入"}));
    QCOMPARE(column(4), QStringList({"b", "a", "c"}));
    QStringList headers;
    for (int c = 0; c < model()->columnCount(); ++c)
        headers << model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers,
             QStringList({"", "序号", "事件类型", "用户函数", "参数1", "参数2", "参数3", "参数4",
                          "参数5"}));
    QVERIFY(table()->isColumnHidden(0));
    QCOMPARE(table()->columnWidth(1), 60);
    QVERIFY(!del->findChild<QCheckBox *>("checkBoxAll")->isVisible());
    QVERIFY(!del->findChild<QLabel *>("labCheckedCount")->isVisible());

    // A six-parameter function: the tenth column has no header text.
    page->appendEvent(makeEvent(-1, Exit, 62));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    QCOMPARE(model()->columnCount(), 10);
    QCOMPARE(model()->headerData(9, Qt::Horizontal).toString(), QString());
}

void TestEventDialogs::deleteTwoCheckedRows()
{
    page->appendEvent(makeEvent(-1, Entry, 0, "a"));
    page->appendEvent(makeEvent(-1, Exit, 0, "b"));
    page->appendEvent(makeEvent(-1, Entry, 0, "c"));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    QSignalSpy deleted(del, &DelEventDlg::s_sendDelEvent);
    click(del, "btnDelEvent");
    QVERIFY(!table()->isColumnHidden(0));
    clickRow(0); // position 1
    clickRow(2); // position 2
    QCOMPARE(checkedRows(), QList<int>({0, 2}));
    QCOMPARE(label(), QString("已选：2项"));
    click(del, "btnDelEvent");
    answerYes();
    QCOMPARE(firstParams(page->events()), QStringList({"a"}));
    QCOMPARE(column(1), QStringList({"1"}));
    QCOMPARE(column(4), QStringList({"a"}));
    QCOMPARE(deleted.count(), 1);
    // The count shows what is ticked now: nothing.
    QCOMPARE(checkedRows(), QList<int>());
    QCOMPARE(label(), QString("已选：0项"));
    QVERIFY(!del->findChild<QCheckBox *>("checkBoxAll")->isChecked());
}

// Rows shown in one language name their event types and functions in the other after a
// switch.
void TestEventDialogs::rowsFollowTheLanguage()
{
    page->appendEvent(makeEvent(-1, Entry, 1));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    QCOMPARE(column(2), QStringList({"页面进入"}));
    QCOMPARE(column(3), QStringList({"获取控件x值"}));
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QCoreApplication::installTranslator(&english);
    del->retranslate();
    const QStringList types = column(2);
    const QStringList functions = column(3);
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(types, QStringList({"Page Entry"}));
    QCOMPARE(functions, QStringList({"Get widget x"}));
    del->retranslate();
    QCOMPARE(column(2), QStringList({"页面进入"}));
}

void TestEventDialogs::deleteOneThenARowAbove()
{
    for (const char *p : {"a", "b", "c", "d"})
        page->appendEvent(makeEvent(-1, Entry, 0, p));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    click(del, "btnDelEvent");
    clickRow(2);
    click(del, "btnDelEvent");
    answerYes();
    QCOMPARE(firstParams(page->events()), QStringList({"a", "b", "d"}));
    // The selection moved up to the row above the deleted one.
    QCOMPARE(table()->selectionModel()->selectedRows().value(0).row(), 1);

    clickRow(0);
    click(del, "btnDelEvent");
    answerYes();
    QCOMPARE(firstParams(page->events()), QStringList({"b", "d"}));
    QCOMPARE(column(4), QStringList({"b", "d"}));
    QCOMPARE(column(1), QStringList({"1", "2"}));
}

void TestEventDialogs::firstDeleteTakesTheClickedRow()
{
    for (const char *p : {"a", "b"})
        page->appendEvent(makeEvent(-1, Entry, 0, p));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    click(del, "btnDelEvent");
    QCOMPARE(checkedRows(), QList<int>());
    QCOMPARE(label(), QString("已选：0项"));

    click(del, "btnCheckedCannel");
    QVERIFY(table()->isColumnHidden(0));
    QVERIFY(!del->findChild<QCheckBox *>("checkBoxAll")->isVisible());
    clickRow(1);
    // Outside check mode a click only remembers the row.
    QCOMPARE(checkedRows(), QList<int>());
    click(del, "btnDelEvent");
    QCOMPARE(checkedRows(), QList<int>({1}));
    QCOMPARE(label(), QString("已选：1项"));
}

void TestEventDialogs::clickedRowOfALongerTable()
{
    for (const char *p : {"a", "b", "c"})
        page->appendEvent(makeEvent(-1, Entry, 0, p));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    clickRow(2);

    TimerParam timer;
    timer.setTimerID(0);
    timer.appendEvent(makeEvent(-2, 0, 0, "t"));
    del->showDlg(SelectionKind::Timer, nullptr, &timer);
    QCOMPARE(model()->rowCount(), 1);
    click(del, "btnDelEvent");
    QCOMPARE(checkedRows(), QList<int>());
    QCOMPARE(label(), QString("已选：0项"));
    QVERIFY(table()->selectionModel()->selectedRows().isEmpty());
}

void TestEventDialogs::checkAllAndCancel()
{
    for (const char *p : {"a", "b", "c", "d"})
        page->appendEvent(makeEvent(-1, Entry, 0, p));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    click(del, "btnDelEvent");
    auto *all = del->findChild<QCheckBox *>("checkBoxAll");
    QVERIFY(all->isVisible());
    all->click();
    QCOMPARE(checkedRows(), QList<int>({0, 1, 2, 3}));
    QCOMPARE(label(), QString("已选：4项"));
    all->click();
    QCOMPARE(checkedRows(), QList<int>());
    QCOMPARE(label(), QString("已选：0项"));

    // Checking the last unchecked row by hand checks "全选" too.
    all->click();
    clickRow(3);
    QVERIFY(!all->isChecked());
    clickRow(3);
    QVERIFY(all->isChecked());
}

void TestEventDialogs::deletingEverything()
{
    QMyWidget *w = addWidget(3);
    for (const char *p : {"a", "b", "c"})
        w->addEvent(makeEvent(3, 1, 0, p));
    del->showDlg(SelectionKind::Widget, w, nullptr);
    QSignalSpy deleted(del, &DelEventDlg::s_sendDelEvent);
    click(del, "btnDelEvent");
    del->findChild<QCheckBox *>("checkBoxAll")->click();
    click(del, "btnDelEvent");
    answerYes();
    QVERIFY(w->getEvents().isEmpty());
    QCOMPARE(model()->rowCount(), 0);
    QCOMPARE(deleted.count(), 1);
    QVERIFY(table()->isColumnHidden(0));
    QVERIFY(!del->findChild<QCheckBox *>("checkBoxAll")->isVisible());
    QVERIFY(!del->findChild<QPushButton *>("btnCheckedCannel")->isVisible());
    QVERIFY(!del->findChild<QLabel *>("labCheckedCount")->isVisible());
    // An empty table makes "删除" do nothing.
    click(del, "btnDelEvent");
    QVERIFY(!del->getMessageBox()->isVisible());
}

void TestEventDialogs::noAndNothingChecked()
{
    for (const char *p : {"a", "b"})
        page->appendEvent(makeEvent(-1, Entry, 0, p));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    click(del, "btnDelEvent");
    click(del, "btnDelEvent");
    QMyMessageBox *box = del->getMessageBox();
    QVERIFY(box->isVisible());
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
             QString("未选择需要删除的事件，请您先选择需要删除的事件！"));
    QVERIFY(!asks(box));
    box->hide();

    clickRow(0);
    click(del, "btnDelEvent");
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(), QString("您是否需要删除已选的事件？"));
    QSignalSpy deleted(del, &DelEventDlg::s_sendDelEvent);
    buttonWithText(box, "否")->click();
    QCOMPARE(page->events().size(), 2);
    QCOMPARE(deleted.count(), 0);
}

void TestEventDialogs::clickingTheCheckBoxTogglesOnce()
{
    for (const char *p : {"a", "b"})
        page->appendEvent(makeEvent(-1, Entry, 0, p));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(del));
    click(del, "btnDelEvent");
    const QPoint indicator = checkBoxCentre(table(), model()->index(1, 0));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, indicator);
    QCOMPARE(checkedRows(), QList<int>({1}));
    QCOMPARE(label(), QString("已选：1项"));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, indicator);
    QCOMPARE(checkedRows(), QList<int>());
}

void TestEventDialogs::deleteKeepsItsPageWhenThePageChanges()
{
    page->appendEvent(makeEvent(-1, Entry, 0, "a"));
    page->appendEvent(makeEvent(-1, Entry, 0, "b"));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    const int other = design->addPage();
    design->page(other)->appendEvent(makeEvent(-1, Entry, 0, "x"));
    design->setCurrentPage(other);
    click(del, "btnDelEvent");
    clickRow(0);
    click(del, "btnDelEvent");
    answerYes();
    QCOMPARE(firstParams(page->events()), QStringList({"b"}));
    QCOMPARE(firstParams(design->page(other)->events()), QStringList({"x"}));
}

void TestEventDialogs::deleteDialogOnADeletedWidget()
{
    QMyWidget *w = addWidget(0);
    w->addEvent(makeEvent(0, 1, 0, "a"));
    del->showDlg(SelectionKind::Widget, w, nullptr);
    click(del, "btnDelEvent");
    clickRow(0);
    click(del, "btnDelEvent");
    QVERIFY(del->getMessageBox()->isVisible());

    design->removeWidget(w);
    QVERIFY(!del->isVisible());
    QSignalSpy deleted(del, &DelEventDlg::s_sendDelEvent);
    answerYes();
    QCOMPARE(deleted.count(), 0);
}

// The dialogs follow the design: one on a page closes once that page has gone, one on
// another page stays; every dialog closes once every page has gone.
void TestEventDialogs::dialogsCloseWhenTheirHolderLeavesTheDesign()
{
    const int other = design->addPage();
    design->setCurrentPage(other);
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    design->setCurrentPage(0);
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    design->removePage(other, 0);
    QVERIFY(!del->isVisible());
    QVERIFY(edit->isVisible());

    TimerParam *timer = design->timer(3);
    del->showDlg(SelectionKind::Timer, nullptr, timer);
    design->clearPages();
    QVERIFY(!del->isVisible());
    QVERIFY(!edit->isVisible());
}

void TestEventDialogs::deleteDialogDismissed()
{
    page->appendEvent(makeEvent(-1, Entry, 0, "a"));
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    TimerParam other;
    del->dismiss(&other.eventHolder());
    QVERIFY(del->isVisible());
    del->dismiss(&page->eventHolder());
    QVERIFY(!del->isVisible());

    // Once dismissed, a late answer touches nothing.
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    click(del, "btnDelEvent");
    clickRow(0);
    click(del, "btnDelEvent");
    QVERIFY(asks(del->getMessageBox()));
    del->dismiss();
    ::answerYes(del->getMessageBox());
    QCOMPARE(page->events().size(), 1);
}

void TestEventDialogs::editDialogForm()
{
    QVERIFY(edit->isHidden());
    QVERIFY(hasDialogFlags(*edit));
    QCOMPARE(edit->minimumSize(), QSize(614, 349));
    QCOMPARE(edit->maximumSize(), QSize(632, 349));
    QCOMPARE(edit->windowTitle(), QString("编辑下载事件"));
    QCOMPARE(tabTexts(), QStringList({"Tab 1", "Tab 2", "页", "页", "页"}));
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(useBox(n)->text(), QString("用手动编程"));
        QVERIFY(editor(n));
    }
    QCOMPARE(edit->findChild<QLabel *>("label")->text(), QString("注意：支持Python语法"));
    for (const char *name : {"btnAddEvent", "btnResetEvent", "btnSaveEvent", "btnClose"})
        QVERIFY(edit->findChild<QPushButton *>(name));
}

void TestEventDialogs::tabsPerHolder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("typeOrTimer");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<int>("current");
    QTest::newRow("page") << 0 << 0 << QStringList({"页面退出", "页面进入"}) << 1;
    QTest::newRow("timer 0") << 2 << 0 << QStringList({"定时到达"}) << 0;
    QTest::newRow("timer 7") << 2 << 7 << QStringList({"定时到达"}) << 0;
    QTest::newRow("sleep timer") << 2 << 8 << QStringList({"休眠退出", "休眠进入"}) << 1;
    QTest::newRow("button") << 1 << 0 << QStringList({"按钮退出", "按钮进入"}) << 1;
    QTest::newRow("progress bar") << 1 << 3 << QStringList({"进度退出", "进度增加", "进度减少"})
                                  << 1;
    QTest::newRow("slider") << 1 << 6 << QStringList({"slider抬起", "slider增加", "slider减少"})
                            << 1;
    QTest::newRow("arc") << 1 << 7 << QStringList({"arc退出", "arc增加", "arc减少"}) << 1;
}

void TestEventDialogs::tabsPerHolder()
{
    QFETCH(int, kind);
    QFETCH(int, typeOrTimer);
    TimerParam timer;
    timer.setTimerID(typeOrTimer);
    QMyWidget *w = kind == 1 ? addWidget(typeOrTimer) : nullptr;
    RecordEventOwner *record = kind == 0 ? static_cast<RecordEventOwner *>(page) : &timer;
    for (int key = 0; key < 3; ++key) {
        const QString code = QString("code %1").arg(key);
        if (w)
            w->setEventContent(key, key % 2, code);
        else
            record->setEventContent(key, key % 2, code);
    }
    // A second showing starts from all five tabs again.
    edit->showDlg(SelectionKind::Widget, addWidget(3), nullptr);
    edit->showDlg(SelectionKind(kind), w, kind == 2 ? &timer : nullptr);
    QVERIFY(edit->isVisible());
    QTEST(tabTexts(), "tabs");
    QTEST(tabs()->currentIndex(), "current");
    for (int i = 0; i < tabs()->count(); ++i) {
        QCOMPARE(editor(i + 1)->toPlainText(), QString("code %1").arg(i));
        QCOMPARE(useBox(i + 1)->isChecked(), i % 2 == 1);
    }
    auto *functions = edit->findChild<QComboBox *>("comboBoxEvent");
    const EventInfo catalogue;
    QCOMPARE(functions->count(), EventInfo::PickerCount);
    QCOMPARE(functions->itemText(0), catalogue.pickerCaptions().at(0));
    QCOMPARE(functions->itemData(5).toInt(), catalogue.pickerIndices().at(5));
}

void TestEventDialogs::addFunctionLine()
{
    page->setEventContent(1, 0, "pass");
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    auto *functions = edit->findChild<QComboBox *>("comboBoxEvent");
    functions->setCurrentIndex(functions->findData(72));
    click(edit, "btnAddEvent");
    QCOMPARE(editor(2)->toPlainText(), QString("pass\nuser.set_bps(115200)"));
    QCOMPARE(page->eventText(1), QString("pass"));

    // Into an empty editor the line comes without a blank line before it.
    tabs()->setCurrentIndex(0);
    click(edit, "btnAddEvent");
    QCOMPARE(editor(1)->toPlainText(), QString("user.set_bps(115200)"));
    QCOMPARE(page->eventText(0), QString());
}

void TestEventDialogs::saveAndResetPerTab()
{
    QMyWidget *w = addWidget(3);
    w->setEventContent(0, 1, "exit code");
    w->setEventContent(2, 1, "down code");
    edit->showDlg(SelectionKind::Widget, w, nullptr);
    QSignalSpy reflesh(edit, &DownLoadEventDlg::s_sendReflesh);
    QMyMessageBox *box = edit->getMessageBox();

    // Tab 2 (index 1) is current: save it with the flag and two lines.
    useBox(2)->setChecked(true);
    editor(2)->setPlainText("a = 1\nuser.set_x(1,a)");
    click(edit, "btnSaveEvent");
    QCOMPARE(w->getEventStatus(1), 1);
    QCOMPARE(w->getEventText(1), QString("a = 1\nuser.set_x(1,a)"));
    QVERIFY(box->isVisible());
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(), QString("保存当前编辑下载事件成功！"));
    QCOMPARE(box->windowTitle(), QString("提示"));
    QCOMPARE(reflesh.count(), 1);
    // The other tabs are untouched by that save.
    QCOMPARE(w->getEventText(0), QString("exit code"));
    QCOMPARE(w->getEventText(2), QString("down code"));

    // Reset discards unsaved edits of the current tab only.
    tabs()->setCurrentIndex(2);
    useBox(3)->setChecked(false);
    editor(3)->setPlainText("scratch");
    editor(1)->setPlainText("other scratch");
    click(edit, "btnResetEvent");
    QVERIFY(useBox(3)->isChecked());
    QCOMPARE(editor(3)->toPlainText(), QString("down code"));
    QCOMPARE(editor(1)->toPlainText(), QString("other scratch"));
    QCOMPARE(w->getEventText(0), QString("exit code"));

    // Un-checking and saving stores status 0 with the text as edited.
    useBox(3)->setChecked(false);
    editor(3)->setPlainText("kept\n");
    click(edit, "btnSaveEvent");
    QCOMPARE(w->getEventStatus(2), 0);
    QCOMPARE(w->getEventText(2), QString("kept\n"));
    QCOMPARE(reflesh.count(), 2);
}

void TestEventDialogs::codeStaysPlainText()
{
    page->setEventContent(0, 1, "<b>x</b> & y");
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    QCOMPARE(editor(1)->toPlainText(), QString("<b>x</b> & y"));
    tabs()->setCurrentIndex(0);
    click(edit, "btnSaveEvent");
    QCOMPARE(page->eventText(0), QString("<b>x</b> & y"));
}

// A project file holds no longer code, so a design with it would not open again.
void TestEventDialogs::codeLongerThanAFileHoldsIsRefused()
{
    page->setEventContent(0, 1, "kept");
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    tabs()->setCurrentIndex(0);
    editor(1)->setPlainText(manyLines(MaxTextLength + 1));
    click(edit, "btnSaveEvent");
    QCOMPARE(page->eventText(0), QString("kept"));
    QMyMessageBox *box = edit->getMessageBox();
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
             QString("代码超过%1个字符，无法保存！").arg(MaxTextLength));

    editor(1)->setPlainText(manyLines(MaxTextLength));
    click(edit, "btnSaveEvent");
    QCOMPARE(page->eventText(0).size(), MaxTextLength);
}

void TestEventDialogs::closingAsksForTheSheet()
{
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    QSignalSpy reflesh(edit, &DownLoadEventDlg::s_sendReflesh);
    click(edit, "btnClose");
    QVERIFY(!edit->isVisible());
    QCOMPARE(reflesh.count(), 1);
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    edit->close();
    QVERIFY(!edit->isVisible());
    QCOMPARE(reflesh.count(), 2);
    // Dismissing is no close by the user: nothing asks for a rebuild.
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    edit->dismiss();
    QVERIFY(!edit->isVisible());
    QCOMPARE(reflesh.count(), 2);
}

void TestEventDialogs::editDialogOnADeletedWidget()
{
    QMyWidget *w = addWidget(6);
    edit->showDlg(SelectionKind::Widget, w, nullptr);
    editor(2)->setPlainText("lost");
    design->removeWidget(w);
    QVERIFY(!edit->isVisible());
    QSignalSpy reflesh(edit, &DownLoadEventDlg::s_sendReflesh);
    click(edit, "btnSaveEvent");
    click(edit, "btnResetEvent");
    QVERIFY(!edit->getMessageBox()->isVisible());
    QCOMPARE(reflesh.count(), 0);
    QCOMPARE(editor(2)->toPlainText(), QString("lost"));
}

void TestEventDialogs::retranslateKeepsTheHolderTabs()
{
    TimerParam sleep;
    sleep.setTimerID(8);
    edit->showDlg(SelectionKind::Timer, nullptr, &sleep);
    edit->retranslate();
    QCOMPARE(tabTexts(), QStringList({"休眠退出", "休眠进入"}));
    QCOMPARE(edit->findChild<QComboBox *>("comboBoxEvent")->count(), EventInfo::PickerCount);
    del->retranslate();
    QCOMPARE(label(), QString("已选：0项"));
    QCOMPARE(model()->columnCount(), 0);
}

QTEST_MAIN(TestEventDialogs)
#include "tst_eventdialogs.moc"
