<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>页面退出</source>
        <translation>Page Exit</translation>
    </message>
    <message>
        <source>页面进入</source>
        <translation>Page Entry</translation>
    </message>
    <message>
        <source>定时到达</source>
        <translation>Timed Arrival</translation>
    </message>
    <message>
        <source>休眠退出</source>
        <translation>Sleep Exit</translation>
    </message>
    <message>
        <source>休眠进入</source>
        <translation>Sleep Entry</translation>
    </message>
    <message>
        <source>按钮退出</source>
        <translation>Button Exit</translation>
    </message>
    <message>
        <source>按钮进入</source>
        <translation>Button Entry</translation>
    </message>
    <message>
        <source>进度退出</source>
        <translation>Prog Exit</translation>
    </message>
    <message>
        <source>进度增加</source>
        <translation>Prog Increase</translation>
    </message>
    <message>
        <source>进度减少</source>
        <translation>Prog Decrease</translation>
    </message>
    <message>
        <source>slider抬起</source>
        <translation>Slider Lift</translation>
    </message>
    <message>
        <source>slider增加</source>
        <translation>Slider Increase</translation>
    </message>
    <message>
        <source>slider减少</source>
        <translation>Slider Decrease</translation>
    </message>
    <message>
        <source>arc退出</source>
        <translation>Arc Exit</translation>
    </message>
    <message>
        <source>arc增加</source>
        <translation>Arc Increase</translation>
    </message>
    <message>
        <source>arc减少</source>
        <translation>Arc Decrease</translation>
    </message>
    <message>
        <source>设置控件x值</source>
        <translation>Set widget x</translation>
    </message>
    <message>
        <source>获取控件x值</source>
        <translation>Get widget x</translation>
    </message>
    <message>
        <source>设置控件y值</source>
        <translation>Set widget y</translation>
    </message>
    <message>
        <source>获取控件y值</source>
        <translation>Get widget y</translation>
    </message>
    <message>
        <source>设置控件w值</source>
        <translation>Set widget width</translation>
    </message>
    <message>
        <source>获取控件w值</source>
        <translation>Get widget width</translation>
    </message>
    <message>
        <source>设置控件h值</source>
        <translation>Set widget height</translation>
    </message>
    <message>
        <source>获取控件h值</source>
        <translation>Get widget height</translation>
    </message>
    <message>
        <source>设置控件文本值</source>
        <translation>Set widget text</translation>
    </message>
    <message>
        <source>获取控件文本值</source>
        <translation>Get widget text</translation>
    </message>
    <message>
        <source>设置控件数值</source>
        <translation>Set widget value</translation>
    </message>
    <message>
        <source>获取控件数值</source>
        <translation>Get widget value</translation>
    </message>
    <message>
        <source>获取蜂鸣器的值</source>
        <translation>Get buzzer value</translation>
    </message>
    <message>
        <source>控制定时器</source>
        <translation>Control timer</translation>
    </message>
    <message>
        <source>更新qrcode</source>
        <translation>Update QR code</translation>
    </message>
    <message>
        <source>设置ivar</source>
        <translation>Set ivar</translation>
    </message>
    <message>
        <source>获取ivar</source>
        <translation>Get ivar</translation>
    </message>
    <message>
        <source>设置svar</source>
        <translation>Set svar</translation>
    </message>
    <message>
        <source>获取svar</source>
        <translation>Get svar</translation>
    </message>
    <message>
        <source>查询页面</source>
        <translation>Query page</translation>
    </message>
    <message>
        <source>控制定时器的计数值</source>
        <translation>Set timer count</translation>
    </message>
    <message>
        <source>查询定时器的计数值</source>
        <translation>Query timer count</translation>
    </message>
    <message>
        <source>隐藏控件</source>
        <translation>Hide widget</translation>
    </message>
    <message>
        <source>设置控件背景色1</source>
        <translation>Set widget background color 1</translation>
    </message>
    <message>
        <source>获取控件背景色1</source>
        <translation>Get widget background color 1</translation>
    </message>
    <message>
        <source>设置控件背景色2</source>
        <translation>Set widget background color 2</translation>
    </message>
    <message>
        <source>获取控件背景色2</source>
        <translation>Get widget background color 2</translation>
    </message>
    <message>
        <source>设置控件字体颜色</source>
        <translation>Set widget font color</translation>
    </message>
    <message>
        <source>获取控件字体颜色</source>
        <translation>Get widget font color</translation>
    </message>
    <message>
        <source>设置不透明度</source>
        <translation>Set opacity</translation>
    </message>
    <message>
        <source>获取不透明度</source>
        <translation>Get opacity</translation>
    </message>
    <message>
        <source>控制延时</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>设置meter的值</source>
        <translation>Set meter value</translation>
    </message>
    <message>
        <source>设置clock小时</source>
        <translation>Set clock hour</translation>
    </message>
    <message>
        <source>设置clock分钟</source>
        <translation>Set clock minute</translation>
    </message>
    <message>
        <source>设置clock秒钟</source>
        <translation>Set clock second</translation>
    </message>
    <message>
        <source>保存控件</source>
        <translation>Save widgets</translation>
    </message>
    <message>
        <source>chart内容更新</source>
        <translation>Update chart content</translation>
    </message>
    <message>
        <source>隐藏曲线</source>
        <translation>Hide curve</translation>
    </message>
    <message>
        <source>查询休眠参数</source>
        <translation>Query sleep parameters</translation>
    </message>
    <message>
        <source>查询休眠亮度</source>
        <translation>Query sleep backlight</translation>
    </message>
    <message>
        <source>手动上报自定义数值</source>
        <translation>Report custom value</translation>
    </message>
    <message>
        <source>控制背光值</source>
        <translation>Set backlight</translation>
    </message>
    <message>
        <source>查询背光值</source>
        <translation>Query backlight</translation>
    </message>
    <message>
        <source>跳转页面</source>
        <translation>Jump to page</translation>
    </message>
    <message>
        <source>隐藏当前页面</source>
        <translation>Hide current page</translation>
    </message>
    <message>
        <source>查询版本号</source>
        <translation>Query version number</translation>
    </message>
    <message>
        <source>设置meter的数值</source>
        <translation>Set meter numeric value</translation>
    </message>
    <message>
        <source>获取meter的数值</source>
        <translation>Get meter numeric value</translation>
    </message>
    <message>
        <source>设置曲线数值</source>
        <translation>Set curve value</translation>
    </message>
    <message>
        <source>获取曲线数值</source>
        <translation>Get curve value</translation>
    </message>
    <message>
        <source>自增控件数值</source>
        <translation>Increment widget value</translation>
    </message>
    <message>
        <source>自减控件数值</source>
        <translation>Decrement widget value</translation>
    </message>
    <message>
        <source>自增背光值</source>
        <translation>Increment backlight</translation>
    </message>
    <message>
        <source>自减背光值</source>
        <translation>Decrement backlight</translation>
    </message>
    <message>
        <source>自増meter数值</source>
        <translation>Increment meter value</translation>
    </message>
    <message>
        <source>自减meter数值</source>
        <translation>Decrement meter value</translation>
    </message>
    <message>
        <source>手动上报自定义文本</source>
        <translation>Report custom text</translation>
    </message>
    <message>
        <source>控制IO电平</source>
        <translation>Set IO level</translation>
    </message>
    <message>
        <source>⾃增label数字的值</source>
        <translation>Increment label number</translation>
    </message>
    <message>
        <source>⾃减label数字的值</source>
        <translation>Decrement label number</translation>
    </message>
    <message>
        <source>控制控件触摸使能</source>
        <translation>Set widget touch enable</translation>
    </message>
    <message>
        <source>设置菜单光标信息</source>
        <translation>Set menu cursor info</translation>
    </message>
    <message>
        <source>控制菜单光标值自减</source>
        <translation>Decrement menu cursor</translation>
    </message>
    <message>
        <source>控制菜单光标值自增</source>
        <translation>Increment menu cursor</translation>
    </message>
    <message>
        <source>获取菜单光标数值</source>
        <translation>Get menu cursor value</translation>
    </message>
    <message>
        <source>设置曲线的下一个数值</source>
        <translation>Set next curve value</translation>
    </message>
    <message>
        <source>设置页面加载方向</source>
        <translation>Set page load direction</translation>
    </message>
    <message>
        <source>查询控件触摸使能</source>
        <translation>Query widget touch enable</translation>
    </message>
    <message>
        <source>控制控件触摸状态</source>
        <translation>Set widget touch state</translation>
    </message>
    <message>
        <source>查询控件触摸状态</source>
        <translation>Query widget touch state</translation>
    </message>
    <message>
        <source>重启模块</source>
        <translation>Restart module</translation>
    </message>
    <message>
        <source>设置波特率</source>
        <translation>Set baud rate</translation>
    </message>
    <message>
        <source>获取波特率</source>
        <translation>Get baud rate</translation>
    </message>
    <message>
        <source>保存系统参数</source>
        <translation>Save system parameters</translation>
    </message>
    <message>
        <source>保存xvar</source>
        <translation>Save xvar</translation>
    </message>
    <message>
        <source>控制休眠参数</source>
        <translation>Set sleep parameters</translation>
    </message>
    <message>
        <source>控制蜂鸣器</source>
        <translation>Sound buzzer</translation>
    </message>
    <message>
        <source>查询蜂鸣器</source>
        <translation>Query buzzer</translation>
    </message>
    <message>
        <source>设置485地址</source>
        <translation>Set 485 address</translation>
    </message>
    <message>
        <source>获取485地址</source>
        <translation>Get 485 address</translation>
    </message>
    <message>
        <source>指定变量</source>
        <translation>Specify the variable</translation>
    </message>
    <message>
        <source>字符常量</source>
        <translation>Const string</translation>
    </message>
    <message>
        <source>字符变量</source>
        <translation>Variable string</translation>
    </message>
</context>
<context>
    <name>QMyEventDlg</name>
    <message>
        <source>事件信息</source>
        <translation>EventInfo</translation>
    </message>
    <message>
        <source>事件类型：</source>
        <translation>EventType:</translation>
    </message>
    <message>
        <source>用户函数：</source>
        <translation>User Function:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>SetScreenSizeDlg</name>
    <message>
        <source>设置分辨率</source>
        <translation>Set Dpi</translation>
    </message>
    <message>
        <source>分辨率：</source>
        <translation>Dpi:</translation>
    </message>
    <message>
        <source>方向：</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>型号系列：</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Rotate 90°</translation>
    </message>
    <message>
        <source>旋转180°</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>旋转270°</source>
        <translation>Rotate 270°</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>KV</source>
        <translation>KV</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
</context>
<context>
    <name>PageRenameDlg</name>
    <message>
        <source>页重命名</source>
        <translation>Rename Page</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Page-0:</source>
        <translation>Page-0:</translation>
    </message>
</context>
<context>
    <name>QMyMessageBox</name>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>QMyProgressBarMes</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Finish</translation>
    </message>
</context>
<context>
    <name>ColorDlg</name>
    <message>
        <source>颜色表</source>
        <translation>Color Table</translation>
    </message>
    <message>
        <source>当前颜色：</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ShowInfoDlg</name>
    <message>
        <source>显示屏信息</source>
        <translation>Display information</translation>
    </message>
    <message>
        <source>页面上限(页)：</source>
        <translation>Page limit:</translation>
    </message>
    <message>
        <source>控件上限(个)：</source>
        <translation>Control limit:</translation>
    </message>
    <message>
        <source>图片上限(张)：</source>
        <translation>Image limit:</translation>
    </message>
    <message>
        <source>定时器上限(个)：</source>
        <translation>Timer limit:</translation>
    </message>
    <message>
        <source>字库文件上限(个)：</source>
        <translation>Font file limit :</translation>
    </message>
    <message>
        <source>曲线上限(个)：</source>
        <translation>Chart limit:</translation>
    </message>
    <message>
        <source>路径最大长度(字符)：</source>
        <translation>Max path length:</translation>
    </message>
    <message>
        <source>最大字符串(个)：</source>
        <translation>Max string:</translation>
    </message>
    <message>
        <source>内存(Kb)：</source>
        <translation>Memory (Kb) :</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>分辨率：</source>
        <translation>Dpi:</translation>
    </message>
    <message>
        <source>背光度(%)：</source>
        <translation>Backlight (%) :</translation>
    </message>
    <message>
        <source>屏幕方向：</source>
        <translation>Screen orientation:</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Rotate 90°</translation>
    </message>
    <message>
        <source>旋转180°</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>旋转270°</source>
        <translation>Rotate 270°</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flash(Kb)：</source>
        <translation>Flash(Kb):</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>版本信息：</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>SysDlg</name>
    <message>
        <source>开机设置</source>
        <translation>CoreSetting</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>屏幕亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
</context>
<context>
    <name>QMyLabel</name>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
</context>
<context>
    <name>QMyPushButton</name>
    <message>
        <source>按键</source>
        <translation>Button</translation>
    </message>
</context>
<context>
    <name>QMyTextBox</name>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>LanguageDlg</name>
    <message>
        <source>语言选择</source>
        <translation>language choice</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
