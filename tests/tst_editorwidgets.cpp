#include "qtcharedit.h"
#include "qtcoloreditwidget.h"
#include "qtfonteditwidget.h"

#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

// The character, colour and font editors: what the user does reaches valueChanged, what the
// program sets does not, and an editor closed while its menu or dialog is open is let alone.
class TestEditorWidgets : public QObject
{
    Q_OBJECT
private slots:
    void charKeys();
    void charContextMenu();
    void charEditorDeletedWhileItsMenuIsOpen();
    void fontDialogTakesWhatItOffers();
    void editorsDeletedWhileTheirDialogIsOpen();
    void buttonPassesTheEditKeysOn();

private:
    // Runs check on the menu or dialog the next event-loop pass finds open.
    template<class Check> void whenOpen(Check check) { QTimer::singleShot(0, this, check); }
};

void TestEditorWidgets::charKeys()
{
    QtCharEdit editor;
    editor.setValue(QChar('a'));
    QSignalSpy spy(&editor, &QtCharEdit::valueChanged);
    QTest::keyClick(&editor, 'a');
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(&editor, 'b');
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toChar(), QChar('b'));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Shift, Qt::Key_Control,
                        Qt::Key_Alt, Qt::Key_Return, Qt::Key_Meta, Qt::Key_Escape})
        QTest::keyClick(&editor, key);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.value(), QChar('b'));
    QCOMPARE(editor.findChild<QLineEdit *>()->text(), QString("b"));
    editor.setValue(QChar('x'));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.findChild<QLineEdit *>()->text(), QString("x"));
}

void TestEditorWidgets::charContextMenu()
{
    QtCharEdit editor;
    editor.setValue(QChar('a'));
    editor.show();
    QLineEdit *line = editor.findChild<QLineEdit *>();
    QSignalSpy spy(&editor, &QtCharEdit::valueChanged);
    QStringList texts;
    bool clearEnabled = false;
    whenOpen([&]() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions) {
            texts << (action->isSeparator() ? QString("-") : action->text());
            QVERIFY(action->shortcut().isEmpty());
        }
        clearEnabled = actions.first()->isEnabled();
        actions.first()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            line->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(line, &event);
    QVERIFY(texts.size() > 3);
    QCOMPARE(texts.mid(0, 2), QStringList({"Clear Char", "-"}));
    for (const QString &text : qAsConst(texts))
        QVERIFY2(!text.contains('\t'), qPrintable(text));
    QVERIFY(clearEnabled);
    QCOMPARE(spy.count(), 1);
    QVERIFY(spy.at(0).at(0).toChar().isNull());
    QVERIFY(editor.value().isNull());

    whenOpen([&]() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        clearEnabled = menu->actions().first()->isEnabled();
        menu->close();
    });
    QApplication::sendEvent(line, &event);
    QVERIFY(!clearEnabled);
    QCOMPARE(spy.count(), 1);
}

void TestEditorWidgets::charEditorDeletedWhileItsMenuIsOpen()
{
    QPointer<QtCharEdit> editor = new QtCharEdit;
    editor->show();
    QLineEdit *line = editor->findChild<QLineEdit *>();
    whenOpen([&]() { delete editor; });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            line->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(line, &event);
    QVERIFY(!editor);
}

void TestEditorWidgets::fontDialogTakesWhatItOffers()
{
    const QStringList families = QFontDatabase().families();
    QVERIFY(families.size() > 1);
    // A family with a bold face for the dialog to choose.
    QString boldFamily;
    for (const QString &family : families) {
        if (family != families.first() && QFontDatabase().styles(family).contains("Bold")) {
            boldFamily = family;
            break;
        }
    }
    QVERIFY(!boldFamily.isEmpty());
    QtFontEditWidget editor;
    QFont stored(families.first(), 10);
    stored.setKerning(false);
    stored.setWeight(QFont::Normal);
    stored.setCapitalization(QFont::SmallCaps);
    editor.setValue(stored);
    QSignalSpy spy(&editor, &QtFontEditWidget::valueChanged);

    QString title;
    whenOpen([&]() {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        QFont chosen(boldFamily, 14);
        chosen.setBold(true);
        chosen.setKerning(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    editor.findChild<QToolButton *>()->click();
    QCOMPARE(title, QString("Select Font"));
    QCOMPARE(spy.count(), 1);
    const QFont font = editor.value();
    QCOMPARE(font.family(), boldFamily);
    QCOMPARE(font.pointSize(), 14);
    QCOMPARE(font.weight(), int(QFont::Bold));
    // What the dialog does not offer stays as it was.
    QCOMPARE(font.kerning(), false);
    QCOMPARE(font.capitalization(), QFont::SmallCaps);

    whenOpen([&]() {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->reject();
    });
    editor.findChild<QToolButton *>()->click();
    QCOMPARE(spy.count(), 1);
}

void TestEditorWidgets::editorsDeletedWhileTheirDialogIsOpen()
{
    QPointer<QtFontEditWidget> fontEditor = new QtFontEditWidget;
    int reports = 0;
    connect(fontEditor, &QtFontEditWidget::valueChanged, this, [&reports]() { ++reports; });
    whenOpen([&]() {
        QVERIFY(QApplication::activeModalWidget());
        delete fontEditor;
    });
    fontEditor->findChild<QToolButton *>()->click();
    QVERIFY(!fontEditor);

    QPointer<QtColorEditWidget> colorEditor = new QtColorEditWidget;
    connect(colorEditor, &QtColorEditWidget::valueChanged, this, [&reports]() { ++reports; });
    whenOpen([&]() {
        QVERIFY(QApplication::activeModalWidget());
        delete colorEditor;
    });
    colorEditor->findChild<QToolButton *>()->click();
    QVERIFY(!colorEditor);
    QCOMPARE(reports, 0);
}

void TestEditorWidgets::buttonPassesTheEditKeysOn()
{
    QtFontEditWidget fontEditor;
    QtColorEditWidget colorEditor;
    for (QWidget *editor :
         {static_cast<QWidget *>(&fontEditor), static_cast<QWidget *>(&colorEditor)}) {
        QToolButton *button = editor->findChild<QToolButton *>();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(button, &press);
            QVERIFY(!press.isAccepted());
        }
        QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QVERIFY(!static_cast<QObject *>(editor)->eventFilter(button, &other));
    }
}

QTEST_MAIN(TestEditorWidgets)
#include "tst_editorwidgets.moc"
