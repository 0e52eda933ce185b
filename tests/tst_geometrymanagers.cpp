#include "propertysignallog.h"
#include "qtdoublepropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtpointfpropertymanager.h"
#include "qtpointpropertymanager.h"
#include "qtrectfpropertymanager.h"
#include "qtrectpropertymanager.h"
#include "qtsizefpropertymanager.h"
#include "qtsizepropertymanager.h"

#include <QtTest>
#include <limits>

namespace {
const int intMax = std::numeric_limits<int>::max();
const int intMin = std::numeric_limits<int>::min();

QString text(const QPoint &p)
{
    return QString("%1,%2").arg(p.x()).arg(p.y());
}

QString text(const QSize &size)
{
    return QString("%1x%2").arg(size.width()).arg(size.height());
}

QString text(const QRect &r)
{
    return QString("%1,%2 %3x%4")
        .arg(r.left())
        .arg(r.top())
        .arg(qint64(r.right()) - r.left() + 1)
        .arg(qint64(r.bottom()) - r.top() + 1);
}

// Logs the compound's display and value reports and its components' value reports.
template<class Manager, class SubManager, class T, class Number>
void watch(PropertySignalLog *log, Manager *manager, SubManager *sub)
{
    log->watchStructure(manager);
    QObject::connect(manager, &Manager::valueChanged, log, [log](QtProperty *p, const T &value) {
        log->lines << "value " + PropertySignalLog::nameOf(p) + " " + text(value);
    });
    log->watchValue(
        sub, static_cast<void (SubManager::*)(QtProperty *, Number)>(&SubManager::valueChanged),
        "sub ");
}

QList<int> intComponents(QtIntPropertyManager *sub, QtProperty *p)
{
    QList<int> values;
    for (QtProperty *c : p->subProperties())
        values << sub->value(c);
    return values;
}
} // namespace

class TestGeometryManagers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }
    void newProperties();
    void texts();
    void pointComponentsFollowBothWays();
    void sizeBoundsPerComponentInOrder();
    void sizeMinimumMovesMaximumAndValue();
    void sizeRangeOrdersEachComponent();
    void sizeComponentRanges();
    void rectIntersectsTheConstraint_data();
    void rectIntersectsTheConstraint();
    void rectConstraintMovesTheValueInside();
    void rectWidthEditMovesLeftInsideTheConstraint();
    void rectNeverOverflowsInt_data();
    void rectNeverOverflowsInt();
    void rectComponentEditThatCannotBeHeldIsUndone();
    void rectNullConstraintGivesWholeRanges();
    void rectFConstraintBoundsInSinglePrecision();
    void decimalsReachTheComponents();
    void clearingInsideAComponentReport();
    void setInsideAComponentReportWins();
    void foreignProperties();
};

void TestGeometryManagers::newProperties()
{
    QtPointPropertyManager points;
    QtProperty *point = points.addProperty("P");
    QCOMPARE(points.value(point), QPoint(0, 0));
    QCOMPARE(intComponents(points.subIntPropertyManager(), point), QList<int>({0, 0}));
    QCOMPARE(point->subProperties().at(1)->propertyName(), QString("Y"));

    QtSizePropertyManager sizes;
    QtProperty *size = sizes.addProperty("S");
    QCOMPARE(sizes.value(size), QSize(0, 0));
    QCOMPARE(sizes.minimum(size), QSize(0, 0));
    QCOMPARE(sizes.maximum(size), QSize(intMax, intMax));
    QCOMPARE(sizes.subIntPropertyManager()->minimum(size->subProperties().at(0)), 0);

    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    QCOMPARE(rects.value(rect), QRect(0, 0, 0, 0));
    QVERIFY(rects.constraint(rect).isNull());
    QStringList names;
    for (QtProperty *c : rect->subProperties())
        names << c->propertyName();
    QCOMPARE(names, QStringList({"X", "Y", "Width", "Height"}));

    QtSizeFPropertyManager sizesF;
    QtProperty *sizeF = sizesF.addProperty("SF");
    QCOMPARE(sizesF.decimals(sizeF), 2);
    QCOMPARE(sizesF.maximum(sizeF).width(), std::numeric_limits<double>::max());
    QCOMPARE(sizesF.subDoublePropertyManager()->decimals(sizeF->subProperties().at(1)), 2);
}

void TestGeometryManagers::texts()
{
    QtPointPropertyManager points;
    QtProperty *point = points.addProperty("P");
    points.setValue(point, QPoint(3, -4));
    QCOMPARE(point->valueText(), QString("(3, -4)"));

    QtSizeFPropertyManager sizesF;
    QtProperty *sizeF = sizesF.addProperty("SF");
    sizesF.setValue(sizeF, QSizeF(1.5, 2));
    QCOMPARE(sizeF->valueText(), QString("1.50 x 2.00"));

    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setValue(rect, QRect(10, 20, 30, 40));
    QCOMPARE(rect->valueText(), QString("[(10, 20), 30 x 40]"));

    QtPointFPropertyManager pointsF;
    QtProperty *pointF = pointsF.addProperty("PF");
    pointsF.setDecimals(pointF, 1);
    pointsF.setValue(pointF, QPointF(0.24, 2));
    QCOMPARE(pointF->valueText(), QString("(0.2, 2.0)"));
}

void TestGeometryManagers::pointComponentsFollowBothWays()
{
    QtPointPropertyManager points;
    QtProperty *point = points.addProperty("P");
    PropertySignalLog log;
    watch<QtPointPropertyManager, QtIntPropertyManager, QPoint, int>(
        &log, &points, points.subIntPropertyManager());
    points.setValue(point, QPoint(5, 0));
    QCOMPARE(log.take(), QStringList({"sub value X 5", "changed P", "value P 5,0"}));
    points.subIntPropertyManager()->setValue(point->subProperties().at(1), 7);
    QCOMPARE(points.value(point), QPoint(5, 7));
    points.setValue(point, QPoint(5, 7));
    QVERIFY(log.take().filter("value P").size() == 1);
}

void TestGeometryManagers::sizeBoundsPerComponentInOrder()
{
    QtSizePropertyManager sizes;
    QtProperty *size = sizes.addProperty("S");
    sizes.setRange(size, QSize(10, 10), QSize(100, 100));
    PropertySignalLog log;
    watch<QtSizePropertyManager, QtIntPropertyManager, QSize, int>(&log, &sizes,
                                                                   sizes.subIntPropertyManager());
    sizes.setValue(size, QSize(5, 500));
    QCOMPARE(sizes.value(size), QSize(10, 100));
    QCOMPARE(log.take().filter(QRegularExpression("^(sub value|changed S|value S)")),
             QStringList({"sub value Height 100", "changed S", "value S 10x100"}));
    // A value bounded onto the stored one is silent.
    sizes.setValue(size, QSize(3, 300));
    QVERIFY(log.lines.isEmpty());
    // A component edited beyond the range comes back bounded.
    sizes.subIntPropertyManager()->setValue(size->subProperties().at(0), 50);
    QCOMPARE(sizes.value(size), QSize(50, 100));
}

void TestGeometryManagers::sizeMinimumMovesMaximumAndValue()
{
    QtSizePropertyManager sizes;
    QtProperty *size = sizes.addProperty("S");
    sizes.setMaximum(size, QSize(20, 20));
    sizes.setValue(size, QSize(10, 10));
    PropertySignalLog log;
    watch<QtSizePropertyManager, QtIntPropertyManager, QSize, int>(&log, &sizes,
                                                                   sizes.subIntPropertyManager());
    connect(&sizes, &QtSizePropertyManager::rangeChanged, &log,
            [&log](QtProperty *, const QSize &min, const QSize &max) {
                log.lines << "range " + text(min) + " " + text(max);
            });
    sizes.setMinimum(size, QSize(50, 5));
    QCOMPARE(sizes.minimum(size), QSize(50, 5));
    QCOMPARE(sizes.maximum(size), QSize(50, 20));
    QCOMPARE(sizes.value(size), QSize(50, 10));
    const QStringList lines = log.take();
    QCOMPARE(lines.first(), QString("range 50x5 50x20"));
    QCOMPARE(lines.filter(QRegularExpression("^(changed S|value S)")),
             QStringList({"changed S", "value S 50x10"}));
    QCOMPARE(intComponents(sizes.subIntPropertyManager(), size), QList<int>({50, 10}));

    // A minimum below the value reports the range only.
    sizes.setMinimum(size, QSize(1, 1));
    QCOMPARE(log.take(), QStringList({"range 1x1 50x20"}));
}

void TestGeometryManagers::sizeRangeOrdersEachComponent()
{
    QtSizePropertyManager sizes;
    QtProperty *size = sizes.addProperty("S");
    sizes.setRange(size, QSize(10, 50), QSize(40, 20));
    QCOMPARE(sizes.minimum(size), QSize(10, 20));
    QCOMPARE(sizes.maximum(size), QSize(40, 50));
    QSignalSpy spy(&sizes, &QtSizePropertyManager::rangeChanged);
    sizes.setRange(size, QSize(10, 20), QSize(40, 50));
    QCOMPARE(spy.count(), 0);
}

void TestGeometryManagers::sizeComponentRanges()
{
    QtSizePropertyManager sizes;
    QtProperty *size = sizes.addProperty("S");
    sizes.setRange(size, QSize(10, 20), QSize(40, 50));
    QtIntPropertyManager *sub = sizes.subIntPropertyManager();
    QtProperty *width = size->subProperties().at(0);
    QtProperty *height = size->subProperties().at(1);
    QCOMPARE(sub->minimum(width), 10);
    QCOMPARE(sub->maximum(width), 40);
    QCOMPARE(sub->minimum(height), 20);
    QCOMPARE(sub->maximum(height), 50);
    QCOMPARE(sub->value(height), 20);
}

void TestGeometryManagers::rectIntersectsTheConstraint_data()
{
    QTest::addColumn<QRect>("given");
    QTest::addColumn<QRect>("stored");
    const QRect before(1, 2, 3, 4);
    QTest::newRow("inside") << QRect(10, 10, 20, 20) << QRect(10, 10, 20, 20);
    QTest::newRow("over the corner") << QRect(90, 90, 50, 50) << QRect(90, 90, 10, 10);
    QTest::newRow("outside") << QRect(200, 200, 10, 10) << before;
    QTest::newRow("touching the right edge") << QRect(100, 0, 10, 10) << QRect(100, 0, 0, 10);
    QTest::newRow("left of it") << QRect(-20, 40, 30, 10) << QRect(0, 40, 10, 10);
    QTest::newRow("reversed") << QRect(QPoint(60, 60), QPoint(49, 49)) << QRect(50, 50, 10, 10);
    QTest::newRow("covering it") << QRect(-10, -10, 300, 300) << QRect(0, 0, 100, 100);
}

void TestGeometryManagers::rectIntersectsTheConstraint()
{
    QFETCH(QRect, given);
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setConstraint(rect, QRect(0, 0, 100, 100));
    rects.setValue(rect, QRect(1, 2, 3, 4));
    rects.setValue(rect, given);
    QTEST(rects.value(rect), "stored");
    const QRect stored = rects.value(rect);
    QCOMPARE(intComponents(rects.subIntPropertyManager(), rect),
             QList<int>({stored.x(), stored.y(), stored.width(), stored.height()}));
}

void TestGeometryManagers::rectConstraintMovesTheValueInside()
{
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setValue(rect, QRect(80, 20, 150, 30));
    PropertySignalLog log;
    watch<QtRectPropertyManager, QtIntPropertyManager, QRect, int>(&log, &rects,
                                                                   rects.subIntPropertyManager());
    connect(&rects, &QtRectPropertyManager::constraintChanged, &log,
            [&log](QtProperty *, const QRect &c) { log.lines << "constraint " + text(c); });
    rects.setConstraint(rect, QRect(0, 0, 100, 100));
    QCOMPARE(rects.value(rect), QRect(0, 20, 100, 30));
    const QStringList lines = log.take();
    QCOMPARE(lines.first(), QString("constraint 0,0 100x100"));
    QCOMPARE(lines.filter(QRegularExpression("^(changed R|value R)")),
             QStringList({"changed R", "value R 0,20 100x30"}));
    // The rows take the constraint's ranges and the moved value.
    QtIntPropertyManager *sub = rects.subIntPropertyManager();
    const QList<QtProperty *> rows = rect->subProperties();
    QCOMPARE(sub->maximum(rows.at(0)), 100);
    QCOMPARE(sub->maximum(rows.at(2)), 100);
    QCOMPARE(intComponents(sub, rect), QList<int>({0, 20, 100, 30}));

    // A value far right of a new constraint lands at its right edge, whatever the X row's
    // range clamped it to on the way.
    rects.setConstraint(rect, QRect());
    rects.setValue(rect, QRect(150, 0, 10, 10));
    rects.setConstraint(rect, QRect(0, 0, 100, 100));
    QCOMPARE(rects.value(rect), QRect(90, 0, 10, 10));
    QCOMPARE(intComponents(sub, rect), QList<int>({90, 0, 10, 10}));
}

void TestGeometryManagers::rectWidthEditMovesLeftInsideTheConstraint()
{
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setConstraint(rect, QRect(0, 0, 100, 100));
    rects.setValue(rect, QRect(60, 0, 20, 20));
    rects.subIntPropertyManager()->setValue(rect->subProperties().at(2), 70);
    QCOMPARE(rects.value(rect), QRect(30, 0, 70, 20));
    rects.subIntPropertyManager()->setValue(rect->subProperties().at(3), 100);
    QCOMPARE(rects.value(rect), QRect(30, 0, 70, 100));
}

void TestGeometryManagers::rectNeverOverflowsInt_data()
{
    QTest::addColumn<QRect>("given");
    QTest::addColumn<bool>("taken");
    QTest::newRow("widest from the lowest left")
        << QRect(QPoint(intMin, 0), QPoint(intMax - 1, 0)) << false;
    QTest::newRow("whole int range") << QRect(QPoint(intMin, 0), QPoint(intMax, 5)) << false;
    QTest::newRow("widest that fits") << QRect(QPoint(0, 0), QPoint(intMax - 1, 0)) << true;
    QTest::newRow("right edge at the top")
        << QRect(QPoint(intMax - 9, 0), QPoint(intMax, 9)) << true;
    QTest::newRow("reversed across the range")
        << QRect(QPoint(intMax, 0), QPoint(intMin, 0)) << false;
    QTest::newRow("one column at the lowest left")
        << QRect(QPoint(intMin, 0), QPoint(intMin, -1)) << true;
}

void TestGeometryManagers::rectNeverOverflowsInt()
{
    QFETCH(QRect, given);
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    const QRect before(1, 2, 3, 4);
    rects.setValue(rect, before);
    rects.setValue(rect, given);
    const QRect stored = rects.value(rect);
    QFETCH(bool, taken);
    if (taken)
        QCOMPARE(stored, given);
    else
        QCOMPARE(stored, before);
    // What is stored can be measured without overflow, in the rows and in the text.
    QVERIFY(stored.width() >= 0);
    QVERIFY(!rect->valueText().isEmpty());
}

void TestGeometryManagers::rectComponentEditThatCannotBeHeldIsUndone()
{
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setValue(rect, QRect(100, 0, 1000, 10));
    QtIntPropertyManager *sub = rects.subIntPropertyManager();
    QtProperty *x = rect->subProperties().at(0);
    QtProperty *width = rect->subProperties().at(2);
    sub->setValue(x, intMax);
    QCOMPARE(rects.value(rect), QRect(100, 0, 1000, 10));
    QCOMPARE(sub->value(x), 100);
    sub->setValue(width, intMax);
    QCOMPARE(rects.value(rect), QRect(100, 0, 1000, 10));
    QCOMPARE(sub->value(width), 1000);
    // An edit that fits is taken.
    sub->setValue(x, intMax - 999);
    QCOMPARE(rects.value(rect).right(), intMax);
}

void TestGeometryManagers::rectNullConstraintGivesWholeRanges()
{
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setConstraint(rect, QRect(0, 0, 10, 10));
    rects.setConstraint(rect, QRect());
    QtIntPropertyManager *sub = rects.subIntPropertyManager();
    const QList<QtProperty *> rows = rect->subProperties();
    QCOMPARE(sub->minimum(rows.at(0)), intMin);
    QCOMPARE(sub->maximum(rows.at(1)), intMax);
    QCOMPARE(sub->minimum(rows.at(2)), 0);
    QCOMPARE(sub->maximum(rows.at(3)), intMax);
    // A constraint that cannot be measured is refused.
    rects.setConstraint(rect, QRect(QPoint(intMin, 0), QPoint(intMax, 0)));
    QVERIFY(rects.constraint(rect).isNull());
}

void TestGeometryManagers::rectFConstraintBoundsInSinglePrecision()
{
    QtRectFPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    rects.setConstraint(rect, QRectF(0, 0, 1, 1));
    rects.setConstraint(rect, QRectF());
    QtDoublePropertyManager *sub = rects.subDoublePropertyManager();
    const double floatMax = std::numeric_limits<float>::max();
    QCOMPARE(sub->minimum(rect->subProperties().at(0)), -floatMax);
    QCOMPARE(sub->maximum(rect->subProperties().at(3)), floatMax);
    // A constraint beyond single precision gives ranges that stop at its largest number.
    rects.setConstraint(rect, QRectF(0, 0, 1e300, 1e300));
    QCOMPARE(sub->maximum(rect->subProperties().at(0)), floatMax);
    rects.setValue(rect, QRectF(0.5, 0.5, 4, 4));
    QCOMPARE(rects.value(rect), QRectF(0.5, 0.5, 4, 4));
}

void TestGeometryManagers::decimalsReachTheComponents()
{
    QtRectFPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    QSignalSpy spy(&rects, &QtRectFPropertyManager::decimalsChanged);
    QSignalSpy changed(&rects, &QtAbstractPropertyManager::propertyChanged);
    rects.setDecimals(rect, 20);
    QCOMPARE(rects.decimals(rect), 13);
    rects.setDecimals(rect, -3);
    QCOMPARE(rects.decimals(rect), 0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(changed.count(), 0);
    for (QtProperty *c : rect->subProperties())
        QCOMPARE(rects.subDoublePropertyManager()->decimals(c), 0);
}

void TestGeometryManagers::clearingInsideAComponentReport()
{
    QtRectPropertyManager rects;
    QtProperty *rect = rects.addProperty("R");
    int reports = 0;
    connect(rects.subIntPropertyManager(), &QtIntPropertyManager::valueChanged, this, [&]() {
        ++reports;
        rects.clear();
    });
    QSignalSpy values(&rects, &QtRectPropertyManager::valueChanged);
    rects.setValue(rect, QRect(1, 2, 3, 4));
    QCOMPARE(reports, 1);
    QCOMPARE(values.count(), 0);

    QtSizePropertyManager sizes;
    QtProperty *size = sizes.addProperty("S");
    connect(&sizes, &QtSizePropertyManager::rangeChanged, this, [&]() { sizes.clear(); });
    sizes.setMinimum(size, QSize(5, 5));
    QVERIFY(!sizes.ownsProperty(size));
}

void TestGeometryManagers::setInsideAComponentReportWins()
{
    QtPointPropertyManager points;
    QtProperty *point = points.addProperty("P");
    bool once = true;
    connect(points.subIntPropertyManager(), &QtIntPropertyManager::valueChanged, this, [&]() {
        if (once) {
            once = false;
            points.setValue(point, QPoint(9, 9));
        }
    });
    QSignalSpy values(&points, &QtPointPropertyManager::valueChanged);
    points.setValue(point, QPoint(1, 2));
    // The later setting is not overwritten by the rest of the earlier one.
    QCOMPARE(points.value(point), QPoint(9, 9));
    QCOMPARE(intComponents(points.subIntPropertyManager(), point), QList<int>({9, 9}));
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(1).toPoint(), QPoint(9, 9));
}

void TestGeometryManagers::foreignProperties()
{
    QtRectPropertyManager rects;
    QtSizePropertyManager sizes;
    QtIntPropertyManager ints;
    QtProperty *foreign = ints.addProperty("I");
    QVERIFY(rects.value(foreign).isNull());
    QVERIFY(rects.constraint(foreign).isNull());
    QCOMPARE(sizes.value(foreign), QSize(-1, -1));
    QCOMPARE(sizes.minimum(foreign), QSize(-1, -1));
    rects.setValue(foreign, QRect(1, 1, 1, 1));
    QCOMPARE(ints.value(foreign), 0);
}

QTEST_MAIN(TestGeometryManagers)
#include "tst_geometrymanagers.moc"
