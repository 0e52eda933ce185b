#ifndef LOGBOX_H
#define LOGBOX_H

class QString;
class QTextEdit;

// A log view that keeps its newest text only. A line cap alone does not bound it: a flood
// without line ends makes a few lines of millions of characters, which freeze the window
// at every append. Its line cap stays the document's maximum block count.
class LogBox
{
public:
    // Appends the line and lets the oldest text go until at most maxChars characters are
    // left, line ends counted; whole lines go first, and a line longer than the cap keeps
    // its end.
    static void append(QTextEdit *box, const QString &line, int maxChars);
};

#endif // LOGBOX_H
