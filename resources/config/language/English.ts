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
</TS>
