#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"
#include "qtlineeditfactory.h"
#include "qtspinboxfactory.h"
#include "qtstringpropertymanager.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRegExpValidator>
#include <QSpinBox>
#include <QtTest>

// The stock factories keep their open editors in step with the managers.
class TestEditorFactories : public QObject
{
    Q_OBJECT
private slots:
    void variantFactoryServesTheTypedManagers();
    void deletingAFactoryDeletesItsEditors();
    void lineEditValidatorFollowsThePattern();
    void newEnumNamesRefillOpenEditors();
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

QTEST_MAIN(TestEditorFactories)
#include "tst_editorfactories.moc"
