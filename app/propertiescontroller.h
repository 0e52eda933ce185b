#ifndef PROPERTIESCONTROLLER_H
#define PROPERTIESCONTROLLER_H

#include "designdocument.h"
#include "qmysheetapplier.h"
#include "selectionkind.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class DelEventDlg;
class DownLoadEventDlg;
class EventHolder;
class PageParam;
class QMyEventDlg;
class QMyMessageBox;
class QMyPropertySheet;
class QMyWidget;
class QPushButton;
class QtEnumEditorFactory;
class QtEnumPropertyManager;
class QtProperty;
class QtUserTypeOne_ImageFactory;
class QtUserTypeOne_ImageManager;
class QtUserTypeTwo_ColorFactory;
class QtUserTypeTwo_ColorManager;
class QtVariantEditorFactory;
class QtVariantPropertyManager;
class QVariant;
class Ui_MainWindow;
struct QtUserTypeServices;

// The property panel: the sheet of the page, of one widget or of one timer, the timer
// buttons that choose a timer, and the event commands with their dialogs. It follows the
// canvas's selection.
class PropertiesController : public QObject
{
    Q_OBJECT

public:
    // Index of a timer-button style sheet.
    enum TimerStyle { TimerStyleEnabled, TimerStyleSelected, TimerStyleDisabled };

    // selectedImage names the picture the image rows' "设置" takes, -1 for none.
    PropertiesController(Ui_MainWindow *form, DesignDocument &document, QMyMessageBox *questions,
                         std::function<int()> selectedImage, QObject *parent = nullptr);
    ~PropertiesController() override;

    void resetTimerButtons();
    void showTimerProperty();
    // The generated fonts changed: the shown widget's font row offers them.
    void refreshFontIdProperty();
    void retranslate();

    QMyWidget *getCurrentWidget() const;
    SelectionKind getSelectionKind() const { return selectionKind; }
    int getCurrentTimer() const { return currentTimer; }
    QMap<QtProperty *, QString> getPropertyToKey() const { return propertyToKey; }
    QPushButton *getTimerButton(int i) const { return timerButtons.value(i); }
    static QString getTimerButtonStyle(int i);
    QMyEventDlg *getEventDlg() const { return eventDlg.get(); }
    DelEventDlg *getDelEventDlg() const { return delEventDlg.get(); }
    DownLoadEventDlg *getDownLoadEventDlg() const { return downLoadEventDlg.get(); }

signals:
    // The sheet shows this widget now.
    void widgetShown(QMyWidget *w);

public slots:
    void slotRecvParent();
    void slotRecvWnd(QMyWidget *w);
    void slotRecvWndMove(QMyWidget *w);
    void slotVariantPropertyValueChanged(QtProperty *property, const QVariant &value);
    void slotVariantPropertyValueChanged(QtProperty *property, int value);
    void slotImageColorPropertyValueChanged(QtProperty *property, QString value);
    void slotRefleshEvent();
    // The timer button of that number was clicked; other numbers do nothing.
    void slotTimerClicked(int timer);

    // Events of the page, widget or timer whose sheet is shown.
    void on_btnAddEvent_clicked();
    void on_btnDelEvent_clicked();
    void on_btnDownLoadEvent_clicked();

private:
    void setUpTimerButtons();
    void setUpPropertyBrowser();
    void createEventDialogs();
    void followCanvas();
    QtUserTypeServices userTypeServices();
    bool timerEnabled(int i) const;
    QMySheetApplier::Target sheetTarget() const;
    EventHolder *shownEventHolder() const;
    void applySheetEffect(int timerStyle, bool rebuildWidgetSheet);
    // The shown sheet's picture rows follow a picture that left the library.
    void followPictureRemoved();

    Ui_MainWindow *form;
    DesignDocument &document;
    QMyMessageBox *questions;
    std::function<int()> selectedImage;

    // Destroyed in the reverse order: the managers go before their factories, all while the
    // browser that shows them still exists; the sheet takes its rows out at once before
    // them, and the applier goes first, so that no edit reaches the design while they go.
    std::unique_ptr<QtEnumEditorFactory> enumFactory;
    std::unique_ptr<QtEnumPropertyManager> enumManager;
    std::unique_ptr<QtUserTypeTwo_ColorFactory> colorFactory;
    std::unique_ptr<QtUserTypeTwo_ColorManager> colorManager;
    std::unique_ptr<QtUserTypeOne_ImageFactory> imageFactory;
    std::unique_ptr<QtUserTypeOne_ImageManager> imageManager;
    std::unique_ptr<QtVariantEditorFactory> variantFactory;
    std::unique_ptr<QtVariantPropertyManager> variantManager;
    std::unique_ptr<QtVariantPropertyManager> roManager;
    QMap<QtProperty *, QString> propertyToKey;
    std::unique_ptr<QMyPropertySheet> sheet;
    std::unique_ptr<QMySheetApplier> sheetApplier;

    std::unique_ptr<QMyEventDlg> eventDlg;
    std::unique_ptr<DelEventDlg> delEventDlg;
    std::unique_ptr<DownLoadEventDlg> downLoadEventDlg;

    // Null once the widget is deleted.
    QPointer<QMyWidget> currentWidget;
    SelectionKind selectionKind = SelectionKind::Page;
    // The page and timer whose sheet is shown: an edit still open when the selection
    // moves on goes to them.
    PageParam *sheetPage = nullptr;
    int sheetTimer = -1;
    int currentTimer = -1;
    QList<QPushButton *> timerButtons;
};

#endif // PROPERTIESCONTROLLER_H
