#ifndef SCRIPTTEXT_H
#define SCRIPTTEXT_H

#include <QString>

// What an event's parameter texts may put into a line of the module's scripts, whose
// language is Python. One field must never change the line around it.
namespace ScriptText {

// A string constant: the text between double quotes, with backslash, double quote and line
// breaks escaped; a text without them stays as it is.
QString stringConstant(const QString &text);

// An argument written as typed that Python reads as exactly one expression in its place in
// the call: a number, a name, a string, or such joined by operators, calls, attributes,
// subscripts and brackets. Anything else is refused, also what Python would accept but
// this subset does not know (keyword arguments, lambdas, comprehensions, string prefixes).
bool isExpression(const QString &text);

// A variable that can be assigned to: a Python name that is not a keyword.
bool isName(const QString &text);

} // namespace ScriptText

#endif // SCRIPTTEXT_H
