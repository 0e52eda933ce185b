#include "projectxmlwriter.h"

#include <QIODevice>

namespace {

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

ProjectXmlWriter::ProjectXmlWriter(QIODevice *sink, int chunkBytes)
    : m_sink(sink)
    , m_chunkBytes(chunkBytes)
{
    m_out.reserve(sink ? chunkBytes + (1 << 16) : 1 << 16);
    m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
}

void ProjectXmlWriter::writeOut()
{
    if (!m_writeFailed && m_out.size() > m_limit - m_written) {
        m_overLimit = true;
        m_writeFailed = true;
    }
    if (!m_writeFailed && m_sink->write(m_out) != m_out.size())
        m_writeFailed = true;
    m_written += m_out.size();
    m_out.resize(0); // keeps the reserved capacity
}

void ProjectXmlWriter::flushIfFull()
{
    if (m_sink && m_out.size() >= m_chunkBytes)
        writeOut();
}

bool ProjectXmlWriter::finish()
{
    if (m_sink && !m_out.isEmpty())
        writeOut();
    return !m_writeFailed;
}

bool ProjectXmlWriter::isCleanText(const QString &text)
{
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p != end; ++p) {
        const ushort u = p->unicode();
        if (u >= 0x20 && u < 0xD800)
            continue;
        if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0xE000 && u <= 0xFFFD))
            continue;
        if (p->isHighSurrogate() && p + 1 != end && (p + 1)->isLowSurrogate()) {
            ++p;
            continue;
        }
        return false;
    }
    return true;
}

QString ProjectXmlWriter::cleanText(const QString &text)
{
    if (isCleanText(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            out += c;
        }
    }
    return out;
}

void ProjectXmlWriter::indent(int depth)
{
    m_out.append(depth * 4, ' ');
}

void ProjectXmlWriter::appendName(const QString &name)
{
    m_out += name.toUtf8();
}

void ProjectXmlWriter::openChild()
{
    if (m_pendingStart) {
        m_out += ">\n";
        m_pendingStart = false;
    }
    indent(m_open.size());
}

void ProjectXmlWriter::beginElement(const QString &name, const QString &attrName,
                                    const QString &attrValue)
{
    openChild();
    m_out += '<';
    appendName(name);
    if (!attrName.isEmpty()) {
        m_out += ' ';
        appendName(attrName);
        m_out += "=\"";
        appendEscaped(attrValue, true);
        m_out += '"';
    }
    m_open.append(name);
    m_pendingStart = true;
}

void ProjectXmlWriter::endElement()
{
    if (m_open.isEmpty())
        return;
    const QString name = m_open.takeLast();
    if (m_pendingStart) {
        m_out += "/>\n";
        m_pendingStart = false;
        return;
    }
    indent(m_open.size());
    m_out += "</";
    appendName(name);
    m_out += ">\n";
    flushIfFull();
}

void ProjectXmlWriter::textElement(const QString &name, const QString &value)
{
    textElement(name.toUtf8(), value);
}

void ProjectXmlWriter::textElement(const QString &name, int value)
{
    textElement(name.toUtf8(), value);
}

void ProjectXmlWriter::textElement(const QByteArray &name, const QString &value)
{
    openChild();
    m_out += '<';
    m_out += name;
    m_out += '>';
    appendEscaped(value, false);
    m_out += "</";
    m_out += name;
    m_out += ">\n";
    flushIfFull();
}

void ProjectXmlWriter::textElement(const QByteArray &name, int value)
{
    openChild();
    m_out += '<';
    m_out += name;
    m_out += '>';
    char digits[16];
    m_out.append(digits, qsnprintf(digits, sizeof digits, "%d", value));
    m_out += "</";
    m_out += name;
    m_out += ">\n";
    flushIfFull();
}

void ProjectXmlWriter::attributeElement(const QString &name, int value)
{
    openChild();
    const QByteArray n = name.toUtf8();
    m_out += '<';
    m_out += n;
    m_out += ' ';
    m_out += n;
    m_out += "=\"";
    m_out += QByteArray::number(value);
    m_out += "\"/>\n";
    flushIfFull();
}

// The serializer escapes "<" and "&" everywhere, ">" only where it would close "]]",
// and a carriage return as a character reference so that it survives reading. Attribute
// values also escape quotes and the white space that attribute reading would normalise.
QString ProjectXmlWriter::escaped(const QString &raw, bool attribute)
{
    if (raw.isEmpty())
        return QString();
    const QString text = cleanText(raw);
    QString out;
    out.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '>':
            if (out.endsWith(QLatin1String("]]")))
                out += QLatin1String("&gt;");
            else
                out += c;
            break;
        case '\r':
            out += QLatin1String("&#xd;");
            break;
        case '"':
            out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '\n':
            out += attribute ? QLatin1String("&#xa;") : QLatin1String("\n");
            break;
        case '\t':
            out += attribute ? QLatin1String("&#x9;") : QLatin1String("\t");
            break;
        default:
            out += c;
        }
    }
    return out;
}

void ProjectXmlWriter::appendEscaped(const QString &raw, bool attribute)
{
    if (!raw.isEmpty())
        m_out += escaped(raw, attribute).toUtf8();
}
