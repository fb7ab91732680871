// Stands in for a program the opener starts (tests/program/file_opener_test.cpp):
// puts the file it was started as and its arguments, each followed by '|',
// into "started" beside itself, whole or not at all.
#include "program/platform.h"

#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    const std::filesystem::path self = tolvan::executablePath();
    const std::filesystem::path started = self.parent_path() / "started";
    {
        std::ofstream out(started.string() + ".part", std::ios::binary);
        out << self.string() << '|';
        const std::vector<std::string> args = tolvan::programArguments(argc, argv);
        for (std::size_t i = 1; i < args.size(); ++i)
            out << args[i] << '|';
    }
    std::filesystem::rename(started.string() + ".part", started);
}
