// tolvan-open: the program a file belongs to is started with it; several are
// offered (or, without a display, listed); a file no program keeps is told.

#include "program/file_opener.h"
#include "codeplug/sin_file.h"
#include "editions/file_owners.h"
#include "sim/sample_codeplug.h"
#include "run_program.h"
#include "temp_dir.h"

#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

class FakeOpenerDialogs : public OpenerDialogs {
public:
    const Edition* choose(const std::vector<const Edition*>& candidates, const std::filesystem::path& file,
                          Language) override
    {
        offered = candidates;
        askedFor = file;
        return answer < candidates.size() ? candidates[answer] : nullptr;
    }
    void tell(const std::string& message, Language) override { told = message; }

    std::size_t answer = 0;  // past the end: Cancel
    std::vector<const Edition*> offered;
    fs::path askedFor;
    std::string told;
};

std::string ids(const std::vector<const Edition*>& editions)
{
    std::string out;
    for (const Edition* e : editions)
        out += (out.empty() ? "" : " ") + e->id;
    return out;
}

class FileOpener : public TempDirTest {
protected:
    int open(const std::vector<std::string>& args, OpenerDialogs* dialogs)
    {
        started.clear();
        return runOpener(args, dialogs, [this](const std::string& program, const std::vector<std::string>& a) {
            started = program;
            for (const std::string& s : a)
                started += " " + s;
        }, Language::English);
    }
    fs::path sample(const char* id, const std::string& name)
    {
        saveSin(dir_ / name, sampleCodeplug(*findEdition(id)));
        return dir_ / name;
    }
    std::string started;
};

TEST_F(FileOpener, EachFileStartsItsProgramOrAsksAmongThoseItFits)
{
    FakeOpenerDialogs dialogs;
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const fs::path file = sample(e->id.c_str(), "-" + e->id + ".sin");  // a name like an option
        const MemoryImage image = sampleCodeplug(*e);
        const std::vector<const Edition*> owners
            = ownersOfFile({reinterpret_cast<const char*>(image.raw().data()), image.size()});
        // Every candidate in turn, then Cancel.
        for (std::size_t answer = 0; answer <= owners.size(); ++answer) {
            dialogs = {};
            dialogs.answer = answer;
            const int status = open({file.string()}, &dialogs);
            if (owners.size() == 1) {
                EXPECT_EQ(started, e->id + " -- " + file.string());
                EXPECT_TRUE(dialogs.offered.empty()) << "nothing to ask";
                break;
            }
            EXPECT_EQ(ids(dialogs.offered), ids(owners));
            EXPECT_EQ(dialogs.askedFor, file);
            if (answer < owners.size()) {
                EXPECT_EQ(started, owners[answer]->id + " -- " + file.string());
                EXPECT_EQ(status, 2) << "returns only when the program could not be started";
            } else {
                EXPECT_EQ(started, "");
                EXPECT_EQ(status, 4);
            }
        }
        // Without a display the candidates are listed and nothing starts.
        EXPECT_EQ(open({file.string()}, nullptr), owners.size() == 1 ? 2 : 4);
    }
}

TEST_F(FileOpener, WithoutAFileItAsksWhichProgramToStart)
{
    FakeOpenerDialogs dialogs;
    dialogs.answer = 8;
    open({}, &dialogs);
    EXPECT_EQ(dialogs.offered, allEditions());
    EXPECT_EQ(started, "cps16");
    EXPECT_EQ(open({}, nullptr), 1) << "without a display: the usage";
}

TEST_F(FileOpener, AFileNoProgramKeepsIsToldAndNothingStarts)
{
    std::ofstream(dir_ / "odd.sin") << std::string(3000, 'x');
    std::ofstream(dir_ / "empty.sin");
    fs::create_directory(dir_ / "folder.sin");
    const struct {
        const char* name;
        const char* told;
    } cases[] = {
        {"odd.sin", "holds 3000 bytes: no program of these tools keeps files of that length."},
        {"empty.sin", "is empty"},
        {"folder.sin", "it is a folder"},
        {"missing.sin", "Cannot open"},
    };
    for (const auto& c : cases) {
        FakeOpenerDialogs dialogs;
        EXPECT_EQ(open({(dir_ / c.name).string()}, &dialogs), 2) << c.name;
        EXPECT_NE(dialogs.told.find(c.told), std::string::npos) << dialogs.told;
        EXPECT_EQ(started, "") << c.name;
    }
    EXPECT_EQ(open({"a.sin", "b.sin"}, nullptr), 1);
    EXPECT_EQ(open({"--which"}, nullptr), 1);
    EXPECT_EQ(open({"--help", "x"}, nullptr), 1);
}

// The installed command: --which prints the owners, a file of one program
// starts that program beside the opener with the file, several are listed.
TEST_F(FileOpener, TheCommandStartsTheProgramBesideIt)
{
    using tolvan::testing::programFile;
    const fs::path bin = dir_ / "bin";
    fs::create_directories(bin);
    fs::copy_file(programFile(TOLVAN_BIN_DIR, "tolvan-open"), programFile(bin, "tolvan-open"));
    for (const Edition* e : allEditions())
        fs::copy_file(programFile(TOLVAN_BIN_DIR, "tolvan-stand-in"), programFile(bin, e->id));
    const tolvan::testing::Spawn how{.program = programFile(bin, "tolvan-open"), .stdoutFile = dir_ / "out"};
    const fs::path twotone = sample("cps-twotone", "radio.sin");
    EXPECT_EQ(tolvan::testing::run("tolvan-open", {"--which", twotone.string()}, how).status, 0);
    EXPECT_EQ(tolvan::testing::contents(dir_ / "out"), "cps-twotone\n");

    EXPECT_EQ(tolvan::testing::run("tolvan-open", {twotone.string()}, how).status, 0);
    EXPECT_EQ(tolvan::testing::contents(bin / "started"),
              programFile(bin, "cps-twotone").string() + "|--|" + twotone.string() + "|");

    const fs::path keys = sample("cps-keys", "keys.sin");
    const tolvan::testing::RunResult several = tolvan::testing::run("tolvan-open", {keys.string()}, how);
    EXPECT_EQ(several.status, 4);
    EXPECT_EQ(tolvan::testing::named(several.err, dir_),
              "\"DIR/keys.sin\" fits several programs; start one of them:\n"
              "  cps-keys -- DIR/keys.sin    (16-channel radio with two programmable side keys)\n"
              "  cps-keys-cn -- DIR/keys.sin    (16-channel radio with two programmable side keys, Chinese texts)\n"
              "  cps16 -- DIR/keys.sin    (16-channel series radio, settings on the main form)\n"
              "  cps16-cn -- DIR/keys.sin    (16-channel series radio, settings on the main form, Chinese texts)\n");
}

} // namespace
