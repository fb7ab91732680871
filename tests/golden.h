#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Compares a long output, rendered as readable text, with its file under
// tests/<folder>/golden/ in the source tree. TOLVAN_UPDATE_GOLDEN=1 rewrites the
// file instead; the change is then reviewed in the diff like code.
inline void expectGolden(const std::string& folder, const std::string& name, const std::string& actual)
{
    const std::filesystem::path file = std::filesystem::path(TOLVAN_SOURCE_DIR) / "tests" / folder / "golden" / (name + ".txt");
    const char* update = std::getenv("TOLVAN_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    std::stringstream expected;
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file << " is missing; TOLVAN_UPDATE_GOLDEN=1 writes it";
    expected << in.rdbuf();
    if (expected.str() == actual)
        return;
    // Name the first line that differs rather than print two long texts.
    std::istringstream want(expected.str()), got(actual);
    std::string a, b;
    for (int line = 1;; ++line) {
        const bool moreWant = static_cast<bool>(std::getline(want, a)), moreGot = static_cast<bool>(std::getline(got, b));
        if (!moreWant && !moreGot)
            break;
        if (a != b || moreWant != moreGot) {
            ADD_FAILURE() << file << " line " << line << "\n  expected: " << (moreWant ? a : "(end)")
                          << "\n  actual:   " << (moreGot ? b : "(end)");
            return;
        }
        a.clear();
        b.clear();
    }
    ADD_FAILURE() << file << " differs (line ends)";
}
