// Suites that run the layers in-process keep the user's ini file and settings
// in a folder of their own, never in the user's ~/.config (the widget suite
// does the same in its main).
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const bool quietHome = [] {
    const auto config = std::filesystem::temp_directory_path() / ("tolvan-test-config-" + std::to_string(::getuid()));
    return ::setenv("XDG_CONFIG_HOME", config.c_str(), 1) == 0;
}();

} // namespace
