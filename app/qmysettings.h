#ifndef QMYSETTINGS_H
#define QMYSETTINGS_H

#include <QString>

class QSettings;
class QFile;

// Holder of ./config/system.ini (the language choice).
class QMySettings
{
public:
    QMySettings();
    ~QMySettings();
    QMySettings(const QMySettings &) = delete;
    QMySettings &operator=(const QMySettings &) = delete;

    int getLanguageId() const { return languageId; }
    QString getLanguagePath() const { return languagePath; }
    bool setLanguage(int id, const QString &path);

    // Translation file chosen at start-up from the language id alone.
    static QString translationFileFor(int id);

private:
    QSettings *settings;
    QFile *iniFile;
    int languageId = 1;
    QString languagePath;
};

#endif // QMYSETTINGS_H
