#include "mainwindow.h"

#include "designglobals.h"

#include <QCoreApplication>

void MainWindow::fillColorTable()
{
    for (int i = 0; i < ColorTableSize; ++i)
        colorTable[i] = colorTableValue(i);
}

void MainWindow::initTypeNamesAndHeaders()
{
    widgetTypeDisplayNames.clear();
    widgetTypeDisplayNames << QCoreApplication::translate("QObject", "按键")
                           << QCoreApplication::translate("QObject", "标签")
                           << QCoreApplication::translate("QObject", "图像")
                           << QCoreApplication::translate("QObject", "进度条")
                           << QCoreApplication::translate("QObject", "文本")
                           << QCoreApplication::translate("QObject", "二维码")
                           << QCoreApplication::translate("QObject", "滑块")
                           << QCoreApplication::translate("QObject", "圆弧进度条")
                           << QCoreApplication::translate("QObject", "码表")
                           << QCoreApplication::translate("QObject", "曲线");

    imageTableHeaders =
        QStringList {QString(), tr("序号"), tr("缩略图"), tr("格式"), tr("分辨率"), tr("大小")};
    fontLibraryTableHeaders =
        QStringList {QString(), tr("序号"), tr("字体"), tr("尺寸"), tr("类型"), tr("大小")};
    fontTableHeaders = QStringList {QString(), "N", tr("名称")};
}
