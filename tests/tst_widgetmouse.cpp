#include "qmywidget.h"
#include "qmywidgetfactory.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

// Selecting, moving and resizing a widget with the mouse, and the signals it sends.
class TestWidgetMouse : public QObject
{
    Q_OBJECT

private:
    QWidget *page = nullptr;

    QMyWidget *make(int type, int x, int y)
    {
        QMyWidget *w = QMyWidgetFactory::create(WidgetType(type), 1, page);
        w->setPos(x, y);
        w->show();
        w->repaint(); // lays out the handles
        return w;
    }

    static void send(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButton button,
                     Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void press(QWidget *w, const QPoint &pos, Qt::MouseButton b = Qt::LeftButton)
    {
        send(w, QEvent::MouseButtonPress, pos, b, b);
    }
    static void drag(QWidget *w, const QPoint &pos, Qt::MouseButtons b = Qt::LeftButton)
    {
        send(w, QEvent::MouseMove, pos, Qt::NoButton, b);
    }
    static void hover(QWidget *w, const QPoint &pos)
    {
        send(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    }
    static void release(QWidget *w, const QPoint &pos, Qt::MouseButton b = Qt::LeftButton)
    {
        send(w, QEvent::MouseButtonRelease, pos, b, Qt::NoButton);
    }

private slots:
    void init();
    void cleanup();

    void pressSelectsOnce();
    void pressChoosesHandleOrMove_data();
    void pressChoosesHandleOrMove();
    void dragMovesWithinThePage();
    void resizeByHandles();
    void releaseReportsCanvasPosition();
    void moveWithoutButtonEndsADrag();
    void hoverCursors();
    void squareTypesHaveCornerHandlesOnly();
};

void TestWidgetMouse::init()
{
    page = new QWidget;
    page->resize(200, 100);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
}

void TestWidgetMouse::cleanup()
{
    delete page;
    page = nullptr;
}

void TestWidgetMouse::pressSelectsOnce()
{
    QMyWidget *w = make(0, 10, 10);
    w->setSelected(false);
    QSignalSpy pressed(w, &QMyWidget::s_sendPressWnd);
    press(w, QPoint(30, 15));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<QMyWidget *>(), w);
    QVERIFY(w->isSelected());
    QVERIFY(w->getIsDragging());
    release(w, QPoint(30, 15));
    QVERIFY(!w->getIsDragging());
    QVERIFY(w->isSelected());

    // Already selected: no signal, but a drag starts all the same.
    press(w, QPoint(30, 15));
    QCOMPARE(pressed.count(), 1);
    QVERIFY(w->getIsDragging());
    release(w, QPoint(30, 15));

    // The right button selects and moves like the left one.
    w->setSelected(false);
    press(w, QPoint(30, 15), Qt::RightButton);
    QCOMPARE(pressed.count(), 2);
    drag(w, QPoint(35, 15), Qt::RightButton);
    QCOMPARE(w->getX(), 15);
}

void TestWidgetMouse::pressChoosesHandleOrMove_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("after");

    // 60 x 30 at (50, 40); a move of the pointer by (+4, +4).
    QTest::newRow("handle 0 edge") << QPoint(5, 5) << QPoint(9, 9) << QRect(54, 44, 56, 26);
    QTest::newRow("just inside: move") << QPoint(6, 6) << QPoint(10, 10) << QRect(54, 44, 60, 30);
    QTest::newRow("handle 1") << QPoint(30, 2) << QPoint(34, 6) << QRect(50, 44, 60, 26);
    QTest::newRow("handle 4") << QPoint(55, 15) << QPoint(59, 19) << QRect(50, 40, 59, 30);
    QTest::newRow("handle 6") << QPoint(30, 25) << QPoint(34, 29) << QRect(50, 40, 60, 29);
}

void TestWidgetMouse::pressChoosesHandleOrMove()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, to);
    QFETCH(QRect, after);
    QMyWidget *w = make(0, 50, 40);
    press(w, at);
    drag(w, to);
    QCOMPARE(QRect(w->getX(), w->getY(), w->getW(), w->getH()), after);
    QCOMPARE(w->getGeometryRect(), after);
    QCOMPARE(w->pos(), after.topLeft());
}

void TestWidgetMouse::dragMovesWithinThePage()
{
    QMyWidget *w = make(0, 50, 40);
    QSignalSpy moved(w, &QMyWidget::s_sendWndMove);
    press(w, QPoint(20, 10));
    drag(w, QPoint(25, 12));
    QCOMPARE(w->pos(), QPoint(55, 42));
    // Widget coordinates follow the widget: the same pointer position again is no step.
    drag(w, QPoint(20, 10));
    QCOMPARE(w->pos(), QPoint(55, 42));
    drag(w, QPoint(500, 500));
    QCOMPARE(w->pos(), QPoint(140, 70));
    drag(w, QPoint(-500, -500));
    QCOMPARE(w->pos(), QPoint(0, 0));
    QCOMPARE(moved.count(), 4);
    QCOMPARE(moved.at(3).at(0).value<QMyWidget *>(), w);
}

void TestWidgetMouse::resizeByHandles()
{
    QMyWidget *w = make(0, 100, 40);
    // Handle 3 dragged right: w shrinks step by step, the first step below 20 stops at 20
    // and leaves x where the previous step put it.
    press(w, QPoint(2, 15));
    drag(w, QPoint(32, 15));
    QCOMPARE(QRect(w->getX(), w->getY(), w->getW(), w->getH()), QRect(130, 40, 30, 30));
    w->repaint();
    drag(w, QPoint(17, 15));
    QCOMPARE(QRect(w->getX(), w->getY(), w->getW(), w->getH()), QRect(130, 40, 20, 30));
    release(w, QPoint(17, 15));

    // Handle 4 beyond the page border: w = page width - x.
    w->setPos(100, 40);
    w->setW(60);
    w->repaint();
    press(w, QPoint(55, 15));
    drag(w, QPoint(400, 15));
    QCOMPARE(w->getW(), 100);
    release(w, QPoint(400, 15));

    // Handle 1 above the top: y = 0 and h unchanged.
    w->repaint();
    press(w, QPoint(w->width() / 2, 2));
    drag(w, QPoint(w->width() / 2, -100));
    QCOMPARE(w->getY(), 0);
    QCOMPARE(w->getH(), 30);
    release(w, QPoint(0, 0));

    // The paint takes the new size.
    w->repaint();
    QCOMPARE(w->size(), QSize(100, 30));
}

void TestWidgetMouse::releaseReportsCanvasPosition()
{
    QMyWidget *w = make(0, 50, 40);
    QSignalSpy released(w, &QMyWidget::s_sendPressPos);
    press(w, QPoint(20, 10));
    release(w, QPoint(7, 8));
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toPoint(), QPoint(57, 48));
    release(w, QPoint(1, 1));
    QCOMPARE(released.count(), 2);
}

void TestWidgetMouse::moveWithoutButtonEndsADrag()
{
    // A context menu took the release: the next move without a button is a hover.
    QMyWidget *w = make(0, 50, 40);
    QSignalSpy moved(w, &QMyWidget::s_sendWndMove);
    press(w, QPoint(20, 10), Qt::RightButton);
    QVERIFY(w->getIsDragging());
    hover(w, QPoint(40, 20));
    QVERIFY(!w->getIsDragging());
    QCOMPARE(w->pos(), QPoint(50, 40));
    QCOMPARE(moved.count(), 1);
}

void TestWidgetMouse::hoverCursors()
{
    QMyWidget *w = make(0, 50, 40);
    w->setSelected(false);
    w->repaint();
    QSignalSpy moved(w, &QMyWidget::s_sendWndMove);
    const struct
    {
        QPoint at;
        Qt::CursorShape shape;
    } rows[] = {{{2, 2}, Qt::SizeFDiagCursor},  {{30, 2}, Qt::SizeVerCursor},
                {{55, 3}, Qt::SizeBDiagCursor}, {{1, 15}, Qt::SizeHorCursor},
                {{56, 15}, Qt::SizeHorCursor},  {{2, 26}, Qt::SizeBDiagCursor},
                {{30, 27}, Qt::SizeVerCursor},  {{57, 27}, Qt::SizeFDiagCursor},
                {{30, 15}, Qt::ArrowCursor}};
    for (const auto &row : rows) {
        hover(w, row.at);
        QCOMPARE(w->cursor().shape(), row.shape);
    }
    QCOMPARE(moved.count(), int(sizeof rows / sizeof rows[0]));
    QVERIFY(!w->isSelected());
}

void TestWidgetMouse::squareTypesHaveCornerHandlesOnly()
{
    for (int type : {5, 7, 8}) {
        QMyWidget *w = make(type, 10, 0);
        const int side = w->width();
        press(w, QPoint(side / 2, 2)); // top middle: a move
        drag(w, QPoint(side / 2 + 3, 2));
        QCOMPARE(w->getX(), 13);
        QCOMPARE(w->getW(), type == 5 ? 53 : 100);
        release(w, QPoint(0, 0));
        hover(w, QPoint(side / 2, 2));
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        hover(w, QPoint(side - 3, side - 3));
        QCOMPARE(w->cursor().shape(), Qt::SizeFDiagCursor);
        delete w;
    }
}

QTEST_MAIN(TestWidgetMouse)
#include "tst_widgetmouse.moc"
