// Any bytes as an ini file: loading and looking up must never crash, and the
// language decision must name English exactly for the base name + "_EN".

#include "fuzz_input.h"
#include "program/ini_file.h"
#include "program/language.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

using namespace tolvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // In memory where the system offers it: the file is written once per input.
    static const std::string path
        = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_ini_" + std::to_string(::getpid()) + ".ini";
    const FuzzInput in = takeEditionAndLanguage(data, size);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, in.data, in.size) != static_cast<ssize_t>(in.size))
        std::abort();
    ::close(fd);
    CIniFile ini;
    ini.load(path, in.language == Language::English);
    for (const char* section : {"", "MAIN", "PORTS", "ABOUT"})
        for (const char* key : {"", "LANGUAGE", "LANGUAGE_FORCE", "TITLE", "COM1"})
            if (ini.getValue(section, key, " default ").size() > CIniFile::kMaxIniLine)
                std::abort();
    const std::string base = in.edition->id;
    const std::string name = decideLanguageName(base, in.language == Language::Chinese, ini);
    if ((languageOf(name, base) == Language::English) != (name == base + "_EN"))
        std::abort();
    return 0;
}
