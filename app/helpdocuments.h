#ifndef HELPDOCUMENTS_H
#define HELPDOCUMENTS_H

#include <QString>

// The documents of the help folder beside the program.
enum class HelpDocument {
    UseDocument,
    Document,
    Font,
    Study,
    Support,
    Instr,
    Program,
    Notice,
    Offline,
};

// Full path of the document in the language with id 1 (Chinese) or 2 (English);
// empty for any other language id.
QString helpDocumentPath(HelpDocument document, int languageId);

// Opens the document with the desktop's default application. Nothing is reported when
// it is missing; an unknown language opens nothing.
void openHelpDocument(HelpDocument document, int languageId);

#endif // HELPDOCUMENTS_H
