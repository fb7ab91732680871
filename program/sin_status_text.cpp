#include "program/sin_status_text.h"

#include "editions/file_owners.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace tolvan {
namespace {

// The reasons loadSin, saveSin and the safe reader and writer give (the
// system's own words, or ours).
std::string chineseReason(const std::string& detail)
{
    if (detail.empty())
        return {};
    const std::pair<const char*, const char*> ours[] = {
        {"it is a folder", "这是一个文件夹"},
        {"it is a folder, not a regular file", "这是一个文件夹，不是普通文件"},
        {"it is a pipe, not a regular file", "这是一个管道，不是普通文件"},
        {"it is a socket, not a regular file", "这是一个套接字，不是普通文件"},
        {"it is a device, not a regular file", "这是一个设备，不是普通文件"},
        {"it is not a regular file", "这不是普通文件"},
        {"it is read-only", "文件是只读的"},
        {"it is a channel data file (.sin), which an export never replaces", "这是写频数据文件（.sin），导出不会覆盖它"},
        {"it leads to a channel data file (.sin), which an export never replaces",
         "它指向写频数据文件（.sin），导出不会覆盖它"},
    };
    for (const auto& [english, chinese] : ours)
        if (detail == english)
            return chinese;
    if (detail.starts_with("it is a link to ") && detail.ends_with("which does not exist"))
        return "这是一个指向不存在文件的链接";
    if (const std::string input = "it is the input file \""; detail.starts_with(input) && detail.ends_with("\""))
        return "这是正在读取的文件“" + detail.substr(input.size(), detail.size() - input.size() - 1) + "”";
    if (const std::string folder = "its folder \""; detail.starts_with(folder) && detail.ends_with("\" is read-only"))
        return "文件夹“" + detail.substr(folder.size(), detail.size() - folder.size() - 14) + "”是只读的";
    if (detail.starts_with("it is larger than ")) {
        const std::string bytes = detail.substr(18, detail.find(' ', 18) - 18);
        return "文件大于 " + bytes + " 字节，超过本程序写出的任何此类文件";
    }
    const std::pair<int, const char*> reasons[] = {
        {ENOENT, "文件或文件夹不存在"}, {EACCES, "没有访问权限"},     {EPERM, "不允许此操作"},
        {EISDIR, "这是一个文件夹"},     {ENOTDIR, "路径中有一项不是文件夹"}, {ENOSPC, "磁盘空间不足"},
        {EROFS, "文件系统是只读的"},   {ENAMETOOLONG, "文件名太长"},   {EIO, "输入输出错误"},
        {ELOOP, "符号链接层数太多"},   {EDQUOT, "超出磁盘配额"},      {EBUSY, "设备或资源忙"},
        {EFBIG, "文件太大"},
    };
    for (const auto& [code, text] : reasons)
        if (detail == std::strerror(code))
            return text;
    return "系统错误";
}

// "1000 bytes" → "1000".
std::string leadingNumber(const std::string& text)
{
    std::size_t n = 0;
    while (n < text.size() && std::isdigit(static_cast<unsigned char>(text[n])))
        ++n;
    return text.substr(0, n);
}

} // namespace

std::string sinStatusText(SinStatus status, const std::filesystem::path& path, std::size_t imageSize,
                          const std::string& detail, Language language)
{
    if (language == Language::English)
        return describeSinStatus(status, path, imageSize, detail);
    const std::string name = "“" + path.string() + "”";
    const std::string reason = chineseReason(detail);
    const std::string because = reason.empty() ? std::string() : "（" + reason + "）";
    switch (status) {
    case SinStatus::Ok:
    case SinStatus::Declined:
        return {};
    case SinStatus::CannotOpen:
        return "无法打开文件" + name + because + "。";
    case SinStatus::Empty:
        return "文件" + name + "是空的，没有写频数据。";
    case SinStatus::TooShort:
        return "文件" + name + "不是本程序的写频数据文件：它只有 " + leadingNumber(detail) + " 字节，应为 "
               + std::to_string(imageSize) + " 字节。";
    case SinStatus::CannotWrite:
        return "无法保存文件" + name + because + "。原来的文件没有改变。";
    }
    return {};
}

std::string fileReasonText(const std::string& reason, Language language)
{
    return language == Language::English ? reason : chineseReason(reason);
}

std::string writeFaultText(const FileResult& result, const std::filesystem::path& target, Language language)
{
    const std::string english = describeWriteFault(result, target);
    if (language == Language::English || english.empty())
        return english;
    return "无法写入文件“" + target.string() + "”（" + chineseReason(result.reason) + "）。"
           + (english.ends_with(" The previous file is unchanged.") ? "原来的文件没有改变。" : "");
}

namespace {

// Built piece by piece: one long chain of + on temporaries trips a false
// overlap warning of the compiler.
std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::string out;
    for (std::string_view piece : pieces)
        out += piece;
    return out;
}

// The programs whose image is `fileSize` bytes, each with its radio.
std::string programsOfLength(std::uintmax_t fileSize, bool english)
{
    std::string programs;
    for (const Edition* e : editionsOfLength(fileSize))
        programs += joined({programs.empty() ? "" : english ? ", " : "、", e->id, english ? " (" : "（", e->radio,
                            english ? ")" : "）"});
    return programs;
}

} // namespace

std::string fileLengthText(const std::filesystem::path& path, std::uintmax_t fileSize, std::size_t imageSize,
                           Language language)
{
    const bool english = language == Language::English;
    const std::string size = std::to_string(fileSize), own = std::to_string(imageSize);
    const std::string programs = programsOfLength(fileSize, english);
    if (english)
        return joined({"\"", path.string(), "\" holds ", size, " bytes",
                       imageSize ? ", more than the " + own + " of this program's radio: " : ": ",
                       programs.empty() ? "no program of these tools keeps files of that length."
                                        : "it is a file of " + programs + "."});
    return joined({"文件“", path.string(), "”有 ", size, " 字节", imageSize ? "，多于本程序的 " + own + " 字节：" : "：",
                   programs.empty() ? "没有一个写频程序使用这样长度的文件。" : "它是 " + programs + "的文件。"});
}

std::string longerFileText(const std::filesystem::path& path, std::uintmax_t fileSize, const Edition& edition,
                           Language language, LongerFileUse use)
{
    const bool english = language == Language::English;
    const std::string own = std::to_string(edition.imageSize);
    const std::string text = fileLengthText(path, fileSize, edition.imageSize, language);
    switch (use) {
    case LongerFileUse::Open:
        return text + (english ? "\nOpen its first " + own + " bytes anyway?" : "\n仍然打开它的前 " + own + " 字节吗？");
    case LongerFileUse::Compare:
        return text + (english ? "\nCompare with its first " + own + " bytes anyway?" : "\n仍然与它的前 " + own + " 字节比较吗？");
    case LongerFileUse::Read:
        return text + (english ? " Only its first " + own + " bytes are read." : "只读取它的前 " + own + " 字节。");
    case LongerFileUse::Write:
        return text + (english ? " Its first " + own + " bytes are written." : "写入它的前 " + own + " 字节。");
    case LongerFileUse::WriteRefused:
        return text
               + (english ? " Writing it would program this radio with another radio's memory; --accept-length writes "
                            "its first " + own + " bytes all the same."
                          : "写入它会把另一种对讲机的数据写进这台对讲机；加上 --accept-length 仍然写入它的前 " + own
                                + " 字节。");
    }
    return text;
}

} // namespace tolvan
