// The new-document image of every deliverable, byte for byte, as a hex dump
// in the golden file (a run of identical lines is one line and a "*").

#include "editions/edition.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace tolvan;

TEST(NewDocument, EveryEditionsImageMatchesTheGoldenDump)
{
    std::string out;
    for (const Edition* e : allEditions()) {
        const MemoryImage image = newDocumentImage(*e);
        ASSERT_EQ(image.size(), e->imageSize) << e->id;
        out += e->id + "\n";
        std::string previous;
        bool skipping = false;
        for (std::size_t at = 0; at < image.size(); at += 16) {
            const std::string line = hexBytes(image.bytes(at, std::min<std::size_t>(16, image.size() - at))).insert(0, 1, ' ');
            if (line == previous && at + 16 < image.size()) {
                out += skipping ? "" : "*\n";
                skipping = true;
                continue;
            }
            char address[24];
            std::snprintf(address, sizeof address, "%04zX:", at);
            out += address + line + "\n";
            previous = line;
            skipping = false;
        }
    }
    expectGolden("editions", "new_documents", out);
}
