#include "designglobals.h"

#include <QCoreApplication>

const QStringList widgetTypeNames = {
    QStringLiteral("Btn"),    QStringLiteral("Lab"),     QStringLiteral("Img"),
    QStringLiteral("Prog"),   QStringLiteral("TextBox"), QStringLiteral("QRCode"),
    QStringLiteral("Slider"), QStringLiteral("Arc"),     QStringLiteral("Meter"),
    QStringLiteral("Chart"),
};

const QStringList widgetTypeIcons = {
    QStringLiteral(":images/Button.png"),  QStringLiteral(":images/Label.png"),
    QStringLiteral(":images/Img.png"),     QStringLiteral(":images/Prog.png"),
    QStringLiteral(":images/TextBox.png"), QStringLiteral(":images/QRcode.png"),
    QStringLiteral(":images/Slider.png"),  QStringLiteral(":images/Arc.png"),
    QStringLiteral(":images/Meter.png"),   QStringLiteral(":images/Chart.png"),
};

QStringList widgetTypeDisplayNames()
{
    return {
        QCoreApplication::translate("QObject", "按键"),
        QCoreApplication::translate("QObject", "标签"),
        QCoreApplication::translate("QObject", "图像"),
        QCoreApplication::translate("QObject", "进度条"),
        QCoreApplication::translate("QObject", "文本"),
        QCoreApplication::translate("QObject", "二维码"),
        QCoreApplication::translate("QObject", "滑块"),
        QCoreApplication::translate("QObject", "圆弧进度条"),
        QCoreApplication::translate("QObject", "码表"),
        QCoreApplication::translate("QObject", "曲线"),
    };
}

const QStringList resolutionList = {
    QStringLiteral("128*128(SQQVGA)"), QStringLiteral("128*160(QQVGA)"),
    QStringLiteral("176*220(QCIF1)"),  QStringLiteral("170*320(QCIF2)"),
    QStringLiteral("240*320(QVGA1)"),  QStringLiteral("240*240(QVGA2)"),
    QStringLiteral("268*800(WVGA4)"),  QStringLiteral("320*240(QVGA3)"),
    QStringLiteral("240*376(WQVGA1)"), QStringLiteral("240*400(WQVGA2)"),
    QStringLiteral("240*480(WQVGA3)"), QStringLiteral("320*480(HVGA)"),
    QStringLiteral("480*272(HHVGA)"),  QStringLiteral("800*480(WVGA1)"),
    QStringLiteral("480*800(WVGA2)"),  QStringLiteral("480*854(WVGA3)"),
    QStringLiteral("640*480(VGA)"),    QStringLiteral("1024*600(WSVGA)"),
};


QColor colorTableValue(int index)
{
    // Red, green, blue; all exact in RGB565.
    static const unsigned char rgb[ColorTableSize][3] = {
        {0, 0, 0},       {248, 0, 0},     {0, 252, 0},     {0, 0, 248},     {248, 252, 0},
        {0, 252, 248},   {248, 0, 248},   {200, 204, 200}, {64, 64, 64},    {192, 64, 64},
        {64, 192, 64},   {64, 64, 192},   {200, 204, 64},  {64, 204, 200},  {200, 68, 200},
        {248, 252, 248}, {248, 252, 248}, {248, 0, 0},     {248, 252, 248}, {200, 204, 200},
        {64, 64, 64},    {0, 0, 0},       {40, 100, 40},   {24, 248, 24},   {24, 248, 24},
        {0, 100, 0},     {0, 252, 0},     {248, 0, 0},     {248, 252, 0},   {0, 252, 0},
        {248, 0, 0},     {248, 252, 0},   {248, 252, 0},   {0, 252, 248},   {0, 0, 0},
        {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
        {0, 76, 88},     {112, 184, 184}, {56, 112, 160},  {216, 112, 88},  {152, 120, 88},
        {120, 120, 184}, {208, 152, 72},  {128, 72, 120},  {144, 172, 88},  {144, 96, 184},
        {32, 8, 48},     {64, 156, 160},  {32, 116, 232},  {208, 72, 40},   {128, 160, 40},
        {80, 80, 168},   {208, 124, 16},  {96, 16, 80},    {120, 152, 40},  {112, 48, 160},
        {32, 36, 32},    {32, 112, 232},  {0, 0, 0},       {0, 0, 0},
    };
    if (index < 0 || index >= ColorTableSize)
        return QColor();
    return QColor(rgb[index][0], rgb[index][1], rgb[index][2], 255);
}
