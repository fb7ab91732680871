#include "program/file_opener.h"

#include "codeplug/safe_file.h"
#include "codeplug/text_util.h"
#include "editions/file_owners.h"
#include "program/command_args.h"
#include "program/exit_status.h"
#include "program/opener_texts.h"
#include "program/sin_status_text.h"
#include "program/version_text.h"

#include <algorithm>
#include <iostream>

namespace tolvan {
namespace {

const char* const kOpener = "tolvan-open";

void printUsage(std::ostream& out)
{
    out << "Usage: " << kOpener << " [FILE.sin]\n"
        << "  or:  " << kOpener << " --which FILE.sin\n\n"
        << "Starts the program of the Tolvan programming tools that FILE.sin belongs to,\n"
        << "known by the file's length and, where programs share a length, by the radio\n"
        << "model and band it holds; where several fit, it asks which one (without a\n"
        << "display it lists them). Without a file it asks which program to start.\n\n"
        << "  --which FILE.sin   print the programs FILE.sin may belong to, one a line\n"
        << "  --help             show this help\n"
        << "  --version          show the package version\n\n"
        << "Exit status: 1 usage, 2 the file cannot be read or fits no program,\n"
        << "4 no program chosen; a started program's own status otherwise.\n";
}

std::size_t largestImage()
{
    std::size_t largest = 0;
    for (const Edition* e : allEditions())
        largest = std::max(largest, e->imageSize);
    return largest;
}

struct ReadFile {
    std::vector<const Edition*> owners;
    std::string problem;  // why the file opens in no program
};

ReadFile ownersOf(const std::filesystem::path& file, Language language)
{
    // One byte past the largest image tells a longer file from it.
    std::string bytes;
    std::uintmax_t size = 0;
    const FileResult read = readFileSafely(file, bytes, largestImage() + 1, &size);
    if (!read.ok())
        return {{}, sinStatusText(SinStatus::CannotOpen, file, 0, read.reason, language)};
    if (bytes.empty())
        return {{}, sinStatusText(SinStatus::Empty, file, 0, {}, language)};
    ReadFile out{ownersOfFile(bytes), {}};
    if (out.owners.empty())
        out.problem = fileLengthText(file, size, 0, language);
    return out;
}

int started(const ProgramStarter& start, const Edition& edition, const std::vector<std::string>& args)
{
    start(edition.id, args);
    return kExitFileError;  // only when it could not be started
}

} // namespace

int runOpener(const std::vector<std::string>& args, OpenerDialogs* dialogs, const ProgramStarter& start,
              Language language)
{
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        if (args.size() > 1)
            return usageError(kOpener, args[0], "takes no arguments, not " + args[1]);
        printUsage(std::cout);
        return kExitDone;
    }
    if (!args.empty() && args[0] == "--version") {
        if (args.size() > 1)
            return usageError(kOpener, args[0], "takes no arguments, not " + args[1]);
        std::cout << packageVersionLine(kOpener);
        return kExitDone;
    }
    const CommandArgs a = parseCommandArgs(args, 0, 1, {{"--which", "FILE.sin"}});
    if (!a.ok()) {
        std::cerr << kOpener << ": " << a.error << '\n';
        return kExitUsage;
    }
    if (a.has("--which")) {
        if (!a.names.empty())
            return usageError(kOpener, "--which", "takes one file, not " + a.names[0]);
        const ReadFile read = ownersOf(a.value("--which"), language);
        for (const Edition* e : read.owners)
            std::cout << e->id << '\n';
        if (!read.problem.empty())
            std::cerr << read.problem << '\n';
        return read.owners.empty() ? kExitFileError : kExitDone;
    }
    if (a.names.empty()) {
        if (!dialogs) {
            printUsage(std::cerr);
            return kExitUsage;
        }
        const Edition* chosen = dialogs->choose(allEditions(), {}, language);
        return chosen ? started(start, *chosen, {}) : kExitDeclined;
    }
    const std::filesystem::path file = a.names[0];
    const ReadFile read = ownersOf(file, language);
    if (!read.problem.empty()) {
        std::cerr << read.problem << '\n';
        if (dialogs)
            dialogs->tell(read.problem, language);
        return kExitFileError;
    }
    // "--" keeps a file whose name begins with "-" a file name.
    const std::vector<std::string> open = {"--", file.string()};
    if (read.owners.size() == 1)
        return started(start, *read.owners.front(), open);
    if (!dialogs) {
        std::cerr << filledIn(openerTexts(language).startOne, {file.string()}) << '\n';
        for (const Edition* e : read.owners)
            std::cerr << "  " << e->id << " -- " << file.string() << "    (" << e->radio << ")\n";
        return kExitDeclined;
    }
    const Edition* chosen = dialogs->choose(read.owners, file, language);
    return chosen ? started(start, *chosen, open) : kExitDeclined;
}

} // namespace tolvan
