#include "editor/form_settings.h"

#include <gtest/gtest.h>

#include "golden.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

using namespace tolvan;

namespace {

std::string hexByte(unsigned v)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", v);
    return text;
}

// The bytes where `after` differs from `before`, as " 3C0=F3".
std::string changes(const MemoryImage& before, const MemoryImage& after)
{
    std::string out;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before.at(i) != after.at(i)) {
            char text[32];
            std::snprintf(text, sizeof text, " %03zX=%02X", i, after.at(i));
            out += text;
        }
    }
    return out;
}

MemoryImage stored(const FormSettings& form, MemoryImage image)
{
    form.storeToImage(image);
    return image;
}

// What list `i` selects for each value of its byte, as runs " 00-36:-1 37:0".
// The other copies of a repeated byte hold the opposite bits: the first decides.
std::string readings(const Edition& e, int i)
{
    const FormList& l = e.formLists.at(static_cast<std::size_t>(i));
    std::vector<std::string> shown;
    for (int byte = 0; byte < 256; ++byte) {
        MemoryImage image = newDocumentImage(e);
        for (int n = 0; n < l.repeat; ++n)
            image.set(l.offset + static_cast<std::size_t>(n) * l.stride, static_cast<std::uint8_t>(n ? ~byte : byte));
        std::vector<int> got;
        for (int before : {0, 1}) {
            FormSettings form(e);
            form.select(i, before);
            form.loadFromImage(image);
            got.push_back(form.selection(i));
        }
        shown.push_back(got[0] == got[1] ? std::to_string(got[0]) : "keep");
    }
    // A list that reads one bit says which; the others give runs of bytes.
    int deciding = -1;
    for (int b = 0; b < 8; ++b) {
        bool matters = false;
        for (int byte = 0; byte < 256; ++byte)
            matters |= shown[static_cast<std::size_t>(byte)] != shown[static_cast<std::size_t>(byte ^ (1 << b))];
        if (matters)
            deciding = deciding == -1 ? b : 8;
    }
    if (deciding >= 0 && deciding < 8)
        return " bit " + std::to_string(deciding) + " clear:" + shown[0] + " set:" + shown[1u << deciding];
    std::string out;
    for (int from = 0, to = 0; from < 256; from = to) {
        while (to < 256 && shown[static_cast<std::size_t>(to)] == shown[static_cast<std::size_t>(from)])
            ++to;
        out += ' ';
        out += hexByte(static_cast<unsigned>(from));
        if (to - from > 1)
            out += '-' + hexByte(static_cast<unsigned>(to - 1));
        out += ':' + shown[static_cast<std::size_t>(from)];
    }
    return out;
}

} // namespace

// Every list of every edition in the golden file: the item it starts on before
// any image, the one a new document selects and the one typing snaps to; what
// each of the 256 values of its byte selects ("keep": the list stays as it was);
// and each item in both languages with what choosing it writes over a zero-filled
// and an erased image (only the bytes that differ from storing the starting
// items); the data password where the edition has one, as read, stored
// again and typed. Editions with the same form say so.
TEST(FormSettings, EveryListMatchesTheGoldenFile)
{
    std::ostringstream out;
    std::map<std::string, std::string> seen;
    for (const Edition* e : allEditions()) {
        std::ostringstream body;
        const MemoryImage fresh = newDocumentImage(*e);
        const FormSettings start(*e);
        FormSettings opened(*e);
        opened.loadFromImage(fresh);
        const MemoryImage once = stored(opened, fresh);
        body << "  a new document's items stored:" << changes(fresh, once) << "\n";
        // Stored once (a new 16-channel document gets its TX power and band
        // width then), the bytes no longer change when read and stored again.
        FormSettings again(*e);
        again.loadFromImage(once);
        EXPECT_EQ(stored(again, once), once) << e->id;
        if (start.hasPassword()) {
            MemoryImage image = once;
            image.write(*e->passwordOffset, std::vector<std::uint8_t>{'1', 0xFF, '2', 'x', '3', 0x00});
            again.loadFromImage(image);
            body << "  data password [" << again.password() << "] stored again:" << changes(image, stored(again, image));
            again.setPassword("98 7");
            body << ", typed [98 7]:" << changes(image, stored(again, image)) << "\n";
        }
        for (std::uint8_t fill : {0x00, 0xFF}) {
            const MemoryImage blank(e->imageSize, fill);
            body << "  starting items over " << hexByte(fill) << ":" << changes(blank, stored(start, blank)) << "\n";
        }
        for (int i = 0; i < start.count(); ++i) {
            const FormList& l = start.list(i);
            FormSettings typing(*e);
            typing.select(i, 1);
            typing.typed(i);
            body << "  " << l.label << ": start " << start.selection(i) << ", new " << opened.selection(i) << ", typed "
                 << typing.selection(i) << ", read" << readings(*e, i) << "\n";
            const auto& en = l.items(e->uiLanguage(Language::English));
            const auto& zh = l.items(e->uiLanguage(Language::Chinese));
            for (int index = -1; index < static_cast<int>(en.size()); ++index) {
                body << "    " << index;
                if (index >= 0)
                    body << " [" << en.at(static_cast<std::size_t>(index)) << "|" << zh.at(static_cast<std::size_t>(index)) << "]";
                body << ":";
                for (std::uint8_t fill : {0x00, 0xFF}) {
                    const MemoryImage blank(e->imageSize, fill);
                    FormSettings form(*e);
                    form.select(i, index);
                    body << (fill ? " |" : "") << changes(stored(start, blank), stored(form, blank));
                }
                body << "\n";
            }
        }
        const auto [it, first] = seen.emplace(body.str(), e->id);
        if (first)
            out << e->id << "\n" << body.str();
        else
            out << e->id << " as " << it->second << "\n";
    }
    expectGolden("editor", "form_lists", out.str());
}
