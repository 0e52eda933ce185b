<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
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
</context>
</TS>
