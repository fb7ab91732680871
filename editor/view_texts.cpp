#include "editor/view_texts.h"

namespace tolvan {

const std::string& viewHint(HintTarget target, Language language)
{
    static const std::string english[] = {
        "Please click the CommBox to choose value，For help，please press F1",
        "Please Click the cell to edit or input data，For help，please press F1",
        "For help，please press F1",
    };
    static const std::string chinese[] = {
        "请点击组合框右边的箭头按钮以进行选择",
        "请单击格子进入编辑状态或直接输入数字,如需帮助，请按F1键",
        "如需帮助，请按F1键",
    };
    const auto i = static_cast<std::size_t>(target);
    return language == Language::English ? english[i] : chinese[i];
}

} // namespace tolvan
