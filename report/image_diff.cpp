#include "report/image_diff.h"

#include "codeplug/sin_file.h"
#include "codeplug/text_util.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "link/image_regions.h"
#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/startup_language.h"
#include "report/form_list_texts.h"
#include "report/settings_values.h"

#include <algorithm>
#include <array>
#include <iostream>

namespace tolvan {
namespace {

struct DiffTexts {
    std::string channel;
    std::string settings;
    std::string otherBytes;
    std::string identical;
    std::string blank;
};

const DiffTexts& diffTexts(const Edition& edition, Language language)
{
    static const DiffTexts english{"Channel ", "Settings", "Other bytes", "The files are identical.", "(blank)"};
    static const DiffTexts chinese{"信道 ", "设置", "其他字节", "两个文件完全相同。", "（空）"};
    return edition.uiLanguage(language) == Language::English ? english : chinese;
}

std::string hexByte(std::uint8_t b)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[b >> 4], kHex[b & 0xF]};
}

std::string listText(const FormList& list, const FormSettings& form, int i, Language language)
{
    const auto& items = list.items(form.edition().uiLanguage(language));
    const int index = form.selection(i);
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                 : std::string();
}

// The bytes that hold channel `n`: its record and its name. A fixed array, as
// every channel of both images is walked through it.
struct ChannelBytes {
    std::array<std::size_t, 24> offsets{};
    std::size_t count = 0;
    const std::size_t* begin() const { return offsets.data(); }
    const std::size_t* end() const { return offsets.data() + count; }
};

ChannelBytes channelBytes(const Edition& edition, int n)
{
    ChannelBytes bytes;
    for (std::size_t i = 0; i < 16; ++i)
        bytes.offsets[bytes.count++] = edition.recordOffset(n) + i;
    if (edition.nameBase)
        for (std::size_t i = 0; i < 8; ++i)
            bytes.offsets[bytes.count++] = *edition.nameBase + 8 * static_cast<std::size_t>(n - 1) + i;
    return bytes;
}

} // namespace

ImageComparison compareImages(const Edition& edition, Language language, const MemoryImage& a, const MemoryImage& b)
{
    ImageComparison out;
    ChannelTable ta(edition, language), tb(edition, language);
    ta.loadFromImage(a);
    tb.loadFromImage(b);
    const RecordCodec& codec = edition.records();
    std::vector<std::size_t> unexplained;
    // One copy of A serves every channel: a channel's record is written into it
    // and put back afterwards, instead of copying the whole image per channel.
    MemoryImage explained = a;
    for (int n = 1; n <= edition.channelCount; ++n) {
        ImageComparison::Channel channel{n, {}};
        for (int col = 1; col < ta.columnCount(); ++col) {
            if (ta.columnAt(col) == Column::More || ta.cell(n, col) == tb.cell(n, col))
                continue;
            channel.cells.push_back({trim(ta.cell(0, col)), ta.cell(n, col), tb.cell(n, col)});
        }
        // What the shown columns account for: A with B's channel written into it.
        if (!channel.cells.empty())
            codec.write(edition, explained, n, tb.channelOfRow(n));
        for (std::size_t offset : channelBytes(edition, n))
            if (a.at(offset) != b.at(offset) && explained.at(offset) != b.at(offset))
                unexplained.push_back(offset);
        if (!channel.cells.empty())
            explained = a;  // same size: the bytes are copied, nothing allocated
        if (!channel.cells.empty())
            out.channels.push_back(std::move(channel));
    }

    const auto settings = namedSettings(edition, language);
    const ImageDifference d = differenceOf(edition, settings, a, b, a.size());
    FormSettings fa(edition), fb(edition);
    fa.loadFromImage(a);
    fb.loadFromImage(b);
    const FormListTexts la = formListTexts(fa, language), lb = formListTexts(fb, language);
    for (const NamedSetting* s : d.settings) {
        ImageComparison::Setting setting{s->name, {}, {}};
        if (s->list) {
            const int i = static_cast<int>(s->list - edition.formLists.data());
            setting.before = listText(*s->list, fa, i, language);
            setting.after = listText(*s->list, fb, i, language);
        } else if (s->item) {
            setting.before = trim(settingsValueText(*s->item, a, la, language));
            setting.after = trim(settingsValueText(*s->item, b, lb, language));
        }
        // Two byte values can print alike: then the bytes tell them apart.
        if (setting.before == setting.after) {
            for (const auto& bits : s->bits) {
                if (((a.at(bits.offset) ^ b.at(bits.offset)) & bits.mask) == 0)
                    continue;
                auto mark = [&](std::string& text, std::uint8_t value) {
                    if (!text.empty())
                        text += ' ';
                    text += addressText(bits.offset) + "=" + hexByte(value);
                };
                mark(setting.before, a.at(bits.offset));
                mark(setting.after, b.at(bits.offset));
                break;
            }
        }
        out.settings.push_back(std::move(setting));
    }

    unexplained.insert(unexplained.end(), d.otherBytes.begin(), d.otherBytes.end());
    std::sort(unexplained.begin(), unexplained.end());
    unexplained.erase(std::unique(unexplained.begin(), unexplained.end()), unexplained.end());
    for (std::size_t offset : unexplained)
        out.bytes.push_back({offset, a.at(offset), b.at(offset)});
    return out;
}

std::string comparisonText(const Edition& edition, Language language, const ImageComparison& c)
{
    const DiffTexts& t = diffTexts(edition, language);
    if (c.identical())
        return t.identical + "\n";
    auto shown = [&](const std::string& text) { return text.empty() ? t.blank : text; };
    std::string out;
    for (const auto& channel : c.channels) {
        out += t.channel + std::to_string(channel.number) + "\n";
        for (const auto& cell : channel.cells)
            out += "  " + cell.column + ": " + shown(cell.before) + " -> " + shown(cell.after) + "\n";
    }
    if (!c.settings.empty()) {
        out += t.settings + "\n";
        for (const auto& s : c.settings)
            out += "  " + s.name + ": " + shown(s.before) + " -> " + shown(s.after) + "\n";
    }
    if (!c.bytes.empty()) {
        out += t.otherBytes + "\n";
        // Appended piece by piece: two unlike images differ in thousands of bytes.
        for (const auto& b : c.bytes) {
            out += "  ";
            out += addressText(b.offset);
            out += ": ";
            out += hexByte(b.before);
            out += " -> ";
            out += hexByte(b.after);
            out += '\n';
        }
    }
    return out;
}

namespace {

int diffCommand(const Edition& edition, const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::cerr << edition.id << ": --diff needs A.sin B.sin\n";
        return kExitUsage;
    }
    std::vector<MemoryImage> images;
    for (const std::string& path : args) {
        SinLoadResult in = loadSin(path, edition.imageSize);
        if (in.status != SinStatus::Ok) {
            std::cerr << describeSinStatus(in.status, path, edition.imageSize, in.detail) << '\n';
            return kExitFileError;
        }
        images.push_back(std::move(*in.image));
    }
    const Language language = decideStartupLanguage(edition, programPath(), systemLanguageIsChinese()).language;
    const ImageComparison c = compareImages(edition, language, images[0], images[1]);
    std::cout << comparisonText(edition, language, c);
    return c.identical() ? kExitDone : kExitDifferent;
}

} // namespace

void registerImageDiff()
{
    registerBatchCommand({"--diff", "A.sin B.sin",
                          "show how B.sin differs from A.sin: channels column by column,\n"
                          "                              then settings, then other bytes (exit 0 identical,\n"
                          "                              5 different, 2 file error)",
                          diffCommand});
}

} // namespace tolvan
