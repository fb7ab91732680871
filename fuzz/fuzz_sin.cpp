// Any bytes as a .sin file of one edition in one language (chosen by the first
// two bytes): the table must show them without crashing, and writing the table
// back must settle. A corrupted frequency (nibbles above 9) can read as more
// than eight digits and is then written back as no frequency, so the first pass
// may change a record and the second one settles it.

#include "editor/channel_table.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>

using namespace tolvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput in = takeEditionAndLanguage(data, size);
    MemoryImage image(in.edition->imageSize);
    image.write(0, {in.data, std::min(in.size, image.size())});
    // One table per edition and language, kept: a load rewrites every channel
    // row, so only the headers and numbers (built once) outlive an input.
    static std::map<std::pair<const Edition*, Language>, ChannelTable> tables;
    ChannelTable& table = tables.try_emplace({in.edition, in.language}, *in.edition, in.language).first->second;
    auto pass = [&](const MemoryImage& from) {
        table.loadFromImage(from);
        MemoryImage out = from;
        table.storeToImage(out);
        return out;
    };
    // A pass that changes nothing has reached the fixed point (a pass depends
    // only on its input), so most inputs need one or two passes, not three.
    const MemoryImage once = pass(image);
    if (once == image)
        return 0;
    const MemoryImage twice = pass(once);
    if (twice == once)
        return 0;
    if (!(pass(twice) == twice))
        std::abort();
    return 0;
}
