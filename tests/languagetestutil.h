#ifndef LANGUAGETESTUTIL_H
#define LANGUAGETESTUTIL_H

#include "designglobals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

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
    QApplication::removeTranslator(&appTranslator);
    appTranslator.load(QString());
    QApplication::installTranslator(&appTranslator);
}

#endif // LANGUAGETESTUTIL_H
