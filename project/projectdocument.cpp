#include "projectdocument.h"

#include "designglobals.h"
#include "markupbounddevice.h"
#include "messagetext.h"

#include <QIODevice>
#include <QTextCodec>
#include <QTextDecoder>
#include <QXmlStreamReader>

#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace {

// The names the structure of the file depends on.
enum class NameKind { Other, Page, PageName, ClassName, EventName, EventContent, EventParam };

NameKind kindOf(const QStringRef &name)
{
    switch (name.size()) {
    case 4:
        return name == QLatin1String("page") ? NameKind::Page : NameKind::Other;
    case 8:
        return name == QLatin1String("pageName") ? NameKind::PageName : NameKind::Other;
    case 9:
        if (name == QLatin1String("ClassName"))
            return NameKind::ClassName;
        return name == QLatin1String("EventName") ? NameKind::EventName : NameKind::Other;
    case 12:
        if (name == QLatin1String("EventContent"))
            return NameKind::EventContent;
        break;
    default:
        break;
    }
    const bool param = name.size() > 10 && name.at(0) == QLatin1Char('E')
        && name.startsWith(QLatin1String("EventParam"));
    return param ? NameKind::EventParam : NameKind::Other;
}

// Whether an element holds keys, so that the character data directly inside it is layout
// that no reader takes: the root and its children, and the widget and event blocks.
bool holdsKeys(int depth, NameKind name, NameKind parent)
{
    if (depth <= 1)
        return true;
    const bool block = name == NameKind::ClassName || name == NameKind::EventName
        || name == NameKind::EventContent;
    return block && (depth == 2 || (depth == 3 && parent == NameKind::ClassName));
}

// The texts the window edits in one-line fields: page names and event parameters.
bool isOneLineText(NameKind name, NameKind parent)
{
    return (name == NameKind::PageName && parent == NameKind::Page)
        || (name == NameKind::EventParam && parent == NameKind::EventName);
}

bool isInvisible(QChar c)
{
    const ushort u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.isNonCharacter();
}

QString codePoint(char32_t c)
{
    return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, '0');
}

// XML's rule for the characters of a name.
bool isNameStart(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ':' || c == '_'
        || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF)
        || (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D
        || (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF)
        || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF)
        || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameCharacter(char32_t c)
{
    return isNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7
        || (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

// The first character of name that no XML name has there; false when there is none.
bool badNameCharacter(const QStringRef &name, char32_t *bad)
{
    const QVector<uint> characters = name.toUcs4();
    for (int i = 0; i < characters.size(); ++i) {
        if (!(i == 0 ? isNameStart(characters.at(i)) : isNameCharacter(characters.at(i)))) {
            *bad = characters.at(i);
            return true;
        }
    }
    return false;
}

// Goes through the text the reader was handed, up to the code unit `end`, in pieces, each
// with the offset of its first code unit. The file is read again from the start through
// the same check, so that a wide file is counted in the UTF-8 the reader had.
void handedText(QIODevice *source, qint64 end,
                const std::function<void(const QString &, qint64)> &take)
{
    if (end <= 0 || !source->seek(0))
        return;
    MarkupBoundDevice device(source, std::numeric_limits<int>::max(),
                             ProjectDocument::MaxPieceLength, std::numeric_limits<qint64>::max());
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    std::unique_ptr<QTextDecoder> decoder(QTextCodec::codecForName("UTF-8")->makeDecoder());
    qint64 decoded = 0;
    while (decoded < end) {
        const QByteArray piece = device.read(1 << 16);
        if (piece.isEmpty())
            break;
        const QString text = decoder->toUnicode(piece);
        take(text, decoded);
        decoded += text.size();
    }
}

// The characters of what the reader was handed before a character offset, at most count of
// them.
QString charactersBefore(QIODevice *source, qint64 offset, int count)
{
    const qint64 first = qMax<qint64>(0, offset - count);
    QString found;
    handedText(source, offset, [&](const QString &text, qint64 at) {
        const qint64 from = qMax(first, at);
        const qint64 to = qMin(offset, at + text.size());
        if (from < to)
            found += text.midRef(int(from - at), int(to - from));
    });
    return found;
}

// The reader's column, which it counts in code units from 0, in characters: one beyond the
// first plane takes two units. Counted only when the file has such a character at all.
qint64 characterColumn(const QXmlStreamReader &reader, QIODevice *source, bool beyondFirstPlane)
{
    const qint64 units = reader.columnNumber();
    if (!beyondFirstPlane || units <= 0)
        return units;
    const qint64 end = reader.characterOffset();
    const qint64 lineStart = end - units;
    qint64 pairs = 0;
    handedText(source, end, [&](const QString &text, qint64 at) {
        const qint64 to = qMin(end, at + text.size());
        for (qint64 i = qMax(lineStart, at); i < to; ++i)
            pairs += text.at(int(i - at)).isLowSurrogate();
    });
    return units - pairs;
}

// A text with the characters that show as nothing named by their numbers.
QString shown(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        result += isInvisible(c) ? codePoint(c.unicode()) : QString(c);
    return result;
}

// A text of the reader's in the language Qt's own texts are shown in.
QString readerText(const char *source)
{
    return QCoreApplication::translate("QXmlStream", source);
}

// Whether the reader's message is the one of this source text, in whichever language.
bool isReaderMessage(const QString &message, const char *source)
{
    return message == QLatin1String(source) || message == readerText(source);
}

// The reader's message with the character it stumbled on named by its number when it
// shows as nothing: it quotes a control character as "''" (or in the quotes of Qt's
// translation), or as the character itself, and names none where a character is no XML
// character or spoils a name.
QString readerError(const QXmlStreamReader &reader, QIODevice *device)
{
    QString message = reader.errorString();
    static const char *const quoted = "'%1'";
    QString quote = readerText(quoted);
    if (!message.contains(quote.arg(QString())))
        quote = QStringLiteral("'%1'");
    const QString empty = quote.arg(QString());
    const bool quotesNothing = message.contains(empty);
    const bool namesNone = isReaderMessage(message, "Invalid XML character.")
        || isReaderMessage(message, "Invalid XML name.")
        || isReaderMessage(message, "Opening and ending tag mismatch.");
    if (!quotesNothing && !namesNone)
        return shown(message);
    // The markup the reader stopped in, up to where it stopped.
    QString before = charactersBefore(device, reader.characterOffset(), 256);
    const auto named = [&quote](QChar c) { return quote.arg(codePoint(c.unicode())); };
    if (quotesNothing) {
        if (!before.isEmpty() && isInvisible(before.back()))
            message.replace(empty, named(before.back()));
    } else {
        before = before.mid(before.lastIndexOf(QLatin1Char('<')) + 1);
        for (const QChar c : qAsConst(before)) {
            if (isInvisible(c) && c != QLatin1Char('\t') && c != QLatin1Char('\n')
                && c != QLatin1Char('\r') && !message.isEmpty()) {
                // The character goes before the message's full stop.
                const QChar stop = message.back();
                message.chop(1);
                message += QLatin1Char(' ') + named(c) + stop;
                break;
            }
        }
    }
    return shown(message);
}

// What a refused piece is called in messages.
QString pieceName(MarkupBoundDevice::Piece piece)
{
    switch (piece) {
    case MarkupBoundDevice::Piece::Text:
        return ProjectDocument::tr("文本");
    case MarkupBoundDevice::Piece::Tag:
        return ProjectDocument::tr("标签");
    case MarkupBoundDevice::Piece::Comment:
        return ProjectDocument::tr("注释");
    case MarkupBoundDevice::Piece::ProcessingInstruction:
        return ProjectDocument::tr("处理指令");
    case MarkupBoundDevice::Piece::CDataSection:
        return ProjectDocument::tr("CDATA段");
    default:
        return ProjectDocument::tr("标记");
    }
}

} // namespace

void ProjectDocument::Handler::startElement(int, const QStringRef &, const QXmlStreamReader &) { }

void ProjectDocument::Handler::characters(const QStringRef &) { }

void ProjectDocument::Handler::endElement(int) { }

int ProjectDocument::toInt(const QStringRef &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

bool ProjectDocument::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool ProjectDocument::read(QIODevice *source, Handler &handler, qint64 maxBytes)
{
    m_error.clear();
    m_tooLarge = false;
    m_deviceFailed = false;
    // The bytes go through a check of their own first: the reader's duplicate-attribute
    // check grows with the square of an element's attributes.
    MarkupBoundDevice device(source, MaxAttributes, MaxPieceLength, maxBytes);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QXmlStreamReader reader(&device);
    reader.setNamespaceProcessing(false);

    struct Open
    {
        NameKind kind;
        bool keepsText;
    };
    // The open elements, deepest last; the depth check keeps them within the array.
    Open open[MaxDepth];
    int depth = 0;
    // Widgets per page, with the page each page element fills by the reader's rule.
    QVector<int> widgetsOnPage;
    int pageElements = 0;
    int currentPage = -1;
    // Widgets and events of the whole file.
    int widgets = 0;
    int events = 0;
    // The text of the outermost open element that keeps one, counted against its bound.
    int textLength = 0;
    int textLimit = MaxTextLength;
    std::u16string textName;

    // Where the token read last ended, which is where the next one begins.
    qint64 tokenLine = 1;
    for (;;) {
        const qint64 line = tokenLine;
        const QXmlStreamReader::TokenType token = reader.readNext();
        tokenLine = reader.lineNumber();
        if (token == QXmlStreamReader::StartElement) {
            if (depth >= MaxDepth)
                return fail(tr("第%1行的元素嵌套超过%2层，项目文件不会嵌套这么深。")
                                .arg(line)
                                .arg(MaxDepth));
            const QStringRef name = reader.qualifiedName();
            const NameKind kind = kindOf(name);
            const NameKind parent = depth > 0 ? open[depth - 1].kind : NameKind::Other;
            const bool keeps = !holdsKeys(depth, kind, parent);
            if (keeps && (depth == 0 || !open[depth - 1].keepsText)) {
                textLength = 0;
                textLimit = isOneLineText(kind, parent) ? MaxLineLength : MaxTextLength;
                textName.assign(reinterpret_cast<const char16_t *>(name.unicode()),
                                size_t(name.size()));
            }
            open[depth] = {kind, keeps};

            if (depth == 1) {
                currentPage = -1;
                if (kind == NameKind::Page) {
                    // A page number that names no page so far fills the page just added.
                    if (++pageElements > MaxPages)
                        return fail(
                            tr("项目文件的页面超过%1个（第%2行），一个项目最多可有%1个页面。")
                                .arg(MaxPages)
                                .arg(line));
                    const qint64 named =
                        qint64(toInt(reader.attributes().value(QLatin1String("pageid")))) - 1;
                    currentPage =
                        named >= 0 && named < pageElements ? int(named) : pageElements - 1;
                    widgetsOnPage.resize(pageElements);
                }
            } else if (depth == 2 && currentPage >= 0 && kind == NameKind::ClassName) {
                const int type = toInt(reader.attributes().value(QLatin1String("ClassName")));
                // Only a type the program knows makes a widget.
                if (widgetTypeFromCode(type)) {
                    if (++widgets > MaxWidgets)
                        return fail(
                            tr("项目文件的控件超过%1个（第%2行），一个项目最多可有%1个控件。")
                                .arg(MaxWidgets)
                                .arg(line));
                    if (++widgetsOnPage[currentPage] > MaxWidgetsPerPage)
                        return fail(tr("第%1页的控件超过%2个（第%3行），一页最多可放%2个控件。")
                                        .arg(currentPage)
                                        .arg(MaxWidgetsPerPage)
                                        .arg(reader.lineNumber()));
                }
            }
            if (kind == NameKind::EventName && ++events > MaxEvents)
                return fail(tr("项目文件的事件超过%1个（第%2行），一个项目最多可有%1个事件。")
                                .arg(MaxEvents)
                                .arg(line));
            // The reader lets these pass: the attribute would not be the one its name shows.
            const QXmlStreamAttributes attributes = reader.attributes();
            for (const QXmlStreamAttribute &attribute : attributes) {
                char32_t bad = 0;
                if (badNameCharacter(attribute.qualifiedName(), &bad))
                    return fail(
                        tr("第%1行的元素有一个属性名含有字符%2，项目文件中的名称不含这个字符。")
                            .arg(line)
                            .arg(codePoint(bad)));
            }
            handler.startElement(depth, name, reader);
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            handler.endElement(--depth);
        } else if (token == QXmlStreamReader::Characters
                   || token == QXmlStreamReader::EntityReference) {
            if (depth == 0 || !open[depth - 1].keepsText)
                continue;
            const QStringRef text = reader.text();
            textLength += text.size();
            if (textLength > textLimit)
                return fail(tr("第%1行的%2超过%3个字符，项目文件的这项文本最多有%3个字符。")
                                .arg(QString::number(reader.lineNumber()),
                                     QString::fromUtf16(textName.data(), int(textName.size())),
                                     QString::number(textLimit)));
            handler.characters(text);
        } else if (token == QXmlStreamReader::Invalid
                   && reader.error() == QXmlStreamReader::PrematureEndOfDocumentError
                   && !device.atEnd()) {
            // The reader tells the encoding from the first four bytes and takes fewer for
            // the end, though the check holds back only a piece that waits for its end (a
            // long first comment behind a mark or a few spaces): it goes on with the rest.
            continue;
        } else if (token == QXmlStreamReader::EndDocument || token == QXmlStreamReader::Invalid) {
            break;
        }
    }
    if (device.tooLarge()) {
        m_tooLarge = true;
        return fail(QString());
    }
    if (device.sourceFailed()) {
        m_deviceFailed = true;
        return fail(source->errorString());
    }
    // The reader ran out of bytes where the check stopped them, or had a whole document
    // before them: what follows it is no better than a fault of its own.
    const bool stopped =
        !reader.hasError() || reader.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    // Where the check stopped the bytes.
    const bool lineEnded = device.endsInCarriageReturn();
    const qint64 stopLine = reader.lineNumber() + (lineEnded ? 1 : 0);
    const auto column = [&] { return characterColumn(reader, source, device.beyondFirstPlane()); };
    if (device.refusedAttributes() > 0 && stopped)
        return fail(tr("第%1行的元素有%2个属性，项目文件的元素最多有%3个属性。")
                        .arg(stopLine)
                        .arg(device.refusedAttributes())
                        .arg(MaxAttributes));
    if (device.refusedDocumentType() && stopped)
        return fail(
            tr("第%1行有文档类型声明（<!DOCTYPE>），项目文件不含文档类型声明。").arg(stopLine));
    QString name;
    if (device.refusedEncoding(&name) && stopped) {
        // A name of any length and with any characters.
        return fail(tr("第%1行声明的编码“%2”无法读取，项目文件的编码只能是UTF-8、UTF-16或UTF-32。")
                        .arg(QString::number(stopLine), shown(MessageText::quotedStart(name))));
    }
    // The reader stands just before what could not be decoded.
    if (device.badEncoding() && stopped)
        return fail(tr("第%1行第%2列：这里的内容不是有效的%3编码。")
                        .arg(stopLine)
                        .arg(lineEnded ? 1 : column() + 1)
                        .arg(device.encodingName()));
    if (device.refusedPiece() != MarkupBoundDevice::Piece::None && stopped)
        return fail(tr("第%1行的%2超过%3个字符，项目文件中的一段标记或文本最多有%3个字符。")
                        .arg(QString::number(stopLine), pieceName(device.refusedPiece()),
                             QString::number(MaxPieceLength)));
    if (!reader.hasError())
        return true;
    // The reader's own message names an attribute, whatever the name was, and is not in
    // the language of the interface.
    if (isReaderMessage(reader.errorString(),
                        "Length of XML attribute name exceeds implementation limits (4KiB "
                        "characters)."))
        return fail(tr("第%1行的名称超过%2个字符，项目文件中的名称最多有%2个字符。")
                        .arg(reader.lineNumber())
                        .arg(MaxNameLength));
    // An empty file ends before its first column.
    return fail(tr("第%1行第%2列：%3")
                    .arg(reader.lineNumber())
                    .arg(qMax<qint64>(1, column()))
                    .arg(readerError(reader, source)));
}
