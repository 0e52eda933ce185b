#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// Writes INI files as a whole. QSettings in Qt 5 replaces its file even when the new one
// was cut short by a full disk, and reports no error; here QSettings writes a scratch copy
// beside the file, the copy is read back and checked, and only then does it replace the file,
// through a checked save. A failure leaves the old file byte for byte.
//
// Characters beyond ASCII are written as QSettings writes them by default, as escapes, so
// that every reader of the INI format reads the same text, whatever its codec.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    // Keys as QSettings takes them ("Group/key").
    using Values = QList<QPair<QString, QVariant>>;

    // Sets values in the INI file at path (its folder made when missing). With keepOthers
    // the file's other keys stay (read as UTF-8 when the file is UTF-8, as earlier versions
    // wrote some), else the file holds these values alone. error gets the failure line of
    // CheckedSaveFile::failureLine.
    static bool write(const QString &path, const Values &values, bool keepOthers,
                      QString *error = nullptr);
};

#endif // SETTINGSFILE_H
