#include "qmysettings.h"

#include "settingsfile.h"

#include <QFile>
#include <QSettings>

static const char iniPath[] = "./config/system.ini";

QMySettings::QMySettings()
{
    const QString path = QString::fromLatin1(iniPath);
    if (!QFile::exists(path)) {
        // Chinese until chosen otherwise, also when the file cannot be made.
        QString error;
        if (!SettingsFile::write(
                path,
                {{QStringLiteral("Language/ID"), 1}, {QStringLiteral("Language/Path"), QString()}},
                true, &error)) {
            qWarning("%s", qPrintable(error));
            return;
        }
    }
    const QSettings settings(path, QSettings::IniFormat);
    languageId = settings.value("Language/ID", QVariant()).toInt();
    languagePath = settings.value("Language/Path", QVariant()).toString();
}

bool QMySettings::setLanguage(int id, const QString &path, QString *error)
{
    languageId = id;
    languagePath = path;
    // The file's other keys stay; a write that cannot finish leaves the file as it was.
    return SettingsFile::write(
        QString::fromLatin1(iniPath),
        {{QStringLiteral("Language/ID"), id}, {QStringLiteral("Language/Path"), path}}, true,
        error);
}

QString QMySettings::translationFileFor(int id)
{
    return id == 2 ? QStringLiteral(":/config/language/English.qm") : QString();
}
