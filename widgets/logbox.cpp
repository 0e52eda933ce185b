#include "logbox.h"

#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

void LogBox::append(QTextEdit *box, const QString &line, int maxChars)
{
    box->append(line.size() > maxChars ? line.right(maxChars) : line);
    QTextDocument *document = box->document();
    // The count holds the separator behind the last line too.
    const int excess = document->characterCount() - 1 - maxChars;
    if (excess <= 0)
        return;
    // Up to the start of the line behind the cut, unless that would take the newest line.
    int cut = excess;
    const QTextBlock block = document->findBlock(excess);
    if (block.position() < excess && block.next().isValid())
        cut = block.next().position();
    QTextCursor cursor(document);
    cursor.setPosition(cut, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
