#include "qtcharedit.h"
#include "qtchareditorfactory.h"
#include "qtcheckboxfactory.h"
#include "qtcoloreditorfactory.h"
#include "qtcursoreditorfactory.h"
#include "qtdateeditfactory.h"
#include "qtdatetimeeditfactory.h"
#include "qtdoublespinboxfactory.h"
#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"
#include "qtfonteditorfactory.h"
#include "qtfonteditwidget.h"
#include "qtkeysequenceeditorfactory.h"
#include "qtlineeditfactory.h"
#include "qtspinboxfactory.h"
#include "qtstringpropertymanager.h"
#include "qttimeeditfactory.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QRegExpValidator>
#include <QSpinBox>
#include <QtTest>
#include <type_traits>

// The stock factories keep their open editors in step with the managers.
class TestEditorFactories : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QtProperty *>("QtProperty*"); }
    void variantFactoryServesTheTypedManagers();
    void deletingAFactoryDeletesItsEditors();
    void lineEditValidatorFollowsThePattern();
    void newEnumNamesRefillOpenEditors();
    void servedManagerCounts();
    void dateEditorFollowsTheRange();
    void cursorListsShareOneChoiceRow();
    void charAndFontEditorsWriteBack();
};

void TestEditorFactories::variantFactoryServesTheTypedManagers()
{
    QtVariantPropertyManager manager;
    QtVariantEditorFactory factory;
    factory.addPropertyManager(&manager);
    factory.addPropertyManager(&manager);
    QtVariantProperty *colour = manager.addProperty(QMetaType::QColor, "C");
    QtProperty *red = colour->subProperties().at(0);
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(red, nullptr));
    auto *box = qobject_cast<QSpinBox *>(editor.data());
    QVERIFY(box);
    QCOMPARE(box->maximum(), 255);
    box->setValue(200);
    QCOMPARE(colour->value().value<QColor>().red(), 200);
    QVERIFY(!base->createEditor(manager.addProperty(QtVariantPropertyManager::groupTypeId(), "G"),
                                nullptr));

    // After the variant factory stops serving, the stock factories let go as well: the open
    // editor no longer follows the row.
    factory.breakConnection(&manager);
    colour->setValue(QColor(10, 20, 30));
    QCOMPARE(box->value(), 200);
    QVERIFY(!base->createEditor(red, nullptr));
}

void TestEditorFactories::deletingAFactoryDeletesItsEditors()
{
    QtIntPropertyManager manager;
    auto *factory = new QtSpinBoxFactory;
    factory->addPropertyManager(&manager);
    QtAbstractEditorFactoryBase *base = factory;
    QPointer<QWidget> editor = base->createEditor(manager.addProperty("P"), nullptr);
    QVERIFY(editor);
    delete factory;
    QVERIFY(!editor);
}

void TestEditorFactories::lineEditValidatorFollowsThePattern()
{
    QtStringPropertyManager manager;
    QtLineEditFactory factory;
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("S");
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));
    auto *line = qobject_cast<QLineEdit *>(editor.data());
    QPointer<const QValidator> first = line->validator();
    QVERIFY(first);

    manager.setRegExp(p, QRegExp("[0-9"));
    QVERIFY(!line->validator());
    QVERIFY(!first);

    manager.setRegExp(p, QRegExp("[0-9]*"));
    auto *validator = qobject_cast<const QRegExpValidator *>(line->validator());
    QVERIFY(validator);
    QCOMPARE(validator->regExp().pattern(), QString("[0-9]*"));

    manager.setValue(p, "123");
    QCOMPARE(line->text(), QString("123"));
}

void TestEditorFactories::newEnumNamesRefillOpenEditors()
{
    QtEnumPropertyManager manager;
    QtEnumEditorFactory factory;
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("E");
    manager.setEnumNames(p, {"a", "b", "c"});
    manager.setValue(p, 2);
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));
    auto *combo = qobject_cast<QComboBox *>(editor.data());
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentIndex(), 2);

    QList<int> values;
    connect(&manager, &QtEnumPropertyManager::valueChanged,
            [&](QtProperty *, int v) { values << v; });
    manager.setEnumNames(p, {"x", "y"});
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QString("y"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(values, QList<int>({0}));

    combo->setCurrentIndex(1);
    QCOMPARE(manager.value(p), 1);
}

void TestEditorFactories::servedManagerCounts()
{
    QtVariantPropertyManager manager;
    QtVariantEditorFactory factory;
    factory.addPropertyManager(&manager);
    const auto served = [&factory](auto *typed) {
        using Factory = std::remove_pointer_t<decltype(typed)>;
        const QList<Factory *> found =
            factory.findChildren<Factory *>(QString(), Qt::FindDirectChildrenOnly);
        return found.size() == 1 ? found.first()->propertyManagers().size() : -1;
    };
    QCOMPARE(served(static_cast<QtSpinBoxFactory *>(nullptr)), 7);
    QCOMPARE(served(static_cast<QtDoubleSpinBoxFactory *>(nullptr)), 4);
    QCOMPARE(served(static_cast<QtCheckBoxFactory *>(nullptr)), 3);
    QCOMPARE(served(static_cast<QtEnumEditorFactory *>(nullptr)), 4);
    QCOMPARE(served(static_cast<QtLineEditFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtDateEditFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtTimeEditFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtDateTimeEditFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtKeySequenceEditorFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtCharEditorFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtCursorEditorFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtColorEditorFactory *>(nullptr)), 1);
    QCOMPARE(served(static_cast<QtFontEditorFactory *>(nullptr)), 1);

    factory.breakConnection(&manager);
    QCOMPARE(served(static_cast<QtSpinBoxFactory *>(nullptr)), 0);
    QCOMPARE(served(static_cast<QtEnumEditorFactory *>(nullptr)), 0);
    QCOMPARE(served(static_cast<QtFontEditorFactory *>(nullptr)), 0);
}

void TestEditorFactories::dateEditorFollowsTheRange()
{
    QtDatePropertyManager manager;
    QtDateEditFactory factory;
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("D");
    manager.setValue(p, QDate(2020, 6, 1));
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));
    auto *edit = qobject_cast<QDateEdit *>(editor.data());
    QVERIFY(edit);
    QVERIFY(edit->calendarPopup());
    QSignalSpy writes(&manager, &QtDatePropertyManager::valueChanged);
    manager.setMinimum(p, QDate(2021, 1, 1));
    QCOMPARE(edit->minimumDate(), QDate(2021, 1, 1));
    QCOMPARE(edit->date(), QDate(2021, 1, 1));
    QCOMPARE(writes.count(), 1);
    edit->setDate(QDate(2022, 2, 2));
    QCOMPARE(manager.value(p), QDate(2022, 2, 2));
}

void TestEditorFactories::cursorListsShareOneChoiceRow()
{
    QtCursorPropertyManager manager;
    QtCursorEditorFactory factory;
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("C");
    manager.setValue(p, QCursor(Qt::IBeamCursor));
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> first(base->createEditor(p, nullptr));
    QScopedPointer<QWidget> second(base->createEditor(p, nullptr));
    auto *one = qobject_cast<QComboBox *>(first.data());
    auto *two = qobject_cast<QComboBox *>(second.data());
    QVERIFY(one && two);
    QCOMPARE(one->count(), 19);
    QCOMPARE(one->currentText(), QString("IBeam"));
    QVERIFY(!one->itemIcon(0).isNull());

    auto *enums = factory.findChild<QtEnumPropertyManager *>();
    QVERIFY(enums);
    QSignalSpy writes(&manager, &QtCursorPropertyManager::valueChanged);
    one->setCurrentIndex(2);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(manager.value(p).shape(), Qt::CrossCursor);
    QCOMPARE(two->currentIndex(), 2);
    manager.setValue(p, QCursor(Qt::BusyCursor));
    QCOMPARE(one->currentText(), QString("Busy"));
    QCOMPARE(writes.count(), 2);

    QSignalSpy destroyed(enums, &QtAbstractPropertyManager::propertyDestroyed);
    first.reset();
    QCOMPARE(destroyed.count(), 0);
    second.reset();
    QCOMPARE(destroyed.count(), 1);
}

void TestEditorFactories::charAndFontEditorsWriteBack()
{
    QtCharPropertyManager chars;
    QtCharEditorFactory charFactory;
    charFactory.addPropertyManager(&chars);
    QtProperty *c = chars.addProperty("C");
    QtAbstractEditorFactoryBase *charBase = &charFactory;
    QScopedPointer<QWidget> charEditor(charBase->createEditor(c, nullptr));
    auto *charEdit = qobject_cast<QtCharEdit *>(charEditor.data());
    QVERIFY(charEdit);
    QTest::keyClick(charEdit, 'K');
    QCOMPARE(chars.value(c), QChar('K'));
    chars.setValue(c, QChar('m'));
    QCOMPARE(charEdit->value(), QChar('m'));

    QtFontPropertyManager fonts;
    QtFontEditorFactory fontFactory;
    fontFactory.addPropertyManager(&fonts);
    QtProperty *f = fonts.addProperty("F");
    QtAbstractEditorFactoryBase *fontBase = &fontFactory;
    QScopedPointer<QWidget> fontEditor(fontBase->createEditor(f, nullptr));
    auto *fontEdit = qobject_cast<QtFontEditWidget *>(fontEditor.data());
    QVERIFY(fontEdit);
    QFont font = fonts.value(f);
    font.setPointSize(23);
    fonts.setValue(f, font);
    QCOMPARE(fontEdit->value().pointSize(), 23);
}

QTEST_MAIN(TestEditorFactories)
#include "tst_editorfactories.moc"
