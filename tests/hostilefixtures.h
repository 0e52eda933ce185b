#ifndef HOSTILEFIXTURES_H
#define HOSTILEFIXTURES_H

// Damaged and hostile project files, made on demand instead of being stored: each is a
// small recipe for a file that once crashed, stalled or flooded the reader.

#include <QByteArray>
#include <QString>
#include <QTextCodec>
#include <QVector>

namespace HostileFixtures {

inline QByteArray declaration()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
}

// A project with a usable frame and the given content after it.
inline QByteArray project(const QByteArray &body)
{
    return declaration()
        + QByteArrayLiteral("<ui>\n<frame frame=\"frame\"><frameW>480</frameW><frameH>272</frameH>"
                            "</frame>\n")
        + body + QByteArrayLiteral("\n</ui>\n");
}

// One code unit of a wide encoding, in its bytes.
inline QByteArray wideUnit(char32_t value, int unit, bool bigEndian)
{
    QByteArray bytes;
    for (int k = 0; k < unit; ++k)
        bytes += char(value >> (8 * (bigEndian ? unit - 1 - k : k)));
    return bytes;
}

// The same file in a wide encoding ("UTF-16LE", "UTF-32BE" ...), its declaration naming
// the encoding, with or without a byte-order mark.
inline QByteArray inEncoding(const QByteArray &utf8, const QByteArray &codec, bool mark = true)
{
    // QString::fromUtf8() drops a leading mark; every mark of the file is kept.
    QString text;
    int from = 0;
    for (; utf8.mid(from, 3) == "\xEF\xBB\xBF"; from += 3)
        text += QChar(0xFEFF);
    text += QString::fromUtf8(utf8.mid(from));
    text.replace(QStringLiteral("encoding=\"UTF-8\""),
                 QStringLiteral("encoding=\"%1\"").arg(QString::fromLatin1(codec.left(6))));
    if (mark)
        text.prepend(QChar(0xFEFF));
    const int unit = codec.startsWith("UTF-32") ? 4 : 2;
    const bool big = codec.endsWith("BE");
    // Written in place: files of tens of megabytes are made this way.
    const QVector<uint> values = unit == 4 ? text.toUcs4() : QVector<uint>();
    const int count = unit == 4 ? values.size() : text.size();
    QByteArray bytes(count * unit, Qt::Uninitialized);
    char *out = bytes.data();
    for (int i = 0; i < count; ++i) {
        const char32_t value = unit == 4 ? values.at(i) : text.at(i).unicode();
        for (int k = 0; k < unit; ++k)
            *out++ = char(value >> (8 * (big ? unit - 1 - k : k)));
    }
    return bytes;
}

// inEncoding() with every U+E000 of the file replaced by the code unit `value`, which may
// be no character at all (a lone surrogate, a number beyond Unicode).
inline QByteArray inEncodingWithUnit(const QByteArray &utf8, const QByteArray &codec,
                                     char32_t value)
{
    const int unit = codec.startsWith("UTF-32") ? 4 : 2;
    const bool big = codec.endsWith("BE");
    return inEncoding(utf8, codec).replace(wideUnit(0xE000, unit, big), wideUnit(value, unit, big));
}

// The file without its declaration in UTF-32 behind the byte-order mark of UTF-16 in the
// same byte order. Read as UTF-16 it is its characters each with a U+0000 beside it, which
// in UTF-8 begins like a file in UTF-16 without a mark.
inline QByteArray utf32BehindUtf16Mark(const QByteArray &utf8, bool bigEndian)
{
    const QByteArray body = utf8.startsWith(declaration()) ? utf8.mid(declaration().size()) : utf8;
    QByteArray bytes = bigEndian ? QByteArrayLiteral("\xFE\xFF") : QByteArrayLiteral("\xFF\xFE");
    for (const char32_t c : QString::fromUtf8(body).toUcs4())
        bytes += wideUnit(c, 4, bigEndian);
    return bytes;
}

// The file with its declaration naming another encoding that Qt knows ("IBM500" ...), and
// everything after the declaration in that encoding.
inline QByteArray inDeclaredEncoding(const QByteArray &utf8, const QByteArray &codec)
{
    const int end = utf8.indexOf("?>") + 2;
    QByteArray declared = utf8.left(end);
    declared.replace("encoding=\"UTF-8\"", "encoding=\"" + codec + '"');
    return declared
        + QTextCodec::codecForName(codec)->fromUnicode(QString::fromUtf8(utf8.mid(end)));
}

// A project whose document type (line 2) gives the page element this many attributes by
// default, and a page that takes them.
inline QByteArray attributeDefaults(int count)
{
    QByteArray list;
    list.reserve(count * 16);
    for (int i = 0; i < count; ++i)
        list += " d" + QByteArray::number(i) + " CDATA \"1\"";
    QByteArray file = project("<page pageid=\"1\"/>");
    file.insert(declaration().size(), "<!DOCTYPE ui [<!ATTLIST page" + list + ">]>\n");
    return file;
}

// A project whose page name, on the given line (4 or later), holds `bytes` after two
// letters: they begin at column pageNameColumn.
inline QByteArray pageNameOnLine(int line, const QByteArray &bytes)
{
    return project(QByteArray(line - 4, '\n') + "<page pageid=\"1\"><pageName>ab" + bytes
                   + "</pageName></page>");
}
constexpr int pageNameColumn = 30;

// Elements nested this deep inside one widget's text.
inline QByteArray deepValue(int levels)
{
    return project(QByteArrayLiteral("<page pageid=\"1\"><ClassName ClassName=\"1\"><text>")
                   + QByteArrayLiteral("<b>").repeated(levels) + "x"
                   + QByteArrayLiteral("</b>").repeated(levels)
                   + QByteArrayLiteral("</text></ClassName></page>"));
}

// Elements nested this deep directly under the root.
inline QByteArray deepAnywhere(int levels)
{
    return project(QByteArrayLiteral("<n>").repeated(levels)
                   + QByteArrayLiteral("</n>").repeated(levels));
}

// One page with this many widgets, each with a position.
inline QByteArray manyWidgets(int count)
{
    return project(
        QByteArrayLiteral("<page pageid=\"1\">")
        + QByteArrayLiteral("<ClassName ClassName=\"0\"><x>1</x></ClassName>\n").repeated(count)
        + QByteArrayLiteral("</page>"));
}

// About this many bytes of empty widget elements on one page.
inline QByteArray emptyWidgets(int bytes)
{
    const QByteArray one = QByteArrayLiteral("<ClassName/>");
    return project(QByteArrayLiteral("<page pageid=\"1\">") + one.repeated(bytes / one.size())
                   + QByteArrayLiteral("</page>"));
}

// One element with this many attributes.
inline QByteArray manyAttributes(int count)
{
    QByteArray attributes;
    attributes.reserve(count * 12);
    for (int i = 0; i < count; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"1\"";
    return project("<note" + attributes + "/>");
}

// A chart whose first series text is this many bytes of values.
inline QByteArray bigSeries(int bytes)
{
    return project(QByteArrayLiteral("<page pageid=\"1\"><ClassName ClassName=\"9\">"
                                     "<ybexItemChartSerData0>")
                   + QByteArrayLiteral("100/").repeated(bytes / 4)
                   + QByteArrayLiteral("1</ybexItemChartSerData0></ClassName></page>"));
}

// One page whose name, or whose event's first parameter, or whose label's text, is this
// many characters long.
inline QByteArray longPageName(int length)
{
    return project("<page pageid=\"1\"><pageName>" + QByteArray(length, 'n')
                   + "</pageName></page>");
}

inline QByteArray longEventParameter(int length)
{
    return project("<page pageid=\"1\"><EventName EventName=\"0\"><EventParam0>"
                   + QByteArray(length, 'p') + "</EventParam0></EventName></page>");
}

inline QByteArray longWidgetText(int length)
{
    return project("<page pageid=\"1\"><ClassName ClassName=\"1\"><text>" + QByteArray(length, 't')
                   + "</text></ClassName></page>");
}

// Positions and sizes at the ends of the int range.
inline QByteArray extremeGeometry()
{
    return project(QByteArrayLiteral(
        "<page pageid=\"1\">"
        "<ClassName ClassName=\"0\"><x>2147483647</x><y>2147483647</y><w>2147483647</w>"
        "<h>2147483647</h></ClassName>"
        "<ClassName ClassName=\"9\"><x>-2147483648</x><y>-2147483648</y><w>-2147483648</w>"
        "<h>2147483647</h></ClassName></page>"));
}

} // namespace HostileFixtures

#endif // HOSTILEFIXTURES_H
