// Any bytes as two images of one edition (chosen by the first two bytes) for
// --diff: the rest of the input is cut in half, and each half is laid over the
// virtual radio's sample from the image's first byte on, so a short input
// still gives two whole images and equal halves give equal images. The
// comparison must never crash, must find nothing between an image and itself,
// must find something exactly when the images differ, and no line it prints
// may show a value turning into itself.

#include "fuzz_input.h"
#include "report/image_diff.h"
#include "sim/sample_codeplug.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace tolvan;

namespace {

const MemoryImage& sampleOf(const Edition& edition)
{
    static std::vector<std::pair<const Edition*, MemoryImage>> samples;
    for (const auto& s : samples)
        if (s.first == &edition)
            return s.second;
    samples.emplace_back(&edition, sampleCodeplug(edition));
    return samples.back().second;
}

MemoryImage overlay(const MemoryImage& base, const std::uint8_t* bytes, std::size_t count)
{
    MemoryImage image = base;
    image.write(0, {bytes, std::min(count, image.size())});
    return image;
}

bool showsNoChange(const ImageComparison& c)
{
    for (const auto& channel : c.channels) {
        if (channel.cells.empty())
            return true;
        for (const auto& cell : channel.cells)
            if (cell.before == cell.after)
                return true;
    }
    for (const auto& s : c.settings)
        if (s.before == s.after)
            return true;
    return std::any_of(c.bytes.begin(), c.bytes.end(), [](const auto& b) { return b.before == b.after; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput in = takeEditionAndLanguage(data, size);
    const std::size_t half = in.size / 2;
    const MemoryImage& sample = sampleOf(*in.edition);
    const MemoryImage a = overlay(sample, in.data, half);
    const MemoryImage b = overlay(sample, in.data + half, in.size - half);

    const ImageComparison self = compareImages(*in.edition, in.language, a, a);
    if (!self.identical())
        std::abort();
    const ImageComparison c = compareImages(*in.edition, in.language, a, b);
    if (c.identical() != (a == b) || showsNoChange(c))
        std::abort();
    (void)comparisonText(*in.edition, in.language, c);
    return 0;
}
