#ifndef MARKUPBOUNDDEVICE_H
#define MARKUPBOUNDDEVICE_H

#include <QByteArray>
#include <QIODevice>

// Hands the bytes of an XML file on to an XML reader as they are read, and stops before a
// start tag that carries more attributes than the file's format ever gives an element:
// the reader's own check of such a tag costs the square of their number. It also stops
// before a piece longer than a file's format ever has (a tag, comment, processing
// instruction, CDATA section, or the text between two of them): the reader holds a piece
// whole, two bytes a character. A piece goes to the reader only once it is known to be
// whole and within the bounds, so that a refusal is named by the line the piece begins
// on. The check looks at where markup begins and at the rare bytes "=" in it, so that it
// costs far less than the reader's pass over the same bytes. It also stops after more
// bytes than a file may have. A file in UTF-16 or UTF-32, whose markup is no plain bytes,
// is handed on in UTF-8 behind a UTF-8 byte-order mark, so that the same check holds for
// it; so is a file in UTF-8 whatever Unicode encoding its declaration names. The check
// holds only for bytes the reader takes as UTF-8, so it stops before an XML declaration
// naming any other encoding, before a document type (whose attribute defaults never show
// in the bytes) and before bytes that are no UTF-8, or no UTF-16 or UTF-32 in a wide file.
class MarkupBoundDevice : public QIODevice
{
public:
    MarkupBoundDevice(QIODevice *source, int maxAttributes, int maxPieceLength, qint64 maxBytes);

    // The kinds of piece a file is made of, as far as a refusal names them.
    enum class Piece { None, Text, Tag, Comment, ProcessingInstruction, CDataSection, Markup };

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
    // The width of the code units of an encoding name as the codecs know it: 1 for UTF-8,
    // 2 for UTF-16, 4 for UTF-32, 0 for any other encoding and for an unknown name.
    static int unicodeUnit(const QString &encoding);

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

    // Why the bytes ended early: a start tag with this many attributes (0 for none), more
    // bytes than allowed, or a failed read of the source.
    int refusedAttributes() const { return m_refusedAttributes; }
    bool tooLarge() const { return m_tooLarge; }
    bool sourceFailed() const { return m_sourceFailed; }
    // Or a piece of more characters than allowed (None for none).
    Piece refusedPiece() const { return m_refusedPiece; }
    // Or a document type, an encoding that is not Unicode (its name), or bytes that the
    // file's encoding cannot have, which is named ("UTF-8", "UTF-16", "UTF-32").
    bool refusedDocumentType() const { return m_refusedDocumentType; }
    bool refusedEncoding(QString *name) const;
    bool badEncoding() const { return m_badEncoding; }
    QString encodingName() const;
    // Whether a character read so far lies beyond the first plane: the reader, which counts
    // in UTF-16 code units, counts it as two.
    bool beyondFirstPlane() const { return m_beyondFirstPlane; }
    // Whether the last byte handed on is a carriage return: a reader counts the line it
    // ends only when it sees the byte after it.
    bool endsInCarriageReturn() const { return m_handed > 0 && m_buffer.at(m_handed - 1) == '\r'; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void fill();
    // Bytes just read, as UTF-8, for a wide file.
    void transcode(int from);
    QString decodeWide(const char *bytes, int size);
    // Stops before the first bytes from `from` on that are no UTF-8; keeps a character the
    // bytes end inside of for the next piece.
    void validate(int from);
    // Whether the declaration at the start is whole, or there is none; a Unicode encoding it
    // names becomes UTF-8, which is what the reader is handed.
    bool settleDeclaration();
    void check();
    // Whether the bytes [from, to) hold more characters than a piece may have.
    bool tooLong(int from, int to) const;
    // Stops the bytes before the piece being checked, for being too long.
    void refuse(Piece piece);

    QIODevice *m_source;
    const int m_maxAttributes;
    const int m_maxPiece;
    const qint64 m_maxBytes;
    qint64 m_total = 0;
    // Bytes before m_handed went to the reader, bytes before m_checked may go; m_checked
    // is where a piece begins, the one that waits for its end.
    QByteArray m_buffer;
    int m_handed = 0;
    int m_checked = 0;
    // Bytes dropped from the front of the buffer.
    qint64 m_dropped = 0;
    bool m_sourceEnded = false;
    bool m_stopped = false;
    int m_refusedAttributes = 0;
    bool m_tooLarge = false;
    bool m_sourceFailed = false;
    Piece m_refusedPiece = Piece::None;
    bool m_beyondFirstPlane = false;
    bool m_refusedDocumentType = false;
    bool m_encodingRefused = false;
    QString m_refusedEncoding;
    bool m_badEncoding = false;
    bool m_declarationSettled = false;
    // The start of a UTF-8 character that the bytes read so far end inside of.
    QByteArray m_cut;
    // Set once the first bytes are known: whether they are transcoded, and how.
    bool m_encodingKnown = false;
    Wide m_wide;
    // Bytes of a code unit not read whole yet, and a high surrogate waiting for its pair.
    QByteArray m_partial;
    char16_t m_high = 0;
    QByteArray m_undecided;
};

#endif // MARKUPBOUNDDEVICE_H
