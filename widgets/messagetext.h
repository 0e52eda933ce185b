#ifndef MESSAGETEXT_H
#define MESSAGETEXT_H

#include <QString>

// Texts that messages quote from what the user typed or a file holds.
namespace MessageText {

// A value of any length as a message quotes it: its start, cut behind `shown` characters
// (never inside a character outside the basic plane) and marked "…", so that the message
// stays readable and fits its box.
QString quotedStart(const QString &value, int shown = 40);

} // namespace MessageText

#endif // MESSAGETEXT_H
