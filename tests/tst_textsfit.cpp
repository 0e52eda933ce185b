#include "bootdlg.h"
#include "colordlg.h"
#include "deleventdlg.h"
#include "designdocument.h"
#include "designglobals.h"
#include "downloadcontroller.h"
#include "downloadeventdlg.h"
#include "eventinfo.h"
#include "instrcatalogue.h"
#include "instrparam.h"
#include "instrtabledlg.h"
#include "languagedlg.h"
#include "languagetestutil.h"
#include "mainwindow.h"
#include "pageparam.h"
#include "pagerenamedlg.h"
#include "pagescontroller.h"
#include "portchoice.h"
#include "projectcontroller.h"
#include "propertiescontroller.h"
#include "qmyeventdlg.h"
#include "qmymessagebox.h"
#include "qmyprogressbarmes.h"
#include "serialportdlg.h"
#include "setscreensizedlg.h"
#include "showinfodlg.h"
#include "sysdlg.h"
#include "terminalcontroller.h"
#include "textboxdlg.h"
#include "textfitcheck.h"
#include "version.h"
#include "windowfixture.h"
#include "ymodemportdlg.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

// Every label, button, group title, tab, header and combo entry of the program's windows
// shows its whole text, in Chinese and in English, at the default font.
class TestTextsFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wholeTexts_data();
    void wholeTexts();

private:
    void choose(int language)
    {
        LanguageDlg *dlg = window->getLanguageDlg();
        dlg->findChild<QRadioButton *>(language == 2 ? "rbEnglish" : "rbChinese")->click();
        dlg->findChild<QAbstractButton *>("btnOK")->click();
    }
    template<class T> static T *topLevel()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (T *found = qobject_cast<T *>(w))
                return found;
        }
        return nullptr;
    }
    // Shows the window as it is, collects what does not fit and hides it again.
    void look(QWidget *w, const QString &state = QString());

    WindowFixture fixture;
    MainWindow *window = nullptr;
    QStringList findings;
    QSet<QString> seen;
    QString language;
};

void TestTextsFit::initTestCase()
{
    // A fixed font, so that the widths do not depend on the machine's choice: the style
    // sheet's family is looked up as DejaVu Sans wherever it is not installed.
    QVERIFY(QFontDatabase().families().contains("DejaVu Sans"));
    if (!QFontDatabase().families().contains("Microsoft Yahei"))
        QFont::insertSubstitution("Microsoft Yahei", "DejaVu Sans");
    QApplication::setFont(QFont("DejaVu Sans", 9));
    QApplication::installTranslator(&LanguageDlg::appTranslator());
}

void TestTextsFit::init()
{
    startInChinese();
    window = fixture.start();
    findings.clear();
    seen.clear();
}

void TestTextsFit::cleanup()
{
    fixture.reset();
    window = nullptr;
}

void TestTextsFit::look(QWidget *w, const QString &state)
{
    const bool wasHidden = w->isHidden();
    w->show();
    QCoreApplication::processEvents();
    // A text that does not fit is named once, with the first state it showed in.
    for (const QString &finding : TextFitCheck::clippedTexts(w)) {
        if (!seen.contains(finding))
            findings << (state.isEmpty() ? finding : finding + " (" + state + ")");
        seen.insert(finding);
    }
    const QByteArray folder = qgetenv("YBEX_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QString file = QString::fromLatin1(w->metaObject()->className());
        if (!state.isEmpty())
            file += "-" + state;
        w->grab().save(QString("%1/%2-%3.png")
                           .arg(QString::fromLocal8Bit(folder), language, file.replace(' ', '_')));
    }
    if (wasHidden)
        w->hide();
}

void TestTextsFit::wholeTexts_data()
{
    QTest::addColumn<QList<int>>("languages");
    QTest::newRow("Chinese") << QList<int> {1};
    QTest::newRow("English") << QList<int> {2};
    QTest::newRow("Chinese again") << QList<int> {2, 1};
}

void TestTextsFit::wholeTexts()
{
    QFETCH(QList<int>, languages);
    for (int id : languages)
        choose(id);
    language = QTest::currentDataTag();
    language.replace(' ', '_');

    look(window);
    auto *libraryTabs = window->findChild<QTabWidget *>("tabWidgetImageFont");
    libraryTabs->setCurrentIndex(1);
    look(window, "fonts");
    libraryTabs->setCurrentIndex(0);
    look(window->getLanguageDlg());
    look(window->pages()->getPageRenameDlg());
    look(window->properties()->getEventDlg());
    look(window->project()->getScreenSizeDlg());
    look(window->terminal()->getSysDlg());
    look(topLevel<Version>());
    look(window->download()->getBootDlg());
    for (bool connected : {false, true}) {
        SerialPortDlg *link = window->terminal()->getSerialPortDlg();
        PortChoice::showConnectState(link->findChild<QLabel *>("labConnectState"),
                                     link->findChild<QPushButton *>("btnOpenClose"),
                                     link->findChild<QComboBox *>("portCombox"),
                                     link->findChild<QComboBox *>("baudCombox"), connected);
        look(link, connected ? "connected" : "disconnected");
    }

    InstrParam widest;
    widest.setMaxPage(255);
    widest.setMaxWidgets(65535);
    widest.setMaxPics(65535);
    widest.setMaxCommTimers(255);
    widest.setMaxFonts(255);
    widest.setMaxSers(255);
    widest.setMaxPathSize(65535);
    widest.setDefaultMaxStrSize(65535);
    widest.setLeftMem(2048 * 1024);
    widest.setLeftFlash(16384);
    widest.setBps(1000000);
    widest.setCol(1024);
    widest.setRow(600);
    widest.setBl(255);
    ShowInfoDlg *info = topLevel<ShowInfoDlg>();
    info->showInfo(widest);
    look(info);
    info->hide();

    YModemPortDlg *port = topLevel<YModemPortDlg>();
    port->openDialog(0);
    look(port, "disconnected");
    port->slotPortStatus(true);
    look(port, "connected");
    port->slotPortStatus(false);
    port->hide();

    // The terminal with every instruction in its send table, each hint shown in turn.
    InstrTableDlg *terminal = window->terminal()->getInstrTableDlg();
    terminal->showDlg();
    auto *catalogue = terminal->findChild<QTableWidget *>("twInstr");
    for (int i = 0; i < catalogue->rowCount(); ++i)
        QMetaObject::invokeMethod(terminal, "on_twInstr_itemDoubleClicked",
                                  Q_ARG(QTableWidgetItem *, catalogue->item(i, 0)));
    auto *sendTable = terminal->findChild<QTableView *>("tvInstr");
    for (int i = 0; i < sendTable->model()->rowCount(); ++i) {
        QMetaObject::invokeMethod(terminal, "on_tvInstr_clicked",
                                  Q_ARG(QModelIndex, sendTable->model()->index(i, 1)));
        look(terminal, QString("hint %1").arg(i + 1));
    }
    QMetaObject::invokeMethod(terminal, "on_btnDelInstr_clicked");
    PortChoice::showConnectState(terminal->findChild<QLabel *>("labConnectState"),
                                 terminal->findChild<QPushButton *>("btnOpenClose"),
                                 terminal->findChild<QComboBox *>("portCombox"),
                                 terminal->findChild<QComboBox *>("baudCombox"), true);
    look(terminal, "connected, deleting");
    terminal->hide();

    // The event dialogs on a page with events of two kinds.
    DesignDocument &design = window->document();
    design.setCurrentPage(design.addPage());
    PageParam *page = design.page(design.currentPage());
    for (int type = 0; type < 2; ++type) {
        EventInfo event;
        event.setOwnerType(-1);
        event.setType(type);
        event.setUserType(0);
        event.setDefaultParams();
        page->eventHolder().append(event);
    }
    DelEventDlg *del = window->properties()->getDelEventDlg();
    del->showDlg(SelectionKind::Page, nullptr, nullptr);
    look(del);
    QMetaObject::invokeMethod(del, "on_btnDelEvent_clicked");
    look(del, "deleting");
    del->hide();
    DownLoadEventDlg *edit = window->properties()->getDownLoadEventDlg();
    edit->showDlg(SelectionKind::Page, nullptr, nullptr);
    look(edit);
    edit->hide();

    QMyProgressBarMes *progress = topLevel<QMyProgressBarMes>();
    progress->setTitle(QCoreApplication::translate("MainWindow", "生成字体"));
    progress->setProgress(100, 50);
    look(progress);
    progress->hide();

    // A question with every button, and a notice.
    QMyMessageBox *box = window->getQuestionBox();
    box->showMes(QMyMessageBox::Warning, QMyMessageBox::YesNoCancel, 7,
                 QCoreApplication::translate("MainWindow", "退出软件前是否保存当前项目？"));
    look(box, "question");
    box->showNotice(QMyMessageBox::Error,
                    QCoreApplication::translate("MainWindow", "生成字体成功"));
    look(box, "notice");
    box->hide();

    ColorDlg colors;
    look(&colors);
    TextBoxDlg text(MaxTextLength);
    look(&text);

    for (const QString &finding : qAsConst(findings))
        qWarning().noquote() << finding;
    QVERIFY2(findings.isEmpty(),
             qPrintable(QString("%1 texts do not show whole").arg(findings.size())));
}

QTEST_MAIN(TestTextsFit)
#include "tst_textsfit.moc"
