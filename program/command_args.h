#pragma once

#include "codeplug/safe_file.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// The arguments of one command after its option: file names in order and
// options with their values. Every command parses through here, so a missing,
// extra or repeated argument is the same usage error everywhere.
struct CommandArgs {
    std::vector<std::string> names;              // positional arguments, in order
    std::map<std::string, std::string> options;  // option -> value ("" for a flag)
    std::string error;                           // set: a usage error, saying which argument

    bool ok() const { return error.empty(); }
    bool has(const std::string& option) const { return options.count(option) != 0; }
    std::string value(const std::string& option) const;
};

struct OptionRule {
    std::string name;  // "--port"
    std::string valueName;  // "PORT"; empty for a flag
};

// Between `minNames` and `maxNames` names, the given options each at most once,
// each option that takes a value with a value that is not empty. "--" ends the
// options, so a file whose name begins with "-" can be named; before it such a
// name ("-", "-x.sin") is refused, with that hint, as an option would be.
CommandArgs parseCommandArgs(const std::vector<std::string>& args, std::size_t minNames, std::size_t maxNames,
                             const std::vector<OptionRule>& options = {});

// A decimal whole number within [minimum, maximum]; anything else (a sign where
// none belongs, blanks, letters, a number too large to hold) gives nothing.
std::optional<long> parseBoundedNumber(std::string_view text, long minimum, long maximum);

// Prints "<program>: <option>: <error>" on stderr and returns the usage status.
int usageError(std::string_view program, std::string_view option, std::string_view error);

// Prints why an output was refused or failed and returns its exit status: a
// usage error for swapped or repeated names, a file error otherwise.
int outputFault(const FileResult& result, const std::filesystem::path& target);

// Exit statuses stay within the documented 0..5 whatever a layer returns.
int boundedExitStatus(int status);

} // namespace tolvan
