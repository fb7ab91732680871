#include "program/file_opener.h"

#include "program/platform.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace tolvan {

// The opener becomes the program: beside the opener first, else from PATH.
void execProgramBeside(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (std::string& s : argv)
        raw.push_back(s.data());
    raw.push_back(nullptr);
    if (const std::filesystem::path self = executablePath(); !self.empty())
        ::execv((self.parent_path() / program).c_str(), raw.data());
    ::execvp(program.c_str(), raw.data());
    std::cerr << "tolvan-open: cannot start " << program << ": " << std::strerror(errno) << '\n';
}

} // namespace tolvan
