#pragma once

#include "editions/edition.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvan {

// One command's help in the two languages --help speaks.
struct CommandHelp {
    std::string english;
    std::string chinese;
};

// A batch command of the command line: its option, its argument's name, one line
// of help, and what it does. Later layers add theirs (radio read/write, exports).
struct BatchCommand {
    std::string option;    // "--new"
    std::string argument;  // "OUT.sin"; empty when it takes none
    CommandHelp help;
    std::function<int(const Edition&, const std::vector<std::string>& args)> run;
    // When set, the help for an edition (options only some radios take).
    std::function<std::string(const Edition&, Language)> helpFor;
};

// --help in Chinese where the program has Chinese texts and the terminal's
// language is Chinese (a Chinese program's English page is made from its English help).
Language helpLanguage(const Edition& edition, bool systemIsChinese);

void registerBatchCommand(BatchCommand command);

// The image --new writes; by default the edition's new document. The editor
// layer makes it the new document as the window saves it.
void setNewDocumentRule(std::function<MemoryImage(const Edition&)> rule);

// Runs the window; set by the Qt layer when it is linked into the program.
using WindowMain = std::function<int(const Edition&, int argc, char** argv)>;
void setWindowMain(WindowMain windowMain);

// The program path as the system passed it (argv[0]) to runProgram.
const std::string& programPath();

// The entry point of every deliverable: batch commands when an option is given,
// otherwise the program window.
int runProgram(const Edition& edition, int argc, char** argv);

} // namespace tolvan
