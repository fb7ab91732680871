#include "codeplug/text_util.h"

#include <cctype>

namespace tolvan {

bool isBlankChar(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string trimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && isBlankChar(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string trim(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && isBlankChar(text[begin]))
        ++begin;
    return trimRight(text.substr(begin));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marked = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
                            && static_cast<std::size_t>(pattern[i + 1] - '1') < values.size();
        if (marked)
            out += values.begin()[pattern[++i] - '1'];
        else
            out += pattern[i];
    }
    return out;
}

std::string joined(const std::vector<std::string>& items, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out.append(i == 0 ? "" : separator).append(items[i]);
    return out;
}

} // namespace tolvan
