#include "program/command_args.h"

#include "program/exit_status.h"

#include <cstdint>
#include <iostream>

namespace tolvan {

std::string CommandArgs::value(const std::string& option) const
{
    const auto it = options.find(option);
    return it == options.end() ? std::string() : it->second;
}

namespace {

// An argument that begins with "-" and is no option here: perhaps a file name.
std::string unexpectedArgument(const std::string& arg)
{
    return "unexpected " + arg + "; a name that begins with \"-\" goes after --";
}

} // namespace

CommandArgs parseCommandArgs(const std::vector<std::string>& args, std::size_t minNames, std::size_t maxNames,
                             const std::vector<OptionRule>& options)
{
    CommandArgs out;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && out.ok(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || !a.starts_with('-')) {
            if (out.names.size() == maxNames)
                out.error = "unexpected " + a;
            else
                out.names.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionRule* known = nullptr;
        for (const OptionRule& o : options)
            if (o.name == a)
                known = &o;
        if (!known)
            out.error = unexpectedArgument(a);
        else if (out.has(a))
            out.error = a + " is given twice";
        else if (known->valueName.empty())
            out.options[a] = {};
        else if (i + 1 == args.size() || args[i + 1].empty())
            out.error = a + " needs " + known->valueName;
        else
            out.options[a] = args[++i];
    }
    if (out.ok() && out.names.size() < minNames)
        out.error = "needs more arguments";
    return out;
}

std::optional<long> parseBoundedNumber(std::string_view text, long minimum, long maximum)
{
    // 18 digits fit 64 bits; `long` has only 32 on Windows.
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < minimum || value > maximum)
        return std::nullopt;
    return static_cast<long>(value);
}

int usageError(std::string_view program, std::string_view option, std::string_view error)
{
    std::cerr << program << ": " << option << ": " << error << '\n';
    return kExitUsage;
}

int outputFault(const FileResult& result, const std::filesystem::path& target)
{
    std::cerr << describeWriteFault(result, target) << '\n';
    return isUsageFault(result.fault) ? kExitUsage : kExitFileError;
}

int boundedExitStatus(int status)
{
    return status >= kExitDone && status <= kExitDifferent ? status : kExitFileError;
}

} // namespace tolvan
