#ifndef ATTRIBUTELIMITS_H
#define ATTRIBUTELIMITS_H

#include <QString>
#include <QStringList>

class QMyWidget;

// The limits of widget attributes and what goes with a change of one, as the property sheet
// applies them to edits and to the values it shows, and as the module files are made.
namespace AttributeLimits {

// The colours whose alpha follows an opacity key; empty for any other key.
QStringList colorsOfOpacity(const QString &opacityKey);
// The opacity key whose value a colour takes as its alpha; empty for a colour without one.
QString opacityOfColor(const QString &colorKey);

// True when values of the key are kept within [*min, *max]; a value outside is replaced
// by the bound. The page opacity has no range.
bool valueRange(const QString &key, int *min, int *max);

// Counts offered from one: the stored value is the choice index plus this.
int choiceOffset(const QString &key);
// The base key of the series attributes edited once for both series (line width, dot size,
// point count); empty for any other key.
QString sharedSeriesBase(const QString &key);

// Stores an int attribute; an opacity's colours take it as their alpha.
void setInt(QMyWidget &w, const QString &key, int value);
// Stores a shared series attribute in both series; a new point count adds zeros to or cuts
// the series' values.
void setSharedSeries(QMyWidget &w, const QString &base, int value);
// Stores a choice's value; a single-line text box drops its line breaks.
void setChoice(QMyWidget &w, const QString &key, int value);

// What showing the widget's property sheet makes of its values: a value outside its row's
// range takes the bound, a choice outside its names (and the values it keeps) the first
// one, a switch other than 0 or 1 is on, 1. True when anything changed. Values within
// their rows are left as they are.
bool settle(QMyWidget &w);
// Whether settle would change anything.
bool needsSettling(const QMyWidget &w);

} // namespace AttributeLimits

#endif // ATTRIBUTELIMITS_H
