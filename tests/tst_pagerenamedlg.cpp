#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "dialogtestutil.h"

#include "designglobals.h"
#include "pagerenamedlg.h"

class TestPageRenameDlg : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        PageRenameDlg dlg;
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(271, 105));
        QCOMPARE(dlg.maximumSize(), QSize(271, 105));
        QCOMPARE(dlg.pageIndex(), 0);
        QCOMPARE(dlg.pageLabel(), QString());
        QCOMPARE(dlg.windowTitle(), QString("页重命名"));
    }

    void rename_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("itemText");
        QTest::addColumn<QString>("name");
        QTest::newRow("new name") << "Start"
                                  << "Page-2(Start)"
                                  << "Start";
        QTest::newRow("empty name") << ""
                                    << "Page-2"
                                    << "";
        QTest::newRow("blanks count as a name") << "  "
                                                << "Page-2(  )"
                                                << "  ";
        QTest::newRow("placeholder-like text") << "%1%2"
                                               << "Page-2(%1%2)"
                                               << "%1%2";
    }
    void rename()
    {
        QFETCH(QString, typed);
        QFETCH(QString, itemText);
        QFETCH(QString, name);
        PageRenameDlg dlg;
        QSignalSpy spy(&dlg, &PageRenameDlg::s_sendName);
        dlg.showDlg(2, "Page-2", "Main");
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.findChild<QLabel *>("labPageName")->text(), QString("Page-2:"));
        auto *edit = dlg.findChild<QLineEdit *>("editName");
        QCOMPARE(edit->text(), QString("Main"));
        edit->setText(typed);
        dlg.findChild<QPushButton *>("btnOK")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(0).at(1).toString(), itemText);
        QCOMPARE(spy.at(0).at(2).toString(), name);
        QVERIFY(dlg.isHidden());
    }

    // A project file holds page names this long, so a design named here opens again.
    void nameFitsTheProjectFile()
    {
        PageRenameDlg dlg;
        dlg.showDlg(0, "Page-0", QString());
        auto *edit = dlg.findChild<QLineEdit *>("editName");
        QCOMPARE(edit->maxLength(), MaxLineLength);
        edit->setText(QString(MaxLineLength + 5, 'n'));
        QCOMPARE(edit->text().size(), MaxLineLength);
    }

    void closeSendsNothing()
    {
        PageRenameDlg dlg;
        QSignalSpy spy(&dlg, &PageRenameDlg::s_sendName);
        dlg.showDlg(1, "Page-1", "");
        dlg.close();
        QVERIFY(dlg.isHidden());
        QCOMPARE(spy.count(), 0);
    }

    void retranslateResetsLabel()
    {
        PageRenameDlg dlg;
        dlg.showDlg(3, "Page-3", "x");
        dlg.retranslate();
        QCOMPARE(dlg.findChild<QLabel *>("labPageName")->text(), QString("Page-0:"));
        QCOMPARE(dlg.pageIndex(), 3);
    }
};

QTEST_MAIN(TestPageRenameDlg)
#include "tst_pagerenamedlg.moc"
