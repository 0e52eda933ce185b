#ifndef CHECKEDSAVEFILE_H
#define CHECKEDSAVEFILE_H

#include <QCoreApplication>
#include <QSaveFile>

// A QSaveFile that replaces the old file only when every byte written reached the new
// one. Qt 5's commit() flushes while it closes and ignores a failure there, so a file cut
// short by a full disk would replace a whole one and the commit would still succeed.
// A failure keeps the old file and names its cause in the user's words.
class CheckedSaveFile : public QSaveFile
{
    Q_DECLARE_TR_FUNCTIONS(CheckedSaveFile)

public:
    explicit CheckedSaveFile(const QString &name);

    bool open(OpenMode mode) override;
    // Flushes, compares the file's size with the bytes written and commits; a new file
    // that is not whole is discarded.
    bool commitWhole();
    // The failure line of the last failure.
    QString failure() const;
    // "<path>：<cause>", the line that says why a file could not be read or written; its
    // colon is the language's.
    static QString failureLine(const QString &path, const QString &cause);

    // Replaces the file at path by bytes as a whole, or leaves it as it was.
    static bool writeWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);
    // Replaces the file at target by a copy of the regular file source as a whole, or
    // leaves target as it was; reason gets why not, without a path.
    static bool copyWhole(const QString &source, const QString &target, QString *reason = nullptr);
    // Why a write into folder failed: from the system's error number when it names a
    // cause, else from the state of the folder's disk (needed: the bytes that were to
    // be written), else the fallback text.
    static QString cause(int errorNumber, const QString &folder, qint64 needed,
                         const QString &fallback);

protected:
    qint64 writeData(const char *data, qint64 len) override;

private:
    void noteFailure();

    int m_errorNumber = 0;
    QString m_failure;
};

#endif // CHECKEDSAVEFILE_H
