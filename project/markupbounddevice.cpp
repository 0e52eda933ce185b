#include "markupbounddevice.h"

#include "projectmarkupscanner.h"

#include <QRegularExpression>
#include <QString>

#include <climits>
#include <cstring>

namespace {

// Bytes read from the source at a time; more while a piece of markup waits for its end.
constexpr int Piece = 1 << 18;

int indexOf(const QByteArray &bytes, char c, int from)
{
    const int size = bytes.size();
    if (from >= size)
        return size;
    const void *found = std::memchr(bytes.constData() + from, c, size_t(size - from));
    return found ? int(static_cast<const char *>(found) - bytes.constData()) : size;
}

// The last c in [from, to); -1 if none. Markup is dense, so the search is short.
int lastIndexOf(const QByteArray &bytes, char c, int from, int to)
{
    const char *data = bytes.constData();
    for (int i = to - 1; i >= from; --i) {
        if (data[i] == c)
            return i;
    }
    return -1;
}

} // namespace

MarkupBoundDevice::MarkupBoundDevice(QIODevice *source, int maxAttributes, qint64 maxBytes)
    : m_source(source)
    , m_maxAttributes(maxAttributes)
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

// Whole code units only; what a piece cuts off waits for the next. A surrogate without its
// pair, or a UTF-32 value that is no character, cannot be in the file.
QString MarkupBoundDevice::decodeWide(const char *bytes, int size)
{
    m_partial.append(bytes, size);
    const int unit = m_wide.unit;
    const int whole = m_partial.size() / unit * unit;
    const auto *data = reinterpret_cast<const uchar *>(m_partial.constData());
    QString text;
    text.reserve(whole / unit + 1);
    for (int i = 0; i < whole && !m_badEncoding; i += unit) {
        char32_t value = 0;
        for (int k = 0; k < unit; ++k)
            value |= char32_t(data[i + k]) << (8 * (m_wide.bigEndian ? unit - 1 - k : k));
        if (m_high) {
            if (!QChar::isLowSurrogate(value)) {
                m_badEncoding = true;
                break;
            }
            text += QChar(m_high);
            text += QChar(char16_t(value));
            m_high = 0;
        } else if (unit == 2 && QChar::isHighSurrogate(value)) {
            m_high = char16_t(value);
        } else if (QChar::isSurrogate(value) || value > 0x10FFFF) {
            m_badEncoding = true;
        } else if (QChar::requiresSurrogates(value)) {
            text += QChar(QChar::highSurrogate(value));
            text += QChar(QChar::lowSurrogate(value));
        } else {
            text += QChar(char16_t(value));
        }
    }
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
        // The reader takes the encoding the declaration names, which is now UTF-8.
        const int end =
            text.startsWith(QLatin1String("<?xml")) ? text.indexOf(QLatin1String("?>")) : -1;
        if (end > 0) {
            static const QRegularExpression encoding(
                QStringLiteral("(\\sencoding\\s*=\\s*)([\"'])[^\"']*\\2"));
            QString declaration = text.left(end);
            declaration.replace(encoding, QStringLiteral("\\1\\2UTF-8\\2"));
            text.replace(0, end, declaration);
        }
    } else {
        text = decodeWide(m_buffer.constData() + from, m_buffer.size() - from);
        m_buffer.truncate(from);
    }
    if (m_sourceEnded && (m_high || !m_partial.isEmpty()))
        m_badEncoding = true;
    m_buffer += text.toUtf8();
    // The reader is given a byte that UTF-8 cannot have either, so that it refuses the file
    // as it refuses any wrongly encoded one.
    if (m_badEncoding) {
        m_buffer += '\xFF';
        m_sourceEnded = true;
    }
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
    // What the reader has had and the check no longer needs goes; the byte before the
    // unchecked ones stays, since "<" and "!" may arrive apart.
    int keep = qMin(m_handed, m_checked - 1);
    if (!m_cleared && m_markup >= 0)
        keep = qMin(keep, m_markup);
    if (keep > 0 && keep >= m_buffer.size() / 2) {
        m_buffer.remove(0, keep);
        m_handed -= keep;
        m_checked -= keep;
        m_markup = m_markup >= keep ? m_markup - keep : -1;
    }

    const int old = m_buffer.size();
    // Markup that waits for its end is read on in doubling pieces, so that it is looked
    // at only a few times however long it is.
    const qint64 want = qMin<qint64>(qMax(Piece, old - m_checked), INT_MAX - old);
    if (want <= 0) {
        m_tooLarge = true;
        m_stopped = true;
        return;
    }
    m_buffer.resize(old + int(want));
    const qint64 got = m_source->read(m_buffer.data() + old, want);
    m_buffer.resize(old + int(qMax<qint64>(got, 0)));
    if (got < 0) {
        m_sourceFailed = true;
        m_stopped = true;
        return;
    }
    m_total += got;
    if (m_total > m_maxBytes) {
        m_tooLarge = true;
        m_stopped = true;
        return;
    }
    if (got == 0)
        m_sourceEnded = true;
    if (!m_encodingKnown || m_wide.unit)
        transcode(old);
    check();
}

int MarkupBoundDevice::nextDeclaration(int from) const
{
    const char *data = m_buffer.constData();
    const int size = m_buffer.size();
    int bang = indexOf(m_buffer, '!', from);
    int question = indexOf(m_buffer, '?', from);
    for (;;) {
        const int at = qMin(bang, question);
        if (at >= size || (at > 0 && data[at - 1] == '<'))
            return at;
        if (at == bang)
            bang = indexOf(m_buffer, '!', at + 1);
        else
            question = indexOf(m_buffer, '?', at + 1);
    }
}

// Goes through the unchecked bytes from one "=", "<!" or "<?" to the next. Only a start
// tag with an "=" for each attribute can have too many, and all of them stand between its
// "<" and the next one; markup whose end has not arrived yet waits for more bytes.
void MarkupBoundDevice::check()
{
    const int size = m_buffer.size();
    const bool final = m_sourceEnded;
    int i = m_checked;
    int equals = indexOf(m_buffer, '=', i);
    int declaration = nextDeclaration(i);
    for (;;) {
        const int event = qMin(equals, declaration);
        const int lt = lastIndexOf(m_buffer, '<', i, event);
        if (lt >= 0) {
            m_markup = lt;
            m_equals = 0;
            m_cleared = false;
        }
        if (event >= size) {
            i = size;
            if (final || m_cleared || m_markup < 0)
                break;
            // The reader gets no part of a start tag that may yet show too many
            // attributes: it would report the refusal on a later line.
            const ProjectMarkupScanner::Token t = ProjectMarkupScanner(m_buffer, m_markup).next();
            if (t.truncated)
                i = m_markup;
            else
                m_cleared = true;
            break;
        }
        if (event == declaration) {
            // A comment, CDATA section, processing instruction or document type: what it
            // holds is no markup.
            const ProjectMarkupScanner::Token t = ProjectMarkupScanner(m_buffer, event - 1).next();
            if (t.truncated && !final) {
                i = event - 1;
                break;
            }
            m_markup = event - 1;
            m_cleared = true;
            i = qMax(t.end, event + 1);
            if (equals < i)
                equals = indexOf(m_buffer, '=', i);
            declaration = nextDeclaration(i);
            continue;
        }
        i = event + 1;
        equals = indexOf(m_buffer, '=', i);
        if (m_cleared || m_markup < 0 || ++m_equals <= m_maxAttributes)
            continue;
        const ProjectMarkupScanner::Token t = ProjectMarkupScanner(m_buffer, m_markup).next();
        if (t.truncated && !final) {
            i = m_markup;
            break;
        }
        const bool tag =
            t.kind == ProjectMarkupScanner::StartTag || t.kind == ProjectMarkupScanner::EmptyTag;
        if (tag && t.attributes > m_maxAttributes) {
            m_refusedAttributes = t.attributes;
            m_stopped = true;
            i = m_markup;
            break;
        }
        m_cleared = true;
    }
    m_checked = i;
}
