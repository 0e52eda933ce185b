#ifndef LANGUAGETESTUTIL_H
#define LANGUAGETESTUTIL_H

#include "languagedlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTranslator>

// The application translator holds the English texts, or none for the Chinese source texts,
// as the program loads it before it makes its window; the settings file is left alone.
inline void loadInterfaceLanguage(bool english)
{
    QTranslator &translator = LanguageDlg::appTranslator();
    QApplication::removeTranslator(&translator);
    translator.load(english ? QStringLiteral(":/config/language/English.qm") : QString());
    QApplication::installTranslator(&translator);
}

// The settings file says Chinese and the application translator is empty, as at the first
// start of the program.
inline void startInChinese()
{
    const QString ini = QStringLiteral("./config/system.ini");
    QDir().mkpath(QStringLiteral("config"));
    QFile::remove(ini);
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue(QStringLiteral("Language/ID"), 1);
        s.setValue(QStringLiteral("Language/Path"), QString());
    }
    loadInterfaceLanguage(false);
}

#endif // LANGUAGETESTUTIL_H
