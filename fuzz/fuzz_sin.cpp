// Any bytes as a .sin file of every edition: the table must show them without
// crashing, and writing the table back must settle. A corrupted frequency
// (nibbles above 9) can read as more than eight digits and is then written back
// as no frequency, so the first pass may change a record and the second one
// settles it.

#include "editor/channel_table.h"

#include <cstdint>
#include <cstdlib>

using namespace tolvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const Edition* edition : allEditions()) {
        MemoryImage image(edition->imageSize);
        for (std::size_t i = 0; i < edition->imageSize && i < size; ++i)
            image.set(i, data[i]);
        for (Language language : {Language::English, Language::Chinese}) {
            auto pass = [&](const MemoryImage& in) {
                ChannelTable table(*edition, language);
                table.loadFromImage(in);
                MemoryImage out = in;
                table.storeToImage(out);
                return out;
            };
            const MemoryImage twice = pass(pass(image));
            if (!(pass(twice) == twice))
                std::abort();
        }
    }
    return 0;
}
