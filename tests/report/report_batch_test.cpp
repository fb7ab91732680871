// The batch export runs the real program: no display, a PDF with one page per
// report page, and the exit status of each failure.

#include "program/exit_status.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "run_program.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tolvan {
namespace {

namespace fs = std::filesystem;

// Runs a program without a display.
int run(const std::string& program, const std::vector<std::string>& args)
{
    return testing::run(program, args, {.display = false}).status;
}

int pageCount(const fs::path& pdf)
{
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        pages += bytes.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

class BatchPdf : public TempDirTest {
protected:
    std::string sample(const char* edition)
    {
        const fs::path path = dir_ / (std::string(edition) + ".sin");
        EXPECT_EQ(saveSin(path, newDocumentImage(*findEdition(edition))), SinStatus::Ok);
        return path.string();
    }
};

TEST_F(BatchPdf, WritesTheReportOfAFileAndFailsWithItsExitStatus)
{
    for (const auto& [edition, pages] : {std::pair{"cps-twotone", 5}, std::pair{"cps-fleet", 4}, std::pair{"cps16-cn", 1}}) {
        const fs::path out = dir_ / (std::string(edition) + ".pdf");
        ASSERT_EQ(run(edition, {"--print-pdf", sample(edition), out.string()}), kExitDone) << edition;
        EXPECT_EQ(pageCount(out), pages) << edition;
        // Text drawn without a face comes out as boxes (Windows' offscreen platform without its fonts).
        EXPECT_NE(tolvan::testing::contents(out).find("/FontFile2"), std::string::npos) << edition;
    }
    // A file of another edition is too short for this one.
    const fs::path out = dir_ / "out.pdf";
    EXPECT_EQ(run("cps-twotone", {"--print-pdf", sample("cps-fleet"), out.string()}), kExitFileError);
    EXPECT_EQ(run("cps-twotone", {"--print-pdf", sample("cps-twotone")}), kExitUsage);
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
} // namespace tolvan
