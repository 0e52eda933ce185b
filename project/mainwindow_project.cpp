#include "mainwindow.h"

// Writing the project file comes with the project-file reader and writer; until then
// nothing is saved and the callers hear so.
bool MainWindow::saveProXml()
{
    return false;
}
