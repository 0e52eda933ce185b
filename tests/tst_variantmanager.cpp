#include "propertysignallog.h"
#include "qtcolorpropertymanager.h"
#include "qtenumpropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtvariantpropertymanager.h"

#include <QCursor>
#include <QKeySequence>
#include <QSizePolicy>
#include <QtTest>
#include <limits>

namespace {
// Logs the variant manager's value reports as "value <name> <value>".
void watchVariant(PropertySignalLog *log, QtVariantPropertyManager *manager)
{
    QObject::connect(
        manager, &QtVariantPropertyManager::valueChanged, log,
        [log](QtProperty *p, const QVariant &v) {
            QString text = v.toString();
            if (v.userType() == QMetaType::QColor) {
                const QColor c = v.value<QColor>();
                text =
                    QString("%1,%2,%3,%4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
            }
            log->lines << "value " + PropertySignalLog::nameOf(p) + " " + text;
        });
}
} // namespace

class TestVariantManager : public QObject
{
    Q_OBJECT
private slots:
    void unsupportedTypesMakeNothing();
    void newRows_data();
    void newRows();
    void newColourRow();
    void groupRowHasNoValue();
    void conversions_data();
    void conversions();
    void valueBeforeDisplayChange();
    void componentEditReportsColourFirst();
    void colourSetReportsComponentsFirst();
    void deletingAColourRowDeletesItsComponents();
    void clearWithRowsOfOtherManagers();
    void clearInsideValueChanged();
    void clearInsideComponentValueChanged();
    void foreignProperties();
    void everySupportedType_data();
    void everySupportedType();
    void componentRowsOfCompounds();
    void charsFromNumbers_data();
    void charsFromNumbers();
    void rectRowRefusesWhatItCannotHold();
};

void TestVariantManager::unsupportedTypesMakeNothing()
{
    QtVariantPropertyManager manager;
    QVERIFY(!manager.addProperty(3, "x"));
    QVERIFY(!manager.addProperty("plain"));
    QtAbstractPropertyManager *base = &manager;
    QVERIFY(!base->addProperty("plain"));
    QVERIFY(!manager.isPropertyTypeSupported(3));
    QVERIFY(manager.isPropertyTypeSupported(QtVariantPropertyManager::groupTypeId()));
    QCOMPARE(manager.valueType(QtVariantPropertyManager::enumTypeId()), int(QMetaType::Int));
    QCOMPARE(manager.valueType(QtVariantPropertyManager::groupTypeId()), 0);
    QCOMPARE(QMetaType::type("QtGroupPropertyType"), QtVariantPropertyManager::groupTypeId());
    QCOMPARE(QMetaType::type("QtEnumPropertyType"), QtVariantPropertyManager::enumTypeId());
}

void TestVariantManager::newRows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("int") << int(QMetaType::Int) << QVariant(0) << "0";
    QTest::newRow("bool") << int(QMetaType::Bool) << QVariant(false) << "False";
    QTest::newRow("string") << int(QMetaType::QString) << QVariant(QString()) << "";
    QTest::newRow("double") << int(QMetaType::Double) << QVariant(0.0) << "0.00";
}

void TestVariantManager::newRows()
{
    QFETCH(int, type);
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(type, "Row");
    QVERIFY(p);
    QCOMPARE(p->propertyName(), QString("Row"));
    QCOMPARE(p->propertyType(), type);
    QCOMPARE(p->valueType(), type);
    QTEST(p->value(), "value");
    QTEST(p->valueText(), "text");
    QVERIFY(p->subProperties().isEmpty());
}

void TestVariantManager::newColourRow()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "Colour");
    QCOMPARE(colour->value().userType(), int(QMetaType::QColor));
    QVERIFY(!colour->value().value<QColor>().isValid());
    const QList<QtProperty *> subs = colour->subProperties();
    QCOMPARE(subs.size(), 4);
    const QStringList names {"Red", "Green", "Blue", "Alpha"};
    const QList<int> values {0, 0, 0, 255};
    for (int i = 0; i < 4; ++i) {
        QtVariantProperty *sub = manager.variantProperty(subs.at(i));
        QVERIFY(sub);
        QCOMPARE(sub->propertyName(), names.at(i));
        QCOMPARE(sub->propertyType(), int(QMetaType::Int));
        QCOMPARE(sub->value(), QVariant(values.at(i)));
        QVERIFY(sub->subProperties().isEmpty());
    }
}

void TestVariantManager::groupRowHasNoValue()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *group = manager.addProperty(QtVariantPropertyManager::groupTypeId(), "G");
    PropertySignalLog log;
    watchVariant(&log, &manager);
    group->setValue(5);
    QVERIFY(log.lines.isEmpty());
    QVERIFY(!group->hasValue());
    QCOMPARE(group->valueText(), QString());
    QVERIFY(!group->value().isValid());
}

void TestVariantManager::conversions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariant>("after");
    const int intType = QMetaType::Int;
    QTest::newRow("int from text") << intType << QVariant(7) << QVariant("12") << QVariant(12);
    // A text that is no number is refused; the row keeps its value instead of taking 0.
    QTest::newRow("int from letters") << intType << QVariant(7) << QVariant("abc") << QVariant(7);
    QTest::newRow("int from colour")
        << intType << QVariant(7) << QVariant(QColor(Qt::red)) << QVariant(7);
    QTest::newRow("int from double") << intType << QVariant(7) << QVariant(2.6) << QVariant(3);
    QTest::newRow("int from invalid") << intType << QVariant(7) << QVariant() << QVariant(7);
    QTest::newRow("bool from int")
        << int(QMetaType::Bool) << QVariant(false) << QVariant(2) << QVariant(true);
    QTest::newRow("string from int")
        << int(QMetaType::QString) << QVariant("x") << QVariant(5) << QVariant("5");
    QTest::newRow("colour from name") << int(QMetaType::QColor) << QVariant(QColor(1, 2, 3))
                                      << QVariant("#ff0000") << QVariant(QColor(255, 0, 0));
    QTest::newRow("colour from bad name") << int(QMetaType::QColor) << QVariant(QColor(1, 2, 3))
                                          << QVariant("no colour") << QVariant(QColor(1, 2, 3));
}

void TestVariantManager::conversions()
{
    QFETCH(int, type);
    QFETCH(QVariant, before);
    QFETCH(QVariant, input);
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(type, "Row");
    p->setValue(before);
    QCOMPARE(p->value(), before);
    p->setValue(input);
    QTEST(p->value(), "after");
}

void TestVariantManager::valueBeforeDisplayChange()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(QMetaType::Int, "I");
    PropertySignalLog log;
    log.watchStructure(&manager);
    watchVariant(&log, &manager);
    p->setValue(0);
    QVERIFY(log.lines.isEmpty());
    p->setValue(4);
    QCOMPARE(log.take(), QStringList({"value I 4", "changed I"}));
}

void TestVariantManager::componentEditReportsColourFirst()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "C");
    colour->setValue(QColor(255, 0, 0));
    PropertySignalLog log;
    watchVariant(&log, &manager);
    manager.variantProperty(colour->subProperties().at(1))->setValue(128);
    QCOMPARE(log.take(), QStringList({"value C 255,128,0,255", "value Green 128"}));
}

void TestVariantManager::colourSetReportsComponentsFirst()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "C");
    PropertySignalLog log;
    watchVariant(&log, &manager);
    colour->setValue(QColor(10, 0, 20, 255));
    QCOMPARE(log.take(), QStringList({"value Red 10", "value Blue 20", "value C 10,0,20,255"}));
}

void TestVariantManager::deletingAColourRowDeletesItsComponents()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "C");
    const QList<QtProperty *> subs = colour->subProperties();
    PropertySignalLog log;
    log.watchStructure(&manager);
    delete colour;
    for (QtProperty *sub : subs)
        QVERIFY(!manager.ownsProperty(sub));
    QCOMPARE(log.lines.filter("destroyed").size(), 5);
    QCOMPARE(log.lines.filter("removed").size(), 4);
    QVERIFY(!QtVariantPropertyManager::wrappedProperty(colour));
}

void TestVariantManager::clearWithRowsOfOtherManagers()
{
    QtVariantPropertyManager variants;
    QtEnumPropertyManager enums;
    QtVariantProperty *group = variants.addProperty(QtVariantPropertyManager::groupTypeId(), "G");
    QtVariantProperty *colour = variants.addProperty(QMetaType::QColor, "C");
    QtProperty *choice = enums.addProperty("E");
    group->addSubProperty(colour);
    group->addSubProperty(choice);
    colour->addSubProperty(choice); // a foreign child beside the component rows
    QList<QtProperty *> all {group, colour};
    all += colour->subProperties();

    variants.clear();
    QVERIFY(enums.ownsProperty(choice));
    QVERIFY(!QtVariantPropertyManager::wrappedProperty(colour));
    for (QtProperty *p : qAsConst(all)) {
        QVERIFY(!variants.ownsProperty(p));
        QCOMPARE(variants.propertyType(p), 0);
    }

    // Clearing the other manager first leaves the variant rows without that child.
    QtVariantProperty *group2 = variants.addProperty(QtVariantPropertyManager::groupTypeId(), "G2");
    QtProperty *choice2 = enums.addProperty("E2");
    group2->addSubProperty(choice2);
    enums.clear();
    QVERIFY(group2->subProperties().isEmpty());
}

void TestVariantManager::clearInsideValueChanged()
{
    QtVariantPropertyManager manager;
    QtEnumPropertyManager enums;
    QtVariantProperty *p = manager.addProperty(QMetaType::Int, "I");
    manager.addProperty(QMetaType::QColor, "C");
    enums.addProperty("E");
    PropertySignalLog log;
    log.watchStructure(&manager);
    connect(&manager, &QtVariantPropertyManager::valueChanged, this, [&]() {
        // The panel rebuilds its sheet on some edits.
        manager.clear();
        enums.clear();
    });
    p->setValue(3);
    // No display change is reported for the row that is gone.
    QVERIFY(log.lines.filter("changed").isEmpty());
    QVERIFY(!log.lines.filter("destroyed I").isEmpty());
}

void TestVariantManager::clearInsideComponentValueChanged()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "C");
    QtVariantProperty *red = manager.variantProperty(colour->subProperties().at(0));
    int reports = 0;
    connect(&manager, &QtVariantPropertyManager::valueChanged, this, [&]() {
        ++reports;
        manager.clear();
    });
    red->setValue(200);
    QCOMPARE(reports, 1);

    colour = manager.addProperty(QMetaType::QColor, "C");
    reports = 0;
    colour->setValue(QColor(1, 2, 3));
    QCOMPARE(reports, 1);
}

void TestVariantManager::foreignProperties()
{
    QtVariantPropertyManager manager;
    QtIntPropertyManager ints;
    QtProperty *foreign = ints.addProperty("I");
    QCOMPARE(manager.propertyType(foreign), 0);
    QVERIFY(!manager.variantProperty(foreign));
    QVERIFY(!manager.value(foreign).isValid());
    manager.setValue(foreign, 5);
    QCOMPARE(ints.value(foreign), 0);
}

void TestVariantManager::everySupportedType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("valueType");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("time") << int(QMetaType::QTime) << int(QMetaType::QTime)
                          << QVariant(QTime(1, 2, 3)) << "";
    QTest::newRow("key sequence") << int(QMetaType::QKeySequence) << int(QMetaType::QKeySequence)
                                  << QVariant::fromValue(QKeySequence("Ctrl+B"))
                                  << QKeySequence("Ctrl+B").toString(QKeySequence::NativeText);
    QTest::newRow("char") << int(QMetaType::QChar) << int(QMetaType::QChar) << QVariant(QChar('x'))
                          << "x";
    QTest::newRow("point") << int(QMetaType::QPoint) << int(QMetaType::QPoint)
                           << QVariant(QPoint(1, -2)) << "(1, -2)";
    QTest::newRow("size") << int(QMetaType::QSize) << int(QMetaType::QSize) << QVariant(QSize(3, 4))
                          << "3 x 4";
    QTest::newRow("rect F") << int(QMetaType::QRectF) << int(QMetaType::QRectF)
                            << QVariant(QRectF(0.5, 1, 2, 3)) << "[(0.50, 1.00), 2.00 x 3.00]";
    QTest::newRow("size policy") << int(QMetaType::QSizePolicy) << int(QMetaType::QSizePolicy)
                                 << QVariant::fromValue(
                                        QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed))
                                 << "[Fixed, Fixed, 0, 0]";
    QTest::newRow("cursor") << int(QMetaType::QCursor) << int(QMetaType::QCursor)
                            << QVariant::fromValue(QCursor(Qt::CrossCursor)) << "Cross";
    QTest::newRow("flag") << QtVariantPropertyManager::flagTypeId() << int(QMetaType::Int)
                          << QVariant(0) << "";
}

void TestVariantManager::everySupportedType()
{
    QFETCH(int, type);
    QFETCH(QVariant, value);
    QtVariantPropertyManager manager;
    QVERIFY(manager.isPropertyTypeSupported(type));
    QTEST(manager.valueType(type), "valueType");
    QtVariantProperty *p = manager.addProperty(type, "P");
    QVERIFY(p);
    p->setValue(value);
    QCOMPARE(p->value().userType(), manager.valueType(type));
    if (type == QMetaType::QCursor)
        QCOMPARE(p->value().value<QCursor>().shape(), value.value<QCursor>().shape());
    else
        QCOMPARE(p->value(), value);
    QFETCH(QString, text);
    if (!text.isEmpty())
        QCOMPARE(p->valueText(), text);
    QCOMPARE(QMetaType::type("QtFlagPropertyType"), QtVariantPropertyManager::flagTypeId());
}

void TestVariantManager::componentRowsOfCompounds()
{
    QtVariantPropertyManager manager;
    const QList<QPair<int, QList<int>>> expected {
        {QMetaType::QLocale,
         {QtVariantPropertyManager::enumTypeId(), QtVariantPropertyManager::enumTypeId()}},
        {QMetaType::QPointF, {QMetaType::Double, QMetaType::Double}},
        {QMetaType::QRect, {QMetaType::Int, QMetaType::Int, QMetaType::Int, QMetaType::Int}},
        {QMetaType::QSizePolicy,
         {QtVariantPropertyManager::enumTypeId(), QtVariantPropertyManager::enumTypeId(),
          QMetaType::Int, QMetaType::Int}},
        {QMetaType::QFont,
         {QtVariantPropertyManager::enumTypeId(), QMetaType::Int, QMetaType::Bool, QMetaType::Bool,
          QMetaType::Bool, QMetaType::Bool, QMetaType::Bool}},
    };
    for (const auto &entry : expected) {
        QtVariantProperty *p = manager.addProperty(entry.first, "P");
        QList<int> types;
        for (QtProperty *sub : p->subProperties())
            types << manager.propertyType(sub);
        QCOMPARE(types, entry.second);
    }

    // Setting a compound reports its changed components first, then itself.
    QtVariantProperty *size = manager.addProperty(QMetaType::QSize, "S");
    PropertySignalLog log;
    watchVariant(&log, &manager);
    size->setValue(QSize(0, 9));
    QCOMPARE(log.take(), QStringList({"value Height 9", "value S "}));
    // Deleting it takes its component rows with it.
    const QList<QtProperty *> subs = size->subProperties();
    delete size;
    for (QtProperty *sub : subs)
        QVERIFY(!manager.ownsProperty(sub));
}

void TestVariantManager::charsFromNumbers_data()
{
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QChar>("after");
    QTest::newRow("letter") << QVariant(QChar('b')) << QChar('b');
    QTest::newRow("code") << QVariant(65) << QChar('A');
    QTest::newRow("beyond sixteen bits") << QVariant(65536 + 66) << QChar('z');
    QTest::newRow("negative") << QVariant(-1) << QChar('z');
}

void TestVariantManager::charsFromNumbers()
{
    QFETCH(QVariant, input);
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(QMetaType::QChar, "C");
    p->setValue(QChar('z'));
    p->setValue(input);
    QTEST(p->value().toChar(), "after");
}

void TestVariantManager::rectRowRefusesWhatItCannotHold()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *rect = manager.addProperty(QMetaType::QRect, "R");
    rect->setValue(QRect(5, 5, 10, 10));
    const int intMax = std::numeric_limits<int>::max();
    rect->setValue(QRect(QPoint(-intMax, 0), QPoint(intMax, 0)));
    QCOMPARE(rect->value().toRect(), QRect(5, 5, 10, 10));
    QtVariantProperty *x = manager.variantProperty(rect->subProperties().at(0));
    x->setValue(intMax);
    QCOMPARE(rect->value().toRect(), QRect(5, 5, 10, 10));
    QCOMPARE(x->value(), QVariant(5));
}

QTEST_MAIN(TestVariantManager)
#include "tst_variantmanager.moc"
