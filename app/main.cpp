#include "fileassociation.h"
#include "languagedlg.h"
#include "mainwindow.h"
#include "qmysettings.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    // The program's own path with its folder: argv[0] may carry no directory on Linux,
    // and the template and help folders are found beside the program.
    QString programPath = QCoreApplication::applicationFilePath();
    if (programPath.isEmpty())
        programPath = QString::fromLocal8Bit(argv[0]);
    const QString startProject = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // Only the program itself claims the file type: the driver and the tests that build a
    // window write nothing into the user's home.
    FileAssociation::registerFileType(programPath);

    int result;
    {
        QMySettings settings;
        QTranslator &translator = LanguageDlg::appTranslator();
        translator.load(QMySettings::translationFileFor(settings.getLanguageId()), QString(),
                        QString(), QString());
        QApplication::installTranslator(&translator);
        LanguageDlg::setQtLanguage(settings.getLanguageId());
        {
            MainWindow window(programPath, startProject);
            QObject::connect(&window, &MainWindow::quitRequested, &app, &QCoreApplication::quit);
            window.show();
            result = app.exec();
        }
    }
    return result;
}
