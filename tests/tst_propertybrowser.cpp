#include "propertysignallog.h"
#include "qtbooledit.h"
#include "qtcoloreditwidget.h"
#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"
#include "qtgrouppropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtspinboxfactory.h"
#include "qttreepropertybrowser.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

namespace {
QTreeWidget *treeOf(QtTreePropertyBrowser *browser)
{
    return browser->findChild<QTreeWidget *>();
}

QList<QTreeWidgetItem *> rowsNamed(QtTreePropertyBrowser *browser, const QString &name)
{
    return treeOf(browser)->findItems(name, Qt::MatchExactly | Qt::MatchRecursive, 0);
}

QTreeWidgetItem *rowNamed(QtTreePropertyBrowser *browser, const QString &name)
{
    const QList<QTreeWidgetItem *> rows = rowsNamed(browser, name);
    return rows.isEmpty() ? nullptr : rows.first();
}

// One line per row, depth first: indent, name, value, spanned, expanded.
QStringList rowsOf(QTreeWidgetItem *parent, const QString &indent = QString())
{
    QStringList lines;
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem *row = parent->child(i);
        lines << QStringLiteral("%1%2|%3|%4|%5")
                     .arg(indent, row->text(0), row->text(1))
                     .arg(row->isFirstColumnSpanned() ? "span" : "")
                     .arg(row->isExpanded() ? "open" : "closed");
        lines += rowsOf(parent->child(i), indent + "  ");
    }
    return lines;
}

QStringList rowsOf(QtTreePropertyBrowser *browser)
{
    return rowsOf(treeOf(browser)->invisibleRootItem());
}

QPoint cellCentre(QtTreePropertyBrowser *browser, QTreeWidgetItem *row, int column)
{
    QTreeWidget *tree = treeOf(browser);
    const QRect rect = tree->visualItemRect(row);
    const int x =
        tree->header()->sectionViewportPosition(column) + tree->header()->sectionSize(column) / 2;
    return QPoint(x, rect.center().y());
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The editor open in the tree, or null.
QWidget *openEditor(QtTreePropertyBrowser *browser)
{
    flushDeletes();
    const QList<QWidget *> children =
        treeOf(browser)->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isVisible())
            return child;
    }
    return nullptr;
}

QWidget *clickValue(QtTreePropertyBrowser *browser, const QString &name,
                    Qt::MouseButton button = Qt::LeftButton, int column = 1)
{
    QTreeWidgetItem *row = rowNamed(browser, name);
    if (!row)
        return nullptr;
    QTest::mouseClick(treeOf(browser)->viewport(), button, {}, cellCentre(browser, row, column));
    return openEditor(browser);
}

// Counts how often a factory starts and stops serving a manager.
class CountingFactory : public QtAbstractEditorFactory<QtIntPropertyManager>
{
public:
    int connects = 0;
    int disconnects = 0;

protected:
    void connectPropertyManager(QtIntPropertyManager *) override { ++connects; }
    void disconnectPropertyManager(QtIntPropertyManager *) override { ++disconnects; }
    QWidget *createEditor(QtIntPropertyManager *, QtProperty *, QWidget *parent) override
    {
        return new QSpinBox(parent);
    }
};

// The main window's set: managers and factories as children of the browser.
struct Sheet
{
    QtTreePropertyBrowser *browser;
    QtVariantPropertyManager *roManager;
    QtVariantPropertyManager *variantManager;
    QtVariantEditorFactory *variantFactory;
    QtEnumPropertyManager *enumManager;
    QtEnumEditorFactory *enumFactory;

    Sheet()
    {
        browser = new QtTreePropertyBrowser;
        browser->resize(500, 600);
        roManager = new QtVariantPropertyManager(browser);
        variantManager = new QtVariantPropertyManager(browser);
        variantFactory = new QtVariantEditorFactory(browser);
        browser->setFactoryForManager(variantManager, variantFactory);
        enumManager = new QtEnumPropertyManager(browser);
        enumFactory = new QtEnumEditorFactory(browser);
        browser->setFactoryForManager(enumManager, enumFactory);
    }
    ~Sheet() { delete browser; }

    QtVariantProperty *add(int type, const QString &name, const QVariant &value = QVariant())
    {
        QtVariantProperty *p = variantManager->addProperty(type, name);
        if (value.isValid())
            p->setValue(value);
        browser->addProperty(p);
        return p;
    }

    void clearAll()
    {
        roManager->clear();
        variantManager->clear();
        enumManager->clear();
    }
};
} // namespace

class TestPropertyBrowser : public QObject
{
    Q_OBJECT
private slots:
    void itemTreesWithMultipleOccurrences();
    void topLevelInsertions();
    void childOfAnUnknownParentShowsWithIt();
    void clearingAManagerRemovesItsRows();
    void currentItemBothWays();
    void rowsStartExpandedInOrder();
    void rowsWithoutValueSpanBothColumns();
    void headerLabels();
    void backgroundColours();
    void registryBindings();
    void destroyedBrowserLeavesNoBinding();
    void editorPerRowType_data();
    void editorPerRowType();
    void nameCellsAndRightClicksOpenNothing();
    void keysOpenTheValueEditor();
    void spinBoxCommitsOnEnter();
    void rangeChangesReachOpenEditors();
    void twoEditorsOnOneRow();
    void editorsShowTheManagersValue();
    void checkBoxAndColourEditorsFollowTheManager();
    void clearingAllManagersInsideValueChanged_data();
    void clearingAllManagersInsideValueChanged();
    void removedRowKeepsUncommittedText();
    void suspendedLayoutShowsTheSameRows();
    void rowsRemovedWhileSuspended();
};

void TestPropertyBrowser::itemTreesWithMultipleOccurrences()
{
    QtTreePropertyBrowser browser;
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *g1 = groups.addProperty("G1");
    QtProperty *g2 = groups.addProperty("G2");
    QtProperty *k = ints.addProperty("K");
    browser.addProperty(g1);
    browser.addProperty(g2);
    g1->addSubProperty(k);
    g2->addSubProperty(k);
    QCOMPARE(browser.items(k).size(), 2);
    QCOMPARE(rowsNamed(&browser, "K").size(), 2);

    // A sub-property can also stand at the top level.
    QtBrowserItem *top = browser.addProperty(k);
    QVERIFY(top);
    QVERIFY(!top->parent());
    QCOMPARE(browser.items(k).size(), 3);

    // A parent shown twice shows its new child twice.
    QtProperty *g3 = groups.addProperty("G3");
    g1->addSubProperty(g3);
    g2->addSubProperty(g3);
    QtProperty *leaf = ints.addProperty("Leaf");
    g3->addSubProperty(leaf);
    QCOMPARE(rowsNamed(&browser, "Leaf").size(), 2);

    // Removing the top-level occurrence keeps the others.
    browser.removeProperty(k);
    QCOMPARE(rowsNamed(&browser, "K").size(), 2);

    ints.setValue(k, 8);
    for (QTreeWidgetItem *row : rowsNamed(&browser, "K"))
        QCOMPARE(row->text(1), QString("8"));

    delete leaf;
    QVERIFY(rowsNamed(&browser, "Leaf").isEmpty());
    delete k;
    QVERIFY(rowsNamed(&browser, "K").isEmpty());
    QVERIFY(browser.items(k).isEmpty());
}

void TestPropertyBrowser::topLevelInsertions()
{
    QtTreePropertyBrowser browser;
    QtIntPropertyManager ints;
    QtGroupPropertyManager groups;
    QtProperty *a = ints.addProperty("A");
    QtProperty *b = ints.addProperty("B");
    QtProperty *c = ints.addProperty("C");
    QtProperty *g = groups.addProperty("G");
    QtProperty *sub = ints.addProperty("Sub");
    g->addSubProperty(sub);

    QVERIFY(browser.addProperty(a));
    QVERIFY(!browser.addProperty(a));
    browser.addProperty(g);
    QCOMPARE(browser.properties(), QList<QtProperty *>({a, g}));

    browser.insertProperty(b, a);
    QCOMPARE(browser.properties(), QList<QtProperty *>({a, b, g}));
    QCOMPARE(treeOf(&browser)->topLevelItem(1)->text(0), QString("B"));

    // After a property that is only a sub-property: first, like the other views of it.
    browser.insertProperty(c, sub);
    QCOMPARE(browser.properties(), QList<QtProperty *>({c, a, b, g}));
    QCOMPARE(treeOf(&browser)->topLevelItem(0)->text(0), QString("C"));

    browser.removeProperty(sub);
    QCOMPARE(rowsNamed(&browser, "Sub").size(), 1);
    browser.removeProperty(nullptr);
    QVERIFY(!browser.addProperty(nullptr));
}

void TestPropertyBrowser::childOfAnUnknownParentShowsWithIt()
{
    QtTreePropertyBrowser browser;
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *parent = groups.addProperty("P");
    QtProperty *child = ints.addProperty("K");
    parent->addSubProperty(child);
    QVERIFY(rowsNamed(&browser, "K").isEmpty());
    browser.addProperty(parent);
    QTreeWidgetItem *row = rowNamed(&browser, "K");
    QVERIFY(row);
    QCOMPARE(row->parent()->text(0), QString("P"));
}

void TestPropertyBrowser::clearingAManagerRemovesItsRows()
{
    QtTreePropertyBrowser browser;
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *g = groups.addProperty("G");
    QtProperty *k = ints.addProperty("K");
    g->addSubProperty(k);
    browser.addProperty(g);
    groups.clear();
    QCOMPARE(treeOf(&browser)->topLevelItemCount(), 0);
    QVERIFY(browser.properties().isEmpty());
    browser.addProperty(k);
    QCOMPARE(treeOf(&browser)->topLevelItemCount(), 1);
    ints.clear();
    QCOMPARE(treeOf(&browser)->topLevelItemCount(), 0);
}

void TestPropertyBrowser::currentItemBothWays()
{
    QtTreePropertyBrowser browser;
    browser.resize(400, 300);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QtIntPropertyManager ints;
    QtBrowserItem *a = browser.addProperty(ints.addProperty("A"));
    QtBrowserItem *b = browser.addProperty(ints.addProperty("B"));
    QList<QtBrowserItem *> reported;
    connect(&browser, &QtAbstractPropertyBrowser::currentItemChanged,
            [&](QtBrowserItem *item) { reported << item; });

    browser.setCurrentItem(a);
    QCOMPARE(reported, QList<QtBrowserItem *>({a}));
    QCOMPARE(treeOf(&browser)->currentItem(), rowNamed(&browser, "A"));
    browser.setCurrentItem(a);
    QCOMPARE(reported.size(), 1);

    QTest::mouseClick(treeOf(&browser)->viewport(), Qt::LeftButton, {},
                      cellCentre(&browser, rowNamed(&browser, "B"), 0));
    QCOMPARE(reported, QList<QtBrowserItem *>({a, b}));
    QCOMPARE(browser.currentItem(), b);

    delete b->property();
    QCOMPARE(reported, QList<QtBrowserItem *>({a, b, nullptr}));
    QVERIFY(!browser.currentItem());
}

void TestPropertyBrowser::rowsStartExpandedInOrder()
{
    QtTreePropertyBrowser browser;
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *g = groups.addProperty("G");
    QtProperty *a = ints.addProperty("A");
    QtProperty *c = ints.addProperty("C");
    g->addSubProperty(a);
    g->addSubProperty(c);
    QtBrowserItem *item = browser.addProperty(g);
    QtProperty *b = ints.addProperty("B");
    g->insertSubProperty(b, a);
    QTreeWidgetItem *row = rowNamed(&browser, "G");
    QVERIFY(row->isExpanded());
    QCOMPARE(row->childCount(), 3);
    QCOMPARE(row->child(1)->text(0), QString("B"));
    browser.setExpanded(item, false);
    QVERIFY(!row->isExpanded());
    browser.setExpanded(nullptr, true);
}

void TestPropertyBrowser::rowsWithoutValueSpanBothColumns()
{
    Sheet sheet;
    sheet.add(QtVariantPropertyManager::groupTypeId(), "Group");
    sheet.add(QMetaType::Int, "Number", 5);
    QTreeWidgetItem *group = rowNamed(sheet.browser, "Group");
    QVERIFY(group->isFirstColumnSpanned());
    QCOMPARE(group->text(1), QString());
    QTreeWidgetItem *number = rowNamed(sheet.browser, "Number");
    QVERIFY(!number->isFirstColumnSpanned());
    QCOMPARE(number->text(1), QString("5"));
    QCOMPARE(number->toolTip(1), QString("5"));
}

void TestPropertyBrowser::headerLabels()
{
    QtTreePropertyBrowser browser;
    QTreeWidgetItem *header = treeOf(&browser)->headerItem();
    QCOMPARE(header->text(0), QString("属性"));
    QCOMPARE(header->text(1), QString("值"));
    // The header follows the interface's language.
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QCoreApplication::installTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(header->text(0), QString("Property"));
    QCOMPARE(header->text(1), QString("Value"));
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(header->text(0), QString("属性"));
    // Labels given by the owner stay.
    browser.setHeaderLabels({"Name", "Setting"});
    QCoreApplication::installTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(header->text(0), QString("Name"));
    QCOMPARE(header->text(1), QString("Setting"));
    QCOMPARE(browser.resizeMode(), QtTreePropertyBrowser::Stretch);
    browser.setResizeMode(QtTreePropertyBrowser::ResizeToContents);
    QCOMPARE(treeOf(&browser)->header()->sectionResizeMode(0), QHeaderView::ResizeToContents);
}

void TestPropertyBrowser::backgroundColours()
{
    QtTreePropertyBrowser browser;
    browser.resize(400, 300);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *g = groups.addProperty("G");
    QtProperty *inner = groups.addProperty("Inner");
    g->addSubProperty(ints.addProperty("A"));
    g->addSubProperty(ints.addProperty("B"));
    g->addSubProperty(inner);
    inner->addSubProperty(ints.addProperty("C"));
    QtBrowserItem *group = browser.addProperty(g);
    const QColor yellow(255, 255, 174);
    const QColor blue(100, 150, 250);
    browser.setBackgroundColor(group, yellow);
    browser.setBackgroundColor(group->children().at(2), blue);
    browser.setBackgroundColor(nullptr, Qt::red);

    auto colourAt = [&](const QString &name) {
        const QImage image = treeOf(&browser)->viewport()->grab().toImage();
        const QPoint p = cellCentre(&browser, rowNamed(&browser, name), 1) + QPoint(30, 0);
        return QColor(image.pixel(p)).rgb();
    };
    // Rows alternate: every second row takes the colour lightened to 112 %.
    QCOMPARE(colourAt("G"), yellow.rgb());
    QCOMPARE(colourAt("A"), yellow.lighter(112).rgb());
    QCOMPARE(colourAt("B"), yellow.rgb());
    QCOMPARE(colourAt("Inner"), blue.lighter(112).rgb());
    QCOMPARE(colourAt("C"), blue.rgb());

    browser.setBackgroundColor(group->children().at(2), QColor());
    QCOMPARE(colourAt("C"), yellow.rgb());
}

void TestPropertyBrowser::registryBindings()
{
    QtIntPropertyManager manager;
    CountingFactory first;
    CountingFactory second;
    {
        QtTreePropertyBrowser one;
        QtTreePropertyBrowser two;
        one.setFactoryForManager(&manager, &first);
        one.setFactoryForManager(&manager, &first);
        two.setFactoryForManager(&manager, &first);
        QCOMPARE(first.connects, 1);

        // A second factory replaces the first in one browser; the first stays in use.
        one.setFactoryForManager(&manager, &second);
        QCOMPARE(second.connects, 1);
        QCOMPARE(first.disconnects, 0);
        two.unsetFactoryForManager(&manager);
        QCOMPARE(first.disconnects, 1);

        QtProperty *p = manager.addProperty("P");
        one.addProperty(p);
        one.resize(300, 200);
        one.show();
        QVERIFY(QTest::qWaitForWindowExposed(&one));
        QVERIFY(clickValue(&one, "P"));
    }
    // Destroyed browsers drop their bindings.
    QCOMPARE(second.disconnects, 1);
    QtTreePropertyBrowser three;
    three.setFactoryForManager(&manager, &second);
    QCOMPARE(second.connects, 2);
}

void TestPropertyBrowser::destroyedBrowserLeavesNoBinding()
{
    auto *manager = new QtVariantPropertyManager;
    auto *factory = new QtVariantEditorFactory;
    QtVariantProperty *p = manager->addProperty(QMetaType::Int, "I");
    {
        QtTreePropertyBrowser browser;
        browser.setFactoryForManager(manager, factory);
        browser.addProperty(p);
    }
    // The dead browser follows nothing any more.
    p->setValue(3);
    p->setPropertyName("J");
    manager->clear();
    delete factory;
    // A factory deleted before its browser leaves no binding behind either.
    QtTreePropertyBrowser browser;
    auto *factory2 = new QtVariantEditorFactory;
    browser.setFactoryForManager(manager, factory2);
    delete factory2;
    browser.addProperty(manager->addProperty(QMetaType::Int, "K"));
    browser.resize(300, 200);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QVERIFY(!clickValue(&browser, "K"));
    delete manager;
    QCOMPARE(treeOf(&browser)->topLevelItemCount(), 0);
}

void TestPropertyBrowser::editorPerRowType_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("editor");
    QTest::newRow("int") << "Int"
                         << "QSpinBox";
    QTest::newRow("bool") << "Bool"
                          << "QtBoolEdit";
    QTest::newRow("string") << "Text"
                            << "QLineEdit";
    QTest::newRow("colour") << "Colour"
                            << "QtColorEditWidget";
    QTest::newRow("colour component") << "Green"
                                      << "QSpinBox";
    QTest::newRow("choice") << "Choice"
                            << "QComboBox";
    QTest::newRow("group") << "Group"
                           << "";
    QTest::newRow("read-only") << "ReadOnly"
                               << "";
}

void TestPropertyBrowser::editorPerRowType()
{
    QFETCH(QString, row);
    Sheet sheet;
    QtVariantProperty *group = sheet.add(QtVariantPropertyManager::groupTypeId(), "Group");
    group->addSubProperty(sheet.variantManager->addProperty(QMetaType::Int, "Int"));
    sheet.add(QMetaType::Bool, "Bool");
    sheet.add(QMetaType::QString, "Text", "abc");
    sheet.add(QMetaType::QColor, "Colour", QColor(255, 0, 0));
    QtProperty *choice = sheet.enumManager->addProperty("Choice");
    sheet.enumManager->setEnumNames(choice, {"one", "two"});
    sheet.browser->addProperty(choice);
    QtVariantProperty *readOnly = sheet.roManager->addProperty(QMetaType::Int, "ReadOnly");
    sheet.browser->addProperty(readOnly);
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));

    QWidget *opened = clickValue(sheet.browser, row);
    QFETCH(QString, editor);
    if (editor.isEmpty())
        QVERIFY(!opened);
    else
        QCOMPARE(QString(opened ? opened->metaObject()->className() : "none"), editor);
}

void TestPropertyBrowser::nameCellsAndRightClicksOpenNothing()
{
    Sheet sheet;
    sheet.add(QMetaType::Int, "Int", 5);
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));
    QVERIFY(!clickValue(sheet.browser, "Int", Qt::LeftButton, 0));
    QVERIFY(!clickValue(sheet.browser, "Int", Qt::RightButton, 1));
    QVERIFY(clickValue(sheet.browser, "Int", Qt::LeftButton, 1));
}

void TestPropertyBrowser::keysOpenTheValueEditor()
{
    Sheet sheet;
    QtBrowserItem *item =
        sheet.browser->addProperty(sheet.variantManager->addProperty(QMetaType::QString, "Text"));
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));
    sheet.browser->setCurrentItem(item);
    QTreeWidget *tree = treeOf(sheet.browser);
    tree->setFocus();
    QCOMPARE(tree->currentIndex().column(), 0);
    QTest::keyClick(tree, Qt::Key_Space);
    QWidget *editor = openEditor(sheet.browser);
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QCOMPARE(tree->currentIndex().column(), 1);
    // No second editor while one is open.
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(treeOf(sheet.browser)->viewport()->findChildren<QLineEdit *>().size(), 1);
}

void TestPropertyBrowser::spinBoxCommitsOnEnter()
{
    Sheet sheet;
    QtVariantProperty *p = sheet.add(QMetaType::Int, "Int", 5);
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));
    auto *box = qobject_cast<QSpinBox *>(clickValue(sheet.browser, "Int"));
    QVERIFY(box);
    QCOMPARE(box->value(), 5);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "42");
    QCOMPARE(p->value(), QVariant(5));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(p->value(), QVariant(42));
    QCOMPARE(rowNamed(sheet.browser, "Int")->text(1), QString("42"));
}

void TestPropertyBrowser::rangeChangesReachOpenEditors()
{
    QtIntPropertyManager manager;
    QtSpinBoxFactory factory;
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("P");
    manager.setRange(p, 0, 100);
    manager.setValue(p, 50);
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));
    auto *box = qobject_cast<QSpinBox *>(editor.data());
    QVERIFY(box);
    QVERIFY(!box->keyboardTracking());
    QList<int> values;
    connect(&manager, &QtIntPropertyManager::valueChanged,
            [&](QtProperty *, int v) { values << v; });
    manager.setRange(p, 60, 100);
    QCOMPARE(box->minimum(), 60);
    QCOMPARE(box->value(), 60);
    QCOMPARE(values, QList<int>({60}));
    manager.setSingleStep(p, 5);
    QCOMPARE(box->singleStep(), 5);

    // The arrows write at once.
    box->stepUp();
    QCOMPARE(manager.value(p), 65);

    // An editor of a property the factory does not serve is not made.
    QtIntPropertyManager other;
    QVERIFY(!base->createEditor(other.addProperty("Q"), nullptr));
}

void TestPropertyBrowser::twoEditorsOnOneRow()
{
    QtVariantPropertyManager manager;
    QtTreePropertyBrowser one;
    QtTreePropertyBrowser two;
    QtVariantEditorFactory factory;
    one.setFactoryForManager(&manager, &factory);
    two.setFactoryForManager(&manager, &factory);
    QtVariantProperty *p = manager.addProperty(QMetaType::Int, "Int");
    one.addProperty(p);
    two.addProperty(p);
    for (QtTreePropertyBrowser *b : {&one, &two}) {
        b->resize(300, 200);
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b));
    }
    auto *first = qobject_cast<QSpinBox *>(clickValue(&one, "Int"));
    auto *second = qobject_cast<QSpinBox *>(clickValue(&two, "Int"));
    QVERIFY(first && second);
    first->setValue(7);
    QCOMPARE(p->value(), QVariant(7));
    QCOMPARE(second->value(), 7);
    second->setValue(9);
    QCOMPARE(first->value(), 9);
    p->setValue(11);
    QCOMPARE(first->value(), 11);
    QCOMPARE(second->value(), 11);
}

void TestPropertyBrowser::editorsShowTheManagersValue()
{
    QtIntPropertyManager manager;
    QtProperty *p = manager.addProperty("P");
    // A slot further up limits the value, as the property panel does.
    connect(&manager, &QtIntPropertyManager::valueChanged, [&](QtProperty *property, int v) {
        if (v > 10)
            manager.setValue(property, 10);
    });
    QtSpinBoxFactory factory;
    factory.addPropertyManager(&manager);
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));
    QScopedPointer<QWidget> other(base->createEditor(p, nullptr));
    auto *box = qobject_cast<QSpinBox *>(editor.data());
    box->setValue(50);
    QCOMPARE(manager.value(p), 10);
    QCOMPARE(box->value(), 10);
    QCOMPARE(qobject_cast<QSpinBox *>(other.data())->value(), 10);
}

void TestPropertyBrowser::checkBoxAndColourEditorsFollowTheManager()
{
    Sheet sheet;
    QtVariantProperty *flag = sheet.add(QMetaType::Bool, "Bool");
    QtVariantProperty *colour = sheet.add(QMetaType::QColor, "Colour", QColor(1, 2, 3));
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));

    // The click that opens the tick box ticks it; a click anywhere in it toggles it again.
    auto *check = qobject_cast<QtBoolEdit *>(clickValue(sheet.browser, "Bool"));
    QVERIFY(check);
    QCOMPARE(flag->value(), QVariant(true));
    QVERIFY(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(check->width() - 5, check->height() / 2));
    QCOMPARE(flag->value(), QVariant(false));
    QTest::mouseClick(check, Qt::RightButton, {}, QPoint(check->width() - 5, check->height() / 2));
    QCOMPARE(flag->value(), QVariant(false));
    flag->setValue(true);
    QVERIFY(check->isChecked());

    auto *edit = qobject_cast<QtColorEditWidget *>(clickValue(sheet.browser, "Colour"));
    QVERIFY(edit);
    QCOMPARE(edit->value(), QColor(1, 2, 3));
    sheet.variantManager->variantProperty(colour->subProperties().at(0))->setValue(200);
    QCOMPARE(edit->value(), QColor(200, 2, 3));
}

void TestPropertyBrowser::clearingAllManagersInsideValueChanged_data()
{
    QTest::addColumn<QString>("row");
    QTest::newRow("int") << "Int";
    QTest::newRow("colour component") << "Red";
    QTest::newRow("bool") << "Bool";
    QTest::newRow("choice") << "Choice";
}

void TestPropertyBrowser::clearingAllManagersInsideValueChanged()
{
    QFETCH(QString, row);
    Sheet sheet;
    sheet.add(QMetaType::Int, "Int", 5);
    sheet.add(QMetaType::QColor, "Colour", QColor(10, 20, 30));
    sheet.add(QMetaType::Bool, "Bool");
    QtProperty *choice = sheet.enumManager->addProperty("Choice");
    sheet.enumManager->setEnumNames(choice, {"one", "two"});
    sheet.browser->addProperty(choice);
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));

    int rebuilds = 0;
    bool rebuilding = false;
    auto rebuild = [&]() {
        // The panel throws the sheet away and builds a new one.
        if (rebuilding)
            return;
        rebuilding = true;
        ++rebuilds;
        sheet.clearAll();
        sheet.add(QMetaType::Int, "Fresh", 1);
        rebuilding = false;
    };
    connect(sheet.variantManager, &QtVariantPropertyManager::valueChanged, this, rebuild);
    connect(sheet.enumManager, &QtEnumPropertyManager::valueChanged, this, rebuild);

    // The click that opens a tick box is already its edit.
    QWidget *editor = clickValue(sheet.browser, row);
    QVERIFY(editor || row == "Bool");
    if (auto *box = qobject_cast<QSpinBox *>(editor)) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "99");
        QTest::keyClick(box, Qt::Key_Return);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(1);
    }
    flushDeletes();
    QCOMPARE(rebuilds, 1);
    QCOMPARE(treeOf(sheet.browser)->topLevelItemCount(), 1);
    QVERIFY(rowNamed(sheet.browser, "Fresh"));
    QVERIFY(!openEditor(sheet.browser));
    // The new sheet edits normally.
    QVERIFY(qobject_cast<QSpinBox *>(clickValue(sheet.browser, "Fresh")));
}

void TestPropertyBrowser::removedRowKeepsUncommittedText()
{
    Sheet sheet;
    sheet.add(QMetaType::Int, "Int", 5);
    QtVariantProperty *text = sheet.add(QMetaType::QString, "Text", "old");
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));
    int reports = 0;
    connect(sheet.variantManager, &QtVariantPropertyManager::valueChanged, [&]() { ++reports; });

    auto *box = qobject_cast<QSpinBox *>(clickValue(sheet.browser, "Int"));
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "42");
    sheet.variantManager->clear();
    flushDeletes();
    QCOMPARE(reports, 0);
    QCOMPARE(treeOf(sheet.browser)->topLevelItemCount(), 0);
    Q_UNUSED(text);
}

void TestPropertyBrowser::suspendedLayoutShowsTheSameRows()
{
    // The same sheet built row by row and inside a (nested) suspension.
    auto build = [](Sheet &sheet) {
        const int group = QtVariantPropertyManager::groupTypeId();
        sheet.add(QMetaType::Int, "Id", 3);
        QtVariantProperty *outer = sheet.variantManager->addProperty(group, "Outer");
        QtVariantProperty *inner = sheet.variantManager->addProperty(group, "Inner");
        QtVariantProperty *a = sheet.variantManager->addProperty(QMetaType::Int, "A");
        a->setValue(7);
        inner->addSubProperty(a);
        outer->addSubProperty(sheet.variantManager->addProperty(QMetaType::Bool, "B"));
        outer->addSubProperty(inner);
        QtBrowserItem *outerItem = sheet.browser->addProperty(outer);
        sheet.browser->setExpanded(outerItem->children().at(1), false);
        QtVariantProperty *colour = sheet.add(QMetaType::QColor, "Colour", QColor(1, 2, 3));
        sheet.browser->setExpanded(sheet.browser->items(colour).first(), false);
        // A group going in between rows, and a row going into a shown group.
        sheet.browser->insertProperty(sheet.variantManager->addProperty(group, "Between"), outer);
        outer->insertSubProperty(sheet.variantManager->addProperty(QMetaType::QString, "T"),
                                 nullptr);
        sheet.add(group, "Last");
    };
    Sheet plain;
    plain.browser->setResizeMode(QtTreePropertyBrowser::ResizeToContents);
    plain.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(plain.browser));
    build(plain);
    const QStringList expected = rowsOf(plain.browser);
    QCOMPARE(expected.size(), 13);
    QVERIFY(expected.contains("  Inner||span|closed"));

    Sheet paused;
    paused.browser->setResizeMode(QtTreePropertyBrowser::ResizeToContents);
    paused.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(paused.browser));
    QHeaderView *header = treeOf(paused.browser)->header();
    paused.browser->suspendLayout();
    paused.browser->suspendLayout();
    build(paused);
    paused.browser->resumeLayout();
    paused.browser->resumeLayout();
    paused.browser->resumeLayout(); // one too many changes nothing
    QCOMPARE(rowsOf(paused.browser), expected);
    QCOMPARE(paused.browser->resizeMode(), QtTreePropertyBrowser::ResizeToContents);
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::ResizeToContents);
    QCOMPARE(header->sectionSize(0), treeOf(plain.browser)->header()->sectionSize(0));

    // Groups added afterwards span at once; a mode set while suspended holds on resume.
    paused.add(QtVariantPropertyManager::groupTypeId(), "After");
    QVERIFY(rowNamed(paused.browser, "After")->isFirstColumnSpanned());
    paused.browser->suspendLayout();
    paused.browser->setResizeMode(QtTreePropertyBrowser::Interactive);
    paused.browser->resumeLayout();
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::Interactive);
    paused.browser->suspendLayout();
    paused.browser->setResizeMode(QtTreePropertyBrowser::ResizeToContents);
    paused.browser->resumeLayout();
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::ResizeToContents);
}

void TestPropertyBrowser::rowsRemovedWhileSuspended()
{
    Sheet sheet;
    const int group = QtVariantPropertyManager::groupTypeId();
    QtVariantProperty *g = sheet.add(group, "G");
    g->addSubProperty(sheet.variantManager->addProperty(QMetaType::Int, "Inside"));
    QtVariantProperty *number = sheet.add(QMetaType::Int, "Number", 5);
    sheet.add(QMetaType::QColor, "Colour", QColor(9, 9, 9));
    sheet.browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.browser));
    QList<QtBrowserItem *> reported;
    connect(sheet.browser, &QtAbstractPropertyBrowser::currentItemChanged,
            [&](QtBrowserItem *item) { reported << item; });
    int reports = 0;
    connect(sheet.variantManager, &QtVariantPropertyManager::valueChanged, [&]() { ++reports; });

    // Part of the sheet goes: the rest stays as it was.
    QtBrowserItem *inside = sheet.browser->items(g).first()->children().first();
    sheet.browser->setCurrentItem(inside);
    QCOMPARE(treeOf(sheet.browser)->currentItem(), rowNamed(sheet.browser, "Inside"));
    sheet.browser->suspendLayout();
    delete g;
    QCOMPARE(reported, QList<QtBrowserItem *>({inside, nullptr}));
    QVERIFY(!sheet.browser->currentItem());
    sheet.browser->resumeLayout();
    QCOMPARE(rowsOf(sheet.browser),
             QStringList({"Number|5||open", "Colour|[9, 9, 9] (255)||open", "  Red|9||open",
                          "  Green|9||open", "  Blue|9||open", "  Alpha|255||open"}));

    // The whole sheet goes with an editor holding typed text, and a new one comes.
    auto *box = qobject_cast<QSpinBox *>(clickValue(sheet.browser, "Number"));
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "42");
    sheet.browser->suspendLayout();
    sheet.clearAll();
    QVERIFY(sheet.browser->properties().isEmpty());
    sheet.add(group, "New");
    sheet.add(QMetaType::Int, "Fresh"); // no value set: no report
    sheet.browser->resumeLayout();
    flushDeletes();
    QCOMPARE(reports, 0);
    QVERIFY(!openEditor(sheet.browser));
    QCOMPARE(rowsOf(sheet.browser), QStringList({"New||span|open", "Fresh|0||open"}));
    QVERIFY(qobject_cast<QSpinBox *>(clickValue(sheet.browser, "Fresh")));
    Q_UNUSED(number);
}

QTEST_MAIN(TestPropertyBrowser)
#include "tst_propertybrowser.moc"
