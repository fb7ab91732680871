#include "editor/edit_texts.h"

namespace tolvan {

ChannelEditTexts channelEditTexts(Language language)
{
    ChannelEditTexts t{
        .caption = "Channel Edit",
        .channel = "Channel",
        .optSignal = "Opt Signal",
        .signalling = {"TD1200", "DTMF", "5-Tone", "2-Tone"},
        .twoToneGroup = "Opt Signal(2 Tone)",
        .call = "Call",
        .decode = "Decode",
        .ok = "OK",
    };
    if (language == Language::English)
        return t;
    t.caption = "频道编辑";
    t.channel = "频道";
    t.optSignal = "可选信令";
    t.twoToneGroup = "可选信令(两音)";
    t.call = "呼叫";
    t.decode = "解码";
    t.ok = "确定";
    return t;
}

RowCommandTexts rowCommandTexts(Language language)
{
    if (language == Language::English)
        return {"Copy Rows", "Paste Rows", "Clear Rows", "Undo", "Redo"};
    return {"复制行", "粘贴行", "清除行", "撤销", "重做"};
}

std::string undoCaption(EditKind kind, bool redo, Language language)
{
    struct Name {
        EditKind kind;
        const char* english;
        const char* chinese;
    };
    static const Name names[] = {
        {EditKind::Typing, "Typing", "输入"},
        {EditKind::Paste, "Paste Rows", "粘贴行"},
        {EditKind::Clear, "Clear Rows", "清除行"},
        {EditKind::ChannelEdit, "Channel Edit", "频道编辑"},
        {EditKind::OptionalFeatures, "Optional Features", "可选功能"},
        {EditKind::KeyAssignment, "Key Assignment", "侧键功能"},
        {EditKind::TwoTone, "Two Tone", "两音信令"},
        {EditKind::Form, "Setting", "设置"},
        {EditKind::Password, "Data Password", "数据密码"},
        {EditKind::ImportChannels, "Import Channels", "导入频道"},
        {EditKind::ReadFromRadio, "Read From Radio", "读频"},
    };
    const RowCommandTexts texts = rowCommandTexts(language);
    for (const Name& n : names)
        if (n.kind == kind)
            return language == Language::English ? (redo ? texts.redo : texts.undo) + " " + n.english
                                                 : (redo ? texts.redo : texts.undo) + n.chinese;
    return redo ? texts.redo : texts.undo;
}

const CsvImportTexts& csvImportTexts(Language language)
{
    static const CsvImportTexts english{
        "Line %1, column %2: ",
        "Channel %1, %2: ",
        "a quote is not closed",
        "unknown column",
        "this column is given twice",
        "the channel column is missing",
        "the number of fields differs from the header line",
        "not a channel of this radio",
        "this channel is given twice",
        "not one of the column's choices",
        "not a tone of the tone list",
        "a name takes at most 6 characters: A-Z, 0-9, - and space",
        "Cannot read ",
        " channels changed",
        "ignored: ",
        ", ",
        "skipped: ",
        "no program's file has %1 bytes",
        "not a file of %1 (%2 bytes)",
        "the file may be one of %1, which read its channels differently",
        "; name its program with --from PROGRAM"};
    static const CsvImportTexts chinese{
        "第 %1 行，第 %2 列：",
        "信道 %1，%2：",
        "引号没有结束",
        "未知的列",
        "此列重复出现",
        "缺少频道列",
        "字段数与标题行不一致",
        "不是本机的频道",
        "此频道重复出现",
        "不是此列可选的值",
        "不是信令表中的值",
        "名称最多6个字符：A-Z、0-9、-和空格",
        "无法读取 ",
        " 个频道已更改",
        "已忽略：",
        "、",
        "已跳过：",
        "没有程序的文件是 %1 字节",
        "不是 %1 的文件（%2 字节）",
        "该文件可能属于 %1，它们读出的信道不同",
        "；请用 --from PROGRAM 指定其程序"};
    return language == Language::English ? english : chinese;
}

} // namespace tolvan
