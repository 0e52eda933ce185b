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
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    // Keys as QSettings takes them ("Group/key").
    using Values = QList<QPair<QString, QVariant>>;

    // Sets values in the INI file at path (its folder made when missing). With keepOthers
    // the file's other keys stay, else the file holds these values alone. codec as for
    // QSettings::setIniCodec, or null. error gets "<path>: <cause>".
    static bool write(const QString &path, const Values &values, bool keepOthers,
                      const char *codec = nullptr, QString *error = nullptr);
};

#endif // SETTINGSFILE_H
