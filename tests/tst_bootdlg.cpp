#include "bootdlg.h"
#include "bootparam.h"
#include "designdocument.h"
#include "dialogtestutil.h"
#include "projectfile.h"
#include "qmymessagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The boot-settings dialog: its controls, the page boxes, the enable rules and the save
// that rewrites the boot elements of the open project file in place.
namespace {

QString messageOf(QMyMessageBox *box)
{
    return box->findChild<QLabel *>(QStringLiteral("labMessage"))->text();
}

const char handWritten[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<ui><frame><frameW>800</frameW><bootAnimFlag>0</bootAnimFlag>"
                           "<bootBl></bootBl><BootBaud>9</BootBaud><bootBaud>115200</bootBaud>"
                           "<baud>9600</baud><deeper><bootJumpTime>5</bootJumpTime></deeper>"
                           "</frame><page><bootJumpPage>7</bootJumpPage></page></ui>\n";

QString elementText(const QDomDocument &doc, const QString &path)
{
    QDomElement e = doc.documentElement();
    for (const QString &name : path.split('/'))
        e = e.firstChildElement(name);
    return e.isNull() ? QStringLiteral("<none>") : e.text();
}

} // namespace

class TestBootDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void showLoadsAndLimitsPages();
    void pageBoxesMirrorEachOther();
    void unknownBaudKeepsTheChoice();
    void enableRules();
    void initialValuesLeaveTheRecord();
    void saveWithoutProject();
    void saveAnsweredNo();
    void saveRewritesOnlyBootElements();
    void saveOfABrokenFile();
    void saveThroughTheQuestion();
    void linkTestReply();
    void moduleLinkOffered();
    void retranslate();
    void typedValuesBeyondTheRangeTakeTheBound_data();
    void typedValuesBeyondTheRangeTakeTheBound();
    void enterKeepsTheFields();

private:
    template<class T> T *child(const char *name) { return dlg->findChild<T *>(name); }
    // "保存" answered "是".
    void save()
    {
        child<QPushButton>("btnSave")->click();
        answerYes(dlg->getQuestionBox());
    }
    void writeProject(const QByteArray &content);
    QByteArray projectContent() const;

    void pages(int count)
    {
        while (design->pageCount() < count)
            design->addPage();
    }

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<DesignDocument> design;
    QScopedPointer<BootDlg> dlg;
};

void TestBootDlg::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    design.reset(new DesignDocument);
    dlg.reset(new BootDlg(design.data()));
}

void TestBootDlg::cleanup()
{
    dlg.reset();
    design.reset();
}

void TestBootDlg::writeProject(const QByteArray &content)
{
    design->setProjectPath(dir->filePath("p.yBEX"));
    QFile file(design->projectPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestBootDlg::projectContent() const
{
    QFile file(design->projectPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestBootDlg::startState()
{
    QVERIFY(dlg->isHidden());
    QVERIFY(hasDialogFlags(*dlg));
    QCOMPARE(dlg->minimumSize(), QSize(624, 422));
    QCOMPARE(dlg->maximumSize(), QSize(624, 422));
    QCOMPARE(dlg->windowTitle(), QString("开机设置"));
    QVERIFY(child<QGroupBox>("groupBoxSleep")->isHidden());
    QCOMPARE(child<QGroupBox>("groupBox")->font().family(), QString("微软雅黑"));
    QCOMPARE(child<QGroupBox>("groupBox")->font().pointSize(), 9);
    QComboBox *baud = child<QComboBox>("cbBaud");
    QCOMPARE(baud->count(), 4);
    QCOMPARE(baud->itemText(0), QString("9600"));
    QCOMPARE(baud->itemText(3), QString("115200"));
    QVERIFY(!baud->isEditable());
    QCOMPARE(child<QSpinBox>("sbJumpTime")->maximum(), 999999999);
    QCOMPARE(child<QSpinBox>("sbBl")->maximum(), 100);
    QCOMPARE(child<QSpinBox>("sbSleepBl")->maximum(), 100);
    // The form's first values, and the record's defaults.
    QCOMPARE(child<QSpinBox>("sbAnimImgID")->value(), 1);
    QCOMPARE(child<QSpinBox>("sbSleepBl")->value(), 40);
    QCOMPARE(baud->currentText(), QString("115200"));
    QCOMPARE(child<QSpinBox>("sbBl")->value(), 100);
    QCOMPARE(dlg->getBootParam()->getAnimImgID(), 0);
    QCOMPARE(dlg->getBootParam()->getSleepBl(), 0);
    QCOMPARE(dlg->getBootParam()->getBaud(), 115200);
    // Animation off: the page jump is editable, the animation is not.
    QVERIFY(child<QSpinBox>("sbJumpPage")->isEnabled());
    QVERIFY(!child<QSpinBox>("sbAnimTime")->isEnabled());
    QVERIFY(!child<QSpinBox>("sb485Addr")->isEnabled());
}

void TestBootDlg::showLoadsAndLimitsPages()
{
    pages(2);
    BootParam b;
    b.setJumpTime(300);
    b.setAnimCurrentPage(5);
    b.setAnimJumpPage(5);
    b.setJumpPage(5);
    b.set485Flag(true);
    b.set485Addr(12);
    b.setBl(60);
    b.setBuzzerTime(40);
    b.setBaud(19200);
    design->boot() = b;
    QCOMPARE(child<QSpinBox>("sbJumpTime")->value(), 0); // the controls wait for showDlg
    dlg->showDlg();
    QVERIFY(dlg->isVisible());
    for (const char *box : {"sbJumpPage", "sbAnimCurrentPage", "sbAnimJumpPage"}) {
        QCOMPARE(child<QSpinBox>(box)->maximum(), 1);
        QCOMPARE(child<QSpinBox>(box)->value(), 1);
    }
    QCOMPARE(child<QSpinBox>("sbJumpTime")->value(), 300);
    QCOMPARE(child<QSpinBox>("sb485Addr")->value(), 12);
    QVERIFY(child<QSpinBox>("sb485Addr")->isEnabled());
    QCOMPARE(child<QComboBox>("cbBaud")->currentText(), QString("19200"));
    QCOMPARE(child<QSpinBox>("sbBl")->value(), 60);
    QCOMPARE(child<QSpinBox>("sbBuzzerTime")->value(), 40);

    // Without pages the range collapses to page 0.
    design->clearPages();
    dlg->showDlg();
    QCOMPARE(child<QSpinBox>("sbJumpPage")->maximum(), 0);
    QCOMPARE(child<QSpinBox>("sbJumpPage")->value(), 0);
}

void TestBootDlg::pageBoxesMirrorEachOther()
{
    pages(3);
    BootParam b;
    b.setJumpPage(0);
    b.setAnimJumpPage(1);
    design->boot() = b;
    dlg->showDlg();
    QCOMPARE(child<QSpinBox>("sbJumpPage")->value(), 1);
    QCOMPARE(child<QSpinBox>("sbAnimJumpPage")->value(), 1);
    child<QSpinBox>("sbJumpPage")->setValue(2);
    QCOMPARE(child<QSpinBox>("sbAnimJumpPage")->value(), 2);

    writeProject(handWritten);
    save();
    QCOMPARE(dlg->getBootParam()->getJumpPage(), 2);
    QCOMPARE(dlg->getBootParam()->getAnimJumpPage(), 2);
}

void TestBootDlg::unknownBaudKeepsTheChoice()
{
    child<QComboBox>("cbBaud")->setCurrentText("38400");
    BootParam b;
    b.setBaud(57600);
    design->boot() = b;
    dlg->showDlg();
    QCOMPARE(child<QComboBox>("cbBaud")->currentText(), QString("38400"));
    writeProject(handWritten);
    save();
    QCOMPARE(dlg->getBootParam()->getBaud(), 38400);
}

void TestBootDlg::enableRules()
{
    BootParam b;
    b.setAnimFlag(true);
    b.setAnimCycleFlag(true);
    design->boot() = b;
    dlg->showDlg();
    QSpinBox *count = child<QSpinBox>("sbAnimCount");
    QVERIFY(count->isEnabled()); // the animation rule alone decides at showDlg
    QVERIFY(!child<QSpinBox>("sbJumpPage")->isEnabled());
    QCheckBox *cycle = child<QCheckBox>("checkBoxAnimCycle");
    cycle->click();
    QVERIFY(count->isEnabled());
    cycle->click();
    QVERIFY(!count->isEnabled());

    child<QCheckBox>("checkBoxAnim")->click();
    QVERIFY(child<QSpinBox>("sbJumpPage")->isEnabled());
    QVERIFY(!child<QSpinBox>("sbAnimImgID")->isEnabled());
    child<QCheckBox>("checkBox485")->click();
    QVERIFY(child<QSpinBox>("sb485Addr")->isEnabled());
    // Code that sets a box does not run the click rules.
    child<QCheckBox>("checkBox485")->setChecked(false);
    QVERIFY(child<QSpinBox>("sb485Addr")->isEnabled());
}

void TestBootDlg::initialValuesLeaveTheRecord()
{
    BootParam b;
    b.setAnimImgID(9);
    design->boot() = b;
    dlg->showDlg();
    child<QSpinBox>("sbBl")->setValue(3);
    child<QCheckBox>("checkBoxAnim")->setChecked(true);
    child<QPushButton>("btnInit")->click();
    QCOMPARE(child<QSpinBox>("sbBl")->value(), 100);
    QCOMPARE(child<QSpinBox>("sbAnimImgID")->value(), 1);
    QVERIFY(!child<QSpinBox>("sbAnimImgID")->isEnabled());
    QCOMPARE(dlg->getBootParam()->getAnimImgID(), 9);
    child<QPushButton>("btnClose")->click();
    QVERIFY(dlg->isHidden());
}

void TestBootDlg::saveWithoutProject()
{
    child<QPushButton>("btnSave")->click();
    QCOMPARE(messageOf(dlg->getQuestionBox()), QString("未创建或加载项目，无法保存！"));
    QVERIFY(!asks(dlg->getQuestionBox()));
}

void TestBootDlg::saveAnsweredNo()
{
    writeProject(handWritten);
    child<QSpinBox>("sbBl")->setValue(7);
    child<QPushButton>("btnSave")->click();
    QCOMPARE(messageOf(dlg->getQuestionBox()), QString("您是否要保存参数？"));
    QVERIFY(asks(dlg->getQuestionBox()));
    answerNo(dlg->getQuestionBox());
    QCOMPARE(dlg->getBootParam()->getBl(), 100);
    QCOMPARE(projectContent(), QByteArray(handWritten));
}

void TestBootDlg::saveRewritesOnlyBootElements()
{
    writeProject(handWritten);
    child<QCheckBox>("checkBoxAnim")->setChecked(true);
    child<QComboBox>("cbBaud")->setCurrentText("38400");
    child<QSpinBox>("sbBl")->setValue(80);
    child<QSpinBox>("sbJumpTime")->setValue(44);
    save();
    QCOMPARE(messageOf(dlg->getResultBox()), QString("保存参数成功！"));

    const QByteArray saved = projectContent();
    QDomDocument doc;
    QVERIFY(doc.setContent(saved));
    QCOMPARE(elementText(doc, "frame/bootAnimFlag"), QString("1"));
    QCOMPARE(elementText(doc, "frame/bootBaud"), QString("38400"));
    QCOMPARE(elementText(doc, "frame/bootBl"), QString()); // empty stays empty
    QCOMPARE(elementText(doc, "frame/BootBaud"), QString("9"));
    QCOMPARE(elementText(doc, "frame/bootJumpTime"), QString("<none>")); // not added
    QCOMPARE(elementText(doc, "frame/deeper/bootJumpTime"), QString("5"));
    QCOMPARE(elementText(doc, "page/bootJumpPage"), QString("7"));
    QCOMPARE(elementText(doc, "frame/baud"), QString("9600"));
    // Everything else stays as it was, byte for byte.
    QCOMPARE(saved,
             QByteArray(handWritten)
                 .replace("<bootAnimFlag>0<", "<bootAnimFlag>1<")
                 .replace("<bootBaud>115200<", "<bootBaud>38400<"));
    // The record holds what was saved.
    QCOMPARE(dlg->getBootParam()->getBl(), 80);
    QCOMPARE(dlg->getBootParam()->getJumpTime(), 44);
}

void TestBootDlg::saveOfABrokenFile()
{
    writeProject("<ui><frame><bootBl>3</bootBl></frame>");
    child<QSpinBox>("sbBl")->setValue(55);
    save();
    // The cause follows the message.
    QCOMPARE(messageOf(dlg->getResultBox()),
             QString("保存参数失败！\n%1：第1行第37列：Premature end of document.")
                 .arg(design->projectPath()));
    QCOMPARE(projectContent(), QByteArray("<ui><frame><bootBl>3</bootBl></frame>"));
    QCOMPARE(dlg->getBootParam()->getBl(), 55);

    // A project path whose file is gone fails the same way.
    design->setProjectPath(dir->filePath("gone.yBEX"));
    QVERIFY(!dlg->saveToProject());
    QVERIFY(!QFile::exists(design->projectPath()));
}

void TestBootDlg::saveThroughTheQuestion()
{
    writeProject(handWritten);
    child<QSpinBox>("sbBuzzerTime")->setValue(25);
    child<QPushButton>("btnSave")->click();
    dlg->getQuestionBox()->findChild<QPushButton *>("btnOk")->click();
    QDomDocument doc;
    QVERIFY(doc.setContent(projectContent()));
    QCOMPARE(elementText(doc, "frame/bootAnimFlag"), QString("0"));
    QCOMPARE(dlg->getBootParam()->getBuzzerTime(), 25);
    QCOMPARE(messageOf(dlg->getResultBox()), QString("保存参数成功！"));
}

void TestBootDlg::linkTestReply()
{
    dlg->showDlg();
    dlg->slotRecv485(3, 17, 1);
    QVERIFY(dlg->getBootParam()->get485Flag());
    QCOMPARE(dlg->getBootParam()->get485Addr(), 17);
    QVERIFY(dlg->getBootParam()->getCRC16Flag());
    // Taken by the user's choice, so the open dialog shows it and a later save keeps it.
    QVERIFY(child<QCheckBox>("checkBox485")->isChecked());
    QCOMPARE(child<QSpinBox>("sb485Addr")->value(), 17);
    QVERIFY(child<QSpinBox>("sb485Addr")->isEnabled());
    QVERIFY(child<QCheckBox>("checkBoxCRC16")->isChecked());
    writeProject(handWritten);
    save();
    QVERIFY(dlg->getBootParam()->get485Flag());
    QCOMPARE(dlg->getBootParam()->get485Addr(), 17);
    dlg->slotRecv485(0, 2, 0);
    QVERIFY(!dlg->getBootParam()->getCRC16Flag());
}

// The module's values are shown; they replace the record's only when the user agrees.
void TestBootDlg::moduleLinkOffered()
{
    QMyMessageBox *box = dlg->getQuestionBox();
    dlg->offerModuleLink(1, 300, 0, "指令集发送成功！");
    QVERIFY(box->isVisible());
    QCOMPARE(messageOf(box),
             QString("指令集发送成功！\n模块的设置：485使能：是，485地址：300，"
                     "CRC16使能：否。\n是否用它们替换项目的开机设置？"));
    QVERIFY(!dlg->getBootParam()->get485Flag());
    box->findChild<QPushButton *>("btnCancel")->click(); // 否
    QVERIFY(!dlg->getBootParam()->get485Flag());
    QCOMPARE(dlg->getBootParam()->get485Addr(), 0);

    dlg->offerModuleLink(1, 300, 0, "指令集发送成功！");
    box->findChild<QPushButton *>("btnOk")->click(); // 是
    QVERIFY(dlg->getBootParam()->get485Flag());
    QCOMPARE(dlg->getBootParam()->get485Addr(), 300);
    QVERIFY(!dlg->getBootParam()->getCRC16Flag());

    // The record's own values are only shown.
    dlg->offerModuleLink(1, 300, 0, "指令集发送成功！");
    QCOMPARE(messageOf(box),
             QString("指令集发送成功！\n模块的设置：485使能：是，485地址：300，"
                     "CRC16使能：否。\n与项目的开机设置相同。"));
    QVERIFY(!box->findChild<QPushButton *>("btnOk")->isVisible());
    box->hide();
}

void TestBootDlg::retranslate()
{
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QCoreApplication::installTranslator(&english);
    dlg->retranslate();
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(dlg->windowTitle(), QString("CoreSetting"));
    QCOMPARE(child<QPushButton>("btnInit")->text(), QString("Initial"));
    QCOMPARE(child<QCheckBox>("checkBoxAnim")->text(), QString("Boot animation"));
    dlg->retranslate();
    QCOMPARE(dlg->windowTitle(), QString("开机设置"));
}

void TestBootDlg::typedValuesBeyondTheRangeTakeTheBound_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("backlight 150") << "sbBl"
                                   << "150" << 100;
    QTest::newRow("backlight 80") << "sbBl"
                                  << "80" << 80;
    QTest::newRow("sleep backlight 999") << "sbSleepBl"
                                         << "999" << 100;
    QTest::newRow("backlight -5") << "sbBl"
                                  << "-5" << 0;
}

// A number typed beyond a box's range is neither cut to its first digits nor lost: when the
// editing ends the box shows and holds the nearest bound.
void TestBootDlg::typedValuesBeyondTheRangeTakeTheBound()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.data()));
    auto *spin = dlg->findChild<QSpinBox *>(box);
    QVERIFY(spin);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, typed);
    QCOMPARE(spin->text(), typed);
    // Leaving the box ends the editing.
    QTest::keyClick(spin, Qt::Key_Tab);
    QVERIFY(!spin->hasFocus());
    QTEST(spin->value(), "value");
    QCOMPARE(spin->text(), QString::number(spin->value()));
}

// Enter ends the editing of a field and leaves the others as they are.
void TestBootDlg::enterKeepsTheFields()
{
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.data()));
    auto *buzzer = child<QSpinBox>("sbBuzzerTime");
    buzzer->setValue(250);
    auto *backlight = child<QSpinBox>("sbBl");
    backlight->setFocus();
    backlight->selectAll();
    QTest::keyClicks(backlight, "80");
    QTest::keyClick(backlight, Qt::Key_Return);
    QCOMPARE(backlight->value(), 80);
    QCOMPARE(buzzer->value(), 250);
}

QTEST_MAIN(TestBootDlg)
#include "tst_bootdlg.moc"
