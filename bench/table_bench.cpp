// The channel table's image-to-grid and grid-to-image transfers, the work a
// .sin fuzz input does and what the CSV export and the comparison build on:
// for every edition and language, loads and stores per CPU second from the
// virtual radio's sample and from scrambled images (every record filled with
// arbitrary bytes), and image comparisons per CPU second of two scrambled images.
//
//   build/bin/bench_table [SECONDS PER FIGURE]      (default: 0.3)

#include "editor/channel_table.h"
#include "report/image_diff.h"
#include "sim/sample_codeplug.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>

using namespace tolvan;

namespace {

double cpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Runs `once` for about `seconds` of CPU time; returns runs per CPU second.
template <typename F>
double rate(double seconds, F once)
{
    const double start = cpuSeconds();
    long runs = 0;
    double spent = 0;
    do {
        for (int i = 0; i < 16; ++i)
            once();
        runs += 16;
        spent = cpuSeconds() - start;
    } while (spent < seconds);
    return static_cast<double>(runs) / spent;
}

MemoryImage scrambled(const Edition& edition, unsigned seed)
{
    std::mt19937 random(seed);
    MemoryImage image(edition.imageSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image.set(i, static_cast<std::uint8_t>(random()));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.3;
    std::printf("%-14s %-8s %12s %12s %12s\n", "edition", "language", "sample/s", "scrambled/s", "compare/s");
    for (const Edition* edition : allEditions()) {
        const MemoryImage sample = sampleCodeplug(*edition);
        const MemoryImage a = scrambled(*edition, 1), b = scrambled(*edition, 2);
        for (Language language : {Language::English, Language::Chinese}) {
            ChannelTable table(*edition, language);
            auto loadAndStore = [&](const MemoryImage& from) {
                return [&table, &from] {
                    table.loadFromImage(from);
                    MemoryImage out = from;
                    table.storeToImage(out);
                };
            };
            const double fromSample = rate(seconds, loadAndStore(sample));
            const double fromScrambled = rate(seconds, loadAndStore(a));
            const double compare = rate(seconds, [&] { (void)compareImages(*edition, language, a, b); });
            std::printf("%-14s %-8s %12.0f %12.0f %12.0f\n", edition->id.c_str(),
                        language == Language::English ? "English" : "Chinese", fromSample, fromScrambled, compare);
        }
    }
    return 0;
}
