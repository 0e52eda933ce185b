#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "colordlg.h"
#include "colordraw.h"
#include "colortablevalues.h"
#include "dialogtestutil.h"
#include "globals.h"

template<typename Action> static bool runPicker(ColorDlg &dlg, int start, Action action)
{
    QTimer::singleShot(0, &dlg, [&dlg, action] { action(dlg); });
    return dlg.selectColor(start);
}

static void clickButton(ColorDlg &dlg, const char *name)
{
    dlg.findChild<QPushButton *>(name)->click();
}

class TestColorDlg : public QObject
{
    Q_OBJECT
private slots:
    void swatchGeometry_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("first") << 0 << QRect(10, 10, 35, 35);
        QTest::newRow("second") << 1 << QRect(55, 10, 35, 35);
        QTest::newRow("end of row 0") << 15 << QRect(685, 10, 35, 35);
        QTest::newRow("start of row 1") << 16 << QRect(10, 55, 35, 35);
        QTest::newRow("last") << 63 << QRect(685, 145, 35, 35);
    }
    void swatchGeometry()
    {
        QFETCH(int, number);
        QFETCH(QRect, rect);
        QCOMPARE(ColorDraw::swatchRect(number), rect);
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("number");
        QTest::newRow("gap between 0 and 1") << QPoint(45, 20) << -1;
        QTest::newRow("last pixel of 0") << QPoint(44, 44) << 0;
        QTest::newRow("first pixel of 0") << QPoint(10, 10) << 0;
        QTest::newRow("corner of 17") << QPoint(55, 55) << 17;
        QTest::newRow("last pixel of 63") << QPoint(719, 179) << 63;
        QTest::newRow("margin") << QPoint(5, 5) << -1;
        QTest::newRow("below the grid") << QPoint(100, 250) << -1;
    }
    void hitTest()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, number);
        ColorDraw panel;
        QCOMPARE(panel.colorNumberAt(pos), number);
        QSignalSpy spy(&panel, &ColorDraw::s_selectColorNum);
        QTest::mouseRelease(&panel, Qt::RightButton, Qt::NoModifier, pos);
        if (number < 0) {
            QCOMPARE(spy.count(), 0);
        } else {
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toInt(), number);
        }
    }

    void numberColour_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("7 light grey") << 7 << QColor(Qt::black);
        QTest::newRow("8 dark grey") << 8 << QColor(Qt::white);
        QTest::newRow("50 dark violet") << 50 << QColor(Qt::white);
        QTest::newRow("60 near black") << 60 << QColor(Qt::white);
        QTest::newRow("25 green alone above 70") << 25 << QColor(Qt::black);
        QTest::newRow("0 black") << 0 << QColor(Qt::white);
    }
    void numberColour()
    {
        QFETCH(int, number);
        QFETCH(QColor, expected);
        QCOMPARE(ColorDraw::numberColor(colorTableValue(number)), expected);
    }

    void drawsTheTable()
    {
        ColorDraw panel;
        QCOMPARE(panel.size(), QSize(731, 311));
        const QImage image = panel.grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(730, 310), QColor(Qt::black));
        QCOMPARE(image.pixelColor(50, 20), QColor(235, 235, 235));
        for (int n = 0; n < 64; ++n) {
            // the lower right of a swatch lies clear of its number
            const QRect r = ColorDraw::swatchRect(n);
            QCOMPARE(image.pixelColor(r.right() - 3, r.bottom() - 3), expectedTableColor(n));
        }
    }

    void pick_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("index");
        QTest::newRow("keep start") << 12 << QPoint() << "btnOK" << true << 12;
        QTest::newRow("click 17, OK") << 12 << QPoint(60, 60) << "btnOK" << true << 17;
        // the index follows the click even when the user cancels afterwards
        QTest::newRow("click 17, cancel") << 12 << QPoint(60, 60) << "btnCancel" << false << 17;
        QTest::newRow("window close") << 5 << QPoint() << "" << false << 5;
    }
    void pick()
    {
        QFETCH(int, start);
        QFETCH(QPoint, click);
        QFETCH(QString, button);
        QFETCH(bool, accepted);
        QFETCH(int, index);
        ColorDlg dlg;
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(757, 394));
        QCOMPARE(dlg.maximumSize(), QSize(757, 394));
        const bool result = runPicker(dlg, start, [&](ColorDlg &d) {
            if (!click.isNull())
                QTest::mouseRelease(d.findChild<ColorDraw *>("colorFrame"), Qt::LeftButton,
                                    Qt::NoModifier, click);
            if (button.isEmpty())
                d.close();
            else
                clickButton(d, button.toLatin1().constData());
        });
        QCOMPARE(result, accepted);
        QCOMPARE(dlg.colorIndex(), index);
        QCOMPARE(dlg.findChild<QLabel *>("labNum")->text(), QString::number(index));
        const QColor c = expectedTableColor(index);
        QCOMPARE(
            dlg.findChild<QLineEdit *>("editColor")->styleSheet(),
            QString("background-color:rgb(%1,%2,%3);").arg(c.red()).arg(c.green()).arg(c.blue()));
    }

    void numbersOutsideTheTableCountAsZero_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("-1") << -1;
        QTest::newRow("64") << 64;
        QTest::newRow("100000") << 100000;
        QTest::newRow("min int") << std::numeric_limits<int>::min();
    }
    void numbersOutsideTheTableCountAsZero()
    {
        QFETCH(int, number);
        QCOMPARE(validColorNumber(number), 0);
        ColorDlg dlg;
        dlg.showColor(33);
        dlg.showColor(number);
        QCOMPARE(dlg.colorIndex(), 0);
        QCOMPARE(dlg.findChild<QLabel *>("labNum")->text(), QString("0"));
        QCOMPARE(dlg.findChild<QLineEdit *>("editColor")->styleSheet(),
                 QString("background-color:rgb(0,0,0);"));
        QVERIFY(runPicker(dlg, number, [](ColorDlg &d) { clickButton(d, "btnOK"); }));
        QCOMPARE(dlg.colorIndex(), 0);
    }

    void englishTexts()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/config/language/English.qm"));
        qApp->installTranslator(&translator);
        ColorDlg dlg;
        qApp->removeTranslator(&translator);
        QCOMPARE(dlg.windowTitle(), QString("Color Table"));
        QCOMPARE(dlg.findChild<QLabel *>("label")->text(), QString("Color:"));
        QCOMPARE(dlg.findChild<QPushButton *>("btnCancel")->text(), QString("Cancel"));
    }
};

QTEST_MAIN(TestColorDlg)
#include "tst_colordlg.moc"
