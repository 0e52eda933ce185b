#include "sheettables.h"

#include "eventinfo.h"

#include <QCoreApplication>

#define TR(text) QT_TRANSLATE_NOOP("MainWindow", text)

namespace {

SheetRow row(SheetRow::Kind kind, const char *caption, const QString &key)
{
    SheetRow r;
    r.kind = kind;
    r.caption = caption;
    r.key = key;
    return r;
}

SheetRow intRow(const char *caption, const QString &key)
{
    return row(SheetRow::Int, caption, key);
}

SheetRow boolRow(const char *caption, const QString &key)
{
    return row(SheetRow::Bool, caption, key);
}

SheetRow colorRow(const char *caption, const QString &key)
{
    return row(SheetRow::Color, caption, key);
}

SheetRow imageRow(const char *caption, const QString &key)
{
    return row(SheetRow::Image, caption, key);
}

SheetRow choiceRow(const char *caption, const QString &key, const QList<const char *> &names)
{
    SheetRow r = row(SheetRow::Choice, caption, key);
    r.choices = names;
    return r;
}

SheetRow group(const char *caption, const QList<SheetRow> &children, int captionArg = -1)
{
    SheetRow r = row(SheetRow::Group, caption, QString());
    r.keyed = false;
    r.children = children;
    r.captionArg = captionArg;
    return r;
}

SheetRow readOnly(SheetRow::Kind kind, const char *caption, const QString &valueKey)
{
    SheetRow r = row(kind, caption, valueKey);
    r.keyed = false;
    return r;
}

QString indexed(const char *base, int index)
{
    return QLatin1String(base) + QString::number(index);
}

const QList<const char *> gradNames = {TR("无渐变"), TR("从上到下"), TR("从左到右")};
const QList<const char *> flagNames = {TR("无状态"), TR("隐藏")};
const QList<const char *> noYesNames = {TR("否"), TR("是")};
const QList<const char *> animModeNames = {
    TR("从头到尾的速度一样"), TR("以低速开始"),     TR("以低速结束"),  TR("以低速开始低速结束"),
    TR("超过终点值"),         TR("终点后反弹一些"), TR("最后一步改变")};
const QList<const char *> animDirNames = {
    TR("从左边出现"),   TR("从右边出现"),   TR("从上面出现"),   TR("从下面出现"),
    TR("从左上角出现"), TR("从右上角出现"), TR("从左下角出现"), TR("从右下角出现")};

QList<SheetRow> typeAndId()
{
    return {readOnly(SheetRow::ReadOnlyText, TR("类型"), QStringLiteral("#type")),
            readOnly(SheetRow::ReadOnlyInt, "ID", QStringLiteral("#id"))};
}

QList<SheetRow> geometry()
{
    return {intRow("x", QStringLiteral("x")), intRow("y", QStringLiteral("y")),
            intRow(TR("宽度"), QStringLiteral("w")), intRow(TR("高度"), QStringLiteral("h"))};
}

// The rectangle the drawing computed for a track, arc or plot area, in canvas coordinates.
// The rows carry their keys so that moving the widget can refresh them.
QList<SheetRow> placement(bool chart)
{
    const char *captions[2][4] = {{TR("进度x"), TR("进度y"), TR("进度w"), TR("进度h")},
                                  {TR("图表x"), TR("图表y"), TR("图表w"), TR("图表h")}};
    const char *keys[] = {"ybexItemProgX", "ybexItemProgY", "ybexItemProgW", "ybexItemProgH"};
    QList<SheetRow> rows;
    for (int i = 0; i < 4; ++i)
        rows << row(SheetRow::ReadOnlyInt, captions[chart][i], QLatin1String(keys[i]));
    return rows;
}

SheetRow fontIdRow(const char *caption, const QString &key)
{
    SheetRow r = row(SheetRow::FontChoice, caption, key);
    // A font number no generated font has is kept, and shown as missing.
    r.appliesWhenShown = false;
    return r;
}

SheetRow textRow()
{
    return row(SheetRow::Text, TR("文本"), QStringLiteral("text"));
}
SheetRow hAlignRow()
{
    return choiceRow(TR("水平对齐"), QStringLiteral("hAlign"),
                     {TR("居中"), TR("左对齐"), TR("右对齐")});
}
SheetRow vAlignRow()
{
    return choiceRow(TR("垂直对齐"), QStringLiteral("vAlign"),
                     {TR("居中"), TR("上对齐"), TR("下对齐")});
}
SheetRow longTextLenRow()
{
    return intRow(TR("文本最大字节"), QStringLiteral("longTextLen"));
}
QList<SheetRow> fontRows()
{
    return {fontIdRow(TR("字体ID"), QStringLiteral("fontID")),
            colorRow(TR("字体颜色"), QStringLiteral("fontColor")),
            intRow(TR("字体不透明度"), QStringLiteral("fontOpa"))};
}

QList<SheetRow> textBlock()
{
    // The third character of the crop text is U+2F42, as the module's documents write it.
    return QList<SheetRow> {
               textRow(), hAlignRow(), vAlignRow(), longTextLenRow(),
               choiceRow(TR("长文本模式"), QStringLiteral("longTextMode"),
                         {TR("字符来回滚动"), TR("字符从右到左循环滚动"), TR("裁切⽂本")})}
    + fontRows();
}

SheetRow stateRow()
{
    return choiceRow("Flag", QStringLiteral("flag"), flagNames);
}

// The looks of a widget and the infix of their attribute keys.
enum Look { Plain, Selected, Pressed, Indicator, Handle };
const char *const lookInfix[] = {"", "Select", "Press", "Prog", "Handle"};

QString lookKey(Look look, const char *name)
{
    return QStringLiteral("ybexItem") + QLatin1String(lookInfix[look]) + QLatin1String(name);
}

QList<SheetRow> pictureRows(Look look)
{
    const char *imageKeys[] = {"imageNum", "ybexItemSelectImageNum", "pressImageNum",
                               "ybexItemProgImageNum"};
    return {imageRow(TR("图片编号"), QLatin1String(imageKeys[look])),
            intRow(TR("图片不透明度"), lookKey(look, "ImageOpa")),
            colorRow(TR("图片混色"), lookKey(look, "ImageColor")),
            intRow(TR("图片混色值"), lookKey(look, "ImageColorOpa"))};
}

QList<SheetRow> fillRows(Look look)
{
    return {choiceRow(TR("渐变模式"), lookKey(look, "GradMode"), gradNames),
            colorRow(TR("渐变1"), lookKey(look, "Background1")),
            colorRow(TR("渐变2"), lookKey(look, "Background2")),
            intRow(TR("不透明度"), lookKey(look, "Opa")),
            colorRow(TR("边框颜色"), lookKey(look, "BorderColor")),
            intRow(TR("边框不透明度"), lookKey(look, "BorderOpa")),
            intRow(TR("边框宽度"), lookKey(look, "BorderWidth")),
            intRow(TR("圆角"), lookKey(look, "Radius"))};
}

SheetRow animationGroup()
{
    return group(TR("加载方式"),
                 {boolRow(TR("开关"), QStringLiteral("ybexItemAnimEnabled")),
                  choiceRow(TR("模式"), QStringLiteral("ybexItemAnimMode"), animModeNames),
                  choiceRow(TR("方向"), QStringLiteral("ybexItemAnimDir"), animDirNames),
                  intRow(TR("时间(ms)"), QStringLiteral("ybexItemAnimTime"))});
}

SheetRow progValueRow()
{
    return intRow(TR("进度值"), QStringLiteral("ybexItemProgValue"));
}

SheetRow handleGroup()
{
    return group(TR("把手属性"),
                 fillRows(Handle) << intRow(TR("外扩内缩"), QStringLiteral("ybexItemHandleKnob")));
}

QList<SheetRow> buttonSheet(bool checkable)
{
    QList<SheetRow> rows = typeAndId() + geometry() + textBlock();
    rows << boolRow("Checkable", QStringLiteral("checkabled"))
         << intRow("Val", QStringLiteral("val")) << stateRow()
         << group(TR("抬起状态"), pictureRows(Plain) + fillRows(Plain));
    if (checkable)
        rows << group(TR("选中状态"), pictureRows(Selected) + fillRows(Selected));
    else
        rows << group(TR("按下状态"), pictureRows(Pressed) + fillRows(Pressed));
    return rows << animationGroup();
}

QList<SheetRow> labelSheet()
{
    return typeAndId() + geometry() + textBlock() + QList<SheetRow> {stateRow()} + fillRows(Plain)
        + QList<SheetRow> {animationGroup()};
}

QList<SheetRow> imageSheet()
{
    return typeAndId() + geometry() + QList<SheetRow> {stateRow()} + pictureRows(Plain)
        + fillRows(Plain) + QList<SheetRow> {animationGroup()};
}

QList<SheetRow> progressSheet()
{
    SheetRow direction = choiceRow(TR("出现方向"), QStringLiteral("ybexItemProgDir"),
                                   {TR("从左到右"), TR("从右到左")});
    // The drawing fills a bar from the top or the bottom too; such bars stay vertical.
    direction.keptChoices = {TR("从上到下"), TR("从下到上")};
    return typeAndId() + geometry()
        + QList<SheetRow> {
            stateRow(), progValueRow(), group(TR("主属性"), pictureRows(Plain) + fillRows(Plain)),
            group(TR("指示器属性"),
                  pictureRows(Indicator) + QList<SheetRow> {direction} + fillRows(Indicator)),
            animationGroup()};
}

QList<SheetRow> textBoxSheet()
{
    QList<SheetRow> rows = typeAndId() + geometry();
    rows << hAlignRow() << vAlignRow() << longTextLenRow()
         << choiceRow(TR("单行模式"), QStringLiteral("ybexItemSignalMode"), noYesNames)
         << choiceRow(TR("隐藏文本模式"), QStringLiteral("ybexItemPasswordMode"),
                      {TR("无"), TR("文本用*号代替")});
    rows += fontRows();
    rows << choiceRow(TR("键盘类型"), QStringLiteral("keyboardid"),
                      {TR("无"), TR("数字"), TR("英文"), TR("中文")})
         << stateRow();
    rows += fillRows(Plain);
    rows << group(TR("光标属性"),
                  {colorRow(TR("光标颜色"), QStringLiteral("ybexItemCurrorColor")),
                   intRow(TR("光标不透明度"), QStringLiteral("ybexItemCurrorOpa")),
                   colorRow(TR("光标选中文本颜色"), QStringLiteral("ybexItemCurrorTextColor")),
                   intRow(TR("光标选中文本不透明度"), QStringLiteral("ybexItemCurrorTextOpa"))})
         << animationGroup();
    return rows;
}

QList<SheetRow> qrCodeSheet()
{
    return typeAndId() + geometry()
        + QList<SheetRow> {textRow(),
                           longTextLenRow(),
                           colorRow(TR("背景颜色"), QStringLiteral("ybexItemBackground1")),
                           colorRow(TR("图案颜色"), QStringLiteral("fontColor")),
                           stateRow(),
                           animationGroup()};
}

QList<SheetRow> sliderSheet()
{
    return typeAndId() + geometry() + placement(false)
        + QList<SheetRow> {stateRow(),
                           progValueRow(),
                           group(TR("主属性"), fillRows(Plain)),
                           group(TR("指示器属性"), fillRows(Indicator)),
                           handleGroup(),
                           animationGroup()};
}

SheetRow arcGroup(const char *caption, const char *infix)
{
    const QString base = QStringLiteral("ybexItemArc") + QLatin1String(infix);
    return group(caption,
                 {colorRow(TR("背景颜色"), base + QStringLiteral("Background1")),
                  intRow(TR("不透明度"), base + QStringLiteral("Opa")),
                  intRow(TR("宽度"), base + QStringLiteral("Width")),
                  choiceRow(TR("圆边封口"), base + QStringLiteral("Rounded"), noYesNames)});
}

QList<SheetRow> arcSheet()
{
    return typeAndId() + geometry() + placement(false)
        + QList<SheetRow> {stateRow(),
                           progValueRow(),
                           intRow(TR("开始角度(0-360)"), QStringLiteral("ybexItemArcStartValue")),
                           intRow(TR("结束角度(0-360)"), QStringLiteral("ybexItemArcEndValue")),
                           intRow(TR("旋转角度(±360)"), QStringLiteral("ybexItemArcRotation")),
                           group(TR("主属性"), fillRows(Plain)),
                           arcGroup(TR("非选中圆弧属性"), ""),
                           arcGroup(TR("选中圆弧属性"), "Select"),
                           handleGroup(),
                           animationGroup()};
}

QList<SheetRow> meterSheet()
{
    QList<SheetRow> pointer;
    pointer << choiceRow(TR("指针个数"), QStringLiteral("ybexItemMeterPointNum"), {"1", "2", "3"});
    // All three needles are shown whatever the count; needle n has the key suffix n.
    for (int n = 1; n <= 3; ++n) {
        pointer << group(TR("指针%1属性"),
                         {imageRow(TR("图片编号"), indexed("ybexItemMeterPointPicID", n)),
                          intRow(TR("图片旋转点x"), indexed("ybexItemMeterXPivot", n)),
                          intRow(TR("图片旋转点y"), indexed("ybexItemMeterYPivot", n)),
                          colorRow(TR("指针颜色"), indexed("ybexItemMeterPointColor", n)),
                          intRow(TR("指针宽度"), indexed("ybexItemMeterPointW", n)),
                          intRow(TR("指针长度"), indexed("ybexItemMeterPointR", n)),
                          intRow(TR("可旋转角度(0-360)"), indexed("ybexItemMeterAngle", n)),
                          intRow("minVal", indexed("ybexItemMeterMinValue", n)),
                          intRow("maxVal", indexed("ybexItemMeterMaxValue", n)),
                          intRow("Val(minVal-maxVal)", indexed("ybexItemMeterRotation", n))},
                         n);
    }
    return typeAndId() + geometry()
        + QList<SheetRow> {stateRow(), group(TR("主属性"), pictureRows(Plain) + fillRows(Plain)),
                           group(TR("中心圆点属性"),
                                 {colorRow(TR("圆点颜色"), QStringLiteral("ybexItemMeterDotColor")),
                                  intRow(TR("圆点大小"), QStringLiteral("ybexItemMeterDotSize"))}),
                           group(TR("指针属性"), pointer), animationGroup()};
}

SheetRow axisGroup(const char *caption, int axis)
{
    QList<SheetRow> rows {
        boolRow(TR("是否显示坐标"), indexed("ybexItemChartTickEnable", axis)),
        boolRow(TR("是否显示标签"), indexed("ybexItemChartTickLabelEnable", axis))};
    if (axis != 2) {
        rows << intRow(TR("最小值"), indexed("ybexItemChartTickMinValue", axis))
             << intRow(TR("最大值"), indexed("ybexItemChartTickMaxValue", axis));
    }
    rows << intRow(TR("大刻度数量"), indexed("ybexItemChartTickCount", axis))
         << intRow(TR("大刻度长度"), indexed("ybexItemChartTickLength", axis))
         << intRow(TR("小刻度数量"), indexed("ybexItemChartSubTickCount", axis))
         << intRow(TR("小刻度长度"), indexed("ybexItemChartSubTickLength", axis));
    return group(caption, rows);
}

QList<SheetRow> chartSheet()
{
    QList<SheetRow> lines {
        choiceRow(TR("线型数量"), QStringLiteral("ybexItemChartSerCount"), {"1", "2"}),
        intRow(TR("线粗细"), indexed("ybexItemChartSerLineWidth", 0)),
        intRow(TR("点大小"), indexed("ybexItemChartSerDotWidth", 0)),
        intRow(TR("点数量"), indexed("ybexItemChartSerPointCount", 0))};
    for (int k = 0; k < 2; ++k) {
        SheetRow values = row(SheetRow::ChartValues, nullptr, QString());
        values.keyed = false;
        values.index = k;
        // Viewing shows each value rounded; only the user's edit writes one back.
        values.appliesWhenShown = false;
        lines << group(TR("线型%1属性"),
                       {colorRow(TR("颜色"), indexed("ybexItemChartSerColor", k)),
                        group(TR("数据"), {values})},
                       k + 1);
    }
    return typeAndId() + geometry() + placement(true)
        + QList<SheetRow> {
            choiceRow(TR("数据模式"), QStringLiteral("ybexItemChartUpadateMode"),
                      {TR("自右往左"), TR("循环更新")}),
            stateRow(),
            group(TR("主属性"), fillRows(Plain)),
            group(TR("坐标轴属性"),
                  {intRow(TR("刻度标签长度"), QStringLiteral("ybexItemChartTickOffset")),
                   intRow(TR("刻度线粗细"), QStringLiteral("ybexItemChartTickWidth")),
                   colorRow(TR("刻度线颜色"), QStringLiteral("ybexItemChartTickColor")),
                   fontIdRow(TR("标签字体ID"), QStringLiteral("ybexItemChartTickLabelFontID")),
                   colorRow(TR("标签字体颜色"), QStringLiteral("ybexItemChartTickLabelColor")),
                   axisGroup(TR("x轴属性"), 2), axisGroup(TR("y主轴属性"), 0),
                   axisGroup(TR("y副轴属性"), 1)}),
            group(TR("网格线属性"),
                  {boolRow(TR("是否显示网格线"), QStringLiteral("ybexItemChartGridEnable")),
                   intRow(TR("行数量"), QStringLiteral("ybexItemChartGridRow")),
                   intRow(TR("列数量"), QStringLiteral("ybexItemChartGridCol")),
                   intRow(TR("内边距"), QStringLiteral("ybexItemChartGridPadding")),
                   intRow(TR("网格线粗细"), QStringLiteral("ybexItemChartGridDasHight")),
                   intRow(TR("实线长度"), QStringLiteral("ybexItemChartGridDasLength")),
                   intRow(TR("实线间隔"), QStringLiteral("ybexItemChartGridDasGap")),
                   colorRow(TR("颜色"), QStringLiteral("ybexItemChartGridColor"))}),
            group(TR("线型属性"), lines),
            animationGroup()};
}

} // namespace

namespace SheetTables {

QList<SheetRow> pageSheet()
{
    SheetRow resolution = row(SheetRow::ResolutionChoice, TR("分辨率"), QStringLiteral("vga"));
    SheetRow orientation = choiceRow(TR("类型"), QStringLiteral("screenType"),
                                     {TR("正常"), TR("旋转90°"), TR("旋转180°"), TR("旋转270°")});
    // Showing the page never resizes or turns the canvas; only the user's choice does.
    resolution.appliesWhenShown = false;
    orientation.appliesWhenShown = false;
    SheetRow helpLines = choiceRow(TR("辅助线"), QStringLiteral("pageHelpLineType"),
                                   {TR("无"), TR("圆或椭圆"), TR("矩形")});
    helpLines.placedFirst = true;
    return {readOnly(SheetRow::ReadOnlyText, "Name", QStringLiteral("#name")),
            resolution,
            orientation,
            imageRow(TR("图片编号"), QStringLiteral("pageImageNum")),
            choiceRow(TR("渐变模式"), QStringLiteral("pageGradDir"), gradNames),
            colorRow(TR("渐变1"), QStringLiteral("pageColorGrad1")),
            colorRow(TR("渐变2"), QStringLiteral("pageColorGrad2")),
            intRow(TR("不透明度"), QStringLiteral("pageOpa")),
            intRow(TR("圆角"), QStringLiteral("pageRadius")),
            choiceRow("Flag", QStringLiteral("pageFlag"), flagNames),
            group(TR("加载方式"),
                  {boolRow(TR("开关"), QStringLiteral("pageAnimEnabled")),
                   choiceRow(TR("模式"), QStringLiteral("pageAnimMode"), animModeNames),
                   choiceRow(TR("方向"), QStringLiteral("pageAnimDir"), animDirNames),
                   intRow(TR("时间(ms)"), QStringLiteral("pageAnimTime"))}),
            helpLines};
}

QList<SheetRow> helpLineOffsets()
{
    return {intRow(TR("左偏移"), QStringLiteral("pageHelpLineLeft")),
            intRow(TR("右偏移"), QStringLiteral("pageHelpLineRight")),
            intRow(TR("上偏移"), QStringLiteral("pageHelpLineTop")),
            intRow(TR("下偏移"), QStringLiteral("pageHelpLineBottom"))};
}

QList<SheetRow> timerSheet()
{
    return {readOnly(SheetRow::ReadOnlyInt, "ID", QStringLiteral("#timerID")),
            boolRow(TR("启用"), QStringLiteral("timerEnable")),
            boolRow(TR("单触发"), QStringLiteral("timerOneTime")),
            intRow(TR("间隔时间(毫秒)"), QStringLiteral("timerTime"))};
}

QList<SheetRow> sleepTimerSheet()
{
    // The percentage shown is rounded; only the user's edit writes a level back.
    SheetRow backlightRow = intRow(TR("背光度(%)"), QStringLiteral("timerVal"));
    backlightRow.appliesWhenShown = false;
    return {readOnly(SheetRow::ReadOnlyInt, "ID", QStringLiteral("#timerID")), backlightRow,
            intRow(TR("间隔时间(秒)"), QStringLiteral("timerTime"))};
}

QList<SheetRow> widgetSheet(WidgetType type, bool checkable)
{
    switch (type) {
    case WidgetType::Btn:
        return buttonSheet(checkable);
    case WidgetType::Lab:
        return labelSheet();
    case WidgetType::Img:
        return imageSheet();
    case WidgetType::Prog:
        return progressSheet();
    case WidgetType::TextBox:
        return textBoxSheet();
    case WidgetType::QRCode:
        return qrCodeSheet();
    case WidgetType::Slider:
        return sliderSheet();
    case WidgetType::Arc:
        return arcSheet();
    case WidgetType::Meter:
        return meterSheet();
    case WidgetType::Chart:
        return chartSheet();
    }
    return {};
}

QStringList keysOf(const QList<SheetRow> &rows, SheetRow::Kind kind)
{
    QStringList keys;
    for (const SheetRow &row : rows) {
        if (row.kind == kind)
            keys << row.key;
        keys << keysOf(row.children, kind);
    }
    return keys;
}

bool widgetHasEvents(WidgetType type)
{
    return isKnownWidgetType(type) && EventInfo::ownerHasEvents(widgetTypeCode(type));
}

} // namespace SheetTables
