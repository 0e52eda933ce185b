#ifndef SHEETROW_H
#define SHEETROW_H

#include <QList>
#include <QString>

// One row of a property sheet as data. Captions and choice names are source texts of the
// MainWindow translation context; those in Latin letters have no entry and show as they
// stand. The key is the attribute's project-file key, which the edit appliers dispatch on.
struct SheetRow
{
    enum Kind {
        Int,
        Bool,
        Text,
        Color,
        Choice, // names from `choices`
        FontChoice, // names from the design's generated fonts, value the index of the font number
        ResolutionChoice, // names from resolutionList
        Image,
        Group,
        ReadOnlyInt,
        ReadOnlyText,
        ChartValues, // one int row per value of series `index`, made when the sheet is built
    };

    Kind kind = Int;
    const char *caption = nullptr;
    // Filled into the caption's "%1" when not negative.
    int captionArg = -1;
    // The key the value is read by; entered in the key map unless `keyed` is false.
    QString key;
    bool keyed = true;
    int index = -1;
    QList<const char *> choices;
    // Names of the values after the listed ones that the design keeps as they are: the
    // row offers only the listed names, and shows such a stored value as one more entry.
    QList<const char *> keptChoices;
    QList<SheetRow> children;
    // Placed before it gets its names and value, so that rows its applier adds follow it.
    bool placedFirst = false;
    // Showing the row applies nothing; only a user's edit does.
    bool appliesWhenShown = true;
};

#endif // SHEETROW_H
