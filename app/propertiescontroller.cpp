#include "propertiescontroller.h"
#include "ui_mainwindow.h"

#include "attributelimits.h"
#include "colordlg.h"
#include "deleventdlg.h"
#include "designglobals.h"
#include "downloadeventdlg.h"
#include "eventholder.h"
#include "eventinfo.h"
#include "imagereferences.h"
#include "pageparam.h"
#include "qmyeventdlg.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmypropertysheet.h"
#include "qmywidget.h"
#include "qtenumeditorfactory.h"
#include "qtenumpropertymanager.h"
#include "qttreepropertybrowser.h"
#include "qtusertypeone_imagefactory.h"
#include "qtusertypeone_imagemanager.h"
#include "qtusertypeservices.h"
#include "qtusertypetwo_colorfactory.h"
#include "qtusertypetwo_colormanager.h"
#include "qtvarianteditorfactory.h"
#include "qtvariantpropertymanager.h"
#include "sheetrules.h"
#include "sheettables.h"
#include "sheetvalues.h"
#include "timerparam.h"

#include <QPushButton>

// The rows and the rules of their edits live in properties/; the event dialogs in events/.

namespace {

const char *const TimerButtonStyles[] = {
    // Enabled
    "QPushButton {background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1,stop:0 "
    "rgba(210, 255,252,200),stop:0.1 rgba(205, 249,247,150),stop:0.3 rgba(201, "
    "244,242,150),stop:0.7 rgba(205, 249,247,150), stop:1 rgba(210, "
    "255,252,200));color:rgb(0,0,0);border:1px solid rgb(225, 225, "
    "225);border-radius:10px;font-size:18px;font-family:Microsoft Yahei;outline: "
    "none;}QPushButton:pressed "
    "{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #2f6dd4,stop:1 "
    "#003590);border:2px inset #8a8a8a;border-radius:5px;color:#FFFFFF;}QPushButton:disabled "
    "{border:none;color:rgb(229,229,229);background-color: rgb(178,178,178);}",
    // Selected
    "QPushButton {background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1,stop:0 "
    "rgba(122, 186,5,250), stop:1 rgba(235, 235, 235, 235));color:rgb(0,0,0);border:1px solid "
    "rgb(225, 225, 225);border-radius:10px;font-size:18px;font-family:Microsoft Yahei;outline: "
    "none;}QPushButton:pressed "
    "{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #2f6dd4,stop:1 "
    "#003590);border:2px inset #8a8a8a;border-radius:5px;color:#FFFFFF;}QPushButton:disabled "
    "{border:none;color:rgb(229,229,229);background-color: rgb(178,178,178);}",
    // Disabled
    "QPushButton {background-color: rgb(210,210,210);color:rgb(0,0,0);border:1px solid "
    "rgb(225, 225, 225);border-radius:10px;font-size:18px;font-family:Microsoft Yahei;outline: "
    "none;}QPushButton:pressed "
    "{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #2f6dd4,stop:1 "
    "#003590);border:2px inset #8a8a8a;border-radius:5px;color:#FFFFFF;}QPushButton:disabled "
    "{border:none;color:rgb(229,229,229);background-color: rgb(178,178,178);}",
};

} // namespace

PropertiesController::PropertiesController(Ui_MainWindow *form, DesignDocument &document,
                                           QMyMessageBox *questions,
                                           std::function<int()> selectedImage, QObject *parent)
    : QObject(parent)
    , form(form)
    , document(document)
    , questions(questions)
    , selectedImage(std::move(selectedImage))
{
    createEventDialogs();
    setUpTimerButtons();
    setUpPropertyBrowser();
    followCanvas();
    connect(&document, &DesignDocument::pictureRemoved, this,
            &PropertiesController::followPictureRemoved);
}

PropertiesController::~PropertiesController()
{
    // No edit reaches the design while the rest goes.
    sheetApplier.reset();
    // Rows taken out one by one as their managers go cost the square of their number;
    // the sheet takes them all out at once.
    sheet->clear();
}

QString PropertiesController::getTimerButtonStyle(int i)
{
    return QString::fromLatin1(TimerButtonStyles[i]);
}

void PropertiesController::setUpTimerButtons()
{
    currentTimer = -1;
    timerButtons << form->btnTimer0 << form->btnTimer1 << form->btnTimer2 << form->btnTimer3
                 << form->btnTimer4 << form->btnTimer5 << form->btnTimer6 << form->btnTimer7
                 << form->btnTimerSleep;
    for (int i = 0; i < timerButtons.size(); ++i) {
        timerButtons.at(i)->setStyleSheet(getTimerButtonStyle(TimerStyleDisabled));
        connect(timerButtons.at(i), &QPushButton::clicked, this,
                [this, i] { slotTimerClicked(i); });
    }
}

void PropertiesController::createEventDialogs()
{
    eventDlg = std::make_unique<QMyEventDlg>();
    delEventDlg = std::make_unique<DelEventDlg>();
    delEventDlg->setDocument(&document);
    connect(delEventDlg.get(), &DelEventDlg::s_sendDelEvent, this,
            &PropertiesController::slotRefleshEvent);
    downLoadEventDlg = std::make_unique<DownLoadEventDlg>();
    downLoadEventDlg->setDocument(&document);
    connect(downLoadEventDlg.get(), &DownLoadEventDlg::s_sendReflesh, this,
            &PropertiesController::slotRefleshEvent);
    connect(form->btnAddEvent, &QAbstractButton::clicked, this,
            &PropertiesController::on_btnAddEvent_clicked);
    connect(form->btnDelEvent, &QAbstractButton::clicked, this,
            &PropertiesController::on_btnDelEvent_clicked);
    connect(form->btnDownLoadEvent, &QAbstractButton::clicked, this,
            &PropertiesController::on_btnDownLoadEvent_clicked);
}

// Managers and factories are children of the browser besides. roManager gets no factory:
// its rows show values but open no editor.
void PropertiesController::setUpPropertyBrowser()
{
    QtTreePropertyBrowser *browser = form->designWnd;
    browser->setResizeMode(QtTreePropertyBrowser::ResizeToContents);
    roManager = std::make_unique<QtVariantPropertyManager>(browser);
    variantManager = std::make_unique<QtVariantPropertyManager>(browser);
    variantFactory = std::make_unique<QtVariantEditorFactory>(browser);
    browser->setFactoryForManager(variantManager.get(), variantFactory.get());
    connect(variantManager.get(), &QtVariantPropertyManager::valueChanged, this,
            QOverload<QtProperty *, const QVariant &>::of(
                &PropertiesController::slotVariantPropertyValueChanged));
    imageManager = std::make_unique<QtUserTypeOne_ImageManager>(browser);
    imageFactory = std::make_unique<QtUserTypeOne_ImageFactory>(browser);
    imageFactory->setServices(userTypeServices());
    browser->setFactoryForManager(imageManager.get(), imageFactory.get());
    connect(imageManager.get(), &QtUserTypeOne_ImageManager::valueChanged, this,
            &PropertiesController::slotImageColorPropertyValueChanged);
    colorManager = std::make_unique<QtUserTypeTwo_ColorManager>(browser);
    colorFactory = std::make_unique<QtUserTypeTwo_ColorFactory>(browser);
    colorFactory->setServices(userTypeServices());
    browser->setFactoryForManager(colorManager.get(), colorFactory.get());
    connect(colorManager.get(), &QtUserTypeTwo_ColorManager::valueChanged, this,
            &PropertiesController::slotImageColorPropertyValueChanged);
    enumManager = std::make_unique<QtEnumPropertyManager>(browser);
    enumFactory = std::make_unique<QtEnumEditorFactory>(browser);
    browser->setFactoryForManager(enumManager.get(), enumFactory.get());
    connect(
        enumManager.get(), &QtEnumPropertyManager::valueChanged, this,
        QOverload<QtProperty *, int>::of(&PropertiesController::slotVariantPropertyValueChanged));
    QMyPropertySheet::Managers managers;
    managers.browser = browser;
    managers.readOnly = roManager.get();
    managers.values = variantManager.get();
    managers.images = imageManager.get();
    managers.colors = colorManager.get();
    managers.choices = enumManager.get();
    sheet = std::make_unique<QMyPropertySheet>(managers, &propertyToKey, &document);
    sheetApplier =
        std::make_unique<QMySheetApplier>(sheet.get(), form->frame, questions, &document);
}

// The canvas says what is selected and where the mouse went.
void PropertiesController::followCanvas()
{
    qRegisterMetaType<QMyWidget *>("QMyWidget *");
    QMyFrame *frame = form->frame;
    connect(frame, &QMyFrame::s_sendPressWnd, this, &PropertiesController::slotRecvWnd);
    connect(frame, &QMyFrame::s_sendWndMove, this, &PropertiesController::slotRecvWndMove);
    connect(frame, &QMyFrame::s_sendParent, this, &PropertiesController::slotRecvParent);
}

QMyWidget *PropertiesController::getCurrentWidget() const
{
    return currentWidget;
}

void PropertiesController::slotRecvParent()
{
    sheet->clear();
    selectionKind = SelectionKind::Page;
    currentWidget = nullptr;
    form->frame->setCurrentWidget(nullptr);
    form->frame->setTimerShown(false);
    resetTimerButtons();
    sheet->setHeaders();
    PageParam *page = document.page(document.currentPage());
    sheetPage = page;
    if (!page)
        return;
    sheet->addRows(SheetTables::pageSheet(), [this, page](const QString &key) {
        return SheetValues::pageValue(*page, key, document.screenType(), document.resolution());
    });
    sheet->addEventsGroup(page->eventHolder());
}

void PropertiesController::slotRecvWnd(QMyWidget *w)
{
    sheet->clear();
    selectionKind = SelectionKind::Widget;
    currentWidget = w;
    form->frame->setCurrentWidget(w);
    sheetPage = document.page(document.currentPage());
    resetTimerButtons();
    sheet->setHeaders();
    if (!w)
        return;
    emit widgetShown(w);
    // The placement rows show what the drawing lays out, also before the widget's first
    // paint (right after a drop or a paste).
    w->refreshComputedValues();
    // The rows show values within their limits; the widget keeps what they show.
    if (AttributeLimits::settle(*w))
        w->update();
    sheet->addRows(SheetTables::widgetSheet(w->getType(), w->getCheckabled()),
                   [w](const QString &key) { return SheetValues::widgetValue(*w, key); });
    if (SheetTables::widgetHasEvents(w->getType()))
        sheet->addEventsGroup(w->eventHolder());
}

void PropertiesController::showTimerProperty()
{
    if (currentTimer < 0 || currentTimer >= DesignDocument::TimerCount)
        return;
    sheet->clear();
    selectionKind = SelectionKind::Timer;
    currentWidget = nullptr;
    form->frame->setCurrentWidget(nullptr);
    form->frame->setTimerShown(true);
    sheet->setHeaders();
    sheetTimer = currentTimer;
    TimerParam *timer = document.timer(currentTimer);
    sheet->addRows(currentTimer == DesignDocument::SleepTimer ? SheetTables::sleepTimerSheet()
                                                              : SheetTables::timerSheet(),
                   [timer](const QString &key) { return SheetValues::timerValue(*timer, key); });
    sheet->addEventsGroup(timer->eventHolder());
}

void PropertiesController::slotRefleshEvent()
{
    switch (selectionKind) {
    case SelectionKind::Page:
        slotRecvParent();
        break;
    case SelectionKind::Widget:
        slotRecvWnd(currentWidget);
        break;
    case SelectionKind::Timer:
        showTimerProperty();
        break;
    case SelectionKind::None:
        break;
    }
}

void PropertiesController::slotRecvWndMove(QMyWidget *w)
{
    if (!w || w != currentWidget)
        return;
    // Square sides and inner rectangles are otherwise brought up to date only by the next
    // paint, after the last move of a drag has been shown.
    w->refreshComputedValues();
    sheet->followWidget(*w);
}

void PropertiesController::slotVariantPropertyValueChanged(QtProperty *property,
                                                           const QVariant &value)
{
    if (!sheetApplier)
        return;
    const QMySheetApplier::Effect effect = sheetApplier->applyValue(property, value, sheetTarget());
    applySheetEffect(effect.timerStyle, effect.rebuildWidgetSheet);
}

void PropertiesController::slotVariantPropertyValueChanged(QtProperty *property, int value)
{
    if (!sheetApplier)
        return;
    sheetApplier->applyChoice(property, value, sheetTarget());
}

void PropertiesController::slotImageColorPropertyValueChanged(QtProperty *property, QString value)
{
    if (!sheetApplier)
        return;
    sheetApplier->applyImage(property, value, sheetTarget());
}

QMySheetApplier::Target PropertiesController::sheetTarget() const
{
    QMySheetApplier::Target target;
    target.kind = selectionKind;
    target.widget = currentWidget;
    // A page that went away since its sheet was built takes no edit.
    target.page = document.pages().contains(sheetPage) ? sheetPage : nullptr;
    target.timer = document.timer(sheetTimer);
    target.timerIndex = sheetTimer;
    return target;
}

void PropertiesController::applySheetEffect(int timerStyle, bool rebuildWidgetSheet)
{
    if (timerStyle >= 0 && sheetTimer >= 0 && sheetTimer < timerButtons.size())
        timerButtons.at(sheetTimer)->setStyleSheet(getTimerButtonStyle(timerStyle));
    if (!rebuildWidgetSheet)
        return;
    // The row being reported and its editor belong to the sheet; it is built again once
    // the report has returned, and only while the widget is still the one shown.
    QPointer<QMyWidget> shown = currentWidget;
    QMetaObject::invokeMethod(
        this,
        [this, shown] {
            if (shown && shown == currentWidget && selectionKind == SelectionKind::Widget)
                form->frame->selectWidget(shown);
        },
        Qt::QueuedConnection);
}

void PropertiesController::resetTimerButtons()
{
    currentTimer = -1;
    for (int j = 0; j < timerButtons.size(); ++j) {
        const QString style =
            getTimerButtonStyle(timerEnabled(j) ? TimerStyleEnabled : TimerStyleDisabled);
        // Setting a style sheet restyles the button even when it is the same one.
        if (timerButtons.at(j)->styleSheet() != style)
            timerButtons.at(j)->setStyleSheet(style);
    }
}

// What the image and colour-table rows need of the program.
QtUserTypeServices PropertiesController::userTypeServices()
{
    QtUserTypeServices services;
    services.selectedImage = [this] { return selectedImage(); };
    services.notice = [](QWidget *editor, const QString &text) {
        // The editor's own box, so that no question of the window is ever replaced; it
        // stays a window of its own and goes with the editor.
        auto *box = editor->findChild<QMyMessageBox *>(QString(), Qt::FindDirectChildrenOnly);
        if (!box) {
            box = new QMyMessageBox;
            box->setParent(editor, box->windowFlags());
        }
        box->showNotice(QMyMessageBox::Information, text);
    };
    services.pickColor = [](int current, int *chosen) {
        ColorDlg dialog;
        const bool accepted = dialog.selectColor(current);
        *chosen = dialog.colorIndex();
        return accepted;
    };
    services.tableColor = [](int index) { return colorTableValue(index); };
    return services;
}

bool PropertiesController::timerEnabled(int i) const
{
    if (i == DesignDocument::SleepTimer)
        return document.timer(i)->timerTime() != 0;
    return document.timer(i)->timerEnable() != 0;
}

void PropertiesController::slotTimerClicked(int clicked)
{
    if (clicked < 0 || clicked >= timerButtons.size())
        return;
    for (int j = 0; j < timerButtons.size(); ++j) {
        if (j != clicked) {
            timerButtons.at(j)->setStyleSheet(
                getTimerButtonStyle(timerEnabled(j) ? TimerStyleEnabled : TimerStyleDisabled));
            continue;
        }
        if (j == currentTimer)
            continue;
        currentTimer = j;
        document.timer(j)->setTimerID(j);
        timerButtons.at(j)->setStyleSheet(getTimerButtonStyle(TimerStyleSelected));
        if (selectionKind == SelectionKind::Widget && currentWidget && document.hasCurrentPage()) {
            for (QMyWidget *w : document.widgets(document.currentPage()))
                w->setSelected(false);
            form->frame->repaint();
        }
        showTimerProperty();
    }
}

void PropertiesController::refreshFontIdProperty()
{
    if (!currentWidget)
        return;
    const WidgetType type = currentWidget->getType();
    if (type != WidgetType::Btn && type != WidgetType::Lab && type != WidgetType::TextBox)
        return;
    sheet->refreshFontChoice(QStringLiteral("fontID"), currentWidget->getFontID());
}

void PropertiesController::followPictureRemoved()
{
    if (currentWidget) {
        for (const QString &key : ImageReferences::widgetKeys())
            sheet->setImageText(key, SheetRules::imageText(currentWidget->intValue(key)));
    }
    const PageParam *page = document.page(document.currentPage());
    if (selectionKind == SelectionKind::Page && page)
        sheet->setImageText(QStringLiteral("pageImageNum"),
                            SheetRules::imageText(page->pageImageNum()));
}

// The dialogs in the new language; the sheet shown, whether of the page, a widget or a
// timer, is made again in it while a project is open.
void PropertiesController::retranslate()
{
    delEventDlg->retranslate();
    downLoadEventDlg->retranslate();
    eventDlg->retranslate();
}

void PropertiesController::on_btnAddEvent_clicked()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information,
                              tr("未创建或导入项目，请您先创建或导入项目！"));
        return;
    }
    EventHolder *holder = shownEventHolder();
    if (!holder)
        return;
    const int owner =
        EventHolderDlg::ownerKind(selectionKind, currentWidget, document.timer(currentTimer));
    if (!EventInfo::ownerHasEvents(owner)) {
        questions->showNotice(QMyMessageBox::Information,
                              tr("该控件类型无法添加事件，请您查看说明文档！"));
        return;
    }
    // Only timers run while the dialog is open; the holder must still be the one shown.
    const QPointer<QMyWidget> widget = currentWidget;
    if (!eventDlg->execForEvent(owner))
        return;
    if (shownEventHolder() != holder || widget != currentWidget)
        return;
    holder->append(eventDlg->eventInfo());
    slotRefleshEvent();
}

void PropertiesController::on_btnDelEvent_clicked()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information,
                              tr("未创建或导入项目，请您先创建或导入项目！"));
        return;
    }
    if (selectionKind == SelectionKind::None)
        return;
    const EventHolder *holder = shownEventHolder();
    if (!holder || holder->eventCount() == 0) {
        questions->showNotice(QMyMessageBox::Information, tr("未添加事件，无法删除！"));
        return;
    }
    delEventDlg->showDlg(selectionKind, currentWidget, document.timer(currentTimer));
}

void PropertiesController::on_btnDownLoadEvent_clicked()
{
    if (!document.isProjectOpen()) {
        questions->showNotice(QMyMessageBox::Information,
                              tr("未创建或导入项目，请您先创建或导入项目！"));
        return;
    }
    if (!shownEventHolder())
        return;
    const int owner =
        EventHolderDlg::ownerKind(selectionKind, currentWidget, document.timer(currentTimer));
    if (!EventInfo::ownerHasEvents(owner)) {
        questions->showNotice(QMyMessageBox::Information,
                              tr("该控件类型无法编辑事件，请您查看说明文档！"));
        return;
    }
    downLoadEventDlg->showDlg(selectionKind, currentWidget, document.timer(currentTimer));
}

// What the sheet shows: the current page, the selected widget or the selected timer.
EventHolder *PropertiesController::shownEventHolder() const
{
    switch (selectionKind) {
    case SelectionKind::Page: {
        PageParam *page = document.page(document.currentPage());
        return page ? &page->eventHolder() : nullptr;
    }
    case SelectionKind::Widget:
        return currentWidget ? &currentWidget->eventHolder() : nullptr;
    case SelectionKind::Timer: {
        TimerParam *timer = document.timer(currentTimer);
        return timer ? &timer->eventHolder() : nullptr;
    }
    default:
        return nullptr;
    }
}
