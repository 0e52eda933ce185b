#include "designtestutil.h"
#include "eventinfo.h"
#include "mainwindow.h"
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
#include "timerparam.h"

#include <QAbstractSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

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
        return window->getPropertyToKey().key(key, nullptr);
    }
    QVariant shown(const QString &key) const;
    QStringList dump() const;
    void dumpItem(QtBrowserItem *item, int depth, QStringList *lines) const;
    QMyWidget *drop(int typeCode);
    void fillDistinct(QMyWidget *w);
    static QStringList snapshot(const QMyWidget *w);
    static EventInfo event(int owner, int type, int function);

    QTemporaryDir dir;
    MainWindow *window = nullptr;
};

void TestPropertyPanel::initTestCase()
{
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
}

void TestPropertyPanel::init()
{
    currentProjectPath.clear();
    fontIdList.clear();
    imagePaths.clear();
    window = new MainWindow;
    window->resize(1200, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->getScreenSizeDlg()->setResolutionText("800*480(WVGA1)");
    static int n = 0;
    window->createProject(dir.filePath(QString("p%1.yBEX").arg(++n)));
    QCOMPARE(pageWidgets.size(), 1);
    frame()->grab();
}

void TestPropertyPanel::cleanup()
{
    window->clearAllPages();
    window->getQuestionBox()->hide();
    delete window;
    fontIdList.clear();
    imagePaths.clear();
}

QMyWidget *TestPropertyPanel::drop(int typeCode)
{
    if (!dropTypeName(frame(), widgetTypeNames.at(typeCode), QPoint(20, 30)))
        return nullptr;
    return pageWidgets.at(currentPageIndex)->last();
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
        for (const QString &color : SheetRules::colorsOfOpacity(key)) {
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
    const QString key = window->getPropertyToKey().value(p, "-");
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
    fontIdList = QStringList {"3", "7"};
    PageParam *page = pageRecords.at(0);
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
        frame()->setScreenType(1);
        window->slotRecvParent();
        QCOMPARE(page->pageHelpLineType(), 2);
        QCOMPARE(frame()->getScreenType(), 1);
    } else if (name == "timer" || name == "sleeptimer") {
        const int index = name == "timer" ? 3 : 8;
        TimerParam *timer = window->getTimerParam(index);
        timer->setTimerEnable(1);
        timer->setTimerOneTime(1);
        timer->setTimerTime(1500);
        timer->setTimerVal(153);
        timer->appendEvent(event(index == 8 ? -3 : -2, 0, 2));
        QTest::mouseClick(window->getTimerButton(index), Qt::LeftButton);
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
        window->slotRecvWnd(w);
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

QTEST_MAIN(TestPropertyPanel)
#include "tst_propertypanel.moc"
