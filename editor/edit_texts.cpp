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

} // namespace tolvan
