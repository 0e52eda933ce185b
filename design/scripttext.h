#ifndef SCRIPTTEXT_H
#define SCRIPTTEXT_H

#include <QString>

// What an event's parameter texts may put into a line of the module's scripts, whose
// language is Python. One field must never change the line around it.
namespace ScriptText {

// A string constant: the text between double quotes, with backslash, double quote and line
// breaks escaped; a text without them stays as it is.
QString stringConstant(const QString &text);

// An argument written as typed (a number, a name, an expression) that stays one argument of
// the call: no line break, and no ";" or "#" outside quotes, brackets and quotes balanced.
bool isSafeArgument(const QString &text);

// A variable that can be assigned to: a Python name that is not a keyword.
bool isName(const QString &text);

} // namespace ScriptText

#endif // SCRIPTTEXT_H
