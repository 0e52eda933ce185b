#include "colordlg.h"
#include "designglobals.h"
#include "dialogtestutil.h"
#include "librarycontroller.h"
#include "mainwindow.h"
#include "qmyimageitemmodel.h"
#include "qmymessagebox.h"
#include "qtenumpropertymanager.h"
#include "qttreepropertybrowser.h"
#include "qtusertypeone_imagefactory.h"
#include "qtusertypetwo_colorfactory.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList connectWarnings;

void collectWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains("QObject::connect"))
        connectWarnings << message;
}
} // namespace

// The main window's property area: the tree browser with its five managers and factories.
class TestMainWindowProperties : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void managersAndFactories();
    void editorsOfTheRows_data();
    void editorsOfTheRows();
    void imageRowsUseTheLibrarySelection();
    void colourRowsUseTheTableAndPicker();
    void closingTakesALongSheetAwayAtOnce();

private:
    WindowFixture fixture;
    MainWindow *window = nullptr;
    QtTreePropertyBrowser *browser = nullptr;
};

void TestMainWindowProperties::init()
{
    connectWarnings.clear();
    QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    window = fixture.start();
    qInstallMessageHandler(previous);
    browser = window->findChild<QtTreePropertyBrowser *>("designWnd");
}

void TestMainWindowProperties::cleanup()
{
    fixture.reset();
    window = nullptr;
}

void TestMainWindowProperties::managersAndFactories()
{
    QVERIFY(browser);
    QVERIFY(connectWarnings.isEmpty());
    QCOMPARE(browser->resizeMode(), QtTreePropertyBrowser::ResizeToContents);
    const auto direct = Qt::FindDirectChildrenOnly;
    QCOMPARE(browser->findChildren<QtVariantPropertyManager *>(QString(), direct).size(), 2);
    QCOMPARE(browser->findChildren<QtVariantEditorFactory *>(QString(), direct).size(), 1);
    QCOMPARE(browser->findChildren<QtUserTypeOne_ImageManager *>(QString(), direct).size(), 1);
    QCOMPARE(browser->findChildren<QtUserTypeTwo_ColorManager *>(QString(), direct).size(), 1);
    QCOMPARE(browser->findChildren<QtEnumPropertyManager *>(QString(), direct).size(), 1);
}

void TestMainWindowProperties::editorsOfTheRows_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("editor");
    QTest::newRow("read-only") << "ro"
                               << "";
    QTest::newRow("editable int") << "int"
                                  << "QSpinBox";
    QTest::newRow("image") << "image"
                           << "QtUserTypeOne_ImageWidget";
    QTest::newRow("colour table") << "table"
                                  << "QtUserTypeTwo_ColorWidget";
    QTest::newRow("choice") << "choice"
                            << "QComboBox";
}

void TestMainWindowProperties::editorsOfTheRows()
{
    const auto direct = Qt::FindDirectChildrenOnly;
    const auto variants = browser->findChildren<QtVariantPropertyManager *>(QString(), direct);
    QtVariantPropertyManager *roManager = variants.at(0);
    QtVariantPropertyManager *variantManager = variants.at(1);
    auto *imageManager = browser->findChild<QtUserTypeOne_ImageManager *>(QString(), direct);
    auto *colorManager = browser->findChild<QtUserTypeTwo_ColorManager *>(QString(), direct);
    auto *enumManager = browser->findChild<QtEnumPropertyManager *>(QString(), direct);

    browser->addProperty(roManager->addProperty(QMetaType::Int, "ro"));
    browser->addProperty(variantManager->addProperty(QMetaType::Int, "int"));
    browser->addProperty(imageManager->addProperty("image"));
    browser->addProperty(colorManager->addProperty("table"));
    QtProperty *choice = enumManager->addProperty("choice");
    enumManager->setEnumNames(choice, {"a", "b"});
    browser->addProperty(choice);

    browser->window()->resize(1200, 900);
    browser->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(browser->window()));
    auto *tree = browser->findChild<QTreeWidget *>();
    QFETCH(QString, row);
    QTreeWidgetItem *item = tree->findItems(row, Qt::MatchExactly).value(0);
    QVERIFY(item);
    tree->scrollToItem(item);
    const QPoint pos(tree->header()->sectionViewportPosition(1) + 5,
                     tree->visualItemRect(item).center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, pos);
    QWidget *opened = nullptr;
    for (QWidget *w :
         tree->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            opened = w;
    }
    QFETCH(QString, editor);
    QCOMPARE(QString(opened ? opened->metaObject()->className() : ""), editor);
}

void TestMainWindowProperties::imageRowsUseTheLibrarySelection()
{
    auto *factory = browser->findChild<QtUserTypeOne_ImageFactory *>();
    QVERIFY(factory);
    auto *editor = new QtUserTypeOne_ImageWidget;
    editor->setServices(factory->services());
    // Row 4 of a library of five pictures, clicked.
    QTemporaryDir dir;
    fixture.makeProject(dir.filePath("pictures.yBEX"));
    QStringList files;
    for (int i = 0; i < 5; ++i) {
        files << dir.filePath(QString("p%1.png").arg(i));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(files.last()));
    }
    window->library()->importImages(files);
    window->library()->on_tvImage_clicked(window->library()->getImageModel()->index(4, 1));
    buttonWithText(editor, "设置")->click();
    QCOMPARE(editor->value(), QString("4"));

    // Without a selection (the pictures deleted) the editor's own notice box shows, apart
    // from the window's boxes, and goes with the editor.
    window->library()->on_btnImageFontSub_clicked();
    window->library()->on_btnImageFontAll_clicked();
    window->library()->on_btnImageFontSub_clicked();
    answerYes(window->getQuestionBox());
    QCOMPARE(window->document().pictures().size(), 0);
    buttonWithText(editor, "设置")->click();
    QCOMPARE(editor->value(), QString("4"));
    QPointer<QMyMessageBox> box = editor->findChild<QMyMessageBox *>();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(box->isWindow());
    QVERIFY(!window->getQuestionBox()->isVisible());
    QVERIFY(!window->getResultBox()->isVisible());
    buttonWithText(editor, "设置")->click();
    QCOMPARE(editor->findChildren<QMyMessageBox *>().size(), 1);
    delete editor;
    QVERIFY(!box);
}

void TestMainWindowProperties::colourRowsUseTheTableAndPicker()
{
    auto *factory = browser->findChild<QtUserTypeTwo_ColorFactory *>();
    QVERIFY(factory);
    QtUserTypeTwo_ColorWidget editor;
    editor.setServices(factory->services());
    editor.setValue("12");
    const QColor twelve = colorTableValue(12);
    QCOMPARE(editor.label()->styleSheet(),
             QString("background-color:rgb(%1,%2,%3);")
                 .arg(twelve.red())
                 .arg(twelve.green())
                 .arg(twelve.blue()));
    QVERIFY(!factory->services().tableColor(ColorTableSize).isValid());

    // The picker is the colour-table dialog, opened on the row's entry.
    int shown = -1;
    QTimer::singleShot(0, [&shown]() {
        auto *dialog = qobject_cast<ColorDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = dialog->colorIndex();
        QMetaObject::invokeMethod(dialog, "slotSelectColorNum", Q_ARG(int, 30));
        dialog->done(1);
    });
    QSignalSpy spy(&editor, &QtUserTypeTwo_ColorWidget::valueChanged);
    buttonWithText(&editor, "设置")->click();
    QCOMPARE(shown, 12);
    QCOMPARE(editor.value(), QString("30"));
    QCOMPARE(spy.count(), 1);
}

// Thousands of event rows (one per event and parameter) once took a minute to close: each
// row left the view on its own, and the view revisited every expanded row each time.
void TestMainWindowProperties::closingTakesALongSheetAwayAtOnce()
{
    const auto direct = Qt::FindDirectChildrenOnly;
    QtVariantPropertyManager *values =
        browser->findChildren<QtVariantPropertyManager *>(QString(), direct).at(1);
    QtProperty *events = values->addProperty(QtVariantPropertyManager::groupTypeId(), "events");
    for (int i = 0; i < 300; ++i) {
        QtProperty *function =
            values->addProperty(QtVariantPropertyManager::groupTypeId(), QString::number(i));
        function->addSubProperty(values->addProperty(QMetaType::QString, "p"));
        events->addSubProperty(function);
    }
    browser->addProperty(events);
    auto *tree = browser->findChild<QTreeWidget *>();
    QCOMPARE(tree->topLevelItem(0)->childCount(), 300);
    QVERIFY(tree->topLevelItem(0)->child(299)->isExpanded());

    int removals = 0;
    QObject counter;
    connect(tree->model(), &QAbstractItemModel::rowsAboutToBeRemoved, &counter,
            [&removals]() { ++removals; });
    fixture.reset();
    window = nullptr;
    QVERIFY2(removals <= 1, qPrintable(QString::number(removals)));
}

QTEST_MAIN(TestMainWindowProperties)
#include "tst_mainwindowproperties.moc"
