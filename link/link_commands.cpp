#include "link/link_commands.h"

#include "program/help_texts.h"
#include "program/command_args.h"
#include "program/command_file.h"
#include "program/exit_status.h"
#include "program/ini_file.h"
#include "program/program_main.h"
#include "program/read_backup.h"
#include "program/sin_status_text.h"
#include "program/startup_language.h"
#include "codeplug/path_text.h"
#include "codeplug/text_util.h"
#include "codeplug/sin_file.h"
#include "link/batch_host.h"
#include "link/clone_session.h"
#include "link/fleet_write.h"
#include "link/write_verify.h"
#include "link/port_names.h"
#include "link/port_permission.h"
#include "link/serial_port.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace tolvan {
namespace {

// Each retry repeats a whole exchange; more than this is a typing slip.
constexpr long kMaxRetries = 1000;

struct LinkOptions {
    std::filesystem::path file;
    std::string port;
    std::vector<std::string> morePorts;  // --write: every further --port, written at once
    bool verify = false;
    bool acceptLength = false;  // --write: a file longer than the image (another radio's) all the same
    BatchLinkHost::Answers answers;
    std::string password;
};

std::optional<LinkOptions> parseOptions(const Edition& edition, const std::string& command,
                                        const std::vector<std::string>& args)
{
    // --write takes --port more than once (all written at once): the ports are
    // taken out before the other options are parsed.
    std::vector<std::string> rest, ports;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if (args[i] == "--port" && i + 1 < args.size() && !args[i + 1].empty()) {
            ports.push_back(args[++i]);
            continue;
        }
        rest.push_back(args[i]);
    }
    std::vector<OptionRule> accepted = {{"--port", "PORT"}, {"--retries", "N"}};
    if (command == "--write") {
        if (edition.link.typeCheckOffset)
            accepted.push_back({"--accept-type-mismatch", ""});
        accepted.push_back({"--verify", ""});
        accepted.push_back({"--accept-length", ""});
    }
    if (command == "--read" && edition.link.passwordCheck)
        accepted.push_back({"--password", "DIGITS"});
    const CommandArgs a = parseCommandArgs(rest, 1, 1, accepted);
    if (!a.ok()) {
        usageError(edition.id, command, a.error);
        return std::nullopt;
    }
    LinkOptions o;
    o.file = pathFromText(a.names[0]);
    if (ports.size() > 1 && command != "--write") {
        usageError(edition.id, command, "--port is given twice");
        return std::nullopt;
    }
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const auto before = ports.begin() + static_cast<std::ptrdiff_t>(i);
        if (std::find(ports.begin(), before, ports[i]) != before) {
            usageError(edition.id, command, "--port is given twice: " + ports[i]);
            return std::nullopt;
        }
    }
    if (!ports.empty()) {
        o.port = ports.front();
        o.morePorts.assign(ports.begin() + 1, ports.end());
    }
    if (a.has("--retries")) {
        const auto n = parseBoundedNumber(a.value("--retries"), 0, kMaxRetries);
        if (!n) {
            usageError(edition.id, command, "--retries needs a count from 0 to " + std::to_string(kMaxRetries));
            return std::nullopt;
        }
        o.answers.retries = static_cast<int>(*n);
    }
    o.answers.acceptTypeMismatch = a.has("--accept-type-mismatch");
    o.verify = a.has("--verify");
    o.acceptLength = a.has("--accept-length");
    o.password = a.value("--password");
    if (o.port.empty()) {
        usageError(edition.id, command, "needs --port PORT");
        return std::nullopt;
    }
    return o;
}

CloneOutcome runBatch(const Edition& edition, Language language, const LinkOptions& o, CloneRequest request)
{
    SystemPortOpener opener(edition, &programIniFile(), language);
    BatchLinkHost host(std::cerr, cloneTitle(edition, language, request.direction), o.answers, isatty(2) == 1);
    CloneSession session(edition, language, host);
    InterruptCancels ctrlC;
    return session.run(opener, o.port, request);
}

int readCommand(const Edition& edition, const std::vector<std::string>& args)
{
    const auto o = parseOptions(edition, "--read", args);
    if (!o)
        return kExitUsage;
    // A file that cannot be written is known before the radio is touched.
    if (const FileResult target = checkOutputFile(o->file); !target.ok())
        return outputFault(target, o->file);
    const auto language = batchStartupLanguage(edition, programPath());
    if (!language)
        return kExitFileError;
    // Bytes the radio never sends come from a new document.
    CloneOutcome outcome = runBatch(edition, language->language, *o, {Direction::Read, newDocumentImage(edition), o->password});
    if (outcome.result != CloneResult::Completed)
        return exitStatusOf(outcome);
    // Kept first, as the window keeps every read, so the radio's data outlive
    // a save that fails; a backup that fails does not stop the save.
    std::string backupError;
    if (saveReadBackup(readBackupDirectory(), language->baseName, *outcome.image, std::chrono::system_clock::now(),
                       kReadBackupsKept, &backupError, language->language)
            .empty())
        std::cerr << backupError << '\n';
    std::string detail;
    if (saveSin(o->file, *outcome.image, &detail) != SinStatus::Ok) {
        std::cerr << sinStatusText(SinStatus::CannotWrite, o->file, edition.imageSize, detail,
                                   edition.uiLanguage(language->language))
                  << '\n';
        return kExitFileError;
    }
    return kExitDone;
}

// Several ports: all at once, one result line per port on the output.
int writeFleet(const Edition& edition, Language language, const LinkOptions& o, const MemoryImage& image)
{
    std::vector<std::string> ports{o.port};
    ports.insert(ports.end(), o.morePorts.begin(), o.morePorts.end());
    const FleetOptions options{o.verify, o.answers, true};
    InterruptCancels ctrlC;  // Ctrl+C stops every port's transfer at its next pump pass
    const auto results = writeToFleet(edition, language, ports, image, options, [&](const std::string&) {
        return std::make_unique<SystemPortOpener>(edition, &programIniFile(), language);
    });
    for (const FleetResult& r : results)
        std::cout << r.port << ": " << r.text << '\n';
    return fleetExitStatus(results);
}

int writeCommand(const Edition& edition, const std::vector<std::string>& args)
{
    const auto o = parseOptions(edition, "--write", args);
    if (!o)
        return kExitUsage;
    const auto language = batchStartupLanguage(edition, programPath());
    if (!language)
        return kExitFileError;
    // Another radio's image is refused unless the user says it is meant.
    const std::optional<MemoryImage> loaded = loadCommandFile(
        edition, o->file, language->language, o->acceptLength ? LongerFileUse::Write : LongerFileUse::WriteRefused);
    if (!loaded)
        return kExitFileError;
    if (!o->morePorts.empty())
        return writeFleet(edition, language->language, *o, *loaded);
    const MemoryImage& sent = *loaded;
    const CloneOutcome written = runBatch(edition, language->language, *o, {Direction::Write, sent, {}});
    if (written.result != CloneResult::Completed || !o->verify)
        return exitStatusOf(written);
    SystemPortOpener opener(edition, &programIniFile(), language->language);
    InterruptCancels ctrlC;
    BatchLinkHost host(std::cerr, verifyTitle(edition, language->language), o->answers, isatty(2) == 1);
    const VerifyOutcome verified = verifyWritten(edition, language->language, host, opener, o->port, sent);
    std::cerr << verified.message << '\n';
    if (verified.verified)
        return kExitDone;
    return verified.readBack.result == CloneResult::Completed ? kExitLinkError : exitStatusOf(verified.readBack);
}

// The driver of a line and whether it delivers with low latency, as
// --list-ports shows them.
std::string portFacts(const std::string& device)
{
    const std::string driver = serialDriverOf(device);
    std::string facts = driver.empty() ? "no driver" : driver;
    switch (lowLatencyOf(device)) {
    case LowLatency::On:
        return facts + ", low latency on";
    case LowLatency::Off:
        return facts + ", low latency off";
    case LowLatency::NotOffered:
        return facts + ", no low latency";
    case LowLatency::Unknown:
        break;
    }
    return facts + ", low latency unknown";
}

int listPortsCommand(const Edition& edition, const std::vector<std::string>& args)
{
    if (const CommandArgs a = parseCommandArgs(args, 0, 0); !a.ok())
        return usageError(edition.id, "--list-ports", a.error);
    const auto startup = batchStartupLanguage(edition, programPath());
    if (!startup)
        return kExitFileError;
    // Each port shows its driver and whether it delivers with low latency; a
    // port the user may not open says so beneath it, with the way to fix it.
    const Language language = startup->language;
    const auto refusal = [language](const std::string& device) {
        const std::string problem = accessProblem(device, language);
        return problem.empty() ? std::string() : "    " + problem + '\n';
    };
    for (const std::string& name : comPortNames()) {
        const std::string device = resolvePortName(name, &programIniFile());
        std::cout << name << "  " << device << "  (" << portFacts(device) << ")\n" << refusal(device);
    }
    for (const std::string& device : listSerialAdapters())
        std::cout << device << "  (" << portFacts(device) << ")\n" << refusal(device);
    for (const NamedPort& named : namedPorts())
        std::cout << named.name << "  " << named.description << '\n';
    return kExitDone;
}

} // namespace

void registerLinkCommands()
{
    // Only radios with a password or a radio-type check take the options for them.
    registerBatchCommand({"--read", "OUT.sin", {}, readCommand, [](const Edition& e, Language language) {
                              const std::string password = e.link.passwordCheck ? " [--password DIGITS]" : "";
                              return filledIn(commandLineTexts(language).read, {password});
                          }});
    registerBatchCommand({"--write", "IN.sin", {}, writeCommand, [](const Edition& e, Language language) {
                              const std::string options = std::string(e.link.typeCheckOffset ? " [--accept-type-mismatch]" : "")
                                                          + " [--accept-length]";
                              return filledIn(commandLineTexts(language).write, {options, std::to_string(e.imageSize)});
                          }});
    registerBatchCommand({"--list-ports", "", commandHelp(&CommandLineTexts::listPorts), listPortsCommand});
}

} // namespace tolvan
