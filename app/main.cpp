#include "designglobals.h"
#include "languagedlg.h"
#include "mainwindow.h"
#include "qmysettings.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    // The program's own path with its folder: argv[0] may carry no directory on Linux,
    // and the template and help folders are found beside the program.
    appPath = QCoreApplication::applicationFilePath();
    if (appPath.isEmpty())
        appPath = QString::fromLocal8Bit(argv[0]);
    currentProjectPath = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    int result;
    {
        QMySettings settings;
        appTranslator.load(QMySettings::translationFileFor(settings.getLanguageId()), QString(),
                           QString(), QString());
        QApplication::installTranslator(&appTranslator);
        LanguageDlg::setQtLanguage(settings.getLanguageId());
        {
            MainWindow window;
            window.show();
            result = app.exec();
        }
    }
    return result;
}
