#include "link/link_commands.h"

#include "program/exit_status.h"
#include "program/ini_file.h"
#include "program/language.h"
#include "program/program_main.h"
#include "codeplug/sin_file.h"
#include "link/batch_host.h"
#include "link/clone_session.h"
#include "link/fleet_write.h"
#include "link/write_verify.h"
#include "link/port_names.h"
#include "link/port_permission.h"
#include "link/serial_port.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace tolvan {
namespace {

struct LinkOptions {
    std::string file;
    std::string port;
    std::vector<std::string> morePorts;  // --write: every further --port, written at once
    bool verify = false;
    BatchLinkHost::Answers answers;
    std::string password;
};

std::optional<LinkOptions> parseOptions(const Edition& edition, const std::string& command,
                                        const std::vector<std::string>& args)
{
    LinkOptions o;
    o.file = args.at(0);
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--port" && hasValue) {
            const std::string& port = args[++i];
            if (port == o.port || std::find(o.morePorts.begin(), o.morePorts.end(), port) != o.morePorts.end()) {
                std::cerr << edition.id << ": " << command << ": port " << port << " given twice\n";
                return std::nullopt;
            }
            if (o.port.empty())
                o.port = port;
            else if (command == "--write")
                o.morePorts.push_back(port);
            else {
                std::cerr << edition.id << ": " << command << " takes one --port\n";
                return std::nullopt;
            }
        } else if (a == "--verify" && command == "--write") {
            o.verify = true;
        } else if (a == "--retries" && hasValue) {
            char* end = nullptr;
            const long n = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || n < 0) {
                std::cerr << edition.id << ": --retries needs a count\n";
                return std::nullopt;
            }
            o.answers.retries = static_cast<int>(n);
        } else if (a == "--accept-type-mismatch" && command == "--write") {
            o.answers.acceptTypeMismatch = true;
        } else if (a == "--password" && hasValue && command == "--read" && edition.link.passwordCheck) {
            o.password = args[++i];
        } else {
            std::cerr << edition.id << ": " << command << ": unexpected " << a << "\n";
            return std::nullopt;
        }
    }
    if (o.port.empty()) {
        std::cerr << edition.id << ": " << command << " needs --port PORT\n";
        return std::nullopt;
    }
    return o;
}

// The language a message is shown in, decided as at start-up (the locale
// stands in for the system language).
Language batchLanguage()
{
    const char* vars[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    bool chinese = false;
    for (const char* v : vars) {
        const char* value = std::getenv(v);
        if (value && *value) {
            chinese = std::string_view(value).starts_with("zh");
            break;
        }
    }
    std::error_code ec;
    const std::string base = programBaseName(std::filesystem::read_symlink("/proc/self/exe", ec).string());
    return languageOf(decideLanguageName(base, chinese, programIniFile()), base);
}

CloneOutcome runBatch(const Edition& edition, const LinkOptions& o, CloneRequest request)
{
    const Language language = batchLanguage();
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
    // Bytes the radio never sends come from a new document.
    CloneOutcome outcome = runBatch(edition, *o, {Direction::Read, newDocumentImage(edition), o->password});
    if (outcome.result != CloneResult::Completed)
        return exitStatusOf(outcome);
    std::string detail;
    if (saveSin(o->file, *outcome.image, &detail) != SinStatus::Ok) {
        std::cerr << describeSinStatus(SinStatus::CannotWrite, o->file, edition.imageSize, detail) << '\n';
        return kExitFileError;
    }
    return kExitDone;
}

// Several ports: all at once, one result line per port on the output.
int writeFleet(const Edition& edition, const LinkOptions& o, const MemoryImage& image)
{
    std::vector<std::string> ports{o.port};
    ports.insert(ports.end(), o.morePorts.begin(), o.morePorts.end());
    const FleetOptions options{o.verify, o.answers, true};
    InterruptCancels ctrlC;  // Ctrl+C stops every port's transfer at its next pump pass
    const auto results = writeToFleet(edition, batchLanguage(), ports, image, options, [&edition](const std::string&) {
        return std::make_unique<SystemPortOpener>(edition, &programIniFile());
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
    SinLoadResult loaded = loadSin(o->file, edition.imageSize);
    if (loaded.status != SinStatus::Ok) {
        std::cerr << describeSinStatus(loaded.status, o->file, edition.imageSize, loaded.detail) << '\n';
        return kExitFileError;
    }
    if (!o->morePorts.empty())
        return writeFleet(edition, *o, *loaded.image);
    const MemoryImage& sent = *loaded.image;
    const CloneOutcome written = runBatch(edition, *o, {Direction::Write, sent, {}});
    if (written.result != CloneResult::Completed || !o->verify)
        return exitStatusOf(written);
    const Language language = batchLanguage();
    SystemPortOpener opener(edition, &programIniFile());
    InterruptCancels ctrlC;
    BatchLinkHost host(std::cerr, verifyTitle(edition, language), o->answers, isatty(2) == 1);
    const VerifyOutcome verified = verifyWritten(edition, language, host, opener, o->port, sent);
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

int listPortsCommand(const Edition&, const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "--list-ports takes no arguments\n";
        return kExitUsage;
    }
    // Each port shows its driver and whether it delivers with low latency; a
    // port the user may not open says so beneath it, with the way to fix it.
    const Language language = batchLanguage();
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
    registerBatchCommand({"--read", "OUT.sin", "read the radio into OUT.sin (--port PORT [--retries N] [--password DIGITS])",
                          readCommand});
    registerBatchCommand(
        {"--write", "IN.sin", "write IN.sin to the radio (--port PORT [--port PORT2 ...] [--verify]\n"
         "                              [--retries N] [--accept-type-mismatch]); --verify reads the\n"
         "                              written range back and compares it; several --port write to\n"
         "                              all of them at once, one result line each",
         writeCommand});
    registerBatchCommand({"--list-ports", "", "list the serial ports found", listPortsCommand});
}

} // namespace tolvan
