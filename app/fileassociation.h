#ifndef FILEASSOCIATION_H
#define FILEASSOCIATION_H

#include <QByteArray>
#include <QString>

// Registers the project file type ".yBEX" for the current user so that opening a project
// file starts this program with it. On Windows through the registry; elsewhere through a
// MIME type and a desktop entry in the user's XDG data folder.
namespace FileAssociation {

// The Exec value of the desktop entry: the program, quoted and escaped, then the file.
QString desktopExecValue(const QString &programPath);
QByteArray mimeTypeXml();
QByteArray desktopEntry(const QString &programPath);

// Writes `content` to `path` unless the file already holds exactly that; true when written.
bool writeIfChanged(const QString &path, const QByteArray &content);

// Writes the association for `programPath`; true when anything had to be (re)written.
bool registerFileType(const QString &programPath);

} // namespace FileAssociation

#endif // FILEASSOCIATION_H
