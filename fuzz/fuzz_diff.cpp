// Any bytes as two images of one edition (chosen by the first two bytes) for
// --diff: the rest of the input is cut in half, and each half is laid over the
// virtual radio's sample from the image's first byte on, so a short input
// still gives two whole images and equal halves give equal images. The
// comparison must never crash and must find nothing between an image and
// itself; every byte where the images differ must be named, and no other,
// compared as they are and as the program saves them; and no line it prints
// may show a value turning into itself.

#include "editor/saved_image.h"
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
    auto same = [](const auto& change) { return change.before == change.after; };
    for (const auto& channel : c.channels)
        if ((channel.cells.empty() && channel.bytes.empty()) || std::any_of(channel.cells.begin(), channel.cells.end(), same)
            || std::any_of(channel.bytes.begin(), channel.bytes.end(), same))
            return true;
    return std::any_of(c.settings.begin(), c.settings.end(), same) || std::any_of(c.bytes.begin(), c.bytes.end(), same);
}

// Whether the comparison names exactly the bytes where `a` and `b` differ.
bool namesEveryDifference(const ImageComparison& c, const MemoryImage& a, const MemoryImage& b)
{
    std::vector<bool> named(a.size(), false);
    auto name = [&](std::size_t offset) { named.at(offset) = true; };
    for (const auto& channel : c.channels) {
        std::for_each(channel.shown.begin(), channel.shown.end(), name);
        for (const auto& byte : channel.bytes)
            name(byte.offset);
    }
    for (const auto& setting : c.settings)
        std::for_each(setting.offsets.begin(), setting.offsets.end(), name);
    for (const auto& byte : c.bytes)
        name(byte.offset);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (named[i] != (a.at(i) != b.at(i)))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput in = takeEditionAndLanguage(data, size);
    const std::size_t half = in.size / 2;
    const MemoryImage& sample = sampleOf(*in.edition);
    const MemoryImage a = overlay(sample, in.data, half);
    const MemoryImage b = overlay(sample, in.data + half, in.size - half);

    if (!compareImages(*in.edition, in.language, a, a).identical())
        std::abort();
    const ImageComparison c = compareImages(*in.edition, in.language, a, b);
    if (!namesEveryDifference(c, a, b) || showsNoChange(c))
        std::abort();
    (void)comparisonText(*in.edition, in.language, c);

    // As --diff and the window compare them: each as the program saves it.
    const MemoryImage savedA = imageAsSaved(*in.edition, a), savedB = imageAsSaved(*in.edition, b);
    const ImageComparison saved = compareImages(*in.edition, in.language, savedA, savedB);
    if (saved.identical() != (savedA == savedB) || !namesEveryDifference(saved, savedA, savedB) || showsNoChange(saved))
        std::abort();
    return 0;
}
