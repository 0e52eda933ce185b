#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include "bytetohextext.h"
#include "dialogtestutil.h"
#include "instrtabledlg.h"
#include "ptyanswerer.h"
#include "qmyinstrtablemodel.h"
#include "qmymessagebox.h"

// A terminal shown with one pseudo-terminal offered as its port.
class Terminal
{
public:
    Terminal()
    {
        qputenv("YBEX_EXTRA_PORTS", pty.slavePath().toLocal8Bit());
        dlg.showDlg();
    }

    template<typename T> T *child(const char *name) const { return dlg.findChild<T *>(name); }
    QTableView *sendView() const { return child<QTableView>("tvInstr"); }
    QStandardItemModel *sendModel() const
    {
        return qobject_cast<QStandardItemModel *>(sendView()->model());
    }
    QString cell(int row, int column) const
    {
        return sendModel()->index(row, column).data().toString();
    }
    QStringList logLines() const
    {
        return child<QTextBrowser>("textBrowser")->toPlainText().split('\n', Qt::SkipEmptyParts);
    }
    QString notice() const
    {
        QMyMessageBox *box = dlg.getMessageBox();
        return box->isVisible() ? box->findChild<QLabel *>("labMessage")->text() : QString();
    }

    bool open()
    {
        auto *ports = child<QComboBox>("portCombox");
        ports->setCurrentIndex(ports->findText(pty.slavePath()));
        child<QPushButton>("btnOpenClose")->click();
        return dlg.isConnected();
    }
    void addRow(int catalogueIndex)
    {
        auto *table = child<QTableWidget>("twInstr");
        emit table->itemDoubleClicked(table->item(catalogueIndex, 1));
    }
    void clickRow(int row)
    {
        QTableView *view = sendView();
        const QRect rect = view->visualRect(sendModel()->index(row, 2));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void send() { child<QPushButton>("btnSendInstr")->click(); }
    void setCombo(int row, int column, int index)
    {
        auto *combo =
            qobject_cast<QComboBox *>(sendView()->indexWidget(sendModel()->index(row, column)));
        QVERIFY(combo);
        combo->setCurrentIndex(index);
    }

    PtyPair pty;
    InstrTableDlg dlg;
};

static const QString timePattern = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\d{3}";

class TestInstrTableDlg : public QObject
{
    Q_OBJECT
private slots:
    void formAndStart()
    {
        InstrTableDlg dlg;
        QVERIFY(dlg.isHidden());
        QVERIFY(hasDialogFlags(dlg));
        QCOMPARE(dlg.minimumSize(), QSize(1216, 650));
        QCOMPARE(dlg.maximumSize(), QSize(1216, 650));
        QCOMPARE(dlg.windowTitle(), QString("指令调试"));
        QVERIFY(!dlg.isConnected());
        QCOMPARE(dlg.getCurrentSendRow(), -1);
        QCOMPARE(dlg.findChild<QLabel *>("labConnectState")->text(), QString("串口已断开！"));
        QCOMPARE(dlg.findChild<QTableView *>("tvInstr")->geometry(), QRect(280, 20, 931, 431));
    }

    void showFillsListsAndTables()
    {
        Terminal t;
        QVERIFY(t.pty.isValid());
        QVERIFY(t.dlg.isVisible());
        QVERIFY(t.child<QComboBox>("portCombox")->findText(t.pty.slavePath()) >= 0);
        auto *rates = t.child<QComboBox>("baudCombox");
        QCOMPARE(rates->count(), 5);
        QCOMPARE(rates->itemText(0), QString("4800"));
        QCOMPARE(rates->currentText(), QString("115200"));
        auto *catalogue = t.child<QTableWidget>("twInstr");
        QCOMPARE(catalogue->rowCount(), 59);
        QCOMPARE(catalogue->item(0, 0)->text(), QString("1"));
        QCOMPARE(catalogue->item(58, 1)->text(), QString("启停汇总刷新指令"));
        QCOMPARE(catalogue->columnWidth(0), 40);
        QCOMPARE(t.sendModel()->columnCount(), 12);
        QCOMPARE(t.sendModel()->headerData(7, Qt::Horizontal).toString(), QString("参数1"));
        QVERIFY(t.sendView()->isColumnHidden(0));
        QVERIFY(t.sendView()->isColumnHidden(6));
        QVERIFY(!t.child<QCheckBox>("checkBoxAll")->isVisible());
        QCOMPARE(t.child<QLabel>("labInstrDesc")->text(), QString("提示：“-”为无参数；"));
    }

    void newRowAndItsFrameOverThePort()
    {
        Terminal t;
        PtyAnswerer module(&t.pty, [](QByteArray &pending) {
            const int tail = pending.indexOf(QByteArray::fromHex("FFFCFFFF"));
            if (tail < 0)
                return QByteArray();
            pending.remove(0, tail + 4);
            return QByteArray::fromHex("0401");
        });
        QVERIFY(t.open());
        QCOMPARE(t.child<QLabel>("labConnectState")->text(), QString("串口已连接！"));
        QCOMPARE(t.child<QPushButton>("btnOpenClose")->text(), QString("关闭串口"));

        t.addRow(0);
        QCOMPARE(t.sendModel()->rowCount(), 1);
        const QStringList shown {t.cell(0, 1), t.cell(0, 2), t.cell(0, 4),  t.cell(0, 7),
                                 t.cell(0, 8), t.cell(0, 9), t.cell(0, 10), t.cell(0, 11)};
        QCOMPARE(shown, (QStringList {"1", "设置控件x值", "0", "1", "0", "-", "-", "-"}));
        t.clickRow(0);
        QCOMPARE(t.dlg.getCurrentSendRow(), 0);
        QCOMPARE(t.child<QLabel>("labInstrDesc")->text(),
                 QString("提示：“-”为无参数；参数1为控件id值，参数2为16位x坐标值；"));
        t.send();
        QTRY_COMPARE(module.received, QByteArray::fromHex("EE8101000100 00FFFCFFFF"));
        QTRY_COMPARE(t.logLines().size(), 2);
        QVERIFY2(QRegularExpression("^-发送-" + timePattern + ":EE 81 01 00 01 00 00 FF FC FF FF$")
                     .match(t.logLines().at(0))
                     .hasMatch(),
                 qPrintable(t.logLines().at(0)));
        QVERIFY2(QRegularExpression("^-接收-" + timePattern + ":04 01$")
                     .match(t.logLines().at(1))
                     .hasMatch(),
                 qPrintable(t.logLines().at(1)));
    }

    // Every instruction of the catalogue, with address and checksum, goes out as the
    // frame of its row, and each answer is logged.
    void everyInstructionOverThePort()
    {
        Terminal t;
        int answered = 0;
        PtyAnswerer module(&t.pty, [&answered](QByteArray &pending) {
            const int tail = pending.indexOf(QByteArray::fromHex("FFFCFFFF"));
            if (tail < 0)
                return QByteArray();
            pending.remove(0, tail + 4);
            return QByteArray(1, char(++answered));
        });
        QVERIFY(t.open());
        QByteArray expected;
        for (int i = 0; i < 59; ++i) {
            t.addRow(i);
            t.setCombo(i, 3, i % 2);
            t.setCombo(i, 5, (i / 2) % 2);
            t.sendModel()->setData(t.sendModel()->index(i, 4), QString::number(300 + i));
            t.clickRow(i);
            t.send();
            InstrFrame::Row row;
            row.instrIndex = i;
            row.addrFlag = i % 2;
            row.addrText = QString::number(300 + i);
            row.crcFlag = (i / 2) % 2;
            for (int p = 0; p < 5; ++p)
                row.params[p] = InstrCatalogue::entries().at(i).defaults[p];
            const QByteArray frame = InstrFrame::build(InstrCatalogue::entries().at(i), row);
            QVERIFY(!frame.isEmpty());
            expected += frame;
            QVERIFY(QTest::qWaitFor([&] {
                return answered == i + 1
                    && t.logLines().last().endsWith(":" + byteToHexText(quint8(i + 1)));
            }));
            QVERIFY(t.logLines().at(t.logLines().size() - 2).endsWith(":" + bytesToHexText(frame)));
        }
        QCOMPARE(module.received, expected);
        QCOMPARE(t.logLines().size(), 2 * 59);
    }

    void sendRules()
    {
        Terminal t;
        PtyAnswerer module(&t.pty);
        t.addRow(37);
        t.clickRow(0);
        t.send();
        QCOMPARE(t.notice(), QString("串口未打开，请您先打开串口！"));
        QVERIFY(t.open());
        t.sendView()->setCurrentIndex(QModelIndex());
        t.send();
        QCOMPARE(t.notice(), QString("请您先选择一行发送的内容！"));
        // A number that does not fit its field is refused, naming the field.
        t.clickRow(0);
        t.sendModel()->setData(t.sendModel()->index(0, 7), "256000");
        t.send();
        QVERIFY2(t.notice().contains("参数1"), qPrintable(t.notice()));
        QVERIFY(t.logLines().isEmpty());
        t.setCombo(0, 3, 1);
        t.sendModel()->setData(t.sendModel()->index(0, 7), "20");
        t.sendModel()->setData(t.sendModel()->index(0, 4), "70000");
        t.send();
        QVERIFY2(t.notice().contains("地址"), qPrintable(t.notice()));
        QTest::qWait(50);
        QVERIFY(module.received.isEmpty());
        QVERIFY(t.logLines().isEmpty());
    }

    void textBeyondTheCountIsNotKept()
    {
        Terminal t;
        t.addRow(37);
        t.sendModel()->setData(t.sendModel()->index(0, 8), "typed");
        t.child<QPushButton>("btnClose")->click();
        QVERIFY(t.dlg.isHidden());
        QCOMPARE(t.dlg.getSendRows().at(0).params[1], QString("-"));
        t.dlg.showDlg();
        QCOMPARE(t.cell(0, 8), QString("-"));
        QCOMPARE(t.cell(0, 7), QString("20"));
    }

    void closingKeepsPortAndRows()
    {
        Terminal t;
        QVERIFY(t.open());
        t.addRow(4);
        t.setCombo(0, 5, 1);
        t.sendModel()->setData(t.sendModel()->index(0, 8), "hello");
        t.dlg.close();
        QVERIFY(t.dlg.isHidden());
        QVERIFY(t.dlg.isConnected());
        t.dlg.showDlg();
        QCOMPARE(t.cell(0, 8), QString("hello"));
        auto *crc =
            qobject_cast<QComboBox *>(t.sendView()->indexWidget(t.sendModel()->index(0, 5)));
        QCOMPARE(crc->currentText(), QString("有"));
        QCOMPARE(t.child<QLabel>("labConnectState")->text(), QString("串口已连接！"));
    }

    void deleting_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // rows clicked in delete mode
        QTest::addColumn<int>("currentAfter");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("last alone")
            << QList<int> {} << 1 << QStringList {"设置控件x值", "设置控件y值"};
        QTest::newRow("first two") << QList<int> {2, 0, 1} << 0 << QStringList {"设置控件w值"};
        QTest::newRow("all") << QList<int> {0, 1} << -1 << QStringList {};
        QTest::newRow("none checked")
            << QList<int> {2} << 2 << QStringList {"设置控件x值", "设置控件y值", "设置控件w值"};
    }
    void deleting()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, currentAfter);
        QFETCH(QStringList, remaining);
        Terminal t;
        for (int i = 0; i < 3; ++i)
            t.addRow(i);
        t.clickRow(2);
        auto *del = t.child<QPushButton>("btnDelInstr");
        del->click();
        QVERIFY(t.dlg.isDeleteMode());
        QVERIFY(!t.sendView()->isColumnHidden(0));
        QVERIFY(t.child<QCheckBox>("checkBoxAll")->isVisible());
        // Entering delete mode checks the current row; each click toggles a row.
        QCOMPARE(t.child<QLabel>("labCheckedCount")->text(), QString("已选：1项"));
        for (int row : clicks)
            t.clickRow(row);
        QCOMPARE(t.child<QCheckBox>("checkBoxAll")->isChecked(), remaining.isEmpty());
        del->click();
        if (remaining.size() == 3) {
            QCOMPARE(t.notice(), QString("未选择需要删除的指令，请您先选择需要删除的指令！"));
        } else {
            QCOMPARE(t.notice(), QString("您是否需要删除已选的指令？"));
            t.dlg.getMessageBox()->findChild<QPushButton *>("btnOk")->click();
        }
        QStringList captions;
        for (int r = 0; r < t.sendModel()->rowCount(); ++r) {
            captions << t.cell(r, 2);
            QCOMPARE(t.cell(r, 1), QString::number(r + 1));
        }
        QCOMPARE(captions, remaining);
        QCOMPARE(t.dlg.getSendRows().size(), remaining.size());
        QCOMPARE(t.dlg.getCurrentSendRow(), currentAfter);
        QCOMPARE(t.dlg.isDeleteMode(), !remaining.isEmpty());
        QCOMPARE(t.sendView()->isColumnHidden(0), remaining.isEmpty());
    }

    void deleteModeControls()
    {
        Terminal t;
        auto *del = t.child<QPushButton>("btnDelInstr");
        del->click(); // no rows: nothing happens
        QVERIFY(!t.dlg.isDeleteMode());
        for (int i = 0; i < 4; ++i)
            t.addRow(i);
        del->click();
        QCOMPARE(t.child<QLabel>("labCheckedCount")->text(), QString("已选：0项"));
        auto *all = t.child<QCheckBox>("checkBoxAll");
        all->click();
        QCOMPARE(t.child<QLabel>("labCheckedCount")->text(), QString("已选：4项"));
        auto *model = qobject_cast<QMyInstrTableModel *>(t.sendModel());
        QCOMPARE(model->checkedCount(), 4);
        QCOMPARE(model->index(3, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        t.child<QPushButton>("btnCheckedCannel")->click();
        QVERIFY(!t.dlg.isDeleteMode());
        QVERIFY(t.sendView()->isColumnHidden(0));
        QVERIFY(!all->isVisible());
        t.clickRow(1); // outside delete mode a click checks nothing
        QCOMPARE(model->checkedCount(), 4);
        t.dlg.showDlg();
        QCOMPARE(model->checkedCount(), 0);
    }

    // One click on a row, on its check box or elsewhere, flips its check once.
    void checkClicksToggleOnce()
    {
        Terminal t;
        t.addRow(0);
        t.addRow(1);
        QVERIFY(QTest::qWaitForWindowExposed(&t.dlg));
        t.child<QPushButton>("btnDelInstr")->click();
        auto *model = qobject_cast<QMyInstrTableModel *>(t.sendModel());
        QTableView *view = t.sendView();
        const QPoint checkBox = checkBoxCentre(view, model->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, checkBox);
        QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Unchecked, Qt::Checked}));
        t.clickRow(0);
        QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Checked, Qt::Checked}));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, checkBox);
        QCOMPARE(model->checkStates(), QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked}));
        QCOMPARE(t.child<QLabel>("labCheckedCount")->text(), QString("已选：1项"));
    }

    void vanishingPortClosesAndNextOpenWorks()
    {
        Terminal t;
        PtyAnswerer module(&t.pty);
        QVERIFY(t.open());
        const QString path = t.pty.slavePath();
        module.unplug();
        QTRY_VERIFY(!t.dlg.isConnected());
        QCOMPARE(t.notice(), QString("串口%1已拔出！").arg(path));
        QCOMPARE(t.child<QLabel>("labConnectState")->text(), QString("串口已断开！"));
        // The watcher's report of the same removal adds no second notice.
        t.dlg.getMessageBox()->hide();
        t.dlg.slotComStatus(path, false);
        QCOMPARE(t.notice(), QString());

        PtyPair second;
        PtyAnswerer echo(&second, [](QByteArray &pending) {
            QByteArray all = pending;
            pending.clear();
            return all;
        });
        t.dlg.slotComStatus(second.slavePath(), true);
        auto *ports = t.child<QComboBox>("portCombox");
        ports->setCurrentIndex(ports->findText(second.slavePath()));
        t.child<QPushButton>("btnOpenClose")->click();
        QVERIFY(t.dlg.isConnected());
        t.addRow(34);
        t.clickRow(0);
        t.send();
        QTRY_COMPARE(echo.received, QByteArray::fromHex("EE04FFFCFFFF"));
        QTRY_VERIFY(t.logLines().last().endsWith(":EE 04 FF FC FF FF"));
    }

    void portArrivalAndRemoval()
    {
        Terminal t;
        auto *ports = t.child<QComboBox>("portCombox");
        const int before = ports->count();
        t.dlg.slotComStatus("/dev/ttyUSB9", true);
        t.dlg.slotComStatus("/dev/ttyUSB9", true);
        QCOMPARE(ports->count(), before + 2);
        t.dlg.slotComStatus("/dev/ttyUSB9", false);
        QCOMPARE(ports->count(), before + 1);
        QCOMPARE(t.notice(), QString()); // not the open port
    }

    void logIsBounded()
    {
        Terminal t;
        PtyAnswerer module(&t.pty);
        QVERIFY(t.open());
        t.addRow(34);
        t.clickRow(0);
        for (int i = 0; i < InstrTableDlg::MaxLogLines + 50; ++i)
            t.send();
        QCOMPARE(t.logLines().size(), InstrTableDlg::MaxLogLines);
        t.child<QPushButton>("btnClear")->click();
        QVERIFY(t.logLines().isEmpty());
    }

    // A flood without line ends: each read is one long line, and the log still keeps its
    // newest characters only.
    void logIsBoundedByCharacters()
    {
        Terminal t;
        QVERIFY(t.open());
        auto *log = t.child<QTextBrowser>("textBrowser");
        for (int i = 0; i < 100; ++i) {
            const QByteArray chunk = QByteArray::number(i).repeated(2000).left(4000);
            QVERIFY(t.pty.write(chunk));
            const QString tail = bytesToHexText(chunk.right(8));
            QVERIFY(QTest::qWaitFor([&] { return log->toPlainText().endsWith(tail); }, 5000));
            QVERIFY2(log->toPlainText().size() <= InstrTableDlg::MaxLogChars,
                     qPrintable(QString::number(log->toPlainText().size())));
        }
        QVERIFY(log->toPlainText().size() > InstrTableDlg::MaxLogChars / 2);
    }

    void languageSwitch()
    {
        Terminal t;
        QVERIFY(t.open());
        QTranslator english;
        QVERIFY(english.load(":/config/language/English.qm"));
        QCoreApplication::installTranslator(&english);
        t.dlg.retranslate();
        const QString title = t.dlg.windowTitle();
        const QString state = t.child<QLabel>("labConnectState")->text();
        t.dlg.showDlg();
        const QString caption = t.child<QTableWidget>("twInstr")->item(0, 1)->text();
        const QString header = t.sendModel()->headerData(3, Qt::Horizontal).toString();
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(title, QString("Instr Debug"));
        QCOMPARE(state.isEmpty(), false);
        QCOMPARE(caption, QString("Set widgets x value"));
        QVERIFY(header != QString("有无地址"));
    }

    // What the terminal wrote in one language is written again in the other: the hint of
    // the chosen row, both tables' captions and headers and the flag choices.
    void shownTextsFollowTheLanguage()
    {
        Terminal t;
        t.addRow(0);
        t.clickRow(0);
        auto *hint = t.child<QLabel>("labInstrDesc");
        QCOMPARE(hint->text(), QString("提示：“-”为无参数；参数1为控件id值，参数2为16位x坐标值；"));
        const auto flag = [&t](int column) {
            auto *combo = qobject_cast<QComboBox *>(
                t.sendView()->indexWidget(t.sendModel()->index(0, column)));
            return combo ? combo->itemText(0) + "/" + combo->itemText(1) : QString();
        };
        auto *catalogue = t.child<QTableWidget>("twInstr");

        QTranslator english;
        QVERIFY(english.load(":/config/language/English.qm"));
        QCoreApplication::installTranslator(&english);
        t.dlg.retranslate();
        const QString englishHint = hint->text();
        const QString englishCaption = t.cell(0, 2);
        const QString englishCatalogue = catalogue->item(0, 1)->text();
        const QString englishHeader = t.sendModel()->headerData(3, Qt::Horizontal).toString();
        const QString englishListHeader = catalogue->horizontalHeaderItem(1)->text();
        const QString englishFlag = flag(3);
        t.clickRow(0);
        const QString hintAfterClick = hint->text();
        QCoreApplication::removeTranslator(&english);

        QCOMPARE(englishHint,
                 QString("Tip: \"-\" means no parameter; Param 1: widgets ID, Param 2: 16-bit X "
                         "coordinate;"));
        QCOMPARE(hintAfterClick, englishHint);
        QCOMPARE(englishCaption, QString("Set widgets x value"));
        QCOMPARE(englishCatalogue, QString("Set widgets x value"));
        QCOMPARE(englishHeader, QString("With address"));
        QCOMPARE(englishListHeader, QString("Description"));
        QCOMPARE(englishFlag, QString("Nothing/Have"));
        // The header that needs more room than its column had gets it.
        QHeaderView *header = t.sendView()->horizontalHeader();
        QVERIFY(header->sectionSize(3) >= 80);

        t.dlg.retranslate();
        QCOMPARE(hint->text(), QString("提示：“-”为无参数；参数1为控件id值，参数2为16位x坐标值；"));
        QCOMPARE(t.cell(0, 2), QString("设置控件x值"));
        QCOMPARE(catalogue->item(0, 1)->text(), QString("设置控件x值"));
        QCOMPARE(t.sendModel()->headerData(3, Qt::Horizontal).toString(), QString("有无地址"));
        QCOMPARE(flag(3), QString("无/有"));
    }
};

QTEST_MAIN(TestInstrTableDlg)
#include "tst_instrtabledlg.moc"
