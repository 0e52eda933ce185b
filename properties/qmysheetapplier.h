#ifndef QMYSHEETAPPLIER_H
#define QMYSHEETAPPLIER_H

#include "selectionkind.h"

#include <QString>
#include <QVariant>

class DesignDocument;
class EventHolder;
class PageParam;
class QMyFrame;
class QMyMessageBox;
class QMyPropertySheet;
class QMyWidget;
class QtProperty;
class TimerParam;

// Applies the edits of the shown sheet's rows to the design: each row's key names the
// attribute; values are limited, coupled and written back into the sheet as the attribute
// requires, and what shows the attribute is repainted.
class QMySheetApplier
{
public:
    // What the sheet shows, as the window knows it.
    struct Target
    {
        SelectionKind kind = SelectionKind::Page;
        QMyWidget *widget = nullptr;
        PageParam *page = nullptr;
        TimerParam *timer = nullptr;
        int timerIndex = -1;
    };
    // What an edit asks of the window beyond the design.
    struct Effect
    {
        int timerStyle = -1; // style for the shown timer's button: 1 in use, 2 not
        bool rebuildWidgetSheet = false;
    };

    // Edits go to the design shown on the canvas.
    QMySheetApplier(QMyPropertySheet *sheet, QMyFrame *canvas, QMyMessageBox *questionBox,
                    DesignDocument *design);

    Effect applyValue(QtProperty *row, const QVariant &value, const Target &target);
    void applyChoice(QtProperty *row, int index, const Target &target);
    void applyImage(QtProperty *row, const QString &text, const Target &target);

private:
    Effect applyWidgetValue(QMyWidget *w, const QString &key, const QVariant &value);
    void applyPageValue(PageParam *page, const QString &key, const QVariant &value);
    Effect applyTimerValue(TimerParam *timer, int index, const QString &key, const QVariant &value);
    void applyGeometry(QMyWidget *w, const QString &key, int value);
    void applyText(QMyWidget *w, const QString &text);
    bool applyMeter(QMyWidget *w, const QString &key, const QVariant &value);
    bool applyChart(QMyWidget *w, const QString &key, const QVariant &value);
    void applyPageChoice(PageParam *page, const QString &key, int index);
    void applyWidgetChoice(QMyWidget *w, const QString &key, int index);
    void applyPageBackground(PageParam *page, const QString &text);
    void resizeCanvas(int width, int height, int orientation);
    // Writes a range's bound back into the row when the value is outside; true then.
    bool limited(const QString &key, int value);
    // An event-parameter edit of a holder whose rows carry the prefix; true when the
    // parameter changed.
    static bool applyEventParameter(EventHolder &holder, const QString &prefix, const QString &key,
                                    const QString &text);

    QMyPropertySheet *sheet;
    QMyFrame *canvas;
    DesignDocument *design;
    QMyMessageBox *questionBox;
};

#endif // QMYSHEETAPPLIER_H
