#include "eventinfo.h"

#include "scripttext.h"
#include "widgettype.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>

namespace {

// Shape of the script line a function produces.
enum class LineForm {
    Call, // user.name(P0,...,Pn-1)
    Get, // [Pk=]user.name(P0,...,Pk-1)
    Text // user.name(P0,...,Pk-1,"Pk") or user.name(P0,...,Pk-1,Pk+1)
};

struct ParamSpec
{
    const char *label;
    const char *defaultValue;
};

struct FunctionSpec
{
    const char *caption;
    const char *name;
    LineForm form;
    int lead; // arguments before the result variable or the string
    ParamSpec params[6];

    int paramCount() const
    {
        switch (form) {
        case LineForm::Call:
            return lead;
        case LineForm::Get:
            return lead + 1;
        case LineForm::Text:
            return lead + 2;
        }
        return 0;
    }
};

// The module's user functions, index = UserType.
// clang-format off
const FunctionSpec functions[EventInfo::FunctionCount] = {
    {QT_TRANSLATE_NOOP("QObject", "设置控件x值"), "set_x", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 0
    {QT_TRANSLATE_NOOP("QObject", "获取控件x值"), "get_x", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 1
    {QT_TRANSLATE_NOOP("QObject", "设置控件y值"), "set_y", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 2
    {QT_TRANSLATE_NOOP("QObject", "获取控件y值"), "get_y", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 3
    {QT_TRANSLATE_NOOP("QObject", "设置控件w值"), "set_width", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 4
    {QT_TRANSLATE_NOOP("QObject", "获取控件w值"), "get_width", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 5
    {QT_TRANSLATE_NOOP("QObject", "设置控件h值"), "set_height", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 6
    {QT_TRANSLATE_NOOP("QObject", "获取控件h值"), "get_height", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 7
    {QT_TRANSLATE_NOOP("QObject", "设置控件文本值"), "set_text", LineForm::Text, 1, {{"id", "1"}, {"字符常量", "0"}, {"字符变量", ""}}}, // 8
    {QT_TRANSLATE_NOOP("QObject", "获取控件文本值"), "get_text", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 9
    {QT_TRANSLATE_NOOP("QObject", "设置控件数值"), "set_val", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 10
    {QT_TRANSLATE_NOOP("QObject", "获取控件数值"), "get_val", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 11
    {QT_TRANSLATE_NOOP("QObject", "获取蜂鸣器的值"), "get_buzzer", LineForm::Get, 0, {{"指定变量", ""}}}, // 12
    {QT_TRANSLATE_NOOP("QObject", "控制定时器"), "set_timer", LineForm::Call, 4, {{"id", "1"}, {"one_time", "0"}, {"time", "0"}, {"enable", "0"}}}, // 13
    {QT_TRANSLATE_NOOP("QObject", "更新qrcode"), "qrcode_update", LineForm::Text, 1, {{"id", "1"}, {"字符常量", "0"}, {"字符变量", ""}}}, // 14
    {QT_TRANSLATE_NOOP("QObject", "设置ivar"), "set_ivar", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 15
    {QT_TRANSLATE_NOOP("QObject", "获取ivar"), "get_ivar", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 16
    {QT_TRANSLATE_NOOP("QObject", "设置svar"), "set_svar", LineForm::Text, 1, {{"id", "1"}, {"字符常量", "0"}, {"字符变量", ""}}}, // 17
    {QT_TRANSLATE_NOOP("QObject", "获取svar"), "get_svar", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 18
    {QT_TRANSLATE_NOOP("QObject", "查询页面"), "get_page", LineForm::Get, 0, {{"指定变量", ""}}}, // 19
    {QT_TRANSLATE_NOOP("QObject", "控制定时器的计数值"), "set_timer_times", LineForm::Call, 2, {{"id", "1"}, {"cnt", "0"}}}, // 20
    {QT_TRANSLATE_NOOP("QObject", "查询定时器的计数值"), "get_timer_times", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 21
    {QT_TRANSLATE_NOOP("QObject", "隐藏控件"), "set_hidden", LineForm::Call, 3, {{"id", "1"}, {"all", "0"}, {"enable", "0"}}}, // 22
    {QT_TRANSLATE_NOOP("QObject", "设置控件背景色1"), "set_bg_color", LineForm::Call, 3, {{"id", "1"}, {"state", "0"}, {"color", "0"}}}, // 23
    {QT_TRANSLATE_NOOP("QObject", "获取控件背景色1"), "get_bg_color", LineForm::Get, 2, {{"id", "1"}, {"state", "0"}, {"指定变量", ""}}}, // 24
    {QT_TRANSLATE_NOOP("QObject", "设置控件背景色2"), "set_bg_color2", LineForm::Call, 3, {{"id", "1"}, {"state", "0"}, {"color", "0"}}}, // 25
    {QT_TRANSLATE_NOOP("QObject", "获取控件背景色2"), "get_bg_color2", LineForm::Get, 2, {{"id", "1"}, {"state", "0"}, {"指定变量", ""}}}, // 26
    {QT_TRANSLATE_NOOP("QObject", "设置控件字体颜色"), "set_font_color", LineForm::Call, 2, {{"id", "1"}, {"color", "0"}}}, // 27
    {QT_TRANSLATE_NOOP("QObject", "获取控件字体颜色"), "get_font_color", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 28
    {QT_TRANSLATE_NOOP("QObject", "设置不透明度"), "set_opa", LineForm::Call, 3, {{"id", "1"}, {"state", "0"}, {"val", "0"}}}, // 29
    {QT_TRANSLATE_NOOP("QObject", "获取不透明度"), "get_opa", LineForm::Get, 2, {{"id", "1"}, {"state", "0"}, {"指定变量", ""}}}, // 30
    {QT_TRANSLATE_NOOP("QObject", "控制延时"), "set_delay", LineForm::Call, 1, {{"ms", "0"}}}, // 31
    {QT_TRANSLATE_NOOP("QObject", "设置meter的值"), "set_meter_val", LineForm::Call, 3, {{"wid", "1"}, {"id", "1"}, {"val", "0"}}}, // 32
    {QT_TRANSLATE_NOOP("QObject", "设置clock小时"), "set_clock_hr", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 33
    {QT_TRANSLATE_NOOP("QObject", "设置clock分钟"), "set_clock_min", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 34
    {QT_TRANSLATE_NOOP("QObject", "设置clock秒钟"), "set_clock_sec", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 35
    {QT_TRANSLATE_NOOP("QObject", "保存控件"), "save_gui", LineForm::Call, 1, {{"en", "0"}}}, // 36
    {QT_TRANSLATE_NOOP("QObject", "chart内容更新"), "chart_update", LineForm::Call, 5, {{"wid", "1"}, {"ch", "1"}, {"id", "0"}, {"val", "0"}, {"enable", "0"}}}, // 37
    {QT_TRANSLATE_NOOP("QObject", "隐藏曲线"), "chart_hidden", LineForm::Call, 3, {{"wid", "1"}, {"ch", "0"}, {"enable", "0"}}}, // 38
    {QT_TRANSLATE_NOOP("QObject", "查询休眠参数"), "get_sleep_time", LineForm::Get, 0, {{"指定变量", ""}}}, // 39
    {QT_TRANSLATE_NOOP("QObject", "查询休眠亮度"), "get_sleep_bl", LineForm::Get, 0, {{"指定变量", ""}}}, // 40
    {QT_TRANSLATE_NOOP("QObject", "手动上报自定义数值"), "report_data", LineForm::Call, 3, {{"header", "0"}, {"index", "0"}, {"data", "0"}}}, // 41
    {QT_TRANSLATE_NOOP("QObject", "控制背光值"), "set_bl_ready", LineForm::Call, 1, {{"n", "0"}}}, // 42
    {QT_TRANSLATE_NOOP("QObject", "查询背光值"), "get_bl", LineForm::Get, 0, {{"指定变量", ""}}}, // 43
    {QT_TRANSLATE_NOOP("QObject", "跳转页面"), "set_page", LineForm::Call, 2, {{"id", "1"}, {"delay", "0"}}}, // 44
    {QT_TRANSLATE_NOOP("QObject", "隐藏当前页面"), "set_hidden_current_page", LineForm::Call, 1, {{"en", "0"}}}, // 45
    {QT_TRANSLATE_NOOP("QObject", "查询版本号"), "get_ver", LineForm::Get, 0, {{"指定变量", ""}}}, // 46
    {QT_TRANSLATE_NOOP("QObject", "设置meter的数值"), "set_mt_val", LineForm::Call, 3, {{"wid", "1"}, {"val", "0"}, {"state", "0"}}}, // 47
    {QT_TRANSLATE_NOOP("QObject", "获取meter的数值"), "get_mt_val", LineForm::Get, 2, {{"wid", "1"}, {"state", "0"}, {"指定变量", ""}}}, // 48
    {QT_TRANSLATE_NOOP("QObject", "设置曲线数值"), "set_ct_val", LineForm::Call, 5, {{"wid", "1"}, {"ch", "0"}, {"id", "0"}, {"val", "0"}, {"enable", "0"}}}, // 49
    {QT_TRANSLATE_NOOP("QObject", "获取曲线数值"), "get_ct_val", LineForm::Get, 3, {{"wid", "1"}, {"ch", "0"}, {"id", "0"}, {"指定变量", ""}}}, // 50
    {QT_TRANSLATE_NOOP("QObject", "自增控件数值"), "inc_val", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 51
    {QT_TRANSLATE_NOOP("QObject", "自减控件数值"), "dec_val", LineForm::Call, 2, {{"id", "1"}, {"val", "0"}}}, // 52
    {QT_TRANSLATE_NOOP("QObject", "自增背光值"), "inc_bl", LineForm::Call, 1, {{"val", "0"}}}, // 53
    {QT_TRANSLATE_NOOP("QObject", "自减背光值"), "dec_bl", LineForm::Call, 1, {{"val", "0"}}}, // 54
    {QT_TRANSLATE_NOOP("QObject", "自増meter数值"), "inc_mt_val", LineForm::Call, 3, {{"id", "1"}, {"val", "0"}, {"state", "0"}}}, // 55
    {QT_TRANSLATE_NOOP("QObject", "自减meter数值"), "dec_mt_val", LineForm::Call, 3, {{"id", "1"}, {"val", "0"}, {"state", "0"}}}, // 56
    {QT_TRANSLATE_NOOP("QObject", "手动上报自定义文本"), "report_str", LineForm::Text, 0, {{"字符常量", "0"}, {"字符变量", ""}}}, // 57
    {QT_TRANSLATE_NOOP("QObject", "控制IO电平"), "set_usr_pin", LineForm::Call, 2, {{"id", "0"}, {"val", "0"}}}, // 58
    {QT_TRANSLATE_NOOP("QObject", "⾃增label数字的值"), "inc_label_val", LineForm::Call, 3, {{"id", "1"}, {"val", "0"}, {"limit", "0"}}}, // 59
    {QT_TRANSLATE_NOOP("QObject", "⾃减label数字的值"), "dec_label_val", LineForm::Call, 3, {{"id", "1"}, {"val", "0"}, {"limit", "0"}}}, // 60
    {QT_TRANSLATE_NOOP("QObject", "控制控件触摸使能"), "touch_enable", LineForm::Call, 2, {{"id", "1"}, {"enbale", "0"}}}, // 61
    {QT_TRANSLATE_NOOP("QObject", "设置菜单光标信息"), "set_cursor_info", LineForm::Text, 4, {{"width", "1"}, {"color", "0"}, {"opa", "255"}, {"num", "2"}, {"字符常量", "0/1"}, {"字符变量", ""}}}, // 62
    {QT_TRANSLATE_NOOP("QObject", "控制菜单光标值自减"), "set_cursor_dec", LineForm::Call, 0, {}}, // 63
    {QT_TRANSLATE_NOOP("QObject", "控制菜单光标值自增"), "set_cursor_inc", LineForm::Call, 0, {}}, // 64
    {QT_TRANSLATE_NOOP("QObject", "获取菜单光标数值"), "get_cursor", LineForm::Get, 0, {{"指定变量", ""}}}, // 65
    {QT_TRANSLATE_NOOP("QObject", "设置曲线的下一个数值"), "set_ct_val2", LineForm::Call, 3, {{"wid", "1"}, {"cid", "0"}, {"val", "0"}}}, // 66
    {QT_TRANSLATE_NOOP("QObject", "设置页面加载方向"), "swi_page_load_dir", LineForm::Call, 1, {{"dir", "0"}}}, // 67
    {QT_TRANSLATE_NOOP("QObject", "查询控件触摸使能"), "get_touch_enable", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 68
    {QT_TRANSLATE_NOOP("QObject", "控制控件触摸状态"), "set_widgets_touch", LineForm::Call, 2, {{"id", "1"}, {"n", "0"}}}, // 69
    {QT_TRANSLATE_NOOP("QObject", "查询控件触摸状态"), "get_widgets_touch", LineForm::Get, 1, {{"id", "1"}, {"指定变量", ""}}}, // 70
    {QT_TRANSLATE_NOOP("QObject", "重启模块"), "restart", LineForm::Call, 0, {}}, // 71
    {QT_TRANSLATE_NOOP("QObject", "设置波特率"), "set_bps", LineForm::Call, 1, {{"baud", "115200"}}}, // 72
    {QT_TRANSLATE_NOOP("QObject", "获取波特率"), "get_bps", LineForm::Get, 0, {{"指定变量", ""}}}, // 73
    {QT_TRANSLATE_NOOP("QObject", "保存系统参数"), "save_sys", LineForm::Call, 0, {}}, // 74
    {QT_TRANSLATE_NOOP("QObject", "保存xvar"), "save_xvar", LineForm::Call, 1, {{"en", "0"}}}, // 75
    {QT_TRANSLATE_NOOP("QObject", "控制休眠参数"), "set_sleep", LineForm::Call, 2, {{"time(s)", "0"}, {"bl", "0"}}}, // 76
    {QT_TRANSLATE_NOOP("QObject", "控制蜂鸣器"), "set_buzzer", LineForm::Call, 1, {{"time(ms)", "0"}}}, // 77
    {QT_TRANSLATE_NOOP("QObject", "查询蜂鸣器"), "get_buzzer", LineForm::Get, 0, {{"指定变量", ""}}}, // 78
    {QT_TRANSLATE_NOOP("QObject", "设置485地址"), "set_addr", LineForm::Call, 1, {{"addr", "1"}}}, // 79
    {QT_TRANSLATE_NOOP("QObject", "获取485地址"), "get_addr", LineForm::Get, 0, {{"指定变量", ""}}}, // 80
};
// clang-format on

// Catalogue indexes offered in the add-event picker, in the order shown.
const int pickerOrder[EventInfo::PickerCount] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 23, 24, 25, 26, 27, 28, 29,
    30, 51, 52, 22, 36, 61, 68, 69, 70, 59, 60, 47, 48, 55, 56, 49, 50, 66, 38,
    67, 19, 44, 45, 41, 57, 62, 65, 63, 64, 15, 16, 17, 18, 75, 72, 73, 79, 80,
    31, 13, 20, 21, 76, 39, 40, 42, 43, 53, 54, 77, 78, 46, 58, 71, 74};

struct OwnerKindSpec
{
    int kind;
    const char *typeNames[3];
};

// Owner kinds with event types of their own; every other kind keeps the list it had.
const OwnerKindSpec ownerKinds[] = {
    {EventInfo::PageOwner,
     {QT_TRANSLATE_NOOP("QObject", "页面退出"), QT_TRANSLATE_NOOP("QObject", "页面进入")}},
    {EventInfo::TimerOwner, {QT_TRANSLATE_NOOP("QObject", "定时到达")}},
    {EventInfo::SleepTimerOwner,
     {QT_TRANSLATE_NOOP("QObject", "休眠退出"), QT_TRANSLATE_NOOP("QObject", "休眠进入")}},
    {widgetTypeCode(WidgetType::Btn),
     {QT_TRANSLATE_NOOP("QObject", "按钮退出"), QT_TRANSLATE_NOOP("QObject", "按钮进入")}},
    {widgetTypeCode(WidgetType::Prog),
     {QT_TRANSLATE_NOOP("QObject", "进度退出"), QT_TRANSLATE_NOOP("QObject", "进度增加"),
      QT_TRANSLATE_NOOP("QObject", "进度减少")}},
    {widgetTypeCode(WidgetType::Slider),
     {QT_TRANSLATE_NOOP("QObject", "slider抬起"), QT_TRANSLATE_NOOP("QObject", "slider增加"),
      QT_TRANSLATE_NOOP("QObject", "slider减少")}},
    {widgetTypeCode(WidgetType::Arc),
     {QT_TRANSLATE_NOOP("QObject", "arc退出"), QT_TRANSLATE_NOOP("QObject", "arc增加"),
      QT_TRANSLATE_NOOP("QObject", "arc减少")}},
};
constexpr int ownerKindCount = int(sizeof(ownerKinds) / sizeof(ownerKinds[0]));

const FunctionSpec *functionAt(int index)
{
    if (index < 0 || index >= EventInfo::FunctionCount)
        return nullptr;
    return &functions[index];
}

QString trObject(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

// The translated lists, built once per language and shared by every record meanwhile.
struct TranslatedCatalogue
{
    QStringList captions;
    QStringList pickerCaptions;
    QList<int> pickerIndices;
    QStringList typeNames[ownerKindCount];

    void build()
    {
        captions.clear();
        for (const FunctionSpec &f : functions)
            captions.append(trObject(f.caption));
        pickerCaptions.clear();
        pickerIndices.clear();
        for (int index : pickerOrder) {
            pickerCaptions.append(captions.at(index));
            pickerIndices.append(index);
        }
        for (int k = 0; k < ownerKindCount; ++k) {
            typeNames[k].clear();
            for (const char *name : ownerKinds[k].typeNames) {
                if (name)
                    typeNames[k].append(trObject(name));
            }
        }
    }
};

bool catalogueValid = false;

// Installing or removing a translator sends LanguageChange to the application object;
// that is when the shared lists go stale.
class LanguageWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
            catalogueValid = false;
        return false;
    }
};

// Returns a copy: the lists inside are shared, so this costs a few reference counts.
TranslatedCatalogue currentCatalogue()
{
    static TranslatedCatalogue catalogue;
    static QPointer<LanguageWatch> watch;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        // No language change can be noticed here: build afresh.
        TranslatedCatalogue fresh;
        fresh.build();
        return fresh;
    }
    if (!watch) {
        watch = new LanguageWatch(app);
        app->installEventFilter(watch);
        catalogueValid = false;
    }
    if (!catalogueValid) {
        catalogue.build();
        catalogueValid = true;
    }
    return catalogue;
}

} // namespace

EventInfo::EventInfo()
{
    for (QString &p : m_eventParam)
        p = QStringLiteral("0");
}

QString EventInfo::param(int i) const
{
    if (i < 0 || i >= ParamCount)
        return QString();
    return m_eventParam[i];
}

void EventInfo::setParam(int i, const QString &value)
{
    // Indexes come from project files too; one outside the record is ignored.
    if (i < 0 || i >= ParamCount)
        return;
    m_eventParam[i] = value;
}

void EventInfo::setOwnerType(int kind)
{
    m_ownerType = kind;
    for (int k = 0; k < ownerKindCount; ++k) {
        if (ownerKinds[k].kind == kind) {
            m_typeNamesKind = k;
            break;
        }
    }
}

bool EventInfo::ownerHasEvents(int kind)
{
    for (const OwnerKindSpec &spec : ownerKinds) {
        if (spec.kind == kind)
            return true;
    }
    return false;
}

QStringList EventInfo::typeNames() const
{
    return m_typeNamesKind >= 0 ? currentCatalogue().typeNames[m_typeNamesKind] : QStringList();
}

int EventInfo::typeCount() const
{
    if (m_typeNamesKind < 0)
        return 0;
    int count = 0;
    for (const char *name : ownerKinds[m_typeNamesKind].typeNames)
        count += name ? 1 : 0;
    return count;
}

QString EventInfo::typeName() const
{
    return typeNames().value(m_eventType);
}

QString EventInfo::funcCaption() const
{
    return currentCatalogue().captions.value(m_userType);
}

QStringList EventInfo::pickerCaptions() const
{
    return currentCatalogue().pickerCaptions;
}

QList<int> EventInfo::pickerIndices() const
{
    return currentCatalogue().pickerIndices;
}

QStringList EventInfo::paramDescriptors()
{
    m_paramLabelList.clear();
    QStringList keys;
    const FunctionSpec *f = functionAt(m_userType);
    if (!f)
        return keys;
    QString prefix;
    if (m_ownerType == -1)
        prefix = QStringLiteral("Event_Frame");
    else if (m_ownerType == -2 || m_ownerType == -3)
        prefix = QStringLiteral("Event_Timer");
    else
        prefix = QStringLiteral("Event_Wnd");
    const int count = f->paramCount();
    for (int i = 0; i < count; ++i) {
        keys.append(prefix + QLatin1Char('_') + QString::number(i));
        m_paramLabelList.append(trObject(f->params[i].label));
    }
    return keys;
}

QString EventInfo::paramLabel(int i) const
{
    return m_paramLabelList.value(i);
}

void EventInfo::setDefaultParams()
{
    const FunctionSpec *f = functionAt(m_userType);
    if (!f)
        return;
    const int count = f->paramCount();
    for (int i = 0; i < count; ++i)
        m_eventParam[i] = QString::fromUtf8(f->params[i].defaultValue);
}

QByteArray EventInfo::toCode() const
{
    const FunctionSpec *f = functionAt(m_userType);
    if (!f)
        return QByteArray();

    // Values are joined in as they are, so a parameter holding "%2" stays literal. Built in
    // one piece: generation writes thousands of these lines.
    QString line;
    line.reserve(64);
    if (f->form == LineForm::Get) {
        const QString &variable = m_eventParam[f->lead];
        if (!variable.isEmpty())
            line += variable + QLatin1Char('=');
    }
    line += QLatin1String("user.");
    line += QLatin1String(f->name);
    line += QLatin1Char('(');
    for (int i = 0; i < f->lead; ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        line += m_eventParam[i];
    }
    if (f->form == LineForm::Text) {
        if (f->lead > 0)
            line += QLatin1Char(',');
        const QString &constant = m_eventParam[f->lead];
        line +=
            constant.isEmpty() ? m_eventParam[f->lead + 1] : ScriptText::stringConstant(constant);
    }
    line += QLatin1String(")\r\n");
    return line.toUtf8();
}

EventInfo::CodeProblem EventInfo::codeProblem(int *param) const
{
    const FunctionSpec *f = functionAt(m_userType);
    if (!f)
        return CodeProblem::None;
    const auto found = [param](CodeProblem problem, int i) {
        if (param)
            *param = i;
        return problem;
    };
    for (int i = 0; i < f->lead; ++i) {
        if (!ScriptText::isExpression(m_eventParam[i]))
            return found(CodeProblem::UnsafeArgument, i);
    }
    const QString &last = m_eventParam[f->lead];
    if (f->form == LineForm::Get && !last.isEmpty() && !ScriptText::isName(last))
        return found(CodeProblem::ResultNotAName, f->lead);
    // The string variable is written only in place of an empty constant.
    if (f->form == LineForm::Text && last.isEmpty()
        && !ScriptText::isExpression(m_eventParam[f->lead + 1]))
        return found(CodeProblem::UnsafeArgument, f->lead + 1);
    return CodeProblem::None;
}

QString EventInfo::paramCaption(int i) const
{
    const FunctionSpec *f = functionAt(m_userType);
    if (!f || i < 0 || i >= f->paramCount())
        return QString();
    return trObject(f->params[i].label);
}
