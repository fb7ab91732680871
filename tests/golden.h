#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

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

// Bytes as a snapshot shows them: upper-case hex, spaced.
inline std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

// Items joined with commas, three or more consecutive numbers as a range
// ("Detecting, 1..507, 507"), so a count of steps reads at a glance.
inline std::string joinWithRuns(const std::vector<std::string>& items)
{
    const auto follows = [&](std::size_t i) {
        const std::string &a = items[i - 1], &b = items[i];
        return !a.empty() && !b.empty() && a.find_first_not_of("0123456789") == std::string::npos
               && b.find_first_not_of("0123456789") == std::string::npos && std::stoll(b) == std::stoll(a) + 1;
    };
    std::string out;
    for (std::size_t i = 0; i < items.size();) {
        std::size_t end = i + 1;
        while (end < items.size() && follows(end))
            ++end;
        if (!out.empty())
            out += ", ";
        out += items[i];
        if (end - i >= 3) {
            out += ".." + items[end - 1];
            i = end;
        } else {
            ++i;
        }
    }
    return out;
}
