<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AllCfg</name>
    <message>
        <source>定时器%1的脚本无法读取</source>
        <translation>The script of timer %1 cannot be read</translation>
    </message>
    <message>
        <source>all.cfg无法写入</source>
        <translation>all.cfg cannot be written</translation>
    </message>
    <message>
        <source>%1的页面文件无法写入</source>
        <translation>The page file of %1 cannot be written</translation>
    </message>
    <message>
        <source>%1：脚本%2无法写入</source>
        <translation>%1: the script %2 cannot be written</translation>
    </message>
    <message>
        <source>%1 %2：记录位置超过65535</source>
        <translation>%1 %2: the record starts beyond byte 65535</translation>
    </message>
    <message>
        <source>%1 %2：文本长度超过65535</source>
        <translation>%1 %2: the text length is above 65535</translation>
    </message>
    <message>
        <source>%1 %2：曲线数据超过65535字节</source>
        <translation>%1 %2: the series data is longer than 65535 bytes</translation>
    </message>
    <message>
        <source>%1：多个控件的ID都是%2</source>
        <translation>%1: more than one widget has the id %2</translation>
    </message>
</context>
<context>
    <name>BootDlg</name>
    <message>
        <source>开机设置</source>
        <translation>CoreSetting</translation>
    </message>
    <message>
        <source>开机动画设置</source>
        <translation>Boot animation settings</translation>
    </message>
    <message>
        <source>开机动画</source>
        <translation>Boot animation</translation>
    </message>
    <message>
        <source>跳转页面：</source>
        <translation>Jump to page:</translation>
    </message>
    <message>
        <source>跳转时间(ms)：</source>
        <translation>Jump time (ms):</translation>
    </message>
    <message>
        <source>Img控件ID：</source>
        <translation>Img widget ID:</translation>
    </message>
    <message>
        <source>起始动画ID：</source>
        <translation>Start animation ID:</translation>
    </message>
    <message>
        <source>结束动画ID：</source>
        <translation>End animation ID:</translation>
    </message>
    <message>
        <source>动画时间(ms)：</source>
        <translation>Animation time (ms):</translation>
    </message>
    <message>
        <source>动画循环播放</source>
        <translation>Play in a loop</translation>
    </message>
    <message>
        <source>动画播放次数：</source>
        <translation>Play count:</translation>
    </message>
    <message>
        <source>动画所处页面：</source>
        <translation>Animation page:</translation>
    </message>
    <message>
        <source>动画执行后页面：</source>
        <translation>Page after the animation:</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>485使能</source>
        <translation>RS-485 enable</translation>
    </message>
    <message>
        <source>485地址：</source>
        <translation>RS-485 address:</translation>
    </message>
    <message>
        <source>CRC16使能</source>
        <translation>CRC16 enable</translation>
    </message>
    <message>
        <source>触摸控件输出坐标点</source>
        <translation>Touch widgets report coordinates</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>背光度(%)：</source>
        <translation>Backlight (%) :</translation>
    </message>
    <message>
        <source>蜂鸣时间(ms)：</source>
        <translation>Buzzer time (ms):</translation>
    </message>
    <message>
        <source>0为不开启蜂鸣器</source>
        <translation>0 turns the buzzer off</translation>
    </message>
    <message>
        <source>休眠设置</source>
        <translation>Sleep settings</translation>
    </message>
    <message>
        <source>休眠时间(s)：</source>
        <translation>Sleep time (s):</translation>
    </message>
    <message>
        <source>休眠亮度(%)：</source>
        <translation>Sleep brightness (%):</translation>
    </message>
    <message>
        <source>休眠时间为0，则不休眠</source>
        <translation>A sleep time of 0 means no sleep</translation>
    </message>
    <message>
        <source>初始值</source>
        <translation>Initial</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存参数成功！</source>
        <translation>Parameters saved successfully!</translation>
    </message>
    <message>
        <source>保存参数失败！</source>
        <translation>Failed to save parameters!</translation>
    </message>
    <message>
        <source>未创建或加载项目，无法保存！</source>
        <translation>Project not created or loaded, cannot be saved!</translation>
    </message>
    <message>
        <source>您是否要保存参数？</source>
        <translation>Do you want to save parameters?</translation>
    </message>
</context>
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
    <message>
        <source>按键</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>图像</source>
        <translation>Img</translation>
    </message>
    <message>
        <source>进度条</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>滑块</source>
        <translation>Slider</translation>
    </message>
    <message>
        <source>圆弧进度条</source>
        <translation>Arc</translation>
    </message>
    <message>
        <source>码表</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>曲线</source>
        <translation>Chart</translation>
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
<context>
    <name>MainWindow</name>
    <message>
        <source>yBEX软件使用文档</source>
        <translation>yBEX software usage document</translation>
    </message>
    <message>
        <source>KVR&amp;&amp;PMW应用文档</source>
        <translation>KVR&amp;&amp;PMW application document</translation>
    </message>
    <message>
        <source>KVR&amp;&amp;PMW用户函数和指令集</source>
        <translation>KVR&amp;&amp;PMW User functions and instruction</translation>
    </message>
    <message>
        <source>KVR编程实例</source>
        <translation>KVR programming example</translation>
    </message>
    <message>
        <source>KVR使用注意事项</source>
        <translation>KVR use precautions</translation>
    </message>
    <message>
        <source>KVR图片脱机上传流程</source>
        <translation>KVR image offline upload process</translation>
    </message>
    <message>
        <source>KVR&amp;&amp;PMW视频学习资料</source>
        <translation>KVR&amp;&amp;PMW video learning material</translation>
    </message>
    <message>
        <source>技术支持窗口</source>
        <translation>Technical Support Window</translation>
    </message>
    <message>
        <source>yBEX字体生成失败解决方法</source>
        <translation>Solution to yBEX font generation failure</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>端口选择</source>
        <translation>Port Select</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>DownLoad</translation>
    </message>
    <message>
        <source>开机设置</source>
        <translation>CoreSetting</translation>
    </message>
    <message>
        <source>字体工具</source>
        <translation>FontTool</translation>
    </message>
    <message>
        <source>上手指引</source>
        <translation>Readme</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>指令调试</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>图库</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>字库</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>名称：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>ttf：</source>
        <translation>ttf:</translation>
    </message>
    <message>
        <source>大小：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>抗锯齿：</source>
        <translation>Aliasing:</translation>
    </message>
    <message>
        <source>内容：</source>
        <translation>Content:</translation>
    </message>
    <message>
        <source>0-31数值</source>
        <translation>0-31 value</translation>
    </message>
    <message>
        <source>添加ttf</source>
        <translation>Add ttf</translation>
    </message>
    <message>
        <source>删除ttf</source>
        <translation>Del ttf</translation>
    </message>
    <message>
        <source>生成字体</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>删除字体</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>定时器</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>命令控制台</source>
        <translation>Command console</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>删除页</source>
        <translation>Delete page</translation>
    </message>
    <message>
        <source>添加页</source>
        <translation>Add page</translation>
    </message>
    <message>
        <source>删除事件</source>
        <translation>Delete Event</translation>
    </message>
    <message>
        <source>添加事件</source>
        <translation>Add Event</translation>
    </message>
    <message>
        <source>编辑事件</source>
        <translation>Edit Event</translation>
    </message>
    <message>
        <source>路径：</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>退出软件前是否保存当前项目？</source>
        <translation>Do you want to save the current project before exiting the software?</translation>
    </message>
    <message>
        <source>路径错误，保存失败！</source>
        <translation>Path error, save failed!</translation>
    </message>
    <message>
        <source>新建项目</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>新建项目名称已存在，请您重新命名！</source>
        <translation>The new project name already exists, please rename it!</translation>
    </message>
    <message>
        <source>不可删除最后一页！</source>
        <translation>The last page cannot be deleted!</translation>
    </message>
    <message>
        <source>是否删除第%1页？</source>
        <translation>Delete page %1?</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Thumb</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Dpi</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>复制页</source>
        <translation>Copy page</translation>
    </message>
    <message>
        <source>粘贴页</source>
        <translation>Paste page</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>未创建项目，请您先创建项目！</source>
        <translation>No project created yet, please create a project first!</translation>
    </message>
    <message>
        <source>文件总大小：%1KB</source>
        <translation>Total file size:%1KB</translation>
    </message>
    <message>
        <source>//调整背光的亮度到20 范围：0为最亮 255为最暗</source>
        <translation>//Adjust the backlight brightness to 20: 0 for brightest and 255 for darkest</translation>
    </message>
    <message>
        <source>//延时100ms</source>
        <translation>//Delay 100 ms</translation>
    </message>
    <message>
        <source>//跳转到第一页</source>
        <translation>//Jump to page 1</translation>
    </message>
    <message>
        <source>//关闭lcd</source>
        <translation>//Close lcd</translation>
    </message>
    <message>
        <source>//更新0号二维码的内容为</source>
        <translation>//Update qrcode 0 with </translation>
    </message>
    <message>
        <source>//重启模块</source>
        <translation>//Restart the module</translation>
    </message>
    <message>
        <source>//设置按钮1为按下状态</source>
        <translation>//Set button 1 to pressed state</translation>
    </message>
    <message>
        <source>//修改按钮0,抬起状态时的图片编号为1,并显示出来</source>
        <translation>//Change button 0's released-state picture number to 1 and display it</translation>
    </message>
    <message>
        <source>//SET_NUM(3,20,3);设置num3的内容为20，占3位</source>
        <translation>//SET_NUM(3,20,3);Set num 3 with the value 20 and hold 3 digits width</translation>
    </message>
    <message>
        <source>//设置指针5的度数为90度</source>
        <translation>//Set the degree of pointer 5 to 90</translation>
    </message>
    <message>
        <source>//设置进度条4的值为50</source>
        <translation>//Set progress bar 4 to 50</translation>
    </message>
    <message>
        <source>//设置文本2的内容为'关闭'，注意只支持16个中文</source>
        <translation>//Set the content of text 2 to '关闭'; only 16 Chinese characters are supported</translation>
    </message>
    <message>
        <source>//获取模块的固件版本信息</source>
        <translation>//Obtain module firmware version information</translation>
    </message>
    <message>
        <source>保存成功！</source>
        <translation>Save successfully!</translation>
    </message>
    <message>
        <source>导入成功！</source>
        <translation>Import successful!</translation>
    </message>
    <message>
        <source>加载控件错误，可能该项目之前未做保存操作，导入失败！</source>
        <translation>Error loading widgets; the project may never have been saved. Import failed!</translation>
    </message>
    <message>
        <source>加载项目路径错误，导入失败！</source>
        <translation>Wrong project path, import failed!</translation>
    </message>
    <message>
        <source>是否导入项目？</source>
        <translation>Import the project?</translation>
    </message>
    <message>
        <source>您是否需要继续导入项目覆盖当前项目？（建议您先保存当前项目再导入！）</source>
        <translation>Do you want to import a project over the current project? (We suggest saving the current project before importing!)</translation>
    </message>
    <message>
        <source>导入项目</source>
        <translation>Import project</translation>
    </message>
    <message>
        <source>是否保存当前项目？</source>
        <translation>Save the current project?</translation>
    </message>
    <message>
        <source>未创建或加载项目，无法下载！</source>
        <translation>Project not created or loaded, cannot download!</translation>
    </message>
    <message>
        <source>图库资源有更改，是否继续下载当前项目到显示屏上？（建议您先下载图片资源）</source>
        <translation>The image library has changed. Download the current project to the display anyway? (Download the images first.)</translation>
    </message>
    <message>
        <source>是否下载当前项目到显示屏上？</source>
        <translation>Download the current project to the display?</translation>
    </message>
    <message>
        <source>%1:生成all.cfg失败！</source>
        <translation>%1: Failed to generate all.cfg!</translation>
    </message>
    <message>
        <source>图库备份失败！</source>
        <translation>The image library backup failed!</translation>
    </message>
    <message>
        <source>以下文件未能复制：
%1</source>
        <translation>These files were not copied:
%1</translation>
    </message>
    <message>
        <source>未新建或加载项目，请您先新建或加载项目！</source>
        <translation>No project is created or loaded. Please create or load a project first!</translation>
    </message>
    <message>
        <source>下载中请稍后重试！</source>
        <translation>Downloading, please try again later!</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Select images</translation>
    </message>
    <message>
        <source>选择字库</source>
        <translation>Select fonts</translation>
    </message>
    <message>
        <source>下载中，不可删除！</source>
        <translation>Downloading, cannot delete!</translation>
    </message>
    <message>
        <source>您是否需要删除选中的图片？</source>
        <translation>Delete the checked images?</translation>
    </message>
    <message>
        <source>是否删除选中的字库？</source>
        <translation>Delete the checked font libraries?</translation>
    </message>
    <message>
        <source>未添加图片无法下载，请您先添加图片！</source>
        <translation>No images to download. Please add images first!</translation>
    </message>
    <message>
        <source>您是否需要下载图库？</source>
        <translation>Download the image library?</translation>
    </message>
    <message>
        <source>未生成有字体文件，无法下载，请您先生成字体文件！</source>
        <translation>No fonts are generated, nothing to download. Please generate a font first!</translation>
    </message>
    <message>
        <source>您是否需要下载字库？</source>
        <translation>Download the fonts?</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>未加载项目，请您先创建或导入项目！</source>
        <translation>No project is loaded. Please create or import a project first!</translation>
    </message>
    <message>
        <source>您是否需要删除%1文件？</source>
        <translation>Delete the file %1?</translation>
    </message>
    <message>
        <source>未配置正确node，请您确认node是否正确安装！</source>
        <translation>Node is not set up correctly. Please check that Node.js is installed!</translation>
    </message>
    <message>
        <source>字库不可以超过%1个！</source>
        <translation>There can be at most %1 fonts!</translation>
    </message>
    <message>
        <source>字体名称应该为数字！</source>
        <translation>The font name must be a number!</translation>
    </message>
    <message>
        <source>名称为数值，且数值范围为0-%1！</source>
        <translation>The name is a number from 0 to %1!</translation>
    </message>
    <message>
        <source>生成字体失败！</source>
        <translation>Font generation failed! </translation>
    </message>
    <message>
        <source>生成字体成功</source>
        <translation>Font generated</translation>
    </message>
    <message>
        <source>您是否需要删除列表中选择的字体？</source>
        <translation>Delete the font selected in the list?</translation>
    </message>
</context>
<context>
    <name>QMyFrame</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>未添加页，请您先添加页！</source>
        <translation>No page added, please add a page first!</translation>
    </message>
</context>
<context>
    <name>TextBoxDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>文本输入</source>
        <translation>Text input</translation>
    </message>
</context>
<context>
    <name>QtBoolEdit</name>
    <message>
        <source>True</source>
        <translation>True</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
</context>
<context>
    <name>QtBoolPropertyManager</name>
    <message>
        <source>True</source>
        <translation>True</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
</context>
<context>
    <name>QtColorEditWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QtColorPropertyManager</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
</context>
<context>
    <name>QtPropertyBrowserUtils</name>
    <message>
        <source>[%1, %2, %3] (%4)</source>
        <translation>[%1, %2, %3] (%4)</translation>
    </message>
</context>
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>QtUserTypeOne_ImageWidget</name>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>未选择图片，请您在图库中选择一张图片！</source>
        <translation>Not selected picture, please select a picture in the gallery!</translation>
    </message>
</context>
<context>
    <name>QtUserTypeTwo_ColorWidget</name>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>FontDlg</name>
    <message>
        <source>字体生成工具</source>
        <translation>Font tool</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>字体名称</source>
        <translation>Font name</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>抗锯齿大小</source>
        <translation>Anti-aliasing</translation>
    </message>
    <message>
        <source>需要获取的字</source>
        <translation>Characters to include</translation>
    </message>
    <message>
        <source>生成字体</source>
        <translation>Create font</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>选择字库</source>
        <translation>Select fonts</translation>
    </message>
    <message>
        <source>以下文件未能复制：
%1</source>
        <translation>These files were not copied:
%1</translation>
    </message>
    <message>
        <source>您是否需要删除%1文件？</source>
        <translation>Delete the file %1?</translation>
    </message>
    <message>
        <source>未加载项目，请您先创建或导入项目！</source>
        <translation>No project is loaded. Please create or import a project first!</translation>
    </message>
    <message>
        <source>名称为数值，且数值范围为0-%1！</source>
        <translation>The name is a number from 0 to %1!</translation>
    </message>
    <message>
        <source>生成%1.font字体成功</source>
        <translation>Font %1.font generated</translation>
    </message>
</context>
<context>
    <name>FontConverter</name>
    <message>
        <source>无法写入%1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>无法启动%1</source>
        <translation>Cannot start %1</translation>
    </message>
    <message>
        <source>%1运行超时</source>
        <translation>%1 timed out</translation>
    </message>
    <message>
        <source>%1退出码%2</source>
        <translation>%1 exit code %2</translation>
    </message>
    <message>
        <source>%1未生成字体文件</source>
        <translation>%1 made no font file</translation>
    </message>
</context>
<context>
    <name>DownloadLimits</name>
    <message>
        <source>页面超上限、</source>
        <translation>Page out of limit,</translation>
    </message>
    <message>
        <source>第%1页、</source>
        <translation>Page %1,</translation>
    </message>
    <message>
        <source>控件超上限、</source>
        <translation> control overlimit,</translation>
    </message>
    <message>
        <source>第%1页ID为%2、</source>
        <translation>Page %1 ID %2,</translation>
    </message>
    <message>
        <source>文本最大字节数属性值超过显示屏最大字符串上限、</source>
        <translation> the maximum number of bytes of the text attribute exceeds the display&apos;s maximum string size,</translation>
    </message>
    <message>
        <source>第%1、</source>
        <translation>Page %1,</translation>
    </message>
    <message>
        <source>页文件超内存上限或超过%1Kb、</source>
        <translation> page file exceeds the memory limit or %1Kb,</translation>
    </message>
    <message>
        <source>文件超Flash上限、</source>
        <translation>File exceeds the flash limit,</translation>
    </message>
    <message>
        <source>图片张数超上限、</source>
        <translation>The number of pictures exceeds the limit,</translation>
    </message>
    <message>
        <source>图片超Flash上限、</source>
        <translation>Pictures exceed the flash limit,</translation>
    </message>
    <message>
        <source>字库个数超上限、</source>
        <translation>The number of fonts exceeds the limit,</translation>
    </message>
    <message>
        <source>字库超Flash上限、</source>
        <translation>Fonts exceed the flash limit,</translation>
    </message>
</context>
<context>
    <name>YModem</name>
    <message>
        <source>通信未打开，请您确认通信是否打开！</source>
        <translation>Communication is not open, please confirm whether the communication is open!</translation>
    </message>
    <message>
        <source>串口%1已拔出！</source>
        <translation>Serial port %1 is pulled out!</translation>
    </message>
    <message>
        <source>项目下载失败，请您确认文件是否存在！</source>
        <translation>Project download failed, please confirm whether the file exists!</translation>
    </message>
    <message>
        <source>通信超时！</source>
        <translation>Communication timeout!</translation>
    </message>
    <message>
        <source>通信超时，项目下载失败，请您确认通信是否正常！</source>
        <translation>Communication timeout, project download failure, please confirm whether the communication is normal!</translation>
    </message>
    <message>
        <source>文件名%1过长，无法下载！</source>
        <translation>The file name %1 is too long to download!</translation>
    </message>
    <message>
        <source>没有需要下载的图片！</source>
        <translation>There are no pictures to download!</translation>
    </message>
    <message>
        <source>没有需要下载的字库！</source>
        <translation>There are no fonts to download!</translation>
    </message>
    <message>
        <source>图片下载失败，%1图片打开失败！</source>
        <translation>Image download failed, %1 image open failed!</translation>
    </message>
    <message>
        <source>字库下载失败，%1字体文件打开失败！</source>
        <translation>Font library download failed, %1 font file failed to open!</translation>
    </message>
    <message>
        <source>指令集发送成功！</source>
        <translation>Sent command finished!</translation>
    </message>
</context>
<context>
    <name>YModemPortDlg</name>
    <message>
        <source>端口选择</source>
        <translation>Port Select</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>串口未连接！</source>
        <translation>Serial port not connected!</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open serial port</translation>
    </message>
    <message>
        <source>通信测试</source>
        <translation>Communication test</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>串口已连接！</source>
        <translation>Serial port connected!</translation>
    </message>
    <message>
        <source>串口已断开！</source>
        <translation>Serial port disconnected!</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close serial port</translation>
    </message>
    <message>
        <source>通信未连接，请您先连接通信！</source>
        <translation>Communication is not connected, please connect communication first!</translation>
    </message>
    <message>
        <source>串口%1已拔出！</source>
        <translation>Serial port %1 is pulled out!</translation>
    </message>
</context>
</TS>
