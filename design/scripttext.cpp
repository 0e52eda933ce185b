#include "scripttext.h"

#include <QStringList>
#include <QVector>

namespace ScriptText {

namespace {

bool isNameStart(uint c)
{
    if (c == '_')
        return true;
    // A letter that is also Python syntax in the Unicode tables, so no identifier.
    if (c == 0x2E2F)
        return false;
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

bool isKeyword(const QString &word)
{
    for (const char *keyword : keywords) {
        if (word == QLatin1String(keyword))
            return true;
    }
    return false;
}

// Python compares names after NFKC normalisation; a name that it changes could read as
// another name or as no name at all, so only names that stay as they are pass.
bool isPlainName(const QVector<uint> &code)
{
    if (code.isEmpty() || !isNameStart(code.first()))
        return false;
    for (uint c : code) {
        if (!isNamePart(c))
            return false;
    }
    const QString text = QString::fromUcs4(code.constData(), code.size());
    return text.normalized(QString::NormalizationForm_KC) == text;
}

// The code points of a text; false when a surrogate half has no partner.
bool codePoints(const QString &text, QVector<uint> *code)
{
    code->reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code->append(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            return false;
        } else {
            code->append(c.unicode());
        }
    }
    return true;
}

bool isDigit(uint c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(uint c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isOctalDigit(uint c)
{
    return c >= '0' && c <= '7';
}

bool isBinaryDigit(uint c)
{
    return c == '0' || c == '1';
}

struct Token
{
    enum Kind { End, Name, Word, Number, String, Operator };
    Kind kind = End;
    QString text; // a keyword's or an operator's text
};

// Python's lexical rules for the tokens of the subset, over one line without its line end.
class Lexer
{
public:
    explicit Lexer(const QVector<uint> &code)
        : c(code)
    { }

    bool run(QVector<Token> *tokens)
    {
        while (i < c.size()) {
            const uint ch = c.at(i);
            Token token;
            if (ch == ' ' || ch == '\t') {
                ++i;
                continue;
            }
            if (isDigit(ch) || (ch == '.' && isDigit(at(i + 1)))) {
                if (!number())
                    return false;
                token.kind = Token::Number;
            } else if (ch == '"' || ch == '\'') {
                if (!string())
                    return false;
                token.kind = Token::String;
            } else if (isNameStart(ch)) {
                int end = i;
                while (end < c.size() && isNamePart(c.at(end)))
                    ++end;
                const QVector<uint> name = c.mid(i, end - i);
                if (!isPlainName(name))
                    return false;
                token.text = QString::fromUcs4(name.constData(), name.size());
                token.kind = isKeyword(token.text) ? Token::Word : Token::Name;
                i = end;
            } else if (!operatorToken(&token.text)) {
                return false;
            } else {
                token.kind = Token::Operator;
            }
            tokens->append(token);
        }
        tokens->append(Token());
        return true;
    }

private:
    uint at(int k) const { return k < c.size() ? c.at(k) : 0; }

    int digits(bool (*accepts)(uint))
    {
        const int start = i;
        while (i < c.size() && accepts(c.at(i)))
            ++i;
        return i - start;
    }

    // Decimal, hexadecimal, octal and binary integers and decimal floats, without
    // underscores or an imaginary part.
    bool number()
    {
        const int start = i;
        const uint prefix = at(i + 1) | 0x20;
        if (c.at(i) == '0' && (prefix == 'x' || prefix == 'o' || prefix == 'b')) {
            i += 2;
            const int count = digits(prefix == 'x'       ? isHexDigit
                                         : prefix == 'o' ? isOctalDigit
                                                         : isBinaryDigit);
            if (count == 0)
                return false;
        } else {
            digits(isDigit);
            bool isFloat = false;
            if (at(i) == '.') {
                ++i;
                digits(isDigit);
                isFloat = true;
            }
            if ((at(i) | 0x20) == 'e') {
                ++i;
                if (at(i) == '+' || at(i) == '-')
                    ++i;
                if (digits(isDigit) == 0)
                    return false;
                isFloat = true;
            }
            // "007" is no integer in Python 3; "000" and "007.5" are.
            if (!isFloat && c.at(start) == '0') {
                for (int k = start; k < i; ++k) {
                    if (c.at(k) != '0')
                        return false;
                }
            }
            // Python refuses to read a longer decimal integer: its limit for int().
            if (!isFloat && i - start > 4300)
                return false;
        }
        // "1if", "0b12", "1_000", "1j": Python reads these otherwise or not at all.
        return i >= c.size() || !isNamePart(c.at(i));
    }

    // One escape after a backslash inside a string; the unknown ones Python only warns
    // about are refused as well.
    bool escape()
    {
        const uint ch = at(i);
        switch (ch) {
        case '\\':
        case '\'':
        case '"':
        case 'a':
        case 'b':
        case 'f':
        case 'n':
        case 'r':
        case 't':
        case 'v':
            ++i;
            return true;
        case 'x':
        case 'u':
        case 'U': {
            const int length = ch == 'x' ? 2 : ch == 'u' ? 4 : 8;
            uint value = 0;
            for (int k = 1; k <= length; ++k) {
                const uint d = at(i + k);
                if (!isHexDigit(d))
                    return false;
                value = value * 16 + (isDigit(d) ? d - '0' : (d | 0x20) - 'a' + 10);
            }
            i += length + 1;
            return value <= 0x10FFFF;
        }
        default:
            if (!isOctalDigit(ch))
                return false;
            uint value = 0;
            for (int k = 0; k < 3 && isOctalDigit(at(i)); ++k)
                value = value * 8 + (c.at(i++) - '0');
            return value <= 0377;
        }
    }

    // A string in single or double quotes on this line, without a prefix; triple quotes
    // are refused, so that "" followed by a quote is never read as an empty string.
    bool string()
    {
        const uint quote = c.at(i);
        if (at(i + 1) == quote && at(i + 2) == quote)
            return false;
        for (++i; i < c.size();) {
            const uint ch = c.at(i);
            if (ch == quote) {
                ++i;
                return true;
            }
            if (ch == '\\') {
                ++i;
                if (!escape())
                    return false;
                continue;
            }
            // Line breaks end the line, NUL ends the source; other controls are kept out.
            if (ch != '\t' && QChar::category(ch) == QChar::Other_Control)
                return false;
            ++i;
        }
        return false;
    }

    bool operatorToken(QString *text)
    {
        static const char *const pairs[] = {"**", "//", "<<", ">>", "<=", ">=", "==", "!="};
        for (const char *pair : pairs) {
            if (at(i) == uint(pair[0]) && at(i + 1) == uint(pair[1])) {
                *text = QLatin1String(pair);
                i += 2;
                return true;
            }
        }
        // No "=", "!", "@", ";", "#" or "\": they would make the argument something else.
        static const char singles[] = "()[]{},:.+-*/%&|^~<>";
        const uint ch = at(i);
        for (const char *s = singles; *s; ++s) {
            if (ch == uint(*s)) {
                *text = QChar(ch);
                ++i;
                return true;
            }
        }
        return false;
    }

    const QVector<uint> &c;
    int i = 0;
};

// A recursive-descent reader of Python's expression grammar, without lambdas,
// comprehensions, starred items, keyword arguments and assignment expressions.
class Parser
{
public:
    explicit Parser(const QVector<Token> &tokens)
        : t(tokens)
    { }

    bool whole() { return expression() && t.at(k).kind == Token::End; }

private:
    // Brackets, signs, conditionals and chains of operators or trailers nest no deeper than
    // this, well below what Python's parser and compiler take: each link of a chain is one
    // more level of the expression's tree.
    static constexpr int DepthLimit = 50;

    class Nesting
    {
    public:
        explicit Nesting(int &depth, int levels = 1)
            : depth(depth)
            , added(levels)
        {
            depth += levels;
        }
        ~Nesting() { depth -= added; }
        bool tooDeep() const { return depth > DepthLimit; }
        // One more link of a chain, which stays as deep until the chain ends.
        bool deeper()
        {
            ++depth;
            ++added;
            return !tooDeep();
        }

    private:
        int &depth;
        int added;
    };

    bool isOperator(const char *text) const
    {
        return t.at(k).kind == Token::Operator && t.at(k).text == QLatin1String(text);
    }
    bool isWord(const char *text, int ahead = 0) const
    {
        const int at = qMin(k + ahead, t.size() - 1);
        return t.at(at).kind == Token::Word && t.at(at).text == QLatin1String(text);
    }
    bool take(const char *text)
    {
        if (!isOperator(text))
            return false;
        ++k;
        return true;
    }

    bool expression()
    {
        if (!disjunction())
            return false;
        if (!isWord("if"))
            return true;
        ++k;
        if (!disjunction() || !isWord("else"))
            return false;
        ++k;
        const Nesting nesting(depth);
        return !nesting.tooDeep() && expression();
    }

    // Operands joined by a keyword operator.
    bool joined(const char *word, bool (Parser::*operand)())
    {
        if (!(this->*operand)())
            return false;
        while (isWord(word)) {
            ++k;
            if (!(this->*operand)())
                return false;
        }
        return true;
    }

    bool disjunction() { return joined("or", &Parser::conjunction); }
    bool conjunction() { return joined("and", &Parser::inversion); }

    bool inversion()
    {
        if (!isWord("not"))
            return comparison();
        const Nesting nesting(depth);
        ++k;
        return !nesting.tooDeep() && inversion();
    }

    bool comparison()
    {
        if (!binary(0))
            return false;
        for (;;) {
            if (isOperator("<") || isOperator(">") || isOperator("==") || isOperator(">=")
                || isOperator("<=") || isOperator("!=") || isWord("in")) {
                ++k;
            } else if (isWord("not") && isWord("in", 1)) {
                k += 2;
            } else if (isWord("is")) {
                ++k;
                if (isWord("not"))
                    ++k;
            } else {
                return true;
            }
            if (!binary(0))
                return false;
        }
    }

    // Left-associative operators, loosest first.
    bool binary(int level)
    {
        static const QList<QStringList> levels = {{"|"},        {"^"},      {"&"},
                                                  {"<<", ">>"}, {"+", "-"}, {"*", "/", "//", "%"}};
        if (level == levels.size())
            return factor();
        if (!binary(level + 1))
            return false;
        Nesting chain(depth, 0);
        while (t.at(k).kind == Token::Operator && levels.at(level).contains(t.at(k).text)) {
            ++k;
            if (!chain.deeper() || !binary(level + 1))
                return false;
        }
        return true;
    }

    bool factor()
    {
        if (!isOperator("+") && !isOperator("-") && !isOperator("~"))
            return power();
        const Nesting nesting(depth);
        ++k;
        return !nesting.tooDeep() && factor();
    }

    bool power()
    {
        if (!primary())
            return false;
        if (!take("**"))
            return true;
        const Nesting nesting(depth);
        return !nesting.tooDeep() && factor();
    }

    bool primary()
    {
        if (!atom())
            return false;
        Nesting chain(depth, 0);
        for (;;) {
            if (take(".")) {
                if (!chain.deeper() || t.at(k).kind != Token::Name)
                    return false;
                ++k;
            } else if (take("(")) {
                if (!chain.deeper() || !items(")", &Parser::expression))
                    return false;
            } else if (take("[")) {
                if (!chain.deeper() || isOperator("]") || !items("]", &Parser::slice))
                    return false;
            } else {
                return true;
            }
        }
    }

    bool atom()
    {
        const Token &token = t.at(k);
        switch (token.kind) {
        case Token::Name:
        case Token::Number:
            ++k;
            return true;
        case Token::String:
            // Adjacent strings are one constant.
            while (t.at(k).kind == Token::String)
                ++k;
            return true;
        case Token::Word:
            if (!isWord("True") && !isWord("False") && !isWord("None"))
                return false;
            ++k;
            return true;
        case Token::Operator:
            if (take("("))
                return items(")", &Parser::expression);
            if (take("["))
                return items("]", &Parser::expression);
            if (take("{"))
                return braces();
            return false;
        case Token::End:
            return false;
        }
        return false;
    }

    // Items separated by commas up to the closer, which is taken; a trailing comma and
    // no item at all are allowed.
    bool items(const char *closer, bool (Parser::*item)())
    {
        const Nesting nesting(depth);
        if (nesting.tooDeep())
            return false;
        for (;;) {
            if (take(closer))
                return true;
            if (!(this->*item)())
                return false;
            if (!take(",") && !isOperator(closer))
                return false;
        }
    }

    bool slice()
    {
        if (!isOperator(":")) {
            if (!expression())
                return false;
            if (!isOperator(":"))
                return true;
        }
        ++k;
        const auto bound = [this] {
            return isOperator(":") || isOperator(",") || isOperator("]") || expression();
        };
        if (!bound())
            return false;
        if (take(":"))
            return isOperator(",") || isOperator("]") || expression();
        return true;
    }

    // A set or a dictionary, after its opening brace.
    bool braces()
    {
        const Nesting nesting(depth);
        if (nesting.tooDeep())
            return false;
        if (take("}"))
            return true;
        if (!expression())
            return false;
        const bool dictionary = take(":");
        if (dictionary && !expression())
            return false;
        for (;;) {
            if (take("}"))
                return true;
            if (!take(","))
                return false;
            if (take("}"))
                return true;
            if (!expression())
                return false;
            if (dictionary && (!take(":") || !expression()))
                return false;
        }
    }

    const QVector<Token> &t;
    int k = 0;
    int depth = 0;
};

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
        case 0:
            // Python reads no source that holds a NUL.
            quoted += QLatin1String("\\x00");
            break;
        default:
            quoted += c;
            break;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

bool isExpression(const QString &text)
{
    QVector<uint> code;
    QVector<Token> tokens;
    if (!codePoints(text, &code) || !Lexer(code).run(&tokens))
        return false;
    return Parser(tokens).whole();
}

bool isName(const QString &text)
{
    QVector<uint> code;
    // Python reads "__debug__" as a name, but refuses to assign to it.
    return codePoints(text, &code) && isPlainName(code) && !isKeyword(text)
        && text != QLatin1String("__debug__");
}

} // namespace ScriptText
