#include "projectdocument.h"

#include "designglobals.h"
#include "projectmarkupscanner.h"

#include <QBuffer>
#include <QTextCodec>
#include <QXmlStreamReader>

namespace {

// A text at least this long, alone in its element, is kept whole.
constexpr int LargeText = 1 << 16;

// Whether an element holds keys, so that the character data directly inside it is layout
// that no reader takes: the root and its children, and the widget and event blocks.
bool holdsKeys(int depth, const QString &name, const QString &parent)
{
    if (depth <= 1)
        return true;
    const bool block = name == QLatin1String("ClassName") || name == QLatin1String("EventName")
        || name == QLatin1String("EventContent");
    return block && (depth == 2 || (depth == 3 && parent == QLatin1String("ClassName")));
}

bool isInvisible(QChar c)
{
    const ushort u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

QString codePoint(QChar c)
{
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
}

// The reader's message with the character it stumbled on named by its number when it
// shows as nothing: it quotes a control character as "''", or as the character itself.
QString readerError(const QXmlStreamReader &reader, const QByteArray &content)
{
    QString message = reader.errorString();
    const QString empty = QStringLiteral("''");
    if (message.contains(empty)) {
        const QString text = QTextCodec::codecForUtfText(content, QTextCodec::codecForName("UTF-8"))
                                 ->toUnicode(content);
        const qint64 at = reader.characterOffset() - 1;
        if (at >= 0 && at < text.size() && isInvisible(text.at(int(at))))
            message.replace(empty,
                            QLatin1Char('\'') + codePoint(text.at(int(at))) + QLatin1Char('\''));
    }
    QString shown;
    shown.reserve(message.size());
    for (const QChar c : qAsConst(message))
        shown += isInvisible(c) ? codePoint(c) : QString(c);
    return shown;
}

// The texts the window edits in one-line fields: page names and event parameters.
bool isOneLineText(const QString &name, const QString &parent)
{
    return (name == QLatin1String("pageName") && parent == QLatin1String("page"))
        || (name.startsWith(QLatin1String("EventParam")) && parent == QLatin1String("EventName"));
}

} // namespace

int ProjectDocument::toInt(const QStringRef &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

void ProjectDocument::clear()
{
    m_nodes.clear();
    m_attributes.clear();
    m_text.clear();
    m_ownTexts.clear();
    m_attributeText.clear();
    m_nameIds.clear();
    m_names.clear();
    m_error.clear();
}

bool ProjectDocument::fail(const QString &message)
{
    clear();
    m_error = message;
    return false;
}

QStringRef ProjectDocument::text(int node) const
{
    const Node &n = m_nodes.at(node);
    if (n.ownText >= 0)
        return QStringRef(&m_ownTexts.at(n.ownText));
    return QStringRef(&m_text, n.textBegin, n.textEnd - n.textBegin);
}

QStringRef ProjectDocument::attribute(int node, QLatin1String name) const
{
    const Node &n = m_nodes.at(node);
    for (int i = n.firstAttribute; i < n.firstAttribute + n.attributeCount; ++i) {
        const Attribute &a = m_attributes.at(i);
        if (m_names.at(a.name) == name)
            return QStringRef(&m_attributeText, a.begin, a.end - a.begin);
    }
    return QStringRef();
}

int ProjectDocument::intern(const QStringRef &name)
{
    const auto found = m_nameIds.constFind(name);
    if (found != m_nameIds.constEnd())
        return found.value();
    m_names.push_back(name.toString());
    const int id = int(m_names.size()) - 1;
    m_nameIds.insert(QStringRef(&m_names.back()), id);
    return id;
}

// Before the XML parser sees the file: its duplicate-attribute check grows with the
// square of an element's attributes, so such an element is refused first.
bool ProjectDocument::checkMarkup(const QByteArray &content, int *elements)
{
    ProjectMarkupScanner scanner(content);
    int depth = 0;
    *elements = 0;
    for (;;) {
        const ProjectMarkupScanner::Token t = scanner.next();
        switch (t.kind) {
        case ProjectMarkupScanner::StartTag:
        case ProjectMarkupScanner::EmptyTag:
            if (t.attributes > MaxAttributes)
                return fail(tr("第%1行的元素有%2个属性，项目文件的元素最多有%3个属性。")
                                .arg(scanner.lineOf(t.begin))
                                .arg(t.attributes)
                                .arg(MaxAttributes));
            ++*elements;
            if (t.kind == ProjectMarkupScanner::StartTag && ++depth > MaxDepth)
                return fail(tr("第%1行的元素嵌套超过%2层，项目文件不会嵌套这么深。")
                                .arg(scanner.lineOf(t.begin))
                                .arg(MaxDepth));
            break;
        case ProjectMarkupScanner::EndTag:
            --depth;
            break;
        case ProjectMarkupScanner::Malformed:
        case ProjectMarkupScanner::End:
            // The XML parser reports what is wrong, with its position.
            return true;
        default:
            break;
        }
    }
}

bool ProjectDocument::parse(const QByteArray &content)
{
    clear();
    int elements = 0;
    if (!checkMarkup(content, &elements))
        return false;
    // One allocation for the tree instead of copies while it grows.
    m_nodes.reserve(elements);

    // Read through a device, so that the parser decodes the bytes piece by piece instead
    // of holding the whole text decoded at once.
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&buffer);
    reader.setNamespaceProcessing(false);

    QVector<int> open;
    QVector<int> lastChild;
    // Whether the character data directly inside each open element is taken.
    QVector<bool> keepsText;
    // The open element whose text is one large piece kept apart, or -1.
    int ownTextNode = -1;
    // Widgets per page, with the page each page element fills by the reader's rule.
    QVector<int> widgetsOnPage;
    int pageElements = 0;
    int currentPage = -1;
    // The text of the outermost open element that keeps one, counted against its bound.
    int textLength = 0;
    int textLimit = MaxTextLength;
    QString textName;

    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const int depth = open.size();
            if (depth >= MaxDepth)
                return fail(tr("第%1行的元素嵌套超过%2层，项目文件不会嵌套这么深。")
                                .arg(reader.lineNumber())
                                .arg(MaxDepth));
            Node node;
            node.name = intern(reader.qualifiedName());
            node.textBegin = node.textEnd = m_text.size();
            const QXmlStreamAttributes attributes = reader.attributes();
            node.firstAttribute = m_attributes.size();
            node.attributeCount = attributes.size();
            for (const QXmlStreamAttribute &a : attributes) {
                Attribute attribute;
                attribute.name = intern(a.qualifiedName());
                attribute.begin = m_attributeText.size();
                m_attributeText += a.value();
                attribute.end = m_attributeText.size();
                m_attributes.append(attribute);
            }
            const int index = m_nodes.size();
            m_nodes.append(node);
            if (depth > 0) {
                int &previous = lastChild[depth - 1];
                if (previous < 0)
                    m_nodes[open.at(depth - 1)].firstChild = index;
                else
                    m_nodes[previous].nextSibling = index;
                previous = index;
            }
            const QString &name = m_names.at(node.name);
            const QString parent = depth > 0 ? this->name(open.last()) : QString();
            const bool keeps = !holdsKeys(depth, name, parent);
            if (keeps && (keepsText.isEmpty() || !keepsText.last())) {
                textLength = 0;
                textLimit = isOneLineText(name, parent) ? MaxLineLength : MaxTextLength;
                textName = name;
            }
            keepsText.append(keeps);
            open.append(index);
            lastChild.append(-1);

            if (depth == 1) {
                currentPage = -1;
                if (name == QLatin1String("page")) {
                    // A page number that names no page so far fills the page just added.
                    ++pageElements;
                    const qint64 named =
                        qint64(toInt(attribute(index, QLatin1String("pageid")))) - 1;
                    currentPage =
                        named >= 0 && named < pageElements ? int(named) : pageElements - 1;
                    widgetsOnPage.resize(pageElements);
                }
            } else if (depth == 2 && currentPage >= 0 && name == QLatin1String("ClassName")) {
                const int type = toInt(attribute(index, QLatin1String("ClassName")));
                if (widgetTypeFromCode(type) && ++widgetsOnPage[currentPage] > MaxWidgetsPerPage)
                    return fail(tr("第%1页的控件超过%2个（第%3行），一页最多可放%2个控件。")
                                    .arg(currentPage)
                                    .arg(MaxWidgetsPerPage)
                                    .arg(reader.lineNumber()));
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            m_nodes[open.last()].textEnd = m_text.size();
            if (open.last() == ownTextNode)
                ownTextNode = -1;
            open.removeLast();
            lastChild.removeLast();
            keepsText.removeLast();
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            if (keepsText.isEmpty() || !keepsText.last())
                break;
            textLength += reader.text().size();
            if (textLength > textLimit)
                return fail(tr("第%1行的%2超过%3个字符，项目文件的这项文本最多有%3个字符。")
                                .arg(QString::number(reader.lineNumber()), textName,
                                     QString::number(textLimit)));
            if (ownTextNode >= 0) {
                // More text inside it: the piece joins the rest, in document order.
                Node &owner = m_nodes[ownTextNode];
                m_text += m_ownTexts.at(owner.ownText);
                m_ownTexts.pop_back();
                owner.ownText = -1;
                ownTextNode = -1;
            }
            if (reader.text().size() >= LargeText && m_text.size() == m_nodes.last().textBegin
                && m_nodes.last().firstChild < 0 && open.last() == m_nodes.size() - 1
                && (keepsText.size() < 2 || !keepsText.at(keepsText.size() - 2))) {
                // A value nothing around it reads as part of its own text.
                m_ownTexts.push_back(reader.text().toString());
                ownTextNode = open.last();
                m_nodes[ownTextNode].ownText = int(m_ownTexts.size()) - 1;
            } else {
                m_text += reader.text();
            }
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return fail(tr("第%1行第%2列：%3")
                        .arg(reader.lineNumber())
                        .arg(reader.columnNumber())
                        .arg(readerError(reader, content)));
    m_nameIds.squeeze();
    return true;
}
