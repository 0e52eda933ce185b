#include "qmysettings.h"

#include <QFile>
#include <QSettings>

static const char iniPath[] = "./config/system.ini";

QMySettings::QMySettings()
    : settings(new QSettings(QString::fromLatin1(iniPath), QSettings::IniFormat))
    , iniFile(new QFile(QString::fromLatin1(iniPath)))
{
    if (!iniFile->exists()) {
        languageId = 1;
        languagePath = QString();
        settings->setValue("Language/ID", 1);
        settings->setValue("Language/Path", QString());
    }
    languageId = settings->value("Language/ID", QVariant()).toInt();
    languagePath = settings->value("Language/Path", QVariant()).toString();
}

QMySettings::~QMySettings()
{
    delete settings;
    delete iniFile;
}

bool QMySettings::setLanguage(int id, const QString &path)
{
    languageId = id;
    languagePath = path;
    settings->setValue("Language/ID", id);
    settings->setValue("Language/Path", path);
    return true;
}

QString QMySettings::translationFileFor(int id)
{
    return id == 2 ? QStringLiteral(":/config/language/English.qm") : QString();
}
