#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include "designdocument.h"
#include "mainwindow.h"
#include "projectcontroller.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "setscreensizedlg.h"

#include <QString>
#include <QTest>

// The main window as the window test programs use it: started as the program starts it,
// given a new project as the new-project command makes one, given widgets as the design
// takes them, and gone again before the next test.
class WindowFixture
{
public:
    // The program path the windows are started with; the title shows it without a project.
    static QString programPath() { return QStringLiteral("/opt/ybex/ybex"); }

    ~WindowFixture() { reset(); }

    // A new window in place of the one before, opening startProject as the program opens
    // the project named on its command line. The path is a copy: it may be the old
    // window's own.
    MainWindow *start(QString startProject = QString())
    {
        reset();
        window = new MainWindow(programPath(), startProject);
        return window;
    }

    // The window on screen, at the size given or the one it took itself.
    bool show(const QSize &size = QSize())
    {
        if (size.isValid())
            window->resize(size);
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }

    // A new project in the file chosen as `chosen` (its folder made beside it), at the
    // resolution the size dialog gave; its question box hidden again. The path of the
    // open project afterwards.
    QString makeProject(const QString &chosen,
                        const QString &resolution = QStringLiteral("800*480(WVGA1)"))
    {
        window->project()->getScreenSizeDlg()->setResolutionText(resolution);
        window->project()->createProject(chosen);
        window->getQuestionBox()->hide();
        return design().projectPath();
    }

    // A widget of the type on the page, taken into the design as every widget is.
    QMyWidget *addWidget(WidgetType type, int id, int page = 0)
    {
        QMyWidget *w = QMyWidgetFactory::create(type, id, canvas());
        design().addWidget(page, w);
        return w;
    }

    // No window any more.
    void reset()
    {
        delete window;
        window = nullptr;
    }

    DesignDocument &design() { return window->document(); }
    QMyFrame *canvas() { return window->findChild<QMyFrame *>(QStringLiteral("frame")); }

    MainWindow *window = nullptr;
};

#endif // WINDOWFIXTURE_H
