#ifndef PROJECTDOCUMENT_H
#define PROJECTDOCUMENT_H

#include "designglobals.h"

#include <QCoreApplication>
#include <QString>
#include <QStringRef>

class QIODevice;
class QXmlStreamReader;

// A project file read once from start to end, its elements handed to a handler as they
// come: names compared exactly as written (no namespace processing), the character data
// of the elements that keep text, and their attributes. The read refuses, with a message,
// what the format never holds and what would cost far more than the file's size: deep
// nesting, many attributes on one element, pieces of markup or text longer than any a
// design writes, texts longer than the window makes, too many widgets on a page.
class ProjectDocument
{
    Q_DECLARE_TR_FUNCTIONS(ProjectDocument)

public:
    // The format nests five levels deep and gives an element at most one attribute.
    static constexpr int MaxDepth = 16;
    static constexpr int MaxAttributes = 8;
    // The longest piece of a file: a tag, comment, processing instruction or CDATA section,
    // or the text between two of them. The longest text (MaxTextLength characters) takes
    // five times as many when every character of it is escaped ("&amp;").
    static constexpr int MaxPieceLength = 5 * MaxTextLength;
    // The longest name of an element, attribute, processing instruction or entity, as the
    // XML reader takes it.
    static constexpr int MaxNameLength = 4096;

    // What a reader takes from the file, in document order. The root has depth 0.
    class Handler
    {
    public:
        virtual ~Handler() = default;
        // The reader stands on the element's start: its attributes are there to be read.
        virtual void startElement(int depth, const QStringRef &name,
                                  const QXmlStreamReader &reader);
        // A piece of the character data of the innermost open element that keeps text.
        // Blocks that hold keys (the root, its children, widget and event blocks) keep
        // none of their own: between their keys there is only layout; an element inside
        // a block keeps the text of all the elements inside it.
        virtual void characters(const QStringRef &text);
        virtual void endElement(int depth);
    };

    // Reads the bytes of device, at most maxBytes of them. False, with the reason, for a
    // file that is no well-formed XML or exceeds a bound; the handler may have had a part.
    bool read(QIODevice *device, Handler &handler, qint64 maxBytes);
    QString errorString() const { return m_error; }
    // The reason of a false read was more bytes than allowed, or a failed read.
    bool tooLarge() const { return m_tooLarge; }
    bool deviceFailed() const { return m_deviceFailed; }

    // The reader's integer rule: an optional sign and white space around decimal digits;
    // anything else, or a number beyond 32 bits, is 0.
    static int toInt(const QStringRef &text);

private:
    bool fail(const QString &message);

    QString m_error;
    bool m_tooLarge = false;
    bool m_deviceFailed = false;
};

#endif // PROJECTDOCUMENT_H
