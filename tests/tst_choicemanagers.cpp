#include "propertysignallog.h"
#include "qtboolpropertymanager.h"
#include "qtcursordatabase.h"
#include "qtcursorpropertymanager.h"
#include "qtenumpropertymanager.h"
#include "qtflagpropertymanager.h"
#include "qtfontpropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtlocalepropertymanager.h"
#include "qtmetaenumprovider.h"
#include "qtsizepolicypropertymanager.h"

#include <QBitmap>
#include <QFontDatabase>
#include <QtTest>

// Flag sets, size policies, locales, cursors and fonts: the managers whose rows are choices
// and switches.
class TestChoiceManagers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }
    void flagNamesMakeSwitches();
    void flagValueAndSwitches();
    void flagBitsStayAfterASwitchIsRemoved();
    void flagNamesBeyondTheBitsAreRefused();
    void flagNamingInterruptedBySlots();
    void sizePolicyRows();
    void sizePolicyEdits();
    void languageAndCountryLists();
    void localePositions();
    void localeLanguageChoice();
    void localeSetValueReportsOnce();
    void cursorDatabaseTable();
    void cursorIconsAreCompiledIn();
    void cursorValues();
    void fontRows();
    void fontSetValueAndEdits();
    void fontListRefresh();
};

void TestChoiceManagers::flagNamesMakeSwitches()
{
    QtFlagPropertyManager flags;
    QtProperty *p = flags.addProperty("F");
    QCOMPARE(flags.value(p), -1);
    PropertySignalLog log;
    log.watchStructure(&flags);
    log.watchValue(&flags, &QtFlagPropertyManager::valueChanged);
    flags.setFlagNames(p, {"P", "Q", "R"});
    QCOMPARE(log.lines.filter("inserted").size(), 3);
    QCOMPARE(log.lines.mid(log.lines.size() - 2), QStringList({"changed F", "value F 0"}));
    QStringList names;
    for (QtProperty *sub : p->subProperties()) {
        names << sub->propertyName();
        QCOMPARE(flags.subBoolPropertyManager()->value(sub), false);
    }
    QCOMPARE(names, QStringList({"P", "Q", "R"}));
    QCOMPARE(flags.value(p), 0);
    QCOMPARE(p->valueText(), QString());

    // New names replace the switches.
    flags.setValue(p, 3);
    flags.setFlagNames(p, {"A", "B"});
    QCOMPARE(p->subProperties().size(), 2);
    QCOMPARE(flags.value(p), 0);
    log.take();
    flags.setFlagNames(p, {"A", "B"});
    QVERIFY(log.lines.isEmpty());
}

void TestChoiceManagers::flagValueAndSwitches()
{
    QtFlagPropertyManager flags;
    QtProperty *p = flags.addProperty("F");
    flags.setFlagNames(p, {"P", "Q", "R"});
    flags.setValue(p, 5);
    QCOMPARE(p->valueText(), QString("P|R"));
    QtBoolPropertyManager *bools = flags.subBoolPropertyManager();
    QCOMPARE(bools->value(p->subProperties().at(0)), true);
    QCOMPARE(bools->value(p->subProperties().at(1)), false);
    flags.setValue(p, 8);
    flags.setValue(p, -1);
    QCOMPARE(flags.value(p), 5);
    bools->setValue(p->subProperties().at(1), true);
    QCOMPARE(flags.value(p), 7);
}

void TestChoiceManagers::flagBitsStayAfterASwitchIsRemoved()
{
    QtFlagPropertyManager flags;
    QtProperty *p = flags.addProperty("F");
    flags.setFlagNames(p, {"P", "Q", "R"});
    flags.setValue(p, 7);
    const QList<QtProperty *> switches = p->subProperties();
    delete switches.at(1);
    QCOMPARE(p->subProperties().size(), 2);
    flags.subBoolPropertyManager()->setValue(switches.at(2), false);
    QCOMPARE(flags.value(p), 3);
    flags.setValue(p, 6);
    QCOMPARE(flags.subBoolPropertyManager()->value(switches.at(2)), true);
    QCOMPARE(flags.subBoolPropertyManager()->value(switches.at(0)), false);
}

void TestChoiceManagers::flagNamesBeyondTheBitsAreRefused()
{
    QtFlagPropertyManager flags;
    QtProperty *p = flags.addProperty("F");
    QStringList names;
    for (int i = 0; i < 32; ++i)
        names << QString("F%1").arg(i);
    flags.setFlagNames(p, names);
    QVERIFY(flags.flagNames(p).isEmpty());
    names.removeLast();
    flags.setFlagNames(p, names);
    QCOMPARE(flags.flagNames(p).size(), 31);
    flags.setValue(p, std::numeric_limits<int>::max());
    QCOMPARE(flags.value(p), std::numeric_limits<int>::max());
    QCOMPARE(flags.subBoolPropertyManager()->value(p->subProperties().last()), true);
    flags.subBoolPropertyManager()->setValue(p->subProperties().last(), false);
    QCOMPARE(flags.value(p), (1 << 30) - 1);
}

void TestChoiceManagers::flagNamingInterruptedBySlots()
{
    QtFlagPropertyManager flags;
    QtProperty *p = flags.addProperty("F");
    flags.setFlagNames(p, {"P", "Q", "R"});
    // A slot that names the row anew while the old switches are deleted: its names stay.
    bool once = true;
    connect(&flags, &QtAbstractPropertyManager::propertyRemoved, this, [&]() {
        if (once) {
            once = false;
            flags.setFlagNames(p, {"X", "Y"});
        }
    });
    flags.setFlagNames(p, {"A", "B", "C", "D"});
    QStringList names;
    for (QtProperty *sub : p->subProperties())
        names << sub->propertyName();
    QCOMPARE(names, QStringList({"X", "Y"}));
    QCOMPARE(flags.flagNames(p), QStringList({"X", "Y"}));

    // A slot that clears the manager while the switches are made.
    QtProperty *q = flags.addProperty("G");
    connect(&flags, &QtAbstractPropertyManager::propertyInserted, this,
            [&flags]() { flags.clear(); });
    QSignalSpy spy(&flags, &QtFlagPropertyManager::flagNamesChanged);
    flags.setFlagNames(q, {"M", "N"});
    QVERIFY(!flags.ownsProperty(q));
    QCOMPARE(spy.count(), 0);
}

void TestChoiceManagers::sizePolicyRows()
{
    QtSizePolicyPropertyManager policies;
    QtProperty *p = policies.addProperty("SP");
    const QList<QtProperty *> rows = p->subProperties();
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(0)->propertyName(), QString("Horizontal Policy"));
    QCOMPARE(rows.at(3)->propertyName(), QString("Vertical Stretch"));
    const QStringList names = metaEnumProvider()->policyEnumNames();
    QVERIFY(names.contains("Expanding"));
    QCOMPARE(policies.subEnumPropertyManager()->enumNames(rows.at(0)), names);
    QCOMPARE(policies.subIntPropertyManager()->maximum(rows.at(2)), 255);
    QCOMPARE(policies.subIntPropertyManager()->minimum(rows.at(3)), 0);
    const QString fixed = names.at(metaEnumProvider()->sizePolicyToIndex(QSizePolicy::Fixed));
    policies.setValue(p, QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    QCOMPARE(p->valueText(), QString("[%1, %1, 0, 0]").arg(fixed));
}

void TestChoiceManagers::sizePolicyEdits()
{
    QtSizePolicyPropertyManager policies;
    QtProperty *p = policies.addProperty("SP");
    const QList<QtProperty *> rows = p->subProperties();
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QSignalSpy values(&policies, &QtSizePolicyPropertyManager::valueChanged);
    policies.setValue(p, policy);
    QCOMPARE(values.count(), 1);
    policies.setValue(p, policy);
    QCOMPARE(values.count(), 1);
    policy.setHorizontalStretch(3);
    policies.setValue(p, policy);
    QCOMPARE(values.count(), 2);
    QCOMPARE(policies.subIntPropertyManager()->value(rows.at(2)), 3);

    policies.subIntPropertyManager()->setValue(rows.at(3), 300);
    QCOMPARE(policies.value(p).verticalStretch(), 255);
    const int fixed = metaEnumProvider()->sizePolicyToIndex(QSizePolicy::Fixed);
    policies.subEnumPropertyManager()->setValue(rows.at(1), fixed);
    QCOMPARE(policies.value(p).verticalPolicy(), QSizePolicy::Fixed);
}

void TestChoiceManagers::languageAndCountryLists()
{
    const QtMetaEnumProvider *provider = metaEnumProvider();
    const QStringList languages = provider->languageEnumNames();
    QVERIFY(languages.size() > 50);
    QStringList sorted = languages;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(languages, sorted);
    QSet<int> codes;
    for (int i = 0; i < languages.size(); ++i) {
        QLocale::Language language = QLocale::C;
        provider->indexToLocale(i, 0, &language, nullptr);
        QVERIFY2(!codes.contains(language), qPrintable(languages.at(i)));
        codes.insert(language);
        const QStringList countries = provider->countryEnumNamesForLanguage(language);
        QVERIFY2(!countries.isEmpty(), qPrintable(languages.at(i)));
        QStringList sortedCountries = countries;
        std::sort(sortedCountries.begin(), sortedCountries.end());
        QCOMPARE(countries, sortedCountries);
    }
    QVERIFY(languages.contains(QLocale::languageToString(QLocale::German)));
    QVERIFY(provider->countryEnumNamesForLanguage(QLocale::German)
                .contains(QLocale::countryToString(QLocale::Austria)));
    QVERIFY(provider->countryEnumNamesForLanguage(QLocale::AnyLanguage).isEmpty());
}

void TestChoiceManagers::localePositions()
{
    const QtMetaEnumProvider *provider = metaEnumProvider();
    QLocale::Language language = QLocale::German;
    QLocale::Country country = QLocale::Germany;
    provider->indexToLocale(100000, 0, &language, &country);
    QCOMPARE(language, QLocale::C);
    QCOMPARE(country, QLocale::AnyCountry);
    int german = -1;
    int austria = -1;
    provider->localeToIndex(QLocale::German, QLocale::Austria, &german, &austria);
    QVERIFY(german >= 0 && austria >= 0);
    provider->indexToLocale(german, austria, &language, &country);
    QCOMPARE(language, QLocale::German);
    QCOMPARE(country, QLocale::Austria);
    provider->indexToLocale(german, 10000, &language, &country);
    QCOMPARE(language, QLocale::German);
    QCOMPARE(country, QLocale::AnyCountry);
    int countryIndex = 0;
    provider->localeToIndex(QLocale::German, QLocale::Japan, nullptr, &countryIndex);
    QCOMPARE(countryIndex, -1);
}

void TestChoiceManagers::localeLanguageChoice()
{
    QtLocalePropertyManager locales;
    QtProperty *p = locales.addProperty("L");
    locales.setValue(p, QLocale(QLocale::German, QLocale::Switzerland));
    QCOMPARE(p->valueText(),
             QLocale::languageToString(QLocale::German) + ", "
                 + QLocale::countryToString(QLocale::Switzerland));
    QtEnumPropertyManager *enums = locales.subEnumPropertyManager();
    QtProperty *languageRow = p->subProperties().at(0);
    QtProperty *countryRow = p->subProperties().at(1);
    int french = -1;
    metaEnumProvider()->localeToIndex(QLocale::French, QLocale::AnyCountry, &french, nullptr);
    enums->setValue(languageRow, french);
    // French is spoken in Switzerland: the country stays.
    QCOMPARE(locales.value(p).language(), QLocale::French);
    QCOMPARE(locales.value(p).country(), QLocale::Switzerland);
    QCOMPARE(enums->enumNames(countryRow),
             metaEnumProvider()->countryEnumNamesForLanguage(QLocale::French));
    QCOMPARE(countryRow->valueText(), QLocale::countryToString(QLocale::Switzerland));
}

void TestChoiceManagers::localeSetValueReportsOnce()
{
    QtLocalePropertyManager locales;
    QtProperty *p = locales.addProperty("L");
    QSignalSpy values(&locales, &QtLocalePropertyManager::valueChanged);
    const QLocale wanted(QLocale::Spanish, QLocale::Mexico);
    locales.setValue(p, wanted);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.last().at(1).value<QLocale>(), wanted);
    QCOMPARE(locales.value(p), wanted);
    QCOMPARE(p->subProperties().at(1)->valueText(), QLocale::countryToString(QLocale::Mexico));
}

void TestChoiceManagers::cursorDatabaseTable()
{
    QtCursorDatabase database;
    QCOMPARE(database.cursorShapeNames().size(), 19);
    QCOMPARE(database.cursorShapeNames().at(7), QString("Size Backslash"));
    QCOMPARE(database.cursorToValue(QCursor(Qt::SizeFDiagCursor)), 7);
    QCOMPARE(database.valueToCursor(7).shape(), Qt::SizeFDiagCursor);
    QCOMPARE(database.cursorToValue(QCursor(Qt::SizeBDiagCursor)), 8);
    QCOMPARE(database.cursorToValue(QCursor(Qt::OpenHandCursor)), 15);
    QCOMPARE(database.cursorToValue(QCursor(Qt::BusyCursor)), 18);
    QCOMPARE(database.valueToCursor(19).shape(), Qt::ArrowCursor);
    QBitmap bitmap(8, 8);
    bitmap.clear();
    const QCursor bitmapCursor(bitmap, bitmap);
    QCOMPARE(database.cursorToShapeName(bitmapCursor), QString());
    QVERIFY(database.cursorToShapeIcon(bitmapCursor).isNull());
    QVERIFY(database.cursorToShapeIcon(QCursor(Qt::BlankCursor)).isNull());
}

void TestChoiceManagers::cursorIconsAreCompiledIn()
{
    const QStringList shapes {"arrow", "uparrow",   "cross",    "wait",       "ibeam",     "sizev",
                              "sizeh", "sizef",     "sizeb",    "sizeall",    "vsplit",    "hsplit",
                              "hand",  "forbidden", "openhand", "closedhand", "whatsthis", "busy"};
    for (const QString &shape : shapes) {
        const QImage image(":/qtpropertybrowser/images/cursor-" + shape + ".png");
        QVERIFY2(!image.isNull(), qPrintable(shape));
        int size = 25;
        if (shape.endsWith("hand") && shape != "hand")
            size = 16;
        else if (shape == "whatsthis" || shape == "busy")
            size = 32;
        QCOMPARE(image.size(), QSize(size, size));
    }
    QtCursorDatabase database;
    const QMap<int, QIcon> icons = database.cursorShapeIcons();
    for (int value = 0; value < 19; ++value)
        QCOMPARE(icons.value(value).isNull(), value == 10);
    QVERIFY(!icons.value(0).pixmap(25, 25).isNull());
}

void TestChoiceManagers::cursorValues()
{
    QtCursorPropertyManager cursors;
    QtProperty *p = cursors.addProperty("C");
    QCOMPARE(cursors.value(p).shape(), Qt::ArrowCursor);
    QCOMPARE(p->valueText(), QString("Arrow"));
    QSignalSpy values(&cursors, &QtCursorPropertyManager::valueChanged);
    cursors.setValue(p, QCursor(Qt::ArrowCursor));
    QCOMPARE(values.count(), 0);
    cursors.setValue(p, QCursor(Qt::WaitCursor));
    QCOMPARE(p->valueText(), QString("Wait"));
    QVERIFY(!p->valueIcon().isNull());
    QBitmap bitmap(8, 8);
    bitmap.clear();
    cursors.setValue(p, QCursor(bitmap, bitmap));
    cursors.setValue(p, QCursor(bitmap, bitmap));
    QCOMPARE(values.count(), 3);
    QCOMPARE(p->valueText(), QString());
}

void TestChoiceManagers::fontRows()
{
    QtFontPropertyManager fonts;
    QtProperty *p = fonts.addProperty("F");
    QStringList names;
    for (QtProperty *sub : p->subProperties())
        names << sub->propertyName();
    QCOMPARE(names,
             QStringList(
                 {"Family", "Point Size", "Bold", "Italic", "Underline", "Strikeout", "Kerning"}));
    QtProperty *size = p->subProperties().at(1);
    QCOMPARE(fonts.subIntPropertyManager()->minimum(size), 1);
    QFont pixelFont;
    pixelFont.setPixelSize(12);
    fonts.setValue(p, pixelFont);
    QCOMPARE(fonts.subIntPropertyManager()->value(size), 1);
    QCOMPARE(p->valueText(), QString("[%1, %2]").arg(pixelFont.family()).arg(-1));
}

void TestChoiceManagers::fontSetValueAndEdits()
{
    QtFontPropertyManager fonts;
    QtProperty *p = fonts.addProperty("F");
    const QStringList families = QFontDatabase().families();
    QVERIFY(!families.isEmpty());
    QFont font(families.last(), 17);
    QSignalSpy values(&fonts, &QtFontPropertyManager::valueChanged);
    QSignalSpy changed(&fonts, &QtAbstractPropertyManager::propertyChanged);
    fonts.setValue(p, font);
    QCOMPARE(values.count(), 1);
    QCOMPARE(changed.count(), 1);
    const QList<QtProperty *> rows = p->subProperties();
    QCOMPARE(fonts.subEnumPropertyManager()->value(rows.at(0)), families.size() - 1);
    QCOMPARE(fonts.subIntPropertyManager()->value(rows.at(1)), 17);

    fonts.subBoolPropertyManager()->setValue(rows.at(2), true);
    QCOMPARE(fonts.value(p).weight(), int(QFont::Bold));
    fonts.subBoolPropertyManager()->setValue(rows.at(6), false);
    QCOMPARE(fonts.value(p).kerning(), false);
    fonts.subIntPropertyManager()->setValue(rows.at(1), 9);
    QCOMPARE(fonts.value(p).pointSize(), 9);
    fonts.subEnumPropertyManager()->setValue(rows.at(0), 0);
    QCOMPARE(fonts.value(p).family(), families.first());

    QFont missing("No Such Family Anywhere", 10);
    fonts.setValue(p, missing);
    QCOMPARE(fonts.subEnumPropertyManager()->value(rows.at(0)), 0);
    QCOMPARE(fonts.value(p).family(), missing.family());
}

void TestChoiceManagers::fontListRefresh()
{
    QtFontPropertyManager fonts;
    QtProperty *p = fonts.addProperty("F");
    const QStringList families = QFontDatabase().families();
    fonts.setValue(p, QFont(families.last(), 11));
    QSignalSpy values(&fonts, &QtFontPropertyManager::valueChanged);
    // Two reports in one pass of the event loop lead to one refresh, after it.
    emit qApp->fontDatabaseChanged();
    emit qApp->fontDatabaseChanged();
    QCoreApplication::processEvents();
    // The family is still installed, so the font keeps it and nothing is reported.
    QCOMPARE(values.count(), 0);
    QCOMPARE(fonts.value(p).family(), families.last());
    QCOMPARE(fonts.subEnumPropertyManager()->value(p->subProperties().at(0)), families.size() - 1);
}

QTEST_MAIN(TestChoiceManagers)
#include "tst_choicemanagers.moc"
