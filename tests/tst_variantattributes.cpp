#include "propertysignallog.h"
#include "qtintpropertymanager.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QSpinBox>
#include <QtTest>
#include <limits>

namespace {
QString shortText(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join('/');
    if (value.userType() == QMetaType::QRegExp)
        return value.toRegExp().pattern();
    if (value.userType() == QMetaType::QSize || value.userType() == QMetaType::QSizeF) {
        const QSizeF size = value.toSizeF();
        return QString("%1x%2").arg(size.width()).arg(size.height());
    }
    if (value.userType() == QMetaType::QRect) {
        const QRect r = value.toRect();
        return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    if (value.userType() == QtVariantPropertyManager::iconMapTypeId())
        return QString("icons:%1").arg(value.value<QtIconMap>().size());
    return value.toString();
}

// Logs attribute, value and display reports of a variant manager in one list.
void watchAll(PropertySignalLog *log, QtVariantPropertyManager *manager)
{
    QObject::connect(manager, &QtVariantPropertyManager::attributeChanged, log,
                     [log](QtProperty *p, const QString &name, const QVariant &v) {
                         log->lines << "attribute " + PropertySignalLog::nameOf(p) + " " + name
                                 + " " + shortText(v);
                     });
    QObject::connect(manager, &QtVariantPropertyManager::valueChanged, log,
                     [log](QtProperty *p, const QVariant &v) {
                         log->lines << "value " + PropertySignalLog::nameOf(p) + " " + shortText(v);
                     });
    QObject::connect(
        manager, &QtAbstractPropertyManager::propertyChanged, log,
        [log](QtProperty *p) { log->lines << "changed " + PropertySignalLog::nameOf(p); });
}

const int intMax = std::numeric_limits<int>::max();
} // namespace

class TestVariantAttributes : public QObject
{
    Q_OBJECT
private slots:
    void attributeLists_data();
    void attributeLists();
    void attributeTypes_data();
    void attributeTypes();
    void defaults();
    void rangeReportsMinimumThenMaximumThenValue();
    void otherReports();
    void refusedAttributeValues_data();
    void refusedAttributeValues();
    void intRowsRefuseNumbersOutsideInt_data();
    void intRowsRefuseNumbersOutsideInt();
    void clearingBetweenTheRangeReports();
    void reSetInsideAttributeChangedWithEditorsOpen();
    void componentRowsCarryTheirTypesAttributes();
    void componentRangesReportedOnlyWhereRouted();
    void compoundAttributes();
    void foreignAndUnknown();
};

void TestVariantAttributes::attributeLists_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("int") << int(QMetaType::Int)
                         << QStringList({"maximum", "minimum", "singleStep"});
    QTest::newRow("double") << int(QMetaType::Double)
                            << QStringList({"decimals", "maximum", "minimum", "singleStep"});
    QTest::newRow("string") << int(QMetaType::QString) << QStringList({"regExp"});
    QTest::newRow("enum") << QtVariantPropertyManager::enumTypeId()
                          << QStringList({"enumIcons", "enumNames"});
    QTest::newRow("date") << int(QMetaType::QDate) << QStringList({"maximum", "minimum"});
    QTest::newRow("point F") << int(QMetaType::QPointF) << QStringList({"decimals"});
    QTest::newRow("size") << int(QMetaType::QSize) << QStringList({"maximum", "minimum"});
    QTest::newRow("size F") << int(QMetaType::QSizeF)
                            << QStringList({"decimals", "maximum", "minimum"});
    QTest::newRow("rect") << int(QMetaType::QRect) << QStringList({"constraint"});
    QTest::newRow("rect F") << int(QMetaType::QRectF) << QStringList({"constraint", "decimals"});
    QTest::newRow("flag") << QtVariantPropertyManager::flagTypeId() << QStringList({"flagNames"});
    for (int type : {int(QMetaType::QTime), int(QMetaType::QDateTime), int(QMetaType::QKeySequence),
                     int(QMetaType::QChar), int(QMetaType::QLocale), int(QMetaType::QPoint),
                     int(QMetaType::QSizePolicy), int(QMetaType::QFont), int(QMetaType::QCursor)})
        QTest::newRow(QMetaType::typeName(type)) << type << QStringList();
    QTest::newRow("bool") << int(QMetaType::Bool) << QStringList();
    QTest::newRow("colour") << int(QMetaType::QColor) << QStringList();
    QTest::newRow("group") << QtVariantPropertyManager::groupTypeId() << QStringList();
    QTest::newRow("unsupported") << 3 << QStringList();
}

void TestVariantAttributes::attributeLists()
{
    QFETCH(int, type);
    QtVariantPropertyManager manager;
    QTEST(manager.attributes(type), "names");
}

void TestVariantAttributes::attributeTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("attributeType");
    QTest::newRow("string pattern") << int(QMetaType::QString) << "regExp" << 27;
    QTest::newRow("double decimals") << int(QMetaType::Double) << "decimals" << 2;
    QTest::newRow("double minimum") << int(QMetaType::Double) << "minimum" << 6;
    QTest::newRow("int step") << int(QMetaType::Int) << "singleStep" << 2;
    QTest::newRow("int pattern") << int(QMetaType::Int) << "regExp" << 0;
    QTest::newRow("enum names") << QtVariantPropertyManager::enumTypeId() << "enumNames" << 11;
    QTest::newRow("enum icons") << QtVariantPropertyManager::enumTypeId() << "enumIcons"
                                << QtVariantPropertyManager::iconMapTypeId();
    QTest::newRow("date minimum") << int(QMetaType::QDate) << "minimum" << 14;
    QTest::newRow("size maximum") << int(QMetaType::QSize) << "maximum" << 21;
    QTest::newRow("size F minimum") << int(QMetaType::QSizeF) << "minimum" << 22;
    QTest::newRow("rect constraint") << int(QMetaType::QRect) << "constraint" << 19;
    QTest::newRow("rect F constraint") << int(QMetaType::QRectF) << "constraint" << 20;
    QTest::newRow("rect F decimals") << int(QMetaType::QRectF) << "decimals" << 2;
    QTest::newRow("flag names") << QtVariantPropertyManager::flagTypeId() << "flagNames" << 11;
    QTest::newRow("unsupported") << 3 << "minimum" << 0;
}

void TestVariantAttributes::attributeTypes()
{
    QFETCH(int, type);
    QFETCH(QString, attribute);
    QtVariantPropertyManager manager;
    QTEST(manager.attributeType(type, attribute), "attributeType");
}

void TestVariantAttributes::defaults()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *i = manager.addProperty(QMetaType::Int, "I");
    QCOMPARE(i->attributeValue("minimum"), QVariant(-intMax));
    QCOMPARE(i->attributeValue("maximum"), QVariant(intMax));
    QCOMPARE(i->attributeValue("singleStep"), QVariant(1));
    QVERIFY(!i->attributeValue("decimals").isValid());

    QtVariantProperty *d = manager.addProperty(QMetaType::Double, "D");
    QCOMPARE(d->attributeValue("decimals"), QVariant(2));
    QCOMPARE(d->attributeValue("maximum"), QVariant(std::numeric_limits<double>::max()));
    QCOMPARE(d->attributeValue("singleStep"), QVariant(1.0));

    QtVariantProperty *s = manager.addProperty(QMetaType::QString, "S");
    QCOMPARE(s->attributeValue("regExp").userType(), int(QMetaType::QRegExp));
    QCOMPARE(s->attributeValue("regExp").toRegExp().pattern(), QString("*"));

    QtVariantProperty *e = manager.addProperty(QtVariantPropertyManager::enumTypeId(), "E");
    QCOMPARE(e->attributeValue("enumNames"), QVariant(QStringList()));
    QCOMPARE(e->attributeValue("enumIcons").userType(), QtVariantPropertyManager::iconMapTypeId());
    QCOMPARE(QMetaType::type("QtIconMap"), QtVariantPropertyManager::iconMapTypeId());
}

void TestVariantAttributes::rangeReportsMinimumThenMaximumThenValue()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(QMetaType::Int, "I");
    p->setValue(5);
    PropertySignalLog log;
    watchAll(&log, &manager);
    manager.setAttribute(p, "minimum", 10);
    QCOMPARE(
        log.take(),
        QStringList({"attribute I minimum 10", "attribute I maximum " + QString::number(intMax),
                     "value I 10", "changed I"}));
    // A range that leaves the value alone reports the range only, with no display change.
    manager.setAttribute(p, "maximum", 100);
    QCOMPARE(log.take(), QStringList({"attribute I minimum 10", "attribute I maximum 100"}));
    manager.setAttribute(p, "maximum", 100);
    QVERIFY(log.lines.isEmpty());
}

void TestVariantAttributes::otherReports()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *i = manager.addProperty(QMetaType::Int, "I");
    QtVariantProperty *d = manager.addProperty(QMetaType::Double, "D");
    QtVariantProperty *s = manager.addProperty(QMetaType::QString, "S");
    QtVariantProperty *e = manager.addProperty(QtVariantPropertyManager::enumTypeId(), "E");
    PropertySignalLog log;
    watchAll(&log, &manager);

    i->setValue(3);
    log.take();
    manager.setAttribute(i, "singleStep", -4);
    QCOMPARE(log.take(), QStringList({"attribute I singleStep 0"}));
    manager.setAttribute(d, "decimals", QVariant("20"));
    QCOMPARE(log.take(), QStringList({"attribute D decimals 13"}));
    manager.setAttribute(d, "singleStep", 0.5);
    QCOMPARE(log.take(), QStringList({"attribute D singleStep 0.5"}));
    manager.setAttribute(s, "regExp", QRegExp("[0-9]*"));
    QCOMPARE(log.take(), QStringList({"attribute S regExp [0-9]*"}));
    s->setValue("12a");
    QCOMPARE(s->value(), QVariant(QString()));

    manager.setAttribute(e, "enumNames", QStringList({"a", "b"}));
    QCOMPARE(log.take(), QStringList({"attribute E enumNames a/b", "value E 0", "changed E"}));
    QtIconMap icons;
    icons[1] = QIcon(QPixmap(4, 4));
    manager.setAttribute(e, "enumIcons", QVariant::fromValue(icons));
    QCOMPARE(log.take(), QStringList({"attribute E enumIcons icons:1"}));
    QCOMPARE(e->attributeValue("enumIcons").value<QtIconMap>().keys(), QList<int>({1}));
}

void TestVariantAttributes::refusedAttributeValues_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QVariant>("input");
    const int intType = QMetaType::Int;
    QTest::newRow("attribute of another type") << intType << "decimals" << QVariant(3);
    QTest::newRow("unknown attribute") << intType << "colour" << QVariant(3);
    QTest::newRow("invalid value") << intType << "minimum" << QVariant();
    QTest::newRow("colour for a number") << intType << "maximum" << QVariant(QColor(Qt::red));
    QTest::newRow("letters for a number") << intType << "maximum" << QVariant("abc");
    QTest::newRow("above int") << intType << "maximum" << QVariant(qlonglong(5000000000));
    QTest::newRow("below int") << intType << "minimum" << QVariant(-3e9);
    QTest::newRow("huge double") << intType << "minimum" << QVariant(1e300);
    QTest::newRow("not a number") << intType << "minimum"
                                  << QVariant(std::numeric_limits<double>::quiet_NaN());
    QTest::newRow("big unsigned") << intType << "singleStep" << QVariant(quint64(1) << 63);
    QTest::newRow("long text number") << intType << "maximum" << QVariant("5000000000");
    QTest::newRow("decimals above int")
        << int(QMetaType::Double) << "decimals" << QVariant(qlonglong(1) << 40);
    QTest::newRow("names from a number")
        << QtVariantPropertyManager::enumTypeId() << "enumNames" << QVariant(3);
}

void TestVariantAttributes::refusedAttributeValues()
{
    QFETCH(int, type);
    QFETCH(QString, attribute);
    QFETCH(QVariant, input);
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(type, "P");
    const QStringList names = manager.attributes(type);
    QList<QVariant> before;
    for (const QString &name : names)
        before << p->attributeValue(name);
    PropertySignalLog log;
    watchAll(&log, &manager);
    manager.setAttribute(p, attribute, input);
    QVERIFY(log.lines.isEmpty());
    for (int n = 0; n < names.size(); ++n)
        QCOMPARE(p->attributeValue(names.at(n)), before.at(n));
}

void TestVariantAttributes::intRowsRefuseNumbersOutsideInt_data()
{
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<int>("after");
    QTest::newRow("long long above") << QVariant(qlonglong(4294967296 + 5)) << 7;
    QTest::newRow("unsigned above") << QVariant(4000000000u) << 7;
    QTest::newRow("double above") << QVariant(1e10) << 7;
    QTest::newRow("double below") << QVariant(-1e10) << 7;
    QTest::newRow("text above") << QVariant("2147483648") << 7;
    QTest::newRow("infinity") << QVariant(std::numeric_limits<double>::infinity()) << 7;
    QTest::newRow("long long within") << QVariant(qlonglong(-2147483647)) << -2147483647;
    QTest::newRow("double rounds") << QVariant(-2.5) << -2;
    QTest::newRow("largest") << QVariant(2147483647.0) << intMax;
}

void TestVariantAttributes::intRowsRefuseNumbersOutsideInt()
{
    QFETCH(QVariant, input);
    QtVariantPropertyManager manager;
    QtVariantProperty *i = manager.addProperty(QMetaType::Int, "I");
    i->setValue(7);
    i->setValue(input);
    QTEST(i->value().toInt(), "after");

    // The index of a choice row is an int as well.
    QtVariantProperty *e = manager.addProperty(QtVariantPropertyManager::enumTypeId(), "E");
    manager.setAttribute(e, "enumNames", QStringList({"a", "b"}));
    e->setValue(qlonglong(4294967296 + 1));
    QCOMPARE(e->value(), QVariant(0));
}

void TestVariantAttributes::clearingBetweenTheRangeReports()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *p = manager.addProperty(QMetaType::Int, "I");
    p->setValue(5);
    PropertySignalLog log;
    watchAll(&log, &manager);
    connect(&manager, &QtVariantPropertyManager::attributeChanged, this,
            [&manager](QtProperty *, const QString &name) {
                if (name == "minimum")
                    manager.clear();
            });
    manager.setAttribute(p, "minimum", 10);
    QCOMPARE(log.take(), QStringList({"attribute I minimum 10"}));

    // New choice names are followed by their index report, which must not come either.
    QtVariantProperty *e = manager.addProperty(QtVariantPropertyManager::enumTypeId(), "E");
    log.take();
    connect(&manager, &QtVariantPropertyManager::attributeChanged, this,
            [&manager](QtProperty *, const QString &name) {
                if (name == "enumNames")
                    manager.clear();
            });
    manager.setAttribute(e, "enumNames", QStringList({"x"}));
    QCOMPARE(log.take(), QStringList({"attribute E enumNames x"}));
}

void TestVariantAttributes::reSetInsideAttributeChangedWithEditorsOpen()
{
    QtVariantPropertyManager manager;
    QtVariantEditorFactory factory;
    factory.addPropertyManager(&manager);
    QtAbstractEditorFactoryBase *base = &factory;
    QtVariantProperty *i = manager.addProperty(QMetaType::Int, "I");
    QtVariantProperty *d = manager.addProperty(QMetaType::Double, "D");
    QtVariantProperty *s = manager.addProperty(QMetaType::QString, "S");
    QtVariantProperty *e = manager.addProperty(QtVariantPropertyManager::enumTypeId(), "E");
    QScopedPointer<QWidget> intEditor(base->createEditor(i, nullptr));
    QScopedPointer<QWidget> doubleEditor(base->createEditor(d, nullptr));
    QScopedPointer<QWidget> stringEditor(base->createEditor(s, nullptr));
    QScopedPointer<QWidget> enumEditor(base->createEditor(e, nullptr));
    auto *spin = qobject_cast<QSpinBox *>(intEditor.data());
    auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(doubleEditor.data());
    auto *line = qobject_cast<QLineEdit *>(stringEditor.data());
    auto *combo = qobject_cast<QComboBox *>(enumEditor.data());
    QVERIFY(spin && doubleSpin && line && combo);

    // A receiver corrects every first setting at once; the editors, told later about the
    // first one, must still show the corrected state.
    connect(&manager, &QtVariantPropertyManager::attributeChanged, this,
            [&manager](QtProperty *p, const QString &name, const QVariant &value) {
                if (name == "minimum" && value == QVariant(10))
                    manager.setAttribute(p, "minimum", 20);
                else if (name == "singleStep" && value == QVariant(3))
                    manager.setAttribute(p, "singleStep", 4);
                else if (name == "decimals" && value == QVariant(1))
                    manager.setAttribute(p, "decimals", 4);
                else if (name == "regExp" && value.toRegExp().pattern() == "[a-z]*")
                    manager.setAttribute(p, "regExp", QRegExp("[0-9]*"));
                else if (name == "enumNames" && value.toStringList() == QStringList({"a"}))
                    manager.setAttribute(p, "enumNames", QStringList({"b", "c"}));
            });
    manager.setAttribute(i, "minimum", 10);
    QCOMPARE(i->attributeValue("minimum"), QVariant(20));
    QCOMPARE(spin->minimum(), 20);
    QCOMPARE(spin->value(), 20);
    manager.setAttribute(i, "singleStep", 3);
    QCOMPARE(spin->singleStep(), 4);
    manager.setAttribute(d, "decimals", 1);
    QCOMPARE(doubleSpin->decimals(), 4);
    manager.setAttribute(s, "regExp", QRegExp("[a-z]*"));
    auto *validator = qobject_cast<const QRegExpValidator *>(line->validator());
    QVERIFY(validator);
    QCOMPARE(validator->regExp().pattern(), QString("[0-9]*"));
    manager.setAttribute(e, "enumNames", QStringList({"a"}));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QString("b"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(e->value(), QVariant(0));
}

void TestVariantAttributes::componentRowsCarryTheirTypesAttributes()
{
    QtVariantPropertyManager manager;
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "C");
    QtVariantProperty *red = manager.variantProperty(colour->subProperties().at(0));
    QCOMPARE(red->attributeValue("minimum"), QVariant(0));
    QCOMPARE(red->attributeValue("maximum"), QVariant(255));
    QCOMPARE(red->attributeValue("singleStep"), QVariant(1));

    // Colour components report their values but not their fixed range.
    PropertySignalLog log;
    watchAll(&log, &manager);
    manager.setAttribute(red, "maximum", 100);
    QCOMPARE(red->attributeValue("maximum"), QVariant(100));
    QVERIFY(log.lines.filter("attribute").isEmpty());
}

void TestVariantAttributes::componentRangesReportedOnlyWhereRouted()
{
    QtVariantPropertyManager manager;
    PropertySignalLog log;
    watchAll(&log, &manager);
    // The size's Width row reports the range its size gives it.
    QtVariantProperty *size = manager.addProperty(QMetaType::QSize, "S");
    QtVariantProperty *sizeF = manager.addProperty(QMetaType::QSizeF, "SF");
    QtVariantProperty *point = manager.addProperty(QMetaType::QPoint, "P");
    QtVariantProperty *font = manager.addProperty(QMetaType::QFont, "F");
    QtVariantProperty *policy = manager.addProperty(QMetaType::QSizePolicy, "SP");
    QtVariantProperty *locale = manager.addProperty(QMetaType::QLocale, "L");
    log.take();
    manager.setAttribute(size, "minimum", QSize(5, 6));
    QCOMPARE(log.lines.filter("attribute Width").size(), 2);
    QCOMPARE(log.lines.filter("attribute Height").size(), 2);
    QVERIFY(log.lines.contains("attribute Width minimum 5"));
    QCOMPARE(log.lines.first(), QString("attribute S minimum 5x6"));
    log.take();
    manager.setAttribute(sizeF, "maximum", QSizeF(7, 8));
    QVERIFY(log.lines.contains("attribute Height maximum 8"));
    log.take();

    // A point's components and a locale's lists report their values only.
    QtVariantProperty *x = manager.variantProperty(point->subProperties().at(0));
    QCOMPARE(x->attributeValue("minimum"), QVariant(-2147483647));
    manager.setAttribute(x, "minimum", 3);
    QCOMPARE(x->attributeValue("minimum"), QVariant(3));
    QCOMPARE(point->value().toPoint(), QPoint(3, 0));
    QVERIFY(log.take().filter("attribute").isEmpty());
    QtVariantProperty *country = manager.variantProperty(locale->subProperties().at(1));
    manager.setAttribute(country, "enumNames", QStringList({"Somewhere"}));
    QVERIFY(log.take().filter("attribute").isEmpty());

    // A font's and a size policy's choice lists and numbers report their attributes.
    QtVariantProperty *family = manager.variantProperty(font->subProperties().at(0));
    manager.setAttribute(family, "enumNames", QStringList({"One", "Two"}));
    QVERIFY(log.take().contains("attribute Family enumNames One/Two"));
    QtVariantProperty *stretch = manager.variantProperty(policy->subProperties().at(2));
    QCOMPARE(stretch->attributeValue("maximum"), QVariant(255));
    manager.setAttribute(stretch, "maximum", 9);
    QVERIFY(log.take().contains("attribute Horizontal Stretch maximum 9"));
}

void TestVariantAttributes::compoundAttributes()
{
    QtVariantPropertyManager manager;
    PropertySignalLog log;
    watchAll(&log, &manager);
    QtVariantProperty *rect = manager.addProperty(QMetaType::QRect, "R");
    rect->setValue(QRect(80, 20, 150, 30));
    log.take();
    manager.setAttribute(rect, "constraint", QRect(0, 0, 100, 100));
    QCOMPARE(rect->attributeValue("constraint").toRect(), QRect(0, 0, 100, 100));
    QCOMPARE(rect->value().toRect(), QRect(0, 20, 100, 30));
    const QStringList lines = log.take();
    QCOMPARE(lines.first(), QString("attribute R constraint 0,0 100x100"));
    QCOMPARE(lines.filter(QRegularExpression("^(value|changed) R")),
             QStringList({"value R 0,20 100x30", "changed R"}));

    QtVariantProperty *date = manager.addProperty(QMetaType::QDate, "D");
    date->setValue(QDate(2000, 1, 1));
    log.take();
    manager.setAttribute(date, "minimum", QDate(2001, 1, 1));
    QCOMPARE(log.take(),
             QStringList({"attribute D minimum 2001-01-01", "attribute D maximum 9999-12-31",
                          "value D 2001-01-01", "changed D"}));

    QtVariantProperty *flags = manager.addProperty(QtVariantPropertyManager::flagTypeId(), "F");
    log.take();
    manager.setAttribute(flags, "flagNames", QStringList({"a", "b"}));
    QCOMPARE(flags->subProperties().size(), 2);
    QCOMPARE(log.lines.filter("attribute"), QStringList({"attribute F flagNames a/b"}));
    log.take();
    QtVariantProperty *b = manager.variantProperty(flags->subProperties().at(1));
    b->setValue(true);
    QCOMPARE(flags->value(), QVariant(2));

    QtVariantProperty *pointF = manager.addProperty(QMetaType::QPointF, "PF");
    log.take();
    manager.setAttribute(pointF, "decimals", 4);
    QCOMPARE(log.take(), QStringList({"attribute PF decimals 4"}));
    QtVariantProperty *x = manager.variantProperty(pointF->subProperties().at(0));
    QCOMPARE(x->attributeValue("decimals"), QVariant(4));
}

void TestVariantAttributes::foreignAndUnknown()
{
    QtVariantPropertyManager manager;
    QtVariantPropertyManager other;
    QtIntPropertyManager ints;
    QtProperty *plain = ints.addProperty("plain");
    QtVariantProperty *otherRow = other.addProperty(QMetaType::Int, "O");
    QVERIFY(!manager.attributeValue(plain, "minimum").isValid());
    QVERIFY(!manager.attributeValue(otherRow, "minimum").isValid());
    manager.setAttribute(plain, "minimum", 3);
    manager.setAttribute(otherRow, "minimum", 3);
    QCOMPARE(ints.minimum(plain), -intMax);
    QCOMPARE(otherRow->attributeValue("minimum"), QVariant(-intMax));
    QtVariantProperty *group = manager.addProperty(QtVariantPropertyManager::groupTypeId(), "G");
    QVERIFY(!group->attributeValue("minimum").isValid());
}

QTEST_MAIN(TestVariantAttributes)
#include "tst_variantattributes.moc"
