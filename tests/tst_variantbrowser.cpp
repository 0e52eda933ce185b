#include "qtbooledit.h"
#include "qtcharedit.h"
#include "qtfonteditwidget.h"
#include "qttreepropertybrowser.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Every type of the variant manager as a top-level row of a tree browser, with an editor
// factory bound, as the main window sets up its sheet.
struct EveryTypeSheet
{
    QtTreePropertyBrowser browser;
    QtVariantPropertyManager *manager;
    QtVariantEditorFactory *factory;
    QMap<QString, QtVariantProperty *> rows;

    EveryTypeSheet()
    {
        browser.resize(520, 900);
        manager = new QtVariantPropertyManager(&browser);
        factory = new QtVariantEditorFactory(&browser);
        browser.setFactoryForManager(manager, factory);
        browser.setResizeMode(QtTreePropertyBrowser::Interactive);
        browser.setSplitterPosition(190);

        add(QMetaType::Int, "int", 7);
        add(QMetaType::Double, "double", 2.5);
        add(QMetaType::Bool, "bool", true);
        add(QMetaType::QString, "string", "text");
        add(QMetaType::QDate, "date", QDate(2024, 2, 29));
        add(QMetaType::QTime, "time", QTime(13, 45, 10));
        add(QMetaType::QDateTime, "date-time", QDateTime(QDate(2024, 2, 29), QTime(13, 45)));
        add(QMetaType::QKeySequence, "key sequence", QKeySequence("Ctrl+Shift+S"));
        add(QMetaType::QChar, "char", QChar('Q'));
        add(QMetaType::QLocale, "locale", QLocale(QLocale::French, QLocale::Canada));
        add(QMetaType::QPoint, "point", QPoint(3, -4));
        add(QMetaType::QPointF, "point F", QPointF(1.25, 2.5));
        add(QMetaType::QSize, "size", QSize(640, 480));
        add(QMetaType::QSizeF, "size F", QSizeF(1.5, 2));
        add(QMetaType::QRect, "rect", QRect(10, 20, 30, 40));
        add(QMetaType::QRectF, "rect F", QRectF(0.5, 1, 2, 3));
        add(QMetaType::QColor, "colour", QColor(40, 120, 200));
        QtVariantProperty *choice = add(QtVariantPropertyManager::enumTypeId(), "choice");
        manager->setAttribute(choice, "enumNames", QStringList({"left", "centre", "right"}));
        choice->setValue(1);
        add(QMetaType::QSizePolicy, "size policy",
            QVariant::fromValue(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)));
        add(QMetaType::QFont, "font", QFont(QFont().family(), 11));
        add(QMetaType::QCursor, "cursor", QCursor(Qt::PointingHandCursor));
        QtVariantProperty *flags = add(QtVariantPropertyManager::flagTypeId(), "flags");
        manager->setAttribute(flags, "flagNames", QStringList({"bold", "italic", "wide"}));
        flags->setValue(5);
        QtVariantProperty *group = add(QtVariantPropertyManager::groupTypeId(), "group");
        group->addSubProperty(manager->addProperty(QMetaType::Int, "inside"));
    }

    QtVariantProperty *add(int type, const QString &name, const QVariant &value = QVariant())
    {
        QtVariantProperty *p = manager->addProperty(type, name);
        if (value.isValid())
            p->setValue(value);
        browser.addProperty(p);
        rows[name] = p;
        return p;
    }

    QTreeWidget *tree() { return browser.findChild<QTreeWidget *>(); }

    // The tree row of a top-level row, or of its sub-row of that name.
    QTreeWidgetItem *treeRow(const QString &name, const QString &sub = QString())
    {
        const QList<QTreeWidgetItem *> items =
            tree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive, 0);
        for (QTreeWidgetItem *item : items) {
            if (item->parent())
                continue;
            if (sub.isEmpty())
                return item;
            for (int i = 0; i < item->childCount(); ++i) {
                if (item->child(i)->text(0) == sub)
                    return item->child(i);
            }
        }
        return nullptr;
    }

    QWidget *openEditor()
    {
        flushDeletes();
        const QList<QWidget *> children =
            tree()->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            if (child->isVisible())
                return child;
        }
        return nullptr;
    }

    // Clicks the value cell of the row and returns the editor that opened, or null.
    QWidget *clickValue(QTreeWidgetItem *row)
    {
        if (!row)
            return nullptr;
        tree()->scrollToItem(row);
        const QRect rect = tree()->visualItemRect(row);
        const int x = tree()->header()->sectionViewportPosition(1) + 60;
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(x, rect.center().y()));
        return openEditor();
    }
};
} // namespace

class TestVariantBrowser : public QObject
{
    Q_OBJECT
private slots:
    void everyTypeHasItsRowsAndTexts();
    void editorOfEveryRow_data();
    void editorOfEveryRow();
    void editsReachTheRows();
};

void TestVariantBrowser::everyTypeHasItsRowsAndTexts()
{
    EveryTypeSheet sheet;
    sheet.browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.browser));
    QCOMPARE(sheet.tree()->topLevelItemCount(), 23);
    const QMap<QString, QStringList> subRows {
        {"locale", {"Language", "Country"}},
        {"point", {"X", "Y"}},
        {"size F", {"Width", "Height"}},
        {"rect", {"X", "Y", "Width", "Height"}},
        {"colour", {"Red", "Green", "Blue", "Alpha"}},
        {"size policy",
         {"Horizontal Policy", "Vertical Policy", "Horizontal Stretch", "Vertical Stretch"}},
        {"font", {"Family", "Point Size", "Bold", "Italic", "Underline", "Strikeout", "Kerning"}},
        {"flags", {"bold", "italic", "wide"}},
        {"int", {}},
        {"cursor", {}},
    };
    for (auto it = subRows.cbegin(); it != subRows.cend(); ++it) {
        QTreeWidgetItem *row = sheet.treeRow(it.key());
        QVERIFY2(row, qPrintable(it.key()));
        QStringList names;
        for (int i = 0; i < row->childCount(); ++i)
            names << row->child(i)->text(0);
        QCOMPARE(names, it.value());
    }
    QCOMPARE(sheet.treeRow("point")->text(1), QString("(3, -4)"));
    QCOMPARE(sheet.treeRow("rect")->text(1), QString("[(10, 20), 30 x 40]"));
    QCOMPARE(sheet.treeRow("size F")->text(1), QString("1.50 x 2.00"));
    QCOMPARE(sheet.treeRow("flags")->text(1), QString("bold|wide"));
    QCOMPARE(sheet.treeRow("cursor")->text(1), QString("Pointing Hand"));
    QCOMPARE(sheet.treeRow("char")->text(1), QString("Q"));
    QCOMPARE(sheet.treeRow("flags", "wide")->text(1), QString("True"));
    // Switches made while the row is shown read their value at once.
    QCOMPARE(sheet.treeRow("flags", "italic")->text(1), QString("False"));
    QVERIFY(!sheet.treeRow("cursor")->icon(1).isNull());
    QVERIFY(!sheet.treeRow("font")->icon(1).isNull());

    sheet.browser.grab().save("everytype.png");
    sheet.tree()->scrollToBottom();
    sheet.clickValue(sheet.treeRow("cursor"));
    sheet.browser.grab().save("everytype-end.png");
}

void TestVariantBrowser::editorOfEveryRow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("editor");
    QTest::newRow("int") << "int" << QString() << "QSpinBox";
    QTest::newRow("double") << "double" << QString() << "QDoubleSpinBox";
    QTest::newRow("bool") << "bool" << QString() << "QtBoolEdit";
    QTest::newRow("string") << "string" << QString() << "QLineEdit";
    QTest::newRow("date") << "date" << QString() << "QDateEdit";
    QTest::newRow("time") << "time" << QString() << "QTimeEdit";
    QTest::newRow("date-time") << "date-time" << QString() << "QDateTimeEdit";
    QTest::newRow("key sequence") << "key sequence" << QString() << "QKeySequenceEdit";
    QTest::newRow("char") << "char" << QString() << "QtCharEdit";
    QTest::newRow("locale") << "locale" << QString() << "";
    QTest::newRow("locale language") << "locale"
                                     << "Language"
                                     << "QComboBox";
    QTest::newRow("point") << "point" << QString() << "";
    QTest::newRow("point X") << "point"
                             << "X"
                             << "QSpinBox";
    QTest::newRow("point F Y") << "point F"
                               << "Y"
                               << "QDoubleSpinBox";
    QTest::newRow("size") << "size" << QString() << "";
    QTest::newRow("size F width") << "size F"
                                  << "Width"
                                  << "QDoubleSpinBox";
    QTest::newRow("rect") << "rect" << QString() << "";
    QTest::newRow("rect height") << "rect"
                                 << "Height"
                                 << "QSpinBox";
    QTest::newRow("rect F x") << "rect F"
                              << "X"
                              << "QDoubleSpinBox";
    QTest::newRow("colour") << "colour" << QString() << "QtColorEditWidget";
    QTest::newRow("colour red") << "colour"
                                << "Red"
                                << "QSpinBox";
    QTest::newRow("choice") << "choice" << QString() << "QComboBox";
    QTest::newRow("size policy") << "size policy" << QString() << "";
    QTest::newRow("size policy vertical") << "size policy"
                                          << "Vertical Policy"
                                          << "QComboBox";
    QTest::newRow("size policy stretch") << "size policy"
                                         << "Horizontal Stretch"
                                         << "QSpinBox";
    QTest::newRow("font") << "font" << QString() << "QtFontEditWidget";
    QTest::newRow("font family") << "font"
                                 << "Family"
                                 << "QComboBox";
    QTest::newRow("font size") << "font"
                               << "Point Size"
                               << "QSpinBox";
    QTest::newRow("font bold") << "font"
                               << "Bold"
                               << "QtBoolEdit";
    QTest::newRow("cursor") << "cursor" << QString() << "QComboBox";
    QTest::newRow("flags") << "flags" << QString() << "";
    QTest::newRow("flag switch") << "flags"
                                 << "italic"
                                 << "QtBoolEdit";
    QTest::newRow("group") << "group" << QString() << "";
}

void TestVariantBrowser::editorOfEveryRow()
{
    QFETCH(QString, row);
    QFETCH(QString, sub);
    QFETCH(QString, editor);
    EveryTypeSheet sheet;
    sheet.browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.browser));
    QTreeWidgetItem *item = sheet.treeRow(row, sub);
    QVERIFY(item);
    QWidget *opened = sheet.clickValue(item);
    if (editor.isEmpty())
        QVERIFY(!opened);
    else
        QCOMPARE(QString(opened ? opened->metaObject()->className() : "none"), editor);
}

void TestVariantBrowser::editsReachTheRows()
{
    EveryTypeSheet sheet;
    sheet.browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.browser));
    QList<QPair<QString, QVariant>> reports;
    QObject::connect(sheet.manager, &QtVariantPropertyManager::valueChanged, &sheet.browser,
                     [&reports](QtProperty *p, const QVariant &v) {
                         reports << qMakePair(p->propertyName(), v);
                     });

    auto *rectHeight = qobject_cast<QSpinBox *>(sheet.clickValue(sheet.treeRow("rect", "Height")));
    QVERIFY(rectHeight);
    rectHeight->setValue(55);
    QCOMPARE(sheet.rows["rect"]->value().toRect(), QRect(10, 20, 30, 55));
    QCOMPARE(reports.first().first, QString("rect"));
    QCOMPARE(sheet.treeRow("rect")->text(1), QString("[(10, 20), 30 x 55]"));

    auto *date = qobject_cast<QDateEdit *>(sheet.clickValue(sheet.treeRow("date")));
    QVERIFY(date);
    date->setDate(QDate(2025, 1, 2));
    QCOMPARE(sheet.rows["date"]->value().toDate(), QDate(2025, 1, 2));

    auto *character = qobject_cast<QtCharEdit *>(sheet.clickValue(sheet.treeRow("char")));
    QVERIFY(character);
    QTest::keyClick(character, Qt::Key_Z, Qt::NoModifier);
    QCOMPARE(sheet.rows["char"]->value().toChar(), QChar('z'));

    auto *cursor = qobject_cast<QComboBox *>(sheet.clickValue(sheet.treeRow("cursor")));
    QVERIFY(cursor);
    QCOMPARE(cursor->count(), 19);
    QCOMPARE(cursor->currentText(), QString("Pointing Hand"));
    cursor->setCurrentIndex(3);
    QCOMPARE(sheet.rows["cursor"]->value().value<QCursor>().shape(), Qt::WaitCursor);

    // The click that opens a flag's tick box ticks it; the next one unticks it.
    auto *wide = qobject_cast<QtBoolEdit *>(sheet.clickValue(sheet.treeRow("flags", "italic")));
    QVERIFY(wide);
    QCOMPARE(sheet.rows["flags"]->value().toInt(), 7);
    QTest::mouseClick(wide, Qt::LeftButton);
    QCOMPARE(sheet.rows["flags"]->value().toInt(), 5);

    auto *language =
        qobject_cast<QComboBox *>(sheet.clickValue(sheet.treeRow("locale", "Language")));
    QVERIFY(language);
    language->setCurrentText(QLocale::languageToString(QLocale::English));
    QCOMPARE(sheet.rows["locale"]->value().toLocale().language(), QLocale::English);
    QCOMPARE(sheet.rows["locale"]->value().toLocale().country(), QLocale::Canada);

    auto *keys = qobject_cast<QKeySequenceEdit *>(sheet.clickValue(sheet.treeRow("key sequence")));
    QVERIFY(keys);
    keys->setKeySequence(QKeySequence("Alt+F4"));
    QCOMPARE(sheet.rows["key sequence"]->value().value<QKeySequence>(), QKeySequence("Alt+F4"));
}

QTEST_MAIN(TestVariantBrowser)
#include "tst_variantbrowser.moc"
