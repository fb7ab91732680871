#!/usr/bin/env python3
"""Writes the window's translation sources (resources/translations/*.ts).

The English file carries every text as its own translation, the Chinese file
our Chinese wording. Run it after adding a translatable text; it fails when a
text of the sources is missing here.
"""
import pathlib
import re
import sys
from xml.sax.saxutils import escape

ROOT = pathlib.Path(__file__).resolve().parent.parent

TEXTS = {
    "tolvan::CMainFrame": [
        ("Talk to the built-in virtual radio instead of a cable", "不接写频线，与内置的虚拟对讲机通讯"),
        ("Help", "帮助"),
        ("Read Data From Radio\nRead", "从对讲机读取数据\n读频"),
        ("Write Data to Radio \nWrite", "将数据写入对讲机\n写频"),
        ("Choose Communication Port one \nCom1", "选择通讯端口一\nCom1"),
        ("Choose Communication Port two \nCom2", "选择通讯端口二\nCom2"),
        ("Choose Communication Port three \nCom3", "选择通讯端口三\nCom3"),
        ("Choose Communication Port four \nCom4", "选择通讯端口四\nCom4"),
        ("Debug TX Power,Squelch Level,Low Power Alert\nDebug on line", "调试发射功率、静噪等级、低电报警\n在线调试"),
        ("Set the rest  functional features for the interphone", "设置对讲机的其它功能"),
        ("Assign functions to the side buttons\nKey Assignment", "设置侧键的功能\n侧键功能"),
        ("Create a new document\nNew", "新建一个文档\n新建"),
        ("Open an existing document\nOpen", "打开一个已有的文档\n打开"),
        ("Save the active document\nSave", "保存当前文档\n保存"),
        ("Save the active document with a new name\nSave As", "用新的名字保存当前文档\n另存为"),
        ("Print the active document\nPrint", "打印当前文档\n打印"),
        ("Display full pages\nPrint Preview", "显示整页\n打印预览"),
        ("Change the printer and printing options\nPrint Setup", "更改打印机及打印选项\n打印设置"),
        ("Quit the application; prompts to save documents\nExit", "退出程序；提示保存文档\n退出"),
        ("Show or hide the toolbar\nToggle ToolBar", "显示或隐藏工具栏\n切换工具栏"),
        ("Show or hide the status bar\nToggle StatusBar", "显示或隐藏状态栏\n切换状态栏"),
        ("List Help topics\nHelp Topics", "列出帮助主题\n帮助主题"),
        ("Display program information, version number and copyright\nAbout", "显示程序信息、版本号和版权\n关于"),
        ("Display help for clicked on buttons, menus and windows\nHelp", "显示按钮、菜单和窗口的帮助\n帮助"),
        ("Open this document", "打开该文档"),
        ("Edit the two-tone signalling tables\nTwo Tone", "编辑两音信令表\n两音信令"),
        ("Standard", "标准"),
        ("For Help，Please Press F1", "如需帮助，请按F1键"),
        ("CAP", "CAP"),
        ("NUM", "NUM"),
        ("SCRL", "SCRL"),
        ("The channel data has changed.\nDo you want to save the changes?", "信道数据已修改。\n是否保存修改？"),
        ("Channel Data (*.sin)", "写频数据 (*.sin)"),
        ("Write Data", "写频数据"),
        ("Cannot find the help file %1.", "找不到帮助文件 %1。"),
        ("About Tolvan", "关于 Tolvan"),
        ("Copyright (C) Tolvan", "版权所有 (C) Tolvan"),
        ("Every read from a radio is also kept in\n%1\n(the last %2 reads).",
         "每次从对讲机读出的数据也保存在\n%1\n（保留最近 %2 次）。"),
    ],
    "CTolView": [
        ("Type Setting", "机型设置"),
        ("Type", "机型"),
        ("Field", "频段"),
        ("Tx Power Rank", "发射功率等级"),
        ("Manul Setting", "手动设置"),
        ("Scan Function(16th)", "第16信道扫描"),
        ("Function Setting", "功能设置"),
        ("Data Password", "数据密码"),
        ("Warning", "报警音提示"),
        ("TX Power", "发射功率"),
        ("Vox", "声控发射"),
        ("Time-out Timer", "发射限时(秒)"),
        ("Squelch Level", "静噪等级"),
        ("Band  Width", "频带宽度"),
        ("Side Button", "侧键功能"),
    ],
}


# Texts of Qt's own classes that its Chinese translation lacks, for the
# Chinese file only: the file dialog's type of a folder. A third item is the
# disambiguation Qt passes with the text.
QT_TEXTS = {
    "QAbstractFileIconProvider": [
        ("Folder", "文件夹", "All other platforms"),
        ("Drive", "驱动器"),
    ],
}


def c_unescape(text):
    return text.encode().decode("unicode_escape").encode("latin-1").decode("utf-8")


def source_texts():
    """Every literal the window passes through tr() or translate()."""
    found = set()
    for path in list((ROOT / "app" / "qt").glob("*.cpp")) + list((ROOT / "editor" / "qt").glob("*.cpp")):
        text = path.read_text(encoding="utf-8")
        for m in re.finditer(r'\btr\("((?:[^"\\]|\\.)*)"\)', text):
            found.add(c_unescape(m.group(1)))
        for m in re.finditer(r'translate\("([\w:]+)",\s*"((?:[^"\\]|\\.)*)"\)', text):
            found.add(c_unescape(m.group(2)))
        # prompts handed to tr() through a table
        for m in re.finditer(r'\{cmd::Com\d, "COM\d", "((?:[^"\\]|\\.)*)"\}', text):
            found.add(c_unescape(m.group(1)))
    return found


def write(path, language, chinese):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{language}" sourcelanguage="en_GB">']
    contexts = {**TEXTS, **QT_TEXTS} if chinese else TEXTS
    for context, pairs in contexts.items():
        lines.append("<context>")
        lines.append(f"    <name>{context}</name>")
        for source, zh, *comment in pairs:
            lines.append("    <message>")
            lines.append(f"        <source>{escape(source)}</source>")
            if comment:
                lines.append(f"        <comment>{escape(comment[0])}</comment>")
            lines.append(f"        <translation>{escape(zh if chinese else source)}</translation>")
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def main():
    known = {s for pairs in TEXTS.values() for s, _ in pairs}
    missing = source_texts() - known
    if missing:
        print("texts without a translation:", *sorted(missing), sep="\n  ", file=sys.stderr)
        return 1
    out = ROOT / "resources" / "translations"
    write(out / "tolvan_en.ts", "en_GB", False)
    write(out / "tolvan_zh.ts", "zh_CN", True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
