#pragma once

#include "editions/edition.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tolvan {

// tolvan-open: the one launcher that opens .sin files. It starts the program a
// file belongs to (editions/file_owners.h), asks when several fit, and, without
// a file, asks which program to start.
//   tolvan-open [FILE.sin]        start the program FILE belongs to
//   tolvan-open --which FILE.sin  print the programs FILE may belong to, one a line

// The questions and messages of the opener; without a display there is none.
class OpenerDialogs {
public:
    virtual ~OpenerDialogs() = default;
    // The program chosen among `candidates` for `file` (empty: none named), or
    // nullptr when the user cancels.
    virtual const Edition* choose(const std::vector<const Edition*>& candidates, const std::filesystem::path& file,
                                  Language language) = 0;
    virtual void tell(const std::string& message, Language language) = 0;
};

// Starts a program: replaces the opener, so it returns only when that failed.
using ProgramStarter = std::function<void(const std::string& program, const std::vector<std::string>& args)>;

// Runs the opener with its arguments (without argv[0]). `dialogs` is null when
// there is no display: several candidates are then listed on stderr. Returns
// the exit status when no program was started.
int runOpener(const std::vector<std::string>& args, OpenerDialogs* dialogs, const ProgramStarter& start,
              Language language);

// Replaces this process with the program of that name beside the running
// executable (where the package installs all of them), else from PATH.
void execProgramBeside(const std::string& program, const std::vector<std::string>& args);

} // namespace tolvan
