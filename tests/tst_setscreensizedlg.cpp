#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "dialogtestutil.h"

#include "globals.h"
#include "setscreensizedlg.h"

// Runs the dialog modally and lets `action` work on it while exec() is running.
template<typename Action> static bool runDialog(SetScreenSizeDlg &dlg, Action action)
{
    QTimer::singleShot(0, &dlg, [&dlg, action] { action(dlg); });
    return dlg.execDlg();
}

static void click(SetScreenSizeDlg &dlg, const char *name)
{
    auto *button = dlg.findChild<QAbstractButton *>(name);
    QVERIFY2(button, name);
    button->click();
}

class TestSetScreenSizeDlg : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        SetScreenSizeDlg dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(520, 224));
        QCOMPARE(dlg.maximumSize(), QSize(520, 224));
        QCOMPARE(dlg.resolutionText(), QString());
        QCOMPARE(dlg.screenType(), 0);
        QCOMPARE(dlg.modelType(), 0);
        auto *combo = dlg.findChild<QComboBox *>("cbVGA");
        QVERIFY(combo);
        QCOMPARE(combo->count(), 18);
        for (int i = 0; i < combo->count(); ++i)
            QCOMPARE(combo->itemText(i), resolutionList.at(i));
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(dlg.windowTitle(), QString("设置分辨率"));
    }

    void okStoresChoices_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<int>("modelType");
        QTest::addColumn<int>("screenType");
        QTest::newRow("defaults") << "rbModelKV" << 0 << "rbPorTrait_0" << 0 << 0;
        QTest::newRow("PM, 90") << "rbModelPM" << 6 << "rbLandScape_90" << 1 << 1;
        QTest::newRow("KV, 180") << "rbModelKV" << 13 << "rbPorTrait_180" << 0 << 2;
        QTest::newRow("PM, 270") << "rbModelPM" << 17 << "rbLandScape_270" << 1 << 3;
    }
    void okStoresChoices()
    {
        QFETCH(QString, series);
        QFETCH(int, resolution);
        QFETCH(QString, orientation);
        QFETCH(int, modelType);
        QFETCH(int, screenType);
        SetScreenSizeDlg dlg;
        const bool accepted = runDialog(dlg, [&](SetScreenSizeDlg &d) {
            d.findChild<QRadioButton *>(series)->setChecked(true);
            d.findChild<QRadioButton *>(orientation)->setChecked(true);
            d.findChild<QComboBox *>("cbVGA")->setCurrentIndex(resolution);
            click(d, "btnOK");
        });
        QVERIFY(accepted);
        QCOMPARE(dlg.modelType(), modelType);
        QCOMPARE(dlg.screenType(), screenType);
        QCOMPARE(dlg.resolutionText(), resolutionList.at(resolution));
        QVERIFY(dlg.isHidden());
    }

    void cancelAndCloseKeepValues_data()
    {
        QTest::addColumn<bool>("useCloseButton");
        QTest::newRow("cancel") << false;
        QTest::newRow("window close") << true;
    }
    void cancelAndCloseKeepValues()
    {
        QFETCH(bool, useCloseButton);
        SetScreenSizeDlg dlg;
        dlg.setResolutionText("480*272(HHVGA)");
        dlg.setModelType(1);
        const bool accepted = runDialog(dlg, [&](SetScreenSizeDlg &d) {
            d.findChild<QRadioButton *>("rbModelKV")->setChecked(true);
            d.findChild<QRadioButton *>("rbLandScape_270")->setChecked(true);
            d.findChild<QComboBox *>("cbVGA")->setCurrentIndex(3);
            if (useCloseButton)
                d.close();
            else
                click(d, "btnCancel");
        });
        QVERIFY(!accepted);
        QCOMPARE(dlg.resolutionText(), QString("480*272(HHVGA)"));
        QCOMPARE(dlg.modelType(), 1);
        QCOMPARE(dlg.screenType(), 0);
    }

    void retranslateToEnglish()
    {
        SetScreenSizeDlg dlg;
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        qApp->installTranslator(&translator);
        dlg.retranslate();
        qApp->removeTranslator(&translator);
        QCOMPARE(dlg.windowTitle(), QString("Set Dpi"));
        QCOMPARE(dlg.findChild<QRadioButton *>("rbLandScape_90")->text(), QString("Rotate 90°"));
        QCOMPARE(dlg.findChild<QPushButton *>("btnCancel")->text(), QString("Cancel"));
        QCOMPARE(dlg.findChild<QComboBox *>("cbVGA")->count(), 18);
    }

    void secondRunKeepsPreviousChoices()
    {
        SetScreenSizeDlg dlg;
        QVERIFY(runDialog(dlg, [](SetScreenSizeDlg &d) {
            d.findChild<QRadioButton *>("rbModelPM")->setChecked(true);
            d.findChild<QRadioButton *>("rbPorTrait_180")->setChecked(true);
            d.findChild<QComboBox *>("cbVGA")->setCurrentIndex(12);
            click(d, "btnOK");
        }));
        // A loaded project changes the stored values, but not the controls.
        dlg.setModelType(0);
        dlg.setResolutionText("128*128(SQQVGA)");
        QCOMPARE(dlg.findChild<QComboBox *>("cbVGA")->currentIndex(), 12);
        QVERIFY(runDialog(dlg, [](SetScreenSizeDlg &d) { click(d, "btnOK"); }));
        QCOMPARE(dlg.modelType(), 1);
        QCOMPARE(dlg.screenType(), 2);
        QCOMPARE(dlg.resolutionText(), QString("480*272(HHVGA)"));
    }
};

QTEST_MAIN(TestSetScreenSizeDlg)
#include "tst_setscreensizedlg.moc"
