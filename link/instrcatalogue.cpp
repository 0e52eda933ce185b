#include "instrcatalogue.h"

#include <QCoreApplication>

namespace {

struct RawEntry
{
    const char *caption;
    int form;
    int command;
    int subCommand;
    int paramCount;
    const char *defaults[InstrCatalogue::ParamSlots];
    int textParam;
    const char *help;
};

// clang-format off
const RawEntry rawEntries[] = {
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件x值"), 2, 0x81, 0x01, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为16位x坐标值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件y值"), 2, 0x81, 0x02, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为16位y坐标值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件w值"), 2, 0x81, 0x03, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为16位宽度值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件h值"), 2, 0x81, 0x04, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为16位高度值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件文本值"), 2, 0x81, 0x05, 2, {"1", "", "-", "-", "-"}, 2,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为要设置的字符串内容")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件背景色1"), 2, 0x81, 0x06, 4, {"1", "0", "0", "0", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值,参数2为控件的状态默认为0，参数3和参数4为32位颜色值，ARGB={透明度,红色,绿色,蓝色}")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件背景色2"), 2, 0x81, 0x07, 4, {"1", "0", "0", "0", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "当设定渐变时，参数1为控件id值,参数2为控件的状态默认为0，参数3和参数4为32位颜色值，ARGB={透明度,红色,绿色,蓝色}")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件字体颜色"), 2, 0x81, 0x08, 3, {"1", "0", "0", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值,参数3和参数4为32位颜色值，ARGB={透明度,红色,绿色,蓝色}")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置控件数值"), 2, 0x81, 0x09, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为控件的数值，比如进度条的进度值等")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "隐藏控件"), 2, 0x81, 0x0A, 3, {"1", "0", "0", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2设定是否当前页面的控件都隐藏，参数3为隐藏使能，为1时生效隐藏功能")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "隐藏曲线"), 2, 0x81, 0x0B, 3, {"1", "0", "0", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为曲线id值，参数2为曲线的通道，参数3为隐藏使能，为1时生效隐藏功能")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置曲线数值"), 2, 0x81, 0x0C, 5, {"1", "0", "0", "0", ""}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为曲线id值，参数2为曲线的通道，参数3为曲线点的id，参数4为要写入点的数量，参数5为点的数据如100/200 2个数值分别为100和200")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "隐藏当前页面"), 2, 0x81, 0x0D, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "隐藏当前页面的内容")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置meter的数值"), 2, 0x81, 0x0E, 3, {"1", "0", "0", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为meter id值，参数2为数值，参数3用于选定哪一个指针")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制控件触摸使能"), 2, 0x81, 0x0F, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为使能控制，为1时生效")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制控件触摸状态"), 2, 0x81, 0x10, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为控件的触摸状态值，为1时表示按下")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制菜单光标值自增"), 2, 0x81, 0x11, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "无触摸屏时，用于递增菜单光标的值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制菜单光标值自减"), 2, 0x81, 0x12, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "无触摸屏时，用于递减菜单光标的值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置曲线的下一个数值"), 2, 0x81, 0x13, 3, {"1", "0", "0", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1位曲线的id值，参数2为点的id，参数3为要设置的16位数值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件x值"), 2, 0x82, 0x01, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的16位x值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件y值"), 2, 0x82, 0x02, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的16位y值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件w值"), 2, 0x82, 0x03, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的16位w值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件h值"), 2, 0x82, 0x04, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的16位h值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件文本值"), 2, 0x82, 0x05, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的文本内容(字符串),此指令只对标签、文本等控件有效")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件背景色1"), 2, 0x82, 0x06, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为状态，控件为按键时，状态0为抬起，1为按下，label控件默认为0")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件背景色2"), 2, 0x82, 0x07, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，参数2为状态，控件为按键时，状态0为抬起，1为按下，label控件默认为0")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件字体颜色"), 2, 0x82, 0x08, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的24位颜色值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取控件数值"), 2, 0x82, 0x09, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回控件的16位控件数值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取曲线数值"), 2, 0x82, 0x0A, 4, {"1", "0", "0", "0", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为曲线的id值，参数2为曲线的通道，参数3为点id，参数4为要获取的点的数量，指令发送后，模块会返回对应数量的曲线数值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取meter的数值"), 2, 0x82, 0x0B, 2, {"1", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为meter控件的id值，参数2指定哪一个meter指针，meter有3个指针可设置，指令发送后，模块会返回对应指针的16位数值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询控件触摸使能"), 2, 0x82, 0x0C, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值,指令发送后，模块会返回此控件触摸的使能数值，1为使能 0为关闭")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询控件触摸状态"), 2, 0x82, 0x0D, 1, {"1", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为控件id值，指令发送后，模块会返回此控件触摸的状态信息，1为按下 0抬起")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取菜单光标数值"), 2, 0x82, 0x0E, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "当模块无带触摸屏时，此指令返回当前菜单的光标数值，如总共3个菜单，返回0时，表示光标落在第一个菜单处")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "重启模块"), 1, 0x03, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "接收指令后，模块会重启")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询通讯"), 1, 0x04, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "接收此指令后模块会回复0x04 0x01")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "跳转页面"), 1, 0x05, 0, 2, {"0", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为页面编号，参数2为延时跳转时间")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询页面"), 1, 0x06, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "模块返回当前页面的id值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制背光值"), 1, 0x07, 0, 1, {"20", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为背光的亮度值从0~255")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询背光值"), 1, 0x08, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "模块返回当前的背光值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置波特率"), 1, 0x09, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为波特率的编号：0为默认115200")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询波特率"), 1, 0x0A, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "模块返回当前的波特率编号值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制定时器"), 1, 0x0B, 0, 4, {"0", "0", "0", "0", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为timer id ，参数2为one_shot 参数3为时间 参数4为使能控制")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "保存控件"), 1, 0x0C, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "用于保存控件的属性参数")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "保存系统参数"), 1, 0x0D, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "此指令转为模块自动完成，手动设置无效")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "保存XVAR"), 1, 0x0E, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "保存ivar和svar两种类型变量的值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制延时"), 1, 0x0F, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1位延时时间，单位为ms")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制休眠参数"), 1, 0x10, 0, 2, {"0", "0", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为休眠时间，参数2为背光的亮度值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询休眠参数"), 1, 0x11, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "模块返回休眠时间和指定休眠时的亮度值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "控制蜂鸣器"), 1, 0x12, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为蜂鸣器的时间，单位为ms")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询蜂鸣器"), 1, 0x13, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "模块返回蜂鸣器的设定值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置ivar"), 1, 0x14, 0, 3, {"0", "0", "0", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为ivar变量的id，参数2和参数3为整型变量高16位和低16位")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取ivar"), 1, 0x15, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为ivar变量的id，接收指令后模块返回id和对应的ivar值")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置svar"), 1, 0x16, 0, 2, {"0", "", "-", "-", "-"}, 2,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为svar变量的id，参数2为要写入svar的字符串")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "获取svar"), 1, 0x17, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为svar变量的id，接收指令后模块会返回svar存储的字符串")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询版本号"), 1, 0x18, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "返回模块的软件版本号字符串")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "触摸屏校正"), 1, 0x1B, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "执行电阻触摸屏的校正功能")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "设置485地址"), 1, 0x1C, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1为485的16位地址")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "查询485地址"), 1, 0x1D, 0, 0, {"-", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "当485地址被使能时,模块返回当前设定的485地址")},
    {QT_TRANSLATE_NOOP("InstrTableDlg", "启停汇总刷新指令"), 1, 0x1E, 0, 1, {"0", "-", "-", "-", "-"}, 0,
     QT_TRANSLATE_NOOP("InstrTableDlg", "参数1是启停标志，0为启用 1为停止，先启用再通过指令刷新多个文本后，再停止此功能，可以达到一次刷新的效果 目前该功能未实现")},
};
// clang-format on

QString translated(const char *text)
{
    return QCoreApplication::translate("InstrTableDlg", text);
}

} // namespace

int InstrCatalogue::size()
{
    return int(sizeof(rawEntries) / sizeof(rawEntries[0]));
}

QList<InstrCatalogue::Entry> InstrCatalogue::entries()
{
    QList<Entry> list;
    list.reserve(size());
    for (const RawEntry &raw : rawEntries) {
        Entry entry;
        entry.caption = translated(raw.caption);
        entry.form = raw.form;
        entry.command = raw.command;
        entry.subCommand = raw.subCommand;
        entry.paramCount = raw.paramCount;
        for (int p = 0; p < ParamSlots; ++p)
            entry.defaults[p] = QString::fromUtf8(raw.defaults[p]);
        entry.textParam = raw.textParam;
        entry.help = translated(raw.help);
        list.append(entry);
    }
    return list;
}
