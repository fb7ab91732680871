// Any bytes as an ini file: loading and looking up must never crash.

#include "program/ini_file.h"
#include "program/language.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace tolvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/fuzz_ini_" + std::to_string(::getpid()) + ".ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CIniFile ini;
    ini.load(path, true);
    for (const char* section : {"", "MAIN", "PORTS", "ABOUT"})
        for (const char* key : {"", "LANGUAGE", "LANGUAGE_FORCE", "TITLE", "COM1"})
            (void)ini.getValue(section, key, " default ");
    (void)decideLanguageName("cps", false, ini);
    return 0;
}
