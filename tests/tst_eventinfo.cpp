#include "eventinfo.h"
#include "scripttext.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <climits>

// The event record: catalogue, owner kinds, parameter keys and the script line of every
// module function.
class TestEventInfo : public QObject
{
    Q_OBJECT
private:
    static void addFunction(int index, const char *caption, int paramCount, const char *line)
    {
        QTest::newRow(qPrintable(QString::number(index)))
            << index << QString::fromUtf8(caption) << paramCount << QByteArray(line);
    }

    static EventInfo recordFor(int userType, const QStringList &params)
    {
        EventInfo info;
        info.setUserType(userType);
        info.setDefaultParams();
        for (int i = 0; i < params.size(); ++i)
            info.setParam(i, params.at(i));
        return info;
    }

private slots:
    void defaultLine_data();
    void defaultLine();
    void variantLine_data();
    void variantLine();
    void stringConstantsAreEscaped_data();
    void stringConstantsAreEscaped();
    void codeProblem_data();
    void codeProblem();
    void argumentIsOneExpression_data();
    void argumentIsOneExpression();
    void acceptedLinesParseInPython();
    void sameLineForBothBuzzerQueries();
    void unknownFunctionIsHarmless_data();
    void unknownFunctionIsHarmless();
    void parameterIndexOutsideRecordIsIgnored();
    void freshRecord();
    void ownerKind_data();
    void ownerKind();
    void ownerKindWithoutTypesKeepsList();
    void typeNameOutsideListIsEmpty();
    void pickerEntry_data();
    void pickerEntry();
    void pickerLists();
    void descriptorsOfCursorInfoOnPage();
    void descriptorsOfFunctionWithoutParameters();
    void defaultParams();
    void unusedParametersTravelWithRecord();
    void copiesAreIndependent();
    void namesFollowTheLanguage();
    void everyTextHasEnglish();
    void recordsOfOneLanguageShareLists();
    void recordBuiltOutsideGuiThread();
};

void TestEventInfo::defaultLine_data()
{
    QTest::addColumn<int>("userType");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("paramCount");
    QTest::addColumn<QByteArray>("line");
    addFunction(0, "设置控件x值", 2, "user.set_x(1,0)\r\n");
    addFunction(1, "获取控件x值", 2, "user.get_x(1)\r\n");
    addFunction(2, "设置控件y值", 2, "user.set_y(1,0)\r\n");
    addFunction(3, "获取控件y值", 2, "user.get_y(1)\r\n");
    addFunction(4, "设置控件w值", 2, "user.set_width(1,0)\r\n");
    addFunction(5, "获取控件w值", 2, "user.get_width(1)\r\n");
    addFunction(6, "设置控件h值", 2, "user.set_height(1,0)\r\n");
    addFunction(7, "获取控件h值", 2, "user.get_height(1)\r\n");
    addFunction(8, "设置控件文本值", 3, "user.set_text(1,\"0\")\r\n");
    addFunction(9, "获取控件文本值", 2, "user.get_text(1)\r\n");
    addFunction(10, "设置控件数值", 2, "user.set_val(1,0)\r\n");
    addFunction(11, "获取控件数值", 2, "user.get_val(1)\r\n");
    addFunction(12, "获取蜂鸣器的值", 1, "user.get_buzzer()\r\n");
    addFunction(13, "控制定时器", 4, "user.set_timer(1,0,0,0)\r\n");
    addFunction(14, "更新qrcode", 3, "user.qrcode_update(1,\"0\")\r\n");
    addFunction(15, "设置ivar", 2, "user.set_ivar(1,0)\r\n");
    addFunction(16, "获取ivar", 2, "user.get_ivar(1)\r\n");
    addFunction(17, "设置svar", 3, "user.set_svar(1,\"0\")\r\n");
    addFunction(18, "获取svar", 2, "user.get_svar(1)\r\n");
    addFunction(19, "查询页面", 1, "user.get_page()\r\n");
    addFunction(20, "控制定时器的计数值", 2, "user.set_timer_times(1,0)\r\n");
    addFunction(21, "查询定时器的计数值", 2, "user.get_timer_times(1)\r\n");
    addFunction(22, "隐藏控件", 3, "user.set_hidden(1,0,0)\r\n");
    addFunction(23, "设置控件背景色1", 3, "user.set_bg_color(1,0,0)\r\n");
    addFunction(24, "获取控件背景色1", 3, "user.get_bg_color(1,0)\r\n");
    addFunction(25, "设置控件背景色2", 3, "user.set_bg_color2(1,0,0)\r\n");
    addFunction(26, "获取控件背景色2", 3, "user.get_bg_color2(1,0)\r\n");
    addFunction(27, "设置控件字体颜色", 2, "user.set_font_color(1,0)\r\n");
    addFunction(28, "获取控件字体颜色", 2, "user.get_font_color(1)\r\n");
    addFunction(29, "设置不透明度", 3, "user.set_opa(1,0,0)\r\n");
    addFunction(30, "获取不透明度", 3, "user.get_opa(1,0)\r\n");
    addFunction(31, "控制延时", 1, "user.set_delay(0)\r\n");
    addFunction(32, "设置meter的值", 3, "user.set_meter_val(1,1,0)\r\n");
    addFunction(33, "设置clock小时", 2, "user.set_clock_hr(1,0)\r\n");
    addFunction(34, "设置clock分钟", 2, "user.set_clock_min(1,0)\r\n");
    addFunction(35, "设置clock秒钟", 2, "user.set_clock_sec(1,0)\r\n");
    addFunction(36, "保存控件", 1, "user.save_gui(0)\r\n");
    addFunction(37, "chart内容更新", 5, "user.chart_update(1,1,0,0,0)\r\n");
    addFunction(38, "隐藏曲线", 3, "user.chart_hidden(1,0,0)\r\n");
    addFunction(39, "查询休眠参数", 1, "user.get_sleep_time()\r\n");
    addFunction(40, "查询休眠亮度", 1, "user.get_sleep_bl()\r\n");
    addFunction(41, "手动上报自定义数值", 3, "user.report_data(0,0,0)\r\n");
    addFunction(42, "控制背光值", 1, "user.set_bl_ready(0)\r\n");
    addFunction(43, "查询背光值", 1, "user.get_bl()\r\n");
    addFunction(44, "跳转页面", 2, "user.set_page(1,0)\r\n");
    addFunction(45, "隐藏当前页面", 1, "user.set_hidden_current_page(0)\r\n");
    addFunction(46, "查询版本号", 1, "user.get_ver()\r\n");
    addFunction(47, "设置meter的数值", 3, "user.set_mt_val(1,0,0)\r\n");
    addFunction(48, "获取meter的数值", 3, "user.get_mt_val(1,0)\r\n");
    addFunction(49, "设置曲线数值", 5, "user.set_ct_val(1,0,0,0,0)\r\n");
    addFunction(50, "获取曲线数值", 4, "user.get_ct_val(1,0,0)\r\n");
    addFunction(51, "自增控件数值", 2, "user.inc_val(1,0)\r\n");
    addFunction(52, "自减控件数值", 2, "user.dec_val(1,0)\r\n");
    addFunction(53, "自增背光值", 1, "user.inc_bl(0)\r\n");
    addFunction(54, "自减背光值", 1, "user.dec_bl(0)\r\n");
    addFunction(55, "自増meter数值", 3, "user.inc_mt_val(1,0,0)\r\n");
    addFunction(56, "自减meter数值", 3, "user.dec_mt_val(1,0,0)\r\n");
    addFunction(57, "手动上报自定义文本", 2, "user.report_str(\"0\")\r\n");
    addFunction(58, "控制IO电平", 2, "user.set_usr_pin(0,0)\r\n");
    addFunction(59, "⾃增label数字的值", 3, "user.inc_label_val(1,0,0)\r\n");
    addFunction(60, "⾃减label数字的值", 3, "user.dec_label_val(1,0,0)\r\n");
    addFunction(61, "控制控件触摸使能", 2, "user.touch_enable(1,0)\r\n");
    addFunction(62, "设置菜单光标信息", 6, "user.set_cursor_info(1,0,255,2,\"0/1\")\r\n");
    addFunction(63, "控制菜单光标值自减", 0, "user.set_cursor_dec()\r\n");
    addFunction(64, "控制菜单光标值自增", 0, "user.set_cursor_inc()\r\n");
    addFunction(65, "获取菜单光标数值", 1, "user.get_cursor()\r\n");
    addFunction(66, "设置曲线的下一个数值", 3, "user.set_ct_val2(1,0,0)\r\n");
    addFunction(67, "设置页面加载方向", 1, "user.swi_page_load_dir(0)\r\n");
    addFunction(68, "查询控件触摸使能", 2, "user.get_touch_enable(1)\r\n");
    addFunction(69, "控制控件触摸状态", 2, "user.set_widgets_touch(1,0)\r\n");
    addFunction(70, "查询控件触摸状态", 2, "user.get_widgets_touch(1)\r\n");
    addFunction(71, "重启模块", 0, "user.restart()\r\n");
    addFunction(72, "设置波特率", 1, "user.set_bps(115200)\r\n");
    addFunction(73, "获取波特率", 1, "user.get_bps()\r\n");
    addFunction(74, "保存系统参数", 0, "user.save_sys()\r\n");
    addFunction(75, "保存xvar", 1, "user.save_xvar(0)\r\n");
    addFunction(76, "控制休眠参数", 2, "user.set_sleep(0,0)\r\n");
    addFunction(77, "控制蜂鸣器", 1, "user.set_buzzer(0)\r\n");
    addFunction(78, "查询蜂鸣器", 1, "user.get_buzzer()\r\n");
    addFunction(79, "设置485地址", 1, "user.set_addr(1)\r\n");
    addFunction(80, "获取485地址", 1, "user.get_addr()\r\n");
}

// Every function with its defaults: exact caption, parameter count and line, for any holder.
void TestEventInfo::defaultLine()
{
    QFETCH(int, userType);
    QFETCH(QString, caption);
    QFETCH(int, paramCount);
    QFETCH(QByteArray, line);

    EventInfo info;
    info.setUserType(userType);
    info.setDefaultParams();
    QCOMPARE(info.funcCaption(), caption);
    QCOMPARE(info.paramDescriptors().size(), paramCount);
    QCOMPARE(info.toCode(), line);
    for (int kind : {-1, -2, -3, 0, 3, 6, 7}) {
        info.setOwnerType(kind);
        QCOMPARE(info.toCode(), line);
    }
}

void TestEventInfo::variantLine_data()
{
    QTest::addColumn<int>("userType");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QByteArray>("line");

    // getters: the variable decides whether the result is assigned
    QTest::newRow("get 1 with variable")
        << 1 << QStringList {"1", "a"} << QByteArray("a=user.get_x(1)\r\n");
    QTest::newRow("get 1 blank variable")
        << 1 << QStringList {"1", " "} << QByteArray(" =user.get_x(1)\r\n");
    QTest::newRow("get 0 without variable")
        << 19 << QStringList {""} << QByteArray("user.get_page()\r\n");
    QTest::newRow("get 0 with variable")
        << 19 << QStringList {"p"} << QByteArray("p=user.get_page()\r\n");
    QTest::newRow("get 2 with variable")
        << 24 << QStringList {"1", "0", "c"} << QByteArray("c=user.get_bg_color(1,0)\r\n");
    QTest::newRow("get 2 without variable")
        << 24 << QStringList {"3", "1", ""} << QByteArray("user.get_bg_color(3,1)\r\n");
    QTest::newRow("get 3 with variable")
        << 50 << QStringList {"1", "0", "2", "v"} << QByteArray("v=user.get_ct_val(1,0,2)\r\n");

    // text forms: a constant is quoted, otherwise the variable is written bare
    QTest::newRow("text 1 constant")
        << 8 << QStringList {"1", "hi", "s"} << QByteArray("user.set_text(1,\"hi\")\r\n");
    QTest::newRow("text 1 variable")
        << 8 << QStringList {"1", "", "s"} << QByteArray("user.set_text(1,s)\r\n");
    QTest::newRow("text 1 both empty")
        << 8 << QStringList {"1", "", ""} << QByteArray("user.set_text(1,)\r\n");
    QTest::newRow("text 1 blank constant")
        << 8 << QStringList {"1", " ", "s"} << QByteArray("user.set_text(1,\" \")\r\n");
    QTest::newRow("text 1 chinese constant")
        << 17 << QStringList {"2", "你好", ""}
        << QByteArray("user.set_svar(2,\"\xe4\xbd\xa0\xe5\xa5\xbd\")\r\n");
    QTest::newRow("text 1 qrcode variable")
        << 14 << QStringList {"1", "", "url"} << QByteArray("user.qrcode_update(1,url)\r\n");
    QTest::newRow("text 0 both empty")
        << 57 << QStringList {"", ""} << QByteArray("user.report_str()\r\n");
    QTest::newRow("text 0 variable")
        << 57 << QStringList {"", "s"} << QByteArray("user.report_str(s)\r\n");
    QTest::newRow("text 0 constant")
        << 57 << QStringList {"ok", "s"} << QByteArray("user.report_str(\"ok\")\r\n");
    QTest::newRow("text 4 variable") << 62 << QStringList {"1", "0", "255", "2", "", "v"}
                                     << QByteArray("user.set_cursor_info(1,0,255,2,v)\r\n");

    // empty and blank values are written as they are
    QTest::newRow("call 2 empty") << 0 << QStringList {"", ""} << QByteArray("user.set_x(,)\r\n");
    QTest::newRow("call 2 blank") << 0 << QStringList {" ", "  "}
                                  << QByteArray("user.set_x( ,  )\r\n");
    QTest::newRow("call 1 empty") << 72 << QStringList {""} << QByteArray("user.set_bps()\r\n");
    QTest::newRow("no escaping") << 0 << QStringList {"a\"b\\c", "x,y\nz"}
                                 << QByteArray("user.set_x(a\"b\\c,x,y\nz)\r\n");

    // placeholders inside values stay literal and do not capture later values
    QTest::newRow("call %2") << 0 << QStringList {"%2", "%1"}
                             << QByteArray("user.set_x(%2,%1)\r\n");
    QTest::newRow("call 5 %n") << 49 << QStringList {"%5", "%4", "%3", "%2", "%1"}
                               << QByteArray("user.set_ct_val(%5,%4,%3,%2,%1)\r\n");
    QTest::newRow("get %2") << 24 << QStringList {"%2", "%3", "%1"}
                            << QByteArray("%1=user.get_bg_color(%2,%3)\r\n");
    QTest::newRow("text constant %2")
        << 8 << QStringList {"%2", "%1", "x"} << QByteArray("user.set_text(%2,\"%1\")\r\n");
    QTest::newRow("text variable %2") << 62 << QStringList {"%6", "%5", "%4", "%3", "", "%2"}
                                      << QByteArray("user.set_cursor_info(%6,%5,%4,%3,%2)\r\n");

    // parameters beyond the function's count never reach the line
    QStringList extra {"1", "0"};
    for (int i = 2; i < EventInfo::ParamCount; ++i)
        extra << "junk";
    QTest::newRow("extra parameters") << 0 << extra << QByteArray("user.set_x(1,0)\r\n");
    QTest::newRow("extra after get")
        << 1 << QStringList {"1", "", "junk"} << QByteArray("user.get_x(1)\r\n");
    QTest::newRow("call 0 ignores parameters")
        << 71 << QStringList {"junk"} << QByteArray("user.restart()\r\n");
}

void TestEventInfo::variantLine()
{
    QFETCH(int, userType);
    QFETCH(QStringList, params);
    QFETCH(QByteArray, line);
    QCOMPARE(recordFor(userType, params).toCode(), line);
}

// A string constant stays one constant, whatever it holds; texts without backslash, double
// quote or line break are written as they are.
void TestEventInfo::stringConstantsAreEscaped_data()
{
    QTest::addColumn<int>("userType");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("quote and line break")
        << 8 << QStringList {"1", "say \"hi\")\nuser.restart()", ""}
        << QByteArray("user.set_text(1,\"say \\\"hi\\\")\\nuser.restart()\")\r\n");
    QTest::newRow("lone quote") << 57 << QStringList {"\"", ""}
                                << QByteArray("user.report_str(\"\\\"\")\r\n");
    QTest::newRow("ends in backslash") << 57 << QStringList {"ab\\", ""}
                                       << QByteArray("user.report_str(\"ab\\\\\")\r\n");
    QTest::newRow("carriage return") << 17 << QStringList {"2", "a\r\nb", ""}
                                     << QByteArray("user.set_svar(2,\"a\\r\\nb\")\r\n");
    QTest::newRow("cursor items") << 62 << QStringList {"1", "0", "255", "2", "a\\b", ""}
                                  << QByteArray("user.set_cursor_info(1,0,255,2,\"a\\\\b\")\r\n");
    // Python reads no source holding a NUL.
    QTest::newRow("NUL") << 57 << QStringList {QString("a") + QChar(0) + "b", ""}
                         << QByteArray("user.report_str(\"a\\x00b\")\r\n");
    QTest::newRow("ordinary text") << 8 << QStringList {"1", "温度 25°C, 'ok' #1;", ""}
                                   << QString("user.set_text(1,\"温度 25°C, 'ok' #1;\")\r\n").toUtf8();
}

void TestEventInfo::stringConstantsAreEscaped()
{
    QFETCH(int, userType);
    QFETCH(QStringList, params);
    QFETCH(QByteArray, line);
    const EventInfo info = recordFor(userType, params);
    QCOMPARE(info.toCode(), line);
    QCOMPARE(info.codeProblem(), EventInfo::CodeProblem::None);
}

// Text written as typed must not change the line around it.
void TestEventInfo::codeProblem_data()
{
    QTest::addColumn<int>("userType");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("param");
    const int none = int(EventInfo::CodeProblem::None);
    const int unsafe = int(EventInfo::CodeProblem::UnsafeArgument);
    const int notName = int(EventInfo::CodeProblem::ResultNotAName);
    QTest::newRow("defaults") << 10 << QStringList() << none << -1;
    QTest::newRow("numbers, names, expressions")
        << 49 << QStringList {"-5", "x", "a*(b+2)", "f(1)[0]", "{'k': [1, 2]}"} << none << -1;
    QTest::newRow("strings holding ; and #")
        << 10 << QStringList {"\"a;b\"", "'#' + \"(\""} << none << -1;
    QTest::newRow("empty") << 10 << QStringList {"", "0"} << unsafe << 0;
    QTest::newRow("blank") << 10 << QStringList {"1", " "} << unsafe << 1;
    QTest::newRow("injected statements")
        << 10 << QStringList {"1", "0);import os;os.system(0"} << unsafe << 1;
    QTest::newRow("line break") << 10 << QStringList {"1\nuser.restart()", "0"} << unsafe << 0;
    QTest::newRow("carriage return") << 10 << QStringList {"1", "0\r"} << unsafe << 1;
    QTest::newRow("comment") << 10 << QStringList {"1", "0#"} << unsafe << 1;
    QTest::newRow("semicolon") << 13 << QStringList {"1", "0", "0", "1;x=2"} << unsafe << 3;
    QTest::newRow("closes the call") << 10 << QStringList {"1)", "(0"} << unsafe << 0;
    QTest::newRow("open bracket") << 10 << QStringList {"1", "[0"} << unsafe << 1;
    QTest::newRow("crossed brackets") << 10 << QStringList {"(1]", "0"} << unsafe << 0;
    QTest::newRow("open quote") << 10 << QStringList {"1", "\"abc"} << unsafe << 1;
    QTest::newRow("escaped closing quote") << 10 << QStringList {"'a\\'", "0"} << unsafe << 0;
    QTest::newRow("result is a name") << 1 << QStringList {"1", "中文_x1"} << none << -1;
    QTest::newRow("no result") << 1 << QStringList {"1", ""} << none << -1;
    QTest::newRow("result commented out") << 12 << QStringList {"#x"} << notName << 0;
    QTest::newRow("augmented assignment") << 1 << QStringList {"1", "中%"} << notName << 1;
    QTest::newRow("result with a blank") << 1 << QStringList {"1", " "} << notName << 1;
    QTest::newRow("result is a keyword") << 19 << QStringList {"if"} << notName << 0;
    QTest::newRow("result is __debug__") << 19 << QStringList {"__debug__"} << notName << 0;
    QTest::newRow("result is a soft keyword") << 19 << QStringList {"match"} << none << -1;
    QTest::newRow("result starts with a digit") << 24 << QStringList {"1", "0", "2x"} << notName
                                                << 2;
    QTest::newRow("result is an attribute") << 50 << QStringList {"1", "0", "0", "a.b"} << notName
                                            << 3;
    QTest::newRow("argument before the result") << 24 << QStringList {"1;", "0", "#"} << unsafe
                                                << 0;
    QTest::newRow("string variable") << 8 << QStringList {"1", "", "s;t"} << unsafe << 2;
    QTest::newRow("neither constant nor variable") << 8 << QStringList {"1", "", ""} << unsafe << 2;
    QTest::newRow("string variable not written")
        << 8 << QStringList {"1", "text", "s;t"} << none << -1;
    QTest::newRow("cursor variable") << 62 << QStringList {"1", "0", "255", "2", "", "v)"}
                                     << unsafe << 5;
    QTest::newRow("beyond the function")
        << 0 << QStringList {"1", "0", ";", "#"} << none << -1;
    QTest::newRow("no parameters") << 71 << QStringList {";"} << none << -1;
}

void TestEventInfo::codeProblem()
{
    QFETCH(int, userType);
    QFETCH(QStringList, params);
    QFETCH(int, problem);
    QFETCH(int, param);
    int found = -1;
    QCOMPARE(int(recordFor(userType, params).codeProblem(&found)), problem);
    QCOMPARE(found, param);
}

namespace {

struct ArgumentCase
{
    const char *name;
    QString text;
    bool accepted;
};

// Arguments written as typed, and whether each is exactly one Python expression.
const QList<ArgumentCase> &argumentCases()
{
    static const QList<ArgumentCase> cases = [] {
        QList<ArgumentCase> c;
        const auto accept = [&c](const char *name, const QString &text) {
            c.append({name, text, true});
        };
        const auto refuse = [&c](const char *name, const QString &text) {
            c.append({name, text, false});
        };
        accept("number", "0");
        accept("negative number", "-3");
        accept("hexadecimal", "0x1F");
        accept("binary", "0b101");
        accept("float", "1.5e-3");
        accept("float without integer part", ".5");
        accept("float without fraction", "1.");
        accept("zeros", "00");
        accept("float with leading zero", "09.5");
        accept("name", "x");
        accept("Chinese name", "温度_1");
        accept("name from a supplementary plane", QString::fromUcs4(U"\U00020000x"));
        accept("sum", "x+1");
        accept("blanks and tabs", " x\t+ 1 ");
        accept("subscript", "a[0]");
        accept("call", "f(2,3)");
        accept("call without arguments", "f()");
        accept("trailing comma in a call", "f(1,)");
        accept("tuple", "(1,2)");
        accept("one-element tuple", "(1,)");
        accept("empty tuple", "()");
        accept("double-quoted string", "\"s\"");
        accept("single-quoted string", "'s'");
        accept("adjacent strings", "\"a\" 'b'");
        accept("empty string", "\"\"");
        accept("string holding ; and #", "\"a;b#\"");
        accept("string escapes", "\"\\n\\t\\\\\\\"\\x41\\u4e2d\\U0001F600\\0\\101\"");
        accept("string with a line separator", QString("\"a") + QChar(0x2028) + "b\"");
        accept("string with an emoji", QString::fromUcs4(U"'\U0001F600'"));
        accept("attribute", "a.b");
        accept("attribute of a number", "1 .real");
        accept("attribute of a hexadecimal", "0x1.real");
        accept("grouping", "x*(y-1)");
        accept("not", "not a");
        accept("conditional", "a if b else c");
        accept("nested conditional", "a if b else c if d else e");
        accept("boolean operators", "a or b and not c");
        accept("comparison chain", "a < b <= c != d");
        accept("membership", "a not in b");
        accept("identity", "a is not None");
        accept("power", "-x ** -2");
        accept("bit operators", "~a << 2 | b & c ^ d >> 1");
        accept("division and remainder", "a // 2 % 3 / 4");
        accept("remainders written tight", "a%1%2");
        accept("constants", "(True, False, None)");
        accept("slices", "a[1:2, ::3, :]");
        accept("list", "[1, [2], 3,]");
        accept("empty list", "[]");
        accept("dictionary", "{'k': [1, 2], 2: 3}");
        accept("empty dictionary", "{}");
        accept("set", "{1, 2}");
        accept("trailers", "f(1)[0].b(2)");
        accept("deep but bounded", QString(40, '(') + "1" + QString(40, ')'));
        accept("sum of many terms", QString("1+").repeated(40) + "1");
        accept("longest decimal integer", QString(4300, '7'));
        accept("long hexadecimal", "0x" + QString(5000, 'f'));

        refuse("empty", "");
        refuse("blank", " ");
        refuse("tab", "\t");
        refuse("two operands", "a b");
        refuse("two numbers", "1 2");
        refuse("top-level comma", "1,2");
        refuse("trailing comma", "1,");
        refuse("backslash", "\\");
        refuse("backslash after a number", "1 \\");
        refuse("percent one", "%1");
        refuse("missing operand", "a %");
        refuse("emoji", QString::fromUcs4(U"\U0001F600"));
        refuse("line separator", QString(QChar(0x2028)));
        refuse("line separator after a name", QString("x") + QChar(0x2028));
        refuse("no-break space", QString("x") + QChar(0xA0) + "+1");
        refuse("full-width brackets", QString::fromUtf8("（1）"));
        refuse("full-width digit", QString::fromUtf8("１"));
        refuse("name Python changes", QString::fromUtf8("ª"));
        refuse("unpaired surrogate", QString(QChar(0xD800)));
        refuse("unpaired surrogate in a string", QString("\"") + QChar(0xDC00) + "\"");
        refuse("line break", "1\nuser.restart()");
        refuse("carriage return", "0\r");
        refuse("semicolon", "1;x=2");
        refuse("comment", "0#");
        refuse("closes the call", "1)");
        refuse("open bracket", "[0");
        refuse("crossed brackets", "(1]");
        refuse("open quote", "\"abc");
        refuse("escaped closing quote", "'a\\'");
        refuse("assignment", "a=1");
        refuse("keyword argument", "f(a=1)");
        refuse("assignment expression", "(a := 1)");
        refuse("starred", "f(*a)");
        refuse("lambda", "lambda: 1");
        refuse("comprehension", "[x for x in y]");
        refuse("leading zero", "01");
        refuse("underscore in a number", "1_000");
        refuse("imaginary", "1j");
        refuse("keyword after a number", "1if x else 2");
        refuse("binary digit 2", "0b12");
        refuse("prefix alone", "0x");
        refuse("exponent without digits", "1e");
        refuse("name after a float", "1.real");
        refuse("raw string", "r\"x\"");
        refuse("bytes", "b'x'");
        refuse("formatted string", "f\"{x}\"");
        refuse("triple quotes", "\"\"\"x\"\"\"");
        refuse("four quotes", "\"\"\"\"");
        refuse("unknown escape", "\"\\q\"");
        refuse("short hexadecimal escape", "\"\\x4\"");
        refuse("named escape", "\"\\N{DASH}\"");
        refuse("escape beyond Unicode", "\"\\U00110000\"");
        refuse("NUL in a string", QString("\"a") + QChar(0) + "b\"");
        refuse("control character in a string", QString("\"a") + QChar(1) + "b\"");
        refuse("statement", "import os");
        refuse("keyword", "if");
        refuse("conditional without else", "a if b");
        refuse("keyword as attribute", "a.if");
        refuse("number as attribute", "a.1");
        refuse("not alone", "not");
        refuse("minus alone", "-");
        refuse("old inequality", "a <> b");
        refuse("exclamation mark", "a !b");
        refuse("matrix product", "a @ b");
        refuse("dollar", "$a");
        refuse("ellipsis", "...");
        refuse("empty subscript", "a[]");
        refuse("dictionary then set", "{1: 2, 3}");
        refuse("set then dictionary", "{1, 2: 3}");
        refuse("string then name", "\"a\"b");
        refuse("double not after is", "a is not not b");
        refuse("not without in", "a not b");
        refuse("yield", "yield");
        refuse("await", "await x");
        refuse("too deep", QString(60, '(') + "1" + QString(60, ')'));
        refuse("too many signs", QString(60, '-') + "1");
        refuse("sum too long to compile", QString("1+").repeated(3000) + "1");
        refuse("powers too long to compile", QString("2**").repeated(3000) + "1");
        refuse("calls too long to compile", "f" + QString("()").repeated(3000));
        refuse("attributes too long to compile", "a" + QString(".b").repeated(3000));
        refuse("subscripts too long to compile", "a" + QString("[0]").repeated(3000));
        refuse("decimal integer too long to read", QString(4301, '7'));
        return c;
    }();
    return cases;
}

// The line of a call with the argument in its second place.
QByteArray lineWith(const QString &argument)
{
    EventInfo info;
    info.setUserType(0);
    info.setDefaultParams();
    info.setParam(1, argument);
    return info.toCode();
}

} // namespace

void TestEventInfo::argumentIsOneExpression_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("accepted");
    for (const ArgumentCase &c : argumentCases())
        QTest::newRow(c.name) << c.text << c.accepted;
}

// An argument goes out only when Python reads it as one expression in its place; the line
// then holds it byte for byte, "%1" and all.
void TestEventInfo::argumentIsOneExpression()
{
    QFETCH(QString, argument);
    QFETCH(bool, accepted);
    QCOMPARE(ScriptText::isExpression(argument), accepted);
    const EventInfo info = recordFor(0, {"1", argument});
    int param = -1;
    QCOMPARE(info.codeProblem(&param),
             accepted ? EventInfo::CodeProblem::None : EventInfo::CodeProblem::UnsafeArgument);
    QCOMPARE(param, accepted ? -1 : 1);
    if (accepted)
        QCOMPARE(lineWith(argument), "user.set_x(1," + argument.toUtf8() + ")\r\n");
}

// The lines of the accepted arguments, of escaped string constants and of result variables,
// compiled by Python: each is one call with its two arguments, or a name assigned the
// result of a call with one. Needs python3, so it runs only when asked for
// (YBEX_PYTHON_CHECK=1).
void TestEventInfo::acceptedLinesParseInPython()
{
    if (qEnvironmentVariableIntValue("YBEX_PYTHON_CHECK") != 1)
        QSKIP("set YBEX_PYTHON_CHECK=1 to read the lines with python3");
    QByteArray lines;
    for (const ArgumentCase &c : argumentCases()) {
        if (c.accepted)
            lines += lineWith(c.text);
    }
    for (const QString &constant :
         {QString("say \"hi\")\nuser.restart()"), QString("ab\\"), QString("a\r\nb"),
          QString("'#;"), QString("a") + QChar(0) + "b", QString("\\x") + QChar(0x2028)}) {
        lines += recordFor(8, {"1", constant, ""}).toCode();
    }
    for (const char *result : {"x", "中文_x1", "match", "_"})
        lines += recordFor(1, {"1", result}).toCode();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("lines.py"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines);
    file.close();
    const char *check = R"(
import ast, sys
bad = []
with open(sys.argv[1], 'rb') as f:
    for line in f.read().split(b'\r\n')[:-1]:
        try:
            compile(line, 'line', 'exec')
            body = ast.parse(line.decode('utf-8')).body
            call = len(body) == 1 and body[0].value
            ok = (isinstance(call, ast.Call) and not call.keywords
                  and (len(call.args) == 2 if isinstance(body[0], ast.Expr) else
                       len(call.args) == 1 and len(body[0].targets) == 1
                       and isinstance(body[0].targets[0], ast.Name)))
        except Exception:
            ok = False
        if not ok:
            bad.append(line)
for line in bad:
    print(line)
sys.exit(1 if bad else 0)
)";
    QProcess python;
    python.start("python3", {"-c", check, file.fileName()});
    QVERIFY2(python.waitForFinished(60000), qPrintable(python.errorString()));
    QVERIFY2(python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0,
             python.readAllStandardOutput() + python.readAllStandardError());
}

void TestEventInfo::sameLineForBothBuzzerQueries()
{
    for (const QString &variable : {QString(), QString("b")}) {
        const QByteArray line = recordFor(12, {variable}).toCode();
        QCOMPARE(recordFor(78, {variable}).toCode(), line);
        QVERIFY(line.contains("user.get_buzzer()"));
    }
    QVERIFY(recordFor(12, {}).funcCaption() != recordFor(78, {}).funcCaption());
}

void TestEventInfo::unknownFunctionIsHarmless_data()
{
    QTest::addColumn<int>("userType");
    QTest::newRow("81") << 81;
    QTest::newRow("-1") << -1;
    QTest::newRow("1000") << 1000;
    QTest::newRow("INT_MAX") << INT_MAX;
    QTest::newRow("INT_MIN") << INT_MIN;
}

// Catalogue indexes arrive from project files: an unknown one gives nothing and changes nothing.
void TestEventInfo::unknownFunctionIsHarmless()
{
    QFETCH(int, userType);
    EventInfo info;
    info.setParam(0, "keep");
    info.setUserType(userType);
    info.setDefaultParams();
    QCOMPARE(info.param(0), QString("keep"));
    QCOMPARE(info.param(1), QString("0"));
    QVERIFY(info.toCode().isEmpty());
    QVERIFY(info.funcCaption().isEmpty());
    QVERIFY(info.paramDescriptors().isEmpty());
    QVERIFY(info.paramLabel(0).isEmpty());
}

void TestEventInfo::parameterIndexOutsideRecordIsIgnored()
{
    EventInfo info;
    for (int i : {-1, EventInfo::ParamCount, INT_MAX, INT_MIN}) {
        info.setParam(i, "x");
        QVERIFY(info.param(i).isNull());
    }
    for (int i = 0; i < EventInfo::ParamCount; ++i)
        QCOMPARE(info.param(i), QString("0"));
    info.setParam(19, "last");
    QCOMPARE(info.param(19), QString("last"));
}

void TestEventInfo::freshRecord()
{
    EventInfo info;
    for (int i = 0; i < EventInfo::ParamCount; ++i)
        QCOMPARE(info.param(i), QString("0"));
    QCOMPARE(info.ownerType(), -4);
    QVERIFY(info.typeNames().isEmpty());
    QCOMPARE(info.pickerCaptions().size(), 74);
    QCOMPARE(info.pickerIndices().size(), 74);
    info.setUserType(80);
    QCOMPARE(info.funcCaption(), QString("获取485地址"));
    info.setUserType(0);
    QCOMPARE(info.paramDescriptors(), (QStringList {"Event_Wnd_0", "Event_Wnd_1"}));
    QCOMPARE(info.paramLabel(0), QString("id"));
    QCOMPARE(info.paramLabel(1), QString("val"));
    QVERIFY(info.paramLabel(2).isEmpty());
    QVERIFY(info.paramLabel(-1).isEmpty());
}

void TestEventInfo::ownerKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("typeNames");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("page") << -1 << QStringList {"页面退出", "页面进入"} << "Event_Frame";
    QTest::newRow("timer") << -2 << QStringList {"定时到达"} << "Event_Timer";
    QTest::newRow("sleep") << -3 << QStringList {"休眠退出", "休眠进入"} << "Event_Timer";
    QTest::newRow("button") << 0 << QStringList {"按钮退出", "按钮进入"} << "Event_Wnd";
    QTest::newRow("progress") << 3 << QStringList {"进度退出", "进度增加", "进度减少"}
                              << "Event_Wnd";
    QTest::newRow("slider") << 6 << QStringList {"slider抬起", "slider增加", "slider减少"}
                            << "Event_Wnd";
    QTest::newRow("arc") << 7 << QStringList {"arc退出", "arc增加", "arc减少"} << "Event_Wnd";
    for (int kind : {1, 2, 4, 5, 8, 9, -4, -5, 10, INT_MAX, INT_MIN})
        QTest::newRow(qPrintable(QString("no types %1").arg(kind)))
            << kind << QStringList() << "Event_Wnd";
}

void TestEventInfo::ownerKind()
{
    QFETCH(int, kind);
    QFETCH(QStringList, typeNames);
    QFETCH(QString, prefix);

    EventInfo info;
    info.setOwnerType(kind);
    QCOMPARE(info.ownerType(), kind);
    QCOMPARE(info.typeNames(), typeNames);
    QCOMPARE(info.typeCount(), typeNames.size());
    for (int t = 0; t < typeNames.size(); ++t) {
        info.setType(t);
        QCOMPARE(info.typeName(), typeNames.at(t));
    }
    info.setUserType(50);
    const QStringList keys = info.paramDescriptors();
    QCOMPARE(keys.size(), 4);
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(keys.at(i), prefix + "_" + QString::number(i));
        // the panel appends the event's index; the key then splits into four parts
        QCOMPARE((keys.at(i) + "_7").split('_').size(), 4);
    }
    QCOMPARE(info.pickerCaptions().size(), 74);
}

void TestEventInfo::ownerKindWithoutTypesKeepsList()
{
    EventInfo info;
    info.setOwnerType(3);
    info.setOwnerType(5);
    QCOMPARE(info.ownerType(), 5);
    QCOMPARE(info.typeNames(), (QStringList {"进度退出", "进度增加", "进度减少"}));
    info.setUserType(0);
    QCOMPARE(info.paramDescriptors().first(), QString("Event_Wnd_0"));
    info.setOwnerType(-2);
    QCOMPARE(info.typeNames(), QStringList {"定时到达"});
}

void TestEventInfo::typeNameOutsideListIsEmpty()
{
    EventInfo info;
    info.setType(0);
    QVERIFY(info.typeName().isEmpty()); // no owner kind yet
    info.setOwnerType(-1);
    for (int t : {-1, 2, 100, INT_MAX, INT_MIN}) {
        info.setType(t);
        QVERIFY(info.typeName().isEmpty());
    }
}

void TestEventInfo::pickerEntry_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("index");
    const int order[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 23, 24, 25, 26, 27, 28, 29,
                         30, 51, 52, 22, 36, 61, 68, 69, 70, 59, 60, 47, 48, 55, 56, 49, 50, 66, 38,
                         67, 19, 44, 45, 41, 57, 62, 65, 63, 64, 15, 16, 17, 18, 75, 72, 73, 79, 80,
                         31, 13, 20, 21, 76, 39, 40, 42, 43, 53, 54, 77, 78, 46, 58, 71, 74};
    for (int p = 0; p < 74; ++p)
        QTest::newRow(qPrintable(QString::number(p))) << p << order[p];
}

void TestEventInfo::pickerEntry()
{
    QFETCH(int, position);
    QFETCH(int, index);
    EventInfo info;
    info.setUserType(index);
    QCOMPARE(info.pickerIndices().at(position), index);
    QCOMPARE(info.pickerCaptions().at(position), info.funcCaption());
}

void TestEventInfo::pickerLists()
{
    EventInfo info;
    const QList<int> indices = info.pickerIndices();
    QCOMPARE(indices.size(), 74);
    QCOMPARE(info.pickerCaptions().size(), 74);
    QCOMPARE(indices.at(12), 23);
    QCOMPARE(indices.last(), 74);
    for (int hidden : {12, 14, 32, 33, 34, 35, 37})
        QVERIFY(!indices.contains(hidden));
    QCOMPARE(QSet<int>(indices.begin(), indices.end()).size(), 74);
}

void TestEventInfo::descriptorsOfCursorInfoOnPage()
{
    EventInfo info;
    info.setOwnerType(-1);
    info.setUserType(62);
    QCOMPARE(info.paramDescriptors(),
             (QStringList {"Event_Frame_0", "Event_Frame_1", "Event_Frame_2", "Event_Frame_3",
                           "Event_Frame_4", "Event_Frame_5"}));
    const QStringList labels {"width", "color", "opa", "num", "字符常量", "字符变量"};
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(info.paramLabel(i), labels.at(i));
    QVERIFY(info.paramLabel(6).isEmpty());
}

void TestEventInfo::descriptorsOfFunctionWithoutParameters()
{
    EventInfo info;
    info.setUserType(62);
    info.paramDescriptors();
    for (int f : {71, 63, 64, 74}) {
        info.setUserType(f);
        QVERIFY(info.paramDescriptors().isEmpty());
        QVERIFY(info.paramLabel(0).isEmpty());
    }
    info.setUserType(61);
    info.paramDescriptors();
    QCOMPARE(info.paramLabel(1), QString("enbale"));
}

void TestEventInfo::defaultParams()
{
    auto paramsOf = [](const EventInfo &info) {
        QStringList list;
        for (int i = 0; i < EventInfo::ParamCount; ++i)
            list << info.param(i);
        return list;
    };
    const QStringList untouched = paramsOf(EventInfo());

    EventInfo timer;
    for (int i = 0; i < EventInfo::ParamCount; ++i)
        timer.setParam(i, "x");
    timer.setUserType(13);
    timer.setDefaultParams();
    QCOMPARE(paramsOf(timer).mid(0, 5), (QStringList {"1", "0", "0", "0", "x"}));

    EventInfo baud;
    baud.setUserType(72);
    baud.setDefaultParams();
    QCOMPARE(paramsOf(baud), QStringList {"115200"} + untouched.mid(1));

    EventInfo buzzer;
    buzzer.setUserType(12);
    buzzer.setDefaultParams();
    QVERIFY(buzzer.param(0).isEmpty());
    QCOMPARE(buzzer.param(1), QString("0"));

    for (int f : {74, 81}) {
        EventInfo none;
        none.setUserType(f);
        none.setDefaultParams();
        QCOMPARE(paramsOf(none), untouched);
    }

    EventInfo pin;
    pin.setUserType(58);
    pin.setDefaultParams();
    QCOMPARE(pin.param(0), QString("0"));
    EventInfo meter;
    meter.setUserType(32);
    meter.setDefaultParams();
    QCOMPARE(meter.param(0) + meter.param(1), QString("11"));
}

void TestEventInfo::unusedParametersTravelWithRecord()
{
    EventInfo info;
    info.setUserType(62);
    info.setDefaultParams();
    info.setUserType(0);
    info.setDefaultParams();
    QCOMPARE(info.param(2), QString("255"));
    QCOMPARE(info.param(3), QString("2"));
    QCOMPARE(info.param(4), QString("0/1"));
    QVERIFY(info.param(5).isEmpty());
    QCOMPARE(info.toCode(), QByteArray("user.set_x(1,0)\r\n"));
}

void TestEventInfo::copiesAreIndependent()
{
    EventInfo original;
    original.setOwnerType(-1);
    original.setType(1);
    original.setUserType(0);
    EventInfo copy = original;
    copy.setParam(0, "9");
    copy.setOwnerType(3);
    copy.setType(2);
    QCOMPARE(original.param(0), QString("0"));
    QCOMPARE(original.typeName(), QString("页面进入"));
    QCOMPARE(copy.typeName(), QString("进度减少"));
    QCOMPARE(copy.param(0), QString("9"));
}

// A record names its event type and function in the language current when they are
// shown, whichever language it was made in.
void TestEventInfo::namesFollowTheLanguage()
{
    EventInfo before;
    before.setOwnerType(-1);
    before.setType(1);
    before.setUserType(1);
    QCOMPARE(before.funcCaption(), QString("获取控件x值"));

    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QVERIFY(QCoreApplication::installTranslator(&english));

    EventInfo after;
    after.setOwnerType(-1);
    after.setType(1);
    after.setUserType(1);
    QCOMPARE(after.funcCaption(), QString("Get widget x"));
    QCOMPARE(after.typeName(), QString("Page Entry"));
    QCOMPARE(after.pickerCaptions().at(1), QString("Get widget x"));
    after.paramDescriptors();
    QCOMPARE(after.paramLabel(1), QString("Specify the variable"));

    QCOMPARE(before.funcCaption(), QString("Get widget x"));
    QCOMPARE(before.typeName(), QString("Page Entry"));
    QCOMPARE(before.typeNames(), (QStringList {"Page Exit", "Page Entry"}));
    QCOMPARE(before.pickerCaptions().at(1), QString("Get widget x"));
    const EventInfo copy = before;

    QCoreApplication::removeTranslator(&english);
    QCOMPARE(after.funcCaption(), QString("获取控件x值"));
    QCOMPARE(after.typeName(), QString("页面进入"));
    QCOMPARE(copy.typeName(), QString("页面进入"));
    QCOMPARE(after.pickerCaptions().at(1), QString("获取控件x值"));
}

// Every caption, type name and marked label is found by the English translation, which
// only works when the source texts are exact (odd characters included).
void TestEventInfo::everyTextHasEnglish()
{
    EventInfo source;
    QVector<QStringList> sourceNames;
    for (int kind : {-1, -2, -3, 0, 3, 6, 7}) {
        source.setOwnerType(kind);
        sourceNames << source.typeNames();
    }
    QStringList sourceCaptions;
    for (int f = 0; f < EventInfo::FunctionCount; ++f) {
        source.setUserType(f);
        sourceCaptions << source.funcCaption();
    }
    QTranslator english;
    QVERIFY(english.load(":/config/language/English.qm"));
    QVERIFY(QCoreApplication::installTranslator(&english));
    EventInfo translated;
    for (int f = 0; f < EventInfo::FunctionCount; ++f) {
        translated.setUserType(f);
        const QString caption = translated.funcCaption();
        QVERIFY2(!caption.isEmpty() && caption != sourceCaptions.at(f),
                 qPrintable(QString::number(f)));
    }
    int k = 0;
    for (int kind : {-1, -2, -3, 0, 3, 6, 7}) {
        translated.setOwnerType(kind);
        const QStringList names = translated.typeNames();
        QCOMPARE(names.size(), sourceNames.at(k).size());
        for (int t = 0; t < names.size(); ++t)
            QVERIFY(names.at(t) != sourceNames.at(k).at(t));
        ++k;
    }
    translated.setUserType(62);
    translated.paramDescriptors();
    QCOMPARE(translated.paramLabel(4), QString("Const string"));
    QCOMPARE(translated.paramLabel(5), QString("Variable string"));
    QCOMPARE(translated.paramLabel(0), QString("width"));
    translated.setUserType(55);
    QCOMPARE(translated.funcCaption(), QString("Increment meter value"));
    translated.setUserType(59);
    QCOMPARE(translated.funcCaption(), QString("Increment label number"));
    QCoreApplication::removeTranslator(&english);
}

// Records built in one language hold the same shared lists, so copying one is cheap.
void TestEventInfo::recordsOfOneLanguageShareLists()
{
    EventInfo a;
    EventInfo b;
    a.setOwnerType(3);
    b.setOwnerType(3);
    QVERIFY(a.pickerCaptions().isSharedWith(b.pickerCaptions()));
    QVERIFY(a.typeNames().isSharedWith(b.typeNames()));
    const EventInfo copy = a;
    QVERIFY(copy.pickerCaptions().isSharedWith(a.pickerCaptions()));
}

// Off the GUI thread the catalogue is built afresh instead of touching the shared one.
void TestEventInfo::recordBuiltOutsideGuiThread()
{
    QString caption;
    int pickerSize = 0;
    QScopedPointer<QThread> thread(QThread::create([&] {
        EventInfo info;
        info.setOwnerType(-1);
        info.setUserType(62);
        caption = info.funcCaption();
        pickerSize = info.pickerCaptions().size();
    }));
    thread->start();
    QVERIFY(thread->wait());
    QCOMPARE(caption, QString("设置菜单光标信息"));
    QCOMPARE(pickerSize, 74);
}

QTEST_MAIN(TestEventInfo)
#include "tst_eventinfo.moc"
