<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AllCfg</name>
    <message>
        <source>%1 %2：字体%3不存在，请先生成该字体或选择已有的字体</source>
        <translation>%1 %2: font %3 does not exist; generate it or choose a generated font</translation>
    </message>
    <message>
        <source>%1 %2：图片%3不在图库中，请先把该图片加入图库或选择图库中的图片</source>
        <translation>%1 %2: picture %3 is not in the picture library; add it to the library or choose a picture the library has</translation>
    </message>
    <message>
        <source>%1：背景图片%2不在图库中，请先把该图片加入图库或选择图库中的图片</source>
        <translation>%1: the background picture %2 is not in the picture library; add it to the library or choose a picture the library has</translation>
    </message>
    <message>
        <source>开机动画：图片%1不在图库中，请先把该图片加入图库或修改动画的图片范围</source>
        <translation>Boot animation: picture %1 is not in the picture library; add it to the library or change the animation's picture range</translation>
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
        <source>%1 %2：多个控件的ID都是%3</source>
        <translation>%1 %2: more than one widget has the id %3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>休眠定时器</source>
        <translation>Sleep timer</translation>
    </message>
    <message>
        <source>定时器%1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>%1事件“%2”</source>
        <translation>the %1 event &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1：%2的结果变量“%3”不是变量名</source>
        <translation>%1: the result variable &quot;%3&quot; of %2 is not a variable name</translation>
    </message>
    <message>
        <source>%1：%2的参数“%3”的值“%4”不是单个Python表达式</source>
        <translation>%1: the value &quot;%4&quot; of the parameter &quot;%3&quot; of %2 is not a single Python expression</translation>
    </message>
    <message>
        <source>%1 %2：控件ID不在0-65535之内</source>
        <translation>%1 %2: the widget id is not within 0-65535</translation>
    </message>
    <message>
        <source>%1无法删除：%2</source>
        <translation>%1 cannot be removed: %2</translation>
    </message>
    <message>
        <source>模板文件%1不存在</source>
        <translation>The template file %1 does not exist</translation>
    </message>
    <message>
        <source>模板文件%1不是普通文件</source>
        <translation>The template file %1 is not a regular file</translation>
    </message>
    <message>
        <source>模板文件%1是空的</source>
        <translation>The template file %1 is empty</translation>
    </message>
    <message>
        <source>模板文件%1大于%2 MB</source>
        <translation>The template file %1 is larger than %2 MB</translation>
    </message>
    <message>
        <source>模板文件%1无法读取：%2</source>
        <translation>The template file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>模板文件夹%1不存在</source>
        <translation>The template folder %1 does not exist</translation>
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
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>no</translation>
    </message>
    <message>
        <source>模块的设置：485使能：%1，485地址：%2，CRC16使能：%3。</source>
        <translation>The module&apos;s settings: RS-485 on: %1, RS-485 address: %2, CRC16 on: %3.</translation>
    </message>
    <message>
        <source>与项目的开机设置相同。</source>
        <translation>They are the project&apos;s boot settings already.</translation>
    </message>
    <message>
        <source>是否用它们替换项目的开机设置？</source>
        <translation>Replace the project&apos;s boot settings with them?</translation>
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
    <name>DelEventDlg</name>
    <message>
        <source>删除事件</source>
        <translation>Delete Event</translation>
    </message>
    <message>
        <source>注意：“-”为没有该参数，最长只显示5个参数</source>
        <translation>Note: "-" means no such parameter; at most 5 parameters are shown</translation>
    </message>
    <message>
        <source>已选：0项</source>
        <translation>Selected: 0</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>事件类型</source>
        <translation>Event Type</translation>
    </message>
    <message>
        <source>用户函数</source>
        <translation>User Function</translation>
    </message>
    <message>
        <source>参数%1</source>
        <translation>Param%1</translation>
    </message>
    <message>
        <source>已选：%1项</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>未选择需要删除的事件，请您先选择需要删除的事件！</source>
        <translation>No event selected. Please select the events to delete first!</translation>
    </message>
    <message>
        <source>您是否需要删除已选的事件？</source>
        <translation>Do you want to delete the selected events?</translation>
    </message>
</context>
<context>
    <name>DownLoadEventDlg</name>
    <message>
        <source>编辑下载事件</source>
        <translation>Edit Download Event</translation>
    </message>
    <message>
        <source>Tab 1</source>
        <translation>Tab 1</translation>
    </message>
    <message>
        <source>Tab 2</source>
        <translation>Tab 2</translation>
    </message>
    <message>
        <source>页</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>用手动编程</source>
        <translation>Use manual programming</translation>
    </message>
    <message>
        <source>添加事件</source>
        <translation>Add Event</translation>
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
        <source>注意：支持Python语法</source>
        <translation>Note: Python syntax is supported</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存当前编辑下载事件失败！</source>
        <translation>Failed to save the edited download event!</translation>
    </message>
    <message>
        <source>保存当前编辑下载事件成功！</source>
        <translation>The edited download event was saved successfully!</translation>
    </message>
    <message>
        <source>代码超过%1个字符，无法保存！</source>
        <translation>The code is longer than %1 characters and cannot be saved!</translation>
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
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
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
    <message>
        <source>语言设置保存失败！</source>
        <translation>The language setting could not be saved!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>仍要退出吗？</source>
        <translation>Quit all the same?</translation>
    </message>
    <message>
        <source>%1（无此字体）</source>
        <translation>%1 (no such font)</translation>
    </message>
    <message>
        <source>未知（%1）</source>
        <translation>Unknown (%1)</translation>
    </message>
    <message>
        <source>字体%1中没有以下字符，已从文本中删除：%2</source>
        <translation>Font %1 has none of these characters; they were removed from the text: %2</translation>
    </message>
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
        <source>退出软件前是否保存当前项目？</source>
        <translation>Do you want to save the current project before exiting the software?</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Dpi</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>选择字库</source>
        <translation>Select fonts</translation>
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
        <source>名称为数值，且数值范围为0-%1！</source>
        <translation>The name is a number from 0 to %1!</translation>
    </message>
    <message>
        <source>项目下载</source>
        <translation>Project download</translation>
    </message>
    <message>
        <source>图片下载</source>
        <translation>Image download</translation>
    </message>
    <message>
        <source>字库下载</source>
        <translation>Font download</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>事件</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>背景图片只可选择jpg格式图片，请您重新选择！</source>
        <translation>The background picture can only be selected jpg format picture, please re-select!</translation>
    </message>
    <message>
        <source>无渐变</source>
        <translation>Gradient-free</translation>
    </message>
    <message>
        <source>从上到下</source>
        <translation>From top to bottom</translation>
    </message>
    <message>
        <source>从下到上</source>
        <translation>From bottom to top</translation>
    </message>
    <message>
        <source>从左到右</source>
        <translation>From left to right</translation>
    </message>
    <message>
        <source>无状态</source>
        <translation>No State</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>从头到尾的速度一样</source>
        <translation>Same speed from start to finish</translation>
    </message>
    <message>
        <source>以低速开始</source>
        <translation>Start at a low speed</translation>
    </message>
    <message>
        <source>以低速结束</source>
        <translation>End on a low note</translation>
    </message>
    <message>
        <source>以低速开始低速结束</source>
        <translation>Start low and finish low</translation>
    </message>
    <message>
        <source>超过终点值</source>
        <translation>Over end value</translation>
    </message>
    <message>
        <source>终点后反弹一些</source>
        <translation>Bounce back a bit after the finish</translation>
    </message>
    <message>
        <source>最后一步改变</source>
        <translation>Last step Change</translation>
    </message>
    <message>
        <source>从左边出现</source>
        <translation>Appear from the left</translation>
    </message>
    <message>
        <source>从右边出现</source>
        <translation>Appear from the right</translation>
    </message>
    <message>
        <source>从上面出现</source>
        <translation>Emerge from above</translation>
    </message>
    <message>
        <source>从下面出现</source>
        <translation>Emerge from below</translation>
    </message>
    <message>
        <source>从左上角出现</source>
        <translation>From the top left corner</translation>
    </message>
    <message>
        <source>从右上角出现</source>
        <translation>Appear from top right</translation>
    </message>
    <message>
        <source>从左下角出现</source>
        <translation>From the bottom left corner</translation>
    </message>
    <message>
        <source>从右下角出现</source>
        <translation>From the bottom right corner</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>进度x</source>
        <translation>Progress x</translation>
    </message>
    <message>
        <source>进度y</source>
        <translation>Progress y</translation>
    </message>
    <message>
        <source>进度w</source>
        <translation>Progress w</translation>
    </message>
    <message>
        <source>进度h</source>
        <translation>Progress h</translation>
    </message>
    <message>
        <source>图表x</source>
        <translation>Chart x</translation>
    </message>
    <message>
        <source>图表y</source>
        <translation>Chart y</translation>
    </message>
    <message>
        <source>图表w</source>
        <translation>Chart w</translation>
    </message>
    <message>
        <source>图表h</source>
        <translation>Chart h</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>水平对齐</source>
        <translation>Hor alignment</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>垂直对齐</source>
        <translation>Ver alignment</translation>
    </message>
    <message>
        <source>上对齐</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下对齐</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>文本最大字节</source>
        <translation>Max text byte</translation>
    </message>
    <message>
        <source>字体ID</source>
        <translation>Font ID</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Font color</translation>
    </message>
    <message>
        <source>字体不透明度</source>
        <translation>Font opacity</translation>
    </message>
    <message>
        <source>长文本模式</source>
        <translation>Long text mode</translation>
    </message>
    <message>
        <source>字符来回滚动</source>
        <translation>Character scroll</translation>
    </message>
    <message>
        <source>字符从右到左循环滚动</source>
        <translation>Characters scroll from right to left</translation>
    </message>
    <message>
        <source>裁切⽂本</source>
        <translation>Crop text</translation>
    </message>
    <message>
        <source>图片编号</source>
        <translation>Image id</translation>
    </message>
    <message>
        <source>图片不透明度</source>
        <translation>Image opacity</translation>
    </message>
    <message>
        <source>图片混色</source>
        <translation>Picture color mixing</translation>
    </message>
    <message>
        <source>图片混色值</source>
        <translation>Picture color mixing value</translation>
    </message>
    <message>
        <source>渐变模式</source>
        <translation>Gradualistic Model</translation>
    </message>
    <message>
        <source>渐变1</source>
        <translation>Gradient 1</translation>
    </message>
    <message>
        <source>渐变2</source>
        <translation>Gradient 2</translation>
    </message>
    <message>
        <source>不透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>边框颜色</source>
        <translation>Border color</translation>
    </message>
    <message>
        <source>边框不透明度</source>
        <translation>Border opacity</translation>
    </message>
    <message>
        <source>边框宽度</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>圆角</source>
        <translation>Angle Rounded</translation>
    </message>
    <message>
        <source>加载方式</source>
        <translation>Loading Method</translation>
    </message>
    <message>
        <source>开关</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>时间(ms)</source>
        <translation>Time (ms)</translation>
    </message>
    <message>
        <source>进度值</source>
        <translation>value</translation>
    </message>
    <message>
        <source>把手属性</source>
        <translation>Handle attribute</translation>
    </message>
    <message>
        <source>外扩内缩</source>
        <translation>Knob</translation>
    </message>
    <message>
        <source>抬起状态</source>
        <translation>Released state</translation>
    </message>
    <message>
        <source>选中状态</source>
        <translation>Selected state</translation>
    </message>
    <message>
        <source>按下状态</source>
        <translation>Pressed state</translation>
    </message>
    <message>
        <source>出现方向</source>
        <translation>Direction of occurrence</translation>
    </message>
    <message>
        <source>从右到左</source>
        <translation>right to left</translation>
    </message>
    <message>
        <source>主属性</source>
        <translation>Prime attribute</translation>
    </message>
    <message>
        <source>指示器属性</source>
        <translation>Indicator attribute</translation>
    </message>
    <message>
        <source>单行模式</source>
        <translation>Singleline</translation>
    </message>
    <message>
        <source>隐藏文本模式</source>
        <translation>Hidden text mode</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>文本用*号代替</source>
        <translation>Replace the text with a *</translation>
    </message>
    <message>
        <source>键盘类型</source>
        <translation>Keyboard type</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>光标属性</source>
        <translation>Cursor attribute</translation>
    </message>
    <message>
        <source>光标颜色</source>
        <translation>Cursor color</translation>
    </message>
    <message>
        <source>光标不透明度</source>
        <translation>Cursor opacity</translation>
    </message>
    <message>
        <source>光标选中文本颜色</source>
        <translation>cursor selects text color</translation>
    </message>
    <message>
        <source>光标选中文本不透明度</source>
        <translation>cursor selects text opacity</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>图案颜色</source>
        <translation>Pattern Color</translation>
    </message>
    <message>
        <source>圆边封口</source>
        <translation>Round edge seal</translation>
    </message>
    <message>
        <source>开始角度(0-360)</source>
        <translation>Starting Angle (0-360)</translation>
    </message>
    <message>
        <source>结束角度(0-360)</source>
        <translation>End Angle (0-360)</translation>
    </message>
    <message>
        <source>旋转角度(±360)</source>
        <translation>Rotation Angle (±360)</translation>
    </message>
    <message>
        <source>非选中圆弧属性</source>
        <translation>Unselected arc property</translation>
    </message>
    <message>
        <source>选中圆弧属性</source>
        <translation>Selected arc attribute</translation>
    </message>
    <message>
        <source>指针个数</source>
        <translation>Pointer Number</translation>
    </message>
    <message>
        <source>指针%1属性</source>
        <translation>Pointer %1 property</translation>
    </message>
    <message>
        <source>图片旋转点x</source>
        <translation>Picture rotation point x</translation>
    </message>
    <message>
        <source>图片旋转点y</source>
        <translation>Picture rotation point y</translation>
    </message>
    <message>
        <source>指针颜色</source>
        <translation>Pointer color</translation>
    </message>
    <message>
        <source>指针宽度</source>
        <translation>Pointer Width</translation>
    </message>
    <message>
        <source>指针长度</source>
        <translation>Pointer Length</translation>
    </message>
    <message>
        <source>可旋转角度(0-360)</source>
        <translation>Rotation Angle (0-360)</translation>
    </message>
    <message>
        <source>中心圆点属性</source>
        <translation>Center dot attribute</translation>
    </message>
    <message>
        <source>圆点颜色</source>
        <translation>Dot Color</translation>
    </message>
    <message>
        <source>圆点大小</source>
        <translation>Dot Size</translation>
    </message>
    <message>
        <source>指针属性</source>
        <translation>Pointer Attribute</translation>
    </message>
    <message>
        <source>是否显示坐标</source>
        <translation>Show coordinates or not</translation>
    </message>
    <message>
        <source>是否显示标签</source>
        <translation>Show label or not</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>大刻度数量</source>
        <translation>Large scale quantity</translation>
    </message>
    <message>
        <source>大刻度长度</source>
        <translation>Large scale length</translation>
    </message>
    <message>
        <source>小刻度数量</source>
        <translation>Small scale quantity</translation>
    </message>
    <message>
        <source>小刻度长度</source>
        <translation>Small scale length</translation>
    </message>
    <message>
        <source>线型数量</source>
        <translation>Number of lines</translation>
    </message>
    <message>
        <source>线粗细</source>
        <translation>Thickness of line</translation>
    </message>
    <message>
        <source>点大小</source>
        <translation>Dot Size</translation>
    </message>
    <message>
        <source>点数量</source>
        <translation>Dot Quantity</translation>
    </message>
    <message>
        <source>线型%1属性</source>
        <translation>Line %1 property</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>数据模式</source>
        <translation>Data mode</translation>
    </message>
    <message>
        <source>自右往左</source>
        <translation>From right to left</translation>
    </message>
    <message>
        <source>循环更新</source>
        <translation>Cyclic Refreshing</translation>
    </message>
    <message>
        <source>坐标轴属性</source>
        <translation>Axis Attribute</translation>
    </message>
    <message>
        <source>刻度标签长度</source>
        <translation>Scale label length</translation>
    </message>
    <message>
        <source>刻度线粗细</source>
        <translation>Scale line thickness</translation>
    </message>
    <message>
        <source>刻度线颜色</source>
        <translation>Scale Color</translation>
    </message>
    <message>
        <source>标签字体ID</source>
        <translation>Tag font ID</translation>
    </message>
    <message>
        <source>标签字体颜色</source>
        <translation>Label font color</translation>
    </message>
    <message>
        <source>x轴属性</source>
        <translation>X-axis attribute</translation>
    </message>
    <message>
        <source>y主轴属性</source>
        <translation>Y-primary attribute</translation>
    </message>
    <message>
        <source>y副轴属性</source>
        <translation>Y-secondary attribute</translation>
    </message>
    <message>
        <source>网格线属性</source>
        <translation>Gridline attribute</translation>
    </message>
    <message>
        <source>是否显示网格线</source>
        <translation>Display Gridlines</translation>
    </message>
    <message>
        <source>行数量</source>
        <translation>Row Number</translation>
    </message>
    <message>
        <source>列数量</source>
        <translation>Column Number</translation>
    </message>
    <message>
        <source>内边距</source>
        <translation>Padding</translation>
    </message>
    <message>
        <source>网格线粗细</source>
        <translation>Grid line thickness</translation>
    </message>
    <message>
        <source>实线长度</source>
        <translation>Solid line length</translation>
    </message>
    <message>
        <source>实线间隔</source>
        <translation>Solid Spacing</translation>
    </message>
    <message>
        <source>线型属性</source>
        <translation>Line attribute</translation>
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
        <source>辅助线</source>
        <translation>Auxiliary line</translation>
    </message>
    <message>
        <source>圆或椭圆</source>
        <translation>Circle or ellipse</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右偏移</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上偏移</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下偏移</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>单触发</source>
        <translation>Single trigger</translation>
    </message>
    <message>
        <source>间隔时间(毫秒)</source>
        <translation>Interval time (ms)</translation>
    </message>
    <message>
        <source>背光度(%)</source>
        <translation>Backlight (%)</translation>
    </message>
    <message>
        <source>间隔时间(秒)</source>
        <translation>Interval time (s)</translation>
    </message>
    <message>
        <source>屏幕</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>%1：文件夹不存在</source>
        <translation>%1: the folder does not exist</translation>
    </message>
    <message>
        <source>%1正在进行中，是否等待其完成后再退出？
“否”：立即取消%1并退出；“取消”：不退出。</source>
        <translation>The %1 is still running. Wait for it to finish before quitting?
"No": cancel the %1 now and quit; "Cancel": do not quit.</translation>
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
    <message>
        <source>一页最多可放%1个控件！</source>
        <translation>A page holds at most %1 widgets!</translation>
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
    <message>
        <source>文本超过%1个字符，无法保存！</source>
        <translation>The text is longer than %1 characters and cannot be saved!</translation>
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
    <name>QtCharEdit</name>
    <message>
        <source>Clear Char</source>
        <translation>Clear Char</translation>
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
    <name>QtCursorDatabase</name>
    <message>
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>IBeam</source>
        <translation>IBeam</translation>
    </message>
    <message>
        <source>Size Vertical</source>
        <translation>Size Vertical</translation>
    </message>
    <message>
        <source>Size Horizontal</source>
        <translation>Size Horizontal</translation>
    </message>
    <message>
        <source>Size Backslash</source>
        <translation>Size Backslash</translation>
    </message>
    <message>
        <source>Size Slash</source>
        <translation>Size Slash</translation>
    </message>
    <message>
        <source>Size All</source>
        <translation>Size All</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>Split Vertical</source>
        <translation>Split Vertical</translation>
    </message>
    <message>
        <source>Split Horizontal</source>
        <translation>Split Horizontal</translation>
    </message>
    <message>
        <source>Pointing Hand</source>
        <translation>Pointing Hand</translation>
    </message>
    <message>
        <source>Forbidden</source>
        <translation>Forbidden</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Open Hand</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Closed Hand</translation>
    </message>
    <message>
        <source>What&apos;s This</source>
        <translation>What&apos;s This</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
</context>
<context>
    <name>QtFontEditWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Select Font</translation>
    </message>
</context>
<context>
    <name>QtFontPropertyManager</name>
    <message>
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Point Size</source>
        <translation>Point Size</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>Kerning</source>
        <translation>Kerning</translation>
    </message>
</context>
<context>
    <name>QtLocalePropertyManager</name>
    <message>
        <source>&lt;Invalid&gt;</source>
        <translation>&lt;Invalid&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
</context>
<context>
    <name>QtPointFPropertyManager</name>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>QtPointPropertyManager</name>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>QtPropertyBrowserUtils</name>
    <message>
        <source>[%1, %2, %3] (%4)</source>
        <translation>[%1, %2, %3] (%4)</translation>
    </message>
    <message>
        <source>[%1, %2]</source>
        <translation>[%1, %2]</translation>
    </message>
</context>
<context>
    <name>QtRectFPropertyManager</name>
    <message>
        <source>[(%1, %2), %3 x %4]</source>
        <translation>[(%1, %2), %3 x %4]</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>QtRectPropertyManager</name>
    <message>
        <source>[(%1, %2), %3 x %4]</source>
        <translation>[(%1, %2), %3 x %4]</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>QtSizeFPropertyManager</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>QtSizePolicyPropertyManager</name>
    <message>
        <source>&lt;Invalid&gt;</source>
        <translation>&lt;Invalid&gt;</translation>
    </message>
    <message>
        <source>[%1, %2, %3, %4]</source>
        <translation>[%1, %2, %3, %4]</translation>
    </message>
    <message>
        <source>Horizontal Policy</source>
        <translation>Horizontal Policy</translation>
    </message>
    <message>
        <source>Vertical Policy</source>
        <translation>Vertical Policy</translation>
    </message>
    <message>
        <source>Horizontal Stretch</source>
        <translation>Horizontal Stretch</translation>
    </message>
    <message>
        <source>Vertical Stretch</source>
        <translation>Vertical Stretch</translation>
    </message>
</context>
<context>
    <name>QtSizePropertyManager</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>属性</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>值</source>
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
    <name>ProjectDocument</name>
    <message>
        <source>第%1行的元素有%2个属性，项目文件的元素最多有%3个属性。</source>
        <translation>The element on line %1 has %2 attributes; an element of a project file has at most %3.</translation>
    </message>
    <message>
        <source>第%1行的元素嵌套超过%2层，项目文件不会嵌套这么深。</source>
        <translation>The element on line %1 is nested more than %2 levels deep; a project file never nests that deep.</translation>
    </message>
    <message>
        <source>第%1页的控件超过%2个（第%3行），一页最多可放%2个控件。</source>
        <translation>Page %1 has more than %2 widgets (line %3); a page holds at most %2 widgets.</translation>
    </message>
    <message>
        <source>第%1行第%2列：%3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>第%1行的%2超过%3个字符，项目文件的这项文本最多有%3个字符。</source>
        <translation>Line %1: %2 is longer than %3 characters; a project file holds at most %3 characters there.</translation>
    </message>
    <message>
        <source>第%1行的元素有一个属性名含有字符%2，项目文件中的名称不含这个字符。</source>
        <translation>An attribute name of the element on line %1 holds the character %2, which no name in a project file holds.</translation>
    </message>
    <message>
        <source>第%1行有文档类型声明（&lt;!DOCTYPE&gt;），项目文件不含文档类型声明。</source>
        <translation>Line %1 holds a document type declaration (&lt;!DOCTYPE&gt;); a project file has none.</translation>
    </message>
    <message>
        <source>第%1行声明的编码“%2”无法读取，项目文件的编码只能是UTF-8、UTF-16或UTF-32。</source>
        <translation>Line %1 declares the encoding “%2”, which cannot be read; a project file is encoded in UTF-8, UTF-16 or UTF-32.</translation>
    </message>
    <message>
        <source>第%1行第%2列：这里的内容不是有效的%3编码。</source>
        <translation>Line %1, column %2: the content here is not valid %3.</translation>
    </message>
    <message>
        <source>项目文件的页面超过%1个（第%2行），一个项目最多可有%1个页面。</source>
        <translation>The project file has more than %1 pages (line %2); a project has at most %1 pages.</translation>
    </message>
    <message>
        <source>项目文件的控件超过%1个（第%2行），一个项目最多可有%1个控件。</source>
        <translation>The project file has more than %1 widgets (line %2); a project has at most %1 widgets.</translation>
    </message>
    <message>
        <source>项目文件的事件超过%1个（第%2行），一个项目最多可有%1个事件。</source>
        <translation>The project file has more than %1 events (line %2); a project has at most %1 events.</translation>
    </message>
    <message>
        <source>第%1行的名称超过%2个字符，项目文件中的名称最多有%2个字符。</source>
        <translation>Line %1: a name is longer than %2 characters; a name in a project file has at most %2.</translation>
    </message>
    <message>
        <source>第%1行的%2超过%3个字符，项目文件中的一段标记或文本最多有%3个字符。</source>
        <translation>The %2 on line %1 is longer than %3 characters; a piece of markup or text in a project file has at most %3.</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>text</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>tag</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>comment</translation>
    </message>
    <message>
        <source>处理指令</source>
        <translation>processing instruction</translation>
    </message>
    <message>
        <source>CDATA段</source>
        <translation>CDATA section</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>markup</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1：文件不存在</source>
        <translation>%1: no such file</translation>
    </message>
    <message>
        <source>%1：这是一个文件夹</source>
        <translation>%1: is a folder</translation>
    </message>
    <message>
        <source>%1：这不是项目文件，没有宽和高都大于0的frame</source>
        <translation>%1: not a project file: no frame gives a width and a height above 0</translation>
    </message>
    <message>
        <source>%1：无法在保留文件其余内容的情况下改写这个文件</source>
        <translation>%1: this file cannot be rewritten without changing the rest of it</translation>
    </message>
    <message>
        <source>没有项目文件</source>
        <translation>No project file</translation>
    </message>
    <message>
        <source>%1：文件夹不存在</source>
        <translation>%1: the folder does not exist</translation>
    </message>
    <message>
        <source>%1：文件写保护</source>
        <translation>%1: the file is write-protected</translation>
    </message>
    <message>
        <source>%1：这不是普通文件</source>
        <translation>%1: this is not a regular file</translation>
    </message>
    <message>
        <source>%1：文件超过%2MB，项目文件最大%2MB</source>
        <translation>%1: the file is larger than %2 MB; a project file is at most %2 MB</translation>
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
    <message>
        <source>以下文件无法删除，已保留：
%1</source>
        <translation>These files could not be deleted and were kept:
%1</translation>
    </message>
</context>
<context>
    <name>FontConverter</name>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
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
    <message>
        <source>%1生成的不是完整的字体文件</source>
        <translation>%1 did not make a whole font file</translation>
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
    <message>
        <source>缺少%1</source>
        <translation>%1 missing</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1的值无法读取</source>
        <translation>no readable value for %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
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
        <source>字库下载失败，%1字体文件是空的！</source>
        <translation>Font library download failed: the font file %1 is empty!</translation>
    </message>
    <message>
        <source>指令集发送成功！</source>
        <translation>Sent command finished!</translation>
    </message>
    <message>
        <source>项目下载</source>
        <translation>project download</translation>
    </message>
    <message>
        <source>图片下载</source>
        <translation>picture download</translation>
    </message>
    <message>
        <source>字库下载</source>
        <translation>font download</translation>
    </message>
    <message>
        <source>通信测试</source>
        <translation>link test</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>download</translation>
    </message>
    <message>
        <source>串口%1已拔出，%2失败！</source>
        <translation>Serial port %1 is pulled out, the %2 failed!</translation>
    </message>
    <message>
        <source>串口已关闭，%1失败！</source>
        <translation>The serial port was closed, the %1 failed!</translation>
    </message>
    <message>
        <source>通信超时，%1失败，请您确认通信是否正常！</source>
        <translation>Communication timeout, the %1 failed, please confirm whether the communication is normal!</translation>
    </message>
    <message>
        <source>模块取消了%1！</source>
        <translation>The module cancelled the %1!</translation>
    </message>
    <message>
        <source>模块的上限无法读取（%1），%2失败！</source>
        <translation>The module&apos;s limits cannot be read (%1), %2 failed!</translation>
    </message>
    <message>
        <source>文件%1的起始块</source>
        <translation>the first block of file %1</translation>
    </message>
    <message>
        <source>文件%1的结束符</source>
        <translation>the end of file %1</translation>
    </message>
    <message>
        <source>批次结束块</source>
        <translation>the end-of-batch block</translation>
    </message>
    <message>
        <source>模块的应答无法读取，设置未更改！</source>
        <translation>The module&apos;s answer cannot be read; no setting was changed!</translation>
    </message>
    <message>
        <source>模块连续%1次拒收%2，%3失败！</source>
        <translation>The module refused %2 %1 times in a row, %3 failed!</translation>
    </message>
    <message>
        <source>文件%1的第%2块</source>
        <translation>block %2 of file %1</translation>
    </message>
    <message>
        <source>图片下载失败，%1图片为%2x%3像素，超过%4像素或某边超过%5像素！</source>
        <translation>Picture download failed: the picture %1 is %2x%3 pixels, more than %4 pixels or a side longer than %5 pixels!</translation>
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
        <source>通信未连接，请您先连接通信！</source>
        <translation>Communication is not connected, please connect communication first!</translation>
    </message>
    <message>
        <source>测试中…</source>
        <translation>Testing…</translation>
    </message>
    <message>
        <source>%1正在进行中，不可更改串口！</source>
        <translation>The %1 is running, the serial port cannot be changed!</translation>
    </message>
</context>
<context>
    <name>InstrTableDlg</name>
    <message>
        <source>设置控件x值</source>
        <translation>Set widgets x value</translation>
    </message>
    <message>
        <source>设置控件y值</source>
        <translation>Set widgets y value</translation>
    </message>
    <message>
        <source>设置控件w值</source>
        <translation>Set widgets w value</translation>
    </message>
    <message>
        <source>设置控件h值</source>
        <translation>Set widgets h value</translation>
    </message>
    <message>
        <source>设置控件文本值</source>
        <translation>Set widgets text value</translation>
    </message>
    <message>
        <source>设置控件背景色1</source>
        <translation>Set widgets background color 1</translation>
    </message>
    <message>
        <source>设置控件背景色2</source>
        <translation>Set widgets background color 2</translation>
    </message>
    <message>
        <source>设置控件字体颜色</source>
        <translation>Set widgets font color</translation>
    </message>
    <message>
        <source>设置控件数值</source>
        <translation>Set widgets value</translation>
    </message>
    <message>
        <source>隐藏控件</source>
        <translation>Hidden control</translation>
    </message>
    <message>
        <source>隐藏曲线</source>
        <translation>Hidden curve</translation>
    </message>
    <message>
        <source>设置曲线数值</source>
        <translation>Set curve value</translation>
    </message>
    <message>
        <source>隐藏当前页面</source>
        <translation>Hidden previous page</translation>
    </message>
    <message>
        <source>设置meter的数值</source>
        <translation>Set meter value</translation>
    </message>
    <message>
        <source>控制控件触摸使能</source>
        <translation>Control widgets touch enable</translation>
    </message>
    <message>
        <source>控制控件触摸状态</source>
        <translation>Control widgets touch status</translation>
    </message>
    <message>
        <source>控制菜单光标值自增</source>
        <translation>Control menu cursor value increment</translation>
    </message>
    <message>
        <source>控制菜单光标值自减</source>
        <translation>Control menu cursor value decrement</translation>
    </message>
    <message>
        <source>设置曲线的下一个数值</source>
        <translation>Set next curve value</translation>
    </message>
    <message>
        <source>获取控件x值</source>
        <translation>Get widgets X value</translation>
    </message>
    <message>
        <source>获取控件y值</source>
        <translation>Get widgets Y value</translation>
    </message>
    <message>
        <source>获取控件w值</source>
        <translation>Get widgets width value</translation>
    </message>
    <message>
        <source>获取控件h值</source>
        <translation>Get widgets height value</translation>
    </message>
    <message>
        <source>获取控件文本值</source>
        <translation>Get widgets text value</translation>
    </message>
    <message>
        <source>获取控件背景色1</source>
        <translation>Get widgets background color 1</translation>
    </message>
    <message>
        <source>获取控件背景色2</source>
        <translation>Get widgets background color 2</translation>
    </message>
    <message>
        <source>获取控件字体颜色</source>
        <translation>Get widgets font color</translation>
    </message>
    <message>
        <source>获取控件数值</source>
        <translation>Get widgets value</translation>
    </message>
    <message>
        <source>获取曲线数值</source>
        <translation>Get curve value</translation>
    </message>
    <message>
        <source>获取meter的数值</source>
        <translation>Get meter value</translation>
    </message>
    <message>
        <source>查询控件触摸使能</source>
        <translation>Query widgets touch enable</translation>
    </message>
    <message>
        <source>查询控件触摸状态</source>
        <translation>Query widgets touch status</translation>
    </message>
    <message>
        <source>获取菜单光标数值</source>
        <translation>Get menu cursor value</translation>
    </message>
    <message>
        <source>重启模块</source>
        <translation>Reboot module</translation>
    </message>
    <message>
        <source>查询通讯</source>
        <translation>Query communication</translation>
    </message>
    <message>
        <source>跳转页面</source>
        <translation>Jump to page</translation>
    </message>
    <message>
        <source>查询页面</source>
        <translation>Query current page</translation>
    </message>
    <message>
        <source>控制背光值</source>
        <translation>Set backlight</translation>
    </message>
    <message>
        <source>查询背光值</source>
        <translation>Get backlight</translation>
    </message>
    <message>
        <source>设置波特率</source>
        <translation>Set baud rate</translation>
    </message>
    <message>
        <source>查询波特率</source>
        <translation>Get baud rate</translation>
    </message>
    <message>
        <source>控制定时器</source>
        <translation>Control timer</translation>
    </message>
    <message>
        <source>保存控件</source>
        <translation>Save widgets</translation>
    </message>
    <message>
        <source>保存系统参数</source>
        <translation>Save system params</translation>
    </message>
    <message>
        <source>保存XVAR</source>
        <translation>Save XVAR</translation>
    </message>
    <message>
        <source>控制延时</source>
        <translation>Control delay</translation>
    </message>
    <message>
        <source>控制休眠参数</source>
        <translation>Set sleep params</translation>
    </message>
    <message>
        <source>查询休眠参数</source>
        <translation>Get sleep params</translation>
    </message>
    <message>
        <source>控制蜂鸣器</source>
        <translation>Control buzzer</translation>
    </message>
    <message>
        <source>查询蜂鸣器</source>
        <translation>Get buzzer</translation>
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
        <source>查询版本号</source>
        <translation>Get version</translation>
    </message>
    <message>
        <source>触摸屏校正</source>
        <translation>Tp calibration</translation>
    </message>
    <message>
        <source>设置485地址</source>
        <translation>Set 485 Address</translation>
    </message>
    <message>
        <source>查询485地址</source>
        <translation>Get 485 Address</translation>
    </message>
    <message>
        <source>启停汇总刷新指令</source>
        <translation>Control refreshing</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为16位x坐标值</source>
        <translation>Param 1: widgets ID, Param 2: 16-bit X coordinate</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为16位y坐标值</source>
        <translation>Param 1: widgets ID, Param 2: 16-bit Y coordinate</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为16位宽度值</source>
        <translation>Param 1: widgets ID, Param 2: 16-bit Width</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为16位高度值</source>
        <translation>Param 1: widgets ID, Param 2: 16-bit Height</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为要设置的字符串内容</source>
        <translation>Param 1: widgets ID, Param 2: Text string to set</translation>
    </message>
    <message>
        <source>参数1为控件id值,参数2为控件的状态默认为0，参数3和参数4为32位颜色值，ARGB={透明度,红色,绿色,蓝色}</source>
        <translation>Param 1: widgets ID, Param 2: State (default 0), Param 3 &amp; 4: 32-bit color (ARGB={A,R,G,B})</translation>
    </message>
    <message>
        <source>当设定渐变时，参数1为控件id值,参数2为控件的状态默认为0，参数3和参数4为32位颜色值，ARGB={透明度,红色,绿色,蓝色}</source>
        <translation>(Gradient) Param 1: Control ID, Param 2: State (default 0), Param 3 &amp; 4: 32-bit color (ARGB)</translation>
    </message>
    <message>
        <source>参数1为控件id值,参数3和参数4为32位颜色值，ARGB={透明度,红色,绿色,蓝色}</source>
        <translation>Param 1: widgets ID, Param 3 &amp; 4: 32-bit color (ARGB)</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为控件的数值，比如进度条的进度值等</source>
        <translation>Param 1: widgets ID, Param 2: Value (e.g., progress bar value)</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2设定是否当前页面的控件都隐藏，参数3为隐藏使能，为1时生效隐藏功能</source>
        <translation>Param 1: widgets ID, Param 2: Affects all controls on page, Param 3: Hide enable (1 = active)</translation>
    </message>
    <message>
        <source>参数1为曲线id值，参数2为曲线的通道，参数3为隐藏使能，为1时生效隐藏功能</source>
        <translation>Param 1: Curve ID, Param 2: Channel, Param 3: Hide enable (1 = active)</translation>
    </message>
    <message>
        <source>参数1为曲线id值，参数2为曲线的通道，参数3为曲线点的id，参数4为要写入点的数量，参数5为点的数据如100/200 2个数值分别为100和200</source>
        <translation>Curve ID, Channel, Point ID, Count, Data (e.g., 100/200)</translation>
    </message>
    <message>
        <source>隐藏当前页面的内容</source>
        <translation>Hide all content on current page</translation>
    </message>
    <message>
        <source>参数1为meter id值，参数2为数值，参数3用于选定哪一个指针</source>
        <translation>Param 1: Meter ID, Param 2: Value, Param 3: Pointer index</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为使能控制，为1时生效</source>
        <translation>Param 1: widgets ID, Param 2: Enable (1 = active)</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为控件的触摸状态值，为1时表示按下</source>
        <translation>Param 1: widgets ID, Param 2: Touch status (1 = pressed)</translation>
    </message>
    <message>
        <source>无触摸屏时，用于递增菜单光标的值</source>
        <translation>(No touchscreen) Increment menu cursor</translation>
    </message>
    <message>
        <source>无触摸屏时，用于递减菜单光标的值</source>
        <translation>(No touchscreen) Decrement menu cursor</translation>
    </message>
    <message>
        <source>参数1位曲线的id值，参数2为点的id，参数3为要设置的16位数值</source>
        <translation>Param 1: Curve ID, Param 2: Point ID, Param 3: 16-bit value to set</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的16位x值</source>
        <translation>Param 1: widgets ID, module returns 16-bit X value</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的16位y值</source>
        <translation>Param 1: widgets ID, module returns 16-bit Y value</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的16位w值</source>
        <translation>Param 1: widgets ID, module returns 16-bit Width</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的16位h值</source>
        <translation>Param 1: widgets ID, module returns 16-bit Height</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的文本内容(字符串),此指令只对标签、文本等控件有效</source>
        <translation>Param 1: widgets ID, module returns text content (string); valid for label/text controls only</translation>
    </message>
    <message>
        <source>参数1为控件id值，参数2为状态，控件为按键时，状态0为抬起，1为按下，label控件默认为0</source>
        <translation>Param 1: widgets ID, Param 2: State (0 = released, 1 = pressed); label defaults to 0</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的24位颜色值</source>
        <translation>Param 1: widgets ID, module returns 24-bit color value</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回控件的16位控件数值</source>
        <translation>Param 1: widgets ID, module returns 16-bit value</translation>
    </message>
    <message>
        <source>参数1为曲线的id值，参数2为曲线的通道，参数3为点id，参数4为要获取的点的数量，指令发送后，模块会返回对应数量的曲线数值</source>
        <translation>Param 1: Curve ID, Param 2: Channel ID, Param 3: Point ID, Param 4: Point Count → Returns values</translation>
    </message>
    <message>
        <source>参数1为meter控件的id值，参数2指定哪一个meter指针，meter有3个指针可设置，指令发送后，模块会返回对应指针的16位数值</source>
        <translation>Param 1: Meter ID, Param 2: Pointer index (0–2); returns 16-bit value</translation>
    </message>
    <message>
        <source>参数1为控件id值,指令发送后，模块会返回此控件触摸的使能数值，1为使能 0为关闭</source>
        <translation>Param: widgets ID; module returns touch enable status (1 = enabled, 0 = disabled)</translation>
    </message>
    <message>
        <source>参数1为控件id值，指令发送后，模块会返回此控件触摸的状态信息，1为按下 0抬起</source>
        <translation>Param: widgets ID; module returns touch state (1 = pressed, 0 = released) — currently unavailable</translation>
    </message>
    <message>
        <source>当模块无带触摸屏时，此指令返回当前菜单的光标数值，如总共3个菜单，返回0时，表示光标落在第一个菜单处</source>
        <translation>When no touchscreen, returns current menu cursor value (e.g., 0 = first menu out of 3)</translation>
    </message>
    <message>
        <source>接收指令后，模块会重启</source>
        <translation>Reboots the module after receiving this command</translation>
    </message>
    <message>
        <source>接收此指令后模块会回复0x04 0x01</source>
        <translation>Module replies with 0x04 0x01 upon receipt</translation>
    </message>
    <message>
        <source>参数1为页面编号，参数2为延时跳转时间</source>
        <translation>Param 1: Page ID, Param 2: Delay in ms → Triggers page jump</translation>
    </message>
    <message>
        <source>模块返回当前页面的id值</source>
        <translation>Returns current page ID</translation>
    </message>
    <message>
        <source>参数1为背光的亮度值从0~255</source>
        <translation>Param 1: Brightness (0–255)</translation>
    </message>
    <message>
        <source>模块返回当前的背光值</source>
        <translation>Returns current brightness value</translation>
    </message>
    <message>
        <source>参数1为波特率的编号：0为默认115200</source>
        <translation>Param 1: Baud index (e.g., 0 = 115200)</translation>
    </message>
    <message>
        <source>模块返回当前的波特率编号值</source>
        <translation>Returns current baud index</translation>
    </message>
    <message>
        <source>参数1为timer id ，参数2为one_shot 参数3为时间 参数4为使能控制</source>
        <translation>Param 1: Timer ID, Param 2: One-shot flag, Param 3: Time, Param 4: Enable</translation>
    </message>
    <message>
        <source>用于保存控件的属性参数</source>
        <translation>This command is used to save the widgets' property parameters</translation>
    </message>
    <message>
        <source>此指令转为模块自动完成，手动设置无效</source>
        <translation>Auto-saved by module; manual setting ignored</translation>
    </message>
    <message>
        <source>保存ivar和svar两种类型变量的值</source>
        <translation>Saves both ivar and svar</translation>
    </message>
    <message>
        <source>参数1位延时时间，单位为ms</source>
        <translation>Param 1: Delay time in ms</translation>
    </message>
    <message>
        <source>参数1为休眠时间，参数2为背光的亮度值</source>
        <translation>Param 1: Sleep time (s), Param 2: Backlight during sleep</translation>
    </message>
    <message>
        <source>模块返回休眠时间和指定休眠时的亮度值</source>
        <translation>Returns sleep time and backlight value</translation>
    </message>
    <message>
        <source>参数1为蜂鸣器的时间，单位为ms</source>
        <translation>Param 1: Duration (ms)</translation>
    </message>
    <message>
        <source>模块返回蜂鸣器的设定值</source>
        <translation>Returns buzzer duration</translation>
    </message>
    <message>
        <source>参数1为ivar变量的id，参数2和参数3为整型变量高16位和低16位</source>
        <translation>Param 1: ivar ID, Param 2/3: High/low 16-bit values</translation>
    </message>
    <message>
        <source>参数1为ivar变量的id，接收指令后模块返回id和对应的ivar值</source>
        <translation>Param 1: ivar ID → Returns ID and value</translation>
    </message>
    <message>
        <source>参数1为svar变量的id，参数2为要写入svar的字符串</source>
        <translation>Param 1: svar ID, Param 2: String</translation>
    </message>
    <message>
        <source>参数1为svar变量的id，接收指令后模块会返回svar存储的字符串</source>
        <translation>Param 1: svar ID → Returns stored string</translation>
    </message>
    <message>
        <source>返回模块的软件版本号字符串</source>
        <translation>Returns firmware version string</translation>
    </message>
    <message>
        <source>执行电阻触摸屏的校正功能</source>
        <translation>Calibrates resistive touchscreen</translation>
    </message>
    <message>
        <source>参数1为485的16位地址</source>
        <translation>Param 1: 16-bit address (1–65535)</translation>
    </message>
    <message>
        <source>当485地址被使能时,模块返回当前设定的485地址</source>
        <translation>Returns current 485 address (when enabled)</translation>
    </message>
    <message>
        <source>参数1是启停标志，0为启用 1为停止，先启用再通过指令刷新多个文本后，再停止此功能，可以达到一次刷新的效果 目前该功能未实现</source>
        <translation>Param 1: 0 = Start, 1 = Stop (batch refresh optimization; not implemented)</translation>
    </message>
    <message>
        <source>指令调试</source>
        <translation>Instr Debug</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
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
        <source>串口已断开！</source>
        <translation>Serial port disconnected!</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>已选：0项</source>
        <translation>Selected: 0</translation>
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
        <source>提示：“-”为无参数；</source>
        <translation>Tip: "-" means no parameter;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>有无地址</source>
        <translation>With address</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>有无校验</source>
        <translation>With checksum</translation>
    </message>
    <message>
        <source>校验码</source>
        <translation>Check code</translation>
    </message>
    <message>
        <source>参数%1</source>
        <translation>Param %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Have</translation>
    </message>
    <message>
        <source>已选：%1项</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>串口%1已拔出！</source>
        <translation>Serial port %1 is pulled out!</translation>
    </message>
    <message>
        <source>-接收-%1:</source>
        <translation>-Receive-%1:</translation>
    </message>
    <message>
        <source>您是否需要删除已选的指令？</source>
        <translation>Do you want to delete the selected instructions?</translation>
    </message>
    <message>
        <source>未选择需要删除的指令，请您先选择需要删除的指令！</source>
        <translation>No instruction is selected for deletion, please select the instructions to delete first!</translation>
    </message>
    <message>
        <source>串口未打开，请您先打开串口！</source>
        <translation>The serial port is not open, please open it first!</translation>
    </message>
    <message>
        <source>请您先选择一行发送的内容！</source>
        <translation>Please select a row to send first!</translation>
    </message>
    <message>
        <source>-发送-%1:</source>
        <translation>-Send-%1:</translation>
    </message>
    <message>
        <source>提示：“-”为无参数；%1；</source>
        <translation>Tip: "-" means no parameter; %1;</translation>
    </message>
</context>
<context>
    <name>InstrFrame</name>
    <message>
        <source>%1“%2”不是整数，指令未发送！</source>
        <translation>%1 "%2" is not an integer; the instruction was not sent!</translation>
    </message>
    <message>
        <source>%1“%2”超出16位范围（%3～%4），指令未发送！</source>
        <translation>%1 "%2" is outside the 16-bit range (%3 to %4); the instruction was not sent!</translation>
    </message>
    <message>
        <source>参数%1</source>
        <translation>Param %1</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>指令帧长%1字节，超过%2字节的上限，请缩短%3！</source>
        <translation>The frame is %1 bytes, more than the limit of %2 bytes; please shorten %3!</translation>
    </message>
</context>
<context>
    <name>InstructSerialPort</name>
    <message>
        <source>通信超时，下载失败！</source>
        <translation>Communication timeout, download failed!</translation>
    </message>
    <message>
        <source>背光度设置成功！</source>
        <translation>Backlight set successfully!</translation>
    </message>
    <message>
        <source>波特率设置成功！</source>
        <translation>Baud rate set successfully!</translation>
    </message>
    <message>
        <source>指令集发送成功！</source>
        <translation>Sent command finished!</translation>
    </message>
    <message>
        <source>图片下载失败，%1图片打开失败！</source>
        <translation>Image download failed, %1 image open failed!</translation>
    </message>
    <message>
        <source>图片太多或太大，无法下载！</source>
        <translation>Too many or too large pictures to download!</translation>
    </message>
    <message>
        <source>大字库不能超过3M！</source>
        <translation>The large font library cannot exceed 3M!</translation>
    </message>
    <message>
        <source>小字库不能超过2M！</source>
        <translation>The small font library cannot exceed 2M!</translation>
    </message>
    <message>
        <source>大字库下载中，请稍后......</source>
        <translation>Downloading the large font library, please wait......</translation>
    </message>
    <message>
        <source>小字库下载中，请稍后......</source>
        <translation>Downloading the small font library, please wait......</translation>
    </message>
    <message>
        <source>字库下载成功！</source>
        <translation>Font library downloaded successfully!</translation>
    </message>
    <message>
        <source>图片下载成功！</source>
        <translation>Pictures downloaded successfully!</translation>
    </message>
</context>
<context>
    <name>SerialPortDlg</name>
    <message>
        <source>端口选择</source>
        <translation>Port Select</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>串口未连接！</source>
        <translation>Serial port not connected!</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open serial port</translation>
    </message>
    <message>
        <source>通信未连接，请您先连接通信！</source>
        <translation>Communication is not connected, please connect communication first!</translation>
    </message>
    <message>
        <source>--接收:</source>
        <translation>--Receive:</translation>
    </message>
    <message>
        <source>模块回复的信息不完整，下载失败！</source>
        <translation>The module's reply is incomplete, download failed!</translation>
    </message>
    <message>
        <source>--下载图片进度总大小:%1 擦除进度:%2</source>
        <translation>--Picture download total size:%1 erase progress:%2</translation>
    </message>
    <message>
        <source>--下载图片进度总大小:%1 配置进度:%2</source>
        <translation>--Picture download total size:%1 configuration progress:%2</translation>
    </message>
    <message>
        <source>下载失败，下载图片的bin文件总大小超过2M！</source>
        <translation>Download failed, the pictures' bin file is larger than 2M in total!</translation>
    </message>
    <message>
        <source>下载失败，下载图片的bin文件总大小超过3M！</source>
        <translation>Download failed, the pictures' bin file is larger than 3M in total!</translation>
    </message>
    <message>
        <source>下载失败，下载图片的bin文件总大小超过11M！</source>
        <translation>Download failed, the pictures' bin file is larger than 11M in total!</translation>
    </message>
    <message>
        <source>图片下载进度</source>
        <translation>Picture download Progress</translation>
    </message>
    <message>
        <source>--发送:</source>
        <translation>--Send:</translation>
    </message>
    <message>
        <source>通信已断开，下载失败！</source>
        <translation>Communication is disconnected, download failed!</translation>
    </message>
    <message>
        <source>串口%1已拔出！</source>
        <translation>Serial port %1 is pulled out!</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>串口已连接！</source>
        <translation>Serial port connected!</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close serial port</translation>
    </message>
    <message>
        <source>串口已断开！</source>
        <translation>Serial port disconnected!</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open serial port</translation>
    </message>
</context>
<context>
    <name>ProjectFolder</name>
    <message>
        <source>%1：项目名称不能以“.”开头</source>
        <translation>%1: a project name cannot begin with “.”</translation>
    </message>
    <message>
        <source>%1：名称过长，项目文件名最多%2个字节</source>
        <translation>%1: the name is too long; a project file name has at most %2 bytes</translation>
    </message>
    <message>
        <source>%1是一个链接，无法删除：%2</source>
        <translation>%1 is a link and cannot be removed: %2</translation>
    </message>
    <message>
        <source>%1是一个文件，不是文件夹</source>
        <translation>%1 is a file, not a folder</translation>
    </message>
    <message>
        <source>无法创建文件夹%1：%2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
</context>
<context>
    <name>CheckedSaveFile</name>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>permission to read denied</translation>
    </message>
    <message>
        <source>文件在复制时发生了变化</source>
        <translation>the file changed while it was copied</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>文件超过了系统允许的大小</source>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>原因不明</source>
        <translation>unknown cause</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法读取原文件</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>未能完整写入</source>
        <translation>could not be written whole</translation>
    </message>
</context>
<context>
    <name>GeneratedFonts</name>
    <message>
        <source>字体大小应为%1-%2的整数！</source>
        <translation>The font size must be a whole number from %1 to %2!</translation>
    </message>
    <message>
        <source>请先选择用来生成字体的ttf文件！</source>
        <translation>Please choose a ttf file to make the font from!</translation>
    </message>
</context>
<context>
    <name>FolderMirror</name>
    <message>
        <source>路径为空</source>
        <translation>empty path</translation>
    </message>
    <message>
        <source>是符号链接</source>
        <translation>a symbolic link</translation>
    </message>
    <message>
        <source>不是文件夹</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>permission to read denied</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>无法替换</source>
        <translation>cannot be replaced</translation>
    </message>
</context>
<context>
    <name>LibraryFiles</name>
    <message>
        <source>无法创建文件夹%1</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>文件名无效</source>
        <translation>invalid file name</translation>
    </message>
    <message>
        <source>同名文件已存在</source>
        <translation>a file of that name exists</translation>
    </message>
</context>
<context>
    <name>DownloadController</name>
    <message>
        <source>%1正在进行中，请您等待其结束后再新建或导入项目！</source>
        <translation>The %1 is still running, please wait for it to end before creating or opening a project!</translation>
    </message>
    <message>
        <source>下载中请稍后重试！</source>
        <translation>Downloading, please try again later!</translation>
    </message>
    <message>
        <source>%1:生成all.cfg失败！</source>
        <translation>%1: Failed to generate all.cfg!</translation>
    </message>
    <message>
        <source>未创建或加载项目，无法下载！</source>
        <translation>No project has been created or loaded, nothing to download!</translation>
    </message>
    <message>
        <source>图库资源有更改，是否继续下载当前项目到显示屏上？（建议您先下载图片资源）</source>
        <translation>The image library has changed. Download the current project to the display anyway? (Downloading the pictures first is recommended)</translation>
    </message>
    <message>
        <source>是否下载当前项目到显示屏上？</source>
        <translation>Download the current project to the display?</translation>
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
        <source>项目解压</source>
        <translation>Project unpacking</translation>
    </message>
    <message>
        <source>项目下载</source>
        <translation>Project download</translation>
    </message>
    <message>
        <source>图片下载</source>
        <translation>Image download</translation>
    </message>
    <message>
        <source>字库下载</source>
        <translation>Font download</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
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
        <source>不是PNG或JPG图片，无法显示</source>
        <translation>Not a PNG or JPG picture; it cannot be shown</translation>
    </message>
    <message>
        <source>图片超过%1像素或某边超过%2像素，不显示</source>
        <translation>The picture has more than %1 pixels or a side longer than %2 pixels; it is not shown</translation>
    </message>
    <message>
        <source>文件总大小：%1KB</source>
        <translation>Total file size:%1KB</translation>
    </message>
    <message>
        <source>以下文件不是PNG或JPG图片，未导入：
%1</source>
        <translation>These files are not PNG or JPG pictures and were not imported:
%1</translation>
    </message>
    <message>
        <source>以下图片超过%1像素或某边超过%2像素，未导入：
%3</source>
        <translation>These pictures have more than %1 pixels or a side longer than %2 pixels and were not imported:
%3</translation>
    </message>
    <message>
        <source>以下文件未能复制：
%1</source>
        <translation>These files were not copied:
%1</translation>
    </message>
    <message>
        <source>图库备份失败！</source>
        <translation>The image library backup failed!</translation>
    </message>
    <message>
        <source>图库未能恢复到上次保存或打开时的状态，未保存的图片修改仍在：</source>
        <translation>The picture library could not be restored to its state at the last save or opening; the unsaved picture changes remain:</translation>
    </message>
    <message>
        <source>以下文件无法删除，已保留：
%1</source>
        <translation>These files could not be deleted and were kept:
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
        <source>生成字体</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>（项目%1）</source>
        <translation> (project %1)</translation>
    </message>
    <message>
        <source>已取消生成字体%1，原有的字体不变</source>
        <translation>Generating font %1 was cancelled; the existing font is unchanged</translation>
    </message>
    <message>
        <source>生成字体失败！</source>
        <translation>Font generation failed! </translation>
    </message>
    <message>
        <source>字体%1已生成，但其中没有任何字符：ttf文件中既没有ASCII字符，也没有“内容”里的字符！</source>
        <translation>Font %1 was generated but holds no characters: the TrueType file has neither ASCII characters nor those of the content field!</translation>
    </message>
    <message>
        <source>生成字体成功</source>
        <translation>Font generated</translation>
    </message>
    <message>
        <source>生成字体%1成功</source>
        <translation>Font %1 generated successfully</translation>
    </message>
    <message>
        <source>您是否需要删除列表中选择的字体？</source>
        <translation>Delete the font selected in the list?</translation>
    </message>
    <message>
        <source>正在生成字体，字体%1未删除，请在生成结束后再删除！</source>
        <translation>A font is being generated, so font %1 was not deleted; delete it once the generation has ended!</translation>
    </message>
</context>
<context>
    <name>PagesController</name>
    <message>
        <source>一个项目最多可有%1个页面！</source>
        <translation>A project has at most %1 pages!</translation>
    </message>
    <message>
        <source>添加页</source>
        <translation>Add page</translation>
    </message>
    <message>
        <source>删除页</source>
        <translation>Delete page</translation>
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
        <source>不可删除最后一页！</source>
        <translation>The last page cannot be deleted!</translation>
    </message>
    <message>
        <source>是否删除第%1页？</source>
        <translation>Delete page %1?</translation>
    </message>
</context>
<context>
    <name>ProjectController</name>
    <message>
        <source>加载控件错误，可能该项目之前未做保存操作，导入失败！</source>
        <translation>Error loading widgets; the project may never have been saved. Import failed!</translation>
    </message>
    <message>
        <source>路径：</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>新建项目</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>路径错误，保存失败！</source>
        <translation>Path error, save failed!</translation>
    </message>
    <message>
        <source>保存失败！</source>
        <translation>Save failed!</translation>
    </message>
    <message>
        <source>新建项目名称已存在，请您重新命名！</source>
        <translation>The new project name already exists, please rename it!</translation>
    </message>
    <message>
        <source>%1：无法创建子文件夹</source>
        <translation>%1: cannot create its subfolders</translation>
    </message>
    <message>
        <source>%1：文件夹不存在</source>
        <translation>%1: the folder does not exist</translation>
    </message>
    <message>
        <source>%1：不是文件夹</source>
        <translation>%1: not a folder</translation>
    </message>
    <message>
        <source>%1：无法在此创建文件夹</source>
        <translation>%1: cannot create a folder here</translation>
    </message>
    <message>
        <source>自动保存失败！</source>
        <translation>Auto-save failed!</translation>
    </message>
    <message>
        <source>导入成功！</source>
        <translation>Import successful!</translation>
    </message>
    <message>
        <source>图库缺少项目用到的%1张图片（编号%2），编号保持不变；把图片放回%3后重新导入项目即可显示。</source>
        <translation>The library lacks %1 picture(s) the project uses (numbers %2). The numbers are kept; put the pictures back into %3 and import the project again to show them.</translation>
    </message>
    <message>
        <source>未创建项目，请您先创建项目！</source>
        <translation>No project created yet, please create a project first!</translation>
    </message>
    <message>
        <source>是否保存当前项目？</source>
        <translation>Save the current project?</translation>
    </message>
    <message>
        <source>保存成功！</source>
        <translation>Save successfully!</translation>
    </message>
    <message>
        <source>您是否需要继续导入项目覆盖当前项目？（建议您先保存当前项目再导入！）</source>
        <translation>Do you want to import a project over the current project? (We suggest saving the current project before importing!)</translation>
    </message>
    <message>
        <source>是否导入项目？</source>
        <translation>Import the project?</translation>
    </message>
    <message>
        <source>导入项目</source>
        <translation>Import project</translation>
    </message>
    <message>
        <source>加载项目路径错误，导入失败！</source>
        <translation>Wrong project path, import failed!</translation>
    </message>
</context>
<context>
    <name>PropertiesController</name>
    <message>
        <source>未创建或导入项目，请您先创建或导入项目！</source>
        <translation>No project has been created or imported. Please create or import a project first!</translation>
    </message>
    <message>
        <source>该控件类型无法添加事件，请您查看说明文档！</source>
        <translation>Events cannot be added to this widget type. Please see the documentation!</translation>
    </message>
    <message>
        <source>未添加事件，无法删除！</source>
        <translation>No event has been added, nothing to delete!</translation>
    </message>
    <message>
        <source>该控件类型无法编辑事件，请您查看说明文档！</source>
        <translation>Events of this widget type cannot be edited. Please see the documentation!</translation>
    </message>
</context>
<context>
    <name>TerminalController</name>
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
        <source>下载中请稍后重试！</source>
        <translation>Downloading, please try again later!</translation>
    </message>
</context>
</TS>
