#ifndef PROJECTFILE_H
#define PROJECTFILE_H

#include "projectcontent.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

class BootParam;
class DesignDocument;
class ProjectXmlWriter;
class QIODevice;
class QWidget;

// The project's XML file: writing a whole design, reading one back, the pre-read of the
// module series and the in-place rewrite of single frame settings.
//
// Reading is split in two so that a file that cannot be read changes nothing: read()
// parses the file once and checks it, keeping what the design takes from it; load() then
// applies that.
class ProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)

public:
    using Elements = QList<QPair<QString, QString>>;

    // The largest project file read: several times what a design of many pages writes
    // (about 20 KB a widget), and little enough to hold in memory while it is read. A save
    // writes no larger file.
    static constexpr qint64 MaxFileSize = qint64(1024) << 20;

    // The whole file for a design.
    static QByteArray serialize(const DesignDocument &design);
    // Writes the whole file for a design at path, replacing the old file only when the
    // new one is complete and holds at most maxBytes, so that it opens again.
    static bool save(const QString &path, const DesignDocument &design, QString *error = nullptr,
                     qint64 maxBytes = MaxFileSize);
    // Whether a file may be written at path: its folder exists and an existing file is
    // not write-protected.
    static bool isWritable(const QString &path, QString *error = nullptr);
    // Replaces the file at path by content as a whole, or leaves it as it was.
    static bool writeFile(const QString &path, const QByteArray &content, QString *error = nullptr);
    // Whether a write of the file at path that failed did so for its path rather than for
    // the disk or the file: no path, a folder that is not there, a folder at the path, a
    // name longer than a save writes; for a file changed in place (inPlace), also a file
    // that is not there or is no regular file.
    static bool isPathError(const QString &path, bool inPlace = false);

    bool read(const QString &path);
    // read() that also refuses a file that is no project: one without a frame block
    // giving the canvas a width and a height above 0.
    bool readProject(const QString &path);
    bool setContent(const QByteArray &content);
    QString errorString() const { return m_error; }
    bool isValid() const { return m_valid; }

    // The module series of the file: every `modelType` of a `frame` counts, the last one
    // wins. False when the file names none.
    bool modelType(int *series) const;
    bool hasUsableFrame() const;
    // Adds what the file read before holds to the design, in file order: its timers and
    // boot settings replace the design's, its frame settings are taken as they come, its
    // pages are appended (widgets made as children of widgetParent) and the page the file
    // saved as shown becomes the current one. The pages go over to the design: a second
    // load adds none.
    void load(DesignDocument &design, QWidget *widgetParent);

    // Sets the text of the named elements directly under every root `frame` to the given
    // values and writes the file back; nothing else changes. Never creates a file, and
    // keeps the file as it is when the new one would hold more than maxBytes, as a save does.
    static bool rewriteFrameElements(const QString &path, const Elements &values,
                                     QString *error = nullptr, qint64 maxBytes = MaxFileSize);
    // The twenty boot elements with their values, in file order.
    static Elements bootElements(const BootParam &boot);

private:
    static void writeDesign(ProjectXmlWriter &xml, const DesignDocument &design);
    bool readFrom(QIODevice *device, const QString &path, qint64 maxBytes);

    ProjectContent m_content;
    QString m_error;
    bool m_valid = false;
};

#endif // PROJECTFILE_H
