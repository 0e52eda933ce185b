#include "markupbounddevice.h"

#include "projectmarkupscanner.h"

#include <QRegularExpression>
#include <QString>
#include <QTextCodec>

#include <climits>
#include <cstring>

namespace {

// Bytes read from the source at a time; more while a piece waits for its end.
constexpr int ReadSize = 1 << 18;

int indexOf(const QByteArray &bytes, char c, int from)
{
    const int size = bytes.size();
    if (from >= size)
        return size;
    const void *found = std::memchr(bytes.constData() + from, c, size_t(size - from));
    return found ? int(static_cast<const char *>(found) - bytes.constData()) : size;
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where the bytes from `from` on stop being UTF-8: the first byte of a sequence that is
// none (an overlong form, a surrogate and a number beyond Unicode included), or of one the
// bytes end inside of, which sets *cut. The size when every byte is in place. A character
// beyond the first plane sets *beyond.
int utf8End(const QByteArray &bytes, int from, bool *cut, bool *beyond)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    int i = from;
    while (i < size) {
        // Most of a project file is ASCII: eight bytes at a time.
        while (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, data + i, sizeof word);
            if (word & Q_UINT64_C(0x8080808080808080))
                break;
            i += 8;
        }
        if (i >= size)
            break;
        const uchar lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int following = 0;
        char32_t value = 0;
        char32_t least = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
            value = lead & 0x1F;
            least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            value = lead & 0x0F;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            value = lead & 0x07;
            least = 0x10000;
        } else {
            return i;
        }
        for (int k = 1; k <= following; ++k) {
            if (i + k >= size) {
                *cut = true;
                return i;
            }
            if ((data[i + k] & 0xC0) != 0x80)
                return i;
            value = value << 6 | (data[i + k] & 0x3F);
        }
        if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return i;
        if (following == 3)
            *beyond = true;
        i += following + 1;
    }
    return size;
}

// The encodings named in the processing instruction [begin, end) of the bytes ("<?...?>")
// when its target is "xml" in any letter case, with where each value stands in `text`,
// the instruction as a string. The reader takes every one in turn, wherever it stands.
QList<QRegularExpressionMatch> xmlEncodings(const QByteArray &bytes, int begin, int end,
                                            QString *text)
{
    const char *pi = bytes.constData() + begin;
    const int size = end - begin;
    // Looked at in place: most instructions are no declaration, and some are long.
    if (size < 6 || !isXmlSpace(pi[5]) || qstrnicmp(pi + 2, "xml", 3) != 0)
        return {};
    static const QRegularExpression encoding(QStringLiteral("\\sencoding\\s*=\\s*([\"'])(.*?)\\1"),
                                             QRegularExpression::CaseInsensitiveOption
                                                 | QRegularExpression::DotMatchesEverythingOption);
    *text = QString::fromUtf8(pi, size);
    QList<QRegularExpressionMatch> found;
    for (auto it = encoding.globalMatch(*text); it.hasNext();)
        found.append(it.next());
    return found;
}

} // namespace

MarkupBoundDevice::MarkupBoundDevice(QIODevice *source, int maxAttributes, int maxPieceLength,
                                     qint64 maxBytes)
    : m_source(source)
    , m_maxAttributes(maxAttributes)
    , m_maxPiece(maxPieceLength)
    , m_maxBytes(maxBytes)
{ }

MarkupBoundDevice::Wide MarkupBoundDevice::wideEncoding(const QByteArray &start)
{
    const auto begins = [&start](const char *bytes, int size) {
        return start.size() >= size && std::memcmp(start.constData(), bytes, size_t(size)) == 0;
    };
    // The four-byte forms first: a UTF-32LE mark begins like a UTF-16LE one.
    if (begins("\xFF\xFE\0\0", 4))
        return {4, false, 4};
    if (begins("\0\0\xFE\xFF", 4))
        return {4, true, 4};
    if (begins("<\0\0\0", 4))
        return {4, false, 0};
    if (begins("\0\0\0<", 4))
        return {4, true, 0};
    if (begins("\xFF\xFE", 2))
        return {2, false, 2};
    if (begins("\xFE\xFF", 2))
        return {2, true, 2};
    if (begins("<\0", 2))
        return {2, false, 0};
    if (begins("\0<", 2))
        return {2, true, 0};
    return {};
}

int MarkupBoundDevice::unicodeUnit(const QString &encoding)
{
    const QTextCodec *codec =
        encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding.toLatin1());
    switch (codec ? codec->mibEnum() : 0) {
    case 106:
        return 1;
    case 1013: // UTF-16BE
    case 1014: // UTF-16LE
    case 1015: // UTF-16
        return 2;
    case 1017: // UTF-32
    case 1018: // UTF-32BE
    case 1019: // UTF-32LE
        return 4;
    default:
        return 0;
    }
}

bool MarkupBoundDevice::refusedEncoding(QString *name) const
{
    *name = m_refusedEncoding;
    return m_encodingRefused;
}

QString MarkupBoundDevice::encodingName() const
{
    switch (m_wide.unit) {
    case 2:
        return QStringLiteral("UTF-16");
    case 4:
        return QStringLiteral("UTF-32");
    default:
        return QStringLiteral("UTF-8");
    }
}

// Whole code units only; what a piece cuts off waits for the next. A surrogate without its
// pair, or a UTF-32 value that is no character, cannot be in the file.
QString MarkupBoundDevice::decodeWide(const char *bytes, int size)
{
    m_partial.append(bytes, size);
    const int unit = m_wide.unit;
    const int whole = m_partial.size() / unit * unit;
    const auto *data = reinterpret_cast<const uchar *>(m_partial.constData());
    // Each unit makes at most two UTF-16 units; they are written in place, as this runs for
    // every character of a wide file.
    QString text(2 * (whole / unit), Qt::Uninitialized);
    QChar *out = text.data();
    for (int i = 0; i < whole && !m_badEncoding; i += unit) {
        char32_t value = 0;
        for (int k = 0; k < unit; ++k)
            value |= char32_t(data[i + k]) << (8 * (m_wide.bigEndian ? unit - 1 - k : k));
        if (m_high) {
            if (!QChar::isLowSurrogate(value)) {
                m_badEncoding = true;
                break;
            }
            *out++ = QChar(m_high);
            *out++ = QChar(char16_t(value));
            m_high = 0;
            m_beyondFirstPlane = true;
        } else if (unit == 2 && QChar::isHighSurrogate(value)) {
            m_high = char16_t(value);
        } else if (QChar::isSurrogate(value) || value > 0x10FFFF) {
            m_badEncoding = true;
        } else if (QChar::requiresSurrogates(value)) {
            m_beyondFirstPlane = true;
            *out++ = QChar(QChar::highSurrogate(value));
            *out++ = QChar(QChar::lowSurrogate(value));
        } else {
            *out++ = QChar(char16_t(value));
        }
    }
    text.truncate(int(out - text.constData()));
    m_partial.remove(0, whole);
    return text;
}

void MarkupBoundDevice::transcode(int from)
{
    QString text;
    if (!m_encodingKnown) {
        m_undecided += m_buffer.mid(from);
        m_buffer.truncate(from);
        // Four bytes tell every form apart; a shorter file is told by what it has.
        if (m_undecided.size() < 4 && !m_sourceEnded)
            return;
        m_encodingKnown = true;
        m_wide = wideEncoding(m_undecided);
        if (!m_wide.unit) {
            m_buffer += m_undecided;
            m_undecided.clear();
            return;
        }
        text = decodeWide(m_undecided.constData() + m_wide.mark, m_undecided.size() - m_wide.mark);
        m_undecided.clear();
        // The reader tells the encoding by the first bytes as this device does: UTF-8 that
        // begins with "<" and U+0000 would be taken for UTF-16 and read unchecked. A mark
        // makes it UTF-8. It stands for the file's own mark, or for none: a second U+FEFF is
        // a character of the file, as it is in a file in UTF-8.
        m_buffer += "\xEF\xBB\xBF";
    } else {
        text = decodeWide(m_buffer.constData() + from, m_buffer.size() - from);
        m_buffer.truncate(from);
    }
    if (m_sourceEnded && (m_high || !m_partial.isEmpty()))
        m_badEncoding = true;
    m_buffer += text.toUtf8();
    // The reader gets what comes before the fault.
    if (m_badEncoding)
        m_sourceEnded = true;
}

void MarkupBoundDevice::validate(int from)
{
    bool cut = false;
    const int end = utf8End(m_buffer, from, &cut, &m_beyondFirstPlane);
    if (end == m_buffer.size())
        return;
    if (cut && !m_sourceEnded) {
        m_cut = m_buffer.mid(end);
    } else {
        m_badEncoding = true;
        m_sourceEnded = true;
    }
    m_buffer.truncate(end);
}

bool MarkupBoundDevice::settleDeclaration()
{
    const QByteArray start = QByteArrayLiteral("<?xml");
    const int at = m_buffer.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (m_buffer.size() <= at + start.size() && !m_sourceEnded)
        return false;
    if (m_buffer.size() <= at + start.size() || m_buffer.mid(at, start.size()) != start
        || !isXmlSpace(m_buffer.at(at + start.size())))
        return true;
    const int end = m_buffer.indexOf("?>", at);
    // One too long for a piece is refused as one by the check.
    if (end < 0)
        return m_sourceEnded || tooLong(at, m_buffer.size());
    // Measured as written: the encoding's name is shortened below, and a file gets the
    // same verdict in every encoding.
    if (tooLong(at, end + 2))
        return true;
    QString declaration;
    const auto encodings = xmlEncodings(m_buffer, at, end + 2, &declaration);
    // Any other encoding is refused where the check meets the declaration.
    for (const QRegularExpressionMatch &encoding : encodings) {
        if (!unicodeUnit(encoding.captured(2)))
            return true;
    }
    // Built in one pass: a declaration may name thousands.
    QString settled;
    int copied = 0;
    for (const QRegularExpressionMatch &encoding : encodings) {
        if (unicodeUnit(encoding.captured(2)) > 1) {
            settled += declaration.midRef(copied, encoding.capturedStart(2) - copied);
            settled += QLatin1String("UTF-8");
            copied = encoding.capturedEnd(2);
        }
    }
    if (copied > 0) {
        settled += declaration.midRef(copied);
        m_buffer.replace(at, end + 2 - at, settled.toUtf8());
    }
    return true;
}

bool MarkupBoundDevice::atEnd() const
{
    return (m_stopped || m_sourceEnded) && m_handed >= m_checked;
}

qint64 MarkupBoundDevice::bytesAvailable() const
{
    return qMax(0, m_checked - m_handed) + QIODevice::bytesAvailable();
}

qint64 MarkupBoundDevice::readData(char *data, qint64 maxSize)
{
    while (m_handed >= m_checked && !m_stopped && !m_sourceEnded)
        fill();
    const qint64 count = qMin<qint64>(maxSize, m_checked - m_handed);
    if (count <= 0)
        return -1;
    std::memcpy(data, m_buffer.constData() + m_handed, size_t(count));
    m_handed += int(count);
    return count;
}

void MarkupBoundDevice::fill()
{
    // What the reader has had goes, but for its last byte (see endsInCarriageReturn); the
    // piece that waits for its end stays.
    const int keep = qMin(m_handed, m_checked) - 1;
    if (keep > 0 && keep >= m_buffer.size() / 2) {
        m_buffer.remove(0, keep);
        m_dropped += keep;
        m_handed -= keep;
        m_checked -= keep;
    }

    // A character the last piece cut goes ahead of the bytes that complete it.
    const int fresh = m_buffer.size();
    m_buffer += m_cut;
    m_cut.clear();
    const int old = m_buffer.size();
    // A piece that waits for its end is read on in growing reads, so that it is looked at
    // only a few times however long it is, but never far beyond the bytes that show it too
    // long: four a character at most. Reads half as long as the piece keep the bytes held
    // beside it, while the reader takes it, to half its size.
    const qint64 waiting = old - m_checked;
    const qint64 decisive = 4 * qint64(m_maxPiece) + 4 - waiting;
    const qint64 want =
        qMin<qint64>(qMax<qint64>(ReadSize, qMin(waiting / 2, decisive)), INT_MAX - qint64(old));
    if (want <= 0) {
        m_tooLarge = true;
        m_stopped = true;
        return;
    }
    // A wide file is read and made UTF-8 a little at a time, so that its bytes as read
    // never take room beside the whole piece; other bytes are read where they stay, into
    // exactly the room needed (a growing array would round it up to a power of two).
    const bool wide = m_encodingKnown && m_wide.unit;
    if (!wide && m_buffer.capacity() < old + want)
        m_buffer.reserve(int(old + want));
    for (qint64 got = 0; got < want;) {
        const int at = m_buffer.size();
        const qint64 size = wide ? qMin<qint64>(ReadSize, want - got) : want;
        m_buffer.resize(at + int(size));
        const qint64 read = m_source->read(m_buffer.data() + at, size);
        m_buffer.resize(at + int(qMax<qint64>(read, 0)));
        if (read < 0) {
            m_sourceFailed = true;
            m_stopped = true;
            return;
        }
        m_total += read;
        if (m_total > m_maxBytes) {
            m_tooLarge = true;
            m_stopped = true;
            return;
        }
        if (read == 0)
            m_sourceEnded = true;
        if (!m_encodingKnown || wide)
            transcode(at);
        got += read;
        // What the source has for now, or no more that can be read.
        if (read < size || m_sourceEnded)
            break;
    }
    if (!m_encodingKnown)
        return;
    if (!m_wide.unit)
        validate(fresh);
    if (!m_declarationSettled && !(m_declarationSettled = settleDeclaration()))
        return;
    check();
}

bool MarkupBoundDevice::tooLong(int from, int to) const
{
    // A character takes at least one byte; counting is needed only past the bound.
    if (to - from <= m_maxPiece)
        return false;
    const auto *data = reinterpret_cast<const uchar *>(m_buffer.constData());
    qint64 characters = 0;
    for (int i = from; i < to; ++i)
        characters += (data[i] & 0xC0) != 0x80;
    return characters > m_maxPiece;
}

void MarkupBoundDevice::refuse(Piece piece)
{
    m_refusedPiece = piece;
    m_stopped = true;
}

// Goes through the unchecked bytes piece by piece. Text runs up to the next "<"; a
// comment, CDATA section, processing instruction or declaration up to its end, holding no
// markup; a tag up to its end, which is found only when the tag and the text after it are
// long or may carry too many attributes: only a start tag with an "=" for each attribute
// can have too many. A piece whose end has not arrived yet waits for more bytes.
void MarkupBoundDevice::check()
{
    const int size = m_buffer.size();
    const bool final = m_sourceEnded;
    const char *data = m_buffer.constData();
    int i = m_checked;
    // The next "=" at or after the one last passed; searched for only when passed.
    int equals = -1;
    while (i < size && !m_stopped) {
        if (data[i] != '<') {
            const int end = indexOf(m_buffer, '<', i);
            // A byte-order mark at the start is no character of the text.
            const bool mark = m_dropped == 0 && i == 0 && m_buffer.startsWith("\xEF\xBB\xBF");
            if (tooLong(mark ? 3 : i, end)) {
                refuse(Piece::Text);
                break;
            }
            // The text may go on.
            if (end == size && !final)
                break;
            i = end;
            continue;
        }
        if (i + 1 >= size) {
            if (final)
                i = size;
            break;
        }
        const char second = data[i + 1];
        if (second == '!' || second == '?') {
            Piece piece = Piece::ProcessingInstruction;
            if (second == '!') {
                if (ProjectMarkupScanner::startsAt(m_buffer, i, "<!DOCTYPE")) {
                    m_refusedDocumentType = true;
                    m_stopped = true;
                    break;
                }
                piece = ProjectMarkupScanner::startsAt(m_buffer, i, "<!--")    ? Piece::Comment
                    : ProjectMarkupScanner::startsAt(m_buffer, i, "<![CDATA[") ? Piece::CDataSection
                                                                               : Piece::Markup;
            }
            const ProjectMarkupScanner::Token t = ProjectMarkupScanner(m_buffer, i).next();
            if (tooLong(i, t.end)) {
                refuse(piece);
                break;
            }
            if (t.truncated && !final)
                break;
            if (second == '?' && t.kind == ProjectMarkupScanner::Other) {
                QString text;
                for (const auto &encoding : xmlEncodings(m_buffer, t.begin, t.end, &text)) {
                    if (!unicodeUnit(encoding.captured(2))) {
                        m_encodingRefused = true;
                        m_refusedEncoding = encoding.captured(2);
                        m_stopped = true;
                        break;
                    }
                }
                if (m_stopped)
                    break;
            }
            i = qMax(t.end, i + 1);
            continue;
        }

        // A tag and the text after it, up to the next "<".
        const int next = indexOf(m_buffer, '<', i + 1);
        if (equals < i)
            equals = indexOf(m_buffer, '=', i);
        int attributes = 0;
        while (equals < next && attributes <= m_maxAttributes) {
            ++attributes;
            equals = indexOf(m_buffer, '=', equals + 1);
        }
        if ((next < size || final) && attributes <= m_maxAttributes && next - i <= m_maxPiece) {
            i = next;
            continue;
        }
        const ProjectMarkupScanner::Token t = ProjectMarkupScanner(m_buffer, i).next();
        if (tooLong(i, t.end)) {
            refuse(Piece::Tag);
            break;
        }
        if (t.truncated && !final)
            break;
        const bool start =
            t.kind == ProjectMarkupScanner::StartTag || t.kind == ProjectMarkupScanner::EmptyTag;
        if (start && t.attributes > m_maxAttributes) {
            m_refusedAttributes = t.attributes;
            m_stopped = true;
            break;
        }
        // The text after the tag is a piece of its own. What is no tag is left to the
        // reader to refuse, and the check goes on at the next "<".
        i = qMax(i + 1, t.kind == ProjectMarkupScanner::Malformed ? qMin(t.end, next) : t.end);
    }
    m_checked = i;
}
