<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_GB">
<context>
    <name>tolvan::CMainFrame</name>
    <message>
        <source>Talk to the built-in virtual radio instead of a cable</source>
        <translation>不接写频线，与内置的虚拟对讲机通讯</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>从对讲机读取数据
读频</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>将数据写入对讲机
写频</translation>
    </message>
    <message>
        <source>Choose Communication Port one 
Com1</source>
        <translation>选择通讯端口一
Com1</translation>
    </message>
    <message>
        <source>Choose Communication Port two 
Com2</source>
        <translation>选择通讯端口二
Com2</translation>
    </message>
    <message>
        <source>Choose Communication Port three 
Com3</source>
        <translation>选择通讯端口三
Com3</translation>
    </message>
    <message>
        <source>Choose Communication Port four 
Com4</source>
        <translation>选择通讯端口四
Com4</translation>
    </message>
    <message>
        <source>Debug TX Power,Squelch Level,Low Power Alert
Debug on line</source>
        <translation>调试发射功率、静噪等级、低电报警
在线调试</translation>
    </message>
    <message>
        <source>Set the rest  functional features for the interphone</source>
        <translation>设置对讲机的其它功能</translation>
    </message>
    <message>
        <source>Assign functions to the side buttons
Key Assignment</source>
        <translation>设置侧键的功能
侧键功能</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建一个文档
新建</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开一个已有的文档
打开</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>用新的名字保存当前文档
另存为</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机及打印选项
打印设置</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>列出帮助主题
帮助主题</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>显示按钮、菜单和窗口的帮助
帮助</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开该文档</translation>
    </message>
    <message>
        <source>Edit the two-tone signalling tables
Two Tone</source>
        <translation>编辑两音信令表
两音信令</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>For Help，Please Press F1</source>
        <translation>如需帮助，请按F1键</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>The channel data has changed.
Do you want to save the changes?</source>
        <translation>信道数据已修改。
是否保存修改？</translation>
    </message>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>写频数据 (*.sin)</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>写频数据</translation>
    </message>
    <message>
        <source>Cannot find the help file %1.</source>
        <translation>找不到帮助文件 %1。</translation>
    </message>
    <message>
        <source>About Tolvan</source>
        <translation>关于 Tolvan</translation>
    </message>
    <message>
        <source>Copyright (C) Tolvan</source>
        <translation>版权所有 (C) Tolvan</translation>
    </message>
    <message>
        <source>Every read from a radio is also kept in
%1
(the last %2 reads).</source>
        <translation>每次从对讲机读出的数据也保存在
%1
（保留最近 %2 次）。</translation>
    </message>
</context>
<context>
    <name>CTolView</name>
    <message>
        <source>Type Setting</source>
        <translation>机型设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Tx Power Rank</source>
        <translation>发射功率等级</translation>
    </message>
    <message>
        <source>Manul Setting</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Scan Function(16th)</source>
        <translation>第16信道扫描</translation>
    </message>
    <message>
        <source>Function Setting</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>Data Password</source>
        <translation>数据密码</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>报警音提示</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Vox</source>
        <translation>声控发射</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>发射限时(秒)</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Band  Width</source>
        <translation>频带宽度</translation>
    </message>
    <message>
        <source>Side Button</source>
        <translation>侧键功能</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
</context>
</TS>
