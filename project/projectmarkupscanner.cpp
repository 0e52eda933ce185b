#include "projectmarkupscanner.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameEnd(char c)
{
    return isSpace(c) || c == '>' || c == '/' || c == '=';
}

// The first `terminator` at or after `from`; -1 if none.
int find(const QByteArray &data, int from, const char *terminator, int length)
{
    const char *bytes = data.constData();
    const int last = data.size() - length;
    for (int i = from; i <= last;) {
        const void *found = std::memchr(bytes + i, terminator[0], size_t(last - i + 1));
        if (!found)
            return -1;
        i = int(static_cast<const char *>(found) - bytes);
        // Terminators are short: compared here rather than by a call.
        int k = 1;
        while (k < length && bytes[i + k] == terminator[k])
            ++k;
        if (k == length)
            return i;
        ++i;
    }
    return -1;
}

} // namespace

ProjectMarkupScanner::ProjectMarkupScanner(const QByteArray &data, int from)
    : m_data(data)
    , m_pos(from)
{ }

ProjectMarkupScanner::Token ProjectMarkupScanner::next()
{
    Token t;
    const int size = m_data.size();
    if (m_pos >= size) {
        t.kind = End;
        t.begin = t.end = size;
        return t;
    }
    const char *data = m_data.constData();
    const void *found = std::memchr(data + m_pos, '<', size_t(size - m_pos));
    const int lt = found ? int(static_cast<const char *>(found) - data) : size;
    if (lt > m_pos) {
        t.kind = Text;
        t.begin = m_pos;
        t.end = lt;
        m_pos = lt;
        return t;
    }
    if (lt + 1 >= size) {
        t.kind = Malformed;
        t.truncated = true;
        t.begin = lt;
        t.end = size;
        m_pos = size;
        return t;
    }
    const char second = data[lt + 1];
    // Each end is looked for after the whole opener: the "--" of "<!-->" opens a comment
    // and does not end it.
    if (second == '?')
        return skipTo(lt, 2, "?>", 2);
    if (second == '!') {
        if (startsAt(m_data, lt, "<!--"))
            return skipTo(lt, 4, "-->", 3);
        if (startsAt(m_data, lt, "<![CDATA["))
            return skipTo(lt, 9, "]]>", 3);
        return declaration(lt);
    }
    return tag(lt);
}

bool ProjectMarkupScanner::startsAt(const QByteArray &data, int at, const char *start)
{
    const char *bytes = data.constData() + at;
    const int room = data.size() - at;
    int k = 0;
    while (start[k] && k < room && bytes[k] == start[k])
        ++k;
    return !start[k];
}

QByteArray ProjectMarkupScanner::name(const Token &token) const
{
    return m_data.mid(token.nameBegin, token.nameEnd - token.nameBegin);
}

int ProjectMarkupScanner::lineOf(int offset) const
{
    return int(std::count(m_data.constBegin(), m_data.constBegin() + qMin(offset, m_data.size()),
                          '\n'))
        + 1;
}

ProjectMarkupScanner::Token
ProjectMarkupScanner::skipTo(int lt, int openerLength, const char *terminator, int terminatorLength)
{
    Token t;
    t.kind = Other;
    t.begin = lt;
    const int at = find(m_data, lt + openerLength, terminator, terminatorLength);
    if (at < 0) {
        t.kind = Malformed;
        t.truncated = true;
        t.end = m_data.size();
    } else {
        t.end = at + terminatorLength;
    }
    m_pos = t.end;
    return t;
}

// <!DOCTYPE ...> with an optional internal subset, whose declarations may hold quoted
// texts and comments of their own.
ProjectMarkupScanner::Token ProjectMarkupScanner::declaration(int lt)
{
    Token t;
    t.kind = Malformed;
    t.begin = lt;
    const int size = m_data.size();
    const char *data = m_data.constData();
    int brackets = 0;
    char quote = 0;
    for (int i = lt + 2; i < size; ++i) {
        const char c = data[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '<' && startsAt(m_data, i, "<!--")) {
            const int close = find(m_data, i + 4, "-->", 3);
            if (close < 0)
                break;
            i = close + 2;
        } else if (c == '<' && i + 4 > size && QByteArray("<!--").startsWith(m_data.mid(i))) {
            // Perhaps a comment whose start the bytes cut off.
            break;
        } else if (c == '>' && brackets <= 0) {
            t.kind = Other;
            t.end = i + 1;
            m_pos = t.end;
            return t;
        }
    }
    t.truncated = true;
    t.end = size;
    m_pos = size;
    return t;
}

ProjectMarkupScanner::Token ProjectMarkupScanner::tag(int lt)
{
    Token t;
    t.kind = Malformed;
    t.begin = lt;
    const int size = m_data.size();
    const char *data = m_data.constData();
    const bool endTag = data[lt + 1] == '/';
    int i = lt + (endTag ? 2 : 1);
    t.nameBegin = i;
    while (i < size && !isNameEnd(data[i]) && data[i] != '<')
        ++i;
    t.nameEnd = i;
    if (t.nameEnd == t.nameBegin) {
        t.truncated = i >= size;
        t.end = qMin(i + 1, size);
        m_pos = size;
        return t;
    }
    // Attributes: a name, "=", a quoted value; quoted values may hold ">".
    while (i < size) {
        const char c = data[i];
        if (isSpace(c)) {
            ++i;
        } else if (c == '>') {
            t.kind = endTag ? EndTag : StartTag;
            t.end = i + 1;
            m_pos = t.end;
            return t;
        } else if (c == '/' && !endTag && i + 1 < size && data[i + 1] == '>') {
            t.kind = EmptyTag;
            t.end = i + 2;
            m_pos = t.end;
            return t;
        } else if (c == '/' && !endTag && i + 1 >= size) {
            ++i;
            break;
        } else if (endTag || c == '<' || c == '/' || c == '=' || c == '"' || c == '\'') {
            break;
        } else {
            while (i < size && !isNameEnd(data[i]) && data[i] != '<')
                ++i;
            while (i < size && isSpace(data[i]))
                ++i;
            if (i >= size || data[i] != '=')
                break;
            ++i;
            while (i < size && isSpace(data[i]))
                ++i;
            if (i >= size || (data[i] != '"' && data[i] != '\''))
                break;
            const void *close = std::memchr(data + i + 1, data[i], size_t(size - i - 1));
            if (!close) {
                i = size;
                break;
            }
            i = int(static_cast<const char *>(close) - data) + 1;
            ++t.attributes;
        }
    }
    t.truncated = i >= size;
    t.end = qMin(i + 1, size);
    m_pos = size;
    return t;
}
