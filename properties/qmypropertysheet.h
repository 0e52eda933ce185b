#ifndef QMYPROPERTYSHEET_H
#define QMYPROPERTYSHEET_H

#include "sheetrow.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

#include <functional>

class DesignDocument;
class EventHolder;
class QMyWidget;
class QtEnumPropertyManager;
class QtProperty;
class QtTreePropertyBrowser;
class QtUserTypeOne_ImageManager;
class QtUserTypeTwo_ColorManager;
class QtVariantPropertyManager;

// The rows of the shown property sheet: made from a table of rows with the managers of the
// property area, each keyed row entered in the window's key map before it gets its first
// value, so that the managers' reports of those values reach the appliers like edits.
class QMyPropertySheet
{
public:
    struct Managers
    {
        QtTreePropertyBrowser *browser = nullptr;
        QtVariantPropertyManager *readOnly = nullptr;
        QtVariantPropertyManager *values = nullptr;
        QtUserTypeOne_ImageManager *images = nullptr;
        QtUserTypeTwo_ColorManager *colors = nullptr;
        QtEnumPropertyManager *choices = nullptr;
    };
    // The value a row shows, by its key (SheetValues).
    using ValueOf = std::function<QVariant(const QString &key)>;

    // Font rows offer the generated fonts of the design.
    QMyPropertySheet(const Managers &managers, QMap<QtProperty *, QString> *keys,
                     const DesignDocument *design);

    // Commits what an open editor holds, then deletes every row and forgets every key.
    void clear();
    void setHeaders();
    // Appends the rows of a table at the top level, each built and placed in table order.
    void addRows(const QList<SheetRow> &rows, const ValueOf &valueOf);
    // The events group of a holder with events: one subgroup per event type without
    // hand-written code, one function subgroup per event, one text row per parameter.
    void addEventsGroup(const EventHolder &holder);

    QString keyOf(QtProperty *row) const;
    QtProperty *rowOf(const QString &key) const;
    // True while the row is being given the value it shows; such a report applies nothing.
    bool isBeingShown(QtProperty *row) const { return row && row == shownRow; }

    // Write-backs: the row carrying the key takes the value, which its manager reports like
    // an edit when it differs. Without such a row nothing happens.
    void setValue(const QString &key, const QVariant &value);
    void setReadOnlyValue(const QString &key, int value);
    void setImageText(const QString &key, const QString &text);
    // Takes a top-level row out of the browser and forgets its key; the row itself stays
    // with its manager until the next clear.
    void removeRow(const QString &key);

    // Position and size rows follow the widget while it is moved or resized.
    void followWidget(const QMyWidget &w);
    // The font row of the key offers the design's fonts again, showing font `fontId`; the
    // widget keeps its font, listed or not.
    void refreshFontChoice(const QString &key, int fontId);
    // The choice row of the key shows entry `index`, which applies nothing.
    void showChoice(const QString &key, int index);
    // Whether entry `index` of the key's choice row is the one added for a stored value
    // outside its names; *value is that value.
    bool extraEntry(const QString &key, int index, int *value) const;

    // The position of font `fontId` in fontIds; one past the list when none holds it.
    static int fontChoiceIndex(const QStringList &fontIds, int fontId);
    // The names of a font row: the design's fonts, and after them font `fontId` marked as
    // missing when no generated font has that number. *index is the position of `fontId`.
    QStringList fontChoiceNames(int fontId, int *index) const;

private:
    QtProperty *makeRow(const SheetRow &row, const ValueOf &valueOf, QtProperty *parent);
    QtProperty *makeValueRow(int type, const QString &caption, const QString &key,
                             const QVariant &value, bool applies);
    void place(QtProperty *row, QtProperty *parent, bool collapse);
    void enterKey(QtProperty *row, const SheetRow &data);
    // The names of a choice row and the index of the value it shows.
    QStringList choiceNames(const SheetRow &row, const ValueOf &valueOf, int *index) const;

    Managers m;
    QMap<QtProperty *, QString> *keys;
    const DesignDocument *design;
    QtProperty *shownRow = nullptr;
    // The added entry of each choice row that has one, and the value it stands for.
    struct ExtraEntry
    {
        int index;
        int value;
    };
    QHash<QString, ExtraEntry> extraEntries;
};

#endif // QMYPROPERTYSHEET_H
