#ifndef QMYSETTINGS_H
#define QMYSETTINGS_H

#include <QString>

// Holder of ./config/system.ini (the language choice).
class QMySettings
{
public:
    QMySettings();

    int getLanguageId() const { return languageId; }
    QString getLanguagePath() const { return languagePath; }
    // Writes both keys; error gets "<file>: <cause>" when they could not be written.
    bool setLanguage(int id, const QString &path, QString *error = nullptr);

    // Translation file chosen at start-up from the language id alone.
    static QString translationFileFor(int id);

private:
    int languageId = 1;
    QString languagePath;
};

#endif // QMYSETTINGS_H
