#include "designglobals.h"
#include "dialogtestutil.h"
#include "propertysignallog.h"
#include "qtcoloreditwidget.h"
#include "qtusertypeone_imagefactory.h"
#include "qtusertypeone_imagewidget.h"
#include "qtusertypetwo_colorfactory.h"
#include "qtusertypetwo_colorwidget.h"

#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// Services as the panel would hand them in, with a selection, notices and a picker the
// test controls.
struct FakeProgram
{
    int selected = -1;
    QStringList notices;
    std::function<bool(int, int *)> picker;

    QtUserTypeServices services()
    {
        QtUserTypeServices s;
        s.selectedImage = [this] { return selected; };
        s.notice = [this](QWidget *, const QString &text) { notices << text; };
        s.pickColor = [this](int current, int *chosen) { return picker(current, chosen); };
        s.tableColor = [](int index) { return colorTableValue(index); };
        return s;
    }
};

// Runs once the next modal dialog is up.
void whenModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action]() {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}
} // namespace

class TestUserTypes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void managerReportsChangesOnce();
    void removeOnAnEmptyRowDoesNothing();
    void setTakesTheSelectedImage();
    void setWithoutSelectionKeepsTheRow();
    void twoEditorsFollowEachOther();
    void colourTableTexts_data();
    void colourTableTexts();
    void colourTablePicker();
    void pickerReturningToADeletedEditor();
    void colourDialogReturningToADeletedEditor();
};

void TestUserTypes::initTestCase() { }

void TestUserTypes::managerReportsChangesOnce()
{
    QtUserTypeOne_ImageManager manager;
    QtProperty *p = manager.addProperty("Image");
    QCOMPARE(manager.value(p), QString());
    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchValue<QtUserTypeManager>(&manager, &QtUserTypeOne_ImageManager::valueChanged);
    manager.setValue(p, "4");
    manager.setValue(p, "4");
    QCOMPARE(log.take(), QStringList({"changed Image", "value Image 4"}));
    QCOMPARE(p->valueText(), QString("4"));

    QtUserTypeTwo_ColorManager colours;
    QtProperty *c = colours.addProperty("Colour");
    colours.setValue(c, "12");
    QCOMPARE(colours.value(c), QString("12"));
    colours.setValue(p, "9"); // not its row
    QCOMPARE(manager.value(p), QString("4"));
}

void TestUserTypes::removeOnAnEmptyRowDoesNothing()
{
    QtUserTypeOne_ImageWidget editor;
    QSignalSpy spy(&editor, &QtUserTypeOne_ImageWidget::valueChanged);
    buttonWithText(&editor, "移除")->click();
    QCOMPARE(spy.count(), 0);
    editor.setValue("3");
    buttonWithText(&editor, "移除")->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.value(), QString());
}

void TestUserTypes::setTakesTheSelectedImage()
{
    QtUserTypeOne_ImageManager manager;
    QtUserTypeOne_ImageFactory factory;
    FakeProgram program;
    factory.setServices(program.services());
    factory.addPropertyManager(&manager);
    QtProperty *full = manager.addProperty("Full");
    QtProperty *empty = manager.addProperty("Empty");
    manager.setValue(full, "3");
    program.selected = 3;

    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> fullEditor(base->createEditor(full, nullptr));
    QScopedPointer<QWidget> emptyEditor(base->createEditor(empty, nullptr));
    PropertySignalLog log;
    log.watchStructure(&manager);
    log.watchValue<QtUserTypeManager>(&manager, &QtUserTypeOne_ImageManager::valueChanged);
    auto *emptyImage = qobject_cast<QtUserTypeOne_ImageWidget *>(emptyEditor.data());
    QSignalSpy editorSpy(emptyImage, &QtUserTypeOne_ImageWidget::valueChanged);

    buttonWithText(fullEditor.data(), "设置")->click();
    QVERIFY(log.lines.isEmpty());
    buttonWithText(emptyEditor.data(), "设置")->click();
    QCOMPARE(editorSpy.count(), 1);
    QCOMPARE(log.take(), QStringList({"changed Empty", "value Empty 3"}));
    QCOMPARE(emptyImage->findChild<QLabel *>()->text(), QString("3"));
}

void TestUserTypes::setWithoutSelectionKeepsTheRow()
{
    QtUserTypeOne_ImageManager manager;
    QtUserTypeOne_ImageFactory factory;
    FakeProgram program;
    factory.setServices(program.services());
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("Image");
    manager.setValue(p, "5");
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));
    auto *image = qobject_cast<QtUserTypeOne_ImageWidget *>(editor.data());
    PropertySignalLog log;
    log.watchStructure(&manager);
    buttonWithText(image, "设置")->click();
    // The notice shows and the row keeps its image.
    QCOMPARE(program.notices, QStringList({"未选择图片，请您在图库中选择一张图片！"}));
    QCOMPARE(manager.value(p), QString("5"));
    QCOMPARE(image->value(), QString("5"));
    QVERIFY(log.lines.isEmpty());
}

void TestUserTypes::twoEditorsFollowEachOther()
{
    QtUserTypeOne_ImageManager manager;
    QtUserTypeOne_ImageFactory factory;
    FakeProgram program;
    factory.setServices(program.services());
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("Image");
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> one(base->createEditor(p, nullptr));
    QScopedPointer<QWidget> two(base->createEditor(p, nullptr));
    program.selected = 8;
    buttonWithText(one.data(), "设置")->click();
    QCOMPARE(qobject_cast<QtUserTypeOne_ImageWidget *>(two.data())->value(), QString("8"));
    buttonWithText(two.data(), "移除")->click();
    QCOMPARE(qobject_cast<QtUserTypeOne_ImageWidget *>(one.data())->value(), QString());
    QCOMPARE(manager.value(p), QString());
}

void TestUserTypes::colourTableTexts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("empty") << ""
                           << "0"
                           << "";
    QTest::newRow("entry 12") << "12"
                              << "12"
                              << "background-color:rgb(200,204,64);";
    QTest::newRow("entry 0") << "0"
                             << "0"
                             << "background-color:rgb(0,0,0);";
    // Whatever names no entry is colour 0.
    QTest::newRow("outside the table") << "99"
                                       << "99"
                                       << "background-color:rgb(0,0,0);";
    QTest::newRow("negative") << "-1"
                              << "-1"
                              << "background-color:rgb(0,0,0);";
    QTest::newRow("not a number") << "red"
                                  << "red"
                                  << "background-color:rgb(0,0,0);";
}

void TestUserTypes::colourTableTexts()
{
    QFETCH(QString, value);
    FakeProgram program;
    QtUserTypeTwo_ColorWidget editor;
    editor.setServices(program.services());
    editor.setValue(value);
    QTEST(editor.label()->text(), "text");
    QTEST(editor.label()->styleSheet(), "style");
}

void TestUserTypes::colourTablePicker()
{
    QtUserTypeTwo_ColorManager manager;
    QtUserTypeTwo_ColorFactory factory;
    FakeProgram program;
    factory.setServices(program.services());
    factory.addPropertyManager(&manager);
    QtProperty *p = manager.addProperty("Colour");
    manager.setValue(p, "7");
    QtAbstractEditorFactoryBase *base = &factory;
    QScopedPointer<QWidget> editor(base->createEditor(p, nullptr));

    int shown = -1;
    program.picker = [&](int current, int *chosen) {
        shown = current;
        *chosen = 12;
        return true;
    };
    buttonWithText(editor.data(), "设置")->click();
    QCOMPARE(shown, 7);
    QCOMPARE(manager.value(p), QString("12"));

    // Cancel changes nothing; a number outside the table opens the picker on 0.
    manager.setValue(p, "70");
    program.picker = [&](int current, int *chosen) {
        shown = current;
        *chosen = 3;
        return false;
    };
    buttonWithText(editor.data(), "设置")->click();
    QCOMPARE(shown, 0);
    QCOMPARE(manager.value(p), QString("70"));

    // Without a picker the button does nothing.
    QtUserTypeTwo_ColorWidget alone;
    QSignalSpy spy(&alone, &QtUserTypeTwo_ColorWidget::valueChanged);
    buttonWithText(&alone, "设置")->click();
    QCOMPARE(spy.count(), 0);
}

void TestUserTypes::pickerReturningToADeletedEditor()
{
    auto *editor = new QtUserTypeTwo_ColorWidget;
    QPointer<QtUserTypeTwo_ColorWidget> guard(editor);
    FakeProgram program;
    program.picker = [&](int, int *chosen) {
        // The sheet is rebuilt while the picker is open.
        delete editor;
        *chosen = 5;
        return true;
    };
    editor->setServices(program.services());
    QMetaObject::invokeMethod(editor, "btnAddClicked");
    QVERIFY(!guard);
}

void TestUserTypes::colourDialogReturningToADeletedEditor()
{
    auto *editor = new QtColorEditWidget;
    QPointer<QtColorEditWidget> guard(editor);
    QSignalSpy spy(editor, &QtColorEditWidget::valueChanged);
    whenModal([&](QWidget *modal) {
        QVERIFY(qobject_cast<QColorDialog *>(modal));
        delete editor;
    });
    QMetaObject::invokeMethod(editor, "buttonClicked");
    QVERIFY(!guard);
    QCOMPARE(spy.count(), 0);

    // A chosen colour reaches a live editor.
    QtColorEditWidget live;
    QSignalSpy liveSpy(&live, &QtColorEditWidget::valueChanged);
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    QMetaObject::invokeMethod(&live, "buttonClicked");
    QCOMPARE(live.value(), QColor(1, 2, 3));
    QCOMPARE(liveSpy.count(), 1);
}

QTEST_MAIN(TestUserTypes)
#include "tst_usertypes.moc"
