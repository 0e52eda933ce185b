#include "propertysignallog.h"
#include "qtgrouppropertymanager.h"
#include "qtintpropertymanager.h"

#include <QtTest>

namespace {
// A manager that notes when its properties are set up and dropped.
class NotingManager : public QtAbstractPropertyManager
{
public:
    QStringList *log = nullptr;
    ~NotingManager() override { clear(); }

protected:
    void initializeProperty(QtProperty *property) override
    {
        if (log)
            *log << "init " + PropertySignalLog::nameOf(property)
                    + " owned=" + (ownsProperty(property) ? "yes" : "no");
    }
    void uninitializeProperty(QtProperty *property) override
    {
        if (log)
            *log << "uninit " + PropertySignalLog::nameOf(property);
    }
};
} // namespace

class TestPropertyGraph : public QObject
{
    Q_OBJECT
private slots:
    void addPropertyWithoutNameEmitsNothing();
    void addPropertyNamesBeforeItJoinsTheManager();
    void equalTextsEmitNothing_data();
    void equalTextsEmitNothing();
    void cyclesAreRefused();
    void childAddedTwiceIsKeptOnce();
    void insertAfterAStrangerGoesFirst();
    void insertKeepsTheOrderGiven();
    void deletingAChildOfTwoParents();
    void deletingAParentKeepsItsChildren();
    void clearKeepsChildrenOfOtherManagers();
    void clearOfAnEmptyManagerEmitsNothing();
    void clearTakesParentsBeforeTheirRows();
};

void TestPropertyGraph::addPropertyWithoutNameEmitsNothing()
{
    QtGroupPropertyManager manager;
    PropertySignalLog log;
    log.watchStructure(&manager);
    QtProperty *property = manager.addProperty();
    QVERIFY(property);
    QVERIFY(log.lines.isEmpty());
    QVERIFY(property->subProperties().isEmpty());
    QCOMPARE(property->propertyManager(), static_cast<QtAbstractPropertyManager *>(&manager));
}

void TestPropertyGraph::addPropertyNamesBeforeItJoinsTheManager()
{
    QStringList lines;
    NotingManager manager;
    manager.log = &lines;
    QObject::connect(&manager, &QtAbstractPropertyManager::propertyChanged, [&](QtProperty *p) {
        lines << "changed " + p->propertyName()
                + " owned=" + (manager.ownsProperty(p) ? "yes" : "no");
    });
    manager.addProperty("Width");
    QCOMPARE(lines, QStringList({"changed Width owned=no", "init Width owned=yes"}));
}

void TestPropertyGraph::equalTextsEmitNothing_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("name") << 0;
    QTest::newRow("value tool tip") << 1;
    QTest::newRow("status tip") << 2;
    QTest::newRow("what's this") << 3;
}

void TestPropertyGraph::equalTextsEmitNothing()
{
    QFETCH(int, which);
    QtGroupPropertyManager manager;
    QtProperty *property = manager.addProperty("P");
    PropertySignalLog log;
    log.watchStructure(&manager);
    auto set = [&](const QString &text) {
        switch (which) {
        case 0:
            property->setPropertyName(text);
            break;
        case 1:
            property->setValueToolTip(text);
            break;
        case 2:
            property->setStatusTip(text);
            break;
        default:
            property->setWhatsThis(text);
            break;
        }
    };
    set("text");
    QCOMPARE(log.lines.size(), 1);
    set("text");
    QCOMPARE(log.lines.size(), 1);
}

void TestPropertyGraph::cyclesAreRefused()
{
    QtGroupPropertyManager manager;
    QtProperty *a = manager.addProperty("A");
    QtProperty *b = manager.addProperty("B");
    QtProperty *c = manager.addProperty("C");
    a->addSubProperty(b);
    b->addSubProperty(c);
    PropertySignalLog log;
    log.watchStructure(&manager);

    c->addSubProperty(a); // A is above C
    b->addSubProperty(a);
    a->addSubProperty(a);
    a->insertSubProperty(nullptr, nullptr);
    QVERIFY(log.lines.isEmpty());
    QVERIFY(c->subProperties().isEmpty());
    QCOMPARE(a->subProperties(), QList<QtProperty *>({b}));
}

void TestPropertyGraph::childAddedTwiceIsKeptOnce()
{
    QtGroupPropertyManager manager;
    QtProperty *parent = manager.addProperty("P");
    QtProperty *child = manager.addProperty("K");
    PropertySignalLog log;
    log.watchStructure(&manager);
    parent->addSubProperty(child);
    parent->addSubProperty(child);
    parent->insertSubProperty(child, nullptr);
    QCOMPARE(parent->subProperties(), QList<QtProperty *>({child}));
    QCOMPARE(log.lines, QStringList({"inserted K P -"}));
}

void TestPropertyGraph::insertAfterAStrangerGoesFirst()
{
    QtGroupPropertyManager manager;
    QtProperty *parent = manager.addProperty("P");
    QtProperty *first = manager.addProperty("First");
    QtProperty *stranger = manager.addProperty("Stranger");
    QtProperty *child = manager.addProperty("K");
    parent->addSubProperty(first);
    PropertySignalLog log;
    log.watchStructure(&manager);
    parent->insertSubProperty(child, stranger);
    QCOMPARE(parent->subProperties(), QList<QtProperty *>({child, first}));
    QCOMPARE(log.lines, QStringList({"inserted K P -"}));
}

void TestPropertyGraph::insertKeepsTheOrderGiven()
{
    QtGroupPropertyManager manager;
    QtProperty *parent = manager.addProperty("P");
    QtProperty *a = manager.addProperty("A");
    QtProperty *b = manager.addProperty("B");
    QtProperty *c = manager.addProperty("C");
    PropertySignalLog log;
    log.watchStructure(&manager);
    parent->addSubProperty(a);
    parent->addSubProperty(c);
    parent->insertSubProperty(b, a);
    QCOMPARE(parent->subProperties(), QList<QtProperty *>({a, b, c}));
    QCOMPARE(log.lines, QStringList({"inserted A P -", "inserted C P A", "inserted B P A"}));
}

void TestPropertyGraph::deletingAChildOfTwoParents()
{
    QtGroupPropertyManager first;
    QtGroupPropertyManager second;
    QtIntPropertyManager owner;
    QtProperty *p1 = first.addProperty("P1");
    QtProperty *p2 = second.addProperty("P2");
    QtProperty *child = owner.addProperty("K");
    p1->addSubProperty(child);
    p2->addSubProperty(child);

    PropertySignalLog log;
    log.watchStructure(&first, "1:");
    log.watchStructure(&second, "2:");
    log.watchStructure(&owner, "o:");
    delete child;
    QStringList lines = log.take();
    QCOMPARE(lines.size(), 3);
    // The order of the parents is not fixed, the destruction comes last.
    QVERIFY(lines.mid(0, 2).contains("1:removed K P1"));
    QVERIFY(lines.mid(0, 2).contains("2:removed K P2"));
    QCOMPARE(lines.at(2), QString("o:destroyed K"));
    QVERIFY(p1->subProperties().isEmpty());
    QVERIFY(p2->subProperties().isEmpty());
    QVERIFY(!owner.ownsProperty(child));
}

void TestPropertyGraph::deletingAParentKeepsItsChildren()
{
    QtGroupPropertyManager manager;
    QtProperty *p1 = manager.addProperty("P1");
    QtProperty *p2 = manager.addProperty("P2");
    QtProperty *child = manager.addProperty("K");
    p1->addSubProperty(child);
    p2->addSubProperty(child);
    delete p1;
    QVERIFY(manager.ownsProperty(child));
    // P2 can still lose the child: its parent set no longer holds the deleted P1.
    PropertySignalLog log;
    log.watchStructure(&manager);
    delete child;
    QCOMPARE(log.lines, QStringList({"removed K P2", "destroyed K"}));
}

void TestPropertyGraph::clearKeepsChildrenOfOtherManagers()
{
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *group = groups.addProperty("G");
    QtProperty *value = ints.addProperty("V");
    group->addSubProperty(value);
    groups.clear();
    QVERIFY(ints.ownsProperty(value));
    ints.setValue(value, 4);
    QCOMPARE(ints.value(value), 4);
}

void TestPropertyGraph::clearOfAnEmptyManagerEmitsNothing()
{
    QtGroupPropertyManager manager;
    PropertySignalLog log;
    log.watchStructure(&manager);
    manager.clear();
    QVERIFY(log.lines.isEmpty());
}

// A parent lets go of all its rows at once; rows that went first would each search their
// parent's list, the square of a long list in all.
void TestPropertyGraph::clearTakesParentsBeforeTheirRows()
{
    QtGroupPropertyManager manager;
    QtProperty *top = manager.addProperty("top");
    for (int i = 0; i < 200; ++i) {
        QtProperty *child = manager.addProperty(QString::number(i));
        child->addSubProperty(manager.addProperty(QString::number(i) + "a"));
        child->addSubProperty(manager.addProperty(QString::number(i) + "b"));
        top->addSubProperty(child);
    }
    QSet<QtProperty *> gone;
    int removedFromParent = 0;
    bool parentFirst = true;
    connect(&manager, &QtAbstractPropertyManager::propertyRemoved, this,
            [&removedFromParent]() { ++removedFromParent; });
    connect(&manager, &QtAbstractPropertyManager::propertyDestroyed, this,
            [&](QtProperty *property) {
                if (property != top && !gone.contains(top))
                    parentFirst = false;
                gone.insert(property);
            });
    manager.clear();
    QCOMPARE(gone.size(), 601);
    QVERIFY(parentFirst);
    QCOMPARE(removedFromParent, 0);
}

QTEST_MAIN(TestPropertyGraph)
#include "tst_propertygraph.moc"
