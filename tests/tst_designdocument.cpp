#include "designdocument.h"
#include "pageparam.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

// The design document: what it holds, the one place pages, widgets and pictures come and
// go, and the signals the views follow.
class TestDesignDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QMyWidget *>("QMyWidget *"); }
    void init();
    void cleanup();

    void pagesAndWidgets();
    void widgetRemovedWhileStillOnItsPage();
    void removePage_data();
    void removePage();
    void removingNoPageDoesNothing();
    void clearPages();
    void pageNames();
    void removePicture();
    void removePictureLeavesAnAnimationThatIsOff();
    void settingsChangedOnlyByAChange();
    void timersAreResetWithTheirIds();
    void projectPath_data();
    void projectPath();

private:
    QMyWidget *widget(int page, WidgetType type = WidgetType::Btn)
    {
        QMyWidget *w = QMyWidgetFactory::create(type, design->widgets(page).size() + 1, &canvas);
        design->addWidget(page, w);
        return w;
    }

    QWidget canvas;
    QScopedPointer<DesignDocument> design;
};

void TestDesignDocument::init()
{
    design.reset(new DesignDocument);
}

void TestDesignDocument::cleanup()
{
    design.reset();
}

void TestDesignDocument::pagesAndWidgets()
{
    QSignalSpy pages(design.data(), &DesignDocument::pageAdded);
    QSignalSpy widgets(design.data(), &DesignDocument::widgetAdded);
    QCOMPARE(design->addPage(), 0);
    QCOMPARE(design->addPage(), 1);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.at(1).at(0).toInt(), 1);
    QVERIFY(design->page(1));
    QVERIFY(!design->page(2));
    QVERIFY(!design->page(-1));

    QMyWidget *w = widget(1);
    QCOMPARE(widgets.size(), 1);
    QCOMPARE(widgets.at(0).at(0).toInt(), 1);
    QCOMPARE(widgets.at(0).at(1).value<QMyWidget *>(), w);
    QCOMPARE(design->widgets(1), QList<QMyWidget *> {w});
    QCOMPARE(design->pageOf(w), 1);
    // The widget finds its pictures through the design that took it.
    QCOMPARE(w->document(), design.data());

    // A page that does not exist takes no widget.
    QMyWidget *stray = QMyWidgetFactory::create(WidgetType::Lab, 1, &canvas);
    QVERIFY(!design->addWidget(5, stray));
    QVERIFY(!stray->document());
    QCOMPARE(design->pageOf(stray), -1);
    QCOMPARE(widgets.size(), 1);
    delete stray;
    QVERIFY(design->widgets(7).isEmpty());

    // Deleting the design deletes its widgets.
    const QPointer<QMyWidget> kept = w;
    design.reset();
    QVERIFY(!kept);
}

void TestDesignDocument::widgetRemovedWhileStillOnItsPage()
{
    design->addPage();
    widget(0);
    QMyWidget *w = widget(0);
    int pageSeen = -1;
    bool onItsPage = false;
    connect(design.data(), &DesignDocument::widgetRemoved, this, [&](int page, QMyWidget *removed) {
        pageSeen = page;
        onItsPage = design->widgets(page).contains(removed);
    });
    const QPointer<QMyWidget> gone = w;
    design->removeWidget(w);
    QCOMPARE(pageSeen, 0);
    QVERIFY(onItsPage);
    QVERIFY(!gone);
    QCOMPARE(design->widgets(0).size(), 1);

    // One that is not the design's is left alone.
    QMyWidget stray(1, WidgetType::Btn, QStringLiteral("Btn"), &canvas);
    pageSeen = -1;
    design->removeWidget(&stray);
    QCOMPARE(pageSeen, -1);
}

void TestDesignDocument::removePage_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("jumpPage");
    // Four pages; the boot settings name page 2.
    QTest::newRow("a page before the shown one") << 3 << 1 << 2 << 1;
    QTest::newRow("the shown page") << 2 << 2 << 1 << 1;
    QTest::newRow("a page after the shown one") << 1 << 3 << 1 << 2;
    QTest::newRow("the first page, shown") << 0 << 0 << 0 << 1;
    QTest::newRow("shown beyond the pages") << 9 << 0 << 2 << 1;
}

// The page goes with its widgets; the shown page and the boot settings keep naming the
// pages they named, the deleted one giving way to the page before it.
void TestDesignDocument::removePage()
{
    QFETCH(int, shown);
    QFETCH(int, deleted);
    QFETCH(int, current);
    QFETCH(int, jumpPage);
    for (int i = 0; i < 4; ++i) {
        design->addPage();
        design->page(i)->setPageName(QString::number(i));
    }
    const QPointer<QMyWidget> onDeleted = widget(deleted);
    design->setCurrentPage(1);
    design->boot().setJumpPage(2);
    design->boot().setAnimCurrentPage(2);
    design->boot().setAnimJumpPage(2);
    QSignalSpy removed(design.data(), &DesignDocument::pageRemoved);
    QSignalSpy moved(design.data(), &DesignDocument::currentPageChanged);

    design->removePage(deleted, shown);
    QCOMPARE(design->pageCount(), 3);
    QVERIFY(!onDeleted);
    for (int i = 0; i < 3; ++i)
        QVERIFY(design->page(i)->pageName() != QString::number(deleted));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.at(0).at(0).toInt(), deleted);
    QCOMPARE(design->currentPage(), current);
    QCOMPARE(moved.size(), current != 1 ? 1 : 0);
    QCOMPARE(design->boot().getJumpPage(), jumpPage);
    QCOMPARE(design->boot().getAnimCurrentPage(), jumpPage);
    QCOMPARE(design->boot().getAnimJumpPage(), jumpPage);
}

void TestDesignDocument::removingNoPageDoesNothing()
{
    design->addPage();
    QSignalSpy removed(design.data(), &DesignDocument::pageRemoved);
    design->removePage(1, 0);
    design->removePage(-1, 0);
    QCOMPARE(design->pageCount(), 1);
    QCOMPARE(removed.size(), 0);
}

void TestDesignDocument::clearPages()
{
    design->addPage();
    design->addPage();
    const QPointer<QMyWidget> w = widget(1);
    design->setCurrentPage(1);
    QSignalSpy cleared(design.data(), &DesignDocument::pagesCleared);
    design->clearPages();
    QCOMPARE(cleared.size(), 1);
    QCOMPARE(design->pageCount(), 0);
    QVERIFY(!w);
    QCOMPARE(design->currentPage(), 0);
    QVERIFY(!design->hasCurrentPage());
}

void TestDesignDocument::pageNames()
{
    design->addPage();
    QSignalSpy renamed(design.data(), &DesignDocument::pageRenamed);
    design->setPageName(0, QStringLiteral("Menu"));
    QCOMPARE(design->page(0)->pageName(), QStringLiteral("Menu"));
    QCOMPARE(renamed.size(), 1);
    QCOMPARE(renamed.at(0).at(0).toInt(), 0);
    design->setPageName(3, QStringLiteral("none"));
    QCOMPARE(renamed.size(), 1);
}

// The design renumbers every reference it holds, pages, widgets of every page and the
// boot animation, and says which picture went for what others hold.
void TestDesignDocument::removePicture()
{
    design->setPictures({"0.png", "1.png", "2.png", "3.png", "4.png"});
    design->addPage();
    design->addPage();
    design->page(0)->setPageImageNum(2);
    design->page(1)->setPageImageNum(4);
    QMyWidget *button = widget(1);
    button->setImageNum(1);
    button->setPressImageNum(3);
    design->boot().setAnimFlag(true);
    design->boot().setAnimStartID(1);
    design->boot().setAnimEndID(3);
    QSignalSpy removed(design.data(), &DesignDocument::pictureRemoved);

    design->removePicture(2);
    QCOMPARE(design->pictures(), (QStringList {"0.png", "1.png", "3.png", "4.png"}));
    QCOMPARE(design->page(0)->pageImageNum(), -1);
    QCOMPARE(design->page(1)->pageImageNum(), 3);
    QCOMPARE(button->getImageNum(), 1);
    QCOMPARE(button->getPressImageNum(), 2);
    QCOMPARE(design->boot().getAnimStartID(), 1);
    QCOMPARE(design->boot().getAnimEndID(), 2);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.at(0).at(0).toInt(), 2);

    // A number that names no picture changes nothing.
    design->removePicture(4);
    design->removePicture(-1);
    QCOMPARE(design->pictures().size(), 4);
    QCOMPARE(removed.size(), 1);
}

void TestDesignDocument::removePictureLeavesAnAnimationThatIsOff()
{
    design->setPictures({"0.png", "1.png", "2.png"});
    design->boot().setAnimStartID(1);
    design->boot().setAnimEndID(2);
    design->removePicture(0);
    QCOMPARE(design->boot().getAnimStartID(), 1);
    QCOMPARE(design->boot().getAnimEndID(), 2);
}

void TestDesignDocument::settingsChangedOnlyByAChange()
{
    QSignalSpy changed(design.data(), &DesignDocument::settingsChanged);
    const auto change = [this] {
        design->setModelType(1);
        design->setScreenType(2);
        design->setFrameSize(QSize(480, 272));
        design->setResolution(QStringLiteral("480*272(HHVGA)"));
        design->setBaud(QStringLiteral("9600"));
        design->setBacklight(55);
    };
    change();
    QCOMPARE(changed.size(), 6);
    change();
    QCOMPARE(changed.size(), 6);
    QCOMPARE(design->modelType(), 1);
    QCOMPARE(design->screenType(), 2);
    QCOMPARE(design->frameSize(), QSize(480, 272));
    QCOMPARE(design->resolution(), QStringLiteral("480*272(HHVGA)"));
    QCOMPARE(design->baud(), QStringLiteral("9600"));
    QCOMPARE(design->backlight(), 55);
}

void TestDesignDocument::timersAreResetWithTheirIds()
{
    design->timer(3)->setTimerTime(7);
    design->timer(3)->setTimerID(5);
    design->timer(8)->appendEvent(EventInfo());
    design->resetTimers();
    for (int i = 0; i < DesignDocument::TimerCount; ++i) {
        QCOMPARE(design->timer(i)->timerID(), i);
        QCOMPARE(design->timer(i)->timerTime(), 0);
        QVERIFY(design->timer(i)->events().isEmpty());
    }
}

void TestDesignDocument::projectPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("open");
    QTest::newRow("project file") << "/p/demo.yBEX" << true;
    QTest::newRow("the extension anywhere") << "/p.yBEX/demo" << true;
    QTest::newRow("another case") << "/p/demo.ybex" << false;
    QTest::newRow("none") << "" << false;
}

void TestDesignDocument::projectPath()
{
    QFETCH(QString, path);
    QFETCH(bool, open);
    design->setProjectPath(path);
    QCOMPARE(design->projectPath(), path);
    QCOMPARE(design->isProjectOpen(), open);
    QCOMPARE(DesignDocument::isProjectPath(path), open);
}

QTEST_MAIN(TestDesignDocument)
#include "tst_designdocument.moc"
