#ifndef PROJECTMARKUPSCANNER_H
#define PROJECTMARKUPSCANNER_H

#include <QByteArray>

// A plain pass over the bytes of an XML file that finds its tags without parsing them:
// where each tag and each run of text between tags lies, and how many attributes a start
// tag carries. It lets the reader refuse what would cost the XML parser too much before
// the parser sees it, and lets a rewrite change a few values while keeping every other
// byte. On bytes that are not well-formed it stops with Malformed; the parser decides.
class ProjectMarkupScanner
{
public:
    enum Kind {
        Text, // bytes between two pieces of markup
        StartTag,
        EmptyTag, // <name .../>
        EndTag,
        Other, // comment, processing instruction, CDATA section, declaration
        Malformed,
        End,
    };

    struct Token
    {
        Kind kind = End;
        int begin = 0; // the token's bytes
        int end = 0;
        int nameBegin = 0; // a tag's name
        int nameEnd = 0;
        int attributes = 0; // of a start tag
        // Malformed only because the bytes end inside it: more bytes may complete it.
        bool truncated = false;
    };

    // Scans data from the byte at `from` on.
    explicit ProjectMarkupScanner(const QByteArray &data, int from = 0);

    Token next();
    QByteArray name(const Token &token) const;
    // 1-based line of a byte offset.
    int lineOf(int offset) const;
    // Whether the bytes at `at` begin with the text `start`: done for every piece of markup
    // of a file, so compared in place.
    static bool startsAt(const QByteArray &data, int at, const char *start);

private:
    Token tag(int lt);
    Token declaration(int lt);
    Token skipTo(int lt, int openerLength, const char *terminator, int terminatorLength);

    const QByteArray &m_data;
    int m_pos = 0;
};

#endif // PROJECTMARKUPSCANNER_H
