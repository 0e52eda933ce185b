#include "mainwindow.h"

void MainWindow::initTableHeaders()
{
    imageTableHeaders =
        QStringList {QString(), tr("序号"), tr("缩略图"), tr("格式"), tr("分辨率"), tr("大小")};
    fontLibraryTableHeaders =
        QStringList {QString(), tr("序号"), tr("字体"), tr("尺寸"), tr("类型"), tr("大小")};
    fontTableHeaders = QStringList {QString(), "N", tr("名称")};
}
