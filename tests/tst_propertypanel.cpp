#include "attributelimits.h"
#include "designglobals.h"
#include "designtestutil.h"
#include "eventinfo.h"
#include "languagetestutil.h"
#include "mainwindow.h"
#include "pagescontroller.h"
#include "projectcontroller.h"
#include "projectfile.h"
#include "propertiescontroller.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidgetfactory.h"
#include "qtbrowseritem.h"
#include "qtenumpropertymanager.h"
#include "qttreepropertybrowser.h"
#include "qtusertypeone_imagemanager.h"
#include "qtvariantpropertymanager.h"
#include "setscreensizedlg.h"
#include "sheetrules.h"
#include "sheettables.h"
#include "sheetvalues.h"
#include "timerparam.h"
#include "windowfixture.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <limits>

// The property area as the user sees it: the sheet of the page, a timer or a widget, and
// what editing its rows does to the design.
class TestPropertyPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sheets_data();
    void sheets();
    void opacityEdits();
    void viewingChangesOnlyWhatItMust();
    void viewingKeepsEveryValue_data();
    void viewingKeepsEveryValue();
    void geometryLimits();
    void textFilter();
    void meterNeedles();
    void chartSeries();
    void chartOfManyValues();
    void timers();
    void eventRows();
    void nothingWhileDragging();
    void helpLineRows();
    void resolutionAndOrientation();
    void unlistedScreen();
    void coupledColourRows();
    void pageBackground();
    void choiceRows();
    void verticalProgressBar();
    void geometryFollowsTheCanvas();
    void placementRowsOfADroppedWidget_data();
    void placementRowsOfADroppedWidget();
    void checkableRebuildsAfterTheReport();
    void openEditorAcrossSelections();
    void deletingTheShownWidgetWithAnEditorOpen();
    void tickBoxesByTheUser_data();
    void tickBoxesByTheUser();
    void arrowsLeaveATickBoxForTheNextRow();

private:
    QMyFrame *frame() const { return window->findChild<QMyFrame *>("frame"); }
    QtTreePropertyBrowser *browser() const
    {
        return window->findChild<QtTreePropertyBrowser *>("designWnd");
    }
    QtVariantPropertyManager *roManager() const { return variantManagers().at(0); }
    QtVariantPropertyManager *values() const { return variantManagers().at(1); }
    QList<QtVariantPropertyManager *> variantManagers() const
    {
        return browser()->findChildren<QtVariantPropertyManager *>(QString(),
                                                                   Qt::FindDirectChildrenOnly);
    }
    QtEnumPropertyManager *choices() const
    {
        return browser()->findChild<QtEnumPropertyManager *>(QString(), Qt::FindDirectChildrenOnly);
    }
    QtUserTypeOne_ImageManager *images() const
    {
        return browser()->findChild<QtUserTypeOne_ImageManager *>(QString(),
                                                                  Qt::FindDirectChildrenOnly);
    }
    QtProperty *row(const QString &key) const
    {
        return window->properties()->getPropertyToKey().key(key, nullptr);
    }
    QVariant shown(const QString &key) const;
    void set(const QString &key, const QVariant &value);
    QWidget *openEditor(const QString &key);
    QTreeWidget *tree() const { return browser()->findChild<QTreeWidget *>(); }
    QTreeWidgetItem *treeItemOf(const QString &key) const;
    QStringList tickBoxKeys() const;
    QMap<QString, QVariant> shownRows() const;
    void userClick(const QPoint &viewportPos);
    void userKey(Qt::Key key);
    void tickByTheUser(const QString &key, bool bySpace);
    QStringList topLevelCaptions() const;
    QStringList dump() const;
    void dumpItem(QtBrowserItem *item, int depth, QStringList *lines) const;
    QMyWidget *drop(int typeCode);
    void fillDistinct(QMyWidget *w);
    static QStringList snapshot(const QMyWidget *w);
    static EventInfo event(int owner, int type, int function);

    DesignDocument &design() const { return window->document(); }

    QTemporaryDir dir;
    WindowFixture fixture;
    MainWindow *window = nullptr;
};

void TestPropertyPanel::initTestCase()
{
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
}

void TestPropertyPanel::init()
{
    window = fixture.start();
    QVERIFY(fixture.show(QSize(1200, 800)));
    static int n = 0;
    fixture.makeProject(dir.filePath(QString("p%1.yBEX").arg(++n)));
    QCOMPARE(design().pageCount(), 1);
    frame()->grab();
}

void TestPropertyPanel::cleanup()
{
    fixture.reset();
    loadInterfaceLanguage(false);
}

QMyWidget *TestPropertyPanel::drop(int typeCode)
{
    if (!dropTypeName(frame(), widgetTypeNames.at(typeCode), QPoint(20, 30)))
        return nullptr;
    return design().widgets(design().currentPage()).last();
}

// Every attribute a value of its own, within its limits, so that a row showing the wrong
// attribute shows in the table.
void TestPropertyPanel::fillDistinct(QMyWidget *w)
{
    const QStringList keys = QMyWidget::fileKeys();
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i) != "id")
            w->setIntValue(keys.at(i), 3 + i % 90);
    }
    const QStringList colors = QMyWidget::colorKeys();
    for (int i = 0; i < colors.size(); ++i)
        w->setColorValue(colors.at(i), QColor(i, (7 * i) % 256, (13 * i) % 256, 200 - i));
    w->setPos(10, 20);
    w->setW(120);
    w->setH(90);
    w->setProgX(4);
    w->setProgY(5);
    w->setProgW(50);
    w->setProgH(40);
    for (const char *key :
         {"hAlign", "vAlign", "longTextMode", "flag", "keyboardid", "ybexItemProgDir",
          "ybexItemGradMode", "ybexItemSelectGradMode", "ybexItemPressGradMode",
          "ybexItemProgGradMode", "ybexItemHandleGradMode", "ybexItemArcRounded",
          "ybexItemArcSelectRounded", "ybexItemChartUpadateMode", "ybexItemPasswordMode",
          "ybexItemSignalMode", "ybexItemAnimMode", "ybexItemAnimDir", "checkabled"})
        w->setIntValue(key, 1);
    // Tick boxes hold 0 or 1.
    for (bool checkable : {false, true}) {
        for (const QString &key :
             SheetTables::keysOf(SheetTables::widgetSheet(w->getType(), checkable), SheetRow::Bool))
            w->setIntValue(key, 1);
    }
    w->setMeterPointNum(2);
    w->setChartSerCount(2);
    w->setImageNum(-1);
    w->setFontID(7);
    w->setChartTickLabelFontID(3);
    w->setText("Hi");
    w->setChartSerPointCount(0, 3);
    w->setChartSerData(0, "1.4/2.6/-3");
    w->setChartSerPointCount(1, 0);
    w->setChartSerData(1, "");
    // As the project reader leaves them: every colour's alpha is its opacity.
    for (const QString &key : keys) {
        for (const QString &color : AttributeLimits::colorsOfOpacity(key)) {
            QColor c = w->colorValue(color);
            c.setAlpha(w->intValue(key));
            w->setColorValue(color, c);
        }
    }
}

EventInfo TestPropertyPanel::event(int owner, int type, int function)
{
    EventInfo info;
    info.setOwnerType(owner);
    info.setType(type);
    info.setUserType(function);
    info.setDefaultParams();
    return info;
}

QStringList TestPropertyPanel::snapshot(const QMyWidget *w)
{
    QStringList values;
    for (const QString &key : QMyWidget::fileKeys())
        values << key + "=" + w->fileValue(key);
    return values;
}

QVariant TestPropertyPanel::shown(const QString &key) const
{
    QtProperty *p = row(key);
    if (!p)
        return QVariant();
    if (p->propertyManager() == choices())
        return choices()->value(p);
    if (p->propertyManager() == images())
        return images()->value(p);
    if (p->propertyManager() == roManager())
        return roManager()->value(p);
    return values()->value(p);
}

// A row set as the user's editor sets it: through the row's manager.
void TestPropertyPanel::set(const QString &key, const QVariant &value)
{
    QtProperty *p = row(key);
    QVERIFY2(p, qPrintable(key));
    if (p->propertyManager() == choices())
        choices()->setValue(p, value.toInt());
    else if (p->propertyManager() == images())
        images()->setValue(p, value.toString());
    else
        values()->setValue(p, value);
}

QWidget *TestPropertyPanel::openEditor(const QString &key)
{
    QtProperty *p = row(key);
    if (!p)
        return nullptr;
    auto *tree = browser()->findChild<QTreeWidget *>();
    QTreeWidgetItem *item = nullptr;
    for (QTreeWidgetItem *candidate :
         tree->findItems(p->propertyName(), Qt::MatchExactly | Qt::MatchRecursive)) {
        if (candidate->text(1) == p->valueText() || !item)
            item = candidate;
    }
    if (!item)
        return nullptr;
    for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
        up->setExpanded(true);
    tree->scrollToItem(item);
    const QPoint pos(tree->header()->sectionViewportPosition(1) + 5,
                     tree->visualItemRect(item).center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, pos);
    for (QWidget *w :
         tree->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            return w;
    }
    return nullptr;
}

// The view's rows stand in the order of the browser's items.
QTreeWidgetItem *TestPropertyPanel::treeItemOf(const QString &key) const
{
    QtProperty *wanted = row(key);
    std::function<QTreeWidgetItem *(const QList<QtBrowserItem *> &, QTreeWidgetItem *)> find =
        [&](const QList<QtBrowserItem *> &items, QTreeWidgetItem *parent) -> QTreeWidgetItem * {
        for (int i = 0; i < items.size(); ++i) {
            QTreeWidgetItem *item = parent ? parent->child(i) : tree()->topLevelItem(i);
            if (!item || item->text(0) != items.at(i)->property()->propertyName())
                return nullptr;
            if (items.at(i)->property() == wanted)
                return item;
            if (QTreeWidgetItem *found = find(items.at(i)->children(), item))
                return found;
        }
        return nullptr;
    };
    return wanted ? find(browser()->topLevelItems(), nullptr) : nullptr;
}

QStringList TestPropertyPanel::tickBoxKeys() const
{
    QStringList keys;
    const QMap<QtProperty *, QString> &rows = window->properties()->getPropertyToKey();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (it.key()->propertyManager() == values()
            && values()->propertyType(it.key()) == QMetaType::Bool)
            keys << it.value();
    }
    keys.sort();
    return keys;
}

QMap<QString, QVariant> TestPropertyPanel::shownRows() const
{
    QMap<QString, QVariant> shownValues;
    for (const QString &key : window->properties()->getPropertyToKey())
        shownValues.insert(key, shown(key));
    return shownValues;
}

// Through the window, as the platform delivers it: to the widget under the pointer, and the
// release to the widget that took the press.
void TestPropertyPanel::userClick(const QPoint &viewportPos)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      tree()->viewport()->mapTo(window, viewportPos));
}

// To the window's focus widget of the moment, the release too.
void TestPropertyPanel::userKey(Qt::Key key)
{
    QTest::keyClick(window->windowHandle(), key);
}

// A click on the row's tick box, or Space on the row made current by a click on its name.
void TestPropertyPanel::tickByTheUser(const QString &key, bool bySpace)
{
    QTreeWidgetItem *item = treeItemOf(key);
    QVERIFY2(item, qPrintable(key));
    for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
        up->setExpanded(true);
    tree()->scrollToItem(item);
    // Long captions push the values out of sight; the user scrolls to them, or back to the
    // names.
    QScrollBar *bar = tree()->horizontalScrollBar();
    bar->setValue(0);
    const QRect rect = tree()->visualItemRect(item);
    if (!bySpace) {
        const int valueX = tree()->header()->sectionViewportPosition(1);
        if (valueX + 20 > tree()->viewport()->width())
            bar->setValue(valueX);
        userClick(QPoint(tree()->header()->sectionViewportPosition(1) + 10, rect.center().y()));
        return;
    }
    if (tree()->currentItem() != item)
        userClick(QPoint(rect.left() + 5, rect.center().y()));
    QCOMPARE(tree()->currentItem(), item);
    userKey(Qt::Key_Space);
}

QStringList TestPropertyPanel::topLevelCaptions() const
{
    QStringList captions;
    for (QtBrowserItem *item : browser()->topLevelItems())
        captions << item->property()->propertyName();
    return captions;
}

void TestPropertyPanel::dumpItem(QtBrowserItem *item, int depth, QStringList *lines) const
{
    QtProperty *p = item->property();
    QString type;
    QString value;
    QtAbstractPropertyManager *manager = p->propertyManager();
    if (manager == choices()) {
        type = "choice";
        value = QString("%1 [%2]").arg(choices()->value(p)).arg(choices()->enumNames(p).join('|'));
    } else if (manager == images()) {
        type = "image";
        value = images()->value(p);
    } else {
        auto *variants = static_cast<QtVariantPropertyManager *>(manager);
        const int t = variants->propertyType(p);
        const QVariant v = variants->value(p);
        const QString prefix = manager == roManager() ? "ro-" : "";
        if (t == QtVariantPropertyManager::groupTypeId()) {
            type = "group";
        } else if (t == QMetaType::QColor) {
            type = prefix + "colour";
            const QColor c = v.value<QColor>();
            value = QString("%1,%2,%3,%4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
        } else if (t == QMetaType::Bool) {
            type = prefix + "bool";
            value = v.toBool() ? "true" : "false";
        } else if (t == QMetaType::Int) {
            type = prefix + "int";
            value = QString::number(v.toInt());
        } else {
            type = prefix + "string";
            value = v.toString();
        }
    }
    const QString key = window->properties()->getPropertyToKey().value(p, "-");
    lines->append(QString(2 * depth, ' ') + p->propertyName() + " | " + key + " | " + type
                  + (value.isEmpty() ? QString() : " | " + value));
    // A colour's channels are the framework's own rows.
    if (type.endsWith("colour"))
        return;
    for (QtBrowserItem *child : item->children())
        dumpItem(child, depth + 1, lines);
}

QStringList TestPropertyPanel::dump() const
{
    QStringList lines;
    for (QtBrowserItem *item : browser()->topLevelItems())
        dumpItem(item, 0, &lines);
    return lines;
}

void TestPropertyPanel::sheets_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"page", "timer", "sleeptimer", "button", "button-checkable", "label", "image", "progress",
          "textbox", "qrcode", "slider", "arc", "meter", "chart"})
        QTest::newRow(name) << name;
}

void TestPropertyPanel::sheets()
{
    QFETCH(QString, name);
    design().setFontIds(QStringList {"3", "7"});
    PageParam *page = design().page(0);
    QStringList before;
    QStringList after;
    if (name == "page") {
        page->setPageImageNum(4);
        page->setPageGradDir(2);
        page->setPageColorGrad1(QColor(10, 20, 30, 40));
        page->setPageColorGrad2(QColor(50, 60, 70, 80));
        page->setPageOpa(90);
        page->setPageRadius(6);
        page->setPageFlag(1);
        page->setPageHelpLineType(2);
        page->setPageHelpLineLeft(11);
        page->setPageHelpLineRight(12);
        page->setPageHelpLineTop(13);
        page->setPageHelpLineBottom(14);
        page->setPageAnimEnabled(1);
        page->setPageAnimMode(5);
        page->setPageAnimDir(7);
        page->setPageAnimTime(300);
        page->appendEvent(event(-1, 1, 50));
        design().setScreenType(1);
        window->properties()->slotRecvParent();
        QCOMPARE(page->pageHelpLineType(), 2);
        QCOMPARE(design().screenType(), 1);
    } else if (name == "timer" || name == "sleeptimer") {
        const int index = name == "timer" ? 3 : 8;
        TimerParam *timer = design().timer(index);
        timer->setTimerEnable(1);
        timer->setTimerOneTime(1);
        timer->setTimerTime(1500);
        timer->setTimerVal(153);
        timer->appendEvent(event(index == 8 ? -3 : -2, 0, 2));
        QTest::mouseClick(window->properties()->getTimerButton(index), Qt::LeftButton);
        QCOMPARE(timer->timerVal(), 153);
    } else {
        const QStringList types {"button", "label",  "image", "progress", "textbox",
                                 "qrcode", "slider", "arc",   "meter",    "chart"};
        const int code = name == "button-checkable" ? 0 : types.indexOf(name);
        QMyWidget *w = drop(code);
        QVERIFY(w);
        fillDistinct(w);
        w->setCheckabled(name == "button-checkable");
        // Two events of one type, one of another.
        w->addEvent(event(code, 1, 50));
        w->addEvent(event(code, 0, 3));
        w->addEvent(event(code, 1, 51));
        // The drawing keeps square sizes, drawn areas and border alphas of its own; a
        // sheet's choice rows pass through choice 0 (shown, not hidden) and repaint.
        w->setFlag(0);
        w->grab();
        w->setFlag(1);
        before = snapshot(w);
        window->properties()->slotRecvWnd(w);
        after = snapshot(w);
    }
    QCOMPARE(after, before);

    const QString path = QString(YBEX_TEST_DATA) + "/sheets/" + name + ".txt";
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    const QStringList actual = dump();
    for (int i = 0; i < qMax(expected.size(), actual.size()); ++i)
        QCOMPARE(actual.value(i), expected.value(i));
}

void TestPropertyPanel::opacityEdits()
{
    QMyWidget *w = drop(0);
    window->properties()->slotRecvWnd(w);
    set("ybexItemOpa", 300);
    QCOMPARE(shown("ybexItemOpa").toInt(), 255);
    QCOMPARE(w->getOpa(), 255);
    QCOMPARE(w->getBackground1().alpha(), 255);
    QCOMPARE(w->getBackground2().alpha(), 255);
    set("ybexItemOpa", -5);
    QCOMPARE(shown("ybexItemOpa").toInt(), 0);
    QCOMPARE(w->getOpa(), 0);
    QCOMPARE(w->getBackground1().alpha(), 0);
    QCOMPARE(w->getBackground2().alpha(), 0);
    set("ybexItemOpa", 120);
    QCOMPARE(w->getBackground2().alpha(), 120);

    // An edited colour keeps the alpha of its opacity.
    set("ybexItemBackground1", QColor(1, 2, 3, 10));
    QCOMPARE(w->getBackground1(), QColor(1, 2, 3, 120));
    set("fontColor", QColor(9, 8, 7, 255));
    QCOMPARE(w->getFontColor(), QColor(9, 8, 7, w->getFontOpa()));
    // A picture opacity has the same limit and no colour.
    set("ybexItemImageOpa", 256);
    QCOMPARE(w->getImageOpa(), 255);
    QCOMPARE(shown("ybexItemImageOpa").toInt(), 255);

    // The page opacity is kept as typed; its colours take it within 0..255.
    window->properties()->slotRecvParent();
    PageParam *page = design().page(0);
    set("pageOpa", 300);
    QCOMPARE(page->pageOpa(), 300);
    QCOMPARE(shown("pageOpa").toInt(), 300);
    QCOMPARE(page->pageColorGrad1().alpha(), 255);
    QCOMPARE(page->pageColorGrad2().alpha(), 255);
    set("pageOpa", 40);
    set("pageColorGrad1", QColor(5, 6, 7, 255));
    QCOMPARE(page->pageColorGrad1(), QColor(5, 6, 7, 40));
}

void TestPropertyPanel::viewingKeepsEveryValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flag");
    for (int type = 0; type < widgetTypeNames.size(); ++type) {
        for (int flag : {0, 1})
            QTest::addRow("%s, flag %d", qPrintable(widgetTypeNames.at(type)), flag)
                << type << flag;
    }
}

// A widget shown on the canvas with values inside every limit keeps every one of them when
// its sheet is shown and painted, although choice rows pass through their first entry.
void TestPropertyPanel::viewingKeepsEveryValue()
{
    QFETCH(int, type);
    QFETCH(int, flag);
    design().setFontIds(QStringList {"3", "7"});
    QMyWidget *w = drop(type);
    QVERIFY(w);
    fillDistinct(w);
    w->setFlag(flag);
    w->grab(); // as the canvas shows it before it is clicked
    const QStringList before = snapshot(w);
    window->properties()->slotRecvWnd(w);
    QCOMPARE(snapshot(w), before);
    // The paints that follow see only the final values.
    QCoreApplication::processEvents();
    w->grab();
    QCOMPARE(snapshot(w), before);
}

void TestPropertyPanel::viewingChangesOnlyWhatItMust()
{
    design().setFontIds(QStringList {"3", "7"});
    QMyWidget *button = drop(0);
    button->setOpa(300);
    button->setFontID(9);
    button->setFontColor(QColor(1, 2, 3, 255));
    window->properties()->slotRecvWnd(button);
    QCOMPARE(button->getOpa(), 255);
    QCOMPARE(shown("ybexItemOpa").toInt(), 255);
    // A font missing from the list stays, and the row names it as missing.
    QCOMPARE(button->getFontID(), 9);
    QCOMPARE(choices()->enumNames(row("fontID")), (QStringList {"3", "7", "9（无此字体）"}));
    QCOMPARE(shown("fontID").toInt(), 2);
    // Colours are not coupled by viewing alone.
    QCOMPARE(button->getFontColor(), QColor(1, 2, 3, 255));

    // Without fonts the row names the widget's font alone.
    design().setFontIds({});
    window->properties()->slotRecvWnd(button);
    QCOMPARE(button->getFontID(), 9);
    QCOMPARE(choices()->enumNames(row("fontID")), QStringList {"9（无此字体）"});

    // Counts outside their names become one.
    QMyWidget *meter = drop(8);
    meter->setMeterPointNum(0);
    window->properties()->slotRecvWnd(meter);
    QCOMPARE(meter->getMeterPointNum(), 1);
    // A direction the drawing does not know becomes the first.
    QMyWidget *progress = drop(3);
    progress->setProgDir(4);
    window->properties()->slotRecvWnd(progress);
    QCOMPARE(progress->getProgDir(), 0);

    // A tick box shows any value but 0 as ticked, and the widget keeps 1.
    button->setAnimEnabled(5996);
    window->properties()->slotRecvWnd(button);
    QCOMPARE(button->getAnimEnabled(), 1);
    QCOMPARE(shown("ybexItemAnimEnabled").toBool(), true);

    // A chart's values are shown rounded and kept as they are.
    QMyWidget *chart = drop(9);
    chart->setChartSerCount(5);
    chart->setChartSerPointCount(0, 2);
    chart->setChartSerData(0, "12.4/-0.6");
    window->properties()->slotRecvWnd(chart);
    QCOMPARE(chart->getChartSerCount(), 1);
    QCOMPARE(shown("ybexItemChartSerDataValue0_0").toInt(), 12);
    QCOMPARE(shown("ybexItemChartSerDataValue0_1").toInt(), -1);
    QCOMPARE(chart->getChartSerData(0), QString("12.4/-0.6"));
    // Only an edit writes a value.
    set("ybexItemChartSerDataValue0_0", 5);
    QCOMPARE(chart->getChartSerData(0), QString("5/-0.6"));

    // The page never resizes or turns the canvas by being shown.
    design().setFrameSize(QSize(333, 222));
    design().setScreenType(2);
    design().setResolution("123*45");
    window->properties()->slotRecvParent();
    QCOMPARE(design().frameSize().width(), 333);
    QCOMPARE(design().frameSize().height(), 222);
    QCOMPARE(design().screenType(), 2);
    QCOMPARE(window->project()->getScreenSizeDlg()->resolutionText(), QString("123*45"));
    QCOMPARE(shown("vga").toInt(), resolutionList.size());
    QCOMPARE(choices()->enumNames(row("vga")).last(), QString("123*45"));
    design().setResolution("800*480(WVGA1)");
    window->properties()->slotRecvParent();
    QCOMPARE(shown("vga").toInt(), 13);
    QCOMPARE(design().frameSize().width(), 333);
}

void TestPropertyPanel::geometryLimits()
{
    QCOMPARE(frame()->pageSize(), QSize(800, 480));
    QMyWidget *label = drop(1);
    window->properties()->slotRecvWnd(label);
    // The rows show what the widget took.
    set("x", -10);
    QCOMPARE(label->getX(), 0);
    QCOMPARE(label->pos().x(), 0);
    QCOMPARE(shown("x").toInt(), 0);
    set("x", 790);
    QCOMPARE(label->getX(), 800 - label->getW());
    QCOMPARE(shown("x").toInt(), label->getX());
    set("w", 0);
    QCOMPARE(label->getW(), 2);
    QCOMPARE(shown("w").toInt(), 2);
    set("y", 470);
    QCOMPARE(shown("y").toInt(), label->getY());
    set("h", 99999);
    QCOMPARE(label->getH(), 480 - label->getY());
    QCOMPARE(shown("h").toInt(), label->getH());

    QMyWidget *arc = drop(7);
    window->properties()->slotRecvWnd(arc);
    set("w", 80);
    QCOMPARE(arc->getW(), 80);
    QCOMPARE(arc->getH(), 80);
    QCOMPARE(shown("h").toInt(), 80);
    QCOMPARE(shown("ybexItemProgW").toInt(), 80);
    QCOMPARE(shown("ybexItemProgH").toInt(), 80);
    set("h", 64);
    QCOMPARE(arc->getW(), 64);
    QCOMPARE(shown("w").toInt(), 64);

    QMyWidget *meter = drop(8);
    window->properties()->slotRecvWnd(meter);
    set("h", 70);
    QCOMPARE(meter->getW(), 70);
    QCOMPARE(shown("w").toInt(), 70);
}

void TestPropertyPanel::textFilter()
{
    const QString fonts = QFileInfo(design().projectPath()).absolutePath() + "/tempFonts";
    QVERIFY(QFile::copy(QString(YBEX_TEST_DATA) + "/fonts/5.ini", fonts + "/5.ini"));
    design().setFontIds(QStringList {"5"});
    QMyWidget *label = drop(1);
    label->setFontID(5);
    window->properties()->slotRecvWnd(label);
    set("text", QString("A你b我\n我"));
    QCOMPARE(label->getText(), QString("A你b"));
    QCOMPARE(shown("text").toString(), QString("A你b"));
    // The user learns which characters went and why.
    QMyMessageBox *box = window->getQuestionBox();
    QVERIFY(box->isVisible());
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
             QString("字体5中没有以下字符，已从文本中删除：我 U+000A"));
    box->hide();
    set("text", QString("A你好"));
    QCOMPARE(label->getText(), QString("A你好"));
    QVERIFY(box->isHidden());

    // A font number no generated font has filters nothing.
    design().setFontIds({});
    QMyWidget *button = drop(0);
    button->setFontID(6);
    window->properties()->slotRecvWnd(button);
    set("text", QString("我\n"));
    QCOMPARE(button->getText(), QString("我\n"));

    // The QR code keeps every character and makes room for them.
    QMyWidget *qr = drop(5);
    qr->setFontID(5);
    qr->setText("x");
    qr->setLongTextLen(6);
    window->properties()->slotRecvWnd(qr);
    set("text", QString(10, QChar(0x6211)));
    QCOMPARE(qr->getText().size(), 10);
    QCOMPARE(qr->getLongTextLen(), 30);
    QCOMPARE(shown("longTextLen").toInt(), 30);
    // The page file keeps the length in 16 bits.
    set("longTextLen", 70000);
    QCOMPARE(qr->getLongTextLen(), 65535);
    QCOMPARE(shown("longTextLen").toInt(), 65535);
}

void TestPropertyPanel::meterNeedles()
{
    QMyWidget *meter = drop(8);
    window->properties()->slotRecvWnd(meter);
    QCOMPARE(meter->getMeterMaxValue(0), 100);
    set("ybexItemMeterRotation1", 150);
    QCOMPARE(meter->getMeterRotation(0), 100);
    QCOMPARE(shown("ybexItemMeterRotation1").toInt(), 100);
    set("ybexItemMeterRotation2", -4);
    QCOMPARE(meter->getMeterRotation(1), 0);
    set("ybexItemMeterAngle3", 400);
    QCOMPARE(meter->getMeterAngle(2), 360);
    QCOMPARE(shown("ybexItemMeterAngle3").toInt(), 360);
    set("ybexItemMeterMinValue1", 120);
    QCOMPARE(meter->getMeterMinValue(0), 100);
    set("ybexItemMeterMaxValue1", 50);
    QCOMPARE(meter->getMeterMaxValue(0), 100);
    QCOMPARE(shown("ybexItemMeterMaxValue1").toInt(), 100);
    set("ybexItemMeterXPivot2", -7);
    QCOMPARE(meter->getMeterXPivot(1), -7);
    set("ybexItemMeterPointColor3", QColor(1, 2, 3, 4));
    QCOMPARE(meter->getMeterPointColor(2), QColor(1, 2, 3, 4));
    set("ybexItemMeterPointPicID2", "4");
    QCOMPARE(meter->getMeterPointPicID(1), 4);
    set("ybexItemMeterPointNum", 2);
    QCOMPARE(meter->getMeterPointNum(), 3);
}

void TestPropertyPanel::chartSeries()
{
    QMyWidget *chart = drop(9);
    chart->setChartSerPointCount(0, 4);
    chart->setChartSerData(0, "1/2/3/4");
    chart->setChartSerPointCount(1, 4);
    chart->setChartSerData(1, "5/6/7/8");
    window->properties()->slotRecvWnd(chart);
    set("ybexItemChartSerPointCount0", 3);
    QCOMPARE(chart->getChartSerPointCount(0), 3);
    QCOMPARE(chart->getChartSerPointCount(1), 3);
    QCOMPARE(chart->getChartSerData(0), QString("1/2/3"));
    QCOMPARE(chart->getChartSerData(1), QString("5/6/7"));
    // The rows of the old count stay until the next build and edit nothing.
    set("ybexItemChartSerDataValue0_3", 9);
    QCOMPARE(chart->getChartSerData(0), QString("1/2/3"));
    set("ybexItemChartSerDataValue1_2", 7.9);
    QCOMPARE(chart->getChartSerData(1), QString("5/6/8"));
    set("ybexItemChartSerDataValue1_2", 7);
    QCOMPARE(chart->getChartSerData(1), QString("5/6/7"));
    set("ybexItemChartSerPointCount0", -2);
    QCOMPARE(shown("ybexItemChartSerPointCount0").toInt(), 0);
    QCOMPARE(chart->getChartSerData(0), QString());
    set("ybexItemChartSerPointCount0", 100000);
    QCOMPARE(chart->getChartSerPointCount(1), 65535);
    set("ybexItemChartSerPointCount0", 2);
    set("ybexItemChartSerLineWidth0", 6);
    QCOMPARE(chart->getChartSerLineWidth(1), 6);
    set("ybexItemChartTickEnable2", false);
    QCOMPARE(chart->getChartTickEnable(2), 0);
    set("ybexItemChartSerCount", 1);
    QCOMPARE(chart->getChartSerCount(), 2);
}

// A series may hold 65535 values, each a row of the sheet: the sheet is built and taken
// down in a time that grows with their number, not with its square (12,000 values a
// series took 16 s).
// Every value of a long series has its row, the last one too; how fast such a sheet comes
// and goes is bench_sheet's to show.
void TestPropertyPanel::chartOfManyValues()
{
    constexpr int Values = 2000;
    QMyWidget *chart = drop(9);
    window->properties()->slotRecvWnd(chart);
    set("ybexItemChartSerPointCount0", Values);
    chart->setChartSerDataValue(1, Values - 1, 7);
    chart->setChartSerDataValue(0, 0, 3);
    window->properties()->slotRecvWnd(chart);
    QCOMPARE(shown(SheetRules::chartValueKeyOf(1, Values - 1)).toInt(), 7);
    QCOMPARE(shown(SheetRules::chartValueKeyOf(0, 0)).toInt(), 3);
    window->properties()->slotRecvParent();
}

void TestPropertyPanel::timers()
{
    // No timer chosen: the shown sheet stays.
    QMyWidget *w = drop(0);
    window->properties()->slotRecvWnd(w);
    window->properties()->showTimerProperty();
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Widget);
    QVERIFY(row("x"));

    TimerParam *sleep = design().timer(8);
    sleep->setTimerVal(52);
    QTest::mouseClick(window->properties()->getTimerButton(8), Qt::LeftButton);
    QCOMPARE(shown("timerVal").toInt(), 20);
    // Showing the rounded percentage writes nothing back.
    QCOMPARE(sleep->timerVal(), 52);
    set("timerVal", 100);
    QCOMPARE(sleep->timerVal(), 255);
    set("timerVal", 20);
    set("timerVal", 150);
    QCOMPARE(shown("timerVal").toInt(), 100);
    QCOMPARE(sleep->timerVal(), 255);
    set("timerTime", 30);
    QCOMPARE(window->properties()->getTimerButton(8)->styleSheet(),
             window->properties()->getTimerButtonStyle(1));
    set("timerTime", 0);
    QCOMPARE(window->properties()->getTimerButton(8)->styleSheet(),
             window->properties()->getTimerButtonStyle(2));

    window->properties()->slotRecvParent();
    sleep->setTimerVal(2);
    QTest::mouseClick(window->properties()->getTimerButton(8), Qt::LeftButton);
    QCOMPARE(sleep->timerVal(), 2);

    QTest::mouseClick(window->properties()->getTimerButton(2), Qt::LeftButton);
    set("timerEnable", true);
    QCOMPARE(design().timer(2)->timerEnable(), 1);
    QCOMPARE(window->properties()->getTimerButton(2)->styleSheet(),
             window->properties()->getTimerButtonStyle(1));
    set("timerTime", 250);
    QCOMPARE(design().timer(2)->timerTime(), 250);

    // After a page or widget sheet no button shows the selected style.
    design().timer(8)->setTimerTime(5);
    window->properties()->slotRecvWnd(w);
    QCOMPARE(window->properties()->getCurrentTimer(), -1);
    QCOMPARE(window->properties()->getTimerButton(2)->styleSheet(),
             window->properties()->getTimerButtonStyle(0));
    QCOMPARE(window->properties()->getTimerButton(8)->styleSheet(),
             window->properties()->getTimerButtonStyle(0));
    QCOMPARE(window->properties()->getTimerButton(4)->styleSheet(),
             window->properties()->getTimerButtonStyle(2));
}

void TestPropertyPanel::eventRows()
{
    QMyWidget *w = drop(0);
    w->addEvent(event(0, 1, 50));
    w->addEvent(event(0, 1, 50));
    window->properties()->slotRecvWnd(w);
    const QStringList captions = topLevelCaptions();
    QCOMPARE(captions.last(), QString("事件"));
    QCOMPARE(browser()->currentItem()->property()->propertyName(), QString("事件"));
    set("Event_Wnd_1_0", "ch9");
    QCOMPARE(w->getEvents().at(0).param(1), QString("ch9"));
    QCOMPARE(w->getEvents().at(1).param(1), QString("0"));
    // The event went away before the sheet was built again.
    w->removeEvent(1);
    set("Event_Wnd_1_1", "x");
    QCOMPARE(w->getEvents().size(), 1);

    // Hand-written code for the type: an empty events group.
    w->setEventContent(1, 1, "pass");
    window->properties()->slotRecvWnd(w);
    QCOMPARE(topLevelCaptions().last(), QString("事件"));
    QVERIFY(browser()->topLevelItems().last()->children().isEmpty());

    // Events a damaged file names: no rows for them, the others still shown.
    w->setEventContent(1, 0, QString());
    EventInfo noFunction = event(0, 1, 50);
    noFunction.setUserType(500);
    w->addEvent(noFunction);
    w->addEvent(event(0, 9, 50));
    window->properties()->slotRecvWnd(w);
    QVERIFY(row("Event_Wnd_0_0"));
    QVERIFY(!row("Event_Wnd_0_1"));
    QVERIFY(!row("Event_Wnd_0_2"));

    // A label never shows events.
    QMyWidget *label = drop(1);
    label->addEvent(event(1, 0, 50));
    window->properties()->slotRecvWnd(label);
    QVERIFY(!topLevelCaptions().contains("事件"));

    // Page events are edited on the page.
    design().page(0)->appendEvent(event(-1, 0, 50));
    window->properties()->slotRecvParent();
    set("Event_Frame_0_0", "7");
    QCOMPARE(design().page(0)->events().at(0).param(0), QString("7"));
}

void TestPropertyPanel::nothingWhileDragging()
{
    QMyWidget *w = drop(1);
    window->properties()->slotRecvWnd(w);
    const int x = w->getX();
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
    QVERIFY(w->getIsDragging());
    set("x", x + 40);
    set("ybexItemOpa", 10);
    set("hAlign", 2);
    QCOMPARE(w->getX(), x);
    QCOMPARE(w->getOpa(), 255);
    QCOMPARE(w->getHAlign(), 0);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
    QVERIFY(!w->getIsDragging());
}

void TestPropertyPanel::helpLineRows()
{
    const QStringList offsets {"左偏移", "右偏移", "上偏移", "下偏移"};
    PageParam *page = design().page(0);
    page->appendEvent(event(-1, 0, 50));
    page->setPageHelpLineLeft(4);
    window->properties()->slotRecvParent();
    QCOMPARE(page->pageHelpLineType(), 0);
    QVERIFY(!topLevelCaptions().contains("左偏移"));
    set("pageHelpLineType", 2);
    QCOMPARE(page->pageHelpLineType(), 2);
    // Appended after the last row, the events group included.
    QCOMPARE(topLevelCaptions().mid(topLevelCaptions().size() - 4), offsets);
    QCOMPARE(shown("pageHelpLineLeft").toInt(), 4);
    set("pageHelpLineTop", 9);
    QCOMPARE(page->pageHelpLineTop(), 9);
    set("pageHelpLineType", 2);
    QCOMPARE(topLevelCaptions().count("左偏移"), 1);
    set("pageHelpLineType", 1);
    QVERIFY(!topLevelCaptions().contains("左偏移"));
    QVERIFY(!row("pageHelpLineLeft"));

    // Shown with type 2: right behind the help-line row.
    set("pageHelpLineType", 2);
    window->properties()->slotRecvParent();
    const QStringList captions = topLevelCaptions();
    const int at = captions.indexOf("辅助线");
    QCOMPARE(captions.mid(at + 1, 4), offsets);
    QCOMPARE(captions.last(), QString("事件"));
}

void TestPropertyPanel::resolutionAndOrientation()
{
    window->properties()->slotRecvParent();
    set("screenType", 1);
    QCOMPARE(design().screenType(), 1);
    QCOMPARE(design().frameSize().width(), 480);
    QCOMPARE(design().frameSize().height(), 800);
    set("vga", resolutionList.indexOf("480*272(HHVGA)"));
    QCOMPARE(window->project()->getScreenSizeDlg()->resolutionText(), QString("480*272(HHVGA)"));
    QCOMPARE(design().frameSize().width(), 272);
    QCOMPARE(design().frameSize().height(), 480);
    // The entry already held changes nothing.
    design().setFrameSize(QSize(1, design().frameSize().height()));
    window->properties()->slotRecvParent();
    set("vga", 0);
    set("vga", resolutionList.indexOf("480*272(HHVGA)"));
    QCOMPARE(window->project()->getScreenSizeDlg()->resolutionText(), QString("480*272(HHVGA)"));

    design().setResolution(QString());
    window->properties()->slotRecvParent();
    set("screenType", 3);
    QCOMPARE(design().frameSize().width(), 0);
    QCOMPARE(design().frameSize().height(), 0);
}

// A project resolution or orientation that no entry names is shown as it is; any entry
// chosen applies, and the row always ends on what the project has.
void TestPropertyPanel::unlistedScreen()
{
    design().setResolution("123*45");
    design().setScreenType(5);
    window->properties()->slotRecvParent();
    QCOMPARE(choices()->enumNames(row("vga")).size(), resolutionList.size() + 1);
    QCOMPARE(choices()->enumNames(row("vga")).last(), QString("123*45"));
    QCOMPARE(shown("vga").toInt(), resolutionList.size());
    QCOMPARE(choices()->enumNames(row("screenType")).last(), QString("未知（5）"));
    QCOMPARE(shown("screenType").toInt(), 4);
    QCOMPARE(design().screenType(), 5);

    set("vga", 0);
    QCOMPARE(window->project()->getScreenSizeDlg()->resolutionText(), resolutionList.at(0));
    QCOMPARE(design().frameSize().width(), 128);
    QCOMPARE(design().frameSize().height(), 128);
    set("vga", resolutionList.size());
    QCOMPARE(window->project()->getScreenSizeDlg()->resolutionText(), resolutionList.at(0));
    QCOMPARE(shown("vga").toInt(), 0);

    set("screenType", 0);
    QCOMPARE(design().screenType(), 0);
    set("screenType", 4);
    QCOMPARE(design().screenType(), 0);
    QCOMPARE(shown("screenType").toInt(), 0);

    // Listed values have no extra entry.
    window->properties()->slotRecvParent();
    QCOMPARE(choices()->enumNames(row("vga")), resolutionList);
    QCOMPARE(choices()->enumNames(row("screenType")).size(), 4);

    // Nor has the lowest number a file may hold.
    design().setScreenType(std::numeric_limits<int>::min());
    window->properties()->slotRecvParent();
    QCOMPARE(choices()->enumNames(row("screenType")).last(), QString("未知（-2147483648）"));
    QCOMPARE(design().screenType(), std::numeric_limits<int>::min());
}

// After any edit the rows show what the design stores: colours with the alpha of their
// opacity, whichever of the two was edited.
void TestPropertyPanel::coupledColourRows()
{
    QMyWidget *label = drop(1);
    window->properties()->slotRecvWnd(label);
    set("fontOpa", 100);
    QCOMPARE(label->getFontColor().alpha(), 100);
    QCOMPARE(shown("fontColor").value<QColor>().alpha(), 100);
    set("fontColor", QColor(9, 8, 7, 255));
    QCOMPARE(label->getFontColor(), QColor(9, 8, 7, 100));
    QCOMPARE(shown("fontColor").value<QColor>(), QColor(9, 8, 7, 100));
    set("ybexItemOpa", 300);
    QCOMPARE(shown("ybexItemBackground1").value<QColor>().alpha(), 255);
    QCOMPARE(shown("ybexItemBackground2").value<QColor>().alpha(), 255);

    window->properties()->slotRecvParent();
    set("pageOpa", 40);
    QCOMPARE(shown("pageColorGrad1").value<QColor>().alpha(), 40);
    set("pageColorGrad2", QColor(1, 2, 3, 255));
    QCOMPARE(design().page(0)->pageColorGrad2(), QColor(1, 2, 3, 40));
    QCOMPARE(shown("pageColorGrad2").value<QColor>(), QColor(1, 2, 3, 40));
}

void TestPropertyPanel::pageBackground()
{
    const QString images = QFileInfo(design().projectPath()).absolutePath() + "/tempImages/";
    design().setPictures(QStringList {images + "0_a.png", images + "1_b.Jpg", images + "2_c.jpg"});
    PageParam *page = design().page(0);
    design().setModelType(0);
    window->properties()->slotRecvParent();
    set("pageImageNum", "0");
    QCOMPARE(page->pageImageNum(), -1);
    QCOMPARE(shown("pageImageNum").toString(), QString());
    QVERIFY(window->getQuestionBox()->isVisible());
    QCOMPARE(window->getQuestionBox()->findChild<QLabel *>("labMessage")->text(),
             QString("背景图片只可选择jpg格式图片，请您重新选择！"));
    window->getQuestionBox()->hide();
    set("pageImageNum", "1");
    QCOMPARE(page->pageImageNum(), -1);
    set("pageImageNum", "2");
    QCOMPARE(page->pageImageNum(), 2);
    set("pageImageNum", "7");
    QCOMPARE(page->pageImageNum(), 2);
    set("pageImageNum", "");
    QCOMPARE(page->pageImageNum(), -1);
    design().setModelType(1);
    set("pageImageNum", "0");
    QCOMPARE(page->pageImageNum(), 0);

    // A widget keeps any number.
    QMyWidget *w = drop(2);
    window->properties()->slotRecvWnd(w);
    set("imageNum", "42");
    QCOMPARE(w->getImageNum(), 42);
    set("imageNum", "");
    QCOMPARE(w->getImageNum(), -1);
}

void TestPropertyPanel::choiceRows()
{
    QMyWidget *box = drop(4);
    box->setSignalMode(0);
    box->setText("a\nb");
    window->properties()->slotRecvWnd(box);
    QCOMPARE(box->getText(), QString("a\nb"));
    set("ybexItemSignalMode", 1);
    QCOMPARE(box->getText(), QString("ab"));
    QCOMPARE(box->getSignalMode(), 1);
    set("hAlign", 2);
    QCOMPARE(box->hAlignFlag(), Qt::Alignment(Qt::AlignRight));
    set("keyboardid", 3);
    QCOMPARE(box->getKeyboardid(), 3);
    // Single-line mode applies again whenever the sheet is shown.
    box->setText("c\nd");
    window->properties()->slotRecvWnd(box);
    QCOMPARE(box->getText(), QString("cd"));

    // A font row whose list shrank since the sheet was built changes nothing.
    design().setFontIds(QStringList {"3", "7"});
    box->setFontID(3);
    window->properties()->slotRecvWnd(box);
    design().setFontIds(QStringList {"3"});
    set("fontID", 1);
    QCOMPARE(box->getFontID(), 3);
    design().setFontIds(QStringList {"3", "8"});
    set("fontID", 0);
    set("fontID", 1);
    QCOMPARE(box->getFontID(), 8);

    QMyWidget *button = drop(0);
    window->properties()->slotRecvWnd(button);
    set("ybexItemAnimDir", 7);
    QCOMPARE(button->getAnimDir(), 7);
}

// A vertical bar is drawn vertical; its sheet offers the two horizontal directions and
// shows the stored vertical one as one more entry, which showing does not change.
void TestPropertyPanel::verticalProgressBar()
{
    QMyWidget *bar = drop(3);
    const QStringList horizontal {"从左到右", "从右到左"};
    for (int direction : {2, 3}) {
        bar->setProgDir(direction);
        window->properties()->slotRecvWnd(bar);
        QCOMPARE(bar->getProgDir(), direction);
        QCOMPARE(choices()->enumNames(row("ybexItemProgDir")),
                 horizontal + QStringList {direction == 2 ? "从上到下" : "从下到上"});
        QCOMPARE(shown("ybexItemProgDir").toInt(), 2);
    }
    // Choosing a listed direction stores it; choosing the entry again brings it back.
    set("ybexItemProgDir", 1);
    QCOMPARE(bar->getProgDir(), 1);
    set("ybexItemProgDir", 2);
    QCOMPARE(bar->getProgDir(), 3);
    // A horizontal bar offers no more than the two.
    bar->setProgDir(0);
    window->properties()->slotRecvWnd(bar);
    QCOMPARE(choices()->enumNames(row("ybexItemProgDir")), horizontal);
}

// The sheet a drop shows holds the placement the drawing lays out, before any paint.
void TestPropertyPanel::placementRowsOfADroppedWidget_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::newRow("slider") << widgetTypeCode(WidgetType::Slider);
    QTest::newRow("arc") << widgetTypeCode(WidgetType::Arc);
    QTest::newRow("chart") << widgetTypeCode(WidgetType::Chart);
}

void TestPropertyPanel::placementRowsOfADroppedWidget()
{
    QFETCH(int, typeCode);
    QMyWidget *w = drop(typeCode);
    QVERIFY(w);
    QCOMPARE(window->properties()->getCurrentWidget(), w);
    const QStringList keys = {"ybexItemProgX", "ybexItemProgY", "ybexItemProgW", "ybexItemProgH"};
    QStringList rows;
    for (const QString &key : keys)
        rows << shown(key).toString();
    w->grab();
    const QStringList drawn = {QString::number(w->getX() + w->getProgX()),
                               QString::number(w->getY() + w->getProgY()),
                               QString::number(w->getProgW()), QString::number(w->getProgH())};
    QCOMPARE(rows, drawn);
}

void TestPropertyPanel::geometryFollowsTheCanvas()
{
    QMyWidget *slider = drop(6);
    window->properties()->slotRecvWnd(slider);
    const int buildProgW = shown("ybexItemProgW").toInt();
    slider->setPos(50, 60);
    slider->setW(140);
    window->properties()->slotRecvWndMove(slider);
    QCOMPARE(shown("x").toInt(), 50);
    QCOMPARE(shown("y").toInt(), 60);
    QCOMPARE(shown("w").toInt(), 140);
    // The placement rows show what the drawing lays out for the new size.
    QVERIFY(slider->getProgW() != buildProgW);
    QCOMPARE(shown("ybexItemProgX").toInt(), 50 + slider->getProgX());
    QCOMPARE(shown("ybexItemProgW").toInt(), slider->getProgW());
    QCOMPARE(slider->getX(), 50);
    const int sliderProgW = slider->getProgW();
    slider->grab();
    QCOMPARE(slider->getProgW(), sliderProgW);

    // An arc is drawn square: its rows show the side it is drawn with, not the dragged width.
    QMyWidget *arc = drop(7);
    window->properties()->slotRecvWnd(arc);
    const int shownX = shown("ybexItemProgX").toInt();
    arc->setPos(70, 80);
    arc->setW(arc->getH() + 35);
    window->properties()->slotRecvWndMove(arc);
    QCOMPARE(shown("x").toInt(), 70);
    QCOMPARE(shown("w").toInt(), arc->getH());
    QCOMPARE(shown("h").toInt(), arc->getH());
    QCOMPARE(shown("ybexItemProgX").toInt(), shownX);
    QCOMPARE(shown("ybexItemProgW").toInt(), arc->getProgW());
    const QStringList values = snapshot(arc);
    arc->grab();
    QCOMPARE(snapshot(arc), values);
    // Another widget's move changes no row.
    slider->setPos(5, 5);
    window->properties()->slotRecvWndMove(slider);
    QCOMPARE(shown("x").toInt(), 70);

    QMyWidget *chart = drop(9);
    window->properties()->slotRecvWnd(chart);
    const int chartX = shown("ybexItemProgX").toInt();
    chart->setPos(90, 100);
    window->properties()->slotRecvWndMove(chart);
    QCOMPARE(shown("x").toInt(), 90);
    QCOMPARE(shown("ybexItemProgX").toInt(), chartX);
}

void TestPropertyPanel::checkableRebuildsAfterTheReport()
{
    QMyWidget *button = drop(0);
    window->properties()->slotRecvWnd(button);
    QVERIFY(topLevelCaptions().contains("按下状态"));
    QtProperty *checkable = row("checkabled");
    QWidget *editor = openEditor("checkabled");
    QVERIFY(editor);
    set("checkabled", true);
    QVERIFY(button->getCheckabled());
    // Still the same sheet while the report runs.
    QCOMPARE(row("checkabled"), checkable);
    QVERIFY(topLevelCaptions().contains("按下状态"));
    QTRY_VERIFY(topLevelCaptions().contains("选中状态"));
    QVERIFY(!topLevelCaptions().contains("按下状态"));
    QCOMPARE(window->properties()->getCurrentWidget(), button);

    // A label's switch rebuilds nothing.
    QMyWidget *label = drop(1);
    label->setCheckabled(false);
    window->properties()->slotRecvWnd(label);
    QVERIFY(!row("checkabled"));

    // The button went away before the rebuild: nothing is built for it.
    window->properties()->slotRecvWnd(button);
    set("checkabled", false);
    button->setSelected(true);
    window->pages()->deleteSelectedWidget();
    QCoreApplication::processEvents();
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Page);
}

void TestPropertyPanel::openEditorAcrossSelections()
{
    QMyWidget *a = drop(1);
    QMyWidget *b = drop(1);
    a->setPos(10, 10);
    b->setPos(100, 100);
    window->properties()->slotRecvWnd(a);
    auto *spin = qobject_cast<QSpinBox *>(openEditor("x"));
    QVERIFY(spin);
    // Typed text the editor has not reported yet.
    spin->setKeyboardTracking(false);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "45");
    QCOMPARE(a->getX(), 10);
    window->properties()->slotRecvWnd(b);
    QCOMPARE(a->getX(), 45);
    QCOMPARE(b->getX(), 100);

    // A page sheet's open edit stays with its page when another page is shown.
    window->pages()->addPage();
    window->pages()->on_treeWidget_itemClicked(
        window->findChild<QTreeWidget *>("treeWidget")->topLevelItem(0), 0);
    QCOMPARE(design().currentPage(), 0);
    spin = qobject_cast<QSpinBox *>(openEditor("pageRadius"));
    QVERIFY(spin);
    spin->setKeyboardTracking(false);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "33");
    window->pages()->on_treeWidget_itemClicked(
        window->findChild<QTreeWidget *>("treeWidget")->topLevelItem(1), 0);
    QCOMPARE(design().currentPage(), 1);
    QCOMPARE(design().page(0)->pageRadius(), 33);
    QCOMPARE(design().page(1)->pageRadius(), 0);

    // Likewise a timer's edit when another timer is chosen.
    QTest::mouseClick(window->properties()->getTimerButton(1), Qt::LeftButton);
    spin = qobject_cast<QSpinBox *>(openEditor("timerTime"));
    QVERIFY(spin);
    spin->setKeyboardTracking(false);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "700");
    QTest::mouseClick(window->properties()->getTimerButton(5), Qt::LeftButton);
    QCOMPARE(design().timer(1)->timerTime(), 700);
    QCOMPARE(design().timer(5)->timerTime(), 0);
}

void TestPropertyPanel::deletingTheShownWidgetWithAnEditorOpen()
{
    QMyWidget *a = drop(1);
    QMyWidget *b = drop(1);
    b->setPos(200, 200);
    window->properties()->slotRecvWnd(a);
    a->setSelected(true);
    auto *line = qobject_cast<QLineEdit *>(openEditor("text"));
    QVERIFY(line);
    line->setFocus();
    QTest::keyClicks(line, "ab");
    QCOMPARE(a->getText().right(2), QString("ab"));
    window->pages()->deleteSelectedWidget();
    QCOMPARE(design().widgets(0).size(), 1);
    QVERIFY(!window->properties()->getCurrentWidget());
    QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Page);
    const QString bText = b->getText();
    QCoreApplication::processEvents();
    QCOMPARE(b->getText(), bText);
}

void TestPropertyPanel::tickBoxesByTheUser_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("bySpace");
    const QStringList sheets {"timer 0", "timer 1", "page",     "button",  "button checkable",
                              "label",   "image",   "progress", "textbox", "qrcode",
                              "slider",  "arc",     "meter",    "chart"};
    for (const QString &sheet : sheets) {
        for (const bool english : {false, true}) {
            for (const bool bySpace : {false, true})
                QTest::addRow("%s, %s, %s", qPrintable(sheet), english ? "English" : "Chinese",
                              bySpace ? "Space" : "click")
                    << sheet << english << bySpace;
        }
    }
}

// Every tick box of a sheet, ticked and unticked as the user does it: the row and the design
// change once each time, and nothing else does.
void TestPropertyPanel::tickBoxesByTheUser()
{
    QFETCH(QString, sheet);
    QFETCH(bool, english);
    QFETCH(bool, bySpace);
    if (english) {
        loadInterfaceLanguage(true);
        window = fixture.start();
        QVERIFY(fixture.show(QSize(1200, 800)));
        fixture.makeProject(dir.filePath(QString("english%1.yBEX").arg(QTest::currentDataTag())));
    }
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(tree()->headerItem()->text(0), english ? QString("Property") : QString("属性"));

    std::function<int(const QString &)> stored;
    if (sheet.startsWith("timer")) {
        TimerParam *timer = design().timer(sheet.rightRef(1).toInt());
        QTest::mouseClick(window->properties()->getTimerButton(timer->timerID()), Qt::LeftButton);
        QCOMPARE(window->properties()->getSelectionKind(), SelectionKind::Timer);
        stored = [timer](const QString &key) {
            return SheetValues::timerValue(*timer, key).toInt();
        };
    } else if (sheet == "page") {
        PageParam *page = design().page(0);
        window->properties()->slotRecvParent();
        stored = [page](const QString &key) {
            int value = -1;
            SheetValues::pageInt(*page, key, &value);
            return value;
        };
    } else {
        const QStringList types {"button", "label",  "image", "progress", "textbox",
                                 "qrcode", "slider", "arc",   "meter",    "chart"};
        QMyWidget *w = drop(types.indexOf(sheet.section(' ', 0, 0)));
        QVERIFY(w);
        w->setCheckabled(sheet == "button checkable");
        window->properties()->slotRecvWnd(w);
        stored = [w](const QString &key) { return w->intValue(key); };
    }
    const QStringList keys = tickBoxKeys();
    QVERIFY(!keys.isEmpty());
    // What the canvas writes back when it paints is written before the first look.
    frame()->grab();

    for (const QString &key : keys) {
        for (int time = 0; time < 2; ++time) {
            const QString what = QString("%1, %2 time").arg(key).arg(time + 1);
            const bool was = shown(key).toBool();
            QCOMPARE(stored(key) != 0, was);
            const QMap<QString, QVariant> rowsBefore = shownRows();
            const QList<QByteArray> fileBefore = ProjectFile::serialize(design()).split('\n');

            tickByTheUser(key, bySpace);
            if (QTest::currentTestFailed())
                return;
            // A button's switch rebuilds its sheet once the report has returned.
            QCoreApplication::processEvents();
            frame()->grab();

            QVERIFY2(shown(key).toBool() == !was, qPrintable(what + ": the row"));
            QVERIFY2((stored(key) != 0) == !was, qPrintable(what + ": the design"));
            const QMap<QString, QVariant> rowsAfter = shownRows();
            for (auto it = rowsBefore.cbegin(); it != rowsBefore.cend(); ++it) {
                if (it.key() != key && rowsAfter.contains(it.key()))
                    QVERIFY2(rowsAfter.value(it.key()) == it.value(),
                             qPrintable(what + ": row " + it.key()));
            }
            const QList<QByteArray> fileAfter = ProjectFile::serialize(design()).split('\n');
            QCOMPARE(fileAfter.size(), fileBefore.size());
            QStringList changed;
            for (int i = 0; i < fileAfter.size(); ++i) {
                if (fileAfter.at(i) != fileBefore.at(i))
                    changed << QString::fromUtf8(fileAfter.at(i).trimmed());
            }
            QVERIFY2(changed.size() == 1, qPrintable(what + ": " + changed.join(" ")));
        }
    }
}

// Up and Down in an open tick box go to the view, which moves between the rows, instead of
// sending the focus into the rest of the window.
void TestPropertyPanel::arrowsLeaveATickBoxForTheNextRow()
{
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(window->properties()->getTimerButton(0), Qt::LeftButton);
    QTreeWidgetItem *enable = treeItemOf("timerEnable");
    QTreeWidgetItem *oneTime = treeItemOf("timerOneTime");
    QVERIFY(enable && oneTime);
    userClick(QPoint(tree()->header()->sectionViewportPosition(1) + 10,
                     tree()->visualItemRect(enable).center().y()));
    QVERIFY(qobject_cast<QCheckBox *>(QApplication::focusWidget()));

    userKey(Qt::Key_Down);
    QCOMPARE(tree()->currentItem(), oneTime);
    QVERIFY(tree()->isAncestorOf(QApplication::focusWidget()));
    userKey(Qt::Key_Space);
    QCOMPARE(design().timer(0)->timerOneTime(), 1);
    userKey(Qt::Key_Up);
    QCOMPARE(tree()->currentItem(), enable);
    QVERIFY(tree()->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(design().timer(0)->timerEnable(), 1);
    QCOMPARE(design().timer(0)->timerOneTime(), 1);
}

QTEST_MAIN(TestPropertyPanel)
#include "tst_propertypanel.moc"
