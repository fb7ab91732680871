#include "report/image_diff.h"

#include "program/help_texts.h"
#include "codeplug/sin_file.h"
#include "codeplug/text_util.h"
#include "editions/edition_cache.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "editor/saved_image.h"
#include "link/image_regions.h"
#include "program/command_args.h"
#include "program/command_file.h"
#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/startup_language.h"
#include "report/report_texts.h"
#include "report/form_list_texts.h"
#include "report/settings_values.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace tolvan {
namespace {

char hexDigit(unsigned nibble)
{
    return "0123456789ABCDEF"[nibble & 0xF];
}

std::string hexByte(std::uint8_t b)
{
    return {hexDigit(b >> 4u), hexDigit(b)};
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

// What a comparison needs from an edition in one language, whatever the
// images: the table's words, its column headers as the lines name them, the
// named settings and, by address, the bits they show. Built once: a
// comparison would otherwise spend most of its time on them.
struct ComparisonSetUp {
    ChannelTable table;  // no channels loaded: only its words are used
    std::vector<std::string> headers;
    std::vector<NamedSetting> settings;
    std::vector<std::uint8_t> settingBits;

    ComparisonSetUp(const Edition& edition, Language language)
        : table(edition, language), settings(namedSettings(edition, language)), settingBits(edition.imageSize, 0)
    {
        for (int col = 0; col < table.columnCount(); ++col)
            headers.push_back(trim(table.cell(0, col)));
        for (const NamedSetting& s : settings)
            for (const NamedSetting::Bits& bits : s.bits)
                if (bits.offset < settingBits.size())
                    settingBits[bits.offset] |= bits.mask;
    }
};

std::shared_ptr<const ComparisonSetUp> comparisonSetUp(const Edition& edition, Language language)
{
    static EditionCache<ComparisonSetUp> cache;
    return cache.get(edition, language,
                     [](const Edition& e, Language l) { return ComparisonSetUp(e, l); });
}

// The named settings that differ, by the texts the form and the report give them.
std::vector<ImageComparison::Setting> settingChanges(const Edition& edition, Language language,
                                                     const std::vector<const NamedSetting*>& settings,
                                                     const MemoryImage& a, const MemoryImage& b)
{
    std::vector<ImageComparison::Setting> out;
    FormSettings fa(edition), fb(edition);
    fa.loadFromImage(a);
    fb.loadFromImage(b);
    const FormListTexts la = formListTexts(fa, language), lb = formListTexts(fb, language);
    for (const NamedSetting* s : settings) {
        ImageComparison::Setting setting{s->name, {}, {}, {}};
        for (const auto& bits : s->bits)
            if (((a.at(bits.offset) ^ b.at(bits.offset)) & bits.mask) != 0
                && std::find(setting.offsets.begin(), setting.offsets.end(), bits.offset) == setting.offsets.end())
                setting.offsets.push_back(bits.offset);
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
        out.push_back(std::move(setting));
    }
    return out;
}

} // namespace

ImageComparison compareImages(const Edition& edition, Language language, const MemoryImage& a, const MemoryImage& b)
{
    if (a.size() != edition.imageSize || b.size() != edition.imageSize)
        throw std::invalid_argument("image size does not match the edition");
    ImageComparison out;
    const std::shared_ptr<const ComparisonSetUp> setUp = comparisonSetUp(edition, language);
    const ChannelTable& table = setUp->table;
    const std::vector<Column>& columns = edition.columns;
    const RecordCodec& codec = edition.records();
    // Each channel's row of both images, as a table loaded from each would show
    // it; two rows are enough, as channels are compared one at a time.
    std::vector<std::string> rowA(columns.size()), rowB(columns.size());
    // One copy of A serves every channel: a row is written into its record and
    // name (all that the codec writes) and they are put back afterwards.
    MemoryImage scratch = a;
    for (int n = 1; n <= edition.channelCount; ++n) {
        // A channel is its bytes: where they are alike in both images there is
        // nothing to read or show.
        const ChannelBytes bytes = channelBytes(edition, n);
        if (std::all_of(bytes.begin(), bytes.end(), [&](std::size_t offset) { return a.at(offset) == b.at(offset); }))
            continue;
        const ChannelFields fa = codec.read(edition, a, n), fb = codec.read(edition, b, n);
        ImageComparison::Channel channel{n, {}, {}, {}};
        // A column's text follows from the channel's fields alone: alike
        // fields show alike rows, so most channels of two close images cost
        // no texts at all.
        const bool alike = fa == fb;
        std::size_t differing = 0;
        for (std::size_t col = 1; col < columns.size() && !alike; ++col) {
            table.writeText(rowA[col], columns[col], fa, fa.inUse());
            table.writeText(rowB[col], columns[col], fb, fb.inUse());
            if (columns[col] != Column::More && rowA[col] != rowB[col])
                ++differing;
        }
        channel.cells.reserve(differing);
        for (std::size_t col = 1; differing > 0 && col < columns.size(); ++col)
            if (columns[col] != Column::More && rowA[col] != rowB[col])
                channel.cells.push_back({setUp->headers[col], rowA[col], rowB[col]});
        // The bits the shown columns account for: those that writing B's row
        // instead of A's own into A turns into B's. A's own row, not A's
        // bytes, is the base, as storing a row rewrites bytes of its own
        // (flag bits, a name's unused bytes) whatever the columns show.
        std::array<std::uint8_t, 24> explained{};
        if (!channel.cells.empty()) {
            auto stored = [&](const std::vector<std::string>& row) {
                std::array<std::uint8_t, 24> held{};
                codec.write(edition, scratch, n, table.channelOfTexts(row));
                for (std::size_t i = 0; i < bytes.count; ++i) {
                    held[i] = scratch.at(bytes.offsets[i]);
                    scratch.set(bytes.offsets[i], a.at(bytes.offsets[i]));
                }
                return held;
            };
            const std::array<std::uint8_t, 24> own = stored(rowA), other = stored(rowB);
            for (std::size_t i = 0; i < bytes.count; ++i)
                explained[i] = static_cast<std::uint8_t>(~(other[i] ^ b.at(bytes.offsets[i])) & (other[i] ^ own[i]));
        }
        for (std::size_t i = 0; i < bytes.count; ++i) {
            const std::size_t offset = bytes.offsets[i];
            const auto changed = static_cast<std::uint8_t>(a.at(offset) ^ b.at(offset));
            const auto shown = static_cast<std::uint8_t>(changed & explained[i]);
            if (shown)
                channel.shown.push_back(offset);
            // A bit a setting names is that setting's line (the report may read
            // a channel's bytes as a code, a form list may be written into
            // every record); the rest shows as the byte.
            if ((changed & ~shown & ~setUp->settingBits[offset]) != 0)
                channel.bytes.push_back({offset, a.at(offset), b.at(offset)});
        }
        if (!channel.cells.empty() || !channel.bytes.empty())
            out.channels.push_back(std::move(channel));
    }

    // Bytes outside the channels that no setting accounts for are the other bytes.
    const ImageDifference d = differenceOf(edition, setUp->settings, a, b, a.size());
    // The forms and their list texts are read only when a setting differs.
    if (!d.settings.empty())
        out.settings = settingChanges(edition, language, d.settings, a, b);
    out.bytes.reserve(d.otherBytes.size());
    for (std::size_t offset : d.otherBytes)
        out.bytes.push_back({offset, a.at(offset), b.at(offset)});
    return out;
}

ImageComparison compareAsSaved(const Edition& edition, Language language, const MemoryImage& stored,
                               const MemoryImage& other)
{
    return compareImages(edition, language, stored, imageAsSaved(edition, other));
}

std::string comparisonText(const Edition& edition, Language language, const ImageComparison& c,
                           ComparedSides sides)
{
    const DiffTexts& t = diffTexts(edition.uiLanguage(language));
    const DiffTexts::Sides& side = t.sides(sides);
    if (c.identical())
        return side.identical + "\n";
    auto shown = [&](const std::string& text) -> const std::string& { return text.empty() ? t.blank : text; };
    // Appended piece by piece, no line built on its own: two unlike images
    // differ in hundreds of cells and thousands of bytes.
    std::string out;
    std::size_t lines = c.bytes.size() + c.settings.size() + 3;
    for (const auto& channel : c.channels)
        lines += channel.cells.size() + channel.bytes.size() + 1;
    out.reserve(24 * lines);  // most lines are shorter: one allocation for most comparisons
    if (!side.heading.empty()) {
        out += side.heading;
        out += '\n';
    }
    auto change = [&](const std::string& name, const std::string& before, const std::string& after) {
        out += "  ";
        out += name;
        out += ": ";
        out += shown(before);
        out += " -> ";
        out += shown(after);
        out += '\n';
    };
    // "  0x0FE0: AB -> CD" or "  byte 12: 00 -> B7": the values set up in place
    // and appended once.
    auto byteLine = [&](std::string_view name, const ImageComparison::Byte& b) {
        out += "  ";
        out += name;
        const char values[] = {':', ' ', hexDigit(b.before >> 4), hexDigit(b.before & 0xF), ' ', '-', '>', ' ',
                               hexDigit(b.after >> 4), hexDigit(b.after & 0xF), '\n'};
        out.append(values, sizeof values);
    };
    for (const auto& channel : c.channels) {
        out += t.channel;
        out += std::to_string(channel.number);
        out += '\n';
        for (const auto& cell : channel.cells)
            change(cell.column, cell.before, cell.after);
        // A byte of the record by its number there, one of the name likewise.
        const std::size_t record = edition.recordOffset(channel.number);
        for (const auto& b : channel.bytes) {
            const bool inRecord = b.offset >= record && b.offset < record + 16;
            const std::size_t start =
                inRecord ? record : *edition.nameBase + 8 * static_cast<std::size_t>(channel.number - 1);
            byteLine((inRecord ? t.recordByte : t.nameByte) + std::to_string(b.offset - start), b);
        }
    }
    if (!c.settings.empty()) {
        out += t.settings;
        out += '\n';
        for (const auto& s : c.settings)
            change(s.name, s.before, s.after);
    }
    if (!c.bytes.empty()) {
        out += t.otherBytes;
        out += '\n';
        for (const auto& b : c.bytes)
            byteLine(addressText(b.offset), b);
    }
    return out;
}

namespace {

int diffCommand(const Edition& edition, const std::vector<std::string>& args)
{
    const CommandArgs a = parseCommandArgs(args, 2, 2);
    if (!a.ok())
        return usageError(edition.id, "--diff", a.error + " (A.sin B.sin)");
    const Language language = decideStartupLanguage(edition, programPath(), systemLanguageIsChinese()).language;
    std::vector<MemoryImage> images;
    for (const std::string& path : a.names) {
        std::optional<MemoryImage> in = loadCommandFile(edition, path, language);
        if (!in)
            return kExitFileError;
        images.push_back(std::move(*in));
    }
    // Both files as the program would store them: what a write of each sends.
    const ImageComparison c = compareAsSaved(edition, language, imageAsSaved(edition, images[0]), images[1]);
    std::cout << comparisonText(edition, language, c);
    return c.identical() ? kExitDone : kExitDifferent;
}

} // namespace

void registerImageDiff()
{
    registerBatchCommand({"--diff", "A.sin B.sin",
                          commandHelp(&CommandLineTexts::diff),
                          diffCommand});
}

} // namespace tolvan
