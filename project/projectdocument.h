#ifndef PROJECTDOCUMENT_H
#define PROJECTDOCUMENT_H

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringRef>
#include <QVector>

#include <deque>

// A project file parsed once into a compact element tree: names compared exactly as
// written (no namespace processing), each element's character data (its own and that of
// the elements inside it, in document order) and its attributes. The parse refuses, with
// a message, what the format never holds and what would cost far more than the file's
// size: deep nesting, many attributes on one element, too many widgets on a page.
class ProjectDocument
{
    Q_DECLARE_TR_FUNCTIONS(ProjectDocument)

public:
    // The format nests five levels deep and gives an element at most one attribute.
    static constexpr int MaxDepth = 16;
    static constexpr int MaxAttributes = 8;

    bool parse(const QByteArray &content);
    void clear();
    QString errorString() const { return m_error; }

    // Elements by index; -1 for none.
    int root() const { return m_nodes.isEmpty() ? -1 : 0; }
    int firstChild(int node) const { return m_nodes.at(node).firstChild; }
    int nextSibling(int node) const { return m_nodes.at(node).nextSibling; }
    const QString &name(int node) const { return m_names.at(m_nodes.at(node).name); }
    // The same name gives the same number in one document (0 .. nameCount() - 1).
    int nameId(int node) const { return m_nodes.at(node).name; }
    int nameCount() const { return int(m_names.size()); }
    // The character data inside the element, its children's included, in document order.
    // Blocks that hold keys (the root, its children, widget and event blocks) keep none of
    // their own: between their keys there is only layout.
    QStringRef text(int node) const;
    // A null reference when the element has no such attribute.
    QStringRef attribute(int node, QLatin1String name) const;

    // The reader's integer rule: an optional sign and white space around decimal digits;
    // anything else, or a number beyond 32 bits, is 0.
    static int toInt(const QStringRef &text);

private:
    struct Node
    {
        int name = 0;
        int firstChild = -1;
        int nextSibling = -1;
        int textBegin = 0;
        int textEnd = 0;
        int firstAttribute = 0;
        int attributeCount = 0;
        int ownText = -1; // a large text kept whole in m_ownTexts
    };
    struct Attribute
    {
        int name = 0;
        int begin = 0;
        int end = 0;
    };

    bool checkMarkup(const QByteArray &content, int *elements);
    int intern(const QStringRef &name);
    bool fail(const QString &message);

    QVector<Node> m_nodes;
    QVector<Attribute> m_attributes;
    QString m_text;
    // Large values of one piece, kept apart so that their readers can share them instead
    // of copying them out of m_text.
    std::deque<QString> m_ownTexts;
    QString m_attributeText;
    // Stable storage: the hash keys point into these strings.
    std::deque<QString> m_names;
    QHash<QStringRef, int> m_nameIds;
    QString m_error;
};

#endif // PROJECTDOCUMENT_H
