#ifndef MARKUPBOUNDDEVICE_H
#define MARKUPBOUNDDEVICE_H

#include <QByteArray>
#include <QIODevice>

// Hands the bytes of an XML file on to an XML reader as they are read, and stops before a
// start tag that carries more attributes than the file's format ever gives an element:
// the reader's own check of such a tag costs the square of their number. The check looks
// only at the rare bytes "=", "!" and "?" and at where tags begin, so that it costs far
// less than the reader's pass over the same bytes. It also stops after more bytes than a
// file may have. A file in UTF-16 or UTF-32, whose markup is no plain bytes, is handed on
// in UTF-8 so that the same check holds for it.
class MarkupBoundDevice : public QIODevice
{
public:
    MarkupBoundDevice(QIODevice *source, int maxAttributes, qint64 maxBytes);

    // How wide the code units of a file that begins with these bytes are when its markup is
    // not ASCII bytes: 2 for UTF-16, 4 for UTF-32, told by a byte-order mark or by how "<"
    // is written; 0 for any other file. The mark's length and the byte order come with it.
    struct Wide
    {
        int unit = 0;
        bool bigEndian = false;
        int mark = 0;
    };
    static Wide wideEncoding(const QByteArray &start);

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

    // Why the bytes ended early: a start tag with this many attributes (0 for none), more
    // bytes than allowed, or a failed read of the source.
    int refusedAttributes() const { return m_refusedAttributes; }
    bool tooLarge() const { return m_tooLarge; }
    bool sourceFailed() const { return m_sourceFailed; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void fill();
    // Bytes just read, as UTF-8 with the declaration naming UTF-8, for a wide file.
    void transcode(int from);
    QString decodeWide(const char *bytes, int size);
    void check();
    // Index of the next "!" or "?" that follows a "<" at or after `from`; the size if none.
    int nextDeclaration(int from) const;

    QIODevice *m_source;
    const int m_maxAttributes;
    const qint64 m_maxBytes;
    qint64 m_total = 0;
    // Bytes before m_handed went to the reader, bytes before m_checked may go.
    QByteArray m_buffer;
    int m_handed = 0;
    int m_checked = 0;
    // The "<" that begins the markup the check is in, the "=" seen since, and whether
    // that markup is known to be no start tag with too many attributes.
    int m_markup = -1;
    int m_equals = 0;
    bool m_cleared = true;
    bool m_sourceEnded = false;
    bool m_stopped = false;
    int m_refusedAttributes = 0;
    bool m_tooLarge = false;
    bool m_sourceFailed = false;
    // Set once the first bytes are known: whether they are transcoded, and how.
    bool m_encodingKnown = false;
    Wide m_wide;
    // Bytes of a code unit not read whole yet, and a high surrogate waiting for its pair.
    QByteArray m_partial;
    char16_t m_high = 0;
    bool m_badEncoding = false;
    QByteArray m_undecided;
};

#endif // MARKUPBOUNDDEVICE_H
