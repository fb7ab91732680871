// Any bytes as the CSV file given to --import-csv, against the new document or
// the virtual radio's sample of one edition (byte 2, lowest bit) in one
// language: the import must never crash, and an import it accepts must be
// reproducible from its own export. Exporting the result (in either language,
// byte 2's next bit) and importing that export into the same base must give
// the very same image, and importing it into the result must change nothing.
// The window's Import Channels and --import-csv both import through
// importChannelFile, which reads the file and hands it to importChannelCsv.

#include "editor/channel_table.h"
#include "editor/table_csv.h"
#include "editor/table_csv_import.h"
#include "fuzz_input.h"
#include "sim/sample_codeplug.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvan;

namespace {

// The bases are built once per edition: the fuzzer's time goes to the import.
const MemoryImage& baseImage(const Edition& edition, bool sample)
{
    struct Bases {
        const Edition* edition;
        MemoryImage blank, sample;
    };
    static std::vector<Bases> bases;
    for (const Bases& b : bases)
        if (b.edition == &edition)
            return sample ? b.sample : b.blank;
    bases.push_back({&edition, newDocumentImage(edition), sampleCodeplug(edition)});
    return sample ? bases.back().sample : bases.back().blank;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in = takeEditionAndLanguage(data, size);
    const std::uint8_t choice = in.size > 0 ? in.data[0] : 0;
    if (in.size > 0) {
        ++in.data;
        --in.size;
    }
    const MemoryImage& base = baseImage(*in.edition, choice & 1);
    const Language exportLanguage = choice & 2 ? Language::Chinese : Language::English;
    const std::string_view csv(reinterpret_cast<const char*>(in.data), in.size);

    MemoryImage imported = base;
    const CsvImportResult first = importChannelCsv(*in.edition, in.language, csv, imported);
    if (first.error) {
        // Refused: nothing applied, and the reason can be told.
        if (!(imported == base))
            std::abort();
        (void)describeImportError(*in.edition, in.language, *first.error);
        return 0;
    }

    ChannelTable shown(*in.edition, exportLanguage);
    shown.loadFromImage(imported);
    const std::string exported = channelTableCsv(shown);

    MemoryImage again = base;
    const CsvImportResult second = importChannelCsv(*in.edition, in.language, exported, again);
    if (second.error || !(again == imported) || second.channelsChanged != first.channelsChanged)
        std::abort();

    MemoryImage same = imported;
    const CsvImportResult third = importChannelCsv(*in.edition, in.language, exported, same);
    if (third.error || third.channelsChanged != 0 || !(same == imported))
        std::abort();
    return 0;
}
