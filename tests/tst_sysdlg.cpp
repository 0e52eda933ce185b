#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include "dialogtestutil.h"
#include "qmyslider.h"
#include "sysdlg.h"
#include "version.h"

class TestSysDlg : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        SysDlg dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(479, 234));
        QCOMPARE(dlg.baudText(), QString("115200"));
        QCOMPARE(dlg.requestedBaudText(), QString("115200"));
        QCOMPARE(dlg.backlight(), 20);
        QCOMPARE(dlg.requestedBacklight(), 20);
        auto *slider = dlg.findChild<QMySlider *>("horizontalSliderScreen");
        QVERIFY(slider);
        QCOMPARE(slider->value(), 20);
        QCOMPARE(slider->maximum(), 255);
        QCOMPARE(dlg.findChild<QLabel *>("labScreenValue")->text(), QString("7%"));
        QCOMPARE(dlg.findChild<QComboBox *>("cbBuad")->count(), 0);
    }

    void backlightInstruction_data()
    {
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<int>("requested");
        QTest::newRow("brightest") << 255 << "100%"
                                   << "BL(0);" << 0;
        QTest::newRow("darkest") << 0 << "0%"
                                 << "BL(255);" << 255;
        QTest::newRow("start") << 20 << "7%"
                               << "BL(235);" << 235;
        QTest::newRow("middle") << 128 << "50%"
                                << "BL(127);" << 127;
    }
    void backlightInstruction()
    {
        QFETCH(int, slider);
        QFETCH(QString, label);
        QFETCH(QString, instruction);
        QFETCH(int, requested);
        SysDlg dlg;
        QSignalSpy spy(&dlg, &SysDlg::s_sendMes);
        auto *s = dlg.findChild<QMySlider *>("horizontalSliderScreen");
        s->setValue(slider == 20 ? 21 : 20); // make sure the value really changes
        s->setValue(slider);
        QCOMPARE(dlg.findChild<QLabel *>("labScreenValue")->text(), label);
        dlg.findChild<QPushButton *>("btnScreenValue")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 3);
        QCOMPARE(spy.at(0).at(1).toString(), instruction);
        QCOMPARE(dlg.requestedBacklight(), requested);
        QCOMPARE(dlg.backlight(), 20); // confirmed only when the module answers
    }

    void baudInstruction_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("empty combo") << QStringList() << "BPS();";
        QTest::newRow("9600") << QStringList {"9600"} << "BPS(9600);";
    }
    void baudInstruction()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, instruction);
        SysDlg dlg;
        dlg.findChild<QComboBox *>("cbBuad")->addItems(items);
        QSignalSpy spy(&dlg, &SysDlg::s_sendMes);
        dlg.findChild<QPushButton *>("btnBaud")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 4);
        QCOMPARE(spy.at(0).at(1).toString(), instruction);
        QCOMPARE(dlg.requestedBaudText(), items.value(0));
        QCOMPARE(dlg.baudText(), QString("115200"));
    }

    void settersTouchNoControl()
    {
        SysDlg dlg;
        dlg.setBaud("9600");
        dlg.setBacklight(100);
        QCOMPARE(dlg.baudText(), QString("9600"));
        QCOMPARE(dlg.requestedBaudText(), QString("9600"));
        QCOMPARE(dlg.backlight(), 100);
        QCOMPARE(dlg.requestedBacklight(), 100);
        QCOMPARE(dlg.findChild<QMySlider *>("horizontalSliderScreen")->value(), 20);
        QCOMPARE(dlg.findChild<QComboBox *>("cbBuad")->count(), 0);
    }

    void sliderJumpsToPress_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("value");
        QTest::newRow("middle") << 110 << 126;
        QTest::newRow("left end") << 0 << 0;
        QTest::newRow("right end") << 221 << 255;
    }
    void sliderJumpsToPress()
    {
        QFETCH(int, x);
        QFETCH(int, value);
        QCOMPARE(QMySlider::valueAt(0, 255, x, 221), value);
        QMySlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 255);
        slider.resize(221, 21);
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
        QCOMPARE(slider.value(), value);
    }

    void retranslateAndClose()
    {
        SysDlg dlg;
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        qApp->installTranslator(&translator);
        dlg.retranslate();
        qApp->removeTranslator(&translator);
        QCOMPARE(dlg.windowTitle(), QString("CoreSetting"));
        QCOMPARE(dlg.findChild<QPushButton *>("btnBaud")->text(), QString("Set"));
        QCOMPARE(dlg.findChild<QLabel *>("labScreenValue")->text(), QString("0"));
        dlg.show();
        dlg.findChild<QPushButton *>("btnClose")->click();
        QVERIFY(dlg.isHidden());
    }

    void versionDialog()
    {
        Version dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(364, 165));
        auto *label = dlg.findChild<QLabel *>("labVersion");
        QCOMPARE(label->text(), QString("V1.0.12"));
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        qApp->installTranslator(&translator);
        dlg.retranslate();
        qApp->removeTranslator(&translator);
        QCOMPARE(dlg.windowTitle(), QString("Version"));
        QCOMPARE(dlg.findChild<QLabel *>("label")->text(), QString("Version:"));
        QCOMPARE(label->text(), QString("V1.0.12"));
        dlg.show();
        dlg.findChild<QPushButton *>("btnClose")->click();
        QVERIFY(dlg.isHidden());
    }
};

QTEST_MAIN(TestSysDlg)
#include "tst_sysdlg.moc"
