#pragma once

#include "editions/language.h"
#include "program/program_main.h"

#include <string>

namespace tolvan {

// The words of --help: every command's line, whatever layer registers it, so
// the command line speaks with one voice in each language.
struct CommandLineTexts {
    std::string usage;  // %1 program, %2 radio, %3 channels, %4 file size
    std::string tail;  // after the options: %1 program, %2 backups kept, %3 the help pages
    std::string newDocument;
    std::string read;  // %1: the password option where the radio has one
    std::string write;  // %1: the options some radios take, %2: the image size
    std::string listPorts;
    std::string exportCsv;
    std::string importCsv;
    std::string importSin;
    std::string diff;
    std::string printPdf;
};

const CommandLineTexts& commandLineTexts(Language language);
// One command's help in both languages.
CommandHelp commandHelp(std::string CommandLineTexts::*text);

} // namespace tolvan
