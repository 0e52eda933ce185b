#include "propertysignallog.h"
#include "qtboolpropertymanager.h"
#include "qtcolorpropertymanager.h"
#include "qtdoublepropertymanager.h"
#include "qtenumpropertymanager.h"
#include "qtgrouppropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtpropertybrowserutils.h"
#include "qtstringpropertymanager.h"

#include <QtTest>

class TestTypedManagers : public QObject
{
    Q_OBJECT
private slots:
    void newIntProperty();
    void intSetValueClampsAndOrders();
    void intBorders_data();
    void intBorders();
    void intSingleStepNeverNegative();
    void doubleTextsAndDecimals();
    void boolValueAndText();
    void stringPattern();
    void foreignPropertiesGiveFallbacks();
    void enumNamesAndIndex();
    void enumRefusesIndicesOutside_data();
    void enumRefusesIndicesOutside();
    void enumIconsAlwaysEmit();
    void groupHasNoValue();
    void newColourHasFourComponentRows();
    void colourSetValueOrder();
    void colourComponentEditChangesTheColour();
    void colourComponentDeletedFromOutside();
    void colourTexts();
    void fontTextKeepsTheFamilyAsItIs();
    void brushPicture();
};

void TestTypedManagers::newIntProperty()
{
    QtIntPropertyManager manager;
    QtProperty *p = manager.addProperty("I");
    QCOMPARE(manager.value(p), 0);
    QCOMPARE(manager.minimum(p), -2147483647);
    QCOMPARE(manager.maximum(p), 2147483647);
    QCOMPARE(manager.singleStep(p), 1);
    QCOMPARE(p->valueText(), QString("0"));
    manager.setValue(p, -12);
    QCOMPARE(p->valueText(), QString("-12"));
}

void TestTypedManagers::intSetValueClampsAndOrders()
{
    QtIntPropertyManager manager;
    QtProperty *p = manager.addProperty("I");
    manager.setRange(p, 0, 3);
    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchValue(&manager, &QtIntPropertyManager::valueChanged);
    manager.setValue(p, 5);
    QCOMPARE(manager.value(p), 3);
    QCOMPARE(log.take(), QStringList({"changed I", "value I 3"}));
    manager.setValue(p, 7);
    QVERIFY(log.lines.isEmpty());
}

void TestTypedManagers::intBorders_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("signals");
    QTest::newRow("minimum above the value")
        << 5 << "min" << 10 << 0 << 10 << 2147483647 << 10
        << QStringList({"range 10 2147483647", "changed I", "value I 10"});
    QTest::newRow("maximum above the value") << 0 << "max" << 100 << 0 << -2147483647 << 100 << 0
                                             << QStringList({"range -2147483647 100"});
    QTest::newRow("swapped range") << 0 << "range" << 9 << 3 << 3 << 9 << 3
                                   << QStringList({"range 3 9", "changed I", "value I 3"});
}

void TestTypedManagers::intBorders()
{
    QFETCH(int, start);
    QFETCH(QString, call);
    QFETCH(int, a);
    QFETCH(int, b);
    QtIntPropertyManager manager;
    QtProperty *p = manager.addProperty("I");
    manager.setValue(p, start);
    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchValue(&manager, &QtIntPropertyManager::valueChanged);
    connect(&manager, &QtIntPropertyManager::rangeChanged, &log,
            [&](QtProperty *, int min, int max) {
                log.lines << QString("range %1 %2").arg(min).arg(max);
            });
    if (call == "min")
        manager.setMinimum(p, a);
    else if (call == "max")
        manager.setMaximum(p, a);
    else
        manager.setRange(p, a, b);
    QTEST(manager.minimum(p), "minimum");
    QTEST(manager.maximum(p), "maximum");
    QTEST(manager.value(p), "value");
    QTEST(log.take(), "signals");

    // The same borders again change nothing.
    if (call == "range")
        manager.setRange(p, b, a);
    else if (call == "min")
        manager.setMinimum(p, a);
    else
        manager.setMaximum(p, a);
    QVERIFY(log.lines.isEmpty());
}

void TestTypedManagers::intSingleStepNeverNegative()
{
    QtIntPropertyManager manager;
    QtProperty *p = manager.addProperty("I");
    manager.setValue(p, 50);
    manager.setMaximum(p, 20);
    QCOMPARE(manager.minimum(p), -2147483647);
    QCOMPARE(manager.value(p), 20);
    manager.setMinimum(p, 0);
    manager.setMaximum(p, -5);
    QCOMPARE(manager.minimum(p), -5);
    QCOMPARE(manager.value(p), -5);

    QList<int> steps;
    connect(&manager, &QtIntPropertyManager::singleStepChanged,
            [&](QtProperty *, int s) { steps << s; });
    manager.setSingleStep(p, -4);
    manager.setSingleStep(p, -1);
    QCOMPARE(manager.singleStep(p), 0);
    QCOMPARE(steps, QList<int>({0}));
}

void TestTypedManagers::doubleTextsAndDecimals()
{
    QtDoublePropertyManager manager;
    QtProperty *p = manager.addProperty("D");
    QCOMPARE(p->valueText(), QString("0.00"));
    manager.setValue(p, 1.5);
    QCOMPARE(p->valueText(), QString("1.50"));
    manager.setDecimals(p, 20);
    QCOMPARE(manager.decimals(p), 13);
    manager.setDecimals(p, -1);
    QCOMPARE(manager.decimals(p), 0);
    manager.setValue(p, 2.0);
    QCOMPARE(p->valueText(), QString("2"));
    QCOMPARE(manager.minimum(p), -1.7976931348623157e308);
}

void TestTypedManagers::boolValueAndText()
{
    QtBoolPropertyManager manager;
    QtProperty *p = manager.addProperty("B");
    QCOMPARE(p->valueText(), QString("False"));
    QVERIFY(!p->valueIcon().isNull());
    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchValue(&manager, &QtBoolPropertyManager::valueChanged);
    manager.setValue(p, false);
    QVERIFY(log.lines.isEmpty());
    manager.setValue(p, true);
    QCOMPARE(log.take(), QStringList({"changed B", "value B true"}));
    QCOMPARE(p->valueText(), QString("True"));
}

void TestTypedManagers::stringPattern()
{
    QtStringPropertyManager manager;
    QtProperty *p = manager.addProperty("S");
    manager.setValue(p, "any text");
    manager.setValue(p, "");
    QCOMPARE(manager.value(p), QString());

    manager.setValue(p, "12");
    manager.setRegExp(p, QRegExp("[0-9]*"));
    PropertySignalLog log;
    log.watchStructure(&manager);
    manager.setValue(p, "1a");
    QCOMPARE(manager.value(p), QString("12"));
    QVERIFY(log.lines.isEmpty());
    manager.setValue(p, "345");
    QCOMPARE(p->valueText(), QString("345"));

    manager.setRegExp(p, QRegExp("[0-9"));
    manager.setValue(p, "text");
    QCOMPARE(manager.value(p), QString("text"));
}

void TestTypedManagers::foreignPropertiesGiveFallbacks()
{
    QtIntPropertyManager ints;
    QtStringPropertyManager strings;
    QtEnumPropertyManager enums;
    QtColorPropertyManager colours;
    QtProperty *foreign = ints.addProperty("I");
    QCOMPARE(strings.value(foreign), QString());
    QCOMPARE(strings.regExp(foreign), QRegExp());
    QCOMPARE(enums.value(foreign), -1);
    QVERIFY(!colours.value(foreign).isValid());
    QtIntPropertyManager other;
    QCOMPARE(other.minimum(foreign), 0);
    QCOMPARE(other.maximum(foreign), 0);
    other.setValue(foreign, 5);
    QCOMPARE(ints.value(foreign), 0);
}

void TestTypedManagers::enumNamesAndIndex()
{
    QtEnumPropertyManager manager;
    QtProperty *p = manager.addProperty("E");
    QCOMPARE(manager.value(p), -1);
    QCOMPARE(p->valueText(), QString());
    manager.setValue(p, 0);
    QCOMPARE(manager.value(p), -1);

    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchValue(&manager, &QtEnumPropertyManager::valueChanged);
    connect(&manager, &QtEnumPropertyManager::enumNamesChanged, &log,
            [&](QtProperty *, const QStringList &names) { log.lines << "names " + names.join(','); });

    manager.setEnumNames(p, {"a", "b", "c"});
    QCOMPARE(log.take(), QStringList({"names a,b,c", "changed E", "value E 0"}));
    QCOMPARE(p->valueText(), QString("a"));

    manager.setValue(p, 2);
    QCOMPARE(log.take(), QStringList({"changed E", "value E 2"}));
    manager.setEnumNames(p, {"a", "b", "c"});
    QVERIFY(log.lines.isEmpty());
    QCOMPARE(manager.value(p), 2);

    // New names arrive with the index 0 before the sheet sets the real index.
    manager.setEnumNames(p, {"v", "w", "x", "y", "z"});
    QCOMPARE(log.take(), QStringList({"names v,w,x,y,z", "changed E", "value E 0"}));
    manager.setValue(p, 2);
    QCOMPARE(log.take(), QStringList({"changed E", "value E 2"}));

    manager.setEnumNames(p, {});
    QCOMPARE(log.take(), QStringList({"names ", "changed E", "value E -1"}));
}

void TestTypedManagers::enumRefusesIndicesOutside_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("number of names") << 3;
    QTest::newRow("far beyond") << 100;
}

void TestTypedManagers::enumRefusesIndicesOutside()
{
    QFETCH(int, index);
    QtEnumPropertyManager manager;
    QtProperty *p = manager.addProperty("E");
    manager.setEnumNames(p, {"a", "b", "c"});
    manager.setValue(p, 1);
    PropertySignalLog log;
    log.watchStructure(&manager);
    manager.setValue(p, index);
    QCOMPARE(manager.value(p), 1);
    QVERIFY(log.lines.isEmpty());
}

void TestTypedManagers::enumIconsAlwaysEmit()
{
    QtEnumPropertyManager manager;
    QtProperty *p = manager.addProperty("E");
    manager.setEnumNames(p, {"a", "b"});
    QPixmap pixmap(4, 4);
    pixmap.fill(Qt::red);
    const QMap<int, QIcon> icons{{0, QIcon(pixmap)}};
    PropertySignalLog log;
    log.watchStructure(&manager);
    connect(&manager, &QtEnumPropertyManager::enumIconsChanged, &log,
            [&](QtProperty *, const QMap<int, QIcon> &) { log.lines << "icons"; });
    manager.setEnumIcons(p, icons);
    manager.setEnumIcons(p, icons);
    QCOMPARE(log.take(), QStringList({"icons", "changed E", "icons", "changed E"}));
    QVERIFY(!p->valueIcon().isNull());
    manager.setValue(p, 1);
    QVERIFY(p->valueIcon().isNull());
}

void TestTypedManagers::groupHasNoValue()
{
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtProperty *g = groups.addProperty("G");
    QVERIFY(!g->hasValue());
    QCOMPARE(g->valueText(), QString());
    QVERIFY(g->valueIcon().isNull());
    QtProperty *child = ints.addProperty("I");
    g->addSubProperty(child);
    QCOMPARE(g->subProperties(), QList<QtProperty *>({child}));
}

void TestTypedManagers::newColourHasFourComponentRows()
{
    QtColorPropertyManager manager;
    QtProperty *p = manager.addProperty("C");
    QVERIFY(!manager.value(p).isValid());
    const QList<QtProperty *> subs = p->subProperties();
    QCOMPARE(subs.size(), 4);
    QtIntPropertyManager *ints = manager.subIntPropertyManager();
    const QStringList names{"Red", "Green", "Blue", "Alpha"};
    const QList<int> values{0, 0, 0, 255};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(subs.at(i)->propertyName(), names.at(i));
        QCOMPARE(ints->value(subs.at(i)), values.at(i));
        QCOMPARE(ints->minimum(subs.at(i)), 0);
        QCOMPARE(ints->maximum(subs.at(i)), 255);
    }
}

void TestTypedManagers::colourSetValueOrder()
{
    QtColorPropertyManager manager;
    QtProperty *p = manager.addProperty("C");
    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchStructure(manager.subIntPropertyManager(), "int ");
    log.watchValue(manager.subIntPropertyManager(), &QtIntPropertyManager::valueChanged, "int ");
    connect(&manager, &QtColorPropertyManager::valueChanged, &log,
            [&](QtProperty *, const QColor &c) {
                log.lines << "value C " + QtPropertyBrowserUtils::colorValueText(c);
            });
    manager.setValue(p, QColor(255, 0, 0));
    QCOMPARE(log.take(), QStringList({"int changed Red", "int value Red 255", "changed C",
                                      "value C [255, 0, 0] (255)"}));
    manager.setValue(p, QColor(255, 0, 0));
    QVERIFY(log.lines.isEmpty());
}

void TestTypedManagers::colourComponentEditChangesTheColour()
{
    QtColorPropertyManager manager;
    QtProperty *p = manager.addProperty("C");
    manager.setValue(p, QColor(255, 0, 0));
    PropertySignalLog log;
    log.watchStructure(&manager);
    QtProperty *green = p->subProperties().at(1);
    manager.subIntPropertyManager()->setValue(green, 128);
    QCOMPARE(manager.value(p), QColor(255, 128, 0, 255));
    QCOMPARE(log.take(), QStringList({"changed C"}));

    // An invalid colour becomes a valid one when a component is edited.
    QtProperty *fresh = manager.addProperty("F");
    manager.subIntPropertyManager()->setValue(fresh->subProperties().at(2), 9);
    QCOMPARE(manager.value(fresh), QColor(0, 0, 9, 255));
}

void TestTypedManagers::colourComponentDeletedFromOutside()
{
    QtColorPropertyManager manager;
    QtProperty *p = manager.addProperty("C");
    delete p->subProperties().at(0);
    QCOMPARE(p->subProperties().size(), 3);
    manager.setValue(p, QColor(10, 20, 30));
    QCOMPARE(manager.subIntPropertyManager()->value(p->subProperties().at(0)), 20);
    delete p; // skips the component that is gone
    QVERIFY(!manager.ownsProperty(p));
}

// A family name is text, never a pattern for the size that follows it.
void TestTypedManagers::fontTextKeepsTheFamilyAsItIs()
{
    QFont font;
    font.setFamily("A%1B%2");
    font.setPointSize(12);
    QCOMPARE(QtPropertyBrowserUtils::fontValueText(font), QString("[A%1B%2, 12]"));
}

void TestTypedManagers::colourTexts()
{
    QCOMPARE(QtPropertyBrowserUtils::colorValueText(QColor(255, 0, 0)),
             QString("[255, 0, 0] (255)"));
    QCOMPARE(QtPropertyBrowserUtils::colorValueText(QColor(1, 2, 3, 0)), QString("[1, 2, 3] (0)"));
    QtColorPropertyManager manager;
    QtProperty *p = manager.addProperty("C");
    manager.setValue(p, QColor(255, 0, 0));
    QCOMPARE(p->valueText(), QString("[255, 0, 0] (255)"));
    QVERIFY(!p->valueIcon().isNull());
}

void TestTypedManagers::brushPicture()
{
    const QImage solid
        = QtPropertyBrowserUtils::brushValuePixmap(QBrush(QColor(0, 0, 255))).toImage();
    QCOMPARE(solid.size(), QSize(16, 16));
    QCOMPARE(QColor(solid.pixel(0, 0)), QColor(0, 0, 255));
    QCOMPARE(QColor(solid.pixel(8, 8)), QColor(0, 0, 255));

    const QImage translucent
        = QtPropertyBrowserUtils::brushValuePixmap(QBrush(QColor(0, 0, 255, 128))).toImage();
    QCOMPARE(qAlpha(translucent.pixel(0, 0)), 128);
    QCOMPARE(qAlpha(translucent.pixel(4, 4)), 255);
    QCOMPARE(qAlpha(translucent.pixel(11, 11)), 255);
    QCOMPARE(qAlpha(translucent.pixel(12, 12)), 128);
}

QTEST_MAIN(TestTypedManagers)
#include "tst_typedmanagers.moc"
