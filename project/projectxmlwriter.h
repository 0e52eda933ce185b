#ifndef PROJECTXMLWRITER_H
#define PROJECTXMLWRITER_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include <limits>

// Writes the project file's XML straight into memory, byte for byte as QDomNode::save
// lays it out at indentation 4 with UTF-8 from the declaration, without building a DOM
// tree first. Texts are cleaned of characters that XML cannot hold.
class QIODevice;

class ProjectXmlWriter
{
public:
    // Without a sink the text collects in data(); with one it goes there in pieces of
    // about chunkBytes, so that a large file never sits in memory whole.
    explicit ProjectXmlWriter(QIODevice *sink = nullptr, int chunkBytes = 1 << 20);

    // A container element with at most one attribute (an empty attribute name: none).
    void beginElement(const QString &name, const QString &attrName = QString(),
                      const QString &attrValue = QString());
    void endElement();
    // One-line text element: <name>value</name>.
    void textElement(const QString &name, const QString &value);
    void textElement(const QString &name, int value);
    // The same with the name already in UTF-8, for names written many times.
    void textElement(const QByteArray &name, const QString &value);
    void textElement(const QByteArray &name, int value);
    void reserve(int bytes) { m_out.reserve(bytes); }
    // One-line empty element whose attribute carries its own name: <name name="value"/>.
    void attributeElement(const QString &name, int value);

    QByteArray data() const { return m_out; }
    // Hands what is left to the sink; false when any write to it failed.
    bool finish();
    // At most this many bytes go to the sink: the first piece that would pass the bound
    // is not written, and every write after it fails.
    void setLimit(qint64 bytes) { m_limit = bytes; }
    bool overLimit() const { return m_overLimit; }
    // A write failed or passed the bound: the rest need not be written.
    bool failed() const { return m_writeFailed; }

    // The text without the characters XML 1.0 cannot hold (most control characters,
    // U+FFFE, U+FFFF and unpaired surrogates).
    static QString cleanText(const QString &text);
    static bool isCleanText(const QString &text);
    // A cleaned text or attribute value escaped as the serializer escapes it.
    static QString escaped(const QString &text, bool attribute);

private:
    void openChild();
    void indent(int depth);
    void appendName(const QString &name);
    void appendEscaped(const QString &text, bool attribute);
    void flushIfFull();
    void writeOut();

    QByteArray m_out;
    QVector<QString> m_open;
    bool m_pendingStart = false; // the innermost start tag still lacks its ">"
    QIODevice *m_sink = nullptr;
    int m_chunkBytes = 0;
    bool m_writeFailed = false;
    qint64 m_written = 0;
    qint64 m_limit = std::numeric_limits<qint64>::max();
    bool m_overLimit = false;
};

#endif // PROJECTXMLWRITER_H
