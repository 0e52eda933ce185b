#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

// The boxes never block: answers come back to the asker's functions or through s_sendIsNo,
// or not at all.
class TestQMyMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void kinds_data();
    void kinds();
    void secondMessageReplacesFirst();
    void askedAnswers_data();
    void askedAnswers();
    void askedQuestionIsAnsweredOnce();
    void answerMayShowTheNextMessage();
    void unknownButtonSetKeepsButtons();
    void dragMovesTheBox();
    void sizeFollowsEachMessage();
    void printsNoQtWarnings_data();
    void printsNoQtWarnings();
    void staysOnTheScreen_data();
    void staysOnTheScreen();
    void shownAgainComesToFront();
    void progress();
    void progressWindowStacking();
    void progressWindowKeepsClear();
    void progressWindowKeepsClearOfANewDialog_data();
    void progressWindowKeepsClearOfANewDialog();
    void stoppedTransfer();
};

static QPushButton *button(QMyMessageBox &box, const char *name)
{
    return box.findChild<QPushButton *>(name);
}

void TestQMyMessageBox::answers_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("emitted");

    QTest::newRow("notice") << 0 << 0 << "btnCancel"
                            << "确定" << QList<int> {};
    QTest::newRow("set 0 with a code") << 0 << 5 << "btnCancel"
                                       << "确定" << QList<int> {6};
    QTest::newRow("set 1 ok") << 1 << 3 << "btnOk"
                              << "确定" << QList<int> {3};
    QTest::newRow("set 1 cancel") << 1 << 3 << "btnCancel"
                                  << "取消" << QList<int> {4};
    QTest::newRow("set 2 yes") << 2 << 7 << "btnOk"
                               << "是" << QList<int> {7};
    QTest::newRow("set 2 no") << 2 << 7 << "btnCancel"
                              << "否" << QList<int> {8};
    QTest::newRow("set 2 code 0 yes") << 2 << 0 << "btnOk"
                                      << "是" << QList<int> {0};
    QTest::newRow("set 2 code 0 no") << 2 << 0 << "btnCancel"
                                     << "否" << QList<int> {};
    QTest::newRow("set 3 yes") << 3 << 13 << "btnOk"
                               << "是" << QList<int> {13};
    QTest::newRow("set 3 no") << 3 << 13 << "btnCancel"
                              << "否" << QList<int> {14};
    QTest::newRow("set 3 cancel") << 3 << 13 << "btnNo"
                                  << "取消" << QList<int> {-1};
    QTest::newRow("set 3 code 0 cancel") << 3 << 0 << "btnNo"
                                         << "取消" << QList<int> {};
}

void TestQMyMessageBox::answers()
{
    QFETCH(int, set);
    QFETCH(int, code);
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(QList<int>, emitted);

    QMyMessageBox box;
    QVERIFY(box.isHidden());
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QSignalSpy spy(&box, &QMyMessageBox::s_sendIsNo);
    box.showMes(0, set, code, "question");
    QVERIFY(box.isVisible());

    QPushButton *b = ::button(box, button.toLatin1());
    QVERIFY(b->isVisible());
    QCOMPARE(b->text(), text);
    QTest::mouseClick(b, Qt::LeftButton);

    QList<int> got;
    for (const QList<QVariant> &args : spy)
        got << args.at(0).toInt();
    QCOMPARE(got, emitted);
    QVERIFY(box.isHidden());
}

void TestQMyMessageBox::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("style");

    QTest::newRow("information") << 0 << "提示"
                                 << "color:white;font: 16pt '宋体';";
    QTest::newRow("warning") << 1 << "警告"
                             << "color:yellow;font: 16pt '宋体';";
    QTest::newRow("error") << 2 << "错误"
                           << "color:red;font: 16pt '宋体';";
    QTest::newRow("unknown kind") << 5 << "提示"
                                  << "color:white;font: 16pt '宋体';";
}

void TestQMyMessageBox::kinds()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, style);

    QMyMessageBox box;
    box.showMes(kind, 0, 0, "text");
    QLabel *type = box.findChild<QLabel *>("labType");
    QCOMPARE(type->text(), title);
    QCOMPARE(type->styleSheet(), style);
    QCOMPARE(box.windowTitle(), title);
    QVERIFY(!box.findChild<QLabel *>("labIcon")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(box.findChild<QLabel *>("labMessage")->text(), QString("text"));
}

void TestQMyMessageBox::secondMessageReplacesFirst()
{
    QMyMessageBox box;
    QSignalSpy spy(&box, &QMyMessageBox::s_sendIsNo);
    box.showMes(0, 2, 7, "first");
    box.showMes(1, 3, 13, "second");
    QCOMPARE(box.findChild<QLabel *>("labMessage")->text(), QString("second"));
    QTest::mouseClick(::button(box, "btnOk"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 13);
}

void TestQMyMessageBox::askedAnswers_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answered");
    QTest::newRow("yes") << 2 << "btnOk"
                         << "是"
                         << "yes";
    QTest::newRow("no") << 2 << "btnCancel"
                        << "否"
                        << "no";
    QTest::newRow("three buttons, yes") << 3 << "btnOk"
                                        << "是"
                                        << "yes";
    QTest::newRow("three buttons, no") << 3 << "btnCancel"
                                       << "否"
                                       << "no";
    QTest::newRow("three buttons, cancel") << 3 << "btnNo"
                                           << "取消"
                                           << "cancel";
    QTest::newRow("ok") << 1 << "btnOk"
                        << "确定"
                        << "yes";
}

void TestQMyMessageBox::askedAnswers()
{
    QFETCH(int, set);
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(QString, answered);
    QMyMessageBox box;
    QSignalSpy spy(&box, &QMyMessageBox::s_sendIsNo);
    QStringList answers;
    box.ask(
        QMyMessageBox::Warning, QMyMessageBox::ButtonSet(set), "question",
        [&] { answers << "yes"; }, [&] { answers << "no"; }, [&] { answers << "cancel"; });
    QVERIFY(box.isVisible());
    QCOMPARE(box.windowTitle(), QString("警告"));
    QCOMPARE(box.findChild<QLabel *>("labMessage")->text(), QString("question"));
    QCOMPARE(::button(box, button.toLatin1())->text(), text);
    QTest::mouseClick(::button(box, button.toLatin1()), Qt::LeftButton);
    QCOMPARE(answers, QStringList {answered});
    QVERIFY(box.isHidden());
    QCOMPARE(spy.count(), 0);
}

// An answer comes once; a message shown before it replaces the question, whose answer then
// never comes; an answer without a function does nothing.
void TestQMyMessageBox::askedQuestionIsAnsweredOnce()
{
    QMyMessageBox box;
    QSignalSpy spy(&box, &QMyMessageBox::s_sendIsNo);
    int yes = 0;
    box.ask(QMyMessageBox::Information, QMyMessageBox::YesNo, "first", [&] { ++yes; });
    ::button(box, "btnOk")->click();
    ::button(box, "btnOk")->click();
    QCOMPARE(yes, 1);
    box.ask(QMyMessageBox::Information, QMyMessageBox::YesNo, "second", [&] { ++yes; });
    ::button(box, "btnCancel")->click();
    ::button(box, "btnOk")->click();
    QCOMPARE(yes, 1);
    box.ask(QMyMessageBox::Information, QMyMessageBox::YesNo, "third", [&] { ++yes; });
    box.showNotice(QMyMessageBox::Information, "notice");
    ::button(box, "btnCancel")->click();
    QCOMPARE(yes, 1);
    QCOMPARE(spy.count(), 0);
    box.ask(QMyMessageBox::Information, QMyMessageBox::YesNo, "fourth", [&] { ++yes; });
    box.showMes(0, 2, 7, "coded");
    ::button(box, "btnOk")->click();
    QCOMPARE(yes, 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 7);
    box.ask(QMyMessageBox::Information, QMyMessageBox::YesNoCancel, "fifth", [&] { ++yes; });
    ::button(box, "btnNo")->click();
    QCOMPARE(yes, 1);
    QCOMPARE(spy.count(), 1);
}

// What an answer shows on the same box stays up, whether the answer came to a function or
// with a code.
void TestQMyMessageBox::answerMayShowTheNextMessage()
{
    QMyMessageBox box;
    box.ask(QMyMessageBox::Information, QMyMessageBox::YesNo, "question",
            [&] { box.showNotice(QMyMessageBox::Warning, "after"); });
    ::button(box, "btnOk")->click();
    QVERIFY(box.isVisible());
    QCOMPARE(box.findChild<QLabel *>("labMessage")->text(), QString("after"));

    connect(&box, &QMyMessageBox::s_sendIsNo, &box,
            [&] { box.showNotice(QMyMessageBox::Warning, "after the code"); });
    box.showMes(0, 2, 7, "coded");
    ::button(box, "btnOk")->click();
    QVERIFY(box.isVisible());
    QCOMPARE(box.findChild<QLabel *>("labMessage")->text(), QString("after the code"));
}

void TestQMyMessageBox::unknownButtonSetKeepsButtons()
{
    QMyMessageBox box;
    box.showMes(0, 3, 9, "three buttons");
    box.showMes(0, 7, 9, "same buttons");
    QVERIFY(::button(box, "btnNo")->isVisible());
    QCOMPARE(::button(box, "btnNo")->text(), QString("取消"));
    QCOMPARE(::button(box, "btnOk")->text(), QString("是"));
}

void TestQMyMessageBox::dragMovesTheBox()
{
    QMyMessageBox box;
    box.showMes(0, 0, 0, "drag me");
    box.move(100, 100);
    const QPoint start = box.pos();
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &move);
    QCOMPARE(box.pos(), start + QPoint(30, 20));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    QMouseEvent after(QEvent::MouseMove, QPointF(60, 60), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &after);
    QCOMPARE(box.pos(), start + QPoint(30, 20));
}

void TestQMyMessageBox::sizeFollowsEachMessage()
{
    QMyMessageBox box;
    box.showMes(0, 0, 0, "short");
    const QSize designed = box.size();
    QLabel *text = box.findChild<QLabel *>("labMessage");
    // A long file name does not wrap: the box widens for it, and narrows again for the next
    // message.
    const QString name = QString("picture_with_a_long_name_").repeated(2) + "0.png";
    QVERIFY(text->fontMetrics().horizontalAdvance(name)
            < box.screen()->availableGeometry().width() * 3 / 4);
    box.showMes(1, 0, 0, name);
    QVERIFY(box.width() > designed.width());
    QCOMPARE(text->text(), name);
    QVERIFY(text->width() >= text->minimumSizeHint().width());
    box.showMes(0, 0, 0, "short");
    QCOMPARE(box.size(), designed);
    // Many lines make it taller, with every line inside.
    box.showMes(0, 0, 0, QString("这是一条很长的消息，").repeated(40));
    QCOMPARE(box.width(), designed.width());
    QVERIFY(box.height() > designed.height());
    QVERIFY(text->height() >= text->heightForWidth(text->width()));
    box.showMes(0, 0, 0, "short");
    QCOMPARE(box.size(), designed);
}

// Collects the Qt warnings printed while it lives, and still prints them.
class WarningCollector
{
public:
    WarningCollector()
    {
        warnings().clear();
        previous() = qInstallMessageHandler(collect);
    }
    ~WarningCollector() { qInstallMessageHandler(previous()); }
    static QStringList &warnings()
    {
        static QStringList list;
        return list;
    }

private:
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        // The offscreen platform says what it cannot do; a desktop does it.
        if (type == QtWarningMsg && !message.startsWith("This plugin does not support"))
            warnings().append(message);
        previous()(type, context, message);
    }
};

void TestQMyMessageBox::printsNoQtWarnings_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("empty first") << QStringList {""};
    QTest::newRow("empty after text") << QStringList {"short", ""};
    QTest::newRow("line breaks only") << QStringList {"\n\n"};
    QTest::newRow("line breaks after empty") << QStringList {"", "\n"};
    QTest::newRow("blank") << QStringList {" "};
    QTest::newRow("zero-width space") << QStringList {QString(QChar(0x200B))};
    QTest::newRow("rich text") << QStringList {"<b></b>"};
}

// Each message gets the box's form size, and Qt has nothing to complain of.
void TestQMyMessageBox::printsNoQtWarnings()
{
    QFETCH(QStringList, messages);
    QMyMessageBox sized;
    sized.showMes(0, 0, 0, "short");
    const QSize designed = sized.size();
    sized.hide();

    WarningCollector collector;
    QMyMessageBox box;
    QLabel *text = box.findChild<QLabel *>("labMessage");
    for (const QString &message : qAsConst(messages)) {
        box.showMes(0, 0, 0, message);
        QCOMPARE(box.size(), designed);
        QVERIFY(text->height() >= text->sizeHint().height());
    }
    QCOMPARE(WarningCollector::warnings(), QStringList());
}

void TestQMyMessageBox::staysOnTheScreen_data()
{
    QTest::addColumn<QString>("message");
    const QString failed = QStringLiteral("保存失败！\n/tmp/%1/p.yBEX: 磁盘空间不足");
    QTest::newRow("folder name") << failed.arg(QString("a_folder_with_a_long_name_").repeated(60));
    QTest::newRow("pasted value") << failed.arg(QString("x").repeated(3000) + "+1");
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QStringLiteral("picture%1.png").arg(i);
    QTest::newRow("many files") << "以下文件不是PNG或JPG图片，未导入：\n" + names.join('\n');
}

// A message wider or taller than the screen breaks where it must and scrolls: the box and
// its button stay on the screen, and the whole text is there as it was given.
void TestQMyMessageBox::staysOnTheScreen()
{
    QFETCH(QString, message);
    QMyMessageBox box;
    QLabel *text = box.findChild<QLabel *>("labMessage");
    box.showMes(1, 0, 0, message);
    const QRect screen = box.screen()->availableGeometry();
    QVERIFY(text->fontMetrics().boundingRect(message).width() > screen.width()
            || text->fontMetrics().lineSpacing() * message.count('\n') > screen.height());
    QVERIFY(box.width() <= screen.width());
    QVERIFY(box.height() <= screen.height());
    QVERIFY(text->width() >= text->minimumSizeHint().width());
    QVERIFY(text->height() >= text->heightForWidth(text->width()));
    QCOMPARE(text->text().remove(QChar(0x200B)), message);
    const QPushButton *ok = button(box, "btnCancel");
    QVERIFY(box.rect().contains(QRect(ok->mapTo(&box, QPoint()), ok->size())));

    // Moved by the user into a corner, the box stays there for short messages, and keeps
    // inside the screen for a large one.
    box.showMes(0, 0, 0, "short");
    const QPoint corner = screen.bottomRight() - QPoint(box.width(), box.height());
    box.move(corner);
    box.showMes(0, 0, 0, "short");
    QCOMPARE(box.pos(), corner);
    box.showMes(1, 0, 0, message);
    QVERIFY(screen.contains(box.frameGeometry()));
}

// A message comes to the front even when its box is on screen behind another window.
void TestQMyMessageBox::shownAgainComesToFront()
{
    QWidget other;
    QMyMessageBox box;
    box.showMes(0, 0, 0, "first");
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    box.showMes(0, 0, 0, "second");
    QTRY_COMPARE(QApplication::activeWindow(), &box);
}

void TestQMyMessageBox::progress()
{
    QMyProgressBarMes window;
    QVERIFY(window.isHidden());
    QPushButton *close = window.findChild<QPushButton *>("btnClose");
    QProgressBar *bar = window.findChild<QProgressBar *>("progressBar");

    window.setProgress(100, 0);
    QVERIFY(window.isVisible());
    QCOMPARE(close->text(), QString("关闭"));

    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(window.isHidden());
    window.setProgress(100, 40);
    QVERIFY(window.isHidden());
    QCOMPARE(bar->value(), 40);

    window.setProgress(100, 100);
    QVERIFY(window.isVisible());
    QCOMPARE(close->text(), QString("完成"));

    window.close();
    QVERIFY(window.isHidden());
    window.setProgress(0, 0);
    QVERIFY(window.isVisible());
    QCOMPARE(close->text(), QString("关闭"));
    // Never Qt's endless busy bar.
    QVERIFY(bar->maximum() > bar->minimum());
}

// Owned by a window, it stays above that window only, so that message boxes, which stay on
// top of all, are never hidden behind it.
void TestQMyMessageBox::progressWindowStacking()
{
    QWidget owner;
    QMyProgressBarMes owned(&owner);
    QVERIFY(owned.isWindow());
    QVERIFY(!owned.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    owned.setProgress(100, 0);
    QVERIFY(owned.isVisible());
    QCOMPARE(owned.windowHandle()->transientParent(), owner.windowHandle());
    QMyProgressBarMes alone;
    QVERIFY(alone.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(QMyMessageBox().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// Owned by a window, it keeps clear of the other windows on screen, whichever came up
// first. Message boxes, which come to the front by themselves, do not move it.
void TestQMyMessageBox::progressWindowKeepsClear()
{
    QWidget owner;
    owner.setGeometry(50, 50, 600, 450);
    owner.show();
    QMyProgressBarMes progress(&owner);
    progress.setProgress(100, 0);
    const QRect alone = progress.frameGeometry();
    QCOMPARE(alone.center(), owner.frameGeometry().center());

    QDialog dialog;
    dialog.resize(300, 200);
    QRect spot(QPoint(), dialog.size());
    spot.moveCenter(alone.center());
    dialog.move(spot.topLeft());
    dialog.show();
    QVERIFY(!progress.frameGeometry().intersects(dialog.frameGeometry()));

    progress.hide();
    progress.setProgress(100, 0);
    QVERIFY(progress.isVisible());
    QVERIFY(!progress.frameGeometry().intersects(dialog.frameGeometry()));

    dialog.hide();
    progress.hide();
    progress.setProgress(100, 0);
    QCOMPARE(progress.frameGeometry(), alone);
    QMyMessageBox box;
    box.showMes(0, 0, 0, "message");
    QCOMPARE(progress.frameGeometry(), alone);
}

void TestQMyMessageBox::progressWindowKeepsClearOfANewDialog_data()
{
    QTest::addColumn<bool>("ownedDialog");
    QTest::newRow("dialog of the window") << true;
    QTest::newRow("dialog of its own") << false;
}

// A dialog shown for the first time places itself only as it shows, centred where the
// progress window stands: the progress window moves clear of where the dialog ends up.
void TestQMyMessageBox::progressWindowKeepsClearOfANewDialog()
{
    QFETCH(bool, ownedDialog);
    QWidget owner;
    QRect middle(QPoint(), QSize(600, 450));
    middle.moveCenter(owner.screen()->availableGeometry().center());
    owner.setGeometry(middle);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QMyProgressBarMes progress(&owner);
    progress.setProgress(100, 0);

    QDialog dialog(ownedDialog ? &owner : nullptr);
    dialog.resize(300, 200);
    dialog.show();
    QVERIFY(dialog.frameGeometry().contains(owner.frameGeometry().center()));
    QTRY_VERIFY(!progress.frameGeometry().intersects(dialog.frameGeometry()));
    QVERIFY(owner.screen()->availableGeometry().contains(progress.frameGeometry()));
}

void TestQMyMessageBox::stoppedTransfer()
{
    QMyProgressBarMes window;
    QPushButton *close = window.findChild<QPushButton *>("btnClose");
    QProgressBar *bar = window.findChild<QProgressBar *>("progressBar");
    window.setTitle("图片下载");
    window.setProgress(200, 50);
    window.setStopped(false);
    QCOMPARE(bar->value(), 50);
    QCOMPARE(bar->text(), QString("失败"));
    QCOMPARE(close->text(), QString("关闭"));
    window.retranslate();
    QCOMPARE(window.windowTitle(), QString("图片下载"));
    QCOMPARE(bar->text(), QString("失败"));
    window.setStopped(true);
    QCOMPARE(bar->text(), QString("已取消"));
    // The next transfer shows its progress again.
    window.setProgress(100, 0);
    QCOMPARE(bar->text(), QString("0%"));
    window.setProgress(100, 100);
    window.retranslate();
    QCOMPARE(close->text(), QString("完成"));
}

QTEST_MAIN(TestQMyMessageBox)
#include "tst_qmymessagebox.moc"
