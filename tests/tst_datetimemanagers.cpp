#include "propertysignallog.h"
#include "qtcharpropertymanager.h"
#include "qtdatepropertymanager.h"
#include "qtdatetimepropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtkeysequencepropertymanager.h"
#include "qtpropertybrowserutils.h"
#include "qttimepropertymanager.h"

#include <QtTest>

// Dates with their range, times, date-times, key sequences and characters.
class TestDateTimeManagers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }
    void newDate();
    void dateClampsAndReportsInOrder();
    void dateRange();
    void simpleValues();
    void texts();
    void formats();
    void foreignProperties();
};

void TestDateTimeManagers::newDate()
{
    QtDatePropertyManager dates;
    const QDate before = QDate::currentDate();
    QtProperty *p = dates.addProperty("D");
    QVERIFY(dates.value(p) >= before && dates.value(p) <= QDate::currentDate());
    QCOMPARE(dates.minimum(p), QDate(1752, 9, 14));
    QCOMPARE(dates.maximum(p), QDate(9999, 12, 31));
    dates.setValue(p, QDate(1700, 1, 1));
    QCOMPARE(dates.value(p), QDate(1752, 9, 14));
}

void TestDateTimeManagers::dateClampsAndReportsInOrder()
{
    QtDatePropertyManager dates;
    QtProperty *p = dates.addProperty("D");
    dates.setValue(p, QDate(2000, 1, 1));
    PropertySignalLog log;
    log.watchStructure(&dates);
    log.watchValue(&dates, &QtDatePropertyManager::valueChanged);
    connect(&dates, &QtDatePropertyManager::rangeChanged, &log,
            [&log](QtProperty *, const QDate &min, const QDate &max) {
                log.lines << "range " + min.toString(Qt::ISODate) + " " + max.toString(Qt::ISODate);
            });
    dates.setMinimum(p, QDate(2010, 5, 5));
    QCOMPARE(log.take(),
             QStringList({"range 2010-05-05 9999-12-31", "changed D", "value D 2010-05-05"}));
    dates.setMinimum(p, QDate(2001, 1, 1));
    QCOMPARE(log.take(), QStringList({"range 2001-01-01 9999-12-31"}));
    dates.setValue(p, QDate(2010, 5, 5));
    QVERIFY(log.lines.isEmpty());
}

void TestDateTimeManagers::dateRange()
{
    QtDatePropertyManager dates;
    QtProperty *p = dates.addProperty("D");
    dates.setRange(p, QDate(2020, 1, 1), QDate(2010, 1, 1));
    QCOMPARE(dates.minimum(p), QDate(2010, 1, 1));
    QCOMPARE(dates.maximum(p), QDate(2020, 1, 1));
    QCOMPARE(dates.value(p), QDate(2020, 1, 1));
    QSignalSpy spy(&dates, &QtDatePropertyManager::rangeChanged);
    dates.setRange(p, QDate(2010, 1, 1), QDate(2020, 1, 1));
    QCOMPARE(spy.count(), 0);
    dates.setMaximum(p, QDate(2000, 1, 1));
    QCOMPARE(dates.minimum(p), QDate(2000, 1, 1));
    QCOMPARE(dates.value(p), QDate(2000, 1, 1));
}

void TestDateTimeManagers::simpleValues()
{
    QtTimePropertyManager times;
    QtDateTimePropertyManager dateTimes;
    QtKeySequencePropertyManager keys;
    QtCharPropertyManager chars;
    QtProperty *time = times.addProperty("T");
    QtProperty *dateTime = dateTimes.addProperty("DT");
    QtProperty *key = keys.addProperty("K");
    QtProperty *character = chars.addProperty("C");
    QVERIFY(times.value(time).isValid());
    QVERIFY(dateTimes.value(dateTime).isValid());
    QVERIFY(keys.value(key).isEmpty());
    QVERIFY(chars.value(character).isNull());

    QSignalSpy timeSpy(&times, &QtTimePropertyManager::valueChanged);
    times.setValue(time, QTime(1, 2, 3));
    times.setValue(time, QTime(1, 2, 3));
    QCOMPARE(timeSpy.count(), 1);
    QSignalSpy keySpy(&keys, &QtKeySequencePropertyManager::valueChanged);
    keys.setValue(key, QKeySequence("Ctrl+S"));
    keys.setValue(key, QKeySequence("Ctrl+S"));
    QCOMPARE(keySpy.count(), 1);
    QSignalSpy charSpy(&chars, &QtCharPropertyManager::valueChanged);
    chars.setValue(character, QChar('A'));
    chars.setValue(character, QChar('A'));
    QCOMPARE(charSpy.count(), 1);
    QCOMPARE(character->valueText(), QString("A"));
    chars.setValue(character, QChar());
    QCOMPARE(character->valueText(), QString());
}

void TestDateTimeManagers::texts()
{
    QtDatePropertyManager dates;
    QtTimePropertyManager times;
    QtDateTimePropertyManager dateTimes;
    QtKeySequencePropertyManager keys;
    QtProperty *date = dates.addProperty("D");
    QtProperty *time = times.addProperty("T");
    QtProperty *dateTime = dateTimes.addProperty("DT");
    QtProperty *key = keys.addProperty("K");
    dates.setValue(date, QDate(2021, 3, 4));
    times.setValue(time, QTime(5, 6, 7));
    dateTimes.setValue(dateTime, QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7)));
    keys.setValue(key, QKeySequence("Ctrl+S"));
    QCOMPARE(date->valueText(), QDate(2021, 3, 4).toString(QtPropertyBrowserUtils::dateFormat()));
    QCOMPARE(time->valueText(), QTime(5, 6, 7).toString(QtPropertyBrowserUtils::timeFormat()));
    QCOMPARE(dateTime->valueText(),
             QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7))
                 .toString(QtPropertyBrowserUtils::dateTimeFormat()));
    QCOMPARE(key->valueText(), QKeySequence("Ctrl+S").toString(QKeySequence::NativeText));
}

void TestDateTimeManagers::formats()
{
    QCOMPARE(QtPropertyBrowserUtils::dateTimeFormat(),
             QtPropertyBrowserUtils::dateFormat() + " " + QtPropertyBrowserUtils::timeFormat());
    // The formats are taken when a manager is made; a later default locale does not reach it.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QtDatePropertyManager dates;
    QtProperty *date = dates.addProperty("D");
    dates.setValue(date, QDate(2021, 3, 4));
    const QString text = date->valueText();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(date->valueText(), text);
    QCOMPARE(text, QString("3/4/21"));
    QLocale::setDefault(saved);
}

void TestDateTimeManagers::foreignProperties()
{
    QtDatePropertyManager dates;
    QtTimePropertyManager times;
    QtCharPropertyManager chars;
    QtIntPropertyManager ints;
    QtProperty *foreign = ints.addProperty("I");
    QVERIFY(dates.value(foreign).isNull());
    QVERIFY(dates.minimum(foreign).isNull());
    QVERIFY(times.value(foreign).isNull());
    QVERIFY(chars.value(foreign).isNull());
    dates.setValue(foreign, QDate(2000, 1, 1));
    QCOMPARE(ints.value(foreign), 0);
}

QTEST_MAIN(TestDateTimeManagers)
#include "tst_datetimemanagers.moc"
