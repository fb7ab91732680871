#include "link/link_commands.h"

#include "program/exit_status.h"
#include "program/ini_file.h"
#include "program/language.h"
#include "program/program_main.h"
#include "codeplug/sin_file.h"
#include "link/batch_host.h"
#include "link/clone_session.h"
#include "link/port_names.h"
#include "link/port_permission.h"

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
            o.port = args[++i];
        } else if (a == "--retries" && hasValue) {
            char* end = nullptr;
            const long n = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || n < 0) {
                std::cerr << edition.id << ": --retries needs a count\n";
                return std::nullopt;
            }
            o.answers.retries = static_cast<int>(n);
        } else if (a == "--accept-type-mismatch" && command == "--write" && edition.link.typeCheckOffset) {
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
    return exitStatusOf(runBatch(edition, *o, {Direction::Write, std::move(*loaded.image), {}}));
}

int listPortsCommand(const Edition&, const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "--list-ports takes no arguments\n";
        return kExitUsage;
    }
    // A port the user may not open says so beneath it, with the way to fix it.
    const Language language = batchLanguage();
    const auto refusal = [language](const std::string& device) {
        const std::string problem = accessProblem(device, language);
        return problem.empty() ? std::string() : "    " + problem + '\n';
    };
    for (const std::string& name : comPortNames()) {
        const std::string device = resolvePortName(name, &programIniFile());
        std::cout << name << "  " << device << '\n' << refusal(device);
    }
    for (const std::string& device : listSerialAdapters())
        std::cout << device << '\n' << refusal(device);
    for (const NamedPort& named : namedPorts())
        std::cout << named.name << "  " << named.description << '\n';
    return kExitDone;
}

} // namespace

void registerLinkCommands()
{
    // Only radios with a password or a radio-type check take the options for them.
    registerBatchCommand({"--read", "OUT.sin", "", readCommand, [](const Edition& e) {
                              return std::string("read the radio into OUT.sin (--port PORT [--retries N]")
                                     + (e.link.passwordCheck ? " [--password DIGITS])" : ")");
                          }});
    registerBatchCommand({"--write", "IN.sin", "", writeCommand, [](const Edition& e) {
                              return std::string("write IN.sin to the radio (--port PORT [--retries N]")
                                     + (e.link.typeCheckOffset ? " [--accept-type-mismatch])" : ")");
                          }});
    registerBatchCommand({"--list-ports", "", "list the serial ports found", listPortsCommand});
}

} // namespace tolvan
