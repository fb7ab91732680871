#include "report/report_texts.h"

namespace tolvan {

const DiffTexts& diffTexts(Language language)
{
    static const DiffTexts english{"Channel ",
                                   "Settings",
                                   "Other bytes",
                                   "byte ",
                                   "name byte ",
                                   "(blank)",
                                   {"", "The files are identical."},
                                   {"document -> file", "The files are identical."},
                                   {"document -> radio", "The radio holds what the document holds."}};
    static const DiffTexts chinese{"信道 ",
                                   "设置",
                                   "其他字节",
                                   "字节 ",
                                   "名称字节 ",
                                   "（空）",
                                   {"", "两个文件完全相同。"},
                                   {"文档 -> 文件", "两个文件完全相同。"},
                                   {"文档 -> 对讲机", "对讲机中的数据与文档一致。"}};
    return language == Language::English ? english : chinese;
}

const PdfTexts& pdfTexts(Language language)
{
    static const PdfTexts english{"This program has no printed report.", "The PDF could not be drawn."};
    static const PdfTexts chinese{"本程序没有打印报表。", "无法绘制 PDF 文件。"};
    return language == Language::English ? english : chinese;
}

} // namespace tolvan
