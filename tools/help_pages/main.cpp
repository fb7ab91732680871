// Composes each program's help pages from the one source of sections:
// help_pages SOURCE OUTDIR writes OUTDIR/<program>/Tolvan_V_EN.html and/or
// Tolvan_V_CH.html, in the languages the program's window has.

#include "codeplug/safe_file.h"
#include "editions/edition.h"
#include "editions/help_page.h"

#include <filesystem>
#include <iostream>

using namespace tolvan;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: help_pages SOURCE OUTDIR\n";
        return 1;
    }
    std::string source;
    if (!readWholeFile(argv[1], source, 1024 * 1024).ok()) {
        std::cerr << "help_pages: cannot read " << argv[1] << "\n";
        return 2;
    }
    for (const Edition* e : allEditions())
        for (Language language : helpLanguages(*e)) {
            std::string error;
            const std::string page = composeHelpPage(source, *e, language, &error);
            if (!error.empty()) {
                std::cerr << argv[1] << ": " << error << "\n";
                return 2;
            }
            const std::filesystem::path dir = std::filesystem::path(argv[2]) / e->id;
            std::error_code ec;
            std::filesystem::create_directories(dir, ec);
            const std::filesystem::path out = dir / helpFileName(language);
            if (ec || !writeFileSafely(out, page).ok()) {
                std::cerr << "help_pages: cannot write " << out.string() << "\n";
                return 2;
            }
        }
    return 0;
}
