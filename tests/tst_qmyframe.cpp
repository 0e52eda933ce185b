#include "designglobals.h"
#include "designtestutil.h"
#include "itemdata.h"
#include "itemdelegate.h"
#include "pageparam.h"
#include "picturefixtures.h"
#include "qmydrawcache.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmystandarditemmodel.h"
#include "qmywidgetfactory.h"

#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The page canvas and the palette that feeds it.
class TestQMyFrame : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lowestFreeId_data();
    void lowestFreeId();
    void pasteClamp_data();
    void pasteClamp();
    void wideWidgetsStartAtTheLeftEdge();
    void fullPageRefusesDropAndPaste();

    void dropEveryType();
    void dropCompletesAsCopy();
    void dropUnknownTypeIgnored();
    void dropWithoutPage();
    void dropWithStaleCurrentPage();
    void paletteDrag();
    void delegateGeometry();

    void pasteCopiesAndClamps();
    void pasteWithoutCopiedWidget();
    void contextMenuEnablement();
    void emptyCanvasClicks();
    void releaseOutsideOnlyReportsPosition();

    void sizeAfterPaint();
    void canvasFollowsTheDesign();
    void hiddenPage();
    void helpLines_data();
    void helpLines();
    void pageGradient();
    void pageBackgroundPicture();

private:
    QMyWidget *addWidget(const QString &type, int id, int x, int y);
    QImage paint();

    QScopedPointer<CanvasDesign> canvas;
    QMyFrame *frame = nullptr;
    DesignDocument *design = nullptr;
};

void TestQMyFrame::init()
{
    canvas.reset(new CanvasDesign);
    canvas->host.resize(800, 600);
    frame = canvas->frame;
    design = &canvas->document;
    design->setFrameSize(QSize(480, 272));
    canvas->host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas->host));
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
    design->addPage();
}

void TestQMyFrame::cleanup()
{
    canvas.reset();
}

QMyWidget *TestQMyFrame::addWidget(const QString &type, int id, int x, int y)
{
    QMyWidget *w = QMyWidgetFactory::create(type, id, frame);
    w->setPos(x, y);
    design->addWidget(design->currentPage(), w);
    return w;
}

QImage TestQMyFrame::paint()
{
    // The first paint may resize the canvas; the picture is taken after it.
    frame->repaint();
    frame->grab();
    return frame->grab().toImage();
}

void TestQMyFrame::lowestFreeId_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<int>("free");
    QTest::newRow("gap") << QList<int> {1, 2, 4} << 3;
    QTest::newRow("full") << QList<int> {1, 2, 3} << 4;
    QTest::newRow("no one") << QList<int> {2, 3} << 1;
    QTest::newRow("empty") << QList<int> {} << 1;
    QTest::newRow("unsorted") << QList<int> {3, 1, 2} << 4;
    // Hand-edited files: duplicates and non-positive ids never give a used id.
    QTest::newRow("duplicate") << QList<int> {1, 1, 2} << 3;
    QTest::newRow("duplicate gap") << QList<int> {2, 2, 3} << 1;
    QTest::newRow("twice one") << QList<int> {1, 1} << 2;
    QTest::newRow("negative") << QList<int> {-1, 0, 1} << 2;
}

void TestQMyFrame::lowestFreeId()
{
    QFETCH(QList<int>, ids);
    QFETCH(int, free);
    QCOMPARE(QMyFrame::lowestFreeId(ids), free);
    QVERIFY(!ids.contains(free));
}

void TestQMyFrame::pasteClamp_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("inside") << QPoint(10, 10) << QPoint(10, 10);
    QTest::newRow("bottom right") << QPoint(470, 260) << QPoint(420, 242);
    QTest::newRow("left and above") << QPoint(-30, -4) << QPoint(0, 0);
    QTest::newRow("edge") << QPoint(420, 242) << QPoint(420, 242);
    // Wider and taller than the page: at its left and top edges, as a move leaves it.
    QTest::newRow("too large, inside") << QPoint(100, 100) << QPoint(0, 0);
    QTest::newRow("too large, beyond") << QPoint(900, 900) << QPoint(0, 0);
    QTest::newRow("too large, before") << QPoint(-30, -4) << QPoint(0, 0);
}

void TestQMyFrame::pasteClamp()
{
    QFETCH(QPoint, pos);
    QFETCH(QPoint, placed);
    const bool large = QByteArray(QTest::currentDataTag()).startsWith("too large");
    QCOMPARE(QMyFrame::clampPastePos(pos, large ? 600 : 60, large ? 300 : 30, 480, 272), placed);
}

// Drop, paste and move leave a widget wider than the page at x = 0, not left of the page.
void TestQMyFrame::wideWidgetsStartAtTheLeftEdge()
{
    paint();
    QVERIFY(dropTypeName(frame, "Btn", QPoint(-20, -5)));
    QMyWidget *dropped = design->widgets(0).last();
    QCOMPARE(dropped->getGeometryRect().topLeft(), QPoint(0, 0));

    dropped->setW(600);
    dropped->setPos(0, 0);
    frame->setCurrentWidget(dropped);
    frame->slotCopyAction();
    frame->setPastePos(QPoint(100, 100));
    frame->slotPasteAction();
    QMyWidget *pasted = design->widgets(0).last();
    QCOMPARE(pasted->getGeometryRect().topLeft(), QPoint(0, 100));

    QTest::mousePress(pasted, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    QTest::mouseMove(pasted, QPoint(80, 10));
    QTest::mouseRelease(pasted, Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QCOMPARE(pasted->getX(), 0);
}

// A page holds at most so many widgets: a drop or paste beyond them is refused with a
// notice.
void TestQMyFrame::fullPageRefusesDropAndPaste()
{
    QMyWidget *first = addWidget("Btn", 1, 0, 0);
    for (int i = 1; i < MaxWidgetsPerPage; ++i)
        design->addWidget(0, QMyWidgetFactory::create("Lab", i + 1, frame));
    QSignalSpy tree(frame, &QMyFrame::s_sendTreeWidget);
    QVERIFY(!dropTypeName(frame, "Btn", QPoint(3, 3)));
    QMyMessageBox *box = frame->getMessageBox();
    QVERIFY(box->isVisible());
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(),
             QString("一页最多可放%1个控件！").arg(MaxWidgetsPerPage));
    box->hide();
    frame->setCopiedWidget(first);
    frame->slotPasteAction();
    QVERIFY(box->isVisible());
    box->hide();
    QCOMPARE(design->widgets(0).size(), MaxWidgetsPerPage);
    QCOMPARE(tree.count(), 0);

    // One fewer: the drop goes in.
    design->removeWidget(design->widgets(0).last());
    QVERIFY(dropTypeName(frame, "Btn", QPoint(3, 3)));
    QCOMPARE(design->widgets(0).size(), MaxWidgetsPerPage);
}

void TestQMyFrame::dropEveryType()
{
    QSignalSpy tree(frame, &QMyFrame::s_sendTreeWidget);
    for (int code = 0; code < WidgetTypeCount; ++code) {
        const QString name = widgetTypeNames.at(code);
        QVERIFY(dropTypeName(frame, name, QPoint(5 * code, 7)));
        QMyWidget *w = design->widgets(0).last();
        QCOMPARE(widgetTypeCode(w->getType()), code);
        QCOMPARE(w->getTypeName(), name);
        QCOMPARE(w->getId(), code + 1);
        QCOMPARE(w->getGeometryRect().topLeft(), QPoint(5 * code, 7));
        QCOMPARE(tree.last(),
                 (QList<QVariant> {QVariant::fromValue(PageTreeAction::AddWidget), 0,
                                   QVariant::fromValue(WidgetType(code)), code + 1, name}));
    }
    QCOMPARE(design->widgets(0).size(), 10);

    // A freed id is given again before higher ones.
    design->removeWidget(design->widgets(0).at(2));
    QVERIFY(dropTypeName(frame, "Lab", QPoint(1, 1)));
    QCOMPARE(design->widgets(0).last()->getId(), 3);
}

void TestQMyFrame::dropCompletesAsCopy()
{
    // The palette view removes its row when a drag ends as a move.
    QMimeData data;
    data.setData("TypeName", "Btn");
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPoint(3, 3), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

void TestQMyFrame::dropUnknownTypeIgnored()
{
    QSignalSpy tree(frame, &QMyFrame::s_sendTreeWidget);
    QVERIFY(!dropTypeName(frame, "Knob", QPoint(3, 3)));
    QVERIFY(!dropTypeName(frame, "", QPoint(3, 3)));
    QVERIFY(design->widgets(0).isEmpty());
    QCOMPARE(tree.count(), 0);
}

void TestQMyFrame::dropWithoutPage()
{
    design->clearPages();
    QVERIFY(!dropTypeName(frame, "Btn", QPoint(3, 3)));
    QMyMessageBox *box = frame->getMessageBox();
    QVERIFY(box->isVisible());
    QCOMPARE(box->findChild<QLabel *>("labMessage")->text(), QString("未添加页，请您先添加页！"));
    box->hide();
}

void TestQMyFrame::dropWithStaleCurrentPage()
{
    design->setCurrentPage(3);
    QSignalSpy tree(frame, &QMyFrame::s_sendTreeWidget);
    QVERIFY(!dropTypeName(frame, "Btn", QPoint(3, 3)));
    QVERIFY(design->widgets(0).isEmpty());
    design->setCurrentPage(-1);
    QVERIFY(!dropTypeName(frame, "Btn", QPoint(3, 3)));
    QCOMPARE(tree.count(), 0);
}

void TestQMyFrame::paletteDrag()
{
    QMyStandardItemModel model;
    for (int i = 0; i < WidgetTypeCount; ++i)
        model.appendRow(new QStandardItem);
    QMimeData *data = model.mimeData({model.index(3, 0)});
    QVERIFY(data);
    QCOMPARE(data->formats(), QStringList {"TypeName"});
    QCOMPARE(data->data("TypeName"), QByteArray("Prog"));
    delete data;
    QVERIFY(!model.mimeData({}));
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsDragEnabled));
    QVERIFY(!model.flags(QModelIndex()).testFlag(Qt::ItemIsDragEnabled));
}

void TestQMyFrame::delegateGeometry()
{
    const QRect entry(0, 60, 200, 30);
    QCOMPARE(ItemDelegate::captionRect(entry), QRect(40, 62, 159, 30));
    QCOMPARE(ItemDelegate::iconRect(entry).left(), 5);
    QCOMPARE(ItemDelegate::iconRect(entry).right(), 34);

    // Hover and selection backgrounds, selection drawn last.
    ItemDelegate delegate;
    QStandardItemModel model;
    auto *item = new QStandardItem;
    item->setData(QVariant::fromValue(ItemData {":images/Button.png", "按键"}), Qt::UserRole + 1);
    model.appendRow(item);
    auto background = [&](QStyle::State state) {
        QImage image(200, 30, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 200, 30);
        option.state = state;
        delegate.paint(&p, option, model.index(0, 0));
        p.end();
        return QColor(image.pixel(190, 15));
    };
    QCOMPARE(background(QStyle::State_MouseOver), QColor("#ebeced"));
    QCOMPARE(background(QStyle::State_MouseOver | QStyle::State_Selected), QColor("#e3e3e5"));
    QCOMPARE(background(QStyle::State_None), QColor(Qt::white));
}

void TestQMyFrame::pasteCopiesAndClamps()
{
    paint(); // the page size comes from the last paint
    QMyWidget *source = addWidget("Btn", 1, 50, 50);
    source->setText("copy me");
    EventInfo event;
    event.setType(2);
    event.setParam(0, "7");
    source->addEvent(event);
    source->setEventContent(3, 1, "user.x()");
    addWidget("Lab", 2, 0, 0);

    frame->setCurrentWidget(source);
    frame->slotCopyAction();
    QCOMPARE(frame->getCopiedWidget(), source);

    QSignalSpy press(frame, &QMyFrame::s_sendPressWnd);
    QSignalSpy tree(frame, &QMyFrame::s_sendTreeWidget);
    frame->setPastePos(QPoint(470, 260));
    frame->slotPasteAction();
    QCOMPARE(design->widgets(0).size(), 3);
    QMyWidget *copy = design->widgets(0).last();
    QCOMPARE(copy->getId(), 3);
    QCOMPARE(copy->getTypeName(), QString("Btn"));
    QCOMPARE(copy->getText(), QString("copy me"));
    QCOMPARE(copy->getGeometryRect().topLeft(), QPoint(420, 242));
    QCOMPARE(frame->getPastePos(), QPoint(420, 242));
    QCOMPARE(copy->getEvents().size(), 1);
    QCOMPARE(copy->getEvents().at(0).param(0), QString("7"));
    QCOMPARE(copy->getEventText(3), QString("user.x()"));
    QCOMPARE(press.count(), 1);
    QCOMPARE(press.at(0).at(0).value<QMyWidget *>(), copy);
    QCOMPARE(tree.at(0),
             (QList<QVariant> {QVariant::fromValue(PageTreeAction::AddWidget), 0,
                               QVariant::fromValue(WidgetType::Btn), 3, "Btn"}));
}

void TestQMyFrame::pasteWithoutCopiedWidget()
{
    frame->setCurrentWidget(nullptr);
    frame->slotCopyAction();
    frame->slotPasteAction();
    QVERIFY(design->widgets(0).isEmpty());

    // A copied widget but no valid current page: nothing is pasted.
    QMyWidget *source = addWidget("Btn", 1, 0, 0);
    frame->setCopiedWidget(source);
    design->setCurrentPage(5);
    frame->slotPasteAction();
    design->setCurrentPage(0);
    QCOMPARE(design->widgets(0).size(), 1);
}

void TestQMyFrame::contextMenuEnablement()
{
    QList<bool> pasteEnabled;
    QList<QAction *> actions = frame->getContextMenu()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->text(), QString("复制"));
    QCOMPARE(actions.at(1)->text(), QString("粘贴"));
    QCOMPARE(actions.at(2)->text(), QString("删除"));
    auto openMenu = [&](const QPoint &pos) {
        QTimer::singleShot(0, frame, [&] {
            pasteEnabled << actions.at(1)->isEnabled();
            frame->getContextMenu()->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, frame->mapToGlobal(pos));
        QCoreApplication::sendEvent(frame, &event);
    };
    openMenu(QPoint(10, 10));
    QMyWidget *w = addWidget("Btn", 1, 0, 0);
    frame->setCopiedWidget(w);
    openMenu(QPoint(30, 40));
    QCOMPARE(frame->getPastePos(), QPoint(30, 40));
    frame->setCurrentWidget(nullptr);
    frame->slotCopyAction(); // copying with no widget sheet empties the clipboard
    openMenu(QPoint(10, 10));
    QCOMPARE(pasteEnabled, (QList<bool> {false, true, false}));
}

void TestQMyFrame::emptyCanvasClicks()
{
    paint();
    QMyWidget *w = addWidget("Btn", 1, 100, 100);
    QSignalSpy top(frame, &QMyFrame::s_sendClickTopTreeWidget);
    QSignalSpy parent(frame, &QMyFrame::s_sendParent);
    QSignalSpy pos(frame, &QMyFrame::s_sendPressPos);

    // A press inside the selected widget's rectangle keeps it selected.
    QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, QPoint(110, 110));
    QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QVERIFY(w->isSelected());
    QCOMPARE(top.count(), 0);

    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QVERIFY(!w->isSelected());
    QCOMPARE(top.count(), 1);
    QCOMPARE(parent.count(), 0);

    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QCOMPARE(top.count(), 1);
    QCOMPARE(parent.count(), 0);
    frame->setTimerShown(true);
    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QCOMPARE(parent.count(), 1);
    QCOMPARE(pos.count(), 4);
    QCOMPARE(pos.last().at(0).toPoint(), QPoint(300, 200));

    // Stale page index: only the position is reported.
    design->setCurrentPage(2);
    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QCOMPARE(parent.count(), 1);
    QCOMPARE(pos.count(), 5);
}

void TestQMyFrame::releaseOutsideOnlyReportsPosition()
{
    paint();
    QMyWidget *w = addWidget("Btn", 1, 100, 100);
    QSignalSpy top(frame, &QMyFrame::s_sendClickTopTreeWidget);
    QSignalSpy pos(frame, &QMyFrame::s_sendPressPos);
    QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, QPoint(600, 200));
    QVERIFY(w->isSelected());
    QCOMPARE(top.count(), 0);
    QCOMPARE(pos.count(), 1);
}

void TestQMyFrame::sizeAfterPaint()
{
    paint();
    QCOMPARE(frame->pageSize(), QSize(480, 272));
    QCOMPARE(frame->size(), QSize(480, 272));
    design->setFrameSize(QSize(272, 480));
    paint();
    QCOMPARE(frame->pageSize(), QSize(272, 480));

    // Without pages the canvas still takes its size.
    design->clearPages();
    design->setFrameSize(QSize(320, 240));
    paint();
    QCOMPARE(frame->pageSize(), QSize(320, 240));
}

// The canvas shows the widgets of the design's current page, whichever way they came, and
// lets go of widgets the design deletes.
void TestQMyFrame::canvasFollowsTheDesign()
{
    QMyWidget *first = addWidget("Btn", 1, 10, 10);
    design->addPage();
    QMyWidget *other = QMyWidgetFactory::create(WidgetType::Lab, 1, frame);
    design->addWidget(1, other);
    QVERIFY(first->isVisible());
    QVERIFY(other->isHidden());
    // The widget's signals reach the canvas as for every widget of a page.
    QSignalSpy pressed(frame, &QMyFrame::s_sendPressWnd);
    emit other->s_sendPressWnd(other);
    QCOMPARE(pressed.size(), 1);

    design->setCurrentPage(1);
    QVERIFY(first->isHidden());
    QVERIFY(other->isVisible());

    frame->setCurrentWidget(other);
    frame->slotCopyAction();
    QCOMPARE(frame->getCopiedWidget(), other);
    design->removeWidget(other);
    QVERIFY(!frame->getCopiedWidget());
    QVERIFY(!frame->getCurrentWidget());

    design->removePage(1, 1);
    QCOMPARE(design->currentPage(), 0);
    QVERIFY(first->isVisible());
}

void TestQMyFrame::hiddenPage()
{
    QMyWidget *w = addWidget("Btn", 1, 100, 100);
    PageParam *page = design->page(0);
    page->setPageColorGrad1(QColor(0, 0, 255));
    page->setPageFlag(1);
    QImage image = paint();
    QVERIFY(w->isHidden());
    QCOMPARE(QColor(image.pixel(0, 100)).blue(), 255);
    QCOMPARE(image.pixelColor(240, 136).alpha(), 0); // not filled

    page->setPageFlag(0);
    image = paint();
    QVERIFY(w->isVisible());
    QCOMPARE(QColor(image.pixel(240, 136)), QColor(0, 0, 255));
}

void TestQMyFrame::helpLines_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("line");
    QTest::newRow("red lines") << QColor(255, 255, 255) << QColor(Qt::red);
    QTest::newRow("black on red") << QColor(255, 0, 0) << QColor(Qt::black);
}

void TestQMyFrame::helpLines()
{
    QFETCH(QColor, background);
    QFETCH(QColor, line);
    PageParam *page = design->page(0);
    page->setPageColorGrad1(background);
    page->setPageGradDir(0);
    page->setPageHelpLineType(2);
    page->setPageHelpLineLeft(10);
    page->setPageHelpLineRight(20);
    page->setPageHelpLineTop(30);
    page->setPageHelpLineBottom(40);
    const QImage image = paint();
    // The rectangle (10, 30, 450, 202): its edges differ from the background, its inside not.
    auto differs = [&](int x, int y) { return QColor(image.pixel(x, y)) != background; };
    QVERIFY(differs(10, 100));
    QVERIFY(differs(460, 100));
    QVERIFY(differs(200, 30));
    QVERIFY(differs(200, 232));
    QVERIFY(!differs(200, 100));
    QVERIFY(!differs(5, 100));
    const QColor edge(image.pixel(200, 232));
    if (line == QColor(Qt::black))
        QVERIFY(edge.red() < 200 && edge.green() == 0);
    else
        QVERIFY(edge.red() == 255 && edge.green() < 200);

    page->setPageHelpLineType(0);
    const QImage plain = paint();
    QCOMPARE(QColor(plain.pixel(200, 232)), background);
}

void TestQMyFrame::pageGradient()
{
    PageParam *page = design->page(0);
    page->setPageColorGrad1(QColor(0, 0, 200));
    page->setPageColorGrad2(QColor(0, 200, 0));
    page->setPageGradDir(1);
    QImage image = paint();
    // The first half is flat colour 1, then it runs into colour 2.
    QCOMPARE(QColor(image.pixel(240, 10)), QColor(0, 0, 200));
    QCOMPARE(QColor(image.pixel(240, 130)), QColor(0, 0, 200));
    QVERIFY(QColor(image.pixel(240, 270)).green() > 180);
    QCOMPARE(QColor(image.pixel(470, 10)), QColor(0, 0, 200));

    page->setPageGradDir(2);
    image = paint();
    QCOMPARE(QColor(image.pixel(200, 260)), QColor(0, 0, 200));
    QVERIFY(QColor(image.pixel(478, 136)).green() > 180);

    page->setPageGradDir(7);
    image = paint();
    QCOMPARE(image.pixelColor(240, 136).alpha(), 0);
}

// The background is decoded at the page's size; a picture larger than the program takes
// is never decoded and leaves the page without a background.
void TestQMyFrame::pageBackgroundPicture()
{
    QTemporaryDir dir;
    QImage halves(960, 544, QImage::Format_RGB32);
    halves.fill(QColor(200, 0, 0));
    for (int y = 0; y < 544; ++y)
        for (int x = 480; x < 960; ++x)
            halves.setPixel(x, y, qRgb(0, 0, 200));
    const QString picture = dir.filePath("100001_halves.png");
    QVERIFY(halves.save(picture));
    const QString wide = dir.filePath("100002_wide.png");
    QVERIFY(PictureFixtures::writeWidePicture(wide, 5000, 4000));
    design->setPictures({picture, wide});

    PageParam *page = design->page(0);
    page->setPageImageNum(0);
    QImage image = paint();
    QCOMPARE(QColor(image.pixel(100, 100)), QColor(200, 0, 0));
    QCOMPARE(QColor(image.pixel(380, 100)), QColor(0, 0, 200));
    QCOMPARE(QMyDrawCache::image(picture, QSize(480, 272)).size(), QSize(480, 272));

    page->setPageImageNum(1);
    image = paint();
    QCOMPARE(image.pixelColor(240, 136).alpha(), 0);
    QVERIFY(QMyDrawCache::image(wide).isNull());
    QMyDrawCache::clear();
}

QTEST_MAIN(TestQMyFrame)
#include "tst_qmyframe.moc"
