#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "allcfg.h"
#include "bootdlg.h"
#include "bootparam.h"
#include "deleventdlg.h"
#include "designglobals.h"
#include "downloadeventdlg.h"
#include "fontconverter.h"
#include "fontdlg.h"
#include "instrtabledlg.h"
#include "itemdata.h"
#include "itemdelegate.h"
#include "languagedlg.h"
#include "pageparam.h"
#include "pagerenamedlg.h"
#include "qmyeventdlg.h"
#include "qmyframe.h"
#include "qmyimageitemmodel.h"
#include "qmyitemmodel.h"
#include "qmymessagebox.h"
#include "qmynativeeventfilter.h"
#include "qmyprogressbarmes.h"
#include "qmypropertysheet.h"
#include "qmysheetapplier.h"
#include "qmystandarditemmodel.h"
#include "qmytextfit.h"
#include "qmywidget.h"
#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"
#include "qttreepropertybrowser.h"
#include "qtusertypeone_imagefactory.h"
#include "qtusertypeone_imagemanager.h"
#include "qtusertypetwo_colorfactory.h"
#include "qtusertypetwo_colormanager.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"
#include "serialportdlg.h"
#include "setscreensizedlg.h"
#include "showinfodlg.h"
#include "sysdlg.h"
#include "timerparam.h"
#include "version.h"
#include "ymodem.h"
#include "ymodemportdlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QScreen>
#include <QStandardItem>
#include <QTimer>

MainWindow::MainWindow(const QString &programPath, const QString &startProject, QWidget *parent)
    : QMainWindow(parent)
    , programPath(programPath)
    , form(new Ui_MainWindow)
{
    // Later steps rely on the objects of earlier ones; the order is the one they need.
    form->setupUi(this);
    form->frame->setDocument(&designDocument);
    loadStyleSheet();
    QMyTextFit::fitButtons(this);
    registerFileType();
    placeOnScreen();
    form->designWnd->setStyleSheet(
        "QtVariantProperty { font-family: 'SimHei', 'Noto Sans CJK SC'; }");
    resetClipboardAndFlags();
    createDownloadLink();
    createEventDialogs();
    createInstructionTerminal();
    createFontProcessAndInfoDialog();
    initTableHeaders();
    setUpTimerButtons();
    addToolbarShadows();
    // From here on a step may ask a question.
    createMessageBoxes();
    createAutoSaveTimer();
    createScreenSizeDialog();
    createInstructionLink();
    form->progressBarDown->hide();
    createPortWatcher();
    setUpPalette();
    connectCanvas();
    setUpPropertyBrowser();
    imagesChanged = false;
    setUpLibraryTables();
    createInstrExamples();
    createBootSettings();
    createSystemDialog();
    setUpHelpMenu();
    hideFontLibrary();
    createLanguageAndVersionDialogs();
    setUpPageTree();
    setUpFontTable();
    form->btnFontDlg->hide();
    refreshFontList();
    setUpPageMenu();
    followDocument();
    qDebug() << "exe path:" << programPath << startProject;
    openStartUpProject(startProject);
}

MainWindow::~MainWindow()
{
    // No edit reaches the design while the rest goes.
    delete sheetApplier;
    sheetApplier = nullptr;
    // Rows taken out one by one as their managers go cost the square of their number;
    // the sheet takes them all out at once.
    if (sheet)
        sheet->clear();
    delete sheet;
    sheet = nullptr;
    // The views let go of the design before they go.
    clearAllPages();
    delete clipboardPage;
    delete pageRenameDlg;
    delete delEventDlg;
    delete eventDlg;
    delete downLoadEventDlg;
    delete instrTableDlg;
    // Ends a conversion that is still running.
    delete fontConverter;
    delete showInfoDlg;
    delete transferBox;
    delete allCfg;
    // Stops the worker's thread and waits for it.
    delete yModem;
    delete progressWindow;
    for (QGraphicsDropShadowEffect *effect : shadowEffects)
        delete effect;
    if (autoSaveTimer && autoSaveTimer->isActive())
        autoSaveTimer->stop();
    delete autoSaveTimer;
    delete paletteModel;
    delete paletteDelegate;
    delete imageModel;
    delete fontLibraryModel;
    delete resultBox;
    delete questionBox;
    delete screenSizeDlg;
    delete nativeFilter;
    // Its destructor stops the instruction worker's thread and waits for it.
    delete serialPortDlg;
    // The managers go before their factories' browser would delete them as children.
    delete roManager;
    delete variantManager;
    delete variantFactory;
    delete imageManager;
    delete imageFactory;
    delete colorManager;
    delete colorFactory;
    delete enumManager;
    delete enumFactory;
    delete instrExampleModel;
    delete bootDlg;
    delete sysDlg;
    delete helpMenu;
    delete languageDlg;
    delete versionDlg;
    delete fontDlg;
    delete fontModel;
    delete portDlg;
    delete form;
}

// Without the sheet the application keeps Qt's default look.
void MainWindow::loadStyleSheet()
{
    QFile qss(":qss/yBEX.qss");
    if (qss.open(QIODevice::ReadOnly)) {
        qApp->setStyleSheet(QString::fromLatin1(qss.readAll()));
        qss.close();
    }
}

void MainWindow::placeOnScreen()
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    resize(initialWindowSize(primary->geometry().size()));
    QScreen *own = screen() ? screen() : primary;
    QRect frameRect = rect();
    frameRect.moveCenter(own->geometry().center());
    move(frameRect.topLeft());
}

void MainWindow::resetClipboardAndFlags()
{
    clipboardPage = new PageParam;
    clipboardValid = false;
    npmInstalled = false;
    selectionKind = SelectionKind::Page;
}

void MainWindow::createEventDialogs()
{
    eventDlg = new QMyEventDlg;
    delEventDlg = new DelEventDlg;
    delEventDlg->setDocument(&designDocument);
    connect(delEventDlg, &DelEventDlg::s_sendDelEvent, this, &MainWindow::slotRefleshEvent);
    downLoadEventDlg = new DownLoadEventDlg;
    downLoadEventDlg->setDocument(&designDocument);
    connect(downLoadEventDlg, &DownLoadEventDlg::s_sendReflesh, this,
            &MainWindow::slotRefleshEvent);
}

void MainWindow::createFontProcessAndInfoDialog()
{
    fontConverter = new FontConverter;
    connect(fontConverter, &FontConverter::checked, this, &MainWindow::slotFontConverterChecked);
    connect(fontConverter, &FontConverter::finished, this, &MainWindow::slotFontConverted);
    showInfoDlg = new ShowInfoDlg;
}

void MainWindow::setUpTimerButtons()
{
    timerButtonStyles[TimerStyleEnabled] =
        "QPushButton {background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1,stop:0 "
        "rgba(210, 255,252,200),stop:0.1 rgba(205, 249,247,150),stop:0.3 rgba(201, "
        "244,242,150),stop:0.7 rgba(205, 249,247,150), stop:1 rgba(210, "
        "255,252,200));color:rgb(0,0,0);border:1px solid rgb(225, 225, "
        "225);border-radius:10px;font-size:18px;font-family:Microsoft Yahei;outline: "
        "none;}QPushButton:pressed "
        "{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #2f6dd4,stop:1 "
        "#003590);border:2px inset #8a8a8a;border-radius:5px;color:#FFFFFF;}QPushButton:disabled "
        "{border:none;color:rgb(229,229,229);background-color: rgb(178,178,178);}";
    timerButtonStyles[TimerStyleSelected] =
        "QPushButton {background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1,stop:0 "
        "rgba(122, 186,5,250), stop:1 rgba(235, 235, 235, 235));color:rgb(0,0,0);border:1px solid "
        "rgb(225, 225, 225);border-radius:10px;font-size:18px;font-family:Microsoft Yahei;outline: "
        "none;}QPushButton:pressed "
        "{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #2f6dd4,stop:1 "
        "#003590);border:2px inset #8a8a8a;border-radius:5px;color:#FFFFFF;}QPushButton:disabled "
        "{border:none;color:rgb(229,229,229);background-color: rgb(178,178,178);}";
    timerButtonStyles[TimerStyleDisabled] =
        "QPushButton {background-color: rgb(210,210,210);color:rgb(0,0,0);border:1px solid "
        "rgb(225, 225, 225);border-radius:10px;font-size:18px;font-family:Microsoft Yahei;outline: "
        "none;}QPushButton:pressed "
        "{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #2f6dd4,stop:1 "
        "#003590);border:2px inset #8a8a8a;border-radius:5px;color:#FFFFFF;}QPushButton:disabled "
        "{border:none;color:rgb(229,229,229);background-color: rgb(178,178,178);}";

    currentTimer = -1;

    timerButtons << form->btnTimer0 << form->btnTimer1 << form->btnTimer2 << form->btnTimer3
                 << form->btnTimer4 << form->btnTimer5 << form->btnTimer6 << form->btnTimer7
                 << form->btnTimerSleep;
    for (int i = 0; i < timerButtons.size(); ++i) {
        timerButtons.at(i)->setStyleSheet(timerButtonStyles[TimerStyleDisabled]);
        connect(timerButtons.at(i), &QPushButton::clicked, this,
                [this, i] { slotTimerClicked(i); });
    }
}

void MainWindow::addToolbarShadows()
{
    QToolButton *shadowed[ShadowCount] = {
        form->btnNewPro,  form->btnLoadPro,       form->btnSavePro,   form->btnSetCOM,
        form->btnSetSys,  form->btnInstrDownLoad, form->btnHelp,      form->btnLanguage,
        form->btnVersion, form->btnFontDlg,       form->btnInstrTable};
    for (int i = 0; i < ShadowCount; ++i) {
        shadowEffects[i] = new QGraphicsDropShadowEffect(this);
        shadowEffects[i]->setOffset(1, 2);
        shadowEffects[i]->setColor(QColor(43, 43, 43, 255));
        shadowEffects[i]->setBlurRadius(8);
        shadowed[i]->setGraphicsEffect(shadowEffects[i]);
    }
}

void MainWindow::createMessageBoxes()
{
    resultBox = new QMyMessageBox;
    questionBox = new QMyMessageBox;
}

// Made stopped: creating or loading a project starts it.
void MainWindow::createAutoSaveTimer()
{
    autoSaveTimer = new QTimer;
    connect(autoSaveTimer, &QTimer::timeout, this, &MainWindow::slotTimerAutoSavePro);
}

void MainWindow::createScreenSizeDialog()
{
    screenSizeDlg = new SetScreenSizeDlg;
}

void MainWindow::setUpPalette()
{
    paletteModel = new QMyStandardItemModel;
    paletteDelegate = new ItemDelegate(this);
    fillPalette();
}

// One row per widget type, in type-code order.
void MainWindow::fillPalette()
{
    paletteModel->clear();
    const QStringList names = widgetTypeDisplayNames();
    for (int i = 0; i < widgetTypeIcons.size(); ++i) {
        auto *item = new QStandardItem;
        item->setData(QVariant::fromValue(ItemData {widgetTypeIcons.at(i), names.value(i)}),
                      Qt::UserRole + 1);
        paletteModel->appendRow(item);
    }
    form->listView->setItemDelegate(paletteDelegate);
    form->listView->setModel(paletteModel);
}

// The canvas stays hidden until a project is created or loaded.
void MainWindow::connectCanvas()
{
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
    QMyFrame *frame = form->frame;
    connect(frame, &QMyFrame::s_sendPressWnd, this, &MainWindow::slotRecvWnd);
    connect(frame, &QMyFrame::s_sendWndMove, this, &MainWindow::slotRecvWndMove);
    connect(frame, &QMyFrame::s_sendParent, this, &MainWindow::slotRecvParent);
    connect(frame, &QMyFrame::s_delAction, this, &MainWindow::slotDelAction);
    connect(frame, &QMyFrame::s_sendClickTopTreeWidget, this, &MainWindow::slotClickTopTreeWidget);
    connect(frame, &QMyFrame::s_sendPressPos, this, &MainWindow::slotRecvFramePressPos);
    form->frame->hide();
    currentWidget = nullptr;
}

// Managers and factories are children of the browser. roManager gets no factory: its rows
// show values but open no editor.
void MainWindow::setUpPropertyBrowser()
{
    form->designWnd->setResizeMode(QtTreePropertyBrowser::ResizeToContents);
    roManager = new QtVariantPropertyManager(form->designWnd);
    variantManager = new QtVariantPropertyManager(form->designWnd);
    variantFactory = new QtVariantEditorFactory(form->designWnd);
    form->designWnd->setFactoryForManager(variantManager, variantFactory);
    connect(variantManager, &QtVariantPropertyManager::valueChanged, this,
            QOverload<QtProperty *, const QVariant &>::of(
                &MainWindow::slotVariantPropertyValueChanged));
    imageManager = new QtUserTypeOne_ImageManager(form->designWnd);
    imageFactory = new QtUserTypeOne_ImageFactory(form->designWnd);
    imageFactory->setServices(userTypeServices());
    form->designWnd->setFactoryForManager(imageManager, imageFactory);
    connect(imageManager, &QtUserTypeOne_ImageManager::valueChanged, this,
            &MainWindow::slotImageColorPropertyValueChanged);
    colorManager = new QtUserTypeTwo_ColorManager(form->designWnd);
    colorFactory = new QtUserTypeTwo_ColorFactory(form->designWnd);
    colorFactory->setServices(userTypeServices());
    form->designWnd->setFactoryForManager(colorManager, colorFactory);
    connect(colorManager, &QtUserTypeTwo_ColorManager::valueChanged, this,
            &MainWindow::slotImageColorPropertyValueChanged);
    enumManager = new QtEnumPropertyManager(form->designWnd);
    enumFactory = new QtEnumEditorFactory(form->designWnd);
    form->designWnd->setFactoryForManager(enumManager, enumFactory);
    connect(enumManager, &QtEnumPropertyManager::valueChanged, this,
            QOverload<QtProperty *, int>::of(&MainWindow::slotVariantPropertyValueChanged));
    QMyPropertySheet::Managers managers;
    managers.browser = form->designWnd;
    managers.readOnly = roManager;
    managers.values = variantManager;
    managers.images = imageManager;
    managers.colors = colorManager;
    managers.choices = enumManager;
    sheet = new QMyPropertySheet(managers, &propertyToKey, &designDocument);
    sheetApplier = new QMySheetApplier(sheet, form->frame, questionBox, &designDocument);
}

void MainWindow::createInstrExamples()
{
    instrExampleModel = new QMyItemModel;
    initInstrExamples();
}

void MainWindow::createBootSettings()
{
    bootDlg = new BootDlg(&designDocument);
    connect(yModem, &YModem::s_send485, this, &MainWindow::slotRecvModuleLink);
}

// The actions instr, program, notice and offline have their slots but no menu entry.
void MainWindow::setUpHelpMenu()
{
    helpMenu = new QMenu;
    helpMenu->addAction(form->actionUseDocument);
    helpMenu->addAction(form->actionDocument);
    helpMenu->addAction(form->actionFont);
    helpMenu->addAction(form->actionStudy);
    helpMenu->addAction(form->actionSupport);
    form->btnHelp->setMenu(helpMenu);
}

// The font-library tab is never shown; its tab is removed for good.
void MainWindow::hideFontLibrary()
{
    form->tabWidgetImageFont->removeTab(1);
    form->labImageSize->hide();
    setImageLibrarySizeKB(0);
}

void MainWindow::createLanguageAndVersionDialogs()
{
    languageDlg = new LanguageDlg;
    connect(languageDlg, &LanguageDlg::s_translator, this, &MainWindow::slotRefleshUI);
    versionDlg = new Version;
}

void MainWindow::setUpPageTree()
{
    form->treeWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    form->treeWidget->setHeaderHidden(true);
    connect(form->frame, &QMyFrame::s_sendTreeWidget, this, &MainWindow::slotTreeWidget);
}

void MainWindow::setUpPageMenu()
{
    pageRenameDlg = new PageRenameDlg;
    connect(pageRenameDlg, &PageRenameDlg::s_sendName, this, &MainWindow::slotPageRename);
    connect(form->treeWidget, &QWidget::customContextMenuRequested, this,
            &MainWindow::slotPopPageMenu);
    connect(&pageActions[ActionAdd], &QAction::triggered, this, &MainWindow::slotActionPageAdd);
    connect(&pageActions[ActionDelete], &QAction::triggered, this, &MainWindow::slotActionPageDel);
    connect(&pageActions[ActionCopy], &QAction::triggered, this, &MainWindow::slotActionPageCopy);
    connect(&pageActions[ActionPaste], &QAction::triggered, this, &MainWindow::slotActionPagePaste);
    connect(&pageActions[ActionRename], &QAction::triggered, this,
            &MainWindow::slotActionPageRename);
    // The copy and paste keys, whichever widget of the window they go to.
    qApp->installEventFilter(this);
}

// The page tree, the property panel, the clipboard and the dialogs that show settings
// follow the design; the canvas, the boot and event dialogs follow it themselves.
void MainWindow::followDocument()
{
    DesignDocument *d = &designDocument;
    connect(d, &DesignDocument::pageAdded, this, &MainWindow::followPageAdded);
    connect(d, &DesignDocument::pageRenamed, this, &MainWindow::followPageRenamed);
    connect(d, &DesignDocument::pageRemoved, this, &MainWindow::followPageRemoved);
    connect(d, &DesignDocument::pagesCleared, this, &MainWindow::clearPageTree);
    connect(d, &DesignDocument::widgetAdded, this, &MainWindow::followWidgetAdded);
    connect(d, &DesignDocument::widgetRemoved, this, &MainWindow::followWidgetRemoved);
    connect(d, &DesignDocument::pictureRemoved, this, &MainWindow::followPictureRemoved);
    connect(d, &DesignDocument::settingsChanged, this, &MainWindow::followSettings);
}

// The project named on the command line. One that cannot be read is not kept as the open
// project, so that nothing is ever saved over it.
void MainWindow::openStartUpProject(const QString &path)
{
    if (DesignDocument::isProjectPath(path)) {
        if (openProject(path)) {
            reportProjectOpened();
        } else {
            resultBox->showNotice(
                QMyMessageBox::Error,
                withFileError(tr("加载控件错误，可能该项目之前未做保存操作，导入失败！")));
        }
    }
    if (!designDocument.isProjectOpen()) {
        form->groupTimer->hide();
        setTitlePath(programPath);
    }
}

QSize MainWindow::initialWindowSize(const QSize &screen)
{
    const double w = screen.width();
    const double h = screen.height();
    return QSize(int(w * 0.75), int(h * 10 / 12));
}

void MainWindow::setTitlePath(const QString &path)
{
    titlePath = path;
    setWindowTitle(tr("路径：") + titlePath + (unsavedMark ? QStringLiteral(" *") : QString()));
}

void MainWindow::markUnsaved(bool unsaved)
{
    unsavedMark = unsaved;
    setTitlePath(titlePath);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the port under a transfer would leave the module inside it.
    if (!quitting && downloadJobPending()) {
        askQuitDuringDownload();
        event->ignore();
        return;
    }
    if (designDocument.isProjectOpen() && !quitting) {
        askSaveAndQuit();
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (windowState() == Qt::WindowMinimized || windowState() == Qt::WindowMaximized)
        form->frame->repaint();
    QMainWindow::changeEvent(event);
}
