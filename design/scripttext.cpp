#include "scripttext.h"

#include <QVector>

namespace ScriptText {

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

QChar closerOf(QChar open)
{
    switch (open.unicode()) {
    case '(':
        return QLatin1Char(')');
    case '[':
        return QLatin1Char(']');
    default:
        return QLatin1Char('}');
    }
}

bool isNameStart(uint c)
{
    if (c == '_')
        return true;
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_Letter:
        return true;
    default:
        return false;
    }
}

bool isNamePart(uint c)
{
    if (isNameStart(c))
        return true;
    switch (QChar::category(c)) {
    case QChar::Number_DecimalDigit:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Punctuation_Connector:
        return true;
    default:
        return false;
    }
}

const char *const keywords[] = {
    "False", "None",     "True",  "and",    "as",   "assert", "async",  "await",    "break",
    "class", "continue", "def",   "del",    "elif", "else",   "except", "finally",  "for",
    "from",  "global",   "if",    "import", "in",   "is",     "lambda", "nonlocal", "not",
    "or",    "pass",     "raise", "return", "try",  "while",  "with",   "yield"};

} // namespace

QString stringConstant(const QString &text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            quoted += QLatin1String("\\\\");
            break;
        case '"':
            quoted += QLatin1String("\\\"");
            break;
        case '\n':
            quoted += QLatin1String("\\n");
            break;
        case '\r':
            quoted += QLatin1String("\\r");
            break;
        default:
            quoted += c;
            break;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

bool isSafeArgument(const QString &text)
{
    QVector<QChar> open;
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLineBreak(c))
            return false;
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\')) {
                // The escaped character belongs to the string, unless it ends the line.
                ++i;
                if (i < text.size() && isLineBreak(text.at(i)))
                    return false;
            } else if (c == quote) {
                quote = QChar();
            }
            continue;
        }
        switch (c.unicode()) {
        case '"':
        case '\'':
            quote = c;
            break;
        case ';':
        case '#':
            return false;
        case '(':
        case '[':
        case '{':
            open.append(closerOf(c));
            break;
        case ')':
        case ']':
        case '}':
            if (open.isEmpty() || open.last() != c)
                return false;
            open.removeLast();
            break;
        default:
            break;
        }
    }
    return quote.isNull() && open.isEmpty();
}

bool isName(const QString &text)
{
    const QVector<uint> code = text.toUcs4();
    if (code.isEmpty() || !isNameStart(code.first()))
        return false;
    for (uint c : code) {
        if (!isNamePart(c))
            return false;
    }
    for (const char *keyword : keywords) {
        if (text == QLatin1String(keyword))
            return false;
    }
    return true;
}

} // namespace ScriptText
