#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"
#include "qttreepropertybrowser.h"
#include "qtusertypeone_imagefactory.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QtTest>

// A sheet with a row of each kind the property panel makes, drawn as the user sees it.
class TestPropertySheet : public QObject
{
    Q_OBJECT
private slots:
    void sheetShowsEveryRowKind();
};

void TestPropertySheet::sheetShowsEveryRowKind()
{
    QtTreePropertyBrowser browser;
    browser.resize(420, 470);
    auto *variantManager = new QtVariantPropertyManager(&browser);
    auto *variantFactory = new QtVariantEditorFactory(&browser);
    browser.setFactoryForManager(variantManager, variantFactory);
    auto *imageManager = new QtUserTypeOne_ImageManager(&browser);
    auto *imageFactory = new QtUserTypeOne_ImageFactory(&browser);
    browser.setFactoryForManager(imageManager, imageFactory);
    auto *enumManager = new QtEnumPropertyManager(&browser);
    auto *enumFactory = new QtEnumEditorFactory(&browser);
    browser.setFactoryForManager(enumManager, enumFactory);
    browser.setResizeMode(QtTreePropertyBrowser::ResizeToContents);

    const int group = QtVariantPropertyManager::groupTypeId();
    QtVariantProperty *basic = variantManager->addProperty(group, "基本属性");
    QtVariantProperty *x = variantManager->addProperty(QMetaType::Int, "x");
    x->setValue(120);
    basic->addSubProperty(x);
    QtVariantProperty *name = variantManager->addProperty(QMetaType::QString, "name");
    name->setValue("Btn0");
    basic->addSubProperty(name);
    QtVariantProperty *hidden = variantManager->addProperty(QMetaType::Bool, "hidden");
    hidden->setValue(true);
    basic->addSubProperty(hidden);
    QtProperty *align = enumManager->addProperty("align");
    enumManager->setEnumNames(align, {"left", "centre", "right"});
    enumManager->setValue(align, 1);
    basic->addSubProperty(align);

    QtVariantProperty *look = variantManager->addProperty(group, "背景");
    QtVariantProperty *colour = variantManager->addProperty(QMetaType::QColor, "bgColor");
    colour->setValue(QColor(255, 0, 0));
    look->addSubProperty(colour);
    QtProperty *image = imageManager->addProperty("bgImage");
    imageManager->setValue(image, "2");
    look->addSubProperty(image);

    QtBrowserItem *basicItem = browser.addProperty(basic);
    QtBrowserItem *lookItem = browser.addProperty(look);
    browser.setHeaderLabels({"属性", "值"});
    browser.setBackgroundColor(lookItem, QColor(255, 255, 174));
    Q_UNUSED(basicItem);

    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QTreeWidget *tree = browser.findChild<QTreeWidget *>();
    QTreeWidgetItem *colourRow =
        tree->findItems("bgColor", Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY(colourRow);
    QCOMPARE(colourRow->text(1), QString("[255, 0, 0] (255)"));
    QVERIFY(!colourRow->icon(1).isNull());
    QVERIFY(tree->topLevelItem(0)->isFirstColumnSpanned());
    QCOMPARE(tree->findItems("hidden", Qt::MatchExactly | Qt::MatchRecursive).value(0)->text(1),
             QString("True"));
    QCOMPARE(tree->findItems("align", Qt::MatchExactly | Qt::MatchRecursive).value(0)->text(1),
             QString("centre"));

    const QImage picture = browser.grab().toImage();
    QVERIFY(picture.save("propertysheet.png"));

    // The swatch sits at the start of the value cell.
    const QRect rect = tree->visualItemRect(colourRow);
    const int valueX = tree->header()->sectionViewportPosition(1);
    const QImage viewport = tree->viewport()->grab().toImage();
    bool red = false;
    for (int dx = 0; dx < 30 && !red; ++dx)
        red = QColor(viewport.pixel(valueX + dx, rect.center().y())) == QColor(255, 0, 0);
    QVERIFY(red);
}

QTEST_MAIN(TestPropertySheet)
#include "tst_propertysheet.moc"
